// Backups and restores of the window's session against simulated calculators:
// a backup the window makes restores with vuvectl and the reverse, a restore
// first says what it adds and replaces and sends nothing until asked, a
// calculator that refuses the files is reported, a backup that no longer
// matches its manifest is refused, Cancel marks a backup incomplete, and the
// backup folder is remembered.
#include "CVivuRuzaSession.h"
#include "ClassJobModel.h"
#include "SessionRig.h"
#include "TransferProgress.h"
#include "tools/ProcessRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>

using VivuRuza::calcMsg;
using Files = QList<QPair<QString, QByteArray>>;

namespace {
const int jobTimeoutMs = 30000;

QByteArray bytes(int size, int seed)
{
    QByteArray content(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        content[i] = char((i * 31 + seed * 7) & 0xFF);
    return content;
}

// What the calculator holds when it is backed up.
const Files original { { QStringLiteral("MAIN.PY"), bytes(3000, 1) },
    { QStringLiteral("EMPTY.TXT"), QByteArray() }, { QStringLiteral("DATA.BIN"), bytes(7000, 2) },
    { QStringLiteral("QUAD.PY"), bytes(900, 3) } };

Files sorted(Files files)
{
    std::sort(files.begin(), files.end());
    return files;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

int countOf(const QList<int> &types, int type)
{
    return int(std::count(types.cbegin(), types.cend(), type));
}

Run vuvectl(CalcSimulator *sim, const QStringList &args)
{
    return runProcess(QStringLiteral(VUVECTL_PATH),
        QStringList { QStringLiteral("--port"), sim->portPath() } + args);
}

bool idle(SessionRig &rig)
{
    return QTest::qWaitFor(
        [&rig] { return rig.session.runningJobs() == 0 && !rig.session.transfer()->running(); },
        jobTimeoutMs);
}

// Adds count entries to the unrestorable list of folder's manifest, each
// named after its number and padded to nameLength, as an edited one may.
bool crowd(const QString &folder, int count, int nameLength)
{
    QFile file(QDir(folder).filePath(QStringLiteral("manifest.json")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray left;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("N%1").arg(i, 5, 10, QLatin1Char('0'));
        left.append(QJsonObject {
            { QStringLiteral("name"),
                name.leftJustified(nameLength - 3, QLatin1Char('x')) + QStringLiteral(".py") },
            { QStringLiteral("size"), 10 },
            { QStringLiteral("reason"),
                QStringLiteral("its name is not one the calculator's 8.3 rule keeps") } });
    }
    manifest.insert(QStringLiteral("unrestorable"), left);
    return writeLocalFile(file.fileName(), QJsonDocument(manifest).toJson(QJsonDocument::Compact));
}

// The one folder a backup made in parent.
QString onlyFolderIn(const QString &parent)
{
    const QStringList made = QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return made.size() == 1 ? QDir(parent).filePath(made.first()) : QString();
}
} // namespace

class TestBackupFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void backupRestoresWithOther_data();
    void backupRestoresWithOther();
    void preview_data();
    void preview();
    void restoreAnsweredAtOnce();
    void restoreRefusedByCalculator();
    void unrestorableTold();
    void crowdedManifest_data();
    void crowdedManifest();
    void previewBindsRestore_data();
    void previewBindsRestore();
    void backupNoLongerMatching_data();
    void backupNoLongerMatching();
    void cancelledBackupMarkedIncomplete();
    void cancelledRestoreLeavesNoPart();
    void folderRemembered();
    void defaultFolderMade();
    void restoreTellsUnread();

private:
    // Backs calculator A of the rig up from the window, into the remembered
    // folder; the backup's folder, or empty.
    QString backUpInWindow(SessionRig &rig);
    // Calculator A of the rig, holding the original files, backed up from
    // the window into parent; folder is the backup's folder.
    void backUpOriginal(SessionRig &rig, const QTemporaryDir &parent, QString &folder);
    // Backs up A, B and C at once, B refusing its files: each row's states
    // in order, the summary and the Retry; A's backup folder, or empty.
    QString backUpAllInWindow(SessionRig &rig);
    // Previews and restores the backup from the window once the preview has
    // come; false when no preview came.
    bool previewInWindow(SessionRig &rig, const QString &folder);
    bool restoreInWindow(SessionRig &rig, const QString &folder);

    QTemporaryDir m_home;
};

// Documents and settings of a home of the test's own: the backup folder it
// remembers is never the user's.
void TestBackupFlow::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_backupflow"));
}

void TestBackupFlow::init()
{
    QSettings().clear();
    QSettings().sync();
}

void TestBackupFlow::backUpOriginal(SessionRig &rig, const QTemporaryDir &parent, QString &folder)
{
    QVERIFY(parent.isValid());
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles(original);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.session.setBackupFolder(QUrl::fromLocalFile(parent.path()));
    folder = backUpInWindow(rig);
    QVERIFY(!folder.isEmpty());
}

QString TestBackupFlow::backUpInWindow(SessionRig &rig)
{
    if (!rig.session.backUp() || !idle(rig))
        return QString();
    return rig.session.workerAt(0)->backupResult.folder;
}

QString TestBackupFlow::backUpAllInWindow(SessionRig &rig)
{
    const int working = int(ClassJobModel::State::Working);
    const int done = int(ClassJobModel::State::Done);
    const int failed = int(ClassJobModel::State::Failed);
    CalcSimulator *b = rig.sim(QStringLiteral("B"));
    b->setRefusal(
        calcMsg::GET_FILE, calcMsg::FILE_NOT_EXIST, 0, QStringLiteral("Storage is locked"));
    ClassJobModel *job = rig.session.classJob();
    QSignalSpy states(job, &ClassJobModel::stateChange);
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    if (!rig.session.backUpAll())
        return QString();
    [&] {
        QVERIFY(job->active());
        QCOMPARE(job->rowCount(), 3);
        QVERIFY(job->title().startsWith(QStringLiteral("Back up 3 calculators into ")));
        // The window never waits: every row is still to come back.
        QVERIFY(job->running());
        QVERIFY(idle(rig) && !job->running());
        QCOMPARE(errors.count(), 0);
        QHash<int, QList<int>> byRow;
        for (const QList<QVariant> &args : qAsConst(states))
            byRow[args.at(0).toInt()].append(args.at(1).toInt());
        QCOMPARE(byRow.value(0), (QList<int> { working, done }));
        QCOMPARE(byRow.value(1), (QList<int> { working, failed }));
        QCOMPARE(byRow.value(2), (QList<int> { working, done }));
        QCOMPARE(job->outcome(0), QStringLiteral("4 files backed up"));
        QVERIFY2(job->outcome(1).contains(QStringLiteral("Storage is locked")),
            qPrintable(job->outcome(1)));
        QVERIFY2(job->summary().startsWith(
                     QStringLiteral("Backed up 2 of 3 calculators; 1 failed: Calc B: ")),
            qPrintable(job->summary()));
        QCOMPARE(job->failedCount(), 1);
        // The progress line is the current calculator's own.
        QVERIFY(!rig.session.transfer()->running());

        // Retry backs up the failed calculator only, into a new folder.
        b->clearRefusals();
        states.clear();
        rig.session.retryClassFailed();
        QVERIFY(idle(rig) && !job->running());
        QList<QList<int>> again;
        for (const QList<QVariant> &args : qAsConst(states)) {
            QCOMPARE(args.at(0).toInt(), 1);
            again.append({ args.at(1).toInt() });
        }
        QCOMPARE(again, (QList<QList<int>> { { 0 }, { working }, { done } }));
        QCOMPARE(job->summary(), QStringLiteral("Backed up 3 of 3 calculators"));
    }();
    if (QTest::currentTestFailed())
        return QString();
    return rig.session.workerAt(0)->backupResult.folder;
}

bool TestBackupFlow::previewInWindow(SessionRig &rig, const QString &folder)
{
    QSignalSpy ready(&rig.session, &CVivuRuzaSession::restorePreviewReady);
    if (!rig.session.previewRestore(QUrl::fromLocalFile(folder)) || !idle(rig))
        return false;
    return ready.count() == 1;
}

bool TestBackupFlow::restoreInWindow(SessionRig &rig, const QString &folder)
{
    return previewInWindow(rig, folder) && rig.session.restoreBackup() && idle(rig);
}

void TestBackupFlow::backupRestoresWithOther_data()
{
    QTest::addColumn<bool>("windowBacksUp");
    QTest::addColumn<bool>("all"); // the window backs up all of A, B (refusing) and C
    QTest::newRow("window backs up, vuvectl restores") << true << false;
    QTest::newRow("vuvectl backs up, window restores") << false << false;
    QTest::newRow("window backs up all, vuvectl restores") << true << true;
}

// The calculator meanwhile has one file changed, one deleted and one new: the
// restore gives back what the backup holds and deletes nothing.
void TestBackupFlow::backupRestoresWithOther()
{
    QFETCH(bool, windowBacksUp);
    QFETCH(bool, all);
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles(original);
    QVERIFY(
        rig.plug(all ? QStringList { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }
                     : QStringList { QStringLiteral("A") }));
    rig.session.setBackupFolder(QUrl::fromLocalFile(parent.path()));

    QString folder;
    if (all) {
        folder = backUpAllInWindow(rig);
        QVERIFY(!folder.isEmpty());
        const QStringList made = QDir(parent.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(made.size(), 4); // A, C, and B's incomplete one and its retry
        QVERIFY2(
            made.filter(QStringLiteral("-incomplete")).size() == 1, qPrintable(made.join(' ')));
    } else if (windowBacksUp) {
        folder = backUpInWindow(rig);
        QCOMPARE(rig.session.transfer()->outcome(),
            QStringLiteral("Backed up 4 files of Calc A to %1").arg(folder));
        QCOMPARE(folder, onlyFolderIn(parent.path()));
    } else {
        const Run backup = vuvectl(a, { QStringLiteral("backup"), parent.path() });
        QCOMPARE(backup.exitCode, 0);
        folder = backup.out.trimmed();
        QCOMPARE(folder, onlyFolderIn(parent.path()));
    }
    QVERIFY2(QRegularExpression(QStringLiteral("/Calc A-\\d{4}-\\d\\d-\\d\\dT\\d{6}Z$"))
                 .match(folder)
                 .hasMatch(),
        qPrintable(folder));
    QFile manifestFile(QDir(folder).filePath(QStringLiteral("manifest.json")));
    QVERIFY(manifestFile.open(QIODevice::ReadOnly));
    const QJsonObject manifest = QJsonDocument::fromJson(manifestFile.readAll()).object();
    QCOMPARE(manifest.value(QStringLiteral("format")).toString(), QStringLiteral("vuvectl-backup"));
    QCOMPARE(manifest.value(QStringLiteral("device"))
                 .toObject()
                 .value(QStringLiteral("port"))
                 .toString(),
        a->portPath());
    for (const auto &file : original) {
        QFile copy(QDir(folder).filePath(file.first));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), file.second);
    }

