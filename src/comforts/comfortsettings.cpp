#include "comfortsettings.h"

#include <QSettings>

#include <memory>

namespace comforts {

namespace {

const QString MusicKey = QStringLiteral("sound/music");
const QString EffectsKey = QStringLiteral("sound/effects");
const QString MutedKey = QStringLiteral("sound/muted");
const QString PauseKey = QStringLiteral("play/pauseOnFocusLoss");
const QString QuietKey = QStringLiteral("play/quietNotices");
const QString LanguageKey = QStringLiteral("play/language");
const QString BiteCueKey = QStringLiteral("sound/biteCue");
const QString AnglerKey = QStringLiteral("last/angler");
const QString RaftKey = QStringLiteral("last/raft");
const QString FishKey = QStringLiteral("last/fish");
const QString EndTimeKey = QStringLiteral("last/endTime");

int readLevel(QSettings &settings, const QString &key, int fallback)
{
    bool ok = false;
    const int level = settings.value(key, fallback).toInt(&ok);
    return ok ? qBound(0, level, 100) : fallback;
}

bool readFlag(QSettings &settings, const QString &key, bool fallback)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return fallback;
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

} // namespace

ComfortSettings loadSettings(QSettings &settings)
{
    const ComfortSettings defaults;
    ComfortSettings values;
    values.sound.music = readLevel(settings, MusicKey, defaults.sound.music);
    values.sound.effects = readLevel(settings, EffectsKey, defaults.sound.effects);
    values.sound.muted = readFlag(settings, MutedKey, defaults.sound.muted);
    values.pauseOnFocusLoss = readFlag(settings, PauseKey, defaults.pauseOnFocusLoss);
    values.quietNotices = readFlag(settings, QuietKey, defaults.quietNotices);
    values.biteCue = readFlag(settings, BiteCueKey, defaults.biteCue);
    return values;
}

void saveSettings(QSettings &settings, const ComfortSettings &values)
{
    settings.setValue(MusicKey, values.sound.music);
    settings.setValue(EffectsKey, values.sound.effects);
    settings.setValue(MutedKey, values.sound.muted);
    settings.setValue(PauseKey, values.pauseOnFocusLoss);
    settings.setValue(QuietKey, values.quietNotices);
    settings.setValue(BiteCueKey, values.biteCue);
    settings.sync();
}

std::optional<UiLanguage> loadLanguage(QSettings &settings)
{
    return languageFromCode(settings.value(LanguageKey).toString());
}

void saveLanguage(QSettings &settings, std::optional<UiLanguage> language)
{
    if (language)
        settings.setValue(LanguageKey, languageCode(*language));
    else
        settings.remove(LanguageKey);
    settings.sync();
}

LastOuting loadLastOuting(QSettings &settings)
{
    LastOuting outing;
    outing.angler = settings.value(AnglerKey).toString();
    bool ok = false;
    const int raft = settings.value(RaftKey).toInt(&ok);
    outing.raft = ok && raft >= 1 && raft <= 5 ? raft : 0;
    outing.fish = settings.value(FishKey).toString();
    outing.endTime = settings.value(EndTimeKey).toString();
    return outing;
}

void saveLastOuting(QSettings &settings, const LastOuting &outing)
{
    settings.setValue(AnglerKey, outing.angler);
    settings.setValue(RaftKey, outing.raft);
    settings.setValue(FishKey, outing.fish);
    settings.setValue(EndTimeKey, outing.endTime);
    settings.sync();
}

// The program's name is the organisation too. It is given here rather than
// through QCoreApplication::setOrganizationName, which would move the user's
// data folder (an installed copy keeps its days under the application's
// data location).
namespace {

std::unique_ptr<QSettings> usersSettings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("namiyose"), QStringLiteral("namiyose"));
}

} // namespace

ComfortSettings loadSettings()
{
    return loadSettings(*usersSettings());
}

void saveSettings(const ComfortSettings &values)
{
    saveSettings(*usersSettings(), values);
}

std::optional<UiLanguage> loadLanguage()
{
    return loadLanguage(*usersSettings());
}

void saveLanguage(std::optional<UiLanguage> language)
{
    saveLanguage(*usersSettings(), language);
}

LastOuting loadLastOuting()
{
    return loadLastOuting(*usersSettings());
}

void saveLastOuting(const LastOuting &outing)
{
    saveLastOuting(*usersSettings(), outing);
}

} // namespace comforts
