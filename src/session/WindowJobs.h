#ifndef WINDOWJOBS_H
#define WINDOWJOBS_H

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class CalcJob;
class CVoriWorker;
class RestoreJob;
class TransferProgress;

// The jobs the window starts on one calculator: each started with its
// errors told and its start and end told, the progress line following the
// one shown last, and the backup and restore of the current calculator with
// the restore's question. A worker dropped from the list while its job ran
// is deleted when the job ends.
class WindowJobs : public QObject
{
    Q_OBJECT
public:
    WindowJobs(TransferProgress *line, std::function<bool(const CVoriWorker *)> isListed,
        QObject *parent = nullptr);

    // False (the job deleted) when it can't start.
    bool start(CalcJob *job);
    // The job's progress and outcome go to the progress line.
    void showOnProgressLine(CalcJob *job);
    // Whether the job the progress line shows can still be cancelled; its
    // Cancel stops it after the frame in transfer.
    bool canCancel() const;
    void cancel();

    bool backUp(CVoriWorker *worker, const QString &folder, const QString &folderIdentity);
    // Reads the backup and the calculator, then restorePreviewReady once the
    // calculator is idle again; a backup that can't be restored is an error.
    bool previewRestore(CVoriWorker *worker, const QString &folder, bool verify);
    // Restores the backup the last preview read, as the preview said.
    bool restore(bool verify);
    QString restoreQuestion() const { return m_restoreQuestion; }
    int restoreAdded() const { return m_restoreAdded; }
    int restoreReplaced() const { return m_restoreReplaced; }

signals:
    // A job started or ended, whichever calculator it runs on.
    void jobStateChange();
    void problem(const QString &text, const QString &detail);
    // A job read the calculator's files anew.
    void listingChanged(CVoriWorker *worker);
    void restorePreviewReady();

private:
    void previewEnded(RestoreJob *job);
    void restoreEnded(RestoreJob *job);

    TransferProgress *m_line;
    std::function<bool(const CVoriWorker *)> m_isListed;
    QPointer<CalcJob> m_shownJob;

    QPointer<CVoriWorker> m_restoreWorker;
    QString m_restoreFolder;
    QString m_restoreQuestion;
    int m_restoreAdded = 0;
    int m_restoreReplaced = 0;
};

#endif // WINDOWJOBS_H
