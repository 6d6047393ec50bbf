// Every link operation against every calculator fault: the call comes back,
// the user reads the right text, no local file is lost or changed, and the
// calculator is usable again once the fault is gone.

#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "ShortWaits.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using VivuRuza::calcMsg;

namespace {
enum Op { Open, List, Download, Send, Delete, Rename };
enum Fault {
    Silent,
    Unplug,
    Junk,
    Split,
    RefuseText,
    RefuseBare,
    BadNum,
    BadSize,
    NoData,
    Chunk0,
    RefuseFrame,
    Repeated
};

const QByteArray oldLocal("old local content that must survive");
const char *const silentText = "Connection error (error code: 421).";

QByteArray pattern(int size)
{
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + 3) & 0xFF);
    return b;
}

// The request whose reply the fault spoils, and which reply of its series.
QPair<int, int> target(Op op)
{
    switch (op) {
    case Open:
        return { calcMsg::GET_DEVICE_INF, 0 };
    case List:
        return { calcMsg::GET_FILES_INF, 1 };
    case Download:
        return { calcMsg::GET_FILE, 1 };
    case Send:
        return { calcMsg::SEND_FILE, 1 };
    case Delete:
        return { calcMsg::DELETE_FILE, 0 };
    case Rename:
        return { calcMsg::CHANGE_NAME, 0 };
    }
    return {};
}

int refusedRequest(Op op)
{
    return op == List ? calcMsg::GET_FILES_NUM : target(op).first;
}
} // namespace

class TestFaultMatrix : public QObject
{
    Q_OBJECT
private slots:
    void cell_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<QString>("text");
        // The line that goes with the text: which file, which calculator, and
        // what to do.
        QTest::addColumn<QString>("detail");

