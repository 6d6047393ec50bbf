#include "BatchRunner.h"

#include "BackupRestorer.h"
#include "BackupWriter.h"
#include "CVivuRuza.h"
#include "CalcRunner.h"
#include "ConflictAsker.h"
#include "FolderHandle.h"
#include "ProgressLine.h"
#include "Reporter.h"
#include "TransferRunner.h"

#include <QDir>
#include <QFileInfo>

BatchRunner::BatchRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
    ConflictAsker *asker, CVivuRuza &link, const QString &port)
    : m_options(options)
    , m_reporter(reporter)
    , m_progress(progress)
    , m_asker(asker)
    , m_link(&link)
    , m_port(port)
{
}

// Collisions settled by the policy or by the person at the terminal; false
// (and nothing may be transferred) when the policy is to fail.
bool BatchRunner::settle(TransferPlan &plan, const QString &folder)
{
    const bool download = plan.direction() == TransferPlan::Direction::Download;
    const bool restore = m_options.command == QLatin1String("restore");
    const auto question = [&](const TransferPlan::Item &item) {
        return download ? tr("%1 already exists. Replace it?").arg(Reporter::printable(item.shown))
                        : tr("%1 is already on the calculator. Replace it with %2?")
                              .arg(Reporter::printable(item.calcName),
                                  restore ? Reporter::printable(item.shown) : item.shown);
    };
    if (BatchPlanner::settle(plan, m_options.conflict, m_asker, question))
        return true;
    QStringList names;
    for (const QString &name : BatchPlanner::collisions(plan))
        names.append(Reporter::printable(name));
    const QString list = names.join(QStringLiteral(", "));
    m_reporter.error(download
            ? tr("Already in %1: %2. Nothing was copied; choose what to do with "
                 "--on-conflict=replace or --on-conflict=skip.")
                  .arg(folder, list)
            : tr("Already on the calculator: %1. Nothing was sent; choose what to do with "
                 "--on-conflict=replace or --on-conflict=skip.")
                  .arg(list));
    QJsonArray json;
    for (const QString &name : BatchPlanner::collisions(plan))
        json.append(name);
    m_reporter.result().insert(QStringLiteral("collisions"), json);
    return false;
}

TransferEvents BatchRunner::events(bool showProgress)
{
    return CalcRunner::events(m_reporter, showProgress ? m_progress : nullptr);
}

// An upload cut short may leave the calculator holding part of the file.
void BatchRunner::notePartialUpload(const QString &calcName)
{
    if (TransferRunner::interrupted())
        //: One of the things left part-way, in "Interrupted; %1.".
        m_reporter.leftPartial(tr("the calculator at %1 may hold part of %2")
                                   .arg(m_port, Reporter::printable(calcName)));
}

// A file that arrived different failed its check; whether its bad copy is
// still on the calculator is for a script to know.
void BatchRunner::noteDifferent(const TransferOutcome &outcome, QJsonObject &entry)
{
    const bool deleted = outcome.left == TransferOutcome::Left::BadCopyDeleted;
    if (!deleted && outcome.left != TransferOutcome::Left::BadCopyKept)
        return;
    entry.insert(QStringLiteral("verified"), false);
    entry.insert(QStringLiteral("deleted"), deleted);
}

QJsonObject BatchRunner::entryOf(const TransferPlan::Item &item) const
{
    QJsonObject entry = Reporter::fileJson(item.calcName, item.size);
    if (m_options.command == QLatin1String("put"))
        entry.insert(QStringLiteral("local"), item.localPath);
    else if (m_options.command == QLatin1String("get"))
        entry.insert(QStringLiteral("path"), item.localPath);
    return entry;
}

// The files given up once the calculator stopped answering or the command
// was interrupted are named in one report by the runner and listed here as
// failed; files settled as skipped that the batch never reached are not.
QList<TransferOutcome> BatchRunner::run(
    const TransferPlan &plan, bool showProgress, const Teller &tell, QJsonArray &json)
{
    TransferEvents batch = events(showProgress);
    int begun = -1;
    const auto started = batch.fileStarted;
    batch.fileStarted = [&](const QString &name, int number, int count) {
        begun = number - 1;
        if (started)
            started(name, number, count);
    };
    const auto ended = batch.fileDone;
    batch.fileDone = [&](int index, const TransferOutcome &outcome) {
        if (ended)
            ended(index, outcome);
        json.append(tell(plan.at(index), outcome, begun == index));
    };
    TransferRunner runner(*m_link, batch);
    runner.setLabel([](const TransferPlan::Item &item) { return item.calcName; });
    runner.setVerify(m_options.verify);
    const QList<TransferOutcome> outcomes = runner.run(plan);
    for (int i = 0; i < outcomes.size(); ++i) {
        if (outcomes.at(i).status != TransferOutcome::Status::GivenUp)
            continue;
        QJsonObject entry = entryOf(plan.at(i));
        entry.insert(QStringLiteral("status"), QStringLiteral("failed"));
        json.append(entry);
    }
    return outcomes;
}

