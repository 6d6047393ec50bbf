#include "CalcSimulator.h"
#include "ProcessRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using VivuRuza::calcMsg;
using Files = QList<QPair<QString, QByteArray>>;

// vuvectl diff and sync against simulated calculators, end to end: a folder
// on disk, the calculator over a pseudo-terminal.
class TestCtlSync : public QObject
{
    Q_OBJECT

    CalcSimulator *m_sim = nullptr;
    QList<CalcSimulator *> m_more;
    QProcessEnvironment m_env;
    QTemporaryDir m_scratch;

    Run vuvectl(const QStringList &args, bool withPort = true)
    {
        QStringList all = args;
        if (withPort)
            all = QStringList { QStringLiteral("--port"), m_sim->portPath() } + args;
        return runProcess(QStringLiteral(VUVECTL_PATH), all, m_env);
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(content), qint64(content.size()));
    }

    static void fill(const QTemporaryDir &dir, const Files &files)
    {
        for (const auto &file : files)
            writeFile(dir.filePath(file.first), file.second);
    }

    static Files sorted(Files files)
    {
        std::sort(files.begin(), files.end());
        return files;
    }

    static int count(const CalcSimulator *sim, int type)
    {
        const QList<int> types = sim->receivedTypes();
        return int(std::count(types.cbegin(), types.cend(), type));
    }

    static QJsonObject json(const QString &text)
    {
        return QJsonDocument::fromJson(text.toUtf8()).object();
    }

    CalcSimulator *another(const QString &name)
    {
        auto *sim = new CalcSimulator;
        sim->setName(name);
        m_more.append(sim);
        return sim->start() ? sim : nullptr;
    }

    void attach(const QList<CalcSimulator *> &sims)
    {
        const QString path = m_scratch.filePath(QStringLiteral("ports"));
        QFile list(path);
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (CalcSimulator *sim : sims)
            list.write((sim->portPath() + QLatin1String("\t\n")).toUtf8());
        list.close();
        m_env.insert(QStringLiteral("VUVECTL_TEST_PORTS"), path);
    }

