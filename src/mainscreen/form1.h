#pragma once

#include "app/controlarray.h"
#include "app/gamewindow.h"
#include "platform/timer.h"

#include <QString>

#include <array>
#include <memory>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class PictureBox;
class FishingAction;
class DayEnd;
class DayReport;

// The main screen: the raft, the clock and tide, the rig, and the fishing.
// Its controls are public, as the other screens read and write them.
class Form1 : public GameWindow
{
public:
    explicit Form1(Game &game);
    ~Form1() override;

    void initialise() override;
    void load() override;
    bool queryUnload(bool byCloseControl) override;

    // ---- procedures of the day (rafts, clock, tide, sound) ----
    void StartDay();
    void ChooseDayBaits();
    void InitTide();
    void SetTimeBar();
    void DrainTimeBar();
    void EndDay();
    // The clock stands at the end hour, or the boatman has already closed
    // the day: nothing new is fished from here on.
    bool EndHourReached() const;
    void StartMusic();
    void StopMusic();
    void StopEffect();
    // Sends an open and "play WaveFile" for an effect (slots 3-4): name is
    // one of "あたり", "ばらし".
    void PlayEffect(const QString &name);
    // The installed path of a wave: soundInstallDir + "/NamiyoseV1" + name + ".wav".
    QString wavePath(const QString &name) const;

    // ---- handlers of the main screen's own controls and timers ----
    void OpenRigScreen();      // menu 仕掛けを作る
    void PressPrompt();        // Command6
    void ClockTick();          // Timer時間管理
    void MusicTick();          // Timer1音楽1
    void RodSoundTick();       // Timer竿の音
    void AnimateLandedChinu(); // Timer1

    // A box that only tells of a miss or a lost bait. With 知らせは状況表示だけ
    // chosen its words go on the status line, before the reason the line
    // gives, and the clock goes on as there is no box to read.
    void notice(const QString &text);

    // The fishing action and the day's end, wired to their own controls.
    FishingAction &fishing() { return *m_fishing; }
    DayEnd &dayEnd() { return *m_dayEnd; }
    // The day's events as they happen, and the status line that shows why.
    DayReport &dayReport() { return *m_dayReport; }

    // ---- main-screen variables ----
    std::array<QString, 11> McCommands;
    qint32 McResult = 0;
    QString MusicMode = QStringLiteral("BGM");
    std::array<int, 6> MusicFlags{};
    int MusicTicks = 0;
    qint16 DayEnding = 0;
    int ClockHour = 7;
    int ClockMinute = 0;
    qint16 MinutesLeft = 0;
    int TideHours = 0;
    float TideBarRest = 0;
    qint16 TideBarFull = 0;
    QString TideNow;
    QString HourTurned;
    std::array<QString, 7> DayBaits;
    std::array<int, 4> DayBaitPicks{};
    std::array<QString, 4> GoodBaits;
    qint16 ShowFrame = 0;
    // Widths of the time and tide bars in pixels, kept as fractions; the
    // labels show them rounded.
    float TimeBarWidth = 0;  // Label15
    float TideBarWidth = 0;  // Label16
    static constexpr int BarFullWidth = 257; // Label11, Label12

    // ---- controls ----
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr,
           *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr,
           *Label19 = nullptr, *Label20 = nullptr, *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr,
           *Label24 = nullptr, *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr,
           *Label30 = nullptr, *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr,
           *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr, *Label41 = nullptr,
           *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr, *Label45 = nullptr, *Label46 = nullptr,
           *Label47 = nullptr;
    QLabel *La1 = nullptr, *La2 = nullptr, *La3 = nullptr, *La4 = nullptr, *La5 = nullptr, *La6 = nullptr;
    ControlArray<QLabel> Label4; // 0 target fish box; 1, 2, 3, 4, 8, 10 raft-data headings
    ControlArray<QLabel> Label5; // 0 "狙う魚"
    QGroupBox *Frame1 = nullptr; // 釣り場のデータ
    QGroupBox *Frame2 = nullptr; // 現在の仕掛け
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr;
    QListWidget *List1 = nullptr; // the day's catch list
    QListWidget *List2 = nullptr; // the bait list of a bait change
    PictureBox *Image1 = nullptr; // rod view
    PictureBox *Image2 = nullptr; // rod-tip view
    PictureBox *Image5 = nullptr; // the end of the day
    ControlArray<PictureBox> Picture1; // 0 landed chinu (visible on demand), 1..8 rod-tip frames (hidden)
    ControlArray<PictureBox> Picture2; // 5, 6 landed-chinu animation frames (hidden)
    ControlArray<PictureBox> Picture3; // 0..5 rod frames (hidden)
    QAction *仕掛けを作る = nullptr;
    QAction *スタート = nullptr;
    QAction *釣果を保存 = nullptr;
    QAction *納竿 = nullptr;

    // ---- timers (all disabled at the start) ----
    std::unique_ptr<Timer> Timer時間管理;     // 1000 ms
    std::unique_ptr<Timer> Timer1音楽1;       // 800 ms
    std::unique_ptr<Timer> Timer竿の音;       // 100 ms
    std::unique_ptr<Timer> Timer1;            // 100 ms
    std::unique_ptr<Timer> Timerダンゴ管理;   // set at each drop
    std::unique_ptr<Timer> Timer竿の動き;     // 1000 ms
    std::unique_ptr<Timer> Timerあたり;       // set per bite step
    std::unique_ptr<Timer> Timer竿のしなり;   // 100 ms
    std::unique_ptr<Timer> Timer1ボラのタイマー; // 1000 ms
    std::unique_ptr<Timer> Timer1ばらし;      // 1000 ms, never enabled

private:
    void buildControls();
    void createTimers();
    void showTimeBar();
    void showTideBar();
    // The picture box that the landed chinu opens in; shown while it is.
    QWidget *m_landingArea = nullptr;

    std::unique_ptr<FishingAction> m_fishing;
    std::unique_ptr<DayEnd> m_dayEnd;
    std::unique_ptr<DayReport> m_dayReport;
};
