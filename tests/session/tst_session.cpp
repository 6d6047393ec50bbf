#include "SessionRig.h"

#include "CVivuRuza.h"
#include "FrameCodec.h"
#include "IdleWorkers.h"
#include "LocalFiles.h"
#include "LocalFolder.h"
#include "ShortWaits.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using VivuRuza::calcMsg;

namespace {
const int jobTimeoutMs = 20000;

enum Job { Send, Download, Delete, Rename };

// What the window would see at the moment isBusy turns false.
struct JobEnd
{
    QStringList events;
    QStringList filesAtEnd;
    QStringList rowsAtEnd;
    // errorDetail as each error came.
    QStringList details;
};

// Records the session's signals in order and the models' state when the job
// is over; the job is over when isBusy has gone true and back to false.
class JobWatch
{
public:
    explicit JobWatch(SessionRig &rig)
        : m_rig(rig)
    {
        QObject::connect(&rig.session, &CVivuRuzaSession::isBusyChange, &m_context, [this] {
            const bool busy = m_rig.isBusy();
            m_end.events.append(busy ? QStringLiteral("busy") : QStringLiteral("idle"));
            if (!busy) {
                m_end.filesAtEnd = m_rig.fileNames();
                m_end.rowsAtEnd = m_rig.rowNames();
            }
        });
        QObject::connect(&rig.session, &CVivuRuzaSession::errorChange, &m_context, [this] {
            m_end.events.append(
                QStringLiteral("error:") + m_rig.session.property("error").toString());
            m_end.details.append(m_rig.session.property("errorDetail").toString());
        });
        QObject::connect(&rig.fileModel, &QAbstractItemModel::rowsRemoved, &m_context,
            [this] { m_end.events.append(QStringLiteral("files cleared")); });
    }

    bool waitIdle()
    {
        // Busy is the current calculator's: picking another one tells idle
        // too, so the end is the idle told once no job runs any more.
        return QTest::qWaitFor(
            [this] {
                return m_end.events.contains(QStringLiteral("idle"))
                    && m_rig.session.runningJobs() == 0;
            },
            jobTimeoutMs);
    }

    const JobEnd &end() const { return m_end; }

private:
    SessionRig &m_rig;
    QObject m_context;
    JobEnd m_end;
};

void startJob(SessionRig &rig, Job job, const QString &localFile, const QString &destFolder)
{
    switch (job) {
    case Send:
        rig.session.toCalcUrls({ QUrl::fromLocalFile(localFile) });
        rig.session.sendFiles();
        break;
    case Download:
        rig.session.addSelected(0);
        rig.session.fromCalcUrls(true, QUrl::fromLocalFile(destFolder));
        rig.session.downloadsFiles();
        break;
    case Delete:
        rig.session.addSelected(0);
        rig.session.deleteSelected();
        break;
    case Rename:
        rig.session.changeCalcName(QStringLiteral("Renamed"));
        break;
    }
}
} // namespace

class TestSession : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();

    void interfaceForTheWindow();
    void startsEmpty();
    void timerPolls();
    void polling_data();
    void polling();
    void replugBetweenPollsKeepsWorker();
    void idleWorkerReleasedOnUnplug();
    void failedReadingNotListed_data();
    void failedReadingNotListed();
    void unreadFilesNoticed_data();
    void unreadFilesNoticed();
    void unreadToldAtEachListing_data();
    void unreadToldAtEachListing();
    void listedWhileAnotherIsRead();
    void unpluggedWhileRead();
    void rowsInPortOrder();
    void currentCalcChange();
    void copyGoesToPrivateFolder();
    void properties_data();
    void properties();
    void errorsAndBusyNotifyEveryCall();

    void jobs_data();
    void jobs();
    void jobErrorsForwarded_data();
    void jobErrorsForwarded();
    void silentCalculator_data();
    void silentCalculator();
    void secondJobOnBusyWorkerRefused();
    void refreshBelongsToItsJob();
    void jobsOnTwoCalculators();
    void noCurrentCalculator();
    void unplugDuringJob();
    void pollDuringJob();
    void destroyedDuringJob();
};

void TestSession::init()
{
    FrameCodec::setWaitLimits(FrameCodec::defaultFirstWaitMs, FrameCodec::defaultFurtherWaitMs);
}

void TestSession::cleanupTestCase()
{
    init();
}

