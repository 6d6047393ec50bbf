#include "PortProblem.h"

#include "DeviceText.h"
#include "ErrorMeaning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/sysmacros.h>
#endif

namespace {
// A port's path may carry what the device calls itself (/dev/serial/by-id).
QString shown(const QString &location)
{
    return DeviceText::isolated(QDir::toNativeSeparators(location));
}

// Qt reports a port held by another program and a port we may not open with
// the same error; only the system can tell them apart.
bool mayOpen(const QString &location)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(location).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(location);
    return true;
#endif
}

#ifdef Q_OS_LINUX
// Pseudo-terminal ends: the multiplexer /dev/ptmx (5, 2) hands out masters,
// and slaves have majors 136 to 143.
constexpr unsigned ptySlaveMajor = 136;

bool isPtyMaster(const struct stat &st)
{
    return major(st.st_rdev) == 5 && minor(st.st_rdev) == 2;
}

// Whether the process holds the master of pseudo-terminal number index:
// 1 yes, 0 no, -1 where the system does not say which terminal a master is.
int holdsMasterOf(const QString &pid, int index)
{
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    const QStringList entries = fds.entryList(QDir::Files | QDir::System);
    for (const QString &fd : entries) {
        struct stat st;
        if (::stat(QFile::encodeName(fds.filePath(fd)).constData(), &st) != 0 || !isPtyMaster(st))
            continue;
        QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(pid, fd));
        if (!info.open(QIODevice::ReadOnly))
            return -1;
        int found = -1;
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("tty-index:")) {
                bool ok = false;
                found = line.mid(10).trimmed().toInt(&ok);
                if (!ok)
                    found = -1;
            }
        }
        if (found < 0)
            return -1;
        if (found == index)
            return 1;
    }
    return 0;
}
#endif

QString programOf(const QString &pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    const QString name = QString::fromLocal8Bit(comm.readLine(64)).trimmed();
    //: A program holding a port: its name and process number.
    return name.isEmpty() ? QString()
                          : PortProblem::tr("%1, process %2").arg(DeviceText::isolated(name), pid);
}
} // namespace

QString PortProblem::openFailure(const QString &location, QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return tr("The port %1 does not exist (any more); the calculator may have been "
                  "unplugged.")
            .arg(shown(location));
    case QSerialPort::PermissionError: {
        if (!mayOpen(location)) {
            return tr("You may not open the port %1. Install the udev rule that comes with "
                      "Vuve Vudurod (see /usr/share/doc/vuve-vudurod/troubleshooting.md), or add "
                      "yourself to the dialout group and log in again; then plug the calculator "
                      "in again.")
                .arg(shown(location));
        }
        const QString holder = holderOf(location);
        if (!holder.isEmpty()) {
            return tr("The port %1 is in use by another program (%2). Close it and plug the "
                      "calculator in again.")
                .arg(shown(location), holder);
        }
        return tr("The port %1 is in use by another program. Close it and plug the calculator "
                  "in again.")
            .arg(shown(location));
    }
    case QSerialPort::UnsupportedOperationError:
        return tr("%1 is not a serial port, so no calculator can be on it.").arg(shown(location));
    default:
        return tr("The port %1 cannot be opened.").arg(shown(location));
    }
}

QString PortProblem::silent(const QString &location)
{
    QString advice = ErrorMeaning::wakeUp();
    advice[0] = advice.at(0).toUpper();
    //: %2 is the advice "Switch it on, open its home screen and plug it in again".
    return tr("The calculator at %1 does not answer. %2.").arg(shown(location), advice);
}

QString PortProblem::notCalculator(const QString &location)
{
    return tr("The device at %1 answers, but not as a calculator does.").arg(shown(location));
}

QString PortProblem::answeredLate(const QString &location)
{
    return tr("The calculator at %1 answered late, with its reply to an earlier request; try "
              "again.")
        .arg(shown(location));
}

QString PortProblem::holderOf(const QString &location)
{
#ifdef Q_OS_LINUX
    struct stat port;
    if (::stat(QFile::encodeName(location).constData(), &port) != 0)
        return QString();
    // A pseudo-terminal's other end (a simulator, say) is the device, not a
    // program to close: a process that holds it is never named, and where
    // the system does not tell which end is whose, nobody is.
    const unsigned portMajor = major(port.st_rdev);
    const bool pseudo = portMajor >= ptySlaveMajor && portMajor < ptySlaveMajor + 8;
    const int ptyIndex = pseudo ? int((portMajor - ptySlaveMajor) * 256 + minor(port.st_rdev)) : -1;
    const auto named = [&](const QString &pid) {
        if (pseudo && holdsMasterOf(pid, ptyIndex) != 0)
            return QString();
        return programOf(pid);
    };
    // Programs that take the port's lock file name themselves in it; the
    // serial port library names the file after the path below /dev, with
    // "/" as "_" (LCK..ttyACM0, LCK..pts_3).
    QStringList lockNames;
    for (const QString &path : { location, QFileInfo(location).canonicalFilePath() }) {
        QString name = path.startsWith(QLatin1String("/dev/")) ? path.mid(5) : path;
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (!name.isEmpty() && !lockNames.contains(name))
            lockNames.append(name);
    }
    for (const QString &folder :
        { QStringLiteral("/run/lock"), QStringLiteral("/var/lock"), QDir::tempPath() }) {
        for (const QString &name : qAsConst(lockNames)) {
            QFile lock(folder + QStringLiteral("/LCK..") + name);
            if (!lock.open(QIODevice::ReadOnly))
                continue;
            const qlonglong pid = QString::fromLatin1(lock.readLine(32)).trimmed().toLongLong();
            if (pid > 0)
                return named(QString::number(pid));
        }
    }
    // Otherwise look for an open descriptor on the same device; we can only
    // see our own user's processes, which is where a forgotten terminal
    // program usually is.
    const QString self = QString::number(::getpid());
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &pid : pids) {
        if (pid == self || pid.toLongLong() <= 0)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        const QStringList entries = fds.entryList(QDir::Files | QDir::System);
        for (const QString &fd : entries) {
            struct stat st;
            if (::stat(QFile::encodeName(fds.filePath(fd)).constData(), &st) == 0
                && S_ISCHR(st.st_mode) && st.st_rdev == port.st_rdev) {
                const QString program = named(pid);
                if (!program.isEmpty())
                    return program;
                break;
            }
        }
    }
#else
    Q_UNUSED(location);
#endif
    return QString();
}
