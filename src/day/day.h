#pragma once

#include "daylog/ids.h"
#include "prep/settingsrules.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// Which way the tide runs, as the gauge's arrows show it.
enum class TideDirection { Unknown, Ebb, Flood };

// The gauge's word for the tide: "引" falling, "満" rising, empty unknown.
QString tideWord(TideDirection tide);
TideDirection tideFromWord(const QString &word);

// The tune that plays: the day's background tune or the big chinu's fanfare.
enum class MusicMode { Bgm, Big };

// The controls of the main screen that the day switches, and the one that
// should have the keyboard focus.
enum class DayControl { None, Drop, Break, Strike, Ok, Bait };

// One fish of the day's catch, in the order it was landed.
struct CaughtFish
{
    daylog::Fish kind = daylog::Fish::Chinu;
    int length = 0; // cm
};

// What the main screen lets the angler do now. A button can be enabled and
// yet not lit (the boatman's day has no next step), so both are kept.
struct DayControls
{
    bool dropEnabled = false, dropLit = false;     // Command1 ダンゴを投入
    bool breakEnabled = false, breakLit = false;   // Command2 ダンゴを割る
    bool strikeEnabled = false, strikeLit = false; // Command3 あわせ
    bool baitEnabled = false;                      // Command5 エサの交換
    bool rigMenuEnabled = true;                    // 仕掛けを作る
    bool startMenuEnabled = false;                 // スタート
    bool saveMenuEnabled = false;                  // 釣果を保存

    // The pink moves on from one fishing button (Drop, Break or Strike) to
    // the next: the one left goes grey and is disabled, the next is offered.
    void handOver(DayControl from, DayControl to);
    // Nothing of the cycle can be pressed: all three grey and disabled.
    void closeCycle();
};

// The state of one fishing day: what the main screen shows and what the
// fishing goes on from. The screens draw it; nothing learns the day from a
// widget. The settings of the outing (angler, raft, target, end hour, the
// raft's classes) and the bite in progress live in GameState beside it.
struct Day
{
    // The rig on the line, as the rig screen made it: none before a rig is
    // made, and the mullet rig has no bait.
    bool rigMade = false;
    std::optional<daylog::Leader> leader;
    std::optional<daylog::Hook> hook;
    std::optional<daylog::Bait> bait;
    bool rigAskedFor = false; // the rig menu has been used: its caption changed

    // Today's tide hours as the settings screen drew them.
    settings::TideHours tides;

    // The clock and the bars.
    int clockHour = 7;
    int clockMinute = 0;
    qint16 minutesLeft = 0;
    bool hourTurned = false;
    float timeBarWidth = 0; // Label15, a fraction of a pixel kept
    float tideBarWidth = 0; // Label16
    int tideHours = 0; // hours to the tide's next turn
    float tideBarRest = 0;
    qint16 tideBarFull = 0;
    TideDirection tide = TideDirection::Unknown; // the tide as the last drop found it
    bool ebbShown = false;   // the "← 引き潮" arrow
    bool floodShown = false; // the "満ち潮 →" arrow
    // The day is over: the boatman came (or 納竿).
    bool ending = false;

    // Today's three baits that work, drawn as the day is prepared; none
    // before the draw.
    std::array<std::optional<daylog::Bait>, 3> goodBaits;

    // The fishing cycle.
    int tideMatch = 0;
    int biteArmed = 0;   // a bite is under way: a strike now is too early or on time
    int rigFigure = 0;
    int fightRounds = 0;
    int fishLost = 0;
    int mulletOn = 0;    // a mullet has the bait
    int mulletTicks = 0;
    qint64 mulletTookAtMs = 0;   // when the mullet took the bait, in the day's played time
    double mulletLossChance = 0; // its chance of coming off, fixed at the strike
    bool landedOnShow = false; // the big chinu's picture is open until O K
    DayControls controls;

    // The catch, and the chinu among it.
    std::vector<CaughtFish> catches;
    int chinuCount = 0;

    // The music and the sound device's last commands.
    MusicMode music = MusicMode::Bgm;
    std::array<QString, 11> mcCommands;
    qint32 mcResult = 0;
    std::array<int, 6> musicFlags{};
    int musicTicks = 0;
    qint16 showFrame = 0; // the landed chinu's animation frame

    static constexpr int BarFullWidth = 257; // Label11, Label12

    // The clock stands at the end hour, or the boatman has already closed
    // the day: nothing new is fished from here on.
    bool endHourReached(const QString &endHour) const;
    // The clock stands at the end hour.
    bool clockShowsEndHour(const QString &endHour) const;
    // The clock as the main screen shows it: 7:00 until its first minute,
    // which never comes back, then "h : mm".
    QString clockText() const;
};
