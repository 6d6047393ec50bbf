#include "CVivuRuza.h"

#include "CalcFileName.h"
#include "serializeData.pb.h"

#include <QBitArray>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QSaveFile>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <cmath>
#include <cstring>
#include <limits>

using VivuRuza::calcMsg;

namespace {
VivuRuza::fileInf fileInfOf(const QString &name, int size)
{
    VivuRuza::fileInf inf;
    inf.set_name(name.toStdString());
    inf.set_size(size);
    return inf;
}

// Once per process; cheap to call again.
void registerTypes()
{
    qRegisterMetaType<QPair<QString, int>>("QPair<QString,int>");
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
    m_codec.setDevice(device);
    getDeviceInf();
}

CVivuRuza::~CVivuRuza() = default;

CVivuRuza::PortRecord CVivuRuza::portRecord(const QSerialPortInfo &info)
{
    PortRecord r;
    r.portName = info.portName();
    r.hasVendorIdentifier = info.hasVendorIdentifier();
    r.vendorIdentifier = info.vendorIdentifier();
    r.hasProductIdentifier = info.hasProductIdentifier();
    r.productIdentifier = info.productIdentifier();
    return r;
}

bool CVivuRuza::isCalcPort(const PortRecord &port, bool dropTtyPrefix)
{
    if (!port.hasVendorIdentifier || port.vendorIdentifier != calcVendorId)
        return false;
    if (!port.hasProductIdentifier || port.productIdentifier != calcProductId)
        return false;
    return !(dropTtyPrefix && port.portName.startsWith(QLatin1String("tty")));
}

bool CVivuRuza::usbDevicePresent(const QString &usbDevicesFolder)
{
    auto readId = [](const QString &path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        bool ok = false;
        const int id = f.readLine(16).trimmed().toInt(&ok, 16);
        return ok ? id : -1;
    };
    const QDir folder(usbDevicesFolder);
    const QStringList entries = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QString device = folder.filePath(entry);
        if (readId(device + QLatin1String("/idVendor")) == calcVendorId
            && readId(device + QLatin1String("/idProduct")) == calcProductId)
            return true;
    }
    return false;
}

QList<QSerialPortInfo> CVivuRuza::calcPorts()
{
#ifdef Q_OS_MACOS
    const bool dropTty = true;
#else
    const bool dropTty = false;
#endif
    QList<QSerialPortInfo> result;
#ifdef Q_OS_LINUX
    // Polling runs every second, and listing every serial port through udev
    // costs milliseconds each time; a glance at the USB devices tells first
    // whether a calculator can be among them at all.
    if (!usbDevicePresent(QStringLiteral("/sys/bus/usb/devices")))
        return result;
#endif
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (isCalcPort(portRecord(info), dropTty))
            result.append(info);
    }
    return result;
}

bool CVivuRuza::openPort(const QSerialPortInfo &portInfo)
{
    return openPort(portInfo.systemLocation());
}

bool CVivuRuza::openPort(const QString &systemLocation)
{
    errorCode = 0;
    port = QSharedPointer<QSerialPort>::create();
    port->setPortName(systemLocation);
    chunkSize = defaultChunkSize;
    m_codec.setDevice(port.data());
    if (!port->isOpen())
        port->open(QIODevice::ReadWrite);
    return getDeviceInf();
}

bool CVivuRuza::writeFrame(QByteArray &payload)
{
    return m_codec.writeFrame(payload);
}

bool CVivuRuza::readFrame(QByteArray &buffer)
{
    // The device may announce any positive chunk size; twice that must not
    // overflow (the codec caps the quantum anyway).
    const qint64 quantum = 2 * qint64(chunkSize);
    return m_codec.readFrame(buffer, int(qMin<qint64>(quantum, std::numeric_limits<int>::max())));
}

bool CVivuRuza::matchMarker(char byte)
{
    return m_codec.matchMarker(byte);
}

