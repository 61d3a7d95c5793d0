#pragma once

#include "daylog/dayevent.h"

#include <vector>

// A few logged days with every kind of outcome, small enough to count by
// hand: 太郎 on raft 1 and raft 3, 花子 on raft 3.
namespace statsfixture {

using daylog::DayEvent;
using daylog::EventKind;
using daylog::LoggedDay;
using daylog::Reason;

inline DayEvent event(EventKind kind, int minute, Reason reason = Reason::None)
{
    DayEvent e;
    e.kind = kind;
    e.gameMinute = minute;
    e.reason = reason;
    e.bait = QStringLiteral("ボケ");
    return e;
}

inline DayEvent landed(int minute, const QString &fish, int length, const QString &bait)
{
    DayEvent e = event(EventKind::FishLanded, minute);
    e.fish = fish;
    e.length = length;
    e.bait = bait;
    return e;
}

inline LoggedDay day(const QString &angler, int raft, int earlierLow, const QString &date)
{
    LoggedDay d;
    d.angler = angler;
    d.raft = raft;
    d.earlierLow = earlierLow;
    d.date = date;
    d.targetFish = QStringLiteral("チヌ");
    return d;
}

inline std::vector<LoggedDay> days()
{
    const QString chinu = QStringLiteral("チヌ");
    // Low water at 3:00 and 15:00; 7:00 to 12:00.
    LoggedDay a = day(QStringLiteral("太郎"), 1, 3, QStringLiteral("2026-05-01"));
    a.events = {
        event(EventKind::DayStarted, 420),
        event(EventKind::Dropped, 425),
        event(EventKind::Bite, 430, Reason::Holds),
        event(EventKind::StrikeHooked, 431),
        landed(440, chinu, 42, QStringLiteral("ボケ")),
        event(EventKind::Bite, 505, Reason::Nibble),
        event(EventKind::StrikeMissed, 506, Reason::StruckWhileNibbling),
        event(EventKind::Bite, 560, Reason::SlowPull),
        event(EventKind::StrikeMissed, 561, Reason::StruckAfterLetGo),
        event(EventKind::Bite, 600, Reason::Holds),
        event(EventKind::StrikeHooked, 601),
        event(EventKind::FishLost, 610, Reason::LineParted),
        event(EventKind::Bite, 650, Reason::Holds),
        event(EventKind::StrikeHooked, 651),
        landed(660, QStringLiteral("フグ"), 15, QStringLiteral("エビ")),
        event(EventKind::BaitTaken, 680, Reason::BaitStolen),
        event(EventKind::DayEnded, 720, Reason::EndHour),
    };
    // Low water at 1:00 and 13:00; 7:00 to 15:00.
    LoggedDay b = day(QStringLiteral("花子"), 3, 1, QStringLiteral("2026-05-02"));
    b.events = {
        event(EventKind::DayStarted, 420),
        event(EventKind::MulletTook, 430),
        event(EventKind::StrikeHooked, 431),
        landed(450, QStringLiteral("ボラ"), 50, QStringLiteral("サナギ")),
        event(EventKind::Bite, 700, Reason::Steals),
        event(EventKind::StrikeMissed, 701, Reason::StruckAtNothing),
        event(EventKind::Bite, 800, Reason::Holds),
        event(EventKind::StrikeHooked, 801),
        landed(810, chinu, 38, QStringLiteral("ボケ")),
        event(EventKind::DayEnded, 900, Reason::AnglerEnded),
    };
    // An unknown tide, no start or end logged, a fish landed after 17:00.
    LoggedDay c = day(QStringLiteral("太郎"), 3, 0, QStringLiteral("2026-05-03"));
    c.events = {
        event(EventKind::Bite, 480, Reason::Holds),
        event(EventKind::StrikeHooked, 481),
        landed(1090, chinu, 45, QStringLiteral("アケミ貝")),
    };
    // As long as 太郎's but later: the record stays his.
    LoggedDay d = day(QStringLiteral("花子"), 3, 1, QStringLiteral("2026-05-04"));
    d.events = {
        event(EventKind::DayStarted, 420),
        event(EventKind::DayEnded, 420, Reason::AnglerEnded),
    };
    d.events.insert(d.events.begin() + 1, landed(420, chinu, 45, QStringLiteral("アケミ貝")));
    return {a, b, c, d};
}

} // namespace statsfixture
