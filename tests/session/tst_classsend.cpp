#include "CVivuRuzaSession.h"
#include "ClassJobModel.h"
#include "SessionRig.h"
#include "TransferProgress.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

using VivuRuza::calcMsg;

namespace {
const int working = int(ClassJobModel::State::Working);
const int done = int(ClassJobModel::State::Done);
const int failed = int(ClassJobModel::State::Failed);
const int cancelled = int(ClassJobModel::State::Cancelled);

// The states each row went through, in order, from the model's signal.
QHash<int, QList<int>> statesByRow(const QSignalSpy &spy)
{
    QHash<int, QList<int>> states;
    for (const QList<QVariant> &args : spy)
        states[args.at(0).toInt()].append(args.at(1).toInt());
    return states;
}

bool waitEnded(SessionRig &rig)
{
    return QTest::qWaitFor(
        [&rig] { return !rig.session.classJob()->running() && rig.session.runningJobs() == 0; },
        60000);
}
} // namespace

// The same files to several calculators at once, each in its own worker,
// told in one panel: a row per calculator and a summary.
class TestClassSend : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void sendToSeveral_data();
    void sendToSeveral();
    void collisionsSettledOnce_data();
    void collisionsSettledOnce();
    void cancelAll();
    void problemsToldOnce_data();
    void problemsToldOnce();
    void namesToldOnce_data();
    void namesToldOnce();
    void verifyCatchesStoredWrong_data();
    void verifyCatchesStoredWrong();
    void verifySettingRemembered();
    void cancelWhileReadBack();

private:
    QList<QUrl> files(const QTemporaryDir &dir, const QStringList &names);

    QTemporaryDir m_home;
};

// Settings of a home of the test's own: the verify setting it remembers is
// never the user's.
void TestClassSend::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_classsend"));
}

void TestClassSend::init()
{
    QSettings().clear();
    QSettings().sync();
}

QList<QUrl> TestClassSend::files(const QTemporaryDir &dir, const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (!writeLocalFile(path, name.toLatin1() + QByteArray(700, '#')))
            return {};
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

void TestClassSend::sendToSeveral_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("refusing"); // the letter of a calculator that refuses, or none
    QTest::addColumn<QString>("summary");

    QTest::newRow("all, every one takes them")
        << true << QString() << QStringLiteral("Sent 2 files to 3 of 3 calculators");
    QTest::newRow("all, one refuses")
        << true << QStringLiteral("B")
        << QStringLiteral("Sent 2 files to 2 of 3 calculators; 1 failed: Calc B: ");
    QTest::newRow("the chosen ones")
        << false << QString() << QStringLiteral("Sent 2 files to 2 of 2 calculators");
}

