#pragma once

#include "app/gamewindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The boatman's hints: seven topics, one titled hint at a time.
class Form7 : public GameWindow
{
public:
    explicit Form7(Game &game);

    void load() override; // opens on the 釣り場 hint
    // Shows the hint of a topic, by its option's name ("Option2" ...).
    void ShowHint(const QString &optionName);
    void CloseHints(); // Command1

    // The topic option of that name.
    QRadioButton *option(const QString &optionName) const;

    // ---- controls ----
    QGroupBox *Frame1 = nullptr; // 何を聞きますか？
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr, *Option5 = nullptr,
                 *Option6 = nullptr, *Option7 = nullptr;
    QGroupBox *Frame2 = nullptr; // the hint, captioned with its title
    QLabel *Label1 = nullptr; // the hint text
    QPushButton *Command12 = nullptr; // the picture of the map's detail buttons
    QPushButton *Command1 = nullptr; // Ｏ　Ｋ
    QPushButton *操作 = nullptr;     // the page of keys and buttons

private:
    void placeMapButton();
};
