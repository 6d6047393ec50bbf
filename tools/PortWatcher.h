#ifndef PORTWATCHER_H
#define PORTWATCHER_H

#include <QHash>
#include <QObject>
#include <QString>

class CalcWatcher;
class QSocketNotifier;
class QTimer;

// Prints one line (or JSON line) per calculator attached or detached until
// SIGINT or SIGTERM. Looks at the ports as often as the window does, with
// the window's watcher reading each calculator's name; a port that gives no
// calculator is reported once, with the reason.
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
    // ok: a calculator answered on the port, with the name device.
    void print(const QString &event, const QString &location, bool ok, const QString &device,
        const QString &problem = QString());

    bool m_json;
    CalcWatcher *m_watcher;
    QHash<QString, QString> m_serials; // by location, as found
    QTimer *m_timer = nullptr;
    QSocketNotifier *m_stop = nullptr;
};

#endif // PORTWATCHER_H
