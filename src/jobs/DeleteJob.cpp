#include "DeleteJob.h"

DeleteJob::DeleteJob(CVoriWorker *worker, const QList<QPair<QString, int>> &files, QObject *parent)
    : CalcJob(worker, parent)
    , m_files(files)
{
}

void DeleteJob::fill(CVoriWorker &worker)
{
    worker.files = m_files;
}
