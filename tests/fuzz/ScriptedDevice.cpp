#include "ScriptedDevice.h"

#include <cstring>

ScriptedDevice::ScriptedDevice(const QList<QByteArray> &chunks)
{
    for (const QByteArray &c : chunks)
        m_chunks.enqueue(c);
    open(QIODevice::ReadWrite);
}

void ScriptedDevice::addChunk(const QByteArray &chunk)
{
    m_chunks.enqueue(chunk);
}

bool ScriptedDevice::waitForReadyRead(int)
{
    if (m_chunks.isEmpty())
        return false;
    // Drop what was consumed so that a long script does not pile up.
    m_ready.remove(0, m_readPos);
    m_readPos = 0;
    m_ready += m_chunks.dequeue();
    return true;
}

bool ScriptedDevice::waitForBytesWritten(int)
{
    return true;
}

qint64 ScriptedDevice::bytesAvailable() const
{
    return (m_ready.size() - m_readPos) + QIODevice::bytesAvailable();
}

qint64 ScriptedDevice::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin<qint64>(maxSize, m_ready.size() - m_readPos);
    if (n > 0)
        std::memcpy(data, m_ready.constData() + m_readPos, size_t(n));
    m_readPos += int(n);
    return n;
}

qint64 ScriptedDevice::writeData(const char *data, qint64 maxSize)
{
    const qint64 room = qMax<qint64>(0, m_keepLimit - m_written.size());
    m_written.append(data, int(qMin(room, maxSize)));
    m_writtenCount += maxSize;
    return maxSize;
}
