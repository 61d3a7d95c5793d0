#include "pond.h"

#include <QTest>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The catch-list entry and the landing message, after the game's own examples.
QString entry(const QString &kind, int length)
{
    return s("チヌ  42センチ").replace(QStringLiteral("42"), QString::number(length)).replace(s("チヌ"), kind);
}

QString landed(const QString &kind, int length)
{
    return s("28 センチの チヌを釣り上げた。").replace(QStringLiteral("28"), QString::number(length)).replace(s("チヌ"), kind);
}

} // namespace

class FishingActionTest : public QObject
{
    Q_OBJECT

private slots:
    // groundbait cycle
    void dropThenBreak_data();
    void dropThenBreak();
    void dropTakesTheTideFromTheArrowShown_data();
    void dropTakesTheTideFromTheArrowShown();
    void mulletDropStartsTheMulletWatch();
    void endBiteCycle_data();
    void endBiteCycle();

    // bites
    void rodTipTickDrawsItsSlotsInOrder_data();
    void rodTipTickDrawsItsSlotsInOrder();
    void pendingBaitLossEndsTheCycleOnTheNextTick_data();
    void pendingBaitLossEndsTheCycleOnTheNextTick();
    void biteComesWhereTideGateAndClassAllow_data();
    void biteComesWhereTideGateAndClassAllow();
    void biteOpening_data();
    void biteOpening();

    // rod-tip motion
    void nibbleTwitchesThenPullsOnce_data();
    void nibbleTwitchesThenPullsOnce();
    void fastPullOfAChinu_data();
    void fastPullOfAChinu();
    void slowPullOfAStealerWaitsThenPullsOnce_data();
    void slowPullOfAStealerWaitsThenPullsOnce();
    void strikeWindowClosesTwoSecondsAfterItFirstOpens();

    // strike
    void strikeTooEarly_data();
    void strikeTooEarly();
    void strikeWithNothingAtTheBaitGivesUpTheGroundbait_data();
    void strikeWithNothingAtTheBaitGivesUpTheGroundbait();
    void strikeHooksTheFishAndTheFightBegins();
    void strikeFailureStopsFishingForTheDay();

    // fight and landing
    void fightLandsTheFish_data();
    void fightLandsTheFish();
    void lineStrainDecidesTheLoss_data();
    void lineStrainDecidesTheLoss();
    void okClosesTheLandedChinu();

    // mullet
    void mulletTakesTheBaitAndEscapesOnItsTenthTick();
    void noMulletTakesTheBaitOnceTheClockShowsTheEndHour();
    void mulletFightTakesLengthAndLossFromTheLastTick_data();
    void mulletFightTakesLengthAndLossFromTheLastTick();
    void strikeWithNoMulletReturnsToTheDrop();
    void strikeDuringAMulletFightTakesTheNoMulletBranch();

    // bait change
    void baitChange_data();
    void baitChange();
};

// ---- groundbait cycle --------------------------------------------------------

void FishingActionTest::dropThenBreak_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("sinkMs");
    QTest::addColumn<bool>("byButton");
    QTest::newRow("3 s, breaks by itself") << 0.0 << 3000 << false;
    QTest::newRow("4 s, breaks by itself") << 0.2 << 4000 << false;
    QTest::newRow("7 s, breaks by itself") << 0.9999 << 7000 << false;
    QTest::newRow("5 s, broken by the button") << 0.5 << 5000 << true;
}

void FishingActionTest::dropThenBreak()
{
    QFETCH(double, r);
    QFETCH(int, sinkMs);
    QFETCH(bool, byButton);
    Pond p;
    Form1 &f = p.form;
    p.form.day().tideMatch = 1;
    f.day().music = MusicMode::Big;
    const int reseeds = p.game.random.reseeds();
    p.game.random.push(r);

    f.Command1->click();
    QCOMPARE(p.game.random.reseeds(), reseeds + 1);
    QCOMPARE(p.game.random.lastSeed(), quint64(p.game.clock.now().toMSecsSinceEpoch()));
    QCOMPARE(p.game.random.remaining(), 0);
    QCOMPARE(f.day().music, MusicMode::Bgm);
    QCOMPARE(p.form.day().tideMatch, 0);
    QVERIFY(!f.仕掛けを作る->isEnabled());
    QVERIFY(!f.Command1->isEnabled());
    QVERIFY(f.Command2->isEnabled());
    QVERIFY(!f.Command5->isEnabled());
    QVERIFY(Pond::pink(f.Command2) && Pond::blue(f.Command1));
    QVERIFY(p.hasFocus(f.Command2));
    QCOMPARE(p.tip(), 6);
    QVERIFY(f.Timerダンゴ管理->isEnabled());
    QCOMPARE(f.Timerダンゴ管理->interval(), sinkMs);

    if (byButton) {
        p.game.advance(sinkMs / 2);
        f.Command2->click();
    } else {
        p.game.advance(sinkMs - 1);
        QVERIFY(f.Command2->isEnabled()); // still sinking
        p.game.advance(1);
    }
    QCOMPARE(p.tip(), 1);
    QVERIFY(!f.Command2->isEnabled());
    QVERIFY(f.Command3->isEnabled());
    QVERIFY(Pond::pink(f.Command3) && Pond::blue(f.Command2));
    QVERIFY(p.hasFocus(f.Command3));
    QVERIFY(!f.Timerダンゴ管理->isEnabled());
    QVERIFY(f.Timer竿の動き->isEnabled());
    QCOMPARE(f.Timer竿の動き->interval(), 1000);
    QVERIFY(p.messages().isEmpty());
}

void FishingActionTest::dropTakesTheTideFromTheArrowShown_data()
{
    QTest::addColumn<bool>("falling");
    QTest::addColumn<bool>("rising");
    QTest::addColumn<QString>("tide");
    QTest::newRow("falling arrow") << true << false << s("引");
    QTest::newRow("rising arrow") << false << true << s("満");
    QTest::newRow("no arrow keeps the tide") << false << false << s("満");
}

void FishingActionTest::dropTakesTheTideFromTheArrowShown()
{
    QFETCH(bool, falling);
    QFETCH(bool, rising);
    QFETCH(QString, tide);
    Pond p;
    p.form.day().tide = TideDirection::Flood;
    p.form.day().ebbShown = falling;
    p.form.day().floodShown = rising;
    p.game.random.pushDraw(1, 5);
    p.form.Command1->click();
    QCOMPARE(tideWord(p.form.day().tide), tide);
}

