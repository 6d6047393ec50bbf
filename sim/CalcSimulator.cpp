#include "CalcSimulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

using VivuRuza::calcMsg;

namespace {

constexpr int fallbackChunk = 512;
// Writes that make no progress for this long mean nobody reads the other end.
constexpr int stalledWriteMs = 2000;
constexpr int splitPauseMs = 2;
// Largest upload the device accepts; more would only test the machine's memory.
constexpr int maxStoredSize = 64 * 1024 * 1024;

struct Refusal
{
    int error = 0;
    int errorNum = 0;
    QString errorStr;
};

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

QByteArray frameOf(const calcMsg &msg)
{
    const int size = int(msg.ByteSizeLong());
    QByteArray frame(6 + size, Qt::Uninitialized);
    frame[0] = 'C';
    frame[1] = 'A';
    frame[2] = 'L';
    frame[3] = 'C';
    frame[4] = char(size & 0xFF);
    frame[5] = char((size >> 8) & 0xFF);
    msg.SerializeToArray(frame.data() + 6, size);
    return frame;
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

struct CalcSimulator::Private
{
    // What one handled message makes the device write: pieces with a pause
    // between them.
    struct Output
    {
        QList<QByteArray> pieces;
    };

    enum class Series { None, Listing, Download, Upload };

    mutable std::mutex mutex;
    mutable std::condition_variable receivedChanged;

    // Identity and storage
    QString name = QStringLiteral("Vori X1");
    QString hv = QStringLiteral("HW1.2");
    QString fv = QStringLiteral("FW3.0.1");
    QString pv = QStringLiteral("PR1");
    int chunk = fallbackChunk;
    QList<QPair<QString, QByteArray>> files;
    QString folder;
    QList<calcMsg> received;

    // Faults
    bool silent = false;
    QHash<int, Refusal> refusals;
    int unplugType = -1;
    int unplugIndex = 0;
    bool unplugged = false;
    int replugAfterMs = 0;
    std::chrono::steady_clock::time_point unpluggedAt;
    QByteArray junk;
    int splitPieces = 1;
    bool outOfOrder = false;
    FrameFault frameFault = FrameFault::None;

    // The series in progress and the request that began it
    Series series = Series::None;
    int requestType = calcMsg::NONE;
    int replyCount = 0; // replies written for the current request
    int frameReplyCount = 0; // replies to upload frames of the current upload
    QList<QPair<QString, int>> listing;
    int listNext = 0;
    QByteArray download;
    QList<int> downloadOrder;
    int downloadNext = 0;
    int downloadCount = 0;
    QString uploadName;
    QByteArray upload;
    int uploadExpected = 0;
    int uploadReceived = 0;

    // I/O, touched only by start/stop and the serving thread
    int master = -1;
    int slave = -1;
    int wake[2] = { -1, -1 };
    QString path;
    std::thread thread;
    std::atomic<bool> stopping { false };
    std::atomic<bool> running { false };
    QByteArray input;

    int servingChunk() const { return chunk > 0 ? chunk : fallbackChunk; }

    void serve();
    bool writeAll(const QByteArray &bytes);
    bool drainInto(QByteArray &buffer);
    void flushStale();
    void takeFrames(QList<QByteArray> &payloads);

    // The rest run with the mutex held.
    void handle(const QByteArray &payload, Output &out);
    void answerRequest(const calcMsg &msg, Output &out);
    void emitReply(const calcMsg &reply, Output &out, bool isFrameReply = false);
    void refuse(
        int error, int errorNum, const QString &text, Output &out, bool isFrameReply = false);
    void sendListEntry(Output &out);
    void sendDownloadFrame(Output &out);
    void takeUploadFrame(const calcMsg &msg, Output &out);
    void endSeries() { series = Series::None; }
    void checkReplug();
    int indexOf(const QString &fileName) const;
    bool storeFile(const QString &fileName, const QByteArray &content);
    bool removeFile(const QString &fileName);
    void loadFolder();
};

// ---- I/O -------------------------------------------------------------------

bool CalcSimulator::Private::drainInto(QByteArray &buffer)
{
    char chunkBuf[16384];
    for (;;) {
        const ssize_t n = ::read(master, chunkBuf, sizeof chunkBuf);
        if (n > 0) {
            buffer.append(chunkBuf, int(n));
            // A short read took all there was: asking again would only say so.
            if (size_t(n) < sizeof chunkBuf)
                return true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. EIO would mean no slave is open, which cannot
        // happen while we hold our own slave descriptor.
        return n != 0;
    }
}

// Bytes the computer never read belong to an exchange it has given up; a new
// request must not find them in front of its reply.
void CalcSimulator::Private::flushStale()
{
    if (slave >= 0)
        ::tcflush(slave, TCIFLUSH);
}

bool CalcSimulator::Private::writeAll(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    auto lastProgress = std::chrono::steady_clock::now();
    while (left > 0) {
        const ssize_t n = ::write(master, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
            lastProgress = std::chrono::steady_clock::now();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        if (std::chrono::steady_clock::now() - lastProgress
            > std::chrono::milliseconds(stalledWriteMs))
            return false;
        // Keep reading while the computer's side is full, so that a computer
        // writing at the same time cannot lock both ends.
        pollfd fds[2] = { { master, POLLOUT | POLLIN, 0 }, { wake[0], POLLIN, 0 } };
        ::poll(fds, 2, 100);
        if (stopping)
            return false;
        if (fds[0].revents & POLLIN)
            drainInto(input);
    }
    return true;
}

void CalcSimulator::Private::takeFrames(QList<QByteArray> &payloads)
{
    static const QByteArray marker("CALC", 4);
    for (;;) {
        const int at = input.indexOf(marker);
        if (at < 0) {
            // The marker may be split across reads: keep its possible start.
            if (input.size() > 3)
                input.remove(0, input.size() - 3);
            return;
        }
        if (at > 0)
            input.remove(0, at);
        if (input.size() < 6)
            return;
        const int length = int(uchar(input.at(4))) | (int(uchar(input.at(5))) << 8);
        if (input.size() < 6 + length)
            return;
        payloads.append(input.mid(6, length));
        input.remove(0, 6 + length);
    }
}

void CalcSimulator::Private::serve()
{
    while (!stopping) {
        int timeout = -1;
        {
            std::lock_guard<std::mutex> lock(mutex);
            checkReplug();
            if (unplugged && replugAfterMs > 0)
                timeout = 50;
        }
        pollfd fds[2] = { { master, POLLIN, 0 }, { wake[0], POLLIN, 0 } };
        const int r = ::poll(fds, 2, timeout);
        if (stopping)
            break;
        if (r < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(wake[0], drain, sizeof drain) > 0) { }
        }
        if (fds[0].revents & (POLLHUP | POLLERR) && !(fds[0].revents & POLLIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (!(fds[0].revents & POLLIN))
            continue;
        drainInto(input);
        // Frames that arrive while a reply is being written are collected by
        // writeAll and served on the next round, in order.
        for (;;) {
            QList<QByteArray> payloads;
            takeFrames(payloads);
            if (payloads.isEmpty())
                break;
            for (const QByteArray &payload : qAsConst(payloads)) {
                Output out;
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    handle(payload, out);
                }
                for (int i = 0; i < out.pieces.size(); ++i) {
                    if (i > 0)
                        std::this_thread::sleep_for(std::chrono::milliseconds(splitPauseMs));
                    if (!writeAll(out.pieces.at(i)))
                        break;
                }
                if (stopping)
                    return;
            }
        }
    }
}

// ---- Device behaviour (mutex held) -----------------------------------------

void CalcSimulator::Private::checkReplug()
{
    if (unplugged && replugAfterMs > 0
        && std::chrono::steady_clock::now() - unpluggedAt
            >= std::chrono::milliseconds(replugAfterMs))
        unplugged = false;
}

void CalcSimulator::Private::handle(const QByteArray &payload, Output &out)
{
    calcMsg msg;
    msg.ParseFromArray(payload.constData(), payload.size());
    received.append(msg);
    receivedChanged.notify_all();
    checkReplug();
    if (silent || unplugged)
        return;

    const int type = msg.type();
    const bool isRequest = type >= calcMsg::GET_DEVICE_INF && type <= calcMsg::CHANGE_NAME;
    if (isRequest) {
        endSeries();
        requestType = type;
        replyCount = 0;
        frameReplyCount = 0;
        flushStale();
    }

    const auto refusal = refusals.constFind(type);
    if (refusal != refusals.cend()) {
        const bool frame = type == calcMsg::FRAME;
        endSeries();
        refuse(refusal->error, refusal->errorNum, refusal->errorStr, out, frame);
        return;
    }

    if (isRequest) {
        answerRequest(msg, out);
        return;
    }
    switch (type) {
    case calcMsg::SUCCESS:
        if (series == Series::Listing)
            sendListEntry(out);
        else if (series == Series::Download)
            sendDownloadFrame(out);
        // An acknowledgement nobody waits for is ignored.
        break;
    case calcMsg::FRAME:
        if (series == Series::Upload)
            takeUploadFrame(msg, out);
        else
            refuse(calcMsg::INVALID_FRAME_NUMBER, 0, QString(), out, true);
        break;
    default:
        endSeries();
        refuse(calcMsg::UNSPECIFITED_ERROR, 0, QString(), out);
        break;
    }
}

void CalcSimulator::Private::answerRequest(const calcMsg &msg, Output &out)
{
    calcMsg reply;
    switch (msg.type()) {
    case calcMsg::GET_DEVICE_INF: {
        reply.set_type(calcMsg::SEND_DEVICE_INF);
        VivuRuza::deviceInf *inf = reply.mutable_devinf();
        inf->set_hv(hv.toStdString());
        inf->set_fv(fv.toStdString());
        inf->set_pv(pv.toStdString());
        inf->set_name(name.toStdString());
        inf->set_maxchunksize(chunk);
        emitReply(reply, out);
        break;
    }
    case calcMsg::GET_FILES_NUM:
        reply.set_type(calcMsg::SEND_FILES_NUM);
        reply.set_numberoffiles(files.size());
        emitReply(reply, out);
        break;
    case calcMsg::GET_FILES_INF:
        listing.clear();
        for (const auto &file : qAsConst(files))
            listing.append(qMakePair(file.first, int(file.second.size())));
        listNext = 0;
        if (listing.isEmpty())
            break;
        series = Series::Listing;
        sendListEntry(out);
        break;
    case calcMsg::GET_FILE: {
        const int at = indexOf(QString::fromStdString(msg.finf().name()));
        if (at < 0) {
            refuse(calcMsg::FILE_NOT_EXIST, 0, QString(), out);
            break;
        }
        download = files.at(at).second;
        const int c = servingChunk();
        // An empty file still gets one (empty) frame, so a requester never
        // waits for nothing.
        downloadCount = qMax(1, int((qint64(download.size()) + c - 1) / c));
        downloadOrder.clear();
        for (int k = 0; k < downloadCount; ++k)
            downloadOrder.append(outOfOrder ? downloadCount - 1 - k : k);
        downloadNext = 0;
        series = Series::Download;
        sendDownloadFrame(out);
        break;
    }
    case calcMsg::SEND_FILE: {
        const QString fileName = QString::fromStdString(msg.finf().name());
        const int size = msg.finf().size();
        if (size < 0 || size > maxStoredSize) {
            refuse(size < 0 ? calcMsg::DATASIZE_INVALID : calcMsg::MEMORY_ERROR, 0, QString(), out);
            break;
        }
        if (!folder.isEmpty() && !isPlainFileName(fileName)) {
            refuse(calcMsg::WRITE_ERROR, 0, QString(), out);
            break;
        }
        if (size == 0) {
            if (!storeFile(fileName, QByteArray())) {
                refuse(calcMsg::WRITE_ERROR, 0, QString(), out);
                break;
            }
        } else {
            uploadName = fileName;
            upload = QByteArray(size, '\0');
            uploadExpected = size / servingChunk() + 1;
            uploadReceived = 0;
            series = Series::Upload;
        }
        reply.set_type(calcMsg::SUCCESS);
        emitReply(reply, out);
        break;
    }
    case calcMsg::DELETE_FILE:
        if (!removeFile(QString::fromStdString(msg.finf().name()))) {
            refuse(calcMsg::FILE_NOT_EXIST, 0, QString(), out);
            break;
        }
        reply.set_type(calcMsg::SUCCESS);
        emitReply(reply, out);
        break;
    case calcMsg::CHANGE_NAME:
        name = QString::fromStdString(msg.devname());
        reply.set_type(calcMsg::SUCCESS);
        emitReply(reply, out);
        break;
    default:
        break;
    }
}

void CalcSimulator::Private::emitReply(const calcMsg &reply, Output &out, bool isFrameReply)
{
    const int index = replyCount++;
    const int frameIndex = isFrameReply ? frameReplyCount++ : -1;
    QByteArray bytes = junk + frameOf(reply);
    const bool pullPlug = unplugType >= 0
        && ((isFrameReply && unplugType == calcMsg::FRAME && frameIndex == unplugIndex)
            || (unplugType == requestType && unplugType != calcMsg::FRAME && index == unplugIndex));
    if (pullPlug) {
        const int frameSize = bytes.size() - junk.size();
        bytes.truncate(junk.size() + frameSize / 2);
        unplugged = true;
        unpluggedAt = std::chrono::steady_clock::now();
        unplugType = -1;
        endSeries();
    }
    const int pieces = qBound(1, splitPieces, qMax(1, bytes.size()));
    if (pieces == 1) {
        out.pieces.append(bytes);
        return;
    }
    int from = 0;
    for (int i = 0; i < pieces; ++i) {
        const int to = int(qint64(bytes.size()) * (i + 1) / pieces);
        out.pieces.append(bytes.mid(from, to - from));
        from = to;
    }
}

void CalcSimulator::Private::refuse(
    int error, int errorNum, const QString &text, Output &out, bool isFrameReply)
{
    calcMsg reply;
    reply.set_type(calcMsg::FAILED);
    reply.set_error(calcMsg::errType(error));
    reply.set_errornum(errorNum);
    reply.set_errorstr(text.toStdString());
    emitReply(reply, out, isFrameReply);
}

void CalcSimulator::Private::sendListEntry(Output &out)
{
    calcMsg reply;
    reply.set_type(calcMsg::SEND_FILE_INF);
    reply.mutable_finf()->set_name(listing.at(listNext).first.toStdString());
    reply.mutable_finf()->set_size(listing.at(listNext).second);
    if (++listNext >= listing.size())
        endSeries();
    emitReply(reply, out);
}

void CalcSimulator::Private::sendDownloadFrame(Output &out)
{
    const int c = servingChunk();
    const int k = downloadOrder.at(downloadNext);
    const bool first = downloadNext == 0;
    const qint64 offset = qint64(k) * c;
    const int length = int(qMin<qint64>(c, download.size() - offset));

    calcMsg reply;
    reply.set_type(calcMsg::FRAME);
    VivuRuza::calcFrame *frame = reply.mutable_frame();
    frame->set_framenum(k);
    frame->set_size(length);
    if (!(first && frameFault == FrameFault::NoData))
        frame->add_data(download.constData() + offset, size_t(length));
    if (first && frameFault == FrameFault::BadFrameNum)
        frame->set_framenum(downloadCount);
    if (first && frameFault == FrameFault::BadSize)
        frame->set_size(length + 1);

    if (++downloadNext >= downloadCount)
        endSeries();
    emitReply(reply, out);
}

void CalcSimulator::Private::takeUploadFrame(const calcMsg &msg, Output &out)
{
    const VivuRuza::calcFrame &frame = msg.frame();
    const int k = frame.framenum();
    const qint64 offset = qint64(k) * servingChunk();
    if (k < 0 || k >= uploadExpected) {
        endSeries();
        refuse(calcMsg::INVALID_FRAME_NUMBER, 0, QString(), out, true);
        return;
    }
    if (frame.data_size() < 1 || frame.size() < 0 || frame.size() > servingChunk()
        || qint64(frame.data(0).size()) != qint64(frame.size())
        || offset + frame.size() > upload.size()) {
        endSeries();
        refuse(calcMsg::DATASIZE_INVALID, 0, QString(), out, true);
        return;
    }
    if (frame.size() > 0)
        std::memcpy(upload.data() + offset, frame.data(0).data(), size_t(frame.size()));
    if (++uploadReceived >= uploadExpected) {
        endSeries();
        if (!storeFile(uploadName, upload)) {
            refuse(calcMsg::WRITE_ERROR, 0, QString(), out, true);
            return;
        }
    }
    calcMsg reply;
    reply.set_type(calcMsg::SUCCESS);
    emitReply(reply, out, true);
}

int CalcSimulator::Private::indexOf(const QString &fileName) const
{
    for (int i = 0; i < files.size(); ++i) {
        if (files.at(i).first == fileName)
            return i;
    }
    return -1;
}

bool CalcSimulator::Private::storeFile(const QString &fileName, const QByteArray &content)
{
    if (!folder.isEmpty()) {
        if (!isPlainFileName(fileName))
            return false;
        QSaveFile out(folder + QLatin1Char('/') + fileName);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size()
            || !out.commit())
            return false;
    }
    const int at = indexOf(fileName);
    if (at >= 0)
        files[at].second = content;
    else
        files.append(qMakePair(fileName, content));
    return true;
}

bool CalcSimulator::Private::removeFile(const QString &fileName)
{
    const int at = indexOf(fileName);
    if (at < 0)
        return false;
    files.removeAt(at);
    if (!folder.isEmpty() && isPlainFileName(fileName))
        QFile::remove(folder + QLatin1Char('/') + fileName);
    return true;
}

void CalcSimulator::Private::loadFolder()
{
    files.clear();
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (info.size() > maxStoredSize)
            continue;
        QFile in(info.filePath());
        if (in.open(QIODevice::ReadOnly))
            files.append(qMakePair(info.fileName(), in.readAll()));
    }
}

// ---- Public API ------------------------------------------------------------

CalcSimulator::CalcSimulator()
    : d(new Private)
{
}

CalcSimulator::~CalcSimulator()
{
    stop();
}

bool CalcSimulator::start()
{
    if (d->running)
        return true;
    d->stopping = false;
    d->input.clear();
    d->master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (d->master < 0)
        return false;
    const char *slaveName = nullptr;
    if (::grantpt(d->master) == 0 && ::unlockpt(d->master) == 0)
        slaveName = ::ptsname(d->master);
    if (slaveName)
        d->slave = ::open(slaveName, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio {};
    // Our own slave descriptor stays open for the simulator's life: the
    // computer closes and reopens the port for every job, and the master
    // must never see a hang-up in between.
    if (d->slave < 0 || ::tcgetattr(d->slave, &tio) != 0) {
        closeFd(d->slave);
        closeFd(d->master);
        return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(d->slave, TCSANOW, &tio);
    ::fcntl(d->master, F_SETFL, ::fcntl(d->master, F_GETFL) | O_NONBLOCK);
    ::fcntl(d->master, F_SETFD, FD_CLOEXEC);
    if (::pipe2(d->wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        closeFd(d->slave);
        closeFd(d->master);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->path = QString::fromLocal8Bit(slaveName);
        d->series = Private::Series::None;
    }
    d->running = true;
    d->thread = std::thread([this] { d->serve(); });
    return true;
}

void CalcSimulator::stop()
{
    if (!d->running)
        return;
    d->stopping = true;
    const char one = 0;
    if (::write(d->wake[1], &one, 1) < 0) {
        // The pipe is non-blocking and the flag is set: the thread notices
        // within its next poll either way.
    }
    if (d->thread.joinable())
        d->thread.join();
    d->running = false;
    closeFd(d->wake[0]);
    closeFd(d->wake[1]);
    closeFd(d->slave);
    closeFd(d->master);
    std::lock_guard<std::mutex> lock(d->mutex);
    d->path.clear();
}

bool CalcSimulator::isRunning() const
{
    return d->running;
}

QString CalcSimulator::portPath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->path;
}

void CalcSimulator::setName(const QString &name)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->name = name;
}

QString CalcSimulator::name() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->name;
}

void CalcSimulator::setVersions(const QString &hv, const QString &fv, const QString &pv)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->hv = hv;
    d->fv = fv;
    d->pv = pv;
}

void CalcSimulator::setMaxChunkSize(int chunk)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->chunk = chunk;
}

