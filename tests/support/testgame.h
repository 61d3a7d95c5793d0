#pragma once

#include "app/game.h"
#include "platform/platform.h"

#include <QTemporaryDir>

#include <memory>

// A whole game on scripted parts: virtual time, scripted message-box answers
// and random draws, a fixed clock, a sound device and a bite cue that
// record, and a temporary program folder (data and installed waves go there too).
class TestGame
{
public:
    TestGame();
    ~TestGame();

    Game &game() { return *m_game; }
    GameState &state() { return m_game->state; }
    Screens &screens();

    VirtualScheduler scheduler;
    ScriptedDialogs dialogs{scheduler};
    ScriptedRandom random;
    FixedClock clock;
    RecordingSound sound;
    RecordingCue cue;
    FileSystem files;

    // The program folder of this game (the data folder lies inside it).
    QString dir() const { return m_dir.path(); }
    // Writes the four source waves beside the "program" (a few bytes each).
    void placeSourceWaves();

    // Runs virtual time and lets deferred deletions happen.
    void advance(qint64 ms);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Platform> m_platform;
    std::unique_ptr<Game> m_game;
};
