// The window on the desktop's palette, light and dark: what has no colour of
// its own follows the palette as it changes, the given colours stay, and
// text and focus frames keep their contrast on what they are drawn on.
#include "CalcSimulator.h"
#include "DarkPalette.h"
#include "WindowDriver.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <cmath>

namespace {

double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}

// WCAG 2's contrast ratio of two opaque colours, 1 to 21.
double contrast(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A translucent colour as it shows over an opaque one.
QColor over(const QColor &top, const QColor &below)
{
    const double alpha = top.alphaF();
    return QColor::fromRgbF(top.redF() * alpha + below.redF() * (1 - alpha),
        top.greenF() * alpha + below.greenF() * (1 - alpha),
        top.blueF() * alpha + below.blueF() * (1 - alpha));
}

QQuickItem *findNamed(
    QQuickItem *item, const char *objectName, const char *property, const QVariant &value)
{
    if (!item)
        return nullptr;
    if (item->objectName() == QLatin1String(objectName) && item->property(property) == value)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findNamed(child, objectName, property, value))
            return found;
    }
    return nullptr;
}

QQuickItem *findText(QQuickItem *item, const QString &text)
{
    if (!item)
        return nullptr;
    if (item->inherits("QQuickText") && item->property("text").toString() == text)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findText(child, text))
            return found;
    }
    return nullptr;
}

// The focus frame drawn in a control: its one bordered transparent child.
QQuickItem *frameIn(QQuickItem *control)
{
    for (QQuickItem *child : control->childItems()) {
        if (child->inherits("QQuickRectangle")
            && child->property("color").value<QColor>().alpha() == 0
            && child->property("border").value<QObject *>()->property("width").toInt() == 2)
            return child;
    }
    return nullptr;
}

QColor borderOf(QObject *frame)
{
    return frame->property("border").value<QObject *>()->property("color").value<QColor>();
}

} // namespace

class TestColours : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void followsDesktopPalette_data();
    void followsDesktopPalette();
    void contrast_data();
    void contrast();

private:
    bool startWithCalculator();
    QColor colourOf(const char *id, const char *property) const
    {
        return m_driver->read(id, property).value<QColor>();
    }
    void addPalettes();

    QPalette m_light;
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestColours::initTestCase()
{
    m_light = QGuiApplication::palette();
}

