#ifndef DEMOCALCULATORS_H
#define DEMOCALCULATORS_H

#include "CalcPort.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CalcSimulator;

// The calculators of the demo: two simulated ones served in-process on
// pseudo-terminals, plus any devices named on the command line. Its ports()
// stands in for the USB enumeration as the session's port source.
class DemoCalculators
{
    Q_DECLARE_TR_FUNCTIONS(DemoCalculators)

public:
    DemoCalculators();
    ~DemoCalculators();
    DemoCalculators(const DemoCalculators &) = delete;
    DemoCalculators &operator=(const DemoCalculators &) = delete;

    // Starts both simulators; false and a sentence in errorText on failure.
    bool start(QString &errorText);
    // A serial device or pseudo-terminal to list as one more calculator.
    void addDevice(const QString &systemLocation);

    // The simulated calculators and the named devices whose paths exist now.
    QList<CalcPort> ports() const;
    // One line per calculator: its name and where it is served.
    QStringList describe() const;

private:
    std::vector<std::unique_ptr<CalcSimulator>> m_simulators;
    QStringList m_devices;
};

#endif // DEMOCALCULATORS_H
