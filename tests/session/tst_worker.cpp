#include "CVoriWorker.h"

#include "CalcSimulator.h"
#include "FrameCodec.h"
#include "LocalFolder.h"
#include "ShortWaits.h"

#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using VivuRuza::calcMsg;
using FileList = QList<QPair<QString, int>>;

namespace {
enum Job { Send, Download, Delete, Rename, ReadFirst };

// What a main-thread receiver saw of a job, in order: error texts, then what
// the worker held when finished() arrived.
struct JobRecord
{
    QStringList errors;
    int finished = 0;
    QString nameAtFinish;
    FileList filesAtFinish;
    bool backInMainThread = false;
};

// Runs one job the way the session does: the worker moves into a fresh thread
// whose started() calls the job slot; results come back through queued
// connections only.
JobRecord runJob(CVoriWorker &worker, Job job)
{
    static void (CVoriWorker::*const jobSlots[])()
        = { &CVoriWorker::sendFiles, &CVoriWorker::getFiles, &CVoriWorker::delFiles,
              &CVoriWorker::setDevName, &CVoriWorker::readFirst };
    JobRecord record;
    QObject receiver;
    QThread thread;
    worker.moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, &worker, jobSlots[job]);
    QObject::connect(&worker, &CVoriWorker::errorNotify, &receiver,
        [&](const QString &text) { record.errors.append(text); });
    QObject::connect(&worker, &CVoriWorker::finished, &receiver, [&] {
        ++record.finished;
        record.nameAtFinish = worker.name;
        record.filesAtFinish = worker.filesList;
        record.backInMainThread = worker.thread() == QThread::currentThread();
    });
    QObject::connect(&worker, &CVoriWorker::finished, &thread, &QThread::quit);
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread.start();
    loop.exec();
    thread.wait();
    QCoreApplication::processEvents();
    return record;
}

CalcPort simPort(const CalcSimulator &sim)
{
    return CalcPort(QStringLiteral("sim"), sim.portPath());
}
} // namespace

class TestWorker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();
    void unreachableCalculator();
    void jobsOnUnreachableCalculator_data();
    void jobsOnUnreachableCalculator();
    void constructionReadsCalculator();
    void jobs_data();
    void jobs();
    void refusedJobs_data();
    void refusedJobs();
    void failedRelisting_data();
    void failedRelisting();
    void batchStops_data();
    void batchStops();
    void readFirst_data();
    void readFirst();
    void progressInOrder_data();
    void progressInOrder();
};

void TestWorker::init()
{
    FrameCodec::setWaitLimits(FrameCodec::defaultFirstWaitMs, FrameCodec::defaultFurtherWaitMs);
}

void TestWorker::cleanupTestCase()
{
    init();
}

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
    QTest::newRow("send") << int(Send);
    QTest::newRow("download") << int(Download);
    QTest::newRow("delete") << int(Delete);
    QTest::newRow("rename") << int(Rename);
}

// Every job ends normally, hands the worker back and leaves no link behind.
void TestWorker::jobsOnUnreachableCalculator()
{
    QFETCH(int, job);
    CVoriWorker worker(CalcPort(QStringLiteral("ttyNONE"), QStringLiteral("/nonexistent/ttyNONE")));
    const FileList stale { { QStringLiteral("OLD.PY"), 3 } };
    worker.filesList = stale;
    worker.name = QStringLiteral("Old name");
    worker.toCalcFiles = { { QStringLiteral("/nonexistent/a.py"), QStringLiteral("A.PY") } };
    worker.files = stale;
    worker.newName = QStringLiteral("New");

    const JobRecord r = runJob(worker, Job(job));

    QCOMPARE(r.finished, 1);
    QVERIFY(r.backInMainThread);
    QCOMPARE(worker.thread(), QThread::currentThread());
    QVERIFY(!worker.calc);
    // Send and delete read the list afresh; a link that never opened reads
    // none, and that is not an empty calculator.
    QCOMPARE(r.filesAtFinish, stale);
    QCOMPARE(r.nameAtFinish, job == Rename ? QString() : QStringLiteral("Old name"));
    QCOMPARE(r.errors.size(), job == Send ? 1 : 0); // the local file cannot be read
}

