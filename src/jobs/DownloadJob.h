#ifndef DOWNLOADJOB_H
#define DOWNLOADJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// Files of one calculator copied into a folder, each whole or not at all.
class DownloadJob : public CalcJob
{
    Q_OBJECT
public:
    DownloadJob(CVoriWorker *worker, const QList<QPair<QString, int>> &files, const QString &folder,
        QObject *parent = nullptr);

    const char *kind() const override { return "copy"; }
    int itemCount() const override { return int(m_files.size()); }

protected:
    Slot slot() const override { return &CVoriWorker::getFiles; }
    void fill(CVoriWorker &worker) override;

private:
    QList<QPair<QString, int>> m_files;
    QString m_folder;
};

#endif // DOWNLOADJOB_H
