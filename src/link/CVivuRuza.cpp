#include "CVivuRuza.h"

#include "CalcFileName.h"
#include "DeviceText.h"
#include "DownloadFile.h"
#include "FolderHandle.h"
#include "LinkLog.h"
#include "MessageExchange.h"
#include "PortProblem.h"
#include "ReplyParser.h"
#include "UploadFile.h"
#include "serializeData.pb.h"

#include <QBitArray>
#include <QDir>
#include <QMetaType>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <cmath>
#include <cstring>

using VivuRuza::calcMsg;

namespace {
// Once per process; cheap to call again.
void registerTypes()
{
    static const bool done = [] {
        qRegisterMetaType<QPair<QString, int>>("QPair<QString,int>");
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

CVivuRuza::CVivuRuza(const QSerialPortInfo &portInfo, QObject *parent)
    : QObject(parent)
{
    registerTypes();
    openPort(portInfo);
}

CVivuRuza::CVivuRuza(const QString &systemLocation, QObject *parent)
    : QObject(parent)
{
    registerTypes();
    openPort(systemLocation);
}

CVivuRuza::CVivuRuza(QIODevice *device, QObject *parent)
    : QObject(parent)
{
    registerTypes();
    m_exchange.setDevice(device, "device");
    getDeviceInf();
}

CVivuRuza::~CVivuRuza() = default;

QList<QSerialPortInfo> CVivuRuza::calcPorts()
{
    return PortListing::calcPorts();
}

bool CVivuRuza::openPort(const QSerialPortInfo &portInfo)
{
    return openPort(portInfo.systemLocation());
}

bool CVivuRuza::openPort(const QString &systemLocation)
{
    errorCode = 0;
    m_portError.clear();
    m_answeredLate = false;
    port = QSharedPointer<QSerialPort>::create();
    port->setPortName(systemLocation);
    chunkSize = defaultChunkSize;
    // Trace lines name the port: links to several calculators trace at once.
    m_exchange.setDevice(port.data(), port->portName().toUtf8());
    // A link made without a port is opened later: trying the empty name would
    // take and release a lock file, synced to disk, for nothing (vuvectl
    // builds each calculator's link so).
    if (systemLocation.isEmpty())
        return false;
    if (!port->isOpen() && !port->open(QIODevice::ReadWrite)) {
        if (!systemLocation.isEmpty()) {
            qCDebug(LinkLog, "%s: not opened: %s", m_exchange.label().constData(),
                qUtf8Printable(port->errorString()));
            m_portError = PortProblem::openFailure(systemLocation, port->error());
        }
        return false;
    }
    // Whatever the device sent before anyone asked belongs to no request.
    m_exchange.codec().discardInput();
    const int before = errorCode;
    if (getDeviceInf())
        return true;
    if (errorCode == calcMsg::CONNECTION_ERROR && before != errorCode)
        m_portError = PortProblem::silent(systemLocation);
    else if (m_answeredLate)
        m_portError = PortProblem::answeredLate(systemLocation);
    else
        m_portError = PortProblem::notCalculator(systemLocation);
    return false;
}

bool CVivuRuza::writeFrame(QByteArray &payload)
{
    return m_exchange.codec().writeFrame(payload);
}

bool CVivuRuza::readFrame(QByteArray &buffer)
{
    return m_exchange.readFrame(buffer);
}

bool CVivuRuza::matchMarker(char byte)
{
    return m_exchange.codec().matchMarker(byte);
}

void CVivuRuza::onError(QString errorText)
{
    errorText = m_failure.tell(errorCode, errorText);
    qCDebug(LinkLog, "%s: error %d: %s%s%s", m_exchange.label().constData(), errorCode,
        traced(errorText).constData(), m_failure.detail().isEmpty() ? "" : " / ",
        traced(m_failure.detail()).constData());
    emit errorNotify(errorText);
}

void CVivuRuza::reportRefusal(const calcMsg &reply, const QString &fallback)
{
    errorCode = reply.error();
    m_failure.explainCode(errorCode, Name);
    onError(FailureReport::refusalText(reply, fallback));
}

void CVivuRuza::reportCode(int code)
{
    errorCode = code;
    m_failure.explainCode(code, Name);
    onError();
}

void CVivuRuza::reportText(int code, const QString &text)
{
    errorCode = code;
    onError(text);
}

// A refusal is the calculator's own word; any other reply the request does
// not foresee means the device is not in step with us.
void CVivuRuza::reportWrongReply(const calcMsg &reply, const QString &fallback)
{
    if (reply.type() == calcMsg::FAILED) {
        reportRefusal(reply, fallback);
        return;
    }
    reportText(calcMsg::UNSPECIFITED_ERROR,
        //: %1 is what was asked, such as "file list".
        tr("The calculator sent an unexpected reply (%1).").arg(m_exchange.asked()));
}

void CVivuRuza::reportMalformed(int code)
{
    reportText(code, m_exchange.malformedText());
}

bool CVivuRuza::getDeviceInf()
{
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_DEVICE_INF);
    m_answeredLate = false;
    m_failure.begin(ErrorMeaning::Action::Other, QString());
    //: What was asked, in "The calculator sent a malformed reply (%1)."
    if (!m_exchange.request(msg, buffer, tr("device information"), 1))
        return false;
    if (msg.type() != calcMsg::SEND_DEVICE_INF || !msg.has_devinf()) {
        m_answeredLate = ReplyParser::answersAnotherRequest(msg.type());
        return false;
    }
    const VivuRuza::deviceInf &inf = msg.devinf();
    HV = QString::fromStdString(inf.hv());
    FV = QString::fromStdString(inf.fv());
    PV = QString::fromStdString(inf.pv());
    Name = QString::fromStdString(inf.name());
    // A chunk size of 0 or less would make every read ask for nothing and
    // every download's frame count meaningless.
    chunkSize = inf.maxchunksize() > 0 ? inf.maxchunksize() : defaultChunkSize;
    qCDebug(LinkLog, "%s: device \"%s\", hv %s, fv %s, pv %s, chunk %d",
        m_exchange.label().constData(), traced(Name).constData(), traced(HV).constData(),
        traced(FV).constData(), traced(PV).constData(), chunkSize);
    return true;
}

int CVivuRuza::getFilesNum()
{
    qint64 count = 0;
    return filesNum(count) && count <= maxListedFiles ? int(count) : 0;
}

// False when the count could not be read; the reason went to the user unless
// only the first write failed (a port that never opened).
bool CVivuRuza::filesNum(qint64 &count)
{
    count = 0;
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_FILES_NUM);
    m_failure.begin(ErrorMeaning::Action::Other, QString());
    //: What was asked, in "The calculator sent a malformed reply (%1)."
    if (!m_exchange.request(msg, buffer, tr("number of files"), 1))
        return false;
    if (msg.type() != calcMsg::SEND_FILES_NUM) {
        reportWrongReply(msg);
        return false;
    }
    count = msg.numberoffiles();
    return true;
}

QList<QPair<QString, int>> CVivuRuza::getFilesInf()
{
    QList<QPair<QString, int>> list;
    if (!listFiles(list))
        list.clear();
    return list;
}

// A listing either arrives whole or fails with a report: a calculator that
// refuses or garbles its list must never read as one without files. Only an
// entry that came whole but does not parse is left out, with a word of its
// own: the line is still in step, and nothing of it can be trusted.
bool CVivuRuza::listFiles(QList<QPair<QString, int>> &list)
{
    list.clear();
    m_skipped.clear();
    qint64 n = 0;
    if (!filesNum(n))
        return false;
    if (n < 0 || n > maxListedFiles) {
        reportText(calcMsg::DATASIZE_INVALID,
            tr("The calculator reported %1 files, which no calculator holds; its file list "
               "was not read.")
                .arg(n));
        return false;
    }
    if (n == 0)
        return true;
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_FILES_INF);
    //: What was asked, in "The calculator sent a malformed reply (%1)."
    m_exchange.begin(tr("file list"), n);
    if (!m_exchange.sendFollowUp(msg, buffer))
        return false;
    calcMsg ack;
    ack.set_type(calcMsg::SUCCESS);
    list.reserve(int(n));
    for (qint64 i = 0; i < n; ++i) {
        const MessageExchange::Reply reply = m_exchange.read(msg, buffer);
        if (reply == MessageExchange::Reply::Lost) {
            list.clear();
            m_skipped.clear();
            return false;
        }
        const bool whole = reply == MessageExchange::Reply::Whole;
        if (whole && msg.type() != calcMsg::SEND_FILE_INF) {
            reportWrongReply(msg);
            list.clear();
            m_skipped.clear();
            return false;
        }
        if (whole && msg.finf().size() >= 0)
            list.append(
                qMakePair(QString::fromStdString(msg.finf().name()), int(msg.finf().size())));
        else
            m_skipped.append(tr("The calculator sent a malformed entry (%1 of %2) in its file "
                                "list; that file is left out.")
                                 .arg(i + 1)
                                 .arg(n));
        if (i != n - 1 && !m_exchange.sendFollowUp(ack, buffer)) {
            list.clear();
            m_skipped.clear();
            return false;
        }
    }
    return true;
}

