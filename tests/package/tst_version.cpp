// One version everywhere: what each program prints, the changelog's first
// entry and the metainfo's releases all follow the project's CMake version.
#include "LocalFiles.h"
#include "tools/ProcessRun.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QVersionNumber>

class tst_version : public QObject
{
    Q_OBJECT

private slots:
    void programVersion_data();
    void programVersion();
    void programHelp_data();
    void programHelp();
    void windowOptions_data();
    void windowOptions();
    void changelogStartsWithVersion();
    void metainfoReleasesAreChangelogs();
    void qtMinimumServesTheWindow();
    void changelogTextBecomesXmlText();

private:
    static QProcessEnvironment withoutDisplay();
    static QStringList changelogVersions();
};

// --version and --help must answer on a machine without a display, as in a
// package check or over ssh: a program that opens its window first aborts.
QProcessEnvironment tst_version::withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QStringList tst_version::changelogVersions()
{
    const QString text
        = QString::fromUtf8(readLocal(QStringLiteral(VUVE_SOURCE_DIR "/CHANGELOG.md")));
    QStringList versions;
    const QRegularExpression heading(
        QStringLiteral("^## \\[(\\d+\\.\\d+\\.\\d+)\\] - \\d{4}-\\d{2}-\\d{2}$"),
        QRegularExpression::MultilineOption);
    for (auto it = heading.globalMatch(text); it.hasNext();)
        versions.append(it.next().captured(1));
    return versions;
}

void tst_version::programVersion_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expected");
    const QString version = QStringLiteral(" " VUVE_VERSION "\n");
    QTest::newRow("app") << QStringLiteral(APP_PATH) << QStringLiteral("--version")
                         << QStringLiteral("vuve-vudurod") + version;
    QTest::newRow("app -v") << QStringLiteral(APP_PATH) << QStringLiteral("-v")
                            << QStringLiteral("vuve-vudurod") + version;
    QTest::newRow("demo") << QStringLiteral(DEMO_PATH) << QStringLiteral("--version")
                          << QStringLiteral("vuve-vudurod-demo") + version;
    QTest::newRow("vuvectl") << QStringLiteral(VUVECTL_PATH) << QStringLiteral("--version")
                             << QStringLiteral("vuvectl") + version;
    QTest::newRow("calcsim") << QStringLiteral(CALCSIM_PATH) << QStringLiteral("--version")
                             << QStringLiteral("vuve-calcsim") + version;
}

void tst_version::programVersion()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, expected);
    const Run run = runProcess(program, { option }, withoutDisplay());
    QCOMPARE(run.out, expected);
    QCOMPARE(run.exitCode, 0);
}

void tst_version::programHelp_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("app") << QStringLiteral(APP_PATH);
    QTest::newRow("demo") << QStringLiteral(DEMO_PATH);
    QTest::newRow("vuvectl") << QStringLiteral(VUVECTL_PATH);
    QTest::newRow("calcsim") << QStringLiteral(CALCSIM_PATH);
}

void tst_version::programHelp()
{
    QFETCH(QString, program);
    const Run run = runProcess(program, { QStringLiteral("--help") }, withoutDisplay());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QLatin1String("--help")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QLatin1String("--version")), qPrintable(run.out));
}

// The window takes no options of its own beyond help and the version.
void tst_version::windowOptions_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("options");
    const QStringList standard
        = { QStringLiteral("--help"), QStringLiteral("--help-all"), QStringLiteral("--version") };
    QTest::newRow("app") << QStringLiteral(APP_PATH) << standard;
    QTest::newRow("demo") << QStringLiteral(DEMO_PATH)
                          << standard + QStringList { QStringLiteral("--port") };
}

void tst_version::windowOptions()
{
    QFETCH(QString, program);
    QFETCH(QStringList, options);
    const Run run = runProcess(program, { QStringLiteral("--help") }, withoutDisplay());
    QCOMPARE(run.exitCode, 0);
    QStringList listed;
    const QRegularExpression option(
        QStringLiteral("^  (?:-\\S, )?(--[a-z-]+)"), QRegularExpression::MultilineOption);
    for (auto it = option.globalMatch(run.out); it.hasNext();)
        listed.append(it.next().captured(1));
    listed.sort();
    options.sort();
    QCOMPARE(listed, options);
}