void CVivuRuza::onError(QString errorText)
{
    static const char *const texts[] = {
        "Unknown error.",
        "File doesn\u2019t exist.",
        "Connection error (error code: 423).",
        "Memory error.",
        "Unknown error.",
        "Write error.",
        "Wrong data size.",
        "Wrong frame number.",
    };
    if (errorText.isEmpty() && uint(errorCode) <= 7u)
        errorText = QString::fromUtf8(texts[errorCode]);
    emit errorNotify(errorText);
}

void CVivuRuza::reportRefusal(const calcMsg &reply, const QString &fallback)
{
    errorCode = reply.error();
    QString text = QString::fromStdString(reply.errorstr());
    if (reply.errornum() != 0)
        text += QString::number(reply.errornum());
    if (text.isEmpty())
        text = fallback;
    onError(text);
}

void CVivuRuza::reportCode(int code)
{
    errorCode = code;
    onError();
}

bool CVivuRuza::send(const calcMsg &msg, QByteArray &buffer)
{
    const size_t size = msg.ByteSizeLong();
    if (size > size_t(FrameCodec::maxPayload))
        return false;
    buffer.resize(int(size));
    msg.SerializeToArray(buffer.data(), int(size));
    return writeFrame(buffer);
}

bool CVivuRuza::receive(calcMsg &msg, QByteArray &buffer)
{
    if (!readFrame(buffer))
        return false;
    msg.Clear();
    msg.ParseFromArray(buffer.constData(), buffer.size());
    return true;
}

bool CVivuRuza::exchange(calcMsg &msg, QByteArray &buffer)
{
    return send(msg, buffer) && receive(msg, buffer);
}

bool CVivuRuza::getDeviceInf()
{
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_DEVICE_INF);
    if (!exchange(msg, buffer))
        return false;
    if (msg.type() != calcMsg::SEND_DEVICE_INF || !msg.has_devinf())
        return false;
    const VivuRuza::deviceInf &inf = msg.devinf();
    HV = QString::fromStdString(inf.hv());
    FV = QString::fromStdString(inf.fv());
    PV = QString::fromStdString(inf.pv());
    Name = QString::fromStdString(inf.name());
    // A chunk size of 0 or less would make every read ask for nothing and
    // every download's frame count meaningless.
    chunkSize = inf.maxchunksize() > 0 ? inf.maxchunksize() : defaultChunkSize;
    return true;
}

int CVivuRuza::getFilesNum()
{
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_FILES_NUM);
    if (!exchange(msg, buffer) || msg.type() != calcMsg::SEND_FILES_NUM)
        return 0;
    return msg.numberoffiles();
}

QList<QPair<QString, int>> CVivuRuza::getFilesInf()
{
    QList<QPair<QString, int>> list;
    const int n = getFilesNum();
    if (n == 0)
        return list;
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::GET_FILES_INF);
    if (!send(msg, buffer) || n < 0)
        return list;
    calcMsg ack;
    ack.set_type(calcMsg::SUCCESS);
    for (int i = 0; i < n; ++i) {
        // A silent line stays silent: waiting for the remaining entries would
        // only cost another wait limit each.
        if (!receive(msg, buffer))
            break;
        if (msg.type() != calcMsg::SEND_FILE_INF)
            continue;
        list.append(qMakePair(QString::fromStdString(msg.finf().name()), int(msg.finf().size())));
        if (i != n - 1)
            send(ack, buffer);
    }
    return list;
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
    const qint64 size = file.size();
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
    if (!send(msg, buffer))
        return false;

    content.resize(int(size));
    const int count = int(std::ceil(double(size) / double(chunkSize)));
    QBitArray seen(count);
    calcMsg ack;
    ack.set_type(calcMsg::SUCCESS);
    qint64 done = 0;
    for (int i = 0; i < count; ++i) {
        if (!receive(msg, buffer))
            return false;
        if (msg.type() != calcMsg::FRAME) {
            reportRefusal(msg);
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
        if (frame.data_size() < 1 || frame.size() != expected
            || qint64(frame.data(0).size()) < expected) {
            reportCode(calcMsg::DATASIZE_INVALID);
            return false;
        }
        std::memcpy(content.data() + offset, frame.data(0).data(), size_t(expected));
        seen.setBit(k);
        done += expected;
        progress(done, size);
        if (i != count - 1)
            send(ack, buffer);
    }
    return true;
}

