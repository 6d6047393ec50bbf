#include "DeviceText.h"

namespace {
constexpr char16_t firstStrongIsolate = 0x2068;
constexpr char16_t popDirectionalIsolate = 0x2069;

// Calls f with each code point of text; a lone surrogate stands for itself.
template<typename F> void forEachCodePoint(const QString &text, F f)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)), 2, i);
            ++i;
        } else {
            f(uint(c.unicode()), 1, i);
        }
    }
}

bool isRightToLeft(uint ucs4)
{
    const QChar::Direction direction = QChar::direction(ucs4);
    return direction == QChar::DirR || direction == QChar::DirAL;
}
} // namespace

bool DeviceText::isBidiControl(uint ucs4)
{
    return (ucs4 >= 0x202A && ucs4 <= 0x202E) || (ucs4 >= 0x2066 && ucs4 <= 0x2069)
        || ucs4 == 0x200E || ucs4 == 0x200F || ucs4 == 0x061C;
}

QString DeviceText::withoutBidiControls(const QString &text)
{
    QString out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](uint ucs4, int length, int at) {
        if (!isBidiControl(ucs4))
            out += text.midRef(at, length);
    });
    return out;
}

QString DeviceText::isolated(const QString &text)
{
    bool controls = false;
    bool rightToLeft = false;
    forEachCodePoint(text, [&](uint ucs4, int, int) {
        controls = controls || isBidiControl(ucs4);
        rightToLeft = rightToLeft || isRightToLeft(ucs4);
    });
    if (!controls && !rightToLeft)
        return text;
    return QChar(firstStrongIsolate) + withoutBidiControls(text) + QChar(popDirectionalIsolate);
}

QStringList DeviceText::isolated(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &text : texts)
        out.append(isolated(text));
    return out;
}

QByteArray DeviceText::forTrace(const QString &text)
{
    QString line;
    line.reserve(text.size());
    forEachCodePoint(text, [&](uint ucs4, int length, int at) {
        if (isBidiControl(ucs4))
            return;
        const QChar::Category category = QChar::category(ucs4);
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            line += QLatin1Char('?');
        else
            line += text.midRef(at, length);
    });
    return line.toUtf8();
}
