#ifndef LINKLOG_H
#define LINKLOG_H

#include <QLoggingCategory>

// The link's trace for bug reports: each request and reply by type and size,
// each reported error with its text; never a file's content. Off unless
// switched on, e.g. QT_LOGGING_RULES="vuve.link.debug=true".
Q_DECLARE_LOGGING_CATEGORY(LinkLog)

class QByteArray;
class QString;

// A text for a trace line: names and texts from the device may hold line
// breaks, which would forge lines of their own, and bidi controls, which
// would turn the rest of the line around (DeviceText::forTrace).
QByteArray traced(const QString &text);

#endif // LINKLOG_H
