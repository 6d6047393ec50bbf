#include "FolderHandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

struct FolderHandle::Data
{
    int fd = -1;
    int parentFd = -1; // made folders only: where renameTo() renames
    QString path;
    QString name;
    dev_t dev = 0;
    ino_t ino = 0;
    uid_t uid = 0;

    ~Data()
    {
        if (fd >= 0)
            ::close(fd);
        if (parentFd >= 0)
            ::close(parentFd);
    }
};

namespace {
QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void tell(QString *errorText, const QString &text)
{
    if (errorText)
        *errorText = text;
}

bool sameFolder(const struct stat &st, dev_t dev, ino_t ino)
{
    return S_ISDIR(st.st_mode) && st.st_dev == dev && st.st_ino == ino;
}

// A folder just made holds nothing; anything else under its name was put
// there by somebody else.
bool isEmptyFolder(int fd)
{
    const int copy = ::dup(fd);
    if (copy < 0)
        return false;
    DIR *dir = ::fdopendir(copy);
    if (!dir) {
        ::close(copy);
        return false;
    }
    bool empty = true;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            empty = false;
            break;
        }
    }
    ::closedir(dir);
    return empty;
}

bool writeAll(int fd, const QByteArray &content)
{
    const char *data = content.constData();
    qint64 left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}
} // namespace

bool FolderHandle::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

FolderHandle FolderHandle::open(const QString &path, QString *errorText)
{
    FolderHandle folder;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        tell(errorText, systemError(errno));
        return folder;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        tell(errorText, systemError(errno));
        ::close(fd);
        return folder;
    }
    folder.d.reset(new Data);
    folder.d->fd = fd;
    folder.d->path = QDir(path).absolutePath();
    folder.d->dev = st.st_dev;
    folder.d->ino = st.st_ino;
    folder.d->uid = st.st_uid;
    return folder;
}

FolderHandle FolderHandle::makeNew(const QString &parent, const QString &base, QString *errorText)
{
    const FolderHandle up = open(parent, errorText);
    return up.isValid() ? makeNew(up, base, errorText) : FolderHandle();
}

FolderHandle FolderHandle::makeNew(const FolderHandle &up, const QString &base, QString *errorText)
{
    FolderHandle folder;
    if (!up.isValid()) {
        tell(errorText, systemError(EBADF));
        return folder;
    }
    if (!isPlainName(base)) {
        tell(errorText, systemError(EINVAL));
        return folder;
    }
    for (int n = 1; n <= 100; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1-%2").arg(base, QString::number(n));
        const QByteArray encoded = QFile::encodeName(name);
        if (::mkdirat(up.d->fd, encoded.constData(), 0777) != 0) {
            if (errno == EEXIST)
                continue;
            tell(errorText, systemError(errno));
            return folder;
        }
        // Between the making and the opening another user of a shared
        // folder may have put something else under the name: a link is not
        // followed, and a folder that is not ours and empty is not the one
        // made.
        const int fd = ::openat(
            up.d->fd, encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat st;
        if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_uid != ::geteuid() || !isEmptyFolder(fd)) {
            if (fd >= 0)
                ::close(fd);
            tell(errorText, systemError(EEXIST));
            return folder;
        }
        folder.d.reset(new Data);
        folder.d->fd = fd;
        folder.d->parentFd = ::dup(up.d->fd);
        folder.d->path = QDir(up.path()).filePath(name);
        folder.d->name = name;
        folder.d->dev = st.st_dev;
        folder.d->ino = st.st_ino;
        folder.d->uid = st.st_uid;
        return folder;
    }
    tell(errorText, systemError(EEXIST));
    return folder;
}

QString FolderHandle::path() const
{
    return d ? d->path : QString();
}

QString FolderHandle::name() const
{
    return d ? d->name : QString();
}

