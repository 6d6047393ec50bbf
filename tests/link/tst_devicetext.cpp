// Device text in our sentences and trace lines: a left-to-right name stays
// as it is; one that could turn the words around it is set apart; nothing of
// it forges a trace line.
#include "DeviceText.h"

#include <QtTest>

namespace {
const QChar fsi(0x2068);
const QChar pdi(0x2069);
const QChar rlo(0x202E);

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}
} // namespace

class TestDeviceText : public QObject
{
    Q_OBJECT
private slots:
    void isolated_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u(u"Vori X1") << u(u"Vori X1");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("percent signs") << u(u"A%1 %2.TXT") << u(u"A%1 %2.TXT");
        // Line breaks are the sentence's business, not the isolate's.
        QTest::newRow("line break") << u(u"A\nB") << u(u"A\nB");
        QTest::newRow("accents") << u(u"Caf\u00e9 \u00dcbung") << u(u"Caf\u00e9 \u00dcbung");
        QTest::newRow("unterminated override")
            << u(u"Calc\u202Eevil") << u(u"\u2068Calcevil\u2069");
        QTest::newRow("every control") << u(
            u"\u202Aa\u202Bb\u202Cc\u202Dd\u202Ee\u2066f\u2067g\u2068h\u2069i\u200Ej\u200Fk"
            u"\u061Cl") << u(u"\u2068abcdefghijkl\u2069");
        // A pop that would close an isolate of ours early is gone too.
        QTest::newRow("stray pop") << u(u"x\u2069y") << u(u"\u2068xy\u2069");
        QTest::newRow("hebrew") << u(u"\u05D0\u05D1 1") << u(u"\u2068\u05D0\u05D1 1\u2069");
        QTest::newRow("arabic") << u(u"\u0627\u0644") << u(u"\u2068\u0627\u0644\u2069");
        // Beyond the basic plane: Adlam is written right to left.
        QTest::newRow("adlam") << u(u"x\U0001E900") << u(u"\u2068x\U0001E900\u2069");
    }
    void isolated()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(DeviceText::isolated(text), expected);
        QCOMPARE(DeviceText::isolated(DeviceText::isolated(text)), expected);
    }

    void isolatedList()
    {
        QCOMPARE(DeviceText::isolated(QStringList { u(u"A.PY"), u(u"B\u202E.PY") }),
            (QStringList { u(u"A.PY"), QString(fsi) + u(u"B.PY") + pdi }));
    }

    void withoutBidiControls()
    {
        QCOMPARE(DeviceText::withoutBidiControls(u(u"\u202Ea\u200Fb\u05D0\u2069")), u(u"ab\u05D0"));
        QCOMPARE(DeviceText::withoutBidiControls(u(u"\U0001F600x")), u(u"\U0001F600x"));
    }

    void forTrace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain") << u(u"Vori X1") << QByteArray("Vori X1");
        QTest::newRow("line breaks")
            << u(u"a\nb\rc\u2028d\u2029e\u0085f") << QByteArray("a?b?c?d?e?f");
        QTest::newRow("controls") << u(u"\x1b[31m\x7f\t") << QByteArray("?[31m??");
        QTest::newRow("override") << (u(u"abc") + rlo + u(u"def")) << QByteArray("abcdef");
        QTest::newRow("percent signs") << u(u"A%1.TXT") << QByteArray("A%1.TXT");
        QTest::newRow("hebrew") << u(u"\u05D0") << QByteArray("\xD7\x90");
    }
    void forTrace()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(DeviceText::forTrace(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestDeviceText)
#include "tst_devicetext.moc"
