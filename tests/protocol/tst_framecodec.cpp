#include "FrameCodec.h"
#include "serializeData.pb.h"

#include <QBuffer>
#include <QQueue>
#include <QtTest>

using VivuRuza::calcMsg;

// Junk without end, as far as any reader that keeps a limit can tell: each
// wait brings another batch at once. Its supply does run out, after far more
// than a reader with a limit takes, so a reader without one ends the test in
// seconds instead of hanging it.
class EndlessJunk : public QIODevice
{
public:
    static constexpr qint64 supply = qint64(1) << 32;
    EndlessJunk() { open(QIODevice::ReadOnly); }
    qint64 served() const { return m_served; }

    bool waitForReadyRead(int) override
    {
        if (m_served >= supply)
            return false;
        m_ready = batch;
        return true;
    }
    qint64 bytesAvailable() const override { return m_ready + QIODevice::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = qMin<qint64>(max, m_ready);
        memset(data, 'j', size_t(n));
        m_ready -= n;
        m_served += n;
        return n;
    }
    qint64 writeData(const char *, qint64 size) override { return size; }

private:
    static constexpr qint64 batch = 4096;
    qint64 m_ready = 0;
    qint64 m_served = 0;
};

// Delivers its script one chunk per wait, the way a serial port hands over
// whatever arrived since the last read.
class ScriptedDevice : public QIODevice
{
public:
    explicit ScriptedDevice(const QList<QByteArray> &chunks)
    {
        for (const QByteArray &c : chunks)
            m_chunks.enqueue(c);
        open(QIODevice::ReadWrite);
    }
    QByteArray written;
    int waits = 0;

    bool waitForReadyRead(int) override
    {
        ++waits;
        if (m_chunks.isEmpty())
            return false;
        m_ready += m_chunks.dequeue();
        return true;
    }
    bool waitForBytesWritten(int) override { return true; }
    qint64 bytesAvailable() const override { return m_ready.size() + QIODevice::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = qMin<qint64>(max, m_ready.size());
        memcpy(data, m_ready.constData(), size_t(n));
        m_ready.remove(0, int(n));
        return n;
    }
    qint64 writeData(const char *data, qint64 len) override
    {
        written.append(data, int(len));
        return len;
    }

private:
    QQueue<QByteArray> m_chunks;
    QByteArray m_ready;
};

static QByteArray frame(const QByteArray &payload)
{
    QByteArray f("CALC");
    f.append(char(payload.size() & 0xFF));
    f.append(char(payload.size() >> 8));
    return f + payload;
}

static QByteArray encode(const calcMsg &msg)
{
    QByteArray bytes(int(msg.ByteSizeLong()), Qt::Uninitialized);
    msg.SerializeToArray(bytes.data(), bytes.size());
    return bytes;
}