void FishingActionTest::mulletDropStartsTheMulletWatch()
{
    Pond p(2);
    Form1 &f = p.form;
    f.Command1->click();
    QCOMPARE(p.game.random.remaining(), 0);
    QVERIFY(!f.Command1->isEnabled());
    QVERIFY(!f.Command2->isEnabled());
    QVERIFY(f.Command3->isEnabled());
    QVERIFY(!f.Command5->isEnabled());
    QVERIFY(!f.仕掛けを作る->isEnabled());
    QVERIFY(Pond::pink(f.Command3) && Pond::blue(f.Command1));
    QVERIFY(p.hasFocus(f.Command3));
    QVERIFY(f.Timer1ボラのタイマー->isEnabled());
    QVERIFY(!f.Timerダンゴ管理->isEnabled()); // no ball to break
}

void FishingActionTest::endBiteCycle_data()
{
    QTest::addColumn<int>("hookPhase");
    QTest::addColumn<bool>("landedPicture");
    QTest::addColumn<int>("dayEnding");
    QTest::addColumn<bool>("dropOffered");
    QTest::addColumn<int>("hookPhaseAfter");
    QTest::newRow("bait gone") << 0 << false << 0 << true << 0;
    QTest::newRow("bait being taken") << 2 << false << 0 << true << 0;
    QTest::newRow("a fish just hooked") << 1 << false << 0 << false << 0;
    QTest::newRow("landed chinu on show") << 0 << true << 0 << false << 0;
    QTest::newRow("after the day's end, a fish on") << 1 << false << 1 << false << 1;
    // Once the day is over nothing offers a new cycle.
    QTest::newRow("after the day's end") << 2 << false << 1 << false << 2;
}

void FishingActionTest::endBiteCycle()
{
    QFETCH(int, hookPhase);
    QFETCH(bool, landedPicture);
    QFETCH(int, dayEnding);
    QFETCH(bool, dropOffered);
    QFETCH(int, hookPhaseAfter);
    Pond p;
    Form1 &f = p.form;
    GameState &st = p.state();
    // A cycle in full swing.
    DayControls &c = f.day().controls;
    c.dropEnabled = false;
    c.breakEnabled = true;
    c.strikeEnabled = true;
    c.baitEnabled = false;
    c.rigMenuEnabled = false;
    c.strikeLit = true;
    c.dropLit = false;
    f.showControls();
    f.Timerダンゴ管理->setEnabled(true);
    f.Timer竿の動き->setInterval(2000);
    f.Timer竿の動き->setEnabled(true);
    f.Timerあたり->setEnabled(true);
    f.Image2->setPicture(*f.Picture1(7));
    p.form.day().biteArmed = 1;
    p.form.day().fightRounds = 4;
    st.BiteClass = 3;
    st.TipPictureIndex = 5;
    st.HookPhase = hookPhase;
    f.day().ending = dayEnding != 0;
    f.day().landedOnShow = landedPicture;

    p.fishing.EndBiteCycle();

    QCOMPARE(f.Command1->isEnabled(), dropOffered);
    if (dropOffered)
        QVERIFY(p.hasFocus(f.Command1));
    QVERIFY(!f.Command2->isEnabled());
    QVERIFY(!f.Command3->isEnabled());
    const bool over = dayEnding == 1;
    QVERIFY(Pond::blue(f.Command2) && Pond::blue(f.Command3));
    QCOMPARE(Pond::pink(f.Command1), !over);
    QCOMPARE(f.Command5->isEnabled(), !over);
    QCOMPARE(f.仕掛けを作る->isEnabled(), !over);
    QCOMPARE(p.tip(), 1);
    QCOMPARE(p.form.day().biteArmed, 0);
    QCOMPARE(p.form.day().fightRounds, 0);
    QCOMPARE(st.BiteClass, 0);
    QCOMPARE(st.TipPictureIndex, 0);
    QCOMPARE(st.HookPhase, hookPhaseAfter);
    QVERIFY(!f.Timerダンゴ管理->isEnabled());
    QVERIFY(!f.Timer竿の動き->isEnabled());
    QVERIFY(!f.Timerあたり->isEnabled());
    QCOMPARE(f.Timer竿の動き->interval(), 1000);
}

// ---- bites -------------------------------------------------------------------

void FishingActionTest::rodTipTickDrawsItsSlotsInOrder_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QList<int>>("ticks");   // TickRolls[1..3]
    QTest::addColumn<QList<int>>("bites");   // BiteRolls[1], [3], [4], [5], [6], [7], [8]
    QTest::newRow("lowest") << 0.0 << QList<int>{1, 1, 1} << QList<int>{1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("highest") << 0.9999 << QList<int>{16, 12, 8} << QList<int>{3, 10, 15, 5, 1, 10, 5};
    // 0.5 draws the middle of three: the one draw that turns the offset negative.
    QTest::newRow("middle") << 0.5 << QList<int>{9, 7, 5} << QList<int>{2, 6, 8, 3, -1, 6, 3};
}

void FishingActionTest::rodTipTickDrawsItsSlotsInOrder()
{
    QFETCH(double, r);
    QFETCH(QList<int>, ticks);
    QFETCH(QList<int>, bites);
    Pond p;
    p.form.day().tide = TideDirection::Unknown; // no tide, no bite: the draws are all the tick does
    for (int i = 0; i < 10; ++i)
        p.game.random.push(r);
    p.fishing.RodTipTick();
    QCOMPARE(p.game.random.remaining(), 0);
    const GameState &st = p.state();
    QCOMPARE((QList<int>{st.TickRolls[1], st.TickRolls[2], st.TickRolls[3]}), ticks);
    QCOMPARE((QList<int>{st.BiteRolls[1], st.BiteRolls[3], st.BiteRolls[4], st.BiteRolls[5], st.BiteRolls[6],
                         st.BiteRolls[7], st.BiteRolls[8]}),
             bites);
    QCOMPARE(st.BiteClass, 0);
}

void FishingActionTest::pendingBaitLossEndsTheCycleOnTheNextTick_data()
{
    QTest::addColumn<int>("hookPhase");
    QTest::newRow("a fish held the bait") << 1;
    QTest::newRow("the bait was being taken") << 2;
}

void FishingActionTest::pendingBaitLossEndsTheCycleOnTheNextTick()
{
    QFETCH(int, hookPhase);
    Pond p;
    p.dropAndTick(Pond::quietTick());
    p.state().HookPhase = hookPhase;
    p.pushTick(Pond::biteTick(2, 7)); // a tick that would bite is spent on the loss
    p.game.advance(1000);
    QCOMPARE(p.messages(), QStringList{s("エサを取られました。")});
    QCOMPARE(p.game.dialogs.shown().back().caption, p.form.windowTitle());
    QCOMPARE(p.state().HookPhase, 0);
    QCOMPARE(p.state().BiteClass, 0);
    QVERIFY(p.form.Command1->isEnabled());
    QVERIFY(!p.form.Command3->isEnabled());
    QVERIFY(!p.form.Timer竿の動き->isEnabled());
}

