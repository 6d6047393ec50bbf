#include "CompareJobs.h"

#include "BackupTexts.h"
#include "CVoriWorker.h"
#include "CompareJob.h"
#include "FolderCompareModel.h"
#include "SyncJob.h"
#include "WindowJobs.h"

#include <QDir>

CompareJobs::CompareJobs(FolderCompareModel *model, WindowJobs *jobs, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_jobs(jobs)
{
}

bool CompareJobs::compare(CVoriWorker *worker, const QString &folder)
{
    if (!worker || folder.isEmpty() || CalcJob::runningOn(worker))
        return false;
    auto *job = new CompareJob(worker, folder, this);
    connect(job, &CompareJob::listed, m_model, &FolderCompareModel::setEntries);
    connect(job, &CompareJob::settled, m_model, &FolderCompareModel::settle);
    connect(job, &CalcJob::delivered, this, [this, job, worker] {
        m_model->finish(job->error());
        emit listingChanged(worker);
    });
    m_model->begin(BackupTexts::calcLabel(worker->name), QDir::toNativeSeparators(folder));
    if (!m_jobs->start(job)) {
        m_model->finish(QString());
        return false;
    }
    m_worker = worker;
    m_folder = folder;
    return true;
}

bool CompareJobs::match(bool deleteExtra, bool verify)
{
    if (!m_worker || m_model->comparing() || CalcJob::runningOn(m_worker))
        return false;
    const QList<QPair<QString, QString>> send = FolderCompare::toSend(m_model->entries());
    QList<QPair<QString, int>> remove;
    for (const FolderCompare::Entry &e : m_model->entries()) {
        if (deleteExtra && e.status == FolderCompare::Status::Extra)
            remove.append(qMakePair(e.name, int(e.calcSize)));
    }
    if (send.isEmpty() && remove.isEmpty())
        return false;
    CVoriWorker *worker = m_worker;
    auto *job = new SyncJob(worker, send, remove, verify, this);
    // What the sync left is shown by comparing again.
    connect(job, &CalcJob::ended, this, [this, worker] {
        emit listingChanged(worker);
        compare(worker, m_folder);
    });
    m_jobs->showOnProgressLine(job);
    return m_jobs->start(job);
}
