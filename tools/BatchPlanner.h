#ifndef BATCHPLANNER_H
#define BATCHPLANNER_H

#include "CtlOptions.h"
#include "TransferPlan.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ConflictAsker;

// What vuvectl makes of a plan before anything is transferred: an upload is
// refused as a whole when one of its files cannot go, the files of a download
// or deletion are the ones named or matched, and collisions are settled by
// the policy or by the person at the terminal. The rules themselves are the
// plan's.
class BatchPlanner
{
    Q_DECLARE_TR_FUNCTIONS(BatchPlanner)

public:
    using Item = TransferPlan::Item;
    using Listing = TransferPlan::Listing;

    // One item per local file, a file named twice once. Any refusal (a file
    // that cannot be sent, two files that would get one calculator name)
    // means nothing may be sent.
    static TransferPlan planUpload(const QStringList &paths, QStringList &refusals);
    // Why each item of an upload planned elsewhere can't go, as planUpload
    // says it; empty when all may go.
    static QStringList refusals(const TransferPlan &plan);

    // Files of the listing named, or matched by a shell pattern (*, ?, [...]),
    // each once, in listing order. An argument that is a listed name means
    // that file only, even where it could be read as a pattern. Every name or
    // pattern that finds nothing, and a pattern that is not one, is a problem.
    static Listing select(const QStringList &namesOrPatterns, bool allFiles, const Listing &onCalc,
        QStringList &problems);

    // Settles every collision: replaced (kept) or skipped. False when the
    // policy is to fail, and the batch must not start.
    static bool settle(TransferPlan &plan, CtlOptions::Conflict policy, ConflictAsker *asker,
        const std::function<QString(const Item &)> &question);
    // The calculator names of the items that collide.
    static QStringList collisions(const TransferPlan &plan);
    static bool isPattern(const QString &text);

private:
    static QString refusal(const TransferPlan &plan, const Item &item);
};

#endif // BATCHPLANNER_H
