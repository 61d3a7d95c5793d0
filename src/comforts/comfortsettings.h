#pragma once

#include "platform/sound.h"

class QSettings;

namespace comforts {

// The player's comforts that outlive a day, kept in the per-user settings.
// The defaults are the game as it always sounded and behaved.
struct ComfortSettings
{
    SoundLevels sound;
    bool pauseOnFocusLoss = false;
    bool operator==(const ComfortSettings &) const = default;
};

// Reads what is there; a missing or unreadable value is its default, and a
// level out of range is brought to 0..100.
ComfortSettings loadSettings(QSettings &settings);
void saveSettings(QSettings &settings, const ComfortSettings &values);

// The same through the standard per-user place of the program's settings.
ComfortSettings loadSettings();
void saveSettings(const ComfortSettings &values);

} // namespace comforts
