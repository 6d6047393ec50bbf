#include "VuveCtl.h"

#include "BatchPlanner.h"
#include "CalcRunner.h"
#include "ConflictAsker.h"
#include "FolderCompare.h"
#include "FrameCodec.h"
#include "JobThreads.h"
#include "NamePattern.h"
#include "PortWatcher.h"
#include "ProgressLine.h"
#include "Reporter.h"
#include "Station.h"
#include "StopSignals.h"
#include "SyncRunner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
// The help's paragraphs; commands, options and exit codes stay as they are
// in every language.
QString description()
{
    const QStringList paragraphs {
        VuveCtl::tr("Talks to calculators over USB."),
        //: Keep the command words and the first column's width; translate what each does.
        VuveCtl::tr("Commands:\n"
                    "  ports                 list the attached calculators (name, port, USB "
                    "serial number)\n"
                    "  info                  device name, chunk size and versions\n"
                    "  ls                    files on the calculator (name, tab, size)\n"
                    "  get NAME|PATTERN...   copy files from the calculator into the current "
                    "folder\n"
                    "                        or --to DIR; shell patterns ('*.py') match the "
                    "calculator's\n"
                    "                        list; --all-files copies every file\n"
                    "  put FILE...           send files; names follow the calculator's 8.3 rule\n"
                    "  rm NAME|PATTERN...    delete files on the calculator (or --all-files)\n"
                    "  rename NEWNAME        change the device name (1 to 64 characters)\n"
                    "  backup [DIR]          copy every file into DIR/<device name>-<UTC time>/\n"
                    "                        with a manifest.json (DIR: the current folder)\n"
                    "  restore BACKUP_DIR    send a backup's files back and check them by "
                    "listing\n"
                    "  watch                 print a line per calculator attached or detached,\n"
                    "                        until interrupted\n"
                    "  station --send FILE...\n"
                    "                        send the files to each calculator plugged in, "
                    "until\n"
                    "                        interrupted; names already on it are replaced\n"
                    "  station --backup DIR  back up each calculator plugged in into\n"
                    "                        DIR/<device name>-<UTC time>/, until interrupted"),
        //: Follows the list of commands: keep the command words, the status and action
        //: words and the first column's width; translate what each does.
        VuveCtl::tr("  diff DIR              compare the calculator with the regular files in "
                    "DIR:\n"
                    "                        a line STATUS<tab>NAME per file, STATUS one of "
                    "same,\n"
                    "                        different, missing (not on the calculator) or "
                    "extra\n"
                    "                        (only on it); --quick: names and sizes only\n"
                    "  sync DIR              make the calculator hold DIR's files: send the "
                    "missing,\n"
                    "                        replace the different, keep the same; --delete "
                    "also\n"
                    "                        deletes the extra; --dry-run only prints send,\n"
                    "                        replace, delete or keep NAME; never changes DIR\n"
                    "  station --sync DIR    sync each calculator plugged in with DIR, until\n"
                    "                        interrupted (with --delete, extra files deleted)"),
        //: Follows the list of commands: keep the command words and the first column's
        //: width; translate what each does.
        VuveCtl::tr("  collect DIR           copy every file, read twice and compared, into\n"
                    "                        DIR/<device name>/ (DIR is made if missing) and\n"
                    "                        add a row per file to DIR/receipt.csv; with\n"
                    "                        --clear, then delete on the calculator each file\n"
                    "                        collected so, and no other\n"
                    "  station --collect DIR collect each calculator plugged in into DIR, until\n"
                    "                        interrupted (with --clear, and clear it)\n"
                    "  station --name PATTERN\n"
                    "                        first rename each calculator plugged in: the #s in\n"
                    "                        PATTERN become a running number, padded with zeros\n"
                    "                        to their count (\"Desk ##\": Desk 01, Desk 02...;\n"
                    "                        --first N: from N); alone, or before --send,\n"
                    "                        --backup, --sync or --collect"),
        VuveCtl::tr("Choosing calculators: with one attached, commands run on it. Otherwise name\n"
                    "it with --calc or --port, or run on all at once with --every (one result "
                    "line\n"
                    "each, printed as soon as that calculator is done). A missing --to or "
                    "backup\n"
                    "folder is made."),
        VuveCtl::tr("Collisions: put and get check the whole batch before anything moves. "
                    "Empty\n"
                    "files, files over 1 MiB and two files that would get one calculator name "
                    "stop\n"
                    "the batch. A name already on the calculator (put, restore) or an existing\n"
                    "local file (get) is asked about on a terminal: yes, no, all or none.\n"
                    "Elsewhere --on-conflict decides; without it nothing is transferred."),
        VuveCtl::tr("Verifying: with --verify, put, restore and station --send read each file\n"
                    "back from the calculator once it is sent and compare it (SHA-256) with "
                    "the\n"
                    "bytes the computer sent; a file that arrived different fails."),
        VuveCtl::tr("Station: each calculator plugged in after the start (with --now, also "
                    "each\n"
                    "one attached) is served once per plug-in, in parallel, a name already on "
                    "it\n"
                    "replaced; one result line each (device, port, serial, action, outcome and\n"
                    "summary or errors) or one JSON object a line with --json. A calculator "
                    "that\n"
                    "fails is reported and the station goes on. Ctrl+C ends it with 0 once "
                    "the\n"
                    "calculators in service have stopped."),
        VuveCtl::tr("Folders: diff and sync take the regular files directly in DIR, under the\n"
                    "names put gives them, compared without regard to case; links, fifos and\n"
                    "subfolders are left out and named on stderr. Files of equal size are read\n"
                    "back and compared (SHA-256) unless --quick, whose output then begins with "
                    "a\n"
                    "line starting with \"#\". With --every each file line begins with the\n"
                    "device name and port. sync checks its batch as put does, reads each file\n"
                    "when it is sent, and with --verify reads it back. diff exits with 1 when\n"
                    "anything differs; sync with 0 once the calculator holds the folder's "
                    "files\n"
                    "(extra files kept without --delete do not count)."),
        VuveCtl::tr("Interrupting (Ctrl+C) stops the transfers at once and says what was left\n"
                    "part-way (files are only written whole); a second Ctrl+C ends at once."),
        //: Keep the numbers and the first column's width.
        VuveCtl::tr("Exit codes:\n"
                    "  0    done\n"
                    "  1    failed (also: any calculator failed with --every)\n"
                    "  2    usage error\n"
                    "  3    stopped by a collision (--on-conflict=fail); nothing was "
                    "transferred\n"
                    "  130  interrupted (Ctrl+C; 143 for SIGTERM; watch and station end with 0)"),
    };
    return paragraphs.join(QStringLiteral("\n\n"));
}

