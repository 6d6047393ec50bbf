#include "VuveCtl.h"

#include "CalcRunner.h"
#include "ConflictAsker.h"
#include "FrameCodec.h"
#include "PortWatcher.h"
#include "ProgressLine.h"
#include "Reporter.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <memory>
#include <unistd.h>
#include <vector>

namespace {
const char description[] = R"(Talks to calculators over USB.

Commands:
  ports                 list the attached calculators (name, port, USB serial number)
  info                  device name, chunk size and versions
  ls                    files on the calculator (name, tab, size)
  get NAME|PATTERN...   copy files from the calculator into the current folder
                        or --to DIR; shell patterns ('*.py') match the calculator's
                        list; --all-files copies every file
  put FILE...           send files; names follow the calculator's 8.3 rule
  rm NAME|PATTERN...    delete files on the calculator (or --all-files)
  rename NEWNAME        change the device name (1 to 64 characters)
  backup [DIR]          copy every file into DIR/<device name>-<UTC time>/
                        with a manifest.json (DIR: the current folder)
  restore BACKUP_DIR    send a backup's files back and check them by listing
  watch                 print a line per calculator attached or detached,
                        until interrupted

Choosing calculators: with one attached, commands run on it. Otherwise name
it with --calc or --port, or run on all at once with --every (one result line
each).

Collisions: put and get check the whole batch before anything moves. Empty
files, files over 1 MiB and two files that would get one calculator name stop
the batch. A name already on the calculator (put, restore) or an existing
local file (get) is asked about on a terminal: yes, no, all or none.
Elsewhere --on-conflict decides; without it nothing is transferred.

Exit codes:
  0  done
  1  failed (also: any calculator failed with --every)
  2  usage error
  3  stopped by a collision (--on-conflict=fail); nothing was transferred)";

const QStringList withoutArguments { QStringLiteral("ports"), QStringLiteral("info"),
    QStringLiteral("ls"), QStringLiteral("watch") };
const QStringList commands = withoutArguments
    + QStringList { QStringLiteral("get"), QStringLiteral("put"), QStringLiteral("rm"),
          QStringLiteral("rename"), QStringLiteral("backup"), QStringLiteral("restore") };
// The window caps a device name at this many characters.
constexpr int maxDeviceName = 64;
} // namespace

QString VuveCtl::version()
{
    return QStringLiteral(VUVE_VERSION);
}

int VuveCtl::usage(const QString &message)
{
    if (!message.isEmpty())
        Reporter::print(stderr, QStringLiteral("vuvectl: ") + message);
    Reporter::print(stderr, m_usage.trimmed());
    return CalcRunner::Usage;
}

int VuveCtl::run(const QStringList &arguments)
{
    const int parsed = parse(arguments);
    if (parsed >= 0)
        return parsed;

    if (m_options.command == QLatin1String("ports"))
        return ports();
    if (m_options.command == QLatin1String("watch"))
        return PortWatcher(m_options.json).run();

    QList<PortChooser::Port> chosen;
    QString error;
    if (!PortChooser::choose(m_options, chosen, error)) {
        Reporter::print(stderr, error);
        if (m_options.json)
            Reporter::print(stdout,
                QString::fromUtf8(
                    QJsonDocument(QJsonObject { { QStringLiteral("ok"), false },
                                      { QStringLiteral("errors"), QJsonArray { error } } })
                        .toJson(QJsonDocument::Indented))
                    .trimmed());
        return CalcRunner::Failed;
    }
    if (m_options.every)
        return runEvery(chosen);
    return runOne(chosen.first().location);
}

