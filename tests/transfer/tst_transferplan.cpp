#include "CVivuRuza.h"
#include "LocalFiles.h"
#include "TransferPlan.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using Reason = TransferPlan::Reason;

namespace {
QString reasonName(Reason reason)
{
    static const char *const names[] = { "", "missing", "not regular", "unreadable", "empty",
        "too large", "no name", "same file", "same name", "taken", "exists" };
    return QString::fromLatin1(names[int(reason)]);
}

// The local side, under dir: "name=content" a file, "name+N" a file of N
// bytes, "name/" a folder, "name|" a FIFO, "name@target" a link to target;
// a folder in a name is made on the way.
bool makeLocal(const QDir &dir, const QString &entry)
{
    static const QRegularExpression form(QStringLiteral("^([^=+/|@]+(?:/[^=+/|@]+)*)(.)(.*)$"));
    const QRegularExpressionMatch m = form.match(entry);
    if (!m.hasMatch())
        return false;
    const QString path = dir.filePath(m.captured(1));
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    const QString kind = m.captured(2);
    const QString rest = m.captured(3);
    if (kind == QLatin1String("="))
        return writeLocal(path, rest.toUtf8());
    if (kind == QLatin1String("+"))
        return writeLocal(path, QByteArray(rest.toInt(), 'x'));
    if (kind == QLatin1String("/"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("|"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return QFile::link(rest, path);
}

// "calcName|problem|collision|other|flags", flags "r" renamed and "e" empty.
QString describe(const TransferPlan::Item &item)
{
    QString flags;
    if (item.renamed)
        flags += QLatin1Char('r');
    if (item.empty)
        flags += QLatin1Char('e');
    return QStringList { item.calcName, reasonName(item.problem), reasonName(item.collision),
        item.other < 0 ? QString() : QString::number(item.other), flags }
        .join(QLatin1Char('|'));
}
} // namespace

class TestTransferPlan : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
};

// Every rule a batch obeys before anything moves, one row each: the local
// files made, the batch (uploads: local paths; downloads: "NAME:size"), what
// the calculator lists, and each item as the plan sees it.
void TestTransferPlan::rules_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QStringList>("local");
    QTest::addColumn<QStringList>("batch");
    QTest::addColumn<QStringList>("onCalc");
    QTest::addColumn<QStringList>("items");
    const auto l = [](std::initializer_list<const char *> entries) {
        QStringList list;
        for (const char *entry : entries)
            list.append(QString::fromUtf8(entry));
        return list;
    };
    const QString up = QStringLiteral("up");
    const QString down = QStringLiteral("down");
    const QString big = QStringLiteral("big.bin+%1").arg(CVivuRuza::maxUploadSize + 1);
    const QString largest = QStringLiteral("max.bin+%1").arg(CVivuRuza::maxUploadSize);

    QTest::newRow("name kept") << up << l({ "MAIN.PY=x" }) << l({ "MAIN.PY" }) << l({})
                               << l({ "MAIN.PY||||" });
    QTest::newRow("8.3 name") << up << l({ "hello world.py=x" }) << l({ "hello world.py" }) << l({})
                              << l({ "HELLOWOR.py||||r" });
    QTest::newRow("a change of case is a new name")
        << up << l({ "main.py=x" }) << l({ "main.py" }) << l({}) << l({ "MAIN.py||||r" });
    QTest::newRow("the name asked about is the name sent")
        << up << l({ "café.py=x" }) << l({ "café.py" }) << l({}) << l({ "CAF_.py||||r" });
    QTest::newRow("nothing left of the name")
        << up << l({ "...=x" }) << l({ "..." }) << l({}) << l({ "|no name|||r" });
    QTest::newRow("empty") << up << l({ "E.PY=" }) << l({ "E.PY" }) << l({})
                           << l({ "E.PY|empty|||e" });
    QTest::newRow("missing counts as empty")
        << up << l({}) << l({ "GONE.PY" }) << l({}) << l({ "GONE.PY|missing|||e" });
    QTest::newRow("a folder") << up << l({ "DIR/" }) << l({ "DIR" }) << l({})
                              << l({ "DIR|not regular|||" });
    QTest::newRow("a FIFO is not regular, and lists as empty")
        << up << l({ "PIPE|" }) << l({ "PIPE" }) << l({}) << l({ "PIPE|not regular|||e" });
    QTest::newRow("1 MiB goes, a byte more does not")
        << up << QStringList { largest, big } << l({ "max.bin", "big.bin" }) << l({})
        << l({ "MAX.bin||||r", "BIG.bin|too large|||r" });
    QTest::newRow("a link to a file is that file")
        << up << l({ "A.PY=a", "L.PY@A.PY" }) << l({ "A.PY", "L.PY" }) << l({})
        << l({ "A.PY||||", "L.PY||same file|0|" });
    QTest::newRow("the same file twice") << up << l({ "A.PY=a" }) << l({ "A.PY", "./A.PY" })
                                         << l({}) << l({ "A.PY||||", "A.PY||same file|0|" });
    QTest::newRow("two files to one name, case ignored")
        << up << l({ "a/main.py=1", "b/MAIN.PY=2", "c/Main.py=3" })
        << l({ "a/main.py", "b/MAIN.PY", "c/Main.py" }) << l({})
        << l({ "MAIN.py||||r", "MAIN.PY||same name|0|", "MAIN.py||same name|0|r" });
    QTest::newRow("a file that can't go claims no name")
        << up << l({ "a/X.PY=", "b/X.PY=x" }) << l({ "a/X.PY", "b/X.PY" }) << l({})
        << l({ "X.PY|empty|||e", "X.PY||||" });
    QTest::newRow("taken on the calculator, case ignored")
        << up << l({ "MAIN.py=x", "FREE.PY=f" }) << l({ "MAIN.py", "FREE.PY" })
        << l({ "main.PY", "OTHER.PY" }) << l({ "MAIN.py||taken||", "FREE.PY||||" });
    QTest::newRow("taken as its new name") << up << l({ "main.py=x" }) << l({ "main.py" })
                                           << l({ "MAIN.py" }) << l({ "MAIN.py||taken||r" });

    QTest::newRow("download, nothing there")
        << down << l({}) << l({ "A.PY:3" }) << l({}) << l({ "A.PY||||" });
    QTest::newRow("download, a file there")
        << down << l({ "A.PY=old" }) << l({ "A.PY:3", "B.PY:2" }) << l({})
        << l({ "A.PY||exists||", "B.PY||||" });
    QTest::newRow("download, a dangling link there")
        << down << l({ "A.PY@nowhere" }) << l({ "A.PY:3" }) << l({}) << l({ "A.PY||exists||" });
    QTest::newRow("download, another case is another local file")
        << down << l({ "a.py=old" }) << l({ "A.PY:3" }) << l({}) << l({ "A.PY||||" });
    QTest::newRow("download without a name")
        << down << l({}) << l({ ":3" }) << l({}) << l({ "||||" });
}

void TestTransferPlan::rules()
{
    QFETCH(QString, direction);
    QFETCH(QStringList, local);
    QFETCH(QStringList, batch);
    QFETCH(QStringList, onCalc);
    QFETCH(QStringList, items);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    for (const QString &entry : qAsConst(local))
        QVERIFY2(makeLocal(root, entry), qPrintable(entry));
    TransferPlan::Listing listing;
    for (const QString &name : qAsConst(onCalc))
        listing.append({ name, 1 });

    const bool upload = direction == QLatin1String("up");
    TransferPlan plan(
        upload ? TransferPlan::Direction::Upload : TransferPlan::Direction::Download, dir.path());
    for (const QString &entry : qAsConst(batch)) {
        if (upload) {
            plan.addUpload(root.filePath(entry));
        } else {
            const int colon = entry.lastIndexOf(QLatin1Char(':'));
            plan.addDownload(entry.left(colon), entry.mid(colon + 1).toInt());
        }
    }
    plan.markTaken(listing);

    QStringList seen;
    for (const TransferPlan::Item &item : plan.items())
        seen.append(describe(item));
    QCOMPARE(seen, items);
    // The collisions are the items' own, in order.
    QStringList collided;
    for (const TransferPlan::Collision &c : plan.collisions())
        collided.append(QString::number(c.item) + reasonName(c.reason));
    QStringList expected;
    for (int i = 0; i < plan.size(); ++i) {
        if (plan.at(i).collision != Reason::None)
            expected.append(QString::number(i) + reasonName(plan.at(i).collision));
    }
    QCOMPARE(collided, expected);
    if (upload) {
        for (int i = 0; i < plan.size(); ++i)
            QCOMPARE(
                plan.at(i).localPath, QFileInfo(root.filePath(batch.at(i))).absoluteFilePath());
    }
}

QTEST_GUILESS_MAIN(TestTransferPlan)
#include "tst_transferplan.moc"
