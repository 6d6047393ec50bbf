#ifndef PTYSERVER_H
#define PTYSERVER_H

#include "WritePlan.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

// The pseudo-terminal of one simulated calculator and the thread that serves
// it: cuts the computer's bytes into frame payloads and writes whatever the
// handler plans in answer. Knows nothing of the messages themselves.
class PtyServer
{
public:
    // Called on the serving thread for every payload, in order of arrival.
    using Handler = std::function<WritePlan(const QByteArray &payload)>;
    // Asked before every wait for input: how long to wait at most (-1: until
    // input arrives or wake() is called).
    using IdleTimeout = std::function<int()>;

    PtyServer(Handler handler, IdleTimeout idleTimeout);
    ~PtyServer(); // stops serving, closes the pty
    PtyServer(const PtyServer &) = delete;
    PtyServer &operator=(const PtyServer &) = delete;

    bool start();
    void stop();
    bool isRunning() const { return m_running; }
    QString path() const;
    // Makes a waiting serving thread ask IdleTimeout again.
    void wake();

    // The pace of a calculator's USB link, off (0) by default: a reply
    // begins no sooner than latencyMs after its request has come in whole,
    // and no sooner than the request's and the reply's bytes take at
    // bytesPerSecond. May be changed while serving; the next reply takes it.
    void setLatency(int ms) { m_latencyMs = qMax(0, ms); }
    int latency() const { return m_latencyMs; }
    void setByteRate(qint64 bytesPerSecond) { m_byteRate = qMax<qint64>(0, bytesPerSecond); }
    qint64 byteRate() const { return m_byteRate; }

private:
    using Clock = std::chrono::steady_clock;

    void serve();
    bool carryOut(const WritePlan &plan, Clock::time_point arrived, int requestBytes);
    bool writeAll(const QByteArray &bytes);
    bool pause(int ms);
    bool waitUntil(Clock::time_point until);
    bool awaitMessage();
    bool drainInto(QByteArray &buffer);
    void drainWake();
    void flushStale();
    void takeFrames(QList<QByteArray> &payloads);

    Handler m_handler;
    IdleTimeout m_idleTimeout;

    mutable std::mutex m_pathMutex;
    QString m_path;

    // Touched only by start/stop and the serving thread
    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = { -1, -1 };
    std::thread m_thread;
    std::atomic<bool> m_stopping { false };
    std::atomic<bool> m_running { false };
    std::atomic<int> m_latencyMs { 0 };
    std::atomic<qint64> m_byteRate { 0 };
    QByteArray m_input;
};

#endif // PTYSERVER_H