// -1 to go on, otherwise the exit code.
int VuveCtl::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    const QCommandLineOption versionOption(
        QStringLiteral("version"), QStringLiteral("Show the version."));
    const QCommandLineOption portOption(QStringLiteral("port"),
        QStringLiteral("The calculator on this serial device (repeatable with --every)."),
        QStringLiteral("PATH"));
    const QCommandLineOption calcOption(QStringLiteral("calc"),
        QStringLiteral("The calculator with this device name, as ports lists it."),
        QStringLiteral("NAME"));
    const QCommandLineOption everyOption(QStringLiteral("every"),
        QStringLiteral("Run on every attached calculator at once (or every one that --calc or "
                       "--port names); one result line per calculator."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
        QStringLiteral("Print results as JSON: one document, or one line per calculator with "
                       "--every and per event with watch."));
    const QCommandLineOption toOption(QStringLiteral("to"),
        QStringLiteral("Folder for get (default: the current one)."), QStringLiteral("DIR"));
    const QCommandLineOption allOption(
        QStringLiteral("all-files"), QStringLiteral("get or rm every file on the calculator."));
    const QCommandLineOption conflictOption(QStringLiteral("on-conflict"),
        QStringLiteral("What to do with a name that is taken: ask (on a terminal, the default "
                       "there), replace, skip or fail (the default elsewhere)."),
        QStringLiteral("POLICY"));
    const QCommandLineOption progressOption(QStringLiteral("progress"),
        QStringLiteral("Show progress also when stderr is not a terminal (one line a second)."));
    const QCommandLineOption timeoutOption(QStringLiteral("timeout"),
        QStringLiteral("Milliseconds to wait for a reply to begin or to go on, and for each "
                       "frame of a transfer (default: 10000, 30000 and 1000)."),
        QStringLiteral("MS"));
    parser.addOptions({ helpOption, versionOption, portOption, calcOption, everyOption, jsonOption,
        toOption, allOption, conflictOption, progressOption, timeoutOption });
    parser.addPositionalArgument(QStringLiteral("command"),
        QStringLiteral("What to do (see above)."), QStringLiteral("command [args...]"));
    m_usage = parser.helpText();

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        Reporter::print(stdout, m_usage.trimmed());
        return CalcRunner::Done;
    }
    if (parser.isSet(versionOption)) {
        Reporter::print(stdout, QStringLiteral("vuvectl ") + version());
        return CalcRunner::Done;
    }

    CtlOptions &o = m_options;
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    o.command = args.takeFirst();
    o.args = args;
    o.ports = parser.values(portOption);
    o.hasCalcName = parser.isSet(calcOption);
    o.calcName = parser.value(calcOption);
    o.every = parser.isSet(everyOption);
    o.json = parser.isSet(jsonOption);
    o.allFiles = parser.isSet(allOption);
    const QString &c = o.command;
    const auto is = [&c](const char *name) { return c == QLatin1String(name); };

    if (!commands.contains(c))
        return usage(QStringLiteral("unknown command \"%1\"").arg(c));
    if (withoutArguments.contains(c) && !args.isEmpty())
        return usage(QStringLiteral("%1 takes no arguments").arg(c));
    if ((is("put") || is("rename") || is("restore")) && args.isEmpty())
        return usage(QStringLiteral("%1 needs an argument").arg(c));
    if ((is("get") || is("rm")) && args.isEmpty() && !o.allFiles)
        return usage(QStringLiteral("%1 needs names, patterns or --all-files").arg(c));
    if ((is("rename") || is("restore")) && args.size() != 1)
        return usage(QStringLiteral("%1 takes exactly one argument").arg(c));
    if (is("backup") && args.size() > 1)
        return usage(QStringLiteral("backup takes at most one folder"));
    if (is("rename") && args.first().isEmpty())
        return usage(QStringLiteral("the device name must not be empty"));
    if (is("rename") && args.first().size() > maxDeviceName)
        return usage(QStringLiteral("a device name has at most %1 characters").arg(maxDeviceName));
    if (parser.isSet(toOption) && !is("get"))
        return usage(QStringLiteral("--to goes with get only"));
    if (o.allFiles && !is("get") && !is("rm"))
        return usage(QStringLiteral("--all-files goes with get and rm only"));
    if ((is("ports") || is("watch")) && (o.every || o.hasCalcName || !o.ports.isEmpty()))
        return usage(QStringLiteral("%1 looks at every port; --port, --calc and --every do not "
                                    "go with it")
                         .arg(c));
    if (o.ports.size() > 1 && !o.every)
        return usage(QStringLiteral("several --port go with --every only"));
    if (is("get"))
        o.folder = parser.value(toOption);
    else if (is("backup") || is("restore"))
        o.folder = args.value(0);

    m_interactive = ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
    const bool transfers = is("get") || is("put") || is("restore");
    if (parser.isSet(conflictOption)) {
        const QString policy = parser.value(conflictOption);
        if (!transfers)
            return usage(QStringLiteral("--on-conflict goes with get, put and restore only"));
        if (policy == QLatin1String("ask"))
            o.conflict = CtlOptions::Conflict::Ask;
        else if (policy == QLatin1String("replace"))
            o.conflict = CtlOptions::Conflict::Replace;
        else if (policy == QLatin1String("skip"))
            o.conflict = CtlOptions::Conflict::Skip;
        else if (policy == QLatin1String("fail"))
            o.conflict = CtlOptions::Conflict::Fail;
        else
            return usage(QStringLiteral("--on-conflict takes ask, replace, skip or fail"));
        if (o.conflict == CtlOptions::Conflict::Ask && (!m_interactive || o.every))
            return usage(QStringLiteral("--on-conflict=ask needs a terminal and one calculator"));
    } else {
        o.conflict
            = m_interactive && !o.every ? CtlOptions::Conflict::Ask : CtlOptions::Conflict::Fail;
    }

    m_progressTerminal = ::isatty(STDERR_FILENO) == 1;
    o.progress = parser.isSet(progressOption);
    m_progressShown = !o.every && (o.progress || m_progressTerminal);

    if (parser.isSet(timeoutOption)) {
        bool ok = false;
        const int ms = parser.value(timeoutOption).toInt(&ok);
        if (!ok || ms <= 0)
            return usage(QStringLiteral("--timeout takes a positive number of milliseconds"));
        // A stalled transfer waits no longer than a silent calculator.
        FrameCodec::setWaitLimits(ms, ms);
        FrameCodec::setCommandLimits(qBound(1, ms / 4, FrameCodec::defaultFrameAllowanceMs),
            FrameCodec::defaultCommandCapMs);
    }
    return -1;
}

