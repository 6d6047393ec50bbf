// The window by keyboard alone: Tab and Shift+Tab through the toolbar, the
// calculator list and the file table with a frame where focus is; arrows in
// the list pick the calculator as a click does; Delete, F2, Ctrl+O and Ctrl+S
// open what the toolbar and the menu open; the tooltips name the keys; and
// Copy and Paste keep their keys. The real document and session.
#include "CalcSimulator.h"
#include "ShortWaits.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QStyleHints>
#include <QtTest>

namespace {

using FileList = QList<QPair<QString, QByteArray>>;

const FileList calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray("print('on the calculator')\n") },
    { QStringLiteral("QUAD.py"), QByteArray("a, b, c = 1, -3, 2\n") },
    { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") },
};

// The stops of the tab chain, each by how the driver finds it.
const char *const tabStops[]
    = { "menuButton", "downloadButton", "sendButton", "deleteButton", "fileListView", "tableView" };

QString native(const QKeySequence &keys)
{
    return keys.toString(QKeySequence::NativeText);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tabOrder_data();
    void tabOrder();
    void arrowsPickCalculator_data();
    void arrowsPickCalculator();
    void arrowsSelectFiles();
    void actionKeys_data();
    void actionKeys();
    void renameByKeyboard();
    void renameFieldTakesKeys_data();
    void renameFieldTakesKeys();
    void renameLimitShown();
    void deleteByKeyboard();
    void menuByKeyboard_data();
    void menuByKeyboard();
    void keysOffWhileBusy();
    void tooltipsShowKeys_data();
    void tooltipsShowKeys();
    void copyAndPasteKeepTheirKeys();

private:
    bool startWithCalculators();
    QQuickItem *item(const char *stop) const;
    // The tab stop that holds keyboard focus, or an empty string.
    QString focusedStop() const;
    void press(const QKeySequence &keys);

    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

// Tooltips open on hover, which the offscreen platform leaves off; a
// desktop has it on.
void TestKeyboard::initTestCase()
{
    QGuiApplication::styleHints()->setUseHoverEffects(true);
}

void TestKeyboard::init()
{
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles));
    m_driver = std::make_unique<WindowDriver>();
}

void TestKeyboard::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
}

bool TestKeyboard::startWithCalculators()
{
    if (!m_driver->start())
        return false;
    return m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size())
        && m_driver->activateWindow();
}

QQuickItem *TestKeyboard::item(const char *stop) const
{
    const bool isButton = QByteArray(stop).endsWith("Button");
    return qobject_cast<QQuickItem *>(isButton ? m_driver->byName(stop) : m_driver->byId(stop));
}

QString TestKeyboard::focusedStop() const
{
    QQuickItem *focused = m_driver->window()->activeFocusItem();
    for (const char *stop : tabStops) {
        QQuickItem *candidate = item(stop);
        if (focused && (candidate == focused || candidate->isAncestorOf(focused)))
            return QLatin1String(stop);
    }
    return focused ? QStringLiteral("other: ") + QLatin1String(focused->metaObject()->className())
                   : QString();
}

void TestKeyboard::press(const QKeySequence &keys)
{
    QTest::keySequence(m_driver->window(), keys);
}

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
}

// Round the chain once from the toolbar's first button; at every stop a
// frame shows where focus is.
void TestKeyboard::tabOrder()
{
    QFETCH(bool, backwards);
    QVERIFY(startWithCalculators());
    item("menuButton")->forceActiveFocus(Qt::TabFocusReason);
    QCOMPARE(focusedStop(), QStringLiteral("menuButton"));

    QStringList expected;
    for (const char *stop : tabStops)
        expected.append(QLatin1String(stop));
    if (backwards)
        std::reverse(expected.begin() + 1, expected.end());
    expected.append(expected.first());

    QStringList visited = { focusedStop() };
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(m_driver->window(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
            backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited.append(focusedStop());
        const QString stop = visited.last();
        if (stop.endsWith(QLatin1String("Button"))) {
            QVERIFY2(
                m_driver->read(item(stop.toLatin1()), "visualFocus").toBool(), qPrintable(stop));
        } else if (stop == QLatin1String("fileListView")) {
            QVERIFY(m_driver->byName("listFocusFrame")->property("visible").toBool());
        } else if (stop == QLatin1String("tableView")) {
            QVERIFY(m_driver->byName("tableFocusFrame")->property("visible").toBool());
        }
    }
    QCOMPARE(visited, expected);
    QVERIFY(!m_driver->byName("listFocusFrame")->property("visible").toBool());
    QVERIFY(!m_driver->byName("tableFocusFrame")->property("visible").toBool());
}

void TestKeyboard::arrowsPickCalculator_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("switched");
    QTest::newRow("Down") << QList<int> { Qt::Key_Down } << 1 << 1 << true;
    QTest::newRow("Down, Up") << QList<int> { Qt::Key_Down, Qt::Key_Up } << 0 << 3 << true;
    QTest::newRow("past the last") << QList<int> { Qt::Key_Down, Qt::Key_Down } << 1 << 1 << true;
    QTest::newRow("before the first") << QList<int> { Qt::Key_Up } << 0 << 3 << false;
    QTest::newRow("End") << QList<int> { Qt::Key_End } << 1 << 1 << true;
    QTest::newRow("End, Home") << QList<int> { Qt::Key_End, Qt::Key_Home } << 0 << 3 << true;
    QTest::newRow("Home") << QList<int> { Qt::Key_Home } << 0 << 3 << false;
}

