#ifndef CLASSJOBS_H
#define CLASSJOBS_H

#include "ClassJobModel.h"
#include "ClassSendPlan.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class CalcJob;
class ClassRun;
class CVoriWorker;

// The window's jobs over several calculators, each a class run shown in the
// class panel's model: a send planned against each calculator's own list and
// answered once, a backup of all, and a station that serves each calculator
// plugged in after its start, once per plug-in.
class ClassJobs : public QObject
{
    Q_OBJECT
public:
    // isListed: whether a worker still has a row in the calculator list.
    ClassJobs(ClassJobModel *model, std::function<bool(const CVoriWorker *)> isListed,
        QObject *parent = nullptr);

    const ClassSendPlan &plan() const { return m_plan; }

    // Plans the files for these calculators; false when there is none to
    // send to or a class job runs.
    bool planSend(const QList<QUrl> &urls, const QList<CVoriWorker *> &calculators);
    // One answer for every taken name on every calculator, then each
    // calculator's send starts in its own worker.
    void startSend(bool replace);
    bool backUpAll(const QList<CVoriWorker *> &calculators);
    void retryFailed();
    void cancel();

    // before: calculators being read now, plugged in before the start.
    bool startStationSend(const QList<QUrl> &urls, const QList<CVoriWorker *> &before);
    bool startStationBackup(const QUrl &folder, const QList<CVoriWorker *> &before);
    void stopStation();
    // A calculator newly listed: served if a station is on.
    void listed(CVoriWorker *worker);

    // Every job of the runs still running, for a shutdown.
    QList<CalcJob *> runningJobs() const;

    // Every file of each calculator into a folder of its own in folder, with
    // the receipt there; clearing, what was collected so is then deleted on
    // the calculator.
    bool collectAll(const QList<CVoriWorker *> &calculators, const QString &folder, bool clear);
    bool startStationCollect(const QString &folder, bool clear, const QList<CVoriWorker *> &before);
    // The next station names each calculator it serves by pattern first, its
    // '#'s a running number from first padded to their count ("Desk ##":
    // Desk 01, Desk 02...); an empty pattern names none. False, naming none,
    // when a name it gives would be over 64 characters or first is negative.
    bool setStationNaming(const QString &pattern, int first);
    // pattern's runs of '#' replaced by number, each padded with zeros to
    // its length, as vuvectl's station names calculators.
    static QString numberedName(const QString &pattern, int number);

    // Each calculator compared with the folder's files, its row saying what
    // it needs; then syncAll() sends each what is missing or different.
    bool compareAll(const QList<CVoriWorker *> &calculators, const QString &folder);
    bool syncAll();

signals:
    // A calculator took a new name from the station.
    void renamed(CVoriWorker *worker);
    // A send of the run ended: the file list may show what it left.
    void listingChanged(CVoriWorker *worker);

private:
    using Maker = std::function<CalcJob *(CVoriWorker *, QObject *)>;

    // A class run's row for each calculator of the list, each started; the
    // panel heads them with title.
    void begin(const QString &title, const QString &action, int fileCount, ClassJobModel::Kind kind,
        const QList<QPair<CVoriWorker *, int>> &calculators, const Maker &make);
    CalcJob *makeSend(
        CVoriWorker *worker, const QList<QPair<QString, QString>> &files, QObject *parent);
    CalcJob *makeBackup(CVoriWorker *worker, QObject *parent);
    CalcJob *makeCollect(CVoriWorker *worker, QObject *parent);
    // Made for the run when it is missing; false when it can't be.
    bool prepareCollect(const QString &folder, bool clear);
    bool startStation(const QString &title, const QString &doing, ClassJobModel::Kind kind,
        const QList<CVoriWorker *> &before);

    ClassJobModel *m_model;
    ClassRun *m_run;
    ClassSendPlan m_plan;
    // Where a backup of all or a station's backups go, made once so that
    // each calculator's folder, and a retry's, goes where the question said;
    // and what that folder was then.
    QString m_backupParent;
    QString m_backupIdentity;
    // What a station sends; none when it backs up into m_backupParent.
    QList<QPair<QString, QString>> m_stationFiles; // local path, calculator name
    QList<QPointer<CVoriWorker>> m_stationBefore;
    // Where a collect puts what it takes, and whether it clears.
    QString m_collectParent;
    bool m_collectClear = false;
    bool m_stationCollects = false;
    QString m_namePattern;
    int m_nextNumber = 1;
    // What each calculator needs from the folder, as its compare found it:
    // local path and calculator name of each file to send.
    QString m_syncFolder;
    QList<QPair<QPointer<CVoriWorker>, QList<QPair<QString, QString>>>> m_syncNeeds;
};

#endif // CLASSJOBS_H