void TestClassSend::sendToSeveral()
{
    QFETCH(bool, all);
    QFETCH(QString, refusing);
    QFETCH(QString, summary);
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    QTemporaryDir dir;
    const QList<QUrl> urls = files(dir, { QStringLiteral("ONE.PY"), QStringLiteral("TWO.PY") });
    QCOMPARE(urls.size(), 2);
    if (!refusing.isEmpty())
        rig.sim(refusing)->setRefusal(
            calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QStringLiteral("Memory is full"));
    rig.session.setChosen(0, true);
    rig.session.setChosen(2, true);
    QCOMPARE(rig.session.chosenCount(), 2);
    QVERIFY(rig.session.isChosen(2) && !rig.session.isChosen(1));

    ClassJobModel *job = rig.session.classJob();
    QSignalSpy states(job, &ClassJobModel::stateChange);
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    QVERIFY(rig.session.planClassSend(urls, all));
    QCOMPARE(rig.session.classTakenNames(), QStringList());
    rig.session.startClassSend(false);
    QVERIFY(job->active());
    QCOMPARE(job->rowCount(), all ? 3 : 2);
    // The window never waits: every row is still to come back.
    QVERIFY(job->running());
    QVERIFY(waitEnded(rig));

    QVERIFY2(job->summary().startsWith(summary), qPrintable(job->summary()));
    // Failures are told in the rows, never in a dialog per calculator.
    QCOMPARE(errors.count(), 0);
    const QHash<int, QList<int>> byRow = statesByRow(states);
    const QStringList letters = all
        ? QStringList { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }
        : QStringList { QStringLiteral("A"), QStringLiteral("C") };
    for (int row = 0; row < letters.size(); ++row) {
        CalcSimulator *sim = rig.sim(letters.at(row));
        const bool refused = letters.at(row) == refusing;
        QCOMPARE(job->data(job->index(row), ClassJobModel::CalculatorRole).toString(),
            QStringLiteral("Calc ") + letters.at(row));
        QCOMPARE(byRow.value(row), (QList<int> { working, refused ? failed : done }));
        QCOMPARE(sim->hasFile(QStringLiteral("ONE.PY")), !refused);
        QCOMPARE(sim->hasFile(QStringLiteral("TWO.PY")), !refused);
        if (refused)
            QVERIFY2(job->outcome(row).contains(QStringLiteral("Memory is full")),
                qPrintable(job->outcome(row)));
    }
    if (!all)
        QVERIFY(!rig.sim(QStringLiteral("B"))->hasFile(QStringLiteral("ONE.PY")));

    // Retry sends again to the failed calculators only.
    if (!refusing.isEmpty()) {
        rig.sim(refusing)->clearRefusals();
        rig.sim(QStringLiteral("A"))->clearReceived();
        states.clear();
        rig.session.retryClassFailed();
        QVERIFY(waitEnded(rig));
        QCOMPARE(job->failedCount(), 0);
        QVERIFY2(job->summary().startsWith(QStringLiteral("Sent 2 files to 3 of 3 calculators")),
            qPrintable(job->summary()));
        QVERIFY(rig.sim(refusing)->hasFile(QStringLiteral("TWO.PY")));
        QVERIFY(!rig.sim(QStringLiteral("A"))->receivedTypes().contains(calcMsg::SEND_FILE));
        QCOMPARE(statesByRow(states).value(1), (QList<int> { 0, working, done }));
    }
    job->close();
    QVERIFY(!job->active());
}

void TestClassSend::collisionsSettledOnce_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace all") << true;
    QTest::newRow("skip all") << false;
}

// A and B hold MAIN.PY, C does not: one question for the class, and its
// answer acts on every calculator holding the name.
void TestClassSend::collisionsSettledOnce()
{
    QFETCH(bool, replace);
    SessionRig rig;
    for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B") })
        rig.sim(letter)->setFiles({ { QStringLiteral("MAIN.PY"), QByteArray("old") } });
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    QTemporaryDir dir;
    const QList<QUrl> urls = files(dir,
        { QStringLiteral("MAIN.PY"), QStringLiteral("longername.py"), QStringLiteral("NEW.PY") });
    QCOMPARE(urls.size(), 3);
    QVERIFY(writeLocalFile(dir.filePath(QStringLiteral("EMPTY.PY")), QByteArray()));
    QList<QUrl> all = urls;
    all.append(QUrl::fromLocalFile(dir.filePath(QStringLiteral("EMPTY.PY"))));

    QVERIFY(rig.session.planClassSend(all, true));
    QCOMPARE(rig.session.classTakenNames(), QStringList { QStringLiteral("MAIN.PY") });
    QCOMPARE(rig.session.classEmptyFiles(), QStringList { QStringLiteral("EMPTY.PY") });
    QCOMPARE(rig.session.classNameChanges().size(), 1);
    rig.session.startClassSend(replace);
    QVERIFY(waitEnded(rig));
    QCOMPARE(rig.session.classJob()->failedCount(), 0);

    const QByteArray sent = QByteArray("MAIN.PY") + QByteArray(700, '#');
    for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B") })
        QCOMPARE(rig.sim(letter)->fileContent(QStringLiteral("MAIN.PY")),
            replace ? sent : QByteArray("old"));
    QCOMPARE(rig.sim(QStringLiteral("C"))->fileContent(QStringLiteral("MAIN.PY")), sent);
    for (const QString &letter :
        { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }) {
        QVERIFY(rig.sim(letter)->hasFile(QStringLiteral("NEW.PY")));
        QVERIFY(!rig.sim(letter)->hasFile(QStringLiteral("EMPTY.PY")));
    }
}

