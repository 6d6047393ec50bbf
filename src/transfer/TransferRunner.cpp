#include "TransferRunner.h"

#include "BackupManifest.h"
#include "CVivuRuza.h"
#include "DeviceText.h"
#include "ErrorMeaning.h"
#include "TransferLog.h"
#include "UploadFile.h"
#include "serializeData.pb.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QThread>

TransferRunner::TransferRunner(CVivuRuza &link, TransferEvents events)
    : m_link(link)
    , m_events(std::move(events))
{
}

QList<TransferOutcome> TransferRunner::run(const TransferPlan &plan)
{
    TransferTrace::plan(m_link.traceLabel(), plan);
    m_requested.clear();
    m_different.clear();
    QList<TransferOutcome> outcomes;
    const int count = plan.size();
    for (int i = 0; i < count; ++i) {
        if (interrupted()) {
            giveUp(plan, i, outcomes);
            break;
        }
        if (m_link.cancelAsked()) {
            cancelFrom(plan, i, outcomes);
            break;
        }
        const TransferPlan::Item &item = plan.at(i);
        TransferOutcome outcome;
        if (item.skip) {
            outcome.status = TransferOutcome::Status::Skipped;
        } else {
            outcome = move(plan, i);
            if (outcome.status == TransferOutcome::Status::Failed && m_link.cancelled())
                outcome = cancelled(plan, i);
            if (requested())
                m_requested.insert(TransferPlan::nameKey(item.calcName));
        }
        outcomes.append(outcome);
        if (m_events.fileDone)
            m_events.fileDone(i, outcome);
        if (outcome.status == TransferOutcome::Status::Cancelled) {
            cancelFrom(plan, i + 1, outcomes);
            break;
        }
        if (outcome.status == TransferOutcome::Status::Failed
            && (m_link.lineLost() || interrupted())) {
            giveUp(plan, i + 1, outcomes);
            break;
        }
    }
    tellDifferent();
    TransferTrace::outcomes(m_link.traceLabel(), plan, outcomes);
    return outcomes;
}

void TransferRunner::begin(const TransferPlan &plan, int index)
{
    TransferTrace::started(m_link.traceLabel(), plan, index);
    if (m_events.fileStarted)
        m_events.fileStarted(plan.at(index).calcName, index + 1, plan.size());
}

TransferOutcome TransferRunner::move(const TransferPlan &plan, int index)
{
    const TransferPlan::Item &item = plan.at(index);
    m_sending = false;
    if (plan.direction() == TransferPlan::Direction::Upload && !item.sha256.isEmpty())
        return sendChecked(plan, index);
    begin(plan, index);
    bool done = false;
    int size = int(item.size);
    QByteArray content;
    switch (plan.direction()) {
    case TransferPlan::Direction::Upload:
        m_sending = true;
        done = m_link.uploadFile(item.localPath, item.calcName, &size, &content);
        break;
    case TransferPlan::Direction::Download:
        done = plan.folderHandle().isValid()
            ? m_link.downloadFile(item.calcName, size, plan.folderHandle())
            : m_link.downloadFile(item.calcName, size, plan.folder());
        break;
    case TransferPlan::Direction::Delete:
        done = m_link.deleteFile(CVivuRuza::fileInfOf(item.calcName, item.size));
        break;
    }
    if (!done)
        return failed(m_link.errorString());
    if (plan.direction() == TransferPlan::Direction::Upload)
        return sent(item, content);
    TransferOutcome outcome;
    outcome.status = TransferOutcome::Status::Done;
    outcome.size = size;
    return outcome;
}

// Read as any upload is, so a file swapped for a FIFO since it was checked is
// refused rather than waited on; sent only while it is what was checked. Its
// transfer begins once the check has passed.
TransferOutcome TransferRunner::sendChecked(const TransferPlan &plan, int index)
{
    const TransferPlan::Item &item = plan.at(index);
    QByteArray content;
    const UploadFile::Result read
        = UploadFile::read(item.localPath, CVivuRuza::maxUploadSize, content);
    QString problem;
    if (read == UploadFile::Result::NotRegular)
        problem = tr("%1 is not a regular file any more; it was not sent.");
    else if (read != UploadFile::Result::Ok || content.size() != item.size
        || BackupManifest::sha256(content) != item.sha256)
        problem = tr("%1 changed since it was checked; it was not sent.");
    if (!problem.isEmpty()) {
        problem = problem.arg(item.shown);
        if (m_events.problem)
            m_events.problem(problem, QString());
        return failed(problem);
    }
    begin(plan, index);
    m_sending = true;
    if (!m_link.sendFile(CVivuRuza::fileInfOf(item.calcName, content.size()), content))
        return failed(m_link.errorString());
    return sent(item, content);
}

