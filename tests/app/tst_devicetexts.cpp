// Words from a device are shown as they are, never as markup: a calculator
// named with tags and holding a file whose name is an image tag, seen in every
// place the window quotes them. The real document and session on a simulated
// calculator.
#include "CalcSimulator.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using VivuRuza::calcMsg;

namespace {

const QString markedName = QStringLiteral("<b>X</b>");
// Shown as rich text, this would load the picture the device names. No slash,
// so that it can also be a file in a local folder.
const QString markedFile = QStringLiteral("<img src=\"x.png\">.py");

// Device text, and the words a user sees of it when a text item takes it for
// rich text.
QString asRichText(const QString &text)
{
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// What a text item draws, as words: its text, or what is left of it once the
// item has rendered it as markup (as it does with the default format when the
// text looks like markup).
QString shownText(const QQuickItem *item)
{
    const QString text = item->property("text").toString();
    const int format = item->property("textFormat").toInt();
    const bool rich = format == Qt::RichText || format == 4 /* Text.StyledText */
        || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? asRichText(text) : text;
}

// The text items under item that hold this text, in any format.
QList<QQuickItem *> textsHolding(QQuickItem *item, const QString &part)
{
    QList<QQuickItem *> found;
    if (item->inherits("QQuickText") && item->property("text").toString().contains(part))
        found.append(item);
    for (QQuickItem *child : item->childItems())
        found += textsHolding(child, part);
    return found;
}

QWindow *errorBox()
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && window->title() == QLatin1String("Error"))
            return window;
    }
    return nullptr;
}

// What a label draws, as words, by the same rule as for text items.
QString shownText(const QLabel *label)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? asRichText(text) : text;
}

// The box is the toolkit's widget message box where the app is a
// QApplication; its labels must show the words as they are.
bool widgetBoxShows(const QString &words)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            if (shownText(label).contains(words))
                return true;
        }
        qInfo() << "the box shows" << box->text() << box->informativeText();
    }
    return false;
}

} // namespace

class TestDeviceTexts : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void shownAsTheyAre_data();
    void shownAsTheyAre();
    void overridesSetApart_data();
    void overridesSetApart();

private:
    std::unique_ptr<QTemporaryDir> m_local;
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestDeviceTexts::init()
{
    m_local = std::make_unique<QTemporaryDir>();
    QVERIFY(m_local->isValid());
    m_calc = std::make_unique<CalcSimulator>();
    m_calc->setName(markedName);
    m_calc->setFiles({ { markedFile, QByteArray("x = 1\n") },
        { QStringLiteral("MAIN.py"), QByteArray("print(1)\n") } });
    QVERIFY(m_calc->start());
    m_driver = std::make_unique<WindowDriver>();
}

void TestDeviceTexts::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_local.reset();
}

void TestDeviceTexts::shownAsTheyAre_data()
{
    // Where the words show, and the device words that show there.
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("words");
    QTest::newRow("calculator list") << "fileListView" << markedName;
    QTest::newRow("file table") << "tableView" << markedFile;
    QTest::newRow("transfer line") << "transferLine" << markedName;
    QTest::newRow("delete question") << "doYouWantDeleteItDialog" << markedFile;
    QTest::newRow("download question") << "doYouWantDownloadFile" << markedFile;
    QTest::newRow("doctor's notice")
        << "doctorNotices" << QStringLiteral("<b>Busy</b> <img src=\"x.png\">");
    QTest::newRow("error box") << "errorMessageDialog"
                               << QStringLiteral("<b>No room</b> <img src=\"x.png\">\nat  all");
    // The line under it names the calculator.
    QTest::newRow("error box, its second line") << "errorDetail" << markedName;
}

