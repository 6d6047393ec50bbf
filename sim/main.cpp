#include "CalcSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <pthread.h>

using VivuRuza::calcMsg;

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool fail(const QString &text)
{
    err() << "vuve-calcsim: " << text << Qt::endl;
    return false;
}

bool parseNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

bool parseMsgType(const QString &text, int &value)
{
    calcMsg::msgType type;
    if (calcMsg::msgType_Parse(text.toUpper().toStdString(), &type)) {
        value = type;
        return true;
    }
    return parseNumber(text, value) && calcMsg::msgType_IsValid(value);
}

bool parseErrType(const QString &text, int &value)
{
    calcMsg::errType type;
    if (calcMsg::errType_Parse(text.toUpper().toStdString(), &type)) {
        value = type;
        return true;
    }
    return parseNumber(text, value);
}

QList<QPair<QString, QByteArray>> sampleFiles()
{
    QList<QPair<QString, QByteArray>> files;
    files.append(qMakePair(QStringLiteral("MAIN.py"),
        QByteArray("# Greets the user and counts down.\n"
                   "def main():\n"
                   "    print(\"Hello from the calculator\")\n"
                   "    for i in range(3, 0, -1):\n"
                   "        print(i)\n"
                   "\n"
                   "main()\n")));
    files.append(qMakePair(QStringLiteral("GRAPH.py"),
        QByteArray("import math\n"
                   "\n"
                   "# A table of sin(x) for x from 0 to 2 pi.\n"
                   "steps = 16\n"
                   "for k in range(steps + 1):\n"
                   "    x = 2 * math.pi * k / steps\n"
                   "    print(\"%5.2f %+.4f\" % (x, math.sin(x)))\n")));
    files.append(qMakePair(QStringLiteral("NOTES.txt"),
        QByteArray("Exam on Friday: bring spare batteries.\n"
                   "Quadratic: x = (-b +- sqrt(b^2 - 4ac)) / 2a\n")));
    return files;
}

bool parseDelay(const QString &text, int &value)
{
    return parseNumber(text, value) && value >= 0;
}

// The faults that change when and how replies are written.
bool configureReplyFaults(const QCommandLineParser &parser, CalcSimulator &sim)
{
    if (parser.isSet(QStringLiteral("late-reply"))) {
        const QStringList parts
            = parser.value(QStringLiteral("late-reply")).split(QLatin1Char(':'));
        int type = 0;
        int ms = 0;
        if (parts.size() != 2 || !parseMsgType(parts.at(0), type) || !parseNumber(parts.at(1), ms)
            || ms <= 0)
            return fail(QStringLiteral("--late-reply needs TYPE:MS with MS above 0"));
        sim.setLateReply(type, ms);
    }
    if (parser.isSet(QStringLiteral("held-reply"))) {
        int type = 0;
        if (!parseMsgType(parser.value(QStringLiteral("held-reply")), type))
            return fail(QStringLiteral("unknown message type in --held-reply"));
        sim.setHeldReply(type);
    }
    if (parser.isSet(QStringLiteral("reply-delay"))) {
        int ms = 0;
        if (!parseDelay(parser.value(QStringLiteral("reply-delay")), ms))
            return fail(QStringLiteral("--reply-delay needs a number of ms, 0 or more"));
        sim.setReplyDelay(ms);
    }
    if (parser.isSet(QStringLiteral("trickle"))) {
        int ms = 0;
        if (!parseDelay(parser.value(QStringLiteral("trickle")), ms))
            return fail(QStringLiteral("--trickle needs a number of ms, 0 or more"));
        sim.setTrickle(ms);
    }
    sim.setBrokenUtf8DeviceName(parser.isSet(QStringLiteral("broken-utf8-name")));
    if (parser.isSet(QStringLiteral("broken-utf8-file"))) {
        const QString name = parser.value(QStringLiteral("broken-utf8-file"));
        if (name.isEmpty())
            return fail(QStringLiteral("--broken-utf8-file needs a file name"));
        sim.setBrokenUtf8FileName(name);
    }
    if (parser.isSet(QStringLiteral("oversize"))) {
        const QString kind = parser.value(QStringLiteral("oversize"));
        if (kind == QLatin1String("size"))
            sim.setOversize(CalcSimulator::Oversize::FileSize);
        else if (kind == QLatin1String("count"))
            sim.setOversize(CalcSimulator::Oversize::FilesNum);
        else
            return fail(QStringLiteral("--oversize takes size or count"));
    }
    if (parser.isSet(QStringLiteral("announce-files"))) {
        bool ok = false;
        const qint64 count = parser.value(QStringLiteral("announce-files")).toLongLong(&ok);
        if (!ok)
            return fail(QStringLiteral("--announce-files needs a number"));
        sim.setAnnouncedFileCount(count);
    }
    sim.setEndlessListing(parser.isSet(QStringLiteral("endless-listing")));
    if (parser.isSet(QStringLiteral("listing-type"))) {
        int type = 0;
        if (!parseMsgType(parser.value(QStringLiteral("listing-type")), type))
            return fail(QStringLiteral("unknown message type in --listing-type"));
        sim.setListingEntryType(type);
    }
    if (parser.isSet(QStringLiteral("frame-reply"))) {
        const QString value = parser.value(QStringLiteral("frame-reply"));
        int type = -1;
        if (value != QLatin1String("empty") && !parseMsgType(value, type))
            return fail(QStringLiteral("--frame-reply takes a message type or empty"));
        sim.setFrameReply(type);
    }
    sim.setCorruptStore(parser.isSet(QStringLiteral("corrupt-store")));
    sim.setStoreWhileReceiving(parser.isSet(QStringLiteral("store-while-receiving")));
    return true;
}

