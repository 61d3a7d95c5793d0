#pragma once

#include "day/day.h"
#include "daylog/dayevent.h"
#include "mainscreen/fishing/biterules.h"
#include "mainscreen/fishing/fishchoice.h"
#include "platform/timer.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

struct GameState;
struct Platform;
class RandomSource;
class QObject;

// What a box of the day tells: its text is the game's own, its kind is for
// whoever counts the day's boxes without reading them.
enum class DayMessage {
    BoatmanTimeUp, // the boatman has come: the day is over
    TooEarly,      // the strike came too early (also on a bait stealer's hold)
    BaitTaken,     // the bait is gone
    StrikeFailed,  // the strike could not be carried out
    FishLost,      // the fight lost the fish
    FishLanded,    // a fish is landed (not the big chinu, which has its picture)
    MulletEscaped, // the mullet let go before the strike
    MulletLost,    // the mullet came off the hook
};

// What the engine asks of whoever shows the day. The main screen draws the
// model; the simulator's angler watches it; every call does nothing unless
// overridden, so a headless day needs none of them.
class DayScreen
{
public:
    virtual ~DayScreen();
    // The buttons and menus changed (Day::controls): draw them.
    virtual void showControls() {}
    // The angler's next step has the focus (the controls are drawn first).
    virtual void focusOn(DayControl) {}
    virtual void showTip(int /*element*/) {}
    virtual void showRod(int /*element*/) {}
    // The clock, the time bar, the tide bar and the tide's arrows.
    virtual void showClock() {}
    virtual void showTimeBar() {}
    virtual void showTideBar() {}
    // The last fish of Day::catches has been landed and listed; counted:
    // the day's totals changed with it (mullet are listed, not counted).
    virtual void fishListed(bool /*counted*/) {}
    // The big chinu's picture opens (and closes at O K).
    virtual void landedChinuShown() {}
    virtual void landedChinuClosed() {}
    // The fish holds the bait: the strike is called for.
    virtual void strikeWindowOpened() {}
    // The boatman closes the day: the end-of-day picture, no bait list.
    virtual void dayClosed() {}
    // A box the angler must close; the clock stands while it is open.
    virtual void showMessage(DayMessage /*kind*/, const QString & /*text*/) {}
    // A box that only tells of a miss or a lost bait (may go quietly).
    virtual void showNotice(DayMessage kind, const QString &text) { showMessage(kind, text); }
    // Lets queued events run inside a long step (the time bar's drain).
    virtual void yieldEvents() {}
    // The program is ending: a long step stops at once.
    virtual bool programEnding() const { return false; }
};

// The rig's parts as the game shows and logs them: "未設定" before a rig is
// made, else the part's caption (empty for the mullet rig's bait).
QString leaderCaption(const Day &day);
QString hookCaption(const Day &day);
QString baitCaption(const Day &day);

// The fishing day's procedures over its model: groundbait, bites, rod-tip
// motion, strike, fight, landing, mullet, bait change, the clock, the tide,
// the music and the end of the day. Each step changes the Day and GameState,
// tells the screen what to show and reports its events, each with the reason
// its own decision gave. The engine's timers run on the platform scheduler:
// the event loop in the game, virtual time in tests and the simulator.
class DayEngine
{
public:
    struct Options
    {
        // The tune and the bite sound. The simulator plays without them:
        // they draw nothing and change nothing of the fishing.
        bool sound = true;
        // The timers' Qt parent, so that a running game finds them by name.
        QObject *timerParent = nullptr;
    };

    DayEngine(Day &day, GameState &state, Platform &platform, daylog::DayEventListener &events,
              DayScreen &screen, Options options);
    ~DayEngine();
    DayEngine(const DayEngine &) = delete;
    DayEngine &operator=(const DayEngine &) = delete;

    Day &day() { return m_day; }
    const Day &day() const { return m_day; }
    // The outing and the bite in progress, beside the day.
    const GameState &state() const { return m_state; }

    // Each box of the day as it opens (or goes quietly), before the angler
    // has closed it.
    std::function<void(DayMessage, const QString &)> onMessage;

    // The day's log starts with this header at スタート.
    std::function<void(const daylog::LoggedDay &)> onDayBegun;

    // ---- the day ----
    // The raft's conditions and the rig become the day's classes, and the
    // clock starts.
    void StartDay();
    // Sets up the clock, the bars, the tide and the day's baits for a day at
    // the raft (the main screen's load).
    void PrepareDay();
    void ChooseDayBaits();
    void InitTide();
    void ClockTick();
    void SetTimeBar();
    void DrainTimeBar();
    // The boatman's end of the day (once; not while a fish is on or the big
    // chinu is on show).
    void EndDay();
    // 納竿 before the boatman came.
    void PackUp();
    bool EndHourReached() const;
    // The day is left: no timer of it ticks again.
    void stop();

