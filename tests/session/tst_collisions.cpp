#include "SessionRig.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const int jobTimeoutMs = 20000;

// "NAME=content" entries, the way the tables write file sets.
QList<QPair<QString, QByteArray>> parseFiles(const QStringList &entries)
{
    QList<QPair<QString, QByteArray>> files;
    for (const QString &entry : entries) {
        const int eq = entry.indexOf(QLatin1Char('='));
        files.append(qMakePair(entry.left(eq), entry.mid(eq + 1).toUtf8()));
    }
    return files;
}

QStringList formatFiles(const QList<QPair<QString, QByteArray>> &files)
{
    QStringList entries;
    for (const auto &file : files)
        entries.append(file.first + QLatin1Char('=') + QString::fromUtf8(file.second));
    return entries;
}

// Local files under dir: "path=content" creates one, a bare "path" names a
// file that does not exist.
QList<QUrl> makeLocalFiles(const QTemporaryDir &dir, const QStringList &entries)
{
    QList<QUrl> urls;
    for (const QString &entry : entries) {
        const int eq = entry.indexOf(QLatin1Char('='));
        const QString path = dir.filePath(eq < 0 ? entry : entry.left(eq));
        if (eq >= 0) {
            QDir().mkpath(QFileInfo(path).path());
            writeLocalFile(path, entry.mid(eq + 1).toUtf8());
        }
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

bool waitIdle(SessionRig &rig, QSignalSpy &busy)
{
    return QTest::qWaitFor([&] { return busy.count() >= 2 && !rig.isBusy(); }, jobTimeoutMs);
}

QStringList readLocalFiles(const QString &folder)
{
    QStringList entries;
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile f(QDir(folder).filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        entries.append(name + QLatin1Char('=') + QString::fromUtf8(f.readAll()));
    }
    return entries;
}
} // namespace

class TestCollisions : public QObject
{
    Q_OBJECT
private slots:
    void sendWalk_data();
    void sendWalk();
    void zeroSizeKeptAcrossCalls();
    void takenAsTheCalculatorWasRead();
    void emptyQueues();
    void download_data();
    void download();
    void downloadAnswerAll_data();
    void downloadAnswerAll();
};

void TestCollisions::sendWalk_data()
{
    QTest::addColumn<QStringList>("calcBefore");
    QTest::addColumn<QStringList>("local");
    // One per question: y replaces, n skips; Y and N answer this question and
    // every later one of the send.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QStringList>("walk");
    QTest::addColumn<QStringList>("calcAfter");
    QTest::addColumn<QStringList>("sent"); // names announced to the calculator, in order
    QTest::addColumn<QString>("outcome"); // the transfer line after the send
    auto l = [](std::initializer_list<const char *> items) {
        QStringList list;
        for (const char *item : items)
            list.append(QString::fromUtf8(item));
        return list;
    };

    QTest::newRow("three files, one empty")
        << l({}) << l({ "ONE.py=1", "EMPTY.py=", "TWO.py=2" }) << QString()
        << l({ "zero:EMPTY.py" }) << l({ "ONE.py=1", "TWO.py=2" }) << l({ "ONE.py", "TWO.py" })
        << QStringLiteral("Sent 2 files to Calc A");
    QTest::newRow("a missing file counts as empty")
        << l({}) << l({ "GONE.py", "ONE.py=1" }) << QString() << l({ "zero:GONE.py" })
        << l({ "ONE.py=1" }) << l({ "ONE.py" }) << QStringLiteral("Sent 1 file to Calc A");
    QTest::newRow("two MAIN.py, replace")
        << l({}) << l({ "a/MAIN.py=first", "b/MAIN.py=second" }) << QStringLiteral("y")
        << l({ "taken:MAIN.py" }) << l({ "MAIN.py=second" }) << l({ "MAIN.py" })
        << QStringLiteral("Sent 1 file to Calc A");
    QTest::newRow("two MAIN.py, skip")
        << l({}) << l({ "a/MAIN.py=first", "b/MAIN.py=second" }) << QStringLiteral("n")
        << l({ "taken:MAIN.py" }) << l({ "MAIN.py=first" }) << l({ "MAIN.py" })
        << QStringLiteral("Sent 1 file to Calc A; 1 skipped");
    QTest::newRow("taken on the calculator, replace")
        << l({ "MAIN.py=old", "X.PY=x" }) << l({ "MAIN.py=new" }) << QStringLiteral("y")
        << l({ "taken:MAIN.py" }) << l({ "MAIN.py=new", "X.PY=x" }) << l({ "MAIN.py" })
        << QStringLiteral("Sent 1 file to Calc A");
    QTest::newRow("taken on the calculator, skip")
        << l({ "MAIN.py=old" }) << l({ "MAIN.py=new", "TWO.py=2" }) << QStringLiteral("n")
        << l({ "taken:MAIN.py" }) << l({ "MAIN.py=old", "TWO.py=2" }) << l({ "TWO.py" })
        << QStringLiteral("Sent 1 file to Calc A; 1 skipped");
    QTest::newRow("renamed, new name free")
        << l({}) << l({ "hello world.py=hw" }) << QString()
        << l({ "rename:hello world.py>HELLOWOR.py" }) << l({ "HELLOWOR.py=hw" })
        << l({ "HELLOWOR.py" }) << QStringLiteral("Sent 1 file to Calc A");
    QTest::newRow("upper case only, and too long")
        << l({}) << l({ "rules.txt=r", "rulebook.text=rb", "Longrules.txt=lr" }) << QString()
        << l({ "case:rules.txt>RULES.txt", "rename:rulebook.text>RULEBOOK.tex",
               "rename:Longrules.txt>LONGRULE.txt" })
        << l({ "RULES.txt=r", "RULEBOOK.tex=rb", "LONGRULE.txt=lr" })
        << l({ "RULES.txt", "RULEBOOK.tex", "LONGRULE.txt" })
        << QStringLiteral("Sent 3 files to Calc A");
    QTest::newRow("renamed, new name taken on the calculator")
        << l({ "MAIN.py=old" }) << l({ "main.py=new" }) << QStringLiteral("y")
        << l({ "case:main.py>MAIN.py", "taken:MAIN.py" }) << l({ "MAIN.py=new" })
        << l({ "MAIN.py" }) << QStringLiteral("Sent 1 file to Calc A");
    QTest::newRow("renamed onto a file cleared in the same send")
        << l({}) << l({ "MAIN.py=first", "x/main.py=second" }) << QStringLiteral("y")
        << l({ "case:main.py>MAIN.py", "taken:MAIN.py" }) << l({ "MAIN.py=second" })
        << l({ "MAIN.py" }) << QStringLiteral("Sent 1 file to Calc A");
    QTest::newRow("two renamed onto one name, skip the second")
        << l({}) << l({ "a/main.py=first", "b/main.py=second" }) << QStringLiteral("n")
        << l({ "case:main.py>MAIN.py", "case:main.py>MAIN.py", "taken:MAIN.py" })
        << l({ "MAIN.py=first" }) << l({ "MAIN.py" })
        << QStringLiteral("Sent 1 file to Calc A; 1 skipped");
    QTest::newRow("every kind at once")
        << l({ "TAKEN.PY=old" })
        << l({ "TAKEN.PY=new", "long name.txt=ln", "EMPTY.py=", "FREE.PY=f" })
        << QStringLiteral("n")
        << l({ "zero:EMPTY.py", "taken:TAKEN.PY", "rename:long name.txt>LONGNAME.txt" })
        << l({ "TAKEN.PY=old", "FREE.PY=f", "LONGNAME.txt=ln" }) << l({ "FREE.PY", "LONGNAME.txt" })
        << QStringLiteral("Sent 2 files to Calc A; 1 skipped");
    QTest::newRow("three taken, yes to all")
        << l({ "ONE.PY=o1", "TWO.PY=o2", "THREE.PY=o3" })
        << l({ "ONE.PY=n1", "TWO.PY=n2", "THREE.PY=n3" }) << QStringLiteral("Y")
        << l({ "taken:ONE.PY" }) << l({ "ONE.PY=n1", "TWO.PY=n2", "THREE.PY=n3" })
        << l({ "ONE.PY", "TWO.PY", "THREE.PY" }) << QStringLiteral("Sent 3 files to Calc A");
    QTest::newRow("three taken, yes, then no to all")
        << l({ "ONE.PY=o1", "TWO.PY=o2", "THREE.PY=o3" })
        << l({ "ONE.PY=n1", "TWO.PY=n2", "THREE.PY=n3" }) << QStringLiteral("yN")
        << l({ "taken:ONE.PY", "taken:TWO.PY" }) << l({ "ONE.PY=n1", "TWO.PY=o2", "THREE.PY=o3" })
        << l({ "ONE.PY" }) << QStringLiteral("Sent 1 file to Calc A; 2 skipped");
    // A renamed file found taken after the answer gets it without a question.
    QTest::newRow("yes to all reaches a name change")
        << l({ "MAIN.py=old", "NOTE.PY=old note" }) << l({ "NOTE.PY=new note", "main.py=new" })
        << QStringLiteral("Y") << l({ "taken:NOTE.PY", "case:main.py>MAIN.py" })
        << l({ "MAIN.py=new", "NOTE.PY=new note" }) << l({ "NOTE.PY", "MAIN.py" })
        << QStringLiteral("Sent 2 files to Calc A");
    QTest::newRow("no to all reaches a name change")
        << l({ "MAIN.py=old", "NOTE.PY=old note" }) << l({ "NOTE.PY=new note", "main.py=new" })
        << QStringLiteral("N") << l({ "taken:NOTE.PY", "case:main.py>MAIN.py" })
        << l({ "MAIN.py=old", "NOTE.PY=old note" }) << l({})
        << QStringLiteral("Nothing was sent to Calc A; 2 skipped");
}

// The window's walk: zero-length files first, then taken names, then name
// changes, one at a time, and the send when nothing is left to settle.
void TestCollisions::sendWalk()
{
    QFETCH(QStringList, calcBefore);
    QFETCH(QStringList, local);
    QFETCH(QString, answers);
    QFETCH(QStringList, walk);
    QFETCH(QStringList, calcAfter);
    QFETCH(QStringList, sent);
    QFETCH(QString, outcome);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SessionRig rig;
    CalcSimulator *sim = rig.sim(QStringLiteral("A"));
    QVERIFY(sim);
    sim->setFiles(parseFiles(calcBefore));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);

    CVivuRuzaSession &s = rig.session;
    s.toCalcUrls(makeLocalFiles(dir, local));
    QStringList log;
    for (int step = 0; step < 20; ++step) {
        if (s.isToCalcZeroSizeCollision()) {
            log.append(QStringLiteral("zero:") + s.collisionToCalcZeroSizeFileName());
        } else if (s.isToCalcExistingCollision()) {
            const QString name = s.collisionToCalcFileName();
            QCOMPARE(s.collisionToCalcFileName(), name);
            log.append(QStringLiteral("taken:") + name);
            QVERIFY(!answers.isEmpty());
            const QChar answer = answers.at(0);
            if (answer.isUpper())
                s.releaseAllToCalcCollisions(answer == QLatin1Char('Y'));
            else
                s.releaseToCalcCollision(answer == QLatin1Char('y'));
            answers.remove(0, 1);
        } else if (s.isToCalcNameCollision()) {
            // A name short enough is only put in upper case, told apart.
            log.append(
                (s.isNameCollisionCaseOnly() ? QStringLiteral("case:") : QStringLiteral("rename:"))
                + s.getNameToCalcCollisionOld() + QLatin1Char('>') + s.getNameToCalcCollisionNew());
        } else {
            s.sendFiles();
            break;
        }
    }
    QCOMPARE(log, walk);
    QVERIFY(answers.isEmpty());
    QVERIFY(waitIdle(rig, busy));
    QCOMPARE(formatFiles(sim->files()), calcAfter);
    QStringList announced;
    for (const VivuRuza::calcMsg &msg : sim->received()) {
        if (msg.type() == VivuRuza::calcMsg::SEND_FILE)
            announced.append(QString::fromStdString(msg.finf().name()));
    }
    QCOMPARE(announced, sent);
    QCOMPARE(s.transfer()->outcome(), outcome);
}