int CalcSimulator::maxChunkSize() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->chunk;
}

void CalcSimulator::setFiles(const QList<QPair<QString, QByteArray>> &files)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->files = files;
}

QList<QPair<QString, QByteArray>> CalcSimulator::files() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->files;
}

bool CalcSimulator::hasFile(const QString &name) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->indexOf(name) >= 0;
}

QByteArray CalcSimulator::fileContent(const QString &name) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    const int at = d->indexOf(name);
    return at >= 0 ? d->files.at(at).second : QByteArray();
}

void CalcSimulator::setBackingFolder(const QString &folder)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->folder = folder;
    if (!folder.isEmpty())
        d->loadFolder();
}

QString CalcSimulator::backingFolder() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->folder;
}

QList<VivuRuza::calcMsg> CalcSimulator::received() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->received;
}

QList<int> CalcSimulator::receivedTypes() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    QList<int> types;
    types.reserve(d->received.size());
    for (const calcMsg &msg : qAsConst(d->received))
        types.append(msg.type());
    return types;
}

void CalcSimulator::clearReceived()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->received.clear();
}

bool CalcSimulator::waitForReceived(int count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(d->mutex);
    return d->receivedChanged.wait_for(
        lock, std::chrono::milliseconds(timeoutMs), [&] { return d->received.size() >= count; });
}