void TestColours::init()
{
    m_calc = std::make_unique<CalcSimulator>();
    m_calc->setName(QStringLiteral("Vori X1"));
    m_calc->setFiles({ { QStringLiteral("MAIN.py"), QByteArray("print(1)\n") },
        { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") } });
    QVERIFY(m_calc->start());
    m_driver = std::make_unique<WindowDriver>();
}

void TestColours::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    QGuiApplication::setPalette(m_light);
}

bool TestColours::startWithCalculator()
{
    if (!m_driver->start())
        return false;
    return m_driver->attach({ m_calc->portPath() }, 2);
}

void TestColours::addPalettes()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << m_light;
    QTest::newRow("dark") << darkPalette();
    // Some dark themes select in a deep blue that hardly stands out from
    // their grey.
    QPalette deep = darkPalette();
    deep.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    QTest::newRow("dark, deep highlight") << deep;
}

void TestColours::followsDesktopPalette_data()
{
    addPalettes();
}

// The palette changes under a running window, as when the desktop switches
// between light and dark.
void TestColours::followsDesktopPalette()
{
    QFETCH(QPalette, palette);
    QVERIFY(startWithCalculator());
    QGuiApplication::setPalette(palette == m_light ? darkPalette() : m_light);

    QGuiApplication::setPalette(palette);

    QTRY_COMPARE(m_driver->read(m_driver->window(), "color").value<QColor>(),
        palette.color(QPalette::Window));
    QCOMPARE(colourOf("statusLine", "color"), palette.color(QPalette::WindowText));
    QObject *toolBar = m_driver->read(m_driver->window(), "header").value<QObject *>();
    QObject *toolBarBackground = toolBar->property("background").value<QObject *>();
    QCOMPARE(toolBarBackground->property("color").value<QColor>(), palette.color(QPalette::Button));
    QCOMPARE(colourOf("newNameField", "color"), palette.color(QPalette::Text));
    QObject *fieldBackground = m_driver->read("newNameField", "background").value<QObject *>();
    QCOMPARE(fieldBackground->property("color").value<QColor>(), palette.color(QPalette::Base));

    // What the window gives a colour keeps it.
    QCOMPARE(colourOf("listRectangle", "color"), QColor(0xf0, 0xf0, 0xf0));
    QObject *highlight = m_driver->read("fileListView", "highlightItem").value<QObject *>();
    QCOMPARE(highlight->property("color").value<QColor>(), QColor(0x01, 0xb3, 0xe3, 0x40));
    QQuickItem *name = findText(
        qobject_cast<QQuickItem *>(m_driver->byId("fileListView")), QStringLiteral("Vori X1"));
    QVERIFY(name);
    QCOMPARE(name->property("color").value<QColor>(), QColor(Qt::black));
    QCOMPARE(colourOf("newNameField", "selectionColor"), QColor(0x01, 0xb3, 0xe3, 0x60));
}

void TestColours::contrast_data()
{
    addPalettes();
}

// Text at least 4.5:1 against what it is drawn on, a focus frame at least
// 3:1 (WCAG 2, AA), on either palette.
void TestColours::contrast()
{
    QFETCH(QPalette, palette);
    QVERIFY(startWithCalculator());
    QGuiApplication::setPalette(palette);
    QTRY_COMPARE(m_driver->read(m_driver->window(), "color").value<QColor>(),
        palette.color(QPalette::Window));

    const QColor pane = colourOf("listRectangle", "color");
    QObject *highlight = m_driver->read("fileListView", "highlightItem").value<QObject *>();
    QQuickItem *name = findText(
        qobject_cast<QQuickItem *>(m_driver->byId("fileListView")), QStringLiteral("Vori X1"));
    QVERIFY(name);
    const QColor base = palette.color(QPalette::Base);
    const QColor fieldSelection = over(colourOf("newNameField", "selectionColor"), base);
    auto *menuButton = qobject_cast<QQuickItem *>(m_driver->byName("menuButton"));
    QVERIFY(frameIn(menuButton));
    const QString noticeText = QStringLiteral("/dev/ttyACM9 does not answer.");
    m_driver->session().doctor()->report(QStringLiteral("/dev/ttyACM9"), noticeText);
    QQuickItem *notice = nullptr;
    QTRY_VERIFY((notice = findText(m_driver->window()->contentItem(), noticeText)));
    QQuickItem *noticeBox = notice;
    while (noticeBox && noticeBox->objectName() != QLatin1String("doctorNotice"))
        noticeBox = noticeBox->parentItem();
    QVERIFY(noticeBox);
    const QColor noticeBack = noticeBox->property("color").value<QColor>();
    QQuickItem *dismiss = findText(noticeBox, QStringLiteral("\u00d7"));
    QVERIFY(dismiss);
    // The first row has the alternate colour, the second the base.
    m_driver->selectRows({ 1 });
    auto *table = qobject_cast<QQuickItem *>(m_driver->byId("tableView"));
    QQuickItem *header = findText(table, QStringLiteral("Name"));
    QQuickItem *selectedName = findText(table, QStringLiteral("NOTES.txt"));
    QQuickItem *otherName = findText(table, QStringLiteral("MAIN.py"));
    QQuickItem *selectedRow = findNamed(table, "fileRow", "fileName", QStringLiteral("NOTES.txt"));
    QQuickItem *otherRow = findNamed(table, "fileRow", "fileName", QStringLiteral("MAIN.py"));
    QVERIFY(header && selectedName && otherName && selectedRow && otherRow);

    struct Pair
    {
        const char *what;
        QColor front;
        QColor back;
        double least;
    };
    const QList<Pair> pairs = {
        { "calculator name on its selection", name->property("color").value<QColor>(),
            over(highlight->property("color").value<QColor>(), pane), 4.5 },
        { "hint on the calculator pane", colourOf("emptyHint", "color"), pane, 4.5 },
        { "status line", colourOf("statusLine", "color"), palette.color(QPalette::Window), 4.5 },
        { "notice", notice->property("color").value<QColor>(), noticeBack, 4.5 },
        { "dismiss on the notice", dismiss->property("color").value<QColor>(), noticeBack, 4.5 },
        { "column title", header->property("color").value<QColor>(),
            header->parentItem()->property("color").value<QColor>(), 4.5 },
        { "selected file", selectedName->property("color").value<QColor>(),
            selectedRow->property("color").value<QColor>(), 4.5 },
        { "file", otherName->property("color").value<QColor>(),
            otherRow->property("color").value<QColor>(), 4.5 },
        { "typed name", colourOf("newNameField", "color"), base, 4.5 },
        { "selected part of the typed name", colourOf("newNameField", "selectedTextColor"),
            fieldSelection, 4.5 },
        { "focus frame on the toolbar", borderOf(frameIn(menuButton)),
            palette.color(QPalette::Button), 3 },
        { "focus frame on the calculator pane", borderOf(m_driver->byName("listFocusFrame")), pane,
            3 },
        { "focus frame on the file table", borderOf(m_driver->byName("tableFocusFrame")), base, 3 },
    };
    for (const Pair &pair : pairs) {
        const double ratio = ::contrast(pair.front, pair.back);
        QVERIFY2(ratio >= pair.least,
            qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                           .arg(QLatin1String(pair.what), pair.front.name(QColor::HexArgb),
                               pair.back.name(), QString::number(ratio, 'f', 2))));
    }
}

static void prepare()
{
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
