#ifndef MESSAGEEXCHANGE_H
#define MESSAGEEXCHANGE_H

#include "FrameCodec.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QIODevice;

namespace VivuRuza {
class calcMsg;
} // namespace VivuRuza

// The stop-and-wait pattern every command of the link follows over one
// device: each request starts clean, goes out whole, and has its reply read
// and parsed whole. What to ask and what a reply means is the link's; every
// failure met here goes to the error path with its errType and sentence.
class MessageExchange
{
    Q_DECLARE_TR_FUNCTIONS(MessageExchange)

public:
    enum class Reply { Whole, Malformed, Lost };

    // chunkSize is read at every read: twice it is what one read may take.
    MessageExchange(const int &chunkSize, FrameCodec::ErrorPath errorPath);

    // label names the device in trace lines.
    void setDevice(QIODevice *device, const QByteArray &label);
    QByteArray label() const { return m_label; }
    FrameCodec &codec() { return m_codec; }

    // A request and its reply, read whole; a thread asked to stop starts none.
    bool request(
        VivuRuza::calcMsg &msg, QByteArray &buffer, const QString &asked, qint64 expectedFrames);
    // What any new request does first: a reply still owed is waited out and
    // stale input dropped, so neither can pass for this request's reply; then
    // the command's time starts.
    void begin(const QString &asked, qint64 expectedFrames);
    // What the request in progress asks for, to name it when its reply is bad.
    QString asked() const { return m_asked; }
    // Only a message too large for a frame or a port that takes nothing fails,
    // and neither is reported.
    bool send(const VivuRuza::calcMsg &msg, QByteArray &buffer);
    // A message within a command whose first request went out: a port that
    // refuses it now has gone away, which is reported.
    bool sendFollowUp(const VivuRuza::calcMsg &msg, QByteArray &buffer);
    // The next reply; one that does not parse whole is reported as malformed.
    bool receive(VivuRuza::calcMsg &msg, QByteArray &buffer);
    // The next reply, whole or malformed, for a caller that tells of a
    // malformed one itself; Lost once the codec has reported.
    Reply read(VivuRuza::calcMsg &msg, QByteArray &buffer);
    bool readFrame(QByteArray &buffer);
    // A reply did not come in time (it may still come) or the port closed.
    bool lineLost() const { return m_replyOwed; }
    QString malformedText() const;

private:
    void report(int errorType, const QString &text);

    const int &m_chunkSize;
    FrameCodec::ErrorPath m_errorPath;
    FrameCodec m_codec { nullptr, [this](int code, const QString &text) {
                            m_replyOwed = true;
                            report(code, text);
                        } };
    QByteArray m_label = "device";
    QString m_asked;
    // A reply did not come in time and may still be on its way.
    bool m_replyOwed = false;
};

#endif // MESSAGEEXCHANGE_H
