#pragma once

#include "daylog/dayevent.h"

// A long, busy day on 北の離れ: every kind of event, cycle after cycle, from
// 7:00 to the boatman at 17:00. seed varies the day.
namespace busyday {

using daylog::DayEvent;
using daylog::EventKind;
using daylog::LoggedDay;
using daylog::Reason;

inline LoggedDay make(unsigned seed = 1, const QString &angler = QStringLiteral("浜の太郎"), int raft = 2,
                      int earlierLow = 4)
{
    LoggedDay day;
    day.angler = angler;
    day.raft = raft;
    day.targetFish = QStringLiteral("チヌ");
    day.date = QStringLiteral("2026-06-%1").arg(1 + seed % 28, 2, 10, QLatin1Char('0'));
    day.endHour = QStringLiteral("17");
    day.earlierLow = earlierLow;
    day.laterLow = earlierLow + 12;
    day.firstHigh = (earlierLow + 6) % 24;
    day.secondHigh = (earlierLow + 18) % 24;
    day.dayFileName = QStringLiteral("%1.txt").arg(seed);

    static const QString baits[] = {QStringLiteral("アケミ貝"), QStringLiteral("ボケ"), QStringLiteral("エビ"),
                                    QStringLiteral("オキアミ"), QStringLiteral("カニ"), QStringLiteral("サナギ")};
    static const QString fish[] = {QStringLiteral("フグ"), QStringLiteral("アジ"), QStringLiteral("コノシロ")};
    unsigned r = seed * 2654435761u + 12345u;
    const auto next = [&r](unsigned n) {
        r = r * 1103515245u + 12345u;
        return (r >> 16) % n;
    };
    QString bait = baits[next(6)];
    const auto at = [&](EventKind kind, int minute, Reason reason = Reason::None) {
        DayEvent e;
        e.kind = kind;
        e.gameMinute = minute;
        e.reason = reason;
        e.raft = raft;
        e.targetFish = day.targetFish;
        e.leader = QStringLiteral("2号");
        e.hook = QStringLiteral("4号");
        e.bait = bait;
        const int sinceLow = ((minute - earlierLow * 60) % 720 + 720) % 720;
        e.tideDirection = sinceLow < 360 ? QStringLiteral("満") : QStringLiteral("引");
        day.events.push_back(e);
        return &day.events.back();
    };

    at(EventKind::DayStarted, 420);
    int t = 422;
    while (t < 17 * 60 - 15) {
        at(EventKind::Dropped, t);
        t += 1 + int(next(3));
        at(EventKind::BallBroken, t, next(5) == 0 ? Reason::BrokeByItself : Reason::BrokenByAngler);
        t += 2 + int(next(8));
        const unsigned outcome = next(10);
        DayEvent *bite = at(EventKind::Bite, t, outcome < 2 ? Reason::Nibble : Reason::Holds);
        bite->biteClass = 2 + int(next(3));
        t += 1;
        switch (outcome) {
        case 0: at(EventKind::StrikeMissed, t, Reason::StruckWhileNibbling); break;
        case 1: at(EventKind::StrikeMissed, t, Reason::StruckBeforeHookSet); break;
        case 2: at(EventKind::StrikeMissed, t, Reason::StruckAfterLetGo); break;
        case 3: at(EventKind::BaitTaken, t, Reason::BaitStolen); break;
        case 4: {
            at(EventKind::StrikeHooked, t);
            t += 2;
            DayEvent *lost = at(EventKind::FishLost, t, Reason::LineParted);
            lost->lineStrain = 60 + int(next(40));
            lost->draw = 1 + int(next(5));
            lost->band = 5;
            break;
        }
        case 5: at(EventKind::StrikeMissed, t, Reason::StruckAtNothing); break;
        default: {
            at(EventKind::StrikeHooked, t);
            t += 2 + int(next(4));
            DayEvent *fishLanded = at(EventKind::FishLanded, t);
            if (outcome >= 8) {
                fishLanded->fish = QStringLiteral("チヌ");
                fishLanded->length = 24 + int(next(25));
            } else {
                fishLanded->fish = fish[next(3)];
                fishLanded->length = 10 + int(next(15));
            }
            break;
        }
        }
        t += 3 + int(next(10));
        if (next(6) == 0) {
            bait = baits[next(6)];
            at(EventKind::BaitChanged, t);
            t += 1;
        }
    }
    at(EventKind::DayEnded, 17 * 60, Reason::EndHour);
    return day;
}

} // namespace busyday
