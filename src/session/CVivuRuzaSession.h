#ifndef CVIVURUZASESSION_H
#define CVIVURUZASESSION_H

#include "CVoriWorker.h"
#include "CalcPort.h"
#include "ClassJobModel.h"
#include "ClassJobs.h"
#include "ConnectionDoctor.h"
#include "FolderCompareModel.h"
#include "TransferProgress.h"
#include "TransferQuestions.h"
#include "WindowJobs.h"

#include <QDir>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class CalcJob;
class CalcWatcher;
class CVoriWorker;
class CompareJobs;
class QThread;
class QTimer;
class VivuRuzaModel;
class VoriFileModel;

// What the window drives: polls for calculators through its watcher, which
// reads each new one in a job thread and lists it once that reading has
// succeeded (in the order found, whatever order the readings end in), keeps
// one worker per
// listed calculator parallel to the rows of the calculator list, sorts
// transfers into the collision queues and runs every transfer as a job
// (CalcJob) in a thread of its own, and a job over several calculators as a
// class run. Lives in the main thread and never waits for a device.
class CVivuRuzaSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex MEMBER currentIndex NOTIFY indexChange)
    Q_PROPERTY(QString error MEMBER error NOTIFY errorChange)
    Q_PROPERTY(bool isBusy MEMBER isBusy NOTIFY isBusyChange)
    Q_PROPERTY(QString statusLineText MEMBER statusLineText NOTIFY statusLineTextChange)
    Q_PROPERTY(ConnectionDoctor *doctor READ doctor CONSTANT)
    Q_PROPERTY(TransferProgress *transfer READ transfer CONSTANT)
    // The line under error: which file, which calculator, and what to do.
    Q_PROPERTY(QString errorDetail READ errorDetail NOTIFY errorDetailChange)
    // A job over several calculators at once, one row each.
    Q_PROPERTY(ClassJobModel *classJob READ classJob CONSTANT)
    // How many calculators are chosen for a send to the chosen ones.
    Q_PROPERTY(int chosenCount READ chosenCount NOTIFY chosenChange)
public:
    using PortSource = std::function<QList<CalcPort>()>;

    explicit CVivuRuzaSession(QObject *parent = nullptr);
    // Asks running jobs and readings to stop, waits for them to end (they end
    // within the link's wait limits at the latest) and deletes every worker.
    ~CVivuRuzaSession() override;

    void setModels(VivuRuzaModel *calcModel, VoriFileModel *fileModel);
    // Where polling finds calculator ports; by default the serial ports that
    // carry a calculator. An empty function restores the default.
    void setPortSource(PortSource source);

    int workerCount() const { return workers.size(); }
    CVoriWorker *workerAt(int index) const;
    // Ports whose first reading runs now.
    int readingCount() const;

    ConnectionDoctor *doctor() const { return m_doctor; }
    TransferProgress *transfer() const { return m_transfer; }
    QString errorDetail() const { return m_errorDetail; }
    // Jobs running on listed or unplugged calculators, first readings aside.
    int runningJobs() const;

signals:
    void indexChange();
    void connectNewCalc();
    void errorChange();
    void isBusyChange();
    void doYouWantReplace();
    void statusLineTextChange();
    // The file list now shows another calculator than before, so rows the
    // user selected name files they never saw there.
    void currentCalcChange();
    void errorDetailChange();
    void chosenChange();

public slots:
    void onIndexChange(int newIndex);
    void update();
    void onErrorChange(QString errorText);
    void onIAmBusy();
    void onIAmNotBusy();
    void onFileDeleted(QString fName);
    void onFileSend(QPair<QString, int>);
    void onDevNameChange();
    void onFilesListChange();

