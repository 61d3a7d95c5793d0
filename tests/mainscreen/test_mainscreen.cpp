#include "support/todayscatch.h"
#include "comforts/comfortstexts.h"
#include "app/screens.h"
#include "mainscreen/fishing/buttoncolours.h"
#include "mainscreen/form1.h"
#include "mainscreen/mainscreentexts.h"
#include "mainscreen/rafts.h"
#include "platform/picturebox.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "support/testgame.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace T = mainscreentexts;

namespace {

struct Crossing
{
    int spot = 2;
    QString endHour = QStringLiteral("15");
    QString earlierLow = QStringLiteral("4");
    // The draws of 1..6 that pick the day's good baits.
    QList<int> baits{1, 3, 5};
};

// The main screen as the settings screen leaves it after crossing: raft,
// angler, chinu, the end hour and today's tides on the settings screen.
Form1 &cross(TestGame &t, const Crossing &c = {})
{
    t.screens().form3(); // it draws today's tides as it opens; the crossing sets its own
    const int low = c.earlierLow.toInt();
    Day &day = t.game().day;
    day.tides.firstHigh = (low + 6) % 24;
    day.tides.secondHigh = (low + 18) % 24;
    day.tides.earlierLow = low;
    day.tides.laterLow = low + 12;
    GameState &s = t.state();
    s.SpotNo = c.spot;
    s.AnglerName = QStringLiteral("浜田");
    s.TargetFish = daylog::Fish::Chinu;
    s.EndHour = c.endHour;
    s.DayMinutes = (c.endHour.toInt() - 7) * 60;
    for (int k : c.baits)
        t.random.pushDraw(k, 6);
    Form1 &f = t.screens().form1();
    f.showEndHour();
    return f;
}

// A chinu rig on the main screen and the day started.
Form1 &startedDay(TestGame &t, const Crossing &c = {})
{
    Form1 &f = cross(t, c);
    f.setRig(daylog::Leader::No2, daylog::Hook::No4, daylog::Bait::Boke);
    f.StartDay();
    t.sound.clearLog();
    return f;
}

Timer *timerNamed(Form1 &f, const QString &name)
{
    return dynamic_cast<Timer *>(f.findChild<QObject *>(name, Qt::FindDirectChildrenOnly));
}

QString open(Form1 &f, const QString &wave)
{
    return QStringLiteral("open ") + f.wavePath(wave);
}

QString boatmanText(const QString &a, const QString &b, const QString &c)
{
    // Written out whole: the words and blanks are the game's own.
    return QStringLiteral("船頭: 時間が来ました。釣りを終了してください。\n\n      今日は") + a + QLatin1Char(' ') + b
        + QLatin1Char(' ') + c + QStringLiteral("が良かったみたいです。");
}

} // namespace

class TestMainScreen : public QObject
{
    Q_OBJECT

private slots:
    void crossingFillsTheScreen_data();
    void crossingFillsTheScreen();
    void timersStartDisabledWithTheirIntervals_data();
    void timersStartDisabledWithTheirIntervals();
    void promptOpensTheRigScreenThenStartsTheDay();
    void startAfterACompletedRig();
    void dayRunsToTheEndHourAndTheBoatmanCallsTime_data();
    void dayRunsToTheEndHourAndTheBoatmanCallsTime();
    void fishOnTheHookHoldsTheEnd();
    void lastMinutesStopTheRodTip();
    void failedTickSnapsTheTideBar_data();
    void failedTickSnapsTheTideBar();
    void drainingTheTimeBarLetsTheScreenDraw();
    void musicLoopsEverySixtyOneTicks();
    void fanfareAndTheEndOfTheDayStopTheMusic();
    void rodSoundRepeatsEveryOnePointOneSeconds();
    void landedChinuFlaps();
    void closeControlIsRefused();
};

void TestMainScreen::crossingFillsTheScreen_data()
{
    QTest::addColumn<int>("spot");
    QTest::newRow("no raft chosen") << 0;
    for (int k = 1; k <= rafts::Count; ++k)
        QTest::addRow("raft %d", k) << k;
}

