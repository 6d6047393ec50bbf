#include "VoriFileModel.h"

#include <QAbstractItemModelTester>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

using FileList = QList<QPair<QString, int>>;

namespace {
FileList files(const VoriFileModel &model)
{
    FileList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.fileAt(row);
    return out;
}

QPair<QString, int> file(const char *name, int size)
{
    return qMakePair(QString::fromLatin1(name), size);
}

// A filled model, as the session fills it.
void fill(VoriFileModel &model, const FileList &list)
{
    model.clearFiles();
    model.setFiles(list);
}
} // namespace

class TestFileModel : public QObject
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
        VoriFileModel model;
        const QMetaObject *meta = model.metaObject();
        QCOMPARE(meta->className(), "VoriFileModel");
        QCOMPARE(meta->superClass(), &QAbstractListModel::staticMetaObject);
        QCOMPARE(meta->methodCount() - meta->methodOffset(), 1);
        const QMetaMethod getName = meta->method(meta->methodOffset());
        QCOMPARE(getName.methodSignature(), QByteArray("getName(int)"));
        QCOMPARE(getName.methodType(), QMetaMethod::Method);
        QCOMPARE(getName.returnType(), int(QMetaType::QString));
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 0);
        QVERIFY(QMetaType::type("QPair<QString,int>") != QMetaType::UnknownType);
    }

    void newModelIsEmptyWithTwoRoles()
    {
        VoriFileModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QHash<int, QByteArray> expected;
        expected.insert(256, QByteArrayLiteral("nameRole"));
        expected.insert(258, QByteArrayLiteral("sizeRole"));
        QCOMPARE(model.roleNames(), expected);
        QCOMPARE(model.getName(0), QString());
    }

    void data_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("name of row 0") << 0 << 256 << QVariant(QStringLiteral("MAIN.PY"));
        QTest::newRow("size of row 0") << 0 << 258 << QVariant(int(1234));
        QTest::newRow("name of row 1") << 1 << 256 << QVariant(QStringLiteral("empty.txt"));
        QTest::newRow("zero size") << 1 << 258 << QVariant(int(0));
        QTest::newRow("largest size") << 2 << 258 << QVariant(int(2147483647));
        QTest::newRow("role 257 unused") << 0 << 257 << QVariant();
        QTest::newRow("display role") << 0 << int(Qt::DisplayRole) << QVariant();
        QTest::newRow("row past end") << 3 << 256 << QVariant();
        QTest::newRow("negative row") << -1 << 258 << QVariant();
    }
    void data()
    {
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        VoriFileModel model;
        fill(model, { file("MAIN.PY", 1234), file("empty.txt", 0), file("BIG.BIN", 2147483647) });
        const QVariant value = model.data(model.index(row, 0), role);
        QCOMPARE(value.isValid(), expected.isValid());
        if (expected.isValid()) {
            // The table shows the value as it comes: a plain int, not text.
            QCOMPARE(value.userType(), expected.userType());
            QCOMPARE(value, expected);
        }
    }

    void rowLookup_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::newRow("first") << 0 << QStringLiteral("A.PY") << 10;
        QTest::newRow("last") << 1 << QStringLiteral("B.TXT") << 20;
        QTest::newRow("-1") << -1 << QString() << 0;
        QTest::newRow("rowCount") << 2 << QString() << 0;
        QTest::newRow("far past end") << 1000 << QString() << 0;
    }
    void rowLookup()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(int, size);
        VoriFileModel model;
        fill(model, { file("A.PY", 10), file("B.TXT", 20) });
        QCOMPARE(model.getName(row), name);
        QCOMPARE(model.fileAt(row), qMakePair(name, size));
        // The window calls it through the meta-object.
        QString viaMeta = QStringLiteral("unset");
        QVERIFY(QMetaObject::invokeMethod(
            &model, "getName", Q_RETURN_ARG(QString, viaMeta), Q_ARG(int, row)));
        QCOMPARE(viaMeta, name);
    }

    void setFilesInsertsRows()
    {
        VoriFileModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        const FileList list { file("A.PY", 1), file("B.PY", 2), file("C.PY", 3) };
        model.setFiles(list);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 2);
        QCOMPARE(files(model), list);
    }

    void setFilesWithEmptyListChangesNothing_data()
    {
        QTest::addColumn<FileList>("present");
        QTest::newRow("empty model") << FileList();
        QTest::newRow("filled model") << FileList({ file("A.PY", 1), file("B.PY", 2) });
    }
    void setFilesWithEmptyListChangesNothing()
    {
        QFETCH(FileList, present);
        VoriFileModel model;
        fill(model, present);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy aboutToInsert(&model, &QAbstractItemModel::rowsAboutToBeInserted);
        QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        model.setFiles(FileList());
        QCOMPARE(files(model), present);
        QCOMPARE(aboutToInsert.count(), 0);
        QCOMPARE(aboutToRemove.count(), 0);
        QCOMPARE(aboutToReset.count(), 0);
    }

    void clearFiles_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("empty model sends nothing") << 0;
        QTest::newRow("one row") << 1;
        QTest::newRow("three rows") << 3;
    }
    void clearFiles()
    {
        QFETCH(int, count);
        VoriFileModel model;
        FileList list;
        for (int i = 0; i < count; ++i)
            list << qMakePair(QStringLiteral("F%1.PY").arg(i), i);
        fill(model, list);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        model.clearFiles();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(aboutToReset.count(), 0);
        QCOMPARE(removed.count(), count ? 1 : 0);
        if (count) {
            QCOMPARE(removed.at(0).at(1).toInt(), 0);
            QCOMPARE(removed.at(0).at(2).toInt(), count - 1);
        }
    }

    // The refill the session does after each change of calculator.
    void refillReplacesRows()
    {
        VoriFileModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(model, { file("A.PY", 1), file("B.PY", 2) });
        const FileList next { file("X.TXT", 7) };
        fill(model, next);
        QCOMPARE(files(model), next);
    }

    void assignFilesSendsNoRowNotification_data()
    {
        QTest::addColumn<FileList>("list");
        QTest::newRow("empty") << FileList();
        QTest::newRow("two files") << FileList({ file("A.PY", 1), file("B.PY", 2) });
    }
    void assignFilesSendsNoRowNotification()
    {
        QFETCH(FileList, list);
        VoriFileModel model;
        QSignalSpy aboutToInsert(&model, &QAbstractItemModel::rowsAboutToBeInserted);
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutAboutToBeChanged);
        model.assignFiles(list);
        QCOMPARE(files(model), list);
        QCOMPARE(aboutToInsert.count(), 0);
        QCOMPARE(aboutToReset.count(), 0);
        QCOMPARE(layout.count(), 0);
        // A view attached afterwards finds a consistent model.
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    // The three lookups by name compare in three different ways.
    void nameComparisons_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("hit");
        const QString has = QStringLiteral("hasFile");
        const QString add = QStringLiteral("addOrUpdateFile");
        const QString remove = QStringLiteral("removeFile");
        // Both sides upper-cased.
        QTest::newRow("has: main.py vs MAIN.PY") << has << "MAIN.PY"
                                                 << "main.py" << true;
        QTest::newRow("has: MAIN.PY vs main.py") << has << "main.py"
                                                 << "MAIN.PY" << true;
        QTest::newRow("has: mixed vs mixed") << has << "Main.py"
                                             << "mAIN.PY" << true;
        QTest::newRow("has: exact") << has << "MAIN.PY"
                                    << "MAIN.PY" << true;
        QTest::newRow("has: other name") << has << "MAIN.PY"
                                         << "MAIN.TXT" << false;
        QTest::newRow("has: prefix only") << has << "MAIN.PY"
                                          << "MAIN" << false;
        // Stored as is, given upper-cased.
        QTest::newRow("add: prog.py vs PROG.PY") << add << "PROG.PY"
                                                 << "prog.py" << true;
        QTest::newRow("add: exact upper") << add << "PROG.PY"
                                          << "PROG.PY" << true;
        QTest::newRow("add: exact lower") << add << "prog.py"
                                          << "prog.py" << false;
        QTest::newRow("add: PROG.PY vs prog.py") << add << "prog.py"
                                                 << "PROG.PY" << false;
        QTest::newRow("add: other name") << add << "PROG.PY"
                                         << "MAIN.PY" << false;
        // Both as they stand.
        QTest::newRow("remove: main.py vs MAIN.PY") << remove << "MAIN.PY"
                                                    << "main.py" << false;
        QTest::newRow("remove: MAIN.PY vs main.py") << remove << "main.py"
                                                    << "MAIN.PY" << false;
        QTest::newRow("remove: exact upper") << remove << "MAIN.PY"
                                             << "MAIN.PY" << true;
        QTest::newRow("remove: exact lower") << remove << "main.py"
                                             << "main.py" << true;
        QTest::newRow("remove: other name") << remove << "MAIN.PY"
                                            << "MAIN.TXT" << false;
    }
    void nameComparisons()
    {
        QFETCH(QString, operation);
        QFETCH(QString, stored);
        QFETCH(QString, given);
        QFETCH(bool, hit);
        VoriFileModel model;
        const FileList before { file("FIRST.TXT", 1), qMakePair(stored, 80), file("LAST.TXT", 3) };
        fill(model, before);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

        FileList after = before;
        if (operation == QLatin1String("hasFile")) {
            QCOMPARE(model.hasFile(given), hit);
        } else if (operation == QLatin1String("addOrUpdateFile")) {
            model.addOrUpdateFile(qMakePair(given, 120));
            if (hit)
                after[1] = qMakePair(given, 120);
            else
                after << qMakePair(given, 120);
            QCOMPARE(changed.count(), hit ? 1 : 0);
            QCOMPARE(inserted.count(), hit ? 0 : 1);
        } else {
            model.removeFile(given);
            if (hit)
                after.removeAt(1);
            QCOMPARE(removed.count(), hit ? 1 : 0);
        }
        QCOMPARE(files(model), after);
    }

    void hasFileOnEmptyModelIsFalse()
    {
        VoriFileModel model;
        QVERIFY(!model.hasFile(QStringLiteral("MAIN.PY")));
        QVERIFY(!model.hasFile(QString()));
    }

    void addOrUpdateKeepsPositionAndSendsOneDataChanged()
    {
        VoriFileModel model;
        fill(model, { file("A.PY", 1), file("PROG.PY", 80), file("C.PY", 3) });
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy aboutToInsert(&model, &QAbstractItemModel::rowsAboutToBeInserted);
        model.addOrUpdateFile(file("PROG.PY", 120));
        QCOMPARE(
            files(model), FileList({ file("A.PY", 1), file("PROG.PY", 120), file("C.PY", 3) }));
        QCOMPARE(aboutToInsert.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), model.index(1, 0));
        QCOMPARE(changed.at(0).at(1).value<QModelIndex>(), model.index(1, 0));
        QVERIFY(changed.at(0).at(2).value<QVector<int>>().isEmpty());
        QCOMPARE(model.data(model.index(1, 0), VoriFileModel::sizeRole).toInt(), 120);
    }

    // The stored name takes the incoming spelling, after which the same
    // name no longer matches and a second row appears.
    void addOrUpdateLowerCaseTwice()
    {
        VoriFileModel model;
        fill(model, { file("PROG.PY", 80) });
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addOrUpdateFile(file("prog.py", 90));
        QCOMPARE(files(model), FileList({ file("prog.py", 90) }));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(inserted.count(), 0);
        model.addOrUpdateFile(file("prog.py", 100));
        QCOMPARE(files(model), FileList({ file("prog.py", 90), file("prog.py", 100) }));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 1);
        QCOMPARE(inserted.at(0).at(2).toInt(), 1);
    }

    void addOrUpdateAppendsNewName_data()
    {
        QTest::addColumn<FileList>("present");
        QTest::newRow("empty model") << FileList();
        QTest::newRow("two rows") << FileList({ file("A.PY", 1), file("B.PY", 2) });
    }
    void addOrUpdateAppendsNewName()
    {
        QFETCH(FileList, present);
        VoriFileModel model;
        fill(model, present);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.addOrUpdateFile(file("NEW.TXT", 5));
        QCOMPARE(files(model), FileList(present) << file("NEW.TXT", 5));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), present.size());
        QCOMPARE(inserted.at(0).at(2).toInt(), present.size());
    }

    void firstOfDuplicatesIsHit_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("removeFile") << true;
        QTest::newRow("addOrUpdateFile") << false;
    }
    void firstOfDuplicatesIsHit()
    {
        QFETCH(bool, remove);
        VoriFileModel model;
        fill(model, { file("A.PY", 1), file("DUP.PY", 10), file("DUP.PY", 20) });
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        if (remove) {
            model.removeFile(QStringLiteral("DUP.PY"));
            QCOMPARE(files(model), FileList({ file("A.PY", 1), file("DUP.PY", 20) }));
            QCOMPARE(removed.count(), 1);
            QCOMPARE(removed.at(0).at(1).toInt(), 1);
            QCOMPARE(removed.at(0).at(2).toInt(), 1);
        } else {
            model.addOrUpdateFile(file("DUP.PY", 30));
            QCOMPARE(files(model),
                FileList({ file("A.PY", 1), file("DUP.PY", 30), file("DUP.PY", 20) }));
        }
    }

    void removeFileAt_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<FileList>("left");
        QTest::newRow("first") << 0 << FileList({ file("B.PY", 2), file("C.PY", 3) });
        QTest::newRow("last") << 2 << FileList({ file("A.PY", 1), file("B.PY", 2) });
        QTest::newRow("-1") << -1
                            << FileList({ file("A.PY", 1), file("B.PY", 2), file("C.PY", 3) });
        QTest::newRow("rowCount") << 3
                                  << FileList(
                                         { file("A.PY", 1), file("B.PY", 2), file("C.PY", 3) });
    }
    void removeFileAt()
    {
        QFETCH(int, row);
        QFETCH(FileList, left);
        VoriFileModel model;
        fill(model, { file("A.PY", 1), file("B.PY", 2), file("C.PY", 3) });
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeFileAt(row);
        QCOMPARE(files(model), left);
        const bool inRange = row >= 0 && row < 3;
        QCOMPARE(removed.count(), inRange ? 1 : 0);
        if (inRange) {
            QCOMPARE(removed.at(0).at(1).toInt(), row);
            QCOMPARE(removed.at(0).at(2).toInt(), row);
        }
    }
};

QTEST_GUILESS_MAIN(TestFileModel)
#include "tst_filemodel.moc"
