#ifndef STATION_H
#define STATION_H

#include "CtlOptions.h"
#include "PortChooser.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

class CalcWatcher;
class QSocketNotifier;
class QThread;
class QTimer;
class Reporter;

// A desk where each calculator plugged in is served without a word: the same
// files sent to it, or a backup of it made, or its files collected, once per
// plug-in, until SIGINT or SIGTERM; with --name, it is renamed first, each by
// the next number. Each calculator is served in a thread of its own by the
// put, backup, collect or rename command, names already on it replaced; one
// line (or JSON line) tells what became of it, and a calculator that fails
// does not stop the others.
class Station : public QObject
{
    Q_OBJECT
public:
    // options: the station's; work: the command each calculator gets.
    Station(const CtlOptions &options, const CtlOptions &work, QObject *parent = nullptr);
    ~Station() override;

    // Runs the event loop; the exit code.
    int run();

private:
    struct Serving;

    void poll();
    void plugged(const QString &location);
    void serve(const PortChooser::Port &port);
    void served(Serving *serving);
    void stop();
    void print(const Serving &serving) const;

    const CtlOptions &m_options;
    const CtlOptions &m_work;
    bool m_looked = false;
    bool m_stopping = false;
    // Lists each port as it is found, without a reading: the put or backup
    // command opens a link of its own on it.
    CalcWatcher *m_watcher;
    QHash<QString, QString> m_serials; // by location, as the last look found them
    QMap<QString, Serving *> m_serving; // by port
    // Ports unplugged and plugged in again while still served.
    QSet<QString> m_again;
    // station --name: the number the next calculator served gets.
    qint64 m_nextNumber = 1;
    QStringList m_partial; // what the calculators served at the stop left part-way
    bool m_interrupted = false;
    QTimer *m_timer = nullptr;
    QSocketNotifier *m_stop = nullptr;
};

#endif // STATION_H
