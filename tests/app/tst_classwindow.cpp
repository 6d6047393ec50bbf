#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickWindow>
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
    void escCancelsWhileAnotherIsUsed();
    void cancelTheClassJob_data();
    void cancelTheClassJob();

private:
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestClassWindow::init()
{
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

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
