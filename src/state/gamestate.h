#pragma once

#include "day/day.h"
#include "daylog/ids.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// The one record of game-wide values that every screen reads and writes.
// Unset numbers are 0 and unset texts are empty, so "not chosen yet" tests
// the same way whether a value was never written or written as nothing.
struct GameState
{
    // Settings and raft of the day
    QString AppDir;            // where the data folder lives, no trailing separator
    QString DataDir;           // AppDir + "/fishingdata"
    QString AnglerName;
    int SpotNo = 0;            // 1..5, 0 before a raft is chosen
    std::optional<daylog::Fish> TargetFish; // チヌ or ボラ, none before it is chosen
    int TargetCode = 0;        // 1 チヌ, 2 ボラ
    QString EndHour;           // "10", "12", "15" or "17"
    int DayMinutes = 0;        // (EndHour - 7) * 60
    // The rig as the rig screen's options stand: none until a part is picked.
    std::optional<daylog::Leader> Leader;
    std::optional<daylog::Hook> Hook;
    std::optional<daylog::Bait> Bait;
    int DepthLevel = 0;
    int CurrentLevel = 0;
    int StealerLevel = 0;
    int ChinuDensity = 0;
    int SizeFactor = 0;
    int AverageSize = 0;       // the raft's average chinu: 20, 25 or 30 cm
    TideDirection FavourableTide = TideDirection::Unknown; // the tide the raft fishes best on

    // Current bite and fight
    int HookPhase = 0;         // 0 nothing pending, 1 a fish holds the bait, 2 bait taken without hook-up
    std::optional<daylog::Fish> FishKind; // the fish at the bait, none before the first bite
    std::int16_t FishLength = 0;
    std::array<int, 16> BiteRolls{};
    std::array<std::int16_t, 7> TickRolls{};
    int BitePattern = 0;
    int BiteStep = 0;
    int BiteTicks = 0;
    int BiteClass = 0;
    std::int16_t BiteCounter = 0;
    int TipPictureIndex = 0;
    int TipToggle = 0;
    int RodFrame = 0;
    int RodSoundState = 0;     // 1 play on next tick, 0 counting to a replay, 2 stop
    int RodSoundTicks = 0;

    // Day's totals and record buffers
    int ChinuCount = 0;
    int LongestChinu = 0;
    std::int16_t ChinuTotalLength = 0;
    QString SaveStamp;         // "yyyy年mm月dd日hh時nn分"
    int Answer = 0;            // 6 Yes, 7 No, 1 OK, 2 Cancel
    QStringList AnglerNames;   // the names of the angler list, in file order (no size limit)
    QStringList RecordFileLines;
    QStringList RecordLines;
    int DirEntryCount = 0;
};
