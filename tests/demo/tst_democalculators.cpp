// The demo's calculators: its two simulated ones, and devices named on the
// command line, which come and go with their paths as real ports do.
#include "DemoCalculators.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDemoCalculators : public QObject
{
    Q_OBJECT
private slots:
    void namedDeviceFollowsItsPath();
};

void TestDemoCalculators::namedDeviceFollowsItsPath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString device = dir.filePath(QStringLiteral("ttyDEMO"));
    DemoCalculators calculators;
    QString errorText;
    QVERIFY2(calculators.start(errorText), qPrintable(errorText));
    QCOMPARE(calculators.ports().size(), 2);

    calculators.addDevice(device);
    QCOMPARE(calculators.ports().size(), 2);
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(calculators.ports().size(), 3);
    QCOMPARE(calculators.ports().last(), CalcPort(device, device));
    QVERIFY(file.remove());
    QCOMPARE(calculators.ports().size(), 2);
    QCOMPARE(calculators.describe().size(), 3);
}

QTEST_GUILESS_MAIN(TestDemoCalculators)
#include "tst_democalculators.moc"
