// vuvectl's station serving calculators as they are plugged in, and --verify
// catching the calculator that stores a byte wrong, against simulators on
// real pseudo-terminals; the ports the station sees come from the test seam,
// rewritten as calculators come and go.

#include "CalcSimulator.h"
#include "ProcessRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <random>

namespace {

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 gen(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(gen() & 0xFF);
    return bytes;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QJsonObject json(const QString &line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not JSON (%s): %s", qPrintable(error.errorString()), qPrintable(line));
    return doc.object();
}

// What one station (or a served calculator) printed, taken line by line.
struct Served
{
    QString device;
    QString port;
    QString serial; // empty when the port has none
    QString action;
    QString outcome;
    QString rest; // the summary or the errors, or the whole JSON object
    QJsonObject object;
};

QList<Served> parseServed(const QString &out, bool asJson)
{
    QList<Served> all;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        Served s;
        if (asJson) {
            s.object = json(line);
            s.device = s.object.value(QStringLiteral("device")).toString();
            s.port = s.object.value(QStringLiteral("port")).toString();
            s.serial = s.object.value(QStringLiteral("serial")).toString();
            s.action = s.object.value(QStringLiteral("action")).toString();
            s.outcome = s.object.value(QStringLiteral("outcome")).toString();
            s.rest = line;
        } else {
            const QStringList f = line.split(QLatin1Char('\t'));
            s.device = f.value(0);
            s.port = f.value(1);
            s.serial = f.value(2) == QLatin1String("-") ? QString() : f.value(2);
            s.action = f.value(3);
            s.outcome = f.value(4);
            s.rest = f.mid(5).join(QLatin1Char('\t'));
        }
        all.append(s);
    }
    return all;
}

// A station running in the background, read as it prints.
class StationProcess
{
public:
    void start(const QStringList &args, const QProcessEnvironment &env)
    {
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(VUVECTL_PATH), args);
    }
    // Waits (generously: a starved machine is slow, not wrong) until what
    // was printed satisfies the condition.
    bool waitFor(const std::function<bool()> &condition)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > 90000 || m_process.state() == QProcess::NotRunning)
                return condition();
            m_process.waitForReadyRead(200);
            take();
        }
        return true;
    }
    bool waitForErr(const QString &text, int count = 1)
    {
        return waitFor([&] { return m_err.count(text) >= count; });
    }
    bool waitForLines(int count)
    {
        return waitFor([&] { return m_out.count(QLatin1Char('\n')) >= count; });
    }
    // Ends it as a person does, by a signal; false if it did not end.
    bool stop(int signal)
    {
        ::kill(pid_t(m_process.processId()), signal);
        const bool ended = m_process.waitForFinished(90000);
        take();
        return ended;
    }
    int exitCode() const
    {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString out() const { return m_out; }
    QString err() const { return m_err; }
    ~StationProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(30000);
        }
    }

private:
    void take()
    {
        m_out += QString::fromUtf8(m_process.readAllStandardOutput());
        m_err += QString::fromUtf8(m_process.readAllStandardError());
    }
    QProcess m_process;
    QString m_out;
    QString m_err;
};

} // namespace

class TestCtlStation : public QObject
{
    Q_OBJECT

    QList<CalcSimulator *> m_sims;
    QProcessEnvironment m_env;
    QTemporaryDir m_scratch;
    QString m_portsFile;

    CalcSimulator *calculator(const QString &name)
    {
        auto *sim = new CalcSimulator;
        sim->setName(name);
        sim->setFiles({ { QStringLiteral("OWN.py"), name.toUtf8() } });
        m_sims.append(sim);
        return sim->start() ? sim : nullptr;
    }

    // The calculators attached from now on, as the station sees them: the
    // list is replaced whole, so it is never read half-written.
    void attach(const QList<CalcSimulator *> &sims, const QStringList &serials = {})
    {
        QSaveFile list(m_portsFile);
        QVERIFY(list.open(QIODevice::WriteOnly));
        // A comment line, so that a list of none is still a list.
        list.write("# attached\n");
        for (int i = 0; i < sims.size(); ++i)
            list.write(
                (sims.at(i)->portPath() + QLatin1Char('\t') + serials.value(i) + QLatin1Char('\n'))
                    .toUtf8());
        QVERIFY(list.commit());
    }

