#include "CalcSimulator.h"
#include "FileSizeLimit.h"
#include "ProcessRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <random>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using VivuRuza::calcMsg;
using Files = QList<QPair<QString, QByteArray>>;

// A terminal for vuvectl's stdin and stderr, as a person at a keyboard has:
// the test reads what it prints there and types the answers.
class Terminal
{
public:
    Terminal()
    {
        int slave = -1;
        if (::openpty(&m_master, &slave, nullptr, nullptr, nullptr) != 0)
            return;
        termios raw;
        ::tcgetattr(slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);
        m_path = QString::fromLocal8Bit(::ttyname(slave));
        ::close(slave);
    }
    ~Terminal()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    QString path() const { return m_path; }
    void type(const QByteArray &text)
    {
        QVERIFY(::write(m_master, text.constData(), size_t(text.size())) == text.size());
    }
    // Waits until the text has appeared count times in all that was printed.
    bool waitFor(const QString &text, int count = 1, int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (m_seen.count(text) < count) {
            const int left = timeoutMs - int(clock.elapsed());
            if (left <= 0)
                return false;
            pollfd p { m_master, POLLIN, 0 };
            if (::poll(&p, 1, left) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            m_seen += QString::fromUtf8(buffer, int(n));
        }
        return true;
    }
    // Takes in whatever was printed and not yet read.
    void drain()
    {
        pollfd p { m_master, POLLIN, 0 };
        char buffer[4096];
        while (::poll(&p, 1, 0) > 0) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                return;
            m_seen += QString::fromUtf8(buffer, int(n));
        }
    }
    QString seen() const { return m_seen; }
    // Starts vuvectl with its questions and answers on this terminal, as a
    // person at a terminal runs it; false when no terminal could be made.
    bool start(QProcess &process, const QStringList &args) const
    {
        if (m_path.isEmpty())
            return false;
        process.setStandardInputFile(m_path);
        process.setStandardErrorFile(m_path);
        process.start(QStringLiteral(VUVECTL_PATH), args);
        return true;
    }

private:
    int m_master = -1;
    QString m_path;
    QString m_seen;
};

class TestVuveCtl : public QObject
{
    Q_OBJECT

    Run vuvectl(const QStringList &args, bool withPort = true)
    {
        QStringList all = args;
        if (withPort)
            all = QStringList { QStringLiteral("--port"), m_sim->portPath() } + args;
        return runProcess(QStringLiteral(VUVECTL_PATH), all, m_env);
    }

