#include "CtlBackupBench.h"

#include "Figures.h"

#include "CVivuRuza.h"
#include "CalcSimulator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {
// A device is not instant: each reply frame here takes about 2 ms to come out
// (written in two pieces with a pause), and frames carry 4096 bytes, so 1 MiB
// is 256 exchanges of the kind a calculator on USB takes milliseconds for.
constexpr int benchChunk = 4096;
constexpr int benchSplit = 2;

QByteArray content(unsigned seed)
{
    std::mt19937 gen(seed);
    QByteArray bytes(CVivuRuza::maxUploadSize, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(gen() & 0xFF);
    return bytes;
}

} // namespace

CtlBackupBench::CtlBackupBench(const QString &vuvectl)
    : m_vuvectl(vuvectl)
{
}

void CtlBackupBench::run(int runs)
{
    everyAgainstOne(runs);
    memory();
}

// Wall time of one vuvectl run, -1 when it failed.
double CtlBackupBench::seconds(const QStringList &args, const QString &portsFile)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VUVECTL_TEST_PORTS"), portsFile);
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    p.start(m_vuvectl, args);
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return clock.nsecsElapsed() / 1e9;
}

void CtlBackupBench::everyAgainstOne(int runs)
{
    std::vector<std::unique_ptr<CalcSimulator>> sims;
    QTemporaryDir dir;
    const QString allPorts = dir.filePath(QStringLiteral("all"));
    const QString onePort = dir.filePath(QStringLiteral("one"));
    QFile all(allPorts);
    QFile one(onePort);
    if (!all.open(QIODevice::WriteOnly) || !one.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < calculators; ++i) {
        auto sim = std::make_unique<CalcSimulator>();
        sim->setName(QStringLiteral("Bench %1").arg(i + 1));
        sim->setMaxChunkSize(benchChunk);
        sim->setSplitWrites(benchSplit);
        sim->setFiles({ { QStringLiteral("DATA.BIN"), content(unsigned(i + 1)) } });
        if (!sim->start()) {
            std::fprintf(stderr, "simulator did not start\n");
            return;
        }
        const QByteArray line = (sim->portPath() + QLatin1Char('\n')).toUtf8();
        all.write(line);
        if (i == 0)
            one.write(line);
        sims.push_back(std::move(sim));
    }
    all.close();
    one.close();

    // Measured in turn, so that whatever else the machine does weighs on both.
    std::vector<double> every, single;
    for (int r = 0; r < runs; ++r) {
        QTemporaryDir out;
        every.push_back(
            seconds({ QStringLiteral("--every"), QStringLiteral("backup"), out.path() }, allPorts));
        single.push_back(seconds({ QStringLiteral("backup"), out.path() }, onePort));
        if (every.back() < 0 || single.back() < 0) {
            std::fprintf(stderr, "vuvectl backup failed\n");
            return;
        }
    }
    Figures::printRatio(QStringLiteral("every_backup_%1x1MiB").arg(calculators),
        Figures::median(every) * 1000, Figures::median(single) * 1000, "ms");
}

void CtlBackupBench::memory()
{
    CalcSimulator sim;
    sim.setFiles({ { QStringLiteral("DATA.BIN"), content(42) } });
    if (!sim.start())
        return;
    QTemporaryDir out;
    const QStringList port { QStringLiteral("--port"), sim.portPath() };
    const long info = Figures::peakRssKiB(m_vuvectl, port + QStringList { QStringLiteral("info") });
    const long backup = Figures::peakRssKiB(
        m_vuvectl, port + QStringList { QStringLiteral("backup"), out.path() });
    if (info < 0 || backup < 0) {
        std::fprintf(stderr, "vuvectl failed\n");
        return;
    }
    Figures::print(QStringLiteral("vuvectl_backup_1MiB_peak_rss"), backup / 1024.0, "MiB");
    Figures::print(QStringLiteral("vuvectl_backup_extra_rss"), (backup - info) / 1024.0, "MiB");
}
