#include "WindowJobs.h"

#include "BackupJob.h"
#include "BackupTexts.h"
#include "CVoriWorker.h"
#include "JobLog.h"
#include "RestoreJob.h"
#include "TransferOutcome.h"
#include "TransferProgress.h"

WindowJobs::WindowJobs(
    TransferProgress *line, std::function<bool(const CVoriWorker *)> isListed, QObject *parent)
    : QObject(parent)
    , m_line(line)
    , m_isListed(std::move(isListed))
{
}

// Told at its start and its end, whichever calculator it runs on, so a
// watcher of the busy state learns of each; its end is told once the
// worker takes a new job, and once the thread has finished nothing runs on
// the worker any more.
bool WindowJobs::start(CalcJob *job)
{
    connect(job, &CalcJob::started, this, &WindowJobs::jobStateChange);
    connect(job, &CalcJob::problem, this, &WindowJobs::problem);
    connect(job, &CalcJob::ended, this, [this, job] {
        CVoriWorker *worker = job->worker();
        job->deleteLater();
        if (worker && !m_isListed(worker))
            delete worker;
    });
    connect(job, &CalcJob::ended, this, &WindowJobs::jobStateChange);
    if (job->start())
        return true;
    delete job;
    return false;
}

void WindowJobs::showOnProgressLine(CalcJob *job)
{
    m_shownJob = job;
    connect(job, &CalcJob::progress, m_line,
        [this, job](int number, int count, const QString &name, qint64 done, qint64 total) {
            if (m_shownJob == job)
                m_line->update(number, count, name, done, total);
        });
    connect(job, &CalcJob::cancelledAt, m_line, [this, job](const QString &calcName, int left) {
        if (m_shownJob == job)
            m_line->cancelled(calcName, TransferOutcome::Left(left));
    });
    connect(job, &CalcJob::transferred, m_line, [this, job](int done, int count) {
        if (m_shownJob == job)
            m_line->finish(done, count);
    });
}

bool WindowJobs::canCancel() const
{
    CalcJob *job = m_shownJob.data();
    return job && job->isRunning() && m_line->running() && !job->cancelRequested();
}

void WindowJobs::cancel()
{
    if (!canCancel())
        return;
    qCDebug(
        SessionLog, "%s: cancel asked", qUtf8Printable(m_shownJob->worker()->portInfo.portName()));
    m_shownJob->cancel();
}

bool WindowJobs::backUp(CVoriWorker *worker, const QString &folder, const QString &folderIdentity)
{
    auto *job = new BackupJob(worker, folder, folderIdentity, this);
    // Told of the calculator backed up: the current one may have changed meanwhile.
    connect(job, &CalcJob::delivered, this, [this, job, worker] {
        if (m_shownJob == job)
            m_line->finishWith(BackupTexts::backupOutcome(worker->name, job->backup()));
    });
    showOnProgressLine(job);
    m_line->start(TransferProgress::Kind::Backup, BackupTexts::calcLabel(worker->name),
        int(worker->filesList.size()));
    return start(job);
}

bool WindowJobs::previewRestore(CVoriWorker *worker, const QString &folder, bool verify)
{
    m_restoreWorker = worker;
    m_restoreFolder = folder;
    m_restoreQuestion.clear();
    m_restoreAdded = 0;
    m_restoreReplaced = 0;
    m_line->clearOutcome();
    auto *job = new RestoreJob(worker, m_restoreFolder, RestoreJob::Mode::Preview, verify, this);
    // After the job's own end: the question comes once the calculator is idle.
    if (!start(job))
        return false;
    connect(job, &CalcJob::ended, this, [this, job] { previewEnded(job); });
    return true;
}

// The question names what changes: every file added, every file replaced,
// and what the backup holds that stays where it is.
void WindowJobs::previewEnded(RestoreJob *job)
{
    CVoriWorker *worker = job->worker();
    if (!worker)
        return;
    // The preview listed the calculator: the table shows what it compared.
    emit listingChanged(worker);
    if (m_restoreWorker != worker)
        return;
    const CVoriWorker::RestoreResult &r = job->restore();
    if (!r.ready) {
        m_restoreWorker.clear();
        return;
    }
    m_restoreAdded = int(r.added.size());
    m_restoreReplaced = int(r.replaced.size());
    m_restoreQuestion = BackupTexts::restoreQuestion(worker->name, r);
    // Asked once the preview's job has ended and the calculator is idle
    // again: a Restore pressed the moment the question shows would
    // otherwise find it busy and do nothing.
    emit restorePreviewReady();
}

bool WindowJobs::restore(bool verify)
{
    CVoriWorker *worker = m_restoreWorker.data();
    if (!worker || !m_isListed(worker) || CalcJob::runningOn(worker) || m_restoreFolder.isEmpty())
        return false;
    auto *job = new RestoreJob(worker, m_restoreFolder, RestoreJob::Mode::Restore, verify, this);
    m_restoreFolder.clear();
    connect(job, &CalcJob::delivered, this, [this, job] { restoreEnded(job); });
    showOnProgressLine(job);
    m_line->start(TransferProgress::Kind::Restore, BackupTexts::calcLabel(worker->name),
        m_restoreAdded + m_restoreReplaced);
    return start(job);
}

void WindowJobs::restoreEnded(RestoreJob *job)
{
    CVoriWorker *worker = job->worker();
    if (!worker)
        return;
    emit listingChanged(worker);
    if (m_shownJob != job)
        return;
    const CVoriWorker::RestoreResult &r = job->restore();
    m_line->finishWith(BackupTexts::restoreOutcome(worker->name, r));
}
