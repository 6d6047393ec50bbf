#include "CalcSimulator.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

class TestVuveCtl : public QObject
{
    Q_OBJECT

    Run vuvectl(const QStringList &args, bool withPort = true)
    {
        QProcess p;
        QStringList all = args;
        if (withPort)
            all = QStringList { QStringLiteral("--port"), m_sim->portPath() } + args;
        p.start(QStringLiteral(VUVECTL_PATH), all);
        if (!p.waitForFinished(60000))
            p.kill();
        Run r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    static QByteArray randomBytes(int size, unsigned seed)
    {
        std::mt19937 gen(seed);
        QByteArray bytes(size, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(gen() & 0xFF);
        return bytes;
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(content), qint64(content.size()));
    }

    CalcSimulator *m_sim = nullptr;

private slots:
    void init()
    {
        m_sim = new CalcSimulator;
        m_sim->setName(QStringLiteral("Vori X1"));
        QVERIFY(m_sim->start());
    }
    void cleanup()
    {
        delete m_sim;
        m_sim = nullptr;
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("chunk-1") << 511;
        QTest::newRow("chunk") << 512;
        QTest::newRow("chunk+1") << 513;
        QTest::newRow("1 MiB") << 1048576;
    }
    void roundTrip()
    {
        QFETCH(int, size);
        QTemporaryDir from, to;
        const QByteArray content = randomBytes(size, unsigned(size));
        const QString local = from.filePath(QStringLiteral("prog.py"));
        writeFile(local, content);

        Run put = vuvectl({ QStringLiteral("put"), local });
        QCOMPARE(put.exitCode, 0);
        QCOMPARE(put.out, local + QStringLiteral(" -> PROG.py\n"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("PROG.py")), content);

        Run ls = vuvectl({ QStringLiteral("ls") });
        QCOMPARE(ls.exitCode, 0);
        QCOMPARE(ls.out, QStringLiteral("PROG.py\t%1\n").arg(size));

        Run get = vuvectl({ QStringLiteral("get"), QStringLiteral("--to"), to.path(),
            QStringLiteral("PROG.py") });
        QCOMPARE(get.exitCode, 0);
        const QString written = to.filePath(QStringLiteral("PROG.py"));
        QCOMPARE(get.out, written + QLatin1Char('\n'));
        QFile back(written);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), content);
    }

    void infoAndRename()
    {
        m_sim->setMaxChunkSize(4096);
        Run info = vuvectl({ QStringLiteral("info") });
        QCOMPARE(info.exitCode, 0);
        QVERIFY2(info.out.startsWith(QStringLiteral("name: Vori X1\nchunk: 4096\nhv: ")),
            qPrintable(info.out));

        Run rename = vuvectl({ QStringLiteral("rename"), QStringLiteral("Lab 3") });
        QCOMPARE(rename.exitCode, 0);
        QCOMPARE(m_sim->name(), QStringLiteral("Lab 3"));
        QVERIFY(
            vuvectl({ QStringLiteral("info") }).out.startsWith(QStringLiteral("name: Lab 3\n")));
    }

    void removeFiles()
    {
        m_sim->setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
            { QStringLiteral("B.PY"), QByteArray("bb") } });
        Run rm = vuvectl({ QStringLiteral("rm"), QStringLiteral("A.PY") });
        QCOMPARE(rm.exitCode, 0);
        QVERIFY(!m_sim->hasFile(QStringLiteral("A.PY")));
        QCOMPARE(vuvectl({ QStringLiteral("ls") }).out, QStringLiteral("B.PY\t2\n"));
        // The size sent is the one the calculator listed.
        const auto msgs = m_sim->received();
        bool seen = false;
        for (const auto &m : msgs) {
            if (m.type() == VivuRuza::calcMsg::DELETE_FILE) {
                QCOMPARE(m.finf().name(), std::string("A.PY"));
                QCOMPARE(m.finf().size(), 1);
                seen = true;
            }
        }
        QVERIFY(seen);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("refusedType");
        QTest::addColumn<QString>("errorStr");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrHas");
        using M = VivuRuza::calcMsg;
        QTest::newRow("refused send")
            << QStringList { QStringLiteral("put"), QStringLiteral("@LOCAL") } << int(M::SEND_FILE)
            << QStringLiteral("Memory full") << 1 << QStringLiteral("Memory full");
        QTest::newRow("bare refused send")
            << QStringList { QStringLiteral("put"), QStringLiteral("@LOCAL") } << int(M::SEND_FILE)
            << QString() << 1 << QStringLiteral("File can't be sent.");
        QTest::newRow("refused delete")
            << QStringList { QStringLiteral("rm"), QStringLiteral("A.PY") } << int(M::DELETE_FILE)
            << QString() << 1 << QString::fromUtf8("File doesn\u2019t exist.");
        QTest::newRow("refused rename")
            << QStringList { QStringLiteral("rename"), QStringLiteral("X") } << int(M::CHANGE_NAME)
            << QString() << 1 << QStringLiteral("refused");
        QTest::newRow("not listed")
            << QStringList { QStringLiteral("get"), QStringLiteral("NOPE.PY") } << int(M::NONE)
            << QString() << 1 << QStringLiteral("NOPE.PY is not on the calculator");
        QTest::newRow("unknown command")
            << QStringList { QStringLiteral("frobnicate") } << int(M::NONE) << QString() << 2
            << QStringLiteral("Usage:");
        QTest::newRow("missing argument") << QStringList { QStringLiteral("get") } << int(M::NONE)
                                          << QString() << 2 << QStringLiteral("Usage:");
        QTest::newRow("too large") << QStringList { QStringLiteral("put"), QStringLiteral("@BIG") }
                                   << int(M::NONE) << QString() << 1 << QStringLiteral("1 MiB");
        QTest::newRow("unreadable")
            << QStringList { QStringLiteral("put"), QStringLiteral("/nonexistent/x.py") }
            << int(M::NONE) << QString() << 1 << QStringLiteral("/nonexistent/x.py");
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, refusedType);
        QFETCH(QString, errorStr);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrHas);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("x.py")), "print(1)");
        writeFile(dir.filePath(QStringLiteral("big.py")), QByteArray(1048577, 'b'));
        args.replaceInStrings(QStringLiteral("@LOCAL"), dir.filePath(QStringLiteral("x.py")));
        args.replaceInStrings(QStringLiteral("@BIG"), dir.filePath(QStringLiteral("big.py")));
        m_sim->setFiles({ { QStringLiteral("A.PY"), QByteArray("a") } });
        if (refusedType != 0)
            m_sim->setRefusal(
                refusedType, refusedType == VivuRuza::calcMsg::DELETE_FILE ? 1 : 0, 0, errorStr);
        Run r = vuvectl(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(stderrHas), qPrintable(r.err));
        QVERIFY2(!r.out.contains(QStringLiteral("->")), qPrintable(r.out));
        QVERIFY(!m_sim->hasFile(QStringLiteral("BIG.py")));
    }

    void noCalculator()
    {
        Run r = vuvectl({ QStringLiteral("ls") }, false);
        if (r.exitCode == 0)
            QSKIP("a real calculator is attached to this machine");
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("No calculator is connected\n"));
        QCOMPARE(r.out, QString());
    }

    void silentCalculator()
    {
        m_sim->setSilent(true);
        Run r
            = vuvectl({ QStringLiteral("--timeout"), QStringLiteral("200"), QStringLiteral("ls") });
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
            QStringLiteral("The calculator at %1 does not answer.\n").arg(m_sim->portPath()));
    }
};

QTEST_GUILESS_MAIN(TestVuveCtl)
#include "tst_vuvectl.moc"
