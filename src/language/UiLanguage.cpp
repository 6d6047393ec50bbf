#include "UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMutex>
#include <QTranslator>

#include <memory>

// The resources live in a static library: only a call from code that is
// linked brings them into the program.
static void registerTranslations()
{
    Q_INIT_RESOURCE(vuve_translations);
}

static void initTranslationResources()
{
    static const bool done = [] {
        registerTranslations();
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
const QString folder = QStringLiteral(":/translations");
const QString english = QStringLiteral("en");

struct Installed
{
    std::unique_ptr<QTranslator> plurals;
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<QTranslator> own;
    QString code = english;
};

Installed &installed()
{
    static Installed state;
    return state;
}

QMutex &lock()
{
    static QMutex mutex;
    return mutex;
}

QString qmPath(const QString &code)
{
    return folder + QStringLiteral("/vuve_") + code + QStringLiteral(".qm");
}

// "de-AT" may find vuve_de_AT, then vuve_de; a region only where a
// translation is made for it.
QStringList candidates(const QString &uiLanguage)
{
    const QLocale locale(uiLanguage);
    QStringList codes;
    QString exact = uiLanguage;
    exact.replace(QLatin1Char('-'), QLatin1Char('_'));
    codes << exact << locale.name() << locale.name().section(QLatin1Char('_'), 0, 0);
    codes.removeDuplicates();
    return codes;
}

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

// Lookups go to the translator installed last first.
std::unique_ptr<QTranslator> load(const QString &file, const QString &directory = QString())
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, directory)
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}
} // namespace

QString UiLanguage::install(const QLocale &locale)
{
    initTranslationResources();
    QMutexLocker locker(&lock());
    Installed &now = installed();
    remove(now.own);
    remove(now.qt);
    remove(now.plurals);
    now.code = english;
    if (!QCoreApplication::instance())
        return now.code;

    now.plurals = load(qmPath(english));
    const QStringList own = available();
    for (const QString &uiLanguage : locale.uiLanguages()) {
        // English before any translation: the user reads it first.
        if (QLocale(uiLanguage).language() == QLocale::English)
            break;
        QString found;
        for (const QString &code : candidates(uiLanguage)) {
            if (code != english && own.contains(code)) {
                found = code;
                break;
            }
        }
        if (found.isEmpty())
            continue;
        // Qt's catalogue pulls in its parts (qtbase, qtdeclarative, ...):
        // the dialogs' buttons and the file chooser.
        now.qt = load(
            QStringLiteral("qt_") + found, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
        now.own = load(qmPath(found));
        if (now.own)
            now.code = found;
        break;
    }
    return now.code;
}

QString UiLanguage::current()
{
    QMutexLocker locker(&lock());
    return installed().code;
}

QStringList UiLanguage::available()
{
    initTranslationResources();
    QStringList codes { english };
    const QStringList files
        = QDir(folder).entryList({ QStringLiteral("vuve_*.qm") }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString code = QFileInfo(file).completeBaseName().mid(5);
        if (code != english)
            codes.append(code);
    }
    return codes;
}