void TestMainScreen::crossingFillsTheScreen()
{
    QFETCH(int, spot);
    TestGame t;
    Crossing c;
    c.spot = spot;
    Form1 &f = cross(t, c);

    const rafts::Raft *raft = rafts::byNumber(spot);
    const QStringList design{T::La1(), T::La2(), T::La3(), T::La4(), T::La5(), T::La6()};
    const QList<QLabel *> cells{f.La1, f.La2, f.La3, f.La4, f.La5, f.La6};
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(cells[i - 1]->text(), raft ? raft->cells()[std::size_t(i)] : design[i - 1]);

    QCOMPARE(f.windowTitle(), T::Caption());
    QCOMPARE(f.Label6->text(), t.state().AnglerName);
    QCOMPARE(f.Label4(0)->text(), T::Chinu());
    QCOMPARE(f.Label8->text(), rafts::name(spot));
    QCOMPARE((QStringList{f.Label22->text(), f.Label24->text(), f.Label26->text(), f.Label28->text()}),
             (QStringList{QStringLiteral("10"), QStringLiteral("22"), QStringLiteral("4"), QStringLiteral("16")}));
    QCOMPARE(f.Label10->text(), T::FirstClock());
    QCOMPARE(f.Label15->width(), Day::BarFullWidth);
    QCOMPARE(f.Command6->text(), T::FirstPrompt());
    QVERIFY(f.仕掛けを作る->isEnabled() && f.納竿->isEnabled());
    QVERIFY(!f.スタート->isEnabled() && !f.釣果を保存->isEnabled());
    for (QLabel *rig : {f.Label42, f.Label43, f.Label44})
        QCOMPARE(rig->text(), T::NotSet());
    // The fishing waits for the start; the day's end picture and the landed chinu are hidden.
    for (QPushButton *button : {f.Command1, f.Command2, f.Command3, f.Command5})
        QVERIFY(!button->isEnabled());
    QVERIFY(f.Image5->isHidden() && f.Picture1(0)->isHidden() && f.List2->isHidden());
    QCOMPARE((QStringList{f.Label33->text(), f.Label34->text()}), (QStringList{T::Label33(), T::Label34()}));
    // Low water at 4:00: rising at 7:00, half full.
    QVERIFY(f.Label17->isHidden() && !f.Label18->isHidden());
    QCOMPARE(f.Label16->width(), 128);
    QCOMPARE(f.day().tide, TideDirection::Flood);
    QCOMPARE(f.day().minutesLeft, qint16(480));
    QCOMPARE(f.day().music, MusicMode::Bgm);
    // Good baits drawn 1, 3, 5.
    QVERIFY((f.day().goodBaits
             == std::array<std::optional<daylog::Bait>, 3>{daylog::Bait::Akemigai, daylog::Bait::Ebi, daylog::Bait::Kani}));
    QCOMPARE(t.random.remaining(), 0);
}

void TestMainScreen::timersStartDisabledWithTheirIntervals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("interval");
    QTest::newRow("clock") << QStringLiteral("Timer時間管理") << 1000;
    QTest::newRow("music") << QStringLiteral("Timer1音楽1") << 800;
    QTest::newRow("rod sound") << QStringLiteral("Timer竿の音") << 100;
    QTest::newRow("landed chinu") << QStringLiteral("Timer1") << 100;
    QTest::newRow("groundbait") << QStringLiteral("Timerダンゴ管理") << -1;
    QTest::newRow("rod tip") << QStringLiteral("Timer竿の動き") << 1000;
    QTest::newRow("bite") << QStringLiteral("Timerあたり") << -1;
    QTest::newRow("fight") << QStringLiteral("Timer竿のしなり") << 100;
    QTest::newRow("mullet") << QStringLiteral("Timer1ボラのタイマー") << 1000;
    QTest::newRow("lost fish") << QStringLiteral("Timer1ばらし") << 1000;
}

void TestMainScreen::timersStartDisabledWithTheirIntervals()
{
    QFETCH(QString, name);
    QFETCH(int, interval);
    TestGame t;
    Form1 &f = cross(t);
    Timer *timer = timerNamed(f, name);
    QVERIFY(timer);
    QVERIFY(!timer->isEnabled());
    if (interval > 0)
        QCOMPARE(timer->interval(), interval);
}

