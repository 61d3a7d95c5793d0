#include "game.h"

#include "screens.h"

#include <QCoreApplication>

Game::Game(Platform &platform)
    : platform(platform)
    , m_screens(std::make_unique<Screens>(*this))
{
}

Game::~Game() = default;

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
