#include "PortWatcher.h"

#include "CVoriWorker.h"
#include "CalcWatcher.h"
#include "PortChooser.h"
#include "Reporter.h"
#include "StopSignals.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

PortWatcher::PortWatcher(bool json, QObject *parent)
    : QObject(parent)
    , m_json(json)
    , m_watcher(new CalcWatcher(CalcWatcher::Reading::Name, this))
{
    m_watcher->setPortSource([this] {
        const QList<PortChooser::Port> ports = PortChooser::attached();
        for (const PortChooser::Port &port : ports)
            m_serials.insert(port.location, port.serial);
        return PortChooser::calcPorts(ports);
    });
    // A calculator that is plugged in is read once, like the window does,
    // and told as soon as its reading ends.
    connect(m_watcher, &CalcWatcher::listed, this, [this](int, CVoriWorker *worker) {
        print(QStringLiteral("attached"), worker->portInfo.portName(), true, worker->name);
    });
    connect(m_watcher, &CalcWatcher::failed, this,
        [this](const QString &location, const QString &problem) {
            print(QStringLiteral("problem"), location, false, QString(), problem);
        });
    connect(m_watcher, &CalcWatcher::gone, this, [this](int, CVoriWorker *worker) {
        const QString location = worker->portInfo.portName();
        print(QStringLiteral("detached"), location, true, worker->name);
        m_serials.remove(location);
        delete worker;
    });
    connect(m_watcher, &CalcWatcher::failedGone, this, [this](const QString &location) {
        print(QStringLiteral("detached"), location, false, QString());
        m_serials.remove(location);
    });
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

// The readings' threads leave Ctrl+C to the main thread.
void PortWatcher::poll()
{
    const StopSignals::Blocked blocked;
    m_watcher->poll();
}

void PortWatcher::print(const QString &event, const QString &location, bool ok,
    const QString &device, const QString &problem)
{
    const QString serial = m_serials.value(location);
    if (m_json) {
        QJsonObject o { { QStringLiteral("event"), event }, { QStringLiteral("port"), location },
            { QStringLiteral("device"), ok ? QJsonValue(device) : QJsonValue() },
            { QStringLiteral("serial"), serial.isEmpty() ? QJsonValue() : QJsonValue(serial) } };
        if (event == QLatin1String("problem"))
            o.insert(QStringLiteral("problem"), problem);
        Reporter::print(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
        return;
    }
    QString line
        = QStringLiteral("%1\t%2\t%3")
              .arg(event, ok ? Reporter::printable(device) : QStringLiteral("-"), location);
    if (event == QLatin1String("problem"))
        line += QLatin1Char('\t') + problem;
    Reporter::print(stdout, line);
}
