#ifndef MAINTHREADSTALL_H
#define MAINTHREADSTALL_H

#include <functional>

// The longest the main thread goes without turning its event loop, measured
// as the largest gap between the firings of a 1 ms timer.
class MainThreadStall
{
public:
    // Runs the event loop until done() holds or timeoutMs is up; start()
    // runs once the timer ticks. The gap in ms.
    static double longestGapMs(
        const std::function<void()> &start, const std::function<bool()> &done, int timeoutMs);
};

#endif // MAINTHREADSTALL_H
