#include "CVivuRuzaSession.h"
#include "LocalFolder.h"
#include "SessionRig.h"
#include "TransferProgress.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {
// Long enough at the pace below that a Cancel after the first frame always
// comes before the last one, however slow the machine.
const int bigSize = 256 * 1024;
const qint64 slowRate = 16 * 1024;

QByteArray bigContent()
{
    QByteArray content(bigSize, 'x');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char('a' + i % 26);
    return content;
}

int countOf(const QList<int> &types, int type)
{
    return int(std::count(types.cbegin(), types.cend(), type));
}
} // namespace

// A job on one calculator is that calculator's: Cancel stops it after the
// frame in transfer and leaves nothing half made, and the others stay usable
// meanwhile.
class TestCancel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cancel_data();
    void cancel();
    void cancelKeepsWhatWasThere_data();
    void cancelKeepsWhatWasThere();
    void cancelWhileReadBackCountsAsSent();
    void othersUsableWhileOneWorks();

private:
    QTemporaryDir m_home;
};

// Settings of a home of the test's own: the verify setting it turns on is
// never the user's.
void TestCancel::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_cancel"));
}

void TestCancel::cancel_data()
{
    QTest::addColumn<bool>("upload");
    QTest::newRow("send") << true;
    QTest::newRow("download") << false;
}

