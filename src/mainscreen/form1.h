#pragma once

#include "app/controlarray.h"
#include "app/gamewindow.h"
#include "day/dayengine.h"
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
class DayEnd;
class DayReport;

// The main screen: the raft, the clock and tide, the rig, and the fishing.
// Its controls are public, as the other screens read and write them.
class Form1 : public GameWindow, private DayScreen
{
public:
    explicit Form1(Game &game);
    ~Form1() override;

    void initialise() override;
    void load() override;
    bool queryUnload(bool byCloseControl) override;

    // The day this screen shows, and the engine that plays it.
    Day &day();
    const Day &day() const;
    DayEngine &fishing() { return *m_engine; }

    // ---- procedures of the day, played by the engine ----
    void StartDay();
    void EndDay();
    // The clock stands at the end hour, or the boatman has already closed
    // the day: nothing new is fished from here on.
    bool EndHourReached() const;
    void StopMusic();
    void StopEffect();
    // Sends an open and "play WaveFile" for an effect (slots 3-4): name is
    // one of "あたり", "ばらし".
    void PlayEffect(const QString &name);
    // The installed path of a wave: soundInstallDir + "/NamiyoseV1" + name + ".wav".
    QString wavePath(const QString &name) const;
    // The rig the rig screen made: on the line and on the screen.
    void setRig(std::optional<daylog::Leader> leader, std::optional<daylog::Hook> hook,
                std::optional<daylog::Bait> bait);
    // The target fish of the outing, in the player's language.
    void showTarget();
    // The hour the boatman comes, beside the clock.
    void showEndHour();

    // ---- handlers of the main screen's own controls ----
    void OpenRigScreen();      // menu 仕掛けを作る
    void PressPrompt();        // Command6
    void AnimateLandedChinu(); // Timer1
    void ChangeBait();         // Command5: the bait list opens
    void PickBait();           // List2: the chosen bait goes on the hook

    // A box that only tells of a miss or a lost bait. With 知らせは状況表示だけ
    // chosen its words go on the status line, before the reason the line
    // gives, and the clock goes on as there is no box to read.
    void notice(const QString &text);

    // The day's end, wired to its own controls.
    DayEnd &dayEnd() { return *m_dayEnd; }
    // The status line that shows why.
    DayReport &dayReport() { return *m_dayReport; }

    // Draws the buttons and menus as the day has them.
    void showControls() override;

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

    // ---- the day's timers (all disabled at the start), the engine's own ----
    Timer *Timer時間管理 = nullptr;     // 1000 ms
    Timer *Timer1音楽1 = nullptr;       // 800 ms
    Timer *Timer竿の音 = nullptr;       // 100 ms
    Timer *Timer1 = nullptr;            // 100 ms
    Timer *Timerダンゴ管理 = nullptr;   // set at each drop
    Timer *Timer竿の動き = nullptr;     // 1000 ms
    Timer *Timerあたり = nullptr;       // set per bite step
    Timer *Timer竿のしなり = nullptr;   // 100 ms
    Timer *Timer1ボラのタイマー = nullptr; // 1000 ms
    Timer *Timer1ばらし = nullptr;      // 1000 ms, never enabled

private:
    void buildControls();
    // ---- what the engine shows ----
    void focusOn(DayControl control) override;
    void showTip(int element) override;
    void showRod(int element) override;
    void showClock() override;
    void showTimeBar() override;
    void showTideBar() override;
    void fishListed(bool counted) override;
    void landedChinuShown() override;
    void landedChinuClosed() override;
    void strikeWindowOpened() override;
    void dayClosed() override;
    void showMessage(DayMessage kind, const QString &text) override;
    void showNotice(DayMessage, const QString &text) override { notice(text); }
    void yieldEvents() override;
    bool programEnding() const override;

    // The picture box that the landed chinu opens in; shown while it is.
    QWidget *m_landingArea = nullptr;

    std::unique_ptr<DayEngine> m_engine;
    std::unique_ptr<DayEnd> m_dayEnd;
    std::unique_ptr<DayReport> m_dayReport;
};
