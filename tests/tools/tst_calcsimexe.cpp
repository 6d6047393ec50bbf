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
};

QTEST_GUILESS_MAIN(TestCalcSimExe)
#include "tst_calcsimexe.moc"
