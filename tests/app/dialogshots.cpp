// Pictures of the dialogs a person meets in the first hour, for docs/: the
// send chooser, the replace questions with their answers for all files, a
// refused send, the rename dialog at its limit and the About box. Not a
// test; run under a display (xvfb-run), see docs/window.md.
#include "CalcSimulator.h"
#include "ClassroomFiles.h"
#include "FrameCodec.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using VivuRuza::calcMsg;

namespace {

// The toolkit's own dialogs are windows of their own: the one with this title.
QWindow *windowTitled(const QString &title)
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && window->title() == title)
            return window;
    }
    return nullptr;
}

// A widget dialog draws nothing a Qt Quick grab sees: the screen shows it.
QImage grab(QWindow *window)
{
    if (!window)
        return QImage();
    if (auto *quick = qobject_cast<QQuickWindow *>(window))
        return quick->grabWindow();
    return window->screen()->grabWindow(window->winId()).toImage();
}

bool shootWindow(QWindow *window, const QString &path)
{
    QTest::qWait(300);
    const QImage image = grab(window);
    if (image.isNull() || !image.save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A job just started may not have said so yet; its calculator knows.
bool idle(WindowDriver &driver)
{
    return !driver.session().isCurrentCalcBusy() && !driver.session().property("isBusy").toBool();
}

QUrl writeLocal(const QTemporaryDir &folder, const QString &name, const QByteArray &content)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QUrl();
    file.write(content);
    return QUrl::fromLocalFile(file.fileName());
}

} // namespace

int main(int argc, char **argv)
{
    AppShell::prepareApplication();
    // The app is a QApplication: its choosers and message boxes are the
    // toolkit's widget dialogs, and the pictures show what a user sees.
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(out))
        return 1;
    QTemporaryDir local;
    FrameCodec::setWaitLimits(2000, 2000);

    CalcSimulator calc;
    calc.setName(QStringLiteral("Vori X1"));
    calc.setFiles(classroomFiles());
    if (!local.isValid() || !calc.start())
        return 1;

    WindowDriver driver;
    if (!driver.start() || !driver.attach({ calc.portPath() }, 3) || !driver.activateWindow())
        return 1;

    driver.activate("sendButton");
    if (!QTest::qWaitFor([&] { return driver.foldersShown() == 1; })
        || !shootWindow(windowTitled(QStringLiteral("Please choose files")),
            out + QStringLiteral("/dialog-send-chooser.png")))
        return 1;
    QMetaObject::invokeMethod(driver.byId("choseFileDialog"), "close");

    // Three files the calculator has already: the first is asked about.
    driver.drop({ writeLocal(local, QStringLiteral("MAIN.py"), "print('new')\n"),
        writeLocal(local, QStringLiteral("QUAD.py"), "q = 2\n"),
        writeLocal(local, QStringLiteral("NOTES.txt"), "Exam on Monday\n") });
    if (!driver.shoot(out + QStringLiteral("/dialog-replace-all.png")))
        return 1;
    driver.answer("doYouWantSendFile", false);
    driver.answer("doYouWantSendFile", false);
    driver.answer("doYouWantSendFile", false);
    if (!QTest::qWaitFor([&] { return idle(driver); }))
        return 1;

    // The same two files here already: the download asks in its title.
    driver.selectRows({ 0, 1 });
    driver.activate("downloadButton");
    for (const char *name : { "MAIN.py", "QUAD.py" })
        writeLocal(local, QLatin1String(name), "old\n");
    driver.choose("choseFolderDialog", { QUrl::fromLocalFile(local.path()) });
    if (!driver.shoot(out + QStringLiteral("/dialog-download-all.png")))
        return 1;
    driver.answer("doYouWantDownloadFile", false);
    driver.answer("doYouWantDownloadFile", false);
    if (!QTest::qWaitFor([&] { return idle(driver); }))
        return 1;

    // A send the calculator refuses for want of memory.
    calc.setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
    driver.drop({ writeLocal(local, QStringLiteral("HELLO.py"), "print('hello')\n") });
    QWindow *error = nullptr;
    if (!QTest::qWaitFor([&] { return (error = windowTitled(QStringLiteral("Error"))); })
        || !shootWindow(error, out + QStringLiteral("/dialog-error.png")))
        return 1;
    QMetaObject::invokeMethod(driver.byId("errorMessageDialog"), "close");
    calc.clearRefusals();
    if (!QTest::qWaitFor([&] { return idle(driver); }) || !driver.activateWindow())
        return 1;

    // A name typed up to the limit.
    QTest::keyClick(driver.window(), Qt::Key_F2);
    for (char typed : QByteArray("Physics lab, second row by the window, bench seven of twelve"))
        QTest::keyClick(driver.window(), typed);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(driver.window(), 's');
    if (!driver.shoot(out + QStringLiteral("/dialog-rename-limit.png")))
        return 1;
    QTest::keyClick(driver.window(), Qt::Key_Escape);

    driver.activate("aboutMenuItem");
    if (!driver.shoot(out + QStringLiteral("/dialog-about.png")))
        return 1;
    return 0;
}
