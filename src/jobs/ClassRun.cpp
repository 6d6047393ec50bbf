#include "ClassRun.h"

#include "CVoriWorker.h"

ClassRun::ClassRun(QObject *parent)
    : QObject(parent)
{
}

ClassRun::~ClassRun()
{
    CalcJob::interruptAll(runningJobs());
}

void ClassRun::setListed(std::function<bool(const CVoriWorker *)> listed)
{
    m_listed = std::move(listed);
}

void ClassRun::setFailureText(std::function<QString(const CalcJob &)> text)
{
    m_failureText = std::move(text);
}

bool ClassRun::clear()
{
    if (running())
        return false;
    for (const Row &row : qAsConst(m_rows))
        delete row.job.data();
    m_rows.clear();
    return true;
}

int ClassRun::add(CVoriWorker *worker, JobMaker make, int count)
{
    Row row;
    row.worker = worker;
    row.make = std::move(make);
    row.count = count;
    m_rows.append(row);
    return int(m_rows.size()) - 1;
}

void ClassRun::startAll()
{
    for (int row = 0; row < m_rows.size(); ++row)
        start(row);
}

// A calculator busy with a job of its own, or gone, fails at once; Retry
// tries it again.
void ClassRun::start(int row)
{
    Row &r = m_rows[row];
    CVoriWorker *worker = r.worker.data();
    if (!worker || (m_listed && !m_listed(worker))) {
        fail(row, tr("The calculator is no longer attached."));
        return;
    }
    if (CalcJob::runningOn(worker)) {
        fail(row, tr("The calculator was busy with another job; try again."));
        return;
    }
    delete r.job.data();
    CalcJob *job = r.make(worker, this);
    r.job = job;
    r.state = State::Working;
    // Rows are only ever added while the run lasts, so a row's number is its
    // key; a job of an earlier start of the row is no longer its job.
    connect(job, &CalcJob::progress, this,
        [this, row, job](int number, int count, const QString &name, qint64 done, qint64 total) {
            if (m_rows.value(row).job == job)
                emit working(row, number, count, name, done, total);
        });
    connect(job, &CalcJob::ended, this, [this, row, job] {
        if (m_rows.value(row).job == job)
            end(row);
        emit jobEnded(job);
    });
    if (!job->start())
        fail(row, tr("The calculator was busy with another job; try again."));
}

void ClassRun::fail(int row, const QString &failure)
{
    m_rows[row].state = State::Failed;
    emit finished(row, 0, m_rows.at(row).count, failure, false);
}

void ClassRun::end(int row)
{
    Row &r = m_rows[row];
    const CalcJob &job = *r.job;
    const CalcJob::Result &result = job.result();
    const QString failure = m_failureText ? m_failureText(job) : result.failure;
    if (result.cancelled)
        r.state = State::Cancelled;
    else if (result.done == result.count && failure.isEmpty())
        r.state = State::Done;
    else
        r.state = State::Failed;
    emit finished(row, result.done, result.count, failure, result.cancelled);
}

QList<int> ClassRun::retryFailed()
{
    QList<int> failed;
    if (running())
        return failed;
    failed = failedRows();
    for (int row : qAsConst(failed)) {
        m_rows[row].state = State::Waiting;
        emit restarted(row);
    }
    for (int row : qAsConst(failed))
        start(row);
    return failed;
}

void ClassRun::cancel()
{
    for (const Row &row : qAsConst(m_rows)) {
        if (row.job && row.job->isRunning())
            row.job->cancel();
    }
}

bool ClassRun::running() const
{
    for (const Row &row : m_rows) {
        if (row.job && row.job->isRunning())
            return true;
    }
    return false;
}

QList<int> ClassRun::failedRows() const
{
    QList<int> failed;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).state == State::Failed)
            failed.append(row);
    }
    return failed;
}

QList<CalcJob *> ClassRun::runningJobs() const
{
    QList<CalcJob *> jobs;
    for (const Row &row : m_rows) {
        if (row.job && row.job->isRunning())
            jobs.append(row.job.data());
    }
    return jobs;
}