QByteArray CVivuRuza::getFile(const VivuRuza::fileInf &file)
{
    QByteArray content;
    if (!fetchFile(file, content))
        content.clear();
    return content;
}

// Every frame of the file must come exactly once, fit its place and carry the
// bytes it announces: anything else would read or write outside the buffer or
// leave part of the file unfilled.
bool CVivuRuza::fetchFile(const VivuRuza::fileInf &file, QByteArray &content)
{
    content.clear();
    m_cancelled = false;
    const qint64 size = file.size();
    m_failure.begin(ErrorMeaning::Action::Copy, QString::fromStdString(file.name()));
    if (size == 0)
        return true;
    // No calculator holds such a file; a listed size beyond it would only
    // make us allocate what the device never sends.
    if (size < 0 || size > maxDownloadSize) {
        reportCode(calcMsg::DATASIZE_INVALID);
        return false;
    }
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_FILE);
    *msg.mutable_finf() = file;
    const int count = int(std::ceil(double(size) / double(chunkSize)));
    //: What was asked, in "The calculator sent a malformed reply (%1)."; %1 is a file name.
    m_exchange.begin(
        tr("content of %1").arg(DeviceText::isolated(QString::fromStdString(file.name()))), count);
    if (!m_exchange.send(msg, buffer))
        return false;

    content.resize(int(size));
    QBitArray seen(count);
    calcMsg ack;
    ack.set_type(calcMsg::SUCCESS);
    qint64 done = 0;
    for (int i = 0; i < count; ++i) {
        if (!m_exchange.receive(msg, buffer))
            return false;
        if (msg.type() != calcMsg::FRAME) {
            if (ReplyParser::isRefusal(msg))
                reportRefusal(msg);
            else
                reportWrongReply(msg);
            return false;
        }
        const VivuRuza::calcFrame &frame = msg.frame();
        const int k = frame.framenum();
        if (k < 0 || k >= count || seen.testBit(k)) {
            reportCode(calcMsg::INVALID_FRAME_NUMBER);
            return false;
        }
        const qint64 offset = qint64(k) * chunkSize;
        const qint64 expected = qMin<qint64>(chunkSize, size - offset);
        const ReplyParser::FrameFill fill = ReplyParser::frameFill(frame);
        if (fill == ReplyParser::FrameFill::Missing || frame.size() != expected
            || fill == ReplyParser::FrameFill::Short) {
            reportCode(calcMsg::DATASIZE_INVALID);
            return false;
        }
        // Bytes beyond what the frame announces belong nowhere; cutting them
        // off would pass a garbled frame for a good one.
        if (fill == ReplyParser::FrameFill::Extra) {
            reportMalformed(calcMsg::DATASIZE_INVALID);
            return false;
        }
        std::memcpy(content.data() + offset, frame.data(0).data(), size_t(expected));
        seen.setBit(k);
        done += expected;
        progress(done, size);
        // Stopped before the acknowledgement: no reply is owed, so the next
        // request finds the line in step.
        if (i != count - 1 && cancelAsked()) {
            m_cancelled = true;
            return false;
        }
        if (i != count - 1 && !m_exchange.sendFollowUp(ack, buffer))
            return false;
    }
    return true;
}

