// Pictures of the window in the language LANGUAGE picks, for docs/: no
// calculator yet, the demo's two calculators during a send, the delete
// question, the About box and a backup's and a restore's questions, named
// window-<language>-*.png. Not a test; run under a display
// (xvfb-run) with LANGUAGE set, see docs/window.md.
#include "CVoriWorker.h"
#include "CalcSimulator.h"
#include "ClassroomFiles.h"
#include "FrameCodec.h"
#include "UiLanguage.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

int main(int argc, char **argv)
{
    // The backup question shows the backup folder: a teacher's, not this
    // machine's.
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
    const QString language = UiLanguage::install();
    // Numbers as a user of that language has them, whatever this machine's
    // locale data.
    QLocale::setDefault(QLocale(language));
    const QString out = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."))
        + QStringLiteral("/window-") + language;
    QTemporaryDir local;
    FrameCodec::setWaitLimits(2000, 2000);

    CalcSimulator calc;
    calc.setName(QStringLiteral("Vori X1"));
    calc.setFiles(classroomFiles());
    CalcSimulator lab;
    lab.setName(QStringLiteral("Vori X1 Lab"));
    lab.setFiles({ { QStringLiteral("LAB1.py"), QByteArray("temps = [81.2, 74.9]\n") },
        { QStringLiteral("TEMPS.csv"), QByteArray(420, 't') } });
    if (!local.isValid() || !calc.start() || !lab.start())
        return 1;

    WindowDriver driver;
    if (!driver.start() || !driver.shoot(out + QStringLiteral("-no-calculator.png"))
        || !driver.attach({ calc.portPath(), lab.portPath() }))
        return 1;
    QFile big(local.filePath(QStringLiteral("WAVE.bin")));
    if (!big.open(QIODevice::WriteOnly))
        return 1;
    big.write(QByteArray(60000, 'w'));
    big.close();
    calc.setReplyDelay(15);
    driver.drop({ QUrl::fromLocalFile(big.fileName()) });
    TransferProgress *transfer = driver.session().transfer();
    if (!QTest::qWaitFor(
            [&] { return transfer->running() && transfer->bytesDone() > 20000; }, 20000)
        || !driver.shoot(out + QStringLiteral("-sending.png")))
        return 1;
    if (!QTest::qWaitFor([&] { return !driver.session().property("isBusy").toBool(); }, 60000))
        return 1;
    calc.setReplyDelay(0);

    driver.selectRows({ 0, 2 });
    driver.activate("deleteButton");
    if (!QTest::qWaitFor([&] { return driver.isOpen("doYouWantDeleteItDialog"); })
        || !driver.shoot(out + QStringLiteral("-delete.png")))
        return 1;
    driver.answer("doYouWantDeleteItDialog", false);

    driver.activate("aboutMenuItem");
    if (!QTest::qWaitFor([&] { return driver.isOpen("aboutDialog"); })
        || !driver.shoot(out + QStringLiteral("-about.png")))
        return 1;
    driver.answer("aboutDialog", false);

    CVivuRuzaSession &session = driver.session();
    driver.activate("backUpMenuItem");
    if (!QTest::qWaitFor([&] { return driver.read("backupQuestion", "opened").toBool(); })
        || !driver.shoot(out + QStringLiteral("-backup-question.png")))
        return 1;
    driver.answer("backupQuestion", true);
    if (!QTest::qWaitFor([&] { return !transfer->running() && session.runningJobs() == 0; }, 60000))
        return 1;
    const CVoriWorker *worker = session.workerAt(session.property("currentIndex").toInt());
    if (!worker)
        return 1;
    const QString backup = worker->backupResult.folder;
    // Since the backup, a student replaced the first file and deleted the last.
    CalcSimulator &backedUp = worker->name == calc.name() ? calc : lab;
    QList<QPair<QString, QByteArray>> files = backedUp.files();
    files.first().second = QByteArray("# mine now\n");
    files.removeLast();
    backedUp.setFiles(files);
    if (!session.previewRestore(QUrl::fromLocalFile(backup))
        || !QTest::qWaitFor(
            [&] { return driver.read("restoreQuestion", "opened").toBool(); }, 30000)
        || !driver.shoot(out + QStringLiteral("-restore-question.png")))
        return 1;
    return 0;
}
