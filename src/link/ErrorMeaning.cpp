#include "ErrorMeaning.h"

#include "DeviceText.h"
#include "serializeData.pb.h"

#include <QStringList>

using VivuRuza::calcMsg;

namespace {
// The end of a piece of advice: "restart it and send again".
QString againOf(ErrorMeaning::Action action)
{
    switch (action) {
    case ErrorMeaning::Action::Send:
        //: Ends advice such as "restart it and %1".
        return ErrorMeaning::tr("send again");
    case ErrorMeaning::Action::Copy:
        //: Ends advice such as "restart it and %1".
        return ErrorMeaning::tr("copy again");
    case ErrorMeaning::Action::Delete:
        //: Ends advice such as "restart it and %1".
        return ErrorMeaning::tr("delete again");
    case ErrorMeaning::Action::Other:
        break;
    }
    //: Ends advice such as "restart it and %1".
    return ErrorMeaning::tr("try again");
}
} // namespace

QString ErrorMeaning::ofCode(int errorCode, Action action)
{
    const QString again = againOf(action);
    switch (errorCode) {
    case calcMsg::FILE_NOT_EXIST:
        if (action == Action::Send)
            return tr("the calculator lost the file while storing it; send again");
        return tr("the file is not on the calculator; plug it in again to see the files it holds "
                  "now");
    case calcMsg::CONNECTION_ERROR:
        return tr("the calculator reported a connection problem; unplug it, plug it in and %1")
            .arg(again);
    case calcMsg::MEMORY_ERROR:
        if (action == Action::Send)
            return tr("the calculator's memory is full; delete files on it and send again");
        return tr("the calculator ran out of memory; restart it and %1").arg(again);
    case calcMsg::WRITE_ERROR:
        switch (action) {
        case Action::Send:
            return tr("the calculator could not store the file; delete files on it or restart "
                      "it, then send again");
        case Action::Copy:
            return tr("the calculator could not read the file; restart it and copy again");
        case Action::Delete:
            return tr("the calculator could not remove the file; restart it and delete again");
        case Action::Other:
            break;
        }
        return tr("the calculator could not write; restart it and try again");
    case calcMsg::DATASIZE_INVALID:
        if (action == Action::Send)
            return tr("the calculator did not take the file's size; check the file and send "
                      "again");
        return tr("the calculator's data did not match its sizes; %1").arg(again);
    case calcMsg::INVALID_FRAME_NUMBER:
        return tr("parts of the file came out of order; %1").arg(again);
    default:
        return tr("the calculator refused; open its home screen and %1").arg(again);
    }
}

QString ErrorMeaning::noAnswer()
{
    //: %1 is the advice "switch it on, open its home screen and plug it in again".
    return tr("the calculator does not answer; %1").arg(wakeUp());
}

QString ErrorMeaning::portClosed()
{
    return tr("the calculator's port closed; plug it in again");
}

QString ErrorMeaning::wakeUp()
{
    return tr("switch it on, open its home screen and plug it in again");
}

QString ErrorMeaning::line(const QString &file, const QString &calculator, const QString &meaning)
{
    QStringList who;
    if (!file.isEmpty())
        who.append(DeviceText::isolated(file));
    if (!calculator.isEmpty())
        who.append(DeviceText::isolated(calculator));
    if (who.isEmpty())
        return meaning;
    //: %1 names the file and the calculator ("HELLO.py, Vori X1"), %2 says what it means.
    return tr("%1: %2").arg(who.join(QStringLiteral(", ")), meaning);
}

QString ErrorMeaning::joined(const QString &text, const QString &detail)
{
    if (detail.isEmpty())
        return text;
    //: Two sentences in a row, %1 ending in a full stop, %2 without its own.
    return text.endsWith(QLatin1Char('.')) ? tr("%1 %2.").arg(text, detail)
                                           //: Two sentences in a row, neither with its full stop.
                                           : tr("%1. %2.").arg(text, detail);
}
