// The Copy key's folder: private, one per run, kept after the run, and what
// earlier runs left cleared away once it is a day old, without ever reaching
// outside folders of ours.
#include "CopyFolder.h"
#include "LocalFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const qint64 hour = 60 * 60;
const qint64 day = 24 * hour;

// Sets a name's own time, a link's included.
bool age(const QString &path, qint64 seconds)
{
    const qint64 then = QDateTime::currentSecsSinceEpoch() - seconds;
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = time_t(then);
    times[0].tv_nsec = times[1].tv_nsec = 0;
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW)
        == 0;
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode;
}

// A folder as a run leaves it: private, holding copies of these ages.
bool makeRunFolder(const QString &folder, const QList<QPair<QString, qint64>> &copies,
    qint64 folderAge, mode_t mode = 0700)
{
    if (!QDir().mkpath(folder) || ::chmod(QFile::encodeName(folder).constData(), mode) != 0)
        return false;
    for (const auto &copy : copies) {
        const QString path = folder + QLatin1Char('/') + copy.first;
        if (!writeLocal(path, "copy") || !age(path, copy.second))
            return false;
    }
    return age(folder, folderAge);
}

// The test's own cache and temporary folders, so that nothing of the user's
// is touched.
class Places
{
public:
    Places()
        : m_oldCache(qgetenv("XDG_CACHE_HOME"))
        , m_oldTmp(qgetenv("TMPDIR"))
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("cache"))));
        QDir().mkpath(m_root.filePath(QStringLiteral("tmp")));
        qputenv("TMPDIR", QFile::encodeName(m_root.filePath(QStringLiteral("tmp"))));
    }
    ~Places()
    {
        qputenv("XDG_CACHE_HOME", m_oldCache);
        qputenv("TMPDIR", m_oldTmp);
    }

    QString cache() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    }
    QString tmp() const { return QDir::tempPath(); }
    QString root(const QString &name) const { return m_root.filePath(name); }

private:
    QTemporaryDir m_root;
    QByteArray m_oldCache;
    QByteArray m_oldTmp;
};
} // namespace