// Applies the command line to the simulator; false after a message on stderr.
bool configure(const QCommandLineParser &parser, CalcSimulator &sim)
{
    if (parser.isSet(QStringLiteral("name")))
        sim.setName(parser.value(QStringLiteral("name")));
    if (parser.isSet(QStringLiteral("chunk"))) {
        int chunk = 0;
        if (!parseNumber(parser.value(QStringLiteral("chunk")), chunk))
            return fail(QStringLiteral("--chunk needs a number"));
        sim.setMaxChunkSize(chunk);
    }
    sim.setVersions(parser.value(QStringLiteral("hv")), parser.value(QStringLiteral("fv")),
        parser.value(QStringLiteral("pv")));
    if (parser.isSet(QStringLiteral("latency"))) {
        int ms = 0;
        if (!parseDelay(parser.value(QStringLiteral("latency")), ms))
            return fail(QStringLiteral("--latency needs a number of ms, 0 or more"));
        sim.setLatency(ms);
    }
    if (parser.isSet(QStringLiteral("byte-rate"))) {
        bool ok = false;
        const qint64 rate = parser.value(QStringLiteral("byte-rate")).toLongLong(&ok);
        if (!ok || rate < 0)
            return fail(QStringLiteral("--byte-rate needs a number of bytes a second, 0 or more"));
        sim.setByteRate(rate);
    }

    if (parser.isSet(QStringLiteral("folder"))) {
        const QString folder = parser.value(QStringLiteral("folder"));
        if (!QFileInfo(folder).isDir())
            return fail(QStringLiteral("no such folder: %1").arg(folder));
        sim.setBackingFolder(QFileInfo(folder).absoluteFilePath());
    }
    QList<QPair<QString, QByteArray>> files = sim.files();
    if (parser.isSet(QStringLiteral("sample")))
        files += sampleFiles();
    const QStringList fileArgs = parser.values(QStringLiteral("file"));
    for (const QString &arg : fileArgs) {
        const int eq = arg.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(QStringLiteral("--file needs NAME=LOCALPATH, got %1").arg(arg));
        QFile local(arg.mid(eq + 1));
        if (!local.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(local.fileName()));
        files.append(qMakePair(arg.left(eq), local.readAll()));
    }
    sim.setFiles(files);

    sim.setSilent(parser.isSet(QStringLiteral("silent")));
    const QStringList refusals = parser.values(QStringLiteral("refuse"));
    for (const QString &arg : refusals) {
        const QStringList parts = arg.split(QLatin1Char(':'));
        int type = 0;
        int error = 0;
        int number = 0;
        if (!parseMsgType(parts.value(0), type))
            return fail(QStringLiteral("unknown message type in --refuse %1").arg(arg));
        if (parts.size() > 1 && !parseErrType(parts.at(1), error))
            return fail(QStringLiteral("unknown error in --refuse %1").arg(arg));
        if (parts.size() > 2 && !parseNumber(parts.at(2), number))
            return fail(QStringLiteral("bad error number in --refuse %1").arg(arg));
        // The text is the rest, colons included.
        const QString text = parts.size() > 3 ? parts.mid(3).join(QLatin1Char(':')) : QString();
        sim.setRefusal(type, error, number, text);
    }
    if (parser.isSet(QStringLiteral("unplug-during"))) {
        const QStringList parts
            = parser.value(QStringLiteral("unplug-during")).split(QLatin1Char(':'));
        int type = 0;
        int index = 0;
        if (!parseMsgType(parts.value(0), type)
            || (parts.size() > 1 && !parseNumber(parts.at(1), index)))
            return fail(QStringLiteral("--unplug-during needs TYPE[:N]"));
        sim.setUnplugDuring(type, index);
        int replug = 0;
        if (parser.isSet(QStringLiteral("replug-after"))
            && !parseNumber(parser.value(QStringLiteral("replug-after")), replug))
            return fail(QStringLiteral("--replug-after needs a number"));
        sim.setReplugAfter(replug);
    }
    if (parser.isSet(QStringLiteral("junk"))) {
        const QByteArray hex = parser.value(QStringLiteral("junk")).toLatin1();
        const QByteArray junk = QByteArray::fromHex(hex);
        if (junk.isEmpty() || junk.toHex() != hex.toLower())
            return fail(QStringLiteral("--junk needs hexadecimal bytes, e.g. 00ff43"));
        sim.setJunkBeforeFrames(junk);
    }
    if (parser.isSet(QStringLiteral("split"))) {
        int pieces = 0;
        if (!parseNumber(parser.value(QStringLiteral("split")), pieces) || pieces < 1)
            return fail(QStringLiteral("--split needs a positive number"));
        sim.setSplitWrites(pieces);
    }
    sim.setDownloadOutOfOrder(parser.isSet(QStringLiteral("out-of-order")));
    if (parser.isSet(QStringLiteral("bad-frame"))) {
        const QString kind = parser.value(QStringLiteral("bad-frame"));
        if (kind == QLatin1String("num"))
            sim.setDownloadFrameFault(CalcSimulator::FrameFault::BadFrameNum);
        else if (kind == QLatin1String("size"))
            sim.setDownloadFrameFault(CalcSimulator::FrameFault::BadSize);
        else if (kind == QLatin1String("nodata"))
            sim.setDownloadFrameFault(CalcSimulator::FrameFault::NoData);
        else if (kind == QLatin1String("repeat"))
            sim.setDownloadFrameFault(CalcSimulator::FrameFault::Repeated);
        else if (kind == QLatin1String("long"))
            sim.setDownloadFrameFault(CalcSimulator::FrameFault::LongData);
        else if (kind == QLatin1String("twoblocks"))
            sim.setDownloadFrameFault(CalcSimulator::FrameFault::TwoBlocks);
        else
            return fail(
                QStringLiteral("--bad-frame takes num, size, nodata, repeat, long or twoblocks"));
    }
    return configureReplyFaults(parser, sim);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vuve-calcsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VUVE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Serves one simulated calculator on a pseudo-terminal until interrupted.\n"
        "Prints the device path to open (e.g. /dev/pts/7) on the first line of output."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        { QStringLiteral("link"),
            QStringLiteral("Also make a symbolic link to the device at <path>."),
            QStringLiteral("path") },
        { QStringLiteral("name"), QStringLiteral("Device name (default \"Vori X1\")."),
            QStringLiteral("name") },
        { QStringLiteral("chunk"), QStringLiteral("Announced maxChunkSize (default 512)."),
            QStringLiteral("bytes") },
        { QStringLiteral("hv"), QStringLiteral("Hardware version string."), QStringLiteral("text"),
            QStringLiteral("HW1.2") },
        { QStringLiteral("fv"), QStringLiteral("Firmware version string."), QStringLiteral("text"),
            QStringLiteral("FW3.0.1") },
        { QStringLiteral("pv"), QStringLiteral("Protocol version string."), QStringLiteral("text"),
            QStringLiteral("PR1") },
        { QStringLiteral("latency"),
            QStringLiteral("Pace the link like a calculator's USB: begin every reply <ms> ms "
                           "after its request (default 0: at once)."),
            QStringLiteral("ms") },
        { QStringLiteral("byte-rate"),
            QStringLiteral("Pace the link like a calculator's USB: no faster than <bytes> a "
                           "second, the request's and the reply's bytes together (default 0: no "
                           "limit). E.g. --latency 1 --byte-rate 1000000."),
            QStringLiteral("bytes") },
        { QStringLiteral("folder"),
            QStringLiteral("Load the files from <dir> and save uploads and deletions there."),
            QStringLiteral("dir") },
        { QStringLiteral("file"),
            QStringLiteral("Add a file named NAME with the content of LOCALPATH (repeatable)."),
            QStringLiteral("NAME=LOCALPATH") },
        { QStringLiteral("sample"), QStringLiteral("Add a few sample files.") },
        { QStringLiteral("silent"), QStringLiteral("Read everything, answer nothing.") },
        { QStringLiteral("refuse"),
            QStringLiteral("Answer every message of TYPE (e.g. SEND_FILE, DELETE_FILE, FRAME) with "
                           "FAILED; ERROR is an error name (e.g. FILE_NOT_EXIST) or number "
                           "(repeatable)."),
            QStringLiteral("TYPE[:ERROR[:NUM[:TEXT]]]") },
        { QStringLiteral("unplug-during"),
            QStringLiteral("Cut the N-th reply (default 0) to a TYPE request in half, then answer "
                           "nothing more."),
            QStringLiteral("TYPE[:N]") },
        { QStringLiteral("replug-after"),
            QStringLiteral("With --unplug-during: answer again <ms> after the unplug."),
            QStringLiteral("ms") },
        { QStringLiteral("junk"), QStringLiteral("Send these bytes before every frame."),
            QStringLiteral("HEX") },
        { QStringLiteral("split"), QStringLiteral("Write every frame in N pieces."),
            QStringLiteral("N") },
        { QStringLiteral("out-of-order"),
            QStringLiteral("Send download frames from the last to the first.") },
        { QStringLiteral("bad-frame"),
            QStringLiteral("Spoil the first frame of every download: wrong frame number, wrong "
                           "size, or no data; send it twice, in place of the second; or make "
                           "it carry more than its size, in its data or in a second block."),
            QStringLiteral("num|size|nodata|repeat|long|twoblocks") },
        { QStringLiteral("late-reply"),
            QStringLiteral(
                "Hold the next reply to a TYPE message back <MS> ms (once); from then on "
                "replies the computer left unread are never dropped."),
            QStringLiteral("TYPE:MS") },
        { QStringLiteral("held-reply"),
            QStringLiteral("Hold the next reply to a TYPE message back until the computer sends "
                           "another message (once), as a computer that gave up and asks anew "
                           "finds it; from then on replies left unread are never dropped."),
            QStringLiteral("TYPE") },
        { QStringLiteral("reply-delay"), QStringLiteral("Write every reply frame <ms> ms late."),
            QStringLiteral("ms") },
        { QStringLiteral("trickle"),
            QStringLiteral("Write every reply one byte at a time, <ms> ms apart."),
            QStringLiteral("ms") },
        { QStringLiteral("broken-utf8-name"),
            QStringLiteral(
                "End the device name in SEND_DEVICE_INF with bytes that are not UTF-8.") },
        { QStringLiteral("broken-utf8-file"),
            QStringLiteral("End the name in the listing entry of file NAME with bytes that are not "
                           "UTF-8."),
            QStringLiteral("NAME") },
        { QStringLiteral("oversize"),
            QStringLiteral("Send the listed file sizes (size) or the number of files (count) as "
                           "the true value + 2^32, too large for their 32-bit field."),
            QStringLiteral("size|count") },
        { QStringLiteral("announce-files"),
            QStringLiteral("Announce N files in SEND_FILES_NUM, whatever the real number (clamped "
                           "to 32 bits)."),
            QStringLiteral("N") },
        { QStringLiteral("endless-listing"),
            QStringLiteral("Answer every acknowledgement of a listing with one more entry, for "
                           "ever.") },
        { QStringLiteral("listing-type"),
            QStringLiteral("Send listing entries as messages of TYPE instead of SEND_FILE_INF."),
            QStringLiteral("TYPE") },
        { QStringLiteral("frame-reply"),
            QStringLiteral("Answer upload frames with a message of only TYPE instead of SUCCESS, "
                           "or with an empty frame (the data is still stored)."),
            QStringLiteral("TYPE|empty") },
        { QStringLiteral("corrupt-store"),
            QStringLiteral("Acknowledge every upload as usual but store it with one byte wrong.") },
        { QStringLiteral("store-while-receiving"),
            QStringLiteral("Store every upload as its frames arrive, as a calculator that writes "
                           "in place does: the file is listed at its full size from the start, "
                           "and an upload stopped midway leaves it part-written.") },
    });
    parser.process(app);

    CalcSimulator sim;
    if (!configure(parser, sim))
        return 2;

    // Blocked before the serving thread exists, so that it inherits the mask
    // and the signals reach sigwait below.
    // A shell starts background jobs with SIGINT ignored, and an ignored
    // signal never reaches sigwait.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    if (!sim.start()) {
        fail(QStringLiteral("cannot open a pseudo-terminal"));
        return 1;
    }
    const QString link = parser.value(QStringLiteral("link"));
    if (!link.isEmpty()) {
        if (QFileInfo(link).isSymLink())
            QFile::remove(link);
        if (!QFile::link(sim.portPath(), link)) {
            fail(QStringLiteral("cannot make the link %1").arg(link));
            return 1;
        }
    }
    std::printf("%s\n", sim.portPath().toLocal8Bit().constData());
    std::fflush(stdout);

    int sig = 0;
    sigwait(&stopSignals, &sig);

    sim.stop();
    if (!link.isEmpty())
        QFile::remove(link);
    return 0;
}
