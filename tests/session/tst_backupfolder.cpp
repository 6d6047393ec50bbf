// The folder chosen for the window's backups is remembered as the folder it
// was, not as a path: when the path names another folder now (made anew, or
// another user's link in its place), the window says so before anything is
// written and writes nothing there until the folder is chosen again.
#include "BackupWriter.h"
#include "CVivuRuzaSession.h"
#include "ClassJobModel.h"
#include "LocalFiles.h"
#include "SessionRig.h"
#include "TransferProgress.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <unistd.h>

namespace {
const int jobTimeoutMs = 30000;

bool idle(SessionRig &rig)
{
    return QTest::qWaitFor(
        [&rig] {
            return rig.session.runningJobs() == 0 && !rig.session.transfer()->running()
                && !rig.session.classJob()->running();
        },
        jobTimeoutMs);
}

} // namespace

class TestBackupFolder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void replacedFolderTakesNothing_data();
    void replacedFolderTakesNothing();

private:
    QTemporaryDir m_home;
};

void TestBackupFolder::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_backupfolder"));
}

void TestBackupFolder::init()
{
    QSettings().clear();
    QSettings().sync();
}

void TestBackupFolder::replacedFolderTakesNothing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("all");
    QTest::newRow("left alone") << QString() << false;
    QTest::newRow("made anew") << QStringLiteral("anew") << false;
    QTest::newRow("a link in its place") << QStringLiteral("link") << false;
    QTest::newRow("another owner") << QStringLiteral("owner") << false;
    QTest::newRow("made anew, back up all") << QStringLiteral("anew") << true;
}

void TestBackupFolder::replacedFolderTakesNothing()
{
    QFETCH(QString, change);
    QFETCH(bool, all);
    QTemporaryDir shared;
    QTemporaryDir elsewhere;
    const QString chosen = shared.filePath(QStringLiteral("class"));
    QVERIFY(QDir().mkdir(chosen));
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.session.setBackupFolder(QUrl::fromLocalFile(chosen));
    QCOMPARE(rig.session.backupFolderProblem(), QString());

    if (change == QLatin1String("owner")) {
        if (::geteuid() != 0)
            QSKIP("Only root gives a folder to another user.");
        QVERIFY(::chown(QFile::encodeName(chosen).constData(), 65534, 65534) == 0);
    } else if (!change.isEmpty()) {
        QVERIFY(QDir().rename(chosen, shared.filePath(QStringLiteral("aside"))));
        if (change == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere.path(), chosen));
        else
            QVERIFY(QDir().mkdir(chosen));
    }
    const QString problem = change.isEmpty() ? QString() : BackupWriter::replacedParentText(chosen);
    // Said before anything is written, for the question to show.
    QCOMPARE(rig.session.backupFolderProblem(), problem);

    // Pressed all the same (the question changed under it): nothing lands.
    QVERIFY(all ? rig.session.backUpAll() : rig.session.backUp());
    QVERIFY(idle(rig));
    const QStringList made = entriesOf(chosen);
    QCOMPARE(entriesOf(elsewhere.path()), QStringList());
    if (change.isEmpty()) {
        QCOMPARE(made.size(), 1);
        return;
    }
    QCOMPARE(made, QStringList());
    if (all) {
        QCOMPARE(rig.session.classJob()->failedCount(), 1);
        QVERIFY2(rig.session.classJob()->outcome(0).contains(problem),
            qPrintable(rig.session.classJob()->outcome(0)));
    } else {
        QCOMPARE(
            rig.session.transfer()->outcome(), QStringLiteral("Nothing was backed up from Calc A"));
        QCOMPARE(rig.session.property("error").toString(), problem);
    }

    // Chosen again, under the same path, it is the folder now.
    rig.session.setBackupFolder(QUrl::fromLocalFile(chosen));
    QCOMPARE(rig.session.backupFolderProblem(), QString());
    QVERIFY(rig.session.backUp());
    QVERIFY(idle(rig));
    QCOMPARE(entriesOf(chosen).size(), 1);
    QCOMPARE(entriesOf(elsewhere.path()).size(), change == QLatin1String("link") ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestBackupFolder)
#include "tst_backupfolder.moc"