bool CVivuRuza::isSafeLocalName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

QList<QUrl> CVivuRuza::getFiles(const QList<QPair<QString, int>> &files, const QString &destFolder)
{
    QList<QUrl> written;
    QByteArray content;
    for (const auto &pair : files) {
        const QString &name = pair.first;
        if (!isSafeLocalName(name)) {
            errorCode = calcMsg::NONE_ERROR;
            onError(QStringLiteral("The calculator's file name \"%1\" is not a safe file name; "
                                   "the file was not copied.")
                        .arg(name));
            continue;
        }
        if (!fetchFile(fileInfOf(name, pair.second), content))
            continue;
        const QString path = destFolder + QLatin1Char('/') + name;
        // Written aside and renamed into place: a failed download never
        // replaces a file that was there.
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly)
            || (!content.isEmpty() && out.write(content) != content.size()) || !out.commit()) {
            errorCode = calcMsg::WRITE_ERROR;
            onError(QStringLiteral("File %1 can't be written to %2.")
                        .arg(name, QDir::toNativeSeparators(destFolder)));
            continue;
        }
        written.append(QUrl::fromLocalFile(path));
    }
    return written;
}

bool CVivuRuza::sendFile(const VivuRuza::fileInf &file, const QByteArray &content)
{
    calcMsg msg;
    QByteArray buffer;
    if (!accepted(calcMsg::SEND_FILE, file, msg, buffer, QStringLiteral("File can't be sent.")))
        return false;
    if (content.isEmpty())
        return true;

    const qint64 total = content.size();
    int k = 0;
    qint64 offset = 0;
    for (;;) {
        const int n = int(qMin<qint64>(total - offset, chunkSize));
        msg.Clear();
        msg.set_type(calcMsg::FRAME);
        VivuRuza::calcFrame *frame = msg.mutable_frame();
        frame->set_framenum(k);
        frame->set_size(n);
        frame->add_data(content.constData() + offset, size_t(n));
        ++k;
        offset += chunkSize;
        send(msg, buffer);
        if (!receive(msg, buffer))
            return false;
        if (msg.type() == calcMsg::FAILED) {
            reportRefusal(msg);
            return false;
        }
        progress(qMin(offset, total), total);
        if (offset > total)
            return true;
    }
}

void CVivuRuza::sendFiles(const QList<QPair<QString, QString>> &files)
{
    for (const auto &pair : files) {
        const QString calcName = toCalcFileName(pair.second);
        QFile local(QUrl::fromLocalFile(pair.first).toLocalFile());
        const QString shown = QDir::toNativeSeparators(pair.first);
        if (!local.open(QIODevice::ReadOnly)) {
            errorCode = calcMsg::NONE_ERROR;
            onError(QStringLiteral("File %1 can't be read.").arg(shown));
            continue;
        }
        // One byte past the limit tells a file that is too large from one
        // that fits exactly; a cut file must never pass for the whole.
        const QByteArray content = local.read(maxUploadSize + 1);
        local.close();
        if (content.size() > maxUploadSize) {
            errorCode = calcMsg::NONE_ERROR;
            onError(
                QStringLiteral("File %1 is larger than 1 MiB (1048576 bytes) and can't be sent.")
                    .arg(shown));
            continue;
        }
        if (sendFile(fileInfOf(calcName, content.size()), content))
            emit fileSend(qMakePair(calcName, int(content.size())));
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
    if (!exchange(msg, buffer))
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
    }
}

bool CVivuRuza::changeName(const QString &newName)
{
    calcMsg msg;
    QByteArray buffer;
    msg.set_type(calcMsg::CHANGE_NAME);
    msg.set_devname(newName.toStdString());
    if (!exchange(msg, buffer) || msg.type() != calcMsg::SUCCESS)
        return false;
    Name = newName;
    return true;
}
