// vuvectl's trace for bug reports: -v writes the requests and replies, the
// errors and the ports it reads on stderr; without it, nothing; and never a
// byte of a file's content either way.
#include "CalcSimulator.h"
#include "ProcessRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using VivuRuza::calcMsg;

namespace {
// Spread over several frames, so that every frame of the file is checked.
QByteArray canaryContent()
{
    QByteArray content;
    while (content.size() < 1500)
        content += "CANARY-7f3a-content-of-the-user ";
    return content;
}

// The canary's marker, and the same bytes as any encoding a trace could give
// them in: hexadecimal or Base64 of the whole file's start.
QStringList canaryForms()
{
    const QByteArray marker("CANARY-7f3a");
    return { QString::fromLatin1(marker), QString::fromLatin1(marker.toHex()),
        QString::fromLatin1(canaryContent().left(24).toBase64()) };
}

QStringList traceLines(const QString &err)
{
    QStringList lines;
    for (const QString &line : err.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("vuve.")))
            lines.append(line);
    }
    return lines;
}
} // namespace

class TestCtlTrace : public QObject
{
    Q_OBJECT

    Run vuvectl(const QStringList &args) const
    {
        return runProcess(QStringLiteral(VUVECTL_PATH), args, m_env);
    }

    static bool writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
    }

    static void verifyNoContent(const Run &run)
    {
        for (const QString &form : canaryForms()) {
            QVERIFY2(!run.err.contains(form, Qt::CaseInsensitive), qPrintable(run.err));
            QVERIFY2(!run.out.contains(form, Qt::CaseInsensitive), qPrintable(run.out));
        }
    }

    CalcSimulator *m_sim = nullptr;
    QProcessEnvironment m_env;
    QTemporaryDir m_scratch;

