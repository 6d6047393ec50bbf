#ifndef FAILUREREPORT_H
#define FAILUREREPORT_H

#include "ErrorMeaning.h"

#include <QCoreApplication>
#include <QString>

namespace VivuRuza {
class calcMsg;
} // namespace VivuRuza

// What the link tells of a failed command: the sentence for an error class or
// a refusal, and the detail of what the failure means for the file and the
// calculator the command was about. Its sentences are the link's, translated
// where translators have always found them.
class FailureReport
{
    Q_DECLARE_TR_FUNCTIONS(CVivuRuza)

public:
    // Every command begins here: its failures are its own.
    void begin(ErrorMeaning::Action action, const QString &file);
    // For a command that can fail before it asks the calculator anything.
    void clearText() { m_text.clear(); }

    // The detail for the failure about to be told: a refusal or a reply
    // found broken, with its errType, or a line that was lost.
    void explainCode(int code, const QString &calculator);
    void explainLostLine(const QString &text, const QString &calculator);

    // The failure told now: text, or the error class's own sentence where
    // text is empty; the detail explained for it goes with it.
    QString tell(int code, const QString &text);
    // Of the last failure told; empty after a command that succeeded.
    QString text() const { return m_text; }
    QString detail() const { return m_detail; }

    // A refusal in the calculator's own words (its error number after them),
    // else fallback.
    static QString refusalText(const VivuRuza::calcMsg &reply, const QString &fallback);

private:
    ErrorMeaning::Action m_action = ErrorMeaning::Action::Other;
    QString m_file;
    // The detail for the next failure told, and that of the last one.
    QString m_nextDetail;
    QString m_detail;
    QString m_text;
};

#endif // FAILUREREPORT_H