void TestMainScreen::promptOpensTheRigScreenThenStartsTheDay()
{
    TestGame t;
    Crossing c;
    c.spot = 5;
    Form1 &f = cross(t, c);
    f.Command6->click();
    QCOMPARE(f.仕掛けを作る->text(), T::RigMenuChanged());
    QVERIFY(t.screens().loadedForm2());
    QVERIFY(!f.Timer時間管理->isEnabled());

    // The rig screen was left open without a rig: the prompt now starts the day.
    f.Command6->click();
    QVERIFY(f.Command6->isHidden());
    QVERIFY(f.Timer時間管理->isEnabled() && f.Timer1音楽1->isEnabled());
    QVERIFY(f.Command1->isEnabled());
    QCOMPARE(buttoncolours::colour(f.Command1), buttoncolours::active());
    QVERIFY(!f.スタート->isEnabled());
    QVERIFY(f.Image5->isHidden());
    QCOMPARE(f.Image1->pictureName(), f.Picture3(0)->pictureName());
    const GameState &s = t.state();
    QCOMPARE(leaderCaption(f.day()), T::NotSet());
    QCOMPARE(baitCaption(f.day()), T::NotSet());
    QCOMPARE(s.TargetCode, 1);
    // 鴨の越し: 13 m, normal current, some stealers, many chinu of 25 cm, on the falling tide.
    QCOMPARE((QList<int>{s.DepthLevel, s.CurrentLevel, s.StealerLevel, s.ChinuDensity, s.SizeFactor}),
             (QList<int>{3, 2, 2, 3, 1}));
    QCOMPARE(QString::number(s.AverageSize), rafts::byNumber(5)->cells()[5]);
    QCOMPARE(rafts::aimWord(s.FavourableTide), rafts::byNumber(5)->cells()[6]);
}

void TestMainScreen::startAfterACompletedRig()
{
    TestGame t;
    Form1 &f = cross(t);
    f.仕掛けを作る->trigger();
    Form2 &rig = t.screens().form2();
    rig.selectOption(2);
    rig.selectOption(5);
    rig.selectOption(10);
    rig.Command2->click();
    QCOMPARE(f.Command6->text(), T::StartPrompt());
    QVERIFY(f.スタート->isEnabled());

    f.スタート->trigger();
    QVERIFY(f.Timer時間管理->isEnabled());
    QVERIFY(f.day().bait == daylog::Bait::Okiami);
    t.advance(3000);
    QCOMPARE(f.Label10->text(), QStringLiteral("7") + T::ClockColon() + QStringLiteral("03"));

    // A rig change during the day starts the day again without touching the clock.
    f.仕掛けを作る->trigger();
    t.screens().form2().Command2->click();
    QVERIFY(f.スタート->isEnabled());
    f.スタート->trigger();
    t.advance(1000);
    QCOMPARE(f.Label10->text(), QStringLiteral("7") + T::ClockColon() + QStringLiteral("04"));
}

void TestMainScreen::dayRunsToTheEndHourAndTheBoatmanCallsTime_data()
{
    QTest::addColumn<QString>("endHour");
    QTest::addColumn<bool>("fishCaught");
    QTest::newRow("15時まで, empty catch list") << QStringLiteral("15") << false;
    QTest::newRow("10時まで, one fish") << QStringLiteral("10") << true;
}

void TestMainScreen::dayRunsToTheEndHourAndTheBoatmanCallsTime()
{
    QFETCH(QString, endHour);
    QFETCH(bool, fishCaught);
    TestGame t;
    Crossing c;
    c.endHour = endHour;
    c.baits = {6, 6, 2, 4}; // a repeat is drawn again
    Form1 &f = startedDay(t, c);
    if (fishCaught)
        listFish(f, QStringLiteral("フグ  8センチ"));
    const int minutes = (endHour.toInt() - 7) * 60;

    t.advance(qint64(minutes - 1) * 1000);
    QCOMPARE(f.Label10->text(), QString::number(endHour.toInt() - 1) + T::ClockColon() + QStringLiteral("59"));
    QVERIFY(f.Label15->width() <= 1); // each hour's bar has already lost its first minute
    t.advance(1000);
    QCOMPARE(f.Label10->text(), endHour + T::ClockColon() + QStringLiteral("00"));
    QCOMPARE(f.day().minutesLeft, qint16(0));
    QCOMPARE(f.Label15->width(), 0);
    QVERIFY(t.dialogs.shown().empty());
    QVERIFY(f.Command1->isEnabled());

    t.advance(1000);
    QCOMPARE(t.dialogs.texts(), QStringList{boatmanText(T::baits().at(5), T::baits().at(1), T::baits().at(3))});
    QCOMPARE(t.dialogs.shown().front().caption, T::Caption());
    QCOMPARE(f.day().ending, true);
    QVERIFY(!f.Image5->isHidden());
    for (QPushButton *button : {f.Command1, f.Command2, f.Command3})
        QVERIFY(!button->isEnabled());
    for (Timer *timer : {f.Timer時間管理, f.Timer竿の音, f.Timerあたり, f.Timerダンゴ管理,
                         f.Timer竿のしなり, f.Timer竿の動き})
        QVERIFY(!timer->isEnabled());
    QCOMPARE(f.釣果を保存->isEnabled(), fishCaught);

    // The music stops on its next tick and the clock stays put.
    t.advance(5000);
    QVERIFY(!f.Timer1音楽1->isEnabled());
    QVERIFY(!t.sound.isOpen());
    QCOMPARE(f.Label10->text(), endHour + T::ClockColon() + QStringLiteral("00"));
    QCOMPARE(t.dialogs.shown().size(), std::size_t(1));
}