private slots:
    void init()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.remove(QStringLiteral("VUVECTL_TEST_PORTS"));
        m_sim = new CalcSimulator;
        m_sim->setName(QStringLiteral("Vori X1"));
        QVERIFY(m_sim->start());
    }
    void cleanup()
    {
        qDeleteAll(m_more);
        m_more.clear();
        delete m_sim;
        m_sim = nullptr;
    }

    void diffStatuses_data()
    {
        QTest::addColumn<Files>("folder");
        QTest::addColumn<Files>("calc");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("reads"); // GET_FILE requests: contents compared

        QTest::newRow("each status")
            << Files { { QStringLiteral("SAME.py"), "same" },
                   { QStringLiteral("DIFF.py"), "folder" },
                   { QStringLiteral("SIZE.py"), "longer text" },
                   { QStringLiteral("MISS.py"), "m" } }
            << Files { { QStringLiteral("SAME.py"), "same" },
                   { QStringLiteral("DIFF.py"), "calcul" }, { QStringLiteral("SIZE.py"), "short" },
                   { QStringLiteral("EXTRA.py"), "e" } }
            << QStringList()
            << QStringLiteral("different\tDIFF.py\nextra\tEXTRA.py\nmissing\tMISS.py\n"
                              "same\tSAME.py\ndifferent\tSIZE.py\n")
            << 1 << 2;
        QTest::newRow("all the same") << Files { { QStringLiteral("A.py"), "a" } }
                                      << Files { { QStringLiteral("A.py"), "a" } } << QStringList()
                                      << QStringLiteral("same\tA.py\n") << 0 << 1;
        QTest::newRow("case-blind, same contents")
            << Files { { QStringLiteral("main.py"), "print(1)" } }
            << Files { { QStringLiteral("MAIN.PY"), "print(1)" } } << QStringList()
            << QStringLiteral("same\tMAIN.PY\n") << 0 << 1;
        QTest::newRow("case-blind, other contents")
            << Files { { QStringLiteral("main.py"), "print(1)" } }
            << Files { { QStringLiteral("MAIN.PY"), "print(2)" } } << QStringList()
            << QStringLiteral("different\tMAIN.PY\n") << 1 << 1;
        QTest::newRow("quick takes equal sizes for the same")
            << Files { { QStringLiteral("A.py"), "abc" }, { QStringLiteral("B.py"), "bb" } }
            << Files { { QStringLiteral("A.py"), "xyz" }, { QStringLiteral("B.py"), "b" } }
            << QStringList { QStringLiteral("--quick") }
            << QStringLiteral("# compared by name and size only; contents were not read\n"
                              "same\tA.py\ndifferent\tB.py\n")
            << 1 << 0;
        QTest::newRow("quick, all the same")
            << Files { { QStringLiteral("A.py"), "abc" } }
            << Files { { QStringLiteral("A.py"), "xyz" } }
            << QStringList { QStringLiteral("--quick") }
            << QStringLiteral("# compared by name and size only; contents were not read\n"
                              "same\tA.py\n")
            << 0 << 0;
        QTest::newRow("empty folder, empty calculator")
            << Files() << Files() << QStringList() << QString() << 0 << 0;
    }
    void diffStatuses()
    {
        QFETCH(Files, folder);
        QFETCH(Files, calc);
        QFETCH(QStringList, options);
        QFETCH(QString, out);
        QFETCH(int, exitCode);
        QFETCH(int, reads);
        QTemporaryDir dir;
        fill(dir, folder);
        m_sim->setFiles(calc);
        const Run r = vuvectl(QStringList { QStringLiteral("diff"), dir.path() } + options);
        QCOMPARE(r.out, out);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        QCOMPARE(r.err, QString());
        QCOMPARE(count(m_sim, calcMsg::GET_FILE), reads);
        // Looking changes nothing.
        QCOMPARE(sorted(m_sim->files()), sorted(calc));
        QCOMPARE(count(m_sim, calcMsg::SEND_FILE), 0);
    }

    void diffJson()
    {
        QTemporaryDir dir;
        fill(dir, { { QStringLiteral("A.py"), "abc" }, { QStringLiteral("B.py"), "b" } });
        m_sim->setFiles({ { QStringLiteral("A.py"), "abd" }, { QStringLiteral("C.py"), "cc" } });
        const Run r = vuvectl({ QStringLiteral("--json"), QStringLiteral("diff"), dir.path() });
        QCOMPARE(r.exitCode, 1);
        const QJsonObject doc = json(r.out);
        QCOMPARE(doc.value(QStringLiteral("ok")).toBool(true), false);
        QCOMPARE(doc.value(QStringLiteral("errors")).toArray().size(), 0);
        const QJsonArray files = doc.value(QStringLiteral("files")).toArray();
        QCOMPARE(files.size(), 3);
        const QJsonObject a = files.at(0).toObject();
        QCOMPARE(a.value(QStringLiteral("name")).toString(), QStringLiteral("A.py"));
        QCOMPARE(a.value(QStringLiteral("status")).toString(), QStringLiteral("different"));
        QCOMPARE(a.value(QStringLiteral("calculator_size")).toInt(), 3);
        QCOMPARE(a.value(QStringLiteral("folder_size")).toInt(), 3);
        const QJsonObject b = files.at(1).toObject();
        QCOMPARE(b.value(QStringLiteral("status")).toString(), QStringLiteral("missing"));
        QVERIFY(b.value(QStringLiteral("calculator_size")).isNull());
        QCOMPARE(b.value(QStringLiteral("folder_size")).toInt(), 1);
        const QJsonObject c = files.at(2).toObject();
        QCOMPARE(c.value(QStringLiteral("status")).toString(), QStringLiteral("extra"));
        QCOMPARE(c.value(QStringLiteral("calculator_size")).toInt(), 2);
        QVERIFY(c.value(QStringLiteral("folder_size")).isNull());
    }

    // Two files that the calculator would hold under one name: the user
    // must choose, so nothing is compared or sent.
    void twoFilesOneName_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("diff") << QStringLiteral("diff");
        QTest::newRow("sync") << QStringLiteral("sync");
    }
    void twoFilesOneName()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        fill(dir, { { QStringLiteral("prog.py"), "one" }, { QStringLiteral("PROG.py"), "two" } });
        const Run r = vuvectl({ command, dir.path() });
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(dir.filePath(QStringLiteral("prog.py")))
                && r.err.contains(dir.filePath(QStringLiteral("PROG.py"))),
            qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QCOMPARE(m_sim->receivedTypes().size(), 0);
    }

    // Links and fifos are not the folder's files: each is named once, with
    // one calculator or two.
    void leftOutNamedOnce_data()
    {
        QTest::addColumn<bool>("every");
        QTest::newRow("one calculator") << false;
        QTest::newRow("every") << true;
    }
    void leftOutNamedOnce()
    {
        QFETCH(bool, every);
        QTemporaryDir dir, elsewhere;
        fill(dir, { { QStringLiteral("A.py"), "a" } });
        writeFile(elsewhere.filePath(QStringLiteral("T.py")), "target");
        QVERIFY(QFile::link(
            elsewhere.filePath(QStringLiteral("T.py")), dir.filePath(QStringLiteral("LINK.py"))));
        QCOMPARE(
            ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("PIPE.py"))).constData(), 0600),
            0);
        m_sim->setFiles({ { QStringLiteral("A.py"), "a" } });
        QStringList args { QStringLiteral("sync"), dir.path() };
        if (every) {
            CalcSimulator *second = another(QStringLiteral("Vori X1 Lab"));
            QVERIFY(second);
            attach({ m_sim, second });
            args.prepend(QStringLiteral("--every"));
        }
        const Run r = vuvectl(args, !every);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.err.count(QStringLiteral("LINK.py")), 1);
        QCOMPARE(r.err.count(QStringLiteral("PIPE.py")), 1);
        QVERIFY(!r.out.contains(QStringLiteral("LINK")) && !r.out.contains(QStringLiteral("PIPE")));
        QVERIFY(!m_sim->hasFile(QStringLiteral("LINK.py")));
        if (every)
            QCOMPARE(m_more.first()->fileContent(QStringLiteral("A.py")), QByteArray("a"));
    }

    void dryRunChangesNothing_data()
    {
        QTest::addColumn<bool>("deleteExtra");
        QTest::newRow("keeping extra files") << false;
        QTest::newRow("--delete") << true;
    }
    void dryRunChangesNothing()
    {
        QFETCH(bool, deleteExtra);
        QTemporaryDir dir;
        fill(dir,
            { { QStringLiteral("SAME.py"), "same" }, { QStringLiteral("DIFF.py"), "new" },
                { QStringLiteral("MISS.py"), "m" } });
        const Files calc { { QStringLiteral("SAME.py"), "same" },
            { QStringLiteral("DIFF.py"), "old" }, { QStringLiteral("EXTRA.py"), "e" } };
        m_sim->setFiles(calc);
        QStringList args { QStringLiteral("sync"), QStringLiteral("--dry-run"), dir.path() };
        if (deleteExtra)
            args << QStringLiteral("--delete");
        const Run r = vuvectl(args);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.out,
            QStringLiteral("replace DIFF.py\n%1 EXTRA.py\nsend MISS.py\nkeep SAME.py\n")
                .arg(deleteExtra ? QStringLiteral("delete") : QStringLiteral("keep")));
        QCOMPARE(count(m_sim, calcMsg::SEND_FILE), 0);
        QCOMPARE(count(m_sim, calcMsg::DELETE_FILE), 0);
        QCOMPARE(sorted(m_sim->files()), sorted(calc));
    }

    // The calculator ends with the folder's files; the same one is not sent
    // again; extra files stay unless --delete, and the summary counts them.
    void syncMakesTheCalculatorMatch_data()
    {
        QTest::addColumn<bool>("deleteExtra");
        QTest::addColumn<bool>("quick");
        QTest::newRow("keeping extra files") << false << false;
        QTest::newRow("--delete") << true << false;
        QTest::newRow("--delete --quick") << true << true;
    }
    void syncMakesTheCalculatorMatch()
    {
        QFETCH(bool, deleteExtra);
        QFETCH(bool, quick);
        QTemporaryDir dir;
        const Files folder { { QStringLiteral("SAME.py"), "same" },
            { QStringLiteral("DIFF.py"), "new" }, { QStringLiteral("SIZE.py"), "longer" },
            { QStringLiteral("miss.py"), "m" } };
        fill(dir, folder);
        m_sim->setFiles(
            { { QStringLiteral("SAME.py"), "same" }, { QStringLiteral("DIFF.py"), "old" },
                { QStringLiteral("SIZE.py"), "short" }, { QStringLiteral("EXTRA.py"), "e" } });
        QStringList args { QStringLiteral("sync"), dir.path() };
        if (deleteExtra)
            args << QStringLiteral("--delete");
        if (quick)
            args << QStringLiteral("--quick");
        const Run r = vuvectl(args);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QString expected = quick ? QString() : QStringLiteral("replaced DIFF.py\n");
        expected += QStringLiteral("sent MISS.py\nreplaced SIZE.py\n");
        if (deleteExtra)
            expected += QStringLiteral("deleted EXTRA.py\n");
        if (quick)
            expected.prepend(
                QStringLiteral("# compared by name and size only; contents were not read\n"));
        QCOMPARE(r.out, expected);
        QCOMPARE(m_sim->fileContent(QStringLiteral("SIZE.py")), QByteArray("longer"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("MISS.py")), QByteArray("m"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("DIFF.py")),
            quick ? QByteArray("old") : QByteArray("new"));
        QCOMPARE(count(m_sim, calcMsg::SEND_FILE), quick ? 2 : 3);
        QCOMPARE(m_sim->hasFile(QStringLiteral("EXTRA.py")), !deleteExtra);
        QCOMPARE(
            r.err.contains(QStringLiteral("1 extra file left on the calculator")), !deleteExtra);

        const Run after = vuvectl({ QStringLiteral("diff"), dir.path() });
        const bool matches = deleteExtra && !quick;
        QVERIFY2(after.exitCode == (matches ? 0 : 1), qPrintable(after.out + after.err));
        QCOMPARE(after.out.contains(QStringLiteral("extra\tEXTRA.py")), !deleteExtra);
    }

    void syncJson()
    {
        QTemporaryDir dir;
        fill(dir, { { QStringLiteral("A.py"), "a" }, { QStringLiteral("B.py"), "b" } });
        m_sim->setFiles({ { QStringLiteral("A.py"), "a" }, { QStringLiteral("X.py"), "x" } });
        const Run r = vuvectl({ QStringLiteral("--json"), QStringLiteral("--verify"),
            QStringLiteral("sync"), dir.path() });
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QJsonObject doc = json(r.out);
        QCOMPARE(doc.value(QStringLiteral("matches")).toBool(), true);
        QCOMPARE(doc.value(QStringLiteral("extra_kept")).toInt(), 1);
        QMap<QString, QJsonObject> byName;
        for (const QJsonValue &v : doc.value(QStringLiteral("files")).toArray())
            byName.insert(v.toObject().value(QStringLiteral("name")).toString(), v.toObject());
        QCOMPARE(byName.size(), 3);
        QCOMPARE(byName.value(QStringLiteral("B.py")).value(QStringLiteral("outcome")).toString(),
            QStringLiteral("sent"));
        QCOMPARE(
            byName.value(QStringLiteral("B.py")).value(QStringLiteral("verified")).toBool(), true);
        QCOMPARE(byName.value(QStringLiteral("A.py")).value(QStringLiteral("outcome")).toString(),
            QStringLiteral("kept"));
        QCOMPARE(byName.value(QStringLiteral("X.py")).value(QStringLiteral("action")).toString(),
            QStringLiteral("keep"));
    }

    // As put: an empty file or one over 1 MiB stops the batch before anything
    // moves, and each is named.
    void syncChecksTheBatch()
    {
        QTemporaryDir dir;
        fill(dir,
            { { QStringLiteral("GOOD.py"), "good" }, { QStringLiteral("EMPTY.py"), "" },
                { QStringLiteral("BIG.py"), QByteArray(1048577, 'x') } });
        const Run r = vuvectl({ QStringLiteral("sync"), dir.path() });
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(dir.filePath(QStringLiteral("EMPTY.py")))
                && r.err.contains(dir.filePath(QStringLiteral("BIG.py")))
                && r.err.contains(QStringLiteral("Nothing was sent.")),
            qPrintable(r.err));
        QCOMPARE(count(m_sim, calcMsg::SEND_FILE), 0);
        QVERIFY(m_sim->files().isEmpty());
    }

    // Unplugged in the middle: the sync ends within its wait limit and says
    // what was sent and what was not.
    void unpluggedMidSync()
    {
        QTemporaryDir dir;
        fill(dir,
            { { QStringLiteral("A.py"), "a" }, { QStringLiteral("B.py"), "b" },
                { QStringLiteral("C.py"), "c" } });
        m_sim->setFiles({ { QStringLiteral("X.py"), "x" } });
        m_sim->setUnplugDuring(calcMsg::SEND_FILE, 0);
        QElapsedTimer clock;
        clock.start();
        const Run r = vuvectl({ QStringLiteral("--timeout"), QStringLiteral("1000"),
            QStringLiteral("sync"), QStringLiteral("--delete"), dir.path() });
        QCOMPARE(r.exitCode, 1);
        QVERIFY(clock.elapsed() < 30000);
        QCOMPARE(count(m_sim, calcMsg::SEND_FILE), 1);
        QVERIFY2(r.err.contains(QStringLiteral(
                     "stopped answering, so these files were not sent: B.py, C.py.")),
            qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("stopped answering, so these files were not "
                                               "deleted: X.py.")),
            qPrintable(r.err));
    }

    // A file rewritten while the one before it is sent goes as it is then,
    // and is said to have changed.
    void fileChangedSinceCompare()
    {
        QTemporaryDir dir;
        fill(dir,
            { { QStringLiteral("A.py"), QByteArray(60000, 'a') },
                { QStringLiteral("B.py"), "before" } });
        m_sim->setByteRate(60000);
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral(VUVECTL_PATH),
            { QStringLiteral("--port"), m_sim->portPath(), QStringLiteral("sync"), dir.path() });
        QTRY_VERIFY_WITH_TIMEOUT(count(m_sim, calcMsg::SEND_FILE) >= 1, 20000);
        writeFile(dir.filePath(QStringLiteral("B.py")), "after, and longer");
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 0, qPrintable(err));
        QCOMPARE(m_sim->fileContent(QStringLiteral("B.py")), QByteArray("after, and longer"));
        QVERIFY2(err.contains(dir.filePath(QStringLiteral("B.py"))
                     + QStringLiteral(" changed since the compare; it was sent as it is now.")),
            qPrintable(err));
        QVERIFY(!err.contains(QStringLiteral("A.py")));
    }

    // Two calculators, one of which refuses what it is sent: that one fails
    // the whole, the other is in step, and each one's lines are its own.
    void everyWithOneFailing_data()
    {
        QTest::addColumn<bool>("refuseRead");
        QTest::newRow("refused send") << false;
        QTest::newRow("refused read") << true;
    }
    void everyWithOneFailing()
    {
        QFETCH(bool, refuseRead);
        QTemporaryDir dir;
        fill(dir, { { QStringLiteral("A.py"), "new" }, { QStringLiteral("B.py"), "b" } });
        CalcSimulator *bad = another(QStringLiteral("Broken"));
        QVERIFY(bad);
        m_sim->setFiles({ { QStringLiteral("A.py"), "old" } });
        bad->setFiles({ { QStringLiteral("A.py"), "old" } });
        if (refuseRead)
            bad->setFileFault(QStringLiteral("A.py"), CalcSimulator::FileFault::RefuseRead);
        else
            bad->setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
        attach({ m_sim, bad });
        const Run r
            = vuvectl({ QStringLiteral("--every"), QStringLiteral("sync"), dir.path() }, false);
        QVERIFY2(r.exitCode == 1, qPrintable(r.out + r.err));
        QCOMPARE(m_sim->fileContent(QStringLiteral("A.py")), QByteArray("new"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("B.py")), QByteArray("b"));
        const QString good = QStringLiteral("Vori X1\t%1\t").arg(m_sim->portPath());
        const QString broken = QStringLiteral("Broken\t%1\t").arg(bad->portPath());
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.contains(good + QStringLiteral("replaced A.py")), qPrintable(r.out));
        QVERIFY2(lines.contains(good + QStringLiteral("sent B.py")), qPrintable(r.out));
        int results = 0;
        for (const QString &line : lines) {
            QVERIFY2(line.startsWith(good) || line.startsWith(broken), qPrintable(line));
            if (line.startsWith(good + QStringLiteral("ok\t")))
                ++results;
            if (line.startsWith(broken + QStringLiteral("failed\t")))
                ++results;
        }
        QCOMPARE(results, 2);

        const Run after = vuvectl({ QStringLiteral("--every"), QStringLiteral("--quick"),
                                      QStringLiteral("diff"), dir.path() },
            false);
        QVERIFY2(after.out.contains(good
                     + QStringLiteral("ok\t2 same, 0 different, 0 missing, "
                                      "0 extra")),
            qPrintable(after.out));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("diff without a folder") << QStringList { QStringLiteral("diff") };
        QTest::newRow("two folders")
            << QStringList { QStringLiteral("sync"), QStringLiteral("a"), QStringLiteral("b") };
        QTest::newRow("--delete with diff") << QStringList { QStringLiteral("diff"),
            QStringLiteral("--delete"), QStringLiteral("a") };
        QTest::newRow("--dry-run with diff") << QStringList { QStringLiteral("diff"),
            QStringLiteral("--dry-run"), QStringLiteral("a") };
        QTest::newRow("--quick with put") << QStringList { QStringLiteral("put"),
            QStringLiteral("--quick"), QStringLiteral("a") };
        QTest::newRow("--sync without station")
            << QStringList { QStringLiteral("ls"), QStringLiteral("--sync"), QStringLiteral("a") };
        QTest::newRow("station --sync and --send")
            << QStringList { QStringLiteral("station"), QStringLiteral("--sync"),
                   QStringLiteral("a"), QStringLiteral("--send"), QStringLiteral("b") };
        QTest::newRow("station --dry-run") << QStringList { QStringLiteral("station"),
            QStringLiteral("--sync"), QStringLiteral("a"), QStringLiteral("--dry-run") };
    }
    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run r = vuvectl(args, false);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.startsWith(QStringLiteral("vuvectl: ")));
    }
};

QTEST_GUILESS_MAIN(TestCtlSync)
#include "tst_ctlsync.moc"