    // ---- the player's actions ----
    void DropGroundbait();   // Command1
    void BreakGroundbait();  // Command2
    void Strike();           // Command3
    void CloseLandedChinu(); // Command4
    // The bait list's choice: the new bait goes on the hook.
    void ChangeBaitTo(std::optional<daylog::Bait> bait);
    // The rig the rig screen made (the mullet rig has no bait).
    void setRig(std::optional<daylog::Leader> leader, std::optional<daylog::Hook> hook,
                std::optional<daylog::Bait> bait);

    // ---- the steps the timers drive ----
    void BallTimeUp();       // Timerダンゴ管理: the ball breaks by itself
    void RodTipTick();       // Timer竿の動き
    void BiteTick();         // Timerあたり
    void FightTick();        // Timer竿のしなり
    void MulletTick();       // Timer1ボラのタイマー
    void MusicTick();        // Timer1音楽1
    void RodSoundTick();     // Timer竿の音

    void EndBiteCycle();
    void BiteGate();
    void ChooseBiteClass();
    void StartBiteSequence();
    void TwitchTip();
    void DecideLoss();
    void NextFightFrame();
    void ShowLandedChinu();
    void MulletStrike();
    void MulletFightTick();
    void StrikeFailed();

    void ChooseFish();
    void ChooseFishOnFavourableTide();
    void TryLargeChinu();
    void AdjustChinuLength();
    void ChooseOtherFish();

    // ---- sound ----
    void StartMusic();
    void StopMusic();
    void StopEffect();
    // An open and "play WaveFile" for an effect: "あたり" or "ばらし".
    void PlayEffect(const QString &name);
    QString wavePath(const QString &name) const;

    // The fish holds the bait and the strike is called for: the rod-tip
    // tick waits its 2000 ms.
    bool strikeWindowOpen() const;

    // An event of this kind now, with the clock, tide, rig and raft, and the
    // bite and fish as they stand.
    daylog::DayEvent event(daylog::EventKind kind, daylog::Reason reason = daylog::Reason::None) const;
    void report(const daylog::DayEvent &event);
    void report(daylog::EventKind kind, daylog::Reason reason = daylog::Reason::None)
    {
        report(event(kind, reason));
    }

    // ---- the day's timers, by their names in the game ----
    std::unique_ptr<Timer> Timer時間管理;     // 1000 ms
    std::unique_ptr<Timer> Timer1音楽1;       // 800 ms
    std::unique_ptr<Timer> Timer竿の音;       // 100 ms
    std::unique_ptr<Timer> Timer1;            // 100 ms, the landed chinu's animation (the screen's)
    std::unique_ptr<Timer> Timerダンゴ管理;   // set at each drop
    std::unique_ptr<Timer> Timer竿の動き;     // 1000 ms
    std::unique_ptr<Timer> Timerあたり;       // set per bite step
    std::unique_ptr<Timer> Timer竿のしなり;   // 100 ms
    std::unique_ptr<Timer> Timer1ボラのタイマー; // 1000 ms
    std::unique_ptr<Timer> Timer1ばらし;      // 1000 ms, never enabled

private:
    RandomSource &random() const;
    int densityDraw() const;
    void startBiteTimer(int ms);
    void openStrikeWindow();
    void baitGone();
    void focusOn(DayControl control);
    void message(DayMessage kind, const QString &text);
    void notice(DayMessage kind, const QString &text);
    void musicTimer(bool on);
    void sendCommands(std::size_t first, const QString &command, const QString &then);
    void rodSoundTimer(bool on);
    void listFish();
    // The fish on the line, as the catch keeps it.
    CaughtFish landedFish() const;
    void reportStrike(daylog::EventKind kind, daylog::Reason reason);
    fishchoice::Input fishChoiceInput() const;
    void setFish(const std::optional<fishchoice::Fish> &fish);

    Day &m_day;
    GameState &m_state;
    Platform &m_platform;
    daylog::DayEventListener &m_events;
    DayScreen &m_screen;
    Options m_options;
    // The day's log: whether the ball broke by itself, the fight's draw and
    // whether the day's end has been told.
    bool m_ballBreaksItself = false;
    int m_lineStrain = 0;
    int m_lossDraw = 0;
    bool m_endReported = false;
};
