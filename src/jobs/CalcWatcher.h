#ifndef CALCWATCHER_H
#define CALCWATCHER_H

#include "CalcPort.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class CalcJob;
class CVoriWorker;

// Calculators coming and going. Each poll looks at the ports, reads every new
// one in a job thread of its own and lists it once its reading has succeeded:
// a calculator goes where it was found among the listed ones (those of one
// poll in port order, after those of earlier polls), as soon as its own
// reading ends, whatever order the readings end in. A port whose reading
// failed is not read again until it has gone and come back; one unplugged
// while it is read is dropped. Calculators are known by port name alone.
// Lives in the main thread and never waits for a device.
class CalcWatcher : public QObject
{
    Q_OBJECT
public:
    using PortSource = std::function<QList<CalcPort>()>;

    // What a new port's first reading reads before the port is listed.
    enum class Reading {
        // The calculator's name and files (a ReadJob), as the window shows them.
        Listing,
        // Its name alone, over a link opened and closed again: a look at what
        // answers on the port.
        Name,
        // Nothing: a port is listed as soon as it is found, for someone who
        // opens a link of his own on it.
        None,
    };

    explicit CalcWatcher(Reading reading = Reading::Listing, QObject *parent = nullptr);
    // Readings still running are asked to end and waited for (they end
    // within the link's wait limits at the latest); the workers read and
    // listed go with the watcher.
    ~CalcWatcher() override;

    // The serial ports that carry a calculator.
    static QList<CalcPort> serialCalcPorts();
    // Where polling finds calculator ports; by default serialCalcPorts().
    // An empty function restores the default.
    void setPortSource(PortSource source);

    // The listed calculators, in the order of their rows. Each worker is the
    // watcher's until gone() hands it out.
    int count() const { return int(m_listed.size()); }
    CVoriWorker *workerAt(int row) const;
    // The row of the calculator on this port, or -1.
    int rowOf(const QString &portName) const;
    // Ports whose first reading runs now, and their workers.
    int readingCount() const { return int(m_reading.size()); }
    QList<CVoriWorker *> readingWorkers() const { return m_reading.values(); }
    // The readings' jobs, for a shutdown that ends them side by side with
    // other jobs.
    QList<CalcJob *> readings() const { return m_readJobs.values(); }

public slots:
    // Looks at the ports once: gone ones are dropped, new ones read.
    void poll();

signals:
    // The port's first reading started (true) or ended (false).
    void readingChange(QString portName, bool reading);
    // A calculator read without fault is listed in this row.
    void listed(int row, CVoriWorker *worker);
    // What the listing could not show of a calculator just listed.
    void notice(QString portName, QString text);
    // Why a port gave no calculator; it is not read again until it has gone
    // and come back.
    void failed(QString portName, QString problem);
    // A listed calculator's port has gone: the row is out of the list
    // already, and the worker is the receiver's to delete.
    void gone(int row, CVoriWorker *worker);
    // A port whose reading had failed has gone.
    void failedGone(QString portName);

private:
    struct Listed
    {
        QString portName;
        quint64 found = 0;
        CVoriWorker *worker = nullptr;
    };

    void startReading(const CalcPort &port);
    void endReading(CVoriWorker *worker);
    void list(CVoriWorker *worker);

    Reading m_kind;
    PortSource m_portSource;
    QList<Listed> m_listed;
    // First readings running; each job deleted, and its worker listed or
    // deleted, when it ends.
    QHash<CVoriWorker *, CalcJob *> m_readJobs;
    // Port names: of the last poll, being read, and read without success
    // (not read again until the port has gone and come back).
    QSet<QString> m_attached;
    QHash<QString, CVoriWorker *> m_reading;
    QSet<QString> m_failed;
    // When each port being read was found, counted over all polls in port
    // order: the order of the rows.
    QHash<QString, quint64> m_foundOrder;
    quint64 m_nextFound = 0;
};

#endif // CALCWATCHER_H
