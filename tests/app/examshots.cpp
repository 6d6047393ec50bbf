// Pictures of exam day for docs/: the "Clear all calculators" question with
// its tick on, the class panel once six calculators were collected and
// cleared (one file on desk 4 read differently twice, so it stayed there),
// and the Station dialog set to collect and name each calculator. In the
// desktop's language (LANGUAGE=fr, de), so the translations can be looked at.
// Not a test; run under a display (xvfb-run), see docs/window.md.
#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "FolderCompareModel.h"
#include "FrameCodec.h"
#include "UiLanguage.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    AppShell::prepareApplication();
    QApplication app(argc, argv);
    const QString language = UiLanguage::install();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffix
        = language.isEmpty() || language == QLatin1String("en") ? QString() : language + '-';
    QTemporaryDir collected;
    if (!collected.isValid())
        return 1;
    FrameCodec::setWaitLimits(4000, 4000);

    std::vector<std::unique_ptr<CalcSimulator>> calcs;
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        auto calc = std::make_unique<CalcSimulator>();
        calc->setName(QStringLiteral("Desk %1").arg(i, 2, 10, QLatin1Char('0')));
        calc->setFiles({ { QStringLiteral("EXAM.py"), QByteArray("answer = 42\n").repeated(40) },
            { QStringLiteral("NOTES.txt"), QByteArray("draft\n").repeated(20) } });
        if (i == 4)
            calc->setFileFault(QStringLiteral("EXAM.py"), CalcSimulator::FileFault::UnstableRead);
        if (!calc->start())
            return 1;
        paths.append(calc->portPath());
        calcs.push_back(std::move(calc));
    }
    WindowDriver driver;
    if (!driver.start() || !driver.attach(paths))
        return 1;
    CVivuRuzaSession &session = driver.session();
    session.setCollectFolder(QUrl::fromLocalFile(collected.path()));

    QObject *collectFlow = driver.byId("collectFlow");
    QMetaObject::invokeMethod(collectFlow, "start", Q_ARG(QVariant, true));
    if (!QTest::qWaitFor([&] { return driver.isOpen("collectDialog"); }))
        return 1;
    QTest::qWait(300);
    if (!driver.shoot(out + QStringLiteral("/window-%1clear-question.png").arg(suffix)))
        return 1;
    driver.answer("collectDialog", true);
    ClassJobModel *job = session.classJob();
    if (!QTest::qWaitFor([&] { return job->active() && !job->running(); }, 60000))
        return 1;
    QTest::qWait(300);
    if (!driver.shoot(out + QStringLiteral("/window-%1collect-done.png").arg(suffix)))
        return 1;
    job->close();

    // Desk 01, cleared and given other files since, beside a folder of this term's programs.
    QTemporaryDir term;
    const QList<QPair<QString, QByteArray>> programs {
        { QStringLiteral("EXAM.py"), QByteArray("answer = 42\n").repeated(40) },
        { QStringLiteral("QUIZ.py"), QByteArray("q = 1\n") },
        { QStringLiteral("notes.txt"), QByteArray("new notes\n") }
    };
    for (const auto &program : programs) {
        QFile f(term.filePath(program.first));
        if (!f.open(QIODevice::WriteOnly) || f.write(program.second) != program.second.size())
            return 1;
    }
    calcs[0]->setFiles({ { QStringLiteral("EXAM.py"), QByteArray("answer = 41\n").repeated(40) },
        { QStringLiteral("NOTES.txt"), QByteArray("draft\n").repeated(20) },
        { QStringLiteral("OLD.py"), QByteArray("last term\n") } });
    if (!session.compareWithFolder(QUrl::fromLocalFile(term.path()))
        || !QTest::qWaitFor([&] { return !session.folderCompare()->comparing(); }, 30000))
        return 1;
    driver.write(driver.byName("compareDeleteTick"), "checked", true);
    QTest::qWait(300);
    if (!driver.shoot(out + QStringLiteral("/window-%1compare.png").arg(suffix)))
        return 1;
    session.folderCompare()->close();

    // Every desk against the same folder: what each needs, then Sync.
    if (!session.compareAllWithFolder(QUrl::fromLocalFile(term.path()))
        || !QTest::qWaitFor([&] { return job->active() && !job->running(); }, 60000))
        return 1;
    QTest::qWait(300);
    if (!driver.shoot(out + QStringLiteral("/window-%1class-sync.png").arg(suffix)))
        return 1;
    job->close();

    QObject *stationFlow = driver.byId("stationFlow");
    QMetaObject::invokeMethod(stationFlow, "start");
    if (!QTest::qWaitFor([&] { return driver.isOpen("stationDialog"); }))
        return 1;
    driver.write(driver.byName("stationCollectChoice"), "checked", true);
    driver.write(driver.byName("stationClearTick"), "checked", true);
    driver.write(driver.byName("stationNameTick"), "checked", true);
    QTest::qWait(300);
    return driver.shoot(out + QStringLiteral("/window-%1station-collect.png").arg(suffix)) ? 0 : 1;
}
