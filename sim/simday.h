#pragma once

#include "daylog/dayevent.h"
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <vector>

// A day is played on this grid of virtual time. Every interval of the game
// is a multiple of it and the day starts at 0, so stepping on it sees every
// change the moment it happens; the angler's delays must keep to it too.
constexpr int StepMs = 10;

// How the simulated angler fishes a day.
struct AnglerConfig
{
    int raft = 1;                 // 1..5
    QString target;               // "チヌ" or "ボラ"
    int endHour = 10;             // 10, 12, 15 or 17
    QString leader;               // as the rig screen offers it
    QString hook;
    QString bait;                 // empty for the mullet rig
    int strikeDelayMs = 300;      // from the bite that calls for a strike to the strike; -1: never
    int breakAfterMs = -1;        // breaks the ball this long after the drop; -1 lets it break
    int okDelayMs = 2000;         // looks at a landed chinu this long before "O K"
    bool redrop = false;          // drops whenever the game lets it, also after the boatman
    int overtimeMinutes = 180;    // game minutes past the end hour before a day counts as stuck (>= 1)
};

// One thing that happened in a day, as the angler saw it.
struct SimEvent
{
    enum Kind {
        Drop,          // Command1
        Break,         // Command2 (by the angler)
        Bite,          // a bite of biteClass (2..4) began (fish and length chosen)
        MulletTake,    // a mullet took the bait
        StrikeWindow,  // the fish holds the bait: the strike is called for
        Strike,        // Command3
        Hooked,        // the strike put the fish on the line
        TooEarly,      // the strike came before the fish held
        Missed,        // the window closed (or the mullet left) with no strike
        BaitTaken,
        MulletEscaped,
        Lost,          // a fish got away in the fight
        Listed,        // an entry of the catch list
        LandedChinu,   // the landed-chinu picture opened
        Ok,            // Command4
        Boatman,       // the boatman's message
        Message,       // any other message box
    };
    Kind kind = Message;
    qint64 ms = 0;          // virtual time since the start of the day
    QString clock;          // the main screen's clock as it read then
    bool afterBoatman = false;
    int biteClass = 0;
    QString fish;
    int length = 0;
    QString text;
};

// What one day came to.
struct SimDayReport
{
    int day = 0;
    quint64 seed = 0;
    std::array<int, 5> bites{}; // by class: 2 slight, 3 medium, 4 strong (0, 1 unused)
    int mulletTakes = 0;
    int windows = 0;
    int strikes = 0;
    int tooEarly = 0;
    int hooked = 0;
    int missed = 0;
    int baitTaken = 0;
    int mulletEscaped = 0;
    int losses = 0;
    std::map<QString, int> fish;    // listed fish by kind
    std::vector<int> chinuLengths;  // in cm, as listed
    int boatman = 0;                // boatman's messages
    bool ended = false;             // the boatman came
    QString endClock;               // the clock at his first message
    qint64 endMs = -1;
    int dropsAfterBoatman = 0;
    int bitesAfterBoatman = 0;
    QStringList listedAfterBoatman;
    QString stuckClock;             // the clock when a day that never ended was given up
    qint64 playedMs = 0;            // virtual time played
};

// Hears a simulated day as it happens. The text and JSON reports are built
// from the finished days; a store of the day's events (a day-log database)
// plugs in here as one more listener, fed event by event.
class DayListener
{
public:
    virtual ~DayListener() = default;
    virtual void dayStarted(int day, quint64 seed, const AnglerConfig &config);
    virtual void dayEvent(const SimEvent &event);
    virtual void dayFinished(const SimDayReport &report);
    // The day's log as the game kept it (the same events a saved day writes
    // to the log file), heard once the day is over.
    virtual void dayLogged(const daylog::LoggedDay &day);
};

// The settings screen's end time that ends the day at this hour ("10時まで"
// for 10); empty for an hour it does not offer.
QString endTimeFor(int hour);

// The seed of a day's stream, from the run's seed and the day's index.
quint64 daySeed(quint64 runSeed, int day);

// Plays one whole day of the real main screen on virtual time. Needs a
// QApplication. The listener may be null.
SimDayReport playDay(const AnglerConfig &config, int day, quint64 seed, DayListener *listener);

// Why the config cannot be fished, one line per mistake naming the option
// and the value (empty when it can be). playDay wants a config without any.
QStringList configProblems(const AnglerConfig &config);