// The list's current row is the current calculator: the model's index, the
// session's file table and the cleared selection follow, as after a click.
void TestKeyboard::arrowsPickCalculator()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, current);
    QFETCH(int, files);
    QFETCH(bool, switched);
    QVERIFY(startWithCalculators());
    m_driver->selectRows({ 0 });
    item("fileListView")->forceActiveFocus(Qt::TabFocusReason);

    for (int key : keys)
        QTest::keyClick(m_driver->window(), Qt::Key(key));

    QCOMPARE(m_driver->read("fileListView", "currentIndex").toInt(), current);
    QCOMPARE(m_driver->shell().calcModel().currentIndex(), current);
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), files);
    // Another calculator's rows are other files: switching clears the
    // selection, and coming back does not bring it back.
    QCOMPARE(m_driver->selectedCount(), switched ? 0 : 1);
}

// The table's own keys: arrows move and select, Shift extends.
void TestKeyboard::arrowsSelectFiles()
{
    QVERIFY(startWithCalculators());
    item("tableView")->forceActiveFocus(Qt::TabFocusReason);

    QTest::keyClick(m_driver->window(), Qt::Key_Down);
    QTest::keyClick(m_driver->window(), Qt::Key_Down);
    QCOMPARE(m_driver->read("tableView", "currentRow").toInt(), 1);
    QCOMPARE(m_driver->selectedCount(), 1);
    QTest::keyClick(m_driver->window(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(m_driver->selectedCount(), 2);

    press(QKeySequence(Qt::Key_Delete));
    QCOMPARE(m_driver->openQuestion(), QStringLiteral("doYouWantDeleteItDialog"));
    QCOMPARE(m_driver->read("doYouWantDeleteItText", "text").toString(),
        QStringLiteral("Do you want to delete next files:\nQUAD.py\nNOTES.txt?"));
}

void TestKeyboard::actionKeys_data()
{
    QTest::addColumn<bool>("attached");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("status");
    const QString noCalculator = QStringLiteral("No calculator is connected");
    const QList<int> none;
    const QList<int> two = { 0, 2 };
    QTest::newRow("Delete") << true << QKeySequence(Qt::Key_Delete) << two
                            << "doYouWantDeleteItDialog" << QString();
    QTest::newRow("Delete, nothing selected") << true << QKeySequence(Qt::Key_Delete) << none
                                              << QString() << "No files selected for deleting";
    QTest::newRow("F2") << true << QKeySequence(Qt::Key_F2) << none << "changeNameDialog"
                        << QString();
    QTest::newRow("F2, no calculator")
        << false << QKeySequence(Qt::Key_F2) << none << QString() << noCalculator;
    QTest::newRow("Ctrl+O") << true << QKeySequence(QKeySequence::Open) << none << "choseFileDialog"
                            << QString();
    QTest::newRow("Ctrl+O, no calculator")
        << false << QKeySequence(QKeySequence::Open) << none << QString() << noCalculator;
    QTest::newRow("Ctrl+S") << true << QKeySequence(QKeySequence::Save) << two
                            << "choseFolderDialog" << QString();
    QTest::newRow("Ctrl+Shift+S") << true << QKeySequence(QStringLiteral("Ctrl+Shift+S")) << two
                                  << "choseFolderDialog" << QString();
    QTest::newRow("Ctrl+B") << true << QKeySequence(QStringLiteral("Ctrl+B")) << none
                            << "backupQuestion" << QString();
    QTest::newRow("Ctrl+B, no calculator")
        << false << QKeySequence(QStringLiteral("Ctrl+B")) << none << QString() << noCalculator;
    QTest::newRow("Ctrl+Shift+B") << true << QKeySequence(QStringLiteral("Ctrl+Shift+B")) << none
                                  << "backupQuestion" << QString();
    QTest::newRow("Ctrl+Shift+B, no calculator")
        << false << QKeySequence(QStringLiteral("Ctrl+Shift+B")) << none << QString()
        << noCalculator;
    QTest::newRow("Ctrl+T") << true << QKeySequence(QStringLiteral("Ctrl+T")) << none
                            << "stationDialog" << QString();
    QTest::newRow("Ctrl+T, no calculator")
        << false << QKeySequence(QStringLiteral("Ctrl+T")) << none << "stationDialog" << QString();
    QTest::newRow("Ctrl+S, nothing selected")
        << true << QKeySequence(QKeySequence::Save) << none << QString()
        << "Yoy must select some files for downloading";
}

// Each key runs its button's or menu item's entry: the same dialog, or the
// same refusal in the status line.
void TestKeyboard::actionKeys()
{
    QFETCH(bool, attached);
    QFETCH(QKeySequence, keys);
    QFETCH(QList<int>, rows);
    QFETCH(QString, dialog);
    QFETCH(QString, status);
    if (attached)
        QVERIFY(startWithCalculators());
    else
        QVERIFY(m_driver->start() && m_driver->activateWindow());
    m_driver->selectRows(rows);
    m_driver->session().setProperty("statusLineText", QStringLiteral("earlier text"));

    press(keys);

    QCOMPARE(m_driver->statusLine(), status);
    for (const char *id : { "doYouWantDeleteItDialog", "changeNameDialog", "choseFileDialog",
             "choseFolderDialog", "backupQuestion", "stationDialog" })
        QCOMPARE(m_driver->isOpen(id), dialog == QLatin1String(id));
    if (dialog == QLatin1String("doYouWantDeleteItDialog")) {
        QCOMPARE(m_driver->read("doYouWantDeleteItText", "text").toString(),
            QStringLiteral("Do you want to delete next files:\nMAIN.py\nNOTES.txt?"));
    } else if (dialog.startsWith(QLatin1String("chose"))) {
        // The chooser builds its folder view in the background; let it
        // finish so the engine does not go down mid-way.
        QVERIFY(QTest::qWaitFor([this] { return m_driver->foldersShown() == 1; }));
        QMetaObject::invokeMethod(m_driver->byId(dialog.toLatin1()), "close");
    }
}

// F2, type, Enter: the field has focus as the dialog opens, and Enter is
// OK. Escape closes the dialog again without a rename.
void TestKeyboard::renameByKeyboard()
{
    QVERIFY(startWithCalculators());
    press(QKeySequence(Qt::Key_F2));
    QTRY_VERIFY(m_driver->read("changeNameDialog", "opened").toBool());
    QTest::keyClick(m_driver->window(), Qt::Key_Escape);
    QTRY_VERIFY(!m_driver->isOpen("changeNameDialog"));

    press(QKeySequence(Qt::Key_F2));
    QTRY_VERIFY(m_driver->read("changeNameDialog", "opened").toBool());
    for (char typed : QByteArray("Lab 3"))
        QTest::keyClick(m_driver->window(), typed);
    QCOMPARE(m_driver->read("newNameField", "text").toString(), QStringLiteral("Lab 3"));
    QTest::keyClick(m_driver->window(), Qt::Key_Return);

    QTRY_VERIFY(!m_driver->isOpen("changeNameDialog"));
    QTRY_COMPARE(m_calc->name(), QStringLiteral("Lab 3"));
}

void TestKeyboard::renameFieldTakesKeys_data()
{
    QTest::addColumn<QString>("focusFrom");
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<QString>("name");
    const QString name = QStringLiteral("Vori X1");
    QTest::newRow("toolbar") << "menuButton" << QString() << name;
    QTest::newRow("calculator list") << "fileListView" << QString() << name;
    QTest::newRow("file table") << "tableView" << QString() << name;
    QTest::newRow("after Cancel clicked") << "tableView"
                                          << "Cancel" << name;
    QTest::newRow("after OK clicked") << "tableView"
                                      << "OK"
                                      << "Junk";
}

// Wherever focus was, and whichever button closed the dialog last, F2 opens
// it with the field taking the keys and the device name in it, selected, so
// that typing replaces it; a cancelled text is gone.
void TestKeyboard::renameFieldTakesKeys()
{
    QFETCH(QString, focusFrom);
    QFETCH(QString, closedBy);
    QFETCH(QString, name);
    QVERIFY(startWithCalculators());
    if (!closedBy.isEmpty()) {
        press(QKeySequence(Qt::Key_F2));
        QTRY_VERIFY(m_driver->read("changeNameDialog", "opened").toBool());
        for (char typed : QByteArray("Junk"))
            QTest::keyClick(m_driver->window(), typed);
        QQuickItem *button = m_driver->dialogButton("changeNameDialog", closedBy);
        QVERIFY(button);
        m_driver->click(button);
        QTRY_VERIFY(!m_driver->isOpen("changeNameDialog"));
        QTRY_COMPARE(m_driver->shell().calcModel().getName(), name);
        QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());
    }
    item(focusFrom.toLatin1())->forceActiveFocus(Qt::TabFocusReason);

    press(QKeySequence(Qt::Key_F2));
    QTRY_VERIFY(m_driver->read("changeNameDialog", "opened").toBool());
    QVERIFY(m_driver->read("newNameField", "activeFocus").toBool());
    QCOMPARE(m_driver->read("newNameField", "text").toString(), name);
    QCOMPARE(m_driver->read("newNameField", "selectedText").toString(), name);
    for (char typed : QByteArray("Lab 4"))
        QTest::keyClick(m_driver->window(), typed);
    QCOMPARE(m_driver->read("newNameField", "text").toString(), QStringLiteral("Lab 4"));
}

// Typing past the limit is cut off, and the dialog says why.
void TestKeyboard::renameLimitShown()
{
    QVERIFY(startWithCalculators());
    press(QKeySequence(Qt::Key_F2));
    QTRY_VERIFY(m_driver->read("changeNameDialog", "opened").toBool());
    QObject *note = m_driver->byName("nameLimitNote");
    QVERIFY(!note->property("visible").toBool());

    for (int i = 0; i < 63; ++i)
        QTest::keyClick(m_driver->window(), 'a' + i % 26);
    QVERIFY(!note->property("visible").toBool());
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(m_driver->window(), 'z');
    QCOMPARE(m_driver->read("newNameField", "text").toString().size(), 64);
    QVERIFY(note->property("visible").toBool());
    QCOMPARE(note->property("text").toString(),
        QStringLiteral("A device name has at most 64 characters."));
    auto *dialog = m_driver->read("changeNameDialog", "contentItem").value<QQuickItem *>();
    auto *shown = qobject_cast<QQuickItem *>(note);
    QVERIFY(dialog->mapRectToScene(QRectF(0, 0, dialog->width(), dialog->height()))
                .contains(shown->mapRectToScene(QRectF(0, 0, shown->width(), shown->height()))));

    QTest::keyClick(m_driver->window(), Qt::Key_Backspace);
    QVERIFY(!note->property("visible").toBool());
}

// From the table to the deleted file without a mouse: arrow, Del, Tab to
// Yes, Space.
void TestKeyboard::deleteByKeyboard()
{
    QVERIFY(startWithCalculators());
    item("tableView")->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(m_driver->window(), Qt::Key_Down);
    press(QKeySequence(Qt::Key_Delete));
    QTRY_VERIFY(m_driver->read("doYouWantDeleteItDialog", "opened").toBool());

    const auto focusedText = [this] {
        QQuickItem *focused = m_driver->window()->activeFocusItem();
        return focused ? focused->property("text").toString() : QString();
    };
    for (int i = 0; i < 4 && focusedText() != QLatin1String("Yes"); ++i)
        QTest::keyClick(m_driver->window(), Qt::Key_Tab);
    QCOMPARE(focusedText(), QStringLiteral("Yes"));
    QTest::keyClick(m_driver->window(), Qt::Key_Space);

    QTRY_VERIFY(!m_calc->hasFile(QStringLiteral("MAIN.py")));
    QVERIFY(m_calc->hasFile(QStringLiteral("QUAD.py")));
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), calculatorFiles.size() - 1);
}

