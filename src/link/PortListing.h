#ifndef PORTLISTING_H
#define PORTLISTING_H

#include <QList>
#include <QString>

class QSerialPortInfo;

// Which of the computer's serial ports carry a calculator, by the USB
// identifiers the calculator presents itself with.
class PortListing
{
public:
    // What the port filter needs to know of an enumerated port.
    struct PortRecord
    {
        QString portName;
        bool hasVendorIdentifier = false;
        quint16 vendorIdentifier = 0;
        bool hasProductIdentifier = false;
        quint16 productIdentifier = 0;
    };

    static constexpr quint16 calcVendorId = 0x0483;
    static constexpr quint16 calcProductId = 0x5740;

    static QList<QSerialPortInfo> calcPorts();
    // macOS lists every device twice, as tty.* and cu.*; only there is the
    // "tty" prefix a duplicate to drop.
    static bool isCalcPort(const PortRecord &port, bool dropTtyPrefix);
    static PortRecord portRecord(const QSerialPortInfo &info);
    // Whether a USB device with the calculator's identifiers is attached, read
    // from a sysfs folder of USB devices (each with idVendor and idProduct).
    static bool usbDevicePresent(const QString &usbDevicesFolder);
};

#endif // PORTLISTING_H