public:
    Q_INVOKABLE void toCalcUrls(QList<QUrl>);
    Q_INVOKABLE bool isToCalcZeroSizeCollision();
    Q_INVOKABLE bool isToCalcNameCollision();
    Q_INVOKABLE bool isToCalcExistingCollision();
    Q_INVOKABLE bool isFromCalcCollision();
    Q_INVOKABLE void sendFiles();
    Q_INVOKABLE QString collisionToCalcZeroSizeFileName();
    Q_INVOKABLE QString collisionToCalcFileName();
    Q_INVOKABLE QString getNameToCalcCollisionOld();
    Q_INVOKABLE QString getNameToCalcCollisionNew();
    Q_INVOKABLE QString collisionFromCalcFileName();
    Q_INVOKABLE void releaseToCalcCollision(bool);
    Q_INVOKABLE void releaseFromCalcCollision(bool);
    // Without a folder the files go to the run's private folder (mode 0700),
    // never under their calculator names into the shared temporary folder.
    Q_INVOKABLE void fromCalcUrls(bool checkCollision = false, QUrl destFolder = QUrl());
    Q_INVOKABLE QList<QUrl> downloadsFiles();
    Q_INVOKABLE void deleteSelected();
    Q_INVOKABLE void addSelected(int);
    Q_INVOKABLE void changeCalcName(QString);
    // A job runs on the current calculator, so a new one would be refused.
    Q_INVOKABLE bool isCurrentCalcBusy() const;
    // One answer for every name taken on the calculator in this send: those
    // pending now and those a name change still turns up.
    Q_INVOKABLE void releaseAllToCalcCollisions(bool replace);
    // One answer for every file of this download that exists locally.
    Q_INVOKABLE void releaseAllFromCalcCollisions(bool replace);

    // Cancel of the job the progress line shows: it stops after the frame in
    // transfer, and its outcome says what that left.
    Q_INVOKABLE void cancelTransfer();
    // Whether the job the progress line shows can still be cancelled.
    Q_INVOKABLE bool canCancelTransfer() const;

    // Several calculators at once. Rows are those of the calculator list.
    Q_INVOKABLE void setChosen(int row, bool chosen);
    Q_INVOKABLE bool isChosen(int row) const;
    // Plans these files for every calculator (all) or the chosen ones, each
    // against its own file list; false when there is none to send to.
    Q_INVOKABLE bool planClassSend(QList<QUrl> urls, bool all);
    // What the plan found, each told once for the whole class: names taken
    // on at least one calculator, name changes ("old name → new name") and
    // zero-length files, which are not sent.
    Q_INVOKABLE QStringList classTakenNames() const { return m_classJobs->plan().taken(); }
    Q_INVOKABLE QStringList classNameChanges() const { return m_classJobs->plan().nameChanges(); }
    Q_INVOKABLE QStringList classEmptyFiles() const { return m_classJobs->plan().emptyFiles(); }
    // Files no calculator can take (missing, not a regular file, unreadable,
    // too large, no name left), each "name (why)": left out of every batch.
    Q_INVOKABLE QStringList classRefusedFiles() const { return m_classJobs->plan().refusedFiles(); }
    // One answer for every taken name on every calculator, then each
    // calculator's send starts in its own worker.
    Q_INVOKABLE void startClassSend(bool replace);
    Q_INVOKABLE void retryClassFailed();
    Q_INVOKABLE void cancelClassJob();

    ClassJobModel *classJob() const { return m_classJob; }
    int chosenCount() const { return m_chosenPorts.size(); }

private:
    void addWorker(int row, CVoriWorker *worker);
    void dropWorker(int row, CVoriWorker *worker);
    void showError(const QString &errorText, const QString &detail);
    CVoriWorker *currentWorker() const;
    CVoriWorker *idleCurrentWorker() const;
    // Whether the worker still has a row in the calculator list.
    bool isListed(const CVoriWorker *worker) const;
    // The file table shows the worker's listing again, if it is the current
    // calculator's.
    void showListingOf(const CVoriWorker *worker);

    int currentIndex = -1;
    // The single send's and download's questions, asked one at a time.
    TransferQuestions m_questions;
    QList<CVoriWorker *> workers;
    VivuRuzaModel *calcModel = nullptr;
    VoriFileModel *fileModel = nullptr;
    QTimer *timer = nullptr;
    QString error;
    bool isBusy = false;
    QString statusLineText;

    // Finds, reads and lists the calculators; workers holds those it listed,
    // row for row, each deleted once gone and no job runs on it.
    CalcWatcher *m_watcher;
    // The calculator whose files the list shows; deleted workers read as none.
    QPointer<CVoriWorker> m_shown;
    ConnectionDoctor *m_doctor;
    TransferProgress *m_transfer;
    QString m_errorDetail;

    // Busy is each calculator's own; isBusy follows the current one.
    void refreshBusy();
    void jobStateChange();
    // Jobs on one calculator at a time, and the progress line.
    WindowJobs *m_jobs;

    ClassJobModel *m_classJob;
    ClassJobs *m_classJobs;
    QSet<QString> m_chosenPorts;

    // Backups of one calculator and their restores, with the folders and the
    // manifest of vuvectl's: each restores what the other backed up. Each
    // runs as a job of the calculator's worker, shown on the progress line.
    Q_PROPERTY(QString backupFolder READ backupFolder NOTIFY backupFolderChange)
    // What the last preview found a restore would do, for the question.
    Q_PROPERTY(QString restoreQuestion READ restoreQuestion NOTIFY restorePreviewReady)
    Q_PROPERTY(int restoreAdded READ restoreAdded NOTIFY restorePreviewReady)
    Q_PROPERTY(int restoreReplaced READ restoreReplaced NOTIFY restorePreviewReady)

