#include "QmlClipboardAdapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using UrlList = QList<QUrl>;

namespace {
QStringList ownMethods(const QMetaObject *meta)
{
    QStringList out;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        out << QString::fromLatin1(meta->method(i).methodSignature());
    return out;
}

UrlList twoFiles()
{
    return { QUrl::fromLocalFile(QStringLiteral("/tmp/vuve/main.py")),
        QUrl::fromLocalFile(QStringLiteral("/tmp/vuve/data.txt")) };
}
} // namespace

class TestClipboardAdapter : public QObject
{
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

    void metaObjectIsWhatTheWindowBindsTo()
    {
        QmlClipboardAdapter adapter;
        const QMetaObject *meta = adapter.metaObject();
        QCOMPARE(meta->className(), "QmlClipboardAdapter");
        QCOMPARE(meta->superClass(), &QObject::staticMetaObject);
        QCOMPARE(ownMethods(meta),
            QStringList({ QStringLiteral("setUrls(QList<QUrl>)"), QStringLiteral("getUrls()"),
                QStringLiteral("hasUrls()") }));
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            QCOMPARE(meta->method(i).methodType(), QMetaMethod::Method);
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 0);
        QVERIFY(QMetaType::type("QList<QUrl>") != QMetaType::UnknownType);
    }

    void setThenRead_data()
    {
        QTest::addColumn<UrlList>("urls");
        QTest::newRow("two files") << twoFiles();
        QTest::newRow("one file") << UrlList({ QUrl::fromLocalFile(QStringLiteral("/tmp/a.py")) });
        QTest::newRow("spaces and non-ASCII")
            << UrlList({ QUrl::fromLocalFile(QStringLiteral("/tmp/my files/r\u00e9sum\u00e9.txt")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/b c.py")) });
        QTest::newRow("order kept") << UrlList({ QUrl::fromLocalFile(QStringLiteral("/z.py")),
            QUrl::fromLocalFile(QStringLiteral("/a.py")),
            QUrl::fromLocalFile(QStringLiteral("/m.py")) });
    }
    void setThenRead()
    {
        QFETCH(UrlList, urls);
        QmlClipboardAdapter adapter;
        adapter.setUrls(urls);
        QVERIFY(adapter.hasUrls());
        QCOMPARE(adapter.getUrls(), urls);
        // Another program sees them too.
        const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        QVERIFY(data);
        QCOMPARE(data->urls(), urls);
    }

    // GNOME's file manager pastes only its own format: "copy", then one URL a
    // line, encoded as in the URI list.
    void gnomeCopiedFiles_data()
    {
        QTest::addColumn<UrlList>("urls");
        QTest::addColumn<QByteArray>("copied");
        QTest::newRow("two files")
            << twoFiles()
            << QByteArray("copy\nfile:///tmp/vuve/main.py\nfile:///tmp/vuve/data.txt");
        QTest::newRow("one file") << UrlList({ QUrl::fromLocalFile(QStringLiteral("/tmp/a.py")) })
                                  << QByteArray("copy\nfile:///tmp/a.py");
        QTest::newRow("spaces, non-ASCII, line end, hash")
            << UrlList({ QUrl::fromLocalFile(QStringLiteral("/tmp/my files/r\u00e9sum\u00e9.txt")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/a\nb#1.py")) })
            << QByteArray("copy\nfile:///tmp/my%20files/r%C3%A9sum%C3%A9.txt\n"
                          "file:///tmp/a%0Ab%231.py");
    }
    void gnomeCopiedFiles()
    {
        QFETCH(UrlList, urls);
        QFETCH(QByteArray, copied);
        QmlClipboardAdapter adapter;
        adapter.setUrls(urls);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        QVERIFY(data);
        QVERIFY(data->hasFormat(QStringLiteral("text/uri-list")));
        QCOMPARE(data->data(QStringLiteral("x-special/gnome-copied-files")), copied);
        QCOMPARE(adapter.getUrls(), urls);
    }

    // Each file a file manager would paste from either format, read as it
    // reads them, is the file that was copied.
    void fileManagersFindTheFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList names { QStringLiteral("MAIN.py"), QStringLiteral("my notes.txt"),
            QStringLiteral("r\u00e9sum\u00e9 #2%.csv") };
        UrlList urls;
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
            urls.append(QUrl::fromLocalFile(file.fileName()));
        }
        QmlClipboardAdapter adapter;
        adapter.setUrls(urls);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        QVERIFY(data);

        QList<QByteArray> gnome
            = data->data(QStringLiteral("x-special/gnome-copied-files")).split('\n');
        QCOMPARE(gnome.takeFirst(), QByteArray("copy"));
        QList<QByteArray> uriList;
        for (const QByteArray &line : data->data(QStringLiteral("text/uri-list")).split('\n')) {
            if (!line.trimmed().isEmpty())
                uriList.append(line.trimmed());
        }
        for (const QList<QByteArray> &lines : { gnome, uriList }) {
            QCOMPARE(lines.size(), names.size());
            for (int i = 0; i < names.size(); ++i) {
                const QUrl url = QUrl::fromEncoded(lines.at(i), QUrl::StrictMode);
                QVERIFY2(url.isLocalFile(), lines.at(i).constData());
                QFile file(url.toLocalFile());
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(url.toLocalFile()));
                QCOMPARE(file.readAll(), names.at(i).toUtf8());
            }
        }
    }

    // The window calls through the meta-object, with the list as a variant.
    void callsThroughMetaObject()
    {
        QmlClipboardAdapter adapter;
        QVERIFY(QMetaObject::invokeMethod(&adapter, "setUrls", Q_ARG(QList<QUrl>, twoFiles())));
        bool has = false;
        QVERIFY(QMetaObject::invokeMethod(&adapter, "hasUrls", Q_RETURN_ARG(bool, has)));
        QVERIFY(has);
        UrlList urls;
        QVERIFY(QMetaObject::invokeMethod(&adapter, "getUrls", Q_RETURN_ARG(QList<QUrl>, urls)));
        QCOMPARE(urls, twoFiles());
    }

    void emptyListReplacesEarlierContents_data()
    {
        QTest::addColumn<bool>("earlierText");
        QTest::newRow("earlier text") << true;
        QTest::newRow("earlier urls") << false;
    }
    void emptyListReplacesEarlierContents()
    {
        QFETCH(bool, earlierText);
        QmlClipboardAdapter adapter;
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (earlierText)
            clipboard->setText(QStringLiteral("hello"));
        else
            adapter.setUrls(twoFiles());
        adapter.setUrls(UrlList());
        QVERIFY(adapter.getUrls().isEmpty());
        QCOMPARE(clipboard->text(), QString());
        QVERIFY(!clipboard->mimeData()->hasFormat(QStringLiteral("x-special/gnome-copied-files")));
    }

    void plainTextHasNoUrls()
    {
        QmlClipboardAdapter adapter;
        adapter.setUrls(twoFiles());
        QGuiApplication::clipboard()->setText(QStringLiteral("/tmp/vuve/main.py"));
        QVERIFY(!adapter.hasUrls());
        QVERIFY(adapter.getUrls().isEmpty());
    }

    void emptyClipboardHasNoUrls()
    {
        QmlClipboardAdapter adapter;
        QVERIFY(!adapter.hasUrls());
        QVERIFY(adapter.getUrls().isEmpty());
        adapter.setUrls(twoFiles());
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
        QVERIFY(!adapter.hasUrls());
        QVERIFY(adapter.getUrls().isEmpty());
    }

    // Data put there by another owner, in the raw forms file managers use.
    void urlsFromAnotherProgram_data()
    {
        QTest::addColumn<QByteArray>("uriList");
        QTest::newRow("CRLF") << QByteArray(
            "file:///tmp/vuve/main.py\r\nfile:///tmp/vuve/data.txt\r\n");
        QTest::newRow("LF, no final line end")
            << QByteArray("file:///tmp/vuve/main.py\nfile:///tmp/vuve/data.txt");
        QTest::newRow("percent-encoded")
            << QByteArray("file:///tmp/vuve/ma%69n.py\r\nfile:///tmp/vuve/data.txt\r\n");
    }
    void urlsFromAnotherProgram()
    {
        QFETCH(QByteArray, uriList);
        QmlClipboardAdapter adapter;
        auto *data = new QMimeData;
        data->setData(QStringLiteral("text/uri-list"), uriList);
        data->setData(QStringLiteral("x-special/gnome-copied-files"),
            QByteArray("copy\nfile:///tmp/vuve/main.py\nfile:///tmp/vuve/data.txt"));
        QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
        QVERIFY(adapter.hasUrls());
        QCOMPARE(adapter.getUrls(), twoFiles());
    }

    // Every read reports the present contents, however often the clipboard's
    // data object was replaced since the adapter was made.
    void readsFollowEveryReplacement()
    {
        QmlClipboardAdapter adapter;
        QClipboard *clipboard = QGuiApplication::clipboard();
        for (int round = 0; round < 3; ++round) {
            const UrlList urls { QUrl::fromLocalFile(
                QStringLiteral("/tmp/round%1.py").arg(round)) };
            auto *data = new QMimeData;
            data->setUrls(urls);
            clipboard->setMimeData(data, QClipboard::Clipboard);
            QVERIFY(adapter.hasUrls());
            QCOMPARE(adapter.getUrls(), urls);
            clipboard->setText(QStringLiteral("text %1").arg(round));
            QVERIFY(!adapter.hasUrls());
            QVERIFY(adapter.getUrls().isEmpty());
        }
    }

    void adaptersShareTheClipboard()
    {
        QmlClipboardAdapter writer;
        QmlClipboardAdapter reader;
        writer.setUrls(twoFiles());
        QCOMPARE(reader.getUrls(), twoFiles());
    }
};

QTEST_MAIN(TestClipboardAdapter)
#include "tst_clipboardadapter.moc"
