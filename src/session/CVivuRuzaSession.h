#ifndef CVIVURUZASESSION_H
#define CVIVURUZASESSION_H

#include "CalcPort.h"

#include <QDir>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class CVoriWorker;
class QThread;
class QTimer;
class VivuRuzaModel;
class VoriFileModel;

// What the window drives: polls for calculators, keeps one worker per
// calculator parallel to the rows of the calculator list, sorts transfers into
// the collision queues and runs every transfer as a job in a thread of its own.
// Lives in the main thread.
class CVivuRuzaSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex MEMBER currentIndex NOTIFY indexChange)
    Q_PROPERTY(QString error MEMBER error NOTIFY errorChange)
    Q_PROPERTY(bool isBusy MEMBER isBusy NOTIFY isBusyChange)
    Q_PROPERTY(QString statusLineText MEMBER statusLineText NOTIFY statusLineTextChange)
public:
    using PortSource = std::function<QList<CalcPort>()>;

    explicit CVivuRuzaSession(QObject *parent = nullptr);
    // Waits for running jobs to end (they end within the link's wait limits)
    // and deletes every worker.
    ~CVivuRuzaSession() override;

    void setModels(VivuRuzaModel *calcModel, VoriFileModel *fileModel);
    // Where polling finds calculator ports; by default the serial ports that
    // carry a calculator. An empty function restores the default.
    void setPortSource(PortSource source);

    int workerCount() const { return workers.size(); }
    CVoriWorker *workerAt(int index) const;

signals:
    void indexChange();
    void connectNewCalc();
    void errorChange();
    void isBusyChange();
    void doYouWantReplace();
    void statusLineTextChange();

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
    Q_INVOKABLE void fromCalcUrls(
        bool checkCollision = false, QUrl destFolder = QUrl::fromLocalFile(QDir::tempPath()));
    Q_INVOKABLE QList<QUrl> downloadsFiles();
    Q_INVOKABLE void deleteSelected();
    Q_INVOKABLE void addSelected(int);
    Q_INVOKABLE void changeCalcName(QString);

private:
    using JobSlot = void (CVoriWorker::*)();
    using RefreshSlot = void (CVivuRuzaSession::*)();

    // The connections that belong to one job; they must not fire for the next.
    struct Job
    {
        QPointer<QThread> thread;
        QMetaObject::Connection refresh;
        QMetaObject::Connection quit;
    };

    void addWorker(const CalcPort &port);
    CVoriWorker *currentWorker() const;
    CVoriWorker *idleCurrentWorker() const;
    void startJob(CVoriWorker *worker, JobSlot job, RefreshSlot refresh);
    void endJob(CVoriWorker *worker);
    bool isNameTaken(const QString &calcName) const;

    int currentIndex = -1;
    QList<QPair<QString, int>> selectedFiles;
    QList<QPair<QString, QString>> toCalcFiles;
    QList<QPair<QString, int>> fromCalcFiles;
    QList<QPair<QString, QString>> toCalcExisting;
    QList<QPair<QString, QString>> toCalcNameChanges;
    QList<QPair<QString, int>> fromCalcExisting;
    QStringList toCalcZeroSize;
    QString nameCollisionOld;
    QString nameCollisionNew;
    QList<CVoriWorker *> workers;
    VivuRuzaModel *calcModel = nullptr;
    VoriFileModel *fileModel = nullptr;
    QTimer *timer = nullptr;
    QString error;
    QString destFolder;
    bool isBusy = false;
    QString statusLineText;

    PortSource m_portSource;
    // Workers with a running job; a worker dropped from workers meanwhile is
    // deleted when its job ends.
    QHash<CVoriWorker *, Job> m_jobs;
};

#endif // CVIVURUZASESSION_H
