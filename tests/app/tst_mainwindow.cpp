// The user flows of the window, end to end: the real document and session on
// two simulated calculators.
#include "CalcSimulator.h"
#include "IdleWorkers.h"
#include "ShortWaits.h"
#include "TwoCalculators.h"
#include "WindowDriver.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using VivuRuza::calcMsg;

namespace {

using FileList = QList<QPair<QString, QByteArray>>;

const FileList calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray("print('on the calculator')\n") },
    { QStringLiteral("QUAD.py"), QByteArray("a, b, c = 1, -3, 2\n") },
    { QStringLiteral("NOTES.txt"), QByteArray("bring batteries\n") },
};

int countOf(const CalcSimulator &simulator, int type)
{
    return simulator.receivedTypes().count(type);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void entryPoints_data();
    void entryPoints();
    void withoutCalculator();
    void sendChooserShowsAllFiles();
    void send_data();
    void send();
    void escapeOnNotice();
    void escapeOnQuestion();
    void download_data();
    void download();
    void answerAll_data();
    void answerAll();
    void downloadLandsWhereChosen_data();
    void downloadLandsWhereChosen();
    void copy();
    void deleteFiles_data();
    void deleteFiles();
    void rename_data();
    void rename();
    void aboutBox();
    void errorDialog();
    void busy();

private:
    bool startWithCalculators();
    QUrl writeLocal(const QString &name, const QByteArray &content);
    void paste(const QList<QUrl> &urls);
    bool pressEscape();

    QByteArray m_tmpDir;
    QByteArray m_cacheHome;
    std::unique_ptr<QTemporaryDir> m_local;
    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestMainWindow::initTestCase()
{
    m_tmpDir = qgetenv("TMPDIR");
    m_cacheHome = qgetenv("XDG_CACHE_HOME");
}

void TestMainWindow::init()
{
    m_local = std::make_unique<QTemporaryDir>();
    QVERIFY(m_local->isValid());
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles));
    m_driver = std::make_unique<WindowDriver>();
}

void TestMainWindow::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
    m_local.reset();
    qputenv("TMPDIR", m_tmpDir);
    qputenv("XDG_CACHE_HOME", m_cacheHome);
}

// Calculators are listed as their first readings end; attached one after the
// other, they keep this order.
bool TestMainWindow::startWithCalculators()
{
    if (!m_driver->start())
        return false;
    return m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, calculatorFiles.size());
}

