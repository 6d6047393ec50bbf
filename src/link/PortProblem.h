#ifndef PORTPROBLEM_H
#define PORTPROBLEM_H

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

// The one place that tells a person why a calculator's port gave no
// calculator, and what to do about it. The window and vuvectl both show these.
class PortProblem
{
    Q_DECLARE_TR_FUNCTIONS(PortProblem)

public:
    // A port that would not open, from the serial port's error.
    static QString openFailure(const QString &location, QSerialPort::SerialPortError error);
    // A port that opened but where nothing answered.
    static QString silent(const QString &location);
    // A port where something answered, but not as a calculator does.
    static QString notCalculator(const QString &location);
    // A port whose first reply answered a request that an earlier opening
    // (another run, a job that gave up) left behind.
    static QString answeredLate(const QString &location);
    // The program that holds the port open, when the system lets us see it.
    static QString holderOf(const QString &location);
};

#endif // PORTPROBLEM_H
