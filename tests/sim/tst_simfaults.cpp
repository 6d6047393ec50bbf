// The simulator's faults seen from the computer's end of the pty: each one
// must put exactly the promised bytes on the wire, since the link's tests
// trust them to model a misbehaving calculator.

#include "CalcSimulator.h"
#include "PtyClient.h"

#include <QtTest>

#include <google/protobuf/stubs/logging.h>

#include <functional>
#include <limits>
#include <mutex>

using VivuRuza::calcMsg;
using Files = QList<QPair<QString, QByteArray>>;
using FaultSetter = std::function<void(CalcSimulator &)>;

Q_DECLARE_METATYPE(calcMsg)
Q_DECLARE_METATYPE(FaultSetter)

namespace {

constexpr qint64 beyondInt32 = qint64(1) << 32;
constexpr int waitMs = 5000;

std::mutex logMutex;
QStringList protobufLog;

void recordLog(google::protobuf::LogLevel, const char *, int, const std::string &message)
{
    std::lock_guard<std::mutex> lock(logMutex);
    protobufLog.append(QString::fromStdString(message));
}

bool serialiserComplained()
{
    std::lock_guard<std::mutex> lock(logMutex);
    for (const QString &line : qAsConst(protobufLog)) {
        if (line.contains(QLatin1String("serializing")))
            return true;
    }
    return false;
}

calcMsg request(int type, const QString &name = QString(), int size = 0)
{
    calcMsg msg;
    msg.set_type(calcMsg::msgType(type));
    if (!name.isEmpty()) {
        msg.mutable_finf()->set_name(name.toStdString());
        msg.mutable_finf()->set_size(size);
    }
    return msg;
}

calcMsg ack()
{
    return request(calcMsg::SUCCESS);
}

calcMsg uploadFrame(int k, const QByteArray &data)
{
    calcMsg msg;
    msg.set_type(calcMsg::FRAME);
    msg.mutable_frame()->set_framenum(k);
    msg.mutable_frame()->set_size(data.size());
    msg.mutable_frame()->add_data(data.constData(), size_t(data.size()));
    return msg;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 13 + 5) & 0xFF);
    return bytes;
}

int typeOf(const QByteArray &payload)
{
    calcMsg msg;
    return msg.ParseFromArray(payload.constData(), payload.size()) ? msg.type() : -1;
}