// The window binds to these by name, in this order.
void TestSession::interfaceForTheWindow()
{
    const QMetaObject &mo = CVivuRuzaSession::staticMetaObject;
    QStringList methods;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
        methods.append(QString::fromLatin1(mo.method(i).methodSignature()));
    const QStringList expected {
        QStringLiteral("indexChange()"),
        QStringLiteral("connectNewCalc()"),
        QStringLiteral("errorChange()"),
        QStringLiteral("isBusyChange()"),
        QStringLiteral("doYouWantReplace()"),
        QStringLiteral("statusLineTextChange()"),
        QStringLiteral("currentCalcChange()"),
        QStringLiteral("errorDetailChange()"),
        QStringLiteral("chosenChange()"),
        QStringLiteral("backupFolderChange()"),
        QStringLiteral("restorePreviewReady()"),
        QStringLiteral("verifySendsChange()"),
        QStringLiteral("collectFolderChange()"),
        QStringLiteral("onIndexChange(int)"),
        QStringLiteral("update()"),
        QStringLiteral("onErrorChange(QString)"),
        QStringLiteral("onIAmBusy()"),
        QStringLiteral("onIAmNotBusy()"),
        QStringLiteral("onFileDeleted(QString)"),
        QStringLiteral("onFileSend(QPair<QString,int>)"),
        QStringLiteral("onDevNameChange()"),
        QStringLiteral("onFilesListChange()"),
        QStringLiteral("toCalcUrls(QList<QUrl>)"),
        QStringLiteral("isToCalcZeroSizeCollision()"),
        QStringLiteral("isToCalcNameCollision()"),
        QStringLiteral("isToCalcExistingCollision()"),
        QStringLiteral("isFromCalcCollision()"),
        QStringLiteral("sendFiles()"),
        QStringLiteral("collisionToCalcZeroSizeFileName()"),
        QStringLiteral("collisionToCalcFileName()"),
        QStringLiteral("getNameToCalcCollisionOld()"),
        QStringLiteral("getNameToCalcCollisionNew()"),
        QStringLiteral("collisionFromCalcFileName()"),
        QStringLiteral("releaseToCalcCollision(bool)"),
        QStringLiteral("releaseFromCalcCollision(bool)"),
        QStringLiteral("fromCalcUrls(bool,QUrl)"),
        QStringLiteral("fromCalcUrls(bool)"),
        QStringLiteral("fromCalcUrls()"),
        QStringLiteral("downloadsFiles()"),
        QStringLiteral("deleteSelected()"),
        QStringLiteral("addSelected(int)"),
        QStringLiteral("changeCalcName(QString)"),
        QStringLiteral("isCurrentCalcBusy()"),
        QStringLiteral("releaseAllToCalcCollisions(bool)"),
        QStringLiteral("releaseAllFromCalcCollisions(bool)"),
        QStringLiteral("cancelTransfer()"),
        QStringLiteral("canCancelTransfer()"),
        QStringLiteral("setChosen(int,bool)"),
        QStringLiteral("isChosen(int)"),
        QStringLiteral("planClassSend(QList<QUrl>,bool)"),
        QStringLiteral("classTakenNames()"),
        QStringLiteral("classNameChanges()"),
        QStringLiteral("classEmptyFiles()"),
        QStringLiteral("classRefusedFiles()"),
        QStringLiteral("startClassSend(bool)"),
        QStringLiteral("retryClassFailed()"),
        QStringLiteral("cancelClassJob()"),
        QStringLiteral("backupFolderUrl()"),
        QStringLiteral("setBackupFolder(QUrl)"),
        QStringLiteral("backUp()"),
        QStringLiteral("previewRestore(QUrl)"),
        QStringLiteral("restoreBackup()"),
        QStringLiteral("backUpAll()"),
        QStringLiteral("startStationSend(QList<QUrl>)"),
        QStringLiteral("startStationBackup(QUrl)"),
        QStringLiteral("stopStation()"),
        QStringLiteral("backupFolderProblem()"),
        QStringLiteral("isolated(QString)"),
        QStringLiteral("classSameNames()"),
        QStringLiteral("classCaseChanges()"),
        QStringLiteral("isNameCollisionCaseOnly()"),
        QStringLiteral("collectFolderUrl()"),
        QStringLiteral("setCollectFolder(QUrl)"),
        QStringLiteral("collectAll(bool)"),
        QStringLiteral("startStationCollect(QUrl,bool)"),
        QStringLiteral("classFolderUrl()"),
        QStringLiteral("setStationNaming(QString,int)"),
        QStringLiteral("stationName(QString,int)"),
        QStringLiteral("compareWithFolder(QUrl)"),
        QStringLiteral("matchFolder(bool)"),
        QStringLiteral("compareAllWithFolder(QUrl)"),
        QStringLiteral("syncAllWithFolder()"),
    };
    QCOMPARE(methods, expected);
    QStringList properties;
    for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i)
        properties.append(QString::fromLatin1(mo.property(i).name()) + QLatin1Char(':')
            + QString::fromLatin1(mo.property(i).notifySignal().name()));
    QCOMPARE(properties,
        QStringList({ QStringLiteral("currentIndex:indexChange"),
            QStringLiteral("error:errorChange"), QStringLiteral("isBusy:isBusyChange"),
            QStringLiteral("statusLineText:statusLineTextChange"), QStringLiteral("doctor:"),
            QStringLiteral("transfer:"), QStringLiteral("errorDetail:errorDetailChange"),
            QStringLiteral("classJob:"), QStringLiteral("chosenCount:chosenChange"),
            QStringLiteral("backupFolder:backupFolderChange"),
            QStringLiteral("restoreQuestion:restorePreviewReady"),
            QStringLiteral("restoreAdded:restorePreviewReady"),
            QStringLiteral("restoreReplaced:restorePreviewReady"),
            QStringLiteral("verifySends:verifySendsChange"),
            QStringLiteral("collectFolder:collectFolderChange"),
            QStringLiteral("folderCompare:") }));

    // The window may call fromCalcUrls with no arguments.
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);
    rig.session.addSelected(0);
    QVERIFY(QMetaObject::invokeMethod(&rig.session, "fromCalcUrls"));
    QList<QUrl> urls;
    QVERIFY(
        QMetaObject::invokeMethod(&rig.session, "downloadsFiles", Q_RETURN_ARG(QList<QUrl>, urls)));
    QCOMPARE(urls.size(), 1);
    QCOMPARE(urls.first().fileName(), QStringLiteral("A.PY"));
    QVERIFY(QTest::qWaitFor([&] { return busy.count() >= 2; }, jobTimeoutMs));
    QVERIFY(QFile::exists(urls.first().toLocalFile()));
}

void TestSession::startsEmpty()
{
    SessionRig rig;
    QCOMPARE(rig.currentIndex(), -1);
    QCOMPARE(rig.session.workerCount(), 0);
    QCOMPARE(rig.calcModel.rowCount(), 0);
    QCOMPARE(rig.calcModel.currentIndex(), -1);
    QCOMPARE(rig.fileModel.rowCount(), 0);
    QVERIFY(!rig.isBusy());
}

// setModels does not poll; the timer does, later.
void TestSession::timerPolls()
{
    VivuRuzaModel calcModel;
    VoriFileModel fileModel;
    CVivuRuzaSession session;
    int polls = 0;
    session.setPortSource([&polls] {
        ++polls;
        return QList<CalcPort>();
    });
    session.setModels(&calcModel, &fileModel);
    QCOMPARE(polls, 0);
    QTRY_VERIFY_WITH_TIMEOUT(polls > 0, 5000);
}

