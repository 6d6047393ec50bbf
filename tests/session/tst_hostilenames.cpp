// A calculator's name, its file names and its error texts are data in every
// output: vuvectl's listing and copies, the -v trace, and the window's lines.
// A name holding %1 keeps it, a line break forges no trace line, a control
// character reaches no terminal, and a right-to-left override turns none of
// the words around it: the window sets such a name apart in an isolate,
// terminals and folder names go without the override.
#include "CVivuRuzaSession.h"
#include "ConnectionDoctor.h"
#include "SessionRig.h"
#include "TraceCapture.h"
#include "TransferProgress.h"
#include "tools/ProcessRun.h"

#include <QDir>
#include <QLoggingCategory>
#include <QMutex>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using VivuRuza::calcMsg;

namespace {
const int jobTimeoutMs = 30000;
const QChar fsi(0x2068);
const QChar pdi(0x2069);

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

QString isolate(const QString &text)
{
    return fsi + text + pdi;
}

// No bidi control but isolates, each closed after it opens.
bool balanced(const QString &text)
{
    int depth = 0;
    for (const QChar c : text) {
        const ushort v = c.unicode();
        if (c == fsi) {
            ++depth;
        } else if (c == pdi) {
            if (--depth < 0)
                return false;
        } else if ((v >= 0x202A && v <= 0x202E) || (v >= 0x2066 && v <= 0x2069) || v == 0x200E
            || v == 0x200F || v == 0x061C) {
            return false;
        }
    }
    return depth == 0;
}

// Fit for a terminal or a trace line: no control character, no bidi control.
bool plain(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == fsi || c == pdi)
            return false;
    }
    return balanced(text);
}

QStringList tracedLines()
{
    return TraceCapture::traced();
}

bool idle(SessionRig &rig)
{
    return QTest::qWaitFor(
        [&rig] { return rig.session.runningJobs() == 0 && !rig.session.transfer()->running(); },
        jobTimeoutMs);
}

QString onlyFolderIn(const QString &parent)
{
    const QStringList made = QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return made.size() == 1 ? QDir(parent).filePath(made.first()) : QString();
}

QString joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}
} // namespace

class TestHostileNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void vuvectl_data() { names(); }
    void vuvectl();
    void window_data() { names(); }
    void window();

private:
    // The calculator's name and its one file's name, and what becomes of
    // them: in the window's sentences, on a terminal, in a trace line, and
    // at the start of a backup folder's name.
    void names();

    QTemporaryDir m_home;
};

void TestHostileNames::names()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownFile");
    QTest::addColumn<QString>("listedFile");
    QTest::addColumn<QString>("tracedName");
    QTest::addColumn<QString>("tracedFile");
    QTest::addColumn<QString>("folderStart");
    QTest::addColumn<bool>("rightToLeft");
    // Whether the file's name is one the calculator keeps, so that a restore
    // may send it back.
    QTest::addColumn<bool>("restorable");

    QTest::newRow("percent signs")
        << u(u"Calc %1 %2") << u(u"A%1.TXT") << u(u"Calc %1 %2") << u(u"A%1.TXT") << u(u"A%1.TXT")
        << u(u"Calc %1 %2") << u(u"A%1.TXT") << u(u"Calc %1 %2-") << false << true;
    QTest::newRow("override") << u(u"Calc\u202E X") << u(u"AB\u202ECD.TXT") << isolate(u(u"Calc X"))
                              << isolate(u(u"ABCD.TXT")) << u(u"ABCD.TXT") << u(u"Calc X")
                              << u(u"ABCD.TXT") << u(u"Calc X-") << false << false;
    QTest::newRow("line break") << u(u"Calc\nFORGED") << u(u"A\nFORGED.TXT") << u(u"Calc\nFORGED")
                                << u(u"A\nFORGED.TXT") << u(u"A\\nFORGED.TXT") << u(u"Calc?FORGED")
                                << u(u"A?FORGED.TXT") << u(u"Calc_FORGED-") << false << false;
    QTest::newRow("controls") << u(u"Calc\x1b\x07") << u(u"A\x01\x1b.TXT") << u(u"Calc\x1b\x07")
                              << u(u"A\x01\x1b.TXT") << u(u"A\\x01\\x1b.TXT") << u(u"Calc??")
                              << u(u"A??.TXT") << u(u"Calc__-") << false << false;
    QTest::newRow("right to left")
        << u(u"\u05D0\u05D1 %2") << u(u"\u05D2%1.TXT") << isolate(u(u"\u05D0\u05D1 %2"))
        << isolate(u(u"\u05D2%1.TXT")) << u(u"\u05D2%1.TXT") << u(u"\u05D0\u05D1 %2")
        << u(u"\u05D2%1.TXT") << u(u"\u05D0\u05D1 %2-") << true << false;
}

