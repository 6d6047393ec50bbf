#ifndef READJOB_H
#define READJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// The first reading of a newly attached calculator: its name and its files,
// or why it gives none. Not traced as a job: the watcher traces readings.
class ReadJob : public CalcJob
{
    Q_OBJECT
public:
    explicit ReadJob(CVoriWorker *worker, QObject *parent = nullptr);

    const char *kind() const override { return nullptr; }

    // What the reading found, once ended: a name and files (result().listing),
    // or a problem; a notice for files it could not show.
    QString name() const { return m_name; }
    QString problemText() const { return m_problem; }
    QString notice() const { return m_notice; }

protected:
    Slot slot() const override { return &CVoriWorker::readFirst; }
    void fill(CVoriWorker &) override { }
    void collect(CVoriWorker &worker) override;

private:
    QString m_name;
    QString m_problem;
    QString m_notice;
};

#endif // READJOB_H