    a->setFiles({ { QStringLiteral("MAIN.PY"), "changed" }, { QStringLiteral("EMPTY.TXT"), "" },
        { QStringLiteral("QUAD.PY"), original.at(3).second },
        { QStringLiteral("NEW.PY"), "new" } });
    if (windowBacksUp) {
        const Run restore = vuvectl(
            a, { QStringLiteral("--on-conflict=replace"), QStringLiteral("restore"), folder });
        QCOMPARE(restore.exitCode, 0);
    } else {
        QVERIFY(restoreInWindow(rig, folder));
        QCOMPARE(rig.session.transfer()->outcome(),
            QStringLiteral("Restored 4 files to Calc A and checked them"));
        QCOMPARE(rig.session.property("error").toString(), QString());
        QCOMPARE(sorted(rig.fileNames()),
            sorted({ QStringLiteral("MAIN.PY"), QStringLiteral("EMPTY.TXT"),
                QStringLiteral("QUAD.PY"), QStringLiteral("NEW.PY"), QStringLiteral("DATA.BIN") }));
    }
    QCOMPARE(sorted(a->files()), sorted(original + Files { { QStringLiteral("NEW.PY"), "new" } }));
    // The backup itself is as it was.
    QCOMPARE(sorted(QDir(folder).entryList(QDir::Files)),
        sorted({ QStringLiteral("manifest.json"), QStringLiteral("MAIN.PY"),
            QStringLiteral("EMPTY.TXT"), QStringLiteral("DATA.BIN"), QStringLiteral("QUAD.PY") }));
}

