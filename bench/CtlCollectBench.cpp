#include "CtlCollectBench.h"

#include "ClassSendBench.h"
#include "Figures.h"

#include "CalcSimulator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
// The class set a send leaves on each calculator: four files of 16 KiB.
constexpr int fileCount = 4;
constexpr int fileSize = 16 * 1024;

QList<QPair<QString, QByteArray>> classSet(int calculator)
{
    QList<QPair<QString, QByteArray>> files;
    for (int i = 1; i <= fileCount; ++i) {
        QByteArray content;
        while (content.size() < fileSize)
            content += QByteArrayLiteral("print(\"desk\", ") + QByteArray::number(calculator)
                + QByteArrayLiteral(", ") + QByteArray::number(content.size())
                + QByteArrayLiteral(")\n");
        content.truncate(fileSize);
        files.append({ QStringLiteral("P%1.PY").arg(i), content });
    }
    return files;
}
} // namespace

CtlCollectBench::CtlCollectBench(const QString &vuvectl)
    : m_vuvectl(vuvectl)
{
}

// Wall time of one vuvectl run, -1 when it failed: a collect that left a file
// behind has not done the work timed.
double CtlCollectBench::seconds(const QStringList &args, const QString &portsFile)
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

void CtlCollectBench::run(int runs)
{
    // In this process, each on threads of its own, at a calculator's USB
    // pace; vuvectl is the other process, and the one timed.
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
        sim->setName(QStringLiteral("Desk %1").arg(i + 1, 2, 10, QLatin1Char('0')));
        sim->setLatency(ClassSendBench::latencyMs);
        sim->setByteRate(ClassSendBench::byteRate);
        if (!sim->start()) {
            std::fprintf(stderr, "simulator did not start\n");
            return;
        }
        const QByteArray line
            = (sim->portPath() + QStringLiteral("\tSER-%1\n").arg(i + 1)).toUtf8();
        all.write(line);
        if (i == 0)
            one.write(line);
        sims.push_back(std::move(sim));
    }
    all.close();
    one.close();

    // Measured in turn, so that whatever else the machine does weighs on
    // both; each run gives the calculators their files back, untimed.
    std::vector<double> every, single;
    for (int r = 0; r < runs; ++r) {
        QTemporaryDir out;
        for (int i = 0; i < calculators; ++i)
            sims.at(size_t(i))->setFiles(classSet(i + 1));
        every.push_back(
            seconds({ QStringLiteral("--every"), QStringLiteral("collect"),
                        QStringLiteral("--clear"), out.filePath(QStringLiteral("all")) },
                allPorts));
        sims.front()->setFiles(classSet(1));
        single.push_back(seconds({ QStringLiteral("collect"), QStringLiteral("--clear"),
                                     out.filePath(QStringLiteral("one")) },
            onePort));
        if (every.back() < 0 || single.back() < 0) {
            std::fprintf(stderr, "vuvectl collect failed\n");
            return;
        }
    }
    Figures::printRatio(QStringLiteral("collect_clear_%1").arg(calculators),
        Figures::median(every) * 1000, Figures::median(single) * 1000, "ms");
}
