#ifndef BATCHRUNNER_H
#define BATCHRUNNER_H

#include "BatchPlanner.h"
#include "CtlOptions.h"
#include "TransferEvents.h"
#include "TransferOutcome.h"
#include "TransferPlan.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>

class CVivuRuza;
class ConflictAsker;
class ProgressLine;
class Reporter;

// The commands that move or delete files one by one on an open link: get,
// put, rm and restore. Each plans its whole batch first, has its collisions
// settled, then runs it (TransferRunner), and tells of each file as it goes,
// in text and in its JSON entry. Each returns its exit code.
class BatchRunner
{
    Q_DECLARE_TR_FUNCTIONS(BatchRunner)

public:
    using Listing = BatchPlanner::Listing;

    BatchRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
        ConflictAsker *asker, CVivuRuza &link, const QString &port);

    int get();
    int put();
    int remove();
    int restore();

private:
    // Tells of one file the batch reached and makes its JSON entry; began:
    // its transfer started.
    using Teller
        = std::function<QJsonObject(const TransferPlan::Item &, const TransferOutcome &, bool)>;

    // folder: where a download goes, named in the report of its collisions.
    bool settle(TransferPlan &plan, const QString &folder = QString());
    // The problems and, where showProgress, the progress line of a batch.
    TransferEvents events(bool showProgress);
    // Runs the plan: an entry per file reached, then one per file given up.
    QList<TransferOutcome> run(
        const TransferPlan &plan, bool showProgress, const Teller &tell, QJsonArray &json);
    QJsonObject entryOf(const TransferPlan::Item &item) const;
    // The calculator's files the arguments name, each problem reported and
    // kept in problems; false when the calculator could not be listed.
    bool chosenFiles(Listing &chosen, QStringList &problems);
    void notePartialUpload(const QString &calcName);
    static void noteDifferent(const TransferOutcome &outcome, QJsonObject &entry);

    const CtlOptions &m_options;
    Reporter &m_reporter;
    ProgressLine *m_progress;
    ConflictAsker *m_asker;
    CVivuRuza *m_link;
    QString m_port;
};

#endif // BATCHRUNNER_H
