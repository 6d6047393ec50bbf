#ifndef CVORIWORKER_H
#define CVORIWORKER_H

#include "BackupManifest.h"
#include "CalcPort.h"
#include "FolderCompare.h"
#include "TransferEvents.h"
#include "TransferOutcome.h"
#include "TransferPlan.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class CVivuRuza;
class QSerialPortInfo;
class QThread;

// One attached calculator: what was last read from it and the inputs of its
// next job. Construction reads the calculator in the calling thread unless
// told to leave the first reading to a job; each job slot runs in a job
// thread on a link of its own and hands the worker back to its home thread
// before finished().
class CVoriWorker : public QObject
{
    Q_OBJECT
public:
    enum class Reading { Now, InJob };

    CVoriWorker(const QSerialPortInfo &info, QObject *parent = nullptr);
    CVoriWorker(const CalcPort &info, QObject *parent = nullptr);
    CVoriWorker(const CalcPort &info, Reading reading, QObject *parent = nullptr);
    ~CVoriWorker() override;

    QList<QPair<QString, QString>> toCalcFiles;
    QList<QPair<QString, int>> files;
    QString destFolder;
    QString newName;
    CVivuRuza *calc = nullptr;
    CalcPort portInfo;
    // Written only in the home thread, so readers there never race a job.
    QString name;
    QList<QPair<QString, int>> filesList;
    // Why the first reading found no calculator to list; empty once it has.
    QString problem;
    // What the last listing could not show of a calculator it lists (files
    // whose listing entries did not parse); empty when it showed everything.
    // With problem, the first reading's only report: it sends no errorNotify.
    // Later listings (after a send, a delete or a restore) tell it by
    // unreadListed().
    QString notice;

    // The notice for files of a calculator that could not be read.
    static QString unreadText(int count, const QString &calculator);

    // Progress of a transfer is sent at most this often, so a fast link
    // cannot flood the main thread's queue.
    static constexpr int progressIntervalMs = 100;

    // From any thread: the job running or about to run stops after the frame
    // in transfer. Cleared by the session before it starts the next job, so
    // a Cancel that comes late never reaches a job that was not asked.
    void cancel() { m_cancel.store(true); }
    void clearCancel() { m_cancel.store(false); }
    bool cancelRequested() const { return m_cancel.load(); }

signals:
    void finished();
    void errorNotify(QString errorText);
    // From the job thread, throttled: file fileNumber of fileCount, bytes of it.
    void progress(int fileNumber, int fileCount, QString fileName, qint64 done, qint64 total);
    // How many files of the job's list a send or download moved, before finished().
    void transferred(int done, int count);
    // Each errorNotify again, with the link's line on which file, which
    // calculator and what to do (empty where the text says all).
    void errorExplained(QString errorText, QString detail);
    // Before transferred(): the job was cancelled. For the file the Cancel
    // found in transfer, its calculator name and what the calculator was
    // left holding of it (a TransferOutcome::Left); an empty name where
    // there is nothing to tell.
    void jobCancelled(QString calcName, int left);
    // Each file's outcome as the runner gives it, before transferred().
    void fileOutcome(int index, int status, QString text, qint64 size);

public slots:
    void sendFiles();
    void getFiles();
    void delFiles();
    void setDevName();
    // The first reading of a newly attached calculator, as a job.
    void readFirst();

private:
    struct FirstReading
    {
        QString name;
        QList<QPair<QString, int>> files;
        QString problem;
        QString notice;
    };

    void readCalc();
    FirstReading readDevice();
    void openLink();
    void closeLink();
    void forwardErrors();
    void report(const QString &errorText, const QString &detail);
    void endJob(std::function<void()> deliver);
    void changeFiles(const TransferPlan &plan);
    QList<TransferOutcome> run(const TransferPlan &plan, bool showProgress);
    void watchProgress(int fileNumber, int fileCount, const QString &fileName);

    QThread *m_home;
    QElapsedTimer m_progressClock;
    std::atomic_bool m_cancel { false };

