#pragma once

#include "app/uilanguage.h"
#include "platform/sound.h"

#include <QString>

class QSettings;

namespace comforts {

// The player's comforts that outlive a day, kept in the per-user settings.
// The defaults are the game as it always sounded and behaved.
struct ComfortSettings
{
    SoundLevels sound;
    bool pauseOnFocusLoss = false;
    // 知らせは状況表示だけ: the boxes that only tell of a miss or a lost
    // bait go to the status line instead.
    bool quietNotices = false;
    // 竿先が入ったら音で知らせる: a short sound as the strike window opens.
    bool biteCue = false;
    bool operator==(const ComfortSettings &) const = default;
};

// Reads what is there; a missing or unreadable value is its default, and a
// level out of range is brought to 0..100.
ComfortSettings loadSettings(QSettings &settings);
void saveSettings(QSettings &settings, const ComfortSettings &values);

// The same through the standard per-user place of the program's settings.
ComfortSettings loadSettings();
void saveSettings(const ComfortSettings &values);

// 言語: the language of the windows from the next start. None chosen (or a
// value the game does not know), the desktop's language decides.
std::optional<UiLanguage> loadLanguage(QSettings &settings);
void saveLanguage(QSettings &settings, std::optional<UiLanguage> language);
std::optional<UiLanguage> loadLanguage();
void saveLanguage(std::optional<UiLanguage> language);

// What the angler chose on the settings screen for the last crossing,
// offered again at the next start. Empty (raft 0) when nothing was kept;
// the texts are those of the screen's lists ("チヌ", "10時まで").
struct LastOuting
{
    QString angler;
    int raft = 0;
    QString fish;
    QString endTime;
    bool operator==(const LastOuting &) const = default;
};

// A raft out of 1..5 reads as none.
LastOuting loadLastOuting(QSettings &settings);
void saveLastOuting(QSettings &settings, const LastOuting &outing);
LastOuting loadLastOuting();
void saveLastOuting(const LastOuting &outing);

} // namespace comforts