        const QString silent = QString::fromLatin1(silentText);
        const QString none;
        const QString noAnswer = QStringLiteral(
            "the calculator does not answer; switch it on, open its home screen and plug it in "
            "again");
        const char *const about[] = { "",
            "Vori X1: ", "A.PY, Vori X1: ", "NEW.py, Vori X1: ", "B.PY, Vori X1: ", "Vori X1: " };
        auto on = [&about](
                      Op op, const QString &meaning) { return QLatin1String(about[op]) + meaning; };
        const QString outOfMemory = QStringLiteral("the calculator ran out of memory; restart it "
                                                   "and %1 again");
        const QString memoryFull
            = QStringLiteral("the calculator's memory is full; delete files on it and send again");
        const QString outOfOrder
            = QStringLiteral("parts of the file came out of order; copy again");
        const QString wrongSizes
            = QStringLiteral("the calculator's data did not match its sizes; copy again");
        const char *opNames[] = { "open", "list", "download", "send", "delete", "rename" };
        const char *faultNames[] = { "silent", "unplug", "junk", "split", "refuse with text",
            "refuse bare", "bad frame number", "bad frame size", "frame without data", "chunk 0",
            "refuse upload frame", "repeated frame" };
        auto row = [&](Op op, Fault fault, bool ok, const QString &text,
                       const QString &detail = QString()) {
            QTest::addRow("%s / %s", opNames[op], faultNames[fault])
                << int(op) << int(fault) << ok << text << detail;
        };
        for (Op op : { Open, List, Download, Send, Delete, Rename }) {
            row(op, Silent, false, silent, on(op, noAnswer));
            row(op, Unplug, false, silent, on(op, noAnswer));
            row(op, Junk, true, none);
            row(op, Split, true, none);
            row(op, Chunk0, true, none);
        }
        // Opening and renaming do not tell the user of a refusal.
        row(Open, RefuseText, false, none);
        // A refused listing is told, never passed off as an empty calculator.
        row(List, RefuseText, false, QStringLiteral("Full12"), on(List, outOfMemory.arg("try")));
        row(Download, RefuseText, false, QStringLiteral("Full12"),
            on(Download, outOfMemory.arg("copy")));
        row(Send, RefuseText, false, QStringLiteral("Full12"), on(Send, memoryFull));
        row(Delete, RefuseText, false, QStringLiteral("Full12"),
            on(Delete, outOfMemory.arg("delete")));
        row(Rename, RefuseText, false, none);
        row(Open, RefuseBare, false, none);
        row(List, RefuseBare, false, QStringLiteral("Memory error."),
            on(List, outOfMemory.arg("try")));
        row(Download, RefuseBare, false, QStringLiteral("Memory error."),
            on(Download, outOfMemory.arg("copy")));
        row(Send, RefuseBare, false, QStringLiteral("File can't be sent."), on(Send, memoryFull));
        row(Delete, RefuseBare, false, QStringLiteral("Memory error."),
            on(Delete, outOfMemory.arg("delete")));
        row(Rename, RefuseBare, false, none);
        row(Send, RefuseFrame, false, QStringLiteral("Full12"), on(Send, memoryFull));
        // Malformed frames only exist in downloads; other commands are untouched.
        for (Op op : { Open, List, Send, Delete, Rename }) {
            row(op, BadNum, true, none);
            row(op, NoData, true, none);
            row(op, Repeated, true, none);
        }
        row(Download, BadNum, false, QStringLiteral("Wrong frame number."),
            on(Download, outOfOrder));
        row(Download, BadSize, false, QStringLiteral("Wrong data size."), on(Download, wrongSizes));
        row(Download, NoData, false, QStringLiteral("Wrong data size."), on(Download, wrongSizes));
        row(Download, Repeated, false, QStringLiteral("Wrong frame number."),
            on(Download, outOfOrder));
    }

    void cell()
    {
        QFETCH(int, op);
        QFETCH(int, fault);
        QFETCH(bool, succeeds);
        QFETCH(QString, text);
        QFETCH(QString, detail);

        CalcSimulator sim;
        const QByteArray calcA = pattern(1000);
        sim.setFiles({ { QStringLiteral("A.PY"), calcA },
            { QStringLiteral("B.PY"), QByteArray("0123456789") } });
        QVERIFY(sim.start());
        QTemporaryDir dir;
        const QString localA = dir.filePath(QStringLiteral("A.PY"));
        const QString upload = dir.filePath(QStringLiteral("new.py"));
        const QByteArray uploadContent = pattern(1000);
        for (const auto &f : { qMakePair(localA, oldLocal), qMakePair(upload, uploadContent) }) {
            QFile file(f.first);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(f.second);
        }

        auto applyFault = [&] {
            const auto t = target(Op(op));
            switch (Fault(fault)) {
            case Silent:
                sim.setSilent(true);
                break;
            case Unplug:
                sim.setUnplugDuring(t.first, t.second);
                break;
            case Junk:
                sim.setJunkBeforeFrames(QByteArray("\x00\xff"
                                                   "CAL junk CA",
                    13));
                break;
            case Split:
                sim.setSplitWrites(3);
                break;
            case RefuseText:
                sim.setRefusal(
                    refusedRequest(Op(op)), calcMsg::MEMORY_ERROR, 12, QStringLiteral("Full"));
                break;
            case RefuseBare:
                sim.setRefusal(refusedRequest(Op(op)), calcMsg::MEMORY_ERROR, 0, QString());
                break;
            case RefuseFrame:
                sim.setRefusal(calcMsg::FRAME, calcMsg::MEMORY_ERROR, 12, QStringLiteral("Full"));
                break;
            case BadNum:
                sim.setDownloadFrameFault(CalcSimulator::FrameFault::BadFrameNum);
                break;
            case BadSize:
                sim.setDownloadFrameFault(CalcSimulator::FrameFault::BadSize);
                break;
            case NoData:
                sim.setDownloadFrameFault(CalcSimulator::FrameFault::NoData);
                break;
            case Repeated:
                sim.setDownloadFrameFault(CalcSimulator::FrameFault::Repeated);
                break;
            case Chunk0:
                sim.setMaxChunkSize(0);
                break;
            }
        };

        QScopedPointer<CVivuRuza> link;
        if (op != Open) {
            link.reset(new CVivuRuza(QString()));
            QVERIFY(link->openPort(sim.portPath()));
        }
        applyFault();

        // Only the command that meets a quiet device waits less than usual.
        std::optional<ShortWaits> shortWaits;
        if (fault == Silent || fault == Unplug)
            shortWaits.emplace();
        QStringList texts;
        QStringList details;
        auto record = [&](const QString &t) {
            texts << t;
            details << link->errorDetail();
        };
        bool ok = false;
        if (op == Open) {
            link.reset(new CVivuRuza(QString()));
            connect(link.data(), &CVivuRuza::errorNotify, record);
            ok = link->openPort(sim.portPath());
            if (ok) {
                QCOMPARE(link->devName(), QStringLiteral("Vori X1"));
                QCOMPARE(link->chunkSize, 512);
            }
        } else {
            connect(link.data(), &CVivuRuza::errorNotify, record);
            switch (Op(op)) {
            case List:
                ok = link->getFilesInf().size() == 2;
                break;
            case Download:
                ok = link->getFiles({ { QStringLiteral("A.PY"), 1000 } }, dir.path()).size() == 1;
                break;
            case Send:
                link->sendFiles({ { upload, QStringLiteral("new.py") } });
                ok = sim.fileContent(QStringLiteral("NEW.py")) == uploadContent;
                break;
            case Delete:
                ok = link->deleteFile([] {
                    VivuRuza::fileInf inf;
                    inf.set_name("B.PY");
                    inf.set_size(10);
                    return inf;
                }());
                // An unplug after the calculator acted leaves it done but unconfirmed.
                if (fault != Unplug)
                    QCOMPARE(sim.hasFile(QStringLiteral("B.PY")), !ok);
                break;
            case Rename:
                ok = link->changeName(QStringLiteral("Renamed"));
                QCOMPARE(
                    link->devName(), ok ? QStringLiteral("Renamed") : QStringLiteral("Vori X1"));
                break;
            case Open:
                break;
            }
        }
        shortWaits.reset();
        QCOMPARE(ok, succeeds);
        QCOMPARE(texts, text.isEmpty() ? QStringList() : QStringList { text });
        QCOMPARE(details, text.isEmpty() ? QStringList() : QStringList { detail });

        // No local file is lost or changed by a failure.
        QFile a(localA), u(upload);
        QVERIFY(a.open(QIODevice::ReadOnly) && u.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), (op == Download && ok) ? calcA : oldLocal);
        QCOMPARE(u.readAll(), uploadContent);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

        // The calculator is usable again once the fault is gone.
        link.reset();
        sim.clearFaults();
        sim.clearRefusals();
        sim.setMaxChunkSize(512);
        CVivuRuza healthy(sim.portPath());
        QSignalSpy errors(&healthy, &CVivuRuza::errorNotify);
        QCOMPARE(healthy.devName().isEmpty(), false);
        QVERIFY(!healthy.getFilesInf().isEmpty());
        VivuRuza::fileInf inf;
        inf.set_name("A.PY");
        inf.set_size(1000);
        QCOMPARE(healthy.getFile(inf), calcA);
        QCOMPARE(errors.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
