#ifndef COMPAREJOB_H
#define COMPAREJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"
#include "FolderCompare.h"

// One calculator against a folder: names and sizes as soon as the calculator
// is listed, then each file of equal size read back and settled, in the
// background. The listing afterwards is the calculator's as just read.
class CompareJob : public CalcJob
{
    Q_OBJECT
public:
    CompareJob(CVoriWorker *worker, const QString &folder, QObject *parent = nullptr);

    const char *kind() const override { return "compare"; }
    const FolderCompare &compared() const { return m_compared; }
    // Why no compare could be made; empty when one was.
    QString error() const { return m_error; }

signals:
    void listed(QList<FolderCompare::Entry> entries, QStringList leftOut);
    void settled(int index, FolderCompare::Entry entry);

protected:
    Slot slot() const override { return &CVoriWorker::compareFolder; }
    void fill(CVoriWorker &worker) override;
    void collect(CVoriWorker &worker) override;

private:
    QString m_folder;
    FolderCompare m_compared;
    QString m_error;
    QList<QMetaObject::Connection> m_forwards;
};

#endif // COMPAREJOB_H
