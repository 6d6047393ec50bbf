#include "CVivuRuza.h"
#include "serializeData.pb.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <limits>
#include <pty.h>
#include <unistd.h>

using Record = CVivuRuza::PortRecord;
Q_DECLARE_METATYPE(CVivuRuza::PortRecord)

static Record record(const QString &name, bool hasVid, quint16 vid, bool hasPid, quint16 pid)
{
    Record r;
    r.portName = name;
    r.hasVendorIdentifier = hasVid;
    r.vendorIdentifier = vid;
    r.hasProductIdentifier = hasPid;
    r.productIdentifier = pid;
    return r;
}

// A line that goes away as soon as a message has gone out on it.
class ClosingDevice : public QIODevice
{
public:
    ClosingDevice() { open(QIODevice::ReadWrite); }
    bool isSequential() const override { return true; }
    int writes = 0;

protected:
    qint64 readData(char *, qint64) override { return 0; }
    qint64 writeData(const char *, qint64 len) override
    {
        ++writes;
        close();
        return len;
    }
};

class TestCalcLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { FrameCodec::setWaitLimits(200, 200); }

    void portFilter_data()
    {
        QTest::addColumn<Record>("port");
        QTest::addColumn<bool>("dropTty");
        QTest::addColumn<bool>("listed");
        QTest::newRow("COM5") << record("COM5", true, 0x0483, true, 0x5740) << true << true;
        QTest::newRow("mac tty twin")
            << record("tty.usbmodem1", true, 0x0483, true, 0x5740) << true << false;
        QTest::newRow("mac cu") << record("cu.usbmodem1", true, 0x0483, true, 0x5740) << true
                                << true;
        QTest::newRow("linux ttyACM0")
            << record("ttyACM0", true, 0x0483, true, 0x5740) << false << true;
        QTest::newRow("other product")
            << record("COM6", true, 0x0483, true, 0x5741) << false << false;
        QTest::newRow("other vendor")
            << record("COM7", true, 0x0484, true, 0x5740) << false << false;
        QTest::newRow("no vendor") << record("ttyS0", false, 0, false, 0) << false << false;
        QTest::newRow("vendor without product")
            << record("ttyACM1", true, 0x0483, false, 0x5740) << false << false;
    }
    void portFilter()
    {
        QFETCH(Record, port);
        QFETCH(bool, dropTty);
        QFETCH(bool, listed);
        QCOMPARE(CVivuRuza::isCalcPort(port, dropTty), listed);
    }

    void usbPresence_data()
    {
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<bool>("present");
        QTest::newRow("no bus") << QStringList { QStringLiteral("-") } << false;
        QTest::newRow("empty bus") << QStringList() << false;
        QTest::newRow("other devices")
            << QStringList { "1-1:046d:c52b", "usb1:1d6b:0002" } << false;
        QTest::newRow("calculator") << QStringList { "usb1:1d6b:0002", "1-2:0483:5740" } << true;
        QTest::newRow("other product") << QStringList { "1-2:0483:5741" } << false;
        QTest::newRow("interfaces have no ids")
            << QStringList { "1-2:1.0", "1-3:0483:5740" } << true;
    }
    void usbPresence()
    {
        QFETCH(QStringList, devices);
        QFETCH(bool, present);
        QTemporaryDir sys;
        QString folder = sys.filePath(QStringLiteral("devices"));
        if (devices == QStringList { QStringLiteral("-") })
            folder = sys.filePath(QStringLiteral("missing"));
        else
            QVERIFY(QDir().mkpath(folder));
        for (const QString &d : qAsConst(devices)) {
            const QStringList parts = d.split(QLatin1Char(':'));
            const QString dir = folder + QLatin1Char('/') + parts.at(0)
                + (parts.size() == 2 ? QLatin1Char(':') + parts.at(1) : QString());
            QVERIFY(QDir().mkpath(dir));
            if (parts.size() == 3) {
                for (const auto &f : { qMakePair(QStringLiteral("idVendor"), parts.at(1)),
                         qMakePair(QStringLiteral("idProduct"), parts.at(2)) }) {
                    QFile file(dir + QLatin1Char('/') + f.first);
                    QVERIFY(file.open(QIODevice::WriteOnly));
                    file.write(f.second.toLatin1() + '\n');
                }
            }
        }
        QCOMPARE(CVivuRuza::usbDevicePresent(folder), present);
    }

    void onErrorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("emitted");
        QTest::newRow("0") << 0 << QString() << "Unknown error.";
        QTest::newRow("1") << 1 << QString() << QString::fromUtf8("File doesn\u2019t exist.");
        QTest::newRow("2") << 2 << QString() << "Connection error (error code: 423).";
        QTest::newRow("3") << 3 << QString() << "Memory error.";
        QTest::newRow("4") << 4 << QString() << "Unknown error.";
        QTest::newRow("5") << 5 << QString() << "Write error.";
        QTest::newRow("6") << 6 << QString() << "Wrong data size.";
        QTest::newRow("7") << 7 << QString() << "Wrong frame number.";
        QTest::newRow("9 out of range") << 9 << QString() << QString();
        QTest::newRow("-1 out of range") << -1 << QString() << QString();
        QTest::newRow("text wins") << 1 << "Disk full"
                                   << "Disk full";
    }
    void onErrorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, given);
        QFETCH(QString, emitted);
        CVivuRuza link(QString(), nullptr);
        QSignalSpy spy(&link, &CVivuRuza::errorNotify);
        link.errorCode = code;
        if (given.isNull())
            link.onError();
        else
            link.onError(given);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), emitted);
    }

    void metaObjectOrder()
    {
        const QMetaObject &mo = CVivuRuza::staticMetaObject;
        QCOMPARE(QByteArray(mo.className()), QByteArray("CVivuRuza"));
        const QList<QByteArray> expected { "errorNotify(QString)", "fileDeleted(QString)",
            "fileSend(QPair<QString,int>)", "onError(QString)", "onError()" };
        QCOMPARE(mo.methodCount() - mo.methodOffset(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(mo.method(mo.methodOffset() + i).methodSignature(), expected.at(i));
        QCOMPARE(mo.method(mo.methodOffset()).parameterNames().value(0), QByteArray("errorText"));
        QCOMPARE(mo.method(mo.methodOffset() + 2).parameterNames().value(0), QByteArray("fInf"));
    }

    // A port that does not open: nothing reported, empty name, and every
    // command fails at its first write without a text.
    void portThatDoesNotOpen()
    {
        CVivuRuza link(QStringLiteral("/nonexistent/ttyACM9"), nullptr);
        QSignalSpy spy(&link, &CVivuRuza::errorNotify);
        QCOMPARE(link.devName(), QString());
        QCOMPARE(link.chunkSize, 512);
        QCOMPARE(link.getFilesNum(), 0);
        QVERIFY(link.getFilesInf().isEmpty());
        QVERIFY(!link.changeName(QStringLiteral("X")));
        VivuRuza::fileInf inf;
        inf.set_name("A.PY");
        inf.set_size(3);
        QVERIFY(!link.deleteFile(inf));
        QVERIFY(!link.sendFile(inf, "abc"));
        QVERIFY(link.getFile(inf).isEmpty());
        QCOMPARE(spy.count(), 0);
    }

    // The link must not keep waiting on a line that never answers.
    void silentPeerReports421()
    {
        int master = -1, slave = -1;
        char name[128];
        QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
        CVivuRuza link(QString::fromLocal8Bit(name), nullptr);
        QSignalSpy spy(&link, &CVivuRuza::errorNotify);
        QCOMPARE(link.getFilesNum(), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Connection error (error code: 421)."));
        QCOMPARE(link.errorCode, 2);
        ::close(slave);
        ::close(master);
    }

    // 422 only when the port closed after the command's message went out;
    // a command that finds the port closed gives up without a word.
    void portClosedAfterRequest()
    {
        ClosingDevice dev;
        CVivuRuza link(&dev, nullptr);
        QCOMPARE(link.errorCode, 2);
        dev.open(QIODevice::ReadWrite);
        QSignalSpy spy(&link, &CVivuRuza::errorNotify);
        QCOMPARE(link.getFilesNum(), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Connection error (error code: 422)."));
        QVERIFY(!link.changeName(QStringLiteral("X")));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(dev.writes, 2);
    }

    // A listed size no calculator can hold is refused before anything is
    // asked or allocated.
    void absurdDownloadSize()
    {
        int master = -1, slave = -1;
        char name[128];
        QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
        CVivuRuza link(QString::fromLocal8Bit(name), nullptr);
        char drain[256];
        while (::read(master, drain, sizeof drain) == sizeof drain) { }
        QSignalSpy spy(&link, &CVivuRuza::errorNotify);
        VivuRuza::fileInf inf;
        inf.set_name("HUGE.BIN");
        inf.set_size(std::numeric_limits<int>::max());
        QVERIFY(link.getFile(inf).isEmpty());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Wrong data size."));
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        QCOMPARE(::read(master, drain, sizeof drain), ssize_t(-1));
        ::close(slave);
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(TestCalcLink)
#include "tst_calclink.moc"