class TestFrameCodec : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { FrameCodec::setWaitLimits(200, 200); }

    void messageBytes_data()
    {
        QTest::addColumn<QByteArray>("encoded");
        QTest::addColumn<QByteArray>("expected");
        calcMsg m;
        m.set_type(calcMsg::GET_DEVICE_INF);
        QTest::newRow("GET_DEVICE_INF") << encode(m) << QByteArray::fromHex("0801");
        m.set_type(calcMsg::SUCCESS);
        QTest::newRow("SUCCESS") << encode(m) << QByteArray::fromHex("080B");
        m.set_type(calcMsg::DELETE_FILE);
        m.mutable_finf()->set_name("A.PY");
        m.mutable_finf()->set_size(10);
        QTest::newRow("DELETE_FILE A.PY 10")
            << encode(m) << QByteArray::fromHex("08061A081204412E5059180A");
    }
    void messageBytes()
    {
        QFETCH(QByteArray, encoded);
        QFETCH(QByteArray, expected);
        QCOMPARE(encoded.toHex(' '), expected.toHex(' '));
    }

    void decodesDefaults()
    {
        calcMsg frame0;
        frame0.set_type(calcMsg::FRAME);
        frame0.mutable_frame()->set_framenum(0);
        frame0.mutable_frame()->set_size(1);
        frame0.mutable_frame()->add_data("x");
        calcMsg parsed;
        const QByteArray bytes = encode(frame0);
        QVERIFY(parsed.ParseFromArray(bytes.constData(), bytes.size()));
        QCOMPARE(parsed.frame().framenum(), 0);
        QCOMPARE(parsed.frame().data(0), std::string("x"));

        calcMsg none;
        none.set_type(calcMsg::SEND_FILES_NUM);
        const QByteArray noFiles = encode(none);
        QCOMPARE(noFiles, QByteArray::fromHex("0809"));
        parsed.Clear();
        parsed.ParseFromArray(noFiles.constData(), noFiles.size());
        QCOMPARE(parsed.numberoffiles(), 0);

        parsed.Clear();
        parsed.ParseFromArray("", 0);
        QCOMPARE(parsed.type(), calcMsg::NONE);
        QCOMPARE(parsed.error(), calcMsg::NONE_ERROR);
    }

    void writeFrame_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("GET_DEVICE_INF")
            << QByteArray::fromHex("0801") << QByteArray::fromHex("43414C430200");
        QTest::newRow("300 bytes") << QByteArray(300, 'p') << QByteArray::fromHex("43414C432C01");
        QTest::newRow("empty") << QByteArray() << QByteArray::fromHex("43414C430000");
        QTest::newRow("65535 bytes")
            << QByteArray(65535, 'p') << QByteArray::fromHex("43414C43FFFF");
    }
    void writeFrame()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, header);
        ScriptedDevice dev({});
        FrameCodec codec(&dev);
        QByteArray buffer = payload;
        QVERIFY(codec.writeFrame(buffer));
        QCOMPARE(dev.written.left(6).toHex(' '), header.toHex(' '));
        QCOMPARE(dev.written.mid(6), payload);
        QCOMPARE(buffer, dev.written);
    }

    void writeRefusesWhatCannotBeFramed()
    {
        ScriptedDevice dev({});
        FrameCodec codec(&dev);
        QByteArray tooLong(65536, 'x');
        QVERIFY(!codec.writeFrame(tooLong));
        QVERIFY(dev.written.isEmpty());

        dev.close();
        QByteArray small("ab");
        QVERIFY(!codec.writeFrame(small));
        QVERIFY(dev.written.isEmpty());
    }

    void readFrame_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QByteArray>("payload");
        const QByteArray p = QByteArray::fromHex("0801");
        QTest::newRow("whole frame") << QList<QByteArray> { frame(p) } << p;
        QTest::newRow("junk before") << QList<QByteArray> { QByteArray("xyz") + frame(p) } << p;
        QTest::newRow("marker split over reads")
            << QList<QByteArray> { QByteArray("qqCA"), QByteArray("LC") + frame(p).mid(4) } << p;
        QTest::newRow("trailing bytes dropped")
            << QList<QByteArray> { frame(p) + QByteArray("CALC\x05") } << p;
        QTest::newRow("length in a later read")
            << QList<QByteArray> { QByteArray("CALC"), frame(p).mid(4, 1), frame(p).mid(5) } << p;
        const QByteArray big(700, 'b');
        QTest::newRow("payload over several reads") << QList<QByteArray> { frame(big).left(100),
            frame(big).mid(100, 300), frame(big).mid(400) }
                                                    << big;
        QTest::newRow("empty payload")
            << QList<QByteArray> { QByteArray::fromHex("43414C430000") } << QByteArray();
        const QByteArray inner = QByteArray("ab") + "CALC" + QByteArray("\x02\x00zz", 4);
        QTest::newRow("marker inside payload") << QList<QByteArray> { frame(inner) } << inner;
        QTest::newRow("junk read without marker first")
            << QList<QByteArray> { QByteArray(50, 'j'), frame(p) } << p;
    }
    void readFrame()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QByteArray, payload);
        ScriptedDevice dev(chunks);
        int reports = 0;
        FrameCodec codec(&dev, [&](int, const QString &) { ++reports; });
        QByteArray buffer("left over from the request");
        QVERIFY(codec.readFrame(buffer, 1024));
        QCOMPARE(buffer, payload);
        QCOMPARE(reports, 0);
    }

    // Every way a reply can fail to arrive ends with a report, never a hang.
    void readFailures_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("text");
        const QString silent = QStringLiteral("Connection error (error code: 421).");
        QTest::newRow("closed port")
            << QList<QByteArray>() << true << QStringLiteral("Connection error (error code: 422).");
        QTest::newRow("silent line") << QList<QByteArray>() << false << silent;
        QTest::newRow("junk then silence")
            << QList<QByteArray> { QByteArray("no marker") } << false << silent;
        QTest::newRow("unplugged after marker")
            << QList<QByteArray> { QByteArray("CALC") } << false << silent;
        QTest::newRow("unplugged in length")
            << QList<QByteArray> { QByteArray("CALC\x05") } << false << silent;
        QTest::newRow("unplugged in payload") << QList<QByteArray> { QByteArray("CALC\x05\x00"
                                                                                "ab",
            8) } << false << silent;
    }
    void readFailures()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(bool, closed);
        QFETCH(QString, text);
        ScriptedDevice dev(chunks);
        if (closed)
            dev.close();
        QList<QPair<int, QString>> reports;
        FrameCodec codec(
            &dev, [&](int code, const QString &t) { reports.append(qMakePair(code, t)); });
        QByteArray buffer;
        QVERIFY(!codec.readFrame(buffer, 1024));
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.first().first, int(calcMsg::CONNECTION_ERROR));
        QCOMPARE(reports.first().second, text);
    }

    // A device that never stops talking but never sends a marker: every wait
    // brings more at once, so only the reader's own limit can end the hunt.
    void endlessJunkGivesUp()
    {
        FrameCodec::setWaitLimits(50, 50);
        EndlessJunk dev;
        QString reported;
        FrameCodec codec(&dev, [&](int, const QString &t) { reported = t; });
        QByteArray buffer;
        QVERIFY(!codec.readFrame(buffer, 1024));
        FrameCodec::setWaitLimits(200, 200);
        QCOMPARE(reported, QStringLiteral("Connection error (error code: 421)."));
        QVERIFY2(dev.served() < EndlessJunk::supply / 4, qPrintable(QString::number(dev.served())));
    }

    void markerWindow()
    {
        FrameCodec codec;
        QVERIFY(!codec.matchMarker('C'));
        QVERIFY(!codec.matchMarker('A'));
        QVERIFY(!codec.matchMarker('L'));
        QVERIFY(codec.matchMarker('C'));
        QVERIFY(!codec.matchMarker('C'));

        // Each codec has its own window.
        FrameCodec a, b;
        for (char c : { 'x', 'C', 'A', 'L' })
            a.matchMarker(c);
        QVERIFY(!b.matchMarker('C'));
        QVERIFY(a.matchMarker('C'));
    }
};

QTEST_GUILESS_MAIN(TestFrameCodec)
#include "tst_framecodec.moc"
