// The translations keep up with the sources. An update of translations/*.ts
// from the sources, made in a scratch folder the way scripts/update-translations
// makes it, must change no text; every text must be translated; and each
// translation keeps what the program fills in or the user types: markers
// (%1, %n), options and paths.
#include "UiLanguage.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;
    QStringList translations;

    QString key() const
    {
        return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment;
    }
    QString shown() const { return QStringLiteral("%1: \"%2\"").arg(context, source); }
};

struct TsFile
{
    QString language;
    QList<Message> messages;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open %1").arg(path);
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus
                = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.translations.append(xml.readElementText());
            } else {
                message.translations.append(xml.readElementText());
            }
            ts.messages.append(message);
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("%1: %2").arg(path, xml.errorString());
    return ts;
}

// What a translation must carry over as it stands.
QStringList keptTokens(const QString &text)
{
    static const QRegularExpression kept(QStringLiteral(
        "%L?(?:\\d+|n)" // markers
        "|(?<![\\w-])--[a-z][a-z-]*(?:=[a-z]+)?" // options
        "|(?<![\\w])/(?:dev|usr|sys|proc|run|tmp)/[\\w./-]*\\w" // paths
        "|\\bvuvectl\\b|\\bvuve-calcsim\\b|manifest\\.json|\\budev\\b|\\bdialout\\b"));
    QStringList tokens;
    for (auto it = kept.globalMatch(text); it.hasNext();)
        tokens.append(it.next().captured());
    tokens.sort();
    return tokens;
}

QString listed(const QStringList &items)
{
    const int shown = 5;
    QString text = items.mid(0, shown).join(QStringLiteral(", "));
    if (items.size() > shown)
        text += QStringLiteral(" and %1 more").arg(items.size() - shown);
    return text;
}

QString howToUpdate(const QString &file)
{
    return QStringLiteral("Run scripts/update-translations, translate what Qt Linguist marks "
                          "unfinished (linguist translations/%1), and commit translations/.")
        .arg(file);
}

QString sourceDir()
{
    return QStringLiteral(VUVE_SOURCE_DIR);
}

QStringList tsFiles()
{
    return QDir(sourceDir() + QStringLiteral("/translations"))
        .entryList({ QStringLiteral("vuve_*.ts") }, QDir::Files, QDir::Name);
}

QStringList listedLanguages()
{
    QStringList codes = QStringLiteral(VUVE_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    codes.prepend(QStringLiteral("en"));
    return codes;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyListedLanguageHasItsFile();
    void programsCarryEveryLanguage();
    void upToDate_data();
    void upToDate();
    void finished_data();
    void finished();
    void keepsWhatIsFilledIn_data();
    void keepsWhatIsFilledIn();

private:
    QTemporaryDir m_scratch;
};

void TestTranslations::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    QProcess update;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUPDATE"), QStringLiteral(VUVE_LUPDATE));
    update.setProcessEnvironment(env);
    update.start(QStringLiteral("bash"),
        { sourceDir() + QStringLiteral("/scripts/update-translations"), QStringLiteral("--into"),
            m_scratch.path() });
    QVERIFY(update.waitForFinished(300000));
    QVERIFY2(update.exitStatus() == QProcess::NormalExit && update.exitCode() == 0,
        update.readAllStandardError().constData());
}

void TestTranslations::everyListedLanguageHasItsFile()
{
    QStringList expected;
    for (const QString &code : listedLanguages())
        expected.append(QStringLiteral("vuve_%1.ts").arg(code));
    expected.sort();
    QCOMPARE(tsFiles(), expected);
    for (const QString &file : tsFiles()) {
        const TsFile ts = readTs(sourceDir() + QStringLiteral("/translations/") + file);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QCOMPARE(QStringLiteral("vuve_%1.ts").arg(ts.language), file);
    }
}

void TestTranslations::programsCarryEveryLanguage()
{
    QStringList expected = listedLanguages();
    QStringList available = UiLanguage::available();
    std::sort(expected.begin() + 1, expected.end());
    std::sort(available.begin() + 1, available.end());
    QCOMPARE(available, expected);
}

void TestTranslations::upToDate_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : tsFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestTranslations::upToDate()
{
    QFETCH(QString, file);
    const TsFile committed = readTs(sourceDir() + QStringLiteral("/translations/") + file);
    const TsFile updated = readTs(m_scratch.filePath(file));
    QVERIFY2(committed.error.isEmpty(), qPrintable(committed.error));
    QVERIFY2(updated.error.isEmpty(), qPrintable(updated.error));
    QMap<QString, Message> had;
    for (const Message &m : committed.messages)
        had.insert(m.key(), m);
    QStringList added;
    for (const Message &m : updated.messages) {
        if (!had.remove(m.key()))
            added.append(m.shown());
    }
    QStringList gone;
    for (const Message &m : qAsConst(had))
        gone.append(m.shown());
    QStringList problems;
    if (!added.isEmpty())
        problems.append(QStringLiteral("texts of the sources it lacks: %1 (%2)")
                            .arg(added.size())
                            .arg(listed(added)));
    if (!gone.isEmpty())
        problems.append(QStringLiteral("texts no longer in the sources: %1 (%2)")
                            .arg(gone.size())
                            .arg(listed(gone)));
    QVERIFY2(problems.isEmpty(),
        qPrintable(QStringLiteral("translations/%1 is behind the sources: %2. %3")
                       .arg(file, problems.join(QStringLiteral("; ")), howToUpdate(file))));
}

void TestTranslations::finished_data()
{
    upToDate_data();
}

void TestTranslations::finished()
{
    QFETCH(QString, file);
    const TsFile ts = readTs(sourceDir() + QStringLiteral("/translations/") + file);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QStringList unfinished;
    for (const Message &m : ts.messages) {
        const bool empty = m.translations.isEmpty()
            || std::any_of(m.translations.cbegin(), m.translations.cend(),
                [](const QString &t) { return t.isEmpty(); });
        if (!m.type.isEmpty() || empty)
            unfinished.append(m.shown());
    }
    QVERIFY2(unfinished.isEmpty(),
        qPrintable(QStringLiteral("translations/%1 has unfinished texts: %2 (%3). %4")
                       .arg(file)
                       .arg(unfinished.size())
                       .arg(listed(unfinished), howToUpdate(file))));
}

void TestTranslations::keepsWhatIsFilledIn_data()
{
    upToDate_data();
}

void TestTranslations::keepsWhatIsFilledIn()
{
    QFETCH(QString, file);
    const TsFile ts = readTs(sourceDir() + QStringLiteral("/translations/") + file);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QStringList wrong;
    for (const Message &m : ts.messages) {
        const QStringList expected = keptTokens(m.source);
        for (const QString &translation : m.translations) {
            if (!translation.isEmpty() && keptTokens(translation) != expected) {
                wrong.append(QStringLiteral("%1 keeps %2 of %3")
                                 .arg(m.shown(), keptTokens(translation).join(QLatin1Char(' ')),
                                     expected.join(QLatin1Char(' '))));
                break;
            }
        }
    }
    QVERIFY2(wrong.isEmpty(),
        qPrintable(QStringLiteral("translations/%1 changes what the program fills in: %2")
                       .arg(file, wrong.join(QStringLiteral("; ")))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
