#include "ClassJobs.h"

#include "BackupJob.h"
#include "BackupSettings.h"
#include "BackupTexts.h"
#include "CVoriWorker.h"
#include "ClassRun.h"
#include "CollectJob.h"
#include "CompareJob.h"
#include "FolderHandle.h"
#include "JobLog.h"
#include "NamePattern.h"
#include "SendJob.h"
#include "SyncJob.h"
#include "TransferLog.h"

#include <QDir>
#include <QHash>

namespace {
// What a collect's row says when it did not take everything: how far it came,
// then why it stopped or which files stayed behind.
QString collectFailure(const CollectJob &job)
{
    const CVoriWorker::CollectResult &r = job.collected();
    if (r.finished || r.cancelled)
        return QString();
    const QString reason = !r.stopReason.isEmpty() ? r.stopReason
        : !r.firstReason.isEmpty()                 ? r.firstReason
                                                   : job.result().failure;
    if (r.files == 0 && !reason.isEmpty())
        return reason;
    QString text;
    if (r.missing.isEmpty() && job.clears())
        //: A row of the class panel: everything was copied, not all deleted.
        text = ClassJobs::tr("collected %1 of %2 files, cleared %3")
                   .arg(QString::number(r.collected), QString::number(r.files),
                       QString::number(r.cleared));
    else if (r.missing.isEmpty())
        text = ClassJobs::tr("collected %1 of %2 files")
                   .arg(QString::number(r.collected), QString::number(r.files));
    else
        //: %3 names the files that were not collected.
        text = ClassJobs::tr("collected %1 of %2 files; not collected: %3")
                   .arg(QString::number(r.collected), QString::number(r.files),
                       BackupTexts::someNames(r.missing));
    if (!reason.isEmpty()) {
        QString why = reason;
        while (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        text = ClassJobs::tr("%1 (%2)").arg(text, why);
    }
    return text;
}
} // namespace

ClassJobs::ClassJobs(
    ClassJobModel *model, std::function<bool(const CVoriWorker *)> isListed, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_run(new ClassRun(this))
{
    m_run->setListed(std::move(isListed));
    // A backup's row fails with the calculator's own words where it gave
    // some, else with what the single backup's outcome line would say.
    m_run->setFailureText([](const CalcJob &job) {
        if (const auto *collect = qobject_cast<const CollectJob *>(&job))
            return collectFailure(*collect);
        const auto *backup = qobject_cast<const BackupJob *>(&job);
        if (!backup)
            return job.result().failure;
        const CVoriWorker::BackupResult &r = backup->backup();
        if (r.finished || r.cancelled)
            return QString();
        if (!job.result().failure.isEmpty())
            return job.result().failure;
        return BackupTexts::backupOutcome(job.worker() ? job.worker()->name : QString(), r);
    });
    m_model->follow(m_run);
    // A compare's row says what its calculator needs; once every row has,
    // the panel offers the sync.
    connect(m_run, &ClassRun::jobEnded, this, [this](CalcJob *ended) {
        const auto *job = qobject_cast<CompareJob *>(ended);
        if (!job)
            return;
        int row = -1;
        for (int i = 0; i < m_run->size(); ++i)
            row = m_run->at(i).job == job ? i : row;
        if (row < 0 || !job->error().isEmpty() || job->result().cancelled)
            return;
        const FolderCompare &c = job->compared();
        const QList<QPair<QString, QString>> send = FolderCompare::toSend(c.entries());
        const int extra = c.count(FolderCompare::Status::Extra);
        if (send.isEmpty() && extra == 0)
            m_model->setRowOutcome(row, tr("up to date"));
        else
            //: A row of the class panel: what a calculator needs to match the folder.
            m_model->setRowOutcome(row,
                tr("%1 to send, %2 to replace, %3 extra")
                    .arg(QString::number(c.count(FolderCompare::Status::Missing)),
                        QString::number(c.count(FolderCompare::Status::Different)),
                        QString::number(extra)));
        for (auto &need : m_syncNeeds) {
            if (need.first == job->worker())
                need.second = send;
        }
        if (!m_run->running()) {
            bool any = false;
            for (const auto &need : qAsConst(m_syncNeeds))
                any = any || (need.first && !need.second.isEmpty());
            m_model->setSyncReady(any);
        }
    });
}

// The same plan for every calculator, each against its own list: a name is
// taken on some and free on others, and the one answer settles all of them.
bool ClassJobs::planSend(const QList<QUrl> &urls, const QList<CVoriWorker *> &calculators)
{
    if (m_model->running())
        return false;
    m_plan.plan(urls, calculators);
    return !m_plan.targets().isEmpty();
}

void ClassJobs::startSend(bool replace)
{
    if (m_plan.targets().isEmpty() || m_model->running())
        return;
    const QStringList taken = m_plan.taken();
    for (const QString &name : taken)
        TransferTrace::settled("class", name, TransferPlan::Reason::TakenOnCalc, replace);
    m_plan.settle(replace);
    QList<QPair<CVoriWorker *, int>> calculators;
    QHash<CVoriWorker *, QList<QPair<QString, QString>>> files;
    for (const ClassSendPlan::Target &target : m_plan.targets()) {
        calculators.append(qMakePair(target.worker.data(), int(target.files.size())));
        files.insert(target.worker.data(), target.files);
    }
    const int count = int(calculators.size());
    begin(tr("Send to %n calculators", nullptr, count), tr("send"), m_plan.mostFiles(),
        ClassJobModel::Kind::Send, calculators,
        [this, files](CVoriWorker *worker, QObject *parent) {
            return makeSend(worker, files.value(worker), parent);
        });
}

void ClassJobs::begin(const QString &title, const QString &action, int fileCount,
    ClassJobModel::Kind kind, const QList<QPair<CVoriWorker *, int>> &calculators,
    const Maker &make)
{
    QStringList names;
    m_run->clear();
    for (const auto &calculator : calculators) {
        names.append(calculator.first ? calculator.first->name : QString());
        m_run->add(calculator.first, make, calculator.second);
    }
    m_model->begin(title, names, action, fileCount, kind);
    m_run->startAll();
}

// The list of the current calculator shows what the send left, as for a
// send to it alone.
CalcJob *ClassJobs::makeSend(
    CVoriWorker *worker, const QList<QPair<QString, QString>> &files, QObject *parent)
{
    auto *job = new SendJob(worker, files, BackupSettings::verifySends(), parent);
    connect(job, &CalcJob::delivered, this, [this, worker] { emit listingChanged(worker); });
    return job;
}

CalcJob *ClassJobs::makeBackup(CVoriWorker *worker, QObject *parent)
{
    return new BackupJob(worker, m_backupParent, m_backupIdentity, parent);
}

bool ClassJobs::backUpAll(const QList<CVoriWorker *> &calculators)
{
    if (m_model->running() || calculators.isEmpty())
        return false;
    m_backupParent = BackupSettings::prepareBackupFolder();
    m_backupIdentity = BackupSettings::backupFolderIdentity();
    m_plan.clear();
    QList<QPair<CVoriWorker *, int>> rows;
    for (CVoriWorker *worker : calculators)
        rows.append(qMakePair(worker, int(worker->filesList.size())));
    const int count = int(rows.size());
    const QString folder = QDir::toNativeSeparators(m_backupParent);
    begin(tr("Back up %n calculators into %1", nullptr, count).arg(folder), tr("back up"), 0,
        ClassJobModel::Kind::Backup, rows,
        [this](CVoriWorker *worker, QObject *parent) { return makeBackup(worker, parent); });
    return true;
}

CalcJob *ClassJobs::makeCollect(CVoriWorker *worker, QObject *parent)
{
    auto *job = new CollectJob(worker, m_collectParent, m_collectClear, parent);
    connect(job, &CalcJob::delivered, this, [this, worker] { emit listingChanged(worker); });
    return job;
}

bool ClassJobs::prepareCollect(const QString &folder, bool clear)
{
    const QString path = QDir::cleanPath(folder);
    if (path.isEmpty() || !QDir().mkpath(path))
        return false;
    m_collectParent = path;
    m_collectClear = clear;
    return true;
}

bool ClassJobs::collectAll(
    const QList<CVoriWorker *> &calculators, const QString &folder, bool clear)
{
    if (m_model->running() || calculators.isEmpty() || !prepareCollect(folder, clear))
        return false;
    m_plan.clear();
    QList<QPair<CVoriWorker *, int>> rows;
    for (CVoriWorker *worker : calculators)
        rows.append(qMakePair(worker, int(worker->filesList.size())));
    const int count = int(rows.size());
    const QString shown = QDir::toNativeSeparators(m_collectParent);
    begin(clear ? tr("Collect from and clear %n calculators into %1", nullptr, count).arg(shown)
                : tr("Collect from %n calculators into %1", nullptr, count).arg(shown),
        clear ? tr("collect and clear") : tr("collect"), 0,
        clear ? ClassJobModel::Kind::CollectAndClear : ClassJobModel::Kind::Collect, rows,
        [this](CVoriWorker *worker, QObject *parent) { return makeCollect(worker, parent); });
    m_model->setFolder(m_collectParent);
    return true;
}

bool ClassJobs::startStationCollect(
    const QString &folder, bool clear, const QList<CVoriWorker *> &before)
{
    if (m_model->running() || !prepareCollect(folder, clear))
        return false;
    const QString shown = QDir::toNativeSeparators(m_collectParent);
    if (!startStation(clear ? tr("Station: collect and clear") : tr("Station: collect"),
            clear ? tr("each calculator plugged in has its files collected into a folder of its "
                       "own in %1, then deleted on it once they are checked.")
                        .arg(shown)
                  : tr("each calculator plugged in has its files collected into a folder of its "
                       "own in %1.")
                        .arg(shown),
            clear ? ClassJobModel::Kind::CollectAndClear : ClassJobModel::Kind::Collect, before))
        return false;
    m_stationFiles.clear();
    m_stationCollects = true;
    m_model->setFolder(m_collectParent);
    return true;
}

QString ClassJobs::numberedName(const QString &pattern, int number)
{
    return NamePattern::nameFor(pattern, number);
}

bool ClassJobs::setStationNaming(const QString &pattern, int first)
{
    m_namePattern.clear();
    if (pattern.trimmed().isEmpty())
        return true;
    // The widest number a class set reaches; a longer one is the user's to see.
    if (first < 0 || numberedName(pattern, qMax(first, 999)).size() > NamePattern::longestName)
        return false;
    m_namePattern = pattern;
    m_nextNumber = first;
    return true;
}

bool ClassJobs::compareAll(const QList<CVoriWorker *> &calculators, const QString &folder)
{
    if (m_model->running() || calculators.isEmpty() || folder.isEmpty())
        return false;
    m_plan.clear();
    m_syncFolder = folder;
    m_syncNeeds.clear();
    QList<QPair<CVoriWorker *, int>> rows;
    for (CVoriWorker *worker : calculators) {
        rows.append(qMakePair(worker, 0));
        m_syncNeeds.append(
            qMakePair(QPointer<CVoriWorker>(worker), QList<QPair<QString, QString>>()));
    }
    const QString shown = QDir::toNativeSeparators(folder);
    begin(tr("Compare %n calculators with %1", nullptr, int(rows.size())).arg(shown), tr("compare"),
        0, ClassJobModel::Kind::Compare, rows,
        [this](CVoriWorker *worker, QObject *parent) -> CalcJob * {
            return new CompareJob(worker, m_syncFolder, parent);
        });
    return true;
}

// Only the calculators that need files, each sent what its compare found;
// files left only on a calculator stay.
bool ClassJobs::syncAll()
{
    if (m_model->running() || !m_model->syncReady())
        return false;
    QList<QPair<CVoriWorker *, int>> rows;
    QHash<CVoriWorker *, QList<QPair<QString, QString>>> files;
    int most = 0;
    for (const auto &need : qAsConst(m_syncNeeds)) {
        if (!need.first || need.second.isEmpty())
            continue;
        rows.append(qMakePair(need.first.data(), int(need.second.size())));
        files.insert(need.first.data(), need.second);
        most = qMax(most, int(need.second.size()));
    }
    if (rows.isEmpty())
        return false;
    const QString shown = QDir::toNativeSeparators(m_syncFolder);
    begin(tr("Sync %n calculators with %1", nullptr, int(rows.size())).arg(shown), tr("send"), most,
        ClassJobModel::Kind::Send, rows,
        [this, files](CVoriWorker *worker, QObject *parent) -> CalcJob * {
            auto *job = new SyncJob(
                worker, files.value(worker), {}, BackupSettings::verifySends(), parent);
            connect(
                job, &CalcJob::delivered, this, [this, worker] { emit listingChanged(worker); });
            return job;
        });
    return true;
}

void ClassJobs::retryFailed()
{
    if (m_model->running() || m_model->station())
        return;
    m_run->retryFailed();
}

void ClassJobs::cancel()
{
    m_run->cancel();
}

QList<CalcJob *> ClassJobs::runningJobs() const
{
    return m_run->runningJobs();
}

// Names the calculator holds are replaced: nobody is there to be asked.
bool ClassJobs::startStationSend(const QList<QUrl> &urls, const QList<CVoriWorker *> &before)
{
    if (m_model->running())
        return false;
    const QList<QPair<QString, QString>> files = m_plan.planForAny(urls);
    QStringList names;
    for (const auto &file : files)
        names.append(file.second);
    if (files.isEmpty())
        return false;
    const int n = int(files.size());
    QString doing = (n == 1
            ? tr("each calculator plugged in is sent 1 file, %1, which replaces one of its name.")
            : tr("each calculator plugged in is sent %n files, %1, which replace those of their "
                 "names.",
                nullptr, n))
                        .arg(BackupTexts::someNames(names));
    // Said for as long as the station is on, as a send to several says it once.
    const QStringList sameNames = m_plan.sameNames();
    if (!sameNames.isEmpty())
        //: Follows what the station sends; %1 tells each pair of files left out.
        doing += QLatin1Char(' ')
            + tr("These files are left out: %1").arg(sameNames.join(QLatin1Char(' ')));
    if (!startStation(
            tr("Station: send %n files", nullptr, n), doing, ClassJobModel::Kind::Send, before))
        return false;
    m_stationFiles = files;
    m_stationCollects = false;
    return true;
}

bool ClassJobs::startStationBackup(const QUrl &folder, const QList<CVoriWorker *> &before)
{
    const QString path = QDir::cleanPath(folder.toLocalFile());
    if (!folder.isLocalFile() || path.isEmpty())
        return false;
    if (!startStation(tr("Station: back up"),
            tr("each calculator plugged in is backed up into a folder of its own in %1.")
                .arg(QDir::toNativeSeparators(path)),
            ClassJobModel::Kind::Backup, before))
        return false;
    m_stationFiles.clear();
    m_stationCollects = false;
    m_backupParent = path;
    // The default is ours to make, as for any backup.
    if (path == BackupSettings::defaultBackupFolder())
        QDir().mkpath(path);
    // Every calculator plugged in later goes into the folder chosen now.
    m_backupIdentity = FolderHandle::identityOf(path);
    return true;
}

// Those listed or being read now were plugged in before the start.
bool ClassJobs::startStation(const QString &title, const QString &doing, ClassJobModel::Kind kind,
    const QList<CVoriWorker *> &before)
{
    if (m_model->running())
        return false;
    m_run->clear();
    m_stationBefore.clear();
    for (CVoriWorker *worker : before)
        m_stationBefore.append(worker);
    qCDebug(SessionLog, "station on");
    m_model->beginStation(title, doing, kind);
    return true;
}

void ClassJobs::stopStation()
{
    if (!m_model->stationOn())
        return;
    qCDebug(SessionLog, "station off");
    m_stationBefore.clear();
    m_model->endStation();
}

// A calculator is listed once per plug-in, so it is served once per plug-in.
void ClassJobs::listed(CVoriWorker *worker)
{
    if (!m_model->stationOn() || m_stationBefore.removeAll(worker) > 0)
        return;
    const bool collect = m_stationCollects;
    const bool backup = !collect && m_stationFiles.isEmpty();
    const QList<QPair<QString, QString>> files = m_stationFiles;
    const QString newName
        = m_namePattern.isEmpty() ? QString() : numberedName(m_namePattern, m_nextNumber++);
    const int row = m_run->add(
        worker,
        [this, files, backup, collect, newName](CVoriWorker *worker, QObject *parent) {
            CalcJob *job = collect ? makeCollect(worker, parent)
                : backup           ? makeBackup(worker, parent)
                                   : makeSend(worker, files, parent);
            if (!newName.isEmpty()) {
                job->setNameFirst(newName);
                connect(job, &CalcJob::delivered, this, [this, worker] { emit renamed(worker); });
            }
            return job;
        },
        collect || backup ? int(worker->filesList.size()) : int(files.size()));
    m_model->addRow(BackupTexts::calcLabel(newName.isEmpty() ? worker->name : newName),
        collect      ? (m_collectClear ? tr("collect and clear") : tr("collect"))
            : backup ? tr("back up")
                     : tr("send"));
    m_run->start(row);
}
