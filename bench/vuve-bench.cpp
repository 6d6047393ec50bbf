// Transfer, listing, idle, memory and discovery figures, one line each:
// "name value unit". Where a figure has a reference measured in the same run,
// a "<name>_ratio" line follows.
//
// The reference for a transfer is the medium itself: the same number of round
// trips of the same byte sizes over a pseudo-terminal, one raw write and one
// blocking read each way, with no protocol.

#include "CVivuRuza.h"
#include "CVivuRuzaSession.h"
#include "CalcSimulator.h"
#include "ClassSendBench.h"
#include "CtlBackupBench.h"
#include "CtlCollectBench.h"
#include "CtlSyncBench.h"
#include "Figures.h"
#include "MainThreadStall.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"
#include "serializeData.pb.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <random>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

using VivuRuza::calcMsg;

namespace {

struct RoundTrip
{
    int request;
    int reply;
};

int frameBytes(const calcMsg &msg)
{
    return int(msg.ByteSizeLong()) + 6;
}

int ackBytes()
{
    calcMsg ack;
    ack.set_type(calcMsg::SUCCESS);
    return frameBytes(ack);
}

calcMsg dataFrame(int k, int n)
{
    calcMsg m;
    m.set_type(calcMsg::FRAME);
    m.mutable_frame()->set_framenum(k);
    m.mutable_frame()->set_size(n);
    m.mutable_frame()->add_data(std::string(size_t(n), 'x'));
    return m;
}

calcMsg fileRequest(calcMsg::msgType type, const char *name, int size)
{
    calcMsg m;
    m.set_type(type);
    m.mutable_finf()->set_name(name);
    m.mutable_finf()->set_size(size);
    return m;
}

// What the link puts on the wire to send a file: the announcement, then
// floor(size / chunk) + 1 frames, each answered.
std::vector<RoundTrip> sendTrips(int size, int chunk)
{
    std::vector<RoundTrip> trips;
    trips.push_back({ frameBytes(fileRequest(calcMsg::SEND_FILE, "BENCH.BIN", size)), ackBytes() });
    for (int k = 0, offset = 0; offset <= size; ++k, offset += chunk)
        trips.push_back({ frameBytes(dataFrame(k, std::min(chunk, size - offset))), ackBytes() });
    return trips;
}

// A download: the request brings frame 0, each acknowledgement the next one.
std::vector<RoundTrip> getTrips(int size, int chunk)
{
    std::vector<RoundTrip> trips;
    const int count = (size + chunk - 1) / chunk;
    for (int k = 0; k < count; ++k) {
        const int request
            = k == 0 ? frameBytes(fileRequest(calcMsg::GET_FILE, "BENCH.BIN", size)) : ackBytes();
        trips.push_back({ request, frameBytes(dataFrame(k, std::min(chunk, size - k * chunk))) });
    }
    return trips;
}

std::vector<RoundTrip> listTrips(const QList<QPair<QString, QByteArray>> &files)
{
    std::vector<RoundTrip> trips;
    calcMsg req, num;
    req.set_type(calcMsg::GET_FILES_NUM);
    num.set_type(calcMsg::SEND_FILES_NUM);
    num.set_numberoffiles(files.size());
    trips.push_back({ frameBytes(req), frameBytes(num) });
    for (int i = 0; i < files.size(); ++i) {
        req.Clear();
        req.set_type(i == 0 ? calcMsg::GET_FILES_INF : calcMsg::SUCCESS);
        calcMsg entry = fileRequest(calcMsg::SEND_FILE_INF, files.at(i).first.toUtf8().constData(),
            files.at(i).second.size());
        trips.push_back({ frameBytes(req), frameBytes(entry) });
    }
    return trips;
}

bool fullRead(int fd, char *buf, int n)
{
    while (n > 0) {
        const ssize_t got = ::read(fd, buf, size_t(n));
        if (got <= 0)
            return false;
        buf += got;
        n -= int(got);
    }
    return true;
}

bool fullWrite(int fd, const char *buf, int n)
{
    while (n > 0) {
        const ssize_t put = ::write(fd, buf, size_t(n));
        if (put <= 0)
            return false;
        buf += put;
        n -= int(put);
    }
    return true;
}

// The physical limit: the same round trips over a raw pseudo-terminal.
double rawSeconds(const std::vector<RoundTrip> &trips)
{
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return -1;
    termios raw;
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    int largest = 0;
    for (const RoundTrip &t : trips)
        largest = std::max({ largest, t.request, t.reply });
    std::thread peer([&] {
        std::vector<char> buf(size_t(largest) + 1, 'r');
        for (const RoundTrip &t : trips) {
            if (!fullRead(master, buf.data(), t.request) || !fullWrite(master, buf.data(), t.reply))
                return;
        }
    });
    std::vector<char> buf(size_t(largest) + 1, 'c');
    QElapsedTimer clock;
    clock.start();
    for (const RoundTrip &t : trips) {
        fullWrite(slave, buf.data(), t.request);
        fullRead(slave, buf.data(), t.reply);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    peer.join();
    ::close(slave);
    ::close(master);
    return seconds;
}

QByteArray randomBytes(int size)
{
    std::mt19937 gen(42);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(gen() & 0xFF);
    return bytes;
}

// Runs the figure and its reference in turn, so that whatever else the
// machine does weighs on both alike; the medians go to Figures::printRatio.
template<typename F, typename R>
std::pair<double, double> pairedMedians(int runs, F measure, R reference)
{
    std::vector<double> values, references;
    for (int i = 0; i < runs; ++i) {
        values.push_back(measure());
        references.push_back(reference());
    }
    return { Figures::median(values), Figures::median(references) };
}

template<typename F> double median(int runs, F measure)
{
    std::vector<double> values;
    for (int i = 0; i < runs; ++i)
        values.push_back(measure());
    return Figures::median(values);
}

void transfers(int runs, const QList<int> &chunks)
{
    const int size = CVivuRuza::maxUploadSize;
    const QByteArray content = randomBytes(size);
    for (int chunk : chunks) {
        CalcSimulator sim;
        sim.setMaxChunkSize(chunk);
        sim.setFiles({ { QStringLiteral("BENCH.BIN"), content } });
        if (!sim.start()) {
            std::fprintf(stderr, "simulator did not start\n");
            return;
        }
        CVivuRuza link(sim.portPath());
        VivuRuza::fileInf inf;
        inf.set_name("BENCH.BIN");
        inf.set_size(size);

        const auto [send, sendRaw] = pairedMedians(
            runs,
            [&] {
                QElapsedTimer clock;
                clock.start();
                if (!link.sendFile(inf, content))
                    std::fprintf(stderr, "send failed at chunk %d\n", chunk);
                return clock.nsecsElapsed() / 1e9;
            },
            [&] { return rawSeconds(sendTrips(size, chunk)); });
        Figures::printRatio(
            QStringLiteral("send_1MiB_chunk%1").arg(chunk), send * 1000, sendRaw * 1000, "ms");

        const auto [get, getRaw] = pairedMedians(
            runs,
            [&] {
                QElapsedTimer clock;
                clock.start();
                if (link.getFile(inf) != content)
                    std::fprintf(stderr, "download differs at chunk %d\n", chunk);
                return clock.nsecsElapsed() / 1e9;
            },
            [&] { return rawSeconds(getTrips(size, chunk)); });
        Figures::printRatio(
            QStringLiteral("get_1MiB_chunk%1").arg(chunk), get * 1000, getRaw * 1000, "ms");
    }
}

void listing(int runs)
{
    QList<QPair<QString, QByteArray>> files;
    for (int i = 0; i < 1000; ++i)
        files.append(
            { QStringLiteral("F%1.PY").arg(i, 4, 10, QLatin1Char('0')), QByteArray(i % 97, 'p') });
    CalcSimulator sim;
    sim.setFiles(files);
    if (!sim.start())
        return;
    CVivuRuza link(sim.portPath());
    const auto [list, raw] = pairedMedians(
        runs,
        [&] {
            QElapsedTimer clock;
            clock.start();
            if (link.getFilesInf().size() != files.size())
                std::fprintf(stderr, "listing incomplete\n");
            return clock.nsecsElapsed() / 1e9;
        },
        [&] { return rawSeconds(listTrips(files)); });
    Figures::printRatio(QStringLiteral("list_1000_files"), list * 1000, raw * 1000, "ms");
}

void memory(const QString &vuvectl)
{
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("big.bin"));
    QFile f(local);
    f.open(QIODevice::WriteOnly);
    f.write(randomBytes(CVivuRuza::maxUploadSize));
    f.close();
    CalcSimulator sim;
    if (!sim.start())
        return;
    const QStringList port { QStringLiteral("--port"), sim.portPath() };
    const long info = Figures::peakRssKiB(vuvectl, port + QStringList { QStringLiteral("info") });
    const long put
        = Figures::peakRssKiB(vuvectl, port + QStringList { QStringLiteral("put"), local });
    if (info < 0 || put < 0) {
        std::fprintf(stderr, "vuvectl failed\n");
        return;
    }
    Figures::print(QStringLiteral("vuvectl_info_peak_rss"), info / 1024.0, "MiB");
    Figures::print(QStringLiteral("vuvectl_put_1MiB_peak_rss"), put / 1024.0, "MiB");
    Figures::print(QStringLiteral("vuvectl_put_extra_rss"), (put - info) / 1024.0, "MiB");
}

double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / double(::sysconf(_SC_CLK_TCK));
}

