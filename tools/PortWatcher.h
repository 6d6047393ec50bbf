#ifndef PORTWATCHER_H
#define PORTWATCHER_H

#include "PortChooser.h"

#include <QMap>
#include <QObject>

class QSocketNotifier;
class QTimer;

// Prints one line (or JSON line) per calculator attached or detached until
// SIGINT or SIGTERM. Looks at the ports as often as the window does; a port
// that gives no calculator is reported once, with the reason.
class PortWatcher : public QObject
{
    Q_OBJECT
public:
    explicit PortWatcher(bool json, QObject *parent = nullptr);
    ~PortWatcher() override;

    // The window looks once a second.
    static constexpr int pollMs = 1000;

    // Runs the event loop; the exit code.
    int run();

private:
    void poll();
    void print(const QString &event, const PortChooser::Probe &probe);

    bool m_json;
    QMap<QString, PortChooser::Probe> m_known; // by location
    QTimer *m_timer = nullptr;
    QSocketNotifier *m_stop = nullptr;
};

#endif // PORTWATCHER_H