class TestCopyFolder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
        QCoreApplication::setApplicationName(QStringLiteral("vuve-vudurod"));
    }

    void oneFolderPerRun()
    {
        Places places;
        QString first;
        {
            CopyFolder folder;
            first = folder.path();
            QVERIFY2(!first.isEmpty(), qPrintable(folder.errorString()));
            QCOMPARE(QFileInfo(first).absolutePath(), places.cache());
            QVERIFY(QFileInfo(first).fileName().startsWith(QStringLiteral("copy-")));
            QVERIFY(S_ISDIR(modeOf(first)));
            QCOMPARE(modeOf(first) & 07777, mode_t(0700));
            QCOMPARE(folder.path(), first);
            QVERIFY(writeLocal(first + QStringLiteral("/A.PY"), "A"));
            QCOMPARE(folder.path(), first);
        }
        // The copies outlive the run; the next run has a folder of its own.
        QCOMPARE(readLocal(first + QStringLiteral("/A.PY")), QByteArray("A"));
        CopyFolder next;
        QVERIFY(!next.path().isEmpty());
        QVERIFY(next.path() != first);
    }

    // Whatever now stands at the run's folder's name, the next Copy gets a
    // private folder again, and never writes through a link.
    void madeAgainWhenGone_data()
    {
        QTest::addColumn<QString>("replacement");
        QTest::newRow("removed") << QString();
        QTest::newRow("link to a folder") << QStringLiteral("link");
        QTest::newRow("open folder") << QStringLiteral("open");
        QTest::newRow("file") << QStringLiteral("file");
    }
    void madeAgainWhenGone()
    {
        QFETCH(QString, replacement);
        Places places;
        CopyFolder folder;
        const QString first = folder.path();
        QVERIFY(!first.isEmpty());
        QVERIFY(QDir(first).removeRecursively());
        const QString elsewhere = places.root(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        if (replacement == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, first));
        else if (replacement == QLatin1String("open"))
            QVERIFY(
                QDir().mkdir(first) && ::chmod(QFile::encodeName(first).constData(), 0777) == 0);
        else if (replacement == QLatin1String("file"))
            QVERIFY(writeLocal(first, "x"));

        const QString second = folder.path();
        QVERIFY(!second.isEmpty());
        QVERIFY(second != first);
        QCOMPARE(modeOf(second) & 07777, mode_t(0700));
        QVERIFY(S_ISDIR(modeOf(second)));
        QCOMPARE(folder.path(), second);
    }

    // Without a cache location the shared temporary folder serves, under a
    // name that says whose folder it is, still private.
    void temporaryFolderWithoutCache()
    {
        Places places;
        const QString blocker = places.root(QStringLiteral("blocker"));
        QVERIFY(writeLocal(blocker, "not a folder"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(blocker));
        CopyFolder folder;
        const QString path = folder.path();
        QVERIFY2(!path.isEmpty(), qPrintable(folder.errorString()));
        QCOMPARE(QFileInfo(path).absolutePath(), places.tmp());
        QVERIFY(QFileInfo(path).fileName().startsWith(QStringLiteral("vuve-vudurod-copy-")));
        QCOMPARE(modeOf(path) & 07777, mode_t(0700));
    }

    void noFolderAtAll()
    {
        Places places;
        const QString blocker = places.root(QStringLiteral("blocker"));
        QVERIFY(writeLocal(blocker, "not a folder"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(blocker));
        qputenv("TMPDIR", QFile::encodeName(blocker + QStringLiteral("/sub")));
        CopyFolder folder;
        QCOMPARE(folder.path(), QString());
        QVERIFY(!folder.errorString().isEmpty());
    }

    // Copies are removed a day after they were made; a folder goes with its
    // last copy, unless it is young (a run still going may have just made it).
    void removeOld_data()
    {
        QTest::addColumn<bool>("inCache");
        QTest::addColumn<qint64>("folderAge");
        QTest::addColumn<qint64>("oldAge");
        QTest::addColumn<bool>("withYoung");
        QTest::addColumn<bool>("folderStays");
        QTest::newRow("all old") << true << 2 * day << 2 * day << false << false;
        QTest::newRow("old and young") << true << 2 * day << 3 * day << true << true;
        QTest::newRow("just over a day") << true << day + hour << day + hour << false << false;
        QTest::newRow("just under a day") << true << day - hour << day - hour << false << true;
        QTest::newRow("young folder, old copies") << true << hour << 2 * day << false << true;
        QTest::newRow("temporary folder") << false << 2 * day << 2 * day << false << false;
        QTest::newRow("temporary folder, young copy")
            << false << 2 * day << 2 * day << true << true;
    }
    void removeOld()
    {
        QFETCH(bool, inCache);
        QFETCH(qint64, folderAge);
        QFETCH(qint64, oldAge);
        QFETCH(bool, withYoung);
        QFETCH(bool, folderStays);
        Places places;
        const QString folder = inCache ? places.cache() + QStringLiteral("/copy-Ab12Cd")
                                       : places.tmp() + QStringLiteral("/vuve-vudurod-copy-Ab12Cd");
        QList<QPair<QString, qint64>> copies { { QStringLiteral("OLD.PY"), oldAge } };
        if (withYoung)
            copies.append({ QStringLiteral("YOUNG.PY"), hour });
        // A download's staging folder left by a killed run.
        const QString staging = folder + QStringLiteral("/.vuve-download-Xy12Zw");
        QVERIFY(QDir().mkpath(staging));
        QVERIFY(writeLocal(staging + QStringLiteral("/PART.PY"), "part"));
        QVERIFY(age(staging + QStringLiteral("/PART.PY"), oldAge) && age(staging, oldAge));
        QVERIFY(makeRunFolder(folder, copies, folderAge));

        CopyFolder::removeOld();
        const bool oldGoes = oldAge > day;
        QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/OLD.PY")), !oldGoes);
        QCOMPARE(QFileInfo::exists(staging), !oldGoes);
        if (withYoung)
            QCOMPARE(readLocal(folder + QStringLiteral("/YOUNG.PY")), QByteArray("copy"));
        QCOMPARE(QFileInfo::exists(folder), folderStays);
    }

    // Only folders of ours that no one else may enter are cleared; a link is
    // removed as a name and never followed.
    void removeOldTouchesOnlyOurs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("ours") << QStringLiteral("ours") << true;
        QTest::newRow("open to others") << QStringLiteral("open") << false;
        QTest::newRow("link named as ours") << QStringLiteral("link") << false;
        QTest::newRow("another user's") << QStringLiteral("foreign") << false;
        QTest::newRow("another name") << QStringLiteral("name") << false;
        QTest::newRow("link inside ours") << QStringLiteral("inner link") << true;
    }
    void removeOldTouchesOnlyOurs()
    {
        QFETCH(QString, kind);
        QFETCH(bool, cleared);
        if (kind == QLatin1String("foreign") && ::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        Places places;
        const QString precious = places.root(QStringLiteral("precious"));
        QVERIFY(makeRunFolder(precious, { { QStringLiteral("KEEP.PY"), 3 * day } }, 3 * day));
        const QString cache = places.cache();
        QVERIFY(QDir().mkpath(cache));
        QString folder = cache + QStringLiteral("/copy-Ab12Cd");
        if (kind == QLatin1String("link")) {
            QVERIFY(QFile::link(precious, folder));
            QVERIFY(age(folder, 3 * day));
        } else {
            if (kind == QLatin1String("name"))
                folder = cache + QStringLiteral("/mine");
            QVERIFY(makeRunFolder(folder, { { QStringLiteral("OLD.PY"), 2 * day } }, 2 * day,
                kind == QLatin1String("open") ? 0777 : 0700));
            if (kind == QLatin1String("inner link")) {
                const QString link = folder + QStringLiteral("/precious");
                QVERIFY(QFile::link(precious, link));
                QVERIFY(age(link, 2 * day) && age(folder, 2 * day));
            }
            if (kind == QLatin1String("foreign")) {
                QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
                QVERIFY(age(folder, 2 * day));
            }
        }

        CopyFolder::removeOld();
        QCOMPARE(readLocal(precious + QStringLiteral("/KEEP.PY")), QByteArray("copy"));
        QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/OLD.PY")),
            !cleared && kind != QLatin1String("link"));
        QCOMPARE(QFileInfo(folder).isSymLink() || QFileInfo::exists(folder), !cleared);
    }
};

QTEST_GUILESS_MAIN(TestCopyFolder)
#include "tst_copyfolder.moc"
