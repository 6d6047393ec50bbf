#include "VivuRuzaModel.h"

#include <QAbstractItemModelTester>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Rows added as the session adds them, then the index written as the window
// writes it.
void fill(VivuRuzaModel &model, const QStringList &names, int current)
{
    for (const QString &name : names)
        model.addCalc(name);
    model.setCurrentIndex(current);
}

QStringList rows(const VivuRuzaModel &model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.data(model.index(row, 0), Qt::DisplayRole).toString();
    return out;
}

QStringList ownMethods(const QMetaObject *meta)
{
    QStringList out;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        out << QString::fromLatin1(meta->method(i).methodSignature());
    return out;
}
} // namespace

class TestCalcModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // So the spies can record layout changes, which must never come.
        qRegisterMetaType<QList<QPersistentModelIndex>>();
        qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
    }

    void metaObjectIsWhatTheWindowBindsTo()
    {
        VivuRuzaModel model;
        const QMetaObject *meta = model.metaObject();
        QCOMPARE(meta->className(), "VivuRuzaModel");
        QCOMPARE(meta->superClass(), &QAbstractListModel::staticMetaObject);
        QCOMPARE(ownMethods(meta),
            QStringList({ QStringLiteral("indexOrSizeChange(int)"), QStringLiteral("debugInf()"),
                QStringLiteral("getName()") }));
        QCOMPARE(meta->method(meta->methodOffset()).methodType(), QMetaMethod::Signal);
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 1);
        const QMetaProperty prop = meta->property(meta->propertyOffset());
        QCOMPARE(prop.name(), "currentIndex");
        QCOMPARE(prop.userType(), int(QMetaType::Int));
        QVERIFY(prop.isWritable());
        QCOMPARE(prop.notifySignal().methodSignature(), QByteArray("indexOrSizeChange(int)"));
        // Default role names: the window reads "display".
        QCOMPARE(model.roleNames().value(Qt::DisplayRole), QByteArray("display"));
    }

    void newModelIsEmpty()
    {
        VivuRuzaModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.currentIndex(), -1);
        QCOMPARE(model.property("currentIndex").toInt(), -1);
        QCOMPARE(model.getName(), QString());
        QCOMPARE(model.debugInf(), QStringLiteral("\n-1"));
        QVERIFY(!model.data(model.index(0, 0), Qt::DisplayRole).isValid());
    }

    void debugInfShowsIndex_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first row") << 0 << QStringLiteral("\n0");
        QTest::newRow("row 2") << 2 << QStringLiteral("\n2");
        QTest::newRow("past end") << 12 << QStringLiteral("\n12");
        QTest::newRow("none") << -1 << QStringLiteral("\n-1");
    }
    void debugInfShowsIndex()
    {
        QFETCH(int, current);
        QFETCH(QString, expected);
        VivuRuzaModel model;
        fill(model, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, current);
        QCOMPARE(model.debugInf(), expected);
    }

    void dataGivesDisplayRoleOnly_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("row 0 display")
            << 0 << int(Qt::DisplayRole) << QVariant(QStringLiteral("A"));
        QTest::newRow("row 1 display")
            << 1 << int(Qt::DisplayRole) << QVariant(QStringLiteral("B"));
        QTest::newRow("edit role") << 0 << int(Qt::EditRole) << QVariant();
        QTest::newRow("user role") << 0 << int(Qt::UserRole) << QVariant();
        QTest::newRow("row past end") << 2 << int(Qt::DisplayRole) << QVariant();
        QTest::newRow("negative row") << -1 << int(Qt::DisplayRole) << QVariant();
    }
    void dataGivesDisplayRoleOnly()
    {
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        VivuRuzaModel model;
        fill(model, { QStringLiteral("A"), QStringLiteral("B") }, 0);
        const QVariant value = model.data(model.index(row, 0), role);
        QCOMPARE(value.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(value.userType(), int(QMetaType::QString));
            QCOMPARE(value, expected);
        }
    }

    void addCalcToEmptyMakesRowZeroCurrent()
    {
        VivuRuzaModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addCalc(QStringLiteral("Alpha"));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.currentIndex(), 0);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 0);
        QCOMPARE(model.getName(), QStringLiteral("Alpha"));
    }

    // The first row makes the index 0 even when it already was 0, and says so:
    // the session must reload the file list of the new calculator.
    void addCalcSignalsZeroEvenWhenAlreadyZero()
    {
        VivuRuzaModel model;
        model.setCurrentIndex(0);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        model.addCalc(QStringLiteral("Alpha"));
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), 0);
    }

    void addCalcToFilledModelKeepsIndex_data()
    {
        QTest::addColumn<int>("current");
        QTest::newRow("row 0 current") << 0;
        QTest::newRow("row 1 current") << 1;
        QTest::newRow("window wrote -1") << -1;
        QTest::newRow("window wrote past end") << 9;
    }
    void addCalcToFilledModelKeepsIndex()
    {
        QFETCH(int, current);
        VivuRuzaModel model;
        fill(model, { QStringLiteral("A"), QStringLiteral("B") }, current);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addCalc(QStringLiteral("C"));
        QCOMPARE(model.currentIndex(), current);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), current);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 2);
        QCOMPARE(inserted.at(0).at(2).toInt(), 2);
        QCOMPARE(rows(model),
            QStringList({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    }

    void writeCurrentIndex_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("emitted");
        QTest::addColumn<QString>("name");
        QTest::newRow("same value") << 1 << 1 << 0 << QStringLiteral("B");
        QTest::newRow("other row") << 1 << 2 << 1 << QStringLiteral("C");
        QTest::newRow("row 0") << 2 << 0 << 1 << QStringLiteral("A");
        QTest::newRow("past end kept") << 0 << 3 << 1 << QString();
        QTest::newRow("far past end kept") << 0 << 100 << 1 << QString();
        QTest::newRow("negative kept") << 0 << -1 << 1 << QString();
        QTest::newRow("very negative kept") << 0 << -7 << 1 << QString();
    }
    void writeCurrentIndex()
    {
        QFETCH(int, before);
        QFETCH(int, written);
        QFETCH(int, emitted);
        QFETCH(QString, name);
        VivuRuzaModel model;
        fill(model, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, before);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QVERIFY(model.setProperty("currentIndex", written));
        QCOMPARE(model.currentIndex(), written);
        QCOMPARE(index.count(), emitted);
        if (emitted)
            QCOMPARE(index.at(0).at(0).toInt(), written);
        QCOMPARE(model.getName(), name);
        QCOMPARE(model.rowCount(), 3);
    }

    // r is the removed row, k the current index before the removal.
    // The session lists a calculator at its place among those of its poll,
    // which may be above the current one: that calculator stays current.
    void insertCalcKeepsCurrentCalculator_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("insertedAt");
        QTest::addColumn<int>("after");
        QTest::newRow("above the current one") << 1 << 0 << 0 << 2;
        QTest::newRow("at the current row") << 1 << 1 << 1 << 2;
        QTest::newRow("below the current one") << 1 << 2 << 2 << 1;
        QTest::newRow("after the last") << 2 << 3 << 3 << 2;
        QTest::newRow("past the end: appended") << 0 << 7 << 3 << 0;
        QTest::newRow("negative: first") << 2 << -4 << 0 << 3;
        QTest::newRow("window wrote -1") << -1 << 0 << 0 << -1;
        QTest::newRow("window wrote past end") << 9 << 0 << 0 << 9;
    }
    void insertCalcKeepsCurrentCalculator()
    {
        QFETCH(int, current);
        QFETCH(int, row);
        QFETCH(int, insertedAt);
        QFETCH(int, after);
        VivuRuzaModel model;
        fill(model, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, current);
        const QString currentName = model.getName();
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.insertCalc(row, QStringLiteral("N"));
        QCOMPARE(model.currentIndex(), after);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), after);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), insertedAt);
        QCOMPARE(inserted.at(0).at(2).toInt(), insertedAt);
        QCOMPARE(rows(model).indexOf(QStringLiteral("N")), insertedAt);
        QCOMPARE(model.rowCount(), 4);
        if (!currentName.isEmpty())
            QCOMPARE(model.getName(), currentName);
    }

    void insertCalcIntoEmptyMakesRowZeroCurrent()
    {
        VivuRuzaModel model;
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        model.insertCalc(3, QStringLiteral("Alpha"));
        QCOMPARE(rows(model), QStringList { QStringLiteral("Alpha") });
        QCOMPARE(model.currentIndex(), 0);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), 0);
    }

    void removeCalcIndexRule_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("newIndex");
        QTest::addColumn<QString>("currentName");
        QTest::addColumn<QStringList>("left");
        const QStringList abcd { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
            QStringLiteral("D") };
        QTest::newRow("r > k") << 4 << 1 << 3 << 1 << QStringLiteral("B")
                               << QStringList(abcd.mid(0, 3));
        QTest::newRow("r > k, last row")
            << 4 << 0 << 3 << 0 << QStringLiteral("A") << QStringList(abcd.mid(0, 3));
        QTest::newRow("0 < r < k") << 4 << 2 << 1 << 1 << QStringLiteral("C")
                                   << QStringList({ abcd[0], abcd[2], abcd[3] });
        QTest::newRow("0 < r = k") << 4 << 2 << 2 << 1 << QStringLiteral("B")
                                   << QStringList({ abcd[0], abcd[1], abcd[3] });
        QTest::newRow("0 < r = k, last row")
            << 4 << 3 << 3 << 2 << QStringLiteral("C") << QStringList(abcd.mid(0, 3));
        QTest::newRow("r = 0, k = 0")
            << 4 << 0 << 0 << 0 << QStringLiteral("B") << QStringList(abcd.mid(1));
        QTest::newRow("r = 0, k > 0")
            << 4 << 2 << 0 << 1 << QStringLiteral("C") << QStringList(abcd.mid(1));
        QTest::newRow("r = 0, k last of two")
            << 2 << 1 << 0 << 0 << QStringLiteral("B") << QStringList({ abcd[1] });
        QTest::newRow("only row") << 1 << 0 << 0 << 0 << QString() << QStringList();
        QTest::newRow("r > k = -1")
            << 3 << -1 << 1 << -1 << QString() << QStringList({ abcd[0], abcd[2] });
    }
    void removeCalcIndexRule()
    {
        QFETCH(int, count);
        QFETCH(int, k);
        QFETCH(int, r);
        QFETCH(int, newIndex);
        QFETCH(QString, currentName);
        QFETCH(QStringList, left);
        VivuRuzaModel model;
        const QStringList abcd { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
            QStringLiteral("D") };
        fill(model, abcd.mid(0, count), k);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

        model.removeCalc(r);

        QCOMPARE(model.currentIndex(), newIndex);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), newIndex);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), r);
        QCOMPARE(removed.at(0).at(2).toInt(), r);
        QCOMPARE(rows(model), left);
        QCOMPARE(model.getName(), currentName);
    }

    void removeCalcOutOfRangeIsIgnored_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("r");
        QTest::newRow("-1") << 3 << -1;
        QTest::newRow("rowCount") << 3 << 3;
        QTest::newRow("far past end") << 3 << 50;
        QTest::newRow("empty model, 0") << 0 << 0;
    }
    void removeCalcOutOfRangeIsIgnored()
    {
        QFETCH(int, count);
        QFETCH(int, r);
        VivuRuzaModel model;
        const QStringList names
            = QStringList({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") })
                  .mid(0, count);
        fill(model, names, count ? 1 : -1);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        model.removeCalc(r);
        QCOMPARE(index.count(), 0);
        QCOMPARE(aboutToRemove.count(), 0);
        QCOMPARE(rows(model), names);
        QCOMPARE(model.currentIndex(), count ? 1 : -1);
    }

    void setCalcNames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("emitted");
        QTest::newRow("empty, fresh") << QStringList() << -1 << -1 << 0;
        QTest::newRow("empty, index written") << QStringList() << 3 << 3 << 0;
        QTest::newRow("two, fresh")
            << QStringList({ QStringLiteral("A"), QStringLiteral("B") }) << -1 << 0 << 1;
        QTest::newRow("one, already 0") << QStringList({ QStringLiteral("A") }) << 0 << 0 << 1;
        QTest::newRow("three, index written")
            << QStringList({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }) << 2
            << 0 << 1;
    }
    void setCalcNames()
    {
        QFETCH(QStringList, names);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(int, emitted);
        VivuRuzaModel model;
        model.setCurrentIndex(before);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        QSignalSpy aboutToInsert(&model, &QAbstractItemModel::rowsAboutToBeInserted);
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutAboutToBeChanged);

        model.setCalcNames(names);

        QCOMPARE(aboutToInsert.count(), 0);
        QCOMPARE(aboutToReset.count(), 0);
        QCOMPARE(layout.count(), 0);
        QCOMPARE(model.currentIndex(), after);
        QCOMPARE(index.count(), emitted);
        if (emitted)
            QCOMPARE(index.at(0).at(0).toInt(), 0);
        QCOMPARE(rows(model), names);
        // A view attached afterwards finds a consistent model.
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void setCurrentNameChangesOneRow_data()
    {
        QTest::addColumn<int>("current");
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("last") << 2;
    }
    void setCurrentNameChangesOneRow()
    {
        QFETCH(int, current);
        VivuRuzaModel model;
        const QStringList names { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") };
        fill(model, names, current);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);

        model.setCurrentName(QStringLiteral("Renamed"));

        QStringList expected = names;
        expected[current] = QStringLiteral("Renamed");
        QCOMPARE(rows(model), expected);
        QCOMPARE(model.getName(), QStringLiteral("Renamed"));
        QCOMPARE(changed.count(), 1);
        const auto topLeft = changed.at(0).at(0).value<QModelIndex>();
        const auto bottomRight = changed.at(0).at(1).value<QModelIndex>();
        QCOMPARE(topLeft, model.index(current, 0));
        QCOMPARE(bottomRight, model.index(current, 0));
        QVERIFY(changed.at(0).at(2).value<QVector<int>>().isEmpty());
        QCOMPARE(index.count(), 0);
    }

    // An index that names no row: the model must not reach past its list.
    void setCurrentNameWithoutCurrentRow_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("removeFirst");
        QTest::newRow("only row removed") << 1 << 0 << 0;
        QTest::newRow("window wrote past end") << 2 << 2 << -1;
        QTest::newRow("window wrote -1") << 2 << -1 << -1;
        QTest::newRow("fresh empty model") << 0 << -1 << -1;
    }
    void setCurrentNameWithoutCurrentRow()
    {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(int, removeFirst);
        VivuRuzaModel model;
        fill(model, QStringList({ QStringLiteral("A"), QStringLiteral("B") }).mid(0, count),
            current);
        if (removeFirst >= 0)
            model.removeCalc(removeFirst);
        const QStringList before = rows(model);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);

        QCOMPARE(model.getName(), QString());
        model.setCurrentName(QStringLiteral("Renamed"));

        QCOMPARE(rows(model), before);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(index.count(), 0);
        QCOMPARE(model.currentIndex(), current);
    }

    // The path the session takes: attach, attach, unplug, unplug.
    void attachAndUnplugSequence()
    {
        VivuRuzaModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy index(&model, &VivuRuzaModel::indexOrSizeChange);
        model.addCalc(QStringLiteral("A"));
        model.addCalc(QStringLiteral("B"));
        model.setCurrentIndex(1);
        model.removeCalc(1);
        model.removeCalc(0);
        QList<int> seen;
        for (const auto &args : index)
            seen << args.at(0).toInt();
        QCOMPARE(seen, QList<int>({ 0, 0, 1, 0, 0 }));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.currentIndex(), 0);
        QCOMPARE(model.getName(), QString());
        QCOMPARE(model.debugInf(), QStringLiteral("\n0"));
    }
};

QTEST_GUILESS_MAIN(TestCalcModel)
#include "tst_calcmodel.moc"
