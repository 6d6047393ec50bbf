#ifndef RENAMEJOB_H
#define RENAMEJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// A new device name for one calculator; the name it holds afterwards is
// read back, whether it took the new one or not.
class RenameJob : public CalcJob
{
    Q_OBJECT
public:
    RenameJob(CVoriWorker *worker, const QString &newName, QObject *parent = nullptr);

    const char *kind() const override { return "rename"; }
    // The name the calculator gave once renamed, once ended.
    QString name() const { return m_name; }

protected:
    Slot slot() const override { return &CVoriWorker::setDevName; }
    void fill(CVoriWorker &worker) override;
    void collect(CVoriWorker &worker) override;

private:
    QString m_newName;
    QString m_name;
};

#endif // RENAMEJOB_H
