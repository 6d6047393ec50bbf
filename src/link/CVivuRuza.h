#ifndef CVIVURUZA_H
#define CVIVURUZA_H

#include "DownloadFile.h"
#include "ErrorMeaning.h"
#include "FailureReport.h"
#include "FrameCodec.h"
#include "MessageExchange.h"
#include "PortListing.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QSerialPort;
class FolderHandle;
class QIODevice;
class QSerialPortInfo;

namespace VivuRuza {
class calcMsg;
class fileInf;
} // namespace VivuRuza

// One open connection to one calculator. Every command is a blocking
// stop-and-wait exchange in the thread that created the link; failures come
// back as results and, where the user should learn of them, as errorNotify.
class CVivuRuza : public QObject
{
    Q_OBJECT
public:
    using PortRecord = PortListing::PortRecord;

    static constexpr quint16 calcVendorId = PortListing::calcVendorId;
    static constexpr quint16 calcProductId = PortListing::calcProductId;
    static constexpr int maxUploadSize = 1048576;
    static constexpr int maxDownloadSize = 64 * 1048576;
    static constexpr int defaultChunkSize = 512;
    // More files than any calculator holds; a larger count is a lie that
    // would only keep the listing (and its memory) growing.
    static constexpr int maxListedFiles = 10000;
    // The most file bytes one FRAME message can carry and still fit a frame
    // (the message's own fields take the rest of the 65535 bytes).
    static constexpr int maxFrameContent = FrameCodec::maxPayload - 32;

    CVivuRuza(const QSerialPortInfo &portInfo, QObject *parent = nullptr);
    // Opens a port by its system location (a serial device or a pseudo-terminal path).
    CVivuRuza(const QString &systemLocation, QObject *parent = nullptr);
    // Talks over an already open device that stands in for the serial port
    // (scripted replies in tests and fuzzing); the device is not owned.
    CVivuRuza(QIODevice *device, QObject *parent = nullptr);
    ~CVivuRuza() override;

    // Recognising calculators among the serial ports is PortListing's.
    static QList<QSerialPortInfo> calcPorts();
    static bool isCalcPort(const PortRecord &port, bool dropTtyPrefix)
    {
        return PortListing::isCalcPort(port, dropTtyPrefix);
    }
    static PortRecord portRecord(const QSerialPortInfo &info)
    {
        return PortListing::portRecord(info);
    }
    static bool usbDevicePresent(const QString &usbDevicesFolder)
    {
        return PortListing::usbDevicePresent(usbDevicesFolder);
    }

    bool openPort(const QSerialPortInfo &portInfo);
    bool openPort(const QString &systemLocation);
    QString devName() const { return Name; }

    bool writeFrame(QByteArray &payload);
    bool readFrame(QByteArray &buffer);
    bool matchMarker(char byte);

    bool getDeviceInf();
    int getFilesNum();
    QList<QPair<QString, int>> getFilesInf();
    QByteArray getFile(const VivuRuza::fileInf &file);
    QList<QUrl> getFiles(const QList<QPair<QString, int>> &files, const QString &destFolder);
    bool sendFile(const VivuRuza::fileInf &file, const QByteArray &content);
    void sendFiles(const QList<QPair<QString, QString>> &files);
    bool deleteFile(const VivuRuza::fileInf &file);
    void deleteFiles(const QList<QPair<QString, int>> &files);
    bool changeName(const QString &newName);
    // One local file to the calculator under calcName, as it stands (the
    // name rule is the caller's); a file that cannot go is reported. The
    // bytes sent, for a caller that checks what arrived, go to sentContent.
    bool uploadFile(const QString &localPath, const QString &calcName, int *sentSize = nullptr,
        QByteArray *sentContent = nullptr);
    // One calculator file into destFolder under its own name, replacing a
    // file there only once the whole file has arrived.
    bool downloadFile(const QString &name, int size, const QString &destFolder);

    // Bytes done and total of the file in transfer, after every frame. A plain
    // callback, so the meta-object stays as callers know it.
    void setProgressHandler(std::function<void(qint64 done, qint64 total)> handler)
    {
        m_progress = std::move(handler);
    }

    // Asked between the frames of a file in transfer, from the link's thread;
    // true stops the transfer there without a report, and cancelled() tells.
    // An empty function: never stop.
    void setCancelCheck(std::function<bool()> check) { m_cancelCheck = std::move(check); }
    bool cancelAsked() const { return m_cancelCheck && m_cancelCheck(); }
    // The last file transfer stopped because cancelAsked() said so.
    bool cancelled() const { return m_cancelled; }