int BatchRunner::get()
{
    const QString folder = m_options.folder.isEmpty() ? QDir::currentPath() : m_options.folder;
    if (!QFileInfo(folder).isDir()) {
        m_reporter.error(tr("Folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
        return CalcRunner::Failed;
    }
    QString dest = QDir(folder).absolutePath();
    // Calculators of a class hold files of the same names: each one's go into
    // a folder of its own, named after it and its port. The name is easy to
    // guess, so in a shared folder it may already be taken by someone else's;
    // and once made, another user may swap it for a link, so its files are
    // written through the folder made.
    FolderHandle made;
    if (m_options.every) {
        const QString own = QStringLiteral("%1 (%2)").arg(
            BackupWriter::folderNameOf(m_link->devName()), QFileInfo(m_port).fileName());
        made = FolderHandle::makeNew(dest, own);
        if (!made.isValid()) {
            m_reporter.error(tr("Folder %1 can't be made.")
                                 .arg(QDir::toNativeSeparators(QDir(dest).filePath(own))));
            return CalcRunner::Failed;
        }
        dest = made.path();
    }
    m_reporter.result().insert(QStringLiteral("folder"), dest);
    Listing chosen;
    QStringList problems;
    if (!chosenFiles(chosen, problems))
        return CalcRunner::Failed;
    TransferPlan plan(TransferPlan::Direction::Download, dest);
    plan.setFolderHandle(made);
    for (const auto &file : chosen)
        plan.addDownload(file.first, file.second);
    if (!settle(plan, QDir::toNativeSeparators(dest)))
        return CalcRunner::Collision;

    QJsonArray json;
    int copied = 0;
    int skipped = 0;
    run(
        plan, true,
        [&](const TransferPlan::Item &item, const TransferOutcome &outcome, bool) {
            QJsonObject entry = entryOf(item);
            const QString shown = Reporter::printable(item.shown);
            QString status = QStringLiteral("failed");
            if (outcome.status == TransferOutcome::Status::Skipped) {
                m_reporter.note(tr("Skipped %1: the file exists.").arg(shown));
                status = QStringLiteral("skipped");
                ++skipped;
            } else if (outcome.status == TransferOutcome::Status::Done) {
                m_reporter.line(shown);
                status = QStringLiteral("copied");
                ++copied;
            }
            entry.insert(QStringLiteral("status"), status);
            return entry;
        },
        json);
    m_reporter.result().insert(QStringLiteral("files"), json);
    // The files went into the folder made, wherever it is now: a summary
    // naming the path would send the user to whatever took the name.
    if (made.isValid() && !made.isStillAt()) {
        m_reporter.error(tr("The folder %1 was moved or replaced while files were copied into "
                            "it, so they are not in it.")
                             .arg(QDir::toNativeSeparators(dest)));
        return CalcRunner::Failed;
    }
    m_reporter.setSummary(tr("copied %1, skipped %2 into %3")
                              .arg(QString::number(copied), QString::number(skipped),
                                  QDir::toNativeSeparators(dest)));
    return problems.isEmpty() ? CalcRunner::Done : CalcRunner::Failed;
}

int BatchRunner::put()
{
    QStringList refusals;
    TransferPlan plan = BatchPlanner::planUpload(m_options.args, refusals);
    if (!refusals.isEmpty()) {
        for (const QString &refusal : qAsConst(refusals))
            m_reporter.error(refusal);
        m_reporter.error(tr("Nothing was sent."));
        return CalcRunner::Failed;
    }
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return CalcRunner::Failed;
    plan.markTaken(files);
    if (!settle(plan))
        return CalcRunner::Collision;

    QJsonArray json;
    int sent = 0;
    int skipped = 0;
    run(
        plan, true,
        [&](const TransferPlan::Item &item, const TransferOutcome &outcome, bool began) {
            QJsonObject entry = entryOf(item);
            entry.insert(QStringLiteral("renamed"), item.renamed);
            QString status = QStringLiteral("failed");
            if (outcome.status == TransferOutcome::Status::Skipped) {
                m_reporter.note(tr("Skipped %1: %2 is already on the calculator.")
                                    .arg(item.shown, Reporter::printable(item.calcName)));
                status = QStringLiteral("skipped");
                ++skipped;
            } else if (outcome.status == TransferOutcome::Status::Done) {
                m_reporter.line(
                    QStringLiteral("%1 -> %2").arg(item.shown, Reporter::printable(item.calcName)));
                status = QStringLiteral("sent");
                ++sent;
                if (m_options.verify)
                    entry.insert(QStringLiteral("verified"), outcome.verified);
            } else {
                if (outcome.text.isEmpty())
                    m_reporter.error(tr("File %1 was not sent.").arg(item.shown));
                if (began)
                    notePartialUpload(item.calcName);
                noteDifferent(outcome, entry);
            }
            entry.insert(QStringLiteral("status"), status);
            return entry;
        },
        json);
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(
        tr("sent %1, skipped %2").arg(QString::number(sent), QString::number(skipped)));
    return CalcRunner::Done;
}

int BatchRunner::remove()
{
    Listing chosen;
    QStringList problems;
    if (!chosenFiles(chosen, problems))
        return CalcRunner::Failed;
    TransferPlan plan(TransferPlan::Direction::Delete);
    for (const auto &file : chosen)
        plan.addDeletion(file.first, file.second);
    QJsonArray json;
    int deleted = 0;
    run(
        plan, false,
        [&](const TransferPlan::Item &item, const TransferOutcome &outcome, bool) {
            const bool done = outcome.status == TransferOutcome::Status::Done;
            if (done)
                ++deleted;
            else if (outcome.text.isEmpty())
                m_reporter.error(
                    tr("File %1 was not deleted.").arg(Reporter::printable(item.calcName)));
            QJsonObject entry = entryOf(item);
            entry.insert(QStringLiteral("status"),
                done ? QStringLiteral("deleted") : QStringLiteral("failed"));
            return entry;
        },
        json);
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(tr("deleted %n files", nullptr, deleted));
    return problems.isEmpty() ? CalcRunner::Done : CalcRunner::Failed;
}

int BatchRunner::restore()
{
    const QString folder = QDir(m_options.folder).absolutePath();
    m_reporter.result().insert(QStringLiteral("folder"), folder);
    BackupRestorer restorer(*m_link, events(false));
    if (!restorer.load(folder))
        return CalcRunner::Failed;
    // Said before anything moves; the rest of the backup is still restored.
    QJsonArray json;
    for (const BackupManifest::Entry &e : restorer.manifest().unrestorable) {
        QJsonObject entry = Reporter::fileJson(e.name, e.size);
        entry.insert(QStringLiteral("status"), QStringLiteral("unrestorable"));
        entry.insert(QStringLiteral("reason"), e.reason);
        json.append(entry);
    }
    // A backup of another calculator is restored all the same, but said, as
    // the window's question names both.
    const QString from = restorer.manifest().device.value(QStringLiteral("name")).toString();
    if (!from.isEmpty() && from != m_link->devName()) {
        m_reporter.note(
            tr("This backup is of %1, not of %2: its files are restored to %2.")
                .arg(Reporter::printable(from), Reporter::printable(m_link->devName())));
        m_reporter.result().insert(QStringLiteral("backup_of"), from);
    }
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return CalcRunner::Failed;
    TransferPlan plan = restorer.plan(files);
    if (!settle(plan))
        return CalcRunner::Collision;

    int sent = 0;
    int skipped = 0;
    const QList<TransferOutcome> outcomes = run(
        plan, true,
        [&](const TransferPlan::Item &item, const TransferOutcome &outcome, bool began) {
            QJsonObject entry = entryOf(item);
            QString status = QStringLiteral("failed");
            if (outcome.status == TransferOutcome::Status::Skipped) {
                m_reporter.note(tr("Skipped %1: it is already on the calculator.")
                                    .arg(Reporter::printable(item.calcName)));
                status = QStringLiteral("skipped");
                ++skipped;
            } else if (outcome.status == TransferOutcome::Status::Done) {
                m_reporter.line(
                    QStringLiteral("%1 -> %2")
                        .arg(Reporter::printable(item.shown), Reporter::printable(item.calcName)));
                status = QStringLiteral("sent");
                ++sent;
                if (m_options.verify)
                    entry.insert(QStringLiteral("verified"), outcome.verified);
            } else {
                if (began)
                    notePartialUpload(item.calcName);
                noteDifferent(outcome, entry);
            }
            entry.insert(QStringLiteral("status"), status);
            return entry;
        },
        json);
    m_reporter.result().insert(QStringLiteral("files"), json);

    // The calculator's own listing is the proof that the files arrived; an
    // interrupted command asks nothing more. Nothing sent is nothing
    // verified, though a restore with nothing to send has not failed.
    const bool verified = !TransferRunner::interrupted()
        && CalcRunner::listing(*m_link, m_reporter, files)
        && restorer.verify(plan, outcomes, files);
    m_reporter.result().insert(QStringLiteral("verified"), verified && sent > 0);
    m_reporter.setSummary(tr("restored %1, skipped %2 from %3")
                              .arg(QString::number(sent), QString::number(skipped),
                                  QDir::toNativeSeparators(folder)));
    return verified ? CalcRunner::Done : CalcRunner::Failed;
}

bool BatchRunner::chosenFiles(Listing &chosen, QStringList &problems)
{
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return false;
    chosen = BatchPlanner::select(m_options.args, m_options.allFiles, files, problems);
    for (const QString &problem : qAsConst(problems))
        m_reporter.error(problem);
    return true;
}
