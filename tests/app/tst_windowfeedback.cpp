// What the window tells and refuses: calculators listed while another device
// is still being read, the doctor's notices, the hint without a calculator,
// transfer progress and outcome, the selection across calculators, the
// current calculator while others are unplugged, and drop, Paste and Copy
// while the calculator is busy. The real document and session.
#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "ConnectionDoctor.h"
#include "FrameCodec.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using VivuRuza::calcMsg;

namespace {

using FileList = QList<QPair<QString, QByteArray>>;

const FileList calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray(3000, 'm') },
    { QStringLiteral("QUAD.py"), QByteArray(5000, 'q') },
    { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") },
};

const QString busyRefusal = QStringLiteral("Wait until the transfer in progress has finished");

// The first item of this object name among the item's descendants.
QQuickItem *findItem(QQuickItem *item, const char *objectName)
{
    for (QQuickItem *child : item->childItems()) {
        if (child->objectName() == QLatin1String(objectName))
            return child;
        if (QQuickItem *found = findItem(child, objectName))
            return found;
    }
    return nullptr;
}

} // namespace

class TestWindowFeedback : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listedWhileAnotherIsRead_data();
    void listedWhileAnotherIsRead();
    void doctorNotice_data();
    void doctorNotice();
    void unreadFilesNoticed();
    void noticesKeepTheirPlace_data();
    void noticesKeepTheirPlace();
    void emptyState();
    void progressAndOutcome_data();
    void progressAndOutcome();
    void selectionClearedForAnotherCalculator();
    void unplugKeepsCurrentShown_data();
    void unplugKeepsCurrentShown();
    void refusedWhileBusy_data();
    void refusedWhileBusy();
    void verifyFailureNamesEveryFile();

private:
    QUrl writeLocal(const QString &name, const QByteArray &content);
    QString transferLine() const;
    QStringList noticesShown() const;
    bool clickSecondCalculator();

    int m_firstWait = 0;
    int m_furtherWait = 0;
    int m_allowance = 0;
    int m_cap = 0;
    std::unique_ptr<QTemporaryDir> m_local;
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestWindowFeedback::initTestCase()
{
    m_firstWait = FrameCodec::firstWaitMs();
    m_furtherWait = FrameCodec::furtherWaitMs();
    m_allowance = FrameCodec::frameAllowanceMs();
    m_cap = FrameCodec::commandCapMs();
}

void TestWindowFeedback::init()
{
    m_local = std::make_unique<QTemporaryDir>();
    QVERIFY(m_local->isValid());
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles, 256));
    m_driver = std::make_unique<WindowDriver>();
}

void TestWindowFeedback::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
    m_local.reset();
    FrameCodec::setWaitLimits(m_firstWait, m_furtherWait);
    FrameCodec::setCommandLimits(m_allowance, m_cap);
}

QUrl TestWindowFeedback::writeLocal(const QString &name, const QByteArray &content)
{
    QFile file(m_local->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning() << "cannot write" << file.fileName();
    return QUrl::fromLocalFile(file.fileName());
}

QString TestWindowFeedback::transferLine() const
{
    return m_driver->read(m_driver->byName("transferLine"), "text").toString();
}

// The texts of the notices as the window draws them.
QStringList TestWindowFeedback::noticesShown() const
{
    QStringList texts;
    auto *column = qobject_cast<QQuickItem *>(m_driver->byName("doctorNotices"));
    for (QQuickItem *notice : column->childItems()) {
        QQuickItem *text = findItem(notice, "noticeText");
        if (text && notice->isVisible())
            texts.append(text->property("text").toString());
    }
    return texts;
}

void TestWindowFeedback::listedWhileAnotherIsRead_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("silent") << "silent";
    QTest::newRow("lists for ever") << "endless";
}

