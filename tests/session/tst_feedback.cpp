// The session's feedback for the window: the transfer line's texts and the
// doctor's notices.
#include "ConnectionDoctor.h"
#include "TransferProgress.h"

#include <QSignalSpy>
#include <QtTest>

class TestFeedback : public QObject
{
    Q_OBJECT
private slots:
    void sizeText_data();
    void sizeText();
    void progressText();
    void outcome_data();
    void outcome();
    void doctor();
    void dismissAll();
};

void TestFeedback::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << qint64(1) << "1 byte";
    QTest::newRow("bytes") << qint64(1023) << "1023 bytes";
    QTest::newRow("KiB") << qint64(1536) << "1.5 KiB";
    QTest::newRow("MiB") << qint64(1048576) << "1.0 MiB";
}

void TestFeedback::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(TransferProgress::sizeText(bytes), text);
}

void TestFeedback::progressText()
{
    TransferProgress progress;
    QSignalSpy changes(&progress, &TransferProgress::change);
    QCOMPARE(progress.text(), QString());
    progress.start(TransferProgress::Kind::Send, QStringLiteral("Vori X1"), 2);
    QVERIFY(progress.running());
    QCOMPARE(progress.text(), QStringLiteral("Sending 2 files\u2026"));
    progress.update(1, 2, QStringLiteral("MAIN.py"), 0, -1);
    QCOMPARE(progress.text(), QStringLiteral("Sending MAIN.py (1 of 2)"));
    progress.update(1, 2, QStringLiteral("MAIN.py"), 512, 2048);
    QVERIFY(progress.text().startsWith(
        QLatin1String("Sending MAIN.py (1 of 2): 512 bytes of 2.0 KiB")));
    QCOMPARE(progress.bytesDone(), 512.0);
    QCOMPARE(progress.bytesTotal(), 2048.0);
    QCOMPARE(changes.count(), 3);
    progress.finish(2, 2);
    QVERIFY(!progress.running());
    QCOMPARE(progress.text(), QString());
    // Late reports of an ended job change nothing.
    progress.update(2, 2, QStringLiteral("QUAD.py"), 10, 10);
    QCOMPARE(changes.count(), 4);
    progress.clearOutcome();
    QCOMPARE(progress.outcome(), QString());
    progress.clearOutcome();
    QCOMPARE(changes.count(), 5);
}

void TestFeedback::outcome_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("count");
    // Files the user chose not to replace.
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("text");
    const int send = int(TransferProgress::Kind::Send);
    const int download = int(TransferProgress::Kind::Download);
    const int copy = int(TransferProgress::Kind::Copy);
    QTest::newRow("sent all") << send << 3 << 3 << 0 << "Sent 3 files to Vori X1";
    QTest::newRow("sent one") << send << 1 << 1 << 0 << "Sent 1 file to Vori X1";
    QTest::newRow("sent some") << send << 1 << 3 << 0 << "Sent 1 of 3 files to Vori X1";
    QTest::newRow("sent nothing") << send << 0 << 0 << 0 << "Nothing was sent to Vori X1";
    QTest::newRow("sent one, two skipped")
        << send << 1 << 1 << 2 << "Sent 1 file to Vori X1; 2 skipped";
    QTest::newRow("all skipped") << send << 0 << 0 << 3 << "Nothing was sent to Vori X1; 3 skipped";
    QTest::newRow("downloaded") << download << 2 << 2 << 0 << "Copied 2 files to /home/me/calc";
    QTest::newRow("downloaded some")
        << download << 0 << 2 << 0 << "Copied 0 of 2 files to /home/me/calc";
    QTest::newRow("downloaded one, two skipped")
        << download << 1 << 1 << 2 << "Copied 1 file to /home/me/calc; 2 skipped";
    QTest::newRow("copied") << copy << 2 << 2 << 0 << "Copied 2 files to the clipboard";
}

