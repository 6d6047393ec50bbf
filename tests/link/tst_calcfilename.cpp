#include "CalcFileName.h"

#include <QtTest>

class TestCalcFileName : public QObject
{
    Q_OBJECT
private slots:
    void rule_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        const QChar fffd(0xFFFD);
        QTest::newRow("case") << "main.py"
                              << "MAIN.py";
        QTest::newRow("unchanged") << "MAIN.py"
                                   << "MAIN.py";
        QTest::newRow("spaces") << "hello world.py"
                                << "HELLOWOR.py";
        QTest::newRow("long") << "verylongfilename.script"
                              << "VERYLONG.scr";
        QTest::newRow("inner dots") << "a.b.c.py"
                                    << "ABC.py";
        QTest::newRow("tar.gz short") << "prog.tar.gz"
                                      << "PROGTAR.gz";
        QTest::newRow("tar.gz long") << "archive.tar.gz"
                                     << "ARCHIVET.gz";
        QTest::newRow("leading dot") << ".hidden"
                                     << "HIDDEN";
        QTest::newRow("no extension") << "notes"
                                      << "NOTES";
        QTest::newRow("no extension long") << "abcdefghij"
                                           << "ABCDEFGH";
        QTest::newRow("trailing dot") << "name."
                                      << "NAME.";
        QTest::newRow("star in extension") << "x.p*y"
                                           << "X.p_y";
        QTest::newRow("colon and question") << "my:file?.py"
                                            << "MY_FILE_.py";
        QTest::newRow("brackets") << "[old] copy.py"
                                  << "_OLD_COP.py";
        QTest::newRow("extension case kept") << "snake.PY"
                                             << "SNAKE.PY";
        QTest::newRow("only dots") << "..."
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("latin-1") << QString::fromUtf8("café.py")
                                 << (QStringLiteral("CAF") + fffd + QStringLiteral(".py"));
        QTest::newRow("beyond latin-1") << QString::fromUtf8("π.py") << "_.py";
        QTest::newRow("all forbidden") << "+\"\\*,/:;=<>?[]|"
                                       << "________";
        QTest::newRow("control and del") << QStringLiteral("a\tb\x7f"
                                                           "c.py")
                                         << "ABC.py";
        QTest::newRow("nul cuts") << (QStringLiteral("ab") + QChar(0) + QStringLiteral("cd.py"))
                                  << "AB";
        QTest::newRow("slash path") << "../../etc/passwd"
                                    << "_._et";
        QTest::newRow("parentheses stay") << "a(1)-b_c.py"
                                          << "A(1)-B_C.py";
        // Upper case must not add characters: the name part stays at 8.
        QTest::newRow("sharp s from utf-8 bytes")
            << (QStringLiteral("abcdefg") + QChar(0xC3) + QChar(0x9F) + QStringLiteral(".py"))
            << (QStringLiteral("ABCDEFG") + QChar(0xDF) + QStringLiteral(".py"));
        QTest::newRow("dot after 8") << "abcdefghi.j.py"
                                     << "ABCDEFGH.py";
    }
    void rule()
    {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QCOMPARE(toCalcFileName(given), expected);
    }

    // The link applies the rule once more before sending.
    void appliedTwice_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("latin-1 becomes underscore") << QString::fromUtf8("café.py") << "CAF_.py";
        QTest::newRow("ascii is stable") << "verylongfilename.script"
                                         << "VERYLONG.scr";
        QTest::newRow("trailing dot stable") << "name."
                                             << "NAME.";
    }
    void appliedTwice()
    {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QCOMPARE(toCalcFileName(toCalcFileName(given)), expected);
    }
};

QTEST_GUILESS_MAIN(TestCalcFileName)
#include "tst_calcfilename.moc"