// The other device comes first in port order, where the poll used to wait
// for it: the calculator beside it is listed, shows its files and copies them
// while that device is still being read; the device then gets a notice, not
// a row.
void TestWindowFeedback::listedWhileAnotherIsRead()
{
    QFETCH(QString, fault);
    if (fault == QLatin1String("silent")) {
        m_lab->setSilent(true);
        FrameCodec::setWaitLimits(8000, 8000);
    } else {
        m_lab->setAnnouncedFileCount(CVivuRuza::maxListedFiles);
        m_lab->setEndlessListing(true);
        m_lab->setReplyDelay(2);
        FrameCodec::setCommandLimits(1, 8000);
    }
    QVERIFY(m_driver->start());
    QStringList events;
    QObject context;
    CVivuRuzaSession &session = m_driver->session();
    connect(&m_driver->shell().calcModel(), &QAbstractItemModel::rowsInserted, &context, [&] {
        events.append(QStringLiteral("listed while reading %1").arg(session.readingCount()));
    });
    connect(&session, &CVivuRuzaSession::isBusyChange, &context, [&] {
        if (!session.property("isBusy").toBool())
            events.append(QStringLiteral("copied"));
    });
    connect(session.doctor(), &ConnectionDoctor::noticesChange, &context,
        [&] { events.append(QStringLiteral("notice")); });
    m_driver->ports().append(CalcPort(m_lab->portPath(), m_lab->portPath()));
    m_driver->ports().append(CalcPort(m_calc->portPath(), m_calc->portPath()));
    m_driver->session().update();

    QTRY_COMPARE(m_driver->read("fileListView", "count").toInt(), 1);
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), calculatorFiles.size());
    QVERIFY(!m_driver->read("emptyHint", "visible").toBool());
    m_driver->selectRows({ 2 });
    m_driver->activate("downloadButton");
    m_driver->choose("choseFolderDialog", { QUrl::fromLocalFile(m_local->path()) });

    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("notice")), 30000);
    const QStringList expected { QStringLiteral("listed while reading 1"), QStringLiteral("copied"),
        QStringLiteral("notice") };
    QVERIFY2(events == expected, qPrintable(events.join(QStringLiteral(", "))));
    QVERIFY(QFile::exists(m_local->filePath(QStringLiteral("NOTES.txt"))));
    QCOMPARE(m_driver->read("fileListView", "count").toInt(), 1);
    QCOMPARE(noticesShown().size(), 1);
    QVERIFY2(
        noticesShown().first().contains(m_lab->portPath()), qPrintable(noticesShown().first()));
}

void TestWindowFeedback::doctorNotice_data()
{
    QTest::addColumn<QString>("location");
    QTest::newRow("no such port") << "/nonexistent/ttyACM7";
    QTest::newRow("not a serial port") << "file";
    QTest::newRow("listing refused") << "listing";
}

// The link's own words, once per plug-in and nowhere else (no error box for
// the same fault): dismissed, the notice stays away while the port stays;
// plugged in anew, it comes back.
void TestWindowFeedback::doctorNotice()
{
    QFETCH(QString, location);
    QString expected;
    if (location == QLatin1String("listing")) {
        m_calc->setRefusal(
            calcMsg::GET_FILES_NUM, calcMsg::NONE_ERROR, 0, QStringLiteral("No list"));
        location = m_calc->portPath();
        expected = QStringLiteral(
            "The calculator at %1 answered, but its file list could not be read. No list")
                       .arg(location);
    } else {
        if (location == QLatin1String("file"))
            location = writeLocal(QStringLiteral("ttyFAKE"), "not a port").toLocalFile();
        expected = CVivuRuza(location).portErrorText();
    }
    QVERIFY(!expected.isEmpty());
    QVERIFY(m_driver->start());
    const CalcPort port(QStringLiteral("ttyACM7"), location);
    m_driver->ports().append(port);
    m_driver->session().update();

    QTRY_COMPARE(noticesShown(), QStringList { expected });
    QCOMPARE(m_driver->read("fileListView", "count").toInt(), 0);
    QVERIFY(!m_driver->isOpen("errorMessageDialog"));
    QCOMPARE(m_driver->session().property("error").toString(), QString());

    auto *column = qobject_cast<QQuickItem *>(m_driver->byName("doctorNotices"));
    QQuickItem *button = nullptr;
    for (QQuickItem *child : column->childItems().value(0)->childItems()) {
        if (child->metaObject()->indexOfSignal("clicked()") >= 0)
            button = child;
    }
    QVERIFY(button);
    QMetaObject::invokeMethod(button, "clicked");
    QCOMPARE(noticesShown(), QStringList());
    m_driver->session().update();
    m_driver->session().update();
    QCOMPARE(m_driver->session().readingCount(), 0);
    QCOMPARE(noticesShown(), QStringList());

    m_driver->ports().clear();
    m_driver->session().update();
    m_driver->ports().append(port);
    m_driver->session().update();
    QTRY_COMPARE(noticesShown(), QStringList { expected });
}

