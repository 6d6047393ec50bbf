#ifndef SYNCJOB_H
#define SYNCJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// A calculator made to hold a folder's files: the files given sent under
// their calculator names, replacing what it holds of them, then the names
// given deleted; it is listed again afterwards.
class SyncJob : public CalcJob
{
    Q_OBJECT
public:
    SyncJob(CVoriWorker *worker, const QList<QPair<QString, QString>> &send,
        const QList<QPair<QString, int>> &remove, bool verify, QObject *parent = nullptr);

    const char *kind() const override { return "sync"; }
    int itemCount() const override { return int(m_send.size() + m_remove.size()); }

protected:
    Slot slot() const override { return &CVoriWorker::syncFolder; }
    void fill(CVoriWorker &worker) override;

private:
    QList<QPair<QString, QString>> m_send; // local path, calculator name
    QList<QPair<QString, int>> m_remove;
    bool m_verify = false;
};

#endif // SYNCJOB_H
