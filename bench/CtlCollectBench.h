#ifndef CTLCOLLECTBENCH_H
#define CTLCOLLECTBENCH_H

#include <QString>
#include <QStringList>

// vuvectl collecting and clearing a class: "--every collect --clear" of thirty
// calculators at a USB pace, each holding the class set (four files, 64 KiB),
// against "collect --clear" of one of them. Each file is read twice and every
// file deleted, so a calculator sends some 260 frames; thirty wait on their
// calculators side by side and should take little longer than one.
class CtlCollectBench
{
public:
    static constexpr int calculators = 30;

    explicit CtlCollectBench(const QString &vuvectl);
    void run(int runs);

private:
    double seconds(const QStringList &args, const QString &portsFile);

    QString m_vuvectl;
};

#endif // CTLCOLLECTBENCH_H
