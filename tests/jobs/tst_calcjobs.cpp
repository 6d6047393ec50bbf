#include "BackupJob.h"
#include "CVoriWorker.h"
#include "CalcSimulator.h"
#include "ClassRun.h"
#include "DeleteJob.h"
#include "DownloadJob.h"
#include "FrameCodec.h"
#include "ReadJob.h"
#include "RenameJob.h"
#include "RestoreJob.h"
#include "SendJob.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

using VivuRuza::calcMsg;
using FileList = QList<QPair<QString, int>>;

namespace {
// Long enough for a starved machine; a job that passes ends long before.
constexpr int jobWaitMs = 30000;

enum Kind { Read, Send, Download, Delete, Rename, Backup, RestorePreview, Restore };

CalcPort simPort(const CalcSimulator &sim, const QString &name = QStringLiteral("sim"))
{
    return CalcPort(name, sim.portPath());
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Starts the job and waits for its end; what it said on the way is recorded.
struct Run
{
    int started = 0;
    int delivered = 0;
    bool runningAfterStart = false;
    bool busyAfterStart = false;
    QStringList problems;
};

Run runToEnd(CalcJob &job)
{
    Run run;
    QObject::connect(&job, &CalcJob::started, [&run] { ++run.started; });
    QObject::connect(&job, &CalcJob::delivered, [&run] { ++run.delivered; });
    QObject::connect(&job, &CalcJob::problem,
        [&run](const QString &text, const QString &) { run.problems.append(text); });
    QSignalSpy ended(&job, &CalcJob::ended);
    if (!job.start())
        return run;
    run.runningAfterStart = job.isRunning();
    run.busyAfterStart = CalcJob::runningOn(job.worker()) == &job;
    while (ended.isEmpty() && ended.wait(jobWaitMs))
        ;
    return run;
}
} // namespace

// Each kind of job against a simulated calculator: its inputs given when
// made, its one result read back in the main thread once it has ended.
class TestCalcJobs : public QObject
{
    Q_OBJECT
private slots:
    void kinds_data();
    void kinds();
    void refusedSendFailsWithTheCalculatorsWords();
    void secondJobOnABusyWorkerDoesNotStart();
    void classRunSummaryAndRetry();
    void classRunRowsOfGoneOrBusyCalculatorsFail();
};

void TestCalcJobs::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::newRow("read") << int(Read) << 0 << 0 << QStringList { "A.PY", "B.TXT" };
    QTest::newRow("send") << int(Send) << 1 << 1 << QStringList { "A.PY", "B.TXT", "NEW.PY" };
    QTest::newRow("download") << int(Download) << 2 << 2 << QStringList { "A.PY", "B.TXT" };
    QTest::newRow("delete") << int(Delete) << 1 << 1 << QStringList { "B.TXT" };
    QTest::newRow("rename") << int(Rename) << 0 << 0 << QStringList { "A.PY", "B.TXT" };
    QTest::newRow("backup") << int(Backup) << 2 << 2 << QStringList { "A.PY", "B.TXT" };
    QTest::newRow("restore preview")
        << int(RestorePreview) << 0 << 2 << QStringList { "A.PY", "B.TXT" };
    QTest::newRow("restore") << int(Restore) << 2 << 2 << QStringList { "A.PY", "B.TXT", "OLD.PY" };
}