const QStringList withoutArguments { QStringLiteral("ports"), QStringLiteral("info"),
    QStringLiteral("ls"), QStringLiteral("watch") };
const QStringList commands = withoutArguments
    + QStringList { QStringLiteral("get"), QStringLiteral("put"), QStringLiteral("rm"),
          QStringLiteral("rename"), QStringLiteral("backup"), QStringLiteral("restore"),
          QStringLiteral("station"), QStringLiteral("diff"), QStringLiteral("sync"),
          QStringLiteral("collect") };
constexpr int maxDeviceName = NamePattern::longestName;
} // namespace

QString VuveCtl::version()
{
    return QStringLiteral(VUVE_VERSION);
}

// One line of what is wrong; the whole help would bury it.
int VuveCtl::usage(const QString &message)
{
    Reporter::print(stderr, QStringLiteral("vuvectl: ") + message);
    Reporter::print(stderr, tr("Try 'vuvectl --help'."));
    return CalcRunner::Usage;
}

int VuveCtl::failed(const QString &error)
{
    return failed(QStringList { error });
}

int VuveCtl::failed(const QStringList &errors)
{
    for (const QString &error : errors)
        Reporter::print(stderr, error);
    if (m_options.json)
        Reporter::print(stdout,
            QString::fromUtf8(QJsonDocument(QJsonObject { { QStringLiteral("ok"), false },
                                                { QStringLiteral("errors"),
                                                    QJsonArray::fromStringList(errors) } })
                                  .toJson(QJsonDocument::Indented))
                .trimmed());
    return CalcRunner::Failed;
}

