#ifndef CLASSSENDBENCH_H
#define CLASSSENDBENCH_H

#include <QString>
#include <QStringList>

// The window's session sending the same files to a class of calculators at
// once, against sending them to one. The calculators keep a USB pace, so the
// figures are the computer's: how much longer thirty take than one, how long
// the main thread stalls meanwhile, and the CPU time each calculator costs.
// The simulated calculators serve from a process of their own, so that the
// CPU time counted here is the session's alone.
class ClassSendBench
{
public:
    static constexpr int calculators = 30;
    static constexpr int latencyMs = 1;
    static constexpr qint64 byteRate = 1000000;

    // window: the program that loads the window and prints its resident
    // memory (vuve-bench-window); empty for none.
    explicit ClassSendBench(const QString &window);
    void run(int runs);

    // The body of the calculators' process: serves this many paced
    // simulated calculators, prints each one's port on a line of its own and
    // serves until its standard input closes.
    static int serveCalculators(int count);
    static const char *serveOption() { return "serve-calculators"; }

private:
    void classSend(int runs, const QStringList &ports);
    void windowMemory(const QStringList &ports);

    QString m_window;
};

#endif // CLASSSENDBENCH_H