void FishingActionTest::biteComesWhereTideGateAndClassAllow_data()
{
    QTest::addColumn<TideDirection>("tideNow");
    QTest::addColumn<TideDirection>("favourable");
    QTest::addColumn<int>("density");
    QTest::addColumn<QString>("leader");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("goodBait");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("tideMatch");
    const TideDirection ebb = TideDirection::Ebb, flood = TideDirection::Flood, unknown = TideDirection::Unknown;
    // The raft's favourable tide, as its data says it.
    const TideDirection ebbTide = ebb, floodTide = flood;
    const QString l1 = s("1号"), l3 = s("3号");
    // Matching tide, many chinu, figure 3: every draw passes the gate.
    for (int n = 1; n <= 8; ++n)
        QTest::newRow(("matching, plain bait, n " + QByteArray::number(n)).constData())
            << flood << floodTide << 3 << l1 << 1 << false << n << QList<int>{0, 0, 0, 3, 0, 4, 2, 3, 0}[n] << 1;
    QTest::newRow("matching, good bait, n 1") << ebb << ebbTide << 3 << l1 << 1 << true << 1 << 2 << 1;
    // Off the favourable tide, few chinu: only draws of 1..5 reach the gate.
    QTest::newRow("off tide, n 3") << ebb << floodTide << 1 << l1 << 1 << false << 3 << 3 << 0;
    QTest::newRow("off tide, n 5") << flood << ebbTide << 1 << l1 << 1 << false << 5 << 4 << 0;
    QTest::newRow("off tide, n 6") << flood << ebbTide << 1 << l1 << 1 << false << 6 << 0 << 0;
    QTest::newRow("off tide, n 7") << ebb << floodTide << 1 << l1 << 1 << false << 7 << 0 << 0;
    QTest::newRow("off tide, good bait, n 2") << ebb << floodTide << 2 << l1 << 1 << true << 2 << 3 << 0;
    // Figure 7 (3号, depth 3, current 1): limit 4.
    QTest::newRow("figure 7, n 3") << ebb << floodTide << 3 << l3 << 3 << false << 3 << 3 << 0;
    QTest::newRow("figure 7, n 5") << ebb << ebbTide << 3 << l3 << 3 << false << 5 << 0 << 1;
    QTest::newRow("figure 7, good bait, n 4") << ebb << ebbTide << 3 << l3 << 3 << true << 4 << 2 << 1;
    QTest::newRow("no rig") << ebb << ebbTide << 3 << s("未設定") << 1 << false << 3 << 0 << 1;
    QTest::newRow("no tide") << unknown << ebbTide << 3 << l1 << 1 << false << 3 << 0 << -1;
}

void FishingActionTest::biteComesWhereTideGateAndClassAllow()
{
    QFETCH(TideDirection, tideNow);
    QFETCH(TideDirection, favourable);
    QFETCH(int, density);
    QFETCH(QString, leader);
    QFETCH(int, depth);
    QFETCH(bool, goodBait);
    QFETCH(int, n);
    QFETCH(int, cls);
    QFETCH(int, tideMatch);
    Pond p;
    GameState &st = p.state();
    p.form.day().tide = tideNow;
    st.FavourableTide = favourable;
    st.ChinuDensity = density;
    st.DepthLevel = depth;
    p.form.day().leader = daylog::leaderFromCaption(leader);
    p.form.day().bait = goodBait ? daylog::Bait::Kani : daylog::Bait::Ebi;
    p.form.day().tideMatch = -1;
    Pond::Tick d;
    d.t16 = d.t12 = d.t8 = n; // whichever slot the density reads
    d.v3 = 3;                 // a slow pull: the rod-tip timer then stays off
    d.v4 = 5;
    p.pushTick(d);
    p.fishing.RodTipTick();

    QCOMPARE(st.BiteClass, cls);
    QCOMPARE(p.form.day().biteArmed, cls ? 1 : 0);
    QCOMPARE(p.form.day().tideMatch, tideMatch);
    QCOMPARE(p.tip(), cls ? 2 * cls - 1 : 1);
    QCOMPARE(p.form.Timerあたり->isEnabled(), cls == 2 || cls == 3);
}

void FishingActionTest::biteOpening_data()
{
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("v3");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("hookPhase");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<int>("tipBase");
    QTest::addColumn<int>("biteMs");   // 0: bite timer off
    QTest::addColumn<int>("windowMs"); // 0: rod-tip timer off
    QTest::newRow("2: nibble, hooked at once") << 2 << 1 << 1 << 1 << 1 << 1 << 2 << 200 << 0;
    QTest::newRow("2: nibble, w 2 hooked") << 2 << 2 << 2 << 1 << 1 << 1 << 2 << 200 << 0;
    QTest::newRow("2: nibble, not hooked") << 2 << 2 << 3 << 1 << 0 << 1 << 2 << 200 << 0;
    QTest::newRow("2: slow pull 800") << 2 << 3 << 3 << 1 << 0 << 2 << 0 << 800 << 0;
    QTest::newRow("2: slow pull 1600") << 2 << 4 << 3 << 2 << 0 << 2 << 0 << 1600 << 0;
    QTest::newRow("2: fast pull") << 2 << 5 << 3 << 3 << 0 << 3 << 0 << 500 << 0;
    QTest::newRow("2: fast pull, v 6") << 2 << 6 << 3 << 1 << 0 << 3 << 0 << 500 << 0;
    QTest::newRow("2: holds, v 7") << 2 << 7 << 3 << 1 << 1 << 0 << 0 << 0 << 2000;
    QTest::newRow("2: holds, v 9") << 2 << 9 << 3 << 1 << 1 << 0 << 0 << 0 << 2000;
    QTest::newRow("2: steals") << 2 << 10 << 1 << 1 << 2 << 0 << 0 << 0 << 2000;
    QTest::newRow("3: nibble") << 3 << 1 << 2 << 1 << 1 << 4 << 5 << 200 << 0;
    QTest::newRow("3: slow pull 2400") << 3 << 3 << 3 << 3 << 0 << 5 << 0 << 2400 << 0;
    QTest::newRow("3: fast pull") << 3 << 6 << 3 << 1 << 0 << 6 << 0 << 500 << 0;
    QTest::newRow("3: holds") << 3 << 8 << 3 << 1 << 1 << 0 << 0 << 0 << 2000;
    QTest::newRow("3: steals") << 3 << 10 << 3 << 1 << 2 << 0 << 0 << 0 << 2000;
    QTest::newRow("4: holds, v 1") << 4 << 1 << 3 << 1 << 1 << 0 << 0 << 0 << 2000;
    QTest::newRow("4: holds, v 7") << 4 << 7 << 3 << 1 << 1 << 0 << 0 << 0 << 2000;
    QTest::newRow("4: steals, v 8") << 4 << 8 << 3 << 1 << 2 << 0 << 0 << 0 << 2000;
    QTest::newRow("4: steals, v 10") << 4 << 10 << 3 << 1 << 2 << 0 << 0 << 0 << 2000;
}

