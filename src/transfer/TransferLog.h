#ifndef TRANSFERLOG_H
#define TRANSFERLOG_H

#include "TransferOutcome.h"

#include <QByteArray>
#include <QList>
#include <QLoggingCategory>

class TransferPlan;

// The batch's trace for bug reports: what the plan settled for each file
// before anything moved, and what became of each. Names and sizes only,
// never a file's content. Off unless switched on, e.g.
// QT_LOGGING_RULES="vuve.transfer.debug=true".
Q_DECLARE_LOGGING_CATEGORY(TransferLog)

namespace TransferTrace {
// Each line starts with who the batch is for: the link's port.
void plan(const QByteArray &who, const TransferPlan &plan);
void outcomes(
    const QByteArray &who, const TransferPlan &plan, const QList<TransferOutcome> &outcomes);
} // namespace TransferTrace

#endif // TRANSFERLOG_H