// A calculator whose listing holds an entry that does not parse is listed
// with its other files, and a notice, not an error, says one is missing.
void TestWindowFeedback::unreadFilesNoticed()
{
    m_calc->setBrokenUtf8FileName(QStringLiteral("QUAD.py"));
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size() - 1));
    QCOMPARE(m_driver->read("fileListView", "count").toInt(), 1);
    QTRY_COMPARE(noticesShown(),
        QStringList { QStringLiteral("1 file on Vori X1 could not be read and is not shown.") });
    QVERIFY(!m_driver->isOpen("errorMessageDialog"));
}

void TestWindowFeedback::noticesKeepTheirPlace_data()
{
    // How many notices, and how long each text is.
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("shown");
    QTest::newRow("one of 5 KB") << 1 << 5000 << 1;
    QTest::newRow("two of 5 KB") << 2 << 5000 << 2;
    QTest::newRow("twelve short ones, grouped") << 12 << 40 << 1;
    QTest::newRow("twelve of 5 KB, grouped") << 12 << 5000 << 1;
}

// However long or many the notices, the calculators stay in sight above them
// and each notice's dismiss button on screen; a long text scrolls within its
// notice, and many notices make one, dismissed at once.
void TestWindowFeedback::noticesKeepTheirPlace()
{
    QFETCH(int, count);
    QFETCH(int, length);
    QFETCH(int, shown);
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    ConnectionDoctor *doctor = m_driver->session().doctor();
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        const QString port = QStringLiteral("/dev/ttyACM%1").arg(i + 2);
        QString text = port + QStringLiteral(" says: ");
        while (text.size() < length)
            text += QStringLiteral("the device has more to say. ");
        texts.append(text);
        doctor->report(port, text);
    }

    QTRY_COMPARE(noticesShown().size(), shown);
    if (shown == count) {
        QCOMPARE(noticesShown(), texts);
    } else {
        const QString group = noticesShown().first();
        QVERIFY2(group.startsWith(QStringLiteral("%1 devices need attention:\n").arg(count)),
            qPrintable(group));
        for (const QString &text : qAsConst(texts))
            QVERIFY(group.contains(text));
    }
    auto *pane = qobject_cast<QQuickItem *>(m_driver->byId("listRectangle"));
    auto *list = qobject_cast<QQuickItem *>(m_driver->byId("fileListView"));
    auto *column = qobject_cast<QQuickItem *>(m_driver->byName("doctorNotices"));
    QTRY_VERIFY(column->height() > 0);
    // The list keeps at least half the pane, and both calculators show in it.
    QVERIFY2(list->height() >= pane->height() / 2,
        qPrintable(QStringLiteral("list %1 of %2").arg(list->height()).arg(pane->height())));
    QCOMPARE(list->property("count").toInt(), 2);
    const qreal noticesTop = column->mapToItem(pane, QPointF(0, 0)).y();
    for (int row = 0; row < 2; ++row) {
        QQuickItem *item = nullptr;
        QVERIFY(QMetaObject::invokeMethod(
            list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, row)));
        QVERIFY(item);
        QVERIFY(item->mapToItem(pane, QPointF(0, item->height())).y() <= noticesTop);
    }

    QList<QQuickItem *> notices;
    for (QQuickItem *child : column->childItems()) {
        if (child->objectName() == QLatin1String("doctorNotice"))
            notices.append(child);
    }
    QCOMPARE(notices.size(), shown);
    for (QQuickItem *notice : qAsConst(notices)) {
        QQuickItem *scroll = findItem(notice, "noticeScroll");
        QVERIFY(scroll);
        QQuickItem *dismiss = nullptr;
        for (QQuickItem *child : notice->childItems()) {
            if (child->metaObject()->indexOfSignal("clicked()") >= 0)
                dismiss = child;
        }
        QVERIFY(dismiss);
        QVERIFY(dismiss->mapToItem(pane, QPointF(0, 0)).y() >= noticesTop);
        // What does not fit scrolls, by its bar.
        QVERIFY(scroll->property("contentHeight").toReal() > scroll->height());
        QCOMPARE(scroll->property("contentY").toReal(), 0.0);
        QQuickItem *bar = nullptr;
        for (QQuickItem *child : notice->childItems()) {
            if (child->metaObject()->indexOfMethod("increase()") >= 0)
                bar = child;
        }
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QMetaObject::invokeMethod(bar, "increase");
        QTRY_VERIFY(scroll->property("contentY").toReal() > 0);
        // And by the keys, once Tab has reached it.
        QVERIFY(scroll->activeFocusOnTab());
        scroll->setProperty("contentY", 0);
        scroll->forceActiveFocus(Qt::TabFocusReason);
        QVERIFY(m_driver->activateWindow());
        QTest::keyClick(m_driver->window(), Qt::Key_Down);
        QTRY_VERIFY(scroll->property("contentY").toReal() > 0);
    }

    // One click dismisses what one notice shows.
    QQuickItem *dismiss = nullptr;
    for (QQuickItem *child : notices.first()->childItems()) {
        if (child->metaObject()->indexOfSignal("clicked()") >= 0)
            dismiss = child;
    }
    QMetaObject::invokeMethod(dismiss, "clicked");
    QCOMPARE(doctor->notices().size(), count - (shown == count ? 1 : count));
}