    // A name from the calculator that stays inside the destination folder.
    static bool isSafeLocalName(const QString &name) { return DownloadFile::isSafeName(name); }

    // Like getFilesInf, but tells a failed listing (false, reported through
    // onError) from an empty calculator (true, empty list).
    bool listFiles(QList<QPair<QString, int>> &files);
    // Like getFile, but tells a failed download (false, reported through
    // onError; content is not to be used) from an empty file (true).
    bool fetchFile(const VivuRuza::fileInf &file, QByteArray &content);
    // The entries the last listing left out because they did not parse, one
    // sentence each; not reported through onError, since how to tell of an
    // incomplete list is the caller's to decide.
    QStringList skippedEntries() const { return m_skipped; }
    // Why the last openPort gave no calculator: the port did not open, or the
    // device on it did not answer as a calculator. Empty after a good opening.
    QString portErrorText() const { return m_portError; }
    // The last command lost the line: a reply did not come in time (it may
    // still come; the next request waits for it first) or the port closed.
    // Asking again for the next file of a batch would only wait again.
    bool lineLost() const { return m_exchange.lineLost(); }
    // The bytes of file content one upload frame carries with this calculator.
    int uploadChunk() const { return qMin(chunkSize, maxFrameContent); }
    // Of the last errorNotify: which file and calculator, what the failure
    // means and what to do; empty where the text says all. Set before the
    // signal goes out, so its receivers in this thread can read it.
    QString errorDetail() const { return m_failure.detail(); }
    // Why the last command failed, as its errorNotify told; empty after a
    // command that succeeded or failed without a word (a port never opened).
    QString errorString() const { return m_failure.text(); }

    QSharedPointer<QSerialPort> port;
    QString HV;
    QString FV;
    QString PV;
    QString Name;
    int chunkSize = defaultChunkSize;
    int errorCode = 0;

signals:
    void errorNotify(QString errorText);
    void fileDeleted(QString fName);
    void fileSend(QPair<QString, int> fInf);

public slots:
    void onError(QString errorText = QString());

public:
    // How the trace names this link's port.
    QByteArray traceLabel() const { return m_exchange.label(); }
    // One calculator file into a folder held open, which another user may
    // have renamed since it was made: the file lands in that folder only.
    bool downloadFile(const QString &name, int size, const FolderHandle &dest);
    // A file's name and size as requests carry them; the one place they are
    // built, for the link and for whoever asks it about one file.
    static VivuRuza::fileInf fileInfOf(const QString &name, qint64 size);
    // The last sendFile asked the calculator to take its file: from then
    // on, until the file is whole, the calculator may hold any part of it
    // under its name. False when a Cancel came first.
    bool uploadRequested() const { return m_uploadRequested; }

private:
    bool downloadInto(
        const QString &name, int size, const FolderHandle &dest, const QString &shownFolder);
    void reportWrongReply(const VivuRuza::calcMsg &reply, const QString &fallback = QString());
    void reportText(int code, const QString &text);
    void reportMalformed(int code);
    bool filesNum(qint64 &count);
    bool accepted(int type, const VivuRuza::fileInf &file, VivuRuza::calcMsg &msg,
        QByteArray &buffer, const QString &fallback = QString());
    void reportRefusal(const VivuRuza::calcMsg &reply, const QString &fallback = QString());
    void reportCode(int code);
    void progress(qint64 done, qint64 total)
    {
        if (m_progress)
            m_progress(done, total);
    }

    // Every failure on the line: the codec's, a reply that does not parse, a
    // port that went away within a command.
    MessageExchange m_exchange { chunkSize, [this](int code, const QString &text) {
                                    errorCode = code;
                                    m_failure.explainLostLine(text, Name);
                                    onError(text);
                                } };
    std::function<void(qint64, qint64)> m_progress;
    std::function<bool()> m_cancelCheck;
    bool m_cancelled = false;
    bool m_uploadRequested = false;
    QString m_portError;
    QStringList m_skipped;
    // The device information was answered with another request's reply.
    bool m_answeredLate = false;
    // What the command in progress is about, and what its failures told.
    FailureReport m_failure;
};

#endif // CVIVURUZA_H