void TestBackupFlow::preview_data()
{
    QTest::addColumn<Files>("onCalc");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("replaced");
    QTest::newRow("as backed up") << original << QStringList()
                                  << QStringList { "MAIN.PY", "EMPTY.TXT", "DATA.BIN", "QUAD.PY" };
    QTest::newRow("emptied") << Files()
                             << QStringList { "MAIN.PY", "EMPTY.TXT", "DATA.BIN", "QUAD.PY" }
                             << QStringList();
    QTest::newRow("changed, deleted, new")
        << Files { { QStringLiteral("NEW.PY"), "new" }, { QStringLiteral("main.py"), "lower" },
               { QStringLiteral("QUAD.PY"), "changed" } }
        << QStringList { "EMPTY.TXT", "DATA.BIN" } << QStringList { "MAIN.PY", "QUAD.PY" };
}

// The preview reads the calculator as it is now, not as the window last
// listed it, sends nothing, and its question names every file it changes.
void TestBackupFlow::preview()
{
    QFETCH(Files, onCalc);
    QFETCH(QStringList, added);
    QFETCH(QStringList, replaced);
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles(original);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    const Run backup = vuvectl(a, { QStringLiteral("backup"), parent.path() });
    QCOMPARE(backup.exitCode, 0);
    const QString folder = backup.out.trimmed();
    a->setFiles(onCalc);
    a->clearReceived();

    QVERIFY(previewInWindow(rig, folder));
    QCOMPARE(rig.session.restoreAdded(), added.size());
    QCOMPARE(rig.session.restoreReplaced(), replaced.size());
    QCOMPARE(rig.session.property("restoreAdded").toInt(), added.size());
    QCOMPARE(rig.session.property("restoreReplaced").toInt(), replaced.size());
    const QString question = rig.session.restoreQuestion();
    QVERIFY2(question.startsWith(QStringLiteral("Restore to Calc A the backup of Calc A made on ")),
        qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("?\n\n")), qPrintable(question));
    if (!added.isEmpty())
        QVERIFY2(question.contains(
                     QStringLiteral(" will be added: %1.").arg(added.join(QStringLiteral(", ")))),
            qPrintable(question));
    if (!replaced.isEmpty())
        QVERIFY2(
            question.contains(
                QStringLiteral(" will be replaced: %1.").arg(replaced.join(QStringLiteral(", ")))),
            qPrintable(question));
    QVERIFY(question.endsWith(
        QStringLiteral("Nothing is deleted, on the calculator or on this computer.")));
    const QList<int> types = a->receivedTypes();
    QCOMPARE(countOf(types, calcMsg::SEND_FILE), 0);
    QCOMPARE(countOf(types, calcMsg::DELETE_FILE), 0);
    QCOMPARE(sorted(a->files()), sorted(onCalc));
    // The table shows the calculator the question was made from.
    QStringList onCalcNames;
    for (const auto &file : onCalc)
        onCalcNames.append(file.first);
    QCOMPARE(sorted(rig.fileNames()), sorted(onCalcNames));

    // The restore does what the question said.
    QVERIFY(rig.session.restoreBackup());
    QVERIFY(idle(rig));
    QCOMPARE(countOf(a->receivedTypes(), calcMsg::SEND_FILE), added.size() + replaced.size());
    QCOMPARE(countOf(a->receivedTypes(), calcMsg::DELETE_FILE), 0);
    for (const auto &file : original)
        QCOMPARE(a->fileContent(file.first), file.second);
    // A second restore needs a preview of its own.
    QVERIFY(!rig.session.restoreBackup());
}