void TestCalcJobs::kinds()
{
    QFETCH(int, kind);
    QFETCH(int, done);
    QFETCH(int, count);
    QFETCH(QStringList, listedAfter);

    CalcSimulator sim;
    sim.setName(QStringLiteral("Desk 1"));
    sim.setFiles(
        { { QStringLiteral("A.PY"), "print(1)\n" }, { QStringLiteral("B.TXT"), "notes" } });
    QVERIFY(sim.start());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString local = dir.filePath(QStringLiteral("new.py"));
    QVERIFY(writeFile(local, "x = 2\n"));

    CVoriWorker worker(simPort(sim), CVoriWorker::Reading::InJob);
    if (kind != Read) {
        ReadJob read(&worker);
        runToEnd(read);
        QCOMPARE(read.name(), QStringLiteral("Desk 1"));
    }
    // A backup of another calculator's files to restore: OLD.PY is new here
    // and A.PY replaces the one it holds.
    QString backupFolder;
    if (kind == RestorePreview || kind == Restore) {
        CalcSimulator other;
        other.setName(QStringLiteral("Desk 2"));
        other.setFiles(
            { { QStringLiteral("OLD.PY"), "old\n" }, { QStringLiteral("A.PY"), "a\n" } });
        QVERIFY(other.start());
        CVoriWorker otherWorker(
            simPort(other, QStringLiteral("other")), CVoriWorker::Reading::InJob);
        BackupJob backup(&otherWorker, dir.path(), QString());
        runToEnd(backup);
        QVERIFY(backup.backup().finished);
        backupFolder = backup.backup().folder;
    }
    if (kind == Restore) {
        // A restore sends what its preview read.
        RestoreJob preview(&worker, backupFolder, RestoreJob::Mode::Preview, false);
        runToEnd(preview);
        QVERIFY(preview.restore().ready);
    }

    std::unique_ptr<CalcJob> job;
    const QString into = dir.filePath(QStringLiteral("copies"));
    QVERIFY(QDir().mkpath(into));
    switch (Kind(kind)) {
    case Read:
        job.reset(new ReadJob(&worker));
        break;
    case Send:
        job.reset(new SendJob(&worker, { qMakePair(local, QStringLiteral("NEW.PY")) }, true));
        break;
    case Download:
        job.reset(new DownloadJob(&worker, worker.filesList, into));
        break;
    case Delete:
        job.reset(new DeleteJob(&worker, { qMakePair(QStringLiteral("A.PY"), 9) }));
        break;
    case Rename:
        job.reset(new RenameJob(&worker, QStringLiteral("Desk 7")));
        break;
    case Backup:
        job.reset(new BackupJob(&worker, dir.path(), QString()));
        break;
    case RestorePreview:
        job.reset(new RestoreJob(&worker, backupFolder, RestoreJob::Mode::Preview, false));
        break;
    case Restore:
        job.reset(new RestoreJob(&worker, backupFolder, RestoreJob::Mode::Restore, true));
        break;
    }
    const Run run = runToEnd(*job);

    QCOMPARE(run.started, 1);
    QCOMPARE(run.delivered, 1);
    QVERIFY(run.runningAfterStart);
    QVERIFY(run.busyAfterStart);
    QVERIFY2(run.problems.isEmpty(), qPrintable(run.problems.join(QLatin1Char('\n'))));
    QVERIFY(job->hasEnded());
    QVERIFY(!job->isRunning());
    QCOMPARE(CalcJob::runningOn(&worker), nullptr);
    QCOMPARE(worker.thread(), QThread::currentThread());

    const CalcJob::Result &result = job->result();
    QCOMPARE(result.done, done);
    QCOMPARE(result.count, count);
    QVERIFY(!result.cancelled);
    QVERIFY(result.failure.isEmpty());
    QStringList listed;
    for (const auto &file : result.listing)
        listed.append(file.first);
    listed.sort();
    QCOMPARE(listed, listedAfter);

    switch (Kind(kind)) {
    case Read:
        QCOMPARE(static_cast<ReadJob *>(job.get())->name(), QStringLiteral("Desk 1"));
        QVERIFY(static_cast<ReadJob *>(job.get())->problemText().isEmpty());
        break;
    case Download:
        QCOMPARE(QDir(into).entryList(QDir::Files), QStringList({ "A.PY", "B.TXT" }));
        break;
    case Rename:
        QCOMPARE(static_cast<RenameJob *>(job.get())->name(), QStringLiteral("Desk 7"));
        break;
    case Backup:
        QVERIFY(static_cast<BackupJob *>(job.get())->backup().finished);
        QVERIFY(QFile::exists(static_cast<BackupJob *>(job.get())->backup().folder
            + QStringLiteral("/manifest.json")));
        break;
    case RestorePreview: {
        const CVoriWorker::RestoreResult &r = static_cast<RestoreJob *>(job.get())->restore();
        QCOMPARE(r.added, QStringList { "OLD.PY" });
        QCOMPARE(r.replaced, QStringList { "A.PY" });
        QCOMPARE(r.device, QStringLiteral("Desk 2"));
        break;
    }
    case Restore:
        QVERIFY(static_cast<RestoreJob *>(job.get())->restore().verified);
        break;
    default:
        break;
    }
}

void TestCalcJobs::refusedSendFailsWithTheCalculatorsWords()
{
    CalcSimulator sim;
    QVERIFY(sim.start());
    sim.setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("a.py"));
    QVERIFY(writeFile(local, "a\n"));
    CVoriWorker worker(simPort(sim), CVoriWorker::Reading::InJob);
    SendJob job(&worker, { qMakePair(local, QStringLiteral("A.PY")) }, false);
    const Run run = runToEnd(job);
    QCOMPARE(job.result().done, 0);
    QCOMPARE(job.result().count, 1);
    QVERIFY(!job.result().failure.isEmpty());
    // The first problem is the result's failure, as it was told.
    QVERIFY(!run.problems.isEmpty());
    QCOMPARE(job.result().failure, run.problems.first());
}

