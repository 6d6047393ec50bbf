#include "CollectJob.h"

CollectJob::CollectJob(CVoriWorker *worker, const QString &folder, bool clear, QObject *parent)
    : CalcJob(worker, parent)
    , m_parent(folder)
    , m_clear(clear)
{
}

void CollectJob::fill(CVoriWorker &worker)
{
    worker.collectParent = m_parent;
    worker.collectClear = m_clear;
}

// Its count is the files listed; done, those collected (and cleared, when
// clearing).
void CollectJob::collect(CVoriWorker &worker)
{
    m_collected = worker.collectResult;
    m_result.count = m_collected.files;
    m_result.done = m_clear ? m_collected.cleared : m_collected.collected;
    m_result.cancelled = m_result.cancelled || m_collected.cancelled;
    if (m_result.failure.isEmpty() && !m_collected.finished)
        m_result.failure = m_collected.stopReason;
}
