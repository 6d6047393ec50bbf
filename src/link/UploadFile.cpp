#include "UploadFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

UploadFile::Result UploadFile::read(const QString &path, int limit, QByteArray &content)
{
    content.clear();
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENXIO ? Result::NotRegular : Result::Unreadable;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Result::NotRegular;
    }
    QFile local;
    if (!local.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Result::Unreadable;
    }
#else
    if (!QFileInfo(path).isFile())
        return Result::NotRegular;
    QFile local(path);
    if (!local.open(QIODevice::ReadOnly))
        return Result::Unreadable;
#endif
    // One byte past the limit tells a file that is too large from one that
    // fits exactly; a cut file must never pass for the whole.
    content = local.read(qint64(limit) + 1);
    if (local.error() != QFileDevice::NoError)
        return Result::Unreadable;
    if (content.size() > limit)
        return Result::TooLarge;
    return Result::Ok;
}

QString UploadFile::problemText(Result result, const QString &shown)
{
    switch (result) {
    case Result::Ok:
        break;
    case Result::Unreadable:
        return tr("File %1 can't be read.").arg(shown);
    case Result::NotRegular:
        return tr("%1 is not a regular file and can't be sent.").arg(shown);
    case Result::TooLarge:
        return tr("File %1 is larger than 1 MiB (1048576 bytes) and can't be sent.").arg(shown);
    }
    return QString();
}