// Compared with the bytes that went, not with the file as it stands now,
// which may have changed since. A Cancel before or during the reading back
// leaves the file whole on the calculator, sent but unchecked.
TransferOutcome TransferRunner::sent(const TransferPlan::Item &item, const QByteArray &content)
{
    TransferOutcome outcome;
    outcome.status = TransferOutcome::Status::Done;
    outcome.size = content.size();
    if (!m_verify)
        return outcome;
    if (m_link.cancelAsked())
        return unchecked(item, outcome);
    QByteArray arrived;
    if (!m_link.fetchFile(CVivuRuza::fileInfOf(item.calcName, content.size()), arrived)) {
        if (m_link.cancelled())
            return unchecked(item, outcome);
        QString text = m_link.errorString();
        if (text.isEmpty()) {
            text = QCoreApplication::translate(
                "TransferRunner", "%1 could not be read back from %2 to be checked.")
                       .arg(DeviceText::isolated(item.calcName),
                           DeviceText::isolated(m_link.devName()));
            if (m_events.problem)
                m_events.problem(text, QString());
        }
        return failed(text);
    }
    if (BackupManifest::sha256(arrived) != BackupManifest::sha256(content))
        return different(item, content.size());
    outcome.verified = true;
    return outcome;
}

TransferOutcome TransferRunner::unchecked(const TransferPlan::Item &item, TransferOutcome outcome)
{
    outcome.left = TransferOutcome::Left::SentUnchecked;
    outcome.text = QCoreApplication::translate(
        "TransferRunner", "cancelled; %1 was sent whole but not checked")
                       .arg(DeviceText::isolated(item.calcName));
    return outcome;
}

// The computer still holds the good file; a bad copy left on the calculator
// would be run by someone who cannot tell it from a good one. The refusal of
// the deletion is told in the report, not as an error of its own.
TransferOutcome TransferRunner::different(const TransferPlan::Item &item, qint64 size)
{
    bool removed = false;
    {
        const QSignalBlocker quiet(&m_link);
        removed = m_link.deleteFile(CVivuRuza::fileInfOf(item.calcName, size));
    }
    m_different.append(qMakePair(item.calcName, removed));
    TransferOutcome outcome
        = failed(differentText(item.calcName, m_link.devName()) + QLatin1Char(' ')
            + (removed ? tr("The calculator's copy was deleted.")
                       : tr("The calculator's copy could not be deleted: delete it there before "
                            "anyone uses it.")));
    outcome.left
        = removed ? TransferOutcome::Left::BadCopyDeleted : TransferOutcome::Left::BadCopyKept;
    return outcome;
}

void TransferRunner::tellDifferent()
{
    if (m_different.isEmpty() || !m_events.problem)
        return;
    QStringList names;
    QStringList kept;
    for (const auto &file : qAsConst(m_different)) {
        names.append(file.first);
        if (!file.second)
            kept.append(file.first);
    }
    const QString device = m_link.devName();
    QString text;
    if (names.size() == 1) {
        text = differentText(names.first(), device) + QLatin1Char(' ')
            + (kept.isEmpty() ? tr("The calculator's copy was deleted.")
                              : tr("The calculator's copy could not be deleted: delete it "
                                   "there before anyone uses it."));
    } else {
        const QString list = DeviceText::isolated(names).join(QStringLiteral(", "));
        //: %1 is a calculator's name, %2 the list of files.
        text = tr("These files arrived on %1 different from the computer's files: %2.")
                   .arg(DeviceText::isolated(device), list)
            + QLatin1Char(' ');
        if (kept.isEmpty())
            text += tr("The calculator's copies were deleted.");
        else if (kept.size() == names.size())
            text += tr("The calculator's copies could not be deleted: delete them there before "
                       "anyone uses them.");
        else
            //: %1 is the list of files whose copies are still on the calculator.
            text += tr("The calculator's copies were deleted but for %1: delete those there "
                       "before anyone uses them.")
                        .arg(DeviceText::isolated(kept).join(QStringLiteral(", ")));
    }
    m_events.problem(text,
        ErrorMeaning::line(QString(), device,
            tr("the files on this computer are unchanged; send again, and if a file arrives "
               "different again, see the troubleshooting guide")));
}

// A download stopped midway wrote nothing: the link lands a file only once it
// came whole. An upload stopped once its request went may have left part of
// the file under its name, which no one could tell from a whole one. Only a
// name the calculator did not hold before this send is deleted, and only the
// listing tells that it is gone: a calculator that keeps its old file until
// the new one is whole still holds the user's file under a name it had, and
// one that writes in place holds a part that is the user's to send again or
// delete. The calculator may refuse the deletion of a name it never stored;
// the listing tells whether that matters.
TransferOutcome TransferRunner::cancelled(const TransferPlan &plan, int index)
{
    const TransferPlan::Item &item = plan.at(index);
    TransferOutcome outcome;
    outcome.status = TransferOutcome::Status::Cancelled;
    outcome.text = cancelledText();
    if (!requested())
        return outcome;
    const QString &name = item.calcName;
    if (!plan.listingNoted() || item.onCalc || m_requested.contains(TransferPlan::nameKey(name))) {
        outcome.left = TransferOutcome::Left::MayBeIncomplete;
        outcome.text = tr("cancelled; %1 on the calculator may be incomplete: send it again or "
                          "delete it")
                           .arg(DeviceText::isolated(name));
        return outcome;
    }
    // Told by the outcome, not as errors of their own.
    const QSignalBlocker quiet(&m_link);
    const bool deleted = m_link.deleteFile(CVivuRuza::fileInfOf(name, 0));
    TransferPlan::Listing listing;
    const bool listed = !m_link.lineLost() && m_link.listFiles(listing);
    if (listed && !TransferPlan::isTaken(name, listing)) {
        outcome.left = TransferOutcome::Left::PartDeleted;
        outcome.text = QCoreApplication::translate(
            "TransferRunner", "cancelled; the part of %1 sent was deleted from the calculator")
                           .arg(DeviceText::isolated(name));
    } else if (listed || !deleted) {
        outcome.left = TransferOutcome::Left::PartKept;
        outcome.text = tr("cancelled; the part of %1 sent could not be deleted from the "
                          "calculator: delete it there")
                           .arg(DeviceText::isolated(name));
    } else {
        outcome.left = TransferOutcome::Left::PartUnconfirmed;
        outcome.text = tr("cancelled; the part of %1 sent may still be on the calculator: "
                          "delete it there if it is listed")
                           .arg(DeviceText::isolated(name));
    }
    return outcome;
}

