#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

// The window's side of several calculators at once and of Cancel: reached
// from the menu and the keyboard, one question for the class, the panel.
class TestClassWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sendToAllFromTheMenu();
    void noticeTellsNames();
    void escCancelsWhileAnotherIsUsed();
    void cancelTheClassJob_data();
    void cancelTheClassJob();
    void verifyFromTheMenu();
    void stationFromTheMenu();

private:
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestClassWindow::init()
{
    QSettings().clear();
    QVERIFY(startTwoCalculators(
        m_calc, m_lab, { { QStringLiteral("MAIN.py"), QByteArray("print(1)\n") } }));
    m_driver = std::make_unique<WindowDriver>();
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, 1));
}

void TestClassWindow::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
}

// Space ticks the current calculator; the menu's entry sends to every one,
// with one question for the name that only the first holds.
void TestClassWindow::sendToAllFromTheMenu()
{
    QObject *list = m_driver->byId("fileListView");
    QMetaObject::invokeMethod(list, "forceActiveFocus");
    QTest::keyClick(m_driver->window(), Qt::Key_Space);
    QTRY_VERIFY(m_driver->session().isChosen(0));
    QCOMPARE(m_driver->session().chosenCount(), 1);
    // A click on the second row's box, then Space again: each box follows.
    QList<QQuickItem *> boxes;
    std::function<void(QQuickItem *)> walk = [&](QQuickItem *item) {
        if (item->objectName() == QLatin1String("chooseBox"))
            boxes.append(item);
        for (QQuickItem *child : item->childItems())
            walk(child);
    };
    walk(m_driver->window()->contentItem());
    QCOMPARE(boxes.size(), 2);
    QQuickItem *first = boxes.at(0);
    QQuickItem *second = boxes.at(1);
    if (first->mapToScene(QPointF()).y() > second->mapToScene(QPointF()).y())
        std::swap(first, second);
    QVERIFY(first->property("checked").toBool());
    m_driver->click(first);
    QTRY_VERIFY(!m_driver->session().isChosen(0));
    QVERIFY(!first->property("checked").toBool());
    QMetaObject::invokeMethod(list, "forceActiveFocus");
    QTest::keyClick(m_driver->window(), Qt::Key_Space);
    QTRY_VERIFY(m_driver->session().isChosen(0));
    QTRY_VERIFY(first->property("checked").toBool());
    QVERIFY(!second->property("checked").toBool());

    QTemporaryDir local;
    QVERIFY(local.isValid());
    QList<QUrl> urls;
    for (const QString &name : { QStringLiteral("MAIN.py"), QStringLiteral("NEW.py") }) {
        QFile file(local.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("print(2)\n");
        urls.append(QUrl::fromLocalFile(file.fileName()));
    }
    m_driver->activate("sendToAllMenuItem");
    QTRY_VERIFY(m_driver->isOpen("classFileDialog"));
    m_driver->choose("classFileDialog", urls);
    QTRY_VERIFY(m_driver->isOpen("classReplaceQuestion"));
    QQuickItem *replaceAll
        = m_driver->dialogButton("classReplaceQuestion", QStringLiteral("Replace all"));
    QVERIFY(replaceAll);
    m_driver->click(replaceAll);

    QObject *panel = m_driver->byName("classPanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->property("visible").toBool());
    ClassJobModel *job = m_driver->session().classJob();
    QTRY_VERIFY_WITH_TIMEOUT(!job->running(), 30000);
    QCOMPARE(m_driver->read(m_driver->byName("classSummary"), "text").toString(),
        QStringLiteral("Sent 2 files to 2 of 2 calculators"));
    QCOMPARE(m_calc->fileContent(QStringLiteral("MAIN.py")), QByteArray("print(2)\n"));
    QVERIFY(m_lab->hasFile(QStringLiteral("NEW.py")));
    m_driver->activate("classClose");
    QTRY_VERIFY(!panel->property("visible").toBool());
}

// The notice tells once, for the class, the pair of files that would share
// a name (neither goes), the name too long and the name only put in upper
// case, each in words of its own.
void TestClassWindow::noticeTellsNames()
{
    QTemporaryDir local;
    QVERIFY(local.isValid());
    QList<QUrl> urls;
    for (const QString &name : { QStringLiteral("prog.py"), QStringLiteral("PROG.py"),
             QStringLiteral("longername.py"), QStringLiteral("data.csv") }) {
        QFile file(local.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
        urls.append(QUrl::fromLocalFile(file.fileName()));
    }
    m_driver->activate("sendToAllMenuItem");
    QTRY_VERIFY(m_driver->isOpen("classFileDialog"));
    QCOMPARE(m_driver->read("classFileDialog", "selectedNameFilter").toString(),
        QStringLiteral("Vori calc files (*.py *.bin)"));
    m_driver->choose("classFileDialog", urls);
    QTRY_VERIFY(m_driver->isOpen("classNotice"));
    QCOMPARE(m_driver->read("classNoticeText", "text").toString(),
        QStringLiteral("These files are left out: prog.py and PROG.py would both be PROG.py on "
                       "the calculator.\n\n"
                       "These names are too long for a calculator and change: longername.py "
                       "\u2192 LONGERNA.py\n\n"
                       "Names on the calculator are upper case, so these change: data.csv "
                       "\u2192 DATA.csv"));
    m_driver->answer("classNotice", true);

    ClassJobModel *job = m_driver->session().classJob();
    QTRY_VERIFY(job->active());
    QTRY_VERIFY_WITH_TIMEOUT(!job->running(), 30000);
    QCOMPARE(job->failedCount(), 0);
    for (CalcSimulator *calc : { m_calc.get(), m_lab.get() }) {
        QCOMPARE(calc->fileContent(QStringLiteral("DATA.csv")), QByteArray("data.csv"));
        QCOMPARE(calc->fileContent(QStringLiteral("LONGERNA.py")), QByteArray("longername.py"));
        QVERIFY(!calc->hasFile(QStringLiteral("PROG.py")));
    }
    m_driver->activate("classClose");
}

// The first calculator works slowly; the second is picked and its toolbar
// is on. Back on the first, Esc cancels its send.
void TestClassWindow::escCancelsWhileAnotherIsUsed()
{
    QTemporaryDir local;
    QVERIFY(local.isValid());
    QFile big(local.filePath(QStringLiteral("WAVE.bin")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(256 * 1024, 'w'));
    big.close();
    m_calc->setByteRate(16 * 1024);
    m_driver->drop({ QUrl::fromLocalFile(big.fileName()) });
    TransferProgress *transfer = m_driver->session().transfer();
    QTRY_VERIFY_WITH_TIMEOUT(transfer->running() && transfer->bytesDone() > 0, 20000);
    QObject *header = m_driver->read(m_driver->window(), "header").value<QObject *>();
    QVERIFY(!header->property("enabled").toBool());
    QVERIFY(m_driver->read(m_driver->byName("cancelButton"), "visible").toBool());

    QMetaObject::invokeMethod(m_driver->byId("fileListView"), "pick", Q_ARG(QVariant, 1));
    QTRY_VERIFY(header->property("enabled").toBool());
    QVERIFY(!m_driver->session().property("isBusy").toBool());
    QTRY_COMPARE(m_driver->read("tableView", "rowCount").toInt(), 1);
    QMetaObject::invokeMethod(m_driver->byId("fileListView"), "pick", Q_ARG(QVariant, 0));
    QTRY_VERIFY(m_driver->session().property("isBusy").toBool());

    QVERIFY(m_driver->activateWindow());
    QTest::keyClick(m_driver->window(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!transfer->running(), 30000);
    QVERIFY2(transfer->outcome().startsWith(QStringLiteral("Cancelled: ")),
        qPrintable(transfer->outcome()));
    QVERIFY(!m_calc->hasFile(QStringLiteral("WAVE.bin")));
    m_calc->setByteRate(0);
}

void TestClassWindow::cancelTheClassJob_data()
{
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("Esc") << true;
    QTest::newRow("the panel's Cancel") << false;
}

// While the panel shows a class job running, Esc stops it on every
// calculator, as the panel's Cancel does; the progress line has no job.
void TestClassWindow::cancelTheClassJob()
{
    QFETCH(bool, byEsc);
    QTemporaryDir local;
    QVERIFY(local.isValid());
    QFile big(local.filePath(QStringLiteral("WAVE.bin")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(256 * 1024, 'w'));
    big.close();
    m_calc->setByteRate(16 * 1024);
    m_lab->setByteRate(16 * 1024);
    ClassJobModel *job = m_driver->session().classJob();
    QSignalSpy states(job, &ClassJobModel::stateChange);
    QVERIFY(m_driver->session().planClassSend({ QUrl::fromLocalFile(big.fileName()) }, true));
    m_driver->session().startClassSend(false);
    QObject *panel = m_driver->byName("classPanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->property("visible").toBool());
    QTRY_COMPARE_WITH_TIMEOUT(states.count(), 2, 20000);
    QVERIFY(!m_driver->session().transfer()->running());

    if (byEsc) {
        QVERIFY(m_driver->activateWindow());
        QTest::keyClick(m_driver->window(), Qt::Key_Escape);
    } else {
        auto *cancel = qobject_cast<QQuickItem *>(m_driver->byName("classCancelJob"));
        QVERIFY(cancel && cancel->isVisible());
        m_driver->click(cancel);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!job->running(), 30000);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(job->state(row), ClassJobModel::State::Cancelled);
    QVERIFY(!m_calc->hasFile(QStringLiteral("WAVE.bin")));
    QVERIFY(!m_lab->hasFile(QStringLiteral("WAVE.bin")));
    QVERIFY(panel->property("visible").toBool());
    m_calc->setByteRate(0);
    m_lab->setByteRate(0);
}

// The menu's check switches verifying on and is remembered; a file the
// calculator stores wrong is then an error like any other.
void TestClassWindow::verifyFromTheMenu()
{
    QObject *item = m_driver->byName("verifyMenuItem");
    QVERIFY(item);
    QVERIFY(!item->property("checked").toBool());
    m_driver->activate("menuButton");
    QTRY_VERIFY(m_driver->read("optionsMenu", "opened").toBool());
    m_driver->click(qobject_cast<QQuickItem *>(item));
    QTRY_VERIFY(m_driver->session().verifySends());
    QVERIFY(item->property("checked").toBool());
    QVERIFY(QSettings().value(QStringLiteral("transfer/verify")).toBool());

    QTemporaryDir local;
    QVERIFY(local.isValid());
    QFile file(local.filePath(QStringLiteral("WRONG.py")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("print(3)\n");
    file.close();
    m_calc->setCorruptStore(true);
    m_driver->drop({ QUrl::fromLocalFile(file.fileName()) });
    QTRY_COMPARE_WITH_TIMEOUT(m_driver->session().property("error").toString(),
        QStringLiteral("WRONG.py arrived on Vori X1 different from the computer's file. The "
                       "calculator's copy was deleted."),
        20000);
    QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());
    m_calc->setCorruptStore(false);
}

// Station… chooses the files; the panel shows the station, the calculator
// plugged in after the start is served, and Esc switches it off.
void TestClassWindow::stationFromTheMenu()
{
    m_driver->ports().removeLast();
    m_driver->session().update();
    QTRY_COMPARE(m_driver->read("fileListView", "count").toInt(), 1);

    QTemporaryDir local;
    QVERIFY(local.isValid());
    QFile file(local.filePath(QStringLiteral("DESK.py")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("print(4)\n");
    file.close();
    m_driver->activate("stationMenuItem");
    QTRY_VERIFY(m_driver->isOpen("stationDialog"));
    QQuickItem *start = m_driver->dialogButton("stationDialog", QStringLiteral("Start"));
    QVERIFY(start);
    QVERIFY(!start->isEnabled());
    m_driver->activate("stationChooseFiles");
    QTRY_VERIFY(m_driver->isOpen("stationFileDialog"));
    m_driver->choose("stationFileDialog", { QUrl::fromLocalFile(file.fileName()) });
    QTRY_VERIFY(m_driver->isOpen("stationDialog"));
    QCOMPARE(m_driver->read(m_driver->byName("stationFilesLine"), "text").toString(),
        QStringLiteral("DESK.py"));
    QTRY_VERIFY(start->isEnabled());
    QTRY_VERIFY(m_driver->read("stationDialog", "opened").toBool());
    m_driver->answer("stationDialog", true);

    QObject *panel = m_driver->byName("classPanel");
    ClassJobModel *job = m_driver->session().classJob();
    QTRY_VERIFY(panel->property("visible").toBool());
    QVERIFY(job->stationOn());
    QObject *summary = m_driver->byName("classSummary");
    QCOMPARE(m_driver->read(summary, "text").toString(),
        QStringLiteral("The station is on: each calculator plugged in is sent 1 file, DESK.py, "
                       "which replaces one of its name. Plug in a calculator."));
    QVERIFY(m_driver->read(m_driver->byName("stationOffButton"), "visible").toBool());
    QVERIFY(!m_driver->read(m_driver->byName("classClose"), "enabled").toBool());

    QVERIFY(m_driver->attach({ m_lab->portPath() }));
    QTRY_VERIFY_WITH_TIMEOUT(m_lab->hasFile(QStringLiteral("DESK.py")), 20000);
    QTRY_COMPARE(job->rowCount(), 1);
    QTRY_COMPARE(job->state(0), ClassJobModel::State::Done);
    QVERIFY(!m_calc->hasFile(QStringLiteral("DESK.py")));
    QTRY_VERIFY(
        m_driver->read(summary, "text").toString().contains(QStringLiteral("1 calculator served")));

    // The station holds the panel: another class job says why it can't begin.
    for (const char *item : { "sendToAllMenuItem", "backUpAllMenuItem", "stationMenuItem" }) {
        m_driver->session().setProperty("statusLineText", QString());
        m_driver->activate(item);
        QTRY_COMPARE(m_driver->session().property("statusLineText").toString(),
            QStringLiteral("The station is on; switch it off first"));
        QVERIFY(!m_driver->isOpen("classFileDialog"));
        QVERIFY(!m_driver->isOpen("backupQuestion"));
        QVERIFY(!m_driver->isOpen("stationDialog"));
    }
    QVERIFY(job->stationOn());

    QVERIFY(m_driver->activateWindow());
    QTest::keyClick(m_driver->window(), Qt::Key_Escape);
    QTRY_VERIFY(!job->stationOn());
    QVERIFY(m_driver->read(summary, "text")
                .toString()
                .startsWith(QStringLiteral("The station is off.")));
    QTRY_VERIFY(m_driver->read(m_driver->byName("classClose"), "enabled").toBool());
    m_driver->activate("classClose");
    QTRY_VERIFY(!panel->property("visible").toBool());
}

// A home and settings of the test's own, before the application reads
// either: the setting it remembers is never the user's.
static void prepare()
{
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
