#include "PtyServer.h"

#include <chrono>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Writes that make no progress for this long mean nobody reads the other end.
constexpr int stalledWriteMs = 2000;
constexpr int frameHeaderSize = 6;

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

PtyServer::PtyServer(Handler handler, IdleTimeout idleTimeout)
    : m_handler(std::move(handler))
    , m_idleTimeout(std::move(idleTimeout))
{
}

PtyServer::~PtyServer()
{
    stop();
}

bool PtyServer::start()
{
    if (m_running)
        return true;
    m_stopping = false;
    m_input.clear();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return false;
    const char *slaveName = nullptr;
    if (::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
        slaveName = ::ptsname(m_master);
    if (slaveName)
        m_slave = ::open(slaveName, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio {};
    // Our own slave descriptor stays open for the simulator's life: the
    // computer closes and reopens the port for every job, and the master
    // must never see a hang-up in between.
    if (m_slave < 0 || ::tcgetattr(m_slave, &tio) != 0) {
        closeFd(m_slave);
        closeFd(m_master);
        return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    if (::pipe2(m_wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        closeFd(m_slave);
        closeFd(m_master);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_pathMutex);
        m_path = QString::fromLocal8Bit(slaveName);
    }
    m_running = true;
    m_thread = std::thread([this] { serve(); });
    return true;
}

void PtyServer::stop()
{
    if (!m_running)
        return;
    m_stopping = true;
    wake();
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
    closeFd(m_wake[0]);
    closeFd(m_wake[1]);
    closeFd(m_slave);
    closeFd(m_master);
    std::lock_guard<std::mutex> lock(m_pathMutex);
    m_path.clear();
}

QString PtyServer::path() const
{
    std::lock_guard<std::mutex> lock(m_pathMutex);
    return m_path;
}

void PtyServer::wake()
{
    if (!m_running)
        return;
    const char one = 0;
    if (::write(m_wake[1], &one, 1) < 0) {
        // The pipe is non-blocking: when it is full, the thread has a wake-up
        // waiting already.
    }
}

void PtyServer::drainWake()
{
    char drain[64];
    while (::read(m_wake[0], drain, sizeof drain) > 0) { }
}

bool PtyServer::drainInto(QByteArray &buffer)
{
    char chunkBuf[16384];
    for (;;) {
        const ssize_t n = ::read(m_master, chunkBuf, sizeof chunkBuf);
        if (n > 0) {
            buffer.append(chunkBuf, int(n));
            // A short read took all there was: asking again would only say so.
            if (size_t(n) < sizeof chunkBuf)
                return true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. EIO would mean no slave is open, which cannot
        // happen while we hold our own slave descriptor.
        return n != 0;
    }
}

// Bytes the computer never read belong to an exchange it has given up; a new
// request must not find them in front of its reply.
void PtyServer::flushStale()
{
    if (m_slave >= 0)
        ::tcflush(m_slave, TCIFLUSH);
}

bool PtyServer::writeAll(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    auto lastProgress = std::chrono::steady_clock::now();
    while (left > 0) {
        const ssize_t n = ::write(m_master, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
            lastProgress = std::chrono::steady_clock::now();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        if (std::chrono::steady_clock::now() - lastProgress
            > std::chrono::milliseconds(stalledWriteMs))
            return false;
        // Keep reading while the computer's side is full, so that a computer
        // writing at the same time cannot lock both ends.
        pollfd fds[2] = { { m_master, POLLOUT | POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        ::poll(fds, 2, 100);
        if (m_stopping)
            return false;
        if (fds[1].revents & POLLIN)
            drainWake();
        if (fds[0].revents & POLLIN)
            drainInto(m_input);
    }
    return true;
}

bool PtyServer::pause(int ms)
{
    return waitUntil(Clock::now() + std::chrono::milliseconds(ms));
}

// A wait must not keep stop() waiting, and whatever the computer sends
// meanwhile is kept for the next round. It sleeps in ppoll, to the
// microsecond: a paced link waits between most replies, and thirty
// simulators doing so must leave the processor to the computer's side.
bool PtyServer::waitUntil(Clock::time_point until)
{
    for (;;) {
        if (m_stopping)
            return false;
        const auto left
            = std::chrono::duration_cast<std::chrono::nanoseconds>(until - Clock::now()).count();
        if (left <= 0)
            return true;
        const timespec timeout { time_t(left / 1000000000), long(left % 1000000000) };
        pollfd fds[2] = { { m_master, POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        if (::ppoll(fds, 2, &timeout, nullptr) <= 0)
            continue;
        if (fds[1].revents & POLLIN)
            drainWake();
        if (fds[0].revents & POLLIN)
            drainInto(m_input);
    }
}

bool PtyServer::carryOut(const WritePlan &plan, Clock::time_point arrived, int requestBytes)
{
    if (plan.flushStale)
        flushStale();
    const int latencyMs = m_latencyMs;
    const qint64 byteRate = m_byteRate;
    if (!plan.pieces.isEmpty() && (latencyMs > 0 || byteRate > 0)) {
        // The computer's bytes and the reply share the one link; counting
        // both before the reply's first byte keeps a lock-step exchange as
        // slow as the link, with one wait per reply.
        qint64 bytes = requestBytes;
        for (const WritePlan::Piece &piece : plan.pieces)
            bytes += piece.bytes.size();
        auto ready = arrived + std::chrono::milliseconds(latencyMs);
        if (byteRate > 0)
            ready += std::chrono::nanoseconds(bytes * 1000000000 / byteRate);
        if (!waitUntil(ready))
            return false;
    }
    for (const WritePlan::Piece &piece : plan.pieces) {
        if (piece.untilNextMessage && !awaitMessage())
            return false;
        if (piece.pauseMs > 0 && !pause(piece.pauseMs))
            return false;
        if (!writeAll(piece.bytes))
            return false;
    }
    return true;
}

// Until the start of another message is in: what the computer sends is kept
// for the next round, as during a pause.
bool PtyServer::awaitMessage()
{
    static const QByteArray marker("CALC", 4);
    while (!m_input.contains(marker)) {
        if (m_stopping)
            return false;
        pollfd fds[2] = { { m_master, POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return false;
        if (fds[1].revents & POLLIN)
            drainWake();
        if (fds[0].revents & POLLIN)
            drainInto(m_input);
        else if (fds[0].revents & (POLLHUP | POLLERR))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void PtyServer::takeFrames(QList<QByteArray> &payloads)
{
    static const QByteArray marker("CALC", 4);
    for (;;) {
        const int at = m_input.indexOf(marker);
        if (at < 0) {
            // The marker may be split across reads: keep its possible start.
            if (m_input.size() > 3)
                m_input.remove(0, m_input.size() - 3);
            return;
        }
        if (at > 0)
            m_input.remove(0, at);
        if (m_input.size() < frameHeaderSize)
            return;
        const int length = int(uchar(m_input.at(4))) | (int(uchar(m_input.at(5))) << 8);
        if (m_input.size() < frameHeaderSize + length)
            return;
        payloads.append(m_input.mid(frameHeaderSize, length));
        m_input.remove(0, frameHeaderSize + length);
    }
}

void PtyServer::serve()
{
    while (!m_stopping) {
        const int timeout = m_idleTimeout();
        pollfd fds[2] = { { m_master, POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        const int r = ::poll(fds, 2, timeout);
        if (m_stopping)
            break;
        if (r < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents & POLLIN)
            drainWake();
        if (fds[0].revents & (POLLHUP | POLLERR) && !(fds[0].revents & POLLIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (!(fds[0].revents & POLLIN))
            continue;
        drainInto(m_input);
        // Frames that arrive while a reply is being written are collected by
        // writeAll and served on the next round, in order.
        for (;;) {
            QList<QByteArray> payloads;
            takeFrames(payloads);
            if (payloads.isEmpty())
                break;
            for (const QByteArray &payload : qAsConst(payloads)) {
                // A request found behind an earlier reply counts from here:
                // the link was busy until then.
                const Clock::time_point arrived = Clock::now();
                carryOut(m_handler(payload), arrived, frameHeaderSize + payload.size());
                if (m_stopping)
                    return;
            }
        }
    }
}