// The question comes once the preview's job is over: a Restore pressed the
// moment it shows is taken, not refused for a calculator still busy.
void TestBackupFlow::restoreAnsweredAtOnce()
{
    QTemporaryDir parent;
    SessionRig rig;
    QString folder;
    backUpOriginal(rig, parent, folder);
    if (QTest::currentTestFailed())
        return;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setFiles({});
    QList<bool> taken;
    QObject::connect(&rig.session, &CVivuRuzaSession::restorePreviewReady, &rig.session,
        [&] { taken.append(rig.session.restoreBackup()); });

    QVERIFY(rig.session.previewRestore(QUrl::fromLocalFile(folder)));
    QTRY_COMPARE_WITH_TIMEOUT(taken.size(), 1, jobTimeoutMs);
    QVERIFY(taken.first());
    QVERIFY(idle(rig));
    QCOMPARE(rig.session.transfer()->outcome(),
        QStringLiteral("Restored 4 files to Calc A and checked them"));
    QCOMPARE(sorted(a->files()), sorted(original));
}

// A calculator whose memory is full refuses every file: the error says why
// and names the file, and the outcome what arrived.
void TestBackupFlow::restoreRefusedByCalculator()
{
    QTemporaryDir parent;
    SessionRig rig;
    QString folder;
    backUpOriginal(rig, parent, folder);
    if (QTest::currentTestFailed())
        return;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setFiles({});
    a->setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
    QStringList told;
    QObject::connect(&rig.session, &CVivuRuzaSession::errorChange, &rig.session, [&] {
        told.append(rig.session.property("error").toString() + QStringLiteral(" | ")
            + rig.session.errorDetail());
    });

    QVERIFY(restoreInWindow(rig, folder));
    QCOMPARE(rig.session.transfer()->outcome(), QStringLiteral("Restored 0 of 4 files to Calc A"));
    // Nothing arrived, so nothing was checked.
    QVERIFY(!rig.session.workerAt(0)->restoreResult.verified);
    QStringList expected;
    for (const auto &file : original)
        expected.append(QStringLiteral("File can't be sent. | %1, Calc A: the calculator's memory "
                                       "is full; delete files on it and send again")
                            .arg(file.first));
    QCOMPARE(told, expected);
    QCOMPARE(a->files(), Files());
    QCOMPARE(rig.fileNames(), QStringList());
}

