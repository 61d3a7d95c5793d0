#include "biterules.h"

#include <algorithm>

namespace biterules {

int rigFigure(int leader, int depthLevel, int currentLevel)
{
    return leader + depthLevel + currentLevel;
}

int gateLimit(int rigFigure)
{
    if (rigFigure == 3 || rigFigure == 4)
        return 8;
    if (rigFigure == 5 || rigFigure == 6)
        return 6;
    return 4;
}

bool passesGate(int n, int limit)
{
    return n >= 1 && n <= limit;
}

TideCheck checkTide(TideDirection tideNow, TideDirection favourableTide, int n)
{
    // Off the favourable tide only the low draws (5 in the draw's range)
    // get as far as the gate.
    const bool offTideChance = n >= 1 && n <= 5;
    const bool favoursEbb = favourableTide == TideDirection::Ebb;
    const bool favoursFlood = favourableTide == TideDirection::Flood;
    TideCheck check;
    if (tideNow == TideDirection::Ebb) {
        if (favoursEbb) {
            check.tideMatch = 1;
            check.runGate = true;
        } else if (favoursFlood) {
            check.tideMatch = 0;
            check.runGate = offTideChance;
        }
    }
    if (tideNow == TideDirection::Flood) {
        if (favoursEbb) {
            check.tideMatch = 0;
            check.runGate = offTideChance;
        } else if (favoursFlood) {
            check.tideMatch = 1;
            check.runGate = true;
        }
    }
    return check;
}

bool isGoodBait(std::optional<daylog::Bait> bait, const std::array<std::optional<daylog::Bait>, 3> &goodBaits)
{
    return bait && std::find(goodBaits.begin(), goodBaits.end(), bait) != goodBaits.end();
}

int biteClass(int n, bool goodBait)
{
    static constexpr int plain[9] = {0, 0, 0, 3, 0, 4, 2, 3, 0};
    static constexpr int good[9] = {0, 2, 3, 0, 2, 3, 4, 2, 2};
    if (n < 1 || n > 8)
        return 0;
    return goodBait ? good[n] : plain[n];
}

int firstTipPicture(int biteClass)
{
    return 2 * biteClass - 1;
}

Opening opening(int biteClass, int v)
{
    if (biteClass == 2 || biteClass == 3) {
        switch (v) {
        case 1: case 2: return Opening::Nibble;
        case 3: case 4: return Opening::SlowPull;
        case 5: case 6: return Opening::FastPull;
        case 7: case 8: case 9: return Opening::Holds;
        case 10: return Opening::Steals;
        default: return Opening::None;
        }
    }
    if (biteClass == 4) {
        if (v >= 1 && v <= 7)
            return Opening::Holds;
        if (v >= 8 && v <= 10)
            return Opening::Steals;
    }
    return Opening::None;
}

int bitePattern(int biteClass, Opening opening)
{
    const int base = biteClass == 2 ? 0 : biteClass == 3 ? 3 : -1;
    if (base < 0)
        return 0;
    switch (opening) {
    case Opening::Nibble: return base + 1;
    case Opening::SlowPull: return base + 2;
    case Opening::FastPull: return base + 3;
    default: return 0;
    }
}

int firstBiteInterval(int pattern, int v1)
{
    switch (pattern) {
    case 1: case 4: return 200;
    case 2: case 5: return 800 * v1;
    case 3: case 6: return 500;
    default: return 0;
    }
}

bool nibbleHooked(int w)
{
    return w == 1 || w == 2;
}

int nibbleTipBase(int biteClass)
{
    return biteClass == 3 ? 5 : 2;
}

} // namespace biterules
