#include "testgame.h"

#include "app/screens.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

TestGame::TestGame()
{
    ProgramDirs dirs;
    dirs.dataRoot = m_dir.path();
    dirs.waveSources = {m_dir.path()};
    dirs.soundInstallDir = m_dir.path() + QStringLiteral("/sounds");
    QDir().mkpath(dirs.soundInstallDir);
    m_platform = std::make_unique<Platform>(Platform{scheduler, dialogs, random, clock, sound, cue, files, dirs});
    m_game = std::make_unique<Game>(*m_platform);
}

TestGame::~TestGame()
{
    m_game.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Screens &TestGame::screens()
{
    return m_game->screens();
}

void TestGame::placeSourceWaves()
{
    for (const char *name : {"スタート", "ばらし", "あたり", "チヌ30"}) {
        QFile f(m_dir.path() + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".wav"));
        if (f.open(QIODevice::WriteOnly))
            f.write("RIFF");
    }
}

void TestGame::advance(qint64 ms)
{
    scheduler.advance(ms);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
