#include "CalcJob.h"

#include "CVoriWorker.h"
#include "JobLog.h"
#include "TransferOutcome.h"

#include <QHash>
#include <QThread>

namespace {
// Which job runs on which worker; read and written in the main thread only.
QHash<const CVoriWorker *, CalcJob *> &running()
{
    static QHash<const CVoriWorker *, CalcJob *> jobs;
    return jobs;
}
} // namespace

CalcJob::CalcJob(CVoriWorker *worker, QObject *parent)
    : QObject(parent)
    , m_worker(worker)
{
}

// The event loop may be gone, so the queued quit() may never arrive: the
// thread is asked to quit itself, which it does once the job slot returns.
CalcJob::~CalcJob()
{
    waitForEnd();
}

CVoriWorker *CalcJob::worker() const
{
    return m_worker.data();
}

void CalcJob::interruptAll(const QList<CalcJob *> &jobs)
{
    for (CalcJob *job : jobs) {
        if (job && job->m_thread)
            job->m_thread->requestInterruption();
    }
    for (CalcJob *job : jobs) {
        if (job)
            job->waitForEnd();
    }
}

void CalcJob::waitForEnd()
{
    if (!m_thread)
        return;
    QThread *thread = m_thread.data();
    m_thread.clear();
    thread->requestInterruption();
    thread->quit();
    thread->wait();
    delete thread;
    if (running().value(m_worker.data()) == this)
        running().remove(m_worker.data());
}

CalcJob *CalcJob::runningOn(const CVoriWorker *worker)
{
    return running().value(worker, nullptr);
}

bool CalcJob::isRunning() const
{
    return m_worker && runningOn(m_worker.data()) == this;
}

void CalcJob::cancel()
{
    if (isRunning())
        m_worker->cancel();
}

bool CalcJob::cancelRequested() const
{
    return isRunning() && m_worker->cancelRequested();
}

void CalcJob::collect(CVoriWorker &) { }

// The worker's signals come from the job thread and reach the job through
// its queue, so they arrive in the order they were sent and before the
// results delivered ahead of finished().
bool CalcJob::start()
{
    CVoriWorker *worker = m_worker.data();
    if (!worker || runningOn(worker) || m_thread || m_ended)
        return false;
    worker->clearCancel();
    fill(*worker);
    worker->nameFirst = m_nameFirst;
    worker->namedAs.clear();
    if (kind())
        qCDebug(SessionLog, "%s: %s started, %d files", qUtf8Printable(worker->portInfo.portName()),
            kind(), itemCount());
    auto *thread = new QThread;
    m_thread = thread;
    running().insert(worker, this);
    worker->moveToThread(thread);

    m_connections = {
        connect(worker, &CVoriWorker::progress, this, &CalcJob::progress),
        connect(worker, &CVoriWorker::errorExplained, this,
            [this](const QString &text, const QString &detail) {
                if (m_result.failure.isEmpty())
                    m_result.failure = text;
                emit problem(text, detail);
            }),
        connect(worker, &CVoriWorker::jobCancelled, this,
            [this](const QString &calcName, int left) {
                m_result.cancelled = true;
                emit cancelledAt(calcName, left);
            }),
        connect(worker, &CVoriWorker::transferred, this,
            [this](int done, int count) {
                m_counted = true;
                m_result.done = done;
                m_result.count = count;
                emit transferred(done, count);
            }),
        connect(worker, &CVoriWorker::fileOutcome, this,
            [this](int index, int status, const QString &text, qint64 size) {
                if (TransferOutcome::Status(status) == TransferOutcome::Status::Done)
                    ++m_itemsDone;
                emit fileOutcome(index, status, text, size);
            }),
        connect(worker, &CVoriWorker::finished, this,
            [this, worker] {
                m_result.listing = worker->filesList;
                if (!m_nameFirst.isEmpty() && !worker->namedAs.isEmpty())
                    worker->name = worker->namedAs;
                // A job that does not count its files itself (a delete) is
                // counted by their outcomes.
                if (!m_counted) {
                    m_result.done = m_itemsDone;
                    m_result.count = itemCount();
                }
                collect(*worker);
                emit delivered();
            }),
        connect(worker, &CVoriWorker::finished, thread, &QThread::quit),
    };
    connect(thread, &QThread::started, this, &CalcJob::started);
    connect(thread, &QThread::started, worker, slot());
    connect(thread, &QThread::finished, this, &CalcJob::finishThread);
    thread->start(QThread::InheritPriority);
    return true;
}

void CalcJob::finishThread()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    if (QThread *thread = m_thread.data()) {
        m_thread.clear();
        thread->deleteLater();
    }
    if (running().value(m_worker.data()) == this)
        running().remove(m_worker.data());
    m_ended = true;
    if (m_worker && kind())
        qCDebug(SessionLog, "%s: job ended", qUtf8Printable(m_worker->portInfo.portName()));
    emit ended();
}
