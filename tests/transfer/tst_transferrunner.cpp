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

#include <functional>

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
    QList<bool> verified;
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

// afterFile: called once each file the run reached is done, by its index.
RunRecord runPlan(CVivuRuza &link, const TransferPlan &plan, bool verify = false,
    const std::function<void(int)> &afterFile = {})
{
    RunRecord record;
    TransferEvents events;
    events.fileStarted = [&record](const QString &name, int number, int count) {
        record.started.append(QStringLiteral("%1 %2/%3").arg(name).arg(number).arg(count));
    };
    events.fileDone = [&record, &afterFile](int index, const TransferOutcome &) {
        record.reached.append(index);
        if (afterFile)
            afterFile(index);
    };
    events.problem = [&record](const QString &text, const QString &detail) {
        record.problems.append(detail.isEmpty() ? text : text + QStringLiteral(" / ") + detail);
    };
    QObject scope;
    QObject::connect(&link, &CVivuRuza::errorNotify, &scope,
        [&record](const QString &text) { record.linkErrors.append(text); });
    TransferRunner runner(link, events);
    runner.setVerify(verify);
    const QList<TransferOutcome> outcomes = runner.run(plan);
    for (const TransferOutcome &o : outcomes) {
        record.outcomes.append(
            QStringLiteral("%1:%2:%3").arg(statusName(o.status)).arg(o.size).arg(o.text));
        record.verified.append(o.verified);
    }
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
    void verify_data();
    void verify();
    void cancelLeaves_data();
    void cancelLeaves();
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

void TestTransferRunner::verify_data()
{
    QTest::addColumn<bool>("verify");
    QTest::addColumn<bool>("checked"); // planned as a restore: checked before it is sent
    QTest::addColumn<bool>("corrupt");
    QTest::addColumn<bool>("refuseReading");
    QTest::addColumn<int>("refuseDelete"); // from this file on (0 or 1); 2: never
    // Of each file; @LINK: what the link told; @EACH: each says what became of its copy.
    QTest::addColumn<QString>("outcome");
    // The one report of the batch, if any, naming the files as %1 and %2.
    QTest::addColumn<QString>("problem");
    const QString deleted = QStringLiteral(
        "failed:0:%1 arrived on Vori X1 different from the computer's file. The calculator's "
        "copy was deleted.");
    const QString advice = QStringLiteral(
        " / Vori X1: the files on this computer are unchanged; send again, and if a file "
        "arrives different again, see the troubleshooting guide");
    const QString arrived = QStringLiteral(
        "These files arrived on Vori X1 different from the computer's files: %1, %2. ");
    const QString done = QStringLiteral("done:3000:");
    QTest::newRow("stored right") << true << false << false << false << 2 << done << QString();
    QTest::newRow("stored right, checked")
        << true << true << false << false << 2 << done << QString();
    QTest::newRow("stored wrong") << true << false << true << false << 2 << deleted
                                  << arrived
            + QStringLiteral("The calculator's copies were deleted.") + advice;
    QTest::newRow("stored wrong, checked")
        << true << true << true << false << 2 << deleted
        << arrived + QStringLiteral("The calculator's copies were deleted.") + advice;
    QTest::newRow("stored wrong, deletion refused")
        << true << false << true << false << 0 << QStringLiteral("@EACH")
        << arrived
            + QStringLiteral("The calculator's copies could not be deleted: delete them there "
                             "before anyone uses them.")
            + advice;
    QTest::newRow("stored wrong, second deletion refused")
        << true << false << true << false << 1 << QStringLiteral("@EACH")
        << arrived
            + QStringLiteral("The calculator's copies were deleted but for %2: delete those "
                             "there before anyone uses them.")
            + advice;
    QTest::newRow("stored wrong, not asked")
        << false << false << true << false << 2 << done << QString();
    QTest::newRow("reading back refused")
        << true << false << false << true << 2 << QStringLiteral("failed:0:@LINK") << QString();
}

// Each file sent is read back and compared with the bytes that went: one
// the calculator stored wrong fails with the words naming it and the
// calculator, its bad copy is deleted from the calculator, and the batch
// goes on to the next. One report names every file that arrived different.
void TestTransferRunner::verify()
{
    QFETCH(bool, verify);
    QFETCH(bool, checked);
    QFETCH(bool, corrupt);
    QFETCH(bool, refuseReading);
    QFETCH(int, refuseDelete);
    QFETCH(QString, outcome);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir local(dir.path());
    CalcSimulator sim;
    QVERIFY(sim.start());
    sim.setCorruptStore(corrupt);
    if (refuseReading)
        sim.setRefusal(
            calcMsg::GET_FILE, calcMsg::UNSPECIFITED_ERROR, 0, QStringLiteral("No reading."));
    const auto refuseDeleting = [&sim] {
        sim.setRefusal(calcMsg::DELETE_FILE, calcMsg::UNSPECIFITED_ERROR, 0, QStringLiteral("No."));
    };
    if (refuseDelete == 0)
        refuseDeleting();
    CVivuRuza link(sim.portPath());
    QVERIFY(link.portErrorText().isEmpty());
    TransferPlan plan(Direction::Upload);
    QList<QByteArray> contents;
    for (const char *name : { "one.py", "two.py" }) {
        const QString path = local.filePath(QLatin1String(name));
        QByteArray content(3000, Qt::Uninitialized);
        for (int i = 0; i < content.size(); ++i)
            content[i] = char((i * 7 + contents.size()) & 0xFF);
        contents.append(content);
        QVERIFY(writeLocal(path, content));
        if (checked)
            plan.addRestore(path, QString::fromLatin1(name).toUpper(), content.size(),
                BackupManifest::sha256(content));
        else
            plan.addUpload(path);
    }

    const RunRecord r = runPlan(link, plan, verify, [&](int index) {
        if (index + 1 == refuseDelete)
            refuseDeleting();
    });

    QCOMPARE(r.outcomes.size(), 2);
    QStringList expected;
    for (int i = 0; i < plan.size(); ++i) {
        const QString refused = i >= refuseDelete
            ? QStringLiteral("could not be deleted: delete it there before anyone uses it.")
            : QStringLiteral("was deleted.");
        QString text = outcome == QLatin1String("@EACH")
            ? QStringLiteral("failed:0:%1 arrived on Vori X1 different from the computer's file. "
                             "The calculator's copy %2")
                  .arg(plan.at(i).calcName, refused)
            : outcome.arg(plan.at(i).calcName);
        if (refuseReading) {
            QCOMPARE(r.linkErrors.size(), 2);
            QVERIFY(!r.linkErrors.at(i).isEmpty());
            text.replace(QStringLiteral("@LINK"), r.linkErrors.at(i));
        }
        expected.append(text);
    }
    QCOMPARE(r.outcomes, expected);
    const bool done = outcome.startsWith(QLatin1String("done"));
    QCOMPARE(r.verified, (QList<bool> { done && verify, done && verify }));
    QCOMPARE(r.problems,
        problem.isEmpty() ? QStringList()
                          : QStringList { problem.arg(plan.at(0).calcName, plan.at(1).calcName) });
    // A refused deletion is told by the report, not as an error of its own.
    if (!refuseReading)
        QCOMPARE(r.linkErrors, QStringList());
    // The read back asks for each file by the name and size it was sent with.
    QCOMPARE(sim.receivedTypes().count(calcMsg::GET_FILE), verify ? 2 : 0);
    if (verify) {
        for (const calcMsg &m : sim.received()) {
            if (m.type() != calcMsg::GET_FILE)
                continue;
            QCOMPARE(int(m.finf().size()), 3000);
        }
    }
    // A bad copy goes, unless the calculator refuses; a good one stays.
    const bool bad = verify && corrupt;
    QCOMPARE(sim.receivedTypes().count(calcMsg::DELETE_FILE), bad ? 2 : 0);
    for (int i = 0; i < plan.size(); ++i)
        QCOMPARE(sim.hasFile(plan.at(i).calcName), !bad || i >= refuseDelete);
}

namespace {
// What the calculator knew of the name before the file was sent.
enum class Before {
    Free, // the listing noted with the plan does not hold it
    Held, // the listing holds it
    Unknown, // no listing was noted
    Earlier, // free, but an earlier file of the batch went under it
};
// When the Cancel comes.
enum class When { AfterFrame, BeforeAnswer };
} // namespace
Q_DECLARE_METATYPE(Before)
Q_DECLARE_METATYPE(When)
Q_DECLARE_METATYPE(TransferOutcome::Left)

void TestTransferRunner::cancelLeaves_data()
{
    using Left = TransferOutcome::Left;
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("inPlace"); // the calculator writes an upload as it comes
    QTest::addColumn<int>("refused"); // the request type the calculator refuses, or NONE
    QTest::addColumn<When>("when");
    QTest::addColumn<Left>("left");
    QTest::addColumn<bool>("deleteAsked");
    QTest::addColumn<QByteArray>("after"); // SLOW.PY on the calculator: "" none, "part"
    const int none = calcMsg::NONE;
    const QByteArray gone;
    const QByteArray part("part");
    const QByteArray old("old");
    QTest::newRow("new name") << Before::Free << false << none << When::AfterFrame
                              << Left::PartDeleted << true << gone;
    QTest::newRow("new name, delete refused, never stored")
        << Before::Free << false << int(calcMsg::DELETE_FILE) << When::AfterFrame
        << Left::PartDeleted << true << gone;
    QTest::newRow("new name, written in place")
        << Before::Free << true << none << When::AfterFrame << Left::PartDeleted << true << gone;
    QTest::newRow("new name, written in place, delete refused")
        << Before::Free << true << int(calcMsg::DELETE_FILE) << When::AfterFrame << Left::PartKept
        << true << part;
    QTest::newRow("new name, written in place, listing refused")
        << Before::Free << true << int(calcMsg::GET_FILES_NUM) << When::AfterFrame
        << Left::PartUnconfirmed << true << gone;
    QTest::newRow("held name") << Before::Held << false << none << When::AfterFrame
                               << Left::MayBeIncomplete << false << old;
    QTest::newRow("held name, written in place") << Before::Held << true << none << When::AfterFrame
                                                 << Left::MayBeIncomplete << false << part;
    QTest::newRow("name not known to be free")
        << Before::Unknown << false << none << When::AfterFrame << Left::MayBeIncomplete << false
        << gone;
    QTest::newRow("name of an earlier file")
        << Before::Earlier << false << none << When::AfterFrame << Left::MayBeIncomplete << false
        << QByteArray("first");
    QTest::newRow("held name, before the answer")
        << Before::Held << false << none << When::BeforeAnswer << Left::MayBeIncomplete << false
        << old;
    QTest::newRow("new name, before the answer")
        << Before::Free << false << none << When::BeforeAnswer << Left::PartDeleted << true << gone;
}

// A Cancel deletes only what this send put under a name the calculator did
// not hold, and the listing must show it gone; a name it held is never
// deleted, whatever the calculator does with an upload in progress. Nothing
// more of the file goes once the Cancel came.
void TestTransferRunner::cancelLeaves()
{
    using Left = TransferOutcome::Left;
    QFETCH(Before, before);
    QFETCH(bool, inPlace);
    QFETCH(int, refused);
    QFETCH(When, when);
    QFETCH(Left, left);
    QFETCH(bool, deleteAsked);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir local(dir.path());
    const QString name = QStringLiteral("SLOW.PY");
    const QByteArray content(512 * 3 + 100, 'n');
    QVERIFY(writeLocal(local.filePath(name), content));
    QVERIFY(writeLocal(local.filePath(QStringLiteral("first")), "first"));
    CalcSimulator sim;
    QList<QPair<QString, QByteArray>> files { { QStringLiteral("KEEP.PY"), "keep" } };
    if (before == Before::Held)
        files.append({ name, "old" });
    sim.setFiles(files);
    sim.setStoreWhileReceiving(inPlace);
    if (refused != calcMsg::NONE)
        sim.setRefusal(refused, calcMsg::UNSPECIFITED_ERROR, 0, QStringLiteral("No."));
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QVERIFY(link.portErrorText().isEmpty());

    TransferPlan plan(Direction::Upload);
    if (before == Before::Earlier)
        plan.addUpload(local.filePath(QStringLiteral("first")), name);
    plan.addUpload(local.filePath(name));
    if (before == Before::Held)
        plan.noteListing({ { QStringLiteral("KEEP.PY"), 4 }, { name, 3 } });
    else if (before != Before::Unknown)
        plan.noteListing({ { QStringLiteral("KEEP.PY"), 4 } });
    bool cancel = false;
    if (when == When::AfterFrame) {
        link.setProgressHandler([&cancel, &content](qint64 done, qint64 total) {
            cancel = cancel || (total == content.size() && done > 0);
        });
        link.setCancelCheck([&cancel] { return cancel; });
    } else {
        // The request went, its answer has come: the first frame is next.
        link.setCancelCheck([&sim] { return sim.receivedTypes().contains(calcMsg::SEND_FILE); });
    }
    sim.clearReceived();

    TransferEvents events;
    QStringList problems;
    events.problem = [&problems](const QString &text, const QString &) { problems.append(text); };
    QStringList linkErrors;
    QObject scope;
    QObject::connect(&link, &CVivuRuza::errorNotify, &scope,
        [&linkErrors](const QString &text) { linkErrors.append(text); });
    TransferRunner runner(link, events);
    const QList<TransferOutcome> outcomes = runner.run(plan);

    QCOMPARE(outcomes.size(), plan.size());
    const TransferOutcome &o = outcomes.last();
    QCOMPARE(int(o.status), int(Status::Cancelled));
    QCOMPARE(int(o.left), int(left));
    const QMap<int, QString> texts {
        { int(Left::PartDeleted),
            QStringLiteral("cancelled; the part of %1 sent was deleted from the calculator") },
        { int(Left::PartKept),
            QStringLiteral("cancelled; the part of %1 sent could not be deleted from the "
                           "calculator: delete it there") },
        { int(Left::PartUnconfirmed),
            QStringLiteral("cancelled; the part of %1 sent may still be on the calculator: "
                           "delete it there if it is listed") },
        { int(Left::MayBeIncomplete),
            QStringLiteral("cancelled; %1 on the calculator may be incomplete: send it again or "
                           "delete it") },
    };
    QCOMPARE(o.text, texts.value(int(left)).arg(name));
    // What the Cancel found is told by the outcome alone.
    QCOMPARE(problems, QStringList());
    QCOMPARE(linkErrors, QStringList());

    // From the request of the file cancelled on; an earlier one went whole.
    QList<int> types;
    for (const calcMsg &m : sim.received()) {
        if (m.type() == calcMsg::SEND_FILE && int(m.finf().size()) == content.size())
            types.clear();
        types.append(m.type());
    }
    QCOMPARE(types.value(0), int(calcMsg::SEND_FILE));
    const int frames = int(types.count(calcMsg::FRAME));
    if (when == When::BeforeAnswer)
        QCOMPARE(frames, 0);
    else
        QVERIFY2(frames >= 1 && frames < 4, qPrintable(QString::number(frames)));
    QCOMPARE(types.contains(calcMsg::DELETE_FILE), deleteAsked);
    if (deleteAsked) // and the listing after it confirms
        QVERIFY(types.lastIndexOf(calcMsg::GET_FILES_NUM) > types.indexOf(calcMsg::DELETE_FILE));
    if (after.isEmpty()) {
        QVERIFY(!sim.hasFile(name));
    } else if (after == "part") {
        QCOMPARE(sim.fileContent(name).size(), content.size());
        QVERIFY(sim.fileContent(name) != content);
    } else {
        QCOMPARE(sim.fileContent(name), after);
    }
    QCOMPARE(sim.fileContent(QStringLiteral("KEEP.PY")), QByteArray("keep"));
}

QTEST_GUILESS_MAIN(TestTransferRunner)
#include "tst_transferrunner.moc"
