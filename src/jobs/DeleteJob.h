#ifndef DELETEJOB_H
#define DELETEJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// Files deleted on one calculator; it is listed again afterwards.
class DeleteJob : public CalcJob
{
    Q_OBJECT
public:
    DeleteJob(
        CVoriWorker *worker, const QList<QPair<QString, int>> &files, QObject *parent = nullptr);

    const char *kind() const override { return "delete"; }
    int itemCount() const override { return int(m_files.size()); }

protected:
    Slot slot() const override { return &CVoriWorker::delFiles; }
    void fill(CVoriWorker &worker) override;

private:
    QList<QPair<QString, int>> m_files;
};

#endif // DELETEJOB_H