public:
    // Where backups go: the folder chosen last, remembered between runs, or
    // else defaultBackupFolder().
    QString backupFolder() const;
    static QString defaultBackupFolder();
    QString restoreQuestion() const { return m_jobs->restoreQuestion(); }
    int restoreAdded() const { return m_jobs->restoreAdded(); }
    int restoreReplaced() const { return m_jobs->restoreReplaced(); }

    Q_INVOKABLE QUrl backupFolderUrl() const;
    Q_INVOKABLE void setBackupFolder(const QUrl &folder);
    // Backs the current calculator up into a new folder of its own in
    // backupFolder; false when there is no idle current calculator.
    Q_INVOKABLE bool backUp();
    // Reads the backup and the current calculator in its worker, then
    // restorePreviewReady; a backup that can't be restored is an error.
    Q_INVOKABLE bool previewRestore(const QUrl &folder);
    // Restores the backup the last preview read to its calculator, as the
    // preview said: added and replaced files, nothing deleted.
    Q_INVOKABLE bool restoreBackup();

signals:
    void backupFolderChange();
    void restorePreviewReady();

public:
    // Every listed calculator backed up at once as a class job, each by its
    // own worker into a new folder of its own in backupFolder; false when
    // there is none to back up or a class job runs.
    Q_INVOKABLE bool backUpAll();

    // Whether every file the window sends or restores is read back and
    // compared with what went; remembered with the backup folder, off until
    // switched on, since it costs a second transfer.
    Q_PROPERTY(bool verifySends READ verifySends WRITE setVerifySends NOTIFY verifySendsChange)

public:
    bool verifySends() const;
    void setVerifySends(bool on);

    // A station: each calculator plugged in after its start is sent the same
    // files, names it holds replaced, or backed up into a folder, once per
    // plug-in, until switched off. It shows as the class job, a row for each
    // calculator served; false when the class job still runs or there is
    // nothing to send.
    Q_INVOKABLE bool startStationSend(const QList<QUrl> &urls);
    Q_INVOKABLE bool startStationBackup(const QUrl &folder);
    // No calculator is served any more; those being served go on.
    Q_INVOKABLE void stopStation();

signals:
    void verifySendsChange();

public:
    // Why backups can't go into backupFolder as it is now: it is no longer
    // the folder the user chose (replaced, or another owner); empty when
    // they can. The question says it before anything is written.
    Q_INVOKABLE QString backupFolderProblem() const;

public:
    // A name or text from a device for one of the window's sentences: set
    // apart where it could turn the words around it (DeviceText::isolated).
    Q_INVOKABLE QString isolated(const QString &deviceText) const;

public:
    // Files of the last send to several or station that would get one
    // calculator name, a sentence for each pair: neither file of it is sent.
    Q_INVOKABLE QStringList classSameNames() const { return m_classJobs->plan().sameNames(); }
    // Name changes of the last send to several that put a name in upper case
    // and nothing else; classNameChanges() holds the others.
    Q_INVOKABLE QStringList classCaseChanges() const { return m_classJobs->plan().caseChanges(); }
    // Whether the name change the single send tells of now changes the case
    // and nothing else.
    Q_INVOKABLE bool isNameCollisionCaseOnly() const;

private:
    // What the current calculator's worker last read: the names a single
    // send finds taken.
    TransferPlan::Listing currentListing() const;

    // Collecting the work on every calculator: each one's files into a folder
    // of its own in collectFolder, each read twice, with a receipt there;
    // clearing, what was collected so is then deleted on it. Shown as the
    // class job; false when there is no calculator, a class job runs or the
    // folder can't be made.
    Q_PROPERTY(QString collectFolder READ collectFolder NOTIFY collectFolderChange)

public:
    QString collectFolder() const;
    Q_INVOKABLE QUrl collectFolderUrl() const;
    // Remembered for the next collect.
    Q_INVOKABLE void setCollectFolder(const QUrl &folder);
    Q_INVOKABLE bool collectAll(bool clear);
    // A station that collects (and clears) each calculator plugged in.
    Q_INVOKABLE bool startStationCollect(const QUrl &folder, bool clear);
    // The class job's folder, for "Open the folder"; empty when it has none.
    Q_INVOKABLE QUrl classFolderUrl() const;
    // The next station names each calculator first: pattern's '#'s a running
    // number from first, padded to their count; empty: no naming. False when
    // a name would be too long for a calculator.
    Q_INVOKABLE bool setStationNaming(const QString &pattern, int first);
    // pattern as the station would name its n-th calculator from first.
    Q_INVOKABLE QString stationName(const QString &pattern, int number) const;

signals:
    void collectFolderChange();

private:
    // The current calculator beside a folder: the compare, row by row as it
    // comes in, and one step that makes the calculator hold the folder's
    // files.
    Q_PROPERTY(FolderCompareModel *folderCompare READ folderCompare CONSTANT)

public:
    FolderCompareModel *folderCompare() const { return m_folderCompare; }
    // Names and sizes at once, contents in the background; false when the
    // current calculator runs a job.
    Q_INVOKABLE bool compareWithFolder(const QUrl &folder);
    // Sends what is only in the folder or different, replacing, and with
    // deleteExtra deletes what is only on the calculator; then compares
    // again.
    Q_INVOKABLE bool matchFolder(bool deleteExtra);

private:
    FolderCompareModel *m_folderCompare;
    CompareJobs *m_compareJobs;
};

#endif // CVIVURUZASESSION_H
