// The current calculator beside a folder in the window's session: the rows
// come as names and sizes first, equal sizes are then settled by reading the
// calculator, and "make the calculator match" sends what is missing or
// different and, only when asked, deletes what is only on the calculator.
#include "CVivuRuzaSession.h"
#include "FolderCompareModel.h"
#include "SessionRig.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {
QStringList rows(FolderCompareModel *model)
{
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex at = model->index(row);
        out.append(model->data(at, FolderCompareModel::MarkRole).toString() + QLatin1Char(' ')
            + model->data(at, FolderCompareModel::NameRole).toString() + QLatin1Char(' ')
            + model->data(at, FolderCompareModel::StatusTextRole).toString());
    }
    return out;
}

QStringList namesOn(CalcSimulator *sim)
{
    QStringList names;
    for (const auto &file : sim->files())
        names.append(file.first);
    names.sort();
    return names;
}
} // namespace

class TestCompareFolder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void compareThenMatch_data();
    void compareThenMatch();

private:
    QTemporaryDir m_home;
};

void TestCompareFolder::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_comparefolder"));
    QSettings().clear();
}

void TestCompareFolder::compareThenMatch_data()
{
    QTest::addColumn<bool>("deleteExtra");
    QTest::newRow("extra kept") << false;
    QTest::newRow("extra deleted") << true;
}

void TestCompareFolder::compareThenMatch()
{
    QFETCH(bool, deleteExtra);
    QTemporaryDir folder;
    QVERIFY(writeLocalFile(folder.filePath(QStringLiteral("SAME.PY")), "same\n"));
    QVERIFY(writeLocalFile(folder.filePath(QStringLiteral("changed.py")), "new!\n"));
    QVERIFY(writeLocalFile(folder.filePath(QStringLiteral("NEW.PY")), "fresh\n"));
    SessionRig rig;
    CalcSimulator *sim = rig.sim(QStringLiteral("A"));
    sim->setFiles({ { QStringLiteral("SAME.PY"), "same\n" },
        { QStringLiteral("CHANGED.PY"), "old!\n" }, { QStringLiteral("OLD.PY"), "gone\n" } });
    QVERIFY(rig.plug({ QStringLiteral("A") }));
    FolderCompareModel *model = rig.session.folderCompare();

    QVERIFY(rig.session.compareWithFolder(QUrl::fromLocalFile(folder.path())));
    QVERIFY(model->active() && model->comparing());
    QTRY_VERIFY_WITH_TIMEOUT(!model->comparing(), 20000);
    QCOMPARE(rows(model),
        (QStringList { QStringLiteral("\u2260 CHANGED.PY different"),
            QStringLiteral("+ NEW.PY only in the folder"),
            QStringLiteral("\u2212 OLD.PY only on the calculator"),
            QStringLiteral("= SAME.PY same") }));
    QCOMPARE(model->extraNames(), QStringList { QStringLiteral("OLD.PY") });
    QVERIFY(model->differs());

    sim->clearReceived();
    QVERIFY(rig.session.matchFolder(deleteExtra));
    // Compared again once the sync has ended.
    QTRY_VERIFY_WITH_TIMEOUT(rig.session.runningJobs() == 0 && !model->comparing()
            && model->rowCount() == (deleteExtra ? 3 : 4),
        20000);
    QCOMPARE(sim->receivedTypes().count(VivuRuza::calcMsg::SEND_FILE), 2);
    QStringList expected { QStringLiteral("CHANGED.PY"), QStringLiteral("NEW.PY"),
        QStringLiteral("SAME.PY") };
    if (!deleteExtra)
        expected.insert(2, QStringLiteral("OLD.PY"));
    QCOMPARE(namesOn(sim), expected);
    QCOMPARE(model->differs(), !deleteExtra);
    QVERIFY(rig.fileNames().contains(QStringLiteral("NEW.PY")));
    model->close();
    QVERIFY(!model->active());
}

QTEST_GUILESS_MAIN(TestCompareFolder)
#include "tst_comparefolder.moc"
