// Before and after an exam, as a teacher reaches it: "Collect from all
// calculators…" asks once with the folder shown and the tick off, "Clear all
// calculators…" is the same question with the tick on; the class panel tells
// each calculator's outcome, its Retry takes the failed ones again, and a
// file that could not be checked stays on its calculator. The real document
// and session, on simulated calculators.
#include "AppShell.h"
#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
using FileList = QList<QPair<QString, QByteArray>>;

const FileList calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray("print('exam')\n") },
    { QStringLiteral("QUAD.py"), QByteArray("a, b, c = 1, -3, 2\n") },
    { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") },
};

QStringList namesOn(const CalcSimulator &sim)
{
    QStringList names;
    for (const auto &file : sim.files())
        names.append(file.first);
    names.sort();
    return names;
}
} // namespace

class TestCollectWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void collectFromTheMenu_data();
    void collectFromTheMenu();
    void refusedWithoutCalculator();

private:
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
    QTemporaryDir m_folder;
};

void TestCollectWindow::init()
{
    QSettings().clear();
    QVERIFY(m_folder.isValid());
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles));
    m_driver = std::make_unique<WindowDriver>();
}

void TestCollectWindow::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
    QDir(m_folder.path()).removeRecursively();
    QDir().mkpath(m_folder.path());
}

// The lab calculator's one file reads differently each time: its row fails
// and the file stays on it, while Vori X1 is collected (and cleared); once
// the contact is good again, Retry takes the lab alone.
void TestCollectWindow::collectFromTheMenu_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<QString>("title");
    QTest::newRow("collect") << QByteArray("collectMenuItem") << false
                             << QStringLiteral("Collect from all calculators");
    QTest::newRow("clear") << QByteArray("clearAllMenuItem") << true
                           << QStringLiteral("Clear all calculators");
}

void TestCollectWindow::collectFromTheMenu()
{
    QFETCH(QByteArray, entry);
    QFETCH(bool, clear);
    QFETCH(QString, title);
    QVERIFY(m_driver->start());
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size()));
    m_driver->session().setCollectFolder(QUrl::fromLocalFile(m_folder.path()));
    m_lab->setFileFault(QStringLiteral("LAB1.py"), CalcSimulator::FileFault::UnstableRead);

    m_driver->activate(entry.constData());
    QTRY_VERIFY(m_driver->read("collectDialog", "opened").toBool());
    QCOMPARE(m_driver->read("collectDialog", "title").toString(), title);
    QCOMPARE(
        m_driver->read(m_driver->byName("collectFolderLine"), "text").toString(), m_folder.path());
    QCOMPARE(m_driver->read(m_driver->byName("collectClearTick"), "checked").toBool(), clear);
    QCOMPARE(m_driver->read(m_driver->byName("collectClearText"), "visible").toBool(), clear);
    m_driver->click(m_driver->dialogButton(
        "collectDialog", clear ? QStringLiteral("Collect and Clear") : QStringLiteral("Collect")));

    QObject *panel = m_driver->byName("classPanel");
    QTRY_VERIFY(panel->property("visible").toBool());
    ClassJobModel *job = m_driver->session().classJob();
    QTRY_VERIFY_WITH_TIMEOUT(!job->running(), 30000);
    QCOMPARE(job->state(0), ClassJobModel::State::Done);
    QCOMPARE(job->outcome(0),
        clear ? QStringLiteral("collected and cleared 3 files")
              : QStringLiteral("collected 3 files"));
    QCOMPARE(job->state(1), ClassJobModel::State::Failed);
    QVERIFY2(job->outcome(1).contains(QStringLiteral("LAB1.py")), qPrintable(job->outcome(1)));
    const QString summary = m_driver->read(m_driver->byName("classSummary"), "text").toString();
    QVERIFY2(summary.startsWith(clear
                     ? QStringLiteral("Collected from and cleared 1 of 2 calculators; 1 failed: ")
                     : QStringLiteral("Collected from 1 of 2 calculators; 1 failed: ")),
        qPrintable(summary));
    const QStringList all { QStringLiteral("MAIN.py"), QStringLiteral("NOTES.txt"),
        QStringLiteral("QUAD.py") };
    QCOMPARE(namesOn(*m_calc), clear ? QStringList() : all);
    QCOMPARE(namesOn(*m_lab), QStringList { QStringLiteral("LAB1.py") });
    QVERIFY(m_driver->read(m_driver->byName("classOpenFolder"), "visible").toBool());
    QCOMPARE(m_driver->session().classFolderUrl(), QUrl::fromLocalFile(m_folder.path()));

    m_lab->setFileFault(QStringLiteral("LAB1.py"), CalcSimulator::FileFault::None);
    auto *retry = qobject_cast<QQuickItem *>(m_driver->byName("classRetry"));
    QTRY_VERIFY(retry && retry->isVisible());
    m_driver->click(retry);
    QTRY_VERIFY_WITH_TIMEOUT(job->state(1) == ClassJobModel::State::Done, 30000);
    QCOMPARE(namesOn(*m_lab), clear ? QStringList() : QStringList { QStringLiteral("LAB1.py") });
    // The retry made a folder of its own beside the first try's.
    QStringList folders = QDir(m_folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    QCOMPARE(folders,
        (QStringList { QStringLiteral("Vori X1"), QStringLiteral("Vori X1 Lab"),
            QStringLiteral("Vori X1 Lab-2") }));
    QFile receipt(m_folder.filePath(QStringLiteral("receipt.csv")));
    QVERIFY(receipt.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(receipt.readAll()).split(QLatin1Char('\n'));
    // The header, three files, the failed reading, the retried one, and the
    // empty end.
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.at(0), QStringLiteral("calculator,serial,file,size,sha256,outcome,reason"));
    const QString outcome = clear ? QStringLiteral(",cleared,") : QStringLiteral(",collected,");
    // The two calculators write side by side; the retry comes last.
    const QStringList first = lines.mid(1, 4);
    QCOMPARE(first.filter(QStringLiteral(",failed,")).size(), 1);
    QVERIFY(first.filter(QStringLiteral(",failed,"))
                .first()
                .startsWith(QStringLiteral("Vori X1 Lab,,LAB1.py,6,,failed,")));
    QCOMPARE(first.filter(outcome).size(), 3);
    QVERIFY(lines.at(5).startsWith(QStringLiteral("Vori X1 Lab,,LAB1.py,6,")));
    QVERIFY(lines.at(5).contains(outcome));
    m_driver->activate("classClose");
    QTRY_VERIFY(!panel->property("visible").toBool());
}

void TestCollectWindow::refusedWithoutCalculator()
{
    QVERIFY(m_driver->start());
    m_driver->activate("collectMenuItem");
    QCOMPARE(m_driver->statusLine(), QStringLiteral("No calculator is connected"));
    QVERIFY(!m_driver->isOpen("collectDialog"));
}

// A home and settings of the test's own, before the application reads
// either: nothing collected lands among the user's documents.
static void prepare()
{
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestCollectWindow)
#include "tst_collectwindow.moc"