// Written aside and renamed into place: a failed download never replaces a
// file that was there.
bool CVivuRuza::downloadFile(const QString &name, int size, const QString &destFolder)
{
    return downloadInto(name, size, FolderHandle(), destFolder);
}

VivuRuza::fileInf CVivuRuza::fileInfOf(const QString &name, qint64 size)
{
    VivuRuza::fileInf inf;
    inf.set_name(name.toStdString());
    inf.set_size(int(size));
    return inf;
}

bool CVivuRuza::downloadFile(const QString &name, int size, const FolderHandle &dest)
{
    return downloadInto(name, size, dest, dest.path());
}

// Without a folder held open, the folder is opened by its path once the file
// has arrived.
bool CVivuRuza::downloadInto(
    const QString &name, int size, const FolderHandle &dest, const QString &shownFolder)
{
    m_failure.clearText();
    m_cancelled = false;
    if (!DownloadFile::isSafeName(name)) {
        errorCode = calcMsg::NONE_ERROR;
        onError(tr("The calculator's file name \"%1\" is not a safe file name; the file was not "
                   "copied.")
                    .arg(DeviceText::isolated(name)));
        return false;
    }
    QByteArray content;
    if (!fetchFile(fileInfOf(name, size), content))
        return false;
    const bool written = dest.isValid() ? DownloadFile::write(dest, name, content)
                                        : DownloadFile::write(shownFolder, name, content);
    if (!written) {
        errorCode = calcMsg::WRITE_ERROR;
        onError(tr("File %1 can't be written to %2.")
                    .arg(DeviceText::isolated(name), QDir::toNativeSeparators(shownFolder)));
        return false;
    }
    return true;
}

