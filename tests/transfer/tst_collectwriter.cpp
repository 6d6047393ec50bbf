// Collecting a calculator's files into a folder of its own, each read twice,
// and clearing only what was collected so: every fault leaves the files it
// touches on the calculator, and the receipt says what became of each.
#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "CollectWriter.h"
#include "FileSizeLimit.h"
#include "LocalFiles.h"
#include "serializeData.pb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using Files = QList<QPair<QString, QByteArray>>;
using FileFault = CalcSimulator::FileFault;

const Files exam { { QStringLiteral("MAIN.PY"), QByteArray("print('exam')\n") },
    { QStringLiteral("NOTES.TXT"), QByteArray(5000, 'n') },
    { QStringLiteral("DATA.CSV"), QByteArray("1,2,3\n") } };

// The receipt's rows as fields, a quoted field's commas and quotes kept.
QList<QStringList> csvRows(const QByteArray &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const QString s = QString::fromUtf8(text);
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

QStringList namesOn(const CalcSimulator &sim)
{
    QStringList names;
    for (const auto &file : sim.files())
        names.append(file.first);
    names.sort();
    return names;
}

QString onlyFolderIn(const QString &parent)
{
    const QStringList found = QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return found.size() == 1 ? QDir(parent).filePath(found.first()) : QString();
}
} // namespace

class TestCollectWriter : public QObject
{
    Q_OBJECT
private slots:
    void faults_data();
    void faults();
    void unplugged_data();
    void unplugged();
    void fullDiskDeletesNothing();
    void sameNameTwice();
    void unsafeDeviceName();
    void cancelledDeletesNothing();
};

// What a file's fault leaves: on the calculator, in the folder, in the
// receipt; the other files go on.
void TestCollectWriter::faults_data()
{
    QTest::addColumn<bool>("clear");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("outcomes"); // per file of exam, in order
    QTest::addColumn<QStringList>("leftOnCalc");
    QTest::addColumn<QStringList>("inFolder");
    const QStringList all { QStringLiteral("DATA.CSV"), QStringLiteral("MAIN.PY"),
        QStringLiteral("NOTES.TXT") };
    QTest::newRow("collect") << false << int(FileFault::None)
                             << QStringList { "collected", "collected", "collected" } << all << all;
    QTest::newRow("collect and clear")
        << true << int(FileFault::None) << QStringList { "cleared", "cleared", "cleared" }
        << QStringList() << all;
    QTest::newRow("unstable, clear")
        << true << int(FileFault::UnstableRead) << QStringList { "cleared", "failed", "cleared" }
        << QStringList { "NOTES.TXT" } << QStringList { "DATA.CSV", "MAIN.PY" };
    QTest::newRow("unstable, no clear") << false << int(FileFault::UnstableRead)
                                        << QStringList { "collected", "failed", "collected" } << all
                                        << QStringList { "DATA.CSV", "MAIN.PY" };
    QTest::newRow("read refused, clear")
        << true << int(FileFault::RefuseRead) << QStringList { "cleared", "failed", "cleared" }
        << QStringList { "NOTES.TXT" } << QStringList { "DATA.CSV", "MAIN.PY" };
    QTest::newRow("delete refused, clear")
        << true << int(FileFault::RefuseDelete) << QStringList { "cleared", "collected", "cleared" }
        << QStringList { "NOTES.TXT" } << all;
}

