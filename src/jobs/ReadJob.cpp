#include "ReadJob.h"

ReadJob::ReadJob(CVoriWorker *worker, QObject *parent)
    : CalcJob(worker, parent)
{
}

ReadJob::ReadJob(CVoriWorker *worker, What what, QObject *parent)
    : CalcJob(worker, parent)
    , m_what(what)
{
}

void ReadJob::fill(CVoriWorker &worker)
{
    worker.firstReadingLists = m_what == What::NameAndFiles;
}

void ReadJob::collect(CVoriWorker &worker)
{
    m_name = worker.name;
    m_problem = worker.problem;
    m_notice = worker.notice;
}
