#include "CVivuRuza.h"
#include "CalcSimulator.h"
#include "FileSizeLimit.h"
#include "FrameCodec.h"
#include "LocalFiles.h"
#include "ShortWaits.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

using VivuRuza::calcMsg;
using FileInfo = QPair<QString, int>;
using FileList = QList<FileInfo>;
using Faults = CalcSimulator::FrameFault;

Q_DECLARE_METATYPE(CalcSimulator::FrameFault)

namespace {

// Content that holds zero bytes and the frame marker itself, so a reader
// that looks for markers inside a payload would fail.
QByteArray pattern(int size, int seed = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed * 7 + (i >> 8)) & 0xFF);
    if (size >= 12)
        bytes.replace(5, 4, "CALC", 4);
    return bytes;
}

// Every file below root, relative to it.
QStringList treeOf(const QString &root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(root).relativeFilePath(it.next()));
    found.sort();
    return found;
}

QList<int> types(std::initializer_list<calcMsg::msgType> list)
{
    QList<int> result;
    for (calcMsg::msgType t : list)
        result.append(t);
    return result;
}

} // namespace

class TestLinkCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CalcSimulator> sim;

    // A link that has read the device information, or null; the record
    // starts empty.
    std::unique_ptr<CVivuRuza> openLink()
    {
        auto link = std::make_unique<CVivuRuza>(QString());
        if (!link->openPort(sim->portPath()))
            return nullptr;
        sim->clearReceived();
        return link;
    }

    // Everything the link has sent, complete: the device serves in order, so
    // once a GET_FILES_NUM behind the command is answered, nothing the
    // command sent (a stray acknowledgement, say) can still be on its way.
    QList<calcMsg> sentBy(CVivuRuza &link)
    {
        link.getFilesNum();
        QList<calcMsg> record = sim->received();
        if (!record.isEmpty() && record.last().type() == calcMsg::GET_FILES_NUM)
            record.removeLast();
        else
            record.append(calcMsg()); // the probe went unanswered: fail the comparison
        return record;
    }

    QList<int> typesSentBy(CVivuRuza &link)
    {
        QList<int> result;
        for (const calcMsg &m : sentBy(link))
            result.append(m.type());
        return result;
    }

    // For a device that no longer answers: whatever arrives within a moment.
    QList<int> typesSentToDeadDevice(int expected)
    {
        sim->waitForReceived(expected, 2000);
        sim->waitForReceived(expected + 1, 100);
        return sim->receivedTypes();
    }

