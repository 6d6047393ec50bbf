#include "FaultInjector.h"

#include <limits>

using VivuRuza::calcMsg;

namespace {

constexpr int splitPauseMs = 2;
// Added to a value so that its varint no longer fits the 32-bit field, while
// a parser that silently truncates still reads the value itself.
constexpr qint64 beyondInt32 = qint64(1) << 32;
constexpr int lengthDelimited = 2;

// Faulty replies are put together by hand where protobuf's own serialiser
// would either refuse the bytes or complain about them on stderr.
void appendVarint(QByteArray &out, quint64 value)
{
    while (value >= 0x80) {
        out.append(char((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.append(char(value));
}

void appendVarintField(QByteArray &out, int field, qint64 value)
{
    appendVarint(out, quint64(field) << 3);
    // Negative values go out sign-extended to ten bytes, as protobuf writes
    // an int32.
    appendVarint(out, quint64(value));
}

void appendBytesField(QByteArray &out, int field, const QByteArray &bytes)
{
    appendVarint(out, (quint64(field) << 3) | lengthDelimited);
    appendVarint(out, quint64(bytes.size()));
    out.append(bytes);
}

QByteArray encoded(const google::protobuf::MessageLite &msg)
{
    QByteArray bytes(int(msg.ByteSizeLong()), Qt::Uninitialized);
    msg.SerializeToArray(bytes.data(), bytes.size());
    return bytes;
}

QByteArray invalidUtf8(const std::string &text)
{
    return QByteArray::fromStdString(text) + QByteArray("\xFF\xFE", 2);
}

QByteArray frameOf(const QByteArray &payload)
{
    const int size = payload.size();
    QByteArray frame(6, Qt::Uninitialized);
    frame[0] = 'C';
    frame[1] = 'A';
    frame[2] = 'L';
    frame[3] = 'C';
    frame[4] = char(size & 0xFF);
    frame[5] = char((size >> 8) & 0xFF);
    return frame + payload;
}

} // namespace

void FaultInjector::setRefusal(int requestType, const Refusal &refusal)
{
    m_refusals.insert(requestType, refusal);
}

void FaultInjector::setUnplugDuring(int requestType, int replyIndex)
{
    m_unplugType = requestType;
    m_unplugIndex = replyIndex;
}

void FaultInjector::setUnplugged(bool unplugged)
{
    m_unplugged = unplugged;
    m_unpluggedAt = std::chrono::steady_clock::now();
}

void FaultInjector::setLateReply(int requestType, int delayMs)
{
    if (delayMs <= 0) {
        m_lateType = -1;
        return;
    }
    m_lateType = requestType;
    m_lateMs = delayMs;
    // The late bytes are the point: the computer must find them in front of
    // its next reply, so nothing unread is dropped from now on.
    m_keepStale = true;
}

void FaultInjector::setHeldReply(int requestType)
{
    m_heldType = requestType;
    m_keepStale = true;
}

void FaultInjector::setAnnouncedFileCount(qint64 count)
{
    m_announce = count != std::numeric_limits<qint64>::min();
    m_announcedCount = int(
        qBound<qint64>(std::numeric_limits<int>::min(), count, std::numeric_limits<int>::max()));
}

void FaultInjector::setFileFault(const QString &name, CalcSimulator::FileFault fault)
{
    if (fault == CalcSimulator::FileFault::None)
        m_fileFaults.remove(name);
    else
        m_fileFaults.insert(name, fault);
}

QByteArray FaultInjector::unstableReading(const QByteArray &content)
{
    QByteArray bytes = content;
    if (!bytes.isEmpty())
        bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ (1 + (m_readings++ % 255)));
    return bytes;
}

void FaultInjector::clear()
{
    m_silent = false;
    m_fileFaults.clear();
    m_refusals.clear();
    m_unplugType = -1;
    m_unplugIndex = 0;
    m_unplugged = false;
    m_junk.clear();
    m_splitPieces = 1;
    m_outOfOrder = false;
    m_frameFault = CalcSimulator::FrameFault::None;
    m_lateType = -1;
    m_lateMs = 0;
    m_heldType = -1;
    m_keepStale = false;
    m_replyDelayMs = 0;
    m_trickleMs = 0;
    m_brokenDeviceName = false;
    m_brokenFileName.clear();
    m_oversize = CalcSimulator::Oversize::None;
    m_announce = false;
    m_announcedCount = 0;
    m_endless = false;
    m_listingType = calcMsg::SEND_FILE_INF;
    m_frameReply = calcMsg::SUCCESS;
    m_corruptStore = false;
    m_storeWhileReceiving = false;
}

void FaultInjector::checkReplug()
{
    if (m_unplugged && m_replugAfterMs > 0
        && std::chrono::steady_clock::now() - m_unpluggedAt
            >= std::chrono::milliseconds(m_replugAfterMs))
        m_unplugged = false;
}

bool FaultInjector::admits()
{
    checkReplug();
    return !m_silent && !m_unplugged;
}

int FaultInjector::idleTimeoutMs()
{
    checkReplug();
    return m_unplugged && m_replugAfterMs > 0 ? 50 : -1;
}

void FaultInjector::beginMessage(int type, bool isRequest, WritePlan &out)
{
    m_messageType = type;
    if (!isRequest)
        return;
    m_requestType = type;
    m_replyCount = 0;
    m_frameReplyCount = 0;
    out.flushStale = !m_keepStale;
}

const FaultInjector::Refusal *FaultInjector::refusalFor(int type) const
{
    const auto it = m_refusals.constFind(type);
    return it != m_refusals.cend() ? &*it : nullptr;
}

QList<int> FaultInjector::downloadOrder(int frameCount) const
{
    QList<int> order;
    order.reserve(frameCount);
    for (int k = 0; k < frameCount; ++k)
        order.append(m_outOfOrder ? frameCount - 1 - k : k);
    if (m_frameFault == CalcSimulator::FrameFault::Repeated && frameCount > 1)
        order[1] = order[0];
    return order;
}

void FaultInjector::spoilFirstDownloadFrame(VivuRuza::calcFrame &frame, int frameCount) const
{
    switch (m_frameFault) {
    case CalcSimulator::FrameFault::None:
    case CalcSimulator::FrameFault::Repeated:
        break;
    case CalcSimulator::FrameFault::BadFrameNum:
        frame.set_framenum(frameCount);
        break;
    case CalcSimulator::FrameFault::BadSize:
        frame.set_size(frame.size() + 1);
        break;
    case CalcSimulator::FrameFault::NoData:
        frame.clear_data();
        break;
    case CalcSimulator::FrameFault::LongData:
        if (frame.data_size() > 0)
            frame.mutable_data(0)->append("xyz");
        break;
    case CalcSimulator::FrameFault::TwoBlocks:
        frame.add_data("xyz");
        break;
    }
}

void FaultInjector::spoilStoredFile(QByteArray &content) const
{
    // One flipped bit keeps the size, so only a comparison of the contents
    // can tell.
    if (m_corruptStore && !content.isEmpty())
        content[content.size() / 2] = char(content.at(content.size() / 2) ^ 0x01);
}

QPair<QString, int> FaultInjector::endlessEntry(
    const QList<QPair<QString, int>> &listing, int index)
{
    if (!listing.isEmpty())
        return listing.at(index % listing.size());
    return qMakePair(QStringLiteral("F%1.TXT").arg(index + 1, 5, 10, QLatin1Char('0')), 0);
}

bool FaultInjector::emitReply(const calcMsg &reply, Role role, WritePlan &out)
{
    const bool isFrameReply = role == Role::FrameAnswer;
    const int index = m_replyCount++;
    const int frameIndex = isFrameReply ? m_frameReplyCount++ : -1;
    QByteArray bytes = m_junk + frameOf(payloadOf(reply, role));
    const bool pullPlug = m_unplugType >= 0
        && ((isFrameReply && m_unplugType == calcMsg::FRAME && frameIndex == m_unplugIndex)
            || (m_unplugType == m_requestType && m_unplugType != calcMsg::FRAME
                && index == m_unplugIndex));
    if (pullPlug) {
        const int frameSize = bytes.size() - m_junk.size();
        bytes.truncate(m_junk.size() + frameSize / 2);
        m_unplugged = true;
        m_unpluggedAt = std::chrono::steady_clock::now();
        m_unplugType = -1;
    }

    int pauseMs = m_replyDelayMs;
    if (m_lateType >= 0 && m_messageType == m_lateType) {
        pauseMs += m_lateMs;
        m_lateType = -1;
    }
    const bool held = m_heldType >= 0 && m_messageType == m_heldType;
    if (held)
        m_heldType = -1;
    if (m_trickleMs > 0) {
        for (int i = 0; i < bytes.size(); ++i)
            out.add(bytes.mid(i, 1), i == 0 ? pauseMs : m_trickleMs, held && i == 0);
        return pullPlug;
    }
    const int pieces = qBound(1, m_splitPieces, qMax(1, bytes.size()));
    int from = 0;
    for (int i = 0; i < pieces; ++i) {
        const int to = int(qint64(bytes.size()) * (i + 1) / pieces);
        out.add(bytes.mid(from, to - from), i == 0 ? pauseMs : splitPauseMs, held && i == 0);
        from = to;
    }
    return pullPlug;
}

QByteArray FaultInjector::payloadOf(const calcMsg &reply, Role role) const
{
    if (role == Role::FrameAnswer && reply.type() == calcMsg::SUCCESS
        && m_frameReply != calcMsg::SUCCESS) {
        QByteArray payload;
        // The type goes out even when it is NONE, which protobuf would leave
        // out: only the empty frame is meant to be empty.
        if (m_frameReply >= 0)
            appendVarintField(payload, calcMsg::kTypeFieldNumber, m_frameReply);
        return payload;
    }
    if (role == Role::ListEntry)
        return listEntryPayload(reply);
    if (reply.type() == calcMsg::SEND_DEVICE_INF && m_brokenDeviceName)
        return deviceInfPayload(reply);
    if (reply.type() == calcMsg::SEND_FILES_NUM)
        return filesNumPayload(reply);
    return encoded(reply);
}

QByteArray FaultInjector::listEntryPayload(const calcMsg &reply) const
{
    const VivuRuza::fileInf &inf = reply.finf();
    const bool brokenName
        = !m_brokenFileName.isEmpty() && QString::fromStdString(inf.name()) == m_brokenFileName;
    const bool oversize = m_oversize == CalcSimulator::Oversize::FileSize;
    if (m_listingType == calcMsg::SEND_FILE_INF && !brokenName && !oversize)
        return encoded(reply);

    QByteArray infBytes;
    if (brokenName || oversize) {
        const QByteArray name
            = brokenName ? invalidUtf8(inf.name()) : QByteArray::fromStdString(inf.name());
        if (!name.isEmpty())
            appendBytesField(infBytes, VivuRuza::fileInf::kNameFieldNumber, name);
        // Written even when 0, so that a strict parser meets it after the name.
        appendVarintField(infBytes, VivuRuza::fileInf::kSizeFieldNumber,
            qint64(inf.size()) + (oversize ? beyondInt32 : 0));
    } else {
        infBytes = encoded(inf);
    }
    QByteArray payload;
    appendVarintField(payload, calcMsg::kTypeFieldNumber, m_listingType);
    appendBytesField(payload, calcMsg::kFInfFieldNumber, infBytes);
    return payload;
}

QByteArray FaultInjector::deviceInfPayload(const calcMsg &reply) const
{
    const VivuRuza::deviceInf &inf = reply.devinf();
    // The versions come first, as protobuf writes fields in number order.
    VivuRuza::deviceInf versions = inf;
    versions.clear_name();
    versions.clear_maxchunksize();
    QByteArray infBytes = encoded(versions);
    appendBytesField(infBytes, VivuRuza::deviceInf::kNameFieldNumber, invalidUtf8(inf.name()));
    appendVarintField(infBytes, VivuRuza::deviceInf::kMaxChunkSizeFieldNumber, inf.maxchunksize());

    calcMsg head = reply;
    head.clear_devinf();
    QByteArray payload = encoded(head);
    appendBytesField(payload, calcMsg::kDevInfFieldNumber, infBytes);
    return payload;
}

QByteArray FaultInjector::filesNumPayload(const calcMsg &reply) const
{
    const qint64 count = m_announce ? m_announcedCount : reply.numberoffiles();
    calcMsg head = reply;
    if (m_oversize != CalcSimulator::Oversize::FilesNum) {
        head.set_numberoffiles(int(count));
        return encoded(head);
    }
    head.clear_numberoffiles();
    QByteArray payload = encoded(head);
    appendVarintField(payload, calcMsg::kNumberOfFilesFieldNumber, count + beyondInt32);
    return payload;
}