void TestSession::polling_data()
{
    // A step is either the letters of the calculators listed at one poll, or
    // "=n", the user picking row n. After each step: the rows, then "@" and
    // the current index.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    auto s = [](const char *text) { return QString::fromLatin1(text); };
    QTest::newRow("nothing attached") << QStringList { s("") } << QStringList { s("@-1") };
    QTest::newRow("plug") << QStringList { s(""), s("A") } << QStringList { s("@-1"), s("A@0") };
    QTest::newRow("second plug") << QStringList { s("A"), s("A B") }
                                 << QStringList { s("A@0"), s("A B@0") };
    QTest::newRow("two at once, in port order")
        << QStringList { s("B A") } << QStringList { s("B A@0") };
    QTest::newRow("unplug the current, not first") << QStringList { s("A B"), s("=1"),
        s("A") } << QStringList { s("A B@0"), s("A B@1"), s("A@0") };
    QTest::newRow("unplug the current, first")
        << QStringList { s("A B"), s("B") } << QStringList { s("A B@0"), s("B@0") };
    QTest::newRow("unplug another before the current") << QStringList { s("A B C"), s("=2"),
        s("A C") } << QStringList { s("A B C@0"), s("A B C@2"), s("A C@1") };
    QTest::newRow("unplug another after the current") << QStringList { s("A B C"), s("=1"),
        s("A B") } << QStringList { s("A B C@0"), s("A B C@1"), s("A B@1") };
    QTest::newRow("unplug two in one poll")
        << QStringList { s("A B C"), s("A") } << QStringList { s("A B C@0"), s("A@0") };
    QTest::newRow("unplug the last")
        << QStringList { s("A"), s("") } << QStringList { s("A@0"), s("@0") };
    // The current calculator stays current when a row above it goes.
    QTest::newRow("row 0 goes while the last row is current") << QStringList { s("A B"), s("=1"),
        s("B") } << QStringList { s("A B@0"), s("A B@1"), s("B@0") };
    QTest::newRow("unplug the first, the middle current") << QStringList { s("A B C"), s("=1"),
        s("B C") } << QStringList { s("A B C@0"), s("A B C@1"), s("B C@0") };
    QTest::newRow("unplug the middle, current") << QStringList { s("A B C"), s("=1"),
        s("A C") } << QStringList { s("A B C@0"), s("A B C@1"), s("A C@0") };
    QTest::newRow("picked row past the end")
        << QStringList { s("A"), s("=3") } << QStringList { s("A@0"), s("A@3") };
    QTest::newRow("unplugged and plugged again across polls") << QStringList { s("A B"), s("B"),
        s("A B") } << QStringList { s("A B@0"), s("B@0"), s("B A@0") };
}

// After every step the rows are the workers, and the file list shows the
// cached files of the calculator at the current index, or nothing.
void TestSession::polling()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    SessionRig rig;
    for (int i = 0; i < steps.size(); ++i) {
        const QString &step = steps.at(i);
        if (step.startsWith(QLatin1Char('=')))
            rig.calcModel.setCurrentIndex(step.mid(1).toInt());
        else
            QVERIFY(rig.plug(step.split(QLatin1Char(' '), Qt::SkipEmptyParts)));

        const QStringList want = expected.at(i).split(QLatin1Char('@'));
        const QStringList letters = want.at(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const int index = want.at(1).toInt();
        QStringList names;
        for (const QString &letter : letters)
            names.append(QStringLiteral("Calc ") + letter);
        QCOMPARE(rig.rowNames(), names);
        QCOMPARE(rig.session.workerCount(), rig.calcModel.rowCount());
        for (int row = 0; row < rig.session.workerCount(); ++row)
            QCOMPARE(rig.session.workerAt(row)->name, names.at(row));
        QCOMPARE(rig.currentIndex(), index);
        QCOMPARE(rig.calcModel.currentIndex(), index);
        const QStringList files = index >= 0 && index < letters.size()
            ? QStringList { letters.at(index) + QStringLiteral(".PY") }
            : QStringList();
        QCOMPARE(rig.fileNames(), files);
    }
}

// Known by port name: the calculator is not read again, and its cached name
// and files stay.
void TestSession::replugBetweenPollsKeepsWorker()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    CVoriWorker *worker = rig.session.workerAt(0);
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setName(QStringLiteral("Other"));
    a->setFiles({});
    a->clearReceived();
    rig.session.setProperty("statusLineText", QStringLiteral("Sent."));
    QSignalSpy rowsChanged(&rig.calcModel, &VivuRuzaModel::indexOrSizeChange);

    QVERIFY(rig.plug({ QStringLiteral("A") }));

    QCOMPARE(rig.session.workerAt(0), worker);
    QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc A") });
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("A.PY") });
    QVERIFY(a->received().isEmpty());
    QCOMPARE(rowsChanged.count(), 0);
    QCOMPARE(rig.session.property("statusLineText").toString(), QStringLiteral("Sent."));
}

void TestSession::idleWorkerReleasedOnUnplug()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QPointer<CVoriWorker> a = rig.session.workerAt(0);
    QPointer<CVoriWorker> b = rig.session.workerAt(1);
    rig.session.setProperty("statusLineText", QStringLiteral("Sent."));
    QVERIFY(rig.plug({ QStringLiteral("B") }));
    QVERIFY(!a);
    QVERIFY(b);
    QCOMPARE(rig.session.property("statusLineText").toString(), QString());
}

void TestSession::failedReadingNotListed_data()
{
    // How port A fails its first reading; port B holds a calculator.
    QTest::addColumn<QString>("fault");
    QTest::newRow("silent") << "silent";
    QTest::newRow("no such port") << "missing";
    QTest::newRow("listing refused") << "listing";
}

