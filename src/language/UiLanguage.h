#ifndef UILANGUAGE_H
#define UILANGUAGE_H

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the programs speak: the first of the user's languages that a
// translation comes with (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as
// QLocale reads them), otherwise English. The translations are compiled in,
// so a program always finds its own; English needs one too, for the forms
// of its plurals ("1 file", "2 files").
class UiLanguage
{
public:
    // Installs English's plural forms, then the first language of the
    // locale's list that has a translation, with Qt's own translation of its
    // dialogs and messages where the system has one; a language missing from
    // the list, or a text missing from its translation, is English. Replaces
    // what an earlier call installed. Returns the code of the language in
    // use, such as "de", or "en".
    static QString install(const QLocale &locale = QLocale::system());
    static QString current();
    // The codes of the translations that come with the programs, English
    // first.
    static QStringList available();
};

#endif // UILANGUAGE_H
