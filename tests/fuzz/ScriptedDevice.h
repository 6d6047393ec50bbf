#ifndef SCRIPTEDDEVICE_H
#define SCRIPTEDDEVICE_H

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QQueue>

// A stand-in for the serial port that hands over one scripted chunk per wait,
// the way a port delivers whatever arrived since the last read, and returns at
// once when the script has run out. Opens itself for reading and writing.
class ScriptedDevice : public QIODevice
{
public:
    explicit ScriptedDevice(const QList<QByteArray> &chunks = QList<QByteArray>());

    void addChunk(const QByteArray &chunk);
    int chunksLeft() const { return m_chunks.size(); }
    // Everything written so far, up to keepLimit bytes; writtenCount counts all.
    QByteArray written() const { return m_written; }
    qint64 writtenCount() const { return m_writtenCount; }
    void setKeepLimit(qint64 limit) { m_keepLimit = limit; }

    bool waitForReadyRead(int msecs) override;
    bool waitForBytesWritten(int msecs) override;
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QQueue<QByteArray> m_chunks;
    QByteArray m_ready;
    int m_readPos = 0;
    QByteArray m_written;
    qint64 m_writtenCount = 0;
    qint64 m_keepLimit = 1 << 20;
};

#endif // SCRIPTEDDEVICE_H