void idle(const QString &app, int seconds)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(app, QStringList());
    if (!p.waitForStarted()) {
        std::fprintf(stderr, "%s did not start\n", qPrintable(app));
        return;
    }
    // Start-up is not idling.
    QThread::sleep(3);
    const double before = cpuSeconds(p.processId());
    QElapsedTimer clock;
    clock.start();
    QThread::sleep(ulong(seconds));
    const double after = cpuSeconds(p.processId());
    const double wall = clock.nsecsElapsed() / 1e9;
    p.terminate();
    p.waitForFinished(5000);
    if (before < 0 || after < 0) {
        std::fprintf(stderr, "app exited early\n");
        return;
    }
    Figures::print(
        QStringLiteral("idle_cpu_%1s").arg(seconds), (after - before) / wall * 100.0, "%core");
}

// A newly attached calculator with 100 files, from the poll that finds it
// until its files are listed: its first reading runs in a job thread, so the
// main thread only polls and fills the models.
void discovery(int runs)
{
    QList<QPair<QString, QByteArray>> files;
    for (int i = 0; i < 100; ++i)
        files.append(
            { QStringLiteral("F%1.PY").arg(i, 3, 10, QLatin1Char('0')), QByteArray(i, 'p') });
    const double stall = median(runs, [&] {
        CalcSimulator sim;
        sim.setFiles(files);
        if (!sim.start())
            return -1.0;
        VivuRuzaModel calcModel;
        VoriFileModel fileModel;
        CVivuRuzaSession session;
        session.setModels(&calcModel, &fileModel);
        const QList<CalcPort> ports { CalcPort(QStringLiteral("ttyACM0"), sim.portPath()) };
        session.setPortSource([&ports] { return ports; });
        const double ms = MainThreadStall::longestGapMs([&session] { session.update(); },
            [&] { return fileModel.rowCount() == files.size(); }, 20000);
        if (fileModel.rowCount() != files.size())
            std::fprintf(stderr, "discovery listed %d files\n", fileModel.rowCount());
        return ms / 1000.0;
    });
    Figures::print(QStringLiteral("discovery_stall_100_files"), stall * 1000, "ms");
}

