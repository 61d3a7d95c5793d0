#pragma once

#include "comforts/comfortsettings.h"
#include "day/day.h"
#include "daylog/dayevent.h"
#include "daylog/daylog.h"
#include "platform/platform.h"
#include "state/gamestate.h"

#include <QMetaObject>

#include <functional>
#include <memory>

class Screens;

// One run of the program: the shared game state, the platform it talks to
// and the screens. Ending the day ends the run.
class Game
{
public:
    explicit Game(Platform &platform);
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    GameState state;
    // Today's fishing day: what the main screen shows and plays.
    Day day;
    Platform &platform;
    // What happens on the raft, for the day's log, the status line and the
    // simulator to follow.
    daylog::DayEventHub dayEvents;
    // Today's events and the log of saved days (opened on first use).
    daylog::DayLog &dayLog() { return *m_dayLog; }

    Screens &screens() { return *m_screens; }

    // The player's own choices that outlive a run. main() fills them from
    // the per-user settings and gives keepOuting a place to write to; a
    // test or the simulator starts from the defaults and keeps nothing.
    bool quietNotices = false;        // 設定: 知らせは状況表示だけ
    comforts::LastOuting lastOuting;  // offered again on the settings screen
    std::function<void(const comforts::LastOuting &)> keepOuting;

    // Ends the program at once: every window closes without asking, no
    // timer ticks again, and the caller must do nothing more.
    void endProgram();
    // Another day in the same run: today's windows close, a fresh Day and
    // settings begin, and the settings screen comes back with the angler's
    // name in it. The saved files and the log are left as they are.
    void startNextDay();
    bool ending() const { return m_ending; }
    // The desktop session is ending (logout or shutdown): unlike the close
    // control, this is not refused; the program ends at once, between two
    // handlers, and every file is written whole or not at all.
    void endSession();

private:
    std::unique_ptr<daylog::DayLog> m_dayLog;
    std::unique_ptr<Screens> m_screens;
    bool m_ending = false;
    QMetaObject::Connection m_sessionEnd;
};
