#include "TransferLog.h"

#include "LinkLog.h"
#include "TransferPlan.h"

Q_LOGGING_CATEGORY(TransferLog, "vuve.transfer", QtInfoMsg)

namespace {
const char *directionName(TransferPlan::Direction direction)
{
    switch (direction) {
    case TransferPlan::Direction::Upload:
        return "upload";
    case TransferPlan::Direction::Download:
        return "download";
    case TransferPlan::Direction::Delete:
        break;
    }
    return "delete";
}

const char *reasonName(TransferPlan::Reason reason)
{
    switch (reason) {
    case TransferPlan::Reason::None:
        return "none";
    case TransferPlan::Reason::Missing:
        return "missing";
    case TransferPlan::Reason::NotRegular:
        return "not a regular file";
    case TransferPlan::Reason::Unreadable:
        return "unreadable";
    case TransferPlan::Reason::Empty:
        return "empty";
    case TransferPlan::Reason::TooLarge:
        return "too large";
    case TransferPlan::Reason::NoName:
        return "no name left";
    case TransferPlan::Reason::SameFile:
        return "same file as another";
    case TransferPlan::Reason::SameName:
        return "same name as another";
    case TransferPlan::Reason::TakenOnCalc:
        return "name taken on the calculator";
    case TransferPlan::Reason::ExistsLocally:
        return "exists locally";
    }
    return "?";
}

const char *statusName(TransferOutcome::Status status)
{
    switch (status) {
    case TransferOutcome::Status::Done:
        return "done";
    case TransferOutcome::Status::Skipped:
        return "skipped";
    case TransferOutcome::Status::Failed:
        return "failed";
    case TransferOutcome::Status::GivenUp:
        return "given up";
    default:
        break;
    }
    return "stopped";
}
} // namespace

namespace TransferTrace {
void plan(const QByteArray &who, const TransferPlan &plan)
{
    if (!TransferLog().isDebugEnabled())
        return;
    qCDebug(TransferLog, "%s: %s of %d files", who.constData(), directionName(plan.direction()),
        plan.size());
    for (int i = 0; i < plan.size(); ++i) {
        const TransferPlan::Item &item = plan.at(i);
        QString line
            = QStringLiteral("%1: %2 as %3, %4 bytes")
                  .arg(QString::number(i + 1), QString::fromUtf8(traced(item.shown)),
                      QString::fromUtf8(traced(item.calcName)), QString::number(item.size));
        if (item.problem != TransferPlan::Reason::None)
            line += QStringLiteral(", problem: ") + QLatin1String(reasonName(item.problem));
        if (item.collision != TransferPlan::Reason::None)
            line += QStringLiteral(", collision: ") + QLatin1String(reasonName(item.collision));
        line += item.skip ? QStringLiteral(", skipped") : QStringLiteral(", planned");
        qCDebug(TransferLog, "%s: %s", who.constData(), line.toUtf8().constData());
    }
}

void started(const QByteArray &who, const TransferPlan &plan, int index)
{
    qCDebug(TransferLog, "%s: %d: %s started", who.constData(), index + 1,
        traced(plan.at(index).calcName).constData());
}

void settled(
    const QByteArray &who, const QString &calcName, TransferPlan::Reason reason, bool replace)
{
    qCDebug(TransferLog, "%s: %s, %s: %s", who.constData(), traced(calcName).constData(),
        reasonName(reason), replace ? "replace" : "skip");
}

void outcomes(
    const QByteArray &who, const TransferPlan &plan, const QList<TransferOutcome> &outcomes)
{
    if (!TransferLog().isDebugEnabled())
        return;
    for (int i = 0; i < outcomes.size() && i < plan.size(); ++i) {
        const TransferOutcome &outcome = outcomes.at(i);
        QString line
            = QStringLiteral("%1: %2 %3")
                  .arg(QString::number(i + 1), QString::fromUtf8(traced(plan.at(i).calcName)),
                      QLatin1String(statusName(outcome.status)));
        if (outcome.status == TransferOutcome::Status::Done)
            line += QStringLiteral(", %1 bytes").arg(outcome.size);
        if (!outcome.text.isEmpty())
            line += QStringLiteral(": ") + QString::fromUtf8(traced(outcome.text));
        qCDebug(TransferLog, "%s: %s", who.constData(), line.toUtf8().constData());
    }
}
} // namespace TransferTrace
