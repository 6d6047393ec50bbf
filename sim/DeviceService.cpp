#include "DeviceService.h"

#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

using VivuRuza::calcMsg;
using Role = FaultInjector::Role;

namespace {

constexpr int fallbackChunk = 512;
// Largest upload the device accepts; more would only test the machine's memory.
constexpr int maxStoredSize = 64 * 1024 * 1024;
// The frame header describes the payload length in 16 bits.
constexpr size_t maxPayload = 0xFFFF;

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

bool isRequest(int type)
{
    return type >= calcMsg::GET_DEVICE_INF && type <= calcMsg::CHANGE_NAME;
}

} // namespace

DeviceService::DeviceService(FaultInjector &faults)
    : m_faults(faults)
{
}

void DeviceService::setVersions(const QString &hv, const QString &fv, const QString &pv)
{
    m_hv = hv;
    m_fv = fv;
    m_pv = pv;
}

int DeviceService::indexOf(const QString &fileName) const
{
    for (int i = 0; i < m_files.size(); ++i) {
        if (m_files.at(i).first == fileName)
            return i;
    }
    return -1;
}

QByteArray DeviceService::fileContent(const QString &fileName) const
{
    const int at = indexOf(fileName);
    return at >= 0 ? m_files.at(at).second : QByteArray();
}

void DeviceService::setBackingFolder(const QString &folder)
{
    m_folder = folder;
    if (!folder.isEmpty())
        loadFolder();
}

int DeviceService::servingChunk() const
{
    return m_chunk > 0 ? m_chunk : fallbackChunk;
}

void DeviceService::serve(const calcMsg &msg, WritePlan &out)
{
    const int type = msg.type();
    if (isRequest(type))
        endSeries();
    m_faults.beginMessage(type, isRequest(type), out);

    if (const FaultInjector::Refusal *refusal = m_faults.refusalFor(type)) {
        endSeries();
        refuse(refusal->error, refusal->errorNum, refusal->errorStr, out,
            type == calcMsg::FRAME ? Role::FrameAnswer : Role::Answer);
        return;
    }

    using FileFault = CalcSimulator::FileFault;
    const FileFault fileFault = (type == calcMsg::GET_FILE || type == calcMsg::DELETE_FILE)
        ? m_faults.fileFault(QString::fromStdString(msg.finf().name()))
        : FileFault::None;
    if ((type == calcMsg::GET_FILE && fileFault == FileFault::RefuseRead)
        || (type == calcMsg::DELETE_FILE && fileFault == FileFault::RefuseDelete)) {
        endSeries();
        refuse(calcMsg::UNSPECIFITED_ERROR, 0, QStringLiteral("file is locked"), out);
        return;
    }

    if (isRequest(type)) {
        answerRequest(msg, out);
        return;
    }
    switch (type) {
    case calcMsg::SUCCESS:
        if (m_series == Series::Listing)
            sendListEntry(out);
        else if (m_series == Series::Download)
            sendDownloadFrame(out);
        // An acknowledgement nobody waits for is ignored.
        break;
    case calcMsg::FRAME:
        if (m_series == Series::Upload)
            takeUploadFrame(msg, out);
        else
            refuse(calcMsg::INVALID_FRAME_NUMBER, 0, QString(), out, Role::FrameAnswer);
        break;
    default:
        endSeries();
        refuse(calcMsg::UNSPECIFITED_ERROR, 0, QString(), out);
        break;
    }
}

void DeviceService::answerRequest(const calcMsg &msg, WritePlan &out)
{
    calcMsg answer;
    switch (msg.type()) {
    case calcMsg::GET_DEVICE_INF: {
        answer.set_type(calcMsg::SEND_DEVICE_INF);
        VivuRuza::deviceInf *inf = answer.mutable_devinf();
        inf->set_hv(m_hv.toStdString());
        inf->set_fv(m_fv.toStdString());
        inf->set_pv(m_pv.toStdString());
        inf->set_name(m_name.toStdString());
        inf->set_maxchunksize(m_chunk);
        reply(answer, Role::Answer, out);
        break;
    }
    case calcMsg::GET_FILES_NUM:
        answer.set_type(calcMsg::SEND_FILES_NUM);
        answer.set_numberoffiles(m_files.size());
        reply(answer, Role::Answer, out);
        break;
    case calcMsg::GET_FILES_INF:
        startListing(out);
        break;
    case calcMsg::GET_FILE:
        startDownload(QString::fromStdString(msg.finf().name()), out);
        break;
    case calcMsg::SEND_FILE:
        startUpload(msg.finf(), out);
        break;
    case calcMsg::DELETE_FILE:
        if (!removeFile(QString::fromStdString(msg.finf().name()))) {
            refuse(calcMsg::FILE_NOT_EXIST, 0, QString(), out);
            break;
        }
        answer.set_type(calcMsg::SUCCESS);
        reply(answer, Role::Answer, out);
        break;
    case calcMsg::CHANGE_NAME:
        m_name = QString::fromStdString(msg.devname());
        answer.set_type(calcMsg::SUCCESS);
        reply(answer, Role::Answer, out);
        break;
    default:
        break;
    }
}