// A device that gives no calculator gets no row, tells the doctor why once
// and nothing else (no error as well), and is not read again while it stays
// attached; plugged in anew, it is.
void TestSession::failedReadingNotListed()
{
    QFETCH(QString, fault);
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    QString location = a->portPath();
    if (fault == QLatin1String("silent"))
        a->setSilent(true);
    else if (fault == QLatin1String("missing"))
        location = QStringLiteral("/nonexistent/ttyACM9");
    else
        a->setRefusal(calcMsg::GET_FILES_NUM, calcMsg::NONE_ERROR, 0, QStringLiteral("No list"));
    QString expected;
    if (fault != QLatin1String("listing")) {
        ShortWaits shortWaits;
        CVivuRuza probe(location);
        expected = probe.portErrorText();
    } else {
        expected = QStringLiteral("The calculator at %1 answered, but its file list could not be "
                                  "read. No list")
                       .arg(location);
    }
    QVERIFY(!expected.isEmpty());
    a->clearReceived();
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    QSignalSpy notices(rig.session.doctor(), &ConnectionDoctor::noticesChange);

    QVERIFY(rig.plug({ QStringLiteral("B") }));
    ShortWaits shortWaits;
    rig.ports.append(CalcPort(QStringLiteral("simA"), location));
    rig.session.update();
    QVERIFY(rig.waitForReadings());

    QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc B") });
    QCOMPARE(rig.session.workerCount(), 1);
    QCOMPARE(rig.session.doctor()->notices(), QStringList { expected });
    QCOMPARE(errors.count(), 0);
    QCOMPARE(rig.session.property("error").toString(), QString());

    // Attached still: not read again, and nothing said again.
    const int seen = a->received().size();
    rig.session.update();
    QCOMPARE(rig.session.readingCount(), 0);
    QCOMPARE(a->received().size(), seen);
    QCOMPARE(notices.count(), 1);

    // Unplugged, the notice goes; plugged in anew, the device is read again.
    const CalcPort port = rig.ports.takeLast();
    rig.session.update();
    QCOMPARE(rig.session.doctor()->notices(), QStringList());
    rig.ports.append(port);
    rig.session.update();
    QCOMPARE(rig.session.readingCount(), 1);
    QVERIFY(rig.waitForReadings());
    QCOMPARE(rig.session.doctor()->notices(), QStringList { expected });
    QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc B") });
    QCOMPARE(errors.count(), 0);
}

void TestSession::unreadFilesNoticed_data()
{
    QTest::addColumn<bool>("everyEntry"); // or only B.PY's
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("notice");
    QTest::newRow("one file") << false << QStringList { QStringLiteral("A.PY") }
                              << QStringLiteral("1 file on Calc A could not be read and is not "
                                                "shown.");
    QTest::newRow("every file") << true << QStringList()
                                << QStringLiteral("2 files on Calc A could not be read and are "
                                                  "not shown.");
}

// A calculator whose listing holds entries that do not parse is listed with
// the rest of its files, and a notice, not an error, tells what is missing
// until it is unplugged.
void TestSession::unreadFilesNoticed()
{
    QFETCH(bool, everyEntry);
    QFETCH(QStringList, files);
    QFETCH(QString, notice);
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
        { QStringLiteral("B.PY"), QByteArray("bb") } });
    if (everyEntry)
        a->setOversize(CalcSimulator::Oversize::FileSize);
    else
        a->setBrokenUtf8FileName(QStringLiteral("B.PY"));
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);

    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc A") });
    QCOMPARE(rig.currentIndex(), 0);
    QCOMPARE(rig.fileNames(), files);
    QCOMPARE(rig.session.doctor()->notices(), QStringList { notice });
    QCOMPARE(errors.count(), 0);

    QVERIFY(rig.plug({}));
    QCOMPARE(rig.rowNames(), QStringList());
    QCOMPARE(rig.session.doctor()->notices(), QStringList());
}

void TestSession::unreadToldAtEachListing_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<QStringList>("files"); // the list after the job
    QTest::newRow("send") << int(Send)
                          << QStringList { QStringLiteral("A.PY"), QStringLiteral("NEW.PY") };
    QTest::newRow("delete") << int(Delete) << QStringList();
}

// Each reading of the listing tells the files it could not show, not the
// first alone: after a send or a delete the notice is there again, though
// the user dismissed it, and still as a notice, not an error.
void TestSession::unreadToldAtEachListing()
{
    QFETCH(int, job);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString local = dir.filePath(QStringLiteral("NEW.PY"));
    QVERIFY(writeLocalFile(local, "new"));
    SessionRig rig;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setFiles({ { QStringLiteral("A.PY"), QByteArray("a") },
        { QStringLiteral("B.PY"), QByteArray("bb") } });
    a->setBrokenUtf8FileName(QStringLiteral("B.PY"));
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    const QStringList notice { QStringLiteral(
        "1 file on Calc A could not be read and is not shown.") };
    ConnectionDoctor *doctor = rig.session.doctor();
    QCOMPARE(doctor->notices(), notice);
    doctor->dismiss(0);
    QCOMPARE(doctor->notices(), QStringList());

    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    QSignalSpy notices(doctor, &ConnectionDoctor::noticesChange);
    JobWatch watch(rig);
    startJob(rig, Job(job), local, QString());
    QVERIFY(watch.waitIdle());
    QCOMPARE(rig.fileNames(), files);
    QCOMPARE(doctor->notices(), notice);
    QCOMPARE(notices.count(), 1);
    QCOMPARE(errors.count(), 0);

    // Still shown, it is not told twice.
    JobWatch again(rig);
    startJob(rig, Send, local, QString());
    QVERIFY(again.waitIdle());
    QCOMPARE(doctor->notices(), notice);
    QCOMPARE(notices.count(), 1);
}

