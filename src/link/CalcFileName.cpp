#include "CalcFileName.h"

namespace {
// One character for one: QString::toUpper's full case mapping turns "ß" into
// "SS" and ligatures into several letters, which would overflow the 8
// characters of the name part.
QString toUpperOneForOne(const QString &text)
{
    QString upper = text;
    for (int i = 0; i < upper.size(); ++i) {
        const QChar c = upper.at(i);
        if (c.isHighSurrogate() && i + 1 < upper.size() && upper.at(i + 1).isLowSurrogate()) {
            const uint u = QChar::toUpper(QChar::surrogateToUcs4(c, upper.at(i + 1)));
            if (QChar::requiresSurrogates(u)) {
                upper[i] = QChar(QChar::highSurrogate(u));
                upper[i + 1] = QChar(QChar::lowSurrogate(u));
            }
            ++i;
        } else {
            upper[i] = c.toUpper();
        }
    }
    return upper;
}
} // namespace

QString toCalcFileName(const QString &fileName)
{
    QString name = fileName;
    name.remove(QLatin1Char(' '));

    // The calculator stores bytes: round-trip through Latin-1 and UTF-8 so that
    // only characters it can hold survive (anything else becomes ? or U+FFFD).
    QByteArray bytes = name.toLatin1();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    name = QString::fromUtf8(bytes);

    name.remove(QChar(0x7F));
    QString kept;
    kept.reserve(name.size());
    for (const QChar c : qAsConst(name)) {
        if ((c.unicode() & 0xFF) >= 32)
            kept.append(c);
    }
    name = kept;

    static const char forbidden[] = "+\"\\*,/:;=<>?[]|";
    for (const char *f = forbidden; *f; ++f)
        name.replace(QLatin1Char(*f), QLatin1Char('_'));

    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);

    int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return toUpperOneForOne(name.left(8));

    if (name.size() - dot - 1 > 3)
        name.truncate(dot + 4);
    int k = 0;
    while (k < dot && k <= 7) {
        if (name.at(k) == QLatin1Char('.')) {
            name.remove(k, 1);
            --dot;
        } else {
            ++k;
        }
    }
    name.remove(k, dot - k);
    return toUpperOneForOne(name.left(k)) + name.mid(k);
}
