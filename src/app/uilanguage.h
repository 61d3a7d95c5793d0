#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <optional>
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
// The language chosen in 設定 wins; with none chosen the desktop decides.
UiLanguage uiLanguageFor(std::optional<UiLanguage> chosen, const LocaleEnvironment &environment);

// How the choice is kept in the settings: "ja", "en"; anything else reads
// as no choice.
QString languageCode(UiLanguage language);
std::optional<UiLanguage> languageFromCode(const QString &code);

// Qt's catalogues for its own texts in that language, the one Qt cannot do
// without first. English has none: Qt's own texts are English.
QStringList qtCatalogues(UiLanguage language);

// The catalogues of qtCatalogues() that Qt's translations folder holds,
// loaded and in order, for the application to install and keep.
std::vector<std::unique_ptr<QTranslator>> loadQtTranslations(UiLanguage language);

// The game's own words in that language, built into the program; none for
// Japanese, the language the game is written in.
std::unique_ptr<QTranslator> loadGameTranslation(UiLanguage language);