void TestMainScreen::fishOnTheHookHoldsTheEnd()
{
    TestGame t;
    Crossing c;
    c.endHour = QStringLiteral("10");
    Form1 &f = startedDay(t, c);
    t.advance(180 * 1000);
    t.state().HookPhase = 1;
    t.advance(30 * 1000);
    QVERIFY(t.dialogs.shown().empty());
    QCOMPARE(f.Label10->text(), QStringLiteral("10") + T::ClockColon() + QStringLiteral("00"));
    QCOMPARE(f.day().minutesLeft, qint16(0));
    QCOMPARE(f.day().ending, false);
    QVERIFY(f.Timer時間管理->isEnabled());

    t.state().HookPhase = 0; // landed
    t.advance(1000);
    QCOMPARE(t.dialogs.shown().size(), std::size_t(1));
    QCOMPARE(f.day().ending, true);
}

// In the last minutes every minute stops the rod tip, even when the
// groundbait has started it again.
void TestMainScreen::lastMinutesStopTheRodTip()
{
    TestGame t;
    Crossing c;
    c.endHour = QStringLiteral("10");
    Form1 &f = startedDay(t, c);
    Timer &rodTip = *f.Timer竿の動き;
    rodTip.setInterval(3600 * 1000); // watched, never ticking in this test
    t.advance(174 * 1000);
    rodTip.setEnabled(true);
    t.advance(1000);
    QCOMPARE(f.day().minutesLeft, qint16(5));
    QVERIFY(rodTip.isEnabled());
    t.advance(1000);
    QCOMPARE(f.day().minutesLeft, qint16(4));
    QVERIFY(!rodTip.isEnabled());
    rodTip.setEnabled(true);
    t.advance(1000);
    QVERIFY(!rodTip.isEnabled());
}

void TestMainScreen::failedTickSnapsTheTideBar_data()
{
    QTest::addColumn<QString>("earlierLow");
    QTest::addColumn<int>("snapped");
    QTest::newRow("nearly full") << QStringLiteral("2") << 257; // 214 px at 7:00
    QTest::newRow("nearly empty") << QStringLiteral("5") << 0;   // 86 px
}

void TestMainScreen::failedTickSnapsTheTideBar()
{
    QFETCH(QString, earlierLow);
    QFETCH(int, snapped);
    TestGame t;
    Crossing c;
    c.earlierLow = earlierLow;
    Form1 &f = startedDay(t, c);
    t.state().DayMinutes = 0; // a day without length cannot be divided into minutes
    t.advance(1000);
    QCOMPARE(f.Label16->width(), snapped);
    QCOMPARE(f.Label10->text(), QStringLiteral("7") + T::ClockColon() + QStringLiteral("01"));

    // The next minute runs in full again.
    t.state().DayMinutes = 480;
    const float bar = f.day().timeBarWidth;
    t.advance(1000);
    QCOMPARE(f.Label10->text(), QStringLiteral("7") + T::ClockColon() + QStringLiteral("02"));
    QVERIFY(f.day().timeBarWidth < bar);
}

void TestMainScreen::drainingTheTimeBarLetsTheScreenDraw()
{
    TestGame t;
    Crossing c;
    c.endHour = QStringLiteral("10");
    Form1 &f = startedDay(t, c);
    t.advance(180 * 1000);
    t.state().HookPhase = 1;
    f.day().timeBarWidth = 5.5f; // as if the bar had not run out by the end hour
    const int yields = t.scheduler.yields();
    t.advance(1000);
    QCOMPARE(t.scheduler.yields() - yields, 5);
    QVERIFY(qAbs(f.day().timeBarWidth - 0.5f) < 1e-4);
}

