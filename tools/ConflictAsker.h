#ifndef CONFLICTASKER_H
#define CONFLICTASKER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdio>

// Puts a collision to the person at the terminal, one at a time as the
// window's questions do: yes, no, all (yes to this and every later one) or
// none (no to this and every later one).
class ConflictAsker
{
    Q_DECLARE_TR_FUNCTIONS(ConflictAsker)

public:
    enum class Answer { Yes, No, All, None };

    ConflictAsker(FILE *in, FILE *out);
    // An unreadable or ended input answers "none": nothing is replaced that
    // nobody agreed to. So does a question cut short by an interruption.
    Answer ask(const QString &question);

private:
    bool readLine(QByteArray &line);

    FILE *m_in;
    FILE *m_out;
};

#endif // CONFLICTASKER_H