// A file whose name the calculator's rule would not keep is backed up, but
// restore can't send it back: said as the backup begins, in its outcome, in
// the restore's question (not as an error) and in the restore's outcome.
void TestBackupFlow::unrestorableTold()
{
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles({ { QStringLiteral("MAIN.PY"), "main" }, { QStringLiteral("Long name.py"), "x" } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.session.setBackupFolder(QUrl::fromLocalFile(parent.path()));
    QStringList told;
    QObject::connect(&rig.session, &CVivuRuzaSession::errorChange, &rig.session,
        [&] { told.append(rig.session.property("error").toString()); });
    const QString why = QStringLiteral("its name is not one the calculator's 8.3 rule keeps");

    const QString folder = backUpInWindow(rig);
    QCOMPARE(told,
        QStringList { QStringLiteral("Long name.py is in the backup, but restore can't send it "
                                     "back: %1.")
                          .arg(why) });
    QCOMPARE(rig.session.transfer()->outcome(),
        QStringLiteral("Backed up 1 file of Calc A to %1; 1 file can't be restored from it")
            .arg(folder));

    told.clear();
    a->setFiles({});
    QVERIFY(previewInWindow(rig, folder));
    QCOMPARE(rig.session.restoreAdded(), 1);
    QCOMPARE(rig.session.restoreReplaced(), 0);
    QVERIFY2(rig.session.restoreQuestion().endsWith(
                 QStringLiteral("?\n\n1 file will be added: MAIN.PY.\nNothing is deleted, on the "
                                "calculator or on this computer.\n\n1 file of the backup can't be "
                                "restored: Long name.py (%1).")
                     .arg(why)),
        qPrintable(rig.session.restoreQuestion()));
    QVERIFY(rig.session.restoreBackup());
    QVERIFY(idle(rig));
    QCOMPARE(rig.session.transfer()->outcome(),
        QStringLiteral("Restored 1 file to Calc A and checked it; 1 file of the backup can't be "
                       "restored"));
    QCOMPARE(told, QStringList());
    QCOMPARE(a->files(), (Files { { QStringLiteral("MAIN.PY"), "main" } }));
}

void TestBackupFlow::crowdedManifest_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<bool>("refused");
    QTest::newRow("2000 entries") << 2000 << 12 << false;
    // With the backup's four files, as many as a calculator lists.
    QTest::newRow("as many as a calculator holds") << 9996 << 12 << false;
    QTest::newRow("more than a calculator holds") << 20000 << 270 << true;
    QTest::newRow("a name of a megabyte") << 1 << 1024 * 1024 << false;
}

// A manifest edited to list a crowd of files it can't send back, or names
// of any length: the preview reads it in the worker, the question names a
// few and counts the rest, and the files the backup holds still restore.
// One listing more files than a calculator holds is no backup of ours.
void TestBackupFlow::crowdedManifest()
{
    QFETCH(int, entries);
    QFETCH(int, nameLength);
    QFETCH(bool, refused);
    QTemporaryDir parent;
    SessionRig rig;
    QString folder;
    backUpOriginal(rig, parent, folder);
    if (QTest::currentTestFailed())
        return;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(crowd(folder, entries, nameLength));
    a->setFiles({});
    QStringList told;
    QObject::connect(&rig.session, &CVivuRuzaSession::errorChange, &rig.session,
        [&] { told.append(rig.session.property("error").toString()); });

    QSignalSpy ready(&rig.session, &CVivuRuzaSession::restorePreviewReady);
    QVERIFY(rig.session.previewRestore(QUrl::fromLocalFile(folder)));
    // The window never waits: the manifest is read in the job.
    QCOMPARE(rig.session.runningJobs(), 1);
    QCOMPARE(ready.count(), 0);
    QVERIFY(idle(rig));
    if (refused) {
        QCOMPARE(ready.count(), 0);
        QCOMPARE(told,
            QStringList { QStringLiteral("The manifest.json of %1 lists more files than a "
                                         "calculator holds.")
                              .arg(QDir::toNativeSeparators(folder)) });
        QVERIFY(!rig.session.restoreBackup());
        return;
    }
    QCOMPARE(ready.count(), 1);
    QCOMPARE(told, QStringList());
    const QString question = rig.session.restoreQuestion();
    QVERIFY2(question.size() < 1500, qPrintable(question.left(3000)));
    const QString why = QStringLiteral("its name is not one the calculator's 8.3 rule keeps");
    const QString first = QStringLiteral("N00000").leftJustified(nameLength - 3, QLatin1Char('x'))
        + QStringLiteral(".py");
    QString shownFirst = first;
    if (first.size() > 100)
        shownFirst = first.left(99) + QChar(0x2026);
    const QString listed = entries == 1
        ? QStringLiteral("1 file of the backup can't be restored: %1 (%2).").arg(shownFirst, why)
        : QStringLiteral("%1 files of the backup can't be restored: %2 (%3); ")
              .arg(QString::number(entries), shownFirst, why);
    QVERIFY2(question.contains(listed), qPrintable(question));
    if (entries > 3)
        QVERIFY2(question.endsWith(
                     QStringLiteral("(%1) and %2 more.").arg(why, QString::number(entries - 3))),
            qPrintable(question));

    QVERIFY(rig.session.restoreBackup());
    QVERIFY(idle(rig));
    QCOMPARE(rig.session.transfer()->outcome(),
        QStringLiteral("Restored 4 files to Calc A and checked them; %1 of the backup can't be "
                       "restored")
            .arg(
                entries == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(entries)));
    QCOMPARE(sorted(a->files()), sorted(original));
    QCOMPARE(told, QStringList());
}

void TestBackupFlow::previewBindsRestore_data()
{
    QTest::addColumn<QByteArray>("swappedContent");
    QTest::addColumn<bool>("sent");
    QTest::newRow("the file shown changed") << QByteArray("other bytes") << false;
    QTest::newRow("the file shown the same") << QByteArray("added") << true;
}

// The backup's folder swapped for another between the question and Restore:
// what goes is what the question showed, as the preview read it. A file of
// it whose bytes are not what the preview's manifest says is refused.
void TestBackupFlow::previewBindsRestore()
{
    QFETCH(QByteArray, swappedContent);
    QFETCH(bool, sent);
    QTemporaryDir parent;
    QTemporaryDir other;
    QVERIFY(parent.isValid() && other.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    const QPair<QString, QByteArray> main { QStringLiteral("MAIN.PY"), "main" };
    a->setFiles({ main, { QStringLiteral("ONE.PY"), "1" }, { QStringLiteral("TWO.PY"), "2" },
        { QStringLiteral("THREE.PY"), "3" }, { QStringLiteral("ADDED.TXT"), swappedContent } });
    const Run swapped = vuvectl(a, { QStringLiteral("backup"), other.path() });
    QCOMPARE(swapped.exitCode, 0);
    a->setFiles({ { QStringLiteral("ADDED.TXT"), "added" } });
    const Run shown = vuvectl(a, { QStringLiteral("backup"), parent.path() });
    QCOMPARE(shown.exitCode, 0);
    const QString folder = shown.out.trimmed();
    a->setFiles({ { main.first, "kept" } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));

    QVERIFY(previewInWindow(rig, folder));
    QVERIFY2(rig.session.restoreQuestion().contains(
                 QStringLiteral("?\n\n1 file will be added: ADDED.TXT.\nNothing is deleted")),
        qPrintable(rig.session.restoreQuestion()));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().rename(swapped.out.trimmed(), folder));
    a->clearReceived();
    QStringList told;
    QObject::connect(&rig.session, &CVivuRuzaSession::errorChange, &rig.session,
        [&] { told.append(rig.session.property("error").toString()); });

    QVERIFY(rig.session.restoreBackup());
    QVERIFY(idle(rig));
    const CVoriWorker::RestoreResult &r = rig.session.workerAt(0)->restoreResult;
    QCOMPARE(r.added, QStringList { QStringLiteral("ADDED.TXT") });
    QCOMPARE(r.replaced, QStringList());
    QCOMPARE(countOf(a->receivedTypes(), calcMsg::SEND_FILE), sent ? 1 : 0);
    QCOMPARE(a->fileContent(main.first), QByteArray("kept"));
    if (sent) {
        QCOMPARE(rig.session.transfer()->outcome(),
            QStringLiteral("Restored 1 file to Calc A and checked it"));
        QCOMPARE(told, QStringList());
        QCOMPARE(sorted(a->files()),
            sorted({ { main.first, "kept" }, { QStringLiteral("ADDED.TXT"), "added" } }));
        QVERIFY(r.verified);
    } else {
        QCOMPARE(
            rig.session.transfer()->outcome(), QStringLiteral("Restored 0 of 1 files to Calc A"));
        QCOMPARE(told,
            QStringList { QStringLiteral("%1 changed since it was checked; it was not sent.")
                              .arg(QDir::toNativeSeparators(
                                  QDir(folder).filePath(QStringLiteral("ADDED.TXT")))) });
        QCOMPARE(a->files(), (Files { { main.first, "kept" } }));
        // Nothing arrived, so nothing was checked.
        QVERIFY(!r.verified);
    }
}

void TestBackupFlow::backupNoLongerMatching_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("error");
    QTest::newRow("a file changed") << "change"
                                    << "%1/MAIN.PY differs from what the manifest "
                                       "says was backed up.";
    QTest::newRow("a file gone") << "remove"
                                 << "%1/DATA.BIN is missing from the backup.";
    QTest::newRow("no manifest")
        << "manifest"
        << "%1 holds no complete backup: it has no readable manifest.json.";
    QTest::newRow("marked incomplete") << "incomplete"
                                       << "The backup in %1 is not complete; nothing was sent.";
}

