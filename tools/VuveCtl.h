#ifndef VUVECTL_H
#define VUVECTL_H

#include "CtlOptions.h"
#include "PortChooser.h"

#include <QCoreApplication>
#include <QStringList>

// The command-line tool: reads the command line, chooses the calculators and
// runs the command on each (CalcRunner), lists and watches ports, or serves
// each calculator plugged in (Station). Returns
// the process exit code: 0 done, 1 failed, 2 usage, 3 stopped by a collision,
// 128 + the signal's number when interrupted.
class VuveCtl
{
    Q_DECLARE_TR_FUNCTIONS(VuveCtl)

public:
    static QString version();
    int run(const QStringList &arguments);

private:
    int usage(const QString &message);
    int failed(const QString &error);
    int failed(const QStringList &errors);
    int parse(const QStringList &arguments);
    bool makeDestination(QString &error);
    int ports();
    int station();
    int checkFolder();
    int runOn(const QList<PortChooser::Port> &ports);

    CtlOptions m_options;
    QString m_usage;
    bool m_progressShown = false;
    bool m_progressTerminal = false;
    bool m_interactive = false;
};

#endif // VUVECTL_H
