// The window's trace switch as the README gives it: QT_LOGGING_RULES makes
// the demo write the calculators it finds and reads on stderr.
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

class TestDemoTrace : public QObject
{
    Q_OBJECT
private slots:
    void rulesSwitchTheTraceOn();
};

void TestDemoTrace::rulesSwitchTheTraceOn()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vuve.*.debug=true"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    QProcess demo;
    demo.setProcessEnvironment(env);
    demo.start(QStringLiteral(DEMO_PATH), QStringList());
    QVERIFY(demo.waitForStarted());

    // Both simulated calculators hold three files.
    QString err;
    const QRegularExpression readingEnded(
        QStringLiteral("^vuve\\.discovery: \\S+: reading ended, 3 files$"),
        QRegularExpression::MultilineOption);
    const bool bothRead = QTest::qWaitFor(
        [&] {
            err += QString::fromUtf8(demo.readAllStandardError());
            int count = 0;
            for (auto it = readingEnded.globalMatch(err); it.hasNext(); it.next())
                ++count;
            return count == 2 || demo.state() == QProcess::NotRunning;
        },
        60000);
    demo.kill();
    demo.waitForFinished();
    QVERIFY2(bothRead && demo.exitStatus() == QProcess::CrashExit, qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral(": device \"Vori X1\", ")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral(": device \"Vori X1 Lab\", ")), qPrintable(err));
    QVERIFY2(err.contains(QRegularExpression(
                 QStringLiteral("\nvuve\\.link: \\S+: reply SEND_FILES_NUM, \\d+ bytes\n"))),
        qPrintable(err));
}

QTEST_GUILESS_MAIN(TestDemoTrace)
#include "tst_demotrace.moc"
