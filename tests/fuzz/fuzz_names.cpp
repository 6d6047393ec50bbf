// The 8.3 name rule on arbitrary names: the input read as UTF-8, as UTF-16
// and as Latin-1, so that characters of every range reach it.

#include "CalcFileName.h"
#include "FuzzSupport.h"

#include <QString>

#include <cstdint>
#include <cstring>

namespace {

bool isAscii(const QString &s)
{
    for (const QChar c : s) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

void checkName(const QString &given)
{
    const QString r = toCalcFileName(given);
    FUZZ_CHECK(r.size() <= 8 + 1 + 3);

    const int dot = r.indexOf(QLatin1Char('.'));
    FUZZ_CHECK(dot == r.lastIndexOf(QLatin1Char('.')));
    if (dot < 0) {
        FUZZ_CHECK(r.size() <= 8);
    } else {
        FUZZ_CHECK(dot >= 1 && dot <= 8);
        FUZZ_CHECK(r.size() - dot - 1 <= 3);
    }
    static const char dropped[] = " +\"\\*,/:;=<>?[]|\x7F";
    for (const QChar c : r) {
        FUZZ_CHECK(c.unicode() >= 32);
        FUZZ_CHECK(c.unicode() >= 0x80 || !std::strchr(dropped, char(c.unicode())));
    }
    // The name part is upper case: nothing in it has an upper-case form of its own.
    const QString namePart = dot < 0 ? r : r.left(dot);
    for (const QChar c : namePart)
        FUZZ_CHECK(c.toUpper() == c);

    if (isAscii(given)) {
        FUZZ_CHECK(isAscii(r));
        FUZZ_CHECK(toCalcFileName(r) == r);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    checkName(QString::fromUtf8(bytes, int(size)));
    checkName(QString::fromLatin1(bytes, int(size)));
    // Copied, not cast: the input need not be aligned for 16-bit units.
    QString utf16(int(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, (size / 2) * 2);
    checkName(utf16);
    return 0;
}
