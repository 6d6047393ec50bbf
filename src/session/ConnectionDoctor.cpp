#include "ConnectionDoctor.h"

ConnectionDoctor::ConnectionDoctor(QObject *parent)
    : QObject(parent)
{
}

QStringList ConnectionDoctor::notices() const
{
    QStringList texts;
    for (const Notice &notice : m_notices) {
        if (!notice.dismissed)
            texts.append(notice.text);
    }
    return texts;
}

void ConnectionDoctor::report(const QString &port, const QString &text)
{
    for (const Notice &notice : qAsConst(m_notices)) {
        if (notice.port == port)
            return;
    }
    m_notices.append({ port, text, false });
    emit noticesChange();
}

void ConnectionDoctor::tellAgain(const QString &port, const QString &text)
{
    for (Notice &notice : m_notices) {
        if (notice.port != port)
            continue;
        if (!notice.dismissed && notice.text == text)
            return;
        notice.text = text;
        notice.dismissed = false;
        emit noticesChange();
        return;
    }
    m_notices.append({ port, text, false });
    emit noticesChange();
}

void ConnectionDoctor::forget(const QString &port)
{
    for (int i = 0; i < m_notices.size(); ++i) {
        if (m_notices.at(i).port == port) {
            const bool shown = !m_notices.at(i).dismissed;
            m_notices.removeAt(i);
            if (shown)
                emit noticesChange();
            return;
        }
    }
}

void ConnectionDoctor::setReading(const QString &port, bool reading)
{
    if (reading == m_reading.contains(port))
        return;
    if (reading)
        m_reading.append(port);
    else
        m_reading.removeAll(port);
    emit readingPortsChange();
}

// index counts the notices shown, as the window lists them.
void ConnectionDoctor::dismiss(int index)
{
    int shown = -1;
    for (Notice &notice : m_notices) {
        if (!notice.dismissed && ++shown == index) {
            notice.dismissed = true;
            emit noticesChange();
            return;
        }
    }
}

void ConnectionDoctor::dismissAll()
{
    bool dismissed = false;
    for (Notice &notice : m_notices) {
        dismissed = dismissed || !notice.dismissed;
        notice.dismissed = true;
    }
    if (dismissed)
        emit noticesChange();
}
