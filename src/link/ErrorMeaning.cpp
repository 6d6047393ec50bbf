#include "ErrorMeaning.h"

#include "serializeData.pb.h"

#include <QStringList>

using VivuRuza::calcMsg;

namespace {
QString verbOf(ErrorMeaning::Action action)
{
    switch (action) {
    case ErrorMeaning::Action::Send:
        return QStringLiteral("send");
    case ErrorMeaning::Action::Copy:
        return QStringLiteral("copy");
    case ErrorMeaning::Action::Delete:
        return QStringLiteral("delete");
    case ErrorMeaning::Action::Other:
        break;
    }
    return QStringLiteral("try");
}
} // namespace

QString ErrorMeaning::ofCode(int errorCode, Action action)
{
    const QString again = verbOf(action) + QStringLiteral(" again");
    switch (errorCode) {
    case calcMsg::FILE_NOT_EXIST:
        if (action == Action::Send)
            return QStringLiteral("the calculator lost the file while storing it; send again");
        return QStringLiteral("the file is not on the calculator; plug it in again to see the "
                              "files it holds now");
    case calcMsg::CONNECTION_ERROR:
        return QStringLiteral("the calculator reported a connection problem; unplug it, plug it "
                              "in and %1")
            .arg(again);
    case calcMsg::MEMORY_ERROR:
        if (action == Action::Send)
            return QStringLiteral("the calculator's memory is full; delete files on it and send "
                                  "again");
        return QStringLiteral("the calculator ran out of memory; restart it and %1").arg(again);
    case calcMsg::WRITE_ERROR:
        switch (action) {
        case Action::Send:
            return QStringLiteral("the calculator could not store the file; delete files on it "
                                  "or restart it, then send again");
        case Action::Copy:
            return QStringLiteral("the calculator could not read the file; restart it and copy "
                                  "again");
        case Action::Delete:
            return QStringLiteral("the calculator could not remove the file; restart it and "
                                  "delete again");
        case Action::Other:
            break;
        }
        return QStringLiteral("the calculator could not write; restart it and try again");
    case calcMsg::DATASIZE_INVALID:
        if (action == Action::Send)
            return QStringLiteral("the calculator did not take the file's size; check the file "
                                  "and send again");
        return QStringLiteral("the calculator's data did not match its sizes; %1").arg(again);
    case calcMsg::INVALID_FRAME_NUMBER:
        return QStringLiteral("parts of the file came out of order; %1").arg(again);
    default:
        return QStringLiteral("the calculator refused; open its home screen and %1").arg(again);
    }
}

QString ErrorMeaning::noAnswer()
{
    return QStringLiteral("the calculator does not answer; ") + wakeUp();
}

QString ErrorMeaning::portClosed()
{
    return QStringLiteral("the calculator's port closed; plug it in again");
}

QString ErrorMeaning::wakeUp()
{
    return QStringLiteral("switch it on, open its home screen and plug it in again");
}

QString ErrorMeaning::line(const QString &file, const QString &calculator, const QString &meaning)
{
    QStringList who;
    if (!file.isEmpty())
        who.append(file);
    if (!calculator.isEmpty())
        who.append(calculator);
    if (who.isEmpty())
        return meaning;
    return who.join(QStringLiteral(", ")) + QStringLiteral(": ") + meaning;
}

QString ErrorMeaning::joined(const QString &text, const QString &detail)
{
    if (detail.isEmpty())
        return text;
    const QString gap
        = text.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
    return text + gap + detail + QLatin1Char('.');
}
