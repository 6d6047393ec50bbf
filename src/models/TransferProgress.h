#ifndef TRANSFERPROGRESS_H
#define TRANSFERPROGRESS_H

#include "TransferOutcome.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

// What the window shows of a send or download beside the status line: the
// file in transfer, its bytes and the rate while the job runs, then a short
// outcome that stays until the next action. Fed in the main thread from the
// worker's queued progress reports.
class TransferProgress : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool running READ running NOTIFY change)
    Q_PROPERTY(int fileNumber READ fileNumber NOTIFY change)
    Q_PROPERTY(int fileCount READ fileCount NOTIFY change)
    Q_PROPERTY(QString fileName READ fileName NOTIFY change)
    Q_PROPERTY(double bytesDone READ bytesDone NOTIFY change)
    Q_PROPERTY(double bytesTotal READ bytesTotal NOTIFY change)
    Q_PROPERTY(double rate READ rate NOTIFY change)
    Q_PROPERTY(QString text READ text NOTIFY change)
    Q_PROPERTY(QString outcome READ outcome NOTIFY change)
public:
    enum class Kind { Send, Download, Copy, Backup, Restore };

    explicit TransferProgress(QObject *parent = nullptr);

    bool running() const { return m_running; }
    int fileNumber() const { return m_fileNumber; }
    int fileCount() const { return m_fileCount; }
    QString fileName() const { return m_fileName; }
    // Of the file in transfer; a total below 0 is not known yet.
    double bytesDone() const { return double(m_done); }
    double bytesTotal() const { return double(m_total); }
    // Bytes a second over the whole job so far.
    double rate() const { return m_rate; }
    QString text() const;
    QString outcome() const { return m_outcome; }

    // target: the calculator's name for a send, the folder for a download;
    // skipped: files the user chose not to replace, which the outcome counts.
    void start(Kind kind, const QString &target, int fileCount, int skipped = 0);
    void update(int fileNumber, int fileCount, const QString &fileName, qint64 done, qint64 total);
    void finish(int done, int count);

    Q_INVOKABLE void clearOutcome();

    // The job was cancelled: the outcome of the next finish() says so, and
    // which calculator file's part it deleted (none: empty).
    void cancelled(const QString &partial);

    static QString sizeText(qint64 bytes);

    // Ends a job whose outcome its starter words itself (a backup names its
    // folder, a restore its check); a Cancel is told as for finish().
    void finishWith(const QString &outcome);

    // The job was cancelled: the outcome of the next finish() says so, and
    // what the calculator was left holding under calcName, the file the
    // Cancel found in transfer (none: empty).
    void cancelled(const QString &calcName, TransferOutcome::Left left);

signals:
    void change();

private:
    Kind m_kind = Kind::Send;
    QString m_target;
    int m_skipped = 0;
    bool m_running = false;
    int m_fileNumber = 0;
    int m_fileCount = 0;
    QString m_fileName;
    qint64 m_done = 0;
    qint64 m_total = -1;
    qint64 m_finishedBytes = 0;
    double m_rate = 0;
    QString m_outcome;
    QElapsedTimer m_clock;
    bool m_cancelled = false;
    QString m_partial;
    TransferOutcome::Left m_left = TransferOutcome::Left::Nothing;

    void noteCancel();
};

#endif // TRANSFERPROGRESS_H
