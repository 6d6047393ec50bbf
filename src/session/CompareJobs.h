#ifndef COMPAREJOBS_H
#define COMPAREJOBS_H

#include <QObject>
#include <QPointer>
#include <QString>

class CVoriWorker;
class FolderCompareModel;
class WindowJobs;

// The current calculator beside a folder: the compare shown in its model as
// it comes in (names and sizes, then contents), and the sync that makes the
// calculator hold the folder's files, compared again once it has ended.
class CompareJobs : public QObject
{
    Q_OBJECT
public:
    CompareJobs(FolderCompareModel *model, WindowJobs *jobs, QObject *parent = nullptr);

    // False when the calculator runs another job.
    bool compare(CVoriWorker *worker, const QString &folder);
    // Sends what is missing or different, replacing, and with deleteExtra
    // deletes what is only on the calculator; false when there is nothing
    // compared to act on or the calculator is busy.
    bool match(bool deleteExtra, bool verify);

signals:
    // A job read the calculator's files anew.
    void listingChanged(CVoriWorker *worker);

private:
    FolderCompareModel *m_model;
    WindowJobs *m_jobs;
    QPointer<CVoriWorker> m_worker;
    QString m_folder;
};

#endif // COMPAREJOBS_H
