#include "LinkLog.h"

#include "DeviceText.h"

// Debug messages are off by default: a trace is asked for, not always written.
Q_LOGGING_CATEGORY(LinkLog, "vuve.link", QtInfoMsg)

QByteArray traced(const QString &text)
{
    return DeviceText::forTrace(text);
}