int VuveCtl::ports()
{
    const QList<PortChooser::Probe> probes = PortChooser::probe(PortChooser::attached());
    QJsonArray json;
    for (const PortChooser::Probe &p : probes) {
        QJsonObject o { { QStringLiteral("port"), p.port.location },
            { QStringLiteral("device"), p.ok ? QJsonValue(p.name) : QJsonValue() },
            { QStringLiteral("serial"),
                p.port.serial.isEmpty() ? QJsonValue() : QJsonValue(p.port.serial) } };
        if (!p.ok) {
            o.insert(QStringLiteral("problem"), p.problem);
            if (!m_options.json)
                Reporter::print(stderr, p.problem);
        }
        json.append(o);
        if (!m_options.json)
            Reporter::print(stdout,
                QStringLiteral("%1\t%2\t%3")
                    .arg(p.ok ? Reporter::printable(p.name) : QStringLiteral("-"), p.port.location,
                        p.port.serial.isEmpty() ? QStringLiteral("-") : p.port.serial));
    }
    if (m_options.json)
        Reporter::print(stdout,
            QString::fromUtf8(QJsonDocument(QJsonObject { { QStringLiteral("ok"), true },
                                                { QStringLiteral("errors"), QJsonArray() },
                                                { QStringLiteral("calculators"), json } })
                                  .toJson(QJsonDocument::Indented))
                .trimmed());
    return CalcRunner::Done;
}

int VuveCtl::runOne(const QString &port)
{
    Reporter reporter(m_options.json, false);
    std::unique_ptr<ProgressLine> progress;
    if (m_progressShown) {
        progress = std::make_unique<ProgressLine>(stderr, m_progressTerminal);
        reporter.setProgress(progress.get());
    }
    ConflictAsker asker(stdin, stderr);
    CalcRunner runner(m_options, reporter, progress.get(), m_interactive ? &asker : nullptr);
    return runner.run(port);
}

// One thread per calculator: the work is waiting on devices, so they all
// wait at once. Lines come in port order, each as soon as it is known.
int VuveCtl::runEvery(const QList<PortChooser::Port> &ports)
{
    struct Run
    {
        explicit Run(bool json)
            : reporter(json, true)
        {
        }
        Reporter reporter;
        int code = CalcRunner::Failed;
        std::unique_ptr<QThread> thread;
    };
    std::vector<std::unique_ptr<Run>> runs;
    for (const PortChooser::Port &port : ports) {
        auto run = std::make_unique<Run>(m_options.json);
        Run *s = run.get();
        const QString location = port.location;
        s->thread.reset(QThread::create([this, s, location] {
            CalcRunner runner(m_options, s->reporter, nullptr, nullptr);
            s->code = runner.run(location);
        }));
        s->thread->start();
        runs.push_back(std::move(run));
    }
    int result = CalcRunner::Done;
    for (const auto &run : runs) {
        run->thread->wait();
        const bool ok = run->code == CalcRunner::Done;
        if (!ok)
            result = CalcRunner::Failed;
        const QJsonObject doc = run->reporter.document(ok);
        if (m_options.json) {
            Reporter::print(
                stdout, QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact)));
            continue;
        }
        const QString device = doc.value(QStringLiteral("device")).toString();
        Reporter::print(stdout,
            QStringLiteral("%1\t%2\t%3\t%4")
                .arg(device.isEmpty() ? QStringLiteral("-") : Reporter::printable(device),
                    doc.value(QStringLiteral("port")).toString(),
                    ok ? QStringLiteral("ok") : QStringLiteral("failed"),
                    ok ? run->reporter.summary() : run->reporter.errors().join(QLatin1Char(' '))));
    }
    return result;
}
