// vuvectl against a device that is slow, lies, garbles or is not a
// calculator, and against local files and folders that are not what they
// seem: the right exit code and words, local files byte-identical or written
// as asked, the calculator's files exact, and every command ending.

#include "CalcSimulator.h"
#include "LocalFiles.h"
#include "ProcessRun.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

using VivuRuza::calcMsg;

namespace {

enum Fault {
    NoFault,
    LateFileReply,
    BrokenFileName,
    BrokenDeviceName,
    OversizeFileSize,
    OversizeCount,
    RefusedCount,
    RefusedEntries,
    NegativeCount,
    HugeCount,
    WrongEntryType,
    SlowEndlessListing,
    Trickle,
    FrameReplyNone,
    FrameReplyFrame,
    FrameReplyEmpty,
    Chunk65530,
    ChunkMax,
    PlantedLink,
    DanglingLink,
    Fifo,
    ControlNames,
};

const QByteArray contentA = [] {
    QByteArray b(1000, Qt::Uninitialized);
    for (int i = 0; i < b.size(); ++i)
        b[i] = char((i * 7 + 1) & 0xFF);
    return b;
}();
const QByteArray contentB = [] {
    QByteArray b(1000, Qt::Uninitialized);
    for (int i = 0; i < b.size(); ++i)
        b[i] = char((i * 13 + 5) & 0xFF);
    return b;
}();
const QByteArray oldLocal("old local content that must survive");

Run vuvectl(const QStringList &args, const QString &runAs = QString())
{
    if (runAs.isEmpty())
        return runProcess(QStringLiteral(VUVECTL_PATH), args);
    return runProcess(QStringLiteral("setpriv"),
        QStringList { QStringLiteral("--reuid=") + runAs, QStringLiteral("--regid=") + runAs,
            QStringLiteral("--clear-groups"), QStringLiteral(VUVECTL_PATH) }
            + args);
}

} // namespace

class TestCtlFaults : public QObject
{
    Q_OBJECT
    // Where the tool asks before replacing a local file, the rows tell it to
    // replace: the old file is then at stake, as it is for the window.
    bool m_replaceOption = false;

private slots:
    void initTestCase()
    {
        m_replaceOption
            = vuvectl({ QStringLiteral("--help") }).out.contains(QLatin1String("--on-conflict"));
    }

    void fault_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("out");

        const QStringList getA { QStringLiteral("get"), QStringLiteral("A.PY") };
        const QStringList getAB { QStringLiteral("get"), QStringLiteral("A.PY"),
            QStringLiteral("B.PY") };
        const QStringList ls { QStringLiteral("ls") };
        const QStringList rmB { QStringLiteral("rm"), QStringLiteral("B.PY") };
        const QStringList put { QStringLiteral("put"), QStringLiteral("@UPLOAD") };
        const QStringList putBig { QStringLiteral("put"), QStringLiteral("@BIG") };
        const auto skipped = [](int entry) {
            return QStringLiteral("The calculator sent a malformed entry (%1 of 2) in its file "
                                  "list; that file is left out.")
                .arg(entry);
        };
        const QString unexpectedFrame
            = QStringLiteral("The calculator sent an unexpected reply (sending NEW.py).");
        const QString any; // nothing particular on stdout