// As mkdir -p: a destination folder that is not there yet is made, parents
// and all, once before any calculator is asked for files.
bool VuveCtl::makeDestination(QString &error)
{
    const QString &c = m_options.command;
    const bool makesFolder = c == QLatin1String("get") || c == QLatin1String("backup")
        || c == QLatin1String("collect") || m_options.station == CtlOptions::Station::Backup
        || m_options.station == CtlOptions::Station::Collect;
    if (!makesFolder || m_options.folder.isEmpty())
        return true;
    const QFileInfo info(m_options.folder);
    const QString shown = QDir::toNativeSeparators(m_options.folder);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink()) {
        error = tr("%1 is not a folder.").arg(shown);
        return false;
    }
    errno = 0;
    if (QDir().mkpath(m_options.folder))
        return true;
    const int why = errno;
    error = why != 0
        ? tr("Folder %1 can't be made: %2.").arg(shown, QString::fromLocal8Bit(std::strerror(why)))
        : tr("Folder %1 can't be made.").arg(shown);
    return false;
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
    if (m_options.command == QLatin1String("station"))
        return station();
    if (m_options.command == QLatin1String("diff") || m_options.command == QLatin1String("sync")) {
        const int checked = checkFolder();
        if (checked >= 0)
            return checked;
    }

    QList<PortChooser::Port> chosen;
    QString error;
    if (!PortChooser::choose(m_options, chosen, error) || !makeDestination(error))
        return failed(error);
    // A port named by --port comes without its serial number, which the
    // receipt keeps when the system knows it.
    if (m_options.command == QLatin1String("collect") && !m_options.ports.isEmpty()) {
        const QList<PortChooser::Port> known = PortChooser::attached();
        for (PortChooser::Port &port : chosen) {
            const QString path = port.location.contains(QLatin1Char('/'))
                ? QFileInfo(port.location).canonicalFilePath()
                : QStringLiteral("/dev/") + port.location;
            for (const PortChooser::Port &k : known) {
                if (k.location == port.location || k.location == path
                    || (!path.isEmpty() && QFileInfo(k.location).canonicalFilePath() == path))
                    port.serial = k.serial;
            }
        }
    }
    return runOn(chosen);
}