void TestFeedback::outcome()
{
    QFETCH(int, kind);
    QFETCH(int, done);
    QFETCH(int, count);
    QFETCH(int, skipped);
    QFETCH(QString, text);
    TransferProgress progress;
    const bool send = kind == int(TransferProgress::Kind::Send);
    progress.start(TransferProgress::Kind(kind),
        send ? QStringLiteral("Vori X1") : QStringLiteral("/home/me/calc"), count, skipped);
    progress.finish(done, count);
    QCOMPARE(progress.outcome(), text);
    // A new job starts without the last one's outcome.
    progress.start(TransferProgress::Kind(kind), QStringLiteral("x"), 1);
    QCOMPARE(progress.outcome(), QString());
    progress.finish(1, 1);
    QVERIFY(!progress.outcome().contains(QLatin1String("skipped")));
}

// One notice per port while it stays attached, dismissed by its place in
// the list the window shows.
void TestFeedback::doctor()
{
    ConnectionDoctor doctor;
    QSignalSpy notices(&doctor, &ConnectionDoctor::noticesChange);
    QSignalSpy reading(&doctor, &ConnectionDoctor::readingPortsChange);
    doctor.setReading(QStringLiteral("ttyACM0"), true);
    doctor.setReading(QStringLiteral("ttyACM0"), true);
    QCOMPARE(doctor.readingPorts(), QStringList { QStringLiteral("ttyACM0") });
    doctor.setReading(QStringLiteral("ttyACM0"), false);
    QCOMPARE(reading.count(), 2);

    doctor.report(QStringLiteral("ttyACM0"), QStringLiteral("zero"));
    doctor.report(QStringLiteral("ttyACM1"), QStringLiteral("one"));
    doctor.report(QStringLiteral("ttyACM0"), QStringLiteral("again"));
    QCOMPARE(doctor.notices(), QStringList({ QStringLiteral("zero"), QStringLiteral("one") }));
    QCOMPARE(notices.count(), 2);

    doctor.dismiss(0);
    QCOMPARE(doctor.notices(), QStringList { QStringLiteral("one") });
    doctor.dismiss(5);
    doctor.report(QStringLiteral("ttyACM0"), QStringLiteral("zero"));
    QCOMPARE(doctor.notices(), QStringList { QStringLiteral("one") });
    QCOMPARE(notices.count(), 3);

    // Gone and back: reported anew.
    doctor.forget(QStringLiteral("ttyACM0"));
    QCOMPARE(notices.count(), 3);
    doctor.report(QStringLiteral("ttyACM0"), QStringLiteral("zero"));
    QCOMPARE(doctor.notices(), QStringList({ QStringLiteral("one"), QStringLiteral("zero") }));
    doctor.forget(QStringLiteral("ttyACM1"));
    QCOMPARE(doctor.notices(), QStringList { QStringLiteral("zero") });
    QCOMPARE(notices.count(), 5);
}

// All shown notices go at once, and stay away while their ports stay.
void TestFeedback::dismissAll()
{
    ConnectionDoctor doctor;
    for (const QString &port : { QStringLiteral("ttyACM0"), QStringLiteral("ttyACM1") })
        doctor.report(port, port + QStringLiteral(" is silent"));
    QSignalSpy notices(&doctor, &ConnectionDoctor::noticesChange);
    doctor.dismissAll();
    QCOMPARE(doctor.notices(), QStringList());
    QCOMPARE(notices.count(), 1);
    doctor.dismissAll();
    QCOMPARE(notices.count(), 1);
    doctor.report(QStringLiteral("ttyACM0"), QStringLiteral("again"));
    QCOMPARE(doctor.notices(), QStringList());
    doctor.report(QStringLiteral("ttyACM2"), QStringLiteral("ttyACM2 is silent"));
    QCOMPARE(doctor.notices(), QStringList { QStringLiteral("ttyACM2 is silent") });
}

QTEST_GUILESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
