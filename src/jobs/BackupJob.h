#ifndef BACKUPJOB_H
#define BACKUPJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// Every file of one calculator into a new folder of its own in folder,
// with the manifest; nothing is written into a folder that is no longer the
// folder whose identity was given (empty: any).
class BackupJob : public CalcJob
{
    Q_OBJECT
public:
    BackupJob(CVoriWorker *worker, const QString &folder, const QString &folderIdentity,
        QObject *parent = nullptr);

    const char *kind() const override { return "backup"; }
    const CVoriWorker::BackupResult &backup() const { return m_backup; }

protected:
    Slot slot() const override { return &CVoriWorker::backUp; }
    void fill(CVoriWorker &worker) override;
    void collect(CVoriWorker &worker) override;

private:
    QString m_parent;
    QString m_identity;
    CVoriWorker::BackupResult m_backup;
};

#endif // BACKUPJOB_H