// What the backup no longer holds as its manifest says is refused before
// any question: the preview never comes, and nothing is sent.
void TestBackupFlow::backupNoLongerMatching()
{
    QFETCH(QString, damage);
    QFETCH(QString, error);
    QTemporaryDir parent;
    SessionRig rig;
    QString folder;
    backUpOriginal(rig, parent, folder);
    if (QTest::currentTestFailed())
        return;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    const QDir dir(folder);
    if (damage == QLatin1String("change"))
        QVERIFY(writeLocalFile(dir.filePath(QStringLiteral("MAIN.PY")), bytes(3000, 9)));
    else if (damage == QLatin1String("remove"))
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("DATA.BIN"))));
    else if (damage == QLatin1String("manifest"))
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("manifest.json"))));
    else
        QVERIFY(writeLocalFile(dir.filePath(QStringLiteral("INCOMPLETE.txt")), "cut short\n"));
    a->setFiles({});
    a->clearReceived();
    QStringList told;
    QObject::connect(&rig.session, &CVivuRuzaSession::errorChange, &rig.session,
        [&] { told.append(rig.session.property("error").toString()); });

    QVERIFY(!previewInWindow(rig, folder));
    QVERIFY2(told.contains(error.arg(QDir::toNativeSeparators(folder))),
        qPrintable(told.join(QLatin1Char('\n'))));
    QVERIFY(!rig.session.restoreBackup());
    QVERIFY(idle(rig));
    QCOMPARE(countOf(a->receivedTypes(), calcMsg::SEND_FILE), 0);
    QCOMPARE(a->files(), Files());
}

