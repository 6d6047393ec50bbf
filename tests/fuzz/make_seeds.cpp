// Writes the seed corpora of the fuzz targets from real encoded messages.
// Usage: fuzz_make_seeds CORPUS-FOLDER (the folder holding frames/, replies/
// and names/). Seeds are named seed-*; other files there are left alone.

#include "serializeData.pb.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdio>

using VivuRuza::calcMsg;

namespace {

QString g_root;
int g_failures = 0;

QByteArray encode(const calcMsg &msg)
{
    QByteArray bytes(int(msg.ByteSizeLong()), Qt::Uninitialized);
    msg.SerializeToArray(bytes.data(), bytes.size());
    return bytes;
}

QByteArray frame(const QByteArray &payload)
{
    QByteArray f("CALC");
    f.append(char(payload.size() & 0xFF));
    f.append(char((payload.size() >> 8) & 0xFF));
    return f + payload;
}

void save(const char *target, const char *name, const QByteArray &bytes)
{
    const QString dir = g_root + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(dir);
    QFile f(dir + QLatin1String("/seed-") + QLatin1String(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        ++g_failures;
    }
}

calcMsg typed(calcMsg::msgType type)
{
    calcMsg m;
    m.set_type(type);
    return m;
}

calcMsg deviceInf(int chunk)
{
    calcMsg m = typed(calcMsg::SEND_DEVICE_INF);
    VivuRuza::deviceInf *d = m.mutable_devinf();
    d->set_hv("HW 1.0");
    d->set_fv("FW 2.3");
    d->set_pv("PV 7");
    d->set_name("Calc");
    d->set_maxchunksize(chunk);
    return m;
}

calcMsg filesNum(int n)
{
    calcMsg m = typed(calcMsg::SEND_FILES_NUM);
    m.set_numberoffiles(n);
    return m;
}

calcMsg fileEntry(const char *name, int size)
{
    calcMsg m = typed(calcMsg::SEND_FILE_INF);
    m.mutable_finf()->set_name(name);
    m.mutable_finf()->set_size(size);
    return m;
}

calcMsg frameMsg(int num, const QByteArray &data)
{
    calcMsg m = typed(calcMsg::FRAME);
    m.mutable_frame()->set_framenum(num);
    m.mutable_frame()->set_size(data.size());
    m.mutable_frame()->add_data(data.constData(), size_t(data.size()));
    return m;
}

calcMsg refusal(calcMsg::errType error, const char *text, int number)
{
    calcMsg m = typed(calcMsg::FAILED);
    m.set_error(error);
    m.set_errorstr(text);
    m.set_errornum(number);
    return m;
}

// frames: two bytes that pick the read sizes and the quantum, then the line.
QByteArray line(quint8 maxRead, quint8 quantum, const QList<QByteArray> &parts)
{
    QByteArray b;
    b.append(char(maxRead));
    b.append(char(quantum));
    for (const QByteArray &p : parts)
        b += p;
    return b;
}

// replies: payloads (framed by the target) or raw line chunks, "%%%" apart.
QByteArray script(const QList<calcMsg> &msgs)
{
    QList<QByteArray> parts;
    for (const calcMsg &m : msgs)
        parts.append(encode(m));
    return parts.isEmpty() ? QByteArray() : [&] {
        QByteArray b = parts.first();
        for (int i = 1; i < parts.size(); ++i)
            b += "%%%" + parts.at(i);
        return b;
    }();
}

void frames()
{
    save(
        "frames", "get-device-inf", line(0, 63, { frame(encode(typed(calcMsg::GET_DEVICE_INF))) }));
    save("frames", "device-inf-small-reads", line(3, 63, { frame(encode(deviceInf(512))) }));
    save("frames", "file-list",
        line(7, 63,
            { frame(encode(filesNum(2))), frame(encode(fileEntry("MAIN.py", 10))),
                frame(encode(fileEntry("DATA.txt", 0))) }));
    save("frames", "download-junk-before",
        line(16, 0,
            { QByteArray("xyz"), frame(encode(frameMsg(1, "hello"))),
                frame(encode(frameMsg(0, QByteArray("abCALC\x02\x00zz", 10)))) }));
    save("frames", "empty-payload", line(0, 63, { QByteArray("CALC\x00\x00", 6) }));
    save("frames", "marker-split",
        line(2, 63, { QByteArray("qqCA"), QByteArray("LC"), QByteArray("\x02\x00\x08\x0B", 4) }));
    save("frames", "refusal",
        line(5, 1, { frame(encode(refusal(calcMsg::FILE_NOT_EXIST, "No such file", 12))) }));
    save("frames", "big-payload",
        line(200, 10, { frame(encode(frameMsg(3, QByteArray(1500, 'd')))) }));
}

void replies()
{
    const calcMsg ok = typed(calcMsg::SUCCESS);
    save("replies", "device-inf", script({ deviceInf(512) }));
    // Two files listed, the first fetched twice (getFile, then getFiles), then
    // an upload of 700 bytes in two frames, a delete and a rename.
    save("replies", "list-two-download",
        script({ deviceInf(512), filesNum(2), fileEntry("MAIN.py", 10), fileEntry("DATA.txt", 0),
            frameMsg(0, "0123456789"), frameMsg(0, "0123456789"), ok, ok, ok, ok, ok }));
    save("replies", "download-out-of-order",
        script({ deviceInf(4), filesNum(1), fileEntry("X.PY", 10), frameMsg(2, "89"),
            frameMsg(0, "0123"), frameMsg(1, "4567"), frameMsg(1, "4567"), frameMsg(0, "0123"),
            frameMsg(2, "89") }));
    save("replies", "names-to-check",
        script({ deviceInf(512), filesNum(3), fileEntry("../x", 3), fileEntry("caf\xC3\xA9.py", 2),
            fileEntry("main.py", 1), frameMsg(0, "abc"), frameMsg(0, "de"), frameMsg(0, "f"),
            frameMsg(0, "de"), frameMsg(0, "f") }));
    save("replies", "refusals",
        script({ deviceInf(16), filesNum(1), fileEntry("A.PY", 5),
            refusal(calcMsg::FILE_NOT_EXIST, "", 0), refusal(calcMsg::MEMORY_ERROR, "busy", 3),
            refusal(calcMsg::WRITE_ERROR, "", 0), refusal(calcMsg::CONNECTION_ERROR, "", 0),
            typed(calcMsg::NONE) }));
    // Raw line chunks: frames with bytes after them, which the reader drops.
    save("replies", "raw-chunks",
        frame(encode(deviceInf(64))) + "tail" + "%%%" + encode(filesNum(1)) + "%%%"
            + frame(encode(fileEntry("R.PY", 2))) + "junk" + "%%%" + encode(frameMsg(0, "rr")));
}

void names()
{
    const char *const plain[][2] = { { "main-py", "main.py" }, { "cafe-py", "caf\xC3\xA9.py" },
        { "dotdot-x", "../x" }, { "space", "hello world.py" },
        { "long", "verylongfilename.script" }, { "dots", "a.b.c.py" },
        { "forbidden", "my:file?.py" }, { "brackets", "[old] copy.py" }, { "hidden", ".hidden" },
        { "only-dots", "..." }, { "tar-gz", "prog.tar.gz" } };
    for (const auto &n : plain)
        save("names", n[0], QByteArray(n[1]));
    const QString pi = QString::fromUtf8("\xCF\x80.py");
    save(
        "names", "utf16-pi", QByteArray(reinterpret_cast<const char *>(pi.utf16()), pi.size() * 2));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    frames();
    replies();
    names();
    return g_failures == 0 ? 0 : 1;
}