void DeviceService::reply(const calcMsg &msg, Role role, WritePlan &out)
{
    // A real device cannot frame more either; it says so rather than sending
    // a length that wraps around.
    if (msg.ByteSizeLong() > maxPayload) {
        endSeries();
        refuse(calcMsg::DATASIZE_INVALID, 0, QString(), out, role);
        return;
    }
    if (m_faults.emitReply(msg, role, out))
        endSeries();
}

void DeviceService::refuse(int error, int errorNum, const QString &text, WritePlan &out, Role role)
{
    calcMsg answer;
    answer.set_type(calcMsg::FAILED);
    answer.set_error(calcMsg::errType(error));
    answer.set_errornum(errorNum);
    answer.set_errorstr(text.toStdString());
    reply(answer, role, out);
}

void DeviceService::startListing(WritePlan &out)
{
    m_listing.clear();
    for (const auto &file : qAsConst(m_files))
        m_listing.append(qMakePair(file.first, int(file.second.size())));
    m_listNext = 0;
    if (m_listing.isEmpty() && !m_faults.endlessListing())
        return;
    m_series = Series::Listing;
    sendListEntry(out);
}

void DeviceService::sendListEntry(WritePlan &out)
{
    const bool endless = m_faults.endlessListing();
    // The listing may have stopped being endless half-way.
    if (!endless && m_listNext >= m_listing.size()) {
        endSeries();
        return;
    }
    const QPair<QString, int> entry
        = endless ? FaultInjector::endlessEntry(m_listing, m_listNext) : m_listing.at(m_listNext);
    calcMsg answer;
    answer.set_type(calcMsg::SEND_FILE_INF);
    answer.mutable_finf()->set_name(entry.first.toStdString());
    answer.mutable_finf()->set_size(entry.second);
    if (++m_listNext >= m_listing.size() && !endless)
        endSeries();
    reply(answer, Role::ListEntry, out);
}

void DeviceService::startDownload(const QString &fileName, WritePlan &out)
{
    const int at = indexOf(fileName);
    if (at < 0) {
        refuse(calcMsg::FILE_NOT_EXIST, 0, QString(), out);
        return;
    }
    m_download = m_files.at(at).second;
    if (m_faults.fileFault(fileName) == CalcSimulator::FileFault::UnstableRead)
        m_download = m_faults.unstableReading(m_download);
    const int c = servingChunk();
    // An empty file still gets one (empty) frame, so a requester never
    // waits for nothing.
    m_downloadCount = qMax(1, int((qint64(m_download.size()) + c - 1) / c));
    m_downloadOrder = m_faults.downloadOrder(m_downloadCount);
    m_downloadNext = 0;
    m_series = Series::Download;
    sendDownloadFrame(out);
}

void DeviceService::sendDownloadFrame(WritePlan &out)
{
    const int c = servingChunk();
    const int k = m_downloadOrder.at(m_downloadNext);
    const qint64 offset = qint64(k) * c;
    const int length = int(qMin<qint64>(c, m_download.size() - offset));

    calcMsg answer;
    answer.set_type(calcMsg::FRAME);
    VivuRuza::calcFrame *frame = answer.mutable_frame();
    frame->set_framenum(k);
    frame->set_size(length);
    frame->add_data(m_download.constData() + offset, size_t(length));
    if (m_downloadNext == 0)
        m_faults.spoilFirstDownloadFrame(*frame, m_downloadCount);

    if (++m_downloadNext >= m_downloadCount)
        endSeries();
    reply(answer, Role::Answer, out);
}