// The poll does not wait for a device: a calculator behind a silent one is
// listed while the silent one is still being read.
void TestSession::listedWhileAnotherIsRead()
{
    FrameCodec::setWaitLimits(2000, 2000);
    SessionRig rig;
    rig.sim(QStringLiteral("A"))->setSilent(true);
    QStringList events;
    QObject context;
    connect(&rig.calcModel, &QAbstractItemModel::rowsInserted, &context, [&] {
        events.append(QStringLiteral("listed %1 while reading %2")
                          .arg(rig.rowNames().join(QLatin1Char(',')))
                          .arg(rig.session.readingCount()));
    });
    connect(rig.session.doctor(), &ConnectionDoctor::noticesChange, &context,
        [&] { events.append(QStringLiteral("notice")); });
    for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B") })
        rig.ports.append(CalcPort(QStringLiteral("sim") + letter, rig.sim(letter)->portPath()));

    rig.session.update();
    QCOMPARE(rig.session.readingCount(), 2);
    QCOMPARE(rig.rowNames(), QStringList());
    QVERIFY(rig.waitForReadings());

    QCOMPARE(events,
        QStringList({ QStringLiteral("listed Calc B while reading 1"), QStringLiteral("notice") }));
    QCOMPARE(rig.currentIndex(), 0);
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("B.PY") });
}

// A port that goes while it is read leaves nothing behind, and its next
// plug-in is read afresh.
void TestSession::unpluggedWhileRead()
{
    SessionRig rig;
    {
        ShortWaits shortWaits;
        rig.sim(QStringLiteral("A"))->setSilent(true);
        rig.ports.append(
            CalcPort(QStringLiteral("simA"), rig.sim(QStringLiteral("A"))->portPath()));
        rig.session.update();
        QCOMPARE(rig.session.readingCount(), 1);
        rig.ports.clear();
        rig.session.update();
        QVERIFY(rig.waitForReadings());
        QCOMPARE(rig.session.doctor()->notices(), QStringList());
        QCOMPARE(rig.rowNames(), QStringList());
    }

    rig.sim(QStringLiteral("A"))->setSilent(false);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc A") });
}

// Readings end in any order; the rows keep the order the ports were found
// in, port order within one poll and later polls below. Each calculator is
// listed when its own reading ends, and the one shown first stays shown when
// another is listed above it.
void TestSession::rowsInPortOrder()
{
    SessionRig rig;
    // A answers late, so B and C are read before it.
    rig.sim(QStringLiteral("A"))->setLateReply(calcMsg::GET_FILES_NUM, 2000);
    QStringList firstListed;
    QObject context;
    connect(&rig.calcModel, &QAbstractItemModel::rowsInserted, &context, [&] {
        if (firstListed.isEmpty())
            firstListed = rig.rowNames();
    });
    QSignalSpy shown(&rig.session, &CVivuRuzaSession::currentCalcChange);
    for (const QString &letter : { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") })
        rig.ports.append(CalcPort(QStringLiteral("sim") + letter, rig.sim(letter)->portPath()));

    rig.session.update();
    QCOMPARE(rig.session.readingCount(), 3);
    QVERIFY(rig.waitForReadings());

    const QStringList order { QStringLiteral("Calc A"), QStringLiteral("Calc B"),
        QStringLiteral("Calc C") };
    QCOMPARE(rig.rowNames(), order);
    for (int row = 0; row < order.size(); ++row)
        QCOMPARE(rig.session.workerAt(row)->name, order.at(row));
    QCOMPARE(firstListed.size(), 1);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(rig.rowNames().value(rig.currentIndex()), firstListed.first());
    QCOMPARE(rig.fileNames(), QStringList { firstListed.first().right(1) + QStringLiteral(".PY") });

    // Found by a later poll: below those found before, wherever its port is.
    rig.ports.prepend(CalcPort(QStringLiteral("sim0"), rig.sim(QStringLiteral("D"))->portPath()));
    rig.session.update();
    QVERIFY(rig.waitForReadings());
    QCOMPARE(rig.rowNames(), order + QStringList { QStringLiteral("Calc D") });
    QCOMPARE(shown.count(), 1);
}

// Emitted when the file list comes to show another calculator, and only then.
void TestSession::currentCalcChange()
{
    LocalFolder dir(QStringLiteral("NEW.PY"), "x = 42\n");
    QVERIFY(dir.isValid());
    SessionRig rig;
    QSignalSpy changes(&rig.session, &CVivuRuzaSession::currentCalcChange);
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(changes.count(), 1);
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QCOMPARE(changes.count(), 1);
    rig.calcModel.setCurrentIndex(1);
    QCOMPARE(changes.count(), 2);

    JobWatch watch(rig);
    startJob(rig, Send, dir.file(), QString());
    QVERIFY(watch.waitIdle());
    QCOMPARE(changes.count(), 2);

    // The current calculator goes; the one before it is shown.
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    QCOMPARE(changes.count(), 3);
    QVERIFY(rig.plug({}));
    QCOMPARE(changes.count(), 4);
}

// Copy without a folder: the run's folder, which only the user may enter, so
// nothing planted in the shared temporary folder under a calculator's file name
// is written through; each Copy of the run uses it, and the copies outlive the
// session for the URLs left on the clipboard.
void TestSession::copyGoesToPrivateFolder()
{
    QTemporaryDir tmp;
    QTemporaryDir cache;
    QTemporaryDir elsewhere;
    QVERIFY(tmp.isValid() && cache.isValid() && elsewhere.isValid());
    const QString target = elsewhere.filePath(QStringLiteral("victim"));
    QVERIFY(QFile::link(target, tmp.filePath(QStringLiteral("A.PY"))));
    const QByteArray oldTmp = qgetenv("TMPDIR");
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));

    QList<QUrl> first;
    QList<QUrl> second;
    {
        SessionRig rig;
        QVERIFY(rig.plug({ QStringLiteral("A") }));
        for (QList<QUrl> *urls : { &first, &second }) {
            JobWatch watch(rig);
            rig.session.addSelected(0);
            rig.session.fromCalcUrls();
            *urls = rig.session.downloadsFiles();
            QVERIFY(watch.waitIdle());
            QCOMPARE(urls->size(), 1);
            QFile copied(urls->first().toLocalFile());
            QVERIFY(copied.open(QIODevice::ReadOnly));
            QCOMPARE(copied.readAll(), QByteArray("A"));
            const QString folder = QFileInfo(copied).absolutePath();
            QVERIFY2(!folder.startsWith(tmp.path()), qPrintable(folder));
            struct stat st;
            QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &st), 0);
            QVERIFY(S_ISDIR(st.st_mode));
            QCOMPARE(st.st_mode & 07777, mode_t(0700));
        }
        QCOMPARE(first, second);
        QCOMPARE(
            rig.session.transfer()->outcome(), QStringLiteral("Copied 1 file to the clipboard"));
    }
    qputenv("TMPDIR", oldTmp);
    qputenv("XDG_CACHE_HOME", oldCache);
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY2(first.first().toLocalFile().startsWith(cache.path() + QLatin1Char('/')),
        qPrintable(first.first().toLocalFile()));
    QCOMPARE(readLocal(first.first().toLocalFile()), QByteArray("A"));
}