// Cancel stops the backup after the frame in transfer; its folder keeps no
// manifest, is marked incomplete, and the outcome says so without an error.
void TestBackupFlow::cancelledBackupMarkedIncomplete()
{
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles({ { QStringLiteral("FIRST.PY"), "first" },
        { QStringLiteral("BIG.BIN"), bytes(256 * 1024, 4) },
        { QStringLiteral("LAST.PY"), "last" } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.session.setBackupFolder(QUrl::fromLocalFile(parent.path()));
    a->setByteRate(16 * 1024);

    QVERIFY(rig.session.backUp());
    TransferProgress *transfer = rig.session.transfer();
    QTRY_VERIFY_WITH_TIMEOUT(
        transfer->fileName() == QLatin1String("BIG.BIN") && transfer->bytesDone() > 0, 20000);
    QVERIFY(rig.session.canCancelTransfer());
    rig.session.cancelTransfer();
    QVERIFY(idle(rig));
    a->setByteRate(0);

    const QString folder = onlyFolderIn(parent.path());
    QVERIFY2(folder.endsWith(QStringLiteral("-incomplete")), qPrintable(folder));
    QCOMPARE(rig.session.workerAt(0)->backupResult.folder, folder);
    const QDir dir(folder);
    QVERIFY(!dir.exists(QStringLiteral("manifest.json")));
    QVERIFY(!dir.exists(QStringLiteral("BIG.BIN")));
    QVERIFY(!dir.exists(QStringLiteral("LAST.PY")));
    QFile note(dir.filePath(QStringLiteral("INCOMPLETE.txt")));
    QVERIFY(note.open(QIODevice::ReadOnly));
    QCOMPARE(note.readAll(), QByteArray("This backup is not complete: it was cancelled.\n"));
    QCOMPARE(transfer->outcome(),
        QStringLiteral("Cancelled: The backup of Calc A is not complete; %1 is marked so; "
                       "nothing of the file in transfer was written")
            .arg(QDir::toNativeSeparators(folder)));
    QCOMPARE(rig.session.property("error").toString(), QString());

    // The line is in step: the next backup is whole.
    QVERIFY(rig.session.backUp());
    QVERIFY(idle(rig));
    QVERIFY(QFileInfo::exists(QDir(rig.session.workerAt(0)->backupResult.folder)
                                  .filePath(QStringLiteral("manifest.json"))));
}

// Cancel stops the restore after the frame in transfer; the part of the file
// sent is deleted from the calculator, and the outcome says what was done.
void TestBackupFlow::cancelledRestoreLeavesNoPart()
{
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    const Files backedUp { { QStringLiteral("FIRST.PY"), "first" },
        { QStringLiteral("BIG.BIN"), bytes(256 * 1024, 5) },
        { QStringLiteral("LAST.PY"), "last" } };
    a->setFiles(backedUp);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.session.setBackupFolder(QUrl::fromLocalFile(parent.path()));
    const QString folder = backUpInWindow(rig);
    QVERIFY(!folder.isEmpty());
    a->setFiles({});
    QVERIFY(previewInWindow(rig, folder));
    a->setByteRate(16 * 1024);

    QVERIFY(rig.session.restoreBackup());
    TransferProgress *transfer = rig.session.transfer();
    QTRY_VERIFY_WITH_TIMEOUT(
        transfer->fileName() == QLatin1String("BIG.BIN") && transfer->bytesDone() > 0, 20000);
    rig.session.cancelTransfer();
    QVERIFY(idle(rig));
    a->setByteRate(0);

    QCOMPARE(transfer->outcome(),
        QStringLiteral("Cancelled: Restored 1 of 3 files to Calc A; the part of BIG.BIN sent was "
                       "deleted from the calculator"));
    QCOMPARE(rig.session.property("error").toString(), QString());
    QCOMPARE(a->files(), (Files { backedUp.at(0) }));
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("FIRST.PY") });
}