QUrl TestMainWindow::writeLocal(const QString &name, const QByteArray &content)
{
    QFile file(m_local->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning() << "cannot write" << file.fileName();
    return QUrl::fromLocalFile(file.fileName());
}

void TestMainWindow::paste(const QList<QUrl> &urls)
{
    auto *data = new QMimeData;
    data->setUrls(urls);
    QGuiApplication::clipboard()->setMimeData(data);
    QVERIFY(m_driver->activateWindow());
    QTest::keySequence(m_driver->window(), QKeySequence::Paste);
}

bool TestMainWindow::pressEscape()
{
    if (!m_driver->activateWindow())
        return false;
    QTest::keyClick(m_driver->window(), Qt::Key_Escape);
    return true;
}

void TestMainWindow::entryPoints_data()
{
    QTest::addColumn<bool>("attached");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("dialog");
    const QString noCalculator = QStringLiteral("No calculator is connected");
    const QString selectToDownload = QStringLiteral("Yoy must select some files for downloading");
    const QString selectToDelete = QStringLiteral("No files selected for deleting");
    QTest::newRow("send, no calculator") << false << "sendButton" << noCalculator << QString();
    QTest::newRow("rename, no calculator")
        << false << "changeNameMenuItem" << noCalculator << QString();
    QTest::newRow("download, no calculator")
        << false << "downloadButton" << selectToDownload << QString();
    QTest::newRow("delete, no calculator")
        << false << "deleteButton" << selectToDelete << QString();
    QTest::newRow("about") << false << "aboutMenuItem"
                           << "earlier text"
                           << "aboutDialog";
    QTest::newRow("send") << true << "sendButton" << QString() << "choseFileDialog";
    QTest::newRow("rename") << true << "changeNameMenuItem" << QString() << "changeNameDialog";
    QTest::newRow("download, no selection")
        << true << "downloadButton" << selectToDownload << QString();
    QTest::newRow("delete, no selection") << true << "deleteButton" << selectToDelete << QString();
}

void TestMainWindow::entryPoints()
{
    QFETCH(bool, attached);
    QFETCH(QString, entry);
    QFETCH(QString, status);
    QFETCH(QString, dialog);
    if (attached)
        QVERIFY(startWithCalculators());
    else
        QVERIFY(m_driver->start());
    m_driver->session().setProperty("statusLineText", QStringLiteral("earlier text"));

    m_driver->activate(entry.toLatin1());

    QCOMPARE(m_driver->statusLine(), status);
    for (const char *id :
        { "aboutDialog", "changeNameDialog", "choseFileDialog", "choseFolderDialog" })
        QCOMPARE(m_driver->isOpen(id), dialog == QLatin1String(id));
    if (!dialog.isEmpty()) {
        // The file chooser builds its folder view in the background; let it
        // finish so the engine does not go down mid-way.
        if (dialog.startsWith(QLatin1String("chose")))
            QVERIFY(QTest::qWaitFor([this] { return m_driver->foldersShown() == 1; }));
        QMetaObject::invokeMethod(m_driver->byId(dialog.toLatin1()), "close");
    }
}

void TestMainWindow::withoutCalculator()
{
    QVERIFY(m_driver->start());
    const QUrl empty = writeLocal(QStringLiteral("EMPTY.py"), QByteArray());

    // Paste and Copy test for a calculator and do nothing without one.
    paste({ empty });
    QCOMPARE(m_driver->openQuestion(), QString());
    QTest::keySequence(m_driver->window(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->urls(), QList<QUrl>({ empty }));

    // A drop does not, so its file is examined.
    m_driver->drop({ empty });
    QCOMPARE(m_driver->openQuestion(), QStringLiteral("zeroSizeFileWontBeSent"));
    QCOMPARE(m_driver->read("zeroSizeFileWontBeSentText", "text").toString(),
        QStringLiteral("File EMPTY.py is zero-length and can't be sent."));
}

// The file chooser opens on the calculator's own files; calculators hold
// .csv and .txt files as well, so all files are the second choice.
void TestMainWindow::sendChooserShowsAllFiles()
{
    writeLocal(QStringLiteral("TEMPS.csv"), "t,1\n");
    writeLocal(QStringLiteral("MAIN.py"), "m = 1\n");
    QVERIFY(startWithCalculators());
    QObject *chooser = m_driver->byId("choseFileDialog");
    m_driver->write(chooser, "folder", QUrl::fromLocalFile(m_local->path()));
    m_driver->activate("sendButton");
    QVERIFY(m_driver->isOpen("choseFileDialog"));
    QVERIFY(QTest::qWaitFor([this] { return m_driver->foldersShown() == 1; }));

    QCOMPARE(m_driver->read(chooser, "nameFilters").toStringList(),
        QStringList(
            { QStringLiteral("Vori calc files (*.py *.bin)"), QStringLiteral("All files (*)") }));
    QCOMPARE(m_driver->read(chooser, "selectedNameFilter").toString(),
        QStringLiteral("Vori calc files (*.py *.bin)"));
    // The names the widget chooser lists as choosable, once it has read the
    // folder: under the given filter, then under all files.
    QFileDialog *dialog = WindowDriver::openChooser();
    QVERIFY(dialog);
    QCOMPARE(dialog->directory().absolutePath(), m_local->path());
    QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("Vori calc files (*.py *.bin)"));
    auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
    QVERIFY(view);
    const auto shown = [view] {
        QStringList names;
        QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            const QModelIndex entry = model->index(row, 0, view->rootIndex());
            if (entry.flags() & Qt::ItemIsEnabled)
                names.append(entry.data().toString());
        }
        names.sort();
        return names;
    };
    QTRY_COMPARE(shown(), QStringList({ QStringLiteral("MAIN.py") }));
    dialog->selectNameFilter(QStringLiteral("All files (*)"));
    QTRY_COMPARE(shown(), QStringList({ QStringLiteral("MAIN.py"), QStringLiteral("TEMPS.csv") }));
    QMetaObject::invokeMethod(chooser, "close");
}

void TestMainWindow::send_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("drop") << "drop";
    QTest::newRow("paste") << "paste";
    QTest::newRow("chooser") << "chooser";
}