void FishingActionTest::biteOpening()
{
    QFETCH(int, cls);
    QFETCH(int, v3);
    QFETCH(int, w);
    QFETCH(int, v1);
    QFETCH(int, hookPhase);
    QFETCH(int, pattern);
    QFETCH(int, tipBase);
    QFETCH(int, biteMs);
    QFETCH(int, windowMs);
    Pond p;
    GameState &st = p.state();
    p.dropAndTick(Pond::biteTick(cls, v3, w, v1));
    QCOMPARE(p.game.random.remaining(), 0);
    QCOMPARE(st.BiteClass, cls);
    QVERIFY(st.FishKind == daylog::Fish::Chinu);
    QCOMPARE(int(st.FishLength), 26);
    QCOMPARE(st.HookPhase, hookPhase);
    QCOMPARE(st.BiteStep, 0);
    QCOMPARE(st.BiteTicks, 0);
    QCOMPARE(int(st.BiteCounter), 2 * cls - 1);
    QCOMPARE(st.TipPictureIndex, tipBase);
    if (pattern) {
        QCOMPARE(st.BitePattern, pattern);
        if (tipBase)
            QCOMPARE(st.TipToggle, 1);
    }
    QCOMPARE(p.form.Timerあたり->isEnabled(), biteMs != 0);
    if (biteMs)
        QCOMPARE(p.form.Timerあたり->interval(), biteMs);
    QCOMPARE(p.form.Timer竿の動き->isEnabled(), windowMs != 0);
    if (windowMs)
        QCOMPARE(p.form.Timer竿の動き->interval(), windowMs);
    QCOMPARE(p.tip(), 2 * cls - 1);
}

// ---- rod-tip motion ----------------------------------------------------------

void FishingActionTest::nibbleTwitchesThenPullsOnce_data()
{
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("v12");
    QTest::addColumn<int>("w");
    QTest::addColumn<bool>("stealer");
    QTest::addColumn<int>("pullTip"); // 0: the bait is gone
    QTest::newRow("class 2, shortest, chinu holds at 4") << 2 << 6 << 1 << false << 4;
    QTest::newRow("class 2, longest, chinu holds at 8") << 2 << 10 << 5 << false << 8;
    QTest::newRow("class 2, w 4 takes the bait") << 2 << 7 << 4 << false << 0;
    QTest::newRow("class 3, chinu holds at 5 + V1") << 3 << 8 << 3 << false << 7;
    QTest::newRow("class 3, w 2 takes the bait") << 3 << 6 << 2 << false << 0;
    QTest::newRow("class 2, a stealer goes on as well") << 2 << 6 << 3 << true << 6;
}

void FishingActionTest::nibbleTwitchesThenPullsOnce()
{
    QFETCH(int, cls);
    QFETCH(int, v12);
    QFETCH(int, w);
    QFETCH(bool, stealer);
    QFETCH(int, pullTip);
    Pond p;
    GameState &st = p.state();
    Pond::Tick d = Pond::biteTick(cls, 1, w, 2);
    p.dropAndTick(stealer ? Pond::stealer(d) : d);
    QCOMPARE(st.BitePattern, cls == 2 ? 1 : 4);
    const int base = cls == 2 ? 2 : 5;

    // First twitch after 200 ms, then one every 100 ms, for v12 + 1 ticks.
    QList<int> tips;
    for (int i = 0; i <= v12; ++i) {
        p.pushBiteTick(3, v12);
        p.game.advance(i == 0 ? 200 : 100);
        tips << p.tip();
    }
    QList<int> expected;
    for (int i = 0; i <= v12; ++i)
        expected << (i % 2 == 0 ? base + 1 : base);
    QCOMPARE(tips, expected);
    QCOMPARE(st.BiteStep, 1);
    QCOMPARE(p.form.Timerあたり->interval(), 250 * v12);
    QCOMPARE(p.game.random.remaining(), 0);

    // The single pull comes 250 x v12 ms later.
    p.game.advance(250 * v12 - 1);
    QVERIFY(p.messages().isEmpty());
    p.game.advance(1);
    if (pullTip) {
        QCOMPARE(p.tip(), pullTip);
        QCOMPARE(st.HookPhase, 1);
        QVERIFY(p.form.Timer竿の動き->isEnabled());
        QVERIFY(p.messages().isEmpty());
    } else {
        QCOMPARE(p.messages(), QStringList{s("エサを取られました。")});
        QVERIFY(p.form.Command1->isEnabled());
        QVERIFY(!p.form.Timerあたり->isEnabled());
    }
}

void FishingActionTest::fastPullOfAChinu_data()
{
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("v11");
    QTest::addColumn<QList<int>>("tips");
    QTest::addColumn<bool>("window");
    QTest::newRow("class 2, hooked") << 2 << 1 << QList<int>{4, 5, 6, 7, 8} << true;
    QTest::newRow("class 2, v11 4 steals at the bottom") << 2 << 4 << QList<int>{4, 5, 6, 7, 8} << false;
    QTest::newRow("class 2, v11 8 steals") << 2 << 8 << QList<int>{4, 5, 6, 7, 8} << false;
    QTest::newRow("class 3, hooked") << 3 << 10 << QList<int>{6, 7, 8} << true;
    QTest::newRow("class 3, v11 6 steals") << 3 << 6 << QList<int>{6, 7, 8} << false;
}

