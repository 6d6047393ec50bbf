// Pictures of the window as a keyboard user and a dark desktop see it, for
// docs/: where focus is, and the dark palette. Not a test; run under a
// display (xvfb-run), see docs/window.md.
#include "CalcSimulator.h"
#include "ClassroomFiles.h"
#include "DarkPalette.h"
#include "FrameCodec.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

void tab(WindowDriver &driver, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(driver.window(), Qt::Key_Tab);
}

} // namespace

int main(int argc, char **argv)
{
    AppShell::prepareApplication();
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    FrameCodec::setWaitLimits(2000, 2000);

    CalcSimulator calc;
    calc.setName(QStringLiteral("Vori X1"));
    calc.setFiles(classroomFiles());
    CalcSimulator lab;
    lab.setName(QStringLiteral("Vori X1 Lab"));
    lab.setFiles({ { QStringLiteral("LAB1.py"), QByteArray("temps = [81.2, 74.9]\n") },
        { QStringLiteral("TEMPS.csv"), QByteArray(420, 't') } });
    if (!calc.start() || !lab.start())
        return 1;

    WindowDriver driver;
    if (!driver.start() || !driver.attach({ calc.portPath(), lab.portPath() })
        || !driver.activateWindow())
        return 1;
    auto *menuButton = qobject_cast<QQuickItem *>(driver.byName("menuButton"));
    // Focus on the calculator list, moved to the second calculator by arrow.
    menuButton->forceActiveFocus(Qt::TabFocusReason);
    tab(driver, 4);
    QTest::keyClick(driver.window(), Qt::Key_Down);
    if (!driver.shoot(out + QStringLiteral("/window-focus-list.png")))
        return 1;
    // Focus in the file table, two files selected with Shift+Down.
    QTest::keyClick(driver.window(), Qt::Key_Up);
    tab(driver, 1);
    QTest::keyClick(driver.window(), Qt::Key_Down);
    QTest::keyClick(driver.window(), Qt::Key_Down, Qt::ShiftModifier);
    if (!driver.shoot(out + QStringLiteral("/window-focus-table.png")))
        return 1;

    QGuiApplication::setPalette(darkPalette());
    // Focus on the send button of the toolbar.
    menuButton->forceActiveFocus(Qt::TabFocusReason);
    tab(driver, 2);
    if (!driver.shoot(out + QStringLiteral("/window-dark.png")))
        return 1;
    QTest::keyClick(driver.window(), Qt::Key_F2);
    for (char typed : QByteArray("Lab 3"))
        QTest::keyClick(driver.window(), typed);
    if (!driver.shoot(out + QStringLiteral("/window-dark-rename.png")))
        return 1;
    return 0;
}
