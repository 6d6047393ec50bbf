#include "ReadJob.h"

ReadJob::ReadJob(CVoriWorker *worker, QObject *parent)
    : CalcJob(worker, parent)
{
}

void ReadJob::collect(CVoriWorker &worker)
{
    m_name = worker.name;
    m_problem = worker.problem;
    m_notice = worker.notice;
}