void TestHostileNames::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_hostilenames"));
    QVERIFY(qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"));
    TraceCapture::start();
}

void TestHostileNames::cleanupTestCase()
{
    TraceCapture::stop();
}

void TestHostileNames::init()
{
    QSettings().clear();
    TraceCapture::clear();
}

void TestHostileNames::cleanup()
{
    QLoggingCategory::setFilterRules(QString());
}

// ls and get, the latter with its trace.
void TestHostileNames::vuvectl()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, listedFile);
    QFETCH(QString, tracedName);
    QFETCH(QString, tracedFile);
    CalcSimulator sim;
    sim.setName(name);
    sim.setFiles({ { file, QByteArray("xy") } });
    QVERIFY(sim.start());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    const QStringList port { QStringLiteral("--port"), sim.portPath() };

    const Run ls = runProcess(
        QStringLiteral(VUVECTL_PATH), port + QStringList { QStringLiteral("ls") }, env);
    QCOMPARE(ls.exitCode, 0);
    QCOMPARE(ls.out, listedFile + QStringLiteral("\t2\n"));

    QTemporaryDir to;
    const Run get = runProcess(QStringLiteral(VUVECTL_PATH),
        QStringList { QStringLiteral("-v") } + port
            + QStringList { QStringLiteral("get"), QStringLiteral("--all-files"),
                QStringLiteral("--to"), to.path() },
        env);
    QCOMPARE(get.exitCode, 0);
    // The file lands under the calculator's own name; the terminal is told
    // of it in a form it can show.
    QFile copied(QDir(to.path()).filePath(file));
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("xy"));
    QCOMPARE(get.out, to.path() + QLatin1Char('/') + listedFile + QLatin1Char('\n'));

    // Every line of the trace is one of the trace's own.
    const QStringList lines = get.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        QVERIFY2(line.startsWith(QLatin1String("vuve.")), qPrintable(get.err));
        QVERIFY2(plain(line), qPrintable(line));
    }
    const auto has = [&lines](const QString &pattern) {
        return !lines.filter(QRegularExpression(pattern)).isEmpty();
    };
    const QString e = QRegularExpression::escape(tracedFile);
    QVERIFY2(has(QStringLiteral("^vuve\\.link: \\S+: device \"%1\", hv ")
                     .arg(QRegularExpression::escape(tracedName))),
        qPrintable(get.err));
    QVERIFY2(has(QStringLiteral("^vuve\\.transfer: \\S+: 1: \\S+ as %1, 2 bytes, planned$").arg(e)),
        qPrintable(get.err));
    QVERIFY2(
        has(QStringLiteral("^vuve\\.transfer: \\S+: 1: %1 started$").arg(e)), qPrintable(get.err));
    QVERIFY2(has(QStringLiteral("^vuve\\.transfer: \\S+: 1: %1 done, 2 bytes$").arg(e)),
        qPrintable(get.err));
}