// Cancel reaches every calculator's worker; each row says it was cancelled.
void TestClassSend::cancelAll()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BIG.PY"));
    QVERIFY(writeLocalFile(path, QByteArray(256 * 1024, 'b')));
    for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B") })
        rig.sim(letter)->setByteRate(16 * 1024);
    ClassJobModel *job = rig.session.classJob();
    QSignalSpy states(job, &ClassJobModel::stateChange);
    QVERIFY(rig.session.planClassSend({ QUrl::fromLocalFile(path) }, true));
    rig.session.startClassSend(false);
    QTRY_COMPARE_WITH_TIMEOUT(states.count(), 2, 20000);
    rig.session.cancelClassJob();
    QVERIFY(waitEnded(rig));
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(int(job->state(row)), cancelled);
        QVERIFY(!rig.sim(row ? QStringLiteral("B") : QStringLiteral("A"))
                     ->hasFile(QStringLiteral("BIG.PY")));
    }
    QVERIFY2(job->summary().contains(QStringLiteral("2 cancelled")), qPrintable(job->summary()));
}

void TestClassSend::problemsToldOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("told");
    QTest::newRow("too large") << "large"
                               << "BIG.PY (larger than 1 MiB)";
    QTest::newRow("a folder") << "folder"
                              << "BIG.PY (not a regular file)";
    QTest::newRow("a FIFO") << "fifo"
                            << "BIG.PY (not a regular file)";
    QTest::newRow("missing") << "missing"
                             << "BIG.PY (not found)";
}

// A file no calculator can take is left out of every batch and told once
// for the class, not as a failure on each calculator's row; the others go.
void TestClassSend::problemsToldOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, told);
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    QTemporaryDir dir;
    QList<QUrl> urls = files(dir, { QStringLiteral("GOOD.PY") });
    QCOMPARE(urls.size(), 1);
    const QString bad = dir.filePath(QStringLiteral("BIG.PY"));
    if (kind == QLatin1String("large"))
        QVERIFY(writeLocalFile(bad, QByteArray(1024 * 1024 + 1, 'x')));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("BIG.PY")));
    else if (kind == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(bad).constData(), 0600) == 0);
    urls.prepend(QUrl::fromLocalFile(bad));

    ClassJobModel *job = rig.session.classJob();
    QSignalSpy states(job, &ClassJobModel::stateChange);
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    QVERIFY(rig.session.planClassSend(urls, true));
    QCOMPARE(rig.session.classRefusedFiles(), QStringList { told });
    QCOMPARE(rig.session.classEmptyFiles(), QStringList());
    rig.session.startClassSend(false);
    QVERIFY(waitEnded(rig));

    QCOMPARE(errors.count(), 0);
    QCOMPARE(job->failedCount(), 0);
    QVERIFY2(job->summary() == QStringLiteral("Sent 1 file to 3 of 3 calculators"),
        qPrintable(job->summary()));
    const QHash<int, QList<int>> byRow = statesByRow(states);
    for (int row = 0; row < 3; ++row) {
        const QString letter = QString(QLatin1Char(char('A' + row)));
        QCOMPARE(byRow.value(row), (QList<int> { working, done }));
        QVERIFY(rig.sim(letter)->hasFile(QStringLiteral("GOOD.PY")));
        QVERIFY(!rig.sim(letter)->hasFile(QStringLiteral("BIG.PY")));
    }
}

