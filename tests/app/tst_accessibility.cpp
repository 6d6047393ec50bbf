// What a screen reader finds in the window: a name and a role for every
// control a person acts on, in the window and in its menu and dialogs, and
// the status line, the transfer line and the doctor's notices as named text. The real document and
// session, on simulated calculators, with accessibility switched on as a screen reader does.
#include "AccessibleTree.h"
#include "CalcSimulator.h"
#include "ShortWaits.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QFileDialog>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using FileList = QList<QPair<QString, QByteArray>>;

const FileList calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray("print('on the calculator')\n") },
    { QStringLiteral("QUAD.py"), QByteArray("a, b, c = 1, -3, 2\n") },
    { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") },
};

} // namespace

Q_DECLARE_METATYPE(QAccessible::Role)

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowElements_data();
    void windowElements();
    void everyActionableElementNamed_data();
    void everyActionableElementNamed();
    void transferIsDescribed();
    void errorDialogNamed();
    void choosersNamed_data();
    void choosersNamed();
    void noticeIsAnAlert();
    void onlyWhatIsShown();

private:
    bool startWithCalculators();
    void open(const QString &opener);
    AccessibleTree tree() const { return AccessibleTree(m_driver->window()); }
    // Waits until the tree has the node, which views add as they lay out;
    // prints the tree when it does not come.
    bool waitFor(QAccessible::Role role, const QString &name) const;

    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestAccessibility::init()
{
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles));
    m_driver = std::make_unique<WindowDriver>();
}

void TestAccessibility::cleanup()
{
    QAccessible::setActive(false);
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
}

// As a screen reader arrives: the controls learn that accessibility is on.
bool TestAccessibility::startWithCalculators()
{
    if (!m_driver->start())
        return false;
    QAccessible::setActive(true);
    return m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size());
}

// Opens what the row names: the options menu, or a dialog by its id.
void TestAccessibility::open(const QString &opener)
{
    if (opener.isEmpty())
        return;
    if (opener == QLatin1String("optionsMenu")) {
        m_driver->activate("menuButton");
    } else {
        QObject *popup = m_driver->byId(opener.toLatin1());
        QVERIFY(popup);
        QMetaObject::invokeMethod(popup, "open");
    }
    QTRY_VERIFY(m_driver->read(opener.toLatin1(), "opened").toBool());
}

bool TestAccessibility::waitFor(QAccessible::Role role, const QString &name) const
{
    if (QTest::qWaitFor([&] { return tree().find(role, name) != nullptr; }))
        return true;
    qInfo().noquote() << "no" << AccessibleTree::roleName(role) << name << "in\n" << tree().dump();
    return false;
}

void TestAccessibility::windowElements_data()
{
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("menu button") << QAccessible::Button << "Menu" << QString();
    QTest::newRow("download button")
        << QAccessible::Button << "Copy and transfer selected files from calculator to PC"
        << QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText);
    QTest::newRow("send button")
        << QAccessible::Button << "Send files to calculator..."
        << QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText);
    QTest::newRow("delete button")
        << QAccessible::Button << "Delete selected files"
        << QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText);
    QTest::newRow("calculator list") << QAccessible::List << "Calculators" << QString();
    QTest::newRow("first calculator") << QAccessible::ListItem << "Vori X1" << QString();
    QTest::newRow("second calculator") << QAccessible::ListItem << "Vori X1 Lab" << QString();
    QTest::newRow("file table") << QAccessible::Table << "Files" << QString();
    QTest::newRow("first file") << QAccessible::Row << "MAIN.py, 27 bytes" << QString();
    QTest::newRow("last file") << QAccessible::Row << "NOTES.txt, 16 bytes" << QString();
    QTest::newRow("status line") << QAccessible::StatusBar << "Pick a calculator" << QString();
}

void TestAccessibility::windowElements()
{
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QVERIFY(startWithCalculators());
    m_driver->session().setProperty("statusLineText", QStringLiteral("Pick a calculator"));

    QVERIFY(waitFor(role, name));
    QCOMPARE(tree().find(role, name)->description, description);
    // Only the rows of files are rows: the view also draws empty ones.
    QTRY_COMPARE(tree().withRole(QAccessible::Row).size(), calculatorFiles.size());
}

