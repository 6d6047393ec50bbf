#ifndef HANDMADEPROTOBUF_H
#define HANDMADEPROTOBUF_H

#include <QByteArray>

// Hand-made protobuf, so that payloads can carry what the generated code
// would never write: broken strings, numbers too large for their field,
// fields in the wrong wire type.
namespace HandMadeProtobuf {

inline QByteArray varint(quint64 v)
{
    QByteArray out;
    do {
        uchar b = v & 0x7F;
        v >>= 7;
        if (v)
            b |= 0x80;
        out.append(char(b));
    } while (v);
    return out;
}

inline QByteArray tag(int number, int wireType)
{
    return varint((quint64(number) << 3) | quint64(wireType));
}

inline QByteArray field(int number, quint64 value)
{
    return tag(number, 0) + varint(value);
}

inline QByteArray field(int number, const QByteArray &bytes)
{
    return tag(number, 2) + varint(quint64(bytes.size())) + bytes;
}

} // namespace HandMadeProtobuf

#endif // HANDMADEPROTOBUF_H
