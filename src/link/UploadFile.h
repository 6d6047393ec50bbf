#ifndef UPLOADFILE_H
#define UPLOADFILE_H

#include <QByteArray>
#include <QString>

// Reads a local file that is to go to the calculator. Only a regular file
// (after following links) is read, and its opening never blocks: a FIFO or
// a device swapped in under the name is refused instead of waited on.
class UploadFile
{
public:
    enum class Result { Ok, Unreadable, NotRegular, TooLarge };

    // At most limit bytes; a longer file is TooLarge, never cut.
    static Result read(const QString &path, int limit, QByteArray &content);
};

#endif // UPLOADFILE_H