void TestClassSend::namesToldOnce_data()
{
    QTest::addColumn<QStringList>("local"); // paths under the test's folder
    QTest::addColumn<QStringList>("sameNames"); // "%DIR%" stands for the folder
    QTest::addColumn<QStringList>("tooLong");
    QTest::addColumn<QStringList>("caseOnly");
    QTest::addColumn<QStringList>("sent"); // on every calculator, beside its own file

    QTest::newRow("two files to one name")
        << QStringList { QStringLiteral("prog.py"), QStringLiteral("PROG.py"),
               QStringLiteral("data.csv") }
        << QStringList { QStringLiteral("prog.py and PROG.py would both be PROG.py on the "
                                        "calculator.") }
        << QStringList() << QStringList { QStringLiteral("data.csv \u2192 DATA.csv") }
        << QStringList { QStringLiteral("DATA.csv") };
    QTest::newRow("one name from two folders")
        << QStringList { QStringLiteral("a/MAIN.PY"), QStringLiteral("b/MAIN.PY"),
               QStringLiteral("NOTE.PY") }
        << QStringList { QStringLiteral("%DIR%/a/MAIN.PY and %DIR%/b/MAIN.PY would both be "
                                        "MAIN.PY on the calculator.") }
        << QStringList() << QStringList() << QStringList { QStringLiteral("NOTE.PY") };
    QTest::newRow("three files to one name")
        << QStringList { QStringLiteral("main.py"), QStringLiteral("MAIN.py"),
               QStringLiteral("Main.py") }
        << QStringList { QStringLiteral("main.py and MAIN.py would both be MAIN.py on the "
                                        "calculator."),
               QStringLiteral("main.py and Main.py would both be MAIN.py on the calculator.") }
        << QStringList() << QStringList() << QStringList();
    QTest::newRow("shortened and upper-cased")
        << QStringList { QStringLiteral("longername.py"), QStringLiteral("rules.txt") }
        << QStringList() << QStringList { QStringLiteral("longername.py \u2192 LONGERNA.py") }
        << QStringList { QStringLiteral("rules.txt \u2192 RULES.txt") }
        << QStringList { QStringLiteral("LONGERNA.py"), QStringLiteral("RULES.txt") };
}

// Two files the rule gives one name would replace each other on every
// calculator: neither goes, and the pair is told once for the class. A name
// only put in upper case is told apart from one that was too long.
void TestClassSend::namesToldOnce()
{
    QFETCH(QStringList, local);
    QFETCH(QStringList, sameNames);
    QFETCH(QStringList, tooLong);
    QFETCH(QStringList, caseOnly);
    QFETCH(QStringList, sent);
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QTemporaryDir dir;
    for (const QString &path : qAsConst(local))
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(path).path()));
    const QList<QUrl> urls = files(dir, local);
    QCOMPARE(urls.size(), local.size());
    sameNames.replaceInStrings(QStringLiteral("%DIR%"), QDir::toNativeSeparators(dir.path()));

    QVERIFY(rig.session.planClassSend(urls, true));
    QCOMPARE(rig.session.classSameNames(), sameNames);
    QCOMPARE(rig.session.classNameChanges(), tooLong);
    QCOMPARE(rig.session.classCaseChanges(), caseOnly);
    QCOMPARE(rig.session.classRefusedFiles(), QStringList());
    rig.session.startClassSend(false);
    QVERIFY(waitEnded(rig));

    QCOMPARE(rig.session.classJob()->failedCount(), 0);
    for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B") }) {
        QStringList names;
        for (const auto &file : rig.sim(letter)->files()) {
            if (file.first != letter + QStringLiteral(".PY"))
                names.append(file.first);
        }
        names.sort();
        QCOMPARE(names, sent);
    }
}

