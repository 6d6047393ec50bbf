#include "JobLog.h"

// Debug messages are off by default: a trace is asked for, not always written.
Q_LOGGING_CATEGORY(SessionLog, "vuve.session", QtInfoMsg)
Q_LOGGING_CATEGORY(DiscoveryLog, "vuve.discovery", QtInfoMsg)
