#include "CVivuRuzaSession.h"
#include "ClassJobModel.h"
#include "SessionRig.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using VivuRuza::calcMsg;

namespace {
// Every row served has ended and no job runs; the station may still be on.
bool waitServed(SessionRig &rig, int rows)
{
    ClassJobModel *job = rig.session.classJob();
    return QTest::qWaitFor(
        [&rig, job, rows] {
            if (job->rowCount() != rows || rig.session.runningJobs() != 0)
                return false;
            for (int row = 0; row < rows; ++row) {
                const ClassJobModel::State state = job->state(row);
                if (state == ClassJobModel::State::Waiting
                    || state == ClassJobModel::State::Working)
                    return false;
            }
            return true;
        },
        60000);
}

QString calculatorAt(ClassJobModel *job, int row)
{
    return job->data(job->index(row), ClassJobModel::CalculatorRole).toString();
}
} // namespace

// A desk in the window: each calculator plugged in after the start is served
// once per plug-in, shown as a row of the class job, until switched off.
class TestStation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void servesEachPlugIn();
    void failureShownAndNextServed_data();
    void failureShownAndNextServed();
    void switchedOff();
    void sameNameLeftOut();
    void backsUpEachIntoItsOwnFolder();
    void collectsAndNamesEach_data();
    void collectsAndNamesEach();
    void namesTooLongRefused();

private:
    QList<QUrl> files(const QStringList &names);

    QTemporaryDir m_home;
    QTemporaryDir m_local;
};

void TestStation::initTestCase()
{
    QVERIFY(m_home.isValid() && m_local.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_station"));
}

void TestStation::init()
{
    QSettings().clear();
    QSettings().sync();
}

QList<QUrl> TestStation::files(const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        const QString path = m_local.filePath(name);
        if (!writeLocalFile(path, name.toLatin1() + QByteArray(500, '+')))
            return {};
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

// A is attached before the start and left alone. B and C are served as they
// come; B, unplugged and plugged in again, is served again, and the name it
// held is replaced.
void TestStation::servesEachPlugIn()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.sim(QStringLiteral("B"))->setFiles({ { QStringLiteral("ONE.PY"), QByteArray("old") } });
    const QList<QUrl> urls = files({ QStringLiteral("ONE.PY"), QStringLiteral("TWO.PY") });
    QCOMPARE(urls.size(), 2);
    ClassJobModel *job = rig.session.classJob();
    QVERIFY(rig.session.startStationSend(urls));
    QVERIFY(job->active() && job->station() && job->stationOn() && job->running());
    QCOMPARE(job->rowCount(), 0);
    QVERIFY2(job->summary().startsWith(QStringLiteral("The station is on: ")),
        qPrintable(job->summary()));
    // One job over several at a time: no class send while the station is on.
    QVERIFY(!rig.session.planClassSend(urls, true));

    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QVERIFY(waitServed(rig, 1));
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    QVERIFY(waitServed(rig, 2));
    const QByteArray sent = QByteArray("ONE.PY") + QByteArray(500, '+');
    for (const QString &letter : { QStringLiteral("B"), QStringLiteral("C") }) {
        QCOMPARE(rig.sim(letter)->fileContent(QStringLiteral("ONE.PY")), sent);
        QVERIFY(rig.sim(letter)->hasFile(QStringLiteral("TWO.PY")));
    }
    QVERIFY(!rig.sim(QStringLiteral("A"))->hasFile(QStringLiteral("ONE.PY")));
    QVERIFY(!rig.sim(QStringLiteral("A"))->receivedTypes().contains(calcMsg::SEND_FILE));

    // Still attached, B is not served twice.
    rig.session.update();
    QVERIFY(rig.waitForReadings());
    QCOMPARE(job->rowCount(), 2);

    rig.sim(QStringLiteral("B"))->clearReceived();
    rig.sim(QStringLiteral("B"))->setFiles({ { QStringLiteral("ONE.PY"), QByteArray("again") } });
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("C") }));
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B") }));
    QVERIFY(waitServed(rig, 3));
    QCOMPARE(calculatorAt(job, 0), QStringLiteral("Calc B"));
    QCOMPARE(calculatorAt(job, 1), QStringLiteral("Calc C"));
    QCOMPARE(calculatorAt(job, 2), QStringLiteral("Calc B"));
    QCOMPARE(rig.sim(QStringLiteral("B"))->fileContent(QStringLiteral("ONE.PY")), sent);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(job->state(row), ClassJobModel::State::Done);
        QCOMPARE(job->outcome(row), QStringLiteral("2 files sent"));
    }
    QVERIFY2(job->summary().contains(QStringLiteral("3 calculators served")),
        qPrintable(job->summary()));
    QVERIFY(job->stationOn());
}

