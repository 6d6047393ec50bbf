#include "CompareJob.h"

CompareJob::CompareJob(CVoriWorker *worker, const QString &folder, QObject *parent)
    : CalcJob(worker, parent)
    , m_folder(folder)
{
    qRegisterMetaType<FolderCompare::Entry>();
    qRegisterMetaType<QList<FolderCompare::Entry>>();
}

// The worker's reports cross from its job thread, queued, in the order sent.
void CompareJob::fill(CVoriWorker &worker)
{
    worker.compareFolderPath = m_folder;
    m_forwards = { connect(&worker, &CVoriWorker::compareListed, this, &CompareJob::listed,
                       Qt::QueuedConnection),
        connect(&worker, &CVoriWorker::compareSettled, this, &CompareJob::settled,
            Qt::QueuedConnection) };
}

void CompareJob::collect(CVoriWorker &worker)
{
    for (const QMetaObject::Connection &c : qAsConst(m_forwards))
        disconnect(c);
    m_forwards.clear();
    m_compared = worker.compareResult;
    m_error = worker.compareError;
    m_result.count = int(m_compared.entries().size());
    m_result.done = m_result.count - m_compared.count(FolderCompare::Status::Unknown);
}