private slots:
    void init()
    {
        // The trace must come from the option alone.
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.remove(QStringLiteral("QT_LOGGING_RULES"));
        m_env.remove(QStringLiteral("QT_LOGGING_CONF"));
        m_env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
        m_env.remove(QStringLiteral("VUVECTL_TEST_PORTS"));
        m_sim = new CalcSimulator;
        QVERIFY(m_sim->start());
    }
    void cleanup()
    {
        delete m_sim;
        m_sim = nullptr;
    }

    void putAndGet_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("traced");
        QTest::newRow("-v") << QStringLiteral("-v") << true;
        QTest::newRow("--verbose") << QStringLiteral("--verbose") << true;
        QTest::newRow("neither") << QString() << false;
    }
    void putAndGet()
    {
        QFETCH(QString, option);
        QFETCH(bool, traced);
        const QString local = m_scratch.filePath(QStringLiteral("canary.txt"));
        QVERIFY(writeFile(local, canaryContent()));
        QStringList options { QStringLiteral("--port"), m_sim->portPath() };
        if (!option.isEmpty())
            options.prepend(option);

        const Run put = vuvectl(options + QStringList { QStringLiteral("put"), local });
        QCOMPARE(put.exitCode, 0);
        QCOMPARE(put.out, local + QStringLiteral(" -> CANARY.txt\n"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("CANARY.txt")), canaryContent());

        QTemporaryDir to;
        const Run get = vuvectl(options
            + QStringList { QStringLiteral("get"), QStringLiteral("--to"), to.path(),
                QStringLiteral("CANARY.txt") });
        QCOMPARE(get.exitCode, 0);

        verifyNoContent(put);
        verifyNoContent(get);
        if (!traced) {
            QCOMPARE(traceLines(put.err), QStringList());
            QCOMPARE(traceLines(get.err), QStringList());
            return;
        }
        // Each request and its reply by type and size, on the port asked for:
        // the upload's announcement and its three frames, the download's
        // request and its three frames.
        const QStringList sent = traceLines(put.err);
        const QString port = QStringLiteral("vuve.link: ")
            + m_sim->portPath().mid(QStringLiteral("/dev/").size()) + QStringLiteral(": ");
        QVERIFY2(sent.contains(port + QStringLiteral("request GET_DEVICE_INF, 2 bytes")),
            qPrintable(put.err));
        QVERIFY2(
            sent.filter(QRegularExpression(QStringLiteral("^vuve\\.link: \\S+: request SEND_FILE, "
                                                          "\\d+ bytes$")))
                    .size()
                == 1,
            qPrintable(put.err));
        QCOMPARE(
            sent.filter(QRegularExpression(QStringLiteral(": request FRAME, \\d+ bytes$"))).size(),
            3);
        QCOMPARE(sent.filter(QStringLiteral(": reply SUCCESS, 2 bytes")).size(), 4);
        const QString portName = m_sim->portPath().mid(QStringLiteral("/dev/").size());
        const QString batch = QStringLiteral("vuve.transfer: ") + portName + QStringLiteral(": ");
        for (const QString &line : sent)
            QVERIFY2(line.startsWith(port) || line.startsWith(batch), qPrintable(line));
        // The batch's plan, the file's start and its outcome, traced for the
        // same port.
        QVERIFY2(sent.contains(batch + QStringLiteral("upload of 1 files")), qPrintable(put.err));
        QVERIFY2(
            sent.contains(batch + QStringLiteral("1: CANARY.txt started")), qPrintable(put.err));
        QVERIFY2(sent.filter(QRegularExpression(QStringLiteral("^vuve\\.transfer: \\S+: 1: "
                                                               "CANARY\\.txt done, \\d+ bytes$")))
                     .size()
                == 1,
            qPrintable(put.err));

        const QStringList fetched = traceLines(get.err);
        QCOMPARE(
            fetched.filter(QRegularExpression(QStringLiteral(": request GET_FILE, \\d+ bytes$")))
                .size(),
            1);
        QCOMPARE(
            fetched.filter(QRegularExpression(QStringLiteral(": reply FRAME, \\d+ bytes$"))).size(),
            3);
    }

    // What the plan made of each file and what became of it, in a row each:
    // the collision kinds, a file skipped with its reason, a file that failed
    // and the rest given up. "{dir}" stands for the folder of the local
    // files, "{port}" for the port as the trace names it; a line ending in
    // "*" is matched up to there.
    void transferDecisions_data()
    {
        QTest::addColumn<QStringList>("local"); // "path=content"
        QTest::addColumn<QStringList>("onCalc");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("unplugDuring"); // a request type, or -1
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("name taken, skipped")
            << QStringList { QStringLiteral("OK.txt=x"), QStringLiteral("NEW.txt=y") }
            << QStringList { QStringLiteral("ok.TXT") }
            << QStringList { QStringLiteral("--on-conflict=skip"), QStringLiteral("put"),
                   QStringLiteral("{dir}/OK.txt"), QStringLiteral("{dir}/NEW.txt") }
            << -1 << 0
            << QStringList {
                   QStringLiteral("{port}: upload of 2 files"),
                   QStringLiteral("{port}: 1: {dir}/OK.txt as OK.txt, 1 bytes, collision: name "
                                  "taken on the calculator, skipped"),
                   QStringLiteral("{port}: 2: {dir}/NEW.txt as NEW.txt, 1 bytes, planned"),
                   QStringLiteral("{port}: 2: NEW.txt started"),
                   QStringLiteral("{port}: 1: OK.txt skipped"),
                   QStringLiteral("{port}: 2: NEW.txt done, 1 bytes"),
               };
        QTest::newRow("name taken, replaced")
            << QStringList { QStringLiteral("OK.txt=x") }
            << QStringList { QStringLiteral("OK.txt") }
            << QStringList { QStringLiteral("--on-conflict=replace"), QStringLiteral("put"),
                   QStringLiteral("{dir}/OK.txt") }
            << -1 << 0
            << QStringList {
                   QStringLiteral("{port}: 1: {dir}/OK.txt as OK.txt, 1 bytes, collision: name "
                                  "taken on the calculator, planned"),
                   QStringLiteral("{port}: 1: OK.txt done, 1 bytes"),
               };
        QTest::newRow("local file there, skipped")
            << QStringList { QStringLiteral("MAIN.py=mine") }
            << QStringList { QStringLiteral("MAIN.py"), QStringLiteral("B.py") }
            << QStringList { QStringLiteral("--on-conflict=skip"), QStringLiteral("get"),
                   QStringLiteral("--to"), QStringLiteral("{dir}"), QStringLiteral("--all-files") }
            << -1 << 0
            << QStringList {
                   QStringLiteral("{port}: download of 2 files"),
                   QStringLiteral("{port}: 1: {dir}/MAIN.py as MAIN.py, 10 bytes, collision: "
                                  "exists locally, skipped"),
                   QStringLiteral("{port}: 2: {dir}/B.py as B.py, 10 bytes, planned"),
                   QStringLiteral("{port}: 1: MAIN.py skipped"),
                   QStringLiteral("{port}: 2: B.py done, 10 bytes"),
               };
        QTest::newRow("line lost, rest given up")
            << QStringList { QStringLiteral("A.py=x"), QStringLiteral("B.py=y"),
                   QStringLiteral("C.py=z") }
            << QStringList()
            << QStringList { QStringLiteral("--timeout"), QStringLiteral("1000"),
                   QStringLiteral("put"), QStringLiteral("{dir}/A.py"),
                   QStringLiteral("{dir}/B.py"), QStringLiteral("{dir}/C.py") }
            << int(calcMsg::SEND_FILE) << 1
            << QStringList {
                   QStringLiteral("{port}: 1: A.py started"),
                   QStringLiteral("{port}: 1: A.py failed: *"),
                   QStringLiteral("{port}: 2: B.py given up: The calculator stopped answering*"),
                   QStringLiteral("{port}: 3: C.py given up: The calculator stopped answering*"),
               };
    }
    void transferDecisions()
    {
        QFETCH(QStringList, local);
        QFETCH(QStringList, onCalc);
        QFETCH(QStringList, args);
        QFETCH(int, unplugDuring);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const auto fill = [&dir, this](QString text) {
            return text.replace(QStringLiteral("{dir}"), dir.path())
                .replace(QStringLiteral("{port}"),
                    m_sim->portPath().mid(QStringLiteral("/dev/").size()));
        };
        for (const QString &entry : local) {
            const int eq = entry.indexOf(QLatin1Char('='));
            const QString path = dir.filePath(entry.left(eq));
            QVERIFY(writeFile(path, entry.mid(eq + 1).toUtf8()));
        }
        QList<QPair<QString, QByteArray>> files;
        for (const QString &name : onCalc)
            files.append({ name, QByteArrayLiteral("calculator") });
        m_sim->setFiles(files);
        if (unplugDuring >= 0)
            m_sim->setUnplugDuring(unplugDuring, 0);
        QStringList options { QStringLiteral("-v"), QStringLiteral("--port"), m_sim->portPath() };
        for (const QString &arg : args)
            options.append(fill(arg));

        const Run run = vuvectl(options);
        QCOMPARE(run.exitCode, exitCode);
        const QStringList traced
            = traceLines(run.err).filter(QRegularExpression(QStringLiteral("^vuve\\.transfer: ")));
        for (const QString &line : lines) {
            const QString wanted = QStringLiteral("vuve.transfer: ") + fill(line);
            const bool found = wanted.endsWith(QLatin1Char('*'))
                ? !traced
                       .filter(QRegularExpression(
                           QLatin1Char('^') + QRegularExpression::escape(wanted.chopped(1))))
                       .isEmpty()
                : traced.contains(wanted);
            QVERIFY2(found, qPrintable(wanted + QStringLiteral("\n---\n") + run.err));
        }
    }

    // A refusal and a silent calculator are traced with their texts.
    void errorsWithTheirTexts()
    {
        const QString local = m_scratch.filePath(QStringLiteral("canary.txt"));
        QVERIFY(writeFile(local, canaryContent()));
        m_sim->setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
        const Run put = vuvectl({ QStringLiteral("-v"), QStringLiteral("--port"), m_sim->portPath(),
            QStringLiteral("put"), local });
        QCOMPARE(put.exitCode, 1);
        QVERIFY2(put.err.contains(QRegularExpression(
                     QStringLiteral("\nvuve\\.link: \\S+: reply FAILED, \\d+ bytes\n"))),
            qPrintable(put.err));
        QVERIFY2(put.err.contains(QRegularExpression(QStringLiteral(
                     "\nvuve\\.link: \\S+: error 3: File can't be sent\\.( / [^\n]*)?\n"))),
            qPrintable(put.err));
        verifyNoContent(put);

        m_sim->clearRefusals();
        m_sim->setSilent(true);
        const Run info
            = vuvectl({ QStringLiteral("-v"), QStringLiteral("--timeout"), QStringLiteral("300"),
                QStringLiteral("--port"), m_sim->portPath(), QStringLiteral("info") });
        QCOMPARE(info.exitCode, 1);
        QVERIFY2(info.err.contains(QRegularExpression(
                     QStringLiteral("\nvuve\\.link: \\S+: error 2: Connection error \\(error code: "
                                    "421\\)\\.( / [^\n]*)?\n"))),
            qPrintable(info.err));
    }

    // The ports vuvectl looks at, read or failed.
    void discovery()
    {
        const QString missing = m_scratch.filePath(QStringLiteral("ttyGONE"));
        const QString list = m_scratch.filePath(QStringLiteral("ports"));
        QVERIFY(writeFile(list, (m_sim->portPath() + QLatin1Char('\n') + missing).toUtf8()));
        m_env.insert(QStringLiteral("VUVECTL_TEST_PORTS"), list);

        const Run quiet = vuvectl({ QStringLiteral("ports") });
        QCOMPARE(quiet.exitCode, 0);
        QCOMPARE(traceLines(quiet.err), QStringList());

        const Run ports = vuvectl({ QStringLiteral("-v"), QStringLiteral("ports") });
        QCOMPARE(ports.exitCode, 0);
        QCOMPARE(ports.out, quiet.out);
        const QStringList lines = traceLines(ports.err);
        const QString found = QStringLiteral("vuve.discovery: ") + m_sim->portPath();
        const QString gone = QStringLiteral("vuve.discovery: ") + missing;
        QVERIFY2(
            lines.contains(found + QStringLiteral(": reading started")), qPrintable(ports.err));
        QVERIFY2(lines.contains(found + QStringLiteral(": reading ended")), qPrintable(ports.err));
        QVERIFY2(lines.contains(gone + QStringLiteral(": reading started")), qPrintable(ports.err));
        QVERIFY2(!lines.filter(gone + QStringLiteral(": reading failed: ")).isEmpty(),
            qPrintable(ports.err));
    }

    // QT_LOGGING_RULES has the last word over -v.
    void rulesOverrideTheOption()
    {
        m_env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vuve.link.debug=false"));
        const Run info = vuvectl({ QStringLiteral("-v"), QStringLiteral("--port"),
            m_sim->portPath(), QStringLiteral("info") });
        QCOMPARE(info.exitCode, 0);
        QCOMPARE(traceLines(info.err).filter(QStringLiteral("vuve.link:")), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCtlTrace)
#include "tst_ctltrace.moc"