void TestStation::failureShownAndNextServed_data()
{
    QTest::addColumn<bool>("corrupt"); // B stores wrong, with verifying on; else B refuses
    QTest::addColumn<QString>("outcome");
    QTest::newRow("refused") << false << QStringLiteral("Memory is full");
    QTest::newRow("stored wrong, verified")
        << true << QStringLiteral("ONE.PY arrived on Calc B different from the computer's file.");
}

// B fails; its row says why and C, plugged in next, is served all the same.
void TestStation::failureShownAndNextServed()
{
    QFETCH(bool, corrupt);
    QFETCH(QString, outcome);
    SessionRig rig;
    QVERIFY(rig.plug({}));
    if (corrupt) {
        rig.session.setVerifySends(true);
        rig.sim(QStringLiteral("B"))->setCorruptStore(true);
    } else {
        rig.sim(QStringLiteral("B"))
            ->setRefusal(
                calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QStringLiteral("Memory is full"));
    }
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    ClassJobModel *job = rig.session.classJob();
    QVERIFY(rig.session.startStationSend(files({ QStringLiteral("ONE.PY") })));
    QVERIFY(rig.plug({ QStringLiteral("B") }));
    QVERIFY(waitServed(rig, 1));
    QCOMPARE(job->state(0), ClassJobModel::State::Failed);
    QVERIFY2(job->outcome(0).contains(outcome), qPrintable(job->outcome(0)));
    QVERIFY2(
        job->summary().contains(QStringLiteral("1 failed: Calc B: ")), qPrintable(job->summary()));
    QVERIFY(job->stationOn());

    QVERIFY(rig.plug({ QStringLiteral("B"), QStringLiteral("C") }));
    QVERIFY(waitServed(rig, 2));
    QCOMPARE(calculatorAt(job, 1), QStringLiteral("Calc C"));
    QCOMPARE(job->state(1), ClassJobModel::State::Done);
    QVERIFY(rig.sim(QStringLiteral("C"))->hasFile(QStringLiteral("ONE.PY")));
    // Told in the rows, never in a dialog per calculator.
    QCOMPARE(errors.count(), 0);
}

// Off, the station serves no one more, the panel may close, and a class send
// may start again.
void TestStation::switchedOff()
{
    SessionRig rig;
    QVERIFY(rig.plug({}));
    ClassJobModel *job = rig.session.classJob();
    const QList<QUrl> urls = files({ QStringLiteral("ONE.PY") });
    QVERIFY(rig.session.startStationSend(urls));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QVERIFY(waitServed(rig, 1));
    QSignalSpy summaries(job, &ClassJobModel::summaryChange);
    rig.session.stopStation();
    QVERIFY(!job->stationOn());
    QVERIFY(!job->running());
    QVERIFY(summaries.count() > 0);
    QVERIFY2(job->summary().startsWith(QStringLiteral("The station is off. 1 calculator served")),
        qPrintable(job->summary()));

    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QCOMPARE(rig.session.runningJobs(), 0);
    QCOMPARE(job->rowCount(), 1);
    QVERIFY(!rig.sim(QStringLiteral("B"))->hasFile(QStringLiteral("ONE.PY")));
    job->close();
    QVERIFY(!job->active());
    QVERIFY(rig.session.planClassSend(urls, true));
}

// Two files the rule gives one name would replace each other on every
// calculator: neither is sent, and the station says so for as long as it is
// on. With nothing else to send it does not start, and says why.
void TestStation::sameNameLeftOut()
{
    SessionRig rig;
    QVERIFY(rig.plug({}));
    ClassJobModel *job = rig.session.classJob();
    const QList<QUrl> pair = files({ QStringLiteral("prog.py"), QStringLiteral("PROG.py") });
    QCOMPARE(pair.size(), 2);
    const QString told
        = QStringLiteral("prog.py and PROG.py would both be PROG.py on the calculator.");
    QVERIFY(!rig.session.startStationSend(pair));
    QCOMPARE(rig.session.classSameNames(), QStringList { told });
    QVERIFY(!job->active());

    const QList<QUrl> urls = pair + files({ QStringLiteral("DATA.CSV") });
    QCOMPARE(urls.size(), 3);
    QVERIFY(rig.session.startStationSend(urls));
    QCOMPARE(rig.session.classSameNames(), QStringList { told });
    QCOMPARE(job->summary(),
        QStringLiteral("The station is on: each calculator plugged in is sent 1 file, DATA.CSV, "
                       "which replaces one of its name. These files are left out: ")
            + told + QStringLiteral(" Plug in a calculator."));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QVERIFY(waitServed(rig, 1));
    QCOMPARE(job->state(0), ClassJobModel::State::Done);
    QVERIFY(rig.sim(QStringLiteral("A"))->hasFile(QStringLiteral("DATA.CSV")));
    QVERIFY(!rig.sim(QStringLiteral("A"))->hasFile(QStringLiteral("PROG.py")));
    QVERIFY2(job->summary().contains(told), qPrintable(job->summary()));
    rig.session.stopStation();
}

