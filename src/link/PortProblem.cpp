#include "PortProblem.h"

#include "ErrorMeaning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
QString shown(const QString &location)
{
    return QDir::toNativeSeparators(location);
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

QString programOf(const QString &pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    const QString name = QString::fromLocal8Bit(comm.readLine(64)).trimmed();
    return name.isEmpty() ? QString() : QStringLiteral("%1, process %2").arg(name, pid);
}
} // namespace

QString PortProblem::openFailure(const QString &location, QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("The port %1 does not exist (any more); the calculator may have "
                              "been unplugged.")
            .arg(shown(location));
    case QSerialPort::PermissionError: {
        if (!mayOpen(location)) {
            return QStringLiteral(
                "You may not open the port %1. Install the udev rule that comes with Vuve "
                "Vudurod (see the README), or add yourself to the dialout group and log in "
                "again; then plug the calculator in again.")
                .arg(shown(location));
        }
        const QString holder = holderOf(location);
        if (!holder.isEmpty()) {
            return QStringLiteral("The port %1 is in use by another program (%2). Close it and "
                                  "plug the calculator in again.")
                .arg(shown(location), holder);
        }
        return QStringLiteral("The port %1 is in use by another program. Close it and plug the "
                              "calculator in again.")
            .arg(shown(location));
    }
    case QSerialPort::UnsupportedOperationError:
        return QStringLiteral("%1 is not a serial port, so no calculator can be on it.")
            .arg(shown(location));
    default:
        return QStringLiteral("The port %1 cannot be opened.").arg(shown(location));
    }
}

QString PortProblem::silent(const QString &location)
{
    QString advice = ErrorMeaning::wakeUp();
    advice[0] = advice.at(0).toUpper();
    return QStringLiteral("The calculator at %1 does not answer. %2.").arg(shown(location), advice);
}

QString PortProblem::notCalculator(const QString &location)
{
    return QStringLiteral("The device at %1 answers, but not as a calculator does.")
        .arg(shown(location));
}

QString PortProblem::answeredLate(const QString &location)
{
    return QStringLiteral("The calculator at %1 answered late, with its reply to an earlier "
                          "request; try again.")
        .arg(shown(location));
}

QString PortProblem::holderOf(const QString &location)
{
#ifdef Q_OS_LINUX
    struct stat port;
    if (::stat(QFile::encodeName(location).constData(), &port) != 0)
        return QString();
    // Programs that take the port's lock file name themselves in it.
    const QString base = QFileInfo(QFileInfo(location).canonicalFilePath()).fileName();
    for (const QString &folder :
        { QStringLiteral("/run/lock"), QStringLiteral("/var/lock"), QDir::tempPath() }) {
        QFile lock(folder + QStringLiteral("/LCK..") + base);
        if (lock.open(QIODevice::ReadOnly)) {
            const QString pid = QString::fromLatin1(lock.readLine(32)).trimmed();
            if (!pid.isEmpty() && pid.toLongLong() > 0) {
                const QString program = programOf(QString::number(pid.toLongLong()));
                if (!program.isEmpty())
                    return program;
            }
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
                && S_ISCHR(st.st_mode) && st.st_rdev == port.st_rdev)
                return programOf(pid);
        }
    }
#else
    Q_UNUSED(location);
#endif
    return QString();
}