void FishingActionTest::fastPullOfAChinu()
{
    QFETCH(int, cls);
    QFETCH(int, v11);
    QFETCH(QList<int>, tips);
    QFETCH(bool, window);
    Pond p;
    p.game.cue.setOn(true); // 竿先が入ったら音で知らせる
    p.dropAndTick(Pond::biteTick(cls, 5));
    p.pushBiteTick(v11, 7);
    p.game.advance(500);
    QCOMPARE(p.state().BiteStep, 2);
    QCOMPARE(p.state().HookPhase, window ? 1 : 0);
    QList<int> shown;
    for (int i = 0; i < tips.size(); ++i) {
        p.game.advance(150);
        shown << p.tip();
    }
    QCOMPARE(shown, tips);
    QVERIFY(p.messages().isEmpty());
    p.game.advance(150);
    QVERIFY(!p.form.Timerあたり->isEnabled());
    if (window) {
        QVERIFY(p.messages().isEmpty());
        QVERIFY(p.form.Timer竿の動き->isEnabled());
        QCOMPARE(p.form.Timer竿の動き->interval(), 2000);
        QVERIFY(p.form.Command3->isEnabled());
        // The cue sounds once, as the tip is held down.
        QCOMPARE(p.game.cue.played().size(), 1);
        p.game.advance(1000);
        QCOMPARE(p.game.cue.played().size(), 1);
    } else {
        QVERIFY(p.game.cue.played().isEmpty());
        QCOMPARE(p.messages(), QStringList{s("エサを取られました。")});
        QVERIFY(!p.form.Timer竿の動き->isEnabled());
        QVERIFY(p.form.Command1->isEnabled());
    }
}

void FishingActionTest::slowPullOfAStealerWaitsThenPullsOnce_data()
{
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("v3");
    QTest::addColumn<int>("v12");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("pullTip"); // 0: the bait is gone
    QTest::newRow("pattern 5 waits 3 s") << 3 << 3 << 6 << 3000 << 1 << 7;
    QTest::newRow("pattern 5 waits 5 s") << 3 << 4 << 10 << 5000 << 2 << 0;
    QTest::newRow("pattern 2 waits 250 x v12") << 2 << 3 << 8 << 2000 << 1 << 4;
    QTest::newRow("pattern 3 waits 500 x v12") << 2 << 5 << 6 << 3000 << 3 << 0;
    QTest::newRow("pattern 6 waits 250 x v12") << 3 << 6 << 9 << 2250 << 1 << 7;
}

void FishingActionTest::slowPullOfAStealerWaitsThenPullsOnce()
{
    QFETCH(int, cls);
    QFETCH(int, v3);
    QFETCH(int, v12);
    QFETCH(int, waitMs);
    QFETCH(int, w);
    QFETCH(int, pullTip);
    Pond p;
    p.dropAndTick(Pond::stealer(Pond::biteTick(cls, v3, w, 2)));
    QVERIFY(p.state().FishKind == daylog::Fish::Fugu);
    p.pushBiteTick(1, v12); // v11 1 would hook a chinu's fast pull, never a stealer's
    p.game.advance(p.form.Timerあたり->interval());
    QCOMPARE(p.state().BiteStep, 3);
    QCOMPARE(p.state().HookPhase, 0);
    p.game.advance(waitMs - 1);
    QCOMPARE(p.tip(), 2 * cls - 1);
    p.game.advance(1);
    if (pullTip) {
        QCOMPARE(p.tip(), pullTip);
        QCOMPARE(p.state().HookPhase, 1);
        QVERIFY(p.form.Timer竿の動き->isEnabled());
    } else {
        QCOMPARE(p.messages(), QStringList{s("エサを取られました。")});
    }
}

// During the window the bite timer ticks every 1500 ms and arms the rod-tip
// timer again each time; the fish still lets go 2000 ms after it took hold.
void FishingActionTest::strikeWindowClosesTwoSecondsAfterItFirstOpens()
{
    Pond p;
    p.dropAndTick(Pond::biteTick(2, 3, 1));
    p.pushBiteTick(1, 6);
    p.game.advance(800);
    QCOMPARE(p.state().BiteStep, 1);
    p.game.advance(1500);
    QCOMPARE(p.state().HookPhase, 1);
    QCOMPARE(p.tip(), 4);
    p.game.advance(1500); // the bite timer pulls again
    QVERIFY(p.form.Timerあたり->isEnabled());
    QVERIFY(p.messages().isEmpty());
    p.pushTick(Pond::quietTick());
    p.game.advance(499);
    QVERIFY(p.messages().isEmpty());
    p.game.advance(1);
    QCOMPARE(p.messages(), QStringList{s("エサを取られました。")});
    QCOMPARE(p.game.random.remaining(), 0);
    QVERIFY(!p.form.Timerあたり->isEnabled());
    QVERIFY(p.form.Command1->isEnabled());
}

// ---- strike ------------------------------------------------------------------

void FishingActionTest::strikeTooEarly_data()
{
    QTest::addColumn<int>("v3");
    QTest::addColumn<int>("stealerLevel");
    QTest::newRow("a slow pull before the fish holds") << 3 << 1;
    QTest::newRow("the bait is being taken") << 10 << 1;
    QTest::newRow("no fish was chosen") << 7 << 0;
}

void FishingActionTest::strikeTooEarly()
{
    QFETCH(int, v3);
    QFETCH(int, stealerLevel);
    Pond p;
    Form1 &f = p.form;
    p.state().StealerLevel = stealerLevel;
    p.dropAndTick(Pond::biteTick(2, v3));
    QCOMPARE(p.state().FishLength, stealerLevel ? 26 : 0);
    f.Command3->click();
    QCOMPARE(p.messages(), QStringList{s("残念 あわせが早すぎました。")});
    QCOMPARE(p.state().HookPhase, 0);
    QVERIFY(f.Command1->isEnabled());
    QVERIFY(!f.Command3->isEnabled());
    QVERIFY(f.Command5->isEnabled());
    for (Timer *t : {f.Timerダンゴ管理, f.Timer竿の動き, f.Timerあたり, f.Timer竿のしなり,
                     f.Timer竿の音})
        QVERIFY(!t->isEnabled());
    p.game.advance(10000);
    QCOMPARE(p.messages().size(), 1);
}

void FishingActionTest::strikeWithNothingAtTheBaitGivesUpTheGroundbait_data()
{
    QTest::addColumn<bool>("sinking");
    QTest::newRow("while the ball sinks") << true;
    QTest::newRow("while waiting for a bite") << false;
}

void FishingActionTest::strikeWithNothingAtTheBaitGivesUpTheGroundbait()
{
    QFETCH(bool, sinking);
    Pond p;
    Form1 &f = p.form;
    if (sinking) {
        p.game.random.pushDraw(1, 5);
        f.Command1->click();
        p.fishing.Strike(); // the strike button is not offered yet; the game still knows what it would do
    } else {
        p.dropAndTick(Pond::quietTick());
        f.Command3->click();
    }
    QVERIFY(p.messages().isEmpty());
    QVERIFY(f.Command1->isEnabled());
    QVERIFY(f.Command5->isEnabled());
    QVERIFY(f.仕掛けを作る->isEnabled());
    QVERIFY(!f.Timerダンゴ管理->isEnabled());
    QVERIFY(!f.Timer竿の動き->isEnabled());
}

