#pragma once

#include "daylog/dayevent.h"

#include <QString>

#include <array>
#include <vector>

// What the logged days add up to: how often a bite became a strike, a strike
// a fish on, a fish on a fish landed; when, on which tide, with which bait and
// on which raft the fish came; and the best chinu.
namespace daylog {

// Which days count: one angler (empty: every angler) and one raft (0: every
// raft).
struct StatsFilter
{
    QString angler;
    int raft = 0;
};

// A share that is never a division by zero: nothing tried is 0.
double rate(int part, int whole);

struct Rates
{
    int bites = 0;          // あたり, a mullet taking the bait included
    int strikes = 0;        // every あわせ
    int hooked = 0;         // strikes that set the hook
    int tooEarly = 0;       // while nibbling, or before the hook was in
    int tooLate = 0;        // after the fish let go
    int atNothing = 0;      // nothing was at the bait
    int landed = 0;         // every fish landed
    int lost = 0;           // fish lost in the fight
    int baitTaken = 0;      // bait stolen, or the fish let go before the strike

    int missed() const { return strikes - hooked; }
    double strikesPerBite() const { return rate(strikes, bites); }
    double hookedPerStrike() const { return rate(hooked, strikes); }
    double landedPerHooked() const { return rate(landed, landed + lost); }
    double landedPerBite() const { return rate(landed, bites); }
};

// One bar: every fish landed, the chinu among them, and the minutes fished
// in the bar's hours (with its bait, on its raft), so that an hour fished
// often does not look better than one that gave more for its time.
struct CatchBar
{
    int catches = 0;
    int chinu = 0;
    int minutes = 0;

    // Fish landed per hour fished; nothing fished is 0.
    double perHour(int fish) const { return minutes > 0 ? fish * 60.0 / minutes : 0.0; }
};

// The longest chinu of a group, and whose it was (length 0: none yet).
struct BestChinu
{
    int length = 0;
    QString angler;
    QString date;
};

// The clock runs from 7:00 and may stay on past 17:00 while a fish is on.
constexpr int FirstClockHour = 7;
constexpr int LastClockHour = 17;
constexpr int ClockHourBars = LastClockHour - FirstClockHour + 1;
// Whole hours since the last low water: 0..5 rising, 6..11 falling.
constexpr int TideHourBars = 12;
constexpr int RaftCount = 5;

// The six baits in the game's order.
const std::array<QString, 6> &baitNames();

struct DayStats
{
    int days = 0;
    double hoursFished = 0;
    Rates rates;
    std::array<CatchBar, ClockHourBars> byClockHour{};  // [0] is 7:00-7:59; the last holds the later ones too
    std::array<CatchBar, TideHourBars> byHoursFromLow{};
    std::array<CatchBar, 6> byBait{};                   // in baitNames() order
    std::array<CatchBar, RaftCount> byRaft{};           // [0] is raft 1
    std::array<BestChinu, RaftCount> bestByRaft{};
    std::array<BestChinu, 6> bestByBait{};
};

// Whole hours since the last low water at a game minute, for a day whose
// earlier low water is earlierLow (1..12); -1 when the day's tide is unknown.
// The gauge turns on the hour every six hours, so lows lie twelve hours apart.
int hoursFromLowWater(int earlierLow, int gameMinute);
inline bool risingAt(int hoursFromLow) { return hoursFromLow >= 0 && hoursFromLow < 6; }

// The minutes the angler was at it: from the start of the day to its end (or
// to the last event, when the end was not logged).
int minutesFished(const LoggedDay &day);

// Adds the day's minutes fished to the bars they fell in: by clock hour (the
// last bar takes the minutes past it), by hours from low water (none when the
// tide is unknown), by the bait on the hook (from each step to the next), and
// to the day's raft.
void addMinutesFished(DayStats &stats, const LoggedDay &day);

DayStats dayStats(const std::vector<LoggedDay> &days, const StatsFilter &filter = {});

// One day's own figures (days is 1): what the log keeps as the day's summary,
// so that the figures of many days are sums of these.
DayStats statsOfDay(const LoggedDay &day);

} // namespace daylog