void TestMainWindow::send()
{
    QFETCH(QString, entry);
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);
    const QList<QUrl> urls = {
        writeLocal(QStringLiteral("EMPTY.py"), QByteArray()),
        writeLocal(QStringLiteral("MAIN.py"), "print('replaced')\n"),
        writeLocal(QStringLiteral("longfilename.py"), "long = True\n"),
        writeLocal(QStringLiteral("QUAD.py"), "print('not sent')\n"),
        writeLocal(QStringLiteral("notes.txt"), "new notes\n"),
        writeLocal(QStringLiteral("NEW.py"), "new = 1\n"),
    };
    struct Step
    {
        const char *dialog;
        const char *textOf;
        QString text;
        bool accept;
    };
    const QString renamed = QStringLiteral("The file name (%1) exceeds the allowed limit of 8 "
                                           "symbols for a file name and 3 symbols for an "
                                           "extension and will be changed to %2");
    const QString upperCase = QStringLiteral(
        "The file name (%1) will be changed to %2: names on the calculator are upper case.");
    const QString exists
        = QStringLiteral("File %1 already exists on your calculator.\nDo you want to replace it?");
    const QList<Step> steps = {
        { "zeroSizeFileWontBeSent", "zeroSizeFileWontBeSentText",
            QStringLiteral("File EMPTY.py is zero-length and can't be sent."), true },
        { "doYouWantSendFile", "doYouWantSendFileText", exists.arg(QStringLiteral("MAIN.py")),
            true },
        { "doYouWantSendFile", "doYouWantSendFileText", exists.arg(QStringLiteral("QUAD.py")),
            false },
        { "fileNameWasChangeDialog", "fileNameWasChangeDialogText",
            renamed.arg(QStringLiteral("longfilename.py"), QStringLiteral("LONGFILE.py")), true },
        { "fileNameWasChangeDialog", "fileNameWasChangeDialogText",
            upperCase.arg(QStringLiteral("notes.txt"), QStringLiteral("NOTES.txt")), true },
        { "doYouWantSendFile", "doYouWantSendFileText", exists.arg(QStringLiteral("NOTES.txt")),
            true },
    };

    if (entry == QLatin1String("drop")) {
        m_driver->drop(urls);
    } else if (entry == QLatin1String("paste")) {
        paste(urls);
    } else {
        m_driver->activate("sendButton");
        QVERIFY(m_driver->isOpen("choseFileDialog"));
        m_driver->choose("choseFileDialog", urls);
    }

    for (const Step &step : steps) {
        QCOMPARE(m_driver->openQuestion(), QLatin1String(step.dialog));
        QCOMPARE(m_driver->read(step.textOf, "text").toString(), step.text);
        QCOMPARE(busy.count(), 0);
        m_driver->answer(step.dialog, step.accept);
    }
    QCOMPARE(m_driver->openQuestion(), QString());

    QTRY_COMPARE(busy.count(), 2);
    QCOMPARE(m_driver->session().property("isBusy").toBool(), false);
    QCOMPARE(countOf(*m_calc, calcMsg::SEND_FILE), 4);
    QCOMPARE(m_calc->fileContent(QStringLiteral("MAIN.py")), QByteArray("print('replaced')\n"));
    QCOMPARE(m_calc->fileContent(QStringLiteral("QUAD.py")), calculatorFiles.at(1).second);
    QCOMPARE(m_calc->fileContent(QStringLiteral("NOTES.txt")), QByteArray("new notes\n"));
    QCOMPARE(m_calc->fileContent(QStringLiteral("LONGFILE.py")), QByteArray("long = True\n"));
    QCOMPARE(m_calc->fileContent(QStringLiteral("NEW.py")), QByteArray("new = 1\n"));
    QVERIFY(!m_calc->hasFile(QStringLiteral("EMPTY.py")));
    QVERIFY(m_lab->receivedTypes().count(calcMsg::SEND_FILE) == 0);
    QCOMPARE(m_driver->read("tableView", "rowCount").toInt(), 5);
}

