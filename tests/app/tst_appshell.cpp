// Start-up: the objects the window sees, the window as it first appears, and
// the exit codes of the shell.
#include "AppShell.h"
#include "CalcSimulator.h"
#include "WindowDriver.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QStringList *capturedWarnings = nullptr;
QtMessageHandler previousHandler = nullptr;

// The offscreen platform says what window features it lacks whenever a
// widget window (a toolkit dialog) uses one; no real desktop lacks them.
bool isOffscreenLimit(const QString &text)
{
    return QGuiApplication::platformName() == QLatin1String("offscreen")
        && text.startsWith(QLatin1String("This plugin does not support"));
}

void captureWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (capturedWarnings && type != QtDebugMsg && type != QtInfoMsg && !isOffscreenLimit(text))
        capturedWarnings->append(text);
    previousHandler(type, context, text);
}

} // namespace

class TestAppShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void publishesTheFourObjects();
    void windowAtStart();
    void toolbar_data();
    void toolbar();
    void loadsWithoutWarnings();
    void choosersAreWidgetDialogs();
    void calculatorComesAndGoes();
    void noRootObject_data();
    void noRootObject();
    void closeProgramEndsTheEventLoop();
    void startRemovesOldCopies();
};

void TestAppShell::initTestCase()
{
    // Set as the real main does, before the tests' application object.
    QVERIFY(QGuiApplication::testAttribute(Qt::AA_EnableHighDpiScaling));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vuve Vudurod"));
}

void TestAppShell::publishesTheFourObjects()
{
    AppShell shell;
    QQmlContext *context = shell.engine().rootContext();
    QCOMPARE(context->contextProperty(QStringLiteral("calcSession")).value<QObject *>(),
        &shell.session());
    QCOMPARE(context->contextProperty(QStringLiteral("calcModel")).value<QObject *>(),
        &shell.calcModel());
    QCOMPARE(context->contextProperty(QStringLiteral("fileModel")).value<QObject *>(),
        &shell.fileModel());
    QCOMPARE(context->contextProperty(QStringLiteral("clipboard")).value<QObject *>(),
        &shell.clipboard());
    QVERIFY(shell.engine().rootObjects().isEmpty());
}

void TestAppShell::windowAtStart()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    QQuickWindow *window = driver.window();
    QCOMPARE(window->title(), QStringLiteral("Vuve Vudurod"));
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), QSize(720, 480));
    QCOMPARE(window->minimumSize(), QSize(720, 480));
    QCOMPARE(driver.read("fileListView", "count").toInt(), 0);
    QCOMPARE(driver.read("tableView", "rowCount").toInt(), 0);
    QCOMPARE(driver.statusLine(), QString());
    QCOMPARE(driver.read("tableView", "selectionMode").toInt(), 2);
    for (const char *id :
        { "aboutDialog", "errorMessageDialog", "doYouWantDeleteItDialog", "zeroSizeFileWontBeSent",
            "doYouWantSendFile", "doYouWantDownloadFile", "changeNameDialog",
            "fileNameWasChangeDialog", "choseFolderDialog", "choseFileDialog" }) {
        QVERIFY2(!driver.isOpen(id), id);
    }
    // Two thirds of the window's height at 720 x 480.
    QCOMPARE(driver.read("aboutDialog", "width").toInt(), 320);
    // The application's icon, for the title bar and the task switcher.
    QVERIFY(!window->icon().isNull());
    QCOMPARE(window->icon().availableSizes().value(0), QSize(256, 256));
}

void TestAppShell::toolbar_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("menu") << "menuButton"
                          << "menu.png"
                          << "Menu";
    QTest::newRow("download") << "downloadButton"
                              << "download.png"
                              << "Copy and transfer selected files from calculator to PC";
    QTest::newRow("send") << "sendButton"
                          << "send.png"
                          << "Send files to calculator...";
    QTest::newRow("delete") << "deleteButton"
                            << "remove.png"
                            << "Delete selected files";
}

void TestAppShell::toolbar()
{
    QFETCH(QString, button);
    QFETCH(QString, icon);
    QFETCH(QString, toolTip);
    WindowDriver driver;
    QVERIFY(driver.start());
    QObject *object = driver.byName(button.toLatin1());
    QVERIFY(object);
    QCOMPARE(driver.read(object, "ToolTip.text").toString(), toolTip);
    QCOMPARE(driver.read(object, "ToolTip.delay").toInt(), 1000);
    const QUrl source = driver.read(object, "icon.source").toUrl();
    QCOMPARE(source, QUrl(QStringLiteral("qrc:/images/x1/") + icon));
    const QImage image(QLatin1Char(':') + source.path());
    QCOMPARE(image.size(), QSize(24, 24));
    QVERIFY(image.hasAlphaChannel());
}