        // Class: late replies never land in the next request.
        QTest::newRow("late reply, get A B")
            << int(LateFileReply) << getAB << 1 << QStringLiteral("error code: 421") << any;
        // Class: a reply that does not parse whole is not used. A listing
        // entry that does not is left out and told, and the listing, being
        // incomplete, fails the command; the good entries still serve.
        QTest::newRow("name not UTF-8, ls")
            << int(BrokenFileName) << ls << 1 << skipped(2) << QStringLiteral("A.PY\t1000\n");
        QTest::newRow("name not UTF-8, get")
            << int(BrokenFileName) << getA << 1 << skipped(2) << QString();
        QTest::newRow("name not UTF-8, get pattern")
            << int(BrokenFileName) << QStringList { QStringLiteral("get"), QStringLiteral("*.PY") }
            << 1 << skipped(2) << QString();
        QTest::newRow("name not UTF-8, rm pattern")
            << int(BrokenFileName) << QStringList { QStringLiteral("rm"), QStringLiteral("*.PY") }
            << 1 << skipped(2) << QString();
        QTest::newRow("device name not UTF-8, put")
            << int(BrokenDeviceName) << put << 1
            << QStringLiteral("answers, but not as a calculator does") << QString();
        QTest::newRow("size beyond 32 bits, get")
            << int(OversizeFileSize) << getA << 1 << skipped(1) << QString();
        QTest::newRow("count beyond 32 bits, ls")
            << int(OversizeCount) << ls << 1
            << QStringLiteral("The calculator sent a malformed reply (number of files).")
            << QString();
        // Class: a refused or broken listing is not an empty calculator.
        QTest::newRow("count refused, ls")
            << int(RefusedCount) << ls << 1 << QStringLiteral("Busy now7") << QString();
        QTest::newRow("count refused, get")
            << int(RefusedCount) << getA << 1 << QStringLiteral("Busy now7") << QString();
        QTest::newRow("count refused, rm")
            << int(RefusedCount) << rmB << 1 << QStringLiteral("Busy now7") << QString();
        QTest::newRow("entries refused, ls")
            << int(RefusedEntries) << ls << 1 << QStringLiteral("Busy now7") << QString();
        QTest::newRow("negative count, ls")
            << int(NegativeCount) << ls << 1
            << QStringLiteral("The calculator reported -1 files, which no calculator holds")
            << QString();
        QTest::newRow("entries of another type, ls")
            << int(WrongEntryType) << ls << 1
            << QStringLiteral("The calculator sent an unexpected reply (file list).") << QString();
        // Class: every command has an overall bound.
        QTest::newRow("count no calculator holds, ls")
            << int(HugeCount) << ls << 1
            << QStringLiteral("The calculator reported 2147483647 files, which no calculator holds")
            << QString();
        QTest::newRow("slow endless listing, ls")
            << int(SlowEndlessListing) << ls << 1
            << QStringLiteral("The calculator took too long to answer; the command was stopped.")
            << QString();
        QTest::newRow("trickle, ls")
            << int(Trickle) << ls << 1 << QStringLiteral("does not answer") << QString();
        // Class: only SUCCESS accepts an upload frame.
        QTest::newRow("frame answered NONE")
            << int(FrameReplyNone) << put << 1 << unexpectedFrame << QString();
        QTest::newRow("frame answered FRAME")
            << int(FrameReplyFrame) << put << 1 << unexpectedFrame << QString();
        QTest::newRow("frame answered empty")
            << int(FrameReplyEmpty) << put << 1 << unexpectedFrame << QString();
        // Class: a chunk that cannot fit a frame.
        QTest::newRow("chunk 65530, put") << int(Chunk65530) << put << 0 << QString() << any;
        QTest::newRow("chunk 2^31-1, put") << int(ChunkMax) << put << 0 << QString() << any;
        QTest::newRow("chunk 2^31-1, put 70000 bytes")
            << int(ChunkMax) << putBig << 1
            << QStringLiteral("announces chunks larger than one message can carry") << QString();
        // Class: downloads never write through links.
        QTest::newRow("planted link, get") << int(PlantedLink) << getA << 0 << QString() << any;
        QTest::newRow("dangling link, get") << int(DanglingLink) << getA << 0 << QString() << any;
        // Class: only regular files are sent.
        QTest::newRow("fifo, put")
            << int(Fifo) << put << 1 << QStringLiteral("is not a regular file and can't be sent.")
            << QString();
        // Class: names from the device are shown with control characters escaped.
        QTest::newRow("control characters, ls") << int(ControlNames) << ls << 0 << QString()
                                                << QStringLiteral("A\\x1b[2J.PY\t3\nB\\nC.PY\t3\n");
        QTest::newRow("control characters, info")
            << int(ControlNames) << QStringList { QStringLiteral("info") } << 0 << QString()
            << QStringLiteral("Evil\\x1b]0;owned\\x07\n");
    }

    void fault()
    {
        QFETCH(int, fault);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, out);

        CalcSimulator sim;
        sim.setFiles(
            { { QStringLiteral("A.PY"), contentA }, { QStringLiteral("B.PY"), contentB } });
        QTemporaryDir dir;
        const QString localA = dir.filePath(QStringLiteral("A.PY"));
        const QString localB = dir.filePath(QStringLiteral("B.PY"));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        const QString upload = dir.filePath(QStringLiteral("new.py"));
        const QString big = dir.filePath(QStringLiteral("big.py"));
        QVERIFY(writeLocal(elsewhere, oldLocal));
        QVERIFY(writeLocal(upload, QByteArray(3000, 'u') + contentA));
        QVERIFY(writeLocal(big, QByteArray(70000, 'b')));
        bool localIsLink = false;

        switch (Fault(fault)) {
        case NoFault:
            break;
        case LateFileReply:
            QVERIFY(writeLocal(localA, oldLocal));
            sim.setLateReply(calcMsg::GET_FILE, 500);
            break;
        case BrokenFileName:
            QVERIFY(writeLocal(localA, oldLocal));
            sim.setBrokenUtf8FileName(QStringLiteral("B.PY"));
            break;
        case BrokenDeviceName:
            sim.setBrokenUtf8DeviceName(true);
            break;
        case OversizeFileSize:
            QVERIFY(writeLocal(localA, oldLocal));
            sim.setOversize(CalcSimulator::Oversize::FileSize);
            break;
        case OversizeCount:
            sim.setOversize(CalcSimulator::Oversize::FilesNum);
            break;
        case RefusedCount:
            QVERIFY(writeLocal(localA, oldLocal));
            sim.setRefusal(
                calcMsg::GET_FILES_NUM, calcMsg::MEMORY_ERROR, 7, QStringLiteral("Busy now"));
            break;
        case RefusedEntries:
            sim.setRefusal(
                calcMsg::GET_FILES_INF, calcMsg::MEMORY_ERROR, 7, QStringLiteral("Busy now"));
            break;
        case NegativeCount:
            sim.setAnnouncedFileCount(-1);
            break;
        case WrongEntryType:
            sim.setListingEntryType(calcMsg::FRAME);
            break;
        case HugeCount:
            sim.setAnnouncedFileCount(std::numeric_limits<qint32>::max());
            sim.setEndlessListing(true);
            break;
        case SlowEndlessListing:
            // Every entry comes just inside the wait limit: only the
            // command's own bound ends it.
            sim.setAnnouncedFileCount(20);
            sim.setEndlessListing(true);
            break;
        case Trickle:
            sim.setTrickle(150);
            break;
        case FrameReplyNone:
            sim.setFrameReply(calcMsg::NONE);
            break;
        case FrameReplyFrame:
            sim.setFrameReply(calcMsg::FRAME);
            break;
        case FrameReplyEmpty:
            sim.setFrameReply(-1);
            break;
        case Chunk65530:
            sim.setMaxChunkSize(65530);
            break;
        case ChunkMax:
            sim.setMaxChunkSize(std::numeric_limits<int>::max());
            break;
        case PlantedLink:
            QVERIFY(QFile::link(elsewhere, localA));
            localIsLink = true;
            break;
        case DanglingLink:
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nothere")), localA));
            localIsLink = true;
            break;
        case Fifo:
            QVERIFY(QFile::remove(upload));
            QVERIFY(::mkfifo(QFile::encodeName(upload).constData(), 0600) == 0);
            break;
        case ControlNames:
            sim.setName(QStringLiteral("Evil\x1b]0;owned\x07"));
            sim.setFiles({ { QStringLiteral("A\x1b[2J.PY"), QByteArray("abc") },
                { QStringLiteral("B\nC.PY"), QByteArray("def") } });
            break;
        }
        QVERIFY(sim.start());
        const auto deviceBefore = sim.files();

        QStringList all { QStringLiteral("--port"), sim.portPath() };
        // Short limits keep the rows quick. The slow listing answers well
        // inside the wait for one reply (so only the command's bound, a
        // quarter of it per entry, can end it), with room for a loaded machine.
        QString timeout = QStringLiteral("400");
        if (Fault(fault) == SlowEndlessListing) {
            sim.setReplyDelay(600);
            timeout = QStringLiteral("1000");
        }
        all << QStringLiteral("--timeout") << timeout;
        for (const QString &a : qAsConst(args)) {
            if (a == QLatin1String("@UPLOAD"))
                all << upload;
            else if (a == QLatin1String("@BIG"))
                all << big;
            else
                all << a;
        }
        if (args.first() == QLatin1String("get")) {
            all << QStringLiteral("--to") << dir.path();
            if (m_replaceOption)
                all << QStringLiteral("--on-conflict=replace");
        }

        const Run r = vuvectl(all);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        if (!err.isEmpty())
            QVERIFY2(r.err.contains(err), qPrintable(r.err));
        else
            QCOMPARE(r.err, QString());
        if (!out.isNull())
            QVERIFY2(r.out.contains(out), qPrintable(r.out));

        // What the calculator holds is exact: unchanged by a failure, or
        // the file as sent.
        const auto deviceAfter = sim.files();
        const bool putOk = args.first() == QLatin1String("put") && exitCode == 0;
        if (putOk) {
            QCOMPARE(sim.fileContent(QStringLiteral("NEW.py")), readLocal(upload));
            QCOMPARE(deviceAfter.size(), deviceBefore.size() + 1);
        } else if (Fault(fault) == BrokenFileName && args.first() == QLatin1String("rm")) {
            // The pattern matched the good name only.
            QCOMPARE(deviceAfter, deviceBefore.mid(1));
        } else {
            QCOMPARE(deviceAfter, deviceBefore);
        }

        // Local files: never written through a link, never replaced by a
        // failure, and a file of another name never gets this one's bytes.
        QCOMPARE(readLocal(elsewhere), oldLocal);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nothere"))));
        const bool copiedA = localIsLink
            || (Fault(fault) == BrokenFileName && args.first() == QLatin1String("get"));
        if (copiedA) {
            QVERIFY(!QFileInfo(localA).isSymLink());
            QCOMPARE(readLocal(localA), contentA);
        }
        if (Fault(fault) == BrokenFileName)
            QVERIFY(!QFileInfo::exists(localB));
        if (Fault(fault) == LateFileReply) {
            QCOMPARE(readLocal(localA), oldLocal);
            // A calculator that stopped answering is not asked for B: its
            // late reply to A could pass for B's.
            QVERIFY(!QFileInfo::exists(localB));
            QVERIFY2(r.err.contains(QLatin1String("B.PY")), qPrintable(r.err));
        } else if (QFileInfo::exists(localA) && !copiedA) {
            QCOMPARE(readLocal(localA), oldLocal);
        }
    }

    // A reply that one run gave up on and the next run reads first is told
    // as the late reply it is, not as a device that is no calculator.
    void lateReplyReadByNextRun()
    {
        CalcSimulator sim;
        sim.setFiles(
            { { QStringLiteral("A.PY"), contentA }, { QStringLiteral("B.PY"), contentB } });
        sim.setHeldReply(calcMsg::GET_FILE);
        QVERIFY(sim.start());
        QTemporaryDir dir;
        const QStringList port { QStringLiteral("--port"), sim.portPath() };

        const Run first = vuvectl(port
            + QStringList { QStringLiteral("--timeout"), QStringLiteral("300"),
                QStringLiteral("get"), QStringLiteral("A.PY"), QStringLiteral("--to"),
                dir.path() });
        QCOMPARE(first.exitCode, 1);
        QVERIFY2(first.err.contains(QLatin1String("error code: 421")), qPrintable(first.err));

        const Run next = vuvectl(port + QStringList { QStringLiteral("ls") });
        QCOMPARE(next.exitCode, 1);
        QCOMPARE(next.err,
            QStringLiteral("The calculator at %1 answered late, with its reply to an earlier "
                           "request; try again.\n")
                .arg(sim.portPath()));
        QCOMPARE(next.out, QString());
    }

    // Each way the port can fail has its own words; permission names the fix,
    // and a busy port the program holding it, unless that is the device side
    // of a pseudo-terminal (a simulator), which is no program to close.
    void portProblems_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("notErr");
        QTest::newRow("missing") << QStringLiteral("missing")
                                 << QStringLiteral("does not exist (any more)") << QString();
        QTest::newRow("not a serial port")
            << QStringLiteral("null") << QStringLiteral("/dev/null is not a serial port")
            << QString();
        QTest::newRow("busy, by the other end")
            << QStringLiteral("busy") << QStringLiteral("is in use by another program. Close it")
            << QStringLiteral("process");
        QTest::newRow("busy, by another program")
            << QStringLiteral("held")
            << QStringLiteral("is in use by another program (vuvectl, process ") << QString();
        QTest::newRow("permission")
            << QStringLiteral("permission")
            << QStringLiteral("(see /usr/share/doc/vuve-vudurod/troubleshooting.md), "
                              "or add yourself to the dialout group")
            << QString();
        QTest::newRow("silent") << QStringLiteral("silent")
                                << QStringLiteral("does not answer. Switch it on, open its home "
                                                  "screen and plug it in again.")
                                << QString();
    }

    void portProblems()
    {
        QFETCH(QString, kind);
        QFETCH(QString, err);
        QFETCH(QString, notErr);
        QTemporaryDir dir;
        int master = -1, slave = -1;
        char name[128];
        QVERIFY(::openpty(&master, &slave, name, nullptr, nullptr) == 0);
        // Only this process is the terminal's other end, not the programs it starts.
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        ::fcntl(slave, F_SETFD, FD_CLOEXEC);
        const QString pty = QString::fromLocal8Bit(name);
        QString port = pty;
        QString runAs;
        QSerialPort holder;
        QProcess otherProgram;
        if (kind == QLatin1String("missing")) {
            port = dir.filePath(QStringLiteral("ttyACM7"));
        } else if (kind == QLatin1String("null")) {
            port = QStringLiteral("/dev/null");
        } else if (kind == QLatin1String("busy")) {
            holder.setPortName(pty);
            QVERIFY(holder.open(QIODevice::ReadWrite));
        } else if (kind == QLatin1String("held")) {
            // Another vuvectl waits for this silent port: it holds it once
            // its first request arrives.
            otherProgram.start(QStringLiteral(VUVECTL_PATH),
                { QStringLiteral("--port"), pty, QStringLiteral("--timeout"),
                    QStringLiteral("600000"), QStringLiteral("ls") });
            pollfd request { master, POLLIN, 0 };
            QVERIFY(::poll(&request, 1, 60000) == 1);
        } else if (kind == QLatin1String("permission")) {
            if (::geteuid() != 0
                || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
                QSKIP("needs root and setpriv to open the port as another user");
            QVERIFY(::chmod(name, 0600) == 0);
            runAs = QStringLiteral("65534");
        }
        const Run r = vuvectl({ QStringLiteral("--port"), port, QStringLiteral("--timeout"),
                                  QStringLiteral("300"), QStringLiteral("ls") },
            runAs);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
        if (!notErr.isEmpty())
            QVERIFY2(!r.err.contains(notErr), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        if (otherProgram.state() != QProcess::NotRunning) {
            otherProgram.kill();
            otherProgram.waitForFinished(60000);
        }
        ::close(slave);
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(TestCtlFaults)
#include "tst_ctlfaults.moc"
