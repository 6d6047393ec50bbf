#include "RenameJob.h"

RenameJob::RenameJob(CVoriWorker *worker, const QString &newName, QObject *parent)
    : CalcJob(worker, parent)
    , m_newName(newName)
{
}

void RenameJob::fill(CVoriWorker &worker)
{
    worker.newName = m_newName;
}

void RenameJob::collect(CVoriWorker &worker)
{
    m_name = worker.name;
}