void TestKeyboard::menuByKeyboard_data()
{
    QTest::addColumn<int>("trigger");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

// Space on the menu button opens the menu; arrows walk it, and the key
// triggers the item, here the rename.
void TestKeyboard::menuByKeyboard()
{
    QFETCH(int, trigger);
    QVERIFY(startWithCalculators());
    item("menuButton")->forceActiveFocus(Qt::TabFocusReason);

    QTest::keyClick(m_driver->window(), Qt::Key_Space);
    QTRY_VERIFY(m_driver->read("optionsMenu", "opened").toBool());
    QTest::keyClick(m_driver->window(), Qt::Key_Down);
    QTest::keyClick(m_driver->window(), Qt::Key_Down);
    QTest::keyClick(m_driver->window(), Qt::Key(trigger));

    QTRY_VERIFY(m_driver->isOpen("changeNameDialog"));
    QVERIFY(!m_driver->isOpen("aboutDialog"));
}

// While a job runs the toolbar and the menu are off, and so are their keys.
void TestKeyboard::keysOffWhileBusy()
{
    QVERIFY(startWithCalculators());
    ShortWaits shortWaits(3000);
    m_driver->selectRows({ 0 });
    // A calculator that does not answer holds the job until the wait runs out.
    m_calc->setSilent(true);
    m_driver->activate("changeNameMenuItem");
    m_driver->write(m_driver->byId("newNameField"), "text", QStringLiteral("Quiet"));
    m_driver->answer("changeNameDialog", true);
    QTRY_VERIFY(m_driver->session().property("isBusy").toBool());
    QTRY_VERIFY(!m_driver->isOpen("changeNameDialog"));
    QVERIFY(m_driver->activateWindow());

    for (const QKeySequence &keys : { QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_F2),
             QKeySequence(QKeySequence::Open), QKeySequence(QKeySequence::Save),
             QKeySequence(QStringLiteral("Ctrl+B")), QKeySequence(QStringLiteral("Ctrl+Shift+B")),
             QKeySequence(QStringLiteral("Ctrl+T")) }) {
        press(keys);
        QVERIFY2(m_driver->session().property("isBusy").toBool(), "the job ended too early");
        for (const char *id : { "doYouWantDeleteItDialog", "changeNameDialog", "choseFileDialog",
                 "choseFolderDialog", "backupQuestion", "stationDialog" })
            QVERIFY2(!m_driver->isOpen(id), qPrintable(keys.toString() + QLatin1Char(' ') + id));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!m_driver->session().property("isBusy").toBool(), 20000);
}