// A calculator that stopped answering will not answer the next file either;
// asking would cost another wait limit per file and risk taking its late
// reply for the next one's.
QList<QUrl> CVivuRuza::getFiles(const QList<QPair<QString, int>> &files, const QString &destFolder)
{
    QList<QUrl> written;
    for (const auto &pair : files) {
        if (downloadFile(pair.first, pair.second, destFolder))
            written.append(QUrl::fromLocalFile(destFolder + QLatin1Char('/') + pair.first));
        else if (lineLost())
            break;
    }
    return written;
}

bool CVivuRuza::sendFile(const VivuRuza::fileInf &file, const QByteArray &content)
{
    calcMsg msg;
    QByteArray buffer;
    m_cancelled = false;
    m_uploadRequested = false;
    // Nothing goes once the user has cancelled: not the request, and not
    // the first frame after a reply that came while the Cancel was pressed.
    if (cancelAsked()) {
        m_cancelled = true;
        return false;
    }
    m_uploadRequested = true;
    if (!accepted(calcMsg::SEND_FILE, file, msg, buffer, tr("File can't be sent.")))
        return false;
    if (content.isEmpty())
        return true;
    if (cancelAsked()) {
        m_cancelled = true;
        return false;
    }

    // Frames are cut at the chunk the calculator announced, which is where it
    // places them; a chunk too large for one frame is cut to what fits only
    // where that places nothing differently (a file sent in one frame).
    const qint64 total = content.size();
    const int chunk = uploadChunk();
    int k = 0;
    qint64 offset = 0;
    for (;;) {
        const int n = int(qMin<qint64>(total - offset, chunk));
        msg.Clear();
        msg.set_type(calcMsg::FRAME);
        VivuRuza::calcFrame *frame = msg.mutable_frame();
        frame->set_framenum(k);
        frame->set_size(n);
        frame->add_data(content.constData() + offset, size_t(n));
        ++k;
        offset += chunk;
        if (!m_exchange.sendFollowUp(msg, buffer) || !m_exchange.receive(msg, buffer))
            return false;
        // Only SUCCESS accepts a frame; anything else may mean it was lost.
        if (msg.type() != calcMsg::SUCCESS) {
            reportWrongReply(msg);
            return false;
        }
        progress(qMin(offset, total), total);
        if (offset > total)
            return true;
        // After a frame the calculator accepted: its reply is read, so the
        // line stays in step for whatever is asked next.
        if (cancelAsked()) {
            m_cancelled = true;
            return false;
        }
    }
}