void TestCollectWriter::faults()
{
    QFETCH(bool, clear);
    QFETCH(int, fault);
    QFETCH(QStringList, outcomes);
    QFETCH(QStringList, leftOnCalc);
    QFETCH(QStringList, inFolder);
    QTemporaryDir dir;
    CalcSimulator sim;
    sim.setName(QStringLiteral("Desk 3"));
    sim.setFiles(exam);
    sim.setFileFault(QStringLiteral("NOTES.TXT"), FileFault(fault));
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    QStringList problems;
    TransferEvents events;
    events.problem = [&problems](const QString &text, const QString &) { problems.append(text); };
    CollectWriter writer(link, events);
    writer.setClear(clear);
    writer.setSerial(QStringLiteral("SN42"));
    const bool ok = writer.run(dir.path());

    QCOMPARE(ok, fault == int(FileFault::None));
    QCOMPARE(namesOn(sim), leftOnCalc);
    const QString folder = dir.filePath(QStringLiteral("Desk 3"));
    QCOMPARE(writer.folder(), folder);
    QCOMPARE(entriesOf(folder), inFolder);
    for (const QString &name : inFolder) {
        const auto it = std::find_if(exam.cbegin(), exam.cend(),
            [&name](const QPair<QString, QByteArray> &f) { return f.first == name; });
        QCOMPARE(readLocal(folder + QLatin1Char('/') + name), it->second);
    }
    const QList<QStringList> rows = csvRows(readLocal(dir.filePath(QStringLiteral("receipt.csv"))));
    QCOMPARE(rows.size(), exam.size() + 1);
    QCOMPARE(rows.first().join(QLatin1Char(',')),
        QStringLiteral("calculator,serial,file,size,sha256,outcome,reason"));
    for (int i = 0; i < exam.size(); ++i) {
        const QStringList row = rows.at(i + 1);
        QCOMPARE(row.size(), 7);
        QCOMPARE(row.at(0), QStringLiteral("Desk 3"));
        QCOMPARE(row.at(1), QStringLiteral("SN42"));
        QCOMPARE(row.at(2), exam.at(i).first);
        QCOMPARE(row.at(3), QString::number(exam.at(i).second.size()));
        QCOMPARE(row.at(5), outcomes.at(i));
        const bool kept = outcomes.at(i) != QLatin1String("failed");
        QCOMPARE(row.at(4),
            kept ? QString::fromLatin1(
                QCryptographicHash::hash(exam.at(i).second, QCryptographicHash::Sha256).toHex())
                 : QString());
        // Every file that is not as asked says why.
        QCOMPARE(row.at(6).isEmpty(), outcomes.at(i) == (clear ? "cleared" : "collected"));
    }
    if (fault == int(FileFault::UnstableRead))
        QVERIFY2(rows.at(2).at(6).contains(QStringLiteral("two readings")),
            qPrintable(rows.at(2).at(6)));
    QCOMPARE(problems.isEmpty(), fault == int(FileFault::None));
}

// Pulled out while the second file is read: the first stays collected,
// nothing is deleted on the calculator, the rest are named as missing.
void TestCollectWriter::unplugged_data()
{
    QTest::addColumn<bool>("clear");
    QTest::newRow("collect") << false;
    QTest::newRow("collect and clear") << true;
}

void TestCollectWriter::unplugged()
{
    QFETCH(bool, clear);
    QTemporaryDir dir;
    CalcSimulator sim;
    sim.setFiles(exam);
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    TransferEvents events;
    events.fileStarted = [&sim](const QString &, int number, int) {
        if (number == 2)
            sim.setUnplugDuring(VivuRuza::calcMsg::GET_FILE, 1);
    };
    CollectWriter writer(link, events);
    writer.setClear(clear);
    QVERIFY(!writer.run(dir.path()));
    sim.setUnplugged(false);
    QCOMPARE(sim.files().size(), exam.size());
    QCOMPARE(entriesOf(writer.folder()), QStringList { QStringLiteral("MAIN.PY") });
    QCOMPARE(writer.missing(),
        (QStringList { QStringLiteral("NOTES.TXT"), QStringLiteral("DATA.CSV") }));
    QVERIFY(!writer.stopReason().isEmpty());
    const QList<QStringList> rows = csvRows(readLocal(dir.filePath(QStringLiteral("receipt.csv"))));
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(1).at(5), QStringLiteral("collected"));
    QCOMPARE(rows.at(2).at(5), QStringLiteral("failed"));
    QCOMPARE(rows.at(3).at(5), QStringLiteral("failed"));
    QVERIFY(!rows.at(3).at(6).isEmpty());
}