// The wire format read by hand, without protobuf's checks and truncations.
bool readVarint(const QByteArray &bytes, int &pos, quint64 &value)
{
    value = 0;
    for (int shift = 0; shift < 64 && pos < bytes.size(); shift += 7) {
        const uchar byte = uchar(bytes.at(pos++));
        value |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

using FieldVisitor = std::function<void(int number, quint64 varint, const QByteArray &bytes)>;

bool walkFields(const QByteArray &message, const FieldVisitor &visit)
{
    int pos = 0;
    while (pos < message.size()) {
        quint64 tag = 0;
        quint64 value = 0;
        if (!readVarint(message, pos, tag) || !readVarint(message, pos, value))
            return false;
        if ((tag & 7) == 0) {
            visit(int(tag >> 3), value, QByteArray());
        } else if ((tag & 7) == 2 && value <= quint64(message.size() - pos)) {
            visit(int(tag >> 3), 0, message.mid(pos, int(value)));
            pos += int(value);
        } else {
            return false;
        }
    }
    return true;
}

QList<int> fieldNumbers(const QByteArray &message)
{
    QList<int> numbers;
    walkFields(message, [&](int number, quint64, const QByteArray &) { numbers.append(number); });
    return numbers;
}

bool bytesField(const QByteArray &message, int number, QByteArray &bytes)
{
    bool found = false;
    walkFields(message, [&](int n, quint64, const QByteArray &b) {
        if (n == number && !found) {
            bytes = b;
            found = true;
        }
    });
    return found;
}

bool varintField(const QByteArray &message, int number, quint64 &value)
{
    bool found = false;
    walkFields(message, [&](int n, quint64 v, const QByteArray &) {
        if (n == number && !found) {
            value = v;
            found = true;
        }
    });
    return found;
}

// What a healthy simulator holding these files answers to the script, one
// reply per message.
bool healthyReplies(
    const Files &files, int chunk, const QList<calcMsg> &script, QList<QByteArray> &replies)
{
    CalcSimulator sim;
    sim.setFiles(files);
    sim.setMaxChunkSize(chunk);
    if (!sim.start())
        return false;
    PtyClient calc(sim.portPath());
    for (const calcMsg &msg : script) {
        QByteArray payload;
        if (!calc.send(msg) || !calc.readFrame(payload))
            return false;
        replies.append(payload);
    }
    return true;
}

const Files twoFiles { { QStringLiteral("A.PY"), QByteArray("abc") },
    { QStringLiteral("E.TXT"), QByteArray() } };

} // namespace

class TestSimFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<CalcSimulator> m_sim;
    std::unique_ptr<PtyClient> m_calc;

    bool exchange(const calcMsg &msg, QByteArray &reply)
    {
        return m_calc->send(msg) && m_calc->readFrame(reply);
    }

private slots:
    void initTestCase() { google::protobuf::SetLogHandler(recordLog); }

    void init()
    {
        m_sim.reset(new CalcSimulator);
        m_sim->setFiles(twoFiles);
        QVERIFY(m_sim->start());
        m_calc.reset(new PtyClient(m_sim->portPath()));
        QVERIFY(m_calc->isOpen());
    }

    void cleanup()
    {
        m_calc.reset();
        m_sim.reset();
    }

    void brokenUtf8_data()
    {
        QTest::addColumn<bool>("deviceName");
        QTest::addColumn<QString>("brokenFile");
        QTest::addColumn<int>("acks"); // entries before the spoilt one
        QTest::addColumn<int>("chunk");
        QTest::addColumn<QByteArray>("rawName");
        QTest::addColumn<qint64>("after"); // the field that follows the name

        QTest::newRow("device name")
            << true << QString() << 0 << 512 << QByteArray("Vori X1\xFF\xFE") << qint64(512);
        QTest::newRow("device name, chunk 0 still follows")
            << true << QString() << 0 << 0 << QByteArray("Vori X1\xFF\xFE") << qint64(0);
        QTest::newRow("first file") << false << QStringLiteral("A.PY") << 0 << 512
                                    << QByteArray("A.PY\xFF\xFE") << qint64(3);
        QTest::newRow("second file, size 0 still follows")
            << false << QStringLiteral("E.TXT") << 1 << 512 << QByteArray("E.TXT\xFF\xFE")
            << qint64(0);
    }

    void brokenUtf8()
    {
        QFETCH(bool, deviceName);
        QFETCH(QString, brokenFile);
        QFETCH(int, acks);
        QFETCH(int, chunk);
        QFETCH(QByteArray, rawName);
        QFETCH(qint64, after);
        m_sim->setMaxChunkSize(chunk);
        m_sim->setBrokenUtf8DeviceName(deviceName);
        m_sim->setBrokenUtf8FileName(brokenFile);

        QByteArray reply;
        QVERIFY(exchange(
            request(deviceName ? calcMsg::GET_DEVICE_INF : calcMsg::GET_FILES_INF), reply));
        for (int i = 0; i < acks; ++i) {
            QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILE_INF));
            QVERIFY(exchange(ack(), reply));
        }
        calcMsg strict;
        QVERIFY(!strict.ParseFromArray(reply.constData(), reply.size()));

        const int inner = deviceName ? calcMsg::kDevInfFieldNumber : calcMsg::kFInfFieldNumber;
        const int nameField = deviceName ? int(VivuRuza::deviceInf::kNameFieldNumber)
                                         : int(VivuRuza::fileInf::kNameFieldNumber);
        const int afterField = deviceName ? int(VivuRuza::deviceInf::kMaxChunkSizeFieldNumber)
                                          : int(VivuRuza::fileInf::kSizeFieldNumber);
        QByteArray info;
        QVERIFY(bytesField(reply, inner, info));
        QByteArray name;
        QVERIFY(bytesField(info, nameField, name));
        QCOMPARE(name, rawName);
        quint64 value = 0;
        QVERIFY(varintField(info, afterField, value));
        QCOMPARE(qint64(value), after);
        const QList<int> numbers = fieldNumbers(info);
        QCOMPARE(numbers.mid(numbers.indexOf(nameField)), QList<int>({ nameField, afterField }));
        QVERIFY(!serialiserComplained());
    }

    void oversize_data()
    {
        QTest::addColumn<int>("oversize");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<qint64>("value");

        const qint64 off = std::numeric_limits<qint64>::min();
        const int fileSize = int(CalcSimulator::Oversize::FileSize);
        const int filesNum = int(CalcSimulator::Oversize::FilesNum);
        QTest::newRow("file size") << fileSize << QList<int> { 5 } << off << qint64(5);
        QTest::newRow("file size 0") << fileSize << QList<int> { 0 } << off << qint64(0);
        QTest::newRow("file count") << filesNum << QList<int> { 5, 0, 7 } << off << qint64(3);
        QTest::newRow("no files") << filesNum << QList<int>() << off << qint64(0);
        QTest::newRow("announced count") << filesNum << QList<int> { 5 } << qint64(9) << qint64(9);
    }

    void oversize()
    {
        QFETCH(int, oversize);
        QFETCH(QList<int>, sizes);
        QFETCH(qint64, announced);
        QFETCH(qint64, value);
        Files files;
        for (int size : qAsConst(sizes))
            files.append(qMakePair(QStringLiteral("F%1.BIN").arg(files.size()), pattern(size)));
        m_sim->setFiles(files);
        m_sim->setAnnouncedFileCount(announced);
        m_sim->setOversize(CalcSimulator::Oversize(oversize));
        const bool listing = CalcSimulator::Oversize(oversize) == CalcSimulator::Oversize::FileSize;

        QByteArray reply;
        QVERIFY(
            exchange(request(listing ? calcMsg::GET_FILES_INF : calcMsg::GET_FILES_NUM), reply));
        QByteArray holder = reply;
        if (listing)
            QVERIFY(bytesField(reply, calcMsg::kFInfFieldNumber, holder));
        quint64 raw = 0;
        QVERIFY(varintField(holder,
            listing ? int(VivuRuza::fileInf::kSizeFieldNumber)
                    : int(calcMsg::kNumberOfFilesFieldNumber),
            raw));
        QCOMPARE(raw, quint64(value + beyondInt32));

        // Only a strict reader can tell: protobuf itself truncates silently.
        calcMsg lenient;
        QVERIFY(lenient.ParseFromArray(reply.constData(), reply.size()));
        QCOMPARE(qint64(listing ? lenient.finf().size() : lenient.numberoffiles()), value);
    }

    void announcedFileCount_data()
    {
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<int>("count");
        QTest::newRow("off") << std::numeric_limits<qint64>::min() << 2;
        QTest::newRow("none") << qint64(0) << 0;
        QTest::newRow("negative") << qint64(-1) << -1;
        QTest::newRow("more than there are") << qint64(1000) << 1000;
        QTest::newRow("largest 32-bit")
            << qint64(std::numeric_limits<int>::max()) << std::numeric_limits<int>::max();
        QTest::newRow("beyond 32 bits") << qint64(1000000000000) << std::numeric_limits<int>::max();
        QTest::newRow("largest 64-bit")
            << std::numeric_limits<qint64>::max() << std::numeric_limits<int>::max();
        QTest::newRow("far below") << qint64(-1000000000000) << std::numeric_limits<int>::min();
    }

    void announcedFileCount()
    {
        QFETCH(qint64, announced);
        QFETCH(int, count);
        m_sim->setAnnouncedFileCount(announced);
        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::GET_FILES_NUM), reply));
        calcMsg msg;
        QVERIFY(msg.ParseFromArray(reply.constData(), reply.size()));
        QCOMPARE(int(msg.type()), int(calcMsg::SEND_FILES_NUM));
        QCOMPARE(msg.numberoffiles(), count);
    }

    void endlessListing_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("two files, cycled")
            << QStringList { QStringLiteral("A.PY"), QStringLiteral("E.TXT") };
        QTest::newRow("no files, made up") << QStringList();
    }

    void endlessListing()
    {
        QFETCH(QStringList, names);
        Files files;
        for (const QString &name : qAsConst(names))
            files.append(qMakePair(name, QByteArray("x")));
        m_sim->setFiles(files);
        m_sim->setEndlessListing(true);

        QVERIFY(m_calc->send(request(calcMsg::GET_FILES_INF)));
        for (int i = 0; i <= 1000; ++i) {
            if (i > 0)
                QVERIFY(m_calc->send(ack()));
            QByteArray reply;
            QVERIFY(m_calc->readFrame(reply));
            calcMsg entry;
            QVERIFY(entry.ParseFromArray(reply.constData(), reply.size()));
            QCOMPARE(int(entry.type()), int(calcMsg::SEND_FILE_INF));
            const QString expected = names.isEmpty()
                ? QStringLiteral("F%1.TXT").arg(i + 1, 5, 10, QLatin1Char('0'))
                : names.at(i % names.size());
            QCOMPARE(QString::fromStdString(entry.finf().name()), expected);
        }
        // A new request still ends the series.
        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::GET_FILES_NUM), reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
    }

    void listingEntryType_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("SUCCESS") << int(calcMsg::SUCCESS);
        QTest::newRow("FRAME") << int(calcMsg::FRAME);
        QTest::newRow("FAILED") << int(calcMsg::FAILED);
        QTest::newRow("NONE") << int(calcMsg::NONE);
        QTest::newRow("off") << int(calcMsg::SEND_FILE_INF);
    }

    void listingEntryType()
    {
        QFETCH(int, type);
        m_sim->setListingEntryType(type);
        QVERIFY(m_calc->send(request(calcMsg::GET_FILES_INF)));
        for (int i = 0; i < twoFiles.size(); ++i) {
            if (i > 0)
                QVERIFY(m_calc->send(ack()));
            QByteArray reply;
            QVERIFY(m_calc->readFrame(reply));
            // The type is on the wire even when it is NONE.
            quint64 rawType = 99;
            QVERIFY(varintField(reply, calcMsg::kTypeFieldNumber, rawType));
            QCOMPARE(int(rawType), type);
            calcMsg entry;
            QVERIFY(entry.ParseFromArray(reply.constData(), reply.size()));
            QCOMPARE(QString::fromStdString(entry.finf().name()), twoFiles.at(i).first);
            QCOMPARE(entry.finf().size(), twoFiles.at(i).second.size());
        }
        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::GET_FILES_NUM), reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
    }

    void frameReply_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("NONE") << int(calcMsg::NONE) << QByteArray::fromHex("0800");
        QTest::newRow("FRAME") << int(calcMsg::FRAME) << QByteArray::fromHex("080d");
        QTest::newRow("SEND_FILES_NUM")
            << int(calcMsg::SEND_FILES_NUM) << QByteArray::fromHex("0809");
        QTest::newRow("empty frame") << -1 << QByteArray();
        QTest::newRow("off") << int(calcMsg::SUCCESS) << QByteArray::fromHex("080b");
    }

    void frameReply()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, payload);
        m_sim->setMaxChunkSize(4);
        m_sim->setFrameReply(type);
        const QByteArray content = pattern(10);

        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::SEND_FILE, QStringLiteral("U.BIN"), 10), reply));
        QCOMPARE(reply, QByteArray::fromHex("080b"));
        for (int k = 0; k < 3; ++k) {
            QVERIFY(exchange(uploadFrame(k, content.mid(k * 4, 4)), reply));
            QCOMPARE(reply, payload);
        }
        QCOMPARE(m_sim->fileContent(QStringLiteral("U.BIN")), content);
    }

    void lateReply_data()
    {
        QTest::addColumn<int>("lateType");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("replyType");
        QTest::newRow("device info")
            << int(calcMsg::GET_DEVICE_INF) << QString() << int(calcMsg::SEND_DEVICE_INF);
        QTest::newRow("first listing entry")
            << int(calcMsg::GET_FILES_INF) << QString() << int(calcMsg::SEND_FILE_INF);
        QTest::newRow("first download frame")
            << int(calcMsg::GET_FILE) << QStringLiteral("A.PY") << int(calcMsg::FRAME);
        QTest::newRow("deletion") << int(calcMsg::DELETE_FILE) << QStringLiteral("A.PY")
                                  << int(calcMsg::SUCCESS);
    }

    // An acknowledgement outside any series is read and answered with
    // nothing; once the simulator has it on record, every earlier reply has
    // been written, so what is queued then is all there will be.
    void lateReply()
    {
        QFETCH(int, lateType);
        QFETCH(QString, fileName);
        QFETCH(int, replyType);
        m_sim->setFiles({ qMakePair(QStringLiteral("A.PY"), QByteArray("abc")) });
        m_sim->setLateReply(lateType, 200);

        QVERIFY(m_calc->send(request(lateType, fileName)));
        QVERIFY(m_sim->waitForReceived(1, waitMs));
        QCOMPARE(m_calc->queued(), 0);
        // The computer gave up waiting and asks something else.
        QVERIFY(m_calc->send(request(calcMsg::GET_FILES_NUM)));
        QVERIFY(m_calc->send(ack()));
        QVERIFY(m_sim->waitForReceived(3, waitMs));
        QByteArray reply;
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), replyType);
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
        QCOMPARE(m_calc->queued(), 0);

        // Unread replies stay queued until the fault is cleared...
        const QList<calcMsg> unreadThenAsk { request(calcMsg::GET_FILES_NUM),
            request(calcMsg::GET_DEVICE_INF), ack() };
        for (const calcMsg &msg : unreadThenAsk)
            QVERIFY(m_calc->send(msg));
        QVERIFY(m_sim->waitForReceived(6, waitMs));
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_DEVICE_INF));

        // ...and are dropped at the next request afterwards, as usual.
        m_sim->clearFaults();
        for (const calcMsg &msg : unreadThenAsk)
            QVERIFY(m_calc->send(msg));
        QVERIFY(m_sim->waitForReceived(9, waitMs));
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_DEVICE_INF));
        QCOMPARE(m_calc->queued(), 0);
    }

    // However long the computer waits, the held reply comes only after its
    // next message, and in front of that message's own reply.
    void heldReply()
    {
        m_sim->setFiles({ qMakePair(QStringLiteral("A.PY"), QByteArray("abc")) });
        m_sim->setHeldReply(calcMsg::GET_FILE);
        QVERIFY(m_calc->send(request(calcMsg::GET_FILE, QStringLiteral("A.PY"), 3)));
        QVERIFY(m_sim->waitForReceived(1, waitMs));
        QCOMPARE(m_calc->queued(), 0);
        QVERIFY(m_calc->send(request(calcMsg::GET_DEVICE_INF)));
        QByteArray reply;
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::FRAME));
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_DEVICE_INF));
        // Once only.
        QVERIFY(m_calc->send(request(calcMsg::GET_FILE, QStringLiteral("A.PY"), 3)));
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(typeOf(reply), int(calcMsg::FRAME));
    }

    void replyDelay_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<QList<calcMsg>>("script");
        QTest::newRow("device info") << 512 << QList<calcMsg> { request(calcMsg::GET_DEVICE_INF) };
        QTest::newRow("every listing entry")
            << 512 << QList<calcMsg> { request(calcMsg::GET_FILES_INF), ack() };
        QTest::newRow("every download frame")
            << 1
            << QList<calcMsg> { request(calcMsg::GET_FILE, QStringLiteral("A.PY")), ack(), ack() };
    }

    void replyDelay()
    {
        QFETCH(int, chunk);
        QFETCH(QList<calcMsg>, script);
        QList<QByteArray> healthy;
        QVERIFY(healthyReplies(twoFiles, chunk, script, healthy));
        m_sim->setMaxChunkSize(chunk);
        m_sim->setReplyDelay(150);

        for (int i = 0; i < script.size(); ++i) {
            QVERIFY(m_calc->send(script.at(i)));
            QVERIFY(m_sim->waitForReceived(i + 1, waitMs));
            QCOMPARE(m_calc->queued(), 0);
            QByteArray reply;
            QVERIFY(m_calc->readFrame(reply));
            QCOMPARE(reply, healthy.at(i));
        }
    }

    void trickle_data()
    {
        QTest::addColumn<int>("msPerByte");
        QTest::addColumn<int>("splitPieces");
        QTest::addColumn<calcMsg>("msg");
        QTest::newRow("files count") << 50 << 1 << request(calcMsg::GET_FILES_NUM);
        QTest::newRow("over split writes") << 30 << 2 << request(calcMsg::GET_FILES_NUM);
        QTest::newRow("download frame")
            << 20 << 1 << request(calcMsg::GET_FILE, QStringLiteral("A.PY"));
    }

    void trickle()
    {
        QFETCH(int, msPerByte);
        QFETCH(int, splitPieces);
        QFETCH(calcMsg, msg);
        QList<QByteArray> healthy;
        QVERIFY(healthyReplies(twoFiles, 512, { msg }, healthy));
        const QByteArray frame = PtyClient::frameOf(healthy.at(0));
        m_sim->setSplitWrites(splitPieces);
        m_sim->setTrickle(msPerByte);

        QVERIFY(m_calc->send(msg));
        QByteArray got;
        int reads = 0;
        while (got.size() < frame.size()) {
            const QByteArray some = m_calc->readSome(waitMs);
            QVERIFY(!some.isEmpty());
            got += some;
            ++reads;
        }
        QCOMPARE(got, frame);
        // A reader that is slow now and then may find two bytes at once, but
        // never most of the frame.
        QVERIFY2(reads > frame.size() / 2,
            qPrintable(QStringLiteral("%1 reads for %2 bytes").arg(reads).arg(frame.size())));
    }

    void largeChunk_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("frames"); // data sizes; none: refused

        const int largest = std::numeric_limits<int>::max();
        QTest::newRow("65530, small file") << 65530 << 100 << QList<int> { 100 };
        QTest::newRow("65530, file needing a full chunk") << 65530 << 70000 << QList<int>();
        QTest::newRow("65000, just framed") << 65000 << 65010 << QList<int> { 65000, 10 };
        QTest::newRow("largest, small file") << largest << 1000 << QList<int> { 1000 };
        QTest::newRow("largest, large file") << largest << 70000 << QList<int>();
    }

    void largeChunk()
    {
        QFETCH(int, chunk);
        QFETCH(int, size);
        QFETCH(QList<int>, frames);
        const QByteArray content = pattern(size);
        m_sim->setMaxChunkSize(chunk);
        m_sim->setFiles({ qMakePair(QStringLiteral("BIG.BIN"), content) });

        QVERIFY(m_calc->send(request(calcMsg::GET_FILE, QStringLiteral("BIG.BIN"))));
        QByteArray reply;
        calcMsg msg;
        if (frames.isEmpty()) {
            QVERIFY(m_calc->readFrame(reply));
            QVERIFY(msg.ParseFromArray(reply.constData(), reply.size()));
            QCOMPARE(int(msg.type()), int(calcMsg::FAILED));
            QCOMPARE(int(msg.error()), int(calcMsg::DATASIZE_INVALID));
        }
        qint64 offset = 0;
        for (int k = 0; k < frames.size(); ++k) {
            if (k > 0)
                QVERIFY(m_calc->send(ack()));
            QVERIFY(m_calc->readFrame(reply));
            QVERIFY(msg.ParseFromArray(reply.constData(), reply.size()));
            QCOMPARE(int(msg.type()), int(calcMsg::FRAME));
            QCOMPARE(msg.frame().framenum(), k);
            QCOMPARE(msg.frame().size(), frames.at(k));
            QCOMPARE(QByteArray::fromStdString(msg.frame().data(0)),
                content.mid(int(offset), frames.at(k)));
            offset += frames.at(k);
        }
        // The series is over: an acknowledgement brings nothing more.
        QVERIFY(m_calc->send(ack()));
        QVERIFY(exchange(request(calcMsg::GET_FILES_NUM), reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
    }

    void uploadFrames_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("frames"); // data sizes, frame k sent at k chunks
        QTest::addColumn<int>("refused"); // the frame answered with DATASIZE_INVALID, or -1

        QTest::newRow("full chunks, short last") << 4 << 10 << QList<int> { 4, 4, 2 } << -1;
        QTest::newRow("full chunks, empty last") << 4 << 8 << QList<int> { 4, 4, 0 } << -1;
        QTest::newRow("short first frame") << 4 << 10 << QList<int> { 3 } << 0;
        QTest::newRow("short middle frame") << 4 << 8 << QList<int> { 4, 3 } << 1;
        QTest::newRow("last frame beyond the end") << 4 << 10 << QList<int> { 4, 4, 3 } << 2;
        QTest::newRow("frame over the chunk") << 4 << 10 << QList<int> { 5 } << 0;
        QTest::newRow("largest chunk, one frame")
            << std::numeric_limits<int>::max() << 1000 << QList<int> { 1000 } << -1;
    }

    void uploadFrames()
    {
        QFETCH(int, chunk);
        QFETCH(int, size);
        QFETCH(QList<int>, frames);
        QFETCH(int, refused);
        m_sim->setMaxChunkSize(chunk);
        const QByteArray source = pattern(size + 16);

        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::SEND_FILE, QStringLiteral("U.BIN"), size), reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SUCCESS));
        for (int k = 0; k < frames.size(); ++k) {
            const int offset = int(qMin<qint64>(qint64(k) * chunk, size));
            QVERIFY(exchange(uploadFrame(k, source.mid(offset, frames.at(k))), reply));
            calcMsg msg;
            QVERIFY(msg.ParseFromArray(reply.constData(), reply.size()));
            if (k == refused) {
                QCOMPARE(int(msg.type()), int(calcMsg::FAILED));
                QCOMPARE(int(msg.error()), int(calcMsg::DATASIZE_INVALID));
            } else {
                QCOMPARE(int(msg.type()), int(calcMsg::SUCCESS));
            }
        }
        if (refused < 0)
            QCOMPARE(m_sim->fileContent(QStringLiteral("U.BIN")), source.left(size));
        else
            QVERIFY(!m_sim->hasFile(QStringLiteral("U.BIN")));
    }

    void corruptStore_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("wrong"); // bytes stored wrong

        QTest::newRow("one frame") << 512 << 3 << false << 1;
        QTest::newRow("several frames, short last") << 4 << 10 << false << 1;
        QTest::newRow("several frames, empty last") << 4 << 8 << false << 1;
        QTest::newRow("one byte") << 512 << 1 << false << 1;
        QTest::newRow("backing folder too") << 4 << 10 << true << 1;
        QTest::newRow("empty file, nothing to spoil") << 512 << 0 << false << 0;
    }

    // The calculator must look healthy on the wire: only reading the file
    // back tells the computer that it differs.
    void corruptStore()
    {
        QFETCH(int, chunk);
        QFETCH(int, size);
        QFETCH(bool, folder);
        QFETCH(int, wrong);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (folder)
            m_sim->setBackingFolder(dir.path());
        m_sim->setMaxChunkSize(chunk);
        m_sim->setCorruptStore(true);
        const QString name = QStringLiteral("U.BIN");
        const QByteArray sent = pattern(size);

        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::SEND_FILE, name, size), reply));
        QCOMPARE(reply, PtyClient::payloadOf(ack()));
        for (int k = 0; size > 0 && k <= size / chunk; ++k) {
            QVERIFY(exchange(uploadFrame(k, sent.mid(k * chunk, chunk)), reply));
            QCOMPARE(reply, PtyClient::payloadOf(ack()));
        }

        const QByteArray stored = m_sim->fileContent(name);
        QVERIFY(m_sim->hasFile(name));
        QCOMPARE(stored.size(), sent.size());
        int differing = 0;
        for (int i = 0; i < size; ++i)
            differing += stored.at(i) != sent.at(i) ? 1 : 0;
        QCOMPARE(differing, wrong);
        if (folder) {
            QFile onDisk(dir.filePath(name));
            QVERIFY(onDisk.open(QIODevice::ReadOnly));
            QCOMPARE(onDisk.readAll(), stored);
        }

        // Reading it back brings what was stored.
        QByteArray readBack;
        QVERIFY(m_calc->send(request(calcMsg::GET_FILE, name)));
        for (int k = 0; k < qMax(1, (size + chunk - 1) / chunk); ++k) {
            if (k > 0)
                QVERIFY(m_calc->send(ack()));
            QVERIFY(m_calc->readFrame(reply));
            calcMsg frame;
            QVERIFY(frame.ParseFromArray(reply.constData(), reply.size()));
            QCOMPARE(int(frame.type()), int(calcMsg::FRAME));
            readBack += QByteArray::fromStdString(frame.frame().data(0));
        }
        QCOMPARE(readBack, stored);
    }

    void storeWhileReceiving_data()
    {
        QTest::addColumn<bool>("held"); // U.BIN was there before the upload
        QTest::addColumn<bool>("folder");
        QTest::newRow("new name") << false << false;
        QTest::newRow("name held") << true << false;
        QTest::newRow("backing folder too") << true << true;
    }

    // A calculator that writes in place: the name is listed at the announced
    // size from the accepted request on, each frame lands as it comes, and
    // an upload stopped midway leaves the part; the old file is gone at once.
    void storeWhileReceiving()
    {
        QFETCH(bool, held);
        QFETCH(bool, folder);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString name = QStringLiteral("U.BIN");
        if (held)
            m_sim->setFiles({ twoFiles.at(0), { name, QByteArray("old") } });
        if (folder) {
            QFile old(dir.filePath(name));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            m_sim->setBackingFolder(dir.path());
        }
        const int before = m_sim->files().size();
        m_sim->setMaxChunkSize(4);
        m_sim->setStoreWhileReceiving(true);
        const QByteArray sent = pattern(10);

        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::SEND_FILE, name, sent.size()), reply));
        QCOMPARE(reply, PtyClient::payloadOf(ack()));
        QCOMPARE(m_sim->fileContent(name), QByteArray(10, '\0'));
        QVERIFY(exchange(uploadFrame(0, sent.left(4)), reply));
        QCOMPARE(reply, PtyClient::payloadOf(ack()));
        const QByteArray part = sent.left(4) + QByteArray(6, '\0');
        QCOMPARE(m_sim->fileContent(name), part);
        if (folder) {
            QFile onDisk(dir.filePath(name));
            QVERIFY(onDisk.open(QIODevice::ReadOnly));
            QCOMPARE(onDisk.readAll(), part);
        }
        // Stopped there: the next request ends the upload and leaves the part.
        QVERIFY(exchange(request(calcMsg::GET_FILES_NUM), reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
        QCOMPARE(m_sim->files().size(), held ? before : before + 1);
        QCOMPARE(m_sim->fileContent(name), part);

        // Sent whole, it is what was sent.
        QVERIFY(exchange(request(calcMsg::SEND_FILE, name, sent.size()), reply));
        for (int k = 0; k <= sent.size() / 4; ++k) {
            QVERIFY(exchange(uploadFrame(k, sent.mid(k * 4, 4)), reply));
            QCOMPARE(reply, PtyClient::payloadOf(ack()));
        }
        QCOMPARE(m_sim->fileContent(name), sent);
    }

    void pace_data()
    {
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<qint64>("byteRate");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<QList<calcMsg>>("script");

        const QList<calcMsg> info { request(calcMsg::GET_DEVICE_INF) };
        // The second frame carries a large part of the file, so that the
        // computer's bytes weigh more than the reply's.
        const QList<calcMsg> upload { request(calcMsg::SEND_FILE, QStringLiteral("U.BIN"), 300),
            uploadFrame(0, pattern(256)), uploadFrame(1, pattern(44)) };
        const QList<calcMsg> download { request(calcMsg::GET_FILE, QStringLiteral("BIG.BIN")),
            ack(), ack() };
        QTest::newRow("latency") << 120 << qint64(0) << 512 << info;
        QTest::newRow("byte rate, download frames") << 0 << qint64(2000) << 128 << download;
        QTest::newRow("byte rate counts the computer's bytes")
            << 0 << qint64(3000) << 256 << upload;
        QTest::newRow("both, listing")
            << 40 << qint64(1000) << 512
            << QList<calcMsg> { request(calcMsg::GET_FILES_INF), ack(), ack() };
        QTest::newRow("off") << 0 << qint64(0) << 128 << download;
    }

    // Only lower bounds: a starved machine may be late, but no reply may
    // come before the link could have carried it.
    void pace()
    {
        QFETCH(int, latencyMs);
        QFETCH(qint64, byteRate);
        QFETCH(int, chunk);
        QFETCH(QList<calcMsg>, script);
        const Files files { twoFiles.at(0), twoFiles.at(1),
            qMakePair(QStringLiteral("BIG.BIN"), pattern(300)) };
        QList<QByteArray> healthy;
        QVERIFY(healthyReplies(files, chunk, script, healthy));
        m_sim->setFiles(files);
        m_sim->setMaxChunkSize(chunk);
        m_sim->setLatency(latencyMs);
        m_sim->setByteRate(byteRate);
        QCOMPARE(m_sim->latency(), latencyMs);
        QCOMPARE(m_sim->byteRate(), byteRate);

        for (int i = 0; i < script.size(); ++i) {
            const QByteArray sent = PtyClient::frameOf(PtyClient::payloadOf(script.at(i)));
            QElapsedTimer timer;
            timer.start();
            QVERIFY(m_calc->send(script.at(i)));
            QByteArray reply;
            QVERIFY(m_calc->readFrame(reply, 30000));
            const qint64 tookNs = timer.nsecsElapsed();
            QCOMPARE(reply, healthy.at(i));
            const qint64 bytes = sent.size() + PtyClient::frameOf(reply).size();
            const qint64 leastNs
                = qint64(latencyMs) * 1000000 + (byteRate > 0 ? bytes * 1000000000 / byteRate : 0);
            QVERIFY2(tookNs >= leastNs,
                qPrintable(QStringLiteral("reply %1 after %2 µs, before the pace's %3 µs")
                               .arg(i)
                               .arg(tookNs / 1000)
                               .arg(leastNs / 1000)));
        }
        // The pace belongs to the device, not to its faults.
        m_sim->clearFaults();
        QCOMPARE(m_sim->latency(), latencyMs);
        QCOMPARE(m_sim->byteRate(), byteRate);
    }

    void paceValues_data()
    {
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<qint64>("byteRate");
        QTest::addColumn<int>("appliedLatency");
        QTest::addColumn<qint64>("appliedRate");
        QTest::newRow("a calculator's USB") << 1 << qint64(1000000) << 1 << qint64(1000000);
        QTest::newRow("negatives are off") << -5 << qint64(-1) << 0 << qint64(0);
    }

    // Each simulator keeps its own pace; a fresh one has none.
    void paceValues()
    {
        QFETCH(int, latencyMs);
        QFETCH(qint64, byteRate);
        QFETCH(int, appliedLatency);
        QFETCH(qint64, appliedRate);
        CalcSimulator other;
        QCOMPARE(other.latency(), 0);
        QCOMPARE(other.byteRate(), qint64(0));
        m_sim->setLatency(latencyMs);
        m_sim->setByteRate(byteRate);
        QCOMPARE(m_sim->latency(), appliedLatency);
        QCOMPARE(m_sim->byteRate(), appliedRate);
        QCOMPARE(other.latency(), 0);
        QCOMPARE(other.byteRate(), qint64(0));
        QByteArray reply;
        QVERIFY(exchange(request(calcMsg::GET_FILES_NUM), reply));
        QCOMPARE(typeOf(reply), int(calcMsg::SEND_FILES_NUM));
    }

    void clearFaults_data()
    {
        QTest::addColumn<FaultSetter>("fault");
        QTest::newRow("late reply")
            << FaultSetter([](CalcSimulator &s) { s.setLateReply(calcMsg::GET_FILES_NUM, 60000); });
        QTest::newRow("held reply")
            << FaultSetter([](CalcSimulator &s) { s.setHeldReply(calcMsg::GET_FILES_NUM); });

        QTest::newRow("broken device name")
            << FaultSetter([](CalcSimulator &s) { s.setBrokenUtf8DeviceName(true); });
        QTest::newRow("broken file name") << FaultSetter(
            [](CalcSimulator &s) { s.setBrokenUtf8FileName(QStringLiteral("A.PY")); });
        QTest::newRow("oversize sizes") << FaultSetter(
            [](CalcSimulator &s) { s.setOversize(CalcSimulator::Oversize::FileSize); });
        QTest::newRow("oversize count") << FaultSetter(
            [](CalcSimulator &s) { s.setOversize(CalcSimulator::Oversize::FilesNum); });
        QTest::newRow("announced count")
            << FaultSetter([](CalcSimulator &s) { s.setAnnouncedFileCount(9); });
        QTest::newRow("endless listing")
            << FaultSetter([](CalcSimulator &s) { s.setEndlessListing(true); });
        QTest::newRow("listing entry type")
            << FaultSetter([](CalcSimulator &s) { s.setListingEntryType(calcMsg::SUCCESS); });
        QTest::newRow("frame reply")
            << FaultSetter([](CalcSimulator &s) { s.setFrameReply(calcMsg::NONE); });
        QTest::newRow("corrupt store")
            << FaultSetter([](CalcSimulator &s) { s.setCorruptStore(true); });
        QTest::newRow("store while receiving")
            << FaultSetter([](CalcSimulator &s) { s.setStoreWhileReceiving(true); });
    }

    void clearFaults()
    {
        QFETCH(FaultSetter, fault);
        // One reply each; the listing holds the uploaded file as its third entry.
        const QList<calcMsg> script { request(calcMsg::SEND_FILE, QStringLiteral("U.BIN"), 3),
            uploadFrame(0, "xyz"), request(calcMsg::GET_DEVICE_INF),
            request(calcMsg::GET_FILES_NUM), request(calcMsg::GET_FILES_INF), ack(), ack() };
        QList<QByteArray> healthy;
        QVERIFY(healthyReplies(twoFiles, 512, script, healthy));
        fault(*m_sim);
        m_sim->clearFaults();

        for (int i = 0; i < script.size(); ++i) {
            QByteArray reply;
            QVERIFY(exchange(script.at(i), reply));
            QCOMPARE(reply, healthy.at(i));
        }
        QCOMPARE(m_sim->fileContent(QStringLiteral("U.BIN")), QByteArray("xyz"));
        // The listing is over: acknowledgements bring nothing. The second is
        // on record only once whatever the first brought has been written.
        QVERIFY(m_calc->send(ack()));
        QVERIFY(m_calc->send(ack()));
        QVERIFY(m_sim->waitForReceived(script.size() + 2, waitMs));
        QCOMPARE(m_calc->queued(), 0);
        // A reply left unread is dropped at the next request again.
        QVERIFY(m_calc->send(request(calcMsg::GET_FILES_NUM)));
        QVERIFY(m_calc->send(request(calcMsg::GET_DEVICE_INF)));
        QVERIFY(m_calc->send(ack()));
        QVERIFY(m_sim->waitForReceived(script.size() + 5, waitMs));
        QByteArray reply;
        QVERIFY(m_calc->readFrame(reply));
        QCOMPARE(reply, healthy.at(2));
        QCOMPARE(m_calc->queued(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimFaults)
#include "tst_simfaults.moc"
