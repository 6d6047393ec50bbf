#ifndef DOWNLOADFILE_H
#define DOWNLOADFILE_H

#include <QByteArray>
#include <QString>

class FolderHandle;

// Lands a file that came from the calculator in a folder the user chose, and
// only there: the folder may be shared, and the name is the device's.
class DownloadFile
{
public:
    // A name from the calculator that stays inside the destination folder.
    static bool isSafeName(const QString &name);
    // destFolder/name holds content afterwards, or is as it was: an earlier
    // file, or a link planted under the name, is replaced only once every
    // byte reached the disk, and never written through.
    static bool write(const QString &destFolder, const QString &name, const QByteArray &content);
    // The same into a folder held open, which may no longer have the name it
    // was made under: the file lands in that folder, wherever it is now.
    static bool write(const FolderHandle &folder, const QString &name, const QByteArray &content);
};

#endif // DOWNLOADFILE_H
