#include "StopSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {
int stopPipe[2] = { -1, -1 };
std::atomic<int> firstSignal { 0 };
struct sigaction previousInt;
struct sigaction previousTerm;

void onStopSignal(int signal)
{
    // Only what is safe in a signal handler: an atomic store and a write.
    const int savedErrno = errno;
    int none = 0;
    firstSignal.compare_exchange_strong(none, signal);
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
    errno = savedErrno;
}
} // namespace

StopSignals::StopSignals()
{
    static_assert(std::atomic<int>::is_always_lock_free, "the handler needs a lock-free store");
    firstSignal = 0;
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    ::sigemptyset(&action.sa_mask);
    // The handler runs once per signal; a second Ctrl+C finds the default
    // action again and ends a program that does not stop soon enough.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    ::sigaction(SIGINT, &action, &previousInt);
    ::sigaction(SIGTERM, &action, &previousTerm);
    m_valid = true;
}

StopSignals::~StopSignals()
{
    if (!m_valid)
        return;
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::close(stopPipe[0]);
    ::close(stopPipe[1]);
    stopPipe[0] = stopPipe[1] = -1;
}

int StopSignals::fd() const
{
    return stopPipe[0];
}

int StopSignals::received() const
{
    return firstSignal;
}

StopSignals::Blocked::Blocked()
{
    sigset_t stopSet;
    ::sigemptyset(&stopSet);
    ::sigaddset(&stopSet, SIGINT);
    ::sigaddset(&stopSet, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &stopSet, &m_previous);
}

StopSignals::Blocked::~Blocked()
{
    ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}
