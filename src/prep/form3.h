#pragma once

#include "app/gamewindow.h"

class QLabel;

// The settings screen: the first window of a run.
class Form3 : public GameWindow
{
public:
    explicit Form3(Game &game);

    // The raft name and today's tide hours, read by the main screen and the
    // spot details.
    QLabel *Label1 = nullptr; // raft name
    QLabel *Label5 = nullptr; // first high water
    QLabel *Label6 = nullptr; // second high water
    QLabel *Label7 = nullptr; // earlier low water
    QLabel *Label8 = nullptr; // later low water
};
