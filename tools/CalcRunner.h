#ifndef CALCRUNNER_H
#define CALCRUNNER_H

#include "BatchPlanner.h"
#include "CtlOptions.h"

#include <QJsonArray>
#include <QString>

class CVivuRuza;
class ConflictAsker;
class ProgressLine;
class Reporter;

// Runs one command on one calculator: opens its port, does the work and
// closes it again, all in the calling thread (a link lives and dies in one
// thread). Results and failures go to the reporter; run() returns the exit
// code.
class CalcRunner
{
public:
    enum ExitCode { Done = 0, Failed = 1, Usage = 2, Collision = 3 };

    // progress and asker may be null: no progress line, no questions.
    CalcRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
        ConflictAsker *asker);

    int run(const QString &port);

private:
    int dispatch();
    int info();
    int list();
    int get();
    int put();
    int remove();
    int rename();
    int backup();
    int restore();

    bool listing(BatchPlanner::Listing &files);
    bool settle(QList<BatchPlanner::Item> &items, const QString &where);
    bool lineLost(
        const QList<BatchPlanner::Item> &items, int failed, const QString &what, QJsonArray &json);
    int finished(int code) const;

    const CtlOptions &m_options;
    Reporter &m_reporter;
    ProgressLine *m_progress;
    ConflictAsker *m_asker;
    CVivuRuza *m_link = nullptr;
    QString m_port;
};

#endif // CALCRUNNER_H
