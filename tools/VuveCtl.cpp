#include "VuveCtl.h"

#include "CVivuRuza.h"
#include "FrameCodec.h"
#include "PortProblem.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QUrl>

#include <cstdio>
#include <unistd.h>

VuveCtl::VuveCtl()
    : m_out(stdout)
    , m_err(stderr)
    , m_terminal(::isatty(STDERR_FILENO) == 1)
{
}

int VuveCtl::usage(const QString &message)
{
    if (!message.isEmpty())
        m_err << "vuvectl: " << message << '\n';
    m_err << m_usage;
    m_err.flush();
    return 2;
}

void VuveCtl::fail(const QString &text)
{
    endProgress();
    m_failed = true;
    m_err << text << '\n';
    m_err.flush();
}

int VuveCtl::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Talks to a calculator over USB.\n\n"
        "Commands:\n"
        "  ports                  list the calculator ports (name, tab, system location)\n"
        "  info                   device name, chunk size and versions\n"
        "  ls                     files on the calculator (name, tab, size)\n"
        "  get [--to DIR] NAME... copy files from the calculator into DIR\n"
        "  put FILE...            send files (names follow the calculator's 8.3 rule)\n"
        "  rm NAME...             delete files on the calculator\n"
        "  rename NEWNAME         change the device name"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
        QStringLiteral("Serial device or pseudo-terminal of the "
                       "calculator (default: the first one found)."),
        QStringLiteral("PATH"));
    const QCommandLineOption toOption(QStringLiteral("to"),
        QStringLiteral("Folder for get (default: the current one)."), QStringLiteral("DIR"));
    const QCommandLineOption timeoutOption(QStringLiteral("timeout"),
        QStringLiteral("Milliseconds to wait for a reply to begin or to go on, and for each "
                       "frame of a transfer (default: 10000, 30000 and 1000)."),
        QStringLiteral("MS"));
    parser.addOptions({ portOption, toOption, timeoutOption });
    parser.addPositionalArgument(QStringLiteral("command"),
        QStringLiteral("What to do (see above)."), QStringLiteral("command [args...]"));
    m_usage = parser.helpText();

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        m_out << m_usage;
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        m_out << "vuvectl 1.0\n";
        return 0;
    }

    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    const QStringList known { QStringLiteral("ports"), QStringLiteral("info"), QStringLiteral("ls"),
        QStringLiteral("get"), QStringLiteral("put"), QStringLiteral("rm"),
        QStringLiteral("rename") };
    if (!known.contains(command))
        return usage(QStringLiteral("unknown command \"%1\"").arg(command));
    const bool takesNone = command == QLatin1String("ports") || command == QLatin1String("info")
        || command == QLatin1String("ls");
    if (takesNone && !args.isEmpty())
        return usage(QStringLiteral("%1 takes no arguments").arg(command));
    if (!takesNone && args.isEmpty())
        return usage(QStringLiteral("%1 needs an argument").arg(command));
    if (command == QLatin1String("rename") && args.size() != 1)
        return usage(QStringLiteral("rename takes exactly one name"));
    if (parser.isSet(toOption) && command != QLatin1String("get"))
        return usage(QStringLiteral("--to goes with get only"));
    if (parser.isSet(timeoutOption)) {
        bool ok = false;
        const int ms = parser.value(timeoutOption).toInt(&ok);
        if (!ok || ms <= 0)
            return usage(QStringLiteral("--timeout takes a positive number of milliseconds"));
        // A stalled transfer waits no longer than a silent calculator.
        FrameCodec::setWaitLimits(ms, ms);
        FrameCodec::setCommandLimits(
            qMin(ms, FrameCodec::defaultFrameAllowanceMs), FrameCodec::defaultCommandCapMs);
    }

    if (command == QLatin1String("ports"))
        return ports();

    QString location = parser.value(portOption);
    if (location.isEmpty()) {
        const auto found = CVivuRuza::calcPorts();
        if (found.isEmpty()) {
            fail(QStringLiteral("No calculator is connected"));
            return 1;
        }
        location = found.first().systemLocation();
    }

    // Built without a port so that the opening exchange's result can be told.
    // The line's own reports during the opening are summed up by what the
    // port's problem means to the user, so they are not shown on their own.
    CVivuRuza link(QString(), nullptr);
    if (!link.openPort(location)) {
        const QString problem = link.portErrorText();
        fail(problem.isEmpty() ? PortProblem::silent(location) : problem);
        return 1;
    }
    QObject::connect(&link, &CVivuRuza::errorNotify, [this](const QString &text) { fail(text); });
    link.setProgressHandler([this](qint64 done, qint64 total) { showProgress(done, total); });

    int result = 0;
    if (command == QLatin1String("info"))
        result = info(link);
    else if (command == QLatin1String("ls"))
        result = list(link);
    else if (command == QLatin1String("get"))
        result = get(
            link, args, parser.isSet(toOption) ? parser.value(toOption) : QDir::currentPath());
    else if (command == QLatin1String("put"))
        result = put(link, args);
    else if (command == QLatin1String("rm"))
        result = remove(link, args);
    else
        result = rename(link, args.first());
    endProgress();
    m_out.flush();
    return (result != 0 || m_failed) ? 1 : 0;
}

