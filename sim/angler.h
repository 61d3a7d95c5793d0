#pragma once

#include "simday.h"

#include "day/dayengine.h"

#include <QString>

// The simulated angler of one day, whatever he plays on: he watches the
// day's model, keeps the day's report, tells the listener what he sees, and
// acts after the delays of his config on the 10 ms grid. A driver gives him
// the day and the time, and carries out his presses, on the real screens or
// on the day's engine alone.
class SimAngler
{
public:
    SimAngler(const AnglerConfig &config, int day, quint64 seed, DayListener *listener);
    virtual ~SimAngler();
    SimAngler(const SimAngler &) = delete;
    SimAngler &operator=(const SimAngler &) = delete;

protected:
    virtual qint64 now() const = 0;
    // The day being played: the angler learns what the screen shows from it.
    virtual const DayEngine &engine() const = 0;
    // His hands: a press of the strike, O K, break and drop buttons.
    virtual void strike() = 0;
    virtual void ok() = 0;
    virtual void breakBall() = 0;
    virtual void drop() = 0;
    // Reads the fish listed since the last look (a driver that hears each
    // fish as it is listed has nothing to catch up on).
    virtual void catchUp() {}

    // The clock as the main screen reads it.
    QString clock() const;
    // A box of the day, as the engine tells it opens.
    void heard(DayMessage kind, const QString &text);
    // A fish put on the catch list.
    void listed(daylog::Fish kind, int length);
    void observe();
    void act();
    // Once the boatman has come, nothing can happen any more when every
    // timer of the fishing and the clock stands still and the angler has
    // nothing to do.
    bool quiet() const;
    // The next moment the angler means to act (-1: none).
    qint64 nextAction() const;
    void tell(SimEvent::Kind kind, SimEvent e = {});
    bool listening() const { return m_listener != nullptr; }
    // What is left to tell once the day is played (the clock of a day that
    // never ended, the time played, the day's log) and the report.
    SimDayReport finish(const daylog::LoggedDay &logged);

    const AnglerConfig &m_config;
    DayListener *m_listener;
    SimDayReport m_report;

private:
    // What the angler sees of the day at a glance.
    struct Sight
    {
        bool armed = false;    // a bite is under way
        bool window = false;   // the tip is held down: the strike is called for
        bool mulletOn = false; // a mullet has the bait
        bool picture = false;  // the landed chinu is on show
    };
    // The bite or fish of the moment.
    struct Fish
    {
        int biteClass = 0;
        QString kind;
        int length = 0;
    };
    Sight sight() const;
    Fish fish() const;
    // A timer of the clock or of the fishing still runs.
    bool dayMoves() const;
    // When the angler strikes at a bite seen now (-1: he never does).
    qint64 strikeTime() const { return m_config.strikeDelayMs < 0 ? -1 : now() + m_config.strikeDelayMs; }

    Sight m_seen;
    qint64 m_strikeAt = -1;
    qint64 m_okAt = -1;
    qint64 m_breakAt = -1;
};