// The session polling as in the app, once a second, with a device attached
// that never gives a calculator: one that never answers, and one whose file
// listing never ends.
void deviceStalls(int seconds)
{
    for (const bool endless : { false, true }) {
        CalcSimulator sim;
        if (endless) {
            sim.setAnnouncedFileCount(CVivuRuza::maxListedFiles);
            sim.setEndlessListing(true);
        } else {
            sim.setSilent(true);
        }
        if (!sim.start())
            return;
        VivuRuzaModel calcModel;
        VoriFileModel fileModel;
        CVivuRuzaSession session;
        const QList<CalcPort> ports { CalcPort(QStringLiteral("ttyACM0"), sim.portPath()) };
        session.setPortSource([&ports] { return ports; });
        session.setModels(&calcModel, &fileModel);
        const double ms
            = MainThreadStall::longestGapMs([] {}, [] { return false; }, seconds * 1000);
        Figures::print(
            QStringLiteral("main_thread_stall_%1_%2s")
                .arg(endless ? QStringLiteral("endless_listing") : QStringLiteral("silent"))
                .arg(seconds),
            ms, "ms");
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vuve Vudurod figures: name value unit"));
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"),
        QStringLiteral("Runs per figure (median)."), QStringLiteral("N"), QStringLiteral("9"));
    const QCommandLineOption vuvectl(
        QStringLiteral("vuvectl"), QStringLiteral("vuvectl to measure."), QStringLiteral("PATH"));
    const QCommandLineOption appPath(QStringLiteral("app"),
        QStringLiteral("The app, for the idle figure."), QStringLiteral("PATH"));
    const QCommandLineOption idleSeconds(QStringLiteral("idle-seconds"),
        QStringLiteral("How long to watch the idle app."), QStringLiteral("S"),
        QStringLiteral("30"));
    const QCommandLineOption chunks(QStringLiteral("chunks"),
        QStringLiteral("Chunk sizes for the transfer figures."), QStringLiteral("LIST"),
        QStringLiteral("256,512,4096,32768"));
    const QCommandLineOption noListing(
        QStringLiteral("no-listing"), QStringLiteral("Skip the listing figure."));
    const QCommandLineOption stallSeconds(QStringLiteral("stall-seconds"),
        QStringLiteral("How long to watch the main thread beside each faulty device."),
        QStringLiteral("S"), QStringLiteral("30"));
    const QCommandLineOption classOnly(QStringLiteral("class-only"),
        QStringLiteral("Only the figures of a send to a class of calculators."));
    const QCommandLineOption collectOnly(QStringLiteral("collect-only"),
        QStringLiteral("Only the figure of vuvectl collecting and clearing a class (needs "
                       "--vuvectl)."));
    const QCommandLineOption syncOnly(QStringLiteral("sync-only"),
        QStringLiteral("Only the figures of vuvectl comparing and syncing a class with a folder "
                       "(needs --vuvectl)."));
    QCommandLineOption serve(QString::fromLatin1(ClassSendBench::serveOption()),
        QStringLiteral("Serve N paced simulated calculators (the bench's own use)."),
        QStringLiteral("N"));
    serve.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({ runs, vuvectl, appPath, idleSeconds, chunks, noListing, stallSeconds,
        classOnly, collectOnly, syncOnly, serve });
    parser.process(app);
    ::signal(SIGPIPE, SIG_IGN);
    if (parser.isSet(serve))
        return ClassSendBench::serveCalculators(parser.value(serve).toInt());

    std::printf("cores %d count\n", QThread::idealThreadCount());
    const int n = std::max(1, parser.value(runs).toInt());
    // The window's memory is read by a program of its own, beside this one.
    const QString window
        = QCoreApplication::applicationDirPath() + QStringLiteral("/vuve-bench-window");
    ClassSendBench classBench(QFile::exists(window) ? window : QString());
    if (parser.isSet(classOnly)) {
        classBench.run(n);
        return 0;
    }
    if (parser.isSet(collectOnly)) {
        if (parser.isSet(vuvectl))
            CtlCollectBench(parser.value(vuvectl)).run(n);
        return 0;
    }
    if (parser.isSet(syncOnly)) {
        if (parser.isSet(vuvectl))
            CtlSyncBench(parser.value(vuvectl)).run(n);
        return 0;
    }
    QList<int> chunkSizes;
    for (const QString &c : parser.value(chunks).split(QLatin1Char(','), Qt::SkipEmptyParts))
        chunkSizes.append(c.toInt());
    transfers(n, chunkSizes);
    if (!parser.isSet(noListing))
        listing(n);
    discovery(n);
    deviceStalls(std::max(1, parser.value(stallSeconds).toInt()));
    if (parser.isSet(vuvectl))
        memory(parser.value(vuvectl));
    if (parser.isSet(vuvectl))
        CtlBackupBench(parser.value(vuvectl)).run(n);
    if (parser.isSet(vuvectl))
        CtlCollectBench(parser.value(vuvectl)).run(n);
    if (parser.isSet(vuvectl))
        CtlSyncBench(parser.value(vuvectl)).run(n);
    classBench.run(n);
    if (parser.isSet(appPath))
        idle(parser.value(appPath), std::max(1, parser.value(idleSeconds).toInt()));
    return 0;
}
