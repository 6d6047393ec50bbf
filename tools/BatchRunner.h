#ifndef BATCHRUNNER_H
#define BATCHRUNNER_H

#include "BatchPlanner.h"
#include "CtlOptions.h"

#include <QJsonArray>
#include <QString>

class CVivuRuza;
class ConflictAsker;
class ProgressLine;
class Reporter;

// The commands that move or delete files one by one on an open link: get,
// put, rm and restore. Each plans its whole batch first (BatchPlanner), has
// its collisions settled, then goes file by file, and gives up the rest once
// the calculator stopped answering. Each returns its exit code.
class BatchRunner
{
public:
    using Listing = BatchPlanner::Listing;

    BatchRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
        ConflictAsker *asker, CVivuRuza &link, const QString &port);

    int get();
    int put();
    int remove();
    int restore();

private:
    bool settle(QList<BatchPlanner::Item> &items, const QString &where);
    bool lineLost(
        const QList<BatchPlanner::Item> &items, int failed, const QString &what, QJsonArray &json);
    bool stopped(
        const QList<BatchPlanner::Item> &items, int next, const QString &what, QJsonArray &json);
    void giveUp(
        const QList<BatchPlanner::Item> &items, int from, const QString &what, QJsonArray &json);
    void notePartialUpload(const QString &calcName);
    static bool interrupted();

    const CtlOptions &m_options;
    Reporter &m_reporter;
    ProgressLine *m_progress;
    ConflictAsker *m_asker;
    CVivuRuza *m_link;
    QString m_port;
};

#endif // BATCHRUNNER_H
