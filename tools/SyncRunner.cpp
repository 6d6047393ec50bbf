#include "SyncRunner.h"

#include "BackupManifest.h"
#include "BatchPlanner.h"
#include "CVivuRuza.h"
#include "CalcRunner.h"
#include "ProgressLine.h"
#include "Reporter.h"
#include "TransferRunner.h"
#include "UploadFile.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>

SyncRunner::SyncRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
    CVivuRuza &link, const QString &port)
    : m_options(options)
    , m_reporter(reporter)
    , m_progress(progress)
    , m_link(&link)
    , m_port(port)
{
}

QString SyncRunner::quickLine()
{
    // The "#" stays whatever the language: it is what scripts look for.
    return QStringLiteral("# ") + tr("compared by name and size only; contents were not read");
}

QString SyncRunner::actionWord(Action action)
{
    switch (action) {
    case Action::Send:
        return QStringLiteral("send");
    case Action::Replace:
        return QStringLiteral("replace");
    case Action::Delete:
        return QStringLiteral("delete");
    case Action::Keep:
        break;
    }
    return QStringLiteral("keep");
}

void SyncRunner::line(const QString &text)
{
    if (!m_reporter.collecting()) {
        m_reporter.line(text);
        return;
    }
    const QString device = m_link->devName();
    m_reporter.line(QStringList {
        device.isEmpty() ? QStringLiteral("-") : Reporter::printable(device), m_port, text }
                        .join(QLatin1Char('\t')));
}

QJsonObject SyncRunner::entryJson(const FolderCompare::Entry &e) const
{
    return QJsonObject { { QStringLiteral("name"), e.name },
        { QStringLiteral("status"), FolderCompare::statusWord(e.status) },
        { QStringLiteral("calculator_size"), e.calcSize < 0 ? QJsonValue() : double(e.calcSize) },
        { QStringLiteral("folder_size"), e.folderSize < 0 ? QJsonValue() : double(e.folderSize) } };
}

// A file whose contents could not be compared gets the folder's copy: after
// the sync it is known to be the same.
SyncRunner::Action SyncRunner::actionOf(const FolderCompare::Entry &e) const
{
    switch (e.status) {
    case FolderCompare::Status::Same:
        return Action::Keep;
    case FolderCompare::Status::Missing:
        return Action::Send;
    case FolderCompare::Status::Different:
    case FolderCompare::Status::Unknown:
        return Action::Replace;
    case FolderCompare::Status::Extra:
        break;
    }
    return m_options.deleteExtra ? Action::Delete : Action::Keep;
}

bool SyncRunner::compared(FolderCompare &compare)
{
    const QString folder = QDir(m_options.folder).absolutePath();
    m_reporter.result().insert(QStringLiteral("folder"), folder);
    m_reporter.result().insert(QStringLiteral("quick"), m_options.quick);
    QString error;
    if (!compare.readFolder(folder, &error)) {
        m_reporter.error(error);
        return false;
    }
    m_reporter.result().insert(
        QStringLiteral("left_out"), QJsonArray::fromStringList(compare.leftOut()));
    TransferPlan::Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return false;
    compare.compare(files, m_options.quick);
    if (m_options.quick)
        return true;
    int number = 0;
    const int count = compare.count(FolderCompare::Status::Unknown);
    const bool whole = compare.compareContents(*m_link, [&](int index) {
        if (m_progress)
            m_progress->begin(compare.entries().at(index).name, ++number, count);
    });
    if (m_progress)
        m_progress->end();
    // The link told of its own failures; a file of the folder that could not
    // be read is told here.
    for (const FolderCompare::Entry &e : compare.entries()) {
        const QString problem = Reporter::printable(e.problem);
        if (!e.problem.isEmpty() && !m_reporter.errors().contains(problem))
            m_reporter.error(problem);
    }
    if (!whole && (m_link->lineLost() || TransferRunner::interrupted() || m_link->cancelled()))
        return false;
    return true;
}