int VuveCtl::ports()
{
    const auto found = CVivuRuza::calcPorts();
    for (const QSerialPortInfo &info : found)
        m_out << info.portName() << '\t' << info.systemLocation() << '\n';
    return 0;
}

// The device chooses its names and versions; a terminal must not take its
// control characters as commands.
QString VuveCtl::printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\')
            out += QLatin1String("\\\\");
        else if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

int VuveCtl::info(CVivuRuza &link)
{
    m_out << "name: " << printable(link.devName()) << '\n'
          << "chunk: " << link.chunkSize << '\n'
          << "hv: " << printable(link.HV) << '\n'
          << "fv: " << printable(link.FV) << '\n'
          << "pv: " << printable(link.PV) << '\n';
    return 0;
}

int VuveCtl::list(CVivuRuza &link)
{
    QList<QPair<QString, int>> files;
    if (!link.listFiles(files))
        return 1;
    for (const auto &file : qAsConst(files))
        m_out << printable(file.first) << '\t' << file.second << '\n';
    return 0;
}

// The calculator wants each file's name and size as it listed them.
bool VuveCtl::listed(CVivuRuza &link, const QStringList &names, QList<QPair<QString, int>> &found)
{
    QList<QPair<QString, int>> files;
    if (!link.listFiles(files) || m_failed)
        return false;
    bool all = true;
    for (const QString &name : names) {
        auto it = std::find_if(files.cbegin(), files.cend(),
            [&name](const QPair<QString, int> &f) { return f.first == name; });
        if (it == files.cend()) {
            fail(QStringLiteral("File %1 is not on the calculator.").arg(printable(name)));
            all = false;
        } else {
            found.append(*it);
        }
    }
    return all;
}

int VuveCtl::get(CVivuRuza &link, const QStringList &names, const QString &folder)
{
    if (!QFileInfo(folder).isDir()) {
        fail(QStringLiteral("Folder %1 does not exist.").arg(folder));
        return 1;
    }
    QList<QPair<QString, int>> files;
    const bool all = listed(link, names, files);
    const QString dest = QDir(folder).absolutePath();
    for (const auto &file : qAsConst(files)) {
        const QList<QUrl> written = link.getFiles({ file }, dest);
        endProgress();
        for (const QUrl &url : written)
            m_out << QDir::toNativeSeparators(url.toLocalFile()) << '\n';
        m_out.flush();
    }
    return all ? 0 : 1;
}

int VuveCtl::put(CVivuRuza &link, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo local(path);
        bool sent = false;
        QString calcName;
        const auto connection
            = QObject::connect(&link, &CVivuRuza::fileSend, [&](const QPair<QString, int> &file) {
                  sent = true;
                  calcName = file.first;
              });
        link.sendFiles({ qMakePair(local.absoluteFilePath(), local.fileName()) });
        QObject::disconnect(connection);
        endProgress();
        if (sent)
            m_out << path << " -> " << calcName << '\n';
        else if (!m_failed)
            fail(QStringLiteral("File %1 was not sent.").arg(path));
        m_out.flush();
    }
    return 0;
}

int VuveCtl::remove(CVivuRuza &link, const QStringList &names)
{
    QList<QPair<QString, int>> files;
    const bool all = listed(link, names, files);
    for (const auto &file : qAsConst(files)) {
        bool deleted = false;
        const auto connection = QObject::connect(
            &link, &CVivuRuza::fileDeleted, [&deleted](const QString &) { deleted = true; });
        link.deleteFiles({ file });
        QObject::disconnect(connection);
        if (!deleted && !m_failed)
            fail(QStringLiteral("File %1 was not deleted.").arg(file.first));
    }
    return all ? 0 : 1;
}

int VuveCtl::rename(CVivuRuza &link, const QString &newName)
{
    if (!link.changeName(newName)) {
        if (!m_failed)
            fail(QStringLiteral("The calculator refused the name %1.").arg(newName));
        return 1;
    }
    return 0;
}

void VuveCtl::showProgress(qint64 done, qint64 total)
{
    if (!m_terminal || total <= 0)
        return;
    if (!m_progressShown) {
        m_progressShown = true;
        m_clock.start();
    }
    const int width = 30;
    const int filled = int(width * done / total);
    const double seconds = qMax<qint64>(m_clock.elapsed(), 1) / 1000.0;
    const double rate = done / 1024.0 / seconds;
    m_err << '\r' << '[' << QString(filled, QLatin1Char('='))
          << QString(width - filled, QLatin1Char(' ')) << "] " << done << '/' << total << " B  "
          << QString::number(rate, 'f', 1) << " KiB/s";
    m_err.flush();
}

void VuveCtl::endProgress()
{
    if (!m_progressShown)
        return;
    m_progressShown = false;
    m_err << '\n';
    m_err.flush();
}
