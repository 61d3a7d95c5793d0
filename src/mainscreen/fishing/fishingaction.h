#pragma once

#include "fishchoice.h"

#include <QString>

#include <optional>

class Form1;
class PictureBox;
class QPushButton;
class QWidget;
class RandomSource;
class Timer;
struct GameState;

// Everything on the main screen between the groundbait drop and the
// landing or loss of a fish. Connects itself to the fishing controls and
// timers of the main screen. Its procedures are public so that the day can
// be driven and inspected step by step.
class FishingAction
{
public:
    explicit FishingAction(Form1 &form);
    ~FishingAction();
    FishingAction(const FishingAction &) = delete;
    FishingAction &operator=(const FishingAction &) = delete;

    // ---- fishing variables of the main screen ----
    int TideMatch = 0;   // 1 when the last rod-tip tick came on the raft's favourable tide
    int BiteArmed = 0;   // 1 from the choice of a bite class to the end of the cycle
    int FightRounds = 0; // completed rounds of the fight
    int FishLost = 0;    // 1 when the hooked chinu will get away at the end of the fight
    int MulletOn = 0;    // 1 while a mullet is at the bait
    int MulletTicks = 0; // mullet-timer ticks since it took the bait
    int RigFigure = 0;   // leader + depth + current of the last bite gate

    // ---- groundbait cycle ----
    void DropGroundbait();   // Command1
    void BreakGroundbait();  // Command2 and Timerダンゴ管理
    void EndBiteCycle();

    // ---- bites ----
    void RodTipTick();       // Timer竿の動き
    void BiteGate();
    void ChooseBiteClass();
    void StartBiteSequence();

    // ---- rod-tip motion ----
    void BiteTick();         // Timerあたり
    void TwitchTip();

    // ---- strike, fight and landing ----
    void Strike();           // Command3
    void StrikeFailed();     // the strike's error path: fishing stops for the day
    void FightTick();        // Timer竿のしなり
    void DecideLoss();
    void NextFightFrame();
    void ShowLandedChinu();
    void CloseLandedChinu(); // Command4

    // ---- mullet ----
    void MulletTick();       // Timer1ボラのタイマー
    void MulletStrike();
    void MulletFightTick();

    // ---- bait change ----
    void ChangeBait();       // Command5
    void PickBait();         // List2

    // ---- fish choice ----
    void ChooseFish();
    void ChooseFishOnFavourableTide();
    void TryLargeChinu();
    void AdjustChinuLength();
    void ChooseOtherFish();

private:
    GameState &state() const;
    RandomSource &random() const;
    int densityDraw() const;
    fishchoice::Input fishChoiceInput() const;
    void setFish(const std::optional<fishchoice::Fish> &fish);
    void showTip(int element);
    void showRod(int element);
    void startBiteTimer(int ms);
    void openStrikeWindow();
    void baitGone();

    Form1 &m_form;
};