// Chosen once, the folder stays the backup folder for every later session,
// as for the next run of the window.
void TestBackupFlow::folderRemembered()
{
    QTemporaryDir chosen;
    QVERIFY(chosen.isValid());
    {
        CVivuRuzaSession session;
        QCOMPARE(session.backupFolder(), CVivuRuzaSession::defaultBackupFolder());
        QSignalSpy changes(&session, &CVivuRuzaSession::backupFolderChange);
        session.setBackupFolder(QUrl::fromLocalFile(chosen.path()));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(session.backupFolder(), chosen.path());
        QCOMPARE(session.property("backupFolder").toString(), chosen.path());
        session.setBackupFolder(QUrl::fromLocalFile(chosen.path()));
        QCOMPARE(changes.count(), 1);
    }
    QSettings().sync();
    CVivuRuzaSession later;
    QCOMPARE(later.backupFolder(), chosen.path());
    QCOMPARE(later.backupFolderUrl(), QUrl::fromLocalFile(chosen.path()));

    // A backup goes where the later session remembers.
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.session.backupFolder(), chosen.path());
    const QString folder = backUpInWindow(rig);
    QCOMPARE(QFileInfo(folder).absolutePath(), chosen.path());
}

// Never chosen, backups go into a folder of their own among the user's
// documents, made at the first backup.
void TestBackupFlow::defaultFolderMade()
{
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/Vuve Vudurod backups");
    QVERIFY2(expected.startsWith(m_home.path()), qPrintable(expected));
    QCOMPARE(CVivuRuzaSession::defaultBackupFolder(), expected);
    QDir(expected).removeRecursively();
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.session.backupFolder(), expected);
    const QString folder = backUpInWindow(rig);
    QCOMPARE(QFileInfo(folder).absolutePath(), expected);
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("A.PY"))));
}

// A restore's readings of the calculator's listing tell the files they could
// not show, as a send's do, though the notice was dismissed meanwhile.
void TestBackupFlow::restoreTellsUnread()
{
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles(original);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    const Run backup = vuvectl(a, { QStringLiteral("backup"), parent.path() });
    QCOMPARE(backup.exitCode, 0);
    const QString folder = backup.out.trimmed();
    a->setFiles(original + Files { { QStringLiteral("ODD.PY"), "odd" } });
    a->setBrokenUtf8FileName(QStringLiteral("ODD.PY"));
    ConnectionDoctor *doctor = rig.session.doctor();
    QCOMPARE(doctor->notices(), QStringList());

    const QStringList notice { QStringLiteral(
        "1 file on Calc A could not be read and is not shown.") };
    QVERIFY(previewInWindow(rig, folder));
    QCOMPARE(doctor->notices(), notice);
    doctor->dismiss(0);
    QVERIFY(rig.session.restoreBackup());
    QVERIFY(idle(rig));
    QCOMPARE(doctor->notices(), notice);
}

QTEST_GUILESS_MAIN(TestBackupFlow)
#include "tst_backupflow.moc"
