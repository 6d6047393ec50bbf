#include "PortListing.h"

#include <QDir>
#include <QFile>
#include <QSerialPortInfo>
#include <QStringList>

PortListing::PortRecord PortListing::portRecord(const QSerialPortInfo &info)
{
    PortRecord r;
    r.portName = info.portName();
    r.hasVendorIdentifier = info.hasVendorIdentifier();
    r.vendorIdentifier = info.vendorIdentifier();
    r.hasProductIdentifier = info.hasProductIdentifier();
    r.productIdentifier = info.productIdentifier();
    return r;
}

bool PortListing::isCalcPort(const PortRecord &port, bool dropTtyPrefix)
{
    if (!port.hasVendorIdentifier || port.vendorIdentifier != calcVendorId)
        return false;
    if (!port.hasProductIdentifier || port.productIdentifier != calcProductId)
        return false;
    return !(dropTtyPrefix && port.portName.startsWith(QLatin1String("tty")));
}

bool PortListing::usbDevicePresent(const QString &usbDevicesFolder)
{
    auto readId = [](const QString &path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        bool ok = false;
        const int id = f.readLine(16).trimmed().toInt(&ok, 16);
        return ok ? id : -1;
    };
    const QDir folder(usbDevicesFolder);
    const QStringList entries = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QString device = folder.filePath(entry);
        if (readId(device + QLatin1String("/idVendor")) == calcVendorId
            && readId(device + QLatin1String("/idProduct")) == calcProductId)
            return true;
    }
    return false;
}

QList<QSerialPortInfo> PortListing::calcPorts()
{
#ifdef Q_OS_MACOS
    const bool dropTty = true;
#else
    const bool dropTty = false;
#endif
    QList<QSerialPortInfo> result;
#ifdef Q_OS_LINUX
    // Polling runs every second, and listing every serial port through udev
    // costs milliseconds each time; a glance at the USB devices tells first
    // whether a calculator can be among them at all.
    if (!usbDevicePresent(QStringLiteral("/sys/bus/usb/devices")))
        return result;
#endif
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (isCalcPort(portRecord(info), dropTty))
            result.append(info);
    }
    return result;
}