void TestMainWindow::escapeOnNotice()
{
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);
    m_driver->drop({ writeLocal(QStringLiteral("EMPTY.py"), QByteArray()),
        writeLocal(QStringLiteral("NEW.py"), "new\n") });
    QCOMPARE(m_driver->openQuestion(), QStringLiteral("zeroSizeFileWontBeSent"));

    QVERIFY(pressEscape());
    QTRY_COMPARE(m_driver->openQuestion(), QString());
    QVERIFY(workersIdle(m_driver->session()));
    QCOMPARE(busy.count(), 0);

    // The walk ended there; what was pending is still the session's.
    QMetaObject::invokeMethod(m_driver->window(), "processSendCollision");
    QTRY_COMPARE(busy.count(), 2);
    QCOMPARE(m_calc->fileContent(QStringLiteral("NEW.py")), QByteArray("new\n"));
    QCOMPARE(countOf(*m_calc, calcMsg::SEND_FILE), 1);
}

void TestMainWindow::escapeOnQuestion()
{
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);
    m_driver->drop({ writeLocal(QStringLiteral("MAIN.py"), "replaced\n"),
        writeLocal(QStringLiteral("NEW.py"), "new\n") });
    QCOMPARE(m_driver->openQuestion(), QStringLiteral("doYouWantSendFile"));

    // The toolkit reports the closing as a rejection: the answer is No and
    // the walk goes on to the send.
    QVERIFY(pressEscape());
    QTRY_COMPARE(busy.count(), 2);
    QCOMPARE(m_driver->openQuestion(), QString());
    QCOMPARE(m_calc->fileContent(QStringLiteral("MAIN.py")), calculatorFiles.at(0).second);
    QCOMPARE(m_calc->fileContent(QStringLiteral("NEW.py")), QByteArray("new\n"));
}

void TestMainWindow::download_data()
{
    QTest::addColumn<bool>("localCopy");
    QTest::addColumn<bool>("replace");
    QTest::newRow("no local copy") << false << false;
    QTest::newRow("replace") << true << true;
    QTest::newRow("keep") << true << false;
}

void TestMainWindow::download()
{
    QFETCH(bool, localCopy);
    QFETCH(bool, replace);
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);
    if (localCopy)
        writeLocal(QStringLiteral("MAIN.py"), "local\n");
    m_driver->selectRows({ 0, 1 });

    m_driver->activate("downloadButton");
    QVERIFY(m_driver->isOpen("choseFolderDialog"));
    m_driver->choose("choseFolderDialog", { QUrl::fromLocalFile(m_local->path()) });
    if (localCopy) {
        QCOMPARE(m_driver->openQuestion(), QStringLiteral("doYouWantDownloadFile"));
        QCOMPARE(m_driver->read("doYouWantDownloadFile", "title").toString(),
            QStringLiteral("File MAIN.py already exists on your PC.\nDo you want to replace it?"));
        QCOMPARE(busy.count(), 0);
        m_driver->answer("doYouWantDownloadFile", replace);
    }
    QCOMPARE(m_driver->openQuestion(), QString());

    QTRY_COMPARE(busy.count(), 2);
    QFile quad(m_local->filePath(QStringLiteral("QUAD.py")));
    QVERIFY(quad.open(QIODevice::ReadOnly));
    QCOMPARE(quad.readAll(), calculatorFiles.at(1).second);
    QFile main(m_local->filePath(QStringLiteral("MAIN.py")));
    QVERIFY(main.open(QIODevice::ReadOnly));
    QCOMPARE(main.readAll(),
        localCopy && !replace ? QByteArray("local\n") : calculatorFiles.at(0).second);
    QCOMPARE(m_driver->selectedCount(), 2);
}

void TestMainWindow::answerAll_data()
{
    QTest::addColumn<bool>("send");
    QTest::addColumn<QString>("button");
    QTest::newRow("send, yes to all") << true << "Yes to all";
    QTest::newRow("send, no to all") << true << "No to all";
    QTest::newRow("download, yes to all") << false << "Yes to all";
    QTest::newRow("download, no to all") << false << "No to all";
}

