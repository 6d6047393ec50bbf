// A device that lies, garbles or is not a calculator at all, and local
// folders and files that are not what they seem: the link reports each, uses
// nothing of a reply it cannot trust, and never writes where it was not sent.

#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "FrameCodec.h"
#include "LocalFiles.h"
#include "ScriptedDevice.h"
#include "protocol/HandMadeProtobuf.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using VivuRuza::calcMsg;
using FileList = QList<QPair<QString, int>>;

using namespace HandMadeProtobuf;

namespace {

QByteArray frame(const QByteArray &payload)
{
    QByteArray f("CALC");
    f.append(char(payload.size() & 0xFF));
    f.append(char((payload.size() >> 8) & 0xFF));
    return f + payload;
}

QByteArray encoded(const calcMsg &msg)
{
    return QByteArray::fromStdString(msg.SerializeAsString());
}

QByteArray deviceInfoReply(const QByteArray &name = "Vori X1", int chunk = 512)
{
    const QByteArray inf = field(1, QByteArray("HW")) + field(2, QByteArray("FW"))
        + field(3, QByteArray("PR")) + field(4, name) + field(5, quint64(chunk));
    return field(1, quint64(calcMsg::SEND_DEVICE_INF)) + field(4, inf);
}

QByteArray filesNum(quint64 encodedCount)
{
    return field(1, quint64(calcMsg::SEND_FILES_NUM)) + field(5, encodedCount);
}

QByteArray fileEntry(const QByteArray &name, quint64 encodedSize, int type = calcMsg::SEND_FILE_INF)
{
    return field(1, quint64(type)) + field(3, field(2, name) + field(3, encodedSize));
}

QByteArray only(int type)
{
    calcMsg m;
    m.set_type(calcMsg::msgType(type));
    return encoded(m);
}

QByteArray refusal(int error, const QString &text)
{
    calcMsg m;
    m.set_type(calcMsg::FAILED);
    m.set_error(calcMsg::errType(error));
    m.set_errorstr(text.toStdString());
    return encoded(m);
}

// A negative int32 travels as ten bytes of sign extension.
quint64 negative(qint64 v)
{
    return quint64(v);
}

QList<int> sentTypes(const QByteArray &written)
{
    QList<int> types;
    int at = 0;
    while ((at = written.indexOf("CALC", at)) >= 0 && at + 6 <= written.size()) {
        const int length = int(uchar(written.at(at + 4))) | (int(uchar(written.at(at + 5))) << 8);
        calcMsg m;
        m.ParseFromArray(written.constData() + at + 6, length);
        types.append(m.type());
        at += 6 + length;
    }
    return types;
}

} // namespace

