// Pictures of a backup and its restore for docs/: the backup question with
// the remembered folder, a backup in progress and its outcome, the restore
// question that says what is added and replaced, the restore's outcome, and
// the class panel while all calculators are backed up at once and after.
// Not a test; run under a display (xvfb-run), see docs/window.md.
#include "CVoriWorker.h"
#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "ClassroomFiles.h"
#include "FrameCodec.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    // A teacher's home of its own: the pictures show a backup folder among
    // the documents, and the user's own settings stay as they are.
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/vuve-XXXXXX"));
    if (!scratch.isValid())
        return 1;
    const QString home = scratch.filePath(QStringLiteral("home/teacher"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qunsetenv("XDG_DOCUMENTS_DIR");
    AppShell::prepareApplication();
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    FrameCodec::setWaitLimits(4000, 4000);

    CalcSimulator calc;
    calc.setName(QStringLiteral("Vori X1"));
    QList<QPair<QString, QByteArray>> files = classroomFiles();
    files.append({ QStringLiteral("GRAPHS.py"), QByteArray(48000, 'g') });
    files.append({ QStringLiteral("DATA.csv"), QByteArray(9000, 'd') });
    calc.setFiles(files);
    if (!calc.start())
        return 1;

    WindowDriver driver;
    if (!driver.start() || !driver.attach({ calc.portPath() }, files.size())
        || !driver.activateWindow())
        return 1;
    CVivuRuzaSession &session = driver.session();
    TransferProgress *transfer = session.transfer();

    driver.activate("backUpMenuItem");
    if (!QTest::qWaitFor([&] { return driver.read("backupQuestion", "opened").toBool(); })
        || !driver.shoot(out + QStringLiteral("/window-backup-question.png")))
        return 1;
    // Paced like a slow link, so the picture catches the backup mid-way.
    calc.setByteRate(12000);
    driver.answer("backupQuestion", true);
    if (!QTest::qWaitFor(
            [&] {
                return transfer->running() && transfer->fileName() == QLatin1String("GRAPHS.py")
                    && transfer->bytesDone() > 12000;
            },
            30000)
        || !driver.shoot(out + QStringLiteral("/window-backup-progress.png")))
        return 1;
    calc.setByteRate(0);
    if (!QTest::qWaitFor([&] { return !transfer->running() && session.runningJobs() == 0; }, 60000)
        || !driver.shoot(out + QStringLiteral("/window-backup-done.png")))
        return 1;
    const QString backup = session.workerAt(0)->backupResult.folder;

    // Since the backup, a student replaced the quadratic solver and deleted
    // the notes and the data.
    calc.setFiles({ files.at(0), { QStringLiteral("QUAD.py"), QByteArray("# mine now\n") },
        files.at(3), { QStringLiteral("GAME.py"), QByteArray(2400, 'x') } });
    if (!session.previewRestore(QUrl::fromLocalFile(backup))
        || !QTest::qWaitFor(
            [&] { return driver.read("restoreQuestion", "opened").toBool(); }, 30000)
        || !driver.shoot(out + QStringLiteral("/window-restore-question.png")))
        return 1;
    driver.answer("restoreQuestion", true);
    if (!QTest::qWaitFor([&] { return !transfer->running() && session.runningJobs() == 0; }, 60000)
        || !QTest::qWaitFor([&] { return driver.read("tableView", "rowCount").toInt() == 6; })
        || !driver.shoot(out + QStringLiteral("/window-restore-done.png")))
        return 1;

    // Before the exam, the whole class set at once: each calculator in a
    // folder of its own, paced like slow links so the picture catches them
    // mid-way; desk 4's storage is locked.
    std::vector<std::unique_ptr<CalcSimulator>> desks;
    QStringList paths;
    for (const QString &name :
        { QStringLiteral("Vori X1 Lab"), QStringLiteral("Desk 3"), QStringLiteral("Desk 4") }) {
        auto desk = std::make_unique<CalcSimulator>();
        desk->setName(name);
        desk->setFiles({ { QStringLiteral("MAIN.py"), QByteArray("print('hello')\n") },
            { QStringLiteral("PROJECT.py"), QByteArray(30000, 'p') } });
        if (!desk->start())
            return 1;
        paths.append(desk->portPath());
        desks.push_back(std::move(desk));
    }
    desks.back()->setRefusal(VivuRuza::calcMsg::GET_FILE, VivuRuza::calcMsg::FILE_NOT_EXIST, 0,
        QStringLiteral("Storage is locked"));
    if (!driver.attach(paths) || !driver.activateWindow())
        return 1;
    calc.setByteRate(12000);
    for (auto &desk : desks)
        desk->setByteRate(16000);
    driver.activate("backUpAllMenuItem");
    if (!QTest::qWaitFor([&] { return driver.read("backupQuestion", "opened").toBool(); }))
        return 1;
    driver.answer("backupQuestion", true);
    ClassJobModel *job = session.classJob();
    if (!QTest::qWaitFor(
            [&] {
                int working = 0;
                for (int row = 0; row < job->rowCount(); ++row)
                    working += job->state(row) == ClassJobModel::State::Working ? 1 : 0;
                return working >= 3 && job->failedCount() == 1;
            },
            30000))
        return 1;
    QTest::qWait(1000);
    if (!driver.shoot(out + QStringLiteral("/window-backup-all-progress.png")))
        return 1;
    calc.setByteRate(0);
    for (auto &desk : desks)
        desk->setByteRate(0);
    if (!QTest::qWaitFor([&] { return !job->running() && session.runningJobs() == 0; }, 60000)
        || !driver.shoot(out + QStringLiteral("/window-backup-all-done.png")))
        return 1;
    return 0;
}