void FishingActionTest::strikeHooksTheFishAndTheFightBegins()
{
    Pond p;
    Form1 &f = p.form;
    GameState &st = p.state();
    f.Timer1音楽1->setEnabled(true);
    p.dropAndTick(Pond::biteTick(4, 1));
    p.game.sound.clearLog();
    f.Command3->click();
    QVERIFY(p.messages().isEmpty());
    QCOMPARE(st.RodFrame, 2);
    QCOMPARE(st.RodSoundState, 1);
    QCOMPARE(st.RodSoundTicks, 0);
    QVERIFY(f.Timer竿の音->isEnabled());
    QVERIFY(f.Timer竿のしなり->isEnabled());
    QVERIFY(!f.Timer1音楽1->isEnabled());
    QCOMPARE(p.game.sound.log().mid(0, 2), (QStringList{QStringLiteral("stop"), QStringLiteral("close")}));
    // No button of the cycle during the fight; the bait and rig may change.
    QVERIFY(!f.Command1->isEnabled() && !f.Command2->isEnabled() && !f.Command3->isEnabled());
    QVERIFY(f.Command5->isEnabled());
    QVERIFY(f.仕掛けを作る->isEnabled());
    QVERIFY(!f.Timer竿の動き->isEnabled());
    // The fish stays on the hook until the fight is over.
    QCOMPARE(st.HookPhase, 1);
}

void FishingActionTest::strikeFailureStopsFishingForTheDay()
{
    Pond p;
    Form1 &f = p.form;
    f.day().controls.saveMenuEnabled = true;
    f.day().controls.breakEnabled = true;
    f.showControls();
    p.fishing.StrikeFailed();
    QCOMPARE(p.messages(), QStringList{s("予期せぬエラーが発生しました。ゲームは終了します。") + QStringLiteral("\n\n") + s("ここまでの記録を保存する場合は　『 釣果を保存 』　をクリックしてください。")});
    for (QPushButton *b : {f.Command1, f.Command2, f.Command3}) {
        QVERIFY(!b->isEnabled());
        QVERIFY(Pond::blue(b));
    }
    QVERIFY(!f.仕掛けを作る->isEnabled());
    QVERIFY(!f.スタート->isEnabled());
    QVERIFY(f.釣果を保存->isEnabled());
    QVERIFY(f.納竿->isEnabled());
}

// ---- fight and landing -------------------------------------------------------

void FishingActionTest::fightLandsTheFish_data()
{
    QTest::addColumn<bool>("stealer");
    QTest::addColumn<int>("v5");
    QTest::addColumn<int>("v6");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message"); // empty: the landed-chinu picture instead
    QTest::addColumn<QString>("chinuCount");
    const QString chinu = s("チヌ"), fugu = s("フグ");
    QTest::newRow("29 cm chinu") << false << 4 << 1 << entry(chinu, 29) << landed(chinu, 29) << s("1枚");
    QTest::newRow("30 cm chinu") << false << 5 << 1 << entry(chinu, 30) << QString() << s("1枚");
    QTest::newRow("8 cm fugu") << true << 2 << -1 << s("フグ  8センチ") << landed(fugu, 8) << s("0枚");
}

void FishingActionTest::fightLandsTheFish()
{
    QFETCH(bool, stealer);
    QFETCH(int, v5);
    QFETCH(int, v6);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, chinuCount);
    Pond p;
    Form1 &f = p.form;
    GameState &st = p.state();
    const Pond::Tick d = Pond::biteTick(4, 1, 3, 1, v5, v6);
    p.dropAndTick(stealer ? Pond::stealer(d) : d);
    f.Command3->click();
    p.game.random.pushDraw(1, 20); // never a losing draw below a strain of 36

    // The rod bends through 2, 3, 4, 5 on every round; the loss is drawn once.
    QList<int> rods;
    for (int i = 0; i < 8; ++i) {
        p.game.advance(100);
        rods << p.rod();
    }
    QCOMPARE(rods, (QList<int>{2, 3, 4, 5, 2, 3, 4, 5}));
    QCOMPARE(p.game.random.remaining(), 0);
    QCOMPARE(p.form.day().fightRounds, 2);

    // Int(length / 10) + 4 rounds and one tick to end it.
    const int ticks = 4 * (st.FishLength / 10 + 4) + 1;
    p.game.advance(100 * (ticks - 8) - 1);
    QVERIFY(p.catchList().isEmpty());
    p.game.advance(1);
    QCOMPARE(p.catchList(), QStringList{entry});
    QCOMPARE(f.List1->currentRow(), 0);
    QCOMPARE(f.Label33->text(), chinuCount);
    QCOMPARE(f.Label34->text(), s("1匹"));
    QCOMPARE(p.rod(), 0);
    QVERIFY(!f.Timer竿のしなり->isEnabled());
    QCOMPARE(f.Timer竿のしなり->interval(), 100);
    QVERIFY(!f.Timer竿の音->isEnabled());
    QCOMPARE(st.RodSoundState, 2);
    QCOMPARE(st.HookPhase, 0);
    QCOMPARE(p.form.day().fightRounds, 0);
    QVERIFY(f.Timer1音楽1->isEnabled());
    QVERIFY(f.Command5->isEnabled());
    if (message.isEmpty()) {
        QVERIFY(p.messages().isEmpty());
        QVERIFY(!f.Picture1(0)->isHidden());
        QCOMPARE(f.Picture1(0)->geometry(), QRect(50, 100, 450, 377));
        QCOMPARE(f.Label36->text(), QStringLiteral("30"));
        QCOMPARE(int(f.day().showFrame), 5);
        QVERIFY(f.Timer1->isEnabled());
        QCOMPARE(f.day().music, MusicMode::Big);
        QVERIFY(!f.Command1->isEnabled());
        QVERIFY(p.hasFocus(f.Command4));
    } else {
        QCOMPARE(p.messages(), QStringList{message});
        QVERIFY(f.Picture1(0)->isHidden());
        QCOMPARE(f.day().music, MusicMode::Bgm);
        QVERIFY(f.Command1->isEnabled());
    }
}

void FishingActionTest::lineStrainDecidesTheLoss_data()
{
    QTest::addColumn<QString>("leader");
    QTest::addColumn<QString>("hook");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("r");
    QTest::addColumn<bool>("lost");
    const QString l1 = s("1号"), l2 = s("2号"), l3 = s("3号"), h3 = s("3号"), h4 = s("4号"), h5 = s("5号");
    QTest::newRow("strain 82, r 2 loses") << l1 << h3 << 66 << 2 << true;
    QTest::newRow("strain 82, r 1 holds") << l1 << h3 << 66 << 1 << false;
    QTest::newRow("strain 41, r 2 holds") << l3 << h5 << 66 << 2 << false;
    QTest::newRow("strain 41, r 4 loses") << l3 << h5 << 66 << 4 << true;
    QTest::newRow("strain 20, r 4 loses") << l1 << h3 << 16 << 4 << true;
    QTest::newRow("strain 20, r 7 holds") << l1 << h3 << 16 << 7 << false;
    QTest::newRow("strain 21, r 7 loses") << l1 << h3 << 17 << 7 << true;
    QTest::newRow("strain 40, 48 cm lost") << l2 << h4 << 48 << 1 << true;
}

