#include "SyncJob.h"

SyncJob::SyncJob(CVoriWorker *worker, const QList<QPair<QString, QString>> &send,
    const QList<QPair<QString, int>> &remove, bool verify, QObject *parent)
    : CalcJob(worker, parent)
    , m_send(send)
    , m_remove(remove)
    , m_verify(verify)
{
}

void SyncJob::fill(CVoriWorker &worker)
{
    worker.toCalcFiles = m_send;
    worker.files = m_remove;
    worker.verify = m_verify;
}
