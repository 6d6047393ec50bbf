#ifndef ERRORMEANING_H
#define ERRORMEANING_H

#include <QCoreApplication>
#include <QString>

// What a failure on the calculator's side means to the person at the computer
// and what to do next: the line the window and vuvectl show with the link's
// own text, which names neither the file nor the way out.
class ErrorMeaning
{
    Q_DECLARE_TR_FUNCTIONS(ErrorMeaning)

public:
    enum class Action { Send, Copy, Delete, Other };

    // A refusal with this errType, or a reply of ours found broken in its way.
    static QString ofCode(int errorCode, Action action);
    // Nothing came back in time.
    static QString noAnswer();
    // The port closed while a reply was awaited.
    static QString portClosed();
    // What to do about a calculator that does not answer.
    static QString wakeUp();
    // "HELLO.py, Vori X1: meaning"; what is not known is left out.
    static QString line(const QString &file, const QString &calculator, const QString &meaning);
    // The link's text and its detail as one sentence after the other, for a
    // report that has one line for both.
    static QString joined(const QString &text, const QString &detail);
};

#endif // ERRORMEANING_H
