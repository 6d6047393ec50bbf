#include "WholeFile.h"

#include <QSaveFile>

// QSaveFile::commit() flushes its buffer but does not look at the outcome, so
// bytes that never reached the disk (a full disk, a file size limit) leave a
// truncated file committed as a success; flushed first, the failure shows.
bool WholeFile::write(const QString &path, const QByteArray &content, QString *errorText)
{
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.flush()
        && out.commit())
        return true;
    if (errorText)
        *errorText = out.errorString();
    return false;
}
