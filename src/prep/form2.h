#pragma once

#include "app/gamewindow.h"
#include "daylog/ids.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The rig screen: the leader, the hook and, for chinu, the bait. Completing
// the rig writes it into the main screen's rig frame.
class Form2 : public GameWindow
{
public:
    explicit Form2(Game &game);

    void load() override;
    void activate() override;
    // Only 仕掛け完了 leaves the screen.
    bool queryUnload(bool byCloseControl) override;

    // ---- handlers ----
    void ShowTargetList(); // Command1
    void PickTarget();     // Combo1
    void CompleteRig();    // Command2
    void ClickOption(int number); // Option1..Option12

    // ---- procedures ----
    void SetUpRig();
    void PreselectRig();

    // "Option" + number, 1..12.
    QRadioButton *option(int number) const;
    // Selects an option as a click would, running its handler.
    void selectOption(int number);
    // The game's name of the rig part on an option, whatever it shows.
    QString part(int number) const;
    std::optional<daylog::Fish> fish() const { return m_fish; }
    void showFish(std::optional<daylog::Fish> fish);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // ---- controls ----
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;   // the target fish
    QPushButton *Command1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QGroupBox *Frame1 = nullptr; // ハリス: Option1..Option3
    QGroupBox *Frame2 = nullptr; // 釣り針: Option4..Option6
    QGroupBox *Frame3 = nullptr; // エサ: Option7..Option12
    QPushButton *Command2 = nullptr;

private:
    std::array<QRadioButton *, 13> m_options{}; // index 0 unused
    std::optional<daylog::Fish> m_fish;         // the fish Label2 shows
};