// Zero-length names wait until they are taken, across sorts; the other send
// queues start afresh with each sort.
void TestCollisions::zeroSizeKeptAcrossCalls()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SessionRig rig;
    // Names taken are those the calculator was last read to hold.
    CalcSimulator *sim = rig.sim(QStringLiteral("A"));
    QVERIFY(sim);
    sim->setFiles({ { QStringLiteral("TAKEN.PY"), QByteArray("old") } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    CVivuRuzaSession &s = rig.session;

    s.toCalcUrls(makeLocalFiles(dir,
        { QStringLiteral("ONE.py="), QStringLiteral("TAKEN.PY=t"),
            QStringLiteral("ren ame.py=r") }));
    QVERIFY(s.isToCalcExistingCollision());
    s.toCalcUrls(makeLocalFiles(dir, { QStringLiteral("TWO.py=") }));
    QVERIFY(!s.isToCalcExistingCollision());
    QVERIFY(!s.isToCalcNameCollision());

    QStringList reported;
    while (s.isToCalcZeroSizeCollision())
        reported.append(s.collisionToCalcZeroSizeFileName());
    QCOMPARE(reported, QStringList({ QStringLiteral("ONE.py"), QStringLiteral("TWO.py") }));
    QCOMPARE(s.collisionToCalcZeroSizeFileName(), QString());
}

// A name is taken as the calculator's last reading lists it, whatever the
// file table shows meanwhile.
void TestCollisions::takenAsTheCalculatorWasRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SessionRig rig;
    CalcSimulator *sim = rig.sim(QStringLiteral("A"));
    QVERIFY(sim);
    sim->setFiles(parseFiles({ QStringLiteral("ON.PY=old") }));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.fileModel.setFiles({ { QStringLiteral("SHOWN.PY"), 3 } });
    CVivuRuzaSession &s = rig.session;

    s.toCalcUrls(makeLocalFiles(dir,
        { QStringLiteral("ON.PY=new"), QStringLiteral("SHOWN.PY=s"), QStringLiteral("on.py=n") }));
    QStringList taken;
    while (s.isToCalcExistingCollision()) {
        taken.append(s.collisionToCalcFileName());
        s.releaseToCalcCollision(false);
    }
    QCOMPARE(taken, QStringList { QStringLiteral("ON.PY") });
    QVERIFY(s.isToCalcNameCollision());
    QCOMPARE(s.getNameToCalcCollisionNew(), QStringLiteral("ON.py"));
    QVERIFY(s.isToCalcExistingCollision());
}

