#include "ClassSendBench.h"

#include "Figures.h"
#include "MainThreadStall.h"

#include "CVivuRuzaSession.h"
#include "CalcSimulator.h"
#include "ClassJobModel.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// Four files of 16 KiB: a class set of programs, 64 KiB in all.
constexpr int fileCount = 4;
constexpr int fileSize = 16 * 1024;

double processCpuSeconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QList<QUrl> writeClassSet(const QTemporaryDir &dir)
{
    QList<QUrl> urls;
    for (int i = 1; i <= fileCount; ++i) {
        const QString path = dir.filePath(QStringLiteral("P%1.PY").arg(i));
        QByteArray content;
        while (content.size() < fileSize)
            content += QByteArrayLiteral("print(\"line\", ") + QByteArray::number(content.size())
                + QByteArrayLiteral(")\n");
        content.truncate(fileSize);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            return {};
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

// The paced calculators, served by this program started again as their
// process; they stop when it ends.
class CalculatorProcess
{
public:
    bool start(int count)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--%1").arg(QLatin1String(ClassSendBench::serveOption())),
                QString::number(count) });
        if (!m_process.waitForStarted())
            return false;
        while (m_ports.size() < count) {
            if (!m_process.canReadLine() && !m_process.waitForReadyRead(30000))
                return false;
            while (m_process.canReadLine())
                m_ports.append(QString::fromUtf8(m_process.readLine().trimmed()));
        }
        return true;
    }

    ~CalculatorProcess()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished();
    }

    QStringList ports() const { return m_ports; }

private:
    QProcess m_process;
    QStringList m_ports;
};

struct SendRun
{
    double seconds = -1;
    double cpuSeconds = -1;
    double stallMs = -1;
};

// One send of the class set through the session, to every calculator (all)
// or to the one chosen. Timed from the plan until the last calculator's
// outcome is in; the run then waits for the job threads to end, untimed.
SendRun sendOnce(CVivuRuzaSession &session, const QList<QUrl> &urls, bool all, int targets)
{
    ClassJobModel *job = session.classJob();
    SendRun run;
    QElapsedTimer clock;
    double cpuBefore = 0;
    bool started = false;
    qint64 endNs = -1;
    double cpuEnd = 0;
    const QMetaObject::Connection watch = QObject::connect(job, &ClassJobModel::summaryChange, [&] {
        if (started && endNs < 0 && !job->running()) {
            endNs = clock.nsecsElapsed();
            cpuEnd = processCpuSeconds();
        }
    });
    run.stallMs = MainThreadStall::longestGapMs(
        [&] {
            cpuBefore = processCpuSeconds();
            clock.start();
            if (!session.planClassSend(urls, all))
                return;
            started = true;
            session.startClassSend(true);
        },
        [&] { return endNs >= 0 && session.runningJobs() == 0; }, 120000);
    QObject::disconnect(watch);
    if (endNs < 0 || job->rowCount() != targets || job->failedCount() != 0) {
        std::fprintf(stderr, "class send to %d calculators failed: %s\n", targets,
            qPrintable(job->summary()));
        return SendRun();
    }
    job->close();
    run.seconds = endNs / 1e9;
    run.cpuSeconds = cpuEnd - cpuBefore;
    return run;
}

} // namespace

ClassSendBench::ClassSendBench(const QString &window)
    : m_window(window)
{
}

int ClassSendBench::serveCalculators(int count)
{
    std::vector<std::unique_ptr<CalcSimulator>> sims;
    for (int i = 0; i < count; ++i) {
        auto sim = std::make_unique<CalcSimulator>();
        sim->setName(QStringLiteral("Class %1").arg(i + 1, 2, 10, QLatin1Char('0')));
        sim->setLatency(latencyMs);
        sim->setByteRate(byteRate);
        if (!sim->start())
            return 1;
        std::printf("%s\n", qPrintable(sim->portPath()));
        sims.push_back(std::move(sim));
    }
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) { }
    return 0;
}

