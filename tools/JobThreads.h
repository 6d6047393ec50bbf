#ifndef JOBTHREADS_H
#define JOBTHREADS_H

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class StopSignals;

// Runs jobs at once, each in a thread of its own (the work is waiting on
// calculators, so they all wait together), and waits in the calling thread
// until every one of those threads has ended: joined, not merely done with
// its job, so that the process may end the moment run() returns. A job's
// thread is one Qt knows, with the event dispatcher a serial port needs; a
// link made there lives and dies there.
class JobThreads
{
    Q_DECLARE_TR_FUNCTIONS(JobThreads)

public:
    using Job = std::function<int()>;
    // Called in the calling thread as each job ends, in the order they end.
    using Ended = std::function<void(int index, int result)>;
    // The result of a job for which the system gave no thread, and what
    // to tell the user about the calculator it was for.
    static constexpr int notStarted = -1;
    static QString notStartedText(const QString &port);

    // With stop, its signal asks every job to stop: from then on
    // QThread::currentThread()->isInterruptionRequested() is true in the
    // jobs' threads, which ends their waits on calculators.
    static void run(const QList<Job> &jobs, const Ended &ended, const StopSignals *stop = nullptr);
};

#endif // JOBTHREADS_H