// Empty queues answer false and empty names; releases change nothing.
void TestCollisions::emptyQueues()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SessionRig rig;
    CVivuRuzaSession &s = rig.session;
    s.releaseToCalcCollision(true);
    s.releaseToCalcCollision(false);
    s.releaseFromCalcCollision(true);
    s.releaseFromCalcCollision(false);
    QVERIFY(!s.isToCalcZeroSizeCollision());
    QVERIFY(!s.isToCalcNameCollision());
    QVERIFY(!s.isToCalcExistingCollision());
    QVERIFY(!s.isFromCalcCollision());
    QCOMPARE(s.collisionToCalcZeroSizeFileName(), QString());
    QCOMPARE(s.collisionToCalcFileName(), QString());
    QCOMPARE(s.collisionFromCalcFileName(), QString());
    QCOMPARE(s.getNameToCalcCollisionOld(), QString());
    QCOMPARE(s.getNameToCalcCollisionNew(), QString());

    // The last name change stays readable after its queue is empty.
    s.toCalcUrls(makeLocalFiles(dir, { QStringLiteral("abc.py=1") }));
    QVERIFY(s.isToCalcNameCollision());
    QVERIFY(!s.isToCalcNameCollision());
    QCOMPARE(s.getNameToCalcCollisionOld(), QStringLiteral("abc.py"));
    QCOMPARE(s.getNameToCalcCollisionNew(), QStringLiteral("ABC.py"));
}