void TransferRunner::cancelFrom(
    const TransferPlan &plan, int from, QList<TransferOutcome> &outcomes)
{
    for (int i = from; i < plan.size(); ++i) {
        TransferOutcome outcome;
        outcome.status = plan.at(i).skip ? TransferOutcome::Status::Skipped
                                         : TransferOutcome::Status::Cancelled;
        if (!plan.at(i).skip)
            outcome.text = cancelledText();
        outcomes.append(outcome);
    }
}

TransferOutcome TransferRunner::failed(const QString &text) const
{
    TransferOutcome outcome;
    outcome.status = TransferOutcome::Status::Failed;
    outcome.text = text;
    return outcome;
}

// A calculator that stopped answering will not answer the next file either;
// asking would cost another wait limit per file and risk taking its late
// reply for the next one's. Once the thread was asked to stop, nothing more
// may start.
void TransferRunner::giveUp(const TransferPlan &plan, int from, QList<TransferOutcome> &outcomes)
{
    QStringList names;
    for (int i = from; i < plan.size(); ++i) {
        if (!plan.at(i).skip)
            names.append(label(plan, plan.at(i)));
    }
    const bool stopped = interrupted();
    QString text;
    if (!names.isEmpty())
        text = stopped ? interruptedText(plan.direction(), names)
                       : givenUpText(plan.direction(), names);
    for (int i = from; i < plan.size(); ++i) {
        TransferOutcome outcome;
        outcome.status
            = plan.at(i).skip ? TransferOutcome::Status::Skipped : TransferOutcome::Status::GivenUp;
        if (!plan.at(i).skip)
            outcome.text = text;
        outcomes.append(outcome);
    }
    if (text.isEmpty() || !m_events.problem)
        return;
    // A batch stopped on purpose needs no advice.
    m_events.problem(text,
        stopped ? QString()
                : ErrorMeaning::line(QString(), m_link.devName(), ErrorMeaning::noAnswer()));
}

bool TransferRunner::requested() const
{
    return m_sending && m_link.uploadRequested();
}

bool TransferRunner::interrupted()
{
    return QThread::currentThread()->isInterruptionRequested();
}

QString TransferRunner::label(const TransferPlan &plan, const TransferPlan::Item &item) const
{
    if (m_label)
        return m_label(item);
    return QFileInfo(
        plan.direction() == TransferPlan::Direction::Upload ? item.localPath : item.calcName)
        .fileName();
}

QString TransferRunner::givenUpText(TransferPlan::Direction direction, const QStringList &names)
{
    const QString list = DeviceText::isolated(names).join(QStringLiteral(", "));
    switch (direction) {
    case TransferPlan::Direction::Upload:
        return tr("The calculator stopped answering, so these files were not sent: %1.").arg(list);
    case TransferPlan::Direction::Download:
        return tr("The calculator stopped answering, so these files were not copied: %1.")
            .arg(list);
    case TransferPlan::Direction::Delete:
        break;
    }
    return tr("The calculator stopped answering, so these files were not deleted: %1.").arg(list);
}

QString TransferRunner::interruptedText(TransferPlan::Direction direction, const QStringList &names)
{
    const QString list = DeviceText::isolated(names).join(QStringLiteral(", "));
    switch (direction) {
    case TransferPlan::Direction::Upload:
        return tr("Interrupted, so these files were not sent: %1.").arg(list);
    case TransferPlan::Direction::Download:
        return tr("Interrupted, so these files were not copied: %1.").arg(list);
    case TransferPlan::Direction::Delete:
        break;
    }
    return tr("Interrupted, so these files were not deleted: %1.").arg(list);
}

QString TransferRunner::cancelledText()
{
    return tr("cancelled");
}

QString TransferRunner::differentText(const QString &calcName, const QString &device)
{
    return QCoreApplication::translate(
        "TransferRunner", "%1 arrived on %2 different from the computer's file.")
        .arg(DeviceText::isolated(calcName), DeviceText::isolated(device));
}
