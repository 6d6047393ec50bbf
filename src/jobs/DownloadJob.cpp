#include "DownloadJob.h"

DownloadJob::DownloadJob(CVoriWorker *worker, const QList<QPair<QString, int>> &files,
    const QString &folder, QObject *parent)
    : CalcJob(worker, parent)
    , m_files(files)
    , m_folder(folder)
{
}

void DownloadJob::fill(CVoriWorker &worker)
{
    worker.files = m_files;
    worker.destFolder = m_folder;
}
