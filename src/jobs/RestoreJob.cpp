#include "RestoreJob.h"

RestoreJob::RestoreJob(
    CVoriWorker *worker, const QString &folder, Mode mode, bool verify, QObject *parent)
    : CalcJob(worker, parent)
    , m_folder(folder)
    , m_mode(mode)
    , m_verify(verify)
{
}

CalcJob::Slot RestoreJob::slot() const
{
    return m_mode == Mode::Preview ? &CVoriWorker::previewRestore : &CVoriWorker::restoreBackup;
}

void RestoreJob::fill(CVoriWorker &worker)
{
    worker.restoreFolder = m_folder;
    worker.verify = m_verify;
}

void RestoreJob::collect(CVoriWorker &worker)
{
    m_restore = worker.restoreResult;
    m_result.count = int(m_restore.added.size() + m_restore.replaced.size());
    m_result.done = m_restore.sent;
    m_result.cancelled = m_result.cancelled || m_restore.cancelled;
}
