// Pictures of the class panel for docs/: the same files going to six
// calculators at once, one of which refuses them, mid-send and at the end;
// then the Station dialog, and the panel showing a station that has served
// three calculators plugged in after its start, one stored a file wrong.
// Not a test; run under a display (xvfb-run), see docs/window.md.
#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "FrameCodec.h"
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
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir local;
    FrameCodec::setWaitLimits(4000, 4000);

    const QStringList names { QStringLiteral("Vori X1 Desk 1"), QStringLiteral("Vori X1 Desk 2"),
        QStringLiteral("Vori X1 Desk 3"), QStringLiteral("Vori X1 Desk 4"),
        QStringLiteral("Vori X1 Desk 5"), QStringLiteral("Vori X1 Desk 6") };
    std::vector<std::unique_ptr<CalcSimulator>> calcs;
    QStringList paths;
    for (int i = 0; i < names.size(); ++i) {
        auto calc = std::make_unique<CalcSimulator>();
        calc->setName(names.at(i));
        calc->setFiles({ { QStringLiteral("MAIN.py"), QByteArray("print('hello')\n") } });
        if (!calc->start())
            return 1;
        paths.append(calc->portPath());
        calcs.push_back(std::move(calc));
    }
    if (!local.isValid())
        return 1;
    QList<QUrl> urls;
    for (const auto &file : { qMakePair(QStringLiteral("GRAPHS.py"), 40000),
             qMakePair(QStringLiteral("QUIZ.py"), 12000),
             qMakePair(QStringLiteral("DATA.csv"), 30000) }) {
        QFile f(local.filePath(file.first));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(QByteArray(file.second, 'x'));
        urls.append(QUrl::fromLocalFile(f.fileName()));
    }

    WindowDriver driver;
    if (!driver.start() || !driver.attach(paths))
        return 1;
    CVivuRuzaSession &session = driver.session();
    session.setChosen(1, true);
    session.setChosen(3, true);
    // Paced like a slow link, so the picture catches them mid-way; desk 4
    // has no room.
    for (std::size_t i = 0; i < calcs.size(); ++i)
        calcs[i]->setByteRate(qint64(12000 + 4000 * i));
    calcs[3]->setRefusal(VivuRuza::calcMsg::SEND_FILE, VivuRuza::calcMsg::MEMORY_ERROR, 0,
        QStringLiteral("Memory is full"));
    if (!session.planClassSend(urls, true))
        return 1;
    session.startClassSend(true);
    ClassJobModel *job = session.classJob();
    if (!QTest::qWaitFor(
            [&] {
                int working = 0;
                for (int row = 0; row < job->rowCount(); ++row)
                    working += job->state(row) == ClassJobModel::State::Working ? 1 : 0;
                return working >= 4 && job->failedCount() == 1;
            },
            30000))
        return 1;
    QTest::qWait(1500);
    if (!driver.shoot(out + QStringLiteral("/window-class-sending.png")))
        return 1;
    for (auto &calc : calcs)
        calc->setByteRate(0);
    if (!QTest::qWaitFor([&] { return !job->running(); }, 60000))
        return 1;
    QTest::qWait(300);
    if (!driver.shoot(out + QStringLiteral("/window-class-done.png")))
        return 1;
    job->close();

    // The dialog as the user leaves it, with the files chosen.
    QObject *stationFlow = driver.byId("stationFlow");
    QMetaObject::invokeMethod(stationFlow, "start");
    driver.write(stationFlow, "files", QVariant::fromValue(urls));
    if (!QTest::qWaitFor([&] { return driver.isOpen("stationDialog"); }))
        return 1;
    if (!driver.shoot(out + QStringLiteral("/window-station-dialog.png")))
        return 1;
    driver.answer("stationDialog", true);
    if (!QTest::qWaitFor([&] { return job->stationOn(); }))
        return 1;

    // Verifying catches desk 8, which stores a byte wrong; desk 9 is slow.
    session.setVerifySends(true);
    const QStringList late { QStringLiteral("Vori X1 Desk 7"), QStringLiteral("Vori X1 Desk 8"),
        QStringLiteral("Vori X1 Desk 9") };
    for (int i = 0; i < late.size(); ++i) {
        auto calc = std::make_unique<CalcSimulator>();
        calc->setName(late.at(i));
        calc->setFiles({ { QStringLiteral("QUIZ.py"), QByteArray("old = 1\n") } });
        calc->setCorruptStore(i == 1);
        calc->setByteRate(i == 2 ? 6000 : 0);
        if (!calc->start() || !driver.attach({ calc->portPath() }))
            return 1;
        calcs.push_back(std::move(calc));
    }
    if (!QTest::qWaitFor(
            [&] {
                return job->rowCount() == 3 && job->failedCount() == 1
                    && job->state(0) == ClassJobModel::State::Done
                    && job->state(2) == ClassJobModel::State::Working;
            },
            60000))
        return 1;
    QTest::qWait(1500);
    if (!driver.shoot(out + QStringLiteral("/window-station.png")))
        return 1;
    session.stopStation();
    calcs.back()->setByteRate(0);
    return QTest::qWaitFor([&] { return !job->running(); }, 60000) ? 0 : 1;
}