void TestSession::properties_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QVariant>("other");
    QTest::newRow("currentIndex") << QByteArray("currentIndex") << QVariant(-1) << QVariant(2);
    QTest::newRow("error") << QByteArray("error") << QVariant(QString())
                           << QVariant(QStringLiteral("Oops."));
    QTest::newRow("isBusy") << QByteArray("isBusy") << QVariant(false) << QVariant(true);
    QTest::newRow("statusLineText") << QByteArray("statusLineText") << QVariant(QString())
                                    << QVariant(QStringLiteral("3 files sent."));
}

// Writes from the window notify only on a change; writing currentIndex does
// not reload the file list.
void TestSession::properties()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, initial);
    QFETCH(QVariant, other);
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    if (property == "currentIndex")
        initial = 0;
    const QMetaProperty meta
        = rig.session.metaObject()->property(rig.session.metaObject()->indexOfProperty(property));
    QVERIFY(meta.isWritable());
    QSignalSpy notify(&rig.session, meta.notifySignal());
    QSignalSpy fileRows(&rig.fileModel, &QAbstractItemModel::rowsRemoved);

    QVERIFY(rig.session.setProperty(property, initial));
    QCOMPARE(notify.count(), 0);
    QVERIFY(rig.session.setProperty(property, other));
    QCOMPARE(notify.count(), 1);
    QCOMPARE(rig.session.property(property), other);
    QVERIFY(rig.session.setProperty(property, other));
    QCOMPARE(notify.count(), 1);
    QCOMPARE(fileRows.count(), 0);
}

void TestSession::errorsAndBusyNotifyEveryCall()
{
    SessionRig rig;
    QSignalSpy errors(&rig.session, &CVivuRuzaSession::errorChange);
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);
    rig.session.onErrorChange(QStringLiteral("Memory error."));
    rig.session.onErrorChange(QStringLiteral("Memory error."));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(rig.session.property("error").toString(), QStringLiteral("Memory error."));
    rig.session.onIAmBusy();
    rig.session.onIAmBusy();
    rig.session.onIAmNotBusy();
    QCOMPARE(busy.count(), 3);
    QVERIFY(!rig.isBusy());
}

void TestSession::jobs_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<QStringList>("calcFiles");
    QTest::addColumn<QStringList>("filesAtEnd");
    QTest::addColumn<QStringList>("rowsAtEnd");
    QTest::addColumn<bool>("reloaded");
    const QStringList rows { QStringLiteral("Calc A"), QStringLiteral("Calc B") };
    const QStringList a { QStringLiteral("A.PY") };
    QTest::newRow("send") << int(Send)
                          << QStringList { QStringLiteral("A.PY"), QStringLiteral("NEW.PY") }
                          << QStringList { QStringLiteral("A.PY"), QStringLiteral("NEW.PY") }
                          << rows << true;
    QTest::newRow("download") << int(Download) << a << a << rows << false;
    QTest::newRow("delete") << int(Delete) << QStringList() << QStringList() << rows << true;
    QTest::newRow("rename") << int(Rename) << a << a
                            << QStringList { QStringLiteral("Renamed"), QStringLiteral("Calc B") }
                            << false;
}

// Each job runs against the current calculator, and the window's models show
// its outcome by the time isBusy turns false.
void TestSession::jobs()
{
    QFETCH(int, job);
    QFETCH(QStringList, calcFiles);
    QFETCH(QStringList, filesAtEnd);
    QFETCH(QStringList, rowsAtEnd);
    QFETCH(bool, reloaded);

    LocalFolder dir(QStringLiteral("NEW.PY"), "x = 42\n");
    QVERIFY(dir.isValid());
    const QString dest = dir.filePath(QStringLiteral("dest"));
    QVERIFY(QDir().mkpath(dest));

    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    JobWatch watch(rig);

    startJob(rig, Job(job), dir.file(), dest);
    QVERIFY(watch.waitIdle());

    QStringList onCalc;
    for (const auto &file : a->files())
        onCalc.append(file.first);
    QCOMPARE(onCalc, calcFiles);
    QCOMPARE(watch.end().filesAtEnd, filesAtEnd);
    QCOMPARE(watch.end().rowsAtEnd, rowsAtEnd);
    QStringList expectedEvents { QStringLiteral("busy") };
    if (reloaded)
        expectedEvents.append(QStringLiteral("files cleared"));
    expectedEvents.append(QStringLiteral("idle"));
    QCOMPARE(watch.end().events, expectedEvents);
    QCOMPARE(rig.session.workerAt(0)->thread(), QThread::currentThread());
    QVERIFY(!rig.session.workerAt(0)->calc);
    QCOMPARE(rig.session.workerAt(1)->name, QStringLiteral("Calc B"));
    if (job == Send)
        QCOMPARE(a->fileContent(QStringLiteral("NEW.PY")), QByteArray("x = 42\n"));
    if (job == Download)
        QCOMPARE(QDir(dest).entryList(QDir::Files), QStringList { QStringLiteral("A.PY") });
    if (job == Rename)
        QCOMPARE(a->name(), QStringLiteral("Renamed"));
}

