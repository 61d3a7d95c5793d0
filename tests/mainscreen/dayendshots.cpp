// Plays the last minutes of a day on virtual time and draws them into PNG
// files: a 40 cm chinu struck at the end hour is fought past it and landed,
// the landed-chinu picture stays up while the boatman waits, and his
// message comes once "O K" puts the picture away. Not a test: run it by
// hand on a display, with a folder to write into.
#include "app/game.h"
#include "app/screens.h"
#include "mainscreen/form1.h"
#include "mainscreen/mainscreentexts.h"
#include "mainscreen/rafts.h"
#include "platform/qtdialogs.h"
#include "prep/form3.h"
#include "support/shotsetup.h"

#include <QApplication>
#include <QTranslator>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace T = mainscreentexts;

namespace {

QString out;

void saveScreen(const QString &name)
{
    // Long enough for the window manager to map and draw the window.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::primaryScreen()->grabWindow(0).save(QDir(out).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QTranslator> words = drawAsTheGame();
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);

    QTemporaryDir dir;
    VirtualScheduler scheduler;
    QtDialogs dialogs(scheduler);
    ScriptedRandom random;
    FixedClock clock;
    RecordingSound sound;
    SilentCue cue;
    FileSystem files;
    ProgramDirs dirs;
    dirs.dataRoot = dir.path();
    dirs.waveSources = {dir.path()};
    dirs.soundInstallDir = dir.path();
    Platform platform{scheduler, dialogs, random, clock, sound, cue, files, dirs};
    Game game(platform);
    Screens &screens = game.screens();

    // 大浜 until 10:00, the tide falling all morning (its favourable tide).
    Form3 &settings = screens.form3();
    Day &day = settings.game().day;
    day.tides.firstHigh = 6;
    day.tides.secondHigh = 18;
    day.tides.earlierLow = 12;
    day.tides.laterLow = 24;
    GameState &s = game.state;
    s.SpotNo = 3;
    s.AnglerName = QStringLiteral("浜田");
    s.TargetFish = daylog::Fish::Chinu;
    s.EndHour = QStringLiteral("10");
    s.DayMinutes = 180;
    for (int k : {2, 3, 5})
        random.pushDraw(k, 6); // today's good baits: ボケ, エビ, カニ
    Form1 &f = screens.form1();
    f.showEndHour();
    f.setRig(daylog::Leader::No2, daylog::Hook::No4, daylog::Bait::Boke);
    s.TargetCode = 1;
    f.move(0, 0);
    screens.show(f);
    f.StartDay();

    // At 9:54:30 the ball goes down; a slight bite on the good bait: a
    // 40 cm chinu pulls slowly and holds the bait at 9:59:24.
    scheduler.advance(170500);
    random.pushDraw(1, 5);
    f.Command1->click();
    scheduler.advance(3000 + 1000 - 1);
    for (auto [k, n] : {std::pair{16, 16}, {12, 12}, {1, 8}, {3, 3}, {3, 10}, {12, 15}, {5, 5}, {1, 3}, {1, 10},
                        {1, 5}, {15, 15}})
        random.pushDraw(k, n);
    scheduler.advance(1);
    random.pushDraw(2, 10);
    random.pushDraw(5, 5);
    scheduler.advance(179400 - 174500);
    // Struck at 10:00 and fought past the end hour, then landed.
    scheduler.advance(1100);
    f.Command3->click();
    random.pushDraw(1, 20);
    scheduler.advance(2500);
    saveScreen(QStringLiteral("dayend_1_fight_past_the_hour"));
    scheduler.advance(2000);
    saveScreen(QStringLiteral("dayend_2_landed_chinu_boatman_waits"));

    // "O K": the boatman's message instead of a new drop.
    QTimer::singleShot(700, [] {
        saveScreen(QStringLiteral("dayend_3_boatman_after_ok"));
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    f.Command4->click();
    scheduler.advance(5000);
    saveScreen(QStringLiteral("dayend_4_day_over"));
    std::printf("clock %s, drop offered %d, messages shown once: %s\n", qPrintable(f.Label10->text()),
                int(f.Command1->isEnabled()), f.day().ending ? "yes" : "no");
    game.endProgram();
    return 0;
}
