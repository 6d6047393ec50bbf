#include "FrameCodec.h"

#include "serializeData.pb.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QSerialPort>
#include <QThread>

#include <atomic>
#include <cstring>

namespace {
std::atomic<int> s_firstWaitMs { FrameCodec::defaultFirstWaitMs };
std::atomic<int> s_furtherWaitMs { FrameCodec::defaultFurtherWaitMs };
std::atomic<int> s_frameAllowanceMs { FrameCodec::defaultFrameAllowanceMs };
std::atomic<int> s_commandCapMs { FrameCodec::defaultCommandCapMs };
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

void FrameCodec::setCommandLimits(int frameAllowanceMs, int commandCapMs)
{
    s_frameAllowanceMs = frameAllowanceMs;
    s_commandCapMs = commandCapMs;
}

int FrameCodec::frameAllowanceMs()
{
    return s_frameAllowanceMs;
}

int FrameCodec::commandCapMs()
{
    return s_commandCapMs;
}

QString FrameCodec::silentText()
{
    return tr("Connection error (error code: 421).");
}

QString FrameCodec::closedText()
{
    return tr("Connection error (error code: 422).");
}

QString FrameCodec::timeoutText()
{
    return tr("The calculator took too long to answer; the command was stopped.");
}

QString FrameCodec::stoppedText()
{
    return tr("The command was stopped.");
}

void FrameCodec::startCommand(qint64 expectedFrames)
{
    const qint64 frames = qMax<qint64>(expectedFrames, 1);
    const qint64 allowance = qint64(s_firstWaitMs) + frames * qint64(s_frameAllowanceMs);
    m_deadline.setRemainingTime(qMin<qint64>(allowance, s_commandCapMs));
}

void FrameCodec::discardInput()
{
    if (!m_device || !m_device->isOpen())
        return;
    // The serial port also drops what the system has received but Qt has not
    // read yet; a plain device only has its own buffer.
    if (auto *serial = qobject_cast<QSerialPort *>(m_device))
        serial->clear(QSerialPort::Input);
    while (m_device->bytesAvailable() > 0) {
        if (m_device->read(m_device->bytesAvailable()).isEmpty())
            break;
    }
}

void FrameCodec::drainLateReply(int maxWaitMs, int quietMs)
{
    if (!m_device || !m_device->isOpen())
        return;
    QDeadlineTimer limit(maxWaitMs);
    bool heard = false;
    while (!limit.hasExpired()) {
        discardInput();
        const int wait = heard ? quietMs : int(limit.remainingTime());
        if (!waitForInput(int(qMin<qint64>(wait, limit.remainingTime()))))
            return;
        heard = true;
    }
    discardInput();
}

int FrameCodec::boundedWait(int waitMs) const
{
    if (m_deadline.isForever())
        return waitMs;
    return int(qBound<qint64>(0, m_deadline.remainingTime(), waitMs));
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
    if (m_device->write(payload) != payload.size())
        return false;
    // A serial port only queues what it is given; flushing writes it at once
    // instead of first polling for room. The wait then covers only what the
    // line did not take: waiting with nothing queued would sit on a port that
    // has nothing to report until the limit runs out.
    if (auto *serial = qobject_cast<QSerialPort *>(m_device))
        serial->flush();
    // A wait returns once some bytes have left; a frame larger than what the
    // line takes at once needs several.
    while (m_device->bytesToWrite() > 0) {
        const int wait = boundedWait(s_furtherWaitMs);
        if (wait <= 0 || !m_device->waitForBytesWritten(wait))
            break;
    }
    // A frame the line never took is not sent; the reply it would have asked
    // for will not come.
    return m_device->bytesToWrite() == 0;
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
        waitForInput(boundedWait(waitMs));
    const int old = buffer.size();
    buffer.resize(old + quantum);
    const qint64 got = m_device->read(buffer.data() + old, quantum);
    buffer.resize(old + int(qMax<qint64>(got, 0)));
    return got;
}

// Waits in slices, so that a thread asked to stop (the app is closing) stops
// within one slice instead of at the end of a long wait; a healthy device
// answers within the first. A wait that ends early without input means the
// device has nothing more to give.
bool FrameCodec::waitForInput(int waitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!stopRequested()) {
        const qint64 left = waitMs - waited.elapsed();
        if (left <= 0)
            return false;
        const int slice = int(qMin<qint64>(left, stopCheckMs));
        const qint64 before = waited.elapsed();
        if (m_device->waitForReadyRead(slice))
            return true;
        if (waited.elapsed() - before < slice / 2)
            return false;
    }
    return false;
}

bool FrameCodec::stopRequested()
{
    return QThread::currentThread()->isInterruptionRequested();
}

// A wait that brings nothing means the line is silent or the calculator went
// away; bytes that keep trickling in past the command's time are no better.
bool FrameCodec::readMore(QByteArray &buffer, int quantum, int waitMs)
{
    if (!timedOut() && !stopRequested() && readSome(buffer, quantum, waitMs) > 0)
        return true;
    QString text = silentText();
    if (stopRequested())
        text = stoppedText();
    else if (timedOut())
        text = timeoutText();
    report(VivuRuza::calcMsg::CONNECTION_ERROR, text);
    return false;
}

bool FrameCodec::readFrame(QByteArray &buffer, int quantum)
{
    if (!m_device || !m_device->isOpen()) {
        report(VivuRuza::calcMsg::CONNECTION_ERROR, closedText());
        return false;
    }
    quantum = qBound(64, quantum, 2 * maxPayload + 16);
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
        if (!readMore(buffer, quantum, s_firstWaitMs))
            return false;
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
            report(VivuRuza::calcMsg::CONNECTION_ERROR, silentText());
            return false;
        }
    }

    // The rest of a frame must keep coming; a wait that brings nothing means
    // the calculator went away in the middle of the frame.
    while (buffer.size() < 2) {
        if (!readMore(buffer, quantum, s_furtherWaitMs))
            return false;
    }
    const int length = int(uchar(buffer.at(0))) | (int(uchar(buffer.at(1))) << 8);
    buffer.remove(0, 2);
    while (buffer.size() < length) {
        if (!readMore(buffer, qMax(quantum, length - buffer.size()), s_furtherWaitMs))
            return false;
    }
    buffer.truncate(length);
    return true;
}

void FrameCodec::report(int errorType, const QString &text)
{
    if (m_errorPath)
        m_errorPath(errorType, text);
}
