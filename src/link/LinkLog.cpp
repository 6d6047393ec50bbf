#include "LinkLog.h"

// Debug messages are off by default: a trace is asked for, not always written.
Q_LOGGING_CATEGORY(LinkLog, "vuve.link", QtInfoMsg)

QByteArray traced(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    return line.toUtf8();
}
