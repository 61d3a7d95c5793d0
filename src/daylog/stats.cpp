#include "daylog/stats.h"

#include "daylog/ids.h"

#include <algorithm>

namespace daylog {

namespace {

const QString &chinuName()
{
    static const QString name = displayName(Fish::Chinu);
    return name;
}

int baitIndex(const QString &bait)
{
    const auto &names = baitNames();
    const auto it = std::find(names.begin(), names.end(), bait);
    return it == names.end() ? -1 : int(it - names.begin());
}

void count(CatchBar &bar, bool chinu)
{
    ++bar.catches;
    if (chinu)
        ++bar.chinu;
}

void keepLonger(BestChinu &best, int length, const LoggedDay &day)
{
    // The first to reach a length keeps it: a later tie does not take it away.
    if (length > best.length)
        best = BestChinu{length, day.angler, day.date};
}

void countEvent(DayStats &stats, const LoggedDay &day, const DayEvent &e)
{
    Rates &r = stats.rates;
    switch (e.kind) {
    case EventKind::Bite:
    case EventKind::MulletTook:
        ++r.bites;
        break;
    case EventKind::StrikeHooked:
        ++r.strikes;
        ++r.hooked;
        break;
    case EventKind::StrikeMissed:
        ++r.strikes;
        if (e.reason == Reason::StruckAfterLetGo)
            ++r.tooLate;
        else if (e.reason == Reason::StruckAtNothing)
            ++r.atNothing;
        else
            ++r.tooEarly;
        break;
    case EventKind::FishLost:
        ++r.lost;
        break;
    case EventKind::BaitTaken:
    case EventKind::MulletEscaped:
        ++r.baitTaken;
        break;
    case EventKind::FishLanded: {
        ++r.landed;
        const bool chinu = e.fish == chinuName();
        const int hour = std::clamp(e.gameMinute / 60, FirstClockHour, LastClockHour);
        count(stats.byClockHour[size_t(hour - FirstClockHour)], chinu);
        const int fromLow = hoursFromLowWater(day.earlierLow, e.gameMinute);
        if (fromLow >= 0)
            count(stats.byHoursFromLow[size_t(fromLow)], chinu);
        const int bait = baitIndex(e.bait);
        if (bait >= 0)
            count(stats.byBait[size_t(bait)], chinu);
        if (day.raft >= 1 && day.raft <= RaftCount)
            count(stats.byRaft[size_t(day.raft - 1)], chinu);
        if (chinu) {
            if (day.raft >= 1 && day.raft <= RaftCount)
                keepLonger(stats.bestByRaft[size_t(day.raft - 1)], e.length, day);
            if (bait >= 0)
                keepLonger(stats.bestByBait[size_t(bait)], e.length, day);
        }
        break;
    }
    default:
        break;
    }
}

void countDay(DayStats &stats, const LoggedDay &day)
{
    ++stats.days;
    for (const DayEvent &e : day.events)
        countEvent(stats, day, e);
    addMinutesFished(stats, day);
}

// The start and end minutes that minutesFished() counts between.
std::pair<int, int> fishedSpan(const LoggedDay &day)
{
    if (day.events.empty())
        return {0, 0};
    int start = day.events.front().gameMinute;
    int end = day.events.back().gameMinute;
    for (const DayEvent &e : day.events) {
        if (e.kind == EventKind::DayStarted)
            start = e.gameMinute;
        else if (e.kind == EventKind::DayEnded)
            end = e.gameMinute;
    }
    return {start, std::max(start, end)};
}

} // namespace

double rate(int part, int whole)
{
    return whole > 0 ? double(part) / double(whole) : 0.0;
}

const std::array<QString, 6> &baitNames()
{
    static const std::array<QString, 6> names = [] {
        std::array<QString, 6> captions;
        for (size_t i = 0; i < captions.size(); ++i)
            captions[i] = displayName(allBaits().at(i));
        return captions;
    }();
    return names;
}

int hoursFromLowWater(int earlierLow, int gameMinute)
{
    if (earlierLow < 1 || earlierLow > 12 || gameMinute < 0)
        return -1;
    const int sinceLow = ((gameMinute - earlierLow * 60) % 720 + 720) % 720;
    return sinceLow / 60;
}

int minutesFished(const LoggedDay &day)
{
    const auto [start, end] = fishedSpan(day);
    return end - start;
}

void addMinutesFished(DayStats &stats, const LoggedDay &day)
{
    const auto [start, end] = fishedSpan(day);
    // Clock hours and hours from low water both turn on the hour.
    for (int m = start; m < end;) {
        const int next = std::min(end, (m / 60 + 1) * 60);
        const int hour = std::clamp(m / 60, FirstClockHour, LastClockHour);
        stats.byClockHour[size_t(hour - FirstClockHour)].minutes += next - m;
        const int fromLow = hoursFromLowWater(day.earlierLow, m);
        if (fromLow >= 0)
            stats.byHoursFromLow[size_t(fromLow)].minutes += next - m;
        m = next;
    }
    // Each step's bait stays on the hook until the next step.
    for (size_t i = 0; i < day.events.size(); ++i) {
        const int from = std::max(start, day.events[i].gameMinute);
        const int to = std::min(end, i + 1 < day.events.size() ? day.events[i + 1].gameMinute : end);
        const int bait = baitIndex(day.events[i].bait);
        if (bait >= 0 && to > from)
            stats.byBait[size_t(bait)].minutes += to - from;
    }
    if (day.raft >= 1 && day.raft <= RaftCount)
        stats.byRaft[size_t(day.raft - 1)].minutes += end - start;
}

DayStats dayStats(const std::vector<LoggedDay> &days, const StatsFilter &filter)
{
    DayStats stats;
    int minutes = 0;
    for (const LoggedDay &day : days) {
        if (!filter.angler.isEmpty() && day.angler != filter.angler)
            continue;
        if (filter.raft != 0 && day.raft != filter.raft)
            continue;
        countDay(stats, day);
        minutes += minutesFished(day);
    }
    stats.hoursFished = minutes / 60.0;
    return stats;
}

DayStats statsOfDay(const LoggedDay &day)
{
    DayStats stats;
    countDay(stats, day);
    stats.hoursFished = minutesFished(day) / 60.0;
    return stats;
}

} // namespace daylog