    Run vuvectl(const QStringList &args)
    {
        return runProcess(QStringLiteral(VUVECTL_PATH), args, m_env);
    }

private slots:
    void init()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_portsFile = m_scratch.filePath(QStringLiteral("ports"));
        m_env.insert(QStringLiteral("VUVECTL_TEST_PORTS"), m_portsFile);
        attach({});
    }
    void cleanup()
    {
        qDeleteAll(m_sims);
        m_sims.clear();
    }

    // Two calculators plugged in after the start are served, one of them
    // again once it is unplugged and plugged in again; the one attached at
    // the start only with --now. Each served calculator gets one line.
    void servesEachPlugIn_data()
    {
        QTest::addColumn<bool>("backup"); // else send
        QTest::addColumn<bool>("now");
        QTest::addColumn<bool>("asJson");
        QTest::addColumn<int>("signal");
        QTest::newRow("send") << false << false << false << int(SIGINT);
        QTest::newRow("send, json, SIGTERM") << false << false << true << int(SIGTERM);
        QTest::newRow("send, now") << false << true << false << int(SIGINT);
        QTest::newRow("backup") << true << false << false << int(SIGTERM);
        QTest::newRow("backup, json, now") << true << true << true << int(SIGINT);
    }
    void servesEachPlugIn()
    {
        QFETCH(bool, backup);
        QFETCH(bool, now);
        QFETCH(bool, asJson);
        QFETCH(int, signal);
        CalcSimulator *first = calculator(QStringLiteral("Vori X1"));
        CalcSimulator *lab7 = calculator(QStringLiteral("Lab 7"));
        CalcSimulator *lab8 = calculator(QStringLiteral("Lab 8"));
        QVERIFY(first && lab7 && lab8);
        const QStringList serials { QString(), QStringLiteral("VX-0007"), QString() };
        QTemporaryDir dir;
        const QByteArray main = randomBytes(3000, 1);
        QVERIFY(writeFile(dir.filePath(QStringLiteral("main.py")), main));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("OWN.py")), "the computer's"));
        const QString backups = dir.filePath(QStringLiteral("backups"));

        QStringList args { QStringLiteral("--verbose"), QStringLiteral("station") };
        if (backup)
            args << QStringLiteral("--backup") << backups;
        else
            args << QStringLiteral("--send") << dir.filePath(QStringLiteral("main.py"))
                 << dir.filePath(QStringLiteral("OWN.py"));
        if (now)
            args << QStringLiteral("--now");
        if (asJson)
            args << QStringLiteral("--json");
        attach({ first }, serials);
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        const int atStart = now ? 1 : 0;
        attach({ first, lab7, lab8 }, serials);
        QVERIFY2(station.waitForLines(atStart + 2), qPrintable(station.out() + station.err()));
        // Lab 7 goes away and comes back.
        attach({ first, lab8 }, { QString(), QString() });
        QVERIFY2(station.waitForErr(lab7->portPath() + QStringLiteral(": port gone")),
            qPrintable(station.err()));
        attach({ first, lab7, lab8 }, serials);
        QVERIFY2(station.waitForLines(atStart + 3), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(signal));
        QCOMPARE(station.exitCode(), 0);
        // Ending a station that is idle is nothing to report.
        QVERIFY2(!station.err().contains(QStringLiteral("Interrupted")), qPrintable(station.err()));

        const QList<Served> served = parseServed(station.out(), asJson);
        QCOMPARE(served.size(), atStart + 3);
        QMap<QString, int> times;
        for (const Served &s : served) {
            ++times[s.port];
            int i = 0;
            while (i < m_sims.size() && m_sims.at(i)->portPath() != s.port)
                ++i;
            QVERIFY2(i < m_sims.size(), qPrintable(s.port));
            QCOMPARE(s.device, m_sims.at(i)->name());
            QCOMPARE(s.serial, serials.at(i));
            QCOMPARE(s.action, backup ? QStringLiteral("backup") : QStringLiteral("send"));
            QCOMPARE(s.outcome, QStringLiteral("ok"));
            if (asJson) {
                QCOMPARE(s.object.value(QStringLiteral("ok")).toBool(), true);
                QVERIFY2(
                    s.object.value(QStringLiteral("serial")).isNull() == serials.at(i).isEmpty(),
                    qPrintable(s.rest));
                QVERIFY2(s.object.value(QStringLiteral("files")).isArray(), qPrintable(s.rest));
                QVERIFY2(s.object.value(QStringLiteral("errors")).toArray().isEmpty(),
                    qPrintable(s.rest));
            } else {
                QVERIFY2(!s.rest.isEmpty(), qPrintable(s.rest));
            }
        }
        QCOMPARE(times.value(first->portPath()), atStart);
        QCOMPARE(times.value(lab7->portPath()), 2);
        QCOMPARE(times.value(lab8->portPath()), 1);

        if (backup) {
            // One folder for each time a calculator was served, its files in it.
            QStringList folders = QDir(backups).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(folders.size(), atStart + 3);
            QCOMPARE(folders.filter(QRegularExpression(QStringLiteral("^Lab 7-"))).size(), 2);
            QCOMPARE(folders.filter(QRegularExpression(QStringLiteral("^Lab 8-"))).size(), 1);
            QCOMPARE(
                folders.filter(QRegularExpression(QStringLiteral("^Vori X1-"))).size(), atStart);
            for (const QString &folder : qAsConst(folders)) {
                const QDir d(QDir(backups).filePath(folder));
                QVERIFY2(d.exists(QStringLiteral("manifest.json")), qPrintable(folder));
                QCOMPARE(readFile(d.filePath(QStringLiteral("OWN.py"))),
                    folder.left(folder.indexOf(QRegularExpression(QStringLiteral("-\\d{4}-"))))
                        .toUtf8());
            }
            return;
        }
        // A name already on the calculator is replaced.
        for (CalcSimulator *sim : { lab7, lab8 }) {
            QCOMPARE(sim->fileContent(QStringLiteral("MAIN.py")), main);
            QCOMPARE(sim->fileContent(QStringLiteral("OWN.py")), QByteArray("the computer's"));
        }
        QCOMPARE(first->hasFile(QStringLiteral("MAIN.py")), now);
        QCOMPARE(first->fileContent(QStringLiteral("OWN.py")),
            now ? QByteArray("the computer's") : QByteArray("Vori X1"));
    }

    // station --sync: each calculator plugged in ends with the folder's
    // files; what it held alone stays, or goes with --delete.
    void syncsEachPlugIn_data()
    {
        QTest::addColumn<bool>("deleteExtra");
        QTest::newRow("keeping extra files") << false;
        QTest::newRow("--delete") << true;
    }
    void syncsEachPlugIn()
    {
        QFETCH(bool, deleteExtra);
        CalcSimulator *lab7 = calculator(QStringLiteral("Lab 7"));
        CalcSimulator *lab8 = calculator(QStringLiteral("Lab 8"));
        QVERIFY(lab7 && lab8);
        lab8->setFiles(
            { { QStringLiteral("OWN.py"), "Lab 8" }, { QStringLiteral("MAIN.py"), "old" } });
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("main.py")), "new"));
        QStringList args { QStringLiteral("station"), QStringLiteral("--sync"), dir.path() };
        if (deleteExtra)
            args << QStringLiteral("--delete");
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        attach({ lab7, lab8 });
        QVERIFY2(station.waitForLines(2), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(SIGINT));
        QCOMPARE(station.exitCode(), 0);
        const QList<Served> served = parseServed(station.out(), false);
        QCOMPARE(served.size(), 2);
        for (const Served &s : served) {
            QCOMPARE(s.action, QStringLiteral("sync"));
            QVERIFY2(s.outcome == QLatin1String("ok"), qPrintable(s.rest));
        }
        for (CalcSimulator *sim : { lab7, lab8 }) {
            QCOMPARE(sim->fileContent(QStringLiteral("MAIN.py")), QByteArray("new"));
            QCOMPARE(sim->hasFile(QStringLiteral("OWN.py")), !deleteExtra);
        }
    }

    // Stopped while a calculator is in the middle of being served, the
    // station ends with 0 all the same, once that calculator has said it was
    // cut short and what it may hold in part.
    void stoppedWhileServing_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("asJson");
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGTERM, json") << int(SIGTERM) << true;
    }
    void stoppedWhileServing()
    {
        QFETCH(int, signal);
        QFETCH(bool, asJson);
        CalcSimulator *sim = calculator(QStringLiteral("Lab 7"));
        QVERIFY(sim);
        // The second frame of the file never gets an answer.
        sim->setUnplugDuring(int(VivuRuza::calcMsg::SEND_FILE), 1);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("MAIN.py")), randomBytes(3000, 4)));
        QStringList args { QStringLiteral("--timeout"), QStringLiteral("600000"),
            QStringLiteral("station"), QStringLiteral("--send"),
            dir.filePath(QStringLiteral("MAIN.py")) };
        if (asJson)
            args << QStringLiteral("--json");
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        attach({ sim });
        QTRY_VERIFY_WITH_TIMEOUT(sim->isUnplugged(), 90000);
        QVERIFY(station.stop(signal));
        QCOMPARE(station.exitCode(), 0);
        const QList<Served> served = parseServed(station.out(), asJson);
        QCOMPARE(served.size(), 1);
        QCOMPARE(served.first().port, sim->portPath());
        QCOMPARE(served.first().outcome, QStringLiteral("interrupted"));
        QCOMPARE(station.err().split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(),
            QStringLiteral("Interrupted; the calculator at %1 may hold part of MAIN.py.")
                .arg(sim->portPath()));
    }

    // A calculator that fails is reported with what went wrong, and the
    // station serves the one plugged in next; with --verify that includes the
    // calculator that stores a byte wrong, which without it passes unseen.
    void failingCalculatorGoesOn_data()
    {
        QTest::addColumn<bool>("silent"); // else it stores a byte wrong
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("asJson");
        QTest::addColumn<QString>("error"); // empty: it does not fail
        QTest::newRow("does not answer")
            << true << false << false << QStringLiteral("The calculator at @PORT does not answer.");
        QTest::newRow("does not answer, json")
            << true << false << true << QStringLiteral("The calculator at @PORT does not answer.");
        const QString different
            = QStringLiteral("MAIN.py arrived on Bad different from the computer's file.");
        QTest::newRow("stored wrong, verified") << false << true << false << different;
        QTest::newRow("stored wrong, verified, json") << false << true << true << different;
        QTest::newRow("stored wrong, not verified") << false << false << false << QString();
    }
    void failingCalculatorGoesOn()
    {
        QFETCH(bool, silent);
        QFETCH(bool, verify);
        QFETCH(bool, asJson);
        QFETCH(QString, error);
        CalcSimulator *bad = calculator(QStringLiteral("Bad"));
        CalcSimulator *good = calculator(QStringLiteral("Good"));
        CalcSimulator *next = calculator(QStringLiteral("Next"));
        QVERIFY(bad && good && next);
        if (silent)
            bad->setSilent(true);
        else
            bad->setCorruptStore(true);
        error.replace(QStringLiteral("@PORT"), bad->portPath());
        QTemporaryDir dir;
        const QByteArray main = randomBytes(3000, 2);
        QVERIFY(writeFile(dir.filePath(QStringLiteral("MAIN.py")), main));
        QStringList args { QStringLiteral("--timeout"), QStringLiteral("1000"),
            QStringLiteral("station"), QStringLiteral("--send"),
            dir.filePath(QStringLiteral("MAIN.py")) };
        if (verify)
            args << QStringLiteral("--verify");
        if (asJson)
            args << QStringLiteral("--json");
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        attach({ bad, good });
        QVERIFY2(station.waitForLines(2), qPrintable(station.out() + station.err()));
        attach({ bad, good, next });
        QVERIFY2(station.waitForLines(3), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(SIGINT));
        QCOMPARE(station.exitCode(), 0);

        const QList<Served> served = parseServed(station.out(), asJson);
        QCOMPARE(served.size(), 3);
        for (const Served &s : served) {
            if (s.port != bad->portPath()) {
                QCOMPARE(s.outcome, QStringLiteral("ok"));
                continue;
            }
            QCOMPARE(s.outcome, error.isEmpty() ? QStringLiteral("ok") : QStringLiteral("failed"));
            if (error.isEmpty())
                continue;
            if (asJson) {
                QCOMPARE(s.object.value(QStringLiteral("ok")).toBool(true), false);
                const QJsonArray errors = s.object.value(QStringLiteral("errors")).toArray();
                QVERIFY2(
                    std::any_of(errors.begin(), errors.end(),
                        [&error](const QJsonValue &e) { return e.toString().startsWith(error); }),
                    qPrintable(s.rest));
                // The same keys as for a calculator served well.
                QVERIFY2(s.object.contains(QStringLiteral("device")), qPrintable(s.rest));
                QVERIFY2(s.object.value(QStringLiteral("files")).isArray(), qPrintable(s.rest));
                QCOMPARE(s.object.value(QStringLiteral("port")).toString(), bad->portPath());
                QVERIFY2(s.object.value(QStringLiteral("serial")).isNull(), qPrintable(s.rest));
            } else {
                QVERIFY2(s.rest.contains(error), qPrintable(s.rest));
            }
        }
        QCOMPARE(served.last().port, next->portPath());
        QCOMPARE(good->fileContent(QStringLiteral("MAIN.py")), main);
        QCOMPARE(next->fileContent(QStringLiteral("MAIN.py")), main);
    }

    // A station that collects: each calculator plugged in gets a folder of its
    // own in DIR and its rows in the one receipt, with its serial number;
    // with --clear only what was collected is deleted, and a calculator with
    // a file that reads differently twice fails with that file named, the
    // file left on it.
    void collectsEachPlugIn_data()
    {
        QTest::addColumn<bool>("asJson");
        QTest::newRow("text") << false;
        QTest::newRow("json") << true;
    }
    void collectsEachPlugIn()
    {
        QFETCH(bool, asJson);
        CalcSimulator *lab7 = calculator(QStringLiteral("Lab 7"));
        CalcSimulator *lab8 = calculator(QStringLiteral("Lab 8"));
        QVERIFY(lab7 && lab8);
        lab8->setFiles({ { QStringLiteral("OWN.py"), "Lab 8" }, { QStringLiteral("B.py"), "b" } });
        lab8->setFileFault(QStringLiteral("B.py"), CalcSimulator::FileFault::UnstableRead);
        QTemporaryDir dir;
        const QString homework = dir.filePath(QStringLiteral("homework"));
        QStringList args { QStringLiteral("station"), QStringLiteral("--collect"), homework,
            QStringLiteral("--clear") };
        if (asJson)
            args << QStringLiteral("--json");
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        const QStringList serials { QStringLiteral("VX-0007"), QStringLiteral("VX-0008") };
        attach({ lab7, lab8 }, serials);
        QVERIFY2(station.waitForLines(2), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(SIGINT));
        QCOMPARE(station.exitCode(), 0);

        const QList<Served> served = parseServed(station.out(), asJson);
        QCOMPARE(served.size(), 2);
        for (const Served &s : served) {
            const bool isLab7 = s.port == lab7->portPath();
            QCOMPARE(s.device, isLab7 ? QStringLiteral("Lab 7") : QStringLiteral("Lab 8"));
            QCOMPARE(s.serial, serials.at(isLab7 ? 0 : 1));
            QCOMPARE(s.action, QStringLiteral("collect"));
            QCOMPARE(s.outcome, isLab7 ? QStringLiteral("ok") : QStringLiteral("failed"));
            const QString folder = QDir(homework).filePath(s.device);
            if (asJson) {
                QCOMPARE(s.object.value(QStringLiteral("folder")).toString(), folder);
                QCOMPARE(s.object.value(QStringLiteral("cleared")).toInt(), 1);
                QCOMPARE(s.object.value(QStringLiteral("failed")).toInt(), isLab7 ? 0 : 1);
                QCOMPARE(s.object.value(QStringLiteral("files")).toArray().size(), isLab7 ? 1 : 2);
            } else if (isLab7) {
                QCOMPARE(
                    s.rest, QStringLiteral("collected and cleared 1 file into %1").arg(folder));
            }
            if (!isLab7)
                QVERIFY2(s.rest.contains(QStringLiteral("1 file was not collected: B.py.")),
                    qPrintable(s.rest));
            QCOMPARE(readFile(QDir(folder).filePath(QStringLiteral("OWN.py"))), s.device.toUtf8());
        }
        QCOMPARE(lab7->files().size(), 0);
        QCOMPARE(
            lab8->files(), (QList<QPair<QString, QByteArray>> { { QStringLiteral("B.py"), "b" } }));
        QVERIFY(!QFileInfo::exists(QDir(homework).filePath(QStringLiteral("Lab 8/B.py"))));
        QStringList rows
            = QString::fromUtf8(readFile(QDir(homework).filePath(QStringLiteral("receipt.csv"))))
                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(
            rows.takeFirst(), QStringLiteral("calculator,serial,file,size,sha256,outcome,reason"));
        rows.sort();
        QVERIFY2(rows.at(0).startsWith(QStringLiteral("Lab 7,VX-0007,OWN.py,5,"))
                && rows.at(0).endsWith(QStringLiteral(",cleared,")),
            qPrintable(rows.at(0)));
        QVERIFY2(rows.at(1).startsWith(QStringLiteral("Lab 8,VX-0008,B.py,1,,failed,")),
            qPrintable(rows.at(1)));
        QVERIFY2(rows.at(2).startsWith(QStringLiteral("Lab 8,VX-0008,OWN.py,5,"))
                && rows.at(2).endsWith(QStringLiteral(",cleared,")),
            qPrintable(rows.at(2)));
    }

    // --name renames each calculator plugged in before anything else, by the
    // next number in the order they came, and the line shows the new name;
    // with --collect the folder and the receipt carry it. Two calculators of
    // one name come apart so.
    void namesEachPlugIn_data()
    {
        QTest::addColumn<bool>("collect");
        QTest::addColumn<bool>("asJson");
        QTest::newRow("name") << false << false;
        QTest::newRow("name, json") << false << true;
        QTest::newRow("name, collect") << true << false;
        QTest::newRow("name, collect, json") << true << true;
    }
    void namesEachPlugIn()
    {
        QFETCH(bool, collect);
        QFETCH(bool, asJson);
        CalcSimulator *first = calculator(QStringLiteral("Vori X1"));
        CalcSimulator *second = calculator(QStringLiteral("Vori X1"));
        QVERIFY(first && second);
        QTemporaryDir dir;
        QStringList args { QStringLiteral("station"), QStringLiteral("--name"),
            QStringLiteral("Desk ##"), QStringLiteral("--first"), QStringLiteral("9") };
        if (collect)
            args << QStringLiteral("--collect") << dir.path();
        if (asJson)
            args << QStringLiteral("--json");
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        attach({ first });
        QVERIFY2(station.waitForLines(1), qPrintable(station.out() + station.err()));
        attach({ first, second });
        QVERIFY2(station.waitForLines(2), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(SIGINT));
        QCOMPARE(station.exitCode(), 0);

        const QList<Served> served = parseServed(station.out(), asJson);
        QCOMPARE(served.size(), 2);
        const QStringList names { QStringLiteral("Desk 09"), QStringLiteral("Desk 10") };
        const QList<CalcSimulator *> sims { first, second };
        for (int i = 0; i < 2; ++i) {
            const Served &s = served.at(i);
            QCOMPARE(s.port, sims.at(i)->portPath());
            QCOMPARE(s.device, names.at(i));
            QCOMPARE(s.outcome, QStringLiteral("ok"));
            QCOMPARE(s.action, collect ? QStringLiteral("collect") : QStringLiteral("rename"));
            QCOMPARE(sims.at(i)->name(), names.at(i));
            if (asJson)
                QCOMPARE(s.object.value(QStringLiteral("previous")).toString(),
                    QStringLiteral("Vori X1"));
            else if (!collect)
                QCOMPARE(s.rest, QStringLiteral("renamed to %1").arg(names.at(i)));
            if (collect)
                QCOMPARE(readFile(dir.filePath(names.at(i) + QStringLiteral("/OWN.py"))),
                    QByteArray("Vori X1"));
        }
        if (collect) {
            QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), names);
            const QStringList rows
                = QString::fromUtf8(readFile(dir.filePath(QStringLiteral("receipt.csv"))))
                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(rows.size(), 3);
            QVERIFY2(
                rows.at(1).startsWith(QStringLiteral("Desk 09,,OWN.py,")), qPrintable(rows.at(1)));
            QVERIFY2(
                rows.at(2).startsWith(QStringLiteral("Desk 10,,OWN.py,")), qPrintable(rows.at(2)));
        }
    }

    // A pattern whose first name has over 64 characters is a usage error
    // before anything starts: no calculator is renamed or touched, no
    // folder made. Just 64 is served.
    void nameTooLong_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("exitCode");
        const QString x62 = QString(62, QLatin1Char('x'));
        QTest::newRow("65 by the padding")
            << x62 + QStringLiteral("###") << QStringLiteral("1") << 2;
        QTest::newRow("65 by the number")
            << x62 + QStringLiteral("#") << QStringLiteral("100") << 2;
        QTest::newRow("64") << x62 + QStringLiteral("##") << QStringLiteral("1") << 0;
    }
    void nameTooLong()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, first);
        QFETCH(int, exitCode);
        CalcSimulator *sim = calculator(QStringLiteral("Lab 7"));
        QVERIFY(sim);
        attach({ sim });
        QTemporaryDir dir;
        const QString homework = dir.filePath(QStringLiteral("homework"));
        const QStringList args { QStringLiteral("station"), QStringLiteral("--now"),
            QStringLiteral("--name"), pattern, QStringLiteral("--first"), first,
            QStringLiteral("--collect"), homework };
        if (exitCode == 2) {
            const Run r = vuvectl(args);
            QCOMPARE(r.exitCode, 2);
            QVERIFY2(
                r.err.startsWith(QStringLiteral("vuvectl: --name gives \"")), qPrintable(r.err));
            QCOMPARE(r.out, QString());
            QCOMPARE(sim->receivedTypes(), QList<int>());
            QCOMPARE(sim->name(), QStringLiteral("Lab 7"));
            QVERIFY(!QFileInfo::exists(homework));
            return;
        }
        StationProcess station;
        station.start(args, m_env);
        QVERIFY2(station.waitForLines(1), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(SIGINT));
        QCOMPARE(station.exitCode(), 0);
        const QString name = pattern.left(62) + QStringLiteral("01");
        QCOMPARE(sim->name(), name);
        QCOMPARE(parseServed(station.out(), false).first().device, name);
    }

    // A number that grows wider than the name can take fails that
    // calculator, which keeps its name and gets nothing else done; the
    // station goes on.
    void nameOutgrowsLimit()
    {
        CalcSimulator *first = calculator(QStringLiteral("Lab 7"));
        CalcSimulator *second = calculator(QStringLiteral("Lab 8"));
        QVERIFY(first && second);
        const QString x62 = QString(62, QLatin1Char('x'));
        QTemporaryDir dir;
        StationProcess station;
        station.start({ QStringLiteral("station"), QStringLiteral("--name"),
                          x62 + QStringLiteral("#"), QStringLiteral("--first"),
                          QStringLiteral("99"), QStringLiteral("--collect"), dir.path() },
            m_env);
        QVERIFY2(station.waitForErr(QStringLiteral("Ready: ")), qPrintable(station.err()));
        attach({ first });
        QVERIFY2(station.waitForLines(1), qPrintable(station.out() + station.err()));
        attach({ first, second });
        QVERIFY2(station.waitForLines(2), qPrintable(station.out() + station.err()));
        QVERIFY(station.stop(SIGINT));
        const QList<Served> served = parseServed(station.out(), false);
        QCOMPARE(served.size(), 2);
        QCOMPARE(served.at(0).device, x62 + QStringLiteral("99"));
        QCOMPARE(served.at(0).outcome, QStringLiteral("ok"));
        QCOMPARE(served.at(1).device, QStringLiteral("Lab 8"));
        QCOMPARE(served.at(1).outcome, QStringLiteral("failed"));
        QCOMPARE(served.at(1).rest,
            QStringLiteral("The name ") + x62
                + QStringLiteral("100 has 65 characters, more than a device name can have; the "
                                 "calculator keeps its name."));
        QCOMPARE(second->name(), QStringLiteral("Lab 8"));
        QVERIFY(!second->receivedTypes().contains(int(VivuRuza::calcMsg::CHANGE_NAME)));
        QVERIFY(!second->receivedTypes().contains(int(VivuRuza::calcMsg::GET_FILE)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList { x62 + QStringLiteral("99") });
    }

    // --verify in the commands that send: the calculator that stores a byte
    // wrong fails with its file named, exit 1, and its bad copy is deleted,
    // while the others pass.
    void verifyCatchesStoredWrong_data()
    {
        QTest::addColumn<QString>("command"); // put, every put or restore
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("asJson");
        QTest::addColumn<bool>("corrupt"); // the target calculator stores wrong
        QTest::addColumn<int>("exitCode");
        QTest::newRow("put") << QStringLiteral("put") << true << false << true << 1;
        QTest::newRow("put, sound") << QStringLiteral("put") << true << true << false << 0;
        QTest::newRow("every put") << QStringLiteral("every put") << true << false << true << 1;
        QTest::newRow("every put, json")
            << QStringLiteral("every put") << true << true << true << 1;
        QTest::newRow("every put, not verified")
            << QStringLiteral("every put") << false << false << true << 0;
        QTest::newRow("restore") << QStringLiteral("restore") << true << false << true << 1;
        QTest::newRow("restore, json") << QStringLiteral("restore") << true << true << true << 1;
        QTest::newRow("restore, sound") << QStringLiteral("restore") << true << false << false << 0;
    }
    void verifyCatchesStoredWrong()
    {
        QFETCH(QString, command);
        QFETCH(bool, verify);
        QFETCH(bool, asJson);
        QFETCH(bool, corrupt);
        QFETCH(int, exitCode);
        CalcSimulator *target = calculator(QStringLiteral("Bad"));
        CalcSimulator *other = calculator(QStringLiteral("Good"));
        QVERIFY(target && other);
        QTemporaryDir dir;
        const QByteArray main = randomBytes(3000, 3);
        QVERIFY(writeFile(dir.filePath(QStringLiteral("MAIN.py")), main));
        QStringList args;
        if (command == QLatin1String("restore")) {
            // A backup of Good, restored onto the calculator under test.
            other->setFiles({ { QStringLiteral("MAIN.py"), main } });
            Run made = vuvectl({ QStringLiteral("--port"), other->portPath(),
                QStringLiteral("backup"), dir.path() });
            QVERIFY2(made.exitCode == 0, qPrintable(made.err));
            const QStringList folders
                = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(folders.size(), 1);
            args << QStringLiteral("--port") << target->portPath() << QStringLiteral("restore")
                 << dir.filePath(folders.first());
        } else if (command == QLatin1String("every put")) {
            attach({ other, target });
            args << QStringLiteral("--every") << QStringLiteral("put")
                 << dir.filePath(QStringLiteral("MAIN.py"));
        } else {
            args << QStringLiteral("--port") << target->portPath() << QStringLiteral("put")
                 << dir.filePath(QStringLiteral("MAIN.py"));
        }
        if (verify)
            args << QStringLiteral("--verify");
        if (asJson)
            args << QStringLiteral("--json");
        target->setCorruptStore(corrupt);

        const Run r = vuvectl(args);
        QVERIFY2(r.exitCode == exitCode, qPrintable(QString::number(r.exitCode) + r.out + r.err));
        const QString different
            = QStringLiteral("MAIN.py arrived on Bad different from the computer's file. The "
                             "calculator's copy was deleted.");
        const bool fails = exitCode != 0;
        const auto tells = [&different](const QJsonArray &errors) {
            for (const QJsonValue &error : errors) {
                if (error.toString().startsWith(different))
                    return true;
            }
            return false;
        };
        if (command == QLatin1String("every put")) {
            // Good passes, whatever Bad did.
            QCOMPARE(other->fileContent(QStringLiteral("MAIN.py")), main);
            const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 2);
            for (const QString &line : lines) {
                const bool isBad = line.contains(target->portPath());
                if (asJson) {
                    const QJsonObject o = json(line);
                    QCOMPARE(o.value(QStringLiteral("ok")).toBool(), !(isBad && fails));
                    QCOMPARE(tells(o.value(QStringLiteral("errors")).toArray()), isBad && fails);
                } else {
                    QCOMPARE(line.section(QLatin1Char('\t'), 2, 2),
                        isBad && fails ? QStringLiteral("failed") : QStringLiteral("ok"));
                    QCOMPARE(line.contains(different), isBad && fails);
                }
            }
        } else if (asJson) {
            const QJsonObject o = json(r.out);
            QCOMPARE(o.value(QStringLiteral("ok")).toBool(), !fails);
            QCOMPARE(tells(o.value(QStringLiteral("errors")).toArray()), fails);
        }
        if (command != QLatin1String("every put"))
            QCOMPARE(r.err.contains(different), fails);
        // Unchecked, the wrong byte stays on the calculator; checked, the bad
        // copy is gone: the computer holds the good file.
        QCOMPARE(target->hasFile(QStringLiteral("MAIN.py")), !(corrupt && verify));
        if (target->hasFile(QStringLiteral("MAIN.py")))
            QCOMPARE(target->fileContent(QStringLiteral("MAIN.py")) == main, !corrupt);
    }
};

QTEST_GUILESS_MAIN(TestCtlStation)
#include "tst_ctlstation.moc"
