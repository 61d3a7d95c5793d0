#include "game.h"

#include "screens.h"

#include "mainscreen/form1.h"
#include "prep/form3.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>

Game::Game(Platform &platform)
    : platform(platform)
    , m_dayLog(std::make_unique<daylog::DayLog>(state, platform.dialogs))
    , m_screens(std::make_unique<Screens>(*this))
{
    dayEvents.add(m_dayLog.get());
    // The session manager asks every program to wrap up before a logout or
    // shutdown; the close refusal of the main screen is for the angler's
    // own click only.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        m_sessionEnd = QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                                        [this](QSessionManager &) { endSession(); });
}

Game::~Game()
{
    // Windows closed by the end of the program go now, while the game they
    // listen to is still there.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QObject::disconnect(m_sessionEnd);
    dayEvents.remove(m_dayLog.get());
}

void Game::endSession()
{
    endProgram();
}

void Game::startNextDay()
{
    if (m_ending)
        return;
    // Today's engine goes quiet at once: its windows are deleted only once
    // the event loop comes round, and must not touch the next day meanwhile.
    if (Form1 *today = m_screens->loadedForm1())
        today->fishing().stop();
    platform.sound.stop();
    platform.sound.close();
    if (!state.AnglerName.isEmpty())
        lastOuting.angler = state.AnglerName;
    m_screens->closeAll();
    state = GameState{};
    day = Day{};
    Screens &screens = *m_screens;
    screens.show(screens.form3());
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
