#ifndef PORTCHOOSER_H
#define PORTCHOOSER_H

#include "CalcPort.h"
#include "CtlOptions.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Which calculators a command runs on: the attached ones, found the way the
// window finds them, narrowed by --port, --calc or widened by --every. Device
// names come from each calculator itself, read over a link of its own in a
// thread of its own, as the window's watcher reads them.
class PortChooser
{
    Q_DECLARE_TR_FUNCTIONS(PortChooser)

public:
    struct Port
    {
        QString location;
        QString serial; // the USB serial number, when the system knows it
    };
    struct Probe
    {
        Port port;
        bool ok = false;
        QString name;
        QString problem; // why the port gave no calculator
    };

    // Test seam: pseudo-terminals are not serial ports the system lists, so
    // when this variable names a file, its lines ("PATH" or "PATH<tab>SERIAL")
    // are the attached calculators instead, read afresh at every look.
    static constexpr const char *testPortsVariable = "VUVECTL_TEST_PORTS";

    static QList<Port> attached();
    // The ports for a CalcWatcher, each known by its location.
    static QList<CalcPort> calcPorts(const QList<Port> &ports);
    // Opens every port at once and reads its device information.
    static QList<Probe> probe(const QList<Port> &ports);
    // False with a sentence for the user when no calculator, or no single
    // one, answers to what the options ask for.
    static bool choose(const CtlOptions &options, QList<Port> &chosen, QString &error);
};

#endif // PORTCHOOSER_H
