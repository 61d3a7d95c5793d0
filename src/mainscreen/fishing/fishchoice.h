#pragma once

#include "daylog/ids.h"

#include <functional>
#include <optional>

// Which fish is at the bait and how long it is. Plain functions over the
// raft's conditions and the draws of the tick that started the bite.
namespace fishchoice {

struct Fish
{
    daylog::Fish kind = daylog::Fish::Chinu;
    int length = 0;
    bool operator==(const Fish &) const = default;
};

struct Input
{
    int stealerLevel = 0; // 1 few .. 3 many bait stealers
    int sizeFactor = 0;   // K: 1..3, fewer chinu are larger
    int averageSize = 0;  // A: the raft's average chinu in cm
    int tideMatch = 0;    // 1 on the raft's favourable tide
    int targetCode = 0;   // 1 chinu, 2 mullet
    // Draws of the rod-tip tick: BiteRolls[1], [3], [4], [5], [6], [7].
    int v1 = 0, v3 = 0, v4 = 0, v5 = 0, v6 = 0, v7 = 0;
    // Draws of the last mullet tick: TickRolls[4], [5].
    int tick4 = 0, tick5 = 0;
    // The length adjustment of a long chinu draws its own u of 1..15, made
    // only when a long chinu is adjusted; without it, adjustU is used.
    std::function<int()> drawAdjustU;
    int adjustU = 0;
};

// The fish of a chinu bite; none when the bait-stealer level is unknown.
std::optional<Fish> chooseFish(const Input &in);
std::optional<Fish> chooseFishOnFavourableTide(const Input &in);
// A large chinu when the draw allows one, else an ordinary chinu of
// A + V5 x V6.
Fish tryLargeChinu(const Input &in);
// Brings a long chinu back into the raft's range, with a fresh u of its
// own (the u that chose the branch would leave its 60 cm dream out of
// reach): never above 66 cm.
int adjustChinuLength(int length, const Input &in);
// A bait stealer or mullet (chinu target), or the struck mullet (mullet
// target); none for any other target or a V7 outside 1..10.
std::optional<Fish> chooseOtherFish(const Input &in);

} // namespace fishchoice