int SyncRunner::diff()
{
    FolderCompare compare;
    if (!compared(compare) && compare.entries().isEmpty())
        return CalcRunner::Failed;
    QJsonArray json;
    for (const FolderCompare::Entry &e : compare.entries()) {
        line(FolderCompare::statusWord(e.status) + QLatin1Char('\t') + Reporter::printable(e.name));
        json.append(entryJson(e));
    }
    using S = FolderCompare::Status;
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.result().insert(QStringLiteral("same"), compare.allSame());
    //: The counts of files in each state, after a compare.
    m_reporter.setSummary(tr("%1 same, %2 different, %3 missing, %4 extra")
                              .arg(QString::number(compare.count(S::Same)),
                                  QString::number(compare.count(S::Different)),
                                  QString::number(compare.count(S::Missing)),
                                  QString::number(compare.count(S::Extra))));
    return compare.allSame() ? CalcRunner::Done : CalcRunner::Failed;
}

int SyncRunner::sync()
{
    FolderCompare compare;
    if (!compared(compare))
        return CalcRunner::Failed;
    const QList<FolderCompare::Entry> &entries = compare.entries();
    QList<Action> actions;
    TransferPlan uploads(TransferPlan::Direction::Upload);
    QList<int> uploaded; // the entry of each upload
    int extraKept = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const Action action = actionOf(entries.at(i));
        actions.append(action);
        if (action == Action::Send || action == Action::Replace) {
            uploads.addUpload(entries.at(i).localPath, entries.at(i).name);
            uploaded.append(i);
        }
        if (action == Action::Keep && entries.at(i).status == FolderCompare::Status::Extra)
            ++extraKept;
    }
    m_reporter.result().insert(QStringLiteral("dry_run"), m_options.dryRun);
    m_reporter.result().insert(QStringLiteral("extra_kept"), extraKept);
    // As put: the whole batch is checked before anything moves.
    const QStringList refusals = BatchPlanner::refusals(uploads);
    if (!refusals.isEmpty()) {
        for (const QString &refusal : refusals)
            m_reporter.error(refusal);
        m_reporter.error(QCoreApplication::translate("BatchRunner", "Nothing was sent."));
        return CalcRunner::Failed;
    }
    const auto countOf = [&actions](Action a) {
        return QString::number(std::count(actions.cbegin(), actions.cend(), a));
    };
    const QString extraText = extraKept == 0 ? QString()
                                             : tr("%n extra files left on the calculator; "
                                                  "--delete deletes them",
                                                 nullptr, extraKept);

    if (m_options.dryRun) {
        QJsonArray json;
        for (int i = 0; i < entries.size(); ++i) {
            line(actionWord(actions.at(i)) + QLatin1Char(' ')
                + Reporter::printable(entries.at(i).name));
            QJsonObject entry = entryJson(entries.at(i));
            entry.insert(QStringLiteral("action"), actionWord(actions.at(i)));
            json.append(entry);
        }
        m_reporter.result().insert(QStringLiteral("files"), json);
        //: What a sync would do: how many files it would send, replace, delete and keep.
        QString summary = tr("would send %1, replace %2, delete %3, keep %4")
                              .arg(countOf(Action::Send), countOf(Action::Replace),
                                  countOf(Action::Delete), countOf(Action::Keep));
        if (!extraText.isEmpty())
            summary += QStringLiteral("; ") + extraText;
        m_reporter.setSummary(summary);
        if (!extraText.isEmpty() && !m_reporter.collecting())
            m_reporter.note(extraText);
        return CalcRunner::Done;
    }

    // What each file held when it was compared: a file changed since is sent
    // as it is at its turn, and said to have changed.
    QHash<int, QByteArray> atCompare;
    for (int i : qAsConst(uploaded))
        atCompare.insert(i, FolderCompare::sha256Of(entries.at(i).localPath));

    TransferEvents events = CalcRunner::events(m_reporter, m_progress);
    const auto started = events.fileStarted;
    int number = 0;
    const int total = uploaded.size();
    events.fileStarted = [&](const QString &name, int, int) {
        if (started)
            started(name, number, total);
    };
    TransferRunner runner(*m_link, events);
    runner.setLabel([](const TransferPlan::Item &item) { return item.calcName; });
    runner.setVerify(m_options.verify);

    QJsonArray json;
    QHash<int, QString> statusOf; // by entry
    QHash<int, qint64> sentSize; // by entry, of the uploads done
    int sent = 0;
    int replaced = 0;
    int deleted = 0;
    const auto stopped = [this] { return m_link->lineLost() || TransferRunner::interrupted(); };
    QStringList notSent;
    for (int k = 0; k < uploaded.size(); ++k) {
        const int i = uploaded.at(k);
        const FolderCompare::Entry &e = entries.at(i);
        if (stopped()) {
            notSent.append(e.name);
            continue;
        }
        ++number;
        // Read whole and checked again now, then sent only as read: never a
        // file half-way through being written.
        TransferPlan one(TransferPlan::Direction::Upload);
        one.addUpload(e.localPath, e.name);
        QStringList problems = BatchPlanner::refusals(one);
        QByteArray content;
        if (problems.isEmpty()) {
            const UploadFile::Result read
                = UploadFile::read(e.localPath, CVivuRuza::maxUploadSize, content);
            if (read != UploadFile::Result::Ok)
                problems.append(UploadFile::problemText(read, one.at(0).shown));
            else if (content.isEmpty())
                problems = BatchPlanner::refusals(one); // emptied since: said as put says it
        }
        if (!problems.isEmpty() || content.isEmpty()) {
            for (const QString &problem : qAsConst(problems))
                m_reporter.error(problem);
            statusOf.insert(i, QStringLiteral("failed"));
            continue;
        }
        TransferPlan::Item &item = one.item(0);
        item.sha256 = BackupManifest::sha256(content);
        item.size = content.size();
        const bool changed = item.sha256 != atCompare.value(i);
        const TransferOutcome outcome = runner.run(one).value(0);
        const bool replacing = actions.at(i) == Action::Replace;
        if (outcome.status == TransferOutcome::Status::Done) {
            line(QStringLiteral("%1 %2").arg(
                replacing ? QStringLiteral("replaced") : QStringLiteral("sent"),
                Reporter::printable(item.calcName)));
            statusOf.insert(i, replacing ? QStringLiteral("replaced") : QStringLiteral("sent"));
            sentSize.insert(i, content.size());
            (replacing ? replaced : sent) += 1;
            if (changed)
                m_reporter.note(tr("%1 changed since the compare; it was sent as it is now.")
                                    .arg(QDir::toNativeSeparators(e.localPath)));
        } else {
            statusOf.insert(i, QStringLiteral("failed"));
            if (outcome.status == TransferOutcome::Status::GivenUp)
                notSent.append(e.name);
            else if (outcome.text.isEmpty())
                m_reporter.error(QCoreApplication::translate("BatchRunner", "File %1 was not sent.")
                                     .arg(QDir::toNativeSeparators(e.localPath)));
            if (TransferRunner::interrupted() && outcome.status == TransferOutcome::Status::Failed)
                //: One of the things left part-way, in "Interrupted; %1.".
                m_reporter.leftPartial(tr("the calculator at %1 may hold part of %2")
                                           .arg(m_port, Reporter::printable(item.calcName)));
        }
        QJsonObject entry = entryJson(e);
        entry.insert(QStringLiteral("action"), actionWord(actions.at(i)));
        entry.insert(QStringLiteral("outcome"), statusOf.value(i));
        entry.insert(QStringLiteral("changed_since_compare"), changed);
        if (m_options.verify && outcome.status == TransferOutcome::Status::Done)
            entry.insert(QStringLiteral("verified"), outcome.verified);
        json.append(entry);
    }
    if (!notSent.isEmpty()) {
        const bool interrupted = TransferRunner::interrupted();
        // One sentence for the files the runner gave up and those never begun.
        const QString text = interrupted
            ? TransferRunner::interruptedText(TransferPlan::Direction::Upload, notSent)
            : TransferRunner::givenUpText(TransferPlan::Direction::Upload, notSent);
        if (!m_reporter.errors().contains(Reporter::printable(text)))
            m_reporter.error(Reporter::printable(text));
    }

    TransferPlan deletions(TransferPlan::Direction::Delete);
    QList<int> deletedEntry;
    for (int i = 0; i < entries.size(); ++i) {
        if (actions.at(i) == Action::Delete) {
            deletions.addDeletion(entries.at(i).name, entries.at(i).calcSize);
            deletedEntry.append(i);
        }
    }
    QList<TransferOutcome> removals;
    if (deletions.size() > 0) {
        if (stopped()) {
            QStringList names;
            for (const auto &item : deletions.items())
                names.append(item.calcName);
            m_reporter.error(Reporter::printable(TransferRunner::interrupted()
                    ? TransferRunner::interruptedText(TransferPlan::Direction::Delete, names)
                    : TransferRunner::givenUpText(TransferPlan::Direction::Delete, names)));
        } else {
            TransferRunner remover(*m_link, CalcRunner::events(m_reporter, nullptr));
            removals = remover.run(deletions);
        }
    }
    for (int k = 0; k < deletedEntry.size(); ++k) {
        const int i = deletedEntry.at(k);
        const TransferOutcome outcome = removals.value(k);
        const bool done = outcome.status == TransferOutcome::Status::Done;
        if (done) {
            line(QStringLiteral("deleted ") + Reporter::printable(entries.at(i).name));
            ++deleted;
        } else if (!removals.isEmpty() && outcome.text.isEmpty()) {
            m_reporter.error(QCoreApplication::translate("BatchRunner", "File %1 was not deleted.")
                                 .arg(Reporter::printable(entries.at(i).name)));
        }
        statusOf.insert(i, done ? QStringLiteral("deleted") : QStringLiteral("failed"));
        QJsonObject entry = entryJson(entries.at(i));
        entry.insert(QStringLiteral("action"), actionWord(Action::Delete));
        entry.insert(QStringLiteral("outcome"), statusOf.value(i));
        json.append(entry);
    }
    for (int i = 0; i < entries.size(); ++i) {
        if (actions.at(i) != Action::Keep)
            continue;
        QJsonObject entry = entryJson(entries.at(i));
        entry.insert(QStringLiteral("action"), actionWord(Action::Keep));
        entry.insert(QStringLiteral("outcome"), QStringLiteral("kept"));
        json.append(entry);
    }
    m_reporter.result().insert(QStringLiteral("files"), json);

    // The calculator's own list is the proof that it now holds the folder's
    // files; a sync cut short asks nothing more.
    bool matches = false;
    TransferPlan::Listing after;
    if (!stopped() && CalcRunner::listing(*m_link, m_reporter, after)) {
        QHash<QString, qint64> listed;
        for (const auto &file : qAsConst(after))
            listed.insert(TransferPlan::nameKey(file.first), file.second);
        matches = true;
        for (int i = 0; i < entries.size(); ++i) {
            const FolderCompare::Entry &e = entries.at(i);
            const QString key = TransferPlan::nameKey(e.name);
            const Action action = actions.at(i);
            if (action == Action::Delete && statusOf.value(i) == QLatin1String("deleted")
                && listed.contains(key)) {
                m_reporter.error(tr("%1 is still on the calculator after it was deleted.")
                                     .arg(Reporter::printable(e.name)));
                matches = false;
            } else if (sentSize.contains(i) && listed.value(key, -1) != sentSize.value(i)) {
                m_reporter.error(tr("%1 is not on the calculator as it was sent.")
                                     .arg(Reporter::printable(e.name)));
                matches = false;
            } else if ((action == Action::Send || action == Action::Replace)
                && !sentSize.contains(i)) {
                matches = false;
            } else if (action == Action::Delete && statusOf.value(i) != QLatin1String("deleted")) {
                matches = false;
            }
        }
    }
    m_reporter.result().insert(QStringLiteral("matches"), matches);
    //: What a sync did: how many files it sent, replaced, deleted and kept.
    QString summary = tr("sent %1, replaced %2, deleted %3, kept %4")
                          .arg(QString::number(sent), QString::number(replaced),
                              QString::number(deleted), countOf(Action::Keep));
    if (!extraText.isEmpty())
        summary += QStringLiteral("; ") + extraText;
    m_reporter.setSummary(summary);
    if (!extraText.isEmpty() && !m_reporter.collecting())
        m_reporter.note(extraText);
    return matches ? CalcRunner::Done : CalcRunner::Failed;
}
