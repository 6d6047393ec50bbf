#ifndef TRANSFERLOG_H
#define TRANSFERLOG_H

#include "TransferOutcome.h"
#include "TransferPlan.h"

#include <QByteArray>
#include <QList>
#include <QLoggingCategory>
#include <QString>

// The batch's trace for bug reports: what the plan settled for each file
// before anything moved, and what became of each. Names and sizes only,
// never a file's content. Off unless switched on, e.g.
// QT_LOGGING_RULES="vuve.transfer.debug=true".
Q_DECLARE_LOGGING_CATEGORY(TransferLog)

namespace TransferTrace {
// Each line starts with who the batch is for: the link's port.
void plan(const QByteArray &who, const TransferPlan &plan);
// A file's transfer begins; its outcome comes with the others once the batch
// ends, so a batch that never ends shows where it stood.
void started(const QByteArray &who, const TransferPlan &plan, int index);
void outcomes(
    const QByteArray &who, const TransferPlan &plan, const QList<TransferOutcome> &outcomes);
// A collision answered before the batch was made: replaced or skipped. The
// files skipped so never reach a plan of their own.
void settled(
    const QByteArray &who, const QString &calcName, TransferPlan::Reason reason, bool replace);
} // namespace TransferTrace

#endif // TRANSFERLOG_H