void CalcSimulator::setSilent(bool silent)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->silent = silent;
}

void CalcSimulator::setRefusal(int requestType, int error, int errorNum, const QString &errorStr)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->refusals.insert(requestType, Refusal { error, errorNum, errorStr });
}

void CalcSimulator::clearRefusals()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->refusals.clear();
}

void CalcSimulator::setUnplugDuring(int requestType, int replyIndex)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->unplugType = requestType;
    d->unplugIndex = replyIndex;
}

void CalcSimulator::setUnplugged(bool unplugged)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->unplugged = unplugged;
    d->unpluggedAt = std::chrono::steady_clock::now();
    d->endSeries();
}

bool CalcSimulator::isUnplugged() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->unplugged;
}

void CalcSimulator::setReplugAfter(int ms)
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->replugAfterMs = qMax(0, ms);
    }
    // The serving thread may sleep without a timeout; let it pick the new one.
    if (d->running) {
        const char one = 0;
        if (::write(d->wake[1], &one, 1) < 0) { }
    }
}

void CalcSimulator::setJunkBeforeFrames(const QByteArray &junk)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->junk = junk;
}

void CalcSimulator::setSplitWrites(int pieces)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->splitPieces = qMax(1, pieces);
}

void CalcSimulator::setDownloadOutOfOrder(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->outOfOrder = on;
}

void CalcSimulator::setDownloadFrameFault(FrameFault fault)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->frameFault = fault;
}

void CalcSimulator::clearFaults()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->silent = false;
    d->refusals.clear();
    d->unplugType = -1;
    d->unplugIndex = 0;
    d->unplugged = false;
    d->junk.clear();
    d->splitPieces = 1;
    d->outOfOrder = false;
    d->frameFault = FrameFault::None;
}
