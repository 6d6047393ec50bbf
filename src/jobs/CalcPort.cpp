#include "CalcPort.h"

#include <QSerialPortInfo>

CalcPort::CalcPort(const QSerialPortInfo &info)
    : m_portName(info.portName())
    , m_systemLocation(info.systemLocation())
    , m_serial(info.serialNumber())
{
}

CalcPort::CalcPort(const QString &portName, const QString &systemLocation)
    : m_portName(portName)
    , m_systemLocation(systemLocation)
{
}
