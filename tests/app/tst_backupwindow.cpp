// The window's backups and restores as a person reaches them: the menu's
// "Back up…" asks once with the folder shown, Change Folder picks another
// that later backups keep, "Restore…" picks a backup and says what it adds
// and replaces before anything moves, and the outcome stays on the progress
// line; Ctrl+B and the menu by keyboard get there too. The real document and
// session, on simulated calculators.
#include "BackupWriter.h"
#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using FileList = QList<QPair<QString, QByteArray>>;

const FileList calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray("print('on the calculator')\n") },
    { QStringLiteral("QUAD.py"), QByteArray("a, b, c = 1, -3, 2\n") },
    { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") },
};

FileList sorted(FileList files)
{
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

class TestBackupWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backUpAndRestoreFromTheMenu();
    void changeFolderKept();
    void crowdedBackupAsksInBounds();
    void keyboardReachesBoth_data();
    void keyboardReachesBoth();
    void backUpAllFromTheMenu();
    void cancelBackUpAll_data();
    void cancelBackUpAll();
    void refusedWithoutCalculator_data();
    void refusedWithoutCalculator();
    void replacedFolderAskedAgain();
    void namelessCalculatorAsked();

private:
    bool idle() const;
    QString transferLine() const { return m_driver->read("transferLine", "text").toString(); }

    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
    QTemporaryDir m_backups;
};

void TestBackupWindow::init()
{
    QSettings().clear();
    QVERIFY(m_backups.isValid());
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles));
    m_driver = std::make_unique<WindowDriver>();
}

void TestBackupWindow::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
    QDir(m_backups.path()).removeRecursively();
    QDir().mkpath(m_backups.path());
}

bool TestBackupWindow::idle() const
{
    return QTest::qWaitFor(
        [this] {
            return m_driver->session().runningJobs() == 0
                && !m_driver->session().transfer()->running();
        },
        30000);
}

void TestBackupWindow::backUpAndRestoreFromTheMenu()
{
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    m_driver->session().setBackupFolder(QUrl::fromLocalFile(m_backups.path()));

    m_driver->activate("backUpMenuItem");
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QCOMPARE(
        m_driver->read("backupQuestion", "title").toString(), QStringLiteral("Back up Vori X1"));
    QCOMPARE(
        m_driver->read(m_driver->byName("backupFolderLine"), "text").toString(), m_backups.path());
    QQuickItem *backUp = m_driver->dialogButton("backupQuestion", QStringLiteral("Back Up"));
    QVERIFY(backUp);
    m_driver->click(backUp);
    QTRY_VERIFY(!m_driver->isOpen("backupQuestion"));
    QTRY_VERIFY_WITH_TIMEOUT(transferLine().startsWith(QStringLiteral("Backed up ")), 30000);
    QVERIFY(idle());
    const QStringList made = QDir(m_backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(made.size(), 1);
    const QString folder = QDir(m_backups.path()).filePath(made.first());
    QCOMPARE(transferLine(), QStringLiteral("Backed up 3 files of Vori X1 to %1").arg(folder));
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("manifest.json"))));

    // One file changed and one gone since.
    m_calc->setFiles({ calculatorFiles.at(0), { QStringLiteral("QUAD.py"), "changed" } });
    m_driver->activate("restoreMenuItem");
    QTRY_VERIFY(m_driver->isOpen("restoreChooser"));
    m_driver->choose("restoreChooser", { QUrl::fromLocalFile(folder) });
    QTRY_VERIFY_WITH_TIMEOUT(m_driver->read("restoreQuestion", "opened").toBool(), 20000);
    const QString question = m_driver->read("restoreQuestionText", "text").toString();
    QVERIFY2(question.contains(QStringLiteral("1 file will be added: NOTES.txt.\n"
                                              "2 files will be replaced: MAIN.py, QUAD.py.\n"
                                              "Nothing is deleted")),
        qPrintable(question));
    QCOMPARE(m_calc->fileContent(QStringLiteral("QUAD.py")), QByteArray("changed"));
    QQuickItem *restore = m_driver->dialogButton("restoreQuestion", QStringLiteral("Restore"));
    QVERIFY(restore);
    m_driver->click(restore);
    QTRY_VERIFY(!m_driver->isOpen("restoreQuestion"));
    // The restore's job may not have begun when the question closes, so
    // idle alone can come before it: wait for its outcome.
    QTRY_COMPARE_WITH_TIMEOUT(
        transferLine(), QStringLiteral("Restored 3 files to Vori X1 and checked them"), 30000);
    QVERIFY(idle());
    QCOMPARE(sorted(m_calc->files()), sorted(calculatorFiles));
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), 3);
}

