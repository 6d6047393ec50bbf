// A calculator against a folder: each status, names compared without regard
// to case, sizes first and contents only where sizes agree, and what the
// folder holds that is not a regular file left out, never followed.
#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "FolderCompare.h"
#include "LocalFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
using Files = QList<QPair<QString, QByteArray>>;

QStringList lines(const FolderCompare &compare)
{
    QStringList out;
    for (const FolderCompare::Entry &e : compare.entries())
        out.append(FolderCompare::statusWord(e.status) + QLatin1Char('\t') + e.name);
    return out;
}
} // namespace

class TestFolderCompare : public QObject
{
    Q_OBJECT
private slots:
    void statuses_data();
    void statuses();
    void leftOut();
    void twoFilesOneName();
};

void TestFolderCompare::statuses_data()
{
    QTest::addColumn<bool>("quick");
    QTest::addColumn<QStringList>("expected");
    // SAME.PY equal; CHANGED.PY same size, other bytes; BIGGER.PY other
    // size; NEW.PY only in the folder; OLD.PY only on the calculator;
    // main.py in the folder is Main.Py there: names compare without case.
    QTest::newRow("contents") << false
                              << QStringList { "different\tBIGGER.PY", "different\tCHANGED.PY",
                                     "same\tMain.Py", "missing\tNEW.py", "extra\tOLD.PY",
                                     "same\tSAME.PY" };
    QTest::newRow("quick") << true
                           << QStringList { "different\tBIGGER.PY", "same\tCHANGED.PY",
                                  "same\tMain.Py", "missing\tNEW.py", "extra\tOLD.PY",
                                  "same\tSAME.PY" };
}

void TestFolderCompare::statuses()
{
    QFETCH(bool, quick);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const Files local { { "SAME.PY", "same\n" }, { "CHANGED.PY", "new!\n" },
        { "BIGGER.PY", "longer now\n" }, { "NEW.py", "fresh\n" }, { "main.py", "x = 1\n" } };
    for (const auto &file : local)
        QVERIFY(writeLocal(dir.filePath(file.first), file.second));
    CalcSimulator sim;
    sim.setFiles({ { "SAME.PY", "same\n" }, { "CHANGED.PY", "old!\n" }, { "BIGGER.PY", "short\n" },
        { "OLD.PY", "gone\n" }, { "Main.Py", "x = 1\n" } });
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QList<QPair<QString, int>> listing;
    QVERIFY(link.listFiles(listing));

    FolderCompare compare;
    QString error;
    QVERIFY2(compare.readFolder(dir.path(), &error), qPrintable(error));
    compare.compare(listing, quick);
    if (!quick) {
        QCOMPARE(compare.count(FolderCompare::Status::Unknown), 3);
        sim.clearReceived();
        QVERIFY(compare.compareContents(link));
        // Only the files of equal size were read.
        QCOMPARE(sim.receivedTypes().count(VivuRuza::calcMsg::GET_FILE), 3);
    }
    QCOMPARE(lines(compare), expected);
    QVERIFY(!compare.allSame());
}

// Links, fifos and subfolders are named once as left out and never read.
void TestFolderCompare::leftOut()
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    QVERIFY(writeLocal(dir.filePath("A.PY"), "a\n"));
    QVERIFY(writeLocal(elsewhere.filePath("SECRET.PY"), "secret\n"));
    QVERIFY(QFile::link(elsewhere.filePath("SECRET.PY"), dir.filePath("LINK.PY")));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("PIPE.PY")).constData(), 0600) == 0);
    QVERIFY(QDir(dir.path()).mkdir("SUB"));
    FolderCompare compare;
    QString error;
    QVERIFY(compare.readFolder(dir.path(), &error));
    compare.compare({ { QStringLiteral("A.PY"), 2 } }, true);
    QCOMPARE(lines(compare), QStringList { "same\tA.PY" });
    QCOMPARE(compare.leftOut().size(), 3);
    for (const QString &name : { "LINK.PY", "PIPE.PY", "SUB" })
        QVERIFY2(compare.leftOut().filter(name).size() == 1, qPrintable(name));
    QVERIFY(compare.allSame());
}

// Two files that a send would give one name make the compare a usage error
// that names both.
void TestFolderCompare::twoFilesOneName()
{
    QTemporaryDir dir;
    QVERIFY(writeLocal(dir.filePath("prog.py"), "1\n"));
    QVERIFY(writeLocal(dir.filePath("PROG.PY"), "2\n"));
    FolderCompare compare;
    QString error;
    QVERIFY(!compare.readFolder(dir.path(), &error));
    QVERIFY2(error.contains("prog.py") && error.contains("PROG.PY"), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestFolderCompare)
#include "tst_foldercompare.moc"
