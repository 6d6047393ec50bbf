#ifndef IDLEWORKERS_H
#define IDLEWORKERS_H

#include "CVivuRuzaSession.h"
#include "CVoriWorker.h"

// A job moves its worker to a thread of its own the moment it starts, so
// workers that are all still at home prove that nothing was started, at once
// and without waiting for a started job to show itself.
inline bool workersIdle(const CVivuRuzaSession &session)
{
    for (int i = 0; i < session.workerCount(); ++i) {
        if (session.workerAt(i)->thread() != session.thread())
            return false;
    }
    return session.readingCount() == 0;
}

#endif // IDLEWORKERS_H
