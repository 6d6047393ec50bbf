#ifndef COLLECTJOB_H
#define COLLECTJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// Every file of one calculator collected into a folder of its own in folder,
// each read twice and compared, with a row per file in the folder's receipt;
// clearing, the files collected so are then deleted on the calculator.
class CollectJob : public CalcJob
{
    Q_OBJECT
public:
    CollectJob(CVoriWorker *worker, const QString &folder, bool clear, QObject *parent = nullptr);

    const char *kind() const override { return m_clear ? "collect and clear" : "collect"; }
    bool clears() const { return m_clear; }
    const CVoriWorker::CollectResult &collected() const { return m_collected; }

protected:
    Slot slot() const override { return &CVoriWorker::collect; }
    void fill(CVoriWorker &worker) override;
    void collect(CVoriWorker &worker) override;

private:
    QString m_parent;
    bool m_clear = false;
    CVoriWorker::CollectResult m_collected;
};

#endif // COLLECTJOB_H
