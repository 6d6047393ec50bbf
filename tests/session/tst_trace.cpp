// The window's trace for bug reports: calculators found, read and gone, jobs
// started and ended, the link's requests and replies; off until the logging
// rules ask for it, and never a byte of a file's content.
#include "SessionRig.h"
#include "TraceCapture.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList tracedLines()
{
    return TraceCapture::traced();
}

bool waitForLine(const QString &line)
{
    return QTest::qWaitFor([&line] { return tracedLines().contains(line); }, 20000);
}
} // namespace

class TestTrace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The rules the test sets are the only ones.
        QVERIFY(qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"));
        TraceCapture::start();
    }
    void cleanupTestCase() { TraceCapture::stop(); }
    void init() { TraceCapture::clear(); }
    void cleanup() { QLoggingCategory::setFilterRules(QString()); }

    void offByDefault()
    {
        {
            SessionRig rig;
            QVERIFY(rig.plug({ QStringLiteral("A") }));
            QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc A") });
            rig.ports.clear();
            rig.session.update();
            QCOMPARE(rig.rowNames(), QStringList());
        }
        QCOMPARE(tracedLines(), QStringList());
    }

    void discovery()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("vuve.*.debug=true"));
        QTemporaryDir scratch;
        SessionRig rig;
        QVERIFY(rig.plug({ QStringLiteral("A") }));
        QVERIFY2(waitForLine(QStringLiteral("vuve.discovery: simA: reading ended, 1 files")),
            qPrintable(tracedLines().join(QLatin1Char('\n'))));
        QVERIFY(tracedLines().contains(
            QStringLiteral("vuve.discovery: simA: port found, reading started")));
        QVERIFY(!tracedLines()
                     .filter(QRegularExpression(
                         QStringLiteral("^vuve\\.link: \\S+: request GET_DEVICE_INF, 2 bytes$")))
                     .isEmpty());

        // A port that gives no calculator: its reading fails with the reason.
        const QString missing = scratch.filePath(QStringLiteral("ttyGONE"));
        rig.ports.append(CalcPort(QStringLiteral("simZ"), missing));
        rig.session.update();
        QVERIFY(rig.waitForReadings());
        QVERIFY2(!tracedLines()
                      .filter(QStringLiteral("vuve.discovery: simZ: reading failed: "))
                      .isEmpty(),
            qPrintable(tracedLines().join(QLatin1Char('\n'))));

        rig.ports.clear();
        rig.session.update();
        QVERIFY(tracedLines().contains(QStringLiteral("vuve.discovery: simA: port gone")));
        QVERIFY(tracedLines().contains(QStringLiteral("vuve.discovery: simZ: port gone")));
    }

    void jobsWithoutContent()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("vuve.*.debug=true"));
        QTemporaryDir folder;
        QByteArray content;
        while (content.size() < 1500)
            content += "CANARY-7f3a-content-of-the-user ";
        const QString local = folder.filePath(QStringLiteral("PROG.txt"));
        QVERIFY(writeLocalFile(local, content));

        SessionRig rig;
        QVERIFY(rig.plug({ QStringLiteral("A") }));
        rig.session.toCalcUrls({ QUrl::fromLocalFile(local) });
        rig.session.sendFiles();
        QVERIFY2(waitForLine(QStringLiteral("vuve.session: simA: job ended")),
            qPrintable(tracedLines().join(QLatin1Char('\n'))));
        QCOMPARE(rig.sim(QStringLiteral("A"))->fileContent(QStringLiteral("PROG.txt")), content);

        const QStringList lines = tracedLines();
        QVERIFY(lines.contains(QStringLiteral("vuve.session: simA: send started, 1 files")));
        // The plan's decision, the file's start and its outcome, by name and
        // size. Batch lines name the port as the link's lines do.
        const QString size = QString::number(content.size());
        const QStringList batch = lines.filter(QStringLiteral("vuve.transfer: "));
        QCOMPARE(batch.size(), 4);
        QVERIFY2(batch.at(0).contains(QRegularExpression(
                     QStringLiteral("^vuve\\.transfer: \\S+: upload of 1 files$"))),
            qPrintable(batch.at(0)));
        QVERIFY2(batch.at(1).contains(QRegularExpression(
                     QStringLiteral("^vuve\\.transfer: \\S+: 1: \\S*PROG\\.txt as PROG\\.txt, "
                                    "%1 bytes, planned$")
                         .arg(size))),
            qPrintable(batch.at(1)));
        QVERIFY2(batch.at(2).contains(QRegularExpression(
                     QStringLiteral("^vuve\\.transfer: \\S+: 1: PROG\\.txt started$"))),
            qPrintable(batch.at(2)));
        QVERIFY2(
            batch.at(3).contains(QRegularExpression(
                QStringLiteral("^vuve\\.transfer: \\S+: 1: PROG\\.txt done, %1 bytes$").arg(size))),
            qPrintable(batch.at(3)));
        QCOMPARE(
            lines.filter(QRegularExpression(QStringLiteral(": request FRAME, \\d+ bytes$"))).size(),
            3);
        const QString all = lines.join(QLatin1Char('\n'));
        QVERIFY2(!all.contains(QStringLiteral("CANARY"), Qt::CaseInsensitive), qPrintable(all));
        QVERIFY2(
            !all.contains(QString::fromLatin1(QByteArray("CANARY").toHex()), Qt::CaseInsensitive),
            qPrintable(all));
    }

    // The window's answers to its questions, each with the collision it
    // answered, ahead of any batch: a file skipped so never reaches a batch
    // of its own. A send to several calculators asks once for all of them.
    void collisionsSettled_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("settled");
        QTest::newRow("send, replace")
            << QStringLiteral("send") << true
            << QStringLiteral("vuve.transfer: window: A.PY, name taken on the calculator: replace");
        QTest::newRow("send, skip")
            << QStringLiteral("send") << false
            << QStringLiteral("vuve.transfer: window: A.PY, name taken on the calculator: skip");
        QTest::newRow("download, replace")
            << QStringLiteral("download") << true
            << QStringLiteral("vuve.transfer: window: A.PY, exists locally: replace");
        QTest::newRow("download, skip")
            << QStringLiteral("download") << false
            << QStringLiteral("vuve.transfer: window: A.PY, exists locally: skip");
        QTest::newRow("class, replace")
            << QStringLiteral("class") << true
            << QStringLiteral("vuve.transfer: class: A.PY, name taken on the calculator: replace");
        QTest::newRow("class, skip")
            << QStringLiteral("class") << false
            << QStringLiteral("vuve.transfer: class: A.PY, name taken on the calculator: skip");
    }
    void collisionsSettled()
    {
        QFETCH(QString, kind);
        QFETCH(bool, replace);
        QFETCH(QString, settled);
        QLoggingCategory::setFilterRules(QStringLiteral("vuve.*.debug=true"));
        QTemporaryDir folder;
        const QString local = folder.filePath(QStringLiteral("A.PY"));
        QVERIFY(writeLocalFile(local, "mine"));
        SessionRig rig;
        QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
        if (kind == QLatin1String("download")) {
            rig.session.addSelected(0);
            rig.session.fromCalcUrls(true, QUrl::fromLocalFile(folder.path()));
            QVERIFY(rig.session.isFromCalcCollision());
            rig.session.releaseFromCalcCollision(replace);
        } else if (kind == QLatin1String("send")) {
            rig.session.toCalcUrls({ QUrl::fromLocalFile(local) });
            QVERIFY(rig.session.isToCalcExistingCollision());
            rig.session.releaseToCalcCollision(replace);
        } else {
            // Taken on A only; B gets the file either way.
            QVERIFY(rig.session.planClassSend({ QUrl::fromLocalFile(local) }, true));
            QCOMPARE(rig.session.classTakenNames(), QStringList { QStringLiteral("A.PY") });
            rig.session.startClassSend(replace);
            QVERIFY(QTest::qWaitFor(
                [&rig] {
                    return !rig.session.classJob()->running() && rig.session.runningJobs() == 0;
                },
                60000));
        }
        const QStringList lines = tracedLines().filter(QStringLiteral("vuve.transfer: "));
        QVERIFY2(!lines.isEmpty() && lines.first() == settled && lines.count(settled) == 1,
            qPrintable(lines.join(QLatin1Char('\n'))));
        // Only the class send goes on to batches, one per calculator.
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral(": upload of \\d+ files$"))).size(),
            kind == QLatin1String("class") ? 2 : 0);
    }
};

QTEST_GUILESS_MAIN(TestTrace)
#include "tst_trace.moc"