void TestAppShell::loadsWithoutWarnings()
{
    QStringList warnings;
    capturedWarnings = &warnings;
    previousHandler = qInstallMessageHandler(captureWarnings);
    {
        WindowDriver driver;
        const bool started = driver.start();
        // The choosers build their dialogs on first use.
        QMetaObject::invokeMethod(driver.byId("choseFileDialog"), "open");
        QMetaObject::invokeMethod(driver.byId("choseFolderDialog"), "open");
        const bool shown = QTest::qWaitFor([&] { return driver.foldersShown() == 2; });
        QMetaObject::invokeMethod(driver.byId("choseFileDialog"), "close");
        QMetaObject::invokeMethod(driver.byId("choseFolderDialog"), "close");
        QVERIFY(started);
        QVERIFY(shown);
    }
    qInstallMessageHandler(previousHandler);
    capturedWarnings = nullptr;
    QCOMPARE(warnings, QStringList());
}

// Where the desktop has no dialog of its own, the choosers are the toolkit's
// widget dialogs (whose field and result agree, and whose parts have names),
// not its QML stand-ins; they start in the home folder.
void TestAppShell::choosersAreWidgetDialogs()
{
    QVERIFY(QCoreApplication::instance()->inherits("QApplication"));
    WindowDriver driver;
    QVERIFY(driver.start());
    for (const char *id : { "choseFolderDialog", "choseFileDialog" }) {
        QObject *chooser = driver.byId(id);
        QVERIFY2(chooser->inherits("QQuickQFileDialog"), chooser->metaObject()->className());
        QMetaObject::invokeMethod(chooser, "open");
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = WindowDriver::openChooser()));
        QCOMPARE(dialog->windowTitle(), driver.read(chooser, "title").toString());
        QCOMPARE(dialog->directory().absolutePath(), QDir::homePath());
        QMetaObject::invokeMethod(chooser, "close");
        QTRY_VERIFY(!dialog->isVisible());
    }
}

void TestAppShell::calculatorComesAndGoes()
{
    CalcSimulator simulator;
    QVERIFY(simulator.start());
    WindowDriver driver;
    QVERIFY(driver.start());
    QCOMPARE(driver.shell().calcModel().rowCount(), 0);
    // Found by the session's own polling.
    driver.ports().append(CalcPort(simulator.portPath(), simulator.portPath()));
    QTRY_COMPARE(driver.read("fileListView", "count").toInt(), 1);
    QTRY_COMPARE(driver.read("fileListView", "currentIndex").toInt(), 0);

    // Unplugged: the row goes without a complaint from its delegate.
    QStringList warnings;
    capturedWarnings = &warnings;
    previousHandler = qInstallMessageHandler(captureWarnings);
    driver.ports().clear();
    QTRY_COMPARE(driver.read("fileListView", "count").toInt(), 0);
    // The delegate goes with the deferred deletes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    qInstallMessageHandler(previousHandler);
    capturedWarnings = nullptr;
    QCOMPARE(warnings, QStringList());
}

void TestAppShell::noRootObject_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << QString();
    QTest::newRow("faulty") << QStringLiteral("import QtQuick 2.12\nItem { width: }\n");
    QTest::newRow("unknown type") << QStringLiteral("import QtQuick 2.12\nNoSuchThing {}\n");
}

void TestAppShell::noRootObject()
{
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("main.qml"));
    if (!text.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    // An event loop, had it run, would end at once with 0.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    // The engine names the fault in the message log.
    QTest::ignoreMessage(QtWarningMsg, "QQmlApplicationEngine failed to load component");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("main\\.qml")));
    QCOMPARE(AppShell::run(AppShell::SessionSetup(), QUrl::fromLocalFile(path)), -1);
    QCoreApplication::processEvents();
}

void TestAppShell::closeProgramEndsTheEventLoop()
{
    QTimer::singleShot(0, [] {
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            QObject *item = window->findChild<QObject *>(QStringLiteral("closeMenuItem"));
            if (item)
                QMetaObject::invokeMethod(item, "triggered");
        }
    });
    QCOMPARE(AppShell::run(), 0);
}

// What earlier runs' Copy keys left a day ago is gone once the app has
// started; what is younger stays for the clipboard.
void TestAppShell::startRemovesOldCopies()
{
    QTemporaryDir cache;
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/copy-Ab12Cd");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QDateTime twoDaysAgo = QDateTime::currentDateTimeUtc().addDays(-2);
    for (const char *name : { "OLD.PY", "NEW.PY" }) {
        QFile copy(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("copy") == 4 && copy.flush());
        if (qstrcmp(name, "OLD.PY") == 0)
            QVERIFY(copy.setFileTime(twoDaysAgo, QFileDevice::FileModificationTime));
    }
    {
        AppShell shell;
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/OLD.PY")));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/NEW.PY")));
    }
    qputenv("XDG_CACHE_HOME", oldCache);
}

static void prepare()
{
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestAppShell)
#include "tst_appshell.moc"
