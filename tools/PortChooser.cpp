#include "PortChooser.h"

#include "CVivuRuza.h"
#include "JobThreads.h"
#include "LinkLog.h"
#include "PortProblem.h"
#include "Reporter.h"
#include "JobLog.h"

#include <QFile>
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

QList<PortChooser::Probe> PortChooser::probe(const QList<Port> &ports)
{
    QList<Probe> probes;
    QList<JobThreads::Job> jobs;
    for (const Port &port : ports)
        probes.append({ port, false, QString(), QString() });
    for (int i = 0; i < probes.size(); ++i) {
        Probe *probe = &probes[i];
        jobs.append([probe] {
            const QByteArray where = probe->port.location.toUtf8();
            qCDebug(DiscoveryLog, "%s: reading started", where.constData());
            CVivuRuza link(QString(), nullptr);
            probe->ok = link.openPort(probe->port.location);
            probe->name = link.devName();
            if (!probe->ok) {
                probe->problem = link.portErrorText();
                if (probe->problem.isEmpty())
                    probe->problem = PortProblem::silent(probe->port.location);
                qCDebug(DiscoveryLog, "%s: reading failed: %s", where.constData(),
                    traced(probe->problem).constData());
            } else {
                qCDebug(DiscoveryLog, "%s: reading ended", where.constData());
            }
            return 0;
        });
    }
    JobThreads::run(jobs, [&probes](int index, int result) {
        if (result == JobThreads::notStarted)
            probes[index].problem = JobThreads::notStartedText(probes.at(index).port.location);
    });
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
