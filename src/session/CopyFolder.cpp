#include "CopyFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// What a name is itself, a link not followed.
struct Entry
{
    bool exists = false;
    bool isDir = false;
    bool isPrivateFolderOfOurs = false;
    qint64 modified = 0; // seconds since the epoch
};

Entry entryAt(const QString &path)
{
    Entry entry;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return entry;
    entry.exists = true;
    entry.isDir = S_ISDIR(st.st_mode);
    entry.isPrivateFolderOfOurs
        = entry.isDir && st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700;
    entry.modified = qint64(st.st_mtime);
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return entry;
    entry.exists = true;
    entry.isDir = info.isDir() && !info.isSymLink();
    entry.isPrivateFolderOfOurs = entry.isDir;
    entry.modified = info.lastModified().toSecsSinceEpoch();
#endif
    return entry;
}
} // namespace

// In the shared temporary folder the name says whose folder it is.
QList<CopyFolder::Parent> CopyFolder::parents()
{
    QList<Parent> out;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        out.append({ cache, QStringLiteral("copy-") });
    const QString temp = QDir::tempPath();
    if (!temp.isEmpty())
        out.append({ temp, QStringLiteral("vuve-vudurod-copy-") });
    return out;
}

bool CopyFolder::isOurs(const QString &folder)
{
    return entryAt(folder).isPrivateFolderOfOurs;
}

QString CopyFolder::path()
{
    if (!m_path.isEmpty() && isOurs(m_path))
        return m_path;
    m_path.clear();
    for (const Parent &parent : parents()) {
        if (!QDir().mkpath(parent.folder)) {
            m_error = tr("%1 cannot be made").arg(QDir::toNativeSeparators(parent.folder));
            continue;
        }
        QTemporaryDir folder(
            parent.folder + QLatin1Char('/') + parent.prefix + QStringLiteral("XXXXXX"));
        if (!folder.isValid()) {
            m_error = folder.errorString();
            continue;
        }
        folder.setAutoRemove(false);
        m_path = folder.path();
        m_error.clear();
        return m_path;
    }
    return QString();
}

void CopyFolder::removeOld()
{
    const qint64 cutoff = QDateTime::currentSecsSinceEpoch() - keepSeconds;
    for (const Parent &parent : parents()) {
        const QDir base(parent.folder);
        const QStringList folders = base.entryList({ parent.prefix + QLatin1Char('*') },
            QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : folders) {
            const QString folder = base.filePath(name);
            // Only a folder no one else may enter holds nothing someone else
            // put there.
            const Entry itself = entryAt(folder);
            if (!itself.isPrivateFolderOfOurs)
                continue;
            const QDir dir(folder);
            const QStringList copies = dir.entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &copyName : copies) {
                const QString copy = dir.filePath(copyName);
                const Entry entry = entryAt(copy);
                if (!entry.exists || entry.modified >= cutoff)
                    continue;
                // A download's staging folder, left by a run that was killed.
                if (entry.isDir)
                    QDir(copy).removeRecursively();
                else
                    QFile::remove(copy);
            }
            // Its time was taken before the sweep changed it: a folder just
            // made by a run still going is young, and stays.
            if (itself.modified < cutoff)
                base.rmdir(name);
        }
    }
}
