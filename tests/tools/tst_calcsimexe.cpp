// The simulator as people start it by hand: a process that prints the path of
// its pseudo-terminal, which a serial port then opens like a calculator's.

#include "CVivuRuza.h"

#include <QProcess>
#include <QTemporaryDir>

#include "serializeData.pb.h"
#include <QtTest>

class TestCalcSimExe : public QObject
{
    Q_OBJECT

    static bool startSim(QProcess &sim, const QStringList &args, QString &path)
    {
        sim.start(QStringLiteral(CALCSIM_PATH), args);
        if (!sim.waitForStarted() || !sim.waitForReadyRead(10000))
            return false;
        path = QString::fromLocal8Bit(sim.readLine()).trimmed();
        return !path.isEmpty();
    }

    static void stopSim(QProcess &sim)
    {
        sim.terminate();
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    }

private slots:
    void servesOnThePrintedPath()
    {
        QProcess sim;
        QString path;
        QVERIFY(startSim(sim,
            { QStringLiteral("--name"), QStringLiteral("Bench 7"), QStringLiteral("--chunk"),
                QStringLiteral("4096"), QStringLiteral("--sample") },
            path));
        {
            CVivuRuza link(path);
            QCOMPARE(link.devName(), QStringLiteral("Bench 7"));
            QCOMPARE(link.chunkSize, 4096);
            QVERIFY(!link.getFilesInf().isEmpty());
        }
        stopSim(sim);
    }

    void linkPathAndFaults()
    {
        QTemporaryDir dir;
        const QString linkPath = dir.filePath(QStringLiteral("calc"));
        QProcess sim;
        QString path;
        QVERIFY(startSim(sim,
            { QStringLiteral("--link"), linkPath, QStringLiteral("--refuse"),
                QStringLiteral("DELETE_FILE:MEMORY_ERROR:0:Busy") },
            path));
        QVERIFY(QFileInfo(linkPath).isSymLink());
        {
            CVivuRuza link(linkPath);
            QCOMPARE(link.devName(), QStringLiteral("Vori X1"));
            QStringList texts;
            connect(&link, &CVivuRuza::errorNotify, [&texts](const QString &t) { texts << t; });
            VivuRuza::fileInf inf;
            inf.set_name("A.PY");
            inf.set_size(1);
            QVERIFY(!link.deleteFile(inf));
            QCOMPARE(texts, QStringList { QStringLiteral("Busy") });
        }
        stopSim(sim);
        QVERIFY(!QFileInfo::exists(linkPath) && !QFileInfo(linkPath).isSymLink());
    }

    void paceAndStore_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("leastMs"); // before the device's name is known
        QTest::addColumn<int>("wrong"); // bytes stored wrong
        const auto args = [](const char *line) {
            return QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        QTest::newRow("healthy") << args("") << 1500 << 0 << 0;
        QTest::newRow("corrupt store") << args("--corrupt-store") << 1500 << 0 << 1;
        QTest::newRow("calculator's pace")
            << args("--latency 150 --byte-rate 1000000") << 1500 << 150 << 0;
        // The request for the device's name alone is 8 bytes: 20 ms at 400.
        QTest::newRow("slow byte rate") << args("--byte-rate 400") << 10 << 20 << 0;
        QTest::newRow("corrupt store, paced")
            << args("--corrupt-store --latency 1 --byte-rate 1000000") << 1500 << 1 << 1;
    }

    // The upload succeeds either way; only the stored bytes and the time
    // before the first reply tell. The time is a lower bound only.
    void paceAndStore()
    {
        QFETCH(QStringList, args);
        QFETCH(int, size);
        QFETCH(int, leastMs);
        QFETCH(int, wrong);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess sim;
        QString path;
        QVERIFY(startSim(sim, args + QStringList { QStringLiteral("--folder"), dir.path() }, path));
        QByteArray sent(size, Qt::Uninitialized);
        for (int i = 0; i < sent.size(); ++i)
            sent[i] = char(i * 7);
        {
            QElapsedTimer timer;
            timer.start();
            CVivuRuza link(path);
            QVERIFY(timer.elapsed() >= leastMs);
            QCOMPARE(link.devName(), QStringLiteral("Vori X1"));
            VivuRuza::fileInf inf;
            inf.set_name("U.BIN");
            inf.set_size(sent.size());
            QVERIFY(link.sendFile(inf, sent));
            QFile stored(dir.filePath(QStringLiteral("U.BIN")));
            QVERIFY(stored.open(QIODevice::ReadOnly));
            const QByteArray onDisk = stored.readAll();
            QCOMPARE(onDisk.size(), sent.size());
            int differing = 0;
            for (int i = 0; i < sent.size(); ++i)
                differing += onDisk.at(i) != sent.at(i) ? 1 : 0;
            QCOMPARE(differing, wrong);
            QCOMPARE(link.getFile(inf), onDisk);
        }
        stopSim(sim);
    }

