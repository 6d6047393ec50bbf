#include "ReplyParser.h"

#include "serializeData.pb.h"

#include <google/protobuf/descriptor.h>
#include <google/protobuf/stubs/logging.h>

#include <limits>

using VivuRuza::calcMsg;

namespace {
// Once per process; cheap to call again.
void quietRuntime()
{
    static const bool done = [] {
        // A reply with a broken string is reported to the user as malformed;
        // the runtime's own complaint on stderr would only repeat it.
        google::protobuf::SetLogHandler(nullptr);
        return true;
    }();
    Q_UNUSED(done);
}

// Every number must fit the field it is read into: protobuf cuts a varint too
// large for an int32 field to its low bits without a word, which would turn
// a file of 4 GiB and 3 bytes into one of 3 bytes. Known fields must also
// come in their own wire type; the parser would set those aside silently.
// Walks the wire bytes in place: it runs for every frame of a transfer.
bool readVarint(const uchar *&p, const uchar *end, quint64 &value)
{
    value = 0;
    for (int shift = 0; shift < 64 && p < end; shift += 7) {
        const uchar b = *p++;
        value |= quint64(b & 0x7F) << shift;
        if (!(b & 0x80))
            return true;
    }
    return false;
}

bool numbersFit(
    const google::protobuf::Descriptor *type, const uchar *p, const uchar *end, int depth = 0)
{
    using Field = google::protobuf::FieldDescriptor;
    if (depth > 4)
        return false;
    while (p < end) {
        quint64 tag = 0;
        if (!readVarint(p, end, tag))
            return false;
        const int wireType = int(tag & 7);
        const Field *known = tag >> 3 <= quint64(std::numeric_limits<int>::max())
            ? type->FindFieldByNumber(int(tag >> 3))
            : nullptr;
        const Field::Type fieldType = known ? known->type() : Field::Type(0);
        const bool number
            = known && (fieldType == Field::TYPE_INT32 || fieldType == Field::TYPE_ENUM);
        switch (wireType) {
        case 0: {
            quint64 value = 0;
            if (!readVarint(p, end, value))
                return false;
            if (known && !number)
                return false;
            if (number
                && (qint64(value) < std::numeric_limits<qint32>::min()
                    || qint64(value) > std::numeric_limits<qint32>::max()))
                return false;
            break;
        }
        case 2: {
            quint64 length = 0;
            if (!readVarint(p, end, length) || length > quint64(end - p) || number)
                return false;
            if (known && fieldType == Field::TYPE_MESSAGE
                && !numbersFit(known->message_type(), p, p + length, depth + 1))
                return false;
            p += length;
            break;
        }
        case 1:
        case 5: {
            const int width = wireType == 1 ? 8 : 4;
            if (known || end - p < width)
                return false;
            p += width;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}
} // namespace

bool ReplyParser::parse(const QByteArray &payload, calcMsg &msg)
{
    quietRuntime();
    msg.Clear();
    const auto *begin = reinterpret_cast<const uchar *>(payload.constData());
    if (msg.ParseFromArray(payload.constData(), payload.size())
        && numbersFit(calcMsg::descriptor(), begin, begin + payload.size()))
        return true;
    msg.Clear();
    return false;
}

bool ReplyParser::isRefusal(const calcMsg &reply)
{
    return (reply.type() != calcMsg::NONE && calcMsg::msgType_IsValid(reply.type()))
        || !reply.errorstr().empty() || reply.errornum() != 0;
}

bool ReplyParser::answersAnotherRequest(int type)
{
    return type == calcMsg::SEND_FILES_NUM || type == calcMsg::SEND_FILE_INF
        || type == calcMsg::SUCCESS || type == calcMsg::FRAME;
}

// A short entry is told before a second one: the bytes announced never came,
// whatever else did.
ReplyParser::FrameFill ReplyParser::frameFill(const VivuRuza::calcFrame &frame)
{
    if (frame.data_size() < 1)
        return FrameFill::Missing;
    const qint64 announced = frame.size();
    const qint64 carried = qint64(frame.data(0).size());
    if (carried < announced)
        return FrameFill::Short;
    if (frame.data_size() > 1 || carried > announced)
        return FrameFill::Extra;
    return FrameFill::Exact;
}
