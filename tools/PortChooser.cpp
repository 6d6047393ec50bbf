#include "PortChooser.h"

#include "CVivuRuza.h"
#include "CVoriWorker.h"
#include "CalcWatcher.h"
#include "Reporter.h"
#include "StopSignals.h"

#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QSerialPortInfo>

QList<PortChooser::Port> PortChooser::attached()
{
    QList<Port> ports;
    const QByteArray seam = qgetenv(testPortsVariable);
    if (!seam.isEmpty()) {
        QFile list(QFile::decodeName(seam));
        if (!list.open(QIODevice::ReadOnly))
            return ports;
        const QStringList lines = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QStringList fields = line.trimmed().split(QLatin1Char('\t'));
            if (fields.first().isEmpty() || fields.first().startsWith(QLatin1Char('#')))
                continue;
            ports.append({ fields.first().trimmed(), fields.value(1).trimmed() });
        }
        return ports;
    }
    const auto infos = CVivuRuza::calcPorts();
    for (const QSerialPortInfo &info : infos)
        ports.append({ info.systemLocation(), info.serialNumber() });
    return ports;
}

QList<CalcPort> PortChooser::calcPorts(const QList<Port> &ports)
{
    QList<CalcPort> calcPorts;
    for (const Port &port : ports)
        calcPorts.append(CalcPort(port.location, port.location));
    return calcPorts;
}

// One look of a watcher that reads names alone: every port is read at once,
// each in a thread of its own, and the look ends when the last reading does.
QList<PortChooser::Probe> PortChooser::probe(const QList<Port> &ports)
{
    CalcWatcher watcher(CalcWatcher::Reading::Name);
    const QList<CalcPort> looked = calcPorts(ports);
    watcher.setPortSource([&looked] { return looked; });
    QHash<QString, QString> problems;
    QEventLoop readings;
    QObject::connect(&watcher, &CalcWatcher::failed, &watcher,
        [&problems](
            const QString &port, const QString &problem) { problems.insert(port, problem); });
    QObject::connect(&watcher, &CalcWatcher::readingChange, &readings, [&watcher, &readings] {
        if (watcher.readingCount() == 0)
            readings.quit();
    });
    {
        // The readings' threads leave Ctrl+C to the main thread.
        const StopSignals::Blocked blocked;
        watcher.poll();
    }
    if (watcher.readingCount() > 0)
        readings.exec();

    QList<Probe> probes;
    for (const Port &port : ports) {
        Probe probe { port, false, QString(), problems.value(port.location) };
        if (const CVoriWorker *worker = watcher.workerAt(watcher.rowOf(port.location))) {
            probe.ok = true;
            probe.name = worker->name;
        }
        probes.append(probe);
    }
    return probes;
}

bool PortChooser::choose(const CtlOptions &options, QList<Port> &chosen, QString &error)
{
    QList<Port> candidates;
    if (!options.ports.isEmpty()) {
        for (const QString &location : options.ports)
            candidates.append({ location, QString() });
    } else {
        candidates = attached();
    }
    if (candidates.isEmpty()) {
        error = tr("No calculator is connected. Plug one in, or name its port with --port PATH "
                   "(for the simulator, the path vuve-calcsim prints, such as /dev/pts/3).");
        return false;
    }
    if (options.hasCalcName) {
        QList<Port> named;
        QStringList others;
        const QList<Probe> probes = probe(candidates);
        for (const Probe &p : probes) {
            if (p.ok && p.name == options.calcName)
                named.append(p.port);
            else if (p.ok)
                //: A calculator's name and its port.
                others.append(tr("%1 on %2").arg(Reporter::printable(p.name), p.port.location));
        }
        if (named.isEmpty()) {
            error = others.isEmpty()
                ? tr("No calculator named %1 is connected.").arg(options.calcName)
                //: %2 lists the calculators that are connected, with their ports.
                : tr("No calculator named %1 is connected (there are %2).")
                      .arg(options.calcName, others.join(QStringLiteral(", ")));
            return false;
        }
        if (named.size() > 1 && !options.every) {
            QStringList where;
            for (const Port &p : qAsConst(named))
                where.append(p.location);
            //: %1 is a calculator's name, %2 their ports.
            error = tr("%n calculators are named %1, on %2; choose one with --port, or all of "
                       "them with --every.",
                nullptr, named.size())
                        .arg(options.calcName, where.join(QStringLiteral(", ")));
            return false;
        }
        chosen = named;
        return true;
    }
    if (candidates.size() > 1 && !options.every) {
        QStringList where;
        for (const Port &p : qAsConst(candidates))
            where.append(p.location);
        //: %1 lists their ports.
        error = tr("%n calculators are connected, on %1; choose one with --calc NAME or --port "
                   "PATH, or all of them with --every.",
            nullptr, candidates.size())
                    .arg(where.join(QStringLiteral(", ")));
        return false;
    }
    chosen = candidates;
    return true;
}
