#ifndef UPLOADFILE_H
#define UPLOADFILE_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads a local file that is to go to the calculator. Only a regular file
// (after following links) is read, and its opening never blocks: a FIFO or
// a device swapped in under the name is refused instead of waited on.
class UploadFile
{
    Q_DECLARE_TR_FUNCTIONS(UploadFile)

public:
    enum class Result { Ok, Unreadable, NotRegular, TooLarge };

    // At most limit bytes; a longer file is TooLarge, never cut.
    static Result read(const QString &path, int limit, QByteArray &content);
    // Why a file read with this result can't be sent, naming it as shown;
    // empty for Ok.
    static QString problemText(Result result, const QString &shown);
};

#endif // UPLOADFILE_H