void TestClassSend::verifyCatchesStoredWrong_data()
{
    QTest::addColumn<bool>("verify");
    QTest::newRow("verified") << true;
    QTest::newRow("not verified") << false;
}

// B stores a byte of each file wrong. Verified, its row fails with the file
// and the calculator named while A's passes, and the bad copy is deleted
// from B; unverified, both look sent.
void TestClassSend::verifyCatchesStoredWrong()
{
    QFETCH(bool, verify);
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    rig.sim(QStringLiteral("B"))->setCorruptStore(true);
    rig.session.setVerifySends(verify);
    QTemporaryDir dir;
    const QList<QUrl> urls = files(dir, { QStringLiteral("ONE.PY") });
    QCOMPARE(urls.size(), 1);
    ClassJobModel *job = rig.session.classJob();
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);

    QVERIFY(rig.session.planClassSend(urls, true));
    rig.session.startClassSend(false);
    QVERIFY(waitEnded(rig));

    QCOMPARE(job->state(0), ClassJobModel::State::Done);
    QCOMPARE(job->state(1), verify ? ClassJobModel::State::Failed : ClassJobModel::State::Done);
    if (verify)
        QCOMPARE(job->outcome(1),
            QStringLiteral("ONE.PY arrived on Calc B different from the computer's file. The "
                           "calculator's copy was deleted."));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(rig.sim(QStringLiteral("B"))->hasFile(QStringLiteral("ONE.PY")), !verify);
    QVERIFY(rig.sim(QStringLiteral("A"))->hasFile(QStringLiteral("ONE.PY")));
    // Reading back is a second transfer, asked for only when verifying.
    QCOMPARE(rig.sim(QStringLiteral("A"))->receivedTypes().contains(calcMsg::GET_FILE), verify);
}

// Off until switched on; a later run finds it as it was left.
void TestClassSend::verifySettingRemembered()
{
    {
        CVivuRuzaSession session;
        QVERIFY(!session.verifySends());
        QSignalSpy changes(&session, &CVivuRuzaSession::verifySendsChange);
        QVERIFY(session.setProperty("verifySends", true));
        QCOMPARE(changes.count(), 1);
        session.setVerifySends(true);
        QCOMPARE(changes.count(), 1);
    }
    QSettings().sync();
    CVivuRuzaSession again;
    QVERIFY(again.verifySends());
    again.setVerifySends(false);
    QVERIFY(!CVivuRuzaSession().verifySends());
}

// A Cancel while a file is read back leaves it whole on the calculator,
// unchecked: nothing is deleted, and the outcome does not say so.
void TestClassSend::cancelWhileReadBack()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BACK.PY"));
    const QByteArray content(48 * 1024, 'k');
    QVERIFY(writeLocalFile(path, content));
    rig.session.setVerifySends(true);
    a->setByteRate(16 * 1024);
    a->clearReceived();
    TransferProgress *transfer = rig.session.transfer();
    rig.session.toCalcUrls({ QUrl::fromLocalFile(path) });
    rig.session.sendFiles();
    QTRY_VERIFY_WITH_TIMEOUT(a->receivedTypes().contains(calcMsg::GET_FILE), 30000);
    rig.session.cancelTransfer();
    QTRY_VERIFY_WITH_TIMEOUT(rig.session.runningJobs() == 0, 30000);
    a->setByteRate(0);
    QVERIFY2(transfer->outcome().startsWith(QStringLiteral("Cancelled: ")),
        qPrintable(transfer->outcome()));
    QVERIFY2(
        !transfer->outcome().contains(QStringLiteral("deleted")), qPrintable(transfer->outcome()));
    QVERIFY(!a->receivedTypes().contains(calcMsg::DELETE_FILE));
    QCOMPARE(a->fileContent(QStringLiteral("BACK.PY")), content);
}

QTEST_GUILESS_MAIN(TestClassSend)
#include "tst_classsend.moc"