    static QJsonObject json(const QString &text)
    {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError)
            qWarning("not JSON (%s): %s", qPrintable(error.errorString()), qPrintable(text));
        return doc.object();
    }

    static QList<QJsonObject> jsonLines(const QString &text)
    {
        QList<QJsonObject> lines;
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            lines.append(json(line));
        return lines;
    }

    // --every prints a calculator's result when it is done, so in no fixed
    // order: results are looked up by port.
    static QMap<QString, QJsonObject> jsonByPort(const QString &text)
    {
        QMap<QString, QJsonObject> byPort;
        for (const QJsonObject &o : jsonLines(text))
            byPort.insert(o.value(QStringLiteral("port")).toString(), o);
        return byPort;
    }

    static QString lineOf(const QStringList &lines, const QString &port)
    {
        for (const QString &line : lines) {
            if (line.section(QLatin1Char('\t'), 1, 1) == port)
                return line;
        }
        return QString();
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
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(content), qint64(content.size()));
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static Files sorted(Files files)
    {
        std::sort(files.begin(), files.end());
        return files;
    }

    int countSent(int type) const
    {
        const QList<int> types = m_sim->receivedTypes();
        return int(std::count(types.cbegin(), types.cend(), type));
    }

    // Calculators that only the test seam can list.
    void attach(const QList<CalcSimulator *> &sims, const QStringList &serials = {})
    {
        QFile list(m_portsFile);
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int i = 0; i < sims.size(); ++i)
            list.write(
                (sims.at(i)->portPath() + QLatin1Char('\t') + serials.value(i) + QLatin1Char('\n'))
                    .toUtf8());
        list.close();
        m_env.insert(QStringLiteral("VUVECTL_TEST_PORTS"), m_portsFile);
    }

    // The receipt's lines, its header first.
    static QStringList receiptLines(const QString &parent)
    {
        return QString::fromUtf8(readFile(QDir(parent).filePath(QStringLiteral("receipt.csv"))))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    static QString sha256(const QByteArray &content)
    {
        return QString::fromLatin1(
            QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
    }

    CalcSimulator *m_sim = nullptr;
    QList<CalcSimulator *> m_more;
    QProcessEnvironment m_env;
    QTemporaryDir m_scratch;
    QString m_portsFile;

    CalcSimulator *another(const QString &name)
    {
        auto *sim = new CalcSimulator;
        sim->setName(name);
        sim->setFiles({ { QStringLiteral("OWN.py"), name.toUtf8() } });
        m_more.append(sim);
        return sim->start() ? sim : nullptr;
    }

private slots:
    void init()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.remove(QStringLiteral("VUVECTL_TEST_PORTS"));
        m_portsFile = m_scratch.filePath(QStringLiteral("ports"));
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

    void roundTrip_data()
    {
        QTest::addColumn<int>("size");
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
        QCOMPARE(readFile(written), content);
    }

    void infoAndRename()
    {
        m_sim->setMaxChunkSize(4096);
        m_sim->setVersions(QStringLiteral("HW2"), QStringLiteral("FW4.1"), QStringLiteral("PR2"));
        Run info = vuvectl({ QStringLiteral("info") });
        QCOMPARE(info.exitCode, 0);
        QCOMPARE(info.out,
            QStringLiteral("name: Vori X1\nchunk size: 4096\nhardware: HW2\nfirmware: FW4.1\n"
                           "protocol version: PR2\n"));

        Run rename = vuvectl({ QStringLiteral("rename"), QStringLiteral("Lab 3") });
        QCOMPARE(rename.exitCode, 0);
        QCOMPARE(m_sim->name(), QStringLiteral("Lab 3"));
        QVERIFY(
            vuvectl({ QStringLiteral("info") }).out.startsWith(QStringLiteral("name: Lab 3\n")));
    }

    // The window ignores an empty name and takes at most 64 characters.
    void renameLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("empty") << QString() << 2;
        QTest::newRow("65 characters") << QString(65, QLatin1Char('n')) << 2;
        QTest::newRow("100 characters") << QString(100, QLatin1Char('n')) << 2;
        QTest::newRow("64 characters") << QString(64, QLatin1Char('n')) << 0;
        QTest::newRow("64 non-Latin characters") << QString(64, QChar(0x03C0)) << 0;
    }
    void renameLimits()
    {
        QFETCH(QString, name);
        QFETCH(int, exitCode);
        Run r = vuvectl({ QStringLiteral("rename"), name });
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(m_sim->name(), exitCode == 0 ? name : QStringLiteral("Vori X1"));
        QCOMPARE(countSent(calcMsg::CHANGE_NAME), exitCode == 0 ? 1 : 0);
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
            if (m.type() == calcMsg::DELETE_FILE) {
                QCOMPARE(m.finf().name(), std::string("A.PY"));
                QCOMPARE(m.finf().size(), 1);
                seen = true;
            }
        }
        QVERIFY(seen);
    }

    // Names and shell patterns are matched against the calculator's list.
    void selection_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("chosen");
        const QStringList all { QStringLiteral("MAIN.py"), QStringLiteral("GRAPH.py"),
            QStringLiteral("NOTES.txt") };
        QTest::newRow("pattern") << QStringList { QStringLiteral(
            "*.py") } << 0 << QStringList { QStringLiteral("MAIN.py"), QStringLiteral("GRAPH.py") };
        QTest::newRow("character class")
            << QStringList { QStringLiteral("[GN]*") } << 0
            << QStringList { QStringLiteral("GRAPH.py"), QStringLiteral("NOTES.txt") };
        QTest::newRow("name and overlapping pattern") << QStringList { QStringLiteral("MAIN.py"),
            QStringLiteral("M*") } << 0 << QStringList { QStringLiteral("MAIN.py") };
        QTest::newRow("all files") << QStringList { QStringLiteral("--all-files") } << 0 << all;
        QTest::newRow("pattern matching nothing") << QStringList { QStringLiteral("*.bin"),
            QStringLiteral("MAIN.py") } << 1 << QStringList { QStringLiteral("MAIN.py") };
    }
    void selection()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, chosen);
        const Files files { { QStringLiteral("MAIN.py"), "m" },
            { QStringLiteral("GRAPH.py"), "gg" }, { QStringLiteral("NOTES.txt"), "nnn" } };
        m_sim->setFiles(files);
        QTemporaryDir to;
        Run get = vuvectl(
            QStringList { QStringLiteral("get"), QStringLiteral("--to"), to.path() } + args);
        QCOMPARE(get.exitCode, exitCode);
        QStringList got = QDir(to.path()).entryList(QDir::Files);
        QStringList expected = chosen;
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);

        Run rm = vuvectl(QStringList { QStringLiteral("rm") } + args);
        QCOMPARE(rm.exitCode, exitCode);
        for (const auto &file : files)
            QCOMPARE(m_sim->hasFile(file.first), !chosen.contains(file.first));
    }

    // A calculator may hold names that read as patterns: naming one means
    // that file alone, and a pattern that is none is one clear error.
    void listedNamesBeforePatterns_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("err");
        QTest::newRow("listed name with a star")
            << QStringList { QStringLiteral("A*.TXT") } << 0
            << QStringList { QStringLiteral("A*.TXT") } << QString();
        QTest::newRow("listed name with brackets")
            << QStringList { QStringLiteral("[X].TXT") } << 0
            << QStringList { QStringLiteral("[X].TXT") } << QString();
        QTest::newRow("file named [") << QStringList { QStringLiteral("[") } << 0
                                      << QStringList { QStringLiteral("[") } << QString();
        QTest::newRow("pattern") << QStringList { QStringLiteral("A?.TXT") } << 0
                                 << QStringList { QStringLiteral("A*.TXT"),
                                        QStringLiteral("AB.TXT"), QStringLiteral("AC.TXT") }
                                 << QString();
        QTest::newRow("unlisted name read as a pattern")
            << QStringList { QStringLiteral("[XY].TXT") } << 0
            << QStringList { QStringLiteral("X.TXT") } << QString();
        QTest::newRow("invalid pattern")
            << QStringList { QStringLiteral("[Z"), QStringLiteral("AB.TXT") } << 1
            << QStringList { QStringLiteral("AB.TXT") }
            << QStringLiteral("[Z is neither a file on the calculator nor a valid pattern.\n");
    }
    void listedNamesBeforePatterns()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, chosen);
        QFETCH(QString, err);
        const Files files { { QStringLiteral("A*.TXT"), "star" }, { QStringLiteral("AB.TXT"), "b" },
            { QStringLiteral("AC.TXT"), "c" }, { QStringLiteral("[X].TXT"), "brackets" },
            { QStringLiteral("X.TXT"), "x" }, { QStringLiteral("["), "bracket" } };
        m_sim->setFiles(files);
        QTemporaryDir to;
        Run get = vuvectl(
            QStringList { QStringLiteral("get"), QStringLiteral("--to"), to.path() } + args);
        QCOMPARE(get.exitCode, exitCode);
        // One sentence, and no toolkit warning for each file listed.
        QCOMPARE(get.err, err);
        QStringList got = QDir(to.path()).entryList(QDir::Files);
        QStringList expected = chosen;
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);
        for (const QString &name : qAsConst(chosen))
            QCOMPARE(readFile(to.filePath(name)), m_sim->fileContent(name));

        Run rm = vuvectl(QStringList { QStringLiteral("rm") } + args);
        QCOMPARE(rm.exitCode, exitCode);
        QCOMPARE(rm.err, err);
        for (const auto &file : files)
            QCOMPARE(m_sim->hasFile(file.first), !chosen.contains(file.first));
    }

    // Each calculator's folder has a name anyone can guess: one that another
    // user made first, or a link planted under it, is never written into.
    void everyGetMakesItsOwnFolder_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("folder made by someone else") << false;
        QTest::newRow("link planted") << true;
    }
    void everyGetMakesItsOwnFolder()
    {
        QFETCH(bool, link);
        m_sim->setFiles({ { QStringLiteral("MINE.py"), "mine" } });
        attach({ m_sim });
        QTemporaryDir dir, elsewhere;
        const QString planted = dir.filePath(
            QStringLiteral("Vori X1 (%1)").arg(QFileInfo(m_sim->portPath()).fileName()));
        if (link)
            QVERIFY(QFile::link(elsewhere.path(), planted));
        else
            QVERIFY(QDir().mkdir(planted));
        Run r
            = vuvectl({ QStringLiteral("--json"), QStringLiteral("--every"), QStringLiteral("get"),
                          QStringLiteral("--to"), dir.path(), QStringLiteral("--all-files") },
                false);
        QCOMPARE(r.exitCode, 0);
        const QList<QJsonObject> results = jsonLines(r.out);
        QCOMPARE(results.size(), 1);
        const QString folder = results.first().value(QStringLiteral("folder")).toString();
        QCOMPARE(folder, planted + QStringLiteral("-2"));
        QVERIFY(!QFileInfo(folder).isSymLink());
        QCOMPARE(readFile(QDir(folder).filePath(QStringLiteral("MINE.py"))), QByteArray("mine"));
        QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
    }

    // Once made, a folder in a shared folder may be renamed by another user
    // and a link to the first user's home put in its place while the
    // calculator still sends: the rest goes into the folder made, nothing
    // into the home, and the outcome does not send the user to the link.
    void sharedFolderSwappedWhileWriting_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("errHas");
        QTest::newRow("backup") << QStringList { QStringLiteral("--port"), QStringLiteral("@PORT"),
            QStringLiteral("backup"), QStringLiteral("@DIR") }
                                << QStringLiteral(
                                       "was moved or replaced while the backup was written");
        QTest::newRow("every get")
            << QStringList { QStringLiteral("--every"), QStringLiteral("get"),
                   QStringLiteral("--to"), QStringLiteral("@DIR"), QStringLiteral("--all-files"),
                   QStringLiteral("--on-conflict=replace") }
            << QStringLiteral("was moved or replaced while files were copied");
    }
    void sharedFolderSwappedWhileWriting()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, errHas);
        Files files;
        for (const char *name : { "A.py", ".bashrc", "C.py", "D.py", "E.py" })
            files.append({ QString::fromLatin1(name), randomBytes(700, int(files.size())) });
        m_sim->setFiles(files);
        // A calculator that answers slowly leaves the other user the time.
        m_sim->setLatency(150);
        attach({ m_sim });
        QTemporaryDir shared, home;
        args.replaceInStrings(QStringLiteral("@DIR"), shared.path());
        args.replaceInStrings(QStringLiteral("@PORT"), m_sim->portPath());
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral(VUVECTL_PATH), args);
        QString made;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QStringList found
                    = QDir(shared.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
                made = found.isEmpty() ? QString() : shared.filePath(found.first());
                return !made.isEmpty() && QFileInfo::exists(made + QStringLiteral("/A.py"));
            }(),
            60000);
        const QString aside = shared.filePath(QStringLiteral("moved"));
        QVERIFY(QDir().rename(made, aside));
        QVERIFY(QFile::link(home.path(), made));
        QVERIFY(p.waitForFinished(120000));
        // With --every the failure is the calculator's result line.
        const QString said = QString::fromUtf8(p.readAllStandardError())
            + QString::fromUtf8(p.readAllStandardOutput());
        m_sim->setLatency(0);

        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(said.contains(errHas), qPrintable(said));
        QCOMPARE(
            QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
        for (const auto &file : qAsConst(files))
            QCOMPARE(readFile(aside + QLatin1Char('/') + file.first), file.second);
    }

    // The whole batch is checked before anything is sent.
    void putRefusals_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("zero-length")
            << QStringList { QStringLiteral("ok.py"), QStringLiteral("@EMPTY") }
            << QStringLiteral("is zero-length and can't be sent.");
        QTest::newRow("one name from two folders")
            << QStringList { QStringLiteral("a/prog.py"), QStringLiteral("b/prog.py") }
            << QStringLiteral("would both be PROG.py on the calculator");
        QTest::newRow("one name from two long names")
            << QStringList { QStringLiteral("programme1.py"), QStringLiteral("programme2.py") }
            << QStringLiteral("would both be PROGRAMM.py");
        QTest::newRow("one name from two non-Latin names")
            << QStringList { QString::fromUtf8("\u03C0.py"), QString::fromUtf8("\u03C3.py") }
            << QStringLiteral("would both be _.py");
        QTest::newRow("one name in different case") << QStringList { QStringLiteral("main.py"),
            QStringLiteral("x/MAIN.py") } << QStringLiteral("would both be MAIN.py");
        QTest::newRow("missing") << QStringList { QStringLiteral("ok.py"),
            QStringLiteral("@MISSING") }
                                 << QStringLiteral("does not exist");
        QTest::newRow("folder") << QStringList { QStringLiteral("ok.py"),
            QStringLiteral("@FOLDER") }
                                << QStringLiteral("is not a regular file");
        QTest::newRow("too large")
            << QStringList { QStringLiteral("ok.py"), QStringLiteral("@BIG") }
            << QStringLiteral("larger than 1 MiB");
        QTest::newRow("no name left") << QStringList { QStringLiteral("ok.py"),
            QStringLiteral("...") } << QStringLiteral("has no name the calculator can keep");
    }
    void putRefusals()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stderrHas);
        QTemporaryDir dir;
        QStringList paths;
        for (const QString &file : files) {
            QString path = dir.filePath(file);
            if (file == QLatin1String("@EMPTY"))
                writeFile(path = dir.filePath(QStringLiteral("empty.py")), QByteArray());
            else if (file == QLatin1String("@MISSING"))
                path = dir.filePath(QStringLiteral("missing.py"));
            else if (file == QLatin1String("@FOLDER"))
                QDir().mkpath(path = dir.filePath(QStringLiteral("folder.py")));
            else if (file == QLatin1String("@BIG"))
                writeFile(path = dir.filePath(QStringLiteral("big.py")), QByteArray(1048577, 'b'));
            else
                writeFile(path, "print(1)\n");
            paths.append(path);
        }
        Run r = vuvectl(QStringList { QStringLiteral("put") } + paths);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(stderrHas), qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("Nothing was sent.")), qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QCOMPARE(countSent(calcMsg::SEND_FILE), 0);
        QVERIFY(m_sim->files().isEmpty());
    }

    void renamedFilesReported()
    {
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("prog_long.py"));
        writeFile(local, "x = 1\n");
        Run r = vuvectl({ QStringLiteral("put"), local });
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, local + QStringLiteral(" -> PROG_LON.py\n"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("PROG_LON.py")), QByteArray("x = 1\n"));
    }

    // A taken name on the calculator (put) or in the folder (get), settled by
    // --on-conflict; without it and without a terminal, nothing moves.
    void conflictPolicy_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("policy");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("takenReplaced");
        QTest::addColumn<bool>("freeTransferred");
        for (const char *command : { "put", "get" }) {
            const QString c = QLatin1String(command);
            QTest::addRow("%s, no policy", command) << c << QString() << 3 << false << false;
            QTest::addRow("%s, fail", command)
                << c << QStringLiteral("fail") << 3 << false << false;
            QTest::addRow("%s, skip", command) << c << QStringLiteral("skip") << 0 << false << true;
            QTest::addRow("%s, replace", command)
                << c << QStringLiteral("replace") << 0 << true << true;
        }
    }
    void conflictPolicy()
    {
        QFETCH(QString, command);
        QFETCH(QString, policy);
        QFETCH(int, exitCode);
        QFETCH(bool, takenReplaced);
        QFETCH(bool, freeTransferred);
        QTemporaryDir dir;
        // MAIN.py is on both sides; NEW.py only on the sending side.
        const bool put = command == QLatin1String("put");
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "calculator" } });
        writeFile(dir.filePath(QStringLiteral("MAIN.py")), "computer");
        if (put)
            writeFile(dir.filePath(QStringLiteral("NEW.py")), "new");
        else
            m_sim->setFiles({ { QStringLiteral("MAIN.py"), "calculator" },
                { QStringLiteral("NEW.py"), "new" } });
        QStringList args { command };
        if (!policy.isEmpty())
            args << QStringLiteral("--on-conflict=") + policy;
        if (put)
            args << dir.filePath(QStringLiteral("MAIN.py"))
                 << dir.filePath(QStringLiteral("NEW.py"));
        else
            args << QStringLiteral("--to") << dir.path() << QStringLiteral("MAIN.py")
                 << QStringLiteral("NEW.py");
        Run r = vuvectl(args);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 3) {
            QVERIFY2(r.err.contains(QStringLiteral("MAIN.py")), qPrintable(r.err));
            QVERIFY2(r.err.contains(QStringLiteral("--on-conflict")), qPrintable(r.err));
        }
        if (put) {
            QCOMPARE(m_sim->fileContent(QStringLiteral("MAIN.py")),
                QByteArray(takenReplaced ? "computer" : "calculator"));
            QCOMPARE(m_sim->hasFile(QStringLiteral("NEW.py")), freeTransferred);
            QCOMPARE(countSent(calcMsg::SEND_FILE), int(takenReplaced) + int(freeTransferred));
        } else {
            QCOMPARE(readFile(dir.filePath(QStringLiteral("MAIN.py"))),
                QByteArray(takenReplaced ? "calculator" : "computer"));
            QCOMPARE(QFileInfo::exists(dir.filePath(QStringLiteral("NEW.py"))), freeTransferred);
            QCOMPARE(countSent(calcMsg::GET_FILE), int(takenReplaced) + int(freeTransferred));
        }
    }

    // On a terminal each taken name is a question: yes, no, all, none.
    void askedOnTerminal_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("replaced"); // one letter per taken file A, B, C: r or k(ept)
        for (const char *command : { "put", "get" }) {
            const QString c = QLatin1String(command);
            QTest::addRow("%s: yes, no, yes", command)
                << c
                << QStringList { QStringLiteral("y"), QStringLiteral("no"), QStringLiteral("yes") }
                << QStringLiteral("rkr");
            QTest::addRow("%s: no, all", command)
                << c << QStringList { QStringLiteral("n"), QStringLiteral("a") }
                << QStringLiteral("krr");
            QTest::addRow("%s: yes, none", command)
                << c << QStringList { QStringLiteral("y"), QStringLiteral("none") }
                << QStringLiteral("rkk");
            QTest::addRow("%s: nonsense asked again, then all", command)
                << c << QStringList { QStringLiteral("maybe"), QStringLiteral("all") }
                << QStringLiteral("rrr");
        }
    }
    void askedOnTerminal()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, answers);
        QFETCH(QString, replaced);
        const bool put = command == QLatin1String("put");
        const QStringList names { QStringLiteral("A.py"), QStringLiteral("B.py"),
            QStringLiteral("C.py") };
        QTemporaryDir dir;
        Files onCalc;
        QStringList args { QStringLiteral("--port"), m_sim->portPath(), command };
        if (!put)
            args << QStringLiteral("--to") << dir.path();
        for (const QString &name : names) {
            onCalc.append({ name, "calculator" });
            writeFile(dir.filePath(name), "computer");
            args << (put ? dir.filePath(name) : name);
        }
        m_sim->setFiles(onCalc);

        Terminal terminal;
        QProcess p;
        QVERIFY(terminal.start(p, args));
        for (int i = 0; i < answers.size(); ++i) {
            QVERIFY2(terminal.waitFor(QStringLiteral("[y]es/[n]o/[a]ll/none?"), i + 1),
                qPrintable(terminal.seen()));
            terminal.type(answers.at(i).toUtf8() + '\n');
        }
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        // Exactly as many questions as answers: "all" and "none" end the asking.
        terminal.drain();
        QCOMPARE(terminal.seen().count(QStringLiteral("[y]es/[n]o/[a]ll/none?")), answers.size());
        for (int i = 0; i < names.size(); ++i) {
            const bool r = replaced.at(i) == QLatin1Char('r');
            const QByteArray now
                = put ? m_sim->fileContent(names.at(i)) : readFile(dir.filePath(names.at(i)));
            QCOMPARE(now, QByteArray(r == put ? "computer" : "calculator"));
        }
    }

    void backupAndRestore()
    {
        const Files original { { QStringLiteral("MAIN.py"), randomBytes(3000, 1) },
            { QStringLiteral("EMPTY.txt"), QByteArray() },
            { QStringLiteral("DATA.bin"), randomBytes(70000, 2) } };
        m_sim->setFiles(original);
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        const QString folder = backup.out.trimmed();
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(backup.out));
        QVERIFY2(QRegularExpression(QStringLiteral("/Vori X1-\\d{4}-\\d\\d-\\d\\dT\\d{6}Z$"))
                     .match(folder)
                     .hasMatch(),
            qPrintable(folder));
        QVERIFY(!QFileInfo::exists(QDir(folder).filePath(QStringLiteral("INCOMPLETE.txt"))));
        const QJsonObject manifest = json(
            QString::fromUtf8(readFile(QDir(folder).filePath(QStringLiteral("manifest.json")))));
        QCOMPARE(manifest.value(QStringLiteral("device"))
                     .toObject()
                     .value(QStringLiteral("name"))
                     .toString(),
            QStringLiteral("Vori X1"));
        const QJsonArray listed = manifest.value(QStringLiteral("files")).toArray();
        QCOMPARE(listed.size(), original.size());
        for (int i = 0; i < original.size(); ++i) {
            const QJsonObject f = listed.at(i).toObject();
            QCOMPARE(f.value(QStringLiteral("name")).toString(), original.at(i).first);
            QCOMPARE(f.value(QStringLiteral("size")).toInt(), original.at(i).second.size());
            QCOMPARE(f.value(QStringLiteral("sha256")).toString().toLatin1(),
                QCryptographicHash::hash(original.at(i).second, QCryptographicHash::Sha256)
                    .toHex());
            QCOMPARE(readFile(QDir(folder).filePath(original.at(i).first)), original.at(i).second);
        }

        // Changed, deleted and one file more than the backup knows.
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "changed" },
            { QStringLiteral("DATA.bin"), original.at(2).second } });
        Run refused = vuvectl({ QStringLiteral("restore"), folder });
        QCOMPARE(refused.exitCode, 3);
        QCOMPARE(m_sim->fileContent(QStringLiteral("MAIN.py")), QByteArray("changed"));

        Run restore = vuvectl(
            { QStringLiteral("--on-conflict=replace"), QStringLiteral("restore"), folder });
        QCOMPARE(restore.exitCode, 0);
        QCOMPARE(sorted(m_sim->files()), sorted(original));
        QCOMPARE(countSent(calcMsg::GET_FILES_NUM) >= 2, true);
    }

    // A backup folder whose files no longer match its manifest is not sent.
    // A backup restored onto another calculator says whose it is; onto its
    // own calculator it says nothing of the kind.
    void restoreOntoAnotherCalculator()
    {
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "print(1)\n" } });
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        const QString folder = backup.out.trimmed();
        CalcSimulator *lab = another(QStringLiteral("Lab 7"));
        QVERIFY(lab);

        Run other = runProcess(QStringLiteral(VUVECTL_PATH),
            { QStringLiteral("--port"), lab->portPath(), QStringLiteral("restore"), folder },
            m_env);
        QCOMPARE(other.exitCode, 0);
        QVERIFY2(other.err.contains(QStringLiteral(
                     "This backup is of Vori X1, not of Lab 7: its files are restored to Lab 7.")),
            qPrintable(other.err));
        QCOMPARE(lab->fileContent(QStringLiteral("MAIN.py")), QByteArray("print(1)\n"));
        Run json = runProcess(QStringLiteral(VUVECTL_PATH),
            { QStringLiteral("--port"), lab->portPath(), QStringLiteral("--json"),
                QStringLiteral("--on-conflict=replace"), QStringLiteral("restore"), folder },
            m_env);
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(this->json(json.out).value(QStringLiteral("backup_of")).toString(),
            QStringLiteral("Vori X1"));

        Run own = vuvectl(
            { QStringLiteral("--on-conflict=replace"), QStringLiteral("restore"), folder });
        QCOMPARE(own.exitCode, 0);
        QVERIFY2(!own.err.contains(QStringLiteral("This backup is of")), qPrintable(own.err));
    }

    void restoreChecksBackup_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("file changed")
            << QStringLiteral("change") << QStringLiteral("differs from what the manifest");
        QTest::newRow("file missing") << QStringLiteral("remove") << QStringLiteral("is missing");
        QTest::newRow("file longer")
            << QStringLiteral("append") << QStringLiteral("the manifest says");
        QTest::newRow("no manifest")
            << QStringLiteral("manifest") << QStringLiteral("no readable manifest.json");
        QTest::newRow("name leaving the folder")
            << QStringLiteral("escape") << QStringLiteral("cannot restore");
    }
    void restoreChecksBackup()
    {
        QFETCH(QString, damage);
        QFETCH(QString, stderrHas);
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "main" }, { QStringLiteral("B.py"), "b" } });
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        const QDir folder(backup.out.trimmed());
        const QString main = folder.filePath(QStringLiteral("MAIN.py"));
        if (damage == QLatin1String("change"))
            writeFile(main, "mai!");
        else if (damage == QLatin1String("remove"))
            QVERIFY(QFile::remove(main));
        else if (damage == QLatin1String("append"))
            writeFile(main, "main and more");
        else if (damage == QLatin1String("manifest"))
            QVERIFY(QFile::remove(folder.filePath(QStringLiteral("manifest.json"))));
        else {
            QByteArray manifest = readFile(folder.filePath(QStringLiteral("manifest.json")));
            manifest.replace("\"MAIN.py\"", "\"../MAIN.py\"");
            writeFile(folder.filePath(QStringLiteral("manifest.json")), manifest);
        }
        m_sim->setFiles({});
        m_sim->clearReceived();
        Run restore = vuvectl({ QStringLiteral("restore"), folder.path() });
        QCOMPARE(restore.exitCode, 1);
        QVERIFY2(restore.err.contains(stderrHas), qPrintable(restore.err));
        QCOMPARE(countSent(calcMsg::SEND_FILE), 0);
    }

    // "verified" says that what was sent is on the calculator: with nothing
    // sent it is false, whatever else went right.
    void restoreVerifiedOnlyWhatArrived_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("every file refused") << true;
        QTest::newRow("every file sent") << false;
    }
    void restoreVerifiedOnlyWhatArrived()
    {
        QFETCH(bool, refused);
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "main" }, { QStringLiteral("B.py"), "b" } });
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        m_sim->setFiles({});
        if (refused)
            m_sim->setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
        Run restore = vuvectl(
            { QStringLiteral("--json"), QStringLiteral("restore"), backup.out.trimmed() });
        QCOMPARE(restore.exitCode, refused ? 1 : 0);
        const QJsonObject result = json(restore.out);
        QCOMPARE(result.value(QStringLiteral("ok")).toBool(refused), !refused);
        QCOMPARE(result.value(QStringLiteral("verified")).toBool(refused), !refused);
        QCOMPARE(m_sim->files().size(), refused ? 0 : 2);
    }

    // A manifest edited to list thousands of files it can't send back, or
    // that are not in the folder: a few are told by name and the rest
    // counted. One listing more files than a calculator holds is refused.
    void restoreCrowdedManifest_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<int>("sent");
        QTest::newRow("can't be sent back")
            << QStringLiteral("unrestorable") << 2000
            << QStringLiteral("1995 more files of the backup can't be restored.") << 2;
        QTest::newRow("missing from the folder")
            << QStringLiteral("files") << 2000 << QStringLiteral("Nothing was sent.") << 0;
        QTest::newRow("more than a calculator holds")
            << QStringLiteral("unrestorable") << 20000
            << QStringLiteral("The manifest.json of @FOLDER lists more files than a calculator "
                              "holds.")
            << 0;
    }
    void restoreCrowdedManifest()
    {
        QFETCH(QString, list);
        QFETCH(int, entries);
        QFETCH(QString, lastLine);
        QFETCH(int, sent);
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "main" }, { QStringLiteral("B.py"), "b" } });
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        const QString folder = backup.out.trimmed();
        const QString manifestPath = QDir(folder).filePath(QStringLiteral("manifest.json"));
        QJsonObject manifest = readJsonFile(manifestPath);
        QJsonArray crowd = manifest.value(list).toArray();
        const QString digest = QString::fromLatin1(
            QCryptographicHash::hash("x", QCryptographicHash::Sha256).toHex());
        for (int i = 0; i < entries; ++i)
            crowd.append(
                QJsonObject { { QStringLiteral("name"),
                                  QStringLiteral("F%1.PY").arg(i, 5, 10, QLatin1Char('0')) },
                    { QStringLiteral("size"), 1 }, { QStringLiteral("sha256"), digest },
                    { QStringLiteral("reason"), QStringLiteral("edited out") } });
        manifest.insert(list, crowd);
        writeFile(manifestPath, QJsonDocument(manifest).toJson());
        m_sim->setFiles({});

        Run restore = vuvectl({ QStringLiteral("restore"), folder });
        QCOMPARE(restore.exitCode, 1);
        QStringList lines = restore.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() <= 7, qPrintable(restore.err));
        QCOMPARE(lines.last(), QString(lastLine).replace(QStringLiteral("@FOLDER"), folder));
        if (entries < 10000) {
            const QString first = list == QLatin1String("files")
                ? QStringLiteral("%1 is missing from the backup.")
                      .arg(QDir(folder).filePath(QStringLiteral("F00000.PY")))
                : QStringLiteral("F00000.PY can't be restored: edited out.");
            QCOMPARE(lines.first(), first);
        }
        if (list == QLatin1String("files"))
            QCOMPARE(lines.at(lines.size() - 2),
                QStringLiteral("1995 more files of the backup do not match its manifest."));
        QCOMPARE(m_sim->files().size(), sent);
    }

    static QJsonObject readJsonFile(const QString &path)
    {
        return QJsonDocument::fromJson(readFile(path)).object();
    }

    static QStringList namesIn(const QJsonArray &entries)
    {
        QStringList names;
        for (const QJsonValue &v : entries)
            names.append(v.toObject().value(QStringLiteral("name")).toString());
        names.sort();
        return names;
    }

    // What a backup cannot hold (a name listed twice, also in another case)
    // or cannot send back (over 1 MiB, a name the calculator's rule would
    // not keep) is said before the first file is copied; the rest restores.
    void backupSaysWhatCannotBeRestored()
    {
        const QByteArray big = randomBytes(1048577, 7);
        m_sim->setFiles({ { QStringLiteral("A.PY"), "a" }, { QStringLiteral("BIG.BIN"), big },
            { QStringLiteral("C.PY"), "upper" }, { QStringLiteral("C.py"), "lower" },
            { QStringLiteral("D.PY"), "d" }, { QStringLiteral("D.PY"), "d" },
            { QStringLiteral("x.PY"), "x" } });
        QTemporaryDir dir;
        Run backup
            = vuvectl({ QStringLiteral("--progress"), QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 1);
        const QStringList said {
            QStringLiteral("BIG.BIN is in the backup, but restore can't send it back: it is "
                           "larger than 1 MiB (1048576 bytes)"),
            QStringLiteral("C.py is not in the backup: the calculator lists C.PY as well"),
            QStringLiteral("D.PY is not in the backup: the calculator lists it twice"),
            QStringLiteral("x.PY is in the backup, but restore can't send it back: its name is "
                           "not one the calculator's 8.3 rule keeps."),
        };
        const int firstCopy = backup.err.indexOf(QStringLiteral("[1/5]"));
        QVERIFY2(firstCopy >= 0, qPrintable(backup.err));
        for (const QString &sentence : said) {
            const int at = backup.err.indexOf(sentence);
            QVERIFY2(at >= 0 && at < firstCopy, qPrintable(backup.err));
        }
        // A backup of all the rest, with the manifest that says so.
        const QDir folder(backup.out.trimmed());
        QVERIFY2(folder.exists(QStringLiteral("manifest.json")), qPrintable(backup.out));
        QVERIFY(!folder.exists(QStringLiteral("INCOMPLETE.txt")));
        QVERIFY(!folder.path().endsWith(QStringLiteral("-incomplete")));
        QCOMPARE(readFile(folder.filePath(QStringLiteral("BIG.BIN"))), big);
        QCOMPARE(readFile(folder.filePath(QStringLiteral("x.PY"))), QByteArray("x"));
        QCOMPARE(readFile(folder.filePath(QStringLiteral("C.PY"))), QByteArray("upper"));
        QVERIFY(!folder.exists(QStringLiteral("C.py")));
        const QJsonObject manifest = readJsonFile(folder.filePath(QStringLiteral("manifest.json")));
        QCOMPARE(namesIn(manifest.value(QStringLiteral("files")).toArray()),
            (QStringList {
                QStringLiteral("A.PY"), QStringLiteral("C.PY"), QStringLiteral("D.PY") }));
        const QJsonArray left = manifest.value(QStringLiteral("unrestorable")).toArray();
        QCOMPARE(namesIn(left),
            (QStringList { QStringLiteral("BIG.BIN"), QStringLiteral("C.py"),
                QStringLiteral("D.PY"), QStringLiteral("x.PY") }));
        for (const QJsonValue &v : left)
            QVERIFY(!v.toObject().value(QStringLiteral("reason")).toString().isEmpty());

        m_sim->setFiles({});
        Run restore
            = vuvectl({ QStringLiteral("--json"), QStringLiteral("restore"), folder.path() });
        QCOMPARE(restore.exitCode, 1);
        QCOMPARE(sorted(m_sim->files()),
            sorted({ { QStringLiteral("A.PY"), "a" }, { QStringLiteral("C.PY"), "upper" },
                { QStringLiteral("D.PY"), "d" } }));
        const QJsonObject result = json(restore.out);
        QCOMPARE(result.value(QStringLiteral("verified")).toBool(), true);
        const QJsonArray errors = result.value(QStringLiteral("errors")).toArray();
        QCOMPARE(errors.size(), 4);
        for (const QString &name : { QStringLiteral("BIG.BIN"), QStringLiteral("C.py"),
                 QStringLiteral("D.PY"), QStringLiteral("x.PY") }) {
            const auto named = [&name](const QJsonValue &e) {
                return e.toString().startsWith(name + QStringLiteral(" can't be restored: "));
            };
            QVERIFY2(std::any_of(errors.begin(), errors.end(), named), qPrintable(name));
        }
        int unrestorable = 0;
        for (const QJsonValue &v : result.value(QStringLiteral("files")).toArray()) {
            const QString status = v.toObject().value(QStringLiteral("status")).toString();
            unrestorable += status == QLatin1String("unrestorable") ? 1 : 0;
            QVERIFY2(status == QLatin1String("sent") || status == QLatin1String("unrestorable"),
                qPrintable(status));
        }
        QCOMPARE(unrestorable, 4);
    }

    // Restore takes a manifest as any writer may have left it, and sends
    // nothing to the calculator under a name its own rule would not keep.
    void restoreReadsManifest_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("restored");
        QTest::addColumn<QString>("err");
        QTest::newRow("digests in upper case")
            << QStringLiteral("upper")
            << QStringList { QStringLiteral("MAIN.py"), QStringLiteral("B.py") } << QString();
        QTest::newRow("name the rule changes")
            << QStringLiteral("main.py") << QStringList { QStringLiteral("B.py") }
            << QStringLiteral("main.py can't be restored: its name is not one the calculator's "
                              "8.3 rule keeps.\n");
        QTest::newRow("name with a control character")
            << QStringLiteral("M\x1b[2JAIN.py") << QStringList { QStringLiteral("B.py") }
            << QStringLiteral("M\\x1b[2JAIN.py can't be restored: its name is not one the "
                              "calculator's 8.3 rule keeps.\n");
        QTest::newRow("file over 1 MiB, as older backups list it")
            << QStringLiteral("big")
            << QStringList { QStringLiteral("MAIN.py"), QStringLiteral("B.py") }
            << QStringLiteral("BIG.BIN can't be restored: it is larger than 1 MiB (1048576 "
                              "bytes), the most a file sent to the calculator may have.\n");
    }
    void restoreReadsManifest()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, restored);
        QFETCH(QString, err);
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "main" }, { QStringLiteral("B.py"), "b" } });
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        const QDir folder(backup.out.trimmed());
        const QString manifestPath = folder.filePath(QStringLiteral("manifest.json"));
        QJsonObject manifest = readJsonFile(manifestPath);
        QJsonArray files = manifest.value(QStringLiteral("files")).toArray();
        for (int i = 0; i < files.size(); ++i) {
            QJsonObject f = files.at(i).toObject();
            const QString name = f.value(QStringLiteral("name")).toString();
            if (edit == QLatin1String("upper"))
                f.insert(QStringLiteral("sha256"),
                    f.value(QStringLiteral("sha256")).toString().toUpper());
            else if (edit != QLatin1String("big") && name == QLatin1String("MAIN.py")) {
                QVERIFY(QDir(folder).rename(name, edit));
                f.insert(QStringLiteral("name"), edit);
            }
            files.replace(i, f);
        }
        if (edit == QLatin1String("big")) {
            const QByteArray big = randomBytes(1048577, 9);
            writeFile(folder.filePath(QStringLiteral("BIG.BIN")), big);
            files.append(QJsonObject { { QStringLiteral("name"), QStringLiteral("BIG.BIN") },
                { QStringLiteral("size"), big.size() },
                { QStringLiteral("sha256"),
                    QString::fromLatin1(
                        QCryptographicHash::hash(big, QCryptographicHash::Sha256).toHex()) } });
        }
        manifest.insert(QStringLiteral("files"), files);
        writeFile(manifestPath, QJsonDocument(manifest).toJson());

        m_sim->setFiles({});
        Run restore = vuvectl({ QStringLiteral("restore"), folder.path() });
        QCOMPARE(restore.exitCode, err.isEmpty() ? 0 : 1);
        QCOMPARE(restore.err, err);
        QStringList onCalc;
        for (const auto &file : m_sim->files())
            onCalc.append(file.first);
        onCalc.sort();
        restored.sort();
        QCOMPARE(onCalc, restored);
    }

    // A taken name is asked about after the backup was checked; a file
    // swapped for a FIFO meanwhile is refused, not waited on for ever.
    void restoreRefusesSwappedFifo()
    {
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "main" }, { QStringLiteral("B.py"), "b" } });
        QTemporaryDir dir;
        Run backup = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(backup.exitCode, 0);
        const QDir folder(backup.out.trimmed());
        m_sim->setFiles({ { QStringLiteral("MAIN.py"), "changed" } });

        Terminal terminal;
        QProcess p;
        QVERIFY(terminal.start(p,
            { QStringLiteral("--port"), m_sim->portPath(), QStringLiteral("--timeout"),
                QStringLiteral("1000"), QStringLiteral("restore"), folder.path() }));
        QVERIFY2(terminal.waitFor(QStringLiteral("[y]es/[n]o/[a]ll/none?")),
            qPrintable(terminal.seen()));
        const QString main = folder.filePath(QStringLiteral("MAIN.py"));
        QVERIFY(QFile::remove(main));
        QVERIFY(::mkfifo(QFile::encodeName(main).constData(), 0600) == 0);
        terminal.type("y\n");
        const bool ended = p.waitForFinished(30000);
        if (!ended) {
            p.kill();
            p.waitForFinished();
        }
        QVERIFY2(ended, "restore still waits on the FIFO");
        QCOMPARE(p.exitCode(), 1);
        terminal.drain();
        QVERIFY2(terminal.seen().contains(QStringLiteral("is not a regular file any more")),
            qPrintable(terminal.seen()));
        QCOMPARE(m_sim->fileContent(QStringLiteral("MAIN.py")), QByteArray("changed"));
        QCOMPARE(m_sim->fileContent(QStringLiteral("B.py")), QByteArray("b"));
    }

    // A disk that takes only part of a file: the command fails and says so,
    // and nothing truncated is left where a whole file was promised.
    void diskFull_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("get") << QStringLiteral("get");
        QTest::newRow("backup") << QStringLiteral("backup");
    }

    void diskFull()
    {
        QFETCH(QString, command);
        m_sim->setFiles({ { QStringLiteral("A.py"), "small" },
            { QStringLiteral("B.bin"), randomBytes(3000, 4) } });
        QTemporaryDir dir;
        const QStringList args = command == QLatin1String("get")
            ? QStringList { command, QStringLiteral("--to"), dir.path(), QStringLiteral("A.py"),
                  QStringLiteral("B.bin") }
            : QStringList { command, dir.path() };
        Run r;
        {
            FileSizeLimit limit(1000);
            QVERIFY(limit.isSet());
            r = vuvectl(args);
        }
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("can't be written")), qPrintable(r.err));
        QDir folder(dir.path());
        if (command == QLatin1String("backup")) {
            const QStringList folders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(folders.size(), 1);
            QVERIFY2(folders.first().endsWith(QStringLiteral("-incomplete")),
                qPrintable(folders.first()));
            folder.cd(folders.first());
            QVERIFY(!folder.exists(QStringLiteral("manifest.json")));
        }
        QCOMPARE(readFile(folder.filePath(QStringLiteral("A.py"))), QByteArray("small"));
        QVERIFY(!folder.exists(QStringLiteral("B.bin")));
    }

    // The calculator goes away while the second file is on its way.
    void backupInterrupted()
    {
        m_sim->setFiles({ { QStringLiteral("A.py"), "small" },
            { QStringLiteral("B.bin"), randomBytes(3000, 3) }, { QStringLiteral("C.py"), "c" } });
        m_sim->setUnplugDuring(calcMsg::GET_FILE, 1);
        QTemporaryDir dir;
        Run r = vuvectl({ QStringLiteral("--timeout"), QStringLiteral("1000"),
            QStringLiteral("--json"), QStringLiteral("backup"), dir.path() });
        QCOMPARE(r.exitCode, 1);
        const QJsonObject result = json(r.out);
        QCOMPARE(result.value(QStringLiteral("ok")).toBool(true), false);
        QCOMPARE(result.value(QStringLiteral("complete")).toBool(true), false);
        const QStringList folders = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 1);
        QVERIFY2(
            folders.first().endsWith(QStringLiteral("-incomplete")), qPrintable(folders.first()));
        const QDir folder(dir.filePath(folders.first()));
        QCOMPARE(result.value(QStringLiteral("folder")).toString(), folder.path());
        QVERIFY(!folder.exists(QStringLiteral("manifest.json")));
        QVERIFY(!folder.exists(QStringLiteral("B.bin")));
        QVERIFY2(
            readFile(folder.filePath(QStringLiteral("INCOMPLETE.txt"))).contains("not complete"),
            readFile(folder.filePath(QStringLiteral("INCOMPLETE.txt"))).constData());

        m_sim->setUnplugged(false);
        Run restore = vuvectl({ QStringLiteral("restore"), folder.path() });
        QCOMPARE(restore.exitCode, 1);
        QVERIFY2(restore.err.contains(QStringLiteral("not complete")), qPrintable(restore.err));
    }

    // One garbled entry costs that entry: the backup keeps the others, says
    // what it lacks, and restores them.
    void backupLacksUnreadableEntry()
    {
        m_sim->setFiles({ { QStringLiteral("A.py"), "small" }, { QStringLiteral("B.py"), "b" } });
        m_sim->setBrokenUtf8FileName(QStringLiteral("B.py"));
        QTemporaryDir dir;
        const Run r = vuvectl({ QStringLiteral("backup"), dir.path() });
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("The calculator sent a malformed entry (2 of 2) "
                                                 "in its file list; that file is left out.\n")),
            qPrintable(r.err));
        QVERIFY2(!r.err.contains(QStringLiteral("is not complete")), qPrintable(r.err));
        const QStringList folders = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 1);
        QVERIFY2(
            !folders.first().endsWith(QStringLiteral("-incomplete")), qPrintable(folders.first()));
        const QDir folder(dir.filePath(folders.first()));
        QCOMPARE(readFile(folder.filePath(QStringLiteral("A.py"))), QByteArray("small"));
        QCOMPARE(folder.entryList(QDir::Files),
            QStringList({ QStringLiteral("A.py"), QStringLiteral("manifest.json") }));

        m_sim->setBrokenUtf8FileName(QString());
        m_sim->setFiles({});
        const Run back = vuvectl({ QStringLiteral("restore"), folder.path() });
        QCOMPARE(back.exitCode, 1);
        QVERIFY2(back.err.contains(QStringLiteral("A file the calculator could not list can't be "
                                                  "restored: the calculator's file list had an "
                                                  "entry that could not be read.")),
            qPrintable(back.err));
        QCOMPARE(m_sim->fileContent(QStringLiteral("A.py")), QByteArray("small"));
    }

    // Names come from the device: what reaches a terminal carries no control
    // characters, in any command that prints one.
    void deviceTextEscaped_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ls") << QStringList { QStringLiteral("ls") }
                            << QStringLiteral("A\\x1b[2J.py\t1");
        QTest::newRow("get") << QStringList { QStringLiteral("get"), QStringLiteral("--to"),
            QStringLiteral("@DIR"), QStringLiteral("A*") }
                             << QStringLiteral("@DIR/A\\x1b[2J.py");
        QTest::newRow("every") << QStringList { QStringLiteral("--every"), QStringLiteral("info") }
                               << QStringLiteral("Bad\\x07Name\t");
        QTest::newRow("watch") << QStringList { QStringLiteral("watch") }
                               << QStringLiteral("attached\tBad\\x07Name\t");
    }
    void deviceTextEscaped()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        m_sim->setName(QStringLiteral("Bad\aName"));
        m_sim->setFiles({ { QStringLiteral("A\x1b[2J.py"), "a" } });
        attach({ m_sim });
        QTemporaryDir dir;
        args.replaceInStrings(QStringLiteral("@DIR"), dir.path());
        expected.replace(QStringLiteral("@DIR"), dir.path());
        QString out;
        if (args.first() == QLatin1String("watch")) {
            QProcess watch;
            watch.setProcessEnvironment(m_env);
            watch.start(QStringLiteral(VUVECTL_PATH), args);
            QElapsedTimer clock;
            clock.start();
            while (!out.contains(QLatin1Char('\n')) && clock.elapsed() < 20000) {
                watch.waitForReadyRead(200);
                out += QString::fromUtf8(watch.readAllStandardOutput());
            }
            ::kill(pid_t(watch.processId()), SIGINT);
            QVERIFY(watch.waitForFinished(10000));
        } else {
            Run r = vuvectl(args, false);
            QCOMPARE(r.exitCode, 0);
            out = r.out;
        }
        QVERIFY2(out.contains(expected), qPrintable(out));
        QVERIFY(!out.contains(QLatin1Char('\x1b')));
        QVERIFY(!out.contains(QLatin1Char('\a')));
    }

    // Once the calculator stops answering, the rest of the batch is given up
    // at once instead of each file waiting as long again.
    void batchStopsWhenUnplugged_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("requestType");
        QTest::newRow("put") << QStringLiteral("put") << int(calcMsg::SEND_FILE);
        QTest::newRow("get") << QStringLiteral("get") << int(calcMsg::GET_FILE);
        QTest::newRow("rm") << QStringLiteral("rm") << int(calcMsg::DELETE_FILE);
    }
    void batchStopsWhenUnplugged()
    {
        QFETCH(QString, command);
        QFETCH(int, requestType);
        const QStringList names { QStringLiteral("A.py"), QStringLiteral("B.py"),
            QStringLiteral("C.py") };
        QTemporaryDir dir;
        QStringList args { QStringLiteral("--timeout"), QStringLiteral("1000"),
            QStringLiteral("--json"), command };
        if (command == QLatin1String("get"))
            args << QStringLiteral("--to") << dir.path();
        Files onCalc;
        for (const QString &name : names) {
            if (command == QLatin1String("put")) {
                writeFile(dir.filePath(name), "local");
                args << dir.filePath(name);
            } else {
                onCalc.append({ name, "calculator" });
                args << name;
            }
        }
        m_sim->setFiles(onCalc);
        m_sim->setUnplugDuring(requestType, 0);
        Run r = vuvectl(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(countSent(requestType), 1);
        QVERIFY2(r.err.contains(QStringLiteral("stopped answering, so these files were not")
                     + QLatin1Char(' ')),
            qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("B.py, C.py.")), qPrintable(r.err));
        const QJsonArray files = json(r.out).value(QStringLiteral("files")).toArray();
        QCOMPARE(files.size(), 3);
        for (const QJsonValue &file : files)
            QCOMPARE(file.toObject().value(QStringLiteral("status")).toString(),
                QStringLiteral("failed"));
    }

    // collect copies every file into DIR/<device name>/ and writes a row per
    // file to DIR/receipt.csv; with --clear it deletes on the calculator only
    // the files it read the same twice and wrote whole. One calculator
    // attached: it works on that one, its serial number in the receipt.
    void collectOne_data()
    {
        using F = CalcSimulator::FileFault;
        QTest::addColumn<bool>("clear");
        QTest::addColumn<int>("fault"); // on B.py
        QTest::addColumn<QString>("outcomeB"); // B.py's outcome in the receipt
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("collect") << false << int(F::None) << QStringLiteral("collected")
                                 << QString() << 0;
        QTest::newRow("clear") << true << int(F::None) << QStringLiteral("cleared") << QString()
                               << 0;
        QTest::newRow("clear, unstable read")
            << true << int(F::UnstableRead) << QStringLiteral("failed")
            << QStringLiteral("B.py is not collected: the two readings of it differ, so neither "
                              "can be trusted.\n1 file was not collected: B.py.\n")
            << 1;
        // Each failure is said once, with the file it cost.
        QTest::newRow("clear, refused read")
            << true << int(F::RefuseRead) << QStringLiteral("failed")
            << QStringLiteral("B.py is not collected: file is locked. B.py, Vori X1: the "
                              "calculator refused; open its home screen and copy again.\n1 file "
                              "was not collected: B.py.\n")
            << 1;
        QTest::newRow("collect, unstable read")
            << false << int(F::UnstableRead) << QStringLiteral("failed")
            << QStringLiteral("B.py is not collected: the two readings of it differ, so neither "
                              "can be trusted.\n1 file was not collected: B.py.\n")
            << 1;
        QTest::newRow("clear, refused delete")
            << true << int(F::RefuseDelete) << QStringLiteral("collected")
            << QStringLiteral("B.py is collected but not deleted on the calculator: file is "
                              "locked. B.py, Vori X1: the calculator refused; open its home screen "
                              "and delete again.\n1 file was collected but not deleted on the "
                              "calculator: B.py.\n")
            << 1;
    }
    void collectOne()
    {
        QFETCH(bool, clear);
        QFETCH(int, fault);
        QFETCH(QString, outcomeB);
        QFETCH(QString, err);
        QFETCH(int, exitCode);
        const Files files { { QStringLiteral("A.py"), randomBytes(3000, 11) },
            { QStringLiteral("B.py"), "bee" }, { QStringLiteral("C.txt"), "c" } };
        m_sim->setFiles(files);
        m_sim->setFileFault(QStringLiteral("B.py"), CalcSimulator::FileFault(fault));
        attach({ m_sim }, { QStringLiteral("SER-42") });
        QTemporaryDir dir;
        // Made with its parents, as backup's folder is.
        const QString parent = dir.filePath(QStringLiteral("class/7b"));
        QStringList args { QStringLiteral("collect"), parent };
        if (clear)
            args << QStringLiteral("--clear");

        const Run r = vuvectl(args, false);
        QVERIFY2(r.exitCode == exitCode, qPrintable(QString::number(r.exitCode) + r.err));
        const QString folder = parent + QStringLiteral("/Vori X1");
        QCOMPARE(r.out, folder + QLatin1Char('\n'));
        QCOMPARE(r.err, err);

        const QStringList receipt = receiptLines(parent);
        QCOMPARE(receipt.size(), 4);
        QCOMPARE(
            receipt.first(), QStringLiteral("calculator,serial,file,size,sha256,outcome,reason"));
        const bool bKept = outcomeB != QLatin1String("failed");
        for (int i = 0; i < files.size(); ++i) {
            const QString name = files.at(i).first;
            const QByteArray content = files.at(i).second;
            const QString outcome = name == QLatin1String("B.py") ? outcomeB
                : clear                                           ? QStringLiteral("cleared")
                                                                  : QStringLiteral("collected");
            const QString row = receipt.at(i + 1);
            const bool kept = name != QLatin1String("B.py") || bKept;
            QVERIFY2(row.startsWith(QStringLiteral("Vori X1,SER-42,%1,%2,%3,%4,")
                                        .arg(name, QString::number(content.size()),
                                            kept ? sha256(content) : QString(), outcome)),
                qPrintable(row));
            // A file that stays on the calculator says why.
            QCOMPARE(row.endsWith(QLatin1Char(',')),
                outcome != QLatin1String("failed")
                    && !(clear && outcome == QLatin1String("collected")));
            QCOMPARE(
                readFile(QDir(folder).filePath(name)), kept ? content : QByteArray("<missing>"));
            // Only what was collected is deleted, and with --clear only.
            QCOMPARE(m_sim->hasFile(name), outcome != QLatin1String("cleared"));
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), bKept ? 3 : 2);
    }

    // A calculator named by --port still gets its serial number into the
    // receipt, where the system lists it.
    void collectByPortKeepsSerial()
    {
        m_sim->setFiles({ { QStringLiteral("A.py"), "a" } });
        CalcSimulator *other = another(QStringLiteral("Lab 7"));
        QVERIFY(other);
        attach({ other, m_sim }, { QStringLiteral("SER-8"), QStringLiteral("SER-7") });
        QTemporaryDir dir;
        const Run r = vuvectl({ QStringLiteral("collect"), dir.path() });
        QCOMPARE(r.exitCode, 0);
        const QStringList receipt = receiptLines(dir.path());
        QCOMPARE(receipt.size(), 2);
        QVERIFY2(receipt.at(1).startsWith(QStringLiteral("Vori X1,SER-7,A.py,1,")),
            qPrintable(receipt.at(1)));
    }

    // Files not collected are named in the last line of the failure, the
    // first five and a count of the rest.
    void collectNamesFilesLeft()
    {
        Files files;
        for (int i = 1; i <= 7; ++i) {
            const QString name = QStringLiteral("F%1.py").arg(i);
            files.append({ name, name.toUtf8() });
            if (i != 4)
                m_sim->setFileFault(name, CalcSimulator::FileFault::RefuseRead);
        }
        m_sim->setFiles(files);
        QTemporaryDir dir;
        const Run r = vuvectl({ QStringLiteral("collect"), dir.path() });
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.endsWith(QStringLiteral("6 files were not collected: F1.py, F2.py, F3.py, "
                                               "F5.py, F6.py and 1 more.\n")),
            qPrintable(r.err));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("Vori X1/F4.py"))), QByteArray("F4.py"));
    }

    // Two calculators of one name, side by side: a folder each (the second
    // one's name taken, "-2"), and one receipt with both serial numbers under
    // one header. One that fails says which files it left.
    void collectEvery_data()
    {
        QTest::addColumn<bool>("asJson");
        QTest::addColumn<bool>("twinFails");
        QTest::newRow("text") << false << false;
        QTest::newRow("json") << true << false;
        QTest::newRow("text, one fails") << false << true;
        QTest::newRow("json, one fails") << true << true;
    }
    void collectEvery()
    {
        QFETCH(bool, asJson);
        QFETCH(bool, twinFails);
        m_sim->setName(QStringLiteral("Desk 3"));
        m_sim->setFiles({ { QStringLiteral("A.py"), "first" } });
        CalcSimulator *twin = another(QStringLiteral("Desk 3"));
        QVERIFY(twin);
        if (twinFails)
            twin->setFileFault(QStringLiteral("OWN.py"), CalcSimulator::FileFault::RefuseRead);
        attach({ m_sim, twin }, { QStringLiteral("SER-1"), QStringLiteral("SER-2") });
        QTemporaryDir dir;
        QStringList args { QStringLiteral("--every"), QStringLiteral("collect"), dir.path(),
            QStringLiteral("--clear") };
        if (asJson)
            args.prepend(QStringLiteral("--json"));
        const Run r = vuvectl(args, false);
        QVERIFY2(
            r.exitCode == (twinFails ? 1 : 0), qPrintable(QString::number(r.exitCode) + r.err));

        QStringList folders = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders, (QStringList { QStringLiteral("Desk 3"), QStringLiteral("Desk 3-2") }));
        const QStringList receipt = receiptLines(dir.path());
        QCOMPARE(receipt.size(), 3);
        QCOMPARE(
            receipt.first(), QStringLiteral("calculator,serial,file,size,sha256,outcome,reason"));
        QStringList rows = receipt.mid(1);
        rows.sort();
        QCOMPARE(
            rows.at(0), QStringLiteral("Desk 3,SER-1,A.py,5,%1,cleared,").arg(sha256("first")));
        QVERIFY2(
            rows.at(1).startsWith(twinFails
                    ? QStringLiteral("Desk 3,SER-2,OWN.py,6,,failed,")
                    : QStringLiteral("Desk 3,SER-2,OWN.py,6,%1,cleared,").arg(sha256("Desk 3"))),
            qPrintable(rows.at(1)));

        // Each calculator's files in the folder its result names.
        QMap<QString, QString> folderOf; // by port
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        if (asJson) {
            const QMap<QString, QJsonObject> byPort = jsonByPort(r.out);
            for (const QString &port : byPort.keys()) {
                const QJsonObject o = byPort.value(port);
                const bool fails = twinFails && port == twin->portPath();
                QCOMPARE(o.value(QStringLiteral("ok")).toBool(), !fails);
                QCOMPARE(o.value(QStringLiteral("device")).toString(), QStringLiteral("Desk 3"));
                QCOMPARE(o.value(QStringLiteral("collected")).toInt(), fails ? 0 : 1);
                QCOMPARE(o.value(QStringLiteral("cleared")).toInt(), fails ? 0 : 1);
                QCOMPARE(o.value(QStringLiteral("failed")).toInt(), fails ? 1 : 0);
                QCOMPARE(o.value(QStringLiteral("receipt")).toString(),
                    dir.filePath(QStringLiteral("receipt.csv")));
                const QJsonObject file
                    = o.value(QStringLiteral("files")).toArray().first().toObject();
                const QByteArray content = port == twin->portPath() ? "Desk 3" : "first";
                QCOMPARE(file.value(QStringLiteral("name")).toString(),
                    port == twin->portPath() ? QStringLiteral("OWN.py") : QStringLiteral("A.py"));
                QCOMPARE(file.value(QStringLiteral("size")).toInt(), content.size());
                QCOMPARE(file.value(QStringLiteral("outcome")).toString(),
                    fails ? QStringLiteral("failed") : QStringLiteral("cleared"));
                QCOMPARE(file.value(QStringLiteral("sha256")).toString(),
                    fails ? QString() : sha256(content));
                QCOMPARE(file.value(QStringLiteral("reason")).toString().isEmpty(), !fails);
                if (fails)
                    QVERIFY2(o.value(QStringLiteral("errors")).toArray().last().toString()
                            == QStringLiteral("1 file was not collected: OWN.py."),
                        qPrintable(lines.join(QLatin1Char('\n'))));
                folderOf.insert(port, o.value(QStringLiteral("folder")).toString());
            }
        } else {
            for (const QString &line : lines) {
                const QStringList f = line.split(QLatin1Char('\t'));
                QCOMPARE(f.size(), 4);
                QCOMPARE(f.at(0), QStringLiteral("Desk 3"));
                const bool fails = twinFails && f.at(1) == twin->portPath();
                QCOMPARE(f.at(2), fails ? QStringLiteral("failed") : QStringLiteral("ok"));
                if (fails) {
                    QVERIFY2(f.at(3).endsWith(QStringLiteral("1 file was not collected: OWN.py.")),
                        qPrintable(line));
                    continue;
                }
                const QString prefix = QStringLiteral("collected and cleared 1 file into ");
                QVERIFY2(f.at(3).startsWith(prefix), qPrintable(line));
                folderOf.insert(f.at(1), f.at(3).mid(prefix.size()));
            }
        }
        QCOMPARE(readFile(folderOf.value(m_sim->portPath()) + QStringLiteral("/A.py")),
            QByteArray("first"));
        QCOMPARE(m_sim->hasFile(QStringLiteral("A.py")), false);
        QCOMPARE(twin->hasFile(QStringLiteral("OWN.py")), twinFails);
        if (!twinFails) {
            QCOMPARE(readFile(folderOf.value(twin->portPath()) + QStringLiteral("/OWN.py")),
                QByteArray("Desk 3"));
            QVERIFY(folderOf.value(twin->portPath()) != folderOf.value(m_sim->portPath()));
        }
    }

    // Three calculators, one of which does not answer: one line each, in the
    // order they are done, and the failure fails the whole.
    void everyCalculator_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("ls") << QStringLiteral("ls");
        QTest::newRow("backup") << QStringLiteral("backup");
        QTest::newRow("get") << QStringLiteral("get");
    }
    void everyCalculator()
    {
        QFETCH(QString, command);
        CalcSimulator *second = another(QStringLiteral("Vori X1 Lab"));
        CalcSimulator *silent = another(QStringLiteral("Quiet"));
        QVERIFY(second && silent);
        silent->setSilent(true);
        m_sim->setFiles({ { QStringLiteral("MINE.py"), "mine" } });
        attach({ m_sim, silent, second });
        QTemporaryDir dir;
        QStringList args { QStringLiteral("--timeout"), QStringLiteral("1000"),
            QStringLiteral("--every"), command };
        if (command == QLatin1String("backup"))
            args << dir.path();
        if (command == QLatin1String("get"))
            args << QStringLiteral("--on-conflict=replace") << QStringLiteral("--to") << dir.path()
                 << QStringLiteral("--all-files");

        Run text = vuvectl(args, false);
        QVERIFY2(text.exitCode == 1, qPrintable(QString::number(text.exitCode) + text.err));
        const QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lineOf(lines, m_sim->portPath())
                     .startsWith(QStringLiteral("Vori X1\t%1\tok\t").arg(m_sim->portPath())),
            qPrintable(text.out));
        QVERIFY2(
            lineOf(lines, silent->portPath())
                .startsWith(QStringLiteral("-\t%1\tfailed\tThe calculator at %1 does not answer.")
                                .arg(silent->portPath())),
            qPrintable(text.out));
        QVERIFY2(lineOf(lines, second->portPath())
                     .startsWith(QStringLiteral("Vori X1 Lab\t%1\tok\t").arg(second->portPath())),
            qPrintable(text.out));

        Run asJson = vuvectl(QStringList { QStringLiteral("--json") } + args, false);
        QVERIFY2(asJson.exitCode == 1, qPrintable(QString::number(asJson.exitCode) + asJson.err));
        const QMap<QString, QJsonObject> byPort = jsonByPort(asJson.out);
        QCOMPARE(byPort.size(), 3);
        QCOMPARE(byPort.value(m_sim->portPath()).value(QStringLiteral("ok")).toBool(), true);
        QCOMPARE(byPort.value(silent->portPath()).value(QStringLiteral("ok")).toBool(true), false);
        const QJsonObject lab = byPort.value(second->portPath());
        QCOMPARE(lab.value(QStringLiteral("device")).toString(), QStringLiteral("Vori X1 Lab"));
        if (command == QLatin1String("ls")) {
            QCOMPARE(lab.value(QStringLiteral("files"))
                         .toArray()
                         .first()
                         .toObject()
                         .value(QStringLiteral("name"))
                         .toString(),
                QStringLiteral("OWN.py"));
        } else if (command == QLatin1String("get")) {
            // Files of the same name from several calculators do not meet.
            const QString own = QStringLiteral("%1/Vori X1 (%2)/MINE.py")
                                    .arg(dir.path(), QFileInfo(m_sim->portPath()).fileName());
            const QString labFile = QStringLiteral("%1/Vori X1 Lab (%2)/OWN.py")
                                        .arg(dir.path(), QFileInfo(second->portPath()).fileName());
            QCOMPARE(readFile(own), QByteArray("mine"));
            QCOMPARE(readFile(labFile), QByteArray("Vori X1 Lab"));
            // The second run finds the first run's folders and makes new ones.
            QCOMPARE(lab.value(QStringLiteral("folder")).toString(),
                QFileInfo(labFile).path() + QStringLiteral("-2"));
            QCOMPARE(readFile(QFileInfo(labFile).path() + QStringLiteral("-2/OWN.py")),
                QByteArray("Vori X1 Lab"));
        } else {
            // One folder per calculator that answered, twice over.
            const QStringList folders
                = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(folders.size(), 4);
            const QDir labFolder(lab.value(QStringLiteral("folder")).toString());
            QCOMPARE(
                readFile(labFolder.filePath(QStringLiteral("OWN.py"))), QByteArray("Vori X1 Lab"));
            QVERIFY(labFolder.exists(QStringLiteral("manifest.json")));
        }
    }

    // A calculator that is done is reported at once, whatever the others
    // still wait for: here the first port answers nothing until it goes away.
    void everyReportsEachWhenDone()
    {
        CalcSimulator *slow = another(QStringLiteral("Slow"));
        QVERIFY(slow);
        slow->setSilent(true);
        attach({ slow, m_sim });
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral(VUVECTL_PATH),
            { QStringLiteral("--timeout"), QStringLiteral("600000"), QStringLiteral("--every"),
                QStringLiteral("ls") });
        QString out;
        QElapsedTimer clock;
        clock.start();
        while (!out.contains(QLatin1Char('\n')) && p.state() != QProcess::NotRunning
            && clock.elapsed() < 60000) {
            p.waitForReadyRead(200);
            out += QString::fromUtf8(p.readAllStandardOutput());
        }
        QVERIFY2(out.startsWith(QStringLiteral("Vori X1\t%1\tok\t").arg(m_sim->portPath())),
            qPrintable(out));
        QCOMPARE(out.count(QLatin1Char('\n')), 1);
        QCOMPARE(p.state(), QProcess::Running);

        const QString slowPort = slow->portPath();
        slow->stop();
        QVERIFY(p.waitForFinished(60000));
        out += QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(1).startsWith(QStringLiteral("-\t%1\tfailed\t").arg(slowPort)),
            qPrintable(out));
    }

    // Ctrl+C stops a command where it is, ends it with 130 and says what was
    // left part-way; files on the computer are only ever written whole.
    void interrupted_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("stallType"); // the request whose reply stops half-way
        QTest::addColumn<int>("stallIndex");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QString>("errHas");
        using M = calcMsg;
        const QString nothing = QStringLiteral("Interrupted; nothing partial was written.");
        QTest::newRow("ls") << QStringList { QStringLiteral("ls") } << int(M::GET_FILES_NUM) << 0
                            << nothing << QStringLiteral("The command was stopped.");
        QTest::newRow("get") << QStringList { QStringLiteral("get"), QStringLiteral("--to"),
            QStringLiteral("@DIR"), QStringLiteral("A.py"), QStringLiteral("C.py") }
                             << int(M::GET_FILE) << 0 << nothing
                             << QStringLiteral(
                                    "Interrupted, so these files were not copied: C.py.");
        QTest::newRow("rm") << QStringList { QStringLiteral("rm"), QStringLiteral("A.py"),
            QStringLiteral("B.py"), QStringLiteral("C.py") }
                            << int(M::DELETE_FILE) << 0 << nothing
                            << QStringLiteral(
                                   "Interrupted, so these files were not deleted: B.py, C.py.");
        QTest::newRow("backup") << QStringList { QStringLiteral("backup"), QStringLiteral("@DIR") }
                                << int(M::GET_FILE) << 0
                                << QStringLiteral(
                                       "Interrupted; the backup in @FOLDER is marked incomplete.")
                                << QStringLiteral("is not complete");
        QTest::newRow("put") << QStringList { QStringLiteral("put"), QStringLiteral("@DIR/new.py"),
            QStringLiteral("@DIR/other.py") }
                             << int(M::SEND_FILE) << 1
                             << QStringLiteral(
                                    "Interrupted; the calculator at @PORT may hold part of NEW.py.")
                             << QStringLiteral("Interrupted, so these files were not sent: "
                                               "OTHER.py.");
        // Nothing is deleted: the writer is stopped before it clears.
        QTest::newRow("collect") << QStringList { QStringLiteral("collect"), QStringLiteral("@DIR"),
            QStringLiteral("--clear") }
                                 << int(M::GET_FILE) << 0
                                 << QStringLiteral("Interrupted; the collection in @FOLDER lacks "
                                                   "files; @DIR/receipt.csv says which.")
                                 << QStringLiteral("3 files were not collected: A.py, B.py, C.py.");
        QTest::newRow("every") << QStringList { QStringLiteral("--every"), QStringLiteral("ls") }
                               << int(M::GET_FILES_NUM) << 0 << nothing << QString();
    }
    void interrupted()
    {
        QFETCH(QStringList, args);
        QFETCH(int, stallType);
        QFETCH(int, stallIndex);
        QFETCH(QString, lastLine);
        QFETCH(QString, errHas);
        m_sim->setFiles({ { QStringLiteral("A.py"), randomBytes(3000, 7) },
            { QStringLiteral("B.py"), "b" }, { QStringLiteral("C.py"), "c" } });
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("new.py")), randomBytes(3000, 8));
        writeFile(dir.filePath(QStringLiteral("other.py")), "o");
        args.replaceInStrings(QStringLiteral("@DIR"), dir.path());
        const bool every = args.first() == QLatin1String("--every");
        CalcSimulator *other = nullptr;
        if (every) {
            other = another(QStringLiteral("Lab 7"));
            QVERIFY(other);
            attach({ m_sim, other });
        } else {
            args = QStringList { QStringLiteral("--port"), m_sim->portPath() } + args;
        }
        m_sim->setUnplugDuring(stallType, stallIndex);
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral(VUVECTL_PATH),
            QStringList { QStringLiteral("--timeout"), QStringLiteral("600000") } + args);
        // Interrupted in the middle of the exchange, and with --every once
        // the other calculator is done.
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->isUnplugged(), 60000);
        QString out;
        if (every) {
            QElapsedTimer clock;
            clock.start();
            while (!out.contains(other->portPath()) && clock.elapsed() < 60000) {
                p.waitForReadyRead(200);
                out += QString::fromUtf8(p.readAllStandardOutput());
            }
        }
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(60000));
        out += QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 130);

        const QStringList folders = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        lastLine.replace(QStringLiteral("@PORT"), m_sim->portPath());
        lastLine.replace(
            QStringLiteral("@FOLDER"), dir.filePath(folders.value(0, QStringLiteral("none"))));
        lastLine.replace(QStringLiteral("@DIR"), dir.path());
        QCOMPARE(err.split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(), lastLine);
        QVERIFY2(err.contains(errHas), qPrintable(err));
        if (every) {
            const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 2);
            QVERIFY2(lineOf(lines, other->portPath()).startsWith(QStringLiteral("Lab 7\t")),
                qPrintable(out));
            QCOMPARE(lineOf(lines, m_sim->portPath()),
                QStringLiteral("Vori X1\t%1\tfailed\tThe command was stopped.")
                    .arg(m_sim->portPath()));
        }
        // Nothing half-written on this side: the file in transfer is not
        // there, nor anything it was being assembled in.
        QStringList entries
            = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        entries.sort();
        if (args.contains(QStringLiteral("backup"))) {
            QCOMPARE(folders.size(), 1);
            QVERIFY2(folders.first().endsWith(QStringLiteral("-incomplete")),
                qPrintable(folders.first()));
            QCOMPARE(QDir(dir.filePath(folders.first())).entryList(QDir::Files),
                QStringList { QStringLiteral("INCOMPLETE.txt") });
        } else if (args.contains(QStringLiteral("collect"))) {
            QCOMPARE(entries,
                (QStringList { QStringLiteral("Vori X1"), QStringLiteral("new.py"),
                    QStringLiteral("other.py"), QStringLiteral("receipt.csv") }));
            QCOMPARE(QDir(dir.filePath(folders.first()))
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList());
            QCOMPARE(countSent(calcMsg::DELETE_FILE), 0);
            QCOMPARE(m_sim->files().size(), 3);
        } else {
            QCOMPARE(
                entries, (QStringList { QStringLiteral("new.py"), QStringLiteral("other.py") }));
        }
        // Nothing more was asked of the calculator once it was interrupted.
        QCOMPARE(countSent(stallType), 1);
    }

    // A question on the terminal gives way to Ctrl+C, and nothing moves.
    void interruptedQuestion()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("A.py")), "computer");
        writeFile(dir.filePath(QStringLiteral("B.py")), "new");
        m_sim->setFiles({ { QStringLiteral("A.py"), "calculator" } });
        Terminal terminal;
        QProcess p;
        QVERIFY(terminal.start(p,
            { QStringLiteral("--port"), m_sim->portPath(), QStringLiteral("put"),
                dir.filePath(QStringLiteral("A.py")), dir.filePath(QStringLiteral("B.py")) }));
        QVERIFY2(terminal.waitFor(QStringLiteral("[y]es/[n]o/[a]ll/none?")),
            qPrintable(terminal.seen()));
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 130);
        QVERIFY2(terminal.waitFor(QStringLiteral("Interrupted; nothing partial was written.")),
            qPrintable(terminal.seen()));
        QCOMPARE(countSent(calcMsg::SEND_FILE), 0);
        QCOMPARE(m_sim->files(), (Files { { QStringLiteral("A.py"), "calculator" } }));
    }

    // A destination that is not there yet is made, as mkdir -p would; one
    // that is a file is refused before anything is asked of the calculator.
    void destinationFolder_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("get") << QStringLiteral("get");
        QTest::newRow("backup") << QStringLiteral("backup");
        QTest::newRow("collect") << QStringLiteral("collect");
    }
    void destinationFolder()
    {
        QFETCH(QString, command);
        m_sim->setFiles({ { QStringLiteral("A.py"), "a" } });
        QTemporaryDir dir;
        const auto argsFor = [&command](const QString &folder) {
            return command == QLatin1String("get")
                ? QStringList { command, QStringLiteral("--to"), folder, QStringLiteral("A.py") }
                : QStringList { command, folder };
        };
        const QString deep = dir.filePath(QStringLiteral("new/deeper"));
        Run made = vuvectl(argsFor(deep));
        QCOMPARE(made.exitCode, 0);
        QDir folder(deep);
        if (command != QLatin1String("get")) {
            const QStringList backups = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(backups.size(), 1);
            QVERIFY(folder.cd(backups.first()));
        }
        QCOMPARE(readFile(folder.filePath(QStringLiteral("A.py"))), QByteArray("a"));

        const QString plain = dir.filePath(QStringLiteral("plain"));
        writeFile(plain, "not a folder");
        m_sim->clearReceived();
        Run refused = vuvectl(argsFor(plain));
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, plain + QStringLiteral(" is not a folder.\n"));
        QCOMPARE(m_sim->receivedTypes(), QList<int>());
        QCOMPARE(readFile(plain), QByteArray("not a folder"));
    }

    // A usage error is one line and where to look, not the whole help.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << QStringLiteral("no command given");
        QTest::newRow("unknown command") << QStringList { QStringLiteral("frobnicate") }
                                         << QStringLiteral("unknown command \"frobnicate\"");
        QTest::newRow("unknown option") << QStringList { QStringLiteral("--frob"),
            QStringLiteral("ls") } << QStringLiteral("Unknown option 'frob'.");
        QTest::newRow("missing argument") << QStringList { QStringLiteral("get") }
                                          << QStringLiteral("get needs names, patterns or "
                                                            "--all-files");
        QTest::newRow("bad timeout") << QStringList {
            QStringLiteral("--timeout"), QStringLiteral("0"), QStringLiteral("ls")
        } << QStringLiteral("--timeout takes a positive number of milliseconds");
        QTest::newRow("collect without a folder") << QStringList { QStringLiteral("collect") }
                                                  << QStringLiteral("collect needs an argument");
        QTest::newRow("collect, empty folder") << QStringList { QStringLiteral("collect"),
            QString() } << QStringLiteral("collect needs a folder");
        QTest::newRow("collect, two folders")
            << QStringList { QStringLiteral("collect"), QStringLiteral("a"), QStringLiteral("b") }
            << QStringLiteral("collect takes exactly one argument");
        QTest::newRow("clear without collect")
            << QStringList { QStringLiteral("backup"), QStringLiteral("--clear") }
            << QStringLiteral("--clear goes with collect and station --collect only");
        QTest::newRow("clear with station --backup")
            << QStringList { QStringLiteral("station"), QStringLiteral("--backup"),
                   QStringLiteral("d"), QStringLiteral("--clear") }
            << QStringLiteral("--clear goes with collect and station --collect only");
        QTest::newRow("station --collect outside a station")
            << QStringList { QStringLiteral("collect"), QStringLiteral("d"),
                   QStringLiteral("--collect"), QStringLiteral("e") }
            << QStringLiteral("--collect, --name and --first go with station only");
        QTest::newRow("station, two actions")
            << QStringList { QStringLiteral("station"), QStringLiteral("--backup"),
                   QStringLiteral("d"), QStringLiteral("--collect"), QStringLiteral("e") }
            << QStringLiteral("station takes one of --send, --backup, --sync and --collect");
        QTest::newRow("station, no action") << QStringList { QStringLiteral("station") }
                                            << QStringLiteral("station needs --send FILE..., "
                                                              "--backup DIR, --sync DIR, "
                                                              "--collect DIR or --name PATTERN");
        QTest::newRow("empty pattern")
            << QStringList { QStringLiteral("station"), QStringLiteral("--name"), QString() }
            << QStringLiteral("station --name needs a "
                              "pattern");
        QTest::newRow("first, negative") << QStringList { QStringLiteral("station"),
            QStringLiteral("--name"), QStringLiteral("D #"), QStringLiteral("--first"),
            QStringLiteral("-1") } << QStringLiteral("--first takes a whole number from 0 up");
        QTest::newRow("first, no number") << QStringList { QStringLiteral("station"),
            QStringLiteral("--name"), QStringLiteral("D #"), QStringLiteral("--first=2x") }
                                          << QStringLiteral("--first takes a whole number from "
                                                            "0 up");
        QTest::newRow("first without name") << QStringList { QStringLiteral("station"),
            QStringLiteral("--collect"), QStringLiteral("d"), QStringLiteral("--first=2") }
                                            << QStringLiteral("--first goes with station --name "
                                                              "only");
        const QString long62 = QString(62, QLatin1Char('x'));
        QTest::newRow("pattern too long")
            << QStringList { QStringLiteral("station"), QStringLiteral("--name"),
                   long62 + QStringLiteral("##"), QStringLiteral("--first"), QStringLiteral("100") }
            << QStringLiteral("--name gives \"") + long62
                + QStringLiteral("100\" (65 characters); a device name has at most 64");
    }
    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        Run r = vuvectl(args, false);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, QStringLiteral("vuvectl: %1\nTry 'vuvectl --help'.\n").arg(message));
        QCOMPARE(r.out, QString());
    }

    // Two calculators of one name are told apart by port.
    void choosingByName()
    {
        CalcSimulator *twin = another(QStringLiteral("Vori X1"));
        CalcSimulator *other = another(QStringLiteral("Lab 7"));
        QVERIFY(twin && other);
        attach({ m_sim, twin, other },
            { QStringLiteral("SER-A"), QString(), QStringLiteral("SER-C") });

        Run ports = vuvectl({ QStringLiteral("ports") }, false);
        QCOMPARE(ports.exitCode, 0);
        QCOMPARE(ports.out,
            QStringLiteral("Vori X1\t%1\tSER-A\nVori X1\t%2\t-\nLab 7\t%3\tSER-C\n")
                .arg(m_sim->portPath(), twin->portPath(), other->portPath()));

        Run unique = vuvectl(
            { QStringLiteral("--calc"), QStringLiteral("Lab 7"), QStringLiteral("ls") }, false);
        QCOMPARE(unique.exitCode, 0);
        QCOMPARE(unique.out, QStringLiteral("OWN.py\t5\n"));

        Run twins = vuvectl(
            { QStringLiteral("--calc"), QStringLiteral("Vori X1"), QStringLiteral("ls") }, false);
        QCOMPARE(twins.exitCode, 1);
        QVERIFY2(twins.err.contains(m_sim->portPath()) && twins.err.contains(twin->portPath())
                && twins.err.contains(QStringLiteral("--port")),
            qPrintable(twins.err));

        Run both = vuvectl(
            { QStringLiteral("--calc"), QStringLiteral("Vori X1"), QStringLiteral("--every"),
                QStringLiteral("--json"), QStringLiteral("info") },
            false);
        QCOMPARE(both.exitCode, 0);
        const QMap<QString, QJsonObject> results = jsonByPort(both.out);
        QStringList bothPorts { m_sim->portPath(), twin->portPath() };
        bothPorts.sort();
        QCOMPARE(results.keys(), bothPorts);

        Run byPort = vuvectl(
            { QStringLiteral("--port"), twin->portPath(), QStringLiteral("info") }, false);
        QCOMPARE(byPort.exitCode, 0);

        Run nobody = vuvectl(
            { QStringLiteral("--calc"), QStringLiteral("Lab 8"), QStringLiteral("ls") }, false);
        QCOMPARE(nobody.exitCode, 1);
        QVERIFY2(nobody.err.contains(QStringLiteral("No calculator named Lab 8")),
            qPrintable(nobody.err));

        Run ambiguous = vuvectl({ QStringLiteral("ls") }, false);
        QCOMPARE(ambiguous.exitCode, 1);
        QVERIFY2(ambiguous.err.contains(QStringLiteral("3 calculators are connected")),
            qPrintable(ambiguous.err));
    }

    // Every JSON document parses and carries its documented keys.
    void jsonOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("check");
        QTest::newRow("ports") << QStringList { QStringLiteral("ports") }
                               << QStringLiteral("ports");
        QTest::newRow("info") << QStringList { QStringLiteral("info") } << QStringLiteral("info");
        QTest::newRow("ls") << QStringList { QStringLiteral("ls") } << QStringLiteral("ls");
        QTest::newRow("get") << QStringList { QStringLiteral("get"), QStringLiteral("--to"),
            QStringLiteral("@DIR"), QStringLiteral("*") }
                             << QStringLiteral("get");
        QTest::newRow("put") << QStringList { QStringLiteral("put"),
            QStringLiteral("@DIR/new_program.py") }
                             << QStringLiteral("put");
        QTest::newRow("rm") << QStringList { QStringLiteral("rm"), QStringLiteral("A.py") }
                            << QStringLiteral("rm");
        QTest::newRow("rename") << QStringList { QStringLiteral("rename"), QStringLiteral("Z") }
                                << QStringLiteral("rename");
        QTest::newRow("backup") << QStringList { QStringLiteral("backup"), QStringLiteral("@DIR") }
                                << QStringLiteral("backup");
        QTest::newRow("collect") << QStringList { QStringLiteral("collect"),
            QStringLiteral("@DIR") }
                                 << QStringLiteral("collect");
        QTest::newRow("failure") << QStringList { QStringLiteral("rm"), QStringLiteral("NOPE.py") }
                                 << QStringLiteral("failure");
    }
    void jsonOutput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, check);
        m_sim->setFiles({ { QStringLiteral("A.py"), "aaa" } });
        attach({ m_sim }, { QStringLiteral("SER-1") });
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("new_program.py")), "n");
        args.replaceInStrings(QStringLiteral("@DIR"), dir.path());
        Run r = vuvectl(QStringList { QStringLiteral("--json") } + args, false);
        QCOMPARE(r.exitCode, check == QLatin1String("failure") ? 1 : 0);
        const QJsonObject doc = json(r.out);
        QVERIFY2(!doc.isEmpty(), qPrintable(r.out));
        QCOMPARE(doc.value(QStringLiteral("ok")).toBool(), r.exitCode == 0);
        QVERIFY(doc.value(QStringLiteral("errors")).isArray());
        const QJsonArray files = doc.value(QStringLiteral("files")).toArray();
        const QJsonObject first = files.first().toObject();
        if (check != QLatin1String("ports")) {
            QCOMPARE(doc.value(QStringLiteral("port")).toString(), m_sim->portPath());
            QCOMPARE(doc.value(QStringLiteral("device")).toString(),
                check == QLatin1String("rename") ? QStringLiteral("Z") : QStringLiteral("Vori X1"));
        }
        if (check == QLatin1String("ports")) {
            const QJsonObject calc
                = doc.value(QStringLiteral("calculators")).toArray().first().toObject();
            QCOMPARE(calc.value(QStringLiteral("device")).toString(), QStringLiteral("Vori X1"));
            QCOMPARE(calc.value(QStringLiteral("port")).toString(), m_sim->portPath());
            QCOMPARE(calc.value(QStringLiteral("serial")).toString(), QStringLiteral("SER-1"));
        } else if (check == QLatin1String("info")) {
            QCOMPARE(doc.value(QStringLiteral("chunk")).toInt(), 512);
            QVERIFY(doc.value(QStringLiteral("hv")).isString());
            QVERIFY(doc.value(QStringLiteral("fv")).isString());
            QVERIFY(doc.value(QStringLiteral("pv")).isString());
        } else if (check == QLatin1String("ls")) {
            QCOMPARE(first,
                (QJsonObject { { QStringLiteral("name"), QStringLiteral("A.py") },
                    { QStringLiteral("size"), 3 } }));
        } else if (check == QLatin1String("get")) {
            QCOMPARE(first.value(QStringLiteral("status")).toString(), QStringLiteral("copied"));
            QCOMPARE(first.value(QStringLiteral("path")).toString(),
                dir.filePath(QStringLiteral("A.py")));
            QCOMPARE(r.err, QString());
        } else if (check == QLatin1String("put")) {
            QCOMPARE(first.value(QStringLiteral("status")).toString(), QStringLiteral("sent"));
            QCOMPARE(first.value(QStringLiteral("name")).toString(), QStringLiteral("NEW_PROG.py"));
            QCOMPARE(first.value(QStringLiteral("renamed")).toBool(), true);
            QCOMPARE(first.value(QStringLiteral("local")).toString(),
                dir.filePath(QStringLiteral("new_program.py")));
        } else if (check == QLatin1String("rm")) {
            QCOMPARE(first.value(QStringLiteral("status")).toString(), QStringLiteral("deleted"));
        } else if (check == QLatin1String("rename")) {
            QCOMPARE(doc.value(QStringLiteral("previous")).toString(), QStringLiteral("Vori X1"));
        } else if (check == QLatin1String("backup")) {
            QCOMPARE(doc.value(QStringLiteral("complete")).toBool(), true);
            QVERIFY(QFileInfo(doc.value(QStringLiteral("folder")).toString()).isDir());
            QCOMPARE(first.value(QStringLiteral("sha256")).toString().size(), 64);
        } else if (check == QLatin1String("collect")) {
            QCOMPARE(doc.value(QStringLiteral("folder")).toString(),
                dir.filePath(QStringLiteral("Vori X1")));
            QCOMPARE(doc.value(QStringLiteral("receipt")).toString(),
                dir.filePath(QStringLiteral("receipt.csv")));
            QCOMPARE(doc.value(QStringLiteral("clear")).toBool(true), false);
            QCOMPARE(doc.value(QStringLiteral("collected")).toInt(), 1);
            QCOMPARE(doc.value(QStringLiteral("cleared")).toInt(-1), 0);
            QCOMPARE(doc.value(QStringLiteral("failed")).toInt(-1), 0);
            QCOMPARE(first,
                (QJsonObject { { QStringLiteral("name"), QStringLiteral("A.py") },
                    { QStringLiteral("size"), 3 }, { QStringLiteral("sha256"), sha256("aaa") },
                    { QStringLiteral("outcome"), QStringLiteral("collected") },
                    { QStringLiteral("reason"), QString() } }));
        } else {
            QCOMPARE(doc.value(QStringLiteral("errors")).toArray().first().toString(),
                QStringLiteral("File NOPE.py is not on the calculator."));
        }
    }

    void verifyNamesEveryBadFile_data()
    {
        QTest::addColumn<bool>("asJson");
        QTest::addColumn<bool>("refuseDelete");
        QTest::newRow("text") << false << false;
        QTest::newRow("json") << true << false;
        QTest::newRow("json, deletion refused") << true << true;
    }

    // put --verify to a calculator that stores a byte wrong: one report names
    // every file that arrived different and says whether their bad copies
    // were deleted, and what to do next; the bad copies go, unless refused.
    void verifyNamesEveryBadFile()
    {
        QFETCH(bool, asJson);
        QFETCH(bool, refuseDelete);
        m_sim->setFiles({ { QStringLiteral("A.py"), "aaa" } });
        m_sim->setCorruptStore(true);
        if (refuseDelete)
            m_sim->setRefusal(
                calcMsg::DELETE_FILE, calcMsg::UNSPECIFITED_ERROR, 0, QStringLiteral("Busy"));
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("HOMEWORK.py")), randomBytes(2000, 1));
        writeFile(dir.filePath(QStringLiteral("RULES.txt")), randomBytes(700, 2));
        QStringList args { QStringLiteral("put"), QStringLiteral("--verify"),
            dir.filePath(QStringLiteral("HOMEWORK.py")),
            dir.filePath(QStringLiteral("RULES.txt")) };
        if (asJson)
            args.prepend(QStringLiteral("--json"));
        const Run r = vuvectl(args);
        QCOMPARE(r.exitCode, 1);

        const QString report
            = QStringLiteral("These files arrived on Vori X1 different from the computer's files: "
                             "HOMEWORK.py, RULES.txt. %1 Vori X1: the files on this computer are "
                             "unchanged; send again, and if a file arrives different again, see "
                             "the troubleshooting guide.")
                  .arg(refuseDelete ? QStringLiteral("The calculator's copies could not be "
                                                     "deleted: delete them there before anyone "
                                                     "uses them.")
                                    : QStringLiteral("The calculator's copies were deleted."));
        if (asJson) {
            const QJsonObject doc = json(r.out);
            QCOMPARE(doc.value(QStringLiteral("ok")).toBool(), false);
            QCOMPARE(doc.value(QStringLiteral("errors")).toArray(), QJsonArray { report });
            const QJsonArray files = doc.value(QStringLiteral("files")).toArray();
            QCOMPARE(files.size(), 2);
            for (const QJsonValue &file : files) {
                const QJsonObject o = file.toObject();
                QCOMPARE(o.value(QStringLiteral("status")).toString(), QStringLiteral("failed"));
                QCOMPARE(o.value(QStringLiteral("verified")), QJsonValue(false));
                QCOMPARE(o.value(QStringLiteral("deleted")), QJsonValue(!refuseDelete));
            }
        } else {
            QCOMPARE(r.err, report + QLatin1Char('\n'));
        }
        QCOMPARE(m_sim->hasFile(QStringLiteral("HOMEWORK.py")), refuseDelete);
        QCOMPARE(m_sim->hasFile(QStringLiteral("RULES.txt")), refuseDelete);
        QCOMPARE(m_sim->fileContent(QStringLiteral("A.py")), QByteArray("aaa"));
    }

    void watchSeesPlugAndUnplug()
    {
        attach({ m_sim });
        QProcess watch;
        watch.setProcessEnvironment(m_env);
        watch.start(
            QStringLiteral(VUVECTL_PATH), { QStringLiteral("--json"), QStringLiteral("watch") });
        QString out;
        const auto waitForLines = [&](int n) {
            QElapsedTimer clock;
            clock.start();
            while (out.count(QLatin1Char('\n')) < n && clock.elapsed() < 20000) {
                watch.waitForReadyRead(200);
                out += QString::fromUtf8(watch.readAllStandardOutput());
            }
            return out.count(QLatin1Char('\n')) >= n;
        };
        QVERIFY2(waitForLines(1), qPrintable(out));

        CalcSimulator *plugged = another(QStringLiteral("Lab 7"));
        QVERIFY(plugged);
        attach({ m_sim, plugged });
        QVERIFY2(waitForLines(2), qPrintable(out));
        attach({ plugged });
        QVERIFY2(waitForLines(3), qPrintable(out));

        ::kill(pid_t(watch.processId()), SIGINT);
        QVERIFY(watch.waitForFinished(10000));
        QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watch.exitCode(), 0);
        const QList<QJsonObject> events = jsonLines(out);
        QCOMPARE(events.size(), 3);
        const auto event = [](const char *what, const QString &device, const QString &port) {
            return QJsonObject { { QStringLiteral("event"), QLatin1String(what) },
                { QStringLiteral("device"), device }, { QStringLiteral("port"), port },
                { QStringLiteral("serial"), QJsonValue() } };
        };
        QCOMPARE(events.at(0), event("attached", QStringLiteral("Vori X1"), m_sim->portPath()));
        QCOMPARE(events.at(1), event("attached", QStringLiteral("Lab 7"), plugged->portPath()));
        QCOMPARE(events.at(2), event("detached", QStringLiteral("Vori X1"), m_sim->portPath()));
    }

    // Asked for on a pipe, progress names the file and ends at its size.
    void progressOnPipe()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.py")), "a");
        writeFile(dir.filePath(QStringLiteral("big.bin")), randomBytes(1048576, 5));
        Run quiet = vuvectl({ QStringLiteral("put"), dir.filePath(QStringLiteral("a.py")) });
        QCOMPARE(quiet.err, QString());
        m_sim->setFiles({});
        Run r = vuvectl({ QStringLiteral("--progress"), QStringLiteral("put"),
            dir.filePath(QStringLiteral("a.py")), dir.filePath(QStringLiteral("big.bin")) });
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains(QStringLiteral("[1/2] A.py  1 B / 1 B")), qPrintable(r.err));
        QVERIFY2(
            r.err.contains(QStringLiteral("[2/2] BIG.bin  1.0 MiB / 1.0 MiB")), qPrintable(r.err));
        // 2049 frames, but a line at most once a second and once at the end.
        QVERIFY2(r.err.count(QLatin1Char('\n')) < 20, qPrintable(r.err));
        QVERIFY(!r.err.contains(QLatin1Char('\r')));
    }

    // collect shows each file's line too, and leaves each file's last state.
    void collectProgressOnPipe()
    {
        m_sim->setFiles(
            { { QStringLiteral("A.py"), "a" }, { QStringLiteral("B.py"), randomBytes(3000, 6) } });
        QTemporaryDir dir;
        const Run r = vuvectl({ QStringLiteral("--progress"), QStringLiteral("collect"),
            QStringLiteral("--clear"), dir.path() });
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains(QStringLiteral("[1/2] A.py  1 B / 1 B\n")), qPrintable(r.err));
        QVERIFY2(
            r.err.endsWith(QStringLiteral("[2/2] B.py  2.9 KiB / 2.9 KiB\n")), qPrintable(r.err));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("refusedType");
        QTest::addColumn<QString>("errorStr");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrHas");
        using M = calcMsg;
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
            << QStringLiteral("Try 'vuvectl --help'.");
        QTest::newRow("missing argument")
            << QStringList { QStringLiteral("get") } << int(M::NONE) << QString() << 2
            << QStringLiteral("Try 'vuvectl --help'.");
        QTest::newRow("unknown policy")
            << QStringList { QStringLiteral("--on-conflict=maybe"), QStringLiteral("put"),
                   QStringLiteral("@LOCAL") }
            << int(M::NONE) << QString() << 2 << QStringLiteral("--on-conflict takes");
        QTest::newRow("asking without a terminal") << QStringList {
            QStringLiteral("--on-conflict=ask"), QStringLiteral("put"), QStringLiteral("@LOCAL")
        } << int(M::NONE) << QString() << 2 << QStringLiteral("needs a terminal");
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
                refusedType, refusedType == calcMsg::DELETE_FILE ? 1 : 0, 0, errorStr);
        Run r = vuvectl(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(stderrHas), qPrintable(r.err));
        QVERIFY2(!r.out.contains(QStringLiteral("->")), qPrintable(r.out));
        QVERIFY(!m_sim->hasFile(QStringLiteral("BIG.py")));
    }

    // A refusal names the file and the calculator, says what it means and
    // what to do, after the link's own text.
    void refusalSaysWhatToDo_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("refusedType");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("err");
        using M = calcMsg;
        QTest::newRow("send, memory full")
            << QStringLiteral("put") << int(M::SEND_FILE) << int(M::MEMORY_ERROR)
            << QStringLiteral("File can't be sent. HELLO.py, Vori X1: the calculator's memory is "
                              "full; delete files on it and send again.\n");
        QTest::newRow("delete, no such file")
            << QStringLiteral("rm") << int(M::DELETE_FILE) << int(M::FILE_NOT_EXIST)
            << QString::fromUtf8("File doesn\u2019t exist. A.PY, Vori X1: the file is not on the "
                                 "calculator; plug it in again to see the files it holds now.\n");
        QTest::newRow("copy, write error")
            << QStringLiteral("get") << int(M::GET_FILE) << int(M::WRITE_ERROR)
            << QStringLiteral("Write error. A.PY, Vori X1: the calculator could not read the file; "
                              "restart it and copy again.\n");
    }
    void refusalSaysWhatToDo()
    {
        QFETCH(QString, command);
        QFETCH(int, refusedType);
        QFETCH(int, error);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("HELLO.py"));
        writeFile(local, "print('hello')\n");
        m_sim->setFiles({ { QStringLiteral("A.PY"), QByteArray("a") } });
        m_sim->setRefusal(refusedType, error, 0, QString());
        QStringList args { command };
        if (command == QLatin1String("put"))
            args << local;
        else if (command == QLatin1String("rm"))
            args << QStringLiteral("A.PY");
        else
            args << QStringLiteral("A.PY") << QStringLiteral("--to") << dir.path();
        Run r = vuvectl(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, err);
    }

    void noCalculator()
    {
        Run r = vuvectl({ QStringLiteral("ls") }, false);
        if (r.exitCode == 0)
            QSKIP("a real calculator is attached to this machine");
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
            QStringLiteral("No calculator is connected. Plug one in, or name its port with --port "
                           "PATH (for the simulator, the path vuve-calcsim prints, such as "
                           "/dev/pts/3).\n"));
        QCOMPARE(r.out, QString());
    }

    // A port given as a path relative to where vuvectl runs is that path,
    // with or without "./" in front, as a shell user means it.
    void relativePort_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("bare") << QStringLiteral("cli/p2");
        QTest::newRow("dot") << QStringLiteral("./cli/p2");
    }
    void relativePort()
    {
        QFETCH(QString, port);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cli")));
        QVERIFY(QFile::link(m_sim->portPath(), dir.filePath(QStringLiteral("cli/p2"))));
        Run r = runProcess(QStringLiteral(VUVECTL_PATH),
            { QStringLiteral("--port"), port, QStringLiteral("info") }, m_env, dir.path());
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("Vori X1")));
    }

    // Nothing attached is said, on standard error, and is no failure; the
    // JSON document keeps its form with an empty list.
    void portsWithNothingAttached()
    {
        attach({});
        Run text = vuvectl({ QStringLiteral("ports") }, false);
        QCOMPARE(text.exitCode, 0);
        QCOMPARE(text.out, QString());
        QCOMPARE(text.err, QStringLiteral("No calculator is attached.\n"));
        Run json = vuvectl({ QStringLiteral("--json"), QStringLiteral("ports") }, false);
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(json.err, QString());
        const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QVERIFY(doc.value(QStringLiteral("ok")).toBool());
        QVERIFY(doc.contains(QStringLiteral("calculators")));
        QCOMPARE(doc.value(QStringLiteral("calculators")).toArray().size(), 0);
    }

    void silentCalculator()
    {
        m_sim->setSilent(true);
        Run r
            = vuvectl({ QStringLiteral("--timeout"), QStringLiteral("200"), QStringLiteral("ls") });
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
            QStringLiteral("The calculator at %1 does not answer. Switch it on, open its home "
                           "screen and plug it in again.\n")
                .arg(m_sim->portPath()));
    }

    // Names from the calculator go onto the command line when Tab completes
    // them: nothing in them runs, and each reads back as the name itself,
    // for a word begun bare, in single quotes or in double quotes.
    void completionTakesNamesAsData_data()
    {
        QTest::addColumn<QStringList>("words"); // after "vuvectl"; the last one is completed
        QTest::addColumn<QStringList>("offered");
        const QString dollar = QStringLiteral("A$(touch PWNED).TXT");
        const QString backtick = QStringLiteral("A`touch PWNED`.TXT");
        const QString quotes = QStringLiteral("B'x\" !y;*.PY");
        const QString star = QStringLiteral("*");
        const QString calc = QStringLiteral("Lab $(touch PWNED) *");
        QTest::newRow("get, every name") << QStringList { QStringLiteral("get"), QString() }
                                         << QStringList { dollar, backtick, quotes, star };
        QTest::newRow("get, bare") << QStringList { QStringLiteral("get"), QStringLiteral("A") }
                                   << QStringList { dollar, backtick };
        QTest::newRow("rm, backslash") << QStringList { QStringLiteral("rm"),
            QStringLiteral("A\\$") } << QStringList { dollar };
        QTest::newRow("get, single quote") << QStringList { QStringLiteral("get"),
            QStringLiteral("'B") } << QStringList { quotes };
        QTest::newRow("rm, double quote") << QStringList { QStringLiteral("rm"),
            QStringLiteral("\"") } << QStringList { dollar, backtick, quotes, star };
        QTest::newRow("get, star")
            << QStringList { QStringLiteral("get"), QStringLiteral("\\*") } << QStringList { star };
        QTest::newRow("get on a port") << QStringList { QStringLiteral("--port"),
            QStringLiteral("@PORT"), QStringLiteral("get"), QStringLiteral("A") }
                                       << QStringList { dollar, backtick };
        QTest::newRow("calc") << QStringList { QStringLiteral("--calc"), QString() }
                              << QStringList { calc };
        QTest::newRow("calc, single quote") << QStringList { QStringLiteral("--calc"),
            QStringLiteral("'L") } << QStringList { calc };
        QTest::newRow("calc, double quote") << QStringList { QStringLiteral("--calc"),
            QStringLiteral("\"L") } << QStringList { calc };
        // Local names are offered as bash offers them; "local file" comes
        // back here in two words, as the read-back does not quote it.
        const QStringList local { QStringLiteral("local"), QStringLiteral("file") };
        QTest::newRow("station") << QStringList { QStringLiteral("sta") }
                                 << QStringList { QStringLiteral("station") };
        QTest::newRow("station, its options")
            << QStringList { QStringLiteral("station"), QStringLiteral("--n") }
            << QStringList { QStringLiteral("--name"), QStringLiteral("--now") };
        QTest::newRow("verify") << QStringList { QStringLiteral("put"), QStringLiteral("--veri") }
                                << QStringList { QStringLiteral("--verify") };
        QTest::newRow("diff and sync")
            << QStringList { QStringLiteral("d") } << QStringList { QStringLiteral("diff") };
        QTest::newRow("sync's options")
            << QStringList { QStringLiteral("sync"), QStringLiteral("--d") }
            << QStringList { QStringLiteral("--delete"), QStringLiteral("--dry-run") };
        QTest::newRow("sync, a folder") << QStringList { QStringLiteral("sync"), QString() }
                                        << QStringList { QStringLiteral("classes") };
        QTest::newRow("station --sync, a folder") << QStringList { QStringLiteral("station"),
            QStringLiteral("--sync"), QString() } << QStringList { QStringLiteral("classes") };
        QTest::newRow("station --send, files")
            << QStringList { QStringLiteral("station"), QStringLiteral("--send"), QString() }
            << local + QStringList { QStringLiteral("classes") };
        QTest::newRow("station --backup, a folder") << QStringList { QStringLiteral("station"),
            QStringLiteral("--backup"), QString() } << QStringList { QStringLiteral("classes") };
        QTest::newRow("collect") << QStringList { QStringLiteral("coll") }
                                 << QStringList { QStringLiteral("collect") };
        QTest::newRow("collect, a folder") << QStringList { QStringLiteral("collect"), QString() }
                                           << QStringList { QStringLiteral("classes") };
        QTest::newRow("clear") << QStringList { QStringLiteral("collect"), QStringLiteral("--cle") }
                               << QStringList { QStringLiteral("--clear") };
        QTest::newRow("station --collect") << QStringList { QStringLiteral("station"),
            QStringLiteral("--co") } << QStringList { QStringLiteral("--collect") };
        QTest::newRow("station --first") << QStringList { QStringLiteral("station"),
            QStringLiteral("--name"), QStringLiteral("D#"), QStringLiteral("--fi") }
                                         << QStringList { QStringLiteral("--first") };
        QTest::newRow("station --collect, a folder") << QStringList { QStringLiteral("station"),
            QStringLiteral("--collect"), QString() } << QStringList { QStringLiteral("classes") };
        QTest::newRow("station --name, no files") << QStringList { QStringLiteral("station"),
            QStringLiteral("--name"), QString() } << QStringList();
        QTest::newRow("station after a pattern") << QStringList { QStringLiteral("--name"),
            QStringLiteral("Desk"), QStringLiteral("sta") }
                                                 << QStringList { QStringLiteral("station") };
        QTest::newRow("station, no files before --send")
            << QStringList { QStringLiteral("station"), QString() } << QStringList();
        QTest::newRow("station after a folder") << QStringList { QStringLiteral("--backup"),
            QStringLiteral("classes"), QStringLiteral("sta") }
                                                << QStringList { QStringLiteral("station") };
    }
    void completionTakesNamesAsData()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        const QString bashCompletion = QStringLiteral("/usr/share/bash-completion/bash_completion");
        QVERIFY2(
            QFileInfo::exists(bashCompletion), "bash-completion is not installed (scripts/setup)");
        m_sim->setName(QStringLiteral("Lab $(touch PWNED) *"));
        m_sim->setFiles({ { QStringLiteral("A$(touch PWNED).TXT"), "d" },
            { QStringLiteral("A`touch PWNED`.TXT"), "b" }, { QStringLiteral("B'x\" !y;*.PY"), "q" },
            { QStringLiteral("*"), "s" } });
        attach({ m_sim });
        words.replaceInStrings(QStringLiteral("@PORT"), m_sim->portPath());
        QTemporaryDir bin, work;
        QVERIFY(QFile::link(QStringLiteral(VUVECTL_PATH), bin.filePath(QStringLiteral("vuvectl"))));
        writeFile(work.filePath(QStringLiteral("local file")), "a glob would find me");
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("classes")));
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("PATH"),
            bin.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        env.insert(QStringLiteral("WORK"), work.path());
        env.insert(QStringLiteral("BASH_COMPLETION"), bashCompletion);
        env.insert(QStringLiteral("COMPLETION"),
            QStringLiteral(VUVE_SOURCE_DIR "/tools/vuvectl.bash-completion"));
        // Each reply is read back as the shell reads the line once Tab put
        // it there, its opening quote (if any) closed.
        const QString script = QStringLiteral(R"(cd "$WORK" || exit 2
source "$BASH_COMPLETION"
source "$COMPLETION"
COMP_WORDS=("$@")
COMP_CWORD=$(($# - 1))
COMP_LINE="$*"
COMP_POINT=${#COMP_LINE}
_vuvectl vuvectl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
cur=${COMP_WORDS[COMP_CWORD]}
quote=""
[[ $cur == [\'\"]* ]] && quote=${cur:0:1}
for reply in "${COMPREPLY[@]}"; do
    eval "printf '%s\n' $quote$reply$quote"
done
)");
        Run r = runProcess(QStringLiteral("bash"),
            QStringList { QStringLiteral("--norc"), QStringLiteral("--noprofile"),
                QStringLiteral("-c"), script, QStringLiteral("bash"), QStringLiteral("vuvectl") }
                + words,
            env);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            (QStringList { QStringLiteral("classes"), QStringLiteral("local file") }));
        QStringList got = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        got.sort();
        offered.sort();
        QCOMPARE(got, offered);
    }

    // What --help promises, the manual page and the README describe too.
    void documentationAgrees()
    {
        Run help = vuvectl({ QStringLiteral("--help") }, false);
        QCOMPARE(help.exitCode, 0);
        Run version = vuvectl({ QStringLiteral("--version") }, false);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("vuvectl " VUVE_VERSION "\n"));
        const QString man
            = QString::fromUtf8(readFile(QStringLiteral(VUVE_SOURCE_DIR "/docs/vuvectl.1")));
        const QString readme
            = QString::fromUtf8(readFile(QStringLiteral(VUVE_SOURCE_DIR "/README.md")));
        QVERIFY(man.contains(QStringLiteral(".TH VUVECTL 1")));
        QStringList options;
        const QRegularExpression option(QStringLiteral("(?:^|\\s)(--[a-z-]+)"));
        for (auto it = option.globalMatch(help.out); it.hasNext();)
            options.append(it.next().captured(1));
        options.removeDuplicates();
        QVERIFY(options.size() >= 10);
        for (const QString &o : qAsConst(options)) {
            QString roff = o;
            roff.replace(QLatin1Char('-'), QStringLiteral("\\-"));
            QVERIFY2(
                man.contains(roff), qPrintable(o + QStringLiteral(" is not in the manual page")));
        }
        for (const char *command : { "ports", "info", "ls", "get", "put", "rm", "rename", "backup",
                 "restore", "watch", "station", "diff", "sync", "collect" }) {
            const QString c = QLatin1String(command);
            QVERIFY2(help.out.contains(QStringLiteral("\n  ") + c + QLatin1Char(' ')), command);
            QVERIFY2(man.contains(QStringLiteral(".B ") + c), command);
            QVERIFY2(readme.contains(QStringLiteral("vuvectl ") + c)
                    || readme.contains(QStringLiteral(" ") + c + QLatin1Char(' ')),
                command);
        }
        for (const char *code : { "0", "1", "2", "3", "130" }) {
            QVERIFY2(help.out.contains(QStringLiteral("\n  %1  ").arg(QLatin1String(code))), code);
            QVERIFY2(man.contains(QStringLiteral(".B %1\n").arg(QLatin1String(code))), code);
        }
    }
};

QTEST_GUILESS_MAIN(TestVuveCtl)
#include "tst_vuvectl.moc"