void TestCollisions::download_data()
{
    QTest::addColumn<QString>("rows"); // rows of the file list added to the selection
    QTest::addColumn<bool>("checkCollision");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QStringList>("localAfter");
    const QStringList none;
    const QStringList both { QStringLiteral("A.PY"), QStringLiteral("B.PY") };
    const QStringList a { QStringLiteral("A.PY") };
    QTest::newRow("no check: existing file overwritten")
        << QStringLiteral("0 1") << false << QString() << none << both
        << QStringList { QStringLiteral("A.PY=new a"), QStringLiteral("B.PY=new b") };
    QTest::newRow("check, replace")
        << QStringLiteral("0 1") << true << QStringLiteral("y") << a
        << QStringList { QStringLiteral("B.PY"), QStringLiteral("A.PY") }
        << QStringList { QStringLiteral("A.PY=new a"), QStringLiteral("B.PY=new b") };
    QTest::newRow("check, skip") << QStringLiteral("0 1") << true << QStringLiteral("n") << a
                                 << QStringList { QStringLiteral("B.PY") }
                                 << QStringList { QStringLiteral("A.PY=old"),
                                        QStringLiteral("B.PY=new b") };
    QTest::newRow("check, nothing there")
        << QStringLiteral("1") << true << QString() << none
        << QStringList { QStringLiteral("B.PY") }
        << QStringList { QStringLiteral("A.PY=old"), QStringLiteral("B.PY=new b") };
    QTest::newRow("rows out of range")
        << QStringLiteral("-1 2 1 99") << false << QString() << none
        << QStringList { QStringLiteral("B.PY") }
        << QStringList { QStringLiteral("A.PY=old"), QStringLiteral("B.PY=new b") };
    QTest::newRow("nothing selected") << QString() << true << QString() << none << none
                                      << QStringList { QStringLiteral("A.PY=old") };
}