// Each row opens a part of the window and names what must be in it; the
// whole tree is then walked for anything actionable without a name.
void TestAccessibility::everyActionableElementNamed_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("window") << QString()
                            << QStringList { "Button:Menu", "List:Calculators", "Table:Files",
                                   "CheckBox:Choose Vori X1", "CheckBox:Choose Vori X1 Lab" };
    QTest::newRow("options menu") << "optionsMenu"
                                  << QStringList { "MenuItem:About...",
                                         "MenuItem:Change device name...",
                                         "MenuItem:Send to all calculators\u2026",
                                         "MenuItem:Send to the chosen calculators\u2026",
                                         "MenuItem:Back up\u2026",
                                         "MenuItem:Back up all calculators\u2026",
                                         "MenuItem:Collect from all calculators\u2026",
                                         "MenuItem:Clear all calculators\u2026",
                                         "MenuItem:Restore\u2026",
                                         "MenuItem:Compare with a folder\u2026",
                                         "MenuItem:Verify files after sending",
                                         "MenuItem:Station\u2026", "MenuItem:Close program" };
    QTest::newRow("class replace question")
        << "classReplaceQuestion"
        << QStringList { "Button:Replace all", "Button:Skip all", "Button:Cancel" };
    QTest::newRow("class notice") << "classNotice" << QStringList { "Button:OK" };
    QTest::newRow("backup question")
        << "backupQuestion"
        << QStringList { "Button:Back Up", "Button:Change Folder\u2026", "Button:Cancel" };
    QTest::newRow("station dialog")
        << "stationDialog"
        << QStringList { "RadioButton:Send these files to each calculator",
               "RadioButton:Back up each calculator into this folder", "Button:Choose Files\u2026",
               "Button:Change Folder\u2026", "Button:Start", "Button:Cancel" };
    QTest::newRow("collect dialog")
        << "collectDialog"
        << QStringList { "Button:Change Folder\u2026",
               "CheckBox:Delete the files on the calculators once they are collected",
               "Button:Collect", "Button:Cancel" };
    QTest::newRow("restore question")
        << "restoreQuestion" << QStringList { "Button:Restore", "Button:Cancel" };
    QTest::newRow("rename") << "changeNameDialog"
                            << QStringList { "EditableText:Enter a new device name", "Button:OK",
                                   "Button:Cancel" };
    QTest::newRow("delete question")
        << "doYouWantDeleteItDialog" << QStringList { "Button:Yes", "Button:No" };
    QTest::newRow("replace question")
        << "doYouWantSendFile"
        << QStringList { "Button:Yes", "Button:No", "Button:Yes to all", "Button:No to all" };
    QTest::newRow("download question")
        << "doYouWantDownloadFile"
        << QStringList { "Button:Yes", "Button:No", "Button:Yes to all", "Button:No to all" };
    QTest::newRow("zero-length notice") << "zeroSizeFileWontBeSent" << QStringList { "Button:OK" };
    QTest::newRow("renaming notice") << "fileNameWasChangeDialog" << QStringList { "Button:OK" };
    QTest::newRow("about") << "aboutDialog" << QStringList { "Button:Close" };
}

void TestAccessibility::everyActionableElementNamed()
{
    QFETCH(QString, opener);
    QFETCH(QStringList, expected);
    QVERIFY(startWithCalculators());
    open(opener);

    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (const QString &entry : expected) {
        const int colon = entry.indexOf(QLatin1Char(':'));
        bool known = false;
        const auto role = QAccessible::Role(roles.keyToValue(entry.left(colon).toLatin1(), &known));
        QVERIFY2(known, qPrintable(entry));
        QVERIFY(waitFor(role, entry.mid(colon + 1)));
    }
    const AccessibleTree found = tree();
    if (!found.unnamedActionable().isEmpty())
        qInfo().noquote() << found.dump();
    QVERIFY(found.unnamedActionable().isEmpty());
}

// While a send runs, the transfer line and the progress bar say what is
// going on; the bar is named and carries the line as its description.
void TestAccessibility::transferIsDescribed()
{
    QTemporaryDir local;
    QVERIFY(local.isValid());
    QFile big(local.filePath(QStringLiteral("WAVE.bin")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(60000, 'w'));
    big.close();
    QVERIFY(startWithCalculators());
    m_calc->setReplyDelay(20);

    m_driver->drop({ QUrl::fromLocalFile(big.fileName()) });

    TransferProgress *transfer = m_driver->session().transfer();
    QTRY_VERIFY_WITH_TIMEOUT(transfer->running() && transfer->bytesDone() > 0, 20000);
    QVERIFY(waitFor(QAccessible::ProgressBar, QStringLiteral("Transfer progress")));
    const QString line = m_driver->read("transferLine", "text").toString();
    QVERIFY(line.contains(QLatin1String("WAVE.bin")));
    const AccessibleTree found = tree();
    QVERIFY(found.find(QAccessible::StaticText, line));
    QVERIFY(!found.find(QAccessible::ProgressBar, QStringLiteral("Transfer progress"))
                 ->description.isEmpty());
    // The job can be stopped from its line, and Esc says how from the keyboard.
    QVERIFY(found.find(QAccessible::Button, QStringLiteral("Cancel")));
    QCOMPARE(found.find(QAccessible::Button, QStringLiteral("Cancel"))->description,
        QStringLiteral("Esc"));
    m_calc->setReplyDelay(0);
    QTRY_VERIFY_WITH_TIMEOUT(!m_driver->session().property("isBusy").toBool(), 60000);
}

// The error box is a window of its own; its button and text are named too.
void TestAccessibility::errorDialogNamed()
{
    QVERIFY(startWithCalculators());
    m_driver->session().setProperty("error", QStringLiteral("Memory error."));

    QWindow *box = nullptr;
    QTRY_VERIFY((box = [this]() -> QWindow * {
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (window != m_driver->window() && window->isVisible()
                && window->title() == QLatin1String("Error"))
                return window;
        }
        return nullptr;
    }()));
    QAccessible::setActive(true);
    const auto named = [box](QAccessible::Role role, const QString &name) {
        return AccessibleTree(box).find(role, name) != nullptr;
    };
    const bool found = QTest::qWaitFor([&] {
        return named(QAccessible::Button, QStringLiteral("OK"))
            && AccessibleTree(box).unnamedActionable().isEmpty();
    });
    if (!found)
        qInfo().noquote() << AccessibleTree(box).dump();
    QVERIFY(found);
}