// Three files on both sides: the first question's button for all settles
// the other two unasked, and the outcome counts what was skipped.
void TestMainWindow::answerAll()
{
    QFETCH(bool, send);
    QFETCH(QString, button);
    const bool replace = button.startsWith(QLatin1String("Yes"));
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);
    QList<QUrl> locals;
    for (const auto &file : calculatorFiles)
        locals.append(writeLocal(file.first, "local " + file.first.toLatin1()));

    const char *question = send ? "doYouWantSendFile" : "doYouWantDownloadFile";
    if (send) {
        m_driver->drop(locals);
    } else {
        m_driver->selectRows({ 0, 1, 2 });
        m_driver->activate("downloadButton");
        m_driver->choose("choseFolderDialog", { QUrl::fromLocalFile(m_local->path()) });
    }
    QCOMPARE(m_driver->openQuestion(), QLatin1String(question));
    QQuickItem *all = m_driver->dialogButton(question, button);
    QVERIFY(all && all->isVisible());
    m_driver->click(all);

    QCOMPARE(m_driver->openQuestion(), QString());
    QTRY_COMPARE(busy.count(), 2);
    for (const auto &file : calculatorFiles) {
        const QByteArray local = "local " + file.first.toLatin1();
        QFile copy(m_local->filePath(file.first));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(m_calc->fileContent(file.first), send && replace ? local : file.second);
        QCOMPARE(copy.readAll(), !send && replace ? file.second : local);
    }
    const QString outcome = send
        ? (replace ? QStringLiteral("Sent 3 files to Vori X1")
                   : QStringLiteral("Nothing was sent to Vori X1; 3 skipped"))
        : (replace ? QStringLiteral("Copied 3 files to %1")
                         .arg(QDir::toNativeSeparators(m_local->path()))
                   : QStringLiteral("Nothing was copied; 3 skipped"));
    QCOMPARE(m_driver->read(m_driver->byName("transferLine"), "text").toString(), outcome);
}

// Files land in the folder the chooser shows chosen, and the outcome line
// names it: a path typed into the chooser's field, that field as it shows
// again at the next opening (where the toolkit's QML stand-in returned the
// folder it browsed instead), or a folder browsed into with the field empty.
void TestMainWindow::downloadLandsWhereChosen_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("landed");
    QTest::newRow("typed") << QStringList { "type:typed" } << QStringList { "typed" };
    QTest::newRow("typed, then as shown again")
        << QStringList { "type:typed", "keep" } << QStringList { "typed", "typed" };
    QTest::newRow("typed, then another typed")
        << QStringList { "type:typed", "type:browsed" } << QStringList { "typed", "browsed" };
    QTest::newRow("browsed") << QStringList { "browse:browsed" } << QStringList { "browsed" };
}

void TestMainWindow::downloadLandsWhereChosen()
{
    QFETCH(QStringList, choices);
    QFETCH(QStringList, landed);
    QVERIFY(startWithCalculators());
    for (const char *name : { "typed", "browsed" })
        QVERIFY(QDir().mkpath(m_local->filePath(QLatin1String(name))));

    for (int i = 0; i < choices.size(); ++i) {
        const QString &choice = choices.at(i);
        const QString folder = m_local->filePath(choice.section(QLatin1Char(':'), 1));
        QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());
        QVERIFY(m_driver->activateWindow());
        m_driver->selectRows({ i });
        m_driver->activate("downloadButton");
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = WindowDriver::openChooser()));
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(field);
        if (i == 0) {
            // Where the user starts browsing; the folder has been read.
            dialog->setDirectory(m_local->path());
            auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("treeView"));
            QVERIFY(view);
            QModelIndex entry;
            QTRY_VERIFY((entry = view->model()->index(0, 0, view->rootIndex())).isValid());
        }
        if (choice.startsWith(QLatin1String("type:"))) {
            field->selectAll();
            QTest::keyClicks(field, folder);
            if (field->completer()->popup()->isVisible())
                QTest::keyClick(field->completer()->popup(), Qt::Key_Escape);
        } else if (choice.startsWith(QLatin1String("browse:"))) {
            // As a double-click on the folder does.
            dialog->setDirectory(folder);
            QTRY_COMPARE(dialog->directory().absolutePath(), folder);
            QCOMPARE(field->text(), QString());
        } else {
            QCOMPARE(field->text(), m_local->filePath(landed.at(i)));
        }
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());

        const QString expected = m_local->filePath(landed.at(i));
        const QString name = calculatorFiles.at(i).first;
        QTRY_COMPARE(m_driver->read(m_driver->byName("transferLine"), "text").toString(),
            QStringLiteral("Copied 1 file to %1").arg(expected));
        QVERIFY(QFile::exists(expected + QLatin1Char('/') + name));
        QCOMPARE(QDir(m_local->path()).entryList(QDir::Files), QStringList());
    }
}

