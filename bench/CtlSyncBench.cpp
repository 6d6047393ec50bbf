#include "CtlSyncBench.h"

#include "ClassSendBench.h"
#include "Figures.h"

#include "CalcSimulator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
// The class set of the send and collect figures: four files of 16 KiB, the
// same on every calculator, since one folder is compared with them all.
constexpr int fileCount = 4;
constexpr int fileSize = 16 * 1024;

using Files = QList<QPair<QString, QByteArray>>;

Files classSet(const QByteArray &edit)
{
    Files files;
    for (int i = 1; i <= fileCount; ++i) {
        QByteArray content;
        while (content.size() < fileSize)
            content += QByteArrayLiteral("print(\"class\", ") + QByteArray::number(i)
                + QByteArrayLiteral(", ") + QByteArray::number(content.size())
                + QByteArrayLiteral(")\n");
        content.truncate(fileSize);
        files.append({ QStringLiteral("P%1.PY").arg(i), content });
    }
    // The edit keeps the file's size, so that a compare by sizes cannot tell
    // it and every file is read back.
    if (!edit.isEmpty())
        files.last().second.replace(0, edit.size(), edit);
    return files;
}

// What the calculators hold before a sync: the class set with the last file
// as it was before the folder's edit.
Files beforeSync()
{
    return classSet(QByteArrayLiteral("print(\"draft\")\n"));
}

bool writeFolder(const QString &path, const Files &files)
{
    for (const auto &file : files) {
        QFile f(path + QLatin1Char('/') + file.first);
        if (!f.open(QIODevice::WriteOnly) || f.write(file.second) != file.second.size())
            return false;
    }
    return true;
}
} // namespace

CtlSyncBench::CtlSyncBench(const QString &vuvectl)
    : m_vuvectl(vuvectl)
{
}

// Wall time of one vuvectl run, -1 when it failed: a diff that found a
// difference, or a sync after which a calculator does not hold the folder,
// has not done the work timed.
double CtlSyncBench::seconds(const QStringList &args, const QString &portsFile)
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

void CtlSyncBench::run(int runs)
{
    // In this process, each on threads of its own, at a calculator's USB
    // pace; vuvectl is the other process, and the one timed.
    std::vector<std::unique_ptr<CalcSimulator>> sims;
    QTemporaryDir dir;
    const QString allPorts = dir.filePath(QStringLiteral("all"));
    const QString onePort = dir.filePath(QStringLiteral("one"));
    const QString folder = dir.filePath(QStringLiteral("class"));
    QFile all(allPorts);
    QFile one(onePort);
    if (!dir.isValid() || !QDir().mkdir(folder) || !writeFolder(folder, classSet({}))
        || !all.open(QIODevice::WriteOnly) || !one.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "sync bench: no folder\n");
        return;
    }
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
    const auto give = [&sims](const Files &files, int count) {
        for (int i = 0; i < count; ++i)
            sims.at(size_t(i))->setFiles(files);
    };

    // Figure and reference in turn, so that whatever else the machine does
    // weighs on both.
    const QString every = QStringLiteral("--every");
    std::vector<double> quick, listing;
    give(classSet({}), calculators);
    for (int r = 0; r < runs; ++r) {
        quick.push_back(seconds(
            { every, QStringLiteral("diff"), QStringLiteral("--quick"), folder }, allPorts));
        listing.push_back(seconds({ QStringLiteral("ls") }, onePort));
        if (quick.back() < 0 || listing.back() < 0) {
            std::fprintf(stderr, "vuvectl diff --quick or ls failed\n");
            return;
        }
    }
    Figures::printRatio(QStringLiteral("diff_quick_%1").arg(calculators),
        Figures::median(quick) * 1000, Figures::median(listing) * 1000, "ms");

    // Each run gives the calculators the file before the edit back, untimed.
    std::vector<double> syncs, single;
    for (int r = 0; r < runs; ++r) {
        give(beforeSync(), calculators);
        syncs.push_back(seconds({ every, QStringLiteral("sync"), folder }, allPorts));
        // The exit status checks sizes only, and the edit keeps the size.
        for (const auto &sim : sims) {
            if (syncs.back() >= 0 && sim->files() != classSet({}))
                syncs.back() = -1;
        }
        give(beforeSync(), 1);
        single.push_back(seconds({ QStringLiteral("sync"), folder }, onePort));
        if (syncs.back() < 0 || single.back() < 0) {
            std::fprintf(stderr, "vuvectl sync failed\n");
            return;
        }
    }
    Figures::printRatio(QStringLiteral("sync_%1").arg(calculators), Figures::median(syncs) * 1000,
        Figures::median(single) * 1000, "ms");
}
