#include "ReplyParser.h"
#include "protocol/HandMadeProtobuf.h"
#include "serializeData.pb.h"

#include <QtTest>

using VivuRuza::calcMsg;
using Fill = ReplyParser::FrameFill;
Q_DECLARE_METATYPE(ReplyParser::FrameFill)

using namespace HandMadeProtobuf;

namespace {

QByteArray typed(int type)
{
    return field(1, quint64(type));
}

// A negative int32 travels as ten bytes of sign extension.
quint64 negative(qint64 v)
{
    return quint64(v);
}

QByteArray frameOf(int size, const QList<QByteArray> &data)
{
    QByteArray frame = field(1, quint64(size)) + field(2, quint64(0));
    for (const QByteArray &d : data)
        frame += field(3, d);
    return typed(calcMsg::FRAME) + field(2, frame);
}

} // namespace

// The strict reading of a reply needs no link and no device: a payload parses
// whole, with every string and number as the schema has it, or not at all.
class TestReplyParser : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<int>("type");

        const QByteArray devInf = field(4, QByteArray("Vori X1")) + field(5, quint64(512));
        QTest::newRow("empty message") << QByteArray() << true << int(calcMsg::NONE);
        QTest::newRow("device information") << typed(calcMsg::SEND_DEVICE_INF) + field(4, devInf)
                                            << true << int(calcMsg::SEND_DEVICE_INF);
        QTest::newRow("negative count") << typed(calcMsg::SEND_FILES_NUM) + field(5, negative(-1))
                                        << true << int(calcMsg::SEND_FILES_NUM);
        QTest::newRow("largest count") << typed(calcMsg::SEND_FILES_NUM) + field(5, 0x7FFFFFFFu)
                                       << true << int(calcMsg::SEND_FILES_NUM);
        QTest::newRow("file content not UTF-8")
            << frameOf(2, { QByteArray("\xff\xfe", 2) }) << true << int(calcMsg::FRAME);
        QTest::newRow("unknown fields of every wire type")
            << typed(calcMsg::SUCCESS) + field(20, quint64(1)) + field(21, QByteArray("x"))
                + tag(22, 5) + QByteArray(4, '\0') + tag(23, 1) + QByteArray(8, '\0')
            << true << int(calcMsg::SUCCESS);
        QTest::newRow("type not in the schema") << typed(99) << true << 99;

        QTest::newRow("name not UTF-8")
            << typed(calcMsg::SEND_DEVICE_INF) + field(4, field(4, QByteArray("Vori\xff", 5)))
            << false << int(calcMsg::NONE);
        QTest::newRow("count beyond int32")
            << typed(calcMsg::SEND_FILES_NUM) + field(5, 0x80000000u) << false
            << int(calcMsg::NONE);
        QTest::newRow("count below int32")
            << typed(calcMsg::SEND_FILES_NUM) + field(5, negative(-0x80000001LL)) << false
            << int(calcMsg::NONE);
        QTest::newRow("size beyond int32 inside an entry") << typed(calcMsg::SEND_FILE_INF)
                + field(3, field(2, QByteArray("A.PY")) + field(3, (quint64(1) << 32) + 3))
                                                           << false << int(calcMsg::NONE);
        QTest::newRow("type beyond int32")
            << field(1, quint64(1) << 33) << false << int(calcMsg::NONE);
        QTest::newRow("number as bytes")
            << typed(calcMsg::SEND_FILES_NUM) + field(5, QByteArray("\x01", 1)) << false
            << int(calcMsg::NONE);
        QTest::newRow("text as a number")
            << typed(calcMsg::FAILED) + field(9, quint64(5)) << false << int(calcMsg::NONE);
        QTest::newRow("known field as fixed32") << typed(calcMsg::SEND_FILES_NUM) + tag(5, 5)
                + QByteArray(4, '\0') << false << int(calcMsg::NONE);
        QTest::newRow("varint cut off")
            << typed(calcMsg::SUCCESS) + QByteArray("\x28\x80", 2) << false << int(calcMsg::NONE);
        QTest::newRow("length beyond the payload")
            << typed(calcMsg::FAILED) + tag(9, 2) + varint(10) + QByteArray("short") << false
            << int(calcMsg::NONE);
        QTest::newRow("group wire type")
            << typed(calcMsg::SUCCESS) + tag(20, 3) << false << int(calcMsg::NONE);
        QTest::newRow("not a message")
            << QByteArray("\xff\xff\xff", 3) << false << int(calcMsg::NONE);
    }

    void parse()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, whole);
        QFETCH(int, type);
        // Whatever was in the message before must not survive a failed parse.
        calcMsg msg;
        msg.set_type(calcMsg::SEND_DEVICE_INF);
        msg.mutable_devinf()->set_name("stale");
        QCOMPARE(ReplyParser::parse(payload, msg), whole);
        QCOMPARE(int(msg.type()), type);
        if (!whole)
            QVERIFY(!msg.has_devinf() && !msg.has_finf() && !msg.has_frame());
    }

    void parseKeepsText()
    {
        calcMsg msg;
        const QByteArray devInf = field(4, QByteArray("Vori \xc3\xa9")) + field(5, quint64(256));
        QVERIFY(ReplyParser::parse(typed(calcMsg::SEND_DEVICE_INF) + field(4, devInf), msg));
        QCOMPARE(QString::fromStdString(msg.devinf().name()), QStringLiteral("Vori \u00e9"));
        QCOMPARE(msg.devinf().maxchunksize(), 256);
    }

    void frameFill_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<Fill>("fill");
        QTest::newRow("exact") << frameOf(5, { "hello" }) << Fill::Exact;
        QTest::newRow("empty and announced so") << frameOf(0, { "" }) << Fill::Exact;
        QTest::newRow("no data entry") << frameOf(5, {}) << Fill::Missing;
        QTest::newRow("no data entry, none announced") << frameOf(0, {}) << Fill::Missing;
        QTest::newRow("fewer bytes") << frameOf(5, { "hell" }) << Fill::Short;
        QTest::newRow("fewer bytes in the first of two")
            << frameOf(5, { "hell", "o" }) << Fill::Short;
        QTest::newRow("more bytes") << frameOf(5, { "hello!" }) << Fill::Extra;
        QTest::newRow("two entries") << frameOf(5, { "hello", "!" }) << Fill::Extra;
        QTest::newRow("an empty second entry") << frameOf(5, { "hello", "" }) << Fill::Extra;
        QTest::newRow("negative size") << frameOf(-1, { "" }) << Fill::Extra;
    }

    void frameFill()
    {
        QFETCH(QByteArray, payload);
        QFETCH(Fill, fill);
        calcMsg msg;
        QVERIFY(ReplyParser::parse(payload, msg));
        QCOMPARE(ReplyParser::frameFill(msg.frame()), fill);
    }

    void refusal_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("refusal");
        QTest::addColumn<bool>("late");
        QTest::newRow("nothing at all") << QByteArray() << false << false;
        QTest::newRow("type beyond the schema") << typed(99) << false << false;
        QTest::newRow("failed") << typed(calcMsg::FAILED) << true << false;
        QTest::newRow("text only") << field(9, QByteArray("No room")) << true << false;
        QTest::newRow("number only") << field(8, quint64(12)) << true << false;
        QTest::newRow("success") << typed(calcMsg::SUCCESS) << true << true;
        QTest::newRow("a frame") << typed(calcMsg::FRAME) << true << true;
        QTest::newRow("a count") << typed(calcMsg::SEND_FILES_NUM) << true << true;
        QTest::newRow("an entry") << typed(calcMsg::SEND_FILE_INF) << true << true;
        QTest::newRow("device information") << typed(calcMsg::SEND_DEVICE_INF) << true << false;
    }

    void refusal()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, refusal);
        QFETCH(bool, late);
        calcMsg msg;
        QVERIFY(ReplyParser::parse(payload, msg));
        QCOMPARE(ReplyParser::isRefusal(msg), refusal);
        QCOMPARE(ReplyParser::answersAnotherRequest(msg.type()), late);
    }
};

QTEST_GUILESS_MAIN(TestReplyParser)
#include "tst_replyparser.moc"
