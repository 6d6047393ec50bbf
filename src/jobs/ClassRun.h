#ifndef CLASSRUN_H
#define CLASSRUN_H

#include "CalcJob.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class CVoriWorker;

// A job over several calculators: one job of one kind per calculator, all
// started side by side, each row ending with the outcome of its own. A row
// whose calculator is gone or busy with a job of its own fails at once, and
// a retry starts the failed rows again with a new job each. Left open, as a
// station's is, rows are added as calculators come.
class ClassRun : public QObject
{
    Q_OBJECT
public:
    // A row's job, made anew for each start so that a retry runs it again.
    using JobMaker = std::function<CalcJob *(CVoriWorker *worker, QObject *parent)>;

    enum class State { Waiting, Working, Done, Failed, Cancelled };

    struct Row
    {
        QPointer<CVoriWorker> worker;
        JobMaker make;
        // Items the row is expected to move, for a row that fails before its
        // job has told its own count.
        int count = 0;
        State state = State::Waiting;
        QPointer<CalcJob> job;
    };

    explicit ClassRun(QObject *parent = nullptr);
    ~ClassRun() override;

    // Whether a calculator is still listed; a row of one that is not fails
    // rather than starting. By default every worker that exists is.
    void setListed(std::function<bool(const CVoriWorker *)> listed);
    // What a row that failed without a word from its calculator says: the
    // outcome its kind of job would tell. By default, nothing.
    void setFailureText(std::function<QString(const CalcJob &)> text);

    // Empties the run; false while a row still runs.
    bool clear();
    // A waiting row at the end; its number.
    int add(CVoriWorker *worker, JobMaker make, int count);
    void start(int row);
    void startAll();
    // The rows that failed, started again; none while any row runs.
    QList<int> retryFailed();
    void cancel();

    int size() const { return int(m_rows.size()); }
    const Row &at(int row) const { return m_rows.at(row); }
    bool running() const;
    QList<int> failedRows() const;
    // Every job of the run that still runs, for a shutdown.
    QList<CalcJob *> runningJobs() const;

signals:
    // A row starts again (a retry); its job's start follows.
    void restarted(int row);
    void working(
        int row, int fileNumber, int fileCount, const QString &fileName, qint64 done, qint64 total);
    // moved items of count; failure: the first reason an item did not move.
    void finished(int row, int moved, int count, const QString &failure, bool cancelled);
    // A row's job ended, after finished(): its calculator's listing is new.
    void jobEnded(CalcJob *job);

private:
    void fail(int row, const QString &failure);
    void end(int row);

    QList<Row> m_rows;
    std::function<bool(const CVoriWorker *)> m_listed;
    std::function<QString(const CalcJob &)> m_failureText;
};

#endif // CLASSRUN_H
