#include "gamewindow.h"

#include "game.h"
#include "screens.h"

#include <QCloseEvent>

GameWindow::GameWindow(Game &game, const QString &name, QWidget *parent)
    : QMainWindow(parent)
    , m_game(game)
{
    setObjectName(name);
}

GameState &GameWindow::state() const
{
    return m_game.state;
}

bool GameWindow::closeFromCode()
{
    m_closingFromCode = true;
    const bool closed = close();
    m_closingFromCode = false;
    return closed;
}

bool GameWindow::queryUnload(bool)
{
    return false;
}

int GameWindow::message(const QString &text, MessageButtons buttons, MessageIcon icon)
{
    return m_game.platform.dialogs.message(windowTitle(), text, buttons, icon);
}

bool GameWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !m_game.ending())
        activate();
    return handled;
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    if (m_game.ending()) {
        event->accept();
        return;
    }
    // Any close that the game's own code did not ask for is the angler's
    // close control.
    if (queryUnload(!m_closingFromCode)) {
        event->ignore();
        return;
    }
    event->accept();
    m_game.screens().forget(this);
}
