#include "BackupManifest.h"
#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "ErrorMeaning.h"
#include "LocalFiles.h"
#include "ShortWaits.h"
#include "TransferRunner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using VivuRuza::calcMsg;
using Status = TransferOutcome::Status;
using Direction = TransferPlan::Direction;

namespace {
// What a run told and returned: "status:size:text" per item, the files it
// reached and the problems found above the link.
struct RunRecord
{
    QStringList outcomes;
    QList<int> reached;
    QStringList started;
    QStringList problems;
    QStringList linkErrors;
};

QString statusName(Status status)
{
    switch (status) {
    case Status::Done:
        return QStringLiteral("done");
    case Status::Skipped:
        return QStringLiteral("skipped");
    case Status::Failed:
        return QStringLiteral("failed");
    case Status::Cancelled:
        return QStringLiteral("cancelled");
    case Status::GivenUp:
        break;
    }
    return QStringLiteral("given up");
}

RunRecord runPlan(CVivuRuza &link, const TransferPlan &plan)
{
    RunRecord record;
    TransferEvents events;
    events.fileStarted = [&record](const QString &name, int number, int count) {
        record.started.append(QStringLiteral("%1 %2/%3").arg(name).arg(number).arg(count));
    };
    events.fileDone
        = [&record](int index, const TransferOutcome &) { record.reached.append(index); };
    events.problem = [&record](const QString &text, const QString &detail) {
        record.problems.append(detail.isEmpty() ? text : text + QStringLiteral(" / ") + detail);
    };
    QObject scope;
    QObject::connect(&link, &CVivuRuza::errorNotify, &scope,
        [&record](const QString &text) { record.linkErrors.append(text); });
    const QList<TransferOutcome> outcomes = TransferRunner(link, events).run(plan);
    for (const TransferOutcome &o : outcomes)
        record.outcomes.append(
            QStringLiteral("%1:%2:%3").arg(statusName(o.status)).arg(o.size).arg(o.text));
    return record;
}
} // namespace

class TestTransferRunner : public QObject
{
    Q_OBJECT
private slots:
    void outcomes_data();
    void outcomes();
    void stopsOnLostLine_data();
    void stopsOnLostLine();
};

void TestTransferRunner::outcomes_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("upload") << int(Direction::Upload);
    QTest::newRow("download") << int(Direction::Download);
    QTest::newRow("delete") << int(Direction::Delete);
}

// One outcome per item: done with the bytes moved, skipped without a word to
// the calculator, failed with what the link said. A failure that leaves the
// line in step does not stop the batch.
void TestTransferRunner::outcomes()
{
    QFETCH(int, direction);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir local(dir.path());
    CalcSimulator sim;
    sim.setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
        { QStringLiteral("B.PY"), QByteArray("bb") } });
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QVERIFY(link.portErrorText().isEmpty());

    TransferPlan plan(Direction(direction), dir.path());
    QStringList expected;
    QStringList started;
    QStringList problems;
    QStringList onCalcAfter;
    switch (Direction(direction)) {
    case Direction::Upload: {
        QVERIFY(writeLocal(local.filePath(QStringLiteral("one.py")), "1"));
        QVERIFY(writeLocal(local.filePath(QStringLiteral("two.py")), "22"));
        QVERIFY(local.mkdir(QStringLiteral("sub")));
        QVERIFY(writeLocal(local.filePath(QStringLiteral("three.py")), "333"));
        QVERIFY(writeLocal(local.filePath(QStringLiteral("kept.py")), "kept"));
        QVERIFY(writeLocal(local.filePath(QStringLiteral("changed.py")), "now"));
        plan.addUpload(local.filePath(QStringLiteral("one.py")));
        plan.addUpload(local.filePath(QStringLiteral("two.py")));
        plan.item(1).skip = true;
        plan.addUpload(local.filePath(QStringLiteral("sub")));
        plan.addUpload(local.filePath(QStringLiteral("three.py")));
        plan.addRestore(local.filePath(QStringLiteral("kept.py")), QStringLiteral("kept.py"), 4,
            BackupManifest::sha256("kept"));
        plan.addRestore(local.filePath(QStringLiteral("changed.py")), QStringLiteral("changed.py"),
            4, BackupManifest::sha256("then"));
        const QString notRegular
            = QStringLiteral("%1 is not a regular file and can't be sent.")
                  .arg(QDir::toNativeSeparators(local.filePath(QStringLiteral("sub"))));
        const QString changed
            = QStringLiteral("%1 changed since it was checked; it was not sent.")
                  .arg(QDir::toNativeSeparators(local.filePath(QStringLiteral("changed.py"))));
        expected = QStringList { QStringLiteral("done:1:"), QStringLiteral("skipped:0:"),
            QStringLiteral("failed:0:") + notRegular, QStringLiteral("done:3:"),
            QStringLiteral("done:4:"), QStringLiteral("failed:0:") + changed };
        started = QStringList { QStringLiteral("ONE.py 1/6"), QStringLiteral("SUB 3/6"),
            QStringLiteral("THREE.py 4/6"), QStringLiteral("kept.py 5/6") };
        problems = QStringList { changed };
        onCalcAfter = QStringList { QStringLiteral("A.PY"), QStringLiteral("B.PY"),
            QStringLiteral("ONE.py"), QStringLiteral("THREE.py"), QStringLiteral("kept.py") };
        break;
    }
    case Direction::Download:
        plan.addDownload(QStringLiteral("A.PY"), 1);
        plan.addDownload(QStringLiteral("../x"), 1);
        plan.addDownload(QStringLiteral("B.PY"), 2);
        plan.item(2).skip = true;
        expected = QStringList { QStringLiteral("done:1:"),
            QStringLiteral("failed:0:The calculator's file name \"../x\" is not a safe file "
                           "name; the file was not copied."),
            QStringLiteral("skipped:0:") };
        started = QStringList { QStringLiteral("A.PY 1/3"), QStringLiteral("../x 2/3") };
        onCalcAfter = QStringList { QStringLiteral("A.PY"), QStringLiteral("B.PY") };
        break;
    case Direction::Delete:
        plan.addDeletion(QStringLiteral("NOPE.PY"), 1);
        plan.addDeletion(QStringLiteral("A.PY"), 1);
        expected = QStringList { QStringLiteral("failed:0:File doesn\u2019t exist."),
            QStringLiteral("done:1:") };
        started = QStringList { QStringLiteral("NOPE.PY 1/2"), QStringLiteral("A.PY 2/2") };
        onCalcAfter = QStringList { QStringLiteral("B.PY") };
        break;
    }

    const RunRecord r = runPlan(link, plan);

    QCOMPARE(r.outcomes, expected);
    QCOMPARE(r.started, started);
    QCOMPARE(r.problems, problems);
    QCOMPARE(r.reached.size(), plan.size());
    // What failed at the link was told there, once, with the same words.
    for (const QString &outcome : r.outcomes) {
        if (outcome.startsWith(QLatin1String("failed:")) && !problems.contains(outcome.mid(9)))
            QVERIFY2(r.linkErrors.contains(outcome.mid(9)), qPrintable(outcome));
    }
    QStringList onCalc;
    for (const auto &file : sim.files())
        onCalc.append(file.first);
    onCalc.sort();
    QCOMPARE(onCalc, onCalcAfter);
    if (Direction(direction) == Direction::Download) {
        QCOMPARE(readLocal(local.filePath(QStringLiteral("A.PY"))), QByteArray("a"));
        QVERIFY(!local.exists(QStringLiteral("B.PY")));
    }
}

