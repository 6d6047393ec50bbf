// A folder held open is written through its descriptor: once made, another
// user of a shared folder may rename it and plant a link to somebody's home
// under its name, and nothing of ours may follow that link.
#include "DownloadFile.h"
#include "FileSizeLimit.h"
#include "FolderHandle.h"
#include "LocalFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
// The other user's move: the folder renamed aside, a link to the victim's
// folder in its place.
bool swapForLink(const QString &folder, const QString &aside, const QString &victim)
{
    return QDir().rename(folder, aside) && QFile::link(victim, folder);
}

} // namespace

class TestFolderHandle : public QObject
{
    Q_OBJECT
private slots:
    void makesOnlyNewFolders_data();
    void makesOnlyNewFolders();
    void writesThroughTheFolderMade_data();
    void writesThroughTheFolderMade();
    void replacesALinkInsteadOfFollowingIt();
    void keepsTheModeOfAFileItReplaces();
    void failsWholeOnAFullDisk();
    void renamesOnlyWhileTheNameIsItsOwn();
    void identityTellsAReplacedFolder();
};

// Whatever is under the name already (a folder, a link to a folder, a
// dangling link) is never taken for the folder made.
void TestFolderHandle::makesOnlyNewFolders_data()
{
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("made");
    QTest::newRow("nothing there") << QString() << QStringLiteral("Desk 7");
    QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("Desk 7-2");
    QTest::newRow("a link to a folder") << QStringLiteral("link") << QStringLiteral("Desk 7-2");
    QTest::newRow("a dangling link") << QStringLiteral("dangling") << QStringLiteral("Desk 7-2");
}

void TestFolderHandle::makesOnlyNewFolders()
{
    QFETCH(QString, planted);
    QFETCH(QString, made);
    QTemporaryDir shared;
    QTemporaryDir victim;
    const QString name = QStringLiteral("Desk 7");
    const QString at = shared.filePath(name);
    if (planted == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(at));
    else if (planted == QLatin1String("link"))
        QVERIFY(QFile::link(victim.path(), at));
    else if (planted == QLatin1String("dangling"))
        QVERIFY(QFile::link(victim.filePath(QStringLiteral("gone")), at));

    QString why;
    const FolderHandle folder = FolderHandle::makeNew(shared.path(), name, &why);
    QVERIFY2(folder.isValid(), qPrintable(why));
    QCOMPARE(folder.name(), made);
    QCOMPARE(folder.path(), shared.filePath(made));
    QVERIFY(folder.writeFile(QStringLiteral("A.PY"), "a"));
    QCOMPARE(readLocal(shared.filePath(made + QStringLiteral("/A.PY"))), QByteArray("a"));
    QVERIFY(entriesOf(victim.path()).isEmpty());
}

// The files and a manifest written after the swap land in the folder made,
// now under its new name, and nothing in the victim's folder.
void TestFolderHandle::writesThroughTheFolderMade_data()
{
    QTest::addColumn<bool>("madeHere");
    QTest::newRow("made") << true;
    QTest::newRow("opened") << false;
}

void TestFolderHandle::writesThroughTheFolderMade()
{
    QFETCH(bool, madeHere);
    QTemporaryDir shared;
    QTemporaryDir victim;
    const QString at = shared.filePath(QStringLiteral("Desk 7"));
    if (!madeHere)
        QVERIFY(QDir().mkdir(at));
    const FolderHandle folder = madeHere
        ? FolderHandle::makeNew(shared.path(), QStringLiteral("Desk 7"))
        : FolderHandle::open(at);
    QVERIFY(folder.isValid());
    QVERIFY(folder.isStillAt());
    const QString aside = shared.filePath(QStringLiteral("moved"));
    QVERIFY(swapForLink(at, aside, victim.path()));

    QVERIFY(!folder.isStillAt());
    QVERIFY(folder.writeFile(QStringLiteral(".bashrc"), "rm -rf ~"));
    QVERIFY(DownloadFile::write(folder, QStringLiteral("MAIN.PY"), "print(1)"));
    QVERIFY(entriesOf(victim.path()).isEmpty());
    QCOMPARE(readLocal(aside + QStringLiteral("/.bashrc")), QByteArray("rm -rf ~"));
    QCOMPARE(readLocal(aside + QStringLiteral("/MAIN.PY")), QByteArray("print(1)"));
    QCOMPARE(
        entriesOf(aside), (QStringList { QStringLiteral(".bashrc"), QStringLiteral("MAIN.PY") }));
}