bool CVivuRuza::uploadFile(
    const QString &localPath, const QString &calcName, int *sentSize, QByteArray *sentContent)
{
    m_failure.clearText();
    m_cancelled = false;
    m_uploadRequested = false;
    if (sentSize)
        *sentSize = 0;
    const QString shown = QDir::toNativeSeparators(localPath);
    QByteArray content;
    QString problem
        = UploadFile::problemText(UploadFile::read(localPath, maxUploadSize, content), shown);
    // A file that needs more than one frame of a chunk no frame can hold
    // would reach the calculator in pieces it places elsewhere.
    if (problem.isEmpty() && chunkSize > maxFrameContent && content.size() >= maxFrameContent)
        problem = tr("File %1 can't be sent: this calculator announces chunks larger than one "
                     "message can carry.")
                      .arg(shown);
    if (!problem.isEmpty()) {
        errorCode = calcMsg::NONE_ERROR;
        onError(problem);
        return false;
    }
    if (!sendFile(fileInfOf(calcName, content.size()), content))
        return false;
    if (sentSize)
        *sentSize = content.size();
    if (sentContent)
        *sentContent = content;
    return true;
}

void CVivuRuza::sendFiles(const QList<QPair<QString, QString>> &files)
{
    for (const auto &pair : files) {
        const QString calcName = toCalcFileName(pair.second);
        int size = 0;
        if (uploadFile(QUrl::fromLocalFile(pair.first).toLocalFile(), calcName, &size))
            emit fileSend(qMakePair(calcName, size));
        else if (lineLost())
            return;
    }
}

bool CVivuRuza::deleteFile(const VivuRuza::fileInf &file)
{
    calcMsg msg;
    QByteArray buffer;
    return accepted(calcMsg::DELETE_FILE, file, msg, buffer);
}

// A request about one file that the calculator answers with SUCCESS or a
// refusal, which is reported.
bool CVivuRuza::accepted(int type, const VivuRuza::fileInf &file, calcMsg &msg, QByteArray &buffer,
    const QString &fallback)
{
    msg.Clear();
    msg.set_type(calcMsg::msgType(type));
    *msg.mutable_finf() = file;
    const QString name = QString::fromStdString(file.name());
    const QString shown = DeviceText::isolated(name);
    //: What was asked, in "The calculator sent a malformed reply (%1)."; %1 is a file name.
    const QString asked = type == calcMsg::SEND_FILE ? tr("sending %1").arg(shown)
                                                     //: What was asked; %1 is a file name.
                                                     : tr("deleting %1").arg(shown);
    m_failure.begin(
        type == calcMsg::SEND_FILE ? ErrorMeaning::Action::Send : ErrorMeaning::Action::Delete,
        name);
    const qint64 frames
        = type == calcMsg::SEND_FILE ? 1 + qint64(file.size()) / qMax(1, uploadChunk()) + 1 : 1;
    if (!m_exchange.request(msg, buffer, asked, frames))
        return false;
    if (msg.type() != calcMsg::SUCCESS) {
        reportRefusal(msg, fallback);
        return false;
    }
    return true;
}

void CVivuRuza::deleteFiles(const QList<QPair<QString, int>> &files)
{
    for (const auto &pair : files) {
        if (deleteFile(fileInfOf(pair.first, pair.second)))
            emit fileDeleted(pair.first);
        else if (lineLost())
            return;
    }
}

bool CVivuRuza::changeName(const QString &newName)
{
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::CHANGE_NAME);
    msg.set_devname(newName.toStdString());
    m_failure.begin(ErrorMeaning::Action::Other, QString());
    //: What was asked, in "The calculator sent a malformed reply (%1)."
    if (!m_exchange.request(msg, buffer, tr("renaming"), 1) || msg.type() != calcMsg::SUCCESS)
        return false;
    Name = newName;
    return true;
}