void ClassSendBench::run(int runs)
{
    CalculatorProcess calcs;
    if (!calcs.start(calculators)) {
        std::fprintf(stderr, "the calculators' process did not start\n");
        return;
    }
    classSend(runs, calcs.ports());
    if (!m_window.isEmpty())
        windowMemory(calcs.ports());
}

void ClassSendBench::classSend(int runs, const QStringList &ports)
{
    QTemporaryDir dir;
    const QList<QUrl> urls = writeClassSet(dir);
    if (urls.isEmpty())
        return;
    VivuRuzaModel calcModel;
    VoriFileModel fileModel;
    CVivuRuzaSession session;
    QList<CalcPort> calcPorts;
    for (int i = 0; i < ports.size(); ++i)
        calcPorts.append(CalcPort(QStringLiteral("ttyACM%1").arg(i), ports.at(i)));
    session.setPortSource([&calcPorts] { return calcPorts; });
    session.setModels(&calcModel, &fileModel);
    MainThreadStall::longestGapMs([&session] { session.update(); },
        [&] { return session.workerCount() == ports.size() && session.readingCount() == 0; },
        60000);
    if (session.workerCount() != ports.size()) {
        std::fprintf(
            stderr, "%d of %d calculators attached\n", session.workerCount(), int(ports.size()));
        return;
    }
    // The one calculator is the first, chosen as in the window.
    session.setChosen(0, true);

    // Every run replaces files the one before left, the first one too.
    if (sendOnce(session, urls, true, calculators).seconds < 0)
        return;
    std::vector<double> many, one, stalls, cpu;
    for (int r = 0; r < runs; ++r) {
        const SendRun all = sendOnce(session, urls, true, calculators);
        const SendRun single = sendOnce(session, urls, false, 1);
        if (all.seconds < 0 || single.seconds < 0)
            return;
        many.push_back(all.seconds);
        one.push_back(single.seconds);
        stalls.push_back(all.stallMs);
        cpu.push_back(all.cpuSeconds / calculators);
    }
    const QString name = QStringLiteral("class_send_%1").arg(calculators);
    Figures::printRatio(name, Figures::median(many) * 1000, Figures::median(one) * 1000, "ms");
    // The worst run's stall: the target is for every run. The median beside
    // it tells a stall of the session from the machine's other work taking
    // the processor once.
    Figures::print(QStringLiteral("class_main_thread_stall_ms"),
        *std::max_element(stalls.begin(), stalls.end()), "ms");
    Figures::print(
        QStringLiteral("class_main_thread_stall_median_ms"), Figures::median(stalls), "ms");
    Figures::print(
        QStringLiteral("class_session_cpu_ms_per_calc"), Figures::median(cpu) * 1000, "ms");
}

// The app's window, offscreen, with no calculator and with the class listed.
void ClassSendBench::windowMemory(const QStringList &ports)
{
    QTemporaryDir dir;
    const QString none = dir.filePath(QStringLiteral("none"));
    const QString all = dir.filePath(QStringLiteral("all"));
    QFile noneFile(none);
    QFile allFile(all);
    if (!noneFile.open(QIODevice::WriteOnly) || !allFile.open(QIODevice::WriteOnly))
        return;
    allFile.write((ports.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    noneFile.close();
    allFile.close();

    const auto residentKiB = [&](const QString &portsFile, int count) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        // The window remembers settings; not in the user's own.
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        p.setProcessEnvironment(env);
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(m_window, { portsFile, QString::number(count) });
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit
            || p.exitCode() != 0)
            return -1L;
        bool ok = false;
        const long kib = p.readAllStandardOutput().trimmed().toLong(&ok);
        return ok ? kib : -1L;
    };
    const long empty = residentKiB(none, 0);
    const long full = residentKiB(all, int(ports.size()));
    if (empty < 0 || full < 0) {
        std::fprintf(stderr, "the window did not list the calculators\n");
        return;
    }
    Figures::print(QStringLiteral("window_rss_no_calcs"), empty / 1024.0, "MiB");
    Figures::print(QStringLiteral("window_rss_%1_calcs").arg(ports.size()), full / 1024.0, "MiB");
    Figures::print(
        QStringLiteral("window_rss_per_calc"), (full - empty) / double(ports.size()), "KiB");
}
