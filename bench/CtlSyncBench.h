#ifndef CTLSYNCBENCH_H
#define CTLSYNCBENCH_H

#include <QString>
#include <QStringList>

// vuvectl comparing and syncing a class with one folder, thirty calculators
// at a USB pace, each holding the class set (four files, 64 KiB).
// "--every diff --quick" of the thirty, whose folder matches them, against a
// plain "ls" of one: a quick compare is a listing and a look at the folder,
// so thirty side by side should cost little more than one listing.
// "--every sync" of the thirty, each holding one file the folder has
// changed, against "sync" of one: every file read back and hashed, the
// changed one sent, the list read again.
class CtlSyncBench
{
public:
    static constexpr int calculators = 30;

    explicit CtlSyncBench(const QString &vuvectl);
    void run(int runs);

private:
    double seconds(const QStringList &args, const QString &portsFile);

    QString m_vuvectl;
};

#endif // CTLSYNCBENCH_H
