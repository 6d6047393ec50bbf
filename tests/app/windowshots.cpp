// Pictures of the window as a person meets it, for docs/: no calculator, a
// send in progress, the doctor's notice, a long one and many at once, and the
// demo's two calculators.
// Not a test; run under a display (xvfb-run), see docs/window.md.
#include "CalcSimulator.h"
#include "ClassroomFiles.h"
#include "FrameCodec.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QImage>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWindow>
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
    FrameCodec::setWaitLimits(2000, 2000);

    CalcSimulator calc;
    calc.setName(QStringLiteral("Vori X1"));
    calc.setFiles(classroomFiles());
    CalcSimulator lab;
    lab.setName(QStringLiteral("Vori X1 Lab"));
    lab.setFiles({ { QStringLiteral("LAB1.py"), QByteArray("temps = [81.2, 74.9]\n") },
        { QStringLiteral("TEMPS.csv"), QByteArray(420, 't') } });
    CalcSimulator quiet;
    quiet.setSilent(true);
    if (!local.isValid() || !calc.start() || !lab.start() || !quiet.start())
        return 1;

    {
        WindowDriver driver;
        if (!driver.start() || !driver.shoot(out + QStringLiteral("/window-no-calculator.png")))
            return 1;
    }
    {
        WindowDriver driver;
        if (!driver.start() || !driver.attach({ calc.portPath(), lab.portPath() }))
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
            || !driver.shoot(out + QStringLiteral("/window-sending.png")))
            return 1;
        if (!QTest::qWaitFor([&] { return !driver.session().property("isBusy").toBool(); }, 60000))
            return 1;
        calc.setReplyDelay(0);
        if (!driver.shoot(out + QStringLiteral("/demo-window.png")))
            return 1;
    }
    {
        WindowDriver driver;
        if (!driver.start() || !driver.attach({ calc.portPath() }))
            return 1;
        driver.ports().append(CalcPort(quiet.portPath(), quiet.portPath()));
        if (!QTest::qWaitFor([&] { return !driver.session().doctor()->notices().isEmpty(); }, 10000)
            || !driver.shoot(out + QStringLiteral("/window-doctor.png")))
            return 1;
    }
    {
        // A device that refuses its listing with a text of 5 KB.
        CalcSimulator wordy;
        wordy.setRefusal(VivuRuza::calcMsg::GET_FILES_NUM, VivuRuza::calcMsg::NONE_ERROR, 0,
            QStringLiteral("The file system is being checked. ").repeated(150));
        WindowDriver driver;
        if (!wordy.start() || !driver.start() || !driver.attach({ calc.portPath() }))
            return 1;
        driver.ports().append(CalcPort(wordy.portPath(), wordy.portPath()));
        if (!QTest::qWaitFor([&] { return !driver.session().doctor()->notices().isEmpty(); }, 10000)
            || !driver.shoot(out + QStringLiteral("/window-doctor-long.png")))
            return 1;
    }
    {
        // Twelve ports that never answer.
        std::vector<std::unique_ptr<CalcSimulator>> silent;
        WindowDriver driver;
        if (!driver.start() || !driver.attach({ calc.portPath(), lab.portPath() }))
            return 1;
        for (int i = 0; i < 12; ++i) {
            silent.push_back(std::make_unique<CalcSimulator>());
            silent.back()->setSilent(true);
            if (!silent.back()->start())
                return 1;
            driver.ports().append(CalcPort(silent.back()->portPath(), silent.back()->portPath()));
        }
        if (!QTest::qWaitFor(
                [&] { return driver.session().doctor()->notices().size() == 12; }, 20000)
            || !driver.shoot(out + QStringLiteral("/window-doctor-many.png")))
            return 1;
    }
    return 0;
}
