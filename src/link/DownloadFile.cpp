#include "DownloadFile.h"

#include "FolderHandle.h"

bool DownloadFile::isSafeName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

// The folder is opened once and the file written through it: its bytes go to
// a new file beside the name and are renamed over it, which replaces whatever
// is there, a planted link included, and never writes through it.
bool DownloadFile::write(const QString &destFolder, const QString &name, const QByteArray &content)
{
    const FolderHandle folder = FolderHandle::open(destFolder);
    return folder.isValid() && write(folder, name, content);
}

bool DownloadFile::write(const FolderHandle &folder, const QString &name, const QByteArray &content)
{
    return isSafeName(name) && folder.writeFile(name, content);
}
