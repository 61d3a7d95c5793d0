#pragma once

#include "platform/dialogs.h"

#include <QMainWindow>

class Game;
struct GameState;

// A window of the game. The registry creates it on first use and runs
// initialise() then load(); activate() runs each time it becomes the active
// window; queryUnload() may refuse a close (byCloseControl tells whether the
// angler pressed the window's own close control).
class GameWindow : public QMainWindow
{
public:
    GameWindow(Game &game, const QString &name, QWidget *parent = nullptr);

    virtual void initialise() {}
    virtual void load() {}
    virtual void activate() {}
    // True cancels the close.
    virtual bool queryUnload(bool byCloseControl);

    // Closes the window as the game's own code would (queryUnload is told
    // it was not the close control).
    bool closeFromCode();

    Game &game() const { return m_game; }
    GameState &state() const;

    // A modal message box captioned with this window's caption.
    int message(const QString &text, MessageButtons buttons = MessageButtons::Ok,
                MessageIcon icon = MessageIcon::None);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Game &m_game;
    bool m_closingFromCode = false;
};