// The download walk: settle each file that exists locally, then download;
// the URLs name the files the job writes.
void TestCollisions::download()
{
    QFETCH(QString, rows);
    QFETCH(bool, checkCollision);
    QFETCH(QString, answers);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, urls);
    QFETCH(QStringList, localAfter);

    QTemporaryDir dest;
    QVERIFY(dest.isValid());
    QVERIFY(writeLocalFile(dest.filePath(QStringLiteral("A.PY")), "old"));
    SessionRig rig;
    CalcSimulator *sim = rig.sim(QStringLiteral("A"));
    QVERIFY(sim);
    sim->setFiles(parseFiles({ QStringLiteral("A.PY=new a"), QStringLiteral("B.PY=new b") }));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);

    CVivuRuzaSession &s = rig.session;
    for (const QString &row : rows.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        s.addSelected(row.toInt());
    s.fromCalcUrls(checkCollision, QUrl::fromLocalFile(dest.path()));
    QStringList log;
    while (s.isFromCalcCollision()) {
        const QString name = s.collisionFromCalcFileName();
        QCOMPARE(s.collisionFromCalcFileName(), name);
        log.append(name);
        QVERIFY(!answers.isEmpty());
        s.releaseFromCalcCollision(answers.at(0) == QLatin1Char('y'));
        answers.remove(0, 1);
    }
    QCOMPARE(log, asked);
    QList<QUrl> expectedUrls;
    for (const QString &name : urls)
        expectedUrls.append(QUrl::fromLocalFile(dest.path() + QLatin1Char('/') + name));
    QCOMPARE(s.downloadsFiles(), expectedUrls);
    QVERIFY(waitIdle(rig, busy));
    QCOMPARE(readLocalFiles(dest.path()), localAfter);

    // The selection was used up.
    s.fromCalcUrls(false, QUrl::fromLocalFile(dest.path()));
    QCOMPARE(s.downloadsFiles(), QList<QUrl>());
}

