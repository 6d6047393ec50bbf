#ifndef CALCPORT_H
#define CALCPORT_H

#include <QString>

class QSerialPortInfo;

// The two things the session needs of a calculator's port: the name that
// identifies the calculator between polls and the location a link opens.
// QSerialPortInfo cannot describe a pseudo-terminal, so ports may also be
// made from a name and a location.
class CalcPort
{
public:
    CalcPort() = default;
    explicit CalcPort(const QSerialPortInfo &info);
    CalcPort(const QString &portName, const QString &systemLocation);

    QString portName() const { return m_portName; }
    QString systemLocation() const { return m_systemLocation; }

    bool operator==(const CalcPort &other) const
    {
        return m_portName == other.m_portName && m_systemLocation == other.m_systemLocation;
    }
    bool operator!=(const CalcPort &other) const { return !(*this == other); }

    // The USB serial number, when the system knows it.
    QString serialNumber() const { return m_serial; }
    void setSerialNumber(const QString &serial) { m_serial = serial; }

private:
    QString m_portName;
    QString m_systemLocation;
    QString m_serial;
};

#endif // CALCPORT_H
