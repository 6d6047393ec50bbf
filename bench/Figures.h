#ifndef FIGURES_H
#define FIGURES_H

#include <QString>
#include <QStringList>

#include <vector>

// How every benchmark reports: one "name value unit" line a figure, a
// reference and the ratio beside it where there is one.
class Figures
{
public:
    static void print(const QString &name, double value, const char *unit);
    // name, name_raw and name_ratio.
    static void printRatio(const QString &name, double value, double reference, const char *unit);
    static double median(std::vector<double> values);
    // Peak resident memory of a program run to its end, in KiB; -1 when it
    // failed.
    static long peakRssKiB(const QString &program, const QStringList &args);
};

#endif // FIGURES_H