void TestCollisions::downloadAnswerAll_data()
{
    // One per question, as in the send walk.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("localAfter");
    QTest::addColumn<QString>("outcome"); // %1: the folder
    const QStringList olds { QStringLiteral("A.PY=old"), QStringLiteral("B.PY=old"),
        QStringLiteral("C.PY=old") };
    const QStringList news { QStringLiteral("A.PY=new a"), QStringLiteral("B.PY=new b"),
        QStringLiteral("C.PY=new c") };
    QTest::newRow("yes to all") << QStringLiteral("Y") << QStringList { QStringLiteral("A.PY") }
                                << news << QStringLiteral("Copied 3 files to %1");
    QTest::newRow("no to all") << QStringLiteral("N") << QStringList { QStringLiteral("A.PY") }
                               << olds << QStringLiteral("Nothing was copied; 3 skipped");
    QTest::newRow("yes, then no to all")
        << QStringLiteral("yN") << QStringList { QStringLiteral("A.PY"), QStringLiteral("B.PY") }
        << QStringList { news.at(0), olds.at(1), olds.at(2) }
        << QStringLiteral("Copied 1 file to %1; 2 skipped");
    QTest::newRow("no, then yes to all")
        << QStringLiteral("nY") << QStringList { QStringLiteral("A.PY"), QStringLiteral("B.PY") }
        << QStringList { olds.at(0), news.at(1), news.at(2) }
        << QStringLiteral("Copied 2 files to %1; 1 skipped");
}

// Every file of the download exists locally: one answer can settle the rest,
// and the outcome counts the files skipped.
void TestCollisions::downloadAnswerAll()
{
    QFETCH(QString, answers);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, localAfter);
    QFETCH(QString, outcome);

    QTemporaryDir dest;
    QVERIFY(dest.isValid());
    for (const char *name : { "A.PY", "B.PY", "C.PY" })
        QVERIFY(writeLocalFile(dest.filePath(QLatin1String(name)), "old"));
    SessionRig rig;
    CalcSimulator *sim = rig.sim(QStringLiteral("A"));
    QVERIFY(sim);
    sim->setFiles(parseFiles({ QStringLiteral("A.PY=new a"), QStringLiteral("B.PY=new b"),
        QStringLiteral("C.PY=new c") }));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);

    CVivuRuzaSession &s = rig.session;
    for (int row = 0; row < 3; ++row)
        s.addSelected(row);
    s.fromCalcUrls(true, QUrl::fromLocalFile(dest.path()));
    QStringList log;
    while (s.isFromCalcCollision()) {
        log.append(s.collisionFromCalcFileName());
        QVERIFY(!answers.isEmpty());
        const QChar answer = answers.at(0);
        if (answer.isUpper())
            s.releaseAllFromCalcCollisions(answer == QLatin1Char('Y'));
        else
            s.releaseFromCalcCollision(answer == QLatin1Char('y'));
        answers.remove(0, 1);
    }
    QCOMPARE(log, asked);
    QVERIFY(answers.isEmpty());
    s.downloadsFiles();
    QVERIFY(waitIdle(rig, busy));
    QCOMPARE(readLocalFiles(dest.path()), localAfter);
    QCOMPARE(s.transfer()->outcome(), outcome.arg(QDir::toNativeSeparators(dest.path())));
}

QTEST_GUILESS_MAIN(TestCollisions)
#include "tst_collisions.moc"
