// Arbitrary byte streams through the frame reader, cut into arbitrary reads;
// every payload it returns goes through the message parser.
//
// Input: byte 0 picks the read sizes (0: the whole stream in one read,
// otherwise pseudo-random reads of 1 to byte-0 bytes), byte 1 the read
// quantum, and the rest is what the line delivers.

#include "FrameCodec.h"
#include "FuzzSupport.h"
#include "ScriptedDevice.h"
#include "serializeData.pb.h"

#include <QString>

#include <cstdint>
#include <string>

using VivuRuza::calcMsg;

namespace {

volatile size_t g_sink;

// What the link reads from a reply, read the way the link reads it.
void touch(const calcMsg &msg)
{
    size_t h = size_t(msg.type()) + size_t(msg.error()) + size_t(msg.errornum())
        + size_t(msg.numberoffiles());
    h += size_t(QString::fromStdString(msg.errorstr()).size());
    h += size_t(QString::fromStdString(msg.devname()).size());
    if (msg.has_frame()) {
        const VivuRuza::calcFrame &f = msg.frame();
        h += size_t(f.size()) + size_t(f.framenum()) + size_t(f.data_size());
        if (f.data_size() > 0)
            h += f.data(0).size();
    }
    if (msg.has_finf())
        h += size_t(QString::fromStdString(msg.finf().name()).size()) + size_t(msg.finf().size());
    if (msg.has_devinf()) {
        const VivuRuza::deviceInf &d = msg.devinf();
        h += size_t(QString::fromStdString(d.hv()).size() + QString::fromStdString(d.fv()).size()
            + QString::fromStdString(d.pv()).size() + QString::fromStdString(d.name()).size());
        h += size_t(d.maxchunksize());
    }
    g_sink = g_sink + h;
}

// Whatever the reader returned must survive being framed and read back whole.
void checkFramedAgain(const QByteArray &payload)
{
    ScriptedDevice out;
    FrameCodec writer(&out);
    QByteArray frame = payload;
    FUZZ_CHECK(writer.writeFrame(frame));
    FUZZ_CHECK(frame.size() == payload.size() + 6);
    FUZZ_CHECK(out.written() == frame);

    ScriptedDevice in({ frame });
    int reports = 0;
    FrameCodec reader(&in, [&](int, const QString &) { ++reports; });
    QByteArray back;
    FUZZ_CHECK(reader.readFrame(back, 1024));
    FUZZ_CHECK(back == payload);
    FUZZ_CHECK(reports == 0);
}

// A parsed message encodes to bytes that parse to the same message.
void checkReencoded(const calcMsg &msg)
{
    std::string once;
    FUZZ_CHECK(msg.SerializeToString(&once));
    calcMsg again;
    FUZZ_CHECK(again.ParseFromString(once));
    std::string twice;
    FUZZ_CHECK(again.SerializeToString(&twice));
    FUZZ_CHECK(once == twice);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    prepareFuzzRun();
    if (size < 2)
        return 0;

    const unsigned maxRead = data[0];
    const int quantum = 16 * (int(data[1]) + 1);
    QList<QByteArray> chunks;
    quint32 seed = 0x9E3779B9u ^ (quint32(data[0]) << 8 | data[1]);
    for (size_t pos = 2; pos < size;) {
        size_t n = size - pos;
        if (maxRead != 0) {
            seed = seed * 1103515245u + 12345u;
            n = qMin<size_t>(n, 1 + (seed >> 16) % maxRead);
        }
        chunks.append(QByteArray(reinterpret_cast<const char *>(data + pos), int(n)));
        pos += n;
    }
    const size_t streamSize = size - 2;

    ScriptedDevice line(chunks);
    int reports = 0;
    FrameCodec codec(&line, [&](int code, const QString &text) {
        FUZZ_CHECK(code == calcMsg::CONNECTION_ERROR);
        FUZZ_CHECK(text == QLatin1String("Connection error (error code: 421).")
            || text == QLatin1String("Connection error (error code: 422)."));
        ++reports;
    });

    QByteArray buffer;
    calcMsg msg;
    size_t frames = 0;
    while (codec.readFrame(buffer, quantum)) {
        FUZZ_CHECK(buffer.size() <= FrameCodec::maxPayload);
        FUZZ_CHECK(size_t(buffer.size()) <= streamSize);
        // A frame takes at least a marker's last three bytes (the window keeps
        // the one before) and two length bytes from the line.
        ++frames;
        FUZZ_CHECK(frames * 5 <= streamSize + 1);
        msg.Clear();
        const bool parsed = msg.ParseFromArray(buffer.constData(), buffer.size());
        touch(msg);
        if (parsed)
            checkReencoded(msg);
        checkFramedAgain(buffer);
    }
    FUZZ_CHECK(reports == 1);
    return 0;
}
