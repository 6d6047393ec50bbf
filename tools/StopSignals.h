#ifndef STOPSIGNALS_H
#define STOPSIGNALS_H

#include <csignal>

// While it lives, Ctrl+C (SIGINT) and SIGTERM no longer end the process: the
// signal makes a pipe readable, so that the program can stop its work in
// order and say what it left behind. A second signal ends the process at
// once, as if none of this were there. One at a time per process.
class StopSignals
{
public:
    StopSignals();
    ~StopSignals(); // the signals' previous handling comes back
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    bool isValid() const { return m_valid; }
    // Readable once a signal came; for poll() or a socket notifier.
    int fd() const;
    // The number of the first signal that came, 0 while none did.
    int received() const;
    // What the shell reports for a program ended by that signal: 128 + it.
    int exitCode() const { return 128 + received(); }

    // While it lives, this thread holds SIGINT and SIGTERM blocked, so the
    // threads it starts inherit them blocked: the stop signals stay the
    // starting thread's to take, and no blocking call of the others is cut
    // short by one.
    class Blocked
    {
    public:
        Blocked();
        ~Blocked();
        Blocked(const Blocked &) = delete;
        Blocked &operator=(const Blocked &) = delete;

    private:
        sigset_t m_previous;
    };

private:
    bool m_valid = false;
};

#endif // STOPSIGNALS_H