class TestUntrusted : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { FrameCodec::setWaitLimits(200, 200); }
    void cleanupTestCase()
    {
        FrameCodec::setWaitLimits(FrameCodec::defaultFirstWaitMs, FrameCodec::defaultFurtherWaitMs);
    }

    // The device information must parse whole, or nothing of it is kept.
    void deviceInfo_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QStringList>("texts");
        const QStringList malformed { QStringLiteral(
            "The calculator sent a malformed reply (device information).") };
        QTest::newRow("healthy") << deviceInfoReply("Second", 256) << true << QStringList();
        // The broken name comes before maxChunkSize: a lenient reader would
        // keep the old chunk size and cut an upload wrongly.
        QTest::newRow("name not UTF-8")
            << deviceInfoReply("Vori\xff\xfe", 256) << false << malformed;
        QTest::newRow("chunk beyond 32 bits") << field(1, quint64(calcMsg::SEND_DEVICE_INF))
                + field(4, field(4, QByteArray("Second")) + field(5, (quint64(1) << 32) + 256))
                                              << false << malformed;
        QTest::newRow("trailing garbage")
            << deviceInfoReply("Second", 256) + QByteArray("\x07", 1) << false << malformed;
        QTest::newRow("not a message") << QByteArray("\xff\xff\xff", 3) << false << malformed;
        // Not a calculator's answer, but well formed: refused without a word,
        // as before.
        QTest::newRow("other type") << only(calcMsg::SUCCESS) << false << QStringList();
    }

    void deviceInfo()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, stored);
        QFETCH(QStringList, texts);
        ScriptedDevice line({ frame(deviceInfoReply("First", 1024)), frame(reply) });
        CVivuRuza link(&line, nullptr);
        QCOMPARE(link.devName(), QStringLiteral("First"));
        QStringList got;
        connect(&link, &CVivuRuza::errorNotify, [&got](const QString &t) { got << t; });
        QCOMPARE(link.getDeviceInf(), stored);
        QCOMPARE(got, texts);
        QCOMPARE(link.devName(), stored ? QStringLiteral("Second") : QStringLiteral("First"));
        QCOMPARE(link.chunkSize, stored ? 256 : 1024);
    }

    // A listing arrives whole or fails with a report; it never reads as a
    // calculator without files, nor as files the calculator did not list. An
    // entry that came whole but does not parse is left out, and said so,
    // while the others stand.
    void listing_data()
    {
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<FileList>("files");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("sent");
        QTest::addColumn<QStringList>("skipped");
        const QList<int> countOnly { calcMsg::GET_FILES_NUM };
        const QList<int> twoEntries { calcMsg::GET_FILES_NUM, calcMsg::GET_FILES_INF,
            calcMsg::SUCCESS };
        const QList<int> threeEntries = twoEntries + QList<int> { calcMsg::SUCCESS };
        const QList<int> firstEntry { calcMsg::GET_FILES_NUM, calcMsg::GET_FILES_INF };
        const QString malformedCount
            = QStringLiteral("The calculator sent a malformed reply (number of files).");
        const auto skip = [](int entry, int of) {
            return QStringLiteral("The calculator sent a malformed entry (%1 of %2) in its file "
                                  "list; that file is left out.")
                .arg(entry)
                .arg(of);
        };
        const FileList onlyA { { QStringLiteral("A.PY"), 3 } };
        const QStringList none;

        QTest::newRow("two files")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3), fileEntry("B.PY", 4) } << true
            << FileList { { QStringLiteral("A.PY"), 3 }, { QStringLiteral("B.PY"), 4 } }
            << QString() << twoEntries << none;
        QTest::newRow("empty calculator") << QList<QByteArray> { filesNum(0) } << true << FileList()
                                          << QString() << countOnly << none;
        QTest::newRow("count refused")
            << QList<QByteArray> { refusal(calcMsg::MEMORY_ERROR, QStringLiteral("Busy")) } << false
            << FileList() << QStringLiteral("Busy") << countOnly << none;
        QTest::newRow("count refused bare")
            << QList<QByteArray> { refusal(calcMsg::MEMORY_ERROR, QString()) } << false
            << FileList() << QStringLiteral("Memory error.") << countOnly << none;
        QTest::newRow("count of another type")
            << QList<QByteArray> { only(calcMsg::SUCCESS) } << false << FileList()
            << QStringLiteral("The calculator sent an unexpected reply (number of files).")
            << countOnly << none;
        QTest::newRow("negative count")
            << QList<QByteArray> { filesNum(negative(-1)) } << false << FileList()
            << QStringLiteral("The calculator reported -1 files, which no calculator holds; its "
                              "file list was not read.")
            << countOnly << none;
        QTest::newRow("count no calculator holds")
            << QList<QByteArray> { filesNum(2147483647) } << false << FileList()
            << QStringLiteral("The calculator reported 2147483647 files, which no calculator "
                              "holds; its file list was not read.")
            << countOnly << none;
        QTest::newRow("count beyond 32 bits")
            << QList<QByteArray> { filesNum((quint64(1) << 32) + 2) } << false << FileList()
            << malformedCount << countOnly << none;
        QTest::newRow("entries refused")
            << QList<QByteArray> { filesNum(2), refusal(calcMsg::FILE_NOT_EXIST, QString()) }
            << false << FileList() << QString::fromUtf8("File doesn\u2019t exist.") << firstEntry
            << none;
        QTest::newRow("entry of another type")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3, calcMsg::FRAME) } << false
            << FileList() << QStringLiteral("The calculator sent an unexpected reply (file list).")
            << firstEntry << none;
        QTest::newRow("second entry of another type")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3), only(calcMsg::SUCCESS) }
            << false << FileList()
            << QStringLiteral("The calculator sent an unexpected reply (file list).") << twoEntries
            << none;
        // Nothing of a broken entry is used: a broken name would otherwise
        // drop the size after it, the file would read as empty and a
        // download would replace a good local copy.
        QTest::newRow("name not UTF-8")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3), fileEntry("B\xff.PY", 4) }
            << true << onlyA << QString() << twoEntries << QStringList { skip(2, 2) };
        QTest::newRow("first of three not UTF-8")
            << QList<QByteArray> { filesNum(3), fileEntry("\xc3(.PY", 7), fileEntry("A.PY", 3),
                   fileEntry("C.PY", 5) }
            << true << FileList { { QStringLiteral("A.PY"), 3 }, { QStringLiteral("C.PY"), 5 } }
            << QString() << threeEntries << QStringList { skip(1, 3) };
        QTest::newRow("size of the wrong wire type") << QList<QByteArray> { filesNum(2),
            field(1, quint64(calcMsg::SEND_FILE_INF))
                + field(3, field(2, QByteArray("B.PY")) + field(3, QByteArray("\x04"))),
            fileEntry("A.PY", 3) } << true << onlyA << QString()
                                                     << twoEntries << QStringList { skip(1, 2) };
        QTest::newRow("name of the wrong wire type")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3),
                   field(1, quint64(calcMsg::SEND_FILE_INF))
                       + field(3, field(2, quint64(66)) + field(3, quint64(4))) }
            << true << onlyA << QString() << twoEntries << QStringList { skip(2, 2) };
        QTest::newRow("size beyond 32 bits")
            << QList<QByteArray> { filesNum(1), fileEntry("A.PY", (quint64(1) << 32) + 3) } << true
            << FileList() << QString() << firstEntry << QStringList { skip(1, 1) };
        QTest::newRow("negative size")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3),
                   fileEntry("B.PY", negative(-5)) }
            << true << onlyA << QString() << twoEntries << QStringList { skip(2, 2) };
        QTest::newRow("every entry broken")
            << QList<QByteArray> { filesNum(2), fileEntry("A\xff", 3), fileEntry("B\xff", 4) }
            << true << FileList() << QString() << twoEntries
            << QStringList { skip(1, 2), skip(2, 2) };
        QTest::newRow("entry missing")
            << QList<QByteArray> { filesNum(2), fileEntry("A.PY", 3) } << false << FileList()
            << QStringLiteral("Connection error (error code: 421).") << twoEntries << none;
        // A list that also lost its line is no list at all.
        QTest::newRow("broken entry, then one missing")
            << QList<QByteArray> { filesNum(2), fileEntry("A\xff", 3) } << false << FileList()
            << QStringLiteral("Connection error (error code: 421).") << twoEntries << none;
    }

    void listing()
    {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(bool, ok);
        QFETCH(FileList, files);
        QFETCH(QString, text);
        QFETCH(QList<int>, sent);
        QFETCH(QStringList, skipped);
        ScriptedDevice line({ frame(deviceInfoReply()) });
        for (const QByteArray &r : qAsConst(replies))
            line.addChunk(frame(r));
        CVivuRuza link(&line, nullptr);
        const int before = line.written().size();
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        FileList listed { { QStringLiteral("stale"), 1 } };
        QCOMPARE(link.listFiles(listed), ok);
        QCOMPARE(listed, files);
        QCOMPARE(texts, text.isEmpty() ? QStringList() : QStringList { text });
        QCOMPARE(sentTypes(line.written().mid(before)), sent);
        QCOMPARE(link.skippedEntries(), skipped);
    }

    // A download's reply of another type than FRAME is the calculator's
    // refusal, told in its own words or the table's; only a reply with
    // neither a type we know nor a word is out of step. A frame that carries
    // more than it announces is malformed, not cut to fit.
    void downloadReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        const QString unexpected
            = QStringLiteral("The calculator sent an unexpected reply (content of A.PY).");
        const QString malformed
            = QStringLiteral("The calculator sent a malformed reply (content of A.PY).");
        const auto typed = [](int type) { return field(1, quint64(type)); };
        const auto frameOf = [](quint64 size, const QList<QByteArray> &blocks) {
            QByteArray inner = field(1, size);
            for (const QByteArray &b : blocks)
                inner += field(3, b);
            return field(1, quint64(calcMsg::FRAME)) + field(2, inner);
        };

        QTest::newRow("frame") << frameOf(5, { "hello" }) << QString();
        QTest::newRow("FAILED bare") << refusal(calcMsg::FILE_NOT_EXIST, QString())
                                     << QString::fromUtf8("File doesn\u2019t exist.");
        QTest::newRow("SUCCESS with a text")
            << typed(calcMsg::SUCCESS) + field(9, QByteArray("Locked")) << QStringLiteral("Locked");
        QTest::newRow("SEND_FILES_NUM with a number")
            << typed(calcMsg::SEND_FILES_NUM) + field(8, quint64(12)) << QStringLiteral("12");
        QTest::newRow("SUCCESS with an error class")
            << typed(calcMsg::SUCCESS) + field(6, quint64(calcMsg::MEMORY_ERROR))
            << QStringLiteral("Memory error.");
        QTest::newRow("SUCCESS bare")
            << typed(calcMsg::SUCCESS) << QStringLiteral("Unknown error.");
        QTest::newRow("FAILED of an error class beyond the table")
            << typed(calcMsg::FAILED) + field(6, quint64(42)) << QStringLiteral("Unknown error.");
        QTest::newRow("unknown type with a text")
            << typed(99) + field(9, QByteArray("Busy")) << QStringLiteral("Busy");
        QTest::newRow("no type with a number") << field(8, quint64(3)) << QStringLiteral("3");
        QTest::newRow("unknown type bare") << typed(99) << unexpected;
        QTest::newRow("empty") << QByteArray() << unexpected;
        QTest::newRow("NONE with an error class only")
            << typed(calcMsg::NONE) + field(6, quint64(calcMsg::MEMORY_ERROR)) << unexpected;
        QTest::newRow("data shorter than its size")
            << frameOf(5, { "hell" }) << QStringLiteral("Wrong data size.");
        QTest::newRow("data longer than its size") << frameOf(5, { "hello!" }) << malformed;
        QTest::newRow("two data blocks") << frameOf(5, { "hello", "!" }) << malformed;
        QTest::newRow("two data blocks, the second empty")
            << frameOf(5, { "hello", "" }) << malformed;
    }

    void downloadReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        ScriptedDevice line({ frame(deviceInfoReply()), frame(reply) });
        CVivuRuza link(&line, nullptr);
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        VivuRuza::fileInf inf;
        inf.set_name("A.PY");
        inf.set_size(5);
        const QByteArray content = link.getFile(inf);
        QCOMPARE(content, text.isEmpty() ? QByteArray("hello") : QByteArray());
        QCOMPARE(texts, text.isEmpty() ? QStringList() : QStringList { text });
        QVERIFY(!link.lineLost());
    }

    // Only SUCCESS accepts an upload frame: anything else may mean the frame
    // never landed, and the send must not pass for done.
    void uploadFrameReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        const QString unexpected
            = QStringLiteral("The calculator sent an unexpected reply (sending A.PY).");
        QTest::newRow("SUCCESS") << only(calcMsg::SUCCESS) << QString();
        QTest::newRow("empty message") << QByteArray() << unexpected;
        QTest::newRow("NONE") << only(calcMsg::NONE) << unexpected;
        QTest::newRow("FRAME") << only(calcMsg::FRAME) << unexpected;
        QTest::newRow("SEND_FILES_NUM") << filesNum(3) << unexpected;
        QTest::newRow("FAILED") << refusal(calcMsg::WRITE_ERROR, QString())
                                << QStringLiteral("Write error.");
        QTest::newRow("malformed") << QByteArray(
            "\x08", 1) << QStringLiteral("The calculator sent a malformed reply (sending A.PY).");
    }

    void uploadFrameReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        // 700 bytes with chunk 512: two frames; the first one's reply is the
        // one under test, and a healthy second reply must not rescue it.
        ScriptedDevice line({ frame(deviceInfoReply()), frame(only(calcMsg::SUCCESS)), frame(reply),
            frame(only(calcMsg::SUCCESS)) });
        CVivuRuza link(&line, nullptr);
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        VivuRuza::fileInf inf;
        inf.set_name("A.PY");
        inf.set_size(700);
        QCOMPARE(link.sendFile(inf, QByteArray(700, 'u')), text.isEmpty());
        QCOMPARE(texts, text.isEmpty() ? QStringList() : QStringList { text });
    }

    // Bytes that came after their reader gave up must not pass for the reply
    // to the next request.
    void staleInputDiscarded()
    {
        // More than one read takes: what the first read leaves behind, a
        // frame among it, is still queued when the next request goes out.
        const QByteArray filler = refusal(calcMsg::NONE_ERROR, QString(1500, QLatin1Char('x')));
        ScriptedDevice line(
            { frame(deviceInfoReply()) + frame(filler) + frame(filesNum(7)), frame(filesNum(0)) });
        CVivuRuza link(&line, nullptr);
        QCOMPARE(link.devName(), QStringLiteral("Vori X1"));
        QVERIFY(line.bytesAvailable() > 0);
        QCOMPARE(link.getFilesNum(), 0);
    }

    // A download replaces what is at the final name as a plain file in the
    // chosen folder; it never follows a link there, dangling or not.
    void downloadNeverWritesThroughLinks_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<bool>("written");
        QTest::newRow("plain file") << QStringLiteral("file") << true;
        QTest::newRow("link to a file elsewhere") << QStringLiteral("link") << true;
        QTest::newRow("dangling link") << QStringLiteral("dangling") << true;
        QTest::newRow("link to a folder") << QStringLiteral("folderlink") << true;
        QTest::newRow("folder") << QStringLiteral("folder") << false;
    }

    void downloadNeverWritesThroughLinks()
    {
        QFETCH(QString, planted);
        QFETCH(bool, written);
        CalcSimulator sim;
        const QByteArray content("calculator content");
        sim.setFiles({ { QStringLiteral("A.PY"), content } });
        QVERIFY(sim.start());
        QTemporaryDir root;
        const QString dest = root.filePath(QStringLiteral("dest"));
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        const QString other = root.filePath(QStringLiteral("otherdir"));
        QVERIFY(QDir().mkpath(dest) && QDir().mkpath(other));
        QVERIFY(writeLocal(elsewhere, "precious"));
        const QString target = dest + QStringLiteral("/A.PY");
        if (planted == QLatin1String("file"))
            QVERIFY(writeLocal(target, "old"));
        else if (planted == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, target));
        else if (planted == QLatin1String("dangling"))
            QVERIFY(QFile::link(root.filePath(QStringLiteral("nothere")), target));
        else if (planted == QLatin1String("folderlink"))
            QVERIFY(QFile::link(other, target));
        else
            QVERIFY(QDir().mkpath(target));

        CVivuRuza link(sim.portPath());
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        const QList<QUrl> urls
            = link.getFiles({ { QStringLiteral("A.PY"), content.size() } }, dest);
        QCOMPARE(urls.size(), written ? 1 : 0);
        QCOMPARE(readLocal(elsewhere), QByteArray("precious"));
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("nothere"))));
        QVERIFY(QDir(other).isEmpty());
        if (written) {
            QVERIFY(texts.isEmpty());
            QVERIFY(!QFileInfo(target).isSymLink());
            QVERIFY(QFileInfo(target).isFile());
            QCOMPARE(readLocal(target), content);
        } else {
            QCOMPARE(texts,
                QStringList { QStringLiteral("File A.PY can't be written to %1.").arg(dest) });
            QVERIFY(QFileInfo(target).isDir());
        }
        // Nothing of ours is left behind in the user's folder.
        QCOMPARE(QDir(dest).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("A.PY") });
    }

    // A new file gets the mode the umask gives; a file of ours that a download
    // replaces keeps its mode; what was planted under the name hands on none.
    void downloadModes_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<int>("oldMode");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("mode");
        QTest::newRow("new, umask 022") << QString() << 0 << 022 << 0644;
        QTest::newRow("new, umask 077") << QString() << 0 << 077 << 0600;
        QTest::newRow("new, umask 002") << QString() << 0 << 002 << 0664;
        QTest::newRow("replaced, private") << QStringLiteral("file") << 0600 << 022 << 0600;
        QTest::newRow("replaced, executable") << QStringLiteral("file") << 0755 << 077 << 0755;
        QTest::newRow("replaced, group-writable") << QStringLiteral("file") << 0664 << 077 << 0664;
        QTest::newRow("link to an open file") << QStringLiteral("link") << 0666 << 077 << 0600;
        QTest::newRow("another user's file") << QStringLiteral("foreign") << 0666 << 077 << 0600;
    }

    void downloadModes()
    {
        QFETCH(QString, planted);
        QFETCH(int, oldMode);
        QFETCH(int, mask);
        QFETCH(int, mode);
        if (planted == QLatin1String("foreign") && ::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        CalcSimulator sim;
        const QByteArray content("calculator content");
        sim.setFiles({ { QStringLiteral("A.PY"), content } });
        QVERIFY(sim.start());
        QTemporaryDir root;
        const QString target = root.filePath(QStringLiteral("A.PY"));
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        if (!planted.isEmpty()) {
            const QString &real = planted == QLatin1String("link") ? elsewhere : target;
            QVERIFY(writeLocal(real, "old"));
            QCOMPARE(::chmod(QFile::encodeName(real).constData(), mode_t(oldMode)), 0);
            if (planted == QLatin1String("link"))
                QVERIFY(QFile::link(elsewhere, target));
            if (planted == QLatin1String("foreign"))
                QCOMPARE(::chown(QFile::encodeName(real).constData(), 65534, 65534), 0);
        }

        const mode_t before = ::umask(mode_t(mask));
        CVivuRuza link(sim.portPath());
        const QList<QUrl> urls
            = link.getFiles({ { QStringLiteral("A.PY"), content.size() } }, root.path());
        ::umask(before);
        QCOMPARE(urls.size(), 1);
        QCOMPARE(readLocal(target), content);
        struct stat written;
        QCOMPARE(::lstat(QFile::encodeName(target).constData(), &written), 0);
        QVERIFY(S_ISREG(written.st_mode));
        QCOMPARE(int(written.st_mode & 07777), mode);
        QCOMPARE(int(written.st_uid), int(::geteuid()));
        if (planted == QLatin1String("link")) {
            struct stat kept;
            QCOMPARE(::stat(QFile::encodeName(elsewhere).constData(), &kept), 0);
            QCOMPARE(int(kept.st_mode & 07777), oldMode);
            QCOMPARE(readLocal(elsewhere), QByteArray("old"));
        }
    }

    // Only regular files are sent; anything else is refused at once, and a
    // FIFO must not block the link waiting for a writer.
    void uploadOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("sent");
        QTest::newRow("regular file") << QStringLiteral("file") << true;
        QTest::newRow("link to a regular file") << QStringLiteral("link") << true;
        QTest::newRow("fifo") << QStringLiteral("fifo") << false;
        QTest::newRow("link to a fifo") << QStringLiteral("fifolink") << false;
        QTest::newRow("folder") << QStringLiteral("folder") << false;
        QTest::newRow("device") << QStringLiteral("device") << false;
    }

    void uploadOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, sent);
        CalcSimulator sim;
        QVERIFY(sim.start());
        QTemporaryDir root;
        const QString regular = root.filePath(QStringLiteral("real.py"));
        QVERIFY(writeLocal(regular, "print(1)"));
        const QString fifo = root.filePath(QStringLiteral("pipe.py"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QString path = root.filePath(QStringLiteral("thing.py"));
        if (kind == QLatin1String("file"))
            path = regular;
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(regular, path));
        else if (kind == QLatin1String("fifo"))
            path = fifo;
        else if (kind == QLatin1String("fifolink"))
            QVERIFY(QFile::link(fifo, path));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            path = QStringLiteral("/dev/zero");

        CVivuRuza link(sim.portPath());
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        QSignalSpy sends(&link, &CVivuRuza::fileSend);
        sim.clearReceived();
        link.sendFiles({ { path, QStringLiteral("thing.py") } });
        QCOMPARE(sends.count(), sent ? 1 : 0);
        if (sent) {
            QVERIFY(texts.isEmpty());
            QCOMPARE(sim.fileContent(QStringLiteral("THING.py")), QByteArray("print(1)"));
        } else {
            QCOMPARE(texts,
                QStringList {
                    QStringLiteral("%1 is not a regular file and can't be sent.").arg(path) });
            QVERIFY(sim.receivedTypes().isEmpty());
        }
    }

    // Each way a port can fail to give a calculator has its own words.
    void portProblems_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing") << QStringLiteral("missing")
                                 << QStringLiteral("The port %1 does not exist (any more); the "
                                                   "calculator may have been unplugged.");
        QTest::newRow("regular file") << QStringLiteral(
            "file") << QStringLiteral("%1 is not a serial port, so no calculator can be on it.");
        QTest::newRow("null device") << QStringLiteral(
            "null") << QStringLiteral("%1 is not a serial port, so no calculator can be on it.");
        QTest::newRow("held by another program")
            << QStringLiteral("busy") << QStringLiteral("The port %1 is in use by another program");
        QTest::newRow("silent") << QStringLiteral("silent")
                                << QStringLiteral("The calculator at %1 does not answer. Switch it "
                                                  "on, open its home screen and plug it in again.");
        QTest::newRow("not a calculator")
            << QStringLiteral("babbling")
            << QStringLiteral("The device at %1 answers, but not as a calculator does.");
        // The reply an earlier link gave up on comes first.
        QTest::newRow("late reply")
            << QStringLiteral("late")
            << QStringLiteral("The calculator at %1 answered late, with "
                              "its reply to an earlier request; try again.");
        QTest::newRow("calculator") << QStringLiteral("calculator") << QString();
    }

    void portProblems()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QTemporaryDir root;
        CalcSimulator sim;
        QVERIFY(sim.start());
        int master = -1, slave = -1;
        char ptyName[128];
        QVERIFY(::openpty(&master, &slave, ptyName, nullptr, nullptr) == 0);
        QSerialPort holder;
        QString path;
        if (kind == QLatin1String("missing")) {
            path = root.filePath(QStringLiteral("ttyACM9"));
        } else if (kind == QLatin1String("file")) {
            path = root.filePath(QStringLiteral("plain"));
            QVERIFY(writeLocal(path, "x"));
        } else if (kind == QLatin1String("null")) {
            path = QStringLiteral("/dev/null");
        } else if (kind == QLatin1String("busy")) {
            path = sim.portPath();
            holder.setPortName(path);
            QVERIFY(holder.open(QIODevice::ReadWrite));
        } else if (kind == QLatin1String("silent")) {
            path = QString::fromLocal8Bit(ptyName);
        } else if (kind == QLatin1String("babbling")) {
            path = sim.portPath();
            sim.setRefusal(calcMsg::GET_DEVICE_INF, calcMsg::NONE_ERROR, 0, QString());
        } else if (kind == QLatin1String("late")) {
            path = sim.portPath();
            sim.setFiles({ { QStringLiteral("A.PY"), QByteArray(1000, 'a') } });
            sim.setHeldReply(calcMsg::GET_FILE);
            CVivuRuza earlier(path);
            VivuRuza::fileInf inf;
            inf.set_name("A.PY");
            inf.set_size(1000);
            QVERIFY(earlier.getFile(inf).isEmpty());
            QVERIFY(earlier.lineLost());
        } else {
            path = sim.portPath();
        }
        CVivuRuza link(QString(), nullptr);
        QCOMPARE(link.openPort(path), text.isEmpty());
        if (text.isEmpty())
            QCOMPARE(link.portErrorText(), QString());
        else
            QVERIFY2(
                link.portErrorText().startsWith(text.arg(path)), qPrintable(link.portErrorText()));
        ::close(slave);
        ::close(master);
    }

    // A reply that came after its reader gave up is waited for and dropped
    // before the next request, so it never passes for that request's reply.
    void lateReplyDropped_data()
    {
        QTest::addColumn<int>("lateType");
        QTest::newRow("download") << int(calcMsg::GET_FILE);
        QTest::newRow("file count") << int(calcMsg::GET_FILES_NUM);
        QTest::newRow("upload announcement") << int(calcMsg::SEND_FILE);
    }

    void lateReplyDropped()
    {
        QFETCH(int, lateType);
        CalcSimulator sim;
        const QByteArray a(1000, 'a');
        const QByteArray b(1000, 'b');
        sim.setFiles({ { QStringLiteral("A.PY"), a }, { QStringLiteral("B.PY"), b } });
        QVERIFY(sim.start());
        CVivuRuza link(sim.portPath());
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        sim.setLateReply(lateType, 300);
        VivuRuza::fileInf infA;
        infA.set_name("A.PY");
        infA.set_size(a.size());
        if (lateType == calcMsg::GET_FILE)
            QVERIFY(link.getFile(infA).isEmpty());
        else if (lateType == calcMsg::GET_FILES_NUM)
            QCOMPARE(link.getFilesNum(), 0);
        else
            QVERIFY(!link.sendFile(infA, QByteArray(600, 'n')));
        QCOMPARE(texts, QStringList { QStringLiteral("Connection error (error code: 421).") });
        QVERIFY(link.lineLost());

        VivuRuza::fileInf infB;
        infB.set_name("B.PY");
        infB.set_size(b.size());
        QCOMPARE(link.getFile(infB), b);
        QCOMPARE(link.getFilesInf().size(), 2);
        QCOMPARE(texts.size(), 1);
        QVERIFY(!link.lineLost());
    }

    // However the device drags a command out, the command ends once it has
    // used the time its work may take, with a report that says so.
    void commandBound_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("command");
        QTest::newRow("entries just inside the wait")
            << QStringLiteral("slow") << QStringLiteral("list");
        QTest::newRow("frames just inside the wait")
            << QStringLiteral("slow") << QStringLiteral("get");
        QTest::newRow("listing that trickles")
            << QStringLiteral("trickle") << QStringLiteral("list");
        QTest::newRow("download that trickles")
            << QStringLiteral("trickle") << QStringLiteral("get");
        QTest::newRow("upload replies that trickle")
            << QStringLiteral("trickle") << QStringLiteral("put");
    }

    void commandBound()
    {
        QFETCH(QString, fault);
        QFETCH(QString, command);
        CalcSimulator sim;
        QList<QPair<QString, QByteArray>> files;
        for (int i = 0; i < 12; ++i)
            files.append({ QStringLiteral("F%1.PY").arg(i), QByteArray(100, char('a' + i)) });
        files.append({ QStringLiteral("BIG.BIN"), QByteArray(12 * 512, 'z') });
        sim.setFiles(files);
        QVERIFY(sim.start());
        CVivuRuza link(sim.portPath());
        // Each reply well inside the wait for it; the allowance per frame is
        // what the device overruns.
        FrameCodec::setWaitLimits(600, 600);
        FrameCodec::setCommandLimits(50, FrameCodec::defaultCommandCapMs);
        if (fault == QLatin1String("slow"))
            sim.setReplyDelay(150);
        else
            sim.setTrickle(20);
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        bool ok = true;
        if (command == QLatin1String("list")) {
            FileList listed;
            ok = link.listFiles(listed);
        } else if (command == QLatin1String("get")) {
            VivuRuza::fileInf inf;
            inf.set_name("BIG.BIN");
            inf.set_size(12 * 512);
            ok = !link.getFile(inf).isEmpty();
        } else {
            VivuRuza::fileInf inf;
            inf.set_name("NEW.BIN");
            inf.set_size(12 * 512);
            ok = link.sendFile(inf, QByteArray(12 * 512, 'n'));
        }
        FrameCodec::setWaitLimits(200, 200);
        FrameCodec::setCommandLimits(
            FrameCodec::defaultFrameAllowanceMs, FrameCodec::defaultCommandCapMs);
        QVERIFY(!ok);
        QCOMPARE(texts, QStringList { FrameCodec::timeoutText() });
        QVERIFY(!sim.hasFile(QStringLiteral("NEW.BIN")));
    }

    // A chunk too large for one frame: what fits one frame still goes, and
    // exactly; what would need several is refused before anything is sent.
    void hugeChunk_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("sent");
        QTest::newRow("65530, small file") << 65530 << 3000 << true;
        QTest::newRow("65530, largest one-frame file")
            << 65530 << CVivuRuza::maxFrameContent - 1 << true;
        QTest::newRow("65530, 70000 bytes") << 65530 << 70000 << false;
        QTest::newRow("2^31-1, small file") << std::numeric_limits<int>::max() << 3000 << true;
        QTest::newRow("2^31-1, 1 MiB") << std::numeric_limits<int>::max() << 1048576 << false;
        QTest::newRow("largest frame content") << CVivuRuza::maxFrameContent << 70000 << true;
    }

    void hugeChunk()
    {
        QFETCH(int, chunk);
        QFETCH(int, size);
        QFETCH(bool, sent);
        CalcSimulator sim;
        sim.setMaxChunkSize(chunk);
        QVERIFY(sim.start());
        QTemporaryDir dir;
        QByteArray content(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            content[i] = char((i * 11 + i / 251) & 0xFF);
        const QString local = dir.filePath(QStringLiteral("big.bin"));
        QVERIFY(writeLocal(local, content));
        CVivuRuza link(sim.portPath());
        QCOMPARE(link.chunkSize, chunk);
        QStringList texts;
        connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
        sim.clearReceived();
        link.sendFiles({ { local, QStringLiteral("big.bin") } });
        if (sent) {
            QVERIFY2(texts.isEmpty(), qPrintable(texts.join(QLatin1Char('\n'))));
            QCOMPARE(sim.fileContent(QStringLiteral("BIG.bin")), content);
        } else {
            QCOMPARE(texts,
                QStringList { QStringLiteral("File %1 can't be sent: this calculator announces "
                                             "chunks larger than one message can carry.")
                                  .arg(local) });
            QVERIFY(sim.receivedTypes().isEmpty());
        }
        // Every frame that went out fits a frame.
        for (const calcMsg &m : sim.received())
            QVERIFY(m.ByteSizeLong() <= size_t(FrameCodec::maxPayload));
    }

    // A link whose thread is asked to stop (the app is closing) stops within
    // moments, not at the end of a wait limit or of an endless listing.
    void stopsWhenAsked_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("silent device") << QStringLiteral("silent");
        QTest::newRow("endless listing") << QStringLiteral("endless");
    }

    void stopsWhenAsked()
    {
        QFETCH(QString, fault);
        CalcSimulator sim;
        QVERIFY(sim.start());
        FrameCodec::setWaitLimits(120000, 120000);
        if (fault == QLatin1String("silent")) {
            sim.setSilent(true);
        } else {
            sim.setAnnouncedFileCount(CVivuRuza::maxListedFiles);
            sim.setEndlessListing(true);
            sim.setReplyDelay(20);
        }
        QStringList texts;
        bool done = false;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            CVivuRuza link(QString(), nullptr);
            connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
            FileList files;
            done = link.openPort(sim.portPath()) && link.listFiles(files);
        }));
        thread->start();
        QVERIFY(sim.waitForReceived(fault == QLatin1String("silent") ? 1 : 5, 10000));
        thread->requestInterruption();
        // Far below the wait limits: only the request to stop ends it this soon.
        QVERIFY(thread->wait(60000));
        FrameCodec::setWaitLimits(200, 200);
        QVERIFY(!done);
        QCOMPARE(texts.value(0), QStringLiteral("The command was stopped."));
    }

    // Once its thread is asked to stop, a link starts no new exchange: the
    // calculator would carry out a deletion that nobody waits for.
    void stoppedThreadSendsNothing()
    {
        CalcSimulator sim;
        sim.setFiles({ { QStringLiteral("A.PY"), "a" } });
        QVERIFY(sim.start());
        QSemaphore opened;
        QSemaphore stopAsked;
        QStringList texts;
        bool deleted = true;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            CVivuRuza link(QString(), nullptr);
            connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
            const bool open = link.openPort(sim.portPath());
            opened.release();
            stopAsked.acquire();
            VivuRuza::fileInf file;
            file.set_name("A.PY");
            file.set_size(1);
            deleted = open && link.deleteFile(file);
        }));
        thread->start();
        opened.acquire();
        thread->requestInterruption();
        stopAsked.release();
        QVERIFY(thread->wait(60000));
        QVERIFY(!deleted);
        QCOMPARE(texts, QStringList { QStringLiteral("The command was stopped.") });
        QVERIFY(!sim.receivedTypes().contains(calcMsg::DELETE_FILE));
        QVERIFY(sim.hasFile(QStringLiteral("A.PY")));
    }
};

QTEST_GUILESS_MAIN(TestUntrusted)
#include "tst_untrusted.moc"
