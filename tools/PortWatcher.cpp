#include "PortWatcher.h"

#include "Reporter.h"
#include "JobLog.h"
#include "StopSignals.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

PortWatcher::PortWatcher(bool json, QObject *parent)
    : QObject(parent)
    , m_json(json)
{
}

PortWatcher::~PortWatcher() = default;

int PortWatcher::run()
{
    StopSignals stop;
    if (!stop.isValid())
        return 1;
    m_stop = new QSocketNotifier(stop.fd(), QSocketNotifier::Read, this);
    connect(
        m_stop, &QSocketNotifier::activated, QCoreApplication::instance(), &QCoreApplication::quit);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &PortWatcher::poll);
    QTimer::singleShot(0, this, &PortWatcher::poll);
    m_timer->start(pollMs);
    QCoreApplication::exec();
    m_timer->stop();
    delete m_stop;
    m_stop = nullptr;
    return 0;
}

void PortWatcher::poll()
{
    const QList<PortChooser::Port> now = PortChooser::attached();
    QList<PortChooser::Port> fresh;
    QStringList present;
    for (const PortChooser::Port &port : now) {
        present.append(port.location);
        if (!m_known.contains(port.location)) {
            qCDebug(DiscoveryLog, "%s: port found", qUtf8Printable(port.location));
            fresh.append(port);
        }
    }
    for (auto it = m_known.begin(); it != m_known.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        qCDebug(DiscoveryLog, "%s: port gone", qUtf8Printable(it.key()));
        print(QStringLiteral("detached"), it.value());
        it = m_known.erase(it);
    }
    // A calculator that is plugged in is read once, like the window does.
    const QList<PortChooser::Probe> probes = PortChooser::probe(fresh);
    for (const PortChooser::Probe &probe : probes) {
        m_known.insert(probe.port.location, probe);
        print(probe.ok ? QStringLiteral("attached") : QStringLiteral("problem"), probe);
    }
}

void PortWatcher::print(const QString &event, const PortChooser::Probe &probe)
{
    if (m_json) {
        QJsonObject o { { QStringLiteral("event"), event },
            { QStringLiteral("port"), probe.port.location },
            { QStringLiteral("device"), probe.ok ? QJsonValue(probe.name) : QJsonValue() },
            { QStringLiteral("serial"),
                probe.port.serial.isEmpty() ? QJsonValue() : QJsonValue(probe.port.serial) } };
        if (event == QLatin1String("problem"))
            o.insert(QStringLiteral("problem"), probe.problem);
        Reporter::print(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
        return;
    }
    QString line = QStringLiteral("%1\t%2\t%3")
                       .arg(event, probe.ok ? Reporter::printable(probe.name) : QStringLiteral("-"),
                           probe.port.location);
    if (event == QLatin1String("problem"))
        line += QLatin1Char('\t') + probe.problem;
    Reporter::print(stdout, line);
}
