#ifndef SESSIONLOG_H
#define SESSIONLOG_H

#include <QLoggingCategory>

// The session's trace for bug reports: jobs and the errors shown to the user.
Q_DECLARE_LOGGING_CATEGORY(SessionLog)
// Calculators coming and going: each port found or gone, and each first
// reading started, ended or failed.
Q_DECLARE_LOGGING_CATEGORY(DiscoveryLog)

#endif // SESSIONLOG_H
