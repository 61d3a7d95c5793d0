#pragma once

#include "daylog/dayevent.h"
#include "mainscreen/fishing/biterules.h"

#include <memory>

class Form1;
class QLabel;

// The main screen's side of the day's events: reads the clock, the tide
// gauge, the rig and the raft off the screen, asks the rules why, and
// passes the event to the game's hub. The fishing code calls it with one
// line at each step it takes.
class DayReport
{
public:
    explicit DayReport(Form1 &form);
    ~DayReport();
    DayReport(const DayReport &) = delete;
    DayReport &operator=(const DayReport &) = delete;

    // An event of this kind now, with the screen's clock, tide, rig and raft
    // and the bite and fish as they stand.
    daylog::DayEvent event(daylog::EventKind kind, daylog::Reason reason = daylog::Reason::None) const;
    void report(const daylog::DayEvent &event);
    void report(daylog::EventKind kind, daylog::Reason reason = daylog::Reason::None)
    {
        report(event(kind, reason));
    }

    // スタート: the log begins the day.
    void dayStarted();
    // The ball timer ran out before the angler broke it.
    void ballBreaksItself() { m_ballBreaksItself = true; }
    void ballBroken();
    void bite(biterules::Opening opening);
    // Before the strike acts: the bite as the strike finds it.
    void chinuStrike(int biteArmed);
    void baitGone();
    // The fight's one draw against its band.
    void fightDecided(int lineStrain, int draw);
    void chinuFightEnded(bool lost);
    void mulletFightEnded(bool lost, int draw);
    // The boatman came at the end hour (reported once a day).
    void dayEnded();
    // 納竿 before the boatman came.
    void packedUp();

    // The quiet line under the fishing buttons.
    QLabel *statusLabel() const { return m_status; }

private:
    class StatusLine;

    Form1 &m_form;
    QLabel *m_status = nullptr;
    bool m_ballBreaksItself = false;
    bool m_dayEnded = false;
    int m_lineStrain = 0;
    int m_draw = 0;
    std::unique_ptr<StatusLine> m_statusLine;
};