void FishingActionTest::lineStrainDecidesTheLoss()
{
    QFETCH(QString, leader);
    QFETCH(QString, hook);
    QFETCH(int, length);
    QFETCH(int, r);
    QFETCH(bool, lost);
    Pond p;
    Form1 &f = p.form;
    GameState &st = p.state();
    f.day().leader = daylog::leaderFromCaption(leader);
    f.day().hook = daylog::hookFromCaption(hook);
    p.dropAndTick(Pond::biteTick(4, 1));
    st.FishLength = qint16(length);
    f.Command3->click();
    p.game.random.pushDraw(r, 20);
    p.game.sound.clearLog();
    p.game.advance(400);
    QCOMPARE(p.form.day().fishLost, lost ? 1 : 0);
    p.game.advance(100 * 4 * (length / 10 + 4) - 400 + 100);
    QVERIFY(!f.Timer竿のしなり->isEnabled());
    if (!lost) {
        QCOMPARE(p.catchList().size(), 1);
        return;
    }
    QVERIFY(p.catchList().isEmpty());
    QCOMPARE(f.Label34->text(), s("0匹"));
    QCOMPARE(p.messages().size(), 1);
    QCOMPARE(p.messages().front(),
             s("バラシた！\n\n今のは48センチ くらいの チヌだった。").replace(QStringLiteral("48"), QString::number(length)));
    QCOMPARE(st.RodSoundState, 2);
    QCOMPARE(p.tip(), 1);
    QCOMPARE(p.rod(), 0);
    // The lost-fish sound plays while the message is up and is closed after it.
    const QStringList log = p.game.sound.log();
    const qsizetype open = log.indexOf(QStringLiteral("open ") + f.wavePath(s("ばらし")));
    QVERIFY(open >= 0);
    QCOMPARE(log.mid(open + 1, 3), (QStringList{QStringLiteral("play"), QStringLiteral("stop"), QStringLiteral("close")}));
    QVERIFY(f.Command1->isEnabled());
    QCOMPARE(st.HookPhase, 0);
    QCOMPARE(p.form.day().fishLost, 0);
}

void FishingActionTest::okClosesTheLandedChinu()
{
    Pond p;
    Form1 &f = p.form;
    p.dropAndTick(Pond::biteTick(4, 1, 3, 1, 5, 1));
    f.Command3->click();
    p.game.random.pushDraw(1, 20);
    p.game.advance(100 * (4 * 7 + 1));
    QVERIFY(!f.Picture1(0)->isHidden());
    p.game.advance(1000);
    QVERIFY(!f.Command1->isEnabled()); // the picture holds the day until O K
    p.game.sound.clearLog();
    f.Command4->click();
    QVERIFY(f.Picture1(0)->isHidden());
    QCOMPARE(f.Picture1(0)->geometry(), QRect(488, 470, 40, 40));
    QVERIFY(!f.Timer1->isEnabled());
    QCOMPARE(f.day().music, MusicMode::Bgm);
    QCOMPARE(p.game.sound.log().mid(0, 2), (QStringList{QStringLiteral("stop"), QStringLiteral("close")}));
    QVERIFY(f.Command1->isEnabled());
    QVERIFY(p.hasFocus(f.Command1));
    QVERIFY(p.messages().isEmpty());
}

// ---- mullet ------------------------------------------------------------------

namespace {

void pushMulletTick(ScriptedRandom &r, int t4, int t5, int t6)
{
    r.pushDraw(t4, 20);
    r.pushDraw(t5, 5);
    r.pushDraw(t6 - 1, 3);
}

} // namespace

void FishingActionTest::mulletTakesTheBaitAndEscapesOnItsTenthTick()
{
    Pond p(2);
    Form1 &f = p.form;
    f.Command1->click();
    pushMulletTick(p.game.random, 2, 3, 2);
    p.game.advance(1000);
    QCOMPARE(p.form.day().mulletOn, 0);
    QCOMPARE(p.tip(), 1);
    QCOMPARE(f.Timer1ボラのタイマー->interval(), 1000);

    pushMulletTick(p.game.random, 1, 2, 4);
    p.game.advance(1000);
    QCOMPARE(p.form.day().mulletOn, 1);
    QCOMPARE(p.form.day().mulletTicks, 1);
    QCOMPARE(p.state().RodFrame, 1);
    QCOMPARE(p.tip(), 6);
    QCOMPARE(f.Timer1ボラのタイマー->interval(), 160);

    for (int tick = 2; tick <= 9; ++tick) {
        pushMulletTick(p.game.random, 1, 1, 2 + tick % 3);
        p.game.advance(f.Timer1ボラのタイマー->interval());
        QCOMPARE(p.form.day().mulletTicks, tick);
        QCOMPARE(p.tip(), 4 + tick % 3);
    }
    QVERIFY(p.messages().isEmpty());
    pushMulletTick(p.game.random, 7, 4, 3);
    p.game.advance(80);
    QCOMPARE(p.messages(), QStringList{s("ボラに逃げられました。")});
    QCOMPARE(p.form.day().mulletOn, 0);
    QCOMPARE(p.form.day().mulletTicks, 0);
    QCOMPARE(p.tip(), 1);
    QVERIFY(!f.Timer1ボラのタイマー->isEnabled());
    QVERIFY(f.Command1->isEnabled() && !f.Command3->isEnabled());
    QVERIFY(Pond::pink(f.Command1) && Pond::blue(f.Command3));
    // The quickened watch stays quick for the next mullet.
    QCOMPARE(f.Timer1ボラのタイマー->interval(), 320);
    QCOMPARE(p.game.random.remaining(), 0);
}

// The boatman is already on his way at the end hour: a take then could never
// be struck.
void FishingActionTest::noMulletTakesTheBaitOnceTheClockShowsTheEndHour()
{
    Pond p(2);
    Form1 &f = p.form;
    f.Command1->click();
    p.state().EndHour = QStringLiteral("10");
    f.day().clockHour = 10;
    pushMulletTick(p.game.random, 1, 2, 4);
    p.game.advance(1000);
    QCOMPARE(p.form.day().mulletOn, 0);
    QCOMPARE(p.tip(), 1);
    QCOMPARE(p.game.random.remaining(), 0); // the tick's draws are taken all the same
}