    void replyFaultOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("serves"); // or refuses the command line with exit code 2
        const auto row = [](const char *name, const QString &args, bool serves) {
            QTest::newRow(name) << args.split(QLatin1Char(' ')) << serves;
        };
        row("late reply", QStringLiteral("--late-reply GET_FILES_NUM:200"), true);
        row("late reply, type by number", QStringLiteral("--late-reply 4:50"), true);
        row("held reply", QStringLiteral("--held-reply GET_FILE"), true);
        row("frame with data beyond its size", QStringLiteral("--bad-frame long"), true);
        row("frame with two data blocks", QStringLiteral("--bad-frame twoblocks"), true);
        row("reply delay", QStringLiteral("--reply-delay 0"), true);
        row("trickle", QStringLiteral("--trickle 5"), true);
        row("broken device name", QStringLiteral("--broken-utf8-name"), true);
        row("broken file name", QStringLiteral("--sample --broken-utf8-file MAIN.py"), true);
        row("oversize sizes", QStringLiteral("--oversize size"), true);
        row("oversize count", QStringLiteral("--oversize count"), true);
        row("announced count", QStringLiteral("--announce-files -3"), true);
        row("announced count beyond 32 bits", QStringLiteral("--announce-files 99999999999"), true);
        row("endless listing", QStringLiteral("--endless-listing"), true);
        row("listing type", QStringLiteral("--listing-type success"), true);
        row("frame reply", QStringLiteral("--frame-reply NONE"), true);
        row("empty frame reply", QStringLiteral("--frame-reply empty"), true);
        row("late reply without ms", QStringLiteral("--late-reply GET_FILES_NUM"), false);
        row("late reply of no type", QStringLiteral("--late-reply BOGUS:50"), false);
        row("late reply of 0 ms", QStringLiteral("--late-reply GET_FILE:0"), false);
        row("held reply of no type", QStringLiteral("--held-reply BOGUS"), false);
        row("frame fault of no kind", QStringLiteral("--bad-frame short"), false);
        row("negative reply delay", QStringLiteral("--reply-delay -1"), false);
        row("trickle of words", QStringLiteral("--trickle slow"), false);
        row("oversize of both", QStringLiteral("--oversize both"), false);
        row("announced count of words", QStringLiteral("--announce-files many"), false);
        row("listing type out of range", QStringLiteral("--listing-type 99"), false);
        row("frame reply -1", QStringLiteral("--frame-reply -1"), false);
        row("pace of a calculator's USB", QStringLiteral("--latency 1 --byte-rate 1000000"), true);
        row("pace off", QStringLiteral("--latency 0 --byte-rate 0"), true);
        row("corrupt store", QStringLiteral("--corrupt-store"), true);
        row("store while receiving", QStringLiteral("--store-while-receiving"), true);
        row("negative latency", QStringLiteral("--latency -1"), false);
        row("latency of words", QStringLiteral("--latency soon"), false);
        row("negative byte rate", QStringLiteral("--byte-rate -1000"), false);
        row("byte rate of words", QStringLiteral("--byte-rate fast"), false);
    }

    void replyFaultOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, serves);
        QProcess sim;
        if (serves) {
            QString path;
            QVERIFY(startSim(sim, args, path));
            QVERIFY(QFileInfo::exists(path));
            stopSim(sim);
            QCOMPARE(sim.exitCode(), 0);
            return;
        }
        sim.start(QStringLiteral(CALCSIM_PATH), args);
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(sim.readAllStandardOutput().isEmpty());
        QVERIFY(sim.readAllStandardError().startsWith("vuve-calcsim: "));
    }
};

QTEST_GUILESS_MAIN(TestCalcSimExe)
#include "tst_calcsimexe.moc"
