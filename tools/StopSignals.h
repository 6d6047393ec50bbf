#ifndef STOPSIGNALS_H
#define STOPSIGNALS_H

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

private:
    bool m_valid = false;
};

#endif // STOPSIGNALS_H
