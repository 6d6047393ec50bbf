// Many calculators at once: overlapping jobs on eight of them, and calculators
// coming and going by the hundred while jobs run.

#include "CVivuRuzaSession.h"
#include "CVoriWorker.h"
#include "CalcSimulator.h"
#include "FrameCodec.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <random>
#include <vector>

class TestManyCalcs : public QObject
{
    Q_OBJECT

    std::vector<std::unique_ptr<CalcSimulator>> m_sims;
    QList<CalcPort> m_ports;

    CalcSimulator *newSim(int index)
    {
        auto sim = std::make_unique<CalcSimulator>();
        sim->setName(QStringLiteral("Calc %1").arg(index));
        sim->setFiles({ { QStringLiteral("A.PY"), QByteArray(700, 'a') },
            { QStringLiteral("B.PY"), QByteArray(20, 'b') } });
        if (!sim->start())
            return nullptr;
        m_sims.push_back(std::move(sim));
        return m_sims.back().get();
    }

    static void collect(CVivuRuzaSession &session, QList<QPointer<CVoriWorker>> &seen)
    {
        for (int i = 0; i < session.workerCount(); ++i) {
            QPointer<CVoriWorker> w(session.workerAt(i));
            if (!seen.contains(w))
                seen.append(w);
        }
    }

    // New calculators are listed when their first reading ends; polled in
    // one at a time, they are listed in the order of their ports.
    bool attachInOrder(CVivuRuzaSession &session, const QList<CalcPort> &ports)
    {
        for (const CalcPort &port : ports) {
            m_ports.append(port);
            if (!poll(session))
                return false;
        }
        return true;
    }

    static bool poll(CVivuRuzaSession &session)
    {
        session.update();
        return QTest::qWaitFor([&session] { return session.readingCount() == 0; }, 20000);
    }

    static bool allIdle(const QList<QPointer<CVoriWorker>> &seen)
    {
        for (const auto &w : seen) {
            if (w && w->thread() != QCoreApplication::instance()->thread())
                return false;
        }
        return true;
    }

private slots:
    void cleanup()
    {
        m_ports.clear();
        m_sims.clear();
    }

    void eightOverlappingJobs()
    {
        VivuRuzaModel calcModel;
        VoriFileModel fileModel;
        QList<QPointer<CVoriWorker>> seen;
        QTemporaryDir dir;
        const QString upload = dir.filePath(QStringLiteral("up.py"));
        {
            QFile f(upload);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(1500, 'u'));
        }
        {
            CVivuRuzaSession session;
            session.setModels(&calcModel, &fileModel);
            session.setPortSource([this] { return m_ports; });
            QList<CalcPort> ports;
            for (int i = 0; i < 8; ++i) {
                CalcSimulator *sim = newSim(i);
                QVERIFY(sim);
                ports.append(CalcPort(QStringLiteral("ttyACM%1").arg(i), sim->portPath()));
            }
            QVERIFY(attachInOrder(session, ports));
            QCOMPARE(session.workerCount(), 8);
            QCOMPARE(calcModel.rowCount(), 8);
            collect(session, seen);

            // One job on each calculator, all running at once.
            for (int i = 0; i < 8; ++i) {
                calcModel.setCurrentIndex(i);
                switch (i % 4) {
                case 0:
                    session.toCalcUrls({ QUrl::fromLocalFile(upload) });
                    while (session.isToCalcNameCollision()) { }
                    session.sendFiles();
                    break;
                case 1:
                    session.addSelected(0);
                    session.fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
                    session.downloadsFiles();
                    break;
                case 2:
                    session.addSelected(1);
                    session.deleteSelected();
                    break;
                case 3:
                    session.changeCalcName(QStringLiteral("Renamed %1").arg(i));
                    break;
                }
            }
            QTRY_VERIFY_WITH_TIMEOUT(allIdle(seen), 20000);
            QTRY_VERIFY(!session.property("isBusy").toBool());
            QCOMPARE(session.property("error").toString(), QString());

            for (int i = 0; i < 8; ++i) {
                CalcSimulator *sim = m_sims.at(size_t(i)).get();
                switch (i % 4) {
                case 0:
                    QCOMPARE(sim->fileContent(QStringLiteral("UP.py")), QByteArray(1500, 'u'));
                    break;
                case 1:
                    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("A.PY"))));
                    break;
                case 2:
                    QVERIFY(!sim->hasFile(QStringLiteral("B.PY")));
                    break;
                case 3:
                    QCOMPARE(sim->name(), QStringLiteral("Renamed %1").arg(i));
                    // The list row follows the current calculator only; the
                    // worker keeps the name for when its row is shown again.
                    QCOMPARE(session.workerAt(i)->name, QStringLiteral("Renamed %1").arg(i));
                    break;
                }
            }
            QCOMPARE(calcModel.rowCount(), session.workerCount());
        }
        // The session released every worker it ever made.
        for (const auto &w : qAsConst(seen))
            QVERIFY(w.isNull());
    }

    void plugAndUnplugWhileJobsRun()
    {
        VivuRuzaModel calcModel;
        VoriFileModel fileModel;
        QList<QPointer<CVoriWorker>> seen;
        std::mt19937 rng(7);
        {
            CVivuRuzaSession session;
            session.setModels(&calcModel, &fileModel);
            session.setPortSource([this] { return m_ports; });
            for (int i = 0; i < 4; ++i) {
                CalcSimulator *sim = newSim(i);
                QVERIFY(sim);
                m_ports.append(CalcPort(QStringLiteral("ttyACM%1").arg(i), sim->portPath()));
            }
            QVERIFY(poll(session));
            collect(session, seen);

            for (int cycle = 0; cycle < 200; ++cycle) {
                if (calcModel.rowCount() > 0) {
                    calcModel.setCurrentIndex(int(rng() % uint(calcModel.rowCount())));
                    // Refused without harm when that calculator is still busy.
                    session.changeCalcName(QStringLiteral("Cycle %1").arg(cycle));
                }
                const int victim = int(rng() % uint(m_ports.size()));
                const CalcPort gone = m_ports.takeAt(victim);
                QVERIFY(poll(session));
                QCOMPARE(calcModel.rowCount(), session.workerCount());
                QCOMPARE(session.workerCount(), m_ports.size());

                // Another calculator on the same port name, as after a re-plug.
                CalcSimulator *sim = newSim(cycle);
                QVERIFY(sim);
                m_ports.append(CalcPort(gone.portName(), sim->portPath()));
                QVERIFY(poll(session));
                collect(session, seen);
                QCOMPARE(calcModel.rowCount(), session.workerCount());
                QCOMPARE(session.workerCount(), m_ports.size());
                const int current = session.property("currentIndex").toInt();
                QVERIFY(current >= -1 && current <= calcModel.rowCount());
                QCoreApplication::processEvents();
            }
            QTRY_VERIFY_WITH_TIMEOUT(allIdle(seen), 30000);
            QTRY_VERIFY(!session.property("isBusy").toBool());
            QCOMPARE(calcModel.rowCount(), session.workerCount());
        }
        for (const auto &w : qAsConst(seen))
            QVERIFY(w.isNull());
    }
};

QTEST_GUILESS_MAIN(TestManyCalcs)
#include "tst_manycalcs.moc"
