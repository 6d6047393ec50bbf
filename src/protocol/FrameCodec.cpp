#include "FrameCodec.h"

#include "serializeData.pb.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QSerialPort>

#include <atomic>
#include <cstring>

namespace {
std::atomic<int> s_firstWaitMs { FrameCodec::defaultFirstWaitMs };
std::atomic<int> s_furtherWaitMs { FrameCodec::defaultFurtherWaitMs };
const char s_marker[4] = { 'C', 'A', 'L', 'C' };
} // namespace

FrameCodec::FrameCodec(QIODevice *device, ErrorPath errorPath)
    : m_device(device)
    , m_errorPath(std::move(errorPath))
{
}

void FrameCodec::setWaitLimits(int firstWaitMs, int furtherWaitMs)
{
    s_firstWaitMs = firstWaitMs;
    s_furtherWaitMs = furtherWaitMs;
}

int FrameCodec::firstWaitMs()
{
    return s_firstWaitMs;
}

int FrameCodec::furtherWaitMs()
{
    return s_furtherWaitMs;
}

bool FrameCodec::writeFrame(QByteArray &payload)
{
    if (!m_device || !m_device->isOpen())
        return false;
    const int size = payload.size();
    if (size > maxPayload)
        return false;
    const char header[6] = { 'C', 'A', 'L', 'C', char(size & 0xFF), char((size >> 8) & 0xFF) };
    payload.prepend(header, 6);
    m_device->write(payload);
    // A serial port only queues what it is given; flushing writes it at once
    // instead of first polling for room. The wait then covers only what the
    // line did not take: waiting with nothing queued would sit on a port that
    // has nothing to report until the limit runs out.
    if (auto *serial = qobject_cast<QSerialPort *>(m_device))
        serial->flush();
    if (m_device->bytesToWrite() > 0)
        m_device->waitForBytesWritten(s_furtherWaitMs);
    return true;
}

bool FrameCodec::matchMarker(char byte)
{
    m_window[0] = m_window[1];
    m_window[1] = m_window[2];
    m_window[2] = m_window[3];
    m_window[3] = byte;
    if (m_fed < 4)
        ++m_fed;
    return m_fed == 4 && std::memcmp(m_window, s_marker, 4) == 0;
}

// Appends up to quantum bytes. Data already buffered by the device is taken
// without waiting: a blocking wait only returns on *new* bytes.
qint64 FrameCodec::readSome(QByteArray &buffer, int quantum, int waitMs)
{
    if (m_device->bytesAvailable() <= 0)
        m_device->waitForReadyRead(waitMs);
    const int old = buffer.size();
    buffer.resize(old + quantum);
    const qint64 got = m_device->read(buffer.data() + old, quantum);
    buffer.resize(old + int(qMax<qint64>(got, 0)));
    return got;
}

bool FrameCodec::readFrame(QByteArray &buffer, int quantum)
{
    if (!m_device || !m_device->isOpen()) {
        report(VivuRuza::calcMsg::CONNECTION_ERROR,
            QStringLiteral("Connection error (error code: 422)."));
        return false;
    }
    quantum = qBound(64, quantum, 2 * maxPayload + 16);
    const QString silent = QStringLiteral("Connection error (error code: 421).");
    // A reserved capacity survives resize(0), so a link that reuses its
    // buffer allocates once, not once per frame.
    if (buffer.capacity() < quantum + 8)
        buffer.reserve(quantum + 8);

    // A device that keeps talking without ever sending a marker must not keep
    // us hunting for ever: the hunt as a whole gets the first-reply limit.
    QElapsedTimer hunt;
    hunt.start();
    for (;;) {
        buffer.resize(0);
        if (readSome(buffer, quantum, s_firstWaitMs) <= 0) {
            report(VivuRuza::calcMsg::CONNECTION_ERROR, silent);
            return false;
        }
        const int n = buffer.size();
        const char *p = buffer.constData();
        int i = 0;
        bool found = false;
        while (i < n) {
            if (matchMarker(p[i++])) {
                found = true;
                break;
            }
        }
        if (found) {
            buffer.remove(0, i);
            break;
        }
        if (hunt.elapsed() > s_firstWaitMs) {
            report(VivuRuza::calcMsg::CONNECTION_ERROR, silent);
            return false;
        }
    }

    // The rest of a frame must keep coming; a wait that brings nothing means
    // the calculator went away in the middle of the frame.
    while (buffer.size() < 2) {
        if (readSome(buffer, quantum, s_furtherWaitMs) <= 0) {
            report(VivuRuza::calcMsg::CONNECTION_ERROR, silent);
            return false;
        }
    }
    const int length = int(uchar(buffer.at(0))) | (int(uchar(buffer.at(1))) << 8);
    buffer.remove(0, 2);
    while (buffer.size() < length) {
        if (readSome(buffer, qMax(quantum, length - buffer.size()), s_furtherWaitMs) <= 0) {
            report(VivuRuza::calcMsg::CONNECTION_ERROR, silent);
            return false;
        }
    }
    buffer.truncate(length);
    return true;
}

void FrameCodec::report(int errorType, const QString &text)
{
    if (m_errorPath)
        m_errorPath(errorType, text);
}