void TestWorker::constructionReadsCalculator()
{
    CalcSimulator sim;
    sim.setName(QStringLiteral("Calc A"));
    sim.setFiles({ { QStringLiteral("MAIN.PY"), QByteArray("print(1)") },
        { QStringLiteral("EMPTY.TXT"), QByteArray() } });
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim));
    QCOMPARE(worker.name, QStringLiteral("Calc A"));
    const FileList expected { { QStringLiteral("MAIN.PY"), 8 },
        { QStringLiteral("EMPTY.TXT"), 0 } };
    QCOMPARE(worker.filesList, expected);
    QVERIFY(!worker.calc);
}

void TestWorker::jobs_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<QStringList>("calcFilesAfter");
    QTest::addColumn<QString>("nameAfter");
    QTest::addColumn<QStringList>("localFilesAfter");
    const QStringList both { QStringLiteral("A.PY"), QStringLiteral("B.PY") };
    const QString old = QStringLiteral("Calc A");
    QTest::newRow("send") << int(Send) << (both + QStringList { QStringLiteral("NEW.PY") }) << old
                          << QStringList();
    QTest::newRow("download") << int(Download) << both << old
                              << QStringList { QStringLiteral("B.PY") };
    QTest::newRow("delete") << int(Delete) << QStringList { QStringLiteral("A.PY") } << old
                            << QStringList();
    QTest::newRow("rename") << int(Rename) << both << QStringLiteral("Renamed") << QStringList();
}

// The new list or name is in place when slots queued on finished() run.
void TestWorker::jobs()
{
    QFETCH(int, job);
    QFETCH(QStringList, calcFilesAfter);
    QFETCH(QString, nameAfter);
    QFETCH(QStringList, localFilesAfter);

    LocalFolder dir(QStringLiteral("new.py"), "x = 42\n");
    QVERIFY(dir.isValid());
    QTemporaryDir dest;
    QVERIFY(dest.isValid());

    CalcSimulator sim;
    sim.setName(QStringLiteral("Calc A"));
    sim.setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
        { QStringLiteral("B.PY"), QByteArray("bb") } });
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim));
    worker.toCalcFiles = { { dir.file(), QStringLiteral("NEW.PY") } };
    worker.files = { { QStringLiteral("B.PY"), 2 } };
    worker.destFolder = dest.path();
    worker.newName = QStringLiteral("Renamed");

    const JobRecord r = runJob(worker, Job(job));

    QCOMPARE(r.finished, 1);
    QVERIFY(r.errors.isEmpty());
    QStringList names;
    for (const auto &file : r.filesAtFinish)
        names.append(file.first);
    QCOMPARE(names, calcFilesAfter);
    QCOMPARE(r.nameAtFinish, nameAfter);
    QCOMPARE(QDir(dest.path()).entryList(QDir::Files), localFilesAfter);
    if (job == Send)
        QCOMPARE(sim.fileContent(QStringLiteral("NEW.PY")), QByteArray("x = 42\n"));
}

void TestWorker::refusedJobs_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<int>("refusedType");
    QTest::addColumn<QStringList>("errors");
    const QStringList refused { QStringLiteral("Refused by test") };
    QTest::newRow("send") << int(Send) << int(calcMsg::SEND_FILE) << refused;
    QTest::newRow("download") << int(Download) << int(calcMsg::GET_FILE) << refused;
    QTest::newRow("delete") << int(Delete) << int(calcMsg::DELETE_FILE) << refused;
    // The link itself has no text for a refused name; the worker says it.
    QTest::newRow("rename") << int(Rename) << int(calcMsg::CHANGE_NAME)
                            << QStringList { QStringLiteral(
                                   "The calculator did not accept the name \"Renamed\".") };
}

// The link's texts reach the worker's errorNotify while the job runs, before
// finished(); a refused name leaves the name the calculator reported.
void TestWorker::refusedJobs()
{
    QFETCH(int, job);
    QFETCH(int, refusedType);
    QFETCH(QStringList, errors);

    LocalFolder dir(QStringLiteral("new.py"), "x = 42\n");
    QVERIFY(dir.isValid());

    CalcSimulator sim;
    sim.setName(QStringLiteral("Calc A"));
    sim.setFiles({ { QStringLiteral("A.PY"), QByteArray("a") } });
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim));
    sim.setRefusal(refusedType, calcMsg::NONE_ERROR, 0, QStringLiteral("Refused by test"));
    worker.toCalcFiles = { { dir.file(), QStringLiteral("NEW.PY") } };
    worker.files = { { QStringLiteral("A.PY"), 1 } };
    worker.destFolder = dir.path();
    worker.newName = QStringLiteral("Renamed");

    const JobRecord r = runJob(worker, Job(job));

    QCOMPARE(r.finished, 1);
    QCOMPARE(r.errors, errors);
    QCOMPARE(r.nameAtFinish, QStringLiteral("Calc A"));
    QVERIFY(!sim.hasFile(QStringLiteral("NEW.PY")));
    QVERIFY(sim.hasFile(QStringLiteral("A.PY")));
}