    // Backups and restores, in the folders and with the manifest vuvectl
    // makes and reads. The inputs are written before the job; the results
    // are delivered to the home thread before finished(), as filesList is.
public:
    struct BackupResult
    {
        bool finished = false; // every file arrived and the manifest says so
        QString folder; // the backup's own folder; empty when none was made
        int files = 0; // files a restore can send back
        int unrestorable = 0; // listed apart: not held, or not to be sent back
        bool cancelled = false;
    };
    struct RestoreResult
    {
        // The backup checked out and the calculator was listed; what follows
        // is what a restore would do (a preview) or did.
        bool ready = false;
        QString device; // whose backup it is
        QString time; // when it was made, UTC, ISO 8601
        QStringList added;
        QStringList replaced;
        // What the backup holds or lists but can't send back, each with why.
        QList<QPair<QString, QString>> unrestorable;
        int sent = 0;
        // Files were sent, and the calculator lists every one, with its size.
        bool verified = false;
        bool cancelled = false;
    };

    QString backupParent; // where a backup makes its own folder
    QString restoreFolder; // the backup a restore or its preview reads
    BackupResult backupResult;
    RestoreResult restoreResult;

public slots:
    // Every file of the calculator into a new folder under backupParent.
    void backUp();
    // What restoring restoreFolder would add and replace; sends nothing.
    void previewRestore();
    // restoreFolder's files back under their names, replacing those the
    // calculator holds, then checked against its listing.
    void restoreBackup();

private:
    void restore(bool send);

signals:
    // A listing after the first left files out again: notice, told in the
    // home thread before finished().
    void unreadListed(QString notice);

private:
    // The notice for count files left out, naming the calculator by
    // deviceName or else by its port; empty for none.
    QString unreadNotice(int count, const QString &deviceName) const;
    void tellUnread(int count);

public:
    // Each file a send or a restore puts on the calculator is read back and
    // compared with what went; written before the job, as its files are.
    bool verify = false;
    // The backup as the last preview read and checked it, delivered as
    // restoreResult is: the restore sends what it lists and nothing the
    // folder holds by then, so that the question binds the restore. Empty
    // once restored, and after a preview that found nothing to restore.
    BackupManifest previewedBackup;

    // What backupParent was when the user chose it (FolderHandle::identity());
    // a backup writes nothing into a folder that changed since. Empty: any.
    QString backupParentIdentity;

    // Whether the first reading lists the calculator's files after its name;
    // without, it reads the name alone. Written before the job.
    bool firstReadingLists = true;

    // Collecting every file into a folder of its own under collectParent,
    // each read twice, and with collectClear deleting on the calculator what
    // was collected so; each file's row goes into the receipt there.
    struct CollectResult
    {
        bool finished = false; // every file collected (and cleared)
        QString folder; // the calculator's own folder; empty when none was made
        int files = 0; // files listed
        int collected = 0; // collected, cleared ones included
        int cleared = 0;
        QStringList missing; // listed and not collected
        QString stopReason; // why it stopped before its end
        bool cancelled = false;
        QString firstReason; // why the first file not collected was not
    };
    QString collectParent;
    bool collectClear = false;
    CollectResult collectResult;

    // A name the next job gives the calculator first, on its link, before it
    // does anything else; written before the job. namedAs is the name it
    // took, read once the job has delivered; empty when none was asked or
    // the calculator refused it.
    QString nameFirst;
    QString namedAs;

    // A folder compared with the calculator: names and sizes first, told by
    // compareListed(), then each file of equal size read and settled, told
    // by compareSettled(); compareResult holds all of it once delivered.
    QString compareFolderPath;
    FolderCompare compareResult;
    // Why the compare could not be made (the folder, two files of one name);
    // empty when it was.
    QString compareError;

public slots:
    void compareFolder();
    // toCalcFiles sent, replacing what the calculator holds of their names,
    // then files deleted; the calculator is listed again afterwards.
    void syncFolder();

signals:
    void compareListed(QList<FolderCompare::Entry> entries, QStringList leftOut);
    void compareSettled(int index, FolderCompare::Entry entry);

public slots:
    void collect();

private:
    // A backup's or a collect's progress and problems.
    TransferEvents writerEvents();
};

#endif // CVORIWORKER_H
