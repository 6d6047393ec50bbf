#include "FailureReport.h"

#include "DeviceText.h"
#include "FrameCodec.h"
#include "serializeData.pb.h"

using VivuRuza::calcMsg;

void FailureReport::begin(ErrorMeaning::Action action, const QString &file)
{
    m_text.clear();
    m_action = action;
    m_file = file;
}

void FailureReport::explainCode(int code, const QString &calculator)
{
    m_nextDetail = ErrorMeaning::line(m_file, calculator, ErrorMeaning::ofCode(code, m_action));
}

// A command stopped on purpose needs no advice.
void FailureReport::explainLostLine(const QString &text, const QString &calculator)
{
    if (text == FrameCodec::closedText())
        m_nextDetail = ErrorMeaning::line(m_file, calculator, ErrorMeaning::portClosed());
    else if (text == FrameCodec::silentText() || text == FrameCodec::timeoutText())
        m_nextDetail = ErrorMeaning::line(m_file, calculator, ErrorMeaning::noAnswer());
}

QString FailureReport::tell(int code, const QString &text)
{
    static const char *const texts[] = {
        QT_TR_NOOP("Unknown error."),
        QT_TR_NOOP("File doesn\u2019t exist."),
        QT_TR_NOOP("Connection error (error code: 423)."),
        QT_TR_NOOP("Memory error."),
        QT_TR_NOOP("Unknown error."),
        QT_TR_NOOP("Write error."),
        QT_TR_NOOP("Wrong data size."),
        QT_TR_NOOP("Wrong frame number."),
    };
    m_text = text.isEmpty() && uint(code) <= 7u ? tr(texts[code]) : text;
    m_detail = m_nextDetail;
    m_nextDetail.clear();
    return m_text;
}

QString FailureReport::refusalText(const calcMsg &reply, const QString &fallback)
{
    QString text = DeviceText::isolated(QString::fromStdString(reply.errorstr()));
    if (reply.errornum() != 0)
        text += QString::number(reply.errornum());
    if (text.isEmpty())
        text = fallback;
    // An error class beyond the table has no text of its own, and a refusal
    // must never be told with none.
    if (text.isEmpty() && uint(reply.error()) > uint(calcMsg::errType_MAX))
        text = tr("Unknown error.");
    return text;
}