void TestSession::jobErrorsForwarded_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<int>("refusedType");
    QTest::addColumn<QString>("detail");
    const QString refused
        = QStringLiteral("the calculator refused; open its home screen and %1 again");
    QTest::newRow("send") << int(Send) << int(calcMsg::SEND_FILE)
                          << QStringLiteral("NEW.PY, Calc A: ") + refused.arg("send");
    QTest::newRow("send frame") << int(Send) << int(calcMsg::FRAME)
                                << QStringLiteral("NEW.PY, Calc A: ") + refused.arg("send");
    QTest::newRow("download") << int(Download) << int(calcMsg::GET_FILE)
                              << QStringLiteral("A.PY, Calc A: ") + refused.arg("copy");
    QTest::newRow("delete") << int(Delete) << int(calcMsg::DELETE_FILE)
                            << QStringLiteral("A.PY, Calc A: ") + refused.arg("delete");
    QTest::newRow("rename") << int(Rename) << int(calcMsg::CHANGE_NAME) << QString();
}

// The calculator's text reaches error while the job still runs, with the
// line on which file, which calculator and what to do already in errorDetail;
// the job then ends normally.
void TestSession::jobErrorsForwarded()
{
    QFETCH(int, job);
    QFETCH(int, refusedType);
    QFETCH(QString, detail);
    LocalFolder dir(QStringLiteral("NEW.PY"), "x = 42\n");
    QVERIFY(dir.isValid());

    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.sim(QStringLiteral("A"))
        ->setRefusal(refusedType, calcMsg::NONE_ERROR, 0, QStringLiteral("Refused by test"));
    JobWatch watch(rig);

    startJob(rig, Job(job), dir.file(), dir.path());
    QVERIFY(watch.waitIdle());

    // The link has no words for a refused name; the worker's own stand in.
    const QString error = job == Rename
        ? QStringLiteral("error:The calculator did not accept the name \"Renamed\".")
        : QStringLiteral("error:Refused by test");
    const QStringList events = watch.end().events;
    QCOMPARE(events.first(), QStringLiteral("busy"));
    QCOMPARE(events.count(error), 1);
    QVERIFY(events.indexOf(error) < events.indexOf(QStringLiteral("idle")));
    QCOMPARE(watch.end().details, QStringList { detail });
    QCOMPARE(watch.end().filesAtEnd, QStringList { QStringLiteral("A.PY") });

    // An error of the session's own has no such line.
    rig.session.onErrorChange(QStringLiteral("Memory error."));
    QCOMPARE(rig.session.property("errorDetail").toString(), QString());
}

void TestSession::silentCalculator_data()
{
    QTest::addColumn<int>("job");
    QTest::newRow("send") << int(Send);
    QTest::newRow("download") << int(Download);
    QTest::newRow("delete") << int(Delete);
    QTest::newRow("rename") << int(Rename);
}

// A calculator that stops answering still lets every job end.
void TestSession::silentCalculator()
{
    QFETCH(int, job);
    LocalFolder dir(QStringLiteral("NEW.PY"), "x = 42\n");
    QVERIFY(dir.isValid());

    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    ShortWaits shortWaits;
    rig.sim(QStringLiteral("A"))->setSilent(true);
    JobWatch watch(rig);

    startJob(rig, Job(job), dir.file(), dir.path());
    QVERIFY(watch.waitIdle());

    QCOMPARE(watch.end().events.first(), QStringLiteral("busy"));
    QCOMPARE(watch.end().events.last(), QStringLiteral("idle"));
    QCOMPARE(rig.session.workerAt(0)->thread(), QThread::currentThread());
    // Send and delete read the list again and get nothing, which is not an
    // empty calculator: the list known before stands.
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("A.PY") });
    QCOMPARE(rig.rowNames(), QStringList { job == Rename ? QString() : QStringLiteral("Calc A") });
}

// While a job runs on the current calculator no other starts there; the busy
// flag and the selection are not left half-changed.
void TestSession::secondJobOnBusyWorkerRefused()
{
    LocalFolder dir(QStringLiteral("NEW.PY"), "x = 42\n");
    QVERIFY(dir.isValid());

    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    ShortWaits shortWaits;
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->setSilent(true);
    JobWatch watch(rig);
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);
    rig.session.changeCalcName(QStringLiteral("Renamed"));

    rig.session.toCalcUrls({ QUrl::fromLocalFile(dir.file()) });
    rig.session.sendFiles();
    rig.session.addSelected(0);
    rig.session.fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    QCOMPARE(rig.session.downloadsFiles(), QList<QUrl>());
    rig.session.addSelected(0);
    rig.session.deleteSelected();
    rig.session.changeCalcName(QStringLiteral("Again"));

    QVERIFY(watch.waitIdle());
    QCOMPARE(busy.count(), 2);

    // The worker takes jobs again once the first has ended; the refused
    // deletion left no selection behind.
    a->setSilent(false);
    a->clearReceived();
    JobWatch second(rig);
    rig.session.deleteSelected();
    QVERIFY(second.waitIdle());
    QVERIFY(a->hasFile(QStringLiteral("A.PY")));
    QVERIFY(!a->receivedTypes().contains(calcMsg::DELETE_FILE));
    QVERIFY(a->receivedTypes().contains(calcMsg::GET_FILES_NUM));
}