// The Copy key downloads into a private folder of its own, never into the
// shared temporary folder, where a link planted under a calculator's file
// name would be written through; a file manager pasting finds each file.
void TestMainWindow::copy()
{
    // The copies outlive the window; they go where the test cleans up.
    QTemporaryDir cacheHome;
    QVERIFY(cacheHome.isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path()));
    qputenv("TMPDIR", QFile::encodeName(m_local->path()));
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    QVERIFY(QFile::link(victim, m_local->filePath(QStringLiteral("MAIN.py"))));
    QVERIFY(startWithCalculators());
    m_driver->selectRows({ 0, 2 });

    QVERIFY(m_driver->activateWindow());
    QTest::keySequence(m_driver->window(), QKeySequence::Copy);

    const QList<QUrl> urls = QGuiApplication::clipboard()->mimeData()->urls();
    QCOMPARE(urls.size(), 2);
    QCOMPARE(urls.at(0).fileName(), QStringLiteral("MAIN.py"));
    QCOMPARE(urls.at(1).fileName(), QStringLiteral("NOTES.txt"));
    const QString folder = QFileInfo(urls.at(0).toLocalFile()).absolutePath();
    QVERIFY2(!folder.startsWith(m_local->path()), qPrintable(folder));
    QCOMPARE(QFileInfo(folder).permissions() & 0x7077,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QTRY_VERIFY(!m_driver->session().property("isBusy").toBool()
        && QFile::exists(urls.at(1).toLocalFile()));
    QFile notes(urls.at(1).toLocalFile());
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), calculatorFiles.at(2).second);
    QVERIFY(!QFileInfo::exists(victim));
    QCOMPARE(m_driver->selectedCount(), 2);
    QTRY_COMPARE(m_driver->read(m_driver->byName("transferLine"), "text").toString(),
        QStringLiteral("Copied 2 files to the clipboard"));
    QList<QByteArray> pasted = QGuiApplication::clipboard()
                                   ->mimeData()
                                   ->data(QStringLiteral("x-special/gnome-copied-files"))
                                   .split('\n');
    QCOMPARE(pasted.takeFirst(), QByteArray("copy"));
    QCOMPARE(pasted.size(), 2);
    for (int i = 0; i < pasted.size(); ++i) {
        QFile file(QUrl::fromEncoded(pasted.at(i)).toLocalFile());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QCOMPARE(file.readAll(), calculatorFiles.at(i * 2).second);
    }
}

void TestMainWindow::deleteFiles_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestMainWindow::deleteFiles()
{
    QFETCH(bool, yes);
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);
    m_driver->selectRows({ 2, 0 });

    m_driver->activate("deleteButton");
    QCOMPARE(m_driver->openQuestion(), QStringLiteral("doYouWantDeleteItDialog"));
    QCOMPARE(m_driver->read("doYouWantDeleteItText", "text").toString(),
        QStringLiteral("Do you want to delete next files:\nMAIN.py\nNOTES.txt?"));
    m_driver->answer("doYouWantDeleteItDialog", yes);

    if (yes) {
        QCOMPARE(m_driver->selectedCount(), 0);
        QTRY_COMPARE(busy.count(), 2);
        QCOMPARE(m_calc->files().size(), 1);
        QVERIFY(m_calc->hasFile(QStringLiteral("QUAD.py")));
        QCOMPARE(m_driver->read("tableView", "rowCount").toInt(), 1);
    } else {
        QCOMPARE(m_driver->selectedCount(), 2);
        QVERIFY(workersIdle(m_driver->session()));
        QCOMPARE(busy.count(), 0);
        QCOMPARE(countOf(*m_calc, calcMsg::DELETE_FILE), 0);
    }
}

void TestMainWindow::rename_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("short name") << QStringLiteral("Vori X1");
    QTest::newRow("longer than the field takes")
        << QStringLiteral("Vori X1 of the second class, third row, by the window, left of the "
                          "door");
}

