#ifndef FRAMECODEC_H
#define FRAMECODEC_H

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>

#include <functional>

class QIODevice;

// Frames on the serial byte stream: "CALC", a 16-bit little-endian length and
// the encoded message. Works on any QIODevice so it can be driven without a
// calculator; the link owns one per port, so each link has its own marker window.
class FrameCodec
{
    Q_DECLARE_TR_FUNCTIONS(FrameCodec)

public:
    // errType value and the finished sentence for the user.
    using ErrorPath = std::function<void(int errorType, const QString &text)>;

    static constexpr int maxPayload = 0xFFFF;
    static constexpr int defaultFirstWaitMs = 10000;
    static constexpr int defaultFurtherWaitMs = 30000;
    // A command may take the first-reply limit plus this much for each frame
    // it expects, and never more than the cap: generous for any calculator,
    // yet a device that trickles or answers each frame just in time cannot
    // keep a command busy for hours.
    static constexpr int defaultFrameAllowanceMs = 1000;
    static constexpr int defaultCommandCapMs = 600000;

    explicit FrameCodec(QIODevice *device = nullptr, ErrorPath errorPath = ErrorPath());

    void setDevice(QIODevice *device) { m_device = device; }
    QIODevice *device() const { return m_device; }
    void setErrorPath(ErrorPath errorPath) { m_errorPath = std::move(errorPath); }

    // On return the array holds the whole frame. False, with nothing written,
    // when the port is closed or the payload cannot be described by 16 bits.
    bool writeFrame(QByteArray &payload);
    // quantum: how many bytes one read may take (twice the chunk size).
    bool readFrame(QByteArray &buffer, int quantum);
    bool matchMarker(char byte);

    // Bytes that arrived after their reader gave up belong to no request;
    // left queued, they would pass for the reply to the next one.
    void discardInput();
    // After a reply did not come in time, the device may still send it: give
    // it up to maxWaitMs, dropping what comes until the line has been quiet
    // for quietMs, so that the late reply cannot answer the next request.
    void drainLateReply(int maxWaitMs, int quietMs);
    // From now on reads and writes end, with a report, once the time a
    // command expecting this many frames may take has run out.
    void startCommand(qint64 expectedFrames);
    bool timedOut() const { return m_deadline.hasExpired(); }

    // Process-wide wait limits; tests shorten them so that no test waits 10 s.
    static void setWaitLimits(int firstWaitMs, int furtherWaitMs);
    static int firstWaitMs();
    static int furtherWaitMs();
    static void setCommandLimits(int frameAllowanceMs, int commandCapMs);
    static int frameAllowanceMs();
    static int commandCapMs();
    // The reports of a silent line, of a port that closed, of a command
    // that ran out of time, and of one that was stopped.
    static QString silentText();
    static QString closedText();
    static QString timeoutText();
    static QString stoppedText();
    // The calling thread was asked to stop (the program is closing or was
    // interrupted); waits end within a tenth of a second once it is.
    static bool stopRequested();

private:
    static constexpr int stopCheckMs = 100;
    bool waitForInput(int waitMs);
    qint64 readSome(QByteArray &buffer, int quantum, int waitMs);
    bool readMore(QByteArray &buffer, int quantum, int waitMs);
    int boundedWait(int waitMs) const;
    void report(int errorType, const QString &text);

    QIODevice *m_device = nullptr;
    ErrorPath m_errorPath;
    char m_window[4] = { 0, 0, 0, 0 };
    int m_fed = 0;
    QDeadlineTimer m_deadline { QDeadlineTimer::Forever };
};

#endif // FRAMECODEC_H
