#ifndef FRAMECODEC_H
#define FRAMECODEC_H

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Frames on the serial byte stream: "CALC", a 16-bit little-endian length and
// the encoded message. Works on any QIODevice so it can be driven without a
// calculator; the link owns one per port, so each link has its own marker window.
class FrameCodec
{
public:
    // errType value and the finished sentence for the user.
    using ErrorPath = std::function<void(int errorType, const QString &text)>;

    static constexpr int maxPayload = 0xFFFF;
    static constexpr int defaultFirstWaitMs = 10000;
    static constexpr int defaultFurtherWaitMs = 30000;

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

    // Process-wide wait limits; tests shorten them so that no test waits 10 s.
    static void setWaitLimits(int firstWaitMs, int furtherWaitMs);
    static int firstWaitMs();
    static int furtherWaitMs();

private:
    qint64 readSome(QByteArray &buffer, int quantum, int waitMs);
    void report(int errorType, const QString &text);

    QIODevice *m_device = nullptr;
    ErrorPath m_errorPath;
    char m_window[4] = { 0, 0, 0, 0 };
    int m_fed = 0;
};

#endif // FRAMECODEC_H