// Without a calculator the pane says how to connect one, and which port is
// being read meanwhile.
void TestWindowFeedback::emptyState()
{
    FrameCodec::setWaitLimits(1000, 1000);
    QVERIFY(m_driver->start());
    QObject *hint = m_driver->byName("emptyHint");
    QVERIFY(hint->property("visible").toBool());
    QVERIFY2(hint->property("text").toString().startsWith(
                 QLatin1String("Connect a calculator with its USB cable.")),
        qPrintable(hint->property("text").toString()));
#ifdef Q_OS_LINUX
    QVERIFY(hint->property("text").toString().contains(QLatin1String("/dev/ttyACM0")));
    // The page an installed system has, not a file of the source tree.
    QVERIFY(hint->property("text").toString().contains(
        QLatin1String("/usr/share/doc/vuve-vudurod/troubleshooting.md")));
#endif

    m_calc->setSilent(true);
    m_driver->ports().append(CalcPort(m_calc->portPath(), m_calc->portPath()));
    m_driver->session().update();
    QTRY_COMPARE(hint->property("text").toString(),
        QStringLiteral("Reading the calculator on %1\u2026").arg(m_calc->portPath()));
    QTRY_VERIFY(hint->property("text").toString().startsWith(QLatin1String("Connect")));
    QVERIFY(hint->property("visible").toBool());

    QVERIFY(m_driver->attach({ m_lab->portPath() }, m_lab->files().size()));
    QTRY_VERIFY(!hint->property("visible").toBool());
}

void TestWindowFeedback::progressAndOutcome_data()
{
    QTest::addColumn<bool>("send");
    QTest::newRow("send") << true;
    QTest::newRow("download") << false;
}

// File by file, bytes never going back within a file, and an outcome that
// stays after the job until the next one.
void TestWindowFeedback::progressAndOutcome()
{
    QFETCH(bool, send);
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    TransferProgress *transfer = m_driver->session().transfer();
    struct Seen
    {
        bool running;
        int number;
        double done;
        QString line;
    };
    QList<Seen> seen;
    QObject context;
    connect(transfer, &TransferProgress::change, &context, [&] {
        seen.append(
            { transfer->running(), transfer->fileNumber(), transfer->bytesDone(), transferLine() });
    });
    // Slow enough that bytes show within a file.
    m_calc->setReplyDelay(20);

    if (send) {
        m_driver->drop({ writeLocal(QStringLiteral("BIG.py"), QByteArray(4000, 'b')),
            writeLocal(QStringLiteral("SMALL.py"), QByteArray(10, 's')) });
    } else {
        m_driver->selectRows({ 0, 1 });
        m_driver->activate("downloadButton");
        m_driver->choose("choseFolderDialog", { QUrl::fromLocalFile(m_local->path()) });
    }
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty() && !seen.last().running, 20000);
    QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());

    const QString outcome = send
        ? QStringLiteral("Sent 2 files to Vori X1")
        : QStringLiteral("Copied 2 files to %1").arg(QDir::toNativeSeparators(m_local->path()));
    QCOMPARE(transferLine(), outcome);
    QCOMPARE(seen.last().line, outcome);
    int number = 0;
    double done = 0;
    bool bytesShown = false;
    for (int i = 1; i + 1 < seen.size(); ++i) {
        const Seen &s = seen.at(i);
        QVERIFY(s.running);
        QVERIFY(s.number == number || s.number == number + 1);
        if (s.number != number)
            done = 0;
        QVERIFY(s.done >= done);
        bytesShown = bytesShown || (s.done > 0 && s.line.contains(QLatin1String(" of ")));
        QVERIFY2(s.line.startsWith(send ? QLatin1String("Sending") : QLatin1String("Copying")),
            qPrintable(s.line));
        number = s.number;
        done = s.done;
    }
    QCOMPARE(number, 2);
    QVERIFY(bytesShown);

    // The outcome goes with the next action.
    m_driver->activate("changeNameMenuItem");
    m_driver->write(m_driver->byId("newNameField"), "text", QStringLiteral("Renamed"));
    m_driver->answer("changeNameDialog", true);
    QCOMPARE(transferLine(), QString());
    QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());
}

