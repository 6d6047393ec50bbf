#ifndef JOBLOG_H
#define JOBLOG_H

#include <QLoggingCategory>

// The trace for bug reports of the jobs on calculators and of the errors the
// window shows.
Q_DECLARE_LOGGING_CATEGORY(SessionLog)
// Calculators coming and going: each port found or gone, and each first
// reading started, ended or failed.
Q_DECLARE_LOGGING_CATEGORY(DiscoveryLog)

#endif // JOBLOG_H
