// The watcher's rows against simulated calculators on pseudo-terminals: the
// order they are listed in whatever order their readings end, a port
// unplugged while it is read, and a port that failed, which is read again
// only once it has gone and come back.
#include "CVoriWorker.h"
#include "CalcSimulator.h"
#include "CalcWatcher.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

Q_DECLARE_METATYPE(CalcWatcher::Reading)

namespace {
// Simulated calculators by letter ("A" is named "Calc A" on port "simA"), a
// watcher whose ports are those in `ports`, and what it told, in order.
class WatcherRig
{
public:
    explicit WatcherRig(CalcWatcher::Reading reading)
        : watcher(reading)
    {
        watcher.setPortSource([this] { return ports; });
        QObject::connect(
            &watcher, &CalcWatcher::listed, &watcher, [this](int row, CVoriWorker *worker) {
                events.append(
                    QStringLiteral("listed %1 %2").arg(QString::number(row), worker->name));
            });
        QObject::connect(
            &watcher, &CalcWatcher::gone, &watcher, [this](int row, CVoriWorker *worker) {
                events.append(QStringLiteral("gone %1 %2").arg(QString::number(row), worker->name));
                delete worker;
            });
        QObject::connect(
            &watcher, &CalcWatcher::failed, &watcher, [this](const QString &port, const QString &) {
                events.append(QStringLiteral("failed ") + port);
            });
        QObject::connect(&watcher, &CalcWatcher::failedGone, &watcher,
            [this](const QString &port) { events.append(QStringLiteral("failed gone ") + port); });
        QObject::connect(&watcher, &CalcWatcher::readingChange, &watcher,
            [this](const QString &port, bool reading) {
                events.append(
                    (reading ? QStringLiteral("reading ") : QStringLiteral("read ")) + port);
            });
    }

    CalcSimulator *sim(const QString &letter)
    {
        std::unique_ptr<CalcSimulator> &s = sims[letter];
        if (!s) {
            s.reset(new CalcSimulator);
            s->setName(QStringLiteral("Calc ") + letter);
            if (!s->start())
                return nullptr;
        }
        return s.get();
    }

    CalcPort port(const QString &letter)
    {
        CalcSimulator *s = sim(letter);
        return CalcPort(QStringLiteral("sim") + letter, s ? s->portPath() : QString());
    }

    bool waitForReadings()
    {
        return QTest::qWaitFor([this] { return watcher.readingCount() == 0; }, 20000);
    }

    QStringList rowNames() const
    {
        QStringList names;
        for (int row = 0; row < watcher.count(); ++row)
            names.append(watcher.workerAt(row)->name);
        return names;
    }

    // Those of these kinds, in order.
    QStringList told(const QString &kind) const
    {
        QStringList found;
        for (const QString &event : events) {
            if (event.startsWith(kind + QLatin1Char(' ')))
                found.append(event);
        }
        return found;
    }

    std::map<QString, std::unique_ptr<CalcSimulator>> sims;
    QList<CalcPort> ports;
    QStringList events;
    CalcWatcher watcher;
};
} // namespace

class TestCalcWatcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<CalcWatcher::Reading>(); }

    // A answers slowly, so B and C are read before it: each is listed as its
    // own reading ends, and A goes above them, where its port was found.
    // A port found by a later poll goes below, wherever its port is.
    void rowsInFoundOrder_data()
    {
        QTest::addColumn<CalcWatcher::Reading>("reading");
        QTest::newRow("listing") << CalcWatcher::Reading::Listing;
        QTest::newRow("name") << CalcWatcher::Reading::Name;
    }
    void rowsInFoundOrder()
    {
        QFETCH(CalcWatcher::Reading, reading);
        WatcherRig rig(reading);
        rig.sim(QStringLiteral("A"))->setReplyDelay(600);
        for (const QString &letter :
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") })
            rig.ports.append(rig.port(letter));

        rig.watcher.poll();
        QCOMPARE(rig.watcher.readingCount(), 3);
        QCOMPARE(rig.watcher.count(), 0);
        QVERIFY(rig.waitForReadings());
        const QStringList listed = rig.told(QStringLiteral("listed"));
        QCOMPARE(listed.size(), 3);
        QCOMPARE(listed.last(), QStringLiteral("listed 0 Calc A"));
        // B and C end in either order; B is above C either way.
        QVERIFY2(listed.contains(QStringLiteral("listed 0 Calc B")),
            qPrintable(listed.join(QLatin1String(", "))));
        QCOMPARE(rig.rowNames(),
            (QStringList {
                QStringLiteral("Calc A"), QStringLiteral("Calc B"), QStringLiteral("Calc C") }));
        QCOMPARE(rig.watcher.rowOf(QStringLiteral("simB")), 1);

        rig.ports.prepend(rig.port(QStringLiteral("D")));
        rig.watcher.poll();
        QVERIFY(rig.waitForReadings());
        QCOMPARE(rig.told(QStringLiteral("listed")).last(), QStringLiteral("listed 3 Calc D"));

        // B goes: out of the list, handed out with its row.
        rig.ports.removeAt(2);
        rig.watcher.poll();
        QCOMPARE(rig.told(QStringLiteral("gone")), QStringList { QStringLiteral("gone 1 Calc B") });
        QCOMPARE(rig.rowNames(),
            (QStringList {
                QStringLiteral("Calc A"), QStringLiteral("Calc C"), QStringLiteral("Calc D") }));
        QCOMPARE(rig.watcher.readingCount(), 0);
    }

    // Unplugged while it was read: never listed, and read anew when it comes
    // back; the calculators listed meanwhile keep their rows.
    void goneWhileRead()
    {
        WatcherRig rig(CalcWatcher::Reading::Listing);
        rig.sim(QStringLiteral("A"))->setReplyDelay(500);
        rig.ports = { rig.port(QStringLiteral("A")), rig.port(QStringLiteral("B")) };
        rig.watcher.poll();
        rig.ports.removeFirst();
        rig.watcher.poll();
        QCOMPARE(rig.watcher.readingCount(), 2);
        QVERIFY(rig.waitForReadings());
        QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc B") });
        QCOMPARE(
            rig.told(QStringLiteral("listed")), QStringList { QStringLiteral("listed 0 Calc B") });
        QCOMPARE(rig.told(QStringLiteral("gone")), QStringList());
        QCOMPARE(rig.told(QStringLiteral("failed")), QStringList());

        rig.sim(QStringLiteral("A"))->setReplyDelay(0);
        rig.ports.append(rig.port(QStringLiteral("A")));
        rig.watcher.poll();
        QCOMPARE(rig.watcher.readingCount(), 1);
        QVERIFY(rig.waitForReadings());
        QCOMPARE(
            rig.rowNames(), (QStringList { QStringLiteral("Calc B"), QStringLiteral("Calc A") }));
    }

    // A port that gives no calculator fails once and is left alone while it
    // stays; gone and back, it is read again.
    void failedReadOnlyOnceBack()
    {
        QTemporaryDir scratch;
        WatcherRig rig(CalcWatcher::Reading::Listing);
        const CalcPort missing(QStringLiteral("simZ"), scratch.filePath(QStringLiteral("ttyGONE")));
        QSignalSpy failed(&rig.watcher, &CalcWatcher::failed);
        rig.ports = { missing };
        rig.watcher.poll();
        QVERIFY(rig.waitForReadings());
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("simZ"));
        QVERIFY(!failed.at(0).at(1).toString().isEmpty());
        QCOMPARE(rig.watcher.count(), 0);

        rig.events.clear();
        rig.watcher.poll();
        rig.watcher.poll();
        QCOMPARE(rig.watcher.readingCount(), 0);
        QCOMPARE(rig.events, QStringList());

        rig.ports.clear();
        rig.watcher.poll();
        QCOMPARE(rig.events, QStringList { QStringLiteral("failed gone simZ") });

        // Back, now with a calculator behind it.
        rig.ports = { CalcPort(QStringLiteral("simZ"), rig.sim(QStringLiteral("Z"))->portPath()) };
        rig.watcher.poll();
        QCOMPARE(rig.watcher.readingCount(), 1);
        QVERIFY(rig.waitForReadings());
        QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc Z") });
        QCOMPARE(failed.count(), 1);
    }

    // Told to read nothing, a port is listed within the poll that finds it.
    void listedAtOnceWithoutReading()
    {
        WatcherRig rig(CalcWatcher::Reading::None);
        rig.ports = { CalcPort(QStringLiteral("simA"), QStringLiteral("/nonexistent/a")),
            CalcPort(QStringLiteral("simB"), QStringLiteral("/nonexistent/b")) };
        rig.watcher.poll();
        QCOMPARE(rig.watcher.readingCount(), 0);
        QCOMPARE(rig.watcher.count(), 2);
        QCOMPARE(rig.watcher.workerAt(1)->portInfo.portName(), QStringLiteral("simB"));
        QCOMPARE(rig.told(QStringLiteral("reading")), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCalcWatcher)
#include "tst_calcwatcher.moc"