// The folder and file choosers are the toolkit's widget dialogs, whose
// buttons, fields and views have names (the QML stand-in's had none).
void TestAccessibility::choosersNamed_data()
{
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QStringList>("expected");
    const QStringList shared { "Button:Cancel", "Button:Back", "Button:Parent Directory",
        "Button:Create New Folder", "List:Sidebar", "Tree:Files" };
    QTest::newRow("folder") << "choseFolderDialog"
                            << shared + QStringList { "Button:Choose", "EditableText:Directory:" };
    QTest::newRow("files") << "choseFileDialog"
                           << shared + QStringList { "Button:Open", "EditableText:File name:" };
}

void TestAccessibility::choosersNamed()
{
    QFETCH(QString, chooser);
    QFETCH(QStringList, expected);
    QVERIFY(startWithCalculators());
    QMetaObject::invokeMethod(m_driver->byId(chooser.toLatin1()), "open");
    QFileDialog *dialog = nullptr;
    QTRY_VERIFY((dialog = WindowDriver::openChooser()));
    QVERIFY(QTest::qWaitForWindowExposed(dialog));

    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (const QString &entry : expected) {
        const int colon = entry.indexOf(QLatin1Char(':'));
        const auto role = QAccessible::Role(roles.keyToValue(entry.left(colon).toLatin1()));
        const bool found = QTest::qWaitFor([&] {
            return AccessibleTree(dialog->windowHandle()).find(role, entry.mid(colon + 1));
        });
        if (!found)
            qInfo().noquote() << AccessibleTree(dialog->windowHandle()).dump();
        QVERIFY2(found, qPrintable(entry));
    }
    QMetaObject::invokeMethod(m_driver->byId(chooser.toLatin1()), "close");
}

// A port that gives no calculator: its notice is an alert with the reason as
// its name, and its dismiss button says what it does.
void TestAccessibility::noticeIsAnAlert()
{
    QVERIFY(startWithCalculators());
    ShortWaits shortWaits;
    CalcSimulator quiet;
    quiet.setSilent(true);
    QVERIFY(quiet.start());
    m_driver->ports().append(CalcPort(quiet.portPath(), quiet.portPath()));
    m_driver->session().update();
    QTRY_VERIFY_WITH_TIMEOUT(!m_driver->session().doctor()->notices().isEmpty(), 20000);

    const QString notice = m_driver->session().doctor()->notices().value(0);
    QVERIFY(waitFor(QAccessible::AlertMessage, notice));
    QVERIFY(waitFor(QAccessible::Button, QStringLiteral("Dismiss")));
    const AccessibleTree found = tree();
    QCOMPARE(found.find(QAccessible::Button, QStringLiteral("Dismiss"))->description, notice);
    QVERIFY(found.unnamedActionable().isEmpty());
}

// A screen reader reads what is on screen and nothing more: the hint for an
// empty list while it shows and not once calculators are listed, the busy
// indicator and the progress bar only while they show.
void TestAccessibility::onlyWhatIsShown()
{
    QVERIFY(m_driver->start());
    QAccessible::setActive(true);
    const QString hint = m_driver->read("emptyHint", "text").toString();
    QVERIFY(waitFor(QAccessible::StaticText, hint));
    const auto nothingHidden = [this] {
        const AccessibleTree found = tree();
        if (found.hiddenButNamed().isEmpty())
            return true;
        qInfo().noquote() << "read out but not shown:\n" << found.dump();
        return false;
    };
    QVERIFY(nothingHidden());

    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    QVERIFY(waitFor(QAccessible::ListItem, QStringLiteral("Vori X1 Lab")));
    QCOMPARE(tree().named(hint).size(), 0);
    QVERIFY(nothingHidden());

    m_driver->session().onIAmBusy();
    QVERIFY(waitFor(QAccessible::Indicator, QStringLiteral("Busy")));
    m_driver->session().onIAmNotBusy();
    QTRY_COMPARE(tree().named(QStringLiteral("Busy")).size(), 0);
    QVERIFY(nothingHidden());
}

static void prepare()
{
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