void TestCalcJobs::secondJobOnABusyWorkerDoesNotStart()
{
    CalcSimulator sim;
    QVERIFY(sim.start());
    CVoriWorker worker(simPort(sim), CVoriWorker::Reading::InJob);
    ReadJob first(&worker);
    QSignalSpy ended(&first, &CalcJob::ended);
    QVERIFY(first.start());
    RenameJob second(&worker, QStringLiteral("B"));
    QVERIFY(!second.start());
    QVERIFY(!first.start());
    while (ended.isEmpty() && ended.wait(jobWaitMs))
        ;
    QCOMPARE(ended.count(), 1);
    QVERIFY(!first.start()); // a job runs once
    QVERIFY(second.start());
    QSignalSpy secondEnded(&second, &CalcJob::ended);
    while (secondEnded.isEmpty() && secondEnded.wait(jobWaitMs))
        ;
    QCOMPARE(second.name(), QStringLiteral("B"));
}

// Three calculators, one refusing what it is sent: the run's rows say so,
// and a retry starts that row alone, with a new job, once it accepts.
void TestCalcJobs::classRunSummaryAndRetry()
{
    CalcSimulator sims[3];
    std::unique_ptr<CVoriWorker> workers[3];
    for (int i = 0; i < 3; ++i) {
        QVERIFY(sims[i].start());
        workers[i].reset(new CVoriWorker(
            simPort(sims[i], QStringLiteral("sim%1").arg(i)), CVoriWorker::Reading::InJob));
    }
    sims[1].setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("a.py"));
    QVERIFY(writeFile(local, "a\n"));
    const QList<QPair<QString, QString>> files { qMakePair(local, QStringLiteral("A.PY")) };

    ClassRun run;
    int made = 0;
    const ClassRun::JobMaker send = [&](CVoriWorker *worker, QObject *parent) {
        ++made;
        return new SendJob(worker, files, false, parent);
    };
    for (auto &worker : workers)
        run.add(worker.get(), send, 1);
    QSignalSpy finished(&run, &ClassRun::finished);
    QSignalSpy restarted(&run, &ClassRun::restarted);
    run.startAll();
    QVERIFY(run.running());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 3, jobWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!run.running(), jobWaitMs);
    QCOMPARE(made, 3);
    QCOMPARE(run.at(0).state, ClassRun::State::Done);
    QCOMPARE(run.at(1).state, ClassRun::State::Failed);
    QCOMPARE(run.at(2).state, ClassRun::State::Done);
    QCOMPARE(run.failedRows(), QList<int> { 1 });
    for (const QList<QVariant> &row : qAsConst(finished)) {
        const bool failing = row.at(0).toInt() == 1;
        QCOMPARE(row.at(1).toInt(), failing ? 0 : 1); // moved
        QCOMPARE(row.at(2).toInt(), 1); // count
        QCOMPARE(row.at(3).toString().isEmpty(), !failing);
    }

    sims[1].clearRefusals();
    finished.clear();
    QCOMPARE(run.retryFailed(), QList<int> { 1 });
    QCOMPARE(restarted.count(), 1);
    QCOMPARE(restarted.first().at(0).toInt(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, jobWaitMs);
    QCOMPARE(finished.first().at(0).toInt(), 1);
    QCOMPARE(run.at(1).state, ClassRun::State::Done);
    QVERIFY(run.failedRows().isEmpty());
    QCOMPARE(made, 4);
    QTRY_VERIFY_WITH_TIMEOUT(!run.running(), jobWaitMs);
}

void TestCalcJobs::classRunRowsOfGoneOrBusyCalculatorsFail()
{
    CalcSimulator sim;
    QVERIFY(sim.start());
    CVoriWorker busy(simPort(sim), CVoriWorker::Reading::InJob);
    CVoriWorker gone(simPort(sim, QStringLiteral("gone")), CVoriWorker::Reading::InJob);
    ReadJob reading(&busy);
    QSignalSpy readingEnded(&reading, &CalcJob::ended);
    QVERIFY(reading.start());

    ClassRun run;
    run.setListed([&gone](const CVoriWorker *worker) { return worker != &gone; });
    const ClassRun::JobMaker rename = [](CVoriWorker *worker, QObject *parent) {
        return new RenameJob(worker, QStringLiteral("X"), parent);
    };
    run.add(&busy, rename, 0);
    run.add(&gone, rename, 0);
    QSignalSpy finished(&run, &ClassRun::finished);
    run.startAll();
    // Both fail at once, before any job of the run ran.
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.at(0).at(3).toString(),
        QStringLiteral("The calculator was busy with another job; try again."));
    QCOMPARE(
        finished.at(1).at(3).toString(), QStringLiteral("The calculator is no longer attached."));
    QCOMPARE(run.failedRows(), QList<int>({ 0, 1 }));
    QVERIFY(!run.running());
    while (readingEnded.isEmpty() && readingEnded.wait(jobWaitMs))
        ;
}

QTEST_GUILESS_MAIN(TestCalcJobs)
#include "tst_calcjobs.moc"