void TestCancel::cancel()
{
    QFETCH(bool, upload);
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    a->setFiles({ { QStringLiteral("BIG.PY"), bigContent() } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    LocalFolder local(QStringLiteral("SLOW.PY"), bigContent());
    QVERIFY(local.isValid());
    QTemporaryDir dest;
    QVERIFY(dest.isValid());
    a->setByteRate(slowRate);
    a->clearReceived();

    TransferProgress *transfer = rig.session.transfer();
    if (upload) {
        rig.session.toCalcUrls({ QUrl::fromLocalFile(local.file()) });
        rig.session.sendFiles();
    } else {
        rig.session.addSelected(0);
        rig.session.fromCalcUrls(false, QUrl::fromLocalFile(dest.path()));
        rig.session.downloadsFiles();
    }
    QVERIFY(transfer->running());
    QTRY_VERIFY_WITH_TIMEOUT(transfer->bytesDone() > 0, 20000);
    QVERIFY(rig.session.canCancelTransfer());
    rig.session.cancelTransfer();
    QVERIFY(!rig.session.canCancelTransfer());
    QTRY_VERIFY_WITH_TIMEOUT(rig.session.runningJobs() == 0, 30000);
    a->setByteRate(0);

    QVERIFY2(transfer->outcome().startsWith(QStringLiteral("Cancelled: ")),
        qPrintable(transfer->outcome()));
    QCOMPARE(rig.session.property("error").toString(), QString());
    const QList<int> types = a->receivedTypes();
    const int frames = bigSize / a->maxChunkSize();
    if (upload) {
        QVERIFY(countOf(types, VivuRuza::calcMsg::FRAME) < frames);
        // The part sent is deleted: the calculator holds no SLOW.PY.
        QVERIFY(types.contains(VivuRuza::calcMsg::DELETE_FILE));
        QVERIFY(!a->hasFile(QStringLiteral("SLOW.PY")));
        QVERIFY2(transfer->outcome().contains(QStringLiteral("SLOW.PY")),
            qPrintable(transfer->outcome()));
        QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("BIG.PY") });
    } else {
        QVERIFY(countOf(types, VivuRuza::calcMsg::SUCCESS) < frames - 1);
        // Nothing of the file, nor of its staging, is left in the folder.
        QCOMPARE(
            QDir(dest.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList());
    }
    // The line is in step: the next job on the calculator works.
    rig.session.toCalcUrls({ QUrl::fromLocalFile(local.file()) });
    rig.session.sendFiles();
    QTRY_VERIFY_WITH_TIMEOUT(!transfer->running(), 30000);
    QTRY_COMPARE(rig.session.runningJobs(), 0);
    QCOMPARE(a->fileContent(QStringLiteral("SLOW.PY")), bigContent());
}

void TestCancel::cancelKeepsWhatWasThere_data()
{
    QTest::addColumn<bool>("held"); // the calculator held SLOW.PY before the send
    QTest::addColumn<bool>("inPlace"); // it writes an upload as the frames come
    QTest::addColumn<bool>("refuseDelete");
    QTest::addColumn<bool>("beforeAnswer"); // Cancel while the send request is unanswered
    QTest::addColumn<QString>("told"); // after "Cancelled: Sent 0 of 1 files to Calc A"
    QTest::addColumn<QByteArray>("after"); // SLOW.PY on the calculator: "part", or its content
    const QString incomplete = QStringLiteral(
        "; SLOW.PY on the calculator may be incomplete: send it again or delete it");
    QTest::newRow("replaced, old kept until whole")
        << true << false << false << false << incomplete << QByteArray("old");
    QTest::newRow("replaced, written in place")
        << true << true << false << false << incomplete << QByteArray("part");
    QTest::newRow("replaced, before the answer")
        << true << false << false << true << incomplete << QByteArray("old");
    QTest::newRow("new, written in place, delete refused")
        << false << true << true << false
        << QStringLiteral("; the part of SLOW.PY sent could not be deleted from the calculator: "
                          "delete it there")
        << QByteArray("part");
}

// A Cancel never deletes a name the calculator held before the send: a
// calculator that keeps the old file until the new one is whole still holds
// the user's file. The outcome says what the calculator may hold, the table
// shows it, and a refused deletion is told rather than passed for done.
// Nothing of the file goes after the Cancel.
void TestCancel::cancelKeepsWhatWasThere()
{
    QFETCH(bool, held);
    QFETCH(bool, inPlace);
    QFETCH(bool, refuseDelete);
    QFETCH(bool, beforeAnswer);
    QFETCH(QString, told);
    QFETCH(QByteArray, after);
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    if (held)
        a->setFiles({ { QStringLiteral("A.PY"), "A" }, { QStringLiteral("SLOW.PY"), "old" } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    LocalFolder local(QStringLiteral("SLOW.PY"), bigContent());
    QVERIFY(local.isValid());
    a->setStoreWhileReceiving(inPlace);
    if (refuseDelete)
        a->setRefusal(VivuRuza::calcMsg::DELETE_FILE, VivuRuza::calcMsg::UNSPECIFITED_ERROR, 0,
            QStringLiteral("Busy"));
    if (beforeAnswer)
        a->setLateReply(VivuRuza::calcMsg::SEND_FILE, 1500);
    else
        a->setByteRate(slowRate);
    a->clearReceived();

    TransferProgress *transfer = rig.session.transfer();
    rig.session.toCalcUrls({ QUrl::fromLocalFile(local.file()) });
    rig.session.releaseToCalcCollision(true);
    rig.session.sendFiles();
    QVERIFY(transfer->running());
    if (beforeAnswer)
        QTRY_VERIFY_WITH_TIMEOUT(a->receivedTypes().contains(VivuRuza::calcMsg::SEND_FILE), 20000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(transfer->bytesDone() > 0, 20000);
    rig.session.cancelTransfer();
    QTRY_VERIFY_WITH_TIMEOUT(rig.session.runningJobs() == 0, 30000);
    a->setByteRate(0);

    QCOMPARE(transfer->outcome(), QStringLiteral("Cancelled: Sent 0 of 1 files to Calc A") + told);
    QCOMPARE(rig.session.property("error").toString(), QString());
    const QList<int> types = a->receivedTypes();
    QVERIFY(types.contains(VivuRuza::calcMsg::SEND_FILE));
    if (beforeAnswer)
        QCOMPARE(countOf(types, VivuRuza::calcMsg::FRAME), 0);
    QCOMPARE(types.contains(VivuRuza::calcMsg::DELETE_FILE), !held);
    if (after == "part") {
        QCOMPARE(a->fileContent(QStringLiteral("SLOW.PY")).size(), bigSize);
        QVERIFY(a->fileContent(QStringLiteral("SLOW.PY")) != bigContent());
    } else {
        QCOMPARE(a->fileContent(QStringLiteral("SLOW.PY")), after);
    }
    // The table shows what the calculator holds.
    QTRY_COMPARE(
        rig.fileNames(), (QStringList { QStringLiteral("A.PY"), QStringLiteral("SLOW.PY") }));
    QCOMPARE(rig.fileModel.fileAt(1).second, a->fileContent(QStringLiteral("SLOW.PY")).size());
}

// A Cancel while the file is read back leaves it whole on the calculator:
// it counts as sent, not checked, and nothing is deleted.
void TestCancel::cancelWhileReadBackCountsAsSent()
{
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QVERIFY(a);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    LocalFolder local(QStringLiteral("BACK.PY"), bigContent());
    QVERIFY(local.isValid());
    rig.session.setVerifySends(true);
    a->setByteRate(4 * slowRate);
    a->clearReceived();

    TransferProgress *transfer = rig.session.transfer();
    rig.session.toCalcUrls({ QUrl::fromLocalFile(local.file()) });
    rig.session.sendFiles();
    QTRY_VERIFY_WITH_TIMEOUT(a->receivedTypes().contains(VivuRuza::calcMsg::GET_FILE), 60000);
    rig.session.cancelTransfer();
    QTRY_VERIFY_WITH_TIMEOUT(rig.session.runningJobs() == 0, 30000);
    a->setByteRate(0);
    rig.session.setVerifySends(false);

    QCOMPARE(transfer->outcome(),
        QStringLiteral("Cancelled: Sent 1 file to Calc A; BACK.PY was sent whole but not checked"));
    QCOMPARE(rig.session.property("error").toString(), QString());
    QVERIFY(!a->receivedTypes().contains(VivuRuza::calcMsg::DELETE_FILE));
    QCOMPARE(a->fileContent(QStringLiteral("BACK.PY")), bigContent());
    QTRY_COMPARE(
        rig.fileNames(), (QStringList { QStringLiteral("A.PY"), QStringLiteral("BACK.PY") }));
}

void TestCancel::othersUsableWhileOneWorks()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    LocalFolder local(QStringLiteral("SLOW.PY"), bigContent());
    QVERIFY(local.isValid());
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setByteRate(slowRate);
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);

    rig.calcModel.setCurrentIndex(0);
    rig.session.toCalcUrls({ QUrl::fromLocalFile(local.file()) });
    rig.session.sendFiles();
    QTRY_VERIFY(rig.isBusy());
    QTRY_VERIFY_WITH_TIMEOUT(rig.session.transfer()->bytesDone() > 0, 20000);

    // B is picked, shown and renamed while A still works.
    rig.calcModel.setCurrentIndex(1);
    QVERIFY(!rig.isBusy());
    QVERIFY(!rig.session.isCurrentCalcBusy());
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("B.PY") });
    rig.session.changeCalcName(QStringLiteral("Lab B"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.sim(QStringLiteral("B"))->name(), QStringLiteral("Lab B"), 20000);
    QTRY_COMPARE(rig.rowNames().value(1), QStringLiteral("Lab B"));
    QVERIFY(rig.session.transfer()->running());
    QCOMPARE(rig.session.runningJobs(), 1);

    // Back on A, which is still busy; its job goes on to its end.
    rig.calcModel.setCurrentIndex(0);
    QVERIFY(rig.isBusy());
    a->setByteRate(0);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.isBusy(), 30000);
    QCOMPARE(rig.session.runningJobs(), 0);
    QVERIFY(a->hasFile(QStringLiteral("SLOW.PY")));
    QTRY_COMPARE(
        rig.fileNames(), (QStringList { QStringLiteral("A.PY"), QStringLiteral("SLOW.PY") }));
    QCOMPARE(rig.rowNames(), (QStringList { QStringLiteral("Calc A"), QStringLiteral("Lab B") }));
}

QTEST_GUILESS_MAIN(TestCancel)
#include "tst_cancel.moc"