// -1 to go on, otherwise the exit code.
int VuveCtl::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help."));
    const QCommandLineOption versionOption(QStringLiteral("version"), tr("Show the version."));
    const QCommandLineOption portOption(QStringLiteral("port"),
        tr("The calculator on this serial device (repeatable with --every)."),
        QStringLiteral("PATH"));
    const QCommandLineOption calcOption(QStringLiteral("calc"),
        tr("The calculator with this device name, as ports lists it."), QStringLiteral("NAME"));
    const QCommandLineOption everyOption(QStringLiteral("every"),
        tr("Run on every attached calculator at once (or every one that --calc or "
           "--port names); one result line per calculator, as each is done."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
        tr("Print results as JSON: one document, or one line per calculator with "
           "--every and per event with watch."));
    const QCommandLineOption toOption(QStringLiteral("to"),
        tr("Folder for get (default: the current one)."), QStringLiteral("DIR"));
    const QCommandLineOption allOption(
        QStringLiteral("all-files"), tr("get or rm every file on the calculator."));
    const QCommandLineOption conflictOption(QStringLiteral("on-conflict"),
        tr("What to do with a name that is taken: ask (on a terminal, the default "
           "there), replace, skip or fail (the default elsewhere)."),
        QStringLiteral("POLICY"));
    const QCommandLineOption progressOption(QStringLiteral("progress"),
        tr("Show progress also when stderr is not a terminal (one line a second)."));
    const QCommandLineOption timeoutOption(QStringLiteral("timeout"),
        tr("Milliseconds to wait for a reply to begin or to go on, and for each "
           "frame of a transfer (default: 10000, 30000 and 1000)."),
        QStringLiteral("MS"));
    const QCommandLineOption verboseOption({ QStringLiteral("v"), QStringLiteral("verbose") },
        tr("Trace each request and reply (type and size), what was planned for each "
           "file and what became of it, each error and each port found or gone on "
           "stderr, for a bug report; never file contents."));
    const QCommandLineOption verifyOption(QStringLiteral("verify"),
        tr("Read each file sent back and compare it with the computer's; one that arrived "
           "different fails (put, restore, station --send)."));
    const QCommandLineOption sendOption(
        QStringLiteral("send"), tr("station: send the files given to each calculator plugged in."));
    const QCommandLineOption backupOption(QStringLiteral("backup"),
        tr("station: back up each calculator plugged in into a folder of its own in DIR."),
        QStringLiteral("DIR"));
    const QCommandLineOption nowOption(
        QStringLiteral("now"), tr("station: serve the calculators attached at the start too."));
    const QCommandLineOption quickOption(QStringLiteral("quick"),
        tr("diff, sync: compare names and sizes only; files of equal size count as the same."));
    const QCommandLineOption deleteOption(QStringLiteral("delete"),
        tr("sync, station --sync: also delete the files the folder does not hold."));
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"), tr("sync: print what would be done, and change nothing."));
    const QCommandLineOption syncOption(QStringLiteral("sync"),
        tr("station: make each calculator plugged in hold the files of DIR."),
        QStringLiteral("DIR"));
    const QCommandLineOption clearOption(QStringLiteral("clear"),
        tr("collect, station --collect: then delete on the calculator each file collected, "
           "read the same twice and written whole, and no other."));
    const QCommandLineOption collectOption(QStringLiteral("collect"),
        tr("station: collect each calculator plugged in into a folder of its own in DIR, "
           "with a row per file in DIR/receipt.csv."),
        QStringLiteral("DIR"));
    const QCommandLineOption nameOption(QStringLiteral("name"),
        tr("station: rename each calculator plugged in, before anything else, by the pattern: "
           "its #s become a running number padded with zeros to their count."),
        QStringLiteral("PATTERN"));
    const QCommandLineOption firstOption(QStringLiteral("first"),
        tr("station --name: the first calculator's number (default: 1)."), QStringLiteral("N"));
    parser.addOptions({ helpOption, versionOption, portOption, calcOption, everyOption, jsonOption,
        toOption, allOption, conflictOption, progressOption, timeoutOption, verboseOption,
        verifyOption, sendOption, backupOption, nowOption, quickOption, deleteOption, dryRunOption,
        syncOption, clearOption, collectOption, nameOption, firstOption });
    parser.addPositionalArgument(QStringLiteral("command"), tr("What to do (see above)."),
        //: The usage line's words for a command and its arguments.
        tr("command [args...]"));
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

    // QT_LOGGING_RULES, if set, still has the last word.
    if (parser.isSet(verboseOption))
        QLoggingCategory::setFilterRules(QStringLiteral("vuve.*.debug=true"));

    CtlOptions &o = m_options;
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(tr("no command given"));
    o.command = args.takeFirst();
    o.args = args;
    o.ports = parser.values(portOption);
    // A path relative to where vuvectl runs, as a shell means it: the serial
    // port takes a bare "cli/p2" for a name under /dev.
    for (QString &port : o.ports) {
        if (port.contains(QLatin1Char('/')) && !port.startsWith(QLatin1Char('/'))
            && !port.startsWith(QLatin1String("./")) && !port.startsWith(QLatin1String("../")))
            port.prepend(QLatin1String("./"));
    }
    o.hasCalcName = parser.isSet(calcOption);
    o.calcName = parser.value(calcOption);
    o.every = parser.isSet(everyOption);
    o.json = parser.isSet(jsonOption);
    o.allFiles = parser.isSet(allOption);
    o.verify = parser.isSet(verifyOption);
    o.now = parser.isSet(nowOption);
    o.quick = parser.isSet(quickOption);
    o.deleteExtra = parser.isSet(deleteOption);
    o.dryRun = parser.isSet(dryRunOption);
    o.clear = parser.isSet(clearOption);
    const bool syncStation = parser.isSet(syncOption);
    // One action a station, or none beside a --name.
    const int actions = (parser.isSet(sendOption) ? 1 : 0) + (parser.isSet(backupOption) ? 1 : 0)
        + (syncStation ? 1 : 0) + (parser.isSet(collectOption) ? 1 : 0);
    if (actions == 1 && parser.isSet(sendOption))
        o.station = CtlOptions::Station::Send;
    else if (actions == 1 && parser.isSet(backupOption))
        o.station = CtlOptions::Station::Backup;
    else if (actions == 1 && syncStation)
        o.station = CtlOptions::Station::Sync;
    else if (actions == 1 && parser.isSet(collectOption))
        o.station = CtlOptions::Station::Collect;
    else if (actions == 0 && parser.isSet(nameOption))
        o.station = CtlOptions::Station::Name;
    const QString &c = o.command;
    const auto is = [&c](const char *name) { return c == QLatin1String(name); };

    if (!commands.contains(c))
        return usage(tr("unknown command \"%1\"").arg(c));
    if (withoutArguments.contains(c) && !args.isEmpty())
        return usage(tr("%1 takes no arguments").arg(c));
    if ((is("put") || is("rename") || is("restore") || is("collect")) && args.isEmpty())
        return usage(tr("%1 needs an argument").arg(c));
    if ((is("get") || is("rm")) && args.isEmpty() && !o.allFiles)
        return usage(tr("%1 needs names, patterns or --all-files").arg(c));
    if ((is("rename") || is("restore") || is("collect")) && args.size() != 1)
        return usage(tr("%1 takes exactly one argument").arg(c));
    if (is("collect") && args.first().isEmpty())
        return usage(tr("collect needs a folder"));
    if ((is("diff") || is("sync")) && (args.size() != 1 || args.first().isEmpty()))
        return usage(tr("%1 takes exactly one folder").arg(c));
    if (is("backup") && args.size() > 1)
        return usage(tr("backup takes at most one folder"));
    if (is("rename") && args.first().isEmpty())
        return usage(tr("the device name must not be empty"));
    if (is("rename") && args.first().size() > maxDeviceName)
        return usage(tr("a device name has at most %1 characters").arg(maxDeviceName));
    if (parser.isSet(toOption) && !is("get"))
        return usage(tr("--to goes with get only"));
    if (o.allFiles && !is("get") && !is("rm"))
        return usage(tr("--all-files goes with get and rm only"));
    if ((is("ports") || is("watch")) && (o.every || o.hasCalcName || !o.ports.isEmpty()))
        return usage(tr("%1 looks at every port; --port, --calc and --every do not "
                        "go with it")
                         .arg(c));
    if (is("station")) {
        if (actions > 1)
            return usage(tr("station takes one of --send, --backup, --sync and --collect"));
        if (o.station == CtlOptions::Station::None)
            return usage(tr("station needs --send FILE..., --backup DIR, --sync DIR, --collect DIR "
                            "or --name PATTERN"));
        if (o.station == CtlOptions::Station::Sync && !args.isEmpty())
            return usage(tr("station --sync takes no other arguments"));
        if (o.station == CtlOptions::Station::Sync && parser.value(syncOption).isEmpty())
            return usage(tr("station --sync needs a folder"));
        if (o.station == CtlOptions::Station::Send && args.isEmpty())
            return usage(QCoreApplication::translate("VuveCtl", "station --send needs files"));
        if (o.station == CtlOptions::Station::Backup && !args.isEmpty())
            return usage(QCoreApplication::translate(
                "VuveCtl", "station --backup takes no other arguments"));
        if (o.station == CtlOptions::Station::Backup && parser.value(backupOption).isEmpty())
            return usage(QCoreApplication::translate("VuveCtl", "station --backup needs a folder"));
        if (o.station == CtlOptions::Station::Collect && !args.isEmpty())
            return usage(tr("station --collect takes no other arguments"));
        if (o.station == CtlOptions::Station::Collect && parser.value(collectOption).isEmpty())
            return usage(tr("station --collect needs a folder"));
        if (o.station == CtlOptions::Station::Name && !args.isEmpty())
            return usage(tr("station --name takes no other arguments"));
        if (o.clear && o.station != CtlOptions::Station::Collect)
            return usage(tr("--clear goes with collect and station --collect only"));
        if (parser.isSet(firstOption) && !parser.isSet(nameOption))
            return usage(tr("--first goes with station --name only"));
        if (parser.isSet(nameOption)) {
            o.namePattern = parser.value(nameOption);
            if (o.namePattern.isEmpty())
                return usage(tr("station --name needs a pattern"));
            if (parser.isSet(firstOption)) {
                bool ok = false;
                const QString first = parser.value(firstOption);
                o.firstNumber = first.toLongLong(&ok);
                // Digits only: "+3" and " 3" are no numbers a person types
                // for this, and a sign would end up in the name.
                const bool digits = !first.isEmpty()
                    && std::all_of(first.cbegin(), first.cend(),
                        [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); });
                if (!ok || !digits || o.firstNumber < 0)
                    return usage(tr("--first takes a whole number from 0 up"));
            }
            // The numbers only grow wider; the first name that can't be is
            // known now, before any calculator is renamed.
            const QString name = NamePattern::nameFor(o.namePattern, o.firstNumber);
            if (name.size() > maxDeviceName)
                //: %1 is the first calculator's name by the pattern.
                return usage(
                    tr("--name gives \"%1\" (%2 characters); a device name has at "
                       "most %3")
                        .arg(name, QString::number(name.size()), QString::number(maxDeviceName)));
        }
        if (o.every || o.hasCalcName || !o.ports.isEmpty())
            return usage(QCoreApplication::translate("VuveCtl",
                "station serves every calculator plugged in; --port, --calc and "
                "--every do not go with it"));
    } else if (parser.isSet(collectOption) || parser.isSet(nameOption)
        || parser.isSet(firstOption)) {
        return usage(tr("--collect, --name and --first go with station only"));
    } else if (o.station != CtlOptions::Station::None || parser.isSet(sendOption)
        || parser.isSet(backupOption) || o.now) {
        return usage(QCoreApplication::translate(
            "VuveCtl", "--send, --backup and --now go with station only"));
    } else if (syncStation) {
        return usage(tr("--sync goes with station only"));
    } else if (o.clear && !is("collect")) {
        return usage(tr("--clear goes with collect and station --collect only"));
    }
    const bool syncs = is("sync") || o.station == CtlOptions::Station::Sync;
    if (o.verify && !is("put") && !is("restore") && !syncs
        && o.station != CtlOptions::Station::Send)
        return usage(tr("--verify goes with put, restore, sync, station --send and station "
                        "--sync only"));
    if (o.quick && !is("diff") && !syncs)
        return usage(tr("--quick goes with diff, sync and station --sync only"));
    if (o.deleteExtra && !syncs)
        return usage(tr("--delete goes with sync and station --sync only"));
    if (o.dryRun && !is("sync"))
        return usage(tr("--dry-run goes with sync only"));
    if (o.ports.size() > 1 && !o.every)
        return usage(tr("several --port go with --every only"));
    if (is("get"))
        o.folder = parser.value(toOption);
    else if (is("backup") || is("restore") || is("collect"))
        o.folder = args.value(0);
    else if (o.station == CtlOptions::Station::Backup)
        o.folder = parser.value(backupOption);
    else if (is("diff") || is("sync"))
        o.folder = args.value(0);
    else if (o.station == CtlOptions::Station::Sync)
        o.folder = parser.value(syncOption);
    else if (o.station == CtlOptions::Station::Collect)
        o.folder = parser.value(collectOption);

    m_interactive = ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
    const bool transfers = is("get") || is("put") || is("restore");
    if (parser.isSet(conflictOption)) {
        const QString policy = parser.value(conflictOption);
        if (!transfers)
            return usage(tr("--on-conflict goes with get, put and restore only"));
        if (policy == QLatin1String("ask"))
            o.conflict = CtlOptions::Conflict::Ask;
        else if (policy == QLatin1String("replace"))
            o.conflict = CtlOptions::Conflict::Replace;
        else if (policy == QLatin1String("skip"))
            o.conflict = CtlOptions::Conflict::Skip;
        else if (policy == QLatin1String("fail"))
            o.conflict = CtlOptions::Conflict::Fail;
        else
            return usage(tr("--on-conflict takes ask, replace, skip or fail"));
        if (o.conflict == CtlOptions::Conflict::Ask && (!m_interactive || o.every))
            return usage(tr("--on-conflict=ask needs a terminal and one calculator"));
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
            return usage(tr("--timeout takes a positive number of milliseconds"));
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
    // An empty list would look like a command that did nothing; scripts
    // read the JSON document, whose list is empty.
    if (probes.isEmpty() && !m_options.json)
        Reporter::print(stderr, tr("No calculator is attached."));
    if (m_options.json)
        Reporter::print(stdout,
            QString::fromUtf8(QJsonDocument(QJsonObject { { QStringLiteral("ok"), true },
                                                { QStringLiteral("errors"), QJsonArray() },
                                                { QStringLiteral("calculators"), json } })
                                  .toJson(QJsonDocument::Indented))
                .trimmed());
    return CalcRunner::Done;
}