void TestTransferRunner::stopsOnLostLine_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("givenUp");
    QTest::newRow("upload") << int(Direction::Upload) << int(calcMsg::SEND_FILE)
                            << "The calculator stopped answering, so these files were not sent: "
                               "b.py, d.py.";
    QTest::newRow("download") << int(Direction::Download) << int(calcMsg::GET_FILE)
                              << "The calculator stopped answering, so these files were not "
                                 "copied: B.PY, D.PY.";
    QTest::newRow("delete") << int(Direction::Delete) << int(calcMsg::DELETE_FILE)
                            << "The calculator stopped answering, so these files were not "
                               "deleted: B.PY, D.PY.";
}

// A calculator that left a file unanswered is not asked for the next: the
// files not tried are given up in one report, the ones settled as skipped
// stay skipped, and only the file tried was reached.
void TestTransferRunner::stopsOnLostLine()
{
    QFETCH(int, direction);
    QFETCH(int, request);
    QFETCH(QString, givenUp);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir local(dir.path());
    CalcSimulator sim;
    QList<QPair<QString, QByteArray>> files;
    for (const char *name : { "A.PY", "B.PY", "C.PY", "D.PY" })
        files.append({ QLatin1String(name), QByteArray("x") });
    sim.setFiles(files);
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QVERIFY(link.portErrorText().isEmpty());
    TransferPlan plan(Direction(direction), dir.path());
    for (const char *name : { "a.py", "b.py", "c.py", "d.py" }) {
        const QString path = local.filePath(QLatin1String(name));
        QVERIFY(writeLocal(path, "new"));
        if (Direction(direction) == Direction::Upload)
            plan.addUpload(path);
        else if (Direction(direction) == Direction::Download)
            plan.addDownload(QString::fromLatin1(name).toUpper(), 1);
        else
            plan.addDeletion(QString::fromLatin1(name).toUpper(), 1);
    }
    plan.item(2).skip = true;
    sim.clearReceived();
    sim.setUnplugDuring(request, 0);

    RunRecord r;
    {
        ShortWaits shortWaits;
        r = runPlan(link, plan);
    }

    QCOMPARE(r.outcomes.size(), 4);
    QVERIFY2(r.outcomes.at(0).startsWith(QLatin1String("failed:0:")) && r.outcomes.at(0).size() > 9,
        qPrintable(r.outcomes.at(0)));
    QCOMPARE(r.outcomes.mid(1),
        QStringList({ QStringLiteral("given up:0:") + givenUp, QStringLiteral("skipped:0:"),
            QStringLiteral("given up:0:") + givenUp }));
    QCOMPARE(r.reached, QList<int> { 0 });
    QCOMPARE(r.problems,
        QStringList { givenUp + QStringLiteral(" / ")
            + ErrorMeaning::line(QString(), QStringLiteral("Vori X1"), ErrorMeaning::noAnswer()) });
    QCOMPARE(sim.receivedTypes().count(request), 1);
}

QTEST_GUILESS_MAIN(TestTransferRunner)
#include "tst_transferrunner.moc"
