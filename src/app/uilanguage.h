#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

// The language of the game's windows; Qt's own dialogs (the file dialogs of
// 魚拓 and 釣行記録, the standard message boxes) follow it.
enum class UiLanguage { Japanese, English };

// What the desktop says about the player's language.
struct LocaleEnvironment
{
    QString language;   // LANGUAGE: a colon list of preferences, e.g. "fr:en_GB"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LocaleEnvironment current();
};

// The first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that names a language
// decides: English when it is English, Japanese otherwise, C and POSIX
// included. LANGUAGE names the first of its entries that the game speaks and
// is passed over when it names none; unlike gettext it counts under the C
// locale too, so a bare session started with LANGUAGE=en gets English.
UiLanguage uiLanguageFor(const LocaleEnvironment &environment);

// Qt's catalogues for its own texts in that language, the one Qt cannot do
// without first. English has none: Qt's own texts are English.
QStringList qtCatalogues(UiLanguage language);

// The catalogues of qtCatalogues() that Qt's translations folder holds,
// loaded and in order, for the application to install and keep.
std::vector<std::unique_ptr<QTranslator>> loadQtTranslations(UiLanguage language);