void TestKeyboard::tooltipsShowKeys_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::newRow("menu") << "menuButton"
                          << "Menu";
    QTest::newRow("download") << "downloadButton"
                              << "Copy and transfer selected files from calculator to PC ("
            + native(QKeySequence::Save) + ")";
    QTest::newRow("send") << "sendButton"
                          << "Send files to calculator... (" + native(QKeySequence::Open) + ")";
    QTest::newRow("delete") << "deleteButton"
                            << "Delete selected files (" + native(QKeySequence(Qt::Key_Delete))
            + ")";
}

// The shared tooltip shows the hovered button's text, then its key.
void TestKeyboard::tooltipsShowKeys()
{
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QVERIFY(startWithCalculators());
    QQuickItem *target = item(button.toLatin1());
    QTest::mouseMove(m_driver->window(),
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint());

    QObject *tip = m_driver->read(target, "ToolTip.toolTip").value<QObject *>();
    QVERIFY(tip);
    QTRY_VERIFY_WITH_TIMEOUT(tip->property("opened").toBool(), 10000);
    QObject *content = tip->property("contentItem").value<QObject *>();
    QCOMPARE(content->property("text").toString(), shown);
}

// Exactly one shortcut each answers to the keys of Copy and of Paste; a
// second would make both ambiguous and neither would fire.
void TestKeyboard::copyAndPasteKeepTheirKeys()
{
    QVERIFY(m_driver->start());
    const auto keysOf = [](const QVariant &value) {
        if (value.type() == QVariant::Int)
            return QKeySequence::keyBindings(QKeySequence::StandardKey(value.toInt()));
        return QList<QKeySequence> { QKeySequence(value.toString()) };
    };
    QList<QKeySequence> taken;
    int shortcuts = 0;
    for (QObject *object : m_driver->window()->findChildren<QObject *>()) {
        if (qstrcmp(object->metaObject()->className(), "QQuickShortcut") != 0)
            continue;
        ++shortcuts;
        QVariantList values = object->property("sequences").toList();
        const QVariant sequence = object->property("sequence");
        if (sequence.isValid() && !sequence.toString().isEmpty())
            values.append(sequence);
        QSet<QKeySequence> own;
        for (const QVariant &value : values) {
            const QList<QKeySequence> keys = keysOf(value);
            own.unite(QSet<QKeySequence>(keys.begin(), keys.end()));
        }
        taken.append(own.values());
    }
    QCOMPARE(shortcuts, 16);
    for (auto standard : { QKeySequence::Copy, QKeySequence::Paste }) {
        for (const QKeySequence &keys : QKeySequence::keyBindings(standard))
            QVERIFY2(taken.count(keys) == 1, qPrintable(keys.toString()));
    }
}

static void prepare()
{
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
