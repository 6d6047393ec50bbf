#ifndef CTLBACKUPBENCH_H
#define CTLBACKUPBENCH_H

#include <QString>

// vuvectl's backup figures: "--every backup" of eight simulated calculators
// with 1 MiB each against one calculator's backup (the work is waiting on
// devices, so eight at once should take little longer than one), and the peak
// memory of a backup against that of "info".
class CtlBackupBench
{
public:
    static constexpr int calculators = 8;

    explicit CtlBackupBench(const QString &vuvectl);
    void run(int runs);

private:
    void everyAgainstOne(int runs);
    void memory();
    double seconds(const QStringList &args, const QString &portsFile);

    QString m_vuvectl;
};

#endif // CTLBACKUPBENCH_H