// A click on the list's second row, as a user picks a calculator.
bool TestWindowFeedback::clickSecondCalculator()
{
    auto *list = qobject_cast<QQuickItem *>(m_driver->byId("fileListView"));
    QQuickItem *row = nullptr;
    if (!QTest::qWaitFor([&] {
            return QMetaObject::invokeMethod(list, "itemAt", Q_RETURN_ARG(QQuickItem *, row),
                       Q_ARG(qreal, 5), Q_ARG(qreal, 60))
                && row;
        }))
        return false;
    const QPointF centre = row->mapToScene(QPointF(row->width() / 2, row->height() / 2));
    QTest::mouseClick(m_driver->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

// Row numbers of one calculator's files name other files on another.
void TestWindowFeedback::selectionClearedForAnotherCalculator()
{
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    m_driver->selectRows({ 0, 2 });
    QCOMPARE(m_driver->selectedCount(), 2);

    QVERIFY(clickSecondCalculator());
    QTRY_COMPARE(m_driver->shell().calcModel().currentIndex(), 1);
    QCOMPARE(m_driver->selectedCount(), 0);
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), 1);

    // And back: the lab's row 0 is not the first calculator's row 0.
    m_driver->selectRows({ 0 });
    QCOMPARE(m_driver->selectedCount(), 1);
    m_driver->write(m_driver->byId("calcModel"), "currentIndex", 0);
    QCOMPARE(m_driver->selectedCount(), 0);
}

void TestWindowFeedback::unplugKeepsCurrentShown_data()
{
    QTest::addColumn<int>("unplugged");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("selected");
    // The middle one of three is current, with both its files selected.
    QTest::newRow("above the current") << 0 << "Vori X1 Desk" << 2 << 2;
    QTest::newRow("the current") << 1 << "Vori X1" << calculatorFiles.size() << 0;
    QTest::newRow("below the current") << 2 << "Vori X1 Desk" << 2 << 2;
}

// The highlighted row, the table and the selection stay with the calculator
// that stays current; when that one goes, the one before it is shown.
void TestWindowFeedback::unplugKeepsCurrentShown()
{
    QFETCH(int, unplugged);
    QFETCH(QString, current);
    QFETCH(int, files);
    QFETCH(int, selected);
    CalcSimulator desk;
    desk.setName(QStringLiteral("Vori X1 Desk"));
    desk.setFiles({ { QStringLiteral("DESK.py"), QByteArray("d = 1\n") },
        { QStringLiteral("PLAN.txt"), QByteArray("plan\n") } });
    QVERIFY(desk.start());
    QVERIFY(m_driver->start());
    const QStringList paths = { m_calc->portPath(), desk.portPath(), m_lab->portPath() };
    QVERIFY(m_driver->attach(paths, calculatorFiles.size()));

    QVERIFY(clickSecondCalculator());
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), 2);
    m_driver->selectRows({ 0, 1 });

    for (int i = 0; i < m_driver->ports().size(); ++i) {
        if (m_driver->ports().at(i).portName() == paths.at(unplugged))
            m_driver->ports().removeAt(i);
    }
    m_driver->session().update();
    QTRY_COMPARE(m_driver->read("fileListView", "count").toInt(), 2);

    const int index = m_driver->shell().calcModel().currentIndex();
    QCOMPARE(m_driver->shell().calcModel().getName(), current);
    QCOMPARE(m_driver->read("fileListView", "currentIndex").toInt(), index);
    auto *highlighted = m_driver->read("fileListView", "currentItem").value<QQuickItem *>();
    QVERIFY(highlighted);
    QCOMPARE(highlighted->childItems().value(0)->property("text").toString(), current);
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), files);
    QCOMPARE(m_driver->selectedCount(), selected);
}