// The disk fills at the second file: the run stops there and deletes nothing,
// not even the file it did collect.
void TestCollectWriter::fullDiskDeletesNothing()
{
    QTemporaryDir dir;
    CalcSimulator sim;
    sim.setFiles(exam);
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    CollectWriter writer(link);
    writer.setClear(true);
    bool ok = true;
    {
        FileSizeLimit limit(1000);
        QVERIFY(limit.isSet());
        ok = writer.run(dir.path());
    }
    QVERIFY(!ok);
    QCOMPARE(sim.files().size(), exam.size());
    QCOMPARE(entriesOf(writer.folder()), QStringList { QStringLiteral("MAIN.PY") });
    QCOMPARE(writer.count(CollectWriter::Outcome::Cleared), 0);
    QCOMPARE(writer.count(CollectWriter::Outcome::Collected), 1);
    QVERIFY(writer.stopReason().contains(QStringLiteral("NOTES.TXT")));
}

// Two calculators of one name: two folders, one receipt with one header.
void TestCollectWriter::sameNameTwice()
{
    QTemporaryDir dir;
    for (int i = 0; i < 2; ++i) {
        CalcSimulator sim;
        sim.setFiles({ exam.first() });
        QVERIFY(sim.start());
        CVivuRuza link(sim.portPath());
        CollectWriter writer(link);
        writer.setSerial(QStringLiteral("SN%1").arg(i));
        QVERIFY(writer.run(dir.path()));
        QCOMPARE(writer.folder(),
            dir.filePath(i == 0 ? QStringLiteral("Vori X1") : QStringLiteral("Vori X1-2")));
    }
    const QList<QStringList> rows = csvRows(readLocal(dir.filePath(QStringLiteral("receipt.csv"))));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1).at(1), QStringLiteral("SN0"));
    QCOMPARE(rows.at(2).at(1), QStringLiteral("SN1"));
}

// A name that would leave the folder, or that a spreadsheet would run: a
// safe folder, and the name in the receipt as it is, kept as text.
void TestCollectWriter::unsafeDeviceName()
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("=../..\u202e/x,\"y\"\n");
    CalcSimulator sim;
    sim.setName(name);
    sim.setFiles({ exam.first() });
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    CollectWriter writer(link);
    QVERIFY(writer.run(dir.path()));
    QCOMPARE(QFileInfo(writer.folder()).dir().absolutePath(), QDir(dir.path()).absolutePath());
    QCOMPARE(onlyFolderIn(dir.path()), writer.folder());
    const QList<QStringList> rows = csvRows(readLocal(dir.filePath(QStringLiteral("receipt.csv"))));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).at(0), QLatin1Char('\'') + name);
}

// A Cancel during the second file: what was collected stays, nothing is
// deleted.
void TestCollectWriter::cancelledDeletesNothing()
{
    QTemporaryDir dir;
    CalcSimulator sim;
    sim.setFiles(exam);
    QVERIFY(sim.start());
    CVivuRuza link(sim.portPath());
    bool cancel = false;
    link.setCancelCheck([&cancel] { return cancel; });
    TransferEvents events;
    events.fileStarted = [&cancel](const QString &, int number, int) { cancel = number == 2; };
    CollectWriter writer(link, events);
    writer.setClear(true);
    QVERIFY(!writer.run(dir.path()));
    QVERIFY(writer.cancelled());
    QCOMPARE(sim.files().size(), exam.size());
    QCOMPARE(entriesOf(writer.folder()), QStringList { QStringLiteral("MAIN.PY") });
}

QTEST_GUILESS_MAIN(TestCollectWriter)
#include "tst_collectwriter.moc"
