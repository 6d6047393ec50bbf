#ifndef CALCJOB_H
#define CALCJOB_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

class CVoriWorker;
class QThread;

// One job on one calculator. Its inputs are given when it is made; start()
// writes them into the calculator's worker, moves the worker into a thread
// of its own and runs the worker's slot there, and the worker hands itself
// back before it finishes. What the job reports while it runs arrives here
// queued, in the order the worker said it; ended() comes once the thread has
// finished, with result() final and the worker idle again. A kind of job is
// a subclass that says which slot runs, fills the worker's inputs and reads
// its results back.
class CalcJob : public QObject
{
    Q_OBJECT
public:
    struct Result
    {
        // Files moved of those the job was given; a backup's files, a
        // restore's files sent.
        int done = 0;
        int count = 0;
        bool cancelled = false;
        // The first thing the calculator or the link reported; empty when
        // nothing was.
        QString failure;
        // What the worker knows the calculator holds once the job has ended.
        QList<QPair<QString, int>> listing;
    };

    ~CalcJob() override;

    CVoriWorker *worker() const;
    // The word for the trace: "send", "copy", "backup" and so on; none for a
    // job the trace tells otherwise.
    virtual const char *kind() const = 0;
    // How many items the job was given, for the trace.
    virtual int itemCount() const { return 0; }

    // False when the worker is gone or runs another job.
    bool start();
    bool isRunning() const;
    bool hasEnded() const { return m_ended; }
    // The job stops after the frame in transfer; its result says what it left.
    void cancel();
    bool cancelRequested() const;
    const Result &result() const { return m_result; }
    // The calculator is given this name first, before the job's own work;
    // the worker's name follows once the job has delivered.
    void setNameFirst(const QString &name) { m_nameFirst = name; }

    // The job running on worker, if any.
    static CalcJob *runningOn(const CVoriWorker *worker);
    // For a shutdown without an event loop: every thread asked to end first,
    // then each waited for, so they end side by side.
    static void interruptAll(const QList<CalcJob *> &jobs);
    void waitForEnd();

signals:
    void started();
    // From the worker, throttled: file fileNumber of fileCount, bytes of it.
    void progress(int fileNumber, int fileCount, QString fileName, qint64 done, qint64 total);
    // Each error with the link's line on which file and what to do.
    void problem(QString text, QString detail);
    // The Cancel found calcName in transfer and left this on the calculator
    // (a TransferOutcome::Left); an empty name where there is nothing to tell.
    void cancelledAt(QString calcName, int left);
    // How many of its files a send or a copy moved, before delivered().
    void transferred(int done, int count);
    void fileOutcome(int index, int status, QString text, qint64 size);
    // The worker's results are delivered; its thread is still ending.
    void delivered();
    // The thread has finished: the worker takes a new job from here on.
    void ended();

protected:
    using Slot = void (CVoriWorker::*)();

    CalcJob(CVoriWorker *worker, QObject *parent);

    virtual Slot slot() const = 0;
    // In the home thread, before the thread starts: the worker's inputs.
    virtual void fill(CVoriWorker &worker) = 0;
    // In the home thread, once the worker's results are delivered.
    virtual void collect(CVoriWorker &worker);

    Result m_result;

private:
    void finishThread();

    QPointer<CVoriWorker> m_worker;
    QPointer<QThread> m_thread;
    QList<QMetaObject::Connection> m_connections;
    QString m_nameFirst;
    bool m_ended = false;
    bool m_counted = false;
    int m_itemsDone = 0;
};

#endif // CALCJOB_H