void TestWindowFeedback::refusedWhileBusy_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("drop") << "drop";
    QTest::newRow("paste") << "paste";
    QTest::newRow("copy") << "copy";
}

// The job's calculator could not take another: no question is asked, the
// status line says why, and the clipboard keeps what the user had.
void TestWindowFeedback::refusedWhileBusy()
{
    QFETCH(QString, entry);
    FrameCodec::setWaitLimits(3000, 3000);
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    const QUrl file = writeLocal(QStringLiteral("NEW.py"), "new = 1\n");
    auto *held = new QMimeData;
    if (entry == QLatin1String("paste"))
        held->setUrls({ file });
    else
        held->setText(QStringLiteral("the user's text"));
    QGuiApplication::clipboard()->setMimeData(held);
    m_driver->selectRows({ 0 });

    m_calc->setSilent(true);
    m_driver->activate("changeNameMenuItem");
    m_driver->write(m_driver->byId("newNameField"), "text", QStringLiteral("Quiet"));
    m_driver->answer("changeNameDialog", true);
    QTRY_VERIFY(m_driver->session().property("isBusy").toBool());

    if (entry == QLatin1String("drop")) {
        m_driver->drop({ file });
    } else {
        QVERIFY(m_driver->activateWindow());
        QTest::keySequence(m_driver->window(),
            entry == QLatin1String("paste") ? QKeySequence::Paste : QKeySequence::Copy);
    }

    QCOMPARE(m_driver->statusLine(), busyRefusal);
    QCOMPARE(m_driver->openQuestion(), QString());
    const QMimeData *now = QGuiApplication::clipboard()->mimeData();
    if (entry == QLatin1String("paste"))
        QCOMPARE(now->urls(), QList<QUrl> { file });
    else
        QCOMPARE(now->text(), QStringLiteral("the user's text"));
    // Answering again, the calculator lets the job end after the one request
    // it swallowed, and shows whether the refused one was kept for later.
    m_calc->setSilent(false);
    QTRY_VERIFY_WITH_TIMEOUT(!m_driver->session().property("isBusy").toBool(), 20000);
    QCOMPARE(m_calc->receivedTypes().count(calcMsg::SEND_FILE), 0);
    QCOMPARE(m_calc->receivedTypes().count(calcMsg::GET_FILE), 0);
    QCOMPARE(m_driver->session().transfer()->outcome(), QString());
}

// Verifying, on a calculator that stores every file a byte wrong: one error
// names both files and says that their copies were deleted, the line under
// it what to do next, and the table no longer lists the bad copies.
void TestWindowFeedback::verifyFailureNamesEveryFile()
{
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath() }, calculatorFiles.size()));
    m_driver->session().setVerifySends(true);
    m_calc->setCorruptStore(true);
    m_driver->drop({ writeLocal(QStringLiteral("HOMEWORK.py"), QByteArray(2000, 'h')),
        writeLocal(QStringLiteral("RULES.txt"), QByteArray(700, 'r')) });
    QTRY_VERIFY_WITH_TIMEOUT(m_driver->isOpen("errorMessageDialog"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_driver->session().property("isBusy").toBool(), 20000);
    m_driver->session().setVerifySends(false);

    QCOMPARE(m_driver->read("errorMessageDialog", "text").toString(),
        QStringLiteral("These files arrived on Vori X1 different from the computer's files: "
                       "HOMEWORK.py, RULES.txt. The calculator's copies were deleted."));
    QCOMPARE(m_driver->read("errorMessageDialog", "informativeText").toString(),
        QStringLiteral("Vori X1: the files on this computer are unchanged; send again, and if a "
                       "file arrives different again, see the troubleshooting guide"));
    QCOMPARE(transferLine(), QStringLiteral("Sent 0 of 2 files to Vori X1"));
    QVERIFY(!m_calc->hasFile(QStringLiteral("HOMEWORK.py")));
    QVERIFY(!m_calc->hasFile(QStringLiteral("RULES.txt")));
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), calculatorFiles.size());
    QMetaObject::invokeMethod(m_driver->byId("errorMessageDialog"), "close");
}

// A home and settings of the test's own, before the application reads
// either: the verify setting it turns on is never the user's.
static void prepare()
{
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestWindowFeedback)
#include "tst_windowfeedback.moc"
