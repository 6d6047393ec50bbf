#include "Station.h"

#include "CVoriWorker.h"
#include "CalcRunner.h"
#include "CalcWatcher.h"
#include "JobThreads.h"
#include "NamePattern.h"
#include "PortWatcher.h"
#include "Reporter.h"
#include "StopSignals.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

struct Station::Serving
{
    PortChooser::Port port;
    CtlOptions work; // the command, with the name this calculator gets
    std::unique_ptr<Reporter> reporter;
    QThread *thread = nullptr;
    int code = CalcRunner::Failed; // written by the thread, read once it ended
};

Station::Station(const CtlOptions &options, const CtlOptions &work, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_work(work)
    , m_watcher(new CalcWatcher(CalcWatcher::Reading::None, this))
    , m_nextNumber(options.firstNumber)
{
    m_watcher->setPortSource([this] {
        const QList<PortChooser::Port> ports = PortChooser::attached();
        m_serials.clear();
        for (const PortChooser::Port &port : ports)
            m_serials.insert(port.location, port.serial);
        return PortChooser::calcPorts(ports);
    });
    connect(m_watcher, &CalcWatcher::listed, this,
        [this](int, CVoriWorker *worker) { plugged(worker->portInfo.portName()); });
    connect(m_watcher, &CalcWatcher::gone, this, [this](int, CVoriWorker *worker) {
        m_again.remove(worker->portInfo.portName());
        delete worker;
    });
}

// run() returns only once every calculator's thread has ended.
Station::~Station() = default;

int Station::run()
{
    StopSignals stop;
    if (!stop.isValid())
        return CalcRunner::Failed;
    m_stop = new QSocketNotifier(stop.fd(), QSocketNotifier::Read, this);
    connect(m_stop, &QSocketNotifier::activated, this, &Station::stop);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &Station::poll);
    QTimer::singleShot(0, this, &Station::poll);
    m_timer->start(PortWatcher::pollMs);
    QCoreApplication::exec();
    delete m_stop;
    m_stop = nullptr;
    // Ending the station is what Ctrl+C is for; only work it cut short is
    // worth a word.
    if (m_interrupted)
        Reporter::print(stderr, Reporter::interruptedLine(m_partial));
    return CalcRunner::Done;
}

// A port that was not there at the last look is a calculator plugged in;
// one that went away may come back, and is then served again.
void Station::poll()
{
    if (m_stopping)
        return;
    {
        const StopSignals::Blocked blocked;
        m_watcher->poll();
    }
    if (m_looked)
        return;
    m_looked = true;
    Reporter::print(stderr,
        m_options.now ? tr("Ready: the calculators attached, and each one plugged in from now on, "
                           "are served once; Ctrl+C ends.")
                      : tr("Ready: each calculator plugged in from now on is served once; Ctrl+C "
                           "ends."));
}

// Those of the first look were there before the station, and are served
// only when asked to be.
void Station::plugged(const QString &location)
{
    if (!m_looked && !m_options.now)
        return;
    if (m_serving.contains(location))
        m_again.insert(location);
    else
        serve({ location, m_serials.value(location) });
}

void Station::serve(const PortChooser::Port &port)
{
    auto *serving = new Serving;
    serving->port = port;
    serving->work = m_work;
    serving->reporter = std::make_unique<Reporter>(m_options.json, true);
    Reporter *reporter = serving->reporter.get();
    int *code = &serving->code;
    // Numbers go by the order the calculators came in, one a plug-in,
    // whatever became of the one before.
    if (!m_options.namePattern.isEmpty()) {
        const QString name = NamePattern::nameFor(m_options.namePattern, m_nextNumber++);
        if (m_work.command == QLatin1String("rename"))
            serving->work.args = QStringList { name };
        else
            serving->work.renameFirst = name;
    }
    const CtlOptions &work = serving->work;
    const QString location = port.location;
    const QString serial = port.serial;
    serving->thread = QThread::create([&work, reporter, code, location, serial] {
        CalcRunner runner(work, *reporter, nullptr, nullptr);
        runner.setSerial(serial);
        *code = runner.run(location);
    });
    connect(serving->thread, &QThread::finished, this, [this, serving] { served(serving); });
    m_serving.insert(location, serving);

    {
        const StopSignals::Blocked blocked;
        serving->thread->start();
    }
    if (serving->thread->isRunning() || serving->thread->isFinished())
        return;
    // finished never comes for a thread that never ran.
    serving->reporter->error(JobThreads::notStartedText(location));
    m_serving.remove(location);
    print(*serving);
    delete serving->thread;
    delete serving;
}

void Station::served(Serving *serving)
{
    serving->thread->wait();
    const PortChooser::Port port = serving->port;
    m_serving.remove(port.location);
    if (m_stopping)
        m_partial += serving->reporter->partial();
    print(*serving);
    delete serving->thread;
    delete serving;
    if (m_stopping) {
        if (m_serving.isEmpty())
            QCoreApplication::quit();
        return;
    }
    if (m_again.remove(port.location) && m_watcher->rowOf(port.location) >= 0)
        serve(port);
}

// Calculators in the middle of being served are asked to stop, and the
// station ends once each has said what became of it.
void Station::stop()
{
    if (m_stopping)
        return;
    m_stopping = true;
    m_stop->setEnabled(false);
    m_timer->stop();
    m_interrupted = !m_serving.isEmpty();
    for (Serving *serving : qAsConst(m_serving))
        serving->thread->requestInterruption();
    if (m_serving.isEmpty())
        QCoreApplication::quit();
}

void Station::print(const Serving &serving) const
{
    const bool ok = serving.code == CalcRunner::Done;
    const QString outcome = ok ? QStringLiteral("ok")
        : m_stopping           ? QStringLiteral("interrupted")
                               : QStringLiteral("failed");
    // The command's own name but for put, which a station calls send.
    const QString action
        = m_work.command == QLatin1String("put") ? QStringLiteral("send") : m_work.command;
    const QString &serial = serving.port.serial;
    QJsonObject doc = serving.reporter->document(ok);
    // Every line carries the same keys, for a calculator that never said
    // its name or took no file too.
    if (!doc.contains(QStringLiteral("device")))
        doc.insert(QStringLiteral("device"), QJsonValue());
    if (!doc.contains(QStringLiteral("files")))
        doc.insert(QStringLiteral("files"), QJsonArray());
    doc.insert(QStringLiteral("serial"), serial.isEmpty() ? QJsonValue() : QJsonValue(serial));
    doc.insert(QStringLiteral("action"), action);
    doc.insert(QStringLiteral("outcome"), outcome);
    serving.reporter->printLine(doc, ok, serving.port.location,
        { serial.isEmpty() ? QStringLiteral("-") : Reporter::printable(serial), action, outcome });
}
