#include "BackupJob.h"

BackupJob::BackupJob(
    CVoriWorker *worker, const QString &folder, const QString &folderIdentity, QObject *parent)
    : CalcJob(worker, parent)
    , m_parent(folder)
    , m_identity(folderIdentity)
{
}

void BackupJob::fill(CVoriWorker &worker)
{
    worker.backupParent = m_parent;
    worker.backupParentIdentity = m_identity;
}

// The files a backup holds are its count: a finished backup moved them all.
void BackupJob::collect(CVoriWorker &worker)
{
    m_backup = worker.backupResult;
    m_result.count = m_backup.files + m_backup.unrestorable;
    m_result.done = m_backup.finished ? m_result.count : 0;
    m_result.cancelled = m_result.cancelled || m_backup.cancelled;
}
