#include "Figures.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

void Figures::print(const QString &name, double value, const char *unit)
{
    std::printf("%s %.3f %s\n", qPrintable(name), value, unit);
    std::fflush(stdout);
}

void Figures::printRatio(const QString &name, double value, double reference, const char *unit)
{
    print(name, value, unit);
    print(name + QStringLiteral("_raw"), reference, unit);
    print(name + QStringLiteral("_ratio"), reference > 0 ? value / reference : -1, "x");
}

double Figures::median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// The kernel starts a forked child's peak count from its parent's, so the
// program is started by GNU time, a process far smaller than a benchmark,
// which reads the count back.
long Figures::peakRssKiB(const QString &program, const QStringList &args)
{
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("rss"));
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("/usr/bin/time"),
        QStringList {
            QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), report, program }
            + args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    QFile f(report);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const long kib = f.readAll().trimmed().toLong(&ok);
    return ok ? kib : -1;
}
