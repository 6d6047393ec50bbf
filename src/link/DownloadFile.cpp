#include "DownloadFile.h"

#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool DownloadFile::isSafeName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

// The file is written into a private folder of ours inside the destination and
// then renamed over the final name: a rename replaces whatever is there, a
// planted link included, and never writes through it.
bool DownloadFile::write(const QString &destFolder, const QString &name, const QByteArray &content)
{
    const QString path = destFolder + QLatin1Char('/') + name;
    const QFileInfo existing(path);
    if (existing.isDir() && !existing.isSymLink())
        return false;
    QTemporaryDir staging(destFolder + QStringLiteral("/.vuve-download-XXXXXX"));
    if (!staging.isValid())
        return false;
    // Removed by name below, never recursively: nothing of ours is left in it.
    staging.setAutoRemove(false);
    const QString staged = staging.path() + QLatin1Char('/') + name;
    bool landed = WholeFile::write(staged, content);
    if (landed) {
#ifdef Q_OS_UNIX
        // The staged file has the mode the umask gives a new file. A file of
        // ours that it replaces keeps its mode, as writing it in place would;
        // a link or another user's file planted under the name hands nothing on.
        struct stat replaced;
        if (::lstat(QFile::encodeName(path).constData(), &replaced) == 0
            && S_ISREG(replaced.st_mode) && replaced.st_uid == ::geteuid())
            ::chmod(QFile::encodeName(staged).constData(), replaced.st_mode & 0777);
        landed = std::rename(
                     QFile::encodeName(staged).constData(), QFile::encodeName(path).constData())
            == 0;
#else
        QFile::remove(path);
        landed = QFile::rename(staged, path);
#endif
    }
    if (!landed)
        QFile::remove(staged);
    QDir().rmdir(staging.path());
    return landed;
}