// A send reloads the file list once; a later download on the same calculator
// reloads nothing.
void TestSession::refreshBelongsToItsJob()
{
    LocalFolder dir(QStringLiteral("NEW.PY"), "x = 42\n");
    QVERIFY(dir.isValid());
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));

    JobWatch send(rig);
    startJob(rig, Send, dir.file(), QString());
    QVERIFY(send.waitIdle());
    QCOMPARE(send.end().events.count(QStringLiteral("files cleared")), 1);

    JobWatch download(rig);
    startJob(rig, Download, QString(), dir.path());
    QVERIFY(download.waitIdle());
    QCOMPARE(
        download.end().events, QStringList({ QStringLiteral("busy"), QStringLiteral("idle") }));
    QCOMPARE(download.end().filesAtEnd,
        QStringList({ QStringLiteral("A.PY"), QStringLiteral("NEW.PY") }));
}

// One job per calculator, not one per session: the flag clears when the
// first job ends.
void TestSession::jobsOnTwoCalculators()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    ShortWaits shortWaits;
    rig.sim(QStringLiteral("A"))->setSilent(true);
    JobWatch watch(rig);
    rig.session.changeCalcName(QStringLiteral("Slow"));
    rig.calcModel.setCurrentIndex(1);
    rig.session.changeCalcName(QStringLiteral("Fast"));
    QVERIFY(watch.waitIdle());
    QTRY_COMPARE_WITH_TIMEOUT(watch.end().events.count(QStringLiteral("idle")), 2, jobTimeoutMs);
    QCOMPARE(rig.sim(QStringLiteral("B"))->name(), QStringLiteral("Fast"));
    QCOMPARE(rig.session.workerAt(1)->name, QStringLiteral("Fast"));
}

// An index that names no calculator starts no job and refreshes nothing.
void TestSession::noCurrentCalculator()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    rig.session.addSelected(0);
    rig.session.fromCalcUrls();
    rig.calcModel.setCurrentIndex(1);
    QCOMPARE(rig.fileNames(), QStringList());
    rig.fileModel.setFiles({ { QStringLiteral("KEEP.PY"), 1 } });
    QSignalSpy busy(&rig.session, &CVivuRuzaSession::isBusyChange);
    QSignalSpy rename(&rig.calcModel, &QAbstractItemModel::dataChanged);
    CalcSimulator *a = rig.sim(QStringLiteral("A"));
    a->clearReceived();

    rig.session.sendFiles();
    QCOMPARE(rig.session.downloadsFiles(), QList<QUrl>());
    rig.session.deleteSelected();
    rig.session.changeCalcName(QStringLiteral("X"));
    rig.session.onFilesListChange();
    rig.session.onDevNameChange();
    QVERIFY(workersIdle(rig.session));

    QCOMPARE(busy.count(), 0);
    QCOMPARE(rename.count(), 0);
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("KEEP.PY") });
    QVERIFY(a->received().isEmpty());

    rig.calcModel.setCurrentIndex(-1);
    rig.session.sendFiles();
    rig.session.changeCalcName(QStringLiteral("X"));
    QCOMPARE(busy.count(), 0);
}

// The job goes on to its end; its worker is released afterwards and the
// refresh acts on the calculator that is current then.
void TestSession::unplugDuringJob()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    ShortWaits shortWaits;
    rig.sim(QStringLiteral("A"))->setSilent(true);
    QPointer<CVoriWorker> a = rig.session.workerAt(0);
    JobWatch watch(rig);
    rig.session.deleteSelected();
    QVERIFY(rig.plug({ QStringLiteral("B") }));
    QVERIFY(a);
    QCOMPARE(rig.session.workerCount(), 1);
    QVERIFY(watch.waitIdle());
    QVERIFY(!a);
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("B.PY") });
    QCOMPARE(rig.rowNames(), QStringList { QStringLiteral("Calc B") });
}

// The poll and the selection read the cached list of a calculator whose job
// is still running; the job's new list arrives only with its end.
void TestSession::pollDuringJob()
{
    SessionRig rig;
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    ShortWaits shortWaits;
    rig.sim(QStringLiteral("A"))->setSilent(true);
    JobWatch watch(rig);
    rig.session.addSelected(0);
    rig.session.deleteSelected();
    QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B") }));
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("A.PY") });
    rig.calcModel.setCurrentIndex(1);
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("B.PY") });
    rig.calcModel.setCurrentIndex(0);
    QCOMPARE(rig.fileNames(), QStringList { QStringLiteral("A.PY") });
    QVERIFY(watch.waitIdle());
    QCOMPARE(watch.end().filesAtEnd, QStringList { QStringLiteral("A.PY") });
}

// Shutdown with a job still running: the session waits for it and releases
// every worker.
void TestSession::destroyedDuringJob()
{
    ShortWaits shortWaits;
    QPointer<CVoriWorker> a;
    QPointer<CVoriWorker> b;
    QPointer<CVoriWorker> c;
    {
        SessionRig rig;
        QVERIFY(rig.plug({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
        rig.sim(QStringLiteral("A"))->setSilent(true);
        rig.sim(QStringLiteral("B"))->setSilent(true);
        a = rig.session.workerAt(0);
        b = rig.session.workerAt(1);
        c = rig.session.workerAt(2);
        rig.session.changeCalcName(QStringLiteral("Slow"));
        rig.calcModel.setCurrentIndex(1);
        rig.session.changeCalcName(QStringLiteral("Slow"));
        QVERIFY(rig.plug({ QStringLiteral("B"), QStringLiteral("C") }));
        QVERIFY(a);
    }
    QVERIFY(!a);
    QVERIFY(!b);
    QVERIFY(!c);
    QCoreApplication::processEvents();
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
