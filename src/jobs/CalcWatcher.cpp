#include "CalcWatcher.h"

#include "CVivuRuza.h"
#include "CVoriWorker.h"
#include "JobLog.h"
#include "LinkLog.h"
#include "ReadJob.h"

#include <QSerialPortInfo>

CalcWatcher::CalcWatcher(Reading reading, QObject *parent)
    : QObject(parent)
    , m_kind(reading)
    , m_portSource(serialCalcPorts)
{
}

CalcWatcher::~CalcWatcher()
{
    const QList<CalcJob *> jobs = m_readJobs.values();
    CalcJob::interruptAll(jobs);
    for (auto it = m_readJobs.cbegin(); it != m_readJobs.cend(); ++it) {
        delete it.value();
        delete it.key();
    }
    m_readJobs.clear();
    m_reading.clear();
    for (const Listed &listed : qAsConst(m_listed))
        delete listed.worker;
    m_listed.clear();
}

QList<CalcPort> CalcWatcher::serialCalcPorts()
{
    QList<CalcPort> ports;
    const auto infos = CVivuRuza::calcPorts();
    for (const QSerialPortInfo &info : infos)
        ports.append(CalcPort(info));
    return ports;
}

void CalcWatcher::setPortSource(PortSource source)
{
    m_portSource = source ? std::move(source) : PortSource(serialCalcPorts);
}

CVoriWorker *CalcWatcher::workerAt(int row) const
{
    return row >= 0 && row < m_listed.size() ? m_listed.at(row).worker : nullptr;
}

int CalcWatcher::rowOf(const QString &portName) const
{
    for (int row = 0; row < m_listed.size(); ++row) {
        if (m_listed.at(row).portName == portName)
            return row;
    }
    return -1;
}

// A known port is never read again, and neither is one whose reading failed,
// until it has gone and come back. New ports are read in job threads, so a
// poll never waits for a device.
void CalcWatcher::poll()
{
    QList<CalcPort> ports = m_portSource();
    m_attached.clear();
    for (const CalcPort &port : qAsConst(ports))
        m_attached.insert(port.portName());
    for (auto it = m_failed.begin(); it != m_failed.end();) {
        if (m_attached.contains(*it)) {
            ++it;
            continue;
        }
        const QString portName = *it;
        qCDebug(DiscoveryLog, "%s: port gone", qUtf8Printable(portName));
        it = m_failed.erase(it);
        emit failedGone(portName);
    }
    int row = 0;
    while (row < m_listed.size()) {
        const QString portName = m_listed.at(row).portName;
        int found = -1;
        for (int p = 0; p < ports.size(); ++p) {
            if (ports.at(p).portName() == portName) {
                found = p;
                break;
            }
        }
        if (found >= 0) {
            ports.removeAt(found);
            ++row;
            continue;
        }
        // Out of the list before anyone hears of it, so that whoever reacts
        // reads the list as it now is.
        CVoriWorker *worker = m_listed.takeAt(row).worker;
        qCDebug(DiscoveryLog, "%s: port gone", qUtf8Printable(portName));
        emit gone(row, worker);
    }
    for (const CalcPort &port : qAsConst(ports)) {
        if (!m_reading.contains(port.portName()) && !m_failed.contains(port.portName()))
            startReading(port);
    }
}

// The first reading is a job like the others: the calculators already listed
// stay usable meanwhile.
void CalcWatcher::startReading(const CalcPort &port)
{
    const QByteArray where = port.portName().toUtf8();
    auto *worker = new CVoriWorker(port, CVoriWorker::Reading::InJob);
    m_foundOrder.insert(port.portName(), m_nextFound++);
    if (m_kind == Reading::None) {
        qCDebug(DiscoveryLog, "%s: port found", where.constData());
        list(worker);
        return;
    }
    if (m_kind == Reading::Listing) {
        qCDebug(DiscoveryLog, "%s: port found, reading started", where.constData());
    } else {
        qCDebug(DiscoveryLog, "%s: port found", where.constData());
        qCDebug(DiscoveryLog, "%s: reading started", where.constData());
    }
    auto *job = new ReadJob(worker,
        m_kind == Reading::Listing ? ReadJob::What::NameAndFiles : ReadJob::What::Name, this);
    connect(job, &CalcJob::ended, this, [this, worker] { endReading(worker); });
    m_readJobs.insert(worker, job);
    m_reading.insert(port.portName(), worker);
    emit readingChange(port.portName(), true);
    job->start();
}

// The reading's results were delivered before its thread finished.
void CalcWatcher::endReading(CVoriWorker *worker)
{
    if (CalcJob *job = m_readJobs.take(worker))
        job->deleteLater();
    const QString port = worker->portInfo.portName();
    if (m_reading.value(port) == worker) {
        m_reading.remove(port);
        emit readingChange(port, false);
    }
    // Unplugged while it was read: a later plug-in is read anew.
    if (!m_attached.contains(port)) {
        m_foundOrder.remove(port);
        qCDebug(DiscoveryLog, "%s: reading ended, port gone meanwhile", qUtf8Printable(port));
        delete worker;
        return;
    }
    if (!worker->problem.isEmpty()) {
        m_foundOrder.remove(port);
        qCDebug(DiscoveryLog, "%s: reading failed: %s", qUtf8Printable(port),
            traced(worker->problem).constData());
        m_failed.insert(port);
        const QString problem = worker->problem;
        delete worker;
        emit failed(port, problem);
        return;
    }
    if (m_kind == Reading::Listing)
        qCDebug(DiscoveryLog, "%s: reading ended, %d files%s%s", qUtf8Printable(port),
            int(worker->filesList.size()), worker->notice.isEmpty() ? "" : "; ",
            traced(worker->notice).constData());
    else
        qCDebug(DiscoveryLog, "%s: reading ended", qUtf8Printable(port));
    list(worker);
    if (!worker->notice.isEmpty())
        emit notice(port, worker->notice);
}

// Readings end in any order, so a calculator goes where it was found among
// the listed ones: those of one poll in port order, after those of earlier
// polls. It is listed as soon as its own reading ends.
void CalcWatcher::list(CVoriWorker *worker)
{
    Listed entry;
    entry.portName = worker->portInfo.portName();
    entry.found = m_foundOrder.take(entry.portName);
    entry.worker = worker;
    int row = m_listed.size();
    while (row > 0 && m_listed.at(row - 1).found > entry.found)
        --row;
    m_listed.insert(row, entry);
    emit listed(row, worker);
}