void DeviceService::startUpload(const VivuRuza::fileInf &inf, WritePlan &out)
{
    const QString fileName = QString::fromStdString(inf.name());
    const int size = inf.size();
    if (size < 0 || size > maxStoredSize) {
        refuse(size < 0 ? calcMsg::DATASIZE_INVALID : calcMsg::MEMORY_ERROR, 0, QString(), out);
        return;
    }
    if (!m_folder.isEmpty() && !isPlainFileName(fileName)) {
        refuse(calcMsg::WRITE_ERROR, 0, QString(), out);
        return;
    }
    if (size == 0) {
        if (!storeFile(fileName, QByteArray())) {
            refuse(calcMsg::WRITE_ERROR, 0, QString(), out);
            return;
        }
    } else {
        m_uploadName = fileName;
        m_upload = QByteArray(size, '\0');
        m_uploadExpected = size / servingChunk() + 1;
        m_uploadReceived = 0;
        if (m_faults.storesWhileReceiving() && !storeFile(fileName, m_upload)) {
            refuse(calcMsg::WRITE_ERROR, 0, QString(), out);
            return;
        }
        m_series = Series::Upload;
    }
    calcMsg answer;
    answer.set_type(calcMsg::SUCCESS);
    reply(answer, Role::Answer, out);
}

void DeviceService::takeUploadFrame(const calcMsg &msg, WritePlan &out)
{
    const VivuRuza::calcFrame &frame = msg.frame();
    const int c = servingChunk();
    const int k = frame.framenum();
    const qint64 offset = qint64(k) * c;
    if (k < 0 || k >= m_uploadExpected) {
        endSeries();
        refuse(calcMsg::INVALID_FRAME_NUMBER, 0, QString(), out, Role::FrameAnswer);
        return;
    }
    // Frame k lands at k chunks: a short frame before the last would leave a
    // gap that nobody ever fills.
    const bool last = k == m_uploadExpected - 1;
    if (frame.data_size() < 1 || frame.size() < 0 || frame.size() > c || (!last && frame.size() < c)
        || qint64(frame.data(0).size()) != qint64(frame.size())
        || offset + frame.size() > m_upload.size()) {
        endSeries();
        refuse(calcMsg::DATASIZE_INVALID, 0, QString(), out, Role::FrameAnswer);
        return;
    }
    if (frame.size() > 0)
        std::memcpy(m_upload.data() + offset, frame.data(0).data(), size_t(frame.size()));
    const bool whole = ++m_uploadReceived >= m_uploadExpected;
    if (!whole && m_faults.storesWhileReceiving() && !storeFile(m_uploadName, m_upload)) {
        endSeries();
        refuse(calcMsg::WRITE_ERROR, 0, QString(), out, Role::FrameAnswer);
        return;
    }
    if (whole) {
        endSeries();
        m_faults.spoilStoredFile(m_upload);
        if (!storeFile(m_uploadName, m_upload)) {
            refuse(calcMsg::WRITE_ERROR, 0, QString(), out, Role::FrameAnswer);
            return;
        }
    }
    calcMsg answer;
    answer.set_type(calcMsg::SUCCESS);
    reply(answer, Role::FrameAnswer, out);
}

bool DeviceService::storeFile(const QString &fileName, const QByteArray &content)
{
    if (!m_folder.isEmpty()) {
        if (!isPlainFileName(fileName))
            return false;
        if (!WholeFile::write(m_folder + QLatin1Char('/') + fileName, content))
            return false;
    }
    const int at = indexOf(fileName);
    if (at >= 0)
        m_files[at].second = content;
    else
        m_files.append(qMakePair(fileName, content));
    return true;
}

bool DeviceService::removeFile(const QString &fileName)
{
    const int at = indexOf(fileName);
    if (at < 0)
        return false;
    m_files.removeAt(at);
    if (!m_folder.isEmpty() && isPlainFileName(fileName))
        QFile::remove(m_folder + QLatin1Char('/') + fileName);
    return true;
}

void DeviceService::loadFolder()
{
    m_files.clear();
    const QFileInfoList entries = QDir(m_folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (info.size() > maxStoredSize)
            continue;
        QFile in(info.filePath());
        if (in.open(QIODevice::ReadOnly))
            m_files.append(qMakePair(info.fileName(), in.readAll()));
    }
}
