#include "NamePattern.h"

#include <QLatin1Char>

QString NamePattern::nameFor(const QString &pattern, qint64 number)
{
    const QString digits = QString::number(number);
    QString name;
    name.reserve(pattern.size() + digits.size());
    for (int i = 0; i < pattern.size();) {
        if (pattern.at(i) != QLatin1Char('#')) {
            name += pattern.at(i++);
            continue;
        }
        int width = 0;
        while (i < pattern.size() && pattern.at(i) == QLatin1Char('#')) {
            ++width;
            ++i;
        }
        // A number wider than its run is written whole.
        name += QString(qMax(0, width - digits.size()), QLatin1Char('0')) + digits;
    }
    return name;
}