void TestDeviceTexts::shownAsTheyAre()
{
    QFETCH(QString, place);
    QFETCH(QString, words);
    // The row itself would not show the words literally otherwise.
    QVERIFY(asRichText(words) != words);
    QVERIFY(m_driver->start());
    CalcSimulator &calc = *m_calc;
    if (place == QLatin1String("doctorNotices"))
        calc.setRefusal(calcMsg::GET_FILES_NUM, calcMsg::NONE_ERROR, 0, words);
    m_driver->ports().append(CalcPort(calc.portPath(), calc.portPath()));
    m_driver->session().update();
    QQuickItem *root = m_driver->window()->contentItem();

    if (place == QLatin1String("doctorNotices")) {
        QTRY_VERIFY_WITH_TIMEOUT(!m_driver->session().doctor()->notices().isEmpty(), 20000);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_driver->read("tableView", "rowCount").toInt(), 2, 20000);
    }
    if (place == QLatin1String("transferLine")) {
        QFile file(m_local->filePath(QStringLiteral("NEW.py")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("new = 1\n") > 0);
        file.close();
        m_driver->drop({ QUrl::fromLocalFile(file.fileName()) });
        QTRY_COMPARE_WITH_TIMEOUT(m_driver->session().transfer()->outcome(),
            QStringLiteral("Sent 1 file to ") + words, 20000);
    } else if (place == QLatin1String("doYouWantDeleteItDialog")) {
        m_driver->selectRows({ 0 });
        m_driver->activate("deleteButton");
        QTRY_VERIFY(m_driver->isOpen("doYouWantDeleteItDialog"));
        root = qobject_cast<QQuickItem *>(m_driver->byId("doYouWantDeleteItText"));
    } else if (place == QLatin1String("doYouWantDownloadFile")) {
        QFile existing(m_local->filePath(markedFile));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        m_driver->selectRows({ 0 });
        m_driver->activate("downloadButton");
        m_driver->choose("choseFolderDialog", { QUrl::fromLocalFile(m_local->path()) });
        QTRY_VERIFY(m_driver->isOpen("doYouWantDownloadFile"));
        root = m_driver->read("doYouWantDownloadFile", "header").value<QQuickItem *>();
    } else if (place == QLatin1String("errorMessageDialog")
        || place == QLatin1String("errorDetail")) {
        const bool detail = place == QLatin1String("errorDetail");
        calc.setRefusal(
            calcMsg::SEND_FILE, calcMsg::NONE_ERROR, 0, detail ? QStringLiteral("No room") : words);
        QFile file(m_local->filePath(QStringLiteral("NEW.py")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("new = 1\n") > 0);
        file.close();
        m_driver->drop({ QUrl::fromLocalFile(file.fileName()) });
        QTRY_VERIFY_WITH_TIMEOUT(errorBox(), 20000);
        if (!detail)
            QCOMPARE(m_driver->session().property("error").toString(), words);
        auto *quick = qobject_cast<QQuickWindow *>(errorBox());
        if (!quick) {
            QVERIFY(widgetBoxShows(words));
            return;
        }
        root = quick->contentItem();
    }
    QVERIFY(root);

    // Shown literally wherever the window holds them: in a text of their
    // own, or quoted in one of ours. The box may hold them escaped.
    QString escaped = words;
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
    QList<QQuickItem *> texts;
    QTRY_VERIFY(!(texts = textsHolding(root, words)).isEmpty()
        || !(texts = textsHolding(root, escaped)).isEmpty());
    for (QQuickItem *text : qAsConst(texts)) {
        // Ours are plain whatever the words: the toolkit's guess looks at the
        // first line only, and words can come first.
        if (!place.startsWith(QLatin1String("error")))
            QCOMPARE(text->property("textFormat").toInt(), int(Qt::PlainText));
        QVERIFY2(shownText(text).contains(words),
            qPrintable(QStringLiteral("%1 shows \"%2\" for \"%3\"")
                           .arg(QLatin1String(text->metaObject()->className()), shownText(text),
                               text->property("text").toString())));
    }
}

void TestDeviceTexts::overridesSetApart_data()
{
    const QChar fsi(0x2068);
    const QChar pdi(0x2069);
    // The question, its text and what it must hold: the device's words
    // without their override, set apart from ours.
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("words");
    QTest::newRow("backup question, title")
        << "backupQuestion"
        << "title" << QStringLiteral("Back up ") + fsi + QStringLiteral("Calc X") + pdi;
    QTest::newRow("backup question") << "backupQuestion"
                                     << "text"
                                     << QStringLiteral("Every file on ") + fsi
            + QStringLiteral("Calc X") + pdi + QStringLiteral(" is copied into a new folder");
    QTest::newRow("download question") << "doYouWantDownloadFile"
                                       << "title"
                                       << QStringLiteral("File ") + fsi + QStringLiteral("ABCD.py")
            + pdi + QStringLiteral(" already exists on your PC.");
}

// An override in a calculator's name or a file's would turn the rest of the
// question around.
void TestDeviceTexts::overridesSetApart()
{
    QFETCH(QString, place);
    QFETCH(QString, property);
    QFETCH(QString, words);
    const QString file = QStringLiteral("AB\u202ECD.py");
    m_calc->setName(QStringLiteral("Calc\u202E X"));
    m_calc->setFiles({ { file, QByteArray("x = 1\n") } });
    QVERIFY(m_driver->start());
    m_driver->ports().append(CalcPort(m_calc->portPath(), m_calc->portPath()));
    m_driver->session().update();
    QTRY_COMPARE_WITH_TIMEOUT(m_driver->read("tableView", "rowCount").toInt(), 1, 20000);
    if (place == QLatin1String("backupQuestion")) {
        m_driver->activate("backUpMenuItem");
    } else {
        QFile existing(m_local->filePath(file));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        m_driver->selectRows({ 0 });
        m_driver->activate("downloadButton");
        m_driver->choose("choseFolderDialog", { QUrl::fromLocalFile(m_local->path()) });
    }
    QTRY_VERIFY(m_driver->isOpen(place.toLatin1().constData()));
    const QString text
        = m_driver->read(place.toLatin1().constData(), property.toLatin1().constData()).toString();
    QVERIFY2(text.contains(words), qPrintable(text));
}

static void prepare()
{
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestDeviceTexts)
#include "tst_devicetexts.moc"
