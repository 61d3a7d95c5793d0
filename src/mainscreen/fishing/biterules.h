#pragma once

#include "day/day.h"

#include <QString>

#include <array>
#include <optional>

// Whether a fish comes to the bait on a rod-tip tick, how it bites and how
// its bite sequence opens. Plain functions over the tick's draws.
namespace biterules {

// Leader number + depth class + current class: 3..9 for a chinu rig.
int rigFigure(int leader, int depthLevel, int currentLevel);
// The highest tick draw that still lets a fish come: light rigs in shallow,
// slack water fool more fish.
int gateLimit(int rigFigure);
bool passesGate(int n, int limit);

// The tide checks of a rod-tip tick with n = the tick's draw for the raft's
// chinu density. tideMatch is set only when the tide is one of 引/満 and the
// raft's favourable tide is known.
struct TideCheck
{
    std::optional<int> tideMatch;
    bool runGate = false;
};
TideCheck checkTide(TideDirection tideNow, TideDirection favourableTide, int n);

// The bait on the hook is good when it is one of today's three.
bool isGoodBait(std::optional<daylog::Bait> bait, const std::array<std::optional<daylog::Bait>, 3> &goodBaits);
// Bite class 2 (slight), 3 (medium), 4 (strong), or 0 for no bite.
int biteClass(int n, bool goodBait);
// The rod-tip element shown when a bite of the class starts: 3, 5 or 7.
int firstTipPicture(int biteClass);

// How a bite opens, by class and the draw v (BiteRolls[3], 1..10).
enum class Opening {
    None,     // no such draw: nothing starts
    Nibble,   // bite timer: the tip twitches
    SlowPull, // bite timer: one slow pull
    FastPull, // bite timer: pulled down step by step
    Holds,    // the fish holds the bait at once: strike window
    Steals,   // the bait is being taken with no hook-up
};
Opening opening(int biteClass, int v);
// The bite pattern 1..6 of an opening that runs the bite timer; 0 otherwise.
int bitePattern(int biteClass, Opening opening);
// First interval of the bite timer for a pattern, v1 = BiteRolls[1] (1..3).
int firstBiteInterval(int pattern, int v1);
// A nibble is hooked from its first twitch when w (BiteRolls[8]) is 1 or 2.
bool nibbleHooked(int w);
// The lower of the two rod-tip elements a nibble alternates between.
int nibbleTipBase(int biteClass);

} // namespace biterules