// The folder of diff, sync and station --sync is read once before any
// calculator is opened: two files that would get one calculator name are a
// usage error, and what is left out is said once, not once per calculator.
// -1 to go on, otherwise the exit code.
int VuveCtl::checkFolder()
{
    const QFileInfo info(m_options.folder);
    if (!info.isDir() || !info.isReadable())
        return failed(FolderCompare::tr("Folder %1 can't be read.")
                          .arg(QDir::toNativeSeparators(m_options.folder)));
    FolderCompare compare;
    QString error;
    if (!compare.readFolder(m_options.folder, &error))
        return usage(error);
    for (const QString &left : compare.leftOut())
        Reporter::print(stderr, left);
    if (m_options.quick && !m_options.json)
        Reporter::print(stdout, SyncRunner::quickLine());
    return -1;
}

// Each calculator plugged in gets the put or backup command, names already on
// it replaced. Files that could not go to any calculator stop the station
// before it starts.
int VuveCtl::station()
{
    QString error;
    if (!makeDestination(error))
        return failed(error);
    CtlOptions work = m_options;
    work.conflict = CtlOptions::Conflict::Replace;
    if (m_options.station == CtlOptions::Station::Send) {
        work.command = QStringLiteral("put");
        QStringList refusals;
        BatchPlanner::planUpload(m_options.args, refusals);
        if (!refusals.isEmpty()) {
            refusals.append(tr("Nothing was sent."));
            return failed(refusals);
        }
    } else if (m_options.station == CtlOptions::Station::Sync) {
        const int checked = checkFolder();
        if (checked >= 0)
            return checked;
        // Any of the folder's files may have to go to some calculator: one
        // that can't go to any stops the station before it starts.
        FolderCompare compare;
        compare.readFolder(m_options.folder, nullptr);
        compare.compare(TransferPlan::Listing(), true);
        TransferPlan plan(TransferPlan::Direction::Upload);
        for (const FolderCompare::Entry &e : compare.entries())
            plan.addUpload(e.localPath, e.name);
        QStringList refusals = BatchPlanner::refusals(plan);
        if (!refusals.isEmpty()) {
            refusals.append(tr("Nothing was sent."));
            return failed(refusals);
        }
        work.command = QStringLiteral("sync");
        work.args.clear();
    } else if (m_options.station == CtlOptions::Station::Backup) {
        work.command = QStringLiteral("backup");
        work.args.clear();
    } else if (m_options.station == CtlOptions::Station::Collect) {
        work.command = QStringLiteral("collect");
        work.args.clear();
    } else {
        // The station gives each calculator its name as it comes.
        work.command = QStringLiteral("rename");
        work.args.clear();
    }
    Station station(m_options, work);
    return station.run();
}

