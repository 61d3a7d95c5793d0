#include "app/game.h"
#include "app/screens.h"
#include "app/uilanguage.h"
#include "comforts/comfortsettings.h"
#include "platform/qtcuesound.h"
#include "platform/qtdialogs.h"
#include "platform/qtsound.h"
#include "prep/form3.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!platformChosen && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("namiyose: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "the game needs a desktop to show its windows.\n",
                   stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("namiyose"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/namiyose.svg")));
    QFont font(QStringLiteral("Noto Sans CJK JP"), 10);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
    QApplication::setFont(font);

    // The game's windows and Qt's own dialogs (the file dialogs of 魚拓 and
    // 釣行記録) speak the language chosen in 設定, else the desktop's; the
    // translators live as long as the application.
    const comforts::ComfortSettings comfortSettings = comforts::loadSettings();
    const UiLanguage language = uiLanguageFor(comforts::loadLanguage(), LocaleEnvironment::current());
    const std::unique_ptr<QTranslator> gameTranslation = loadGameTranslation(language);
    if (gameTranslation)
        QCoreApplication::installTranslator(gameTranslation.get());
    const auto qtTranslations = loadQtTranslations(language);
    for (const auto &translator : qtTranslations)
        QCoreApplication::installTranslator(translator.get());
    if (qtTranslations.empty() && !qtCatalogues(language).isEmpty())
        std::fprintf(stderr,
                     "namiyose: %s is not in Qt's translations folder (package qt6-translations-l10n); "
                     "Qt's own dialogs stay in English.\n",
                     qPrintable(qtCatalogues(language).first()));

    QtScheduler scheduler;
    QtDialogs dialogs(scheduler);
    SystemRandom random;
    SystemClock clock;
    QtSoundDevice sound;
    sound.setLevels(comfortSettings.sound);
    QtCueSound cue;
    cue.setOn(comfortSettings.biteCue);
    FileSystem files;
    Platform platform{scheduler, dialogs, random, clock, sound, cue, files,
                      ProgramDirs::forExecutable(QCoreApplication::applicationDirPath())};

    Game game(platform);
    game.quietNotices = comfortSettings.quietNotices;
    game.lastOuting = comforts::loadLastOuting();
    game.keepOuting = [](const comforts::LastOuting &outing) { comforts::saveLastOuting(outing); };
    game.screens().show(game.screens().form3());
    return QApplication::exec();
}