// The doctor's notices and the discovery trace of a calculator that refuses
// its list with its name for a reason, and of one whose list leaves an
// entry out; then, listed, the outcomes of a backup, a restore's question
// and a send, and the backup's folder.
void TestHostileNames::window()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, shownName);
    QFETCH(QString, shownFile);
    QFETCH(QString, tracedName);
    QFETCH(QString, folderStart);
    QFETCH(bool, rightToLeft);
    QFETCH(bool, restorable);
    QLoggingCategory::setFilterRules(QStringLiteral("vuve.*.debug=true"));
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setName(name);
    a->setFiles({ { file, QByteArray("xy") } });
    a->setRefusal(calcMsg::GET_FILES_NUM, calcMsg::NONE_ERROR, 0, name);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.rowNames(), QStringList());
    const QStringList notices = rig.session.doctor()->notices();
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.first().endsWith(QStringLiteral(" could not be read. ") + shownName),
        qPrintable(notices.first()));
    QVERIFY(balanced(notices.first()));
    QVERIFY2(tracedLines().contains(QStringLiteral("vuve.discovery: simA: reading failed: ")
                 + notices.first().chopped(shownName.size()) + tracedName),
        qPrintable(joined(tracedLines())));

    // Listed, but with an entry that does not parse: the notice names it.
    a->clearRefusals();
    a->setFiles({ { file, QByteArray("xy") }, { QStringLiteral("BAD.TXT"), QByteArray("b") } });
    a->setBrokenUtf8FileName(QStringLiteral("BAD.TXT"));
    rig.ports.clear();
    rig.session.update();
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.rowNames(), QStringList { name });
    const QString unread = QStringLiteral("1 file on %1 could not be read and is not shown.");
    QCOMPARE(rig.session.doctor()->notices(), QStringList { unread.arg(shownName) });
    QVERIFY2(tracedLines().contains(QStringLiteral("vuve.discovery: simA: reading ended, 1 files; ")
                 + unread.arg(tracedName)),
        qPrintable(joined(tracedLines())));

    a->clearFaults();
    a->setFiles({ { file, QByteArray("xy") } });
    rig.ports.clear();
    rig.session.update();
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.rowNames(), QStringList { name });

    QTemporaryDir parent;
    rig.session.setBackupFolder(QUrl::fromLocalFile(parent.path()));
    QVERIFY(rig.session.backUp());
    QVERIFY(idle(rig));
    const QString folder = onlyFolderIn(parent.path());
    QVERIFY(!folder.isEmpty());
    const QString folderName = QFileInfo(folder).fileName();
    QVERIFY2(folderName.startsWith(folderStart), qPrintable(folderName));
    QVERIFY2(plain(folderName), qPrintable(folderName));
    const QString shownFolder = rightToLeft ? isolate(folder) : folder;
    QCOMPARE(rig.session.transfer()->outcome(),
        restorable
            ? QStringLiteral("Backed up 1 file of %1 to %2").arg(shownName, shownFolder)
            : QStringLiteral("Backed up 0 files of %1 to %2; 1 file can't be restored from it")
                  .arg(shownName, shownFolder));

    QSignalSpy ready(&rig.session, &CVivuRuzaSession::restorePreviewReady);
    QVERIFY(rig.session.previewRestore(QUrl::fromLocalFile(folder)));
    QVERIFY(idle(rig));
    QCOMPARE(ready.count(), 1);
    const QString question = rig.session.restoreQuestion();
    QVERIFY2(question.startsWith(
                 QStringLiteral("Restore to %1 the backup of %1 made on ").arg(shownName)),
        qPrintable(question));
    const QString nothingDeleted
        = QStringLiteral("\nNothing is deleted, on the calculator or on this computer.");
    QVERIFY2(
        question.contains(restorable
                ? QStringLiteral("1 file will be replaced: %1.").arg(shownFile) + nothingDeleted
                : QStringLiteral("The backup holds no file to restore.") + nothingDeleted
                    + QStringLiteral("\n\n1 file of the backup can't be restored: %1 (")
                          .arg(shownFile)),
        qPrintable(question));
    QVERIFY2(balanced(question), qPrintable(question));

    QTemporaryDir local;
    const QString path = local.filePath(QStringLiteral("NEW.TXT"));
    QVERIFY(writeLocalFile(path, "new"));
    rig.session.toCalcUrls({ QUrl::fromLocalFile(path) });
    rig.session.sendFiles();
    QVERIFY(idle(rig));
    QCOMPARE(rig.session.transfer()->outcome(), QStringLiteral("Sent 1 file to ") + shownName);

    for (const QString &line : tracedLines())
        QVERIFY2(plain(line), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestHostileNames)
#include "tst_hostilenames.moc"
