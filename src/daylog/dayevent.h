#pragma once

#include <QString>

#include <vector>

// What happened on the raft, moment by moment: the fishing code reports
// each step of a cycle with the values that decided it, and its listeners
// (the day's log, the status line under the fishing buttons, the
// simulator) make of it what they need. Plain values, no widgets.
namespace daylog {

enum class EventKind {
    DayStarted,    // スタート: the clock runs
    Dropped,       // a groundbait ball went down
    BallBroken,    // the ball opened (by the angler, or by itself: reason)
    Bite,          // a fish came to the bait (biteClass, and the opening as reason)
    StrikeHooked,  // the strike set the hook: a fight begins
    StrikeMissed,  // the strike came too early, too late or at nothing (reason)
    FishLanded,    // fish and length; a chinu of 30 cm or more is shown
    FishLost,      // the fish got away in the fight (lineStrain, draw, band)
    BaitTaken,     // the bait was stolen or the fish let go (reason)
    BaitChanged,   // エサの交換 (bait = the new bait)
    MulletTook,    // a mullet took the bait
    MulletEscaped, // the mullet let go before the strike
    DayEnded,      // the boatman came (end hour) or 納竿
};

// Why a cycle turned out as it did: what the player can learn from it.
enum class Reason {
    None,
    BrokenByAngler,   // ダンゴを割る
    BrokeByItself,    // the ball opened on its own before the angler broke it
    Nibble,           // the tip only twitched: a fish nibbling
    SlowPull,         // one slow pull of the tip
    FastPull,         // the tip pulled down step by step
    Holds,            // the fish holds the bait: the moment to strike
    Steals,           // a fish is taking the bait with no hook-up
    StruckWhileNibbling,   // too early: the fish was only nibbling
    StruckBeforeHookSet,   // too early: the fish held the bait but the hook was not in yet
    StruckAfterLetGo,      // too late: the tip had risen again, the fish let go
    StruckAtNothing,       // nothing was at the bait: the groundbait is given up
    StruckWhileStealing,   // too early: the fish was taking the bait with no hook-up to be had
    StruckNoFish,          // too early: the tip moved, but no fish had been chosen for it
    LineParted,       // the line parted under the strain (lineStrain, draw, band)
    HookPulled,       // the mullet came off the hook
    BaitStolen,       // bait stealers took the bait
    LetGo,            // the fish let go of the bait before the strike
    EndHour,          // the boatman came at the end hour
    AnglerEnded,      // 納竿
    StruckOnStealer,  // a bait stealer held the tip down: no timing hooks it
    NotStruck,        // the fish was on the hook while the tip moved; no strike came before the bait was gone
};

struct DayEvent
{
    EventKind kind = EventKind::DayStarted;
    Reason reason = Reason::None;

    // When and in what water: minutes since midnight of the game clock
    // (7:00 is 420), the tide gauge's level 0..257 (0 low water, 257 high
    // water) and whether the tide is rising ("満") or falling ("引").
    int gameMinute = 420;
    int tideLevel = 0;
    QString tideDirection;

    // The rig and the place.
    int raft = 0; // 1..5
    QString targetFish; // "チヌ" or "ボラ"
    QString leader, hook, bait;

    // The values that decided it, where they apply (0 otherwise).
    int biteClass = 0;  // 2 slight, 3 medium, 4 strong
    int hookPhase = 0;  // 0 nothing, 1 the fish holds the bait, 2 bait taken without hook-up
    int lineStrain = 0; // the fight's strain on the line
    int draw = 0;       // the deciding draw (e.g. the 1..20 draw of a loss)
    int band = 0;       // how many of the 20 draws lose a fish at this strain (chance = band x 5 %)
    // The chance the fight was going to lose the fish, 0..1, exactly as the
    // rule gave it when the fish was hooked (a chinu's is band / 20).
    double lossChance = 0;

    // The fish, where one is known.
    QString fish; // "チヌ", "ボラ", "フグ", ...
    int length = 0; // cm
};

// One fishing day as the log keeps it: who fished where, when it was
// saved (if it was), and its events in order.
struct LoggedDay
{
    qint64 id = 0;          // the log's own number for the day (0 before it is stored)
    QString angler;
    int raft = 0;           // 1..5
    QString targetFish;     // "チヌ" or "ボラ"
    QString date;           // "yyyy-MM-dd" of the day played
    QString endHour;        // "10", "12", "15" or "17"
    int firstHigh = 0;      // today's tide hours, as the settings screen drew them
    int secondHigh = 0;
    int earlierLow = 0;
    int laterLow = 0;
    QString dayFileName;    // the day file it was saved as; empty when not saved
    std::vector<DayEvent> events;
};

// A listener of the day's events.
class DayEventListener
{
public:
    virtual ~DayEventListener() = default;
    virtual void dayEvent(const DayEvent &event) = 0;
};

// Passes every event to its listeners in the order they were added. The
// listeners are not owned; a listener removes itself before it goes.
class DayEventHub final : public DayEventListener
{
public:
    void add(DayEventListener *listener) { m_listeners.push_back(listener); }
    void remove(DayEventListener *listener)
    {
        std::erase(m_listeners, listener);
    }
    void dayEvent(const DayEvent &event) override
    {
        const std::vector<DayEventListener *> listeners = m_listeners;
        for (DayEventListener *listener : listeners)
            listener->dayEvent(event);
    }

private:
    std::vector<DayEventListener *> m_listeners;
};

} // namespace daylog
