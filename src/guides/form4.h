#pragma once

#include "app/controlarray.h"
#include "app/gamewindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class PictureBox;
class Screens;

// The spot-details card of one raft: its conditions over a picture of its
// water, the tide directions, a description and today's tide hours.
class Form4 : public GameWindow
{
public:
    explicit Form4(Game &game);

    void load() override; // ShowSpotTable
    void ShowSpotTable();
    void CloseCard(); // Command5

    // An open card follows the raft chosen last on the settings screen,
    // and closes when the angler crosses to the raft.
    static void followChosenRaft(Screens &screens);
    static void closeOnCrossing(Screens &screens);

    // The frame of raft 1..5, looked up by its name "Frame" + number.
    QGroupBox *frame(int spotNo) const;
    // The six values of raft 1..5: A1, B1, C1, D1 or E1.
    const ControlArray<QLabel> &values(int spotNo) const;

    // ---- controls ----
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr;
    std::array<PictureBox *, 6> waterPictures {}; // 1..5: the picture in each frame
    ControlArray<QLabel> Label4; // the row headings, six per frame
    ControlArray<QLabel> A1, B1, C1, D1, E1; // 1..6 the raft's conditions
    // Tide directions and descriptions (frames 1..5 in turn).
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
    QLabel *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr, *Label41 = nullptr;
    // Below the card.
    QLabel *Label36 = nullptr, *Label1 = nullptr, *Label20 = nullptr, *Label14 = nullptr, *Label15 = nullptr;
    QLabel *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr;
    QLabel *Label32 = nullptr, *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr;
    QPushButton *Command5 = nullptr;
};