private slots:
    void init()
    {
        FrameCodec::setWaitLimits(FrameCodec::defaultFirstWaitMs, FrameCodec::defaultFurtherWaitMs);
        sim = std::make_unique<CalcSimulator>();
        QVERIFY(sim->start());
        QVERIFY(QFile::exists(sim->portPath()));
    }

    void cleanup()
    {
        sim.reset();
        FrameCodec::setWaitLimits(FrameCodec::defaultFirstWaitMs, FrameCodec::defaultFurtherWaitMs);
    }

    void open_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("announced");
        QTest::addColumn<int>("expectedChunk");
        QTest::newRow("default") << QStringLiteral("Vori X1") << 512 << 512;
        QTest::newRow("small chunk") << QStringLiteral("Lab 3") << 64 << 64;
        QTest::newRow("large chunk") << QStringLiteral("Big") << 4096 << 4096;
        QTest::newRow("chunk 0 keeps 512") << QStringLiteral("Zero") << 0 << 512;
        QTest::newRow("negative chunk keeps 512") << QStringLiteral("Neg") << -8 << 512;
        QTest::newRow("utf-8 name") << QStringLiteral("R\u00e4chner \u03c0") << 512 << 512;
        QTest::newRow("empty name") << QString() << 512 << 512;
    }

    void open()
    {
        QFETCH(QString, name);
        QFETCH(int, announced);
        QFETCH(int, expectedChunk);
        sim->setName(name);
        sim->setMaxChunkSize(announced);
        sim->setVersions(QStringLiteral("H-7"), QStringLiteral("F 2.0"), QStringLiteral("P\u00b3"));

        CVivuRuza link(sim->portPath());
        QCOMPARE(link.devName(), name);
        QCOMPARE(link.chunkSize, expectedChunk);
        QCOMPARE(link.HV, QStringLiteral("H-7"));
        QCOMPARE(link.FV, QStringLiteral("F 2.0"));
        QCOMPARE(link.PV, QStringLiteral("P\u00b3"));
        QCOMPARE(link.errorCode, 0);
        const QList<calcMsg> got = sentBy(link);
        QCOMPARE(got.size(), 1);
        QCOMPARE(int(got.at(0).type()), int(calcMsg::GET_DEVICE_INF));
        // The request carries nothing but its type.
        QCOMPARE(int(got.at(0).ByteSizeLong()), 2);
    }

    void openSilentDevice()
    {
        ShortWaits shortWaits;
        sim->setSilent(true);
        CVivuRuza link { QString() }; // opened below, once the spy listens
        QSignalSpy errors(&link, &CVivuRuza::errorNotify);
        QVERIFY(!link.openPort(sim->portPath()));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(
            errors.at(0).at(0).toString(), QStringLiteral("Connection error (error code: 421)."));
        QCOMPARE(link.errorCode, int(calcMsg::CONNECTION_ERROR));
        QVERIFY(link.devName().isEmpty());
        QCOMPARE(link.chunkSize, 512);
        QCOMPARE(typesSentToDeadDevice(1), types({ calcMsg::GET_DEVICE_INF }));
    }

    void reopenAfterClose()
    {
        // Every job opens the port anew; the device must stay reachable.
        for (int i = 0; i < 3; ++i) {
            CVivuRuza link(sim->portPath());
            QCOMPARE(link.devName(), QStringLiteral("Vori X1"));
            QCOMPARE(link.getFilesNum(), 0);
        }
        QCOMPARE(sim->receivedTypes(),
            types({ calcMsg::GET_DEVICE_INF, calcMsg::GET_FILES_NUM, calcMsg::GET_DEVICE_INF,
                calcMsg::GET_FILES_NUM, calcMsg::GET_DEVICE_INF, calcMsg::GET_FILES_NUM }));
    }

    void upload_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("frameSizes");
        QTest::newRow("1000 at 512") << 512 << 1000 << (QList<int>() << 512 << 488);
        QTest::newRow("512 at 512") << 512 << 512 << (QList<int>() << 512 << 0);
        QTest::newRow("100 at 512") << 512 << 100 << (QList<int>() << 100);
        QTest::newRow("1 at 512") << 512 << 1 << (QList<int>() << 1);
        QTest::newRow("empty") << 512 << 0 << QList<int>();
        QTest::newRow("130 at 64") << 64 << 130 << (QList<int>() << 64 << 64 << 2);
        QTest::newRow("128 at 64") << 64 << 128 << (QList<int>() << 64 << 64 << 0);
        QTest::newRow("announced 0 serves 512") << 0 << 600 << (QList<int>() << 512 << 88);
    }

    void upload()
    {
        QFETCH(int, chunk);
        QFETCH(int, size);
        QFETCH(QList<int>, frameSizes);
        sim->setMaxChunkSize(chunk);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString local = dir.filePath(QStringLiteral("data.bin"));
        const QByteArray content = pattern(size);
        QVERIFY(writeLocal(local, content));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy sent(link.get(), &CVivuRuza::fileSend);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        link->sendFiles({ qMakePair(local, QStringLiteral("data.bin")) });

        QCOMPARE(errors.count(), 0);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).value<FileInfo>(), qMakePair(QStringLiteral("DATA.bin"), size));
        QVERIFY(sim->hasFile(QStringLiteral("DATA.bin")));
        QCOMPARE(sim->fileContent(QStringLiteral("DATA.bin")), content);

        const QList<calcMsg> got = sentBy(*link);
        QCOMPARE(got.size(), 1 + frameSizes.size());
        QCOMPARE(int(got.at(0).type()), int(calcMsg::SEND_FILE));
        QCOMPARE(QString::fromStdString(got.at(0).finf().name()), QStringLiteral("DATA.bin"));
        QCOMPARE(got.at(0).finf().size(), size);
        const int step = chunk > 0 ? chunk : 512;
        for (int k = 0; k < frameSizes.size(); ++k) {
            const calcMsg &m = got.at(1 + k);
            QCOMPARE(int(m.type()), int(calcMsg::FRAME));
            QCOMPARE(m.frame().framenum(), k);
            QCOMPARE(m.frame().size(), frameSizes.at(k));
            QCOMPARE(m.frame().data_size(), 1);
            QCOMPARE(QByteArray::fromStdString(m.frame().data(0)),
                content.mid(k * step, frameSizes.at(k)));
        }
    }

    void uploadSizeLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exactly 1 MiB") << 1048576 << true;
        QTest::newRow("one byte more") << 1048577 << false;
    }

    void uploadSizeLimit()
    {
        QFETCH(int, size);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("big.bin"));
        const QByteArray content = pattern(size, 3);
        QVERIFY(writeLocal(local, content));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy sent(link.get(), &CVivuRuza::fileSend);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        link->sendFiles({ qMakePair(local, QStringLiteral("big.bin")) });

        if (accepted) {
            QCOMPARE(errors.count(), 0);
            QCOMPARE(sent.count(), 1);
            QCOMPARE(
                sent.at(0).at(0).value<FileInfo>(), qMakePair(QStringLiteral("BIG.bin"), size));
            QCOMPARE(sim->fileContent(QStringLiteral("BIG.bin")), content);
            // 2048 full frames and the empty one that closes an exact multiple.
            QCOMPARE(typesSentBy(*link).size(), 1 + 2049);
        } else {
            QCOMPARE(sent.count(), 0);
            QCOMPARE(errors.count(), 1);
            const QString text = errors.at(0).at(0).toString();
            QVERIFY2(text.contains(local), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("1 MiB")), qPrintable(text));
            QVERIFY(typesSentBy(*link).isEmpty());
            QVERIFY(!sim->hasFile(QStringLiteral("BIG.bin")));
        }
    }

    void uploadUnreadable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << QStringLiteral("missing");
        QTest::newRow("folder") << QStringLiteral("folder");
    }

    void uploadUnreadable()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString bad = dir.filePath(QStringLiteral("bad.py"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bad.py")));
        const QString good = dir.filePath(QStringLiteral("good.py"));
        QVERIFY(writeLocal(good, "print(1)\n"));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy sent(link.get(), &CVivuRuza::fileSend);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        link->sendFiles({ qMakePair(bad, QStringLiteral("bad.py")),
            qMakePair(good, QStringLiteral("good.py")) });

        QCOMPARE(errors.count(), 1);
        const QString text = errors.at(0).at(0).toString();
        QVERIFY2(text.contains(bad), qPrintable(text));
        // The failed file does not stop the list, and nothing of it was sent.
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).value<FileInfo>(), qMakePair(QStringLiteral("GOOD.py"), 9));
        QCOMPARE(typesSentBy(*link), types({ calcMsg::SEND_FILE, calcMsg::FRAME }));
        QVERIFY(!sim->hasFile(QStringLiteral("BAD.py")));
    }

    void uploadReplacesInPlace()
    {
        sim->setFiles({ qMakePair(QStringLiteral("A.py"), QByteArray("a")),
            qMakePair(QStringLiteral("B.py"), QByteArray("old")),
            qMakePair(QStringLiteral("C.py"), QByteArray("c")) });
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("b.py"));
        QVERIFY(writeLocal(local, "new content"));
        auto link = openLink();
        QVERIFY(link);
        link->sendFiles({ qMakePair(local, QStringLiteral("b.py")) });
        const auto files = sim->files();
        QCOMPARE(files.size(), 3);
        QCOMPARE(files.at(1).first, QStringLiteral("B.py"));
        QCOMPARE(files.at(1).second, QByteArray("new content"));
        QCOMPARE(link->getFilesInf(),
            FileList({ qMakePair(QStringLiteral("A.py"), 1), qMakePair(QStringLiteral("B.py"), 11),
                qMakePair(QStringLiteral("C.py"), 1) }));
    }

    void download_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("outOfOrder");
        QTest::addColumn<QList<int>>("sent");
        const QList<int> one = types({ calcMsg::GET_FILE });
        const QList<int> two = types({ calcMsg::GET_FILE, calcMsg::SUCCESS });
        QTest::newRow("1000 at 512") << 512 << 1000 << false << two;
        QTest::newRow("1000 at 512, last frame first") << 512 << 1000 << true << two;
        QTest::newRow("512 at 512") << 512 << 512 << false << one;
        QTest::newRow("100 at 512") << 512 << 100 << false << one;
        QTest::newRow("200 at 64, reversed")
            << 64 << 200 << true
            << types({ calcMsg::GET_FILE, calcMsg::SUCCESS, calcMsg::SUCCESS, calcMsg::SUCCESS });
        QTest::newRow("announced 0 serves 512") << 0 << 1000 << false << two;
        QTest::newRow("empty: no exchange") << 512 << 0 << false << QList<int>();
    }

    void download()
    {
        QFETCH(int, chunk);
        QFETCH(int, size);
        QFETCH(bool, outOfOrder);
        QFETCH(QList<int>, sent);
        const QByteArray content = pattern(size, 5);
        sim->setMaxChunkSize(chunk);
        sim->setDownloadOutOfOrder(outOfOrder);
        sim->setFiles({ qMakePair(QStringLiteral("PROG.py"), content) });
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("PROG.py"));
        if (size == 0)
            QVERIFY(writeLocal(target, "earlier content is replaced"));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        const QList<QUrl> urls
            = link->getFiles({ qMakePair(QStringLiteral("PROG.py"), size) }, dir.path());

        QCOMPARE(errors.count(), 0);
        QCOMPARE(urls, QList<QUrl>({ QUrl::fromLocalFile(target) }));
        QVERIFY(QFile::exists(target));
        QCOMPARE(readLocal(target), content);
        const QList<calcMsg> got = sentBy(*link);
        QList<int> gotTypes;
        for (const calcMsg &m : got)
            gotTypes.append(m.type());
        QCOMPARE(gotTypes, sent);
        if (!sent.isEmpty()) {
            const calcMsg request = got.at(0);
            QCOMPARE(QString::fromStdString(request.finf().name()), QStringLiteral("PROG.py"));
            QCOMPARE(request.finf().size(), size);
            // Acknowledgements carry nothing but their type.
            for (int i = 1; i < sent.size(); ++i)
                QCOMPARE(int(got.at(i).ByteSizeLong()), 2);
        }
        QCOMPARE(treeOf(dir.path()), QStringList({ QStringLiteral("PROG.py") }));
    }

    void downloadSeveral()
    {
        const QByteArray a = pattern(700, 1);
        const QByteArray b = pattern(5, 2);
        const QByteArray c = pattern(1536, 3);
        sim->setFiles({ qMakePair(QStringLiteral("A.py"), a), qMakePair(QStringLiteral("B.txt"), b),
            qMakePair(QStringLiteral("C.bin"), c) });
        QTemporaryDir dir;
        auto link = openLink();
        QVERIFY(link);
        const FileList listed = link->getFilesInf();
        QCOMPARE(listed.size(), 3);
        const QList<QUrl> urls = link->getFiles(listed, dir.path());
        QCOMPARE(urls,
            QList<QUrl>({ QUrl::fromLocalFile(dir.filePath(QStringLiteral("A.py"))),
                QUrl::fromLocalFile(dir.filePath(QStringLiteral("B.txt"))),
                QUrl::fromLocalFile(dir.filePath(QStringLiteral("C.bin"))) }));
        QCOMPARE(readLocal(dir.filePath(QStringLiteral("A.py"))), a);
        QCOMPARE(readLocal(dir.filePath(QStringLiteral("B.txt"))), b);
        QCOMPARE(readLocal(dir.filePath(QStringLiteral("C.bin"))), c);
    }

    // The link takes frames in any order, so the order the device really
    // sends is checked on the wire.
    void simulatorFrameOrder_data()
    {
        QTest::addColumn<bool>("outOfOrder");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("in order") << false << (QList<int>() << 0 << 1 << 2);
        QTest::newRow("last first") << true << (QList<int>() << 2 << 1 << 0);
    }

    void simulatorFrameOrder()
    {
        QFETCH(bool, outOfOrder);
        QFETCH(QList<int>, order);
        sim->setMaxChunkSize(4);
        sim->setDownloadOutOfOrder(outOfOrder);
        sim->setFiles({ qMakePair(QStringLiteral("X.txt"), QByteArray("abcdefghij")) });
        QSerialPort port;
        port.setPortName(sim->portPath());
        QVERIFY(port.open(QIODevice::ReadWrite));
        FrameCodec codec(&port);

        calcMsg msg;
        msg.set_type(calcMsg::GET_FILE);
        msg.mutable_finf()->set_name("X.txt");
        msg.mutable_finf()->set_size(10);
        QByteArray buffer = QByteArray::fromStdString(msg.SerializeAsString());
        QVERIFY(codec.writeFrame(buffer));
        calcMsg ack;
        ack.set_type(calcMsg::SUCCESS);
        const QByteArray ackBytes = QByteArray::fromStdString(ack.SerializeAsString());
        QList<int> got;
        for (int i = 0; i < 3; ++i) {
            if (i > 0) {
                buffer = ackBytes;
                QVERIFY(codec.writeFrame(buffer));
            }
            QVERIFY(codec.readFrame(buffer, 64));
            QVERIFY(msg.ParseFromArray(buffer.constData(), buffer.size()));
            QCOMPARE(int(msg.type()), int(calcMsg::FRAME));
            const int k = msg.frame().framenum();
            got.append(k);
            QCOMPARE(QByteArray::fromStdString(msg.frame().data(0)),
                QByteArray("abcdefghij").mid(4 * k, 4));
            QCOMPARE(msg.frame().size(), k == 2 ? 2 : 4);
        }
        QCOMPARE(got, order);
    }

    void listing_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("three") << 3
                               << types({ calcMsg::GET_FILES_NUM, calcMsg::GET_FILES_INF,
                                      calcMsg::SUCCESS, calcMsg::SUCCESS });
        QTest::newRow("one") << 1 << types({ calcMsg::GET_FILES_NUM, calcMsg::GET_FILES_INF });
        QTest::newRow("none") << 0 << types({ calcMsg::GET_FILES_NUM });
    }

    void listing()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, sent);
        QList<QPair<QString, QByteArray>> files;
        FileList expected;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("F%1.py").arg(i);
            files.append(qMakePair(name, pattern(i * 300 + 1, i)));
            expected.append(qMakePair(name, i * 300 + 1));
        }
        sim->setFiles(files);
        auto link = openLink();
        QVERIFY(link);
        QCOMPARE(link->getFilesNum(), count);
        sim->clearReceived();
        QCOMPARE(link->getFilesInf(), expected);
        QCOMPARE(typesSentBy(*link), sent);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("errorNum");
        QTest::addColumn<QString>("errorStr");
        QTest::addColumn<QString>("text");
        // The line that goes with the text: which file, which calculator, and
        // what to do.
        QTest::addColumn<QString>("detail");

        const QString fileNotExist = QStringLiteral("File doesn\u2019t exist.");
        const QString sending = QStringLiteral("NEW.py, Vori X1: ");
        const QString deleting = QStringLiteral("HAVE.py, Vori X1: ");
        const QString copying = QStringLiteral("HAVE.py, Vori X1: ");
        const QString memoryFull
            = QStringLiteral("the calculator's memory is full; delete files on it and send again");
        const QString outOfMemory
            = QStringLiteral("the calculator ran out of memory; restart it and %1 again");
        const QString refused
            = QStringLiteral("the calculator refused; open its home screen and %1 again");
        QTest::newRow("SEND_FILE bare")
            << int(calcMsg::SEND_FILE) << int(calcMsg::NONE_ERROR) << 0 << QString()
            << QStringLiteral("File can't be sent.") << sending + refused.arg("send");
        QTest::newRow("SEND_FILE with an error class only")
            << int(calcMsg::SEND_FILE) << int(calcMsg::MEMORY_ERROR) << 0 << QString()
            << QStringLiteral("File can't be sent.") << sending + memoryFull;
        QTest::newRow("SEND_FILE with a text")
            << int(calcMsg::SEND_FILE) << int(calcMsg::MEMORY_ERROR) << 0
            << QStringLiteral("No room") << QStringLiteral("No room") << sending + memoryFull;
        QTest::newRow("FRAME answered FAILED") << int(calcMsg::FRAME) << int(calcMsg::WRITE_ERROR)
                                               << 0 << QString() << QStringLiteral("Write error.")
                                               << sending
                + QStringLiteral("the calculator could not store the file; delete files on it "
                                 "or restart it, then send again");
        QTest::newRow("DELETE_FILE FILE_NOT_EXIST bare")
            << int(calcMsg::DELETE_FILE) << int(calcMsg::FILE_NOT_EXIST) << 0 << QString()
            << fileNotExist
            << deleting
                + QStringLiteral("the file is not on the calculator; plug it in again to see the "
                                 "files it holds now");
        QTest::newRow("DELETE_FILE text and number")
            << int(calcMsg::DELETE_FILE) << int(calcMsg::MEMORY_ERROR) << 12
            << QStringLiteral("Full") << QStringLiteral("Full12")
            << deleting + outOfMemory.arg("delete");
        QTest::newRow("DELETE_FILE number only")
            << int(calcMsg::DELETE_FILE) << int(calcMsg::MEMORY_ERROR) << 12 << QString()
            << QStringLiteral("12") << deleting + outOfMemory.arg("delete");
        QTest::newRow("DELETE_FILE WRITE_ERROR bare")
            << int(calcMsg::DELETE_FILE) << int(calcMsg::WRITE_ERROR) << 0 << QString()
            << QStringLiteral("Write error.")
            << deleting
                + QStringLiteral(
                    "the calculator could not remove the file; restart it and delete again");
        QTest::newRow("DELETE_FILE CONNECTION_ERROR bare")
            << int(calcMsg::DELETE_FILE) << int(calcMsg::CONNECTION_ERROR) << 0 << QString()
            << QStringLiteral("Connection error (error code: 423).")
            << deleting
                + QStringLiteral("the calculator reported a connection problem; unplug it, plug "
                                 "it in and delete again");
        QTest::newRow("DELETE_FILE UTF-8 text")
            << int(calcMsg::DELETE_FILE) << int(calcMsg::NONE_ERROR) << 0
            << QStringLiteral("Gesch\u00fctzt") << QStringLiteral("Gesch\u00fctzt")
            << deleting + refused.arg("delete");
        QTest::newRow("GET_FILE MEMORY_ERROR bare")
            << int(calcMsg::GET_FILE) << int(calcMsg::MEMORY_ERROR) << 0 << QString()
            << QStringLiteral("Memory error.") << copying + outOfMemory.arg("copy");
        QTest::newRow("GET_FILE WRITE_ERROR bare")
            << int(calcMsg::GET_FILE) << int(calcMsg::WRITE_ERROR) << 0 << QString()
            << QStringLiteral("Write error.")
            << copying
                + QStringLiteral("the calculator could not read the file; restart it and copy "
                                 "again");
        QTest::newRow("GET_FILE negative number")
            << int(calcMsg::GET_FILE) << int(calcMsg::UNSPECIFITED_ERROR) << -3 << QString()
            << QStringLiteral("-3") << copying + refused.arg("copy");
    }

    // Each refusal ends its command after the one refused message and leaves
    // no trace: no signal of success, no file on either side.
    void refusals()
    {
        QFETCH(int, refused);
        QFETCH(int, error);
        QFETCH(int, errorNum);
        QFETCH(QString, errorStr);
        QFETCH(QString, text);
        QFETCH(QString, detail);
        const QByteArray content = pattern(1000, 9);
        sim->setFiles({ qMakePair(QStringLiteral("HAVE.py"), content) });
        sim->setRefusal(refused, error, errorNum, errorStr);
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("new.py"));
        QVERIFY(writeLocal(local, content));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QSignalSpy sent(link.get(), &CVivuRuza::fileSend);
        QSignalSpy deleted(link.get(), &CVivuRuza::fileDeleted);
        QList<int> expectedTypes;
        switch (refused) {
        case calcMsg::SEND_FILE:
            link->sendFiles({ qMakePair(local, QStringLiteral("new.py")) });
            expectedTypes = types({ calcMsg::SEND_FILE });
            break;
        case calcMsg::FRAME:
            link->sendFiles({ qMakePair(local, QStringLiteral("new.py")) });
            // The first of two frames is refused; the second never goes out.
            expectedTypes = types({ calcMsg::SEND_FILE, calcMsg::FRAME });
            break;
        case calcMsg::DELETE_FILE:
            link->deleteFiles({ qMakePair(QStringLiteral("HAVE.py"), 1000) });
            expectedTypes = types({ calcMsg::DELETE_FILE });
            break;
        case calcMsg::GET_FILE:
            QVERIFY(link->getFiles({ qMakePair(QStringLiteral("HAVE.py"), 1000) }, dir.path())
                        .isEmpty());
            expectedTypes = types({ calcMsg::GET_FILE });
            break;
        }
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), text);
        QCOMPARE(link->errorDetail(), detail);
        QCOMPARE(link->errorCode, error);
        QCOMPARE(sent.count(), 0);
        QCOMPARE(deleted.count(), 0);
        QCOMPARE(typesSentBy(*link), expectedTypes);
        QVERIFY(!sim->hasFile(QStringLiteral("NEW.py")));
        QVERIFY(sim->hasFile(QStringLiteral("HAVE.py")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("HAVE.py"))));
    }

    // A command's bool says whether it worked and errorString why not, as its
    // one report told; a command that succeeds, or fails without a word,
    // leaves no reason of an earlier one behind.
    void errorStringKeepsLastReason()
    {
        sim->setFiles({ qMakePair(QStringLiteral("HAVE.py"), QByteArray("x")),
            qMakePair(QStringLiteral("EMPTY.py"), QByteArray()) });
        sim->setRefusal(calcMsg::DELETE_FILE, calcMsg::NONE_ERROR, 0, QStringLiteral("Locked"));
        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QVERIFY(link->errorString().isEmpty());

        VivuRuza::fileInf have;
        have.set_name("HAVE.py");
        have.set_size(1);
        QVERIFY(!link->deleteFile(have));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(link->errorString(), QStringLiteral("Locked"));

        VivuRuza::fileInf gone;
        gone.set_name("GONE.py");
        gone.set_size(4);
        QByteArray content;
        QVERIFY(!link->fetchFile(gone, content));
        QCOMPARE(errors.count(), 2);
        QCOMPARE(link->errorString(), errors.at(1).at(0).toString());

        // An empty file is no failure, though getFile gives the same bytes.
        VivuRuza::fileInf empty;
        empty.set_name("EMPTY.py");
        empty.set_size(0);
        QVERIFY(link->fetchFile(empty, content));
        QVERIFY(content.isEmpty());
        QVERIFY(link->errorString().isEmpty());

        QVERIFY(!link->deleteFile(have));
        QVERIFY(link->changeName(QStringLiteral("Renamed")));
        QVERIFY(link->errorString().isEmpty());
        QCOMPARE(errors.count(), 3);

        // A port that never opened fails every command without a word.
        CVivuRuza closed { QString() };
        QVERIFY(!closed.deleteFile(have));
        QVERIFY(closed.errorString().isEmpty());
    }

    // The detail goes with the failure it was told with: a failure that has
    // no meaning to add (a name no folder may take) carries none of the last
    // one's.
    void errorDetailIsTheLastFailures()
    {
        sim->setFiles({ qMakePair(QStringLiteral("HAVE.py"), QByteArray("x")) });
        sim->setRefusal(calcMsg::DELETE_FILE, calcMsg::FILE_NOT_EXIST, 0, QString());
        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QVERIFY(!link->deleteFile(CVivuRuza::fileInfOf(QStringLiteral("HAVE.py"), 1)));
        QCOMPARE(errors.count(), 1);
        QVERIFY(!link->errorDetail().isEmpty());

        QTemporaryDir dir;
        QVERIFY(!link->downloadFile(QStringLiteral("../HAVE.py"), 1, dir.path()));
        QCOMPARE(errors.count(), 2);
        QVERIFY2(link->errorDetail().isEmpty(), qPrintable(link->errorDetail()));
    }

    void deleteFiles()
    {
        sim->setFiles({ qMakePair(QStringLiteral("A.py"), QByteArray("1")),
            qMakePair(QStringLiteral("B.py"), QByteArray("22")) });
        auto link = openLink();
        QVERIFY(link);
        QSignalSpy deleted(link.get(), &CVivuRuza::fileDeleted);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        link->deleteFiles(
            { qMakePair(QStringLiteral("GONE.py"), 3), qMakePair(QStringLiteral("B.py"), 2) });
        // The missing file is reported and does not stop the list.
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("File doesn\u2019t exist."));
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.at(0).at(0).toString(), QStringLiteral("B.py"));
        QCOMPARE(sim->files().size(), 1);
        QVERIFY(sim->hasFile(QStringLiteral("A.py")));
        const QList<calcMsg> got = sentBy(*link);
        QCOMPARE(got.size(), 2);
        QCOMPARE(QString::fromStdString(got.at(1).finf().name()), QStringLiteral("B.py"));
        QCOMPARE(got.at(1).finf().size(), 2);
    }

    void changeName_data()
    {
        QTest::addColumn<bool>("refuse");
        QTest::newRow("accepted") << false;
        QTest::newRow("refused") << true;
    }

    void changeName()
    {
        QFETCH(bool, refuse);
        if (refuse)
            sim->setRefusal(calcMsg::CHANGE_NAME, calcMsg::WRITE_ERROR, 7, QStringLiteral("No"));
        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QSignalSpy deleted(link.get(), &CVivuRuza::fileDeleted);
        QSignalSpy sent(link.get(), &CVivuRuza::fileSend);
        const QString wanted = QStringLiteral("Mein Rechner \u2211");

        QCOMPARE(link->changeName(wanted), !refuse);
        const QString expected = refuse ? QStringLiteral("Vori X1") : wanted;
        QCOMPARE(link->devName(), expected);
        QCOMPARE(sim->name(), expected);
        QCOMPARE(errors.count() + deleted.count() + sent.count(), 0);
        const QList<calcMsg> got = sentBy(*link);
        QCOMPARE(got.size(), 1);
        QCOMPARE(int(got.at(0).type()), int(calcMsg::CHANGE_NAME));
        QCOMPARE(QString::fromStdString(got.at(0).devname()), wanted);
    }

    void unsafeListedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent path") << QStringLiteral("../evil.py");
        QTest::newRow("slash") << QStringLiteral("a/b.py");
        QTest::newRow("backslash") << QStringLiteral("a\\b.py");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("empty") << QString();
    }

    // Names come from the device: none may put a file outside the chosen
    // folder or under a name the user did not see.
    void unsafeListedNames()
    {
        QFETCH(QString, name);
        sim->setFiles({ qMakePair(name, QByteArray("evil\n")),
            qMakePair(QStringLiteral("GOOD.py"), QByteArray("good\n")) });
        QTemporaryDir root;
        const QString dest = root.filePath(QStringLiteral("dest"));
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("dest")));
        QVERIFY(QDir(dest).mkdir(QStringLiteral("a")));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        const FileList listed = link->getFilesInf();
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed.at(0).first, name);
        sim->clearReceived();
        const QList<QUrl> urls = link->getFiles(listed, dest);

        QCOMPARE(urls, QList<QUrl>({ QUrl::fromLocalFile(dest + QStringLiteral("/GOOD.py")) }));
        QCOMPARE(treeOf(root.path()),
            QStringList({ QStringLiteral("dest"), QStringLiteral("dest/GOOD.py"),
                QStringLiteral("dest/a") }));
        QCOMPARE(errors.count(), 1);
        const QString text = errors.at(0).at(0).toString();
        QVERIFY2(text.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(text));
        // The unsafe name was not even asked for.
        const QList<calcMsg> got = sentBy(*link);
        QCOMPARE(got.size(), 1);
        QCOMPARE(int(got.at(0).type()), int(calcMsg::GET_FILE));
        QCOMPARE(QString::fromStdString(got.at(0).finf().name()), QStringLiteral("GOOD.py"));
    }

    void interruptedDownload_data()
    {
        QTest::addColumn<int>("unplugAt"); // reply index, or -1 for none
        QTest::addColumn<CalcSimulator::FrameFault>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("sent"); // nothing acknowledged after the broken frame
        const QString silent = QStringLiteral("Connection error (error code: 421).");
        const QString wrongNumber = QStringLiteral("Wrong frame number.");
        const QString wrongSize = QStringLiteral("Wrong data size.");
        const QList<int> asked = types({ calcMsg::GET_FILE });
        const QList<int> firstAcked = types({ calcMsg::GET_FILE, calcMsg::SUCCESS });
        QTest::newRow("unplugged in the first frame") << 0 << Faults::None << silent << asked;
        QTest::newRow("unplugged in the second frame") << 1 << Faults::None << silent << firstAcked;
        QTest::newRow("bad frame number") << -1 << Faults::BadFrameNum << wrongNumber << asked;
        // Frames 0, 0 add up to the count of frames; the file would be saved
        // whole with its last part zero-filled.
        QTest::newRow("repeated frame") << -1 << Faults::Repeated << wrongNumber << firstAcked;
        QTest::newRow("bad size") << -1 << Faults::BadSize << wrongSize << asked;
        QTest::newRow("no data") << -1 << Faults::NoData << wrongSize << asked;
        // More than the frame announces: no way to tell which bytes are the file's.
        const QString malformed
            = QStringLiteral("The calculator sent a malformed reply (content of DATA.bin).");
        QTest::newRow("data longer than its size") << -1 << Faults::LongData << malformed << asked;
        QTest::newRow("two data blocks") << -1 << Faults::TwoBlocks << malformed << asked;
    }

    // A download that fails leaves an earlier file of that name as it was.
    void interruptedDownload()
    {
        QFETCH(int, unplugAt);
        QFETCH(CalcSimulator::FrameFault, fault);
        QFETCH(QString, text);
        QFETCH(QList<int>, sent);
        sim->setFiles({ qMakePair(QStringLiteral("DATA.bin"), pattern(1000, 4)) });
        if (unplugAt >= 0)
            sim->setUnplugDuring(calcMsg::GET_FILE, unplugAt);
        sim->setDownloadFrameFault(fault);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("DATA.bin"));
        const QByteArray old("the old content\n");
        QVERIFY(writeLocal(target, old));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QList<QUrl> urls;
        {
            ShortWaits shortWaits;
            urls = link->getFiles({ qMakePair(QStringLiteral("DATA.bin"), 1000) }, dir.path());
        }

        QVERIFY(urls.isEmpty());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), text);
        QCOMPARE(readLocal(target), old);
        QCOMPARE(treeOf(dir.path()), QStringList({ QStringLiteral("DATA.bin") }));
        QCOMPARE(unplugAt >= 0 ? typesSentToDeadDevice(sent.size()) : typesSentBy(*link), sent);
    }

    void localWriteFails_data()
    {
        QTest::addColumn<QString>("dest"); // relative to a scratch folder
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("folder does not exist") << QStringLiteral("missing") << false;
        QTest::newRow("folder is a file") << QStringLiteral("DATA.bin") << false;
        QTest::newRow("write fails") << QString() << true;
    }

    // A file the computer cannot write is told, never handed on as copied, and
    // leaves what was there as it was.
    void localWriteFails()
    {
        QFETCH(QString, dest);
        QFETCH(bool, diskFull);
        sim->setFiles({ qMakePair(QStringLiteral("DATA.bin"), pattern(1000, 5)) });
        QTemporaryDir dir;
        const QByteArray old("the old content\n");
        QVERIFY(writeLocal(dir.filePath(QStringLiteral("DATA.bin")), old));
        const QString folder = dest.isEmpty() ? dir.path() : dir.filePath(dest);

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QList<QUrl> urls;
        {
            std::optional<FileSizeLimit> limit;
            if (diskFull) {
                limit.emplace(100);
                QVERIFY(limit->isSet());
            }
            urls = link->getFiles({ qMakePair(QStringLiteral("DATA.bin"), 1000) }, folder);
        }

        QVERIFY(urls.isEmpty());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(),
            QStringLiteral("File DATA.bin can't be written to %1.")
                .arg(QDir::toNativeSeparators(folder)));
        QCOMPARE(link->errorCode, int(calcMsg::WRITE_ERROR));
        QCOMPARE(readLocal(dir.filePath(QStringLiteral("DATA.bin"))), old);
        QCOMPARE(treeOf(dir.path()), QStringList({ QStringLiteral("DATA.bin") }));
        // The whole file was read, so the calculator is ready for the next command.
        QCOMPARE(typesSentBy(*link), types({ calcMsg::GET_FILE, calcMsg::SUCCESS }));
    }

    void interruptedUpload_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("announcement")
            << int(calcMsg::SEND_FILE) << 0 << types({ calcMsg::SEND_FILE });
        QTest::newRow("first frame")
            << int(calcMsg::FRAME) << 0 << types({ calcMsg::SEND_FILE, calcMsg::FRAME });
        QTest::newRow("second frame")
            << int(calcMsg::SEND_FILE) << 2
            << types({ calcMsg::SEND_FILE, calcMsg::FRAME, calcMsg::FRAME });
    }

    void interruptedUpload()
    {
        QFETCH(int, type);
        QFETCH(int, index);
        QFETCH(QList<int>, sent);
        sim->setUnplugDuring(type, index);
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("up.bin"));
        QVERIFY(writeLocal(local, pattern(1500, 6)));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QSignalSpy done(link.get(), &CVivuRuza::fileSend);
        {
            ShortWaits shortWaits;
            link->sendFiles({ qMakePair(local, QStringLiteral("up.bin")) });
        }

        QCOMPARE(done.count(), 0);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(
            errors.at(0).at(0).toString(), QStringLiteral("Connection error (error code: 421)."));
        QCOMPARE(typesSentToDeadDevice(sent.size()), sent);
        QVERIFY(!sim->hasFile(QStringLiteral("UP.bin")));

        // Plugged in again, the same device serves a new link.
        link.reset();
        sim->setUnplugged(false);
        auto again = openLink();
        QVERIFY(again);
        QCOMPARE(again->devName(), QStringLiteral("Vori X1"));
        again->sendFiles({ qMakePair(local, QStringLiteral("up.bin")) });
        QCOMPARE(sim->fileContent(QStringLiteral("UP.bin")), pattern(1500, 6));
    }

    void noisyLine_data()
    {
        QTest::addColumn<QByteArray>("junk");
        QTest::addColumn<int>("pieces");
        QTest::newRow("junk") << QByteArray("\x00\xff\x13 CAL", 8) << 1;
        QTest::newRow("marker start as junk") << QByteArray("CA", 2) << 1;
        QTest::newRow("split in 2") << QByteArray() << 2;
        QTest::newRow("split in 7") << QByteArray() << 7;
        QTest::newRow("junk and split") << QByteArray("\x01\x02\x03", 3) << 5;
    }

    // Bytes before a frame and frames arriving in pieces change nothing.
    void noisyLine()
    {
        QFETCH(QByteArray, junk);
        QFETCH(int, pieces);
        sim->setName(QStringLiteral("Noisy"));
        sim->setMaxChunkSize(256);
        const QByteArray content = pattern(700, 8);
        sim->setFiles({ qMakePair(QStringLiteral("A.py"), content),
            qMakePair(QStringLiteral("B.py"), QByteArray("b")) });
        sim->setJunkBeforeFrames(junk);
        sim->setSplitWrites(pieces);
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("up.py"));
        QVERIFY(writeLocal(local, content));

        auto link = openLink();
        QVERIFY(link);
        QSignalSpy errors(link.get(), &CVivuRuza::errorNotify);
        QCOMPARE(link->devName(), QStringLiteral("Noisy"));
        QCOMPARE(link->chunkSize, 256);
        const FileList listed = link->getFilesInf();
        QCOMPARE(listed,
            FileList(
                { qMakePair(QStringLiteral("A.py"), 700), qMakePair(QStringLiteral("B.py"), 1) }));
        QCOMPARE(link->getFiles(listed.mid(0, 1), dir.path()).size(), 1);
        QCOMPARE(readLocal(dir.filePath(QStringLiteral("A.py"))), content);
        link->sendFiles({ qMakePair(local, QStringLiteral("up.py")) });
        QCOMPARE(sim->fileContent(QStringLiteral("UP.py")), content);
        QVERIFY(link->changeName(QStringLiteral("Quiet")));
        QCOMPARE(errors.count(), 0);
    }

    void backingFolder()
    {
        QTemporaryDir store;
        QVERIFY(writeLocal(store.filePath(QStringLiteral("ONE.py")), "one"));
        QVERIFY(writeLocal(store.filePath(QStringLiteral("TWO.py")), "two!"));
        sim->setBackingFolder(store.path());
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("three.py"));
        QVERIFY(writeLocal(local, "three"));

        auto link = openLink();
        QVERIFY(link);
        QCOMPARE(link->getFilesInf(),
            FileList({ qMakePair(QStringLiteral("ONE.py"), 3),
                qMakePair(QStringLiteral("TWO.py"), 4) }));
        link->sendFiles({ qMakePair(local, QStringLiteral("three.py")) });
        link->deleteFiles({ qMakePair(QStringLiteral("ONE.py"), 3) });
        QCOMPARE(treeOf(store.path()),
            QStringList({ QStringLiteral("THREE.py"), QStringLiteral("TWO.py") }));
        QCOMPARE(readLocal(store.filePath(QStringLiteral("THREE.py"))), QByteArray("three"));
    }
};

QTEST_GUILESS_MAIN(TestLinkCommands)
#include "tst_linkcommands.moc"
