#pragma once

#include "app/gamewindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class PictureBox;

// The settings screen, the first window of a run: the angler's name, the
// raft on the bay map, the target fish, the end time and today's tides.
// Its controls are public: the main screen and the spot details read the
// raft name and the tide hours, and the tests press the buttons.
class Form3 : public GameWindow
{
public:
    explicit Form3(Game &game);

    void load() override;
    // Its own close control ends the program, as "釣りを終わる" does.
    bool queryUnload(bool byCloseControl) override;

    // ---- handlers ----
    void OpenRaftChoice(); // Command1
    void ShowTargetList(); // Command2
    void ShowEndTimes(); // Command3
    void ShowPastRecords(); // Command4
    void AskBoatman(); // Command5
    void QuitFishing(); // Command7
    void ChooseRaft(int spotNo); // Option1..Option5
    void ShowDetailsOf(int spotNo); // Command12, Command8, Command9, Command10, Command11
    void PickTarget(); // Combo1
    void PickEndTime(); // Combo2

    // ---- procedures ----
    void ShowSpotDetails();
    void CrossToRaft(); // Command6
    void RegisterAngler();

    // The option of a raft 1..5, looked up by its name "Option" + number.
    QRadioButton *option(int spotNo) const;
    // A raft of the bay has been chosen for the day.
    bool raftChosen() const;
    // The window's two sizes: the name and menu column alone, and with the
    // bay map and the panel beside it.
    bool isWide() const { return m_wide; }

    // ---- controls ----
    QLabel *Label9 = nullptr;
    QComboBox *Combo3 = nullptr; // the angler's name, typed or picked
    QGroupBox *Frame1 = nullptr; // 設定メニュー
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr,
                *Command6 = nullptr, *Command7 = nullptr;
    QGroupBox *Frame3 = nullptr; // 釣り場の選択
    PictureBox *Picture1 = nullptr; // the bay map
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr, *Option5 = nullptr;
    // Detail buttons of rafts 1, 2, 3, 4, 5.
    QPushButton *Command12 = nullptr, *Command8 = nullptr, *Command9 = nullptr, *Command10 = nullptr,
                *Command11 = nullptr;
    QGroupBox *Frame2 = nullptr; // raft, target, end time and tides
    QLabel *Label1 = nullptr; // raft name
    QComboBox *Combo1 = nullptr; // target fish
    QLabel *Label2 = nullptr;
    QComboBox *Combo2 = nullptr; // end time
    QLabel *Label16 = nullptr;
    QLabel *Label3 = nullptr, *Label4 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr;
    QLabel *Label5 = nullptr; // first high water
    QLabel *Label6 = nullptr; // second high water
    QLabel *Label7 = nullptr; // earlier low water
    QLabel *Label8 = nullptr; // later low water

private:
    void makeNarrow();
    void makeWide();

    bool m_wide = false;
};