// Each calculator gets a backup folder of its own in the station's folder,
// as a backup in the window makes it.
void TestStation::backsUpEachIntoItsOwnFolder()
{
    SessionRig rig;
    QVERIFY(rig.plug({}));
    QTemporaryDir backups;
    QVERIFY(backups.isValid());
    ClassJobModel *job = rig.session.classJob();
    QVERIFY(rig.session.startStationBackup(QUrl::fromLocalFile(backups.path())));
    QVERIFY2(job->summary().contains(QDir::toNativeSeparators(backups.path())),
        qPrintable(job->summary()));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QVERIFY(waitServed(rig, 2));
    const QStringList folders = QDir(backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(folders.size(), 2);
    // One folder for each, holding that calculator's file.
    QStringList letters;
    for (const QString &name : folders) {
        for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B") }) {
            QFile copy(backups.filePath(name) + QLatin1Char('/') + letter + QStringLiteral(".PY"));
            if (copy.open(QIODevice::ReadOnly) && copy.readAll() == letter.toLatin1())
                letters.append(letter);
        }
    }
    letters.sort();
    QCOMPARE(letters, (QStringList { QStringLiteral("A"), QStringLiteral("B") }));
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(job->state(row), ClassJobModel::State::Done);
        QCOMPARE(job->outcome(row), QStringLiteral("1 file backed up"));
    }
    // What the rows read while a calculator is backed up.
    QCOMPARE(
        job->data(job->index(0), ClassJobModel::ActionRole).toString(), QStringLiteral("back up"));
    rig.session.stopStation();
    QVERIFY(!job->running());
}

// Named as they come, Desk 09 then Desk 10, before anything else: the
// folder of each collect carries the new name, the calculator list shows it,
// and with the tick the files collected are deleted on the calculator.
void TestStation::collectsAndNamesEach_data()
{
    QTest::addColumn<bool>("clear");
    QTest::newRow("collect") << false;
    QTest::newRow("collect and clear") << true;
}

void TestStation::collectsAndNamesEach()
{
    QFETCH(bool, clear);
    SessionRig rig;
    QVERIFY(rig.plug({}));
    QTemporaryDir collected;
    QVERIFY(collected.isValid());
    ClassJobModel *job = rig.session.classJob();
    QVERIFY(rig.session.setStationNaming(QStringLiteral("Desk ##"), 9));
    QVERIFY(rig.session.startStationCollect(QUrl::fromLocalFile(collected.path()), clear));
    QCOMPARE(job->folder(), collected.path());
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QVERIFY(waitServed(rig, 1));
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QVERIFY(waitServed(rig, 2));
    QStringList folders = QDir(collected.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(folders, (QStringList { QStringLiteral("Desk 09"), QStringLiteral("Desk 10") }));
    QCOMPARE(
        rig.rowNames(), (QStringList { QStringLiteral("Desk 09"), QStringLiteral("Desk 10") }));
    const QString letters[] = { QStringLiteral("A"), QStringLiteral("B") };
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(calculatorAt(job, row), rig.rowNames().at(row));
        QCOMPARE(job->state(row), ClassJobModel::State::Done);
        QCOMPARE(job->outcome(row),
            clear ? QStringLiteral("collected and cleared 1 file")
                  : QStringLiteral("collected 1 file"));
        QCOMPARE(rig.sim(letters[row])->files().isEmpty(), clear);
        QFile copy(collected.filePath(folders.at(row)) + QLatin1Char('/') + letters[row]
            + QStringLiteral(".PY"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), letters[row].toLatin1());
    }
    QVERIFY(QFileInfo::exists(collected.filePath(QStringLiteral("receipt.csv"))));
    rig.session.stopStation();
}

// A name over what a calculator holds is refused before the station starts.
void TestStation::namesTooLongRefused()
{
    SessionRig rig;
    QVERIFY(!rig.session.setStationNaming(QString(62, QLatin1Char('x')) + QStringLiteral("##"), 1));
    QVERIFY(!rig.session.setStationNaming(QStringLiteral("Desk #"), -1));
    QVERIFY(rig.session.setStationNaming(QString(61, QLatin1Char('x')) + QStringLiteral("###"), 1));
    QCOMPARE(rig.session.stationName(QStringLiteral("Desk ##"), 7), QStringLiteral("Desk 07"));
    QCOMPARE(rig.session.stationName(QStringLiteral("Desk ##"), 123), QStringLiteral("Desk 123"));
    QCOMPARE(rig.session.stationName(QStringLiteral("Desk"), 3), QStringLiteral("Desk"));
}

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