void TestFolderHandle::replacesALinkInsteadOfFollowingIt()
{
    QTemporaryDir shared;
    QTemporaryDir victim;
    const QString target = victim.filePath(QStringLiteral("notes.txt"));
    QVERIFY(writeLocal(target, "mine"));
    const FolderHandle folder = FolderHandle::makeNew(shared.path(), QStringLiteral("Desk"));
    QVERIFY(folder.isValid());
    QVERIFY(QFile::link(target, folder.path() + QStringLiteral("/NOTES.TXT")));

    QVERIFY(folder.writeFile(QStringLiteral("NOTES.TXT"), "calculator's"));
    QCOMPARE(readLocal(target), QByteArray("mine"));
    const QFileInfo landed(folder.path() + QStringLiteral("/NOTES.TXT"));
    QVERIFY(!landed.isSymLink());
    QCOMPARE(readLocal(landed.filePath()), QByteArray("calculator's"));
    // A folder under the name is not replaced.
    QVERIFY(QDir().mkdir(folder.path() + QStringLiteral("/SUB")));
    QString why;
    QVERIFY(!folder.writeFile(QStringLiteral("SUB"), "x", &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!folder.writeFile(QStringLiteral("../ESCAPE"), "x"));
    QVERIFY(!QFileInfo::exists(shared.filePath(QStringLiteral("ESCAPE"))));
}

void TestFolderHandle::keepsTheModeOfAFileItReplaces()
{
    QTemporaryDir dir;
    const FolderHandle folder = FolderHandle::open(dir.path());
    const QString path = dir.filePath(QStringLiteral("RUN.PY"));
    QVERIFY(writeLocal(path, "old"));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0750) == 0);
    QVERIFY(folder.writeFile(QStringLiteral("RUN.PY"), "new"));
    struct stat st;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
    QCOMPARE(int(st.st_mode & 0777), 0750);
    QCOMPARE(readLocal(path), QByteArray("new"));
}

// Bytes that never reached the disk leave the earlier file and no scrap.
void TestFolderHandle::failsWholeOnAFullDisk()
{
    QTemporaryDir dir;
    const FolderHandle folder = FolderHandle::open(dir.path());
    QVERIFY(writeLocal(dir.filePath(QStringLiteral("BIG.BIN")), "earlier"));
    QString why;
    {
        FileSizeLimit limit(1000);
        QVERIFY(limit.isSet());
        QVERIFY(!folder.writeFile(QStringLiteral("BIG.BIN"), QByteArray(64 * 1024, 'x'), &why));
    }
    QVERIFY(!why.isEmpty());
    QCOMPARE(readLocal(dir.filePath(QStringLiteral("BIG.BIN"))), QByteArray("earlier"));
    QCOMPARE(entriesOf(dir.path()), QStringList { QStringLiteral("BIG.BIN") });
}

void TestFolderHandle::renamesOnlyWhileTheNameIsItsOwn()
{
    QTemporaryDir shared;
    QTemporaryDir victim;
    FolderHandle folder = FolderHandle::makeNew(shared.path(), QStringLiteral("Desk"));
    QVERIFY(folder.renameTo(QStringLiteral("Desk-incomplete")));
    QCOMPARE(folder.path(), shared.filePath(QStringLiteral("Desk-incomplete")));
    QVERIFY(folder.isStillAt());

    // An existing folder of the new name is not replaced.
    FolderHandle other = FolderHandle::makeNew(shared.path(), QStringLiteral("Other"));
    QVERIFY(!other.renameTo(QStringLiteral("Desk-incomplete")));
    QVERIFY(QFileInfo(shared.filePath(QStringLiteral("Other"))).isDir());

    // Swapped: the link under the name is not renamed for it.
    QVERIFY(swapForLink(other.path(), shared.filePath(QStringLiteral("aside")), victim.path()));
    QVERIFY(!other.renameTo(QStringLiteral("Other-incomplete")));
    QVERIFY(QFileInfo(shared.filePath(QStringLiteral("Other"))).isSymLink());
    QVERIFY(!QFileInfo::exists(shared.filePath(QStringLiteral("Other-incomplete"))));
}

void TestFolderHandle::identityTellsAReplacedFolder()
{
    QTemporaryDir shared;
    const QString path = shared.filePath(QStringLiteral("class"));
    QVERIFY(QDir().mkdir(path));
    const QString chosen = FolderHandle::identityOf(path);
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(FolderHandle::open(path).identity(), chosen);
    QCOMPARE(FolderHandle::identityOf(path), chosen);
    QVERIFY(QDir().rename(path, shared.filePath(QStringLiteral("old"))));
    QVERIFY(QDir().mkdir(path));
    QVERIFY(FolderHandle::identityOf(path) != chosen);
    QVERIFY(FolderHandle::identityOf(shared.filePath(QStringLiteral("none"))).isEmpty());
}

QTEST_GUILESS_MAIN(TestFolderHandle)
#include "tst_folderhandle.moc"
