#ifndef CALCRUNNER_H
#define CALCRUNNER_H

#include "CtlOptions.h"
#include "TransferEvents.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class CVivuRuza;
class ConflictAsker;
class ProgressLine;
class Reporter;

// Runs one command on one calculator: opens its port, does the work and
// closes it again, all in the calling thread (a link lives and dies in one
// thread). Results and failures go to the reporter; run() returns the exit
// code. The commands that work through a batch of files are BatchRunner's.
class CalcRunner
{
    Q_DECLARE_TR_FUNCTIONS(CalcRunner)

public:
    enum ExitCode { Done = 0, Failed = 1, Usage = 2, Collision = 3 };

    // progress and asker may be null: no progress line, no questions.
    CalcRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
        ConflictAsker *asker);

    int run(const QString &port);
    // The calculator's USB serial number, for what a command keeps of it
    // (collect's receipt); empty when unknown.
    void setSerial(const QString &serial) { m_serial = serial; }

    // The calculator's list, or false with the reason reported, also where the
    // link had no words for it (a port that took no request). Entries left
    // out of the list are reported as failures, each once.
    static bool listing(CVivuRuza &link, Reporter &reporter, QList<QPair<QString, int>> &files);
    // A failure as one line: the text, then which file and calculator and
    // what to do.
    static void report(Reporter &reporter, const QString &text, const QString &detail);
    // Failures found above the link go where the link's do; a file in
    // transfer shows on the progress line, if there is one.
    static TransferEvents events(Reporter &reporter, ProgressLine *progress);
    // Names of files for a sentence: the first few, and how many more.
    static QString someNames(const QStringList &names);

private:
    int dispatch();
    int info();
    int list();
    int rename();
    int rename(const QString &newName);
    int backup();
    int collect();

    int finished(int code) const;

    const CtlOptions &m_options;
    Reporter &m_reporter;
    ProgressLine *m_progress;
    ConflictAsker *m_asker;
    CVivuRuza *m_link = nullptr;
    QString m_port;
    QString m_serial;
    QMetaObject::Connection m_linkErrors; // the link's failures to the reporter
};

#endif // CALCRUNNER_H