void tst_version::changelogStartsWithVersion()
{
    const QString text
        = QString::fromUtf8(readLocal(QStringLiteral(VUVE_SOURCE_DIR "/CHANGELOG.md")));
    QVERIFY(!text.isEmpty());
    // Keep a Changelog: an entry is "## [version] - date"; the first is this one.
    const QRegularExpressionMatch first
        = QRegularExpression(QStringLiteral("^## (.*)$"), QRegularExpression::MultilineOption)
              .match(text);
    QVERIFY(first.hasMatch());
    QVERIFY2(first.captured(1).startsWith(QStringLiteral("[" VUVE_VERSION "] - ")),
        qPrintable(first.captured(0)));
    QCOMPARE(changelogVersions().value(0), QStringLiteral(VUVE_VERSION));
}

void tst_version::metainfoReleasesAreChangelogs()
{
    const QString xml = QString::fromUtf8(readLocal(QStringLiteral(VUVE_METAINFO_FILE)));
    QVERIFY2(!xml.isEmpty(), VUVE_METAINFO_FILE);
    QStringList releases;
    const QRegularExpression release(QStringLiteral("<release version=\"([^\"]+)\""));
    for (auto it = release.globalMatch(xml); it.hasNext();)
        releases.append(it.next().captured(1));
    QCOMPARE(releases, changelogVersions());

    // Every installed program is named, so software centres find it by command.
    QSet<QString> binaries;
    const QRegularExpression binary(QStringLiteral("<binary>([^<]+)</binary>"));
    for (auto it = binary.globalMatch(xml); it.hasNext();)
        binaries.insert(it.next().captured(1));
    QCOMPARE(binaries,
        QSet<QString>({ QStringLiteral("vuve-vudurod"), QStringLiteral("vuve-vudurod-demo"),
            QStringLiteral("vuvectl"), QStringLiteral("vuve-calcsim") }));
}

// The oldest Qt the build accepts must read the window: handlers written as
// functions inside Connections are read from Qt 5.15 on, and older ones
// refuse the document.
// A changelog's words are text in the metainfo, whatever they hold: a ';'
// (which CMake splits lists at) and the characters XML escapes among them.
void tst_version::changelogTextBecomesXmlText()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeLocal(dir.filePath(QStringLiteral("CHANGELOG.md")),
        "## [9.9.9] - 2026-12-11\n\n### Fixed\n\n- One; two & three <four>.\n  And five; six.\n"));
    QVERIFY(writeLocal(dir.filePath(QStringLiteral("releases.cmake")),
        "include(" VUVE_SOURCE_DIR "/cmake/ChangelogReleases.cmake)\n"
        "vuve_changelog_releases(${CHANGELOG} xml version date)\n"
        "file(WRITE ${OUT} \"${xml}\")\n"));
    const QString out = dir.filePath(QStringLiteral("releases.xml"));
    const Run run = runProcess(QStringLiteral(VUVE_CMAKE_COMMAND),
        { QStringLiteral("-DCHANGELOG=") + dir.filePath(QStringLiteral("CHANGELOG.md")),
            QStringLiteral("-DOUT=") + out, QStringLiteral("-P"),
            dir.filePath(QStringLiteral("releases.cmake")) });
    QCOMPARE(run.exitCode, 0);
    const QString xml = QString::fromUtf8(readLocal(out));
    QVERIFY2(
        xml.contains(QStringLiteral("<li>One; two &amp; three &lt;four&gt;. And five; six.</li>")),
        qPrintable(xml));
}

void tst_version::qtMinimumServesTheWindow()
{
    // The window is main.qml and the components it is made of.
    QString window;
    const QDir folder(QStringLiteral(VUVE_SOURCE_DIR "/qml"));
    for (const QString &name : folder.entryList({ QStringLiteral("*.qml") }, QDir::Files))
        window += QString::fromUtf8(readLocal(folder.filePath(name)));
    QVERIFY(window.contains(QLatin1String("ApplicationWindow")));
    const QRegularExpression functionHandler(
        QStringLiteral("Connections\\s*\\{[^}]*\\bfunction\\s+on[A-Z]"));
    const QVersionNumber minimum = QVersionNumber::fromString(QStringLiteral(VUVE_QT_MINIMUM));
    if (functionHandler.match(window).hasMatch())
        QVERIFY2(minimum >= QVersionNumber(5, 15), VUVE_QT_MINIMUM);
    QVERIFY(QVersionNumber::fromString(QLatin1String(qVersion())) >= minimum);
}

QTEST_GUILESS_MAIN(tst_version)
#include "tst_version.moc"