void TestMainScreen::musicLoopsEverySixtyOneTicks()
{
    TestGame t;
    Form1 &f = cross(t);
    f.Timer1音楽1->setEnabled(true);
    const QStringList start{open(f, T::WaveStart()), QStringLiteral("play")};
    const QStringList stop{QStringLiteral("stop"), QStringLiteral("close")};
    t.advance(800);
    QCOMPARE(t.sound.log(), start);
    QCOMPARE(f.day().mcCommands[1], T::Open() + f.wavePath(T::WaveStart()) + T::OpenTail());
    QCOMPARE(f.day().musicFlags[1], 1);
    t.advance(59 * 800);
    QCOMPARE(t.sound.log(), start);
    QCOMPARE(f.day().musicTicks, 59);
    t.advance(800);
    QCOMPARE(t.sound.log(), start + stop);
    QCOMPARE(f.day().musicFlags[1], 0);
    t.advance(800);
    QCOMPARE(t.sound.log(), start + stop + start);
    QVERIFY(t.sound.playing());
    QCOMPARE(f.wavePath(T::WaveStart()),
             t.game().platform.dirs.soundInstallDir + QStringLiteral("/NamiyoseV1") + T::WaveStart()
                 + QStringLiteral(".wav"));
}

void TestMainScreen::fanfareAndTheEndOfTheDayStopTheMusic()
{
    TestGame t;
    Form1 &f = cross(t);
    f.StopMusic();
    f.day().music = MusicMode::Big;
    f.Timer1音楽1->setEnabled(true);
    t.sound.clearLog();
    t.advance(3 * 800);
    // Every tick asks for the fanfare; the device keeps the one already playing.
    const QStringList fanfare{open(f, T::Big()), QStringLiteral("play")};
    QCOMPARE(t.sound.log(), fanfare + fanfare + fanfare);
    QCOMPARE(t.sound.played().size(), 1); // started once, not again at each tick
    QCOMPARE(t.sound.openPath(), f.wavePath(T::Big()));

    f.day().ending = true;
    t.sound.clearLog();
    t.advance(800);
    QCOMPARE(t.sound.log(), (fanfare + QStringList{QStringLiteral("stop"), QStringLiteral("close")}));
    QVERIFY(!f.Timer1音楽1->isEnabled());
}

void TestMainScreen::rodSoundRepeatsEveryOnePointOneSeconds()
{
    TestGame t;
    Form1 &f = cross(t);
    GameState &s = t.state();
    s.RodSoundState = 1;
    s.RodSoundTicks = 0;
    f.Timer竿の音->setEnabled(true);
    const QStringList bite{open(f, T::WaveBite()), QStringLiteral("play")};
    const QStringList stop{QStringLiteral("stop"), QStringLiteral("close")};
    t.advance(100);
    QCOMPARE(t.sound.log(), bite);
    QCOMPARE(f.day().mcCommands[3], T::Open() + f.wavePath(T::WaveBite()) + T::OpenTail());
    t.advance(1000);
    QCOMPARE(t.sound.log(), bite + stop);
    t.advance(100);
    QCOMPARE(t.sound.log(), bite + stop + bite);
    t.advance(1100);
    QCOMPARE(t.sound.log(), bite + stop + bite + stop + bite);

    s.RodSoundState = 2; // the fight is over
    t.advance(100);
    QCOMPARE(t.sound.log().mid(t.sound.log().size() - 2), stop);
    QVERIFY(!f.Timer竿の音->isEnabled());
}

void TestMainScreen::landedChinuFlaps()
{
    TestGame t;
    Form1 &f = cross(t);
    QCOMPARE(f.Picture1(0)->pictureName(), QStringLiteral("chinu_0"));
    f.day().showFrame = 5;
    f.Timer1->setEnabled(true);
    QStringList frames;
    for (int i = 0; i < 3; ++i) {
        t.advance(100);
        frames << f.Picture1(0)->pictureName();
    }
    QCOMPARE(frames, (QStringList{QStringLiteral("chinu_5"), QStringLiteral("chinu_6"), QStringLiteral("chinu_5")}));
    // A frame number that names no picture leaves the picture and starts again at 5.
    f.day().showFrame = 0;
    t.advance(100);
    QCOMPARE(f.Picture1(0)->pictureName(), QStringLiteral("chinu_5"));
    QCOMPARE(f.day().showFrame, qint16(5));
}

void TestMainScreen::closeControlIsRefused()
{
    TestGame t;
    Form1 &f = cross(t);
    t.screens().show(f);
    QVERIFY(!f.close());
    QVERIFY(f.isVisible());
    QCOMPARE(t.dialogs.texts(), QStringList{T::UseNoukan() + comfortstexts::MainCloseKey()}); // names the key
    QCOMPARE(t.screens().loadedForm1(), &f);
    QVERIFY(!f.queryUnload(false)); // the program ending itself is not refused
}

QTEST_MAIN(TestMainScreen)
#include "test_mainscreen.moc"