void TestWorker::failedRelisting_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<FileList>("files");
    QTest::newRow("send") << int(Send)
                          << FileList { { QStringLiteral("A.PY"), 1 },
                                 { QStringLiteral("B.PY"), 2 }, { QStringLiteral("NEW.PY"), 7 } };
    QTest::newRow("delete") << int(Delete) << FileList { { QStringLiteral("B.PY"), 2 } };
}

// A calculator that refuses to list its files after a send or a delete is
// not empty: the list known before stands, with what the job changed.
void TestWorker::failedRelisting()
{
    QFETCH(int, job);
    QFETCH(FileList, files);
    LocalFolder dir(QStringLiteral("new.py"), "x = 42\n");
    QVERIFY(dir.isValid());
    CalcSimulator sim;
    sim.setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
        { QStringLiteral("B.PY"), QByteArray("bb") } });
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim));
    QCOMPARE(worker.filesList.size(), 2);
    sim.setRefusal(calcMsg::GET_FILES_NUM, calcMsg::NONE_ERROR, 0, QStringLiteral("No list"));
    worker.toCalcFiles = { { dir.file(), QStringLiteral("NEW.PY") } };
    worker.files = { { QStringLiteral("A.PY"), 1 } };

    const JobRecord r = runJob(worker, Job(job));

    QCOMPARE(r.errors, QStringList { QStringLiteral("No list") });
    QCOMPARE(r.filesAtFinish, files);
}

void TestWorker::batchStops_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<QString>("error");
    QTest::newRow("send") << int(Send)
                          << "The calculator stopped answering, so these files were not sent: "
                             "b.py, c.py.";
    QTest::newRow("download") << int(Download)
                              << "The calculator stopped answering, so these files were not "
                                 "copied: B.PY, C.PY.";
}

// Handed one file at a time, the link cannot see the rest of a batch; the
// worker stops it after the first file the calculator left unanswered.
void TestWorker::batchStops()
{
    QFETCH(int, job);
    QFETCH(QString, error);
    ShortWaits shortWaits;
    LocalFolder dir(QStringLiteral("a.py"), "a = 1\n");
    QVERIFY(dir.isValid());
    QStringList locals;
    for (const char *name : { "a.py", "b.py", "c.py" }) {
        locals.append(dir.filePath(QLatin1String(name)));
        QFile f(locals.last());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x = 1\n");
    }
    CalcSimulator sim;
    sim.setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
        { QStringLiteral("B.PY"), QByteArray("b") }, { QStringLiteral("C.PY"), QByteArray("c") } });
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim));
    QCOMPARE(worker.filesList.size(), 3);
    worker.toCalcFiles = { { locals.at(0), QStringLiteral("A.PY") },
        { locals.at(1), QStringLiteral("B.PY") }, { locals.at(2), QStringLiteral("C.PY") } };
    worker.files = worker.filesList;
    worker.destFolder = dir.path();
    QSignalSpy transferred(&worker, &CVoriWorker::transferred);
    sim.setSilent(true);

    const JobRecord r = runJob(worker, Job(job));

    QCOMPARE(r.finished, 1);
    QVERIFY2(r.errors.contains(error), qPrintable(r.errors.join(QLatin1Char('\n'))));
    QCOMPARE(transferred.count(), 1);
    QCOMPARE(transferred.first(), QVariantList({ 0, 3 }));
}

void TestWorker::readFirst_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("listed");
    QTest::newRow("calculator") << QString() << true;
    QTest::newRow("silent") << "silent" << false;
    QTest::newRow("no port") << "missing" << false;
    QTest::newRow("listing fails") << "listing" << false;
}

