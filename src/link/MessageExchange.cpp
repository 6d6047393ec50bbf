#include "MessageExchange.h"

#include "LinkLog.h"
#include "ReplyParser.h"
#include "serializeData.pb.h"

#include <limits>

using VivuRuza::calcMsg;

namespace {
// A late reply's frame comes in one go; this much silence after it means it
// is over.
constexpr int lateReplyQuietMs = 50;

QByteArray typeName(int type)
{
    return calcMsg::msgType_IsValid(type)
        ? QByteArray::fromStdString(calcMsg::msgType_Name(calcMsg::msgType(type)))
        : "type " + QByteArray::number(type);
}
} // namespace

MessageExchange::MessageExchange(const int &chunkSize, FrameCodec::ErrorPath errorPath)
    : m_chunkSize(chunkSize)
    , m_errorPath(std::move(errorPath))
{
}

void MessageExchange::setDevice(QIODevice *device, const QByteArray &label)
{
    m_codec.setDevice(device);
    m_label = label;
}

void MessageExchange::report(int errorType, const QString &text)
{
    if (m_errorPath)
        m_errorPath(errorType, text);
}

bool MessageExchange::request(
    calcMsg &msg, QByteArray &buffer, const QString &asked, qint64 expectedFrames)
{
    // A thread asked to stop starts no new exchange: the calculator would
    // still carry out the request (a deletion, say) that nobody waits for.
    if (FrameCodec::stopRequested()) {
        m_asked = asked;
        report(calcMsg::CONNECTION_ERROR, FrameCodec::stoppedText());
        return false;
    }
    begin(asked, expectedFrames);
    return send(msg, buffer) && receive(msg, buffer);
}

void MessageExchange::begin(const QString &asked, qint64 expectedFrames)
{
    m_asked = asked;
    if (m_replyOwed) {
        m_replyOwed = false;
        m_codec.drainLateReply(FrameCodec::firstWaitMs(), lateReplyQuietMs);
    }
    m_codec.discardInput();
    m_codec.startCommand(expectedFrames);
}

bool MessageExchange::send(const calcMsg &msg, QByteArray &buffer)
{
    const size_t size = msg.ByteSizeLong();
    if (size > size_t(FrameCodec::maxPayload))
        return false;
    buffer.resize(int(size));
    msg.SerializeToArray(buffer.data(), int(size));
    const bool written = m_codec.writeFrame(buffer);
    qCDebug(LinkLog, "%s: request %s, %d bytes%s", m_label.constData(),
        typeName(msg.type()).constData(), int(size), written ? "" : ", not written");
    return written;
}

bool MessageExchange::sendFollowUp(const calcMsg &msg, QByteArray &buffer)
{
    if (send(msg, buffer))
        return true;
    report(calcMsg::CONNECTION_ERROR,
        m_codec.timedOut() ? FrameCodec::timeoutText() : FrameCodec::closedText());
    return false;
}

bool MessageExchange::readFrame(QByteArray &buffer)
{
    // The device may announce any positive chunk size; twice that must not
    // overflow (the codec caps the quantum anyway).
    const qint64 quantum = 2 * qint64(m_chunkSize);
    return m_codec.readFrame(buffer, int(qMin<qint64>(quantum, std::numeric_limits<int>::max())));
}

// The type and size only: a frame's content is the user's file.
MessageExchange::Reply MessageExchange::read(calcMsg &msg, QByteArray &buffer)
{
    if (!readFrame(buffer))
        return Reply::Lost;
    const bool whole = ReplyParser::parse(buffer, msg);
    qCDebug(LinkLog, "%s: reply %s, %d bytes", m_label.constData(),
        whole ? typeName(msg.type()).constData() : "malformed", int(buffer.size()));
    return whole ? Reply::Whole : Reply::Malformed;
}

bool MessageExchange::receive(calcMsg &msg, QByteArray &buffer)
{
    switch (read(msg, buffer)) {
    case Reply::Whole:
        return true;
    case Reply::Malformed:
        report(calcMsg::UNSPECIFITED_ERROR, malformedText());
        return false;
    case Reply::Lost:
        break;
    }
    return false;
}

QString MessageExchange::malformedText() const
{
    //: %1 is what was asked, such as "file list".
    return tr("The calculator sent a malformed reply (%1).").arg(m_asked);
}
