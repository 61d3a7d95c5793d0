#include "game.h"

#include "screens.h"

#include <QCoreApplication>

Game::Game(Platform &platform)
    : platform(platform)
    , m_dayLog(std::make_unique<daylog::DayLog>(state, platform.dialogs))
    , m_screens(std::make_unique<Screens>(*this))
{
    dayEvents.add(m_dayLog.get());
}

Game::~Game()
{
    dayEvents.remove(m_dayLog.get());
}

void Game::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    platform.scheduler.stopAll();
    platform.sound.stop();
    platform.sound.close();
    m_screens->closeAll();
    QCoreApplication::exit(0);
}
