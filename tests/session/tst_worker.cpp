#include "CVoriWorker.h"

#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

// Runs one job the way the session does: the worker moves into a fresh thread
// whose started() calls the job slot.
static void runJob(CVoriWorker &worker, void (CVoriWorker::*job)(), QObject *afterFinished,
    std::function<void()> onFinished)
{
    QThread thread;
    worker.moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, &worker, job);
    QObject::connect(&worker, &CVoriWorker::finished, afterFinished, onFinished);
    QObject::connect(&worker, &CVoriWorker::finished, &thread, &QThread::quit);
    QSignalSpy threadDone(&thread, &QThread::finished);
    thread.start();
    QVERIFY(threadDone.wait(20000));
    thread.wait();
    QCoreApplication::processEvents();
}

class TestWorker : public QObject
{
    Q_OBJECT
private slots:
    void unreachableCalculator();
    void jobsOnUnreachableCalculator_data();
    void jobsOnUnreachableCalculator();
};

// A port that cannot be opened leaves an empty worker and reports nothing.
void TestWorker::unreachableCalculator()
{
    CVoriWorker byLocation(
        CalcPort(QStringLiteral("ttyNONE"), QStringLiteral("/nonexistent/ttyNONE")));
    QCOMPARE(byLocation.portInfo.portName(), QStringLiteral("ttyNONE"));
    QCOMPARE(byLocation.portInfo.systemLocation(), QStringLiteral("/nonexistent/ttyNONE"));
    QVERIFY(byLocation.name.isEmpty());
    QVERIFY(byLocation.filesList.isEmpty());
    QVERIFY(!byLocation.calc);

    CVoriWorker byInfo((QSerialPortInfo()));
    QVERIFY(byInfo.portInfo.portName().isEmpty());
    QVERIFY(byInfo.name.isEmpty());
    QVERIFY(!byInfo.calc);
}

void TestWorker::jobsOnUnreachableCalculator_data()
{
    QTest::addColumn<int>("job");
    QTest::newRow("send") << 0;
    QTest::newRow("download") << 1;
    QTest::newRow("delete") << 2;
    QTest::newRow("rename") << 3;
}

// Every job ends normally, hands the worker back and leaves no link behind,
// and what it read is in place for slots queued on finished().
void TestWorker::jobsOnUnreachableCalculator()
{
    QFETCH(int, job);
    static void (CVoriWorker::*const jobSlots[])() = { &CVoriWorker::sendFiles,
        &CVoriWorker::getFiles, &CVoriWorker::delFiles, &CVoriWorker::setDevName };
    CVoriWorker worker(CalcPort(QStringLiteral("ttyNONE"), QStringLiteral("/nonexistent/ttyNONE")));
    const QList<QPair<QString, int>> stale { { QStringLiteral("OLD.PY"), 3 } };
    worker.filesList = stale;
    worker.name = QStringLiteral("Old name");
    worker.toCalcFiles = { { QStringLiteral("/nonexistent/a.py"), QStringLiteral("A.PY") } };
    worker.files = stale;
    worker.newName = QStringLiteral("New");

    QSignalSpy finished(&worker, &CVoriWorker::finished);
    QSignalSpy errors(&worker, &CVoriWorker::errorNotify);
    QObject probe;
    QList<QPair<QString, int>> seenList;
    QString seenName;
    runJob(worker, jobSlots[job], &probe, [&] {
        seenList = worker.filesList;
        seenName = worker.name;
    });

    QCOMPARE(finished.count(), 1);
    QCOMPARE(worker.thread(), QThread::currentThread());
    QVERIFY(!worker.calc);
    // Send and delete read the list afresh; a link that never opened reads none.
    const bool readsList = job == 0 || job == 2;
    const QList<QPair<QString, int>> none;
    QCOMPARE(seenList, readsList ? none : stale);
    QCOMPARE(seenName, job == 3 ? QString() : QStringLiteral("Old name"));
    if (job == 0)
        QCOMPARE(errors.count(), 1); // the local file cannot be read
}

QTEST_GUILESS_MAIN(TestWorker)
#include "tst_worker.moc"
