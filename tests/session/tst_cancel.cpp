#include "CVivuRuzaSession.h"
#include "LocalFolder.h"
#include "SessionRig.h"
#include "TransferProgress.h"

#include <QDir>
#include <QSignalSpy>
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
    void cancel_data();
    void cancel();
    void othersUsableWhileOneWorks();
};

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