bool FolderHandle::writeFile(
    const QString &name, const QByteArray &content, QString *errorText) const
{
    if (!d) {
        tell(errorText, systemError(EBADF));
        return false;
    }
    if (!isPlainName(name)) {
        tell(errorText, systemError(EINVAL));
        return false;
    }
    const QByteArray target = QFile::encodeName(name);
    struct stat replaced;
    const bool exists = ::fstatat(d->fd, target.constData(), &replaced, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(replaced.st_mode)) {
        tell(errorText, systemError(EISDIR));
        return false;
    }
    QByteArray staged;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        staged = ".vuve-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        fd = ::openat(
            d->fd, staged.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        tell(errorText, systemError(errno));
        return false;
    }
    bool written = writeAll(fd, content);
    int error = written ? 0 : errno;
    // A file of ours that is replaced keeps its mode, as writing it in place
    // would; a link or another user's file planted under the name hands
    // nothing on.
    if (written && exists && S_ISREG(replaced.st_mode) && replaced.st_uid == ::geteuid())
        ::fchmod(fd, replaced.st_mode & 07777);
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::renameat(d->fd, staged.constData(), d->fd, target.constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlinkat(d->fd, staged.constData(), 0);
        tell(errorText, systemError(error));
    }
    return written;
}

bool FolderHandle::appendFile(const QString &name, const QByteArray &first,
    const QByteArray &content, QString *errorText) const
{
    if (!d || !isPlainName(name)) {
        tell(errorText, systemError(d ? EINVAL : EBADF));
        return false;
    }
    const QByteArray target = QFile::encodeName(name);
    QByteArray bytes = content;
    // Made here, so its first line is ours; otherwise it was there, and is
    // added to as it is. Non-blocking, so a fifo planted under the name
    // cannot hold the open.
    int fd = ::openat(d->fd, target.constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd >= 0) {
        bytes.prepend(first);
    } else if (errno == EEXIST) {
        fd = ::openat(
            d->fd, target.constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    }
    if (fd < 0) {
        tell(errorText, systemError(errno == ELOOP ? EEXIST : errno));
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        tell(errorText, systemError(EEXIST));
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    bool written = writeAll(fd, bytes);
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written)
        tell(errorText, systemError(error));
    return written;
}

bool FolderHandle::removeFile(const QString &name) const
{
    return d && isPlainName(name) && ::unlinkat(d->fd, QFile::encodeName(name).constData(), 0) == 0;
}

bool FolderHandle::holds(const QString &name) const
{
    struct stat st;
    return d && isPlainName(name)
        && ::fstatat(d->fd, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool FolderHandle::isStillAt() const
{
    if (!d)
        return false;
    struct stat st;
    if (d->parentFd >= 0)
        return ::fstatat(
                   d->parentFd, QFile::encodeName(d->name).constData(), &st, AT_SYMLINK_NOFOLLOW)
            == 0
            && sameFolder(st, d->dev, d->ino);
    return ::stat(QFile::encodeName(d->path).constData(), &st) == 0
        && sameFolder(st, d->dev, d->ino);
}

bool FolderHandle::renameTo(const QString &newName)
{
    if (!d || d->parentFd < 0 || !isPlainName(newName) || !isStillAt())
        return false;
    if (::renameat2(d->parentFd, QFile::encodeName(d->name).constData(), d->parentFd,
            QFile::encodeName(newName).constData(), RENAME_NOREPLACE)
        != 0)
        return false;
    d->path = QFileInfo(d->path).dir().filePath(newName);
    d->name = newName;
    return true;
}

QString FolderHandle::identityOf(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0
        || !S_ISDIR(st.st_mode))
        return QString();
    return QStringLiteral("%1:%2:%3")
        .arg(QString::number(quint64(st.st_dev)), QString::number(quint64(st.st_ino)),
            QString::number(quint64(st.st_uid)));
}

QString FolderHandle::identity() const
{
    if (!d)
        return QString();
    return QStringLiteral("%1:%2:%3")
        .arg(QString::number(quint64(d->dev)), QString::number(quint64(d->ino)),
            QString::number(quint64(d->uid)));
}
