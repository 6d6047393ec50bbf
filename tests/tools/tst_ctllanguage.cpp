// vuvectl in the language the environment picks: LANGUAGE names the user's
// languages in order, the first one vuvectl has wins, and English is the
// rest. What scripts read stays as it is in every language: exit codes,
// --json keys and the command words.
#include "ProcessRun.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QtTest>

namespace {

Run vuvectl(const QString &language, const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return runProcess(QStringLiteral(VUVECTL_PATH), args, env);
}

// Qt's own texts (the usage line's words) come from the system's Qt
// translations, which scripts/setup installs and the package recommends.
bool qtSpeaks(const QString &language)
{
    return QFileInfo::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath)
        + QStringLiteral("/qt_%1.qm").arg(language));
}

const QString missingPort = QStringLiteral("/nonexistent/vuve-port");

} // namespace

class TestCtlLanguage : public QObject
{
    Q_OBJECT
private slots:
    void help_data();
    void help();
    void messages_data();
    void messages();
    void jsonKeepsItsKeys();
};

void TestCtlLanguage::help_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("qtUsage");
    QTest::newRow("Spanish")
        << "es"
        << QStringList { "Se comunica con calculadoras por USB.", "Órdenes:", "Códigos de salida:",
               "  --on-conflict <POLICY>  Qué hacer con un nombre ya ocupado: ask (preguntar;" }
        << "Uso: ";
    QTest::newRow("German") << "de"
                            << QStringList { "Spricht über USB mit Taschenrechnern.",
                                   "Befehle:", "Rückgabewerte:" }
                            << "Aufruf: ";
    QTest::newRow("French") << "fr"
                            << QStringList { "Communique avec les calculatrices par USB.",
                                   "Commandes\u00a0:", "Codes de sortie\u00a0:" }
                            << "Utilisation : ";
    QTest::newRow("none of its languages")
        << "it" << QStringList { "Talks to calculators over USB.", "Commands:", "Exit codes:" }
        << "Usage: ";
}

void TestCtlLanguage::help()
{
    QFETCH(QString, language);
    QFETCH(QStringList, lines);
    QFETCH(QString, qtUsage);
    const Run r = vuvectl(language, { QStringLiteral("--help") });
    QCOMPARE(r.exitCode, 0);
    const QStringList out = r.out.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        QVERIFY2(out.contains(line), qPrintable(line + QStringLiteral(" is not in:\n") + r.out));
    // The commands and the exit codes are the same words in every language.
    for (const char *command :
        { "ports", "info", "ls", "get", "put", "rm", "rename", "backup", "restore", "watch" })
        QVERIFY2(r.out.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command))), command);
    for (const char *code : { "0", "1", "2", "3", "130" })
        QVERIFY2(r.out.contains(QStringLiteral("\n  %1  ").arg(QLatin1String(code))), code);
    if (language == QLatin1String("it") || qtSpeaks(language))
        QVERIFY2(r.out.startsWith(qtUsage), qPrintable(r.out.left(80)));
}

void TestCtlLanguage::messages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    const QStringList unknown { QStringLiteral("frob") };
    const QStringList noPort { QStringLiteral("--port"), missingPort, QStringLiteral("info") };
    QTest::newRow("German usage error")
        << "de" << unknown << 2
        << "vuvectl: unbekannter Befehl \u201efrob\u201c\nMehr dazu mit 'vuvectl --help'.\n";
    QTest::newRow("Spanish usage error")
        << "es" << unknown << 2
        << "vuvectl: orden desconocida \u00abfrob\u00bb\nPrueba 'vuvectl --help'.\n";
    QTest::newRow("French port") << "fr" << noPort << 1
                                 << "Le port " + missingPort
            + " n\u2019existe pas (ou plus)\u00a0; la calculatrice a peut-\u00eatre \u00e9t\u00e9 "
              "d\u00e9branch\u00e9e.\n";
    QTest::newRow("Spanish port") << "es" << noPort << 1
                                  << "El puerto " + missingPort
            + " no existe (ya); puede que se haya desconectado la calculadora.\n";
    QTest::newRow("first of several that it has")
        << "it:es:de" << unknown << 2
        << "vuvectl: orden desconocida \u00abfrob\u00bb\nPrueba 'vuvectl --help'.\n";
    QTest::newRow("English before the others")
        << "en:de" << unknown << 2 << "vuvectl: unknown command \"frob\"\nTry 'vuvectl --help'.\n";
    QTest::newRow("a region of a language it has")
        << "de_AT" << unknown << 2
        << "vuvectl: unbekannter Befehl \u201efrob\u201c\nMehr dazu mit 'vuvectl --help'.\n";
}

void TestCtlLanguage::messages()
{
    QFETCH(QString, language);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    const Run r = vuvectl(language, args);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.err, err);
}

void TestCtlLanguage::jsonKeepsItsKeys()
{
    const Run r = vuvectl(QStringLiteral("de"),
        { QStringLiteral("--json"), QStringLiteral("--port"), missingPort, QStringLiteral("ls") });
    QCOMPARE(r.exitCode, 1);
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(doc.keys(), QStringList({ "errors", "ok", "port" }));
    QCOMPARE(doc.value(QStringLiteral("ok")), QJsonValue(false));
    QCOMPARE(doc.value(QStringLiteral("errors")).toArray().first().toString(),
        "Den Port " + missingPort
            + " gibt es nicht (mehr); vielleicht wurde der Taschenrechner abgezogen.");
}

QTEST_GUILESS_MAIN(TestCtlLanguage)
#include "tst_ctllanguage.moc"
