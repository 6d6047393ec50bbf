#include "SendJob.h"

SendJob::SendJob(
    CVoriWorker *worker, const QList<QPair<QString, QString>> &files, bool verify, QObject *parent)
    : CalcJob(worker, parent)
    , m_files(files)
    , m_verify(verify)
{
}

void SendJob::fill(CVoriWorker &worker)
{
    worker.toCalcFiles = m_files;
    worker.verify = m_verify;
}
