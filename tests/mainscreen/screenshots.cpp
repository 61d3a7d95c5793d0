// Draws the main screen at several moments of a day, the rig screen and
// every rod-tip and rod frame into PNG files, for looking at the screens
// without playing. Not a test: run it by hand, on a display, with a folder
// to write into. The boatman's message is a real message box, taken from
// the screen while it is open.
#include "support/todayscatch.h"
#include "app/game.h"
#include "app/screens.h"
#include "mainscreen/form1.h"
#include "records/dayend.h"
#include "records/form5.h"
#include "mainscreen/mainscreentexts.h"
#include "mainscreen/rafts.h"
#include "platform/picturebox.h"
#include "platform/qtdialogs.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "support/shotsetup.h"

#include <QAction>
#include <QApplication>
#include <QTranslator>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

namespace T = mainscreentexts;

namespace {

QString out;

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget &w, const QString &name)
{
    settle();
    w.grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
}

void saveScreen(const QString &name)
{
    settle();
    QApplication::primaryScreen()->grabWindow(0).save(QDir(out).filePath(name + QStringLiteral(".png")));
}

// Every stored frame side by side, with its name under it.
void saveFrames(Form1 &f)
{
    QWidget sheet;
    sheet.setObjectName(QStringLiteral("FrameSheet"));
    auto *grid = new QGridLayout(&sheet);
    const auto add = [&](const PictureBox *stored, const QString &caption, int row, int column) {
        auto *box = new PictureBox(&sheet);
        box->setPicture(*stored);
        box->setFixedSize(stored->size());
        grid->addWidget(box, row * 2, column);
        grid->addWidget(new QLabel(caption, &sheet), row * 2 + 1, column, Qt::AlignHCenter);
    };
    for (int i = 1; i <= 8; ++i)
        add(f.Picture1(i), QStringLiteral("Picture1(%1)").arg(i), (i - 1) / 4, (i - 1) % 4);
    for (int i = 0; i <= 5; ++i)
        add(f.Picture3(i), QStringLiteral("Picture3(%1)").arg(i), 2 + i / 3, i % 3);
    sheet.adjustSize();
    save(sheet, QStringLiteral("frames"));
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

    // Crossing to 北の離れ for a 15時まで day, low water at 4:00 and 16:00.
    screens.form3();
    game.day.tides.firstHigh = 10;
    game.day.tides.secondHigh = 22;
    game.day.tides.earlierLow = 4;
    game.day.tides.laterLow = 16;
    GameState &s = game.state;
    s.SpotNo = 2;
    s.AnglerName = QStringLiteral("浜田");
    s.TargetFish = daylog::Fish::Chinu;
    s.EndHour = QStringLiteral("15");
    s.DayMinutes = 480;
    for (int k : {2, 5, 6})
        random.pushDraw(k, 6);
    Form1 &f = screens.form1();
    f.showEndHour();
    f.move(0, 0);
    screens.show(f);
    save(f, QStringLiteral("main_before_rig"));

    f.仕掛けを作る->trigger();
    Form2 &rig = screens.form2();
    rig.move(f.width() / 2, 120);
    rig.option(2)->click();
    rig.option(5)->click();
    rig.option(10)->click();
    save(rig, QStringLiteral("rig_chinu"));
    rig.Command1->click();
    rig.Combo1->setCurrentIndex(1);
    emit rig.Combo1->activated(1);
    save(rig, QStringLiteral("rig_mullet"));
    rig.Combo1->setCurrentIndex(0);
    emit rig.Combo1->activated(0);
    rig.Command2->click();
    save(f, QStringLiteral("main_rig_made"));

    f.スタート->trigger();
    scheduler.advance(12 * 1000);
    save(f, QStringLiteral("main_started"));

    // A moment of the fight, a catch in the list and the bait list open.
    f.Image2->setPicture(*f.Picture1(7));
    f.Image1->setPicture(*f.Picture3(4));
    listFish(f, QStringLiteral("チヌ  42センチ"));
    listFish(f, QStringLiteral("フグ  8センチ"));
    f.Label33->setText(QStringLiteral("1枚"));
    f.Label34->setText(QStringLiteral("2匹"));
    f.List2->show();
    save(f, QStringLiteral("main_fishing"));
    f.List2->hide();
    f.Image2->setPicture(*f.Picture1(1));
    f.Image1->setPicture(*f.Picture3(0));

    // The landed chinu, as the fishing opens it.
    PictureBox *chinu = f.Picture1(0);
    chinu->setGeometry(50, 100, 450, 377);
    chinu->setVisible(true);
    f.Label36->setText(QStringLiteral("42"));
    save(f, QStringLiteral("main_landed_chinu"));
    chinu->setVisible(false);

    // Near the end hour, then the boatman's message over the screen.
    scheduler.advance(qint64(480 - 12 - 3) * 1000);
    save(f, QStringLiteral("main_near_end"));
    QTimer::singleShot(700, [] {
        saveScreen(QStringLiteral("main_boatman"));
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    scheduler.advance(4 * 1000);
    save(f, QStringLiteral("main_day_over"));

    saveFrames(f);

    // Today's catch, with 閉じる and 次の釣行へ.
    f.dayEnd().釣果を保存Click();
    if (Form5 *today = game.screens().loadedForm5())
        save(*today, QStringLiteral("todays_catch"));
    game.endProgram();
    return 0;
}