// A backup whose manifest was edited to list 2000 files it can't send back:
// the question names a few and counts the rest, and fits in the window.
void TestBackupWindow::crowdedBackupAsksInBounds()
{
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    m_driver->session().setBackupFolder(QUrl::fromLocalFile(m_backups.path()));
    QVERIFY(m_driver->session().backUp());
    QVERIFY(idle());
    const QStringList made = QDir(m_backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(made.size(), 1);
    const QString folder = QDir(m_backups.path()).filePath(made.first());
    QFile file(QDir(folder).filePath(QStringLiteral("manifest.json")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray left;
    for (int i = 0; i < 2000; ++i)
        left.append(
            QJsonObject { { QStringLiteral("name"), QStringLiteral("Long name %1.py").arg(i) },
                { QStringLiteral("size"), 10 },
                { QStringLiteral("reason"),
                    QStringLiteral("its name is not one the calculator's 8.3 rule keeps") } });
    manifest.insert(QStringLiteral("unrestorable"), left);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write(QJsonDocument(manifest).toJson()) > 0);
    file.close();

    m_driver->activate("restoreMenuItem");
    QTRY_VERIFY(m_driver->isOpen("restoreChooser"));
    m_driver->choose("restoreChooser", { QUrl::fromLocalFile(folder) });
    QTRY_VERIFY_WITH_TIMEOUT(m_driver->read("restoreQuestion", "opened").toBool(), 20000);
    const QString question = m_driver->read("restoreQuestionText", "text").toString();
    QVERIFY2(question.endsWith(QStringLiteral("2000 files of the backup can't be restored: Long "
                                              "name 0.py (its name is not one the calculator's "
                                              "8.3 rule keeps); Long name 1.py (its name is not "
                                              "one the calculator's 8.3 rule keeps); Long name "
                                              "2.py (its name is not one the calculator's 8.3 "
                                              "rule keeps) and 1997 more.")),
        qPrintable(question.left(2000)));
    // What it asks for, as the window may cut the dialog to its own height.
    const qreal height = m_driver->read("restoreQuestion", "implicitHeight").toReal();
    QVERIFY2(height <= m_driver->window()->height(),
        qPrintable(QStringLiteral("%1 > %2").arg(height).arg(m_driver->window()->height())));
    m_driver->click(m_driver->dialogButton("restoreQuestion", QStringLiteral("Cancel")));
    QTRY_VERIFY(!m_driver->isOpen("restoreQuestion"));
}

// The folder chosen shows in the question at once and stays the backup
// folder for the next run of the window.
void TestBackupWindow::changeFolderKept()
{
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    QCOMPARE(m_driver->session().backupFolder(), CVivuRuzaSession::defaultBackupFolder());

    m_driver->activate("backUpMenuItem");
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    m_driver->click(
        m_driver->dialogButton("backupQuestion", QStringLiteral("Change Folder\u2026")));
    QTRY_VERIFY(m_driver->isOpen("backupFolderDialog"));
    m_driver->choose("backupFolderDialog", { QUrl::fromLocalFile(m_backups.path()) });
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QCOMPARE(
        m_driver->read(m_driver->byName("backupFolderLine"), "text").toString(), m_backups.path());
    m_driver->answer("backupQuestion", false);
    QTRY_VERIFY(!m_driver->isOpen("backupQuestion"));
    QVERIFY(QDir(m_backups.path()).isEmpty());

    m_driver.reset();
    m_driver = std::make_unique<WindowDriver>();
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    QCOMPARE(m_driver->session().backupFolder(), m_backups.path());
    m_driver->activate("backUpMenuItem");
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    m_driver->answer("backupQuestion", true);
    QTRY_COMPARE_WITH_TIMEOUT(
        QDir(m_backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1, 30000);
    QVERIFY(idle());
}

void TestBackupWindow::keyboardReachesBoth_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("all"); // Back up all calculators rather than Back up
    QTest::newRow("Ctrl+B") << false << false;
    QTest::newRow("menu, arrows, Enter") << true << false;
    QTest::newRow("Ctrl+Shift+B") << false << true;
    QTest::newRow("menu, arrows, Enter, all") << true << true;
}

// Ctrl+B, or the menu walked with the arrows, opens the question with Back
// Up focused: Space backs up. Restore is four entries on, after the
// collect and clear entries.
void TestBackupWindow::keyboardReachesBoth()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, all);
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    QVERIFY(m_driver->activateWindow());
    m_driver->session().setBackupFolder(QUrl::fromLocalFile(m_backups.path()));
    QObject *menuButton = m_driver->byName("menuButton");
    const auto openMenuAt = [&](int downs) {
        QMetaObject::invokeMethod(
            menuButton, "forceActiveFocus", Q_ARG(Qt::FocusReason, Qt::TabFocusReason));
        QTest::keyClick(m_driver->window(), Qt::Key_Space);
        QTRY_VERIFY(m_driver->read("optionsMenu", "opened").toBool());
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(m_driver->window(), Qt::Key_Down);
        QTest::keyClick(m_driver->window(), Qt::Key_Return);
    };

    if (byMenu)
        openMenuAt(all ? 6 : 5);
    else
        QTest::keySequence(m_driver->window(),
            QKeySequence(all ? QStringLiteral("Ctrl+Shift+B") : QStringLiteral("Ctrl+B")));
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QCOMPARE(m_driver->read("backupQuestion", "title").toString(),
        all ? QStringLiteral("Back up all calculators") : QStringLiteral("Back up Vori X1"));
    QQuickItem *backUp = m_driver->dialogButton("backupQuestion", QStringLiteral("Back Up"));
    QTRY_VERIFY(backUp->hasActiveFocus());
    QTest::keyClick(m_driver->window(), Qt::Key_Space);
    QTRY_VERIFY(!m_driver->isOpen("backupQuestion"));
    QTRY_COMPARE_WITH_TIMEOUT(
        QDir(m_backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1, 30000);
    QVERIFY(idle());
    QCOMPARE(m_driver->session().classJob()->active(), all);

    if (byMenu && !all) {
        QVERIFY(m_driver->activateWindow());
        openMenuAt(9);
        QTRY_VERIFY(m_driver->isOpen("restoreChooser"));
        QVERIFY(QTest::qWaitFor([this] { return m_driver->foldersShown() == 1; }));
        QMetaObject::invokeMethod(m_driver->byId("restoreChooser"), "close");
    }
}

// Every calculator at once, one refusing its files: the class panel's rows
// and summary say which failed and why, and its Retry backs that one up.
void TestBackupWindow::backUpAllFromTheMenu()
{
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    m_driver->session().setBackupFolder(QUrl::fromLocalFile(m_backups.path()));
    m_lab->setRefusal(VivuRuza::calcMsg::GET_FILE, VivuRuza::calcMsg::FILE_NOT_EXIST, 0,
        QStringLiteral("Storage is locked"));

    m_driver->activate("backUpAllMenuItem");
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QCOMPARE(m_driver->read("backupQuestion", "title").toString(),
        QStringLiteral("Back up all calculators"));
    QCOMPARE(
        m_driver->read(m_driver->byName("backupFolderLine"), "text").toString(), m_backups.path());
    m_driver->click(m_driver->dialogButton("backupQuestion", QStringLiteral("Back Up")));
    QObject *panel = m_driver->byName("classPanel");
    QTRY_VERIFY(panel->property("visible").toBool());
    QCOMPARE(m_driver->read(m_driver->byName("classTitle"), "text").toString(),
        QStringLiteral("Back up 2 calculators into %1").arg(m_backups.path()));
    QVERIFY(idle());
    ClassJobModel *job = m_driver->session().classJob();
    QTRY_VERIFY(!job->running());
    const QString summary = m_driver->read(m_driver->byName("classSummary"), "text").toString();
    QVERIFY2(
        summary.startsWith(QStringLiteral("Backed up 1 of 2 calculators; 1 failed: Vori X1 Lab: ")),
        qPrintable(summary));
    QCOMPARE(job->outcome(0), QStringLiteral("3 files backed up"));
    QCOMPARE(transferLine(), QString());

    m_lab->clearRefusals();
    auto *retry = qobject_cast<QQuickItem *>(m_driver->byName("classRetry"));
    QTRY_VERIFY(retry && retry->isVisible());
    m_driver->click(retry);
    QTRY_VERIFY_WITH_TIMEOUT(m_driver->read(m_driver->byName("classSummary"), "text").toString()
            == QStringLiteral("Backed up 2 of 2 calculators"),
        30000);
    QStringList complete;
    for (const QFileInfo &made :
        QDir(m_backups.path()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo::exists(made.filePath() + QStringLiteral("/manifest.json")))
            complete.append(made.fileName().section(QLatin1Char('-'), 0, 0));
    }
    complete.sort();
    QCOMPARE(complete, (QStringList { QStringLiteral("Vori X1"), QStringLiteral("Vori X1 Lab") }));
    m_driver->activate("classClose");
    QTRY_VERIFY(!panel->property("visible").toBool());
}

void TestBackupWindow::cancelBackUpAll_data()
{
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("Esc") << true;
    QTest::newRow("the panel's Cancel") << false;
}

// Both calculators back up slowly; Esc, or the panel's Cancel, stops both,
// and each folder is marked incomplete.
void TestBackupWindow::cancelBackUpAll()
{
    QFETCH(bool, byEsc);
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    m_driver->session().setBackupFolder(QUrl::fromLocalFile(m_backups.path()));
    for (CalcSimulator *calc : { m_calc.get(), m_lab.get() }) {
        calc->setFiles({ { QStringLiteral("WAVE.bin"), QByteArray(256 * 1024, 'w') } });
        calc->setByteRate(16 * 1024);
    }
    ClassJobModel *job = m_driver->session().classJob();
    QSignalSpy states(job, &ClassJobModel::stateChange);
    QVERIFY(m_driver->session().backUpAll());
    QTRY_VERIFY(m_driver->byName("classPanel")->property("visible").toBool());
    QTRY_COMPARE_WITH_TIMEOUT(states.count(), 2, 20000);

    if (byEsc) {
        QVERIFY(m_driver->activateWindow());
        QTest::keyClick(m_driver->window(), Qt::Key_Escape);
    } else {
        m_driver->click(qobject_cast<QQuickItem *>(m_driver->byName("classCancelJob")));
    }
    QVERIFY(idle());
    QTRY_VERIFY(!job->running());
    for (int row = 0; row < 2; ++row)
        QCOMPARE(job->state(row), ClassJobModel::State::Cancelled);
    const QStringList made = QDir(m_backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(made.size(), 2);
    QCOMPARE(made.filter(QStringLiteral("-incomplete")).size(), 2);
    m_calc->setByteRate(0);
    m_lab->setByteRate(0);
}

void TestBackupWindow::refusedWithoutCalculator_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("Back up") << QByteArray("backUpMenuItem");
    QTest::newRow("Back up all") << QByteArray("backUpAllMenuItem");
    QTest::newRow("Restore") << QByteArray("restoreMenuItem");
}

void TestBackupWindow::refusedWithoutCalculator()
{
    QFETCH(QByteArray, entry);
    QVERIFY(m_driver->start());
    m_driver->activate(entry.constData());
    QCOMPARE(m_driver->statusLine(), QStringLiteral("No calculator is connected"));
    QVERIFY(!m_driver->isOpen("backupQuestion"));
    QVERIFY(!m_driver->isOpen("restoreChooser"));
}

// A home and settings of the test's own, before the application reads
// either: the backups it makes never land among the user's documents.
static void prepare()
{
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

// The folder chosen for backups was made anew since (another user may have
// put one of theirs under its path): the question says so, Back Up waits,
// and Change Folder chooses it again.
void TestBackupWindow::replacedFolderAskedAgain()
{
    const QString chosen = m_backups.filePath(QStringLiteral("class"));
    QVERIFY(QDir().mkdir(chosen));
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    m_driver->session().setBackupFolder(QUrl::fromLocalFile(chosen));
    QVERIFY(QDir().rename(chosen, m_backups.filePath(QStringLiteral("aside"))));
    QVERIFY(QDir().mkdir(chosen));

    m_driver->activate("backUpMenuItem");
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QCOMPARE(m_driver->read(m_driver->byName("backupFolderProblem"), "text").toString(),
        BackupWriter::replacedParentText(chosen));
    QVERIFY(m_driver->read(m_driver->byName("backupFolderProblem"), "visible").toBool());
    QQuickItem *backUp = m_driver->dialogButton("backupQuestion", QStringLiteral("Back Up"));
    QVERIFY(backUp);
    QVERIFY(!backUp->isEnabled());

    m_driver->click(
        m_driver->dialogButton("backupQuestion", QStringLiteral("Change Folder\u2026")));
    QTRY_VERIFY(m_driver->isOpen("backupFolderDialog"));
    m_driver->choose("backupFolderDialog", { QUrl::fromLocalFile(chosen) });
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QVERIFY(!m_driver->read(m_driver->byName("backupFolderProblem"), "visible").toBool());
    QVERIFY(backUp->isEnabled());
    m_driver->click(backUp);
    QTRY_COMPARE_WITH_TIMEOUT(
        QDir(chosen).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1, 30000);
    QVERIFY(idle());
}

// A calculator that gives no name is asked about in sentences of their own,
// never with a gap where its name would be.
void TestBackupWindow::namelessCalculatorAsked()
{
    m_calc->setName(QString());
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    m_driver->activate("backUpMenuItem");
    QTRY_VERIFY(m_driver->read("backupQuestion", "opened").toBool());
    QCOMPARE(m_driver->read("backupQuestion", "title").toString(),
        QStringLiteral("Back up the calculator"));
    QVERIFY2(m_driver->read(m_driver->byName("backupQuestionText"), "text")
                 .toString()
                 .startsWith(QStringLiteral("Every file on the calculator is copied")),
        qPrintable(m_driver->read(m_driver->byName("backupQuestionText"), "text").toString()));
    m_driver->answer("backupQuestion", false);
}

QTEST_MAIN(TestBackupWindow)
#include "tst_backupwindow.moc"