// OK with the text as it opened renames nothing, even where the field shows
// a long name cut; a new name is sent once.
void TestMainWindow::rename()
{
    QFETCH(QString, name);
    m_calc->setName(name);
    QVERIFY(startWithCalculators());
    QSignalSpy busy(&m_driver->session(), &CVivuRuzaSession::isBusyChange);

    m_driver->activate("changeNameMenuItem");
    QVERIFY(m_driver->isOpen("changeNameDialog"));
    QCOMPARE(m_driver->read("newNameField", "text").toString(), name.left(64));
    m_driver->answer("changeNameDialog", true);
    QCOMPARE(m_driver->session().runningJobs(), 0);
    QCOMPARE(m_calc->name(), name);

    m_driver->activate("changeNameMenuItem");
    m_driver->write(m_driver->byId("newNameField"), "text", QStringLiteral("Lab bench"));
    m_driver->answer("changeNameDialog", true);
    QTRY_COMPARE(busy.count(), 2);

    QCOMPARE(m_calc->name(), QStringLiteral("Lab bench"));
    QCOMPARE(countOf(*m_calc, calcMsg::CHANGE_NAME), 1);
    auto *row = m_driver->read("fileListView", "currentItem").value<QQuickItem *>();
    QVERIFY(row);
    QCOMPARE(row->childItems().value(0)->property("text").toString(), QStringLiteral("Lab bench"));
}

// The About box names the version and closes by a click on its button.
void TestMainWindow::aboutBox()
{
    QVERIFY(m_driver->start());
    m_driver->activate("aboutMenuItem");
    QTRY_VERIFY(m_driver->read("aboutDialog", "opened").toBool());
    QVERIFY(!QCoreApplication::applicationVersion().isEmpty());
    QCOMPARE(m_driver->byName("aboutVersion")->property("text").toString(),
        QStringLiteral("Vuve Vudurod ") + QCoreApplication::applicationVersion());

    QQuickItem *close = m_driver->dialogButton("aboutDialog", QStringLiteral("Close"));
    QVERIFY(close && close->isVisible());
    m_driver->click(close);
    QTRY_VERIFY(!m_driver->isOpen("aboutDialog"));
}

void TestMainWindow::errorDialog()
{
    QVERIFY(startWithCalculators());
    m_calc->setRefusal(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QString());
    const QUrl file = writeLocal(QStringLiteral("NEW.py"), "new\n");

    for (int round = 0; round < 2; ++round) {
        m_driver->drop({ file });
        QTRY_VERIFY(m_driver->isOpen("errorMessageDialog"));
        const QString error = m_driver->session().property("error").toString();
        QCOMPARE(error, QStringLiteral("File can't be sent."));
        QCOMPARE(m_driver->read("errorMessageDialog", "text").toString(), error);
        // Under the given text: which file, which calculator, and what to do.
        QCOMPARE(m_driver->read("errorMessageDialog", "informativeText").toString(),
            QStringLiteral("NEW.py, Vori X1: the calculator's memory is full; delete files on it "
                           "and send again"));
        QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());

        QMetaObject::invokeMethod(m_driver->byId("errorMessageDialog"), "close");
        QCOMPARE(m_driver->session().property("error").toString(), QString());
    }
}

void TestMainWindow::busy()
{
    QVERIFY(startWithCalculators());
    ShortWaits shortWaits;
    const QList<QObject *> disabled
        = { m_driver->read(m_driver->window(), "header").value<QObject *>(),
              m_driver->byName("sendButton"), m_driver->byId("tableView") };
    // The other calculators stay within reach while this one works.
    QObject *calculators = m_driver->byId("fileListView");
    QObject *indicator = m_driver->byName("busyIndicator");
    QVERIFY(!indicator->property("visible").toBool());

    // A calculator that does not answer holds the job until the wait runs out.
    m_calc->setSilent(true);
    m_driver->activate("changeNameMenuItem");
    m_driver->write(m_driver->byId("newNameField"), "text", QStringLiteral("Quiet"));
    m_driver->answer("changeNameDialog", true);

    QTRY_VERIFY(m_driver->session().property("isBusy").toBool());
    for (QObject *object : disabled)
        QVERIFY2(!object->property("enabled").toBool(), qPrintable(object->objectName()));
    QVERIFY(calculators->property("enabled").toBool());
    QVERIFY(indicator->property("visible").toBool());

    QTRY_VERIFY(!m_driver->session().property("isBusy").toBool());
    for (QObject *object : disabled)
        QVERIFY(object->property("enabled").toBool());
    QVERIFY(!indicator->property("visible").toBool());
}

static void prepare()
{
    AppShell::prepareApplication();
}
Q_CONSTRUCTOR_FUNCTION(prepare)

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