void FishingActionTest::mulletFightTakesLengthAndLossFromTheLastTick_data()
{
    QTest::addColumn<int>("takeT5");
    QTest::addColumn<int>("lastT4");
    QTest::addColumn<int>("lastT5");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("lost");
    QTest::newRow("45 cm landed") << 2 << 15 << 3 << 45 << false;
    QTest::newRow("longer class, landed") << 2 << 20 << 5 << 60 << false;
    QTest::newRow("lost on the last tick's 4") << 1 << 5 << 4 << 45 << true;
    QTest::newRow("lost on the last tick's 2") << 5 << 1 << 2 << 31 << true;
}

void FishingActionTest::mulletFightTakesLengthAndLossFromTheLastTick()
{
    QFETCH(int, takeT5);
    QFETCH(int, lastT4);
    QFETCH(int, lastT5);
    QFETCH(int, length);
    QFETCH(bool, lost);
    Pond p(2);
    Form1 &f = p.form;
    GameState &st = p.state();
    f.Label33->setText(s("0枚"));
    f.Label34->setText(s("0匹"));
    f.Command1->click();
    pushMulletTick(p.game.random, 1, takeT5, 3);
    p.game.advance(1000);
    pushMulletTick(p.game.random, lastT4, lastT5, 2);
    p.game.advance(f.Timer1ボラのタイマー->interval());
    QCOMPARE(p.form.day().mulletTicks, 2);
    f.Command3->click();
    QVERIFY(st.FishKind == daylog::Fish::Mullet);
    QCOMPARE(int(st.FishLength), length);
    QCOMPARE(p.form.day().mulletOn, 0);
    QVERIFY(!f.Timer1ボラのタイマー->isEnabled());
    QVERIFY(f.Timer竿の音->isEnabled());
    QCOMPARE(st.RodSoundState, 1);
    QVERIFY(f.Command3->isEnabled()); // the mullet strike leaves it on

    // First round 1..5, then 2..5; Int(length / 10) + 3 rounds.
    QList<int> rods;
    for (int i = 0; i < 9; ++i) {
        p.game.advance(100);
        rods << p.rod();
    }
    QCOMPARE(rods, (QList<int>{1, 2, 3, 4, 5, 2, 3, 4, 5}));
    const int ticks = 5 + 4 * (length / 10 + 3 - 1);
    p.game.advance(100 * (ticks - 9) - 1);
    QVERIFY(p.messages().isEmpty());
    p.game.sound.clearLog();
    p.game.advance(1);
    if (lost) {
        QCOMPARE(p.messages(), QStringList{s("ボラをばらしました。")});
        QVERIFY(p.catchList().isEmpty());
        QVERIFY(p.game.sound.log().contains(QStringLiteral("open ") + f.wavePath(s("ばらし"))));
    } else {
        QCOMPARE(p.messages(), QStringList{landed(s("ボラ"), length)});
        QCOMPARE(p.catchList(), QStringList{entry(s("ボラ"), length)});
    }
    // A mullet is listed but not counted.
    QCOMPARE(f.Label33->text(), s("0枚"));
    QCOMPARE(f.Label34->text(), s("0匹"));
    QCOMPARE(st.RodSoundState, 2);
    QCOMPARE(p.tip(), 1);
    QCOMPARE(p.rod(), 0);
    QCOMPARE(p.form.day().fightRounds, 0);
    QCOMPARE(st.HookPhase, 0);
    QVERIFY(!f.Timer竿のしなり->isEnabled());
    QVERIFY(f.Command1->isEnabled() && !f.Command3->isEnabled());
    QVERIFY(Pond::pink(f.Command1) && Pond::blue(f.Command3));
    QVERIFY(p.hasFocus(f.Command1));
    QVERIFY(f.Timer1音楽1->isEnabled());
    QCOMPARE(f.day().music, MusicMode::Bgm);
    QCOMPARE(p.game.random.remaining(), 0);
}

void FishingActionTest::strikeWithNoMulletReturnsToTheDrop()
{
    Pond p(2);
    Form1 &f = p.form;
    f.Command1->click();
    f.Command3->click();
    QVERIFY(p.messages().isEmpty());
    QVERIFY(f.仕掛けを作る->isEnabled());
    QVERIFY(f.Command1->isEnabled() && !f.Command3->isEnabled());
    QVERIFY(Pond::pink(f.Command1) && Pond::blue(f.Command3));
    QVERIFY(p.hasFocus(f.Command1));
    QVERIFY(f.Timer1ボラのタイマー->isEnabled()); // the watch goes on
}

void FishingActionTest::strikeDuringAMulletFightTakesTheNoMulletBranch()
{
    Pond p(2);
    Form1 &f = p.form;
    f.Command1->click();
    pushMulletTick(p.game.random, 1, 3, 3);
    p.game.advance(1000);
    f.Command3->click();
    p.game.advance(300);
    f.Command3->click();
    QVERIFY(f.Command1->isEnabled());
    QVERIFY(!f.Command3->isEnabled());
    QVERIFY(f.仕掛けを作る->isEnabled());
    p.game.advance(100);
    QVERIFY(!f.Command1->isEnabled());
    QVERIFY(f.Timer竿のしなり->isEnabled());
    p.game.advance(10000);
    QCOMPARE(p.catchList().size(), 1);
}

// ---- bait change -------------------------------------------------------------

void FishingActionTest::baitChange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("bait");
    QTest::addColumn<int>("cls"); // class of a tick with n 1 afterwards
    QTest::newRow("a good bait") << 1 << s("ボケ") << 2;
    QTest::newRow("the same bait again") << 3 << s("オキアミ") << 0;
}

void FishingActionTest::baitChange()
{
    QFETCH(int, row);
    QFETCH(QString, bait);
    QFETCH(int, cls);
    Pond p;
    Form1 &f = p.form;
    p.state().Bait = daylog::Bait::Okiami;
    QVERIFY(f.List2->isHidden());
    f.Command5->click();
    QVERIFY(!f.List2->isHidden());
    f.List2->setCurrentRow(row);
    emit f.List2->itemClicked(f.List2->item(row));
    QCOMPARE(f.Label44->text(), bait);
    QVERIFY(f.List2->isHidden());
    QVERIFY(p.hasFocus(f.Command1));
    QVERIFY(p.state().Bait == daylog::Bait::Okiami);

    Pond::Tick d;
    d.t8 = 1;
    d.v3 = 3;
    p.dropAndTick(d);
    QCOMPARE(p.state().BiteClass, cls);
}

QTEST_MAIN(FishingActionTest)
#include "test_fishingaction.moc"