// The first reading as a job: a calculator leaves its name and files, any
// other device a reason and nothing else; the reason is its only report.
void TestWorker::readFirst()
{
    QFETCH(QString, fault);
    QFETCH(bool, listed);
    ShortWaits shortWaits;
    CalcSimulator sim;
    sim.setName(QStringLiteral("Calc A"));
    sim.setFiles({ { QStringLiteral("A.PY"), QByteArray("a") } });
    QVERIFY(sim.start());
    CalcPort port = simPort(sim);
    if (fault == QLatin1String("silent"))
        sim.setSilent(true);
    else if (fault == QLatin1String("missing"))
        port = CalcPort(QStringLiteral("ttyNONE"), QStringLiteral("/nonexistent/ttyNONE"));
    else if (fault == QLatin1String("listing"))
        sim.setRefusal(calcMsg::GET_FILES_NUM, calcMsg::NONE_ERROR, 0, QStringLiteral("No"));
    CVoriWorker worker(port, CVoriWorker::Reading::InJob);
    QVERIFY(sim.received().isEmpty());
    QVERIFY(worker.name.isEmpty());

    const JobRecord r = runJob(worker, ReadFirst);

    QCOMPARE(r.errors, QStringList());
    QCOMPARE(worker.thread(), QThread::currentThread());
    QCOMPARE(worker.problem.isEmpty(), listed);
    const bool answered = listed || fault == QLatin1String("listing");
    QCOMPARE(worker.name, answered ? QStringLiteral("Calc A") : QString());
    QCOMPARE(worker.filesList.size(), listed ? 1 : 0);
    if (fault == QLatin1String("listing"))
        QVERIFY2(worker.problem.endsWith(QLatin1String("No")), qPrintable(worker.problem));
}

void TestWorker::progressInOrder_data()
{
    QTest::addColumn<int>("job");
    QTest::newRow("send") << int(Send);
    QTest::newRow("download") << int(Download);
}

// Reports come file by file, bytes never going back within a file, and at
// most one per interval after each file's start.
void TestWorker::progressInOrder()
{
    QFETCH(int, job);
    LocalFolder dir(QStringLiteral("one.py"), QByteArray(3000, 'o'));
    QVERIFY(dir.isValid());
    const QString two = dir.filePath(QStringLiteral("two.py"));
    {
        QFile f(two);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 't'));
    }
    QTemporaryDir dest;
    QVERIFY(dest.isValid());
    CalcSimulator sim;
    sim.setMaxChunkSize(256);
    sim.setFiles({ { QStringLiteral("ONE.PY"), QByteArray(3000, 'o') },
        { QStringLiteral("TWO.PY"), QByteArray(5000, 't') } });
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim));
    worker.toCalcFiles
        = { { dir.file(), QStringLiteral("ONE.PY") }, { two, QStringLiteral("TWO.PY") } };
    worker.files = worker.filesList;
    worker.destFolder = dest.path();
    QList<QVariantList> reports;
    QObject receiver;
    QObject::connect(&worker, &CVoriWorker::progress, &receiver,
        [&](int number, int count, const QString &name, qint64 done, qint64 total) {
            reports.append({ number, count, name, done, total });
        });
    QSignalSpy transferred(&worker, &CVoriWorker::transferred);

    const JobRecord r = runJob(worker, Job(job));

    QCOMPARE(r.finished, 1);
    QVERIFY(r.errors.isEmpty());
    QCOMPARE(transferred.count(), 1);
    QCOMPARE(transferred.first(), QVariantList({ 2, 2 }));
    QVERIFY(reports.size() >= 2);
    QCOMPARE(reports.first(), QVariantList({ 1, 2, QStringLiteral("ONE.PY"), 0, -1 }));
    int number = 1;
    qint64 done = 0;
    for (const QVariantList &report : qAsConst(reports)) {
        QCOMPARE(report.at(1).toInt(), 2);
        if (report.at(0).toInt() != number) {
            QCOMPARE(report.at(0).toInt(), number + 1);
            QCOMPARE(report.at(2).toString(), QStringLiteral("TWO.PY"));
            QCOMPARE(report.at(3).toLongLong(), 0);
            number = report.at(0).toInt();
            done = 0;
        }
        QVERIFY(report.at(3).toLongLong() >= done);
        done = report.at(3).toLongLong();
    }
    QCOMPARE(number, 2);
}

QTEST_GUILESS_MAIN(TestWorker)
#include "tst_worker.moc"