// Each calculator's work runs in a thread of its own, one calculator or many:
// only a thread other than the main one can be asked to stop, and the main
// thread stays free to take Ctrl+C.
int VuveCtl::runOn(const QList<PortChooser::Port> &ports)
{
    const bool every = m_options.every;
    std::unique_ptr<ProgressLine> progress;
    if (m_progressShown)
        progress = std::make_unique<ProgressLine>(stderr, m_progressTerminal);
    ConflictAsker asker(stdin, stderr);
    ConflictAsker *const askerShown = m_interactive ? &asker : nullptr;
    std::vector<std::unique_ptr<Reporter>> reporters;
    QList<JobThreads::Job> jobs;
    for (const PortChooser::Port &port : ports) {
        reporters.push_back(std::make_unique<Reporter>(m_options.json, every));
        Reporter *reporter = reporters.back().get();
        reporter->setProgress(progress.get());
        const QString location = port.location;
        const QString serial = port.serial;
        jobs.append([this, reporter, location, serial, &progress, askerShown] {
            CalcRunner runner(m_options, *reporter, progress.get(), askerShown);
            runner.setSerial(serial);
            return runner.run(location);
        });
    }

    StopSignals stop;
    int result = CalcRunner::Done;
    JobThreads::run(
        jobs,
        [&](int index, int code) {
            Reporter &reporter = *reporters.at(size_t(index));
            if (code == JobThreads::notStarted) {
                reporter.result().insert(QStringLiteral("port"), ports.at(index).location);
                reporter.error(JobThreads::notStartedText(ports.at(index).location));
                reporter.finish(false);
                code = CalcRunner::Failed;
            }
            if (!every) {
                result = code;
                return;
            }
            if (code != CalcRunner::Done)
                result = CalcRunner::Failed;
            // One line per calculator, printed the moment it is done, after
            // the file lines of a diff or sync, so that each calculator's
            // lines stay together.
            const bool ok = code == CalcRunner::Done;
            const QJsonObject doc = reporter.document(ok);
            const bool folderLines = m_options.command == QLatin1String("diff")
                || m_options.command == QLatin1String("sync");
            for (const QString &line : folderLines ? reporter.lines() : QStringList())
                Reporter::print(stdout, line);
            // A diff that worked and found differences is no failure.
            const bool differs
                = !ok && !reporter.failed() && m_options.command == QLatin1String("diff");
            reporter.printLine(doc, ok || differs, doc.value(QStringLiteral("port")).toString(),
                { ok              ? QStringLiteral("ok")
                        : differs ? QStringLiteral("differs")
                                  : QStringLiteral("failed") });
        },
        &stop);
    if (stop.received() == 0)
        return result;
    QStringList partial;
    for (const auto &reporter : reporters)
        partial += reporter->partial();
    Reporter::print(stderr, Reporter::interruptedLine(partial));
    return stop.exitCode();
}
