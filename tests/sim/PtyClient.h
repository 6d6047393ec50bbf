#ifndef PTYCLIENT_H
#define PTYCLIENT_H

#include "serializeData.pb.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

// The computer's end of a simulator's pseudo-terminal, driven by hand: frames
// go out exactly as built here, and replies are looked at byte for byte, with
// no link code in between to smooth anything over.
class PtyClient
{
public:
    explicit PtyClient(const QString &path)
        : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC))
    {
    }
    ~PtyClient()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PtyClient(const PtyClient &) = delete;
    PtyClient &operator=(const PtyClient &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    static QByteArray frameOf(const QByteArray &payload)
    {
        QByteArray frame("CALC");
        frame.append(char(payload.size() & 0xFF));
        frame.append(char((payload.size() >> 8) & 0xFF));
        return frame + payload;
    }

    static QByteArray payloadOf(const VivuRuza::calcMsg &msg)
    {
        QByteArray payload(int(msg.ByteSizeLong()), Qt::Uninitialized);
        msg.SerializeToArray(payload.data(), payload.size());
        return payload;
    }

    bool send(const VivuRuza::calcMsg &msg) { return writeAll(frameOf(payloadOf(msg))); }

    bool writeAll(const QByteArray &bytes)
    {
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0) {
                done += n;
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            pollfd fd { m_fd, POLLOUT, 0 };
            if (::poll(&fd, 1, 5000) <= 0)
                return false;
        }
        return true;
    }

    // Bytes the simulator has written that nobody has read yet, read or not
    // by this client: the pty keeps them until someone does.
    int queued() const
    {
        int n = 0;
        return ::ioctl(m_fd, FIONREAD, &n) == 0 ? n + m_buffer.size() : -1;
    }

    // Whatever one read brings, after waiting up to timeoutMs for anything.
    QByteArray readSome(int timeoutMs)
    {
        if (!m_buffer.isEmpty()) {
            const QByteArray bytes = m_buffer;
            m_buffer.clear();
            return bytes;
        }
        pollfd fd { m_fd, POLLIN, 0 };
        if (::poll(&fd, 1, timeoutMs) <= 0)
            return QByteArray();
        char buf[65536 + 16];
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        return n > 0 ? QByteArray(buf, int(n)) : QByteArray();
    }

    // The payload of the next whole frame; false when none is complete in
    // time or the bytes do not start with a frame.
    bool readFrame(QByteArray &payload, int timeoutMs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            if (m_buffer.size() >= 6) {
                if (!m_buffer.startsWith("CALC"))
                    return false;
                const int length = int(uchar(m_buffer.at(4))) | (int(uchar(m_buffer.at(5))) << 8);
                if (m_buffer.size() >= 6 + length) {
                    payload = m_buffer.mid(6, length);
                    m_buffer.remove(0, 6 + length);
                    return true;
                }
            }
            const qint64 left = timeoutMs - timer.elapsed();
            if (left <= 0)
                return false;
            pollfd fd { m_fd, POLLIN, 0 };
            if (::poll(&fd, 1, int(left)) <= 0)
                continue;
            char buf[65536 + 16];
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n > 0)
                m_buffer.append(buf, int(n));
        }
    }

private:
    int m_fd = -1;
    QByteArray m_buffer;
};

#endif // PTYCLIENT_H
