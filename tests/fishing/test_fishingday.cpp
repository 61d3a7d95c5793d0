#include "pond.h"

#include "daylog/dayreport.h"
#include "prep/form3.h"

#include <QTest>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString entry(const QString &kind, int length)
{
    return s("チヌ  42センチ").replace(QStringLiteral("42"), QString::number(length)).replace(s("チヌ"), kind);
}

QString landed(const QString &kind, int length)
{
    return s("28 センチの チヌを釣り上げた。").replace(QStringLiteral("28"), QString::number(length)).replace(s("チヌ"), kind);
}

QString lost(const QString &kind, int length)
{
    return s("バラシた！\n\n今のは48センチ くらいの チヌだった。").replace(QStringLiteral("48"), QString::number(length)).replace(s("チヌ"), kind);
}

void pushMulletTick(ScriptedRandom &r, int t4, int t5, int t6)
{
    r.pushDraw(t4, 20);
    r.pushDraw(t5, 5);
    r.pushDraw(t6 - 1, 3);
}

// A day on 大浜 (shallow, slack water, many bait stealers, many small chinu,
// best on the falling tide) until 10:00. The tide falls all morning (low
// water at 12:00) and today's good baits are ボケ, エビ and カニ.
class PlayedDay
{
public:
    explicit PlayedDay(bool mullet)
    {
        GameState &st = game.state();
        st.AnglerName = QStringLiteral("Taro");
        st.SpotNo = 3;
        st.EndHour = QStringLiteral("10");
        st.DayMinutes = 180;
        st.TargetFish = mullet ? daylog::Fish::Mullet : daylog::Fish::Chinu;
        Form3 &settings = game.screens().form3();
        Day &day = settings.game().day;
        day.tides.firstHigh = 6;
        day.tides.secondHigh = 18;
        day.tides.earlierLow = 12;
        day.tides.laterLow = 24;
        form = &game.screens().form1();
        form->day().goodBaits = {daylog::Bait::Boke, daylog::Bait::Ebi, daylog::Bait::Kani};
        // The rig as the rig screen writes it.
        form->setRig(mullet ? daylog::Leader::No3 : daylog::Leader::No2, mullet ? daylog::Hook::Suikomi : daylog::Hook::No4,
                     mullet ? std::nullopt : std::optional(daylog::Bait::Boke));
        form->showTarget();
        st.TargetCode = mullet ? 2 : 1;
        form->StartDay();
        start = game.scheduler.now();
        game.dialogs.clear();
    }

    // Runs virtual time up to ms after the start of the day.
    void until(qint64 ms) { game.advance(start + ms - game.scheduler.now()); }

    TestGame game;
    Form1 *form = nullptr;
    qint64 start = 0;
};

} // namespace

class FishingDayTest : public QObject
{
    Q_OBJECT

private slots:
    void chinuDay();
    void endOfTheDayWaitsForTheFightOnTheLine_data();
    void endOfTheDayWaitsForTheFightOnTheLine();
    void mulletDay();
    void theDayEndsOnceAndNothingIsFishedAfter_data();
    void theDayEndsOnceAndNothingIsFishedAfter();
    void quietNoticesMoveOnlyTheMisses_data();
    void quietNoticesMoveOnlyTheMisses();
};

void FishingDayTest::chinuDay()
{
    PlayedDay day(false);
    TestGame &g = day.game;
    Form1 &f = *day.form;
    GameState &st = g.state();
    Pond::Tick d;
    auto tick = [&](int n, int v3, int v4, int v5, int v6, int v7, int w, int v1 = 1) {
        d = Pond::Tick{16, 12, n, v1, v3, v4, v5, v6, v7, w};
    };
    auto pushTick = [&] {
        ScriptedRandom &r = g.random;
        for (auto [k, n] : {std::pair{d.t16, 16}, {d.t12, 12}, {d.t8, 8}, {d.v1, 3}, {d.v3, 10}, {d.v4, 15},
                            {d.v5, 5}, {d.v6 < 0 ? 2 : 1, 3}, {d.v7, 10}, {d.v8, 5}})
            r.pushDraw(k, n);
    };
    QVERIFY(f.Command1->isEnabled());
    QCOMPARE(st.StealerLevel, 3);
    QCOMPARE(st.ChinuDensity, 3);

    // 1. The ball breaks by itself after 3 s; a medium bite on the good bait
    //    on the second tick: a 40 cm chinu pulls slowly and holds.
    g.random.pushDraw(1, 5);
    f.Command1->click();
    g.advance(3000);
    QVERIFY(f.Command3->isEnabled());
    tick(3, 1, 1, 1, 1, 1, 1); // n 3 brings nothing on a good bait
    pushTick();
    g.advance(1000);
    QCOMPARE(st.BiteClass, 0);
    tick(2, 3, 12, 5, 1, 1, 1);
    pushTick();
    g.random.pushDraw(15, 15); // the length adjustment's own u
    g.advance(1000);
    QCOMPARE(st.BiteClass, 3);
    QVERIFY(st.FishKind == daylog::Fish::Chinu);
    QCOMPARE(int(st.FishLength), 40);
    g.random.pushDraw(2, 10);
    g.random.pushDraw(1, 5); // v12 6
    g.advance(800 + 1500);
    QCOMPARE(st.HookPhase, 1);
    g.advance(500);
    f.Command3->click();
    g.random.pushDraw(1, 20);
    g.advance(100 * (4 * 8 + 1));
    QCOMPARE(f.List1->count(), 1);
    QVERIFY(!f.Picture1(0)->isHidden());
    QCOMPARE(f.Label36->text(), QStringLiteral("40"));
    QVERIFY(g.dialogs.texts().isEmpty());
    g.advance(2000);
    QVERIFY(g.sound.played().contains(f.wavePath(s("チヌ30"))));
    f.Command4->click();
    QVERIFY(f.Picture1(0)->isHidden());

    // 2. A bait stealer pulls fast, waits 3 s and takes the bait.
    g.random.pushDraw(2, 5);
    f.Command1->click();
    f.Command2->click();
    tick(1, 5, 14, 2, 1, 8, 3);
    pushTick();
    g.advance(1000);
    QVERIFY(st.FishKind == daylog::Fish::Fugu);
    g.random.pushDraw(1, 10);
    g.random.pushDraw(1, 5);
    g.advance(500 + 3000);
    QCOMPARE(g.dialogs.texts(), QStringList{s("エサを取られました。")});

    // 3. A 23 cm chinu holds at once, is struck and lost.
    g.random.pushDraw(5, 5);
    f.Command1->click();
    g.advance(7000);
    tick(6, 2, 5, 3, 1, 1, 3);
    pushTick();
    g.advance(1000);
    f.Command3->click();
    g.random.pushDraw(4, 20);
    g.advance(100 * (4 * 6 + 1));
    QCOMPARE(g.dialogs.texts().last(), lost(s("チヌ"), 23));

    // 4. An アイナメ of 16 cm is landed.
    g.random.pushDraw(3, 5);
    f.Command1->click();
    f.Command2->click();
    tick(6, 1, 14, 2, -1, 4, 3);
    pushTick();
    g.advance(1000);
    f.Command3->click();
    g.random.pushDraw(1, 20);
    g.advance(100 * (4 * 5 + 1));
    QCOMPARE(g.dialogs.texts().last(), landed(s("アイナメ"), 16));

    // 5. A strike on the first sign of a slight bite is too early.
    g.random.pushDraw(4, 5);
    f.Command1->click();
    f.Command2->click();
    tick(1, 3, 5, 1, 1, 1, 3);
    pushTick();
    g.advance(1000);
    QCOMPARE(st.BiteClass, 2);
    f.Command3->click();
    QCOMPARE(g.dialogs.texts().last(), s("残念 あわせが早すぎました。"));
    QCOMPARE(g.random.remaining(), 0);

    // The clock runs on to 10:00 and the boatman closes the day.
    day.until(180000);
    QCOMPARE(g.dialogs.texts().size(), 4);
    day.until(181000);
    const QStringList texts = g.dialogs.texts();
    QCOMPARE(texts.mid(0, 4), (QStringList{s("エサを取られました。"), lost(s("チヌ"), 23), landed(s("アイナメ"), 16),
                                          s("残念 あわせが早すぎました。")}));
    QCOMPARE(texts.size(), 5);
    QVERIFY(texts.last().startsWith(s("船頭: 時間が来ました。釣りを終了してください。")));
    QVERIFY(texts.last().endsWith(s("ボケ エビ カニが良かったみたいです。")));
    QCOMPARE(f.day().ending, true);
    QVERIFY(f.釣果を保存->isEnabled());

    QCOMPARE(catchListOf(f), (QStringList{entry(s("チヌ"), 40), entry(s("アイナメ"), 16)}));
    QCOMPARE(f.Label33->text(), s("1枚"));
    QCOMPARE(f.Label34->text(), s("2匹"));
    QCOMPARE(st.ChinuCount, 1);
    for (const QString &wave : {s("あたり"), s("チヌ30"), s("ばらし")})
        QVERIFY2(g.sound.played().contains(f.wavePath(wave)), qPrintable(wave));
    QVERIFY(!f.Command1->isEnabled());
}

// A fish struck just before 10:00 is still fought to the end; the boatman
// comes once it is landed.
void FishingDayTest::endOfTheDayWaitsForTheFightOnTheLine_data()
{
    QTest::addColumn<bool>("mullet");
    QTest::newRow("chinu") << false;
    QTest::newRow("mullet") << true;
}

void FishingDayTest::endOfTheDayWaitsForTheFightOnTheLine()
{
    QFETCH(bool, mullet);
    PlayedDay day(mullet);
    TestGame &g = day.game;
    Form1 &f = *day.form;
    GameState &st = g.state();
    if (mullet) {
        // A 41 cm mullet takes the bait in the last moment of 9:59 and is
        // struck as the clock turns to 10:00.
        day.until(178999);
        f.Command1->click();
        pushMulletTick(g.random, 1, 5, 2);
        day.until(180000);
        QCOMPARE(f.day().mulletOn, 1);
    } else {
        // A slight bite on the good bait: a 25 cm chinu pulls slowly
        // (2400 ms), then holds after 2500 ms more.
        day.until(170500);
        g.random.pushDraw(1, 5);
        f.Command1->click();
        g.advance(3000 + 1000 - 1);
        for (auto [k, n] : {std::pair{16, 16}, {12, 12}, {1, 8}, {3, 3}, {3, 10}, {5, 15}, {5, 5}, {1, 3}, {1, 10},
                            {1, 5}})
            g.random.pushDraw(k, n);
        g.advance(1);
        QCOMPARE(st.BiteClass, 2);
        g.random.pushDraw(2, 10);
        g.random.pushDraw(5, 5);
        day.until(179400);
        QCOMPARE(st.HookPhase, 1);
        day.until(180500);
    }
    QCOMPARE(f.Label10->text(), QStringLiteral("10 : 00"));
    f.Command3->click();
    if (!mullet)
        g.random.pushDraw(1, 20);
    day.until(182500);
    QVERIFY(g.dialogs.texts().isEmpty());
    QCOMPARE(f.Label10->text(), QStringLiteral("10 : 00"));
    day.until(185000);
    const QStringList texts = g.dialogs.texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.first(), mullet ? landed(s("ボラ"), 41) : landed(s("チヌ"), 25));
    QVERIFY(texts.last().startsWith(s("船頭: 時間が来ました。釣りを終了してください。")));
    QCOMPARE(catchListOf(f), QStringList{mullet ? entry(s("ボラ"), 41) : entry(s("チヌ"), 25)});
    QCOMPARE(g.random.remaining(), 0);
}

void FishingDayTest::mulletDay()
{
    PlayedDay day(true);
    TestGame &g = day.game;
    Form1 &f = *day.form;
    GameState &st = g.state();
    QCOMPARE(st.TargetCode, 2);
    const QString counted = f.Label33->text(), fish = f.Label34->text();

    // 1. The first mullet takes the bait on the second tick and lets go on
    //    its tenth.
    f.Command1->click();
    pushMulletTick(g.random, 5, 1, 2);
    g.advance(1000);
    pushMulletTick(g.random, 1, 2, 3);
    g.advance(1000);
    QCOMPARE(f.day().mulletOn, 1);
    for (int i = 0; i < 9; ++i) {
        pushMulletTick(g.random, 9, 2, 4);
        g.advance(160);
    }
    QCOMPARE(g.dialogs.texts(), QStringList{s("ボラに逃げられました。")});
    QVERIFY(f.Command1->isEnabled());

    // 2. The next one is struck on its second tick and landed: 45 cm.
    f.Command1->click();
    pushMulletTick(g.random, 1, 3, 2);
    g.advance(160);
    pushMulletTick(g.random, 15, 3, 4);
    g.advance(240);
    f.Command3->click();
    g.advance(100 * (5 + 4 * 6));
    QCOMPARE(g.dialogs.texts().last(), landed(s("ボラ"), 45));

    // 3. Another is struck at once and lost.
    f.Command1->click();
    pushMulletTick(g.random, 1, 4, 3);
    g.advance(240);
    f.Command3->click();
    g.advance(100 * (5 + 4 * 6));
    QCOMPARE(g.dialogs.texts().last(), s("ボラをばらしました。"));
    QCOMPARE(g.random.remaining(), 0);
    QVERIFY(f.Command1->isEnabled());
    QVERIFY(!f.Timer1ボラのタイマー->isEnabled());

    day.until(181000);
    const QStringList texts = g.dialogs.texts();
    QCOMPARE(texts.mid(0, 3), (QStringList{s("ボラに逃げられました。"), landed(s("ボラ"), 45), s("ボラをばらしました。")}));
    QCOMPARE(texts.size(), 4);
    QVERIFY(texts.last().startsWith(s("船頭: 時間が来ました。釣りを終了してください。")));
    QCOMPARE(catchListOf(f), QStringList{entry(s("ボラ"), 45)});
    QCOMPARE(f.Label33->text(), counted);
    QCOMPARE(f.Label34->text(), fish);
    QVERIFY(g.sound.played().contains(f.wavePath(s("ばらし"))));
}

namespace {

enum class Ending {
    MulletAtTheBait,    // a mullet rig in the water when the boatman comes
    WindowInLastMinutes,// a chinu holds the bait in the last minutes, unstruck
    LostAfterTheHour,   // a chinu struck at 10:00 is lost; its box is read 1.5 s
    BigChinuAcrossTheHour, // a 40 cm chinu struck at 10:00 is landed
};

bool isBoatman(const QString &text)
{
    return text.startsWith(s("船頭: 時間が来ました。"));
}

// A slight bite on the good bait at 9:54:30: a chinu of 25 cm (or of 40 cm
// on a u of 12) pulls slowly and holds the bait from 9:59:24, its strike
// window closing at 10:01:24 unless struck.
void biteBeforeTheEnd(PlayedDay &day, int u)
{
    TestGame &g = day.game;
    day.until(170500);
    g.random.pushDraw(1, 5);
    day.form->Command1->click();
    g.advance(3000 + 1000 - 1);
    for (auto [k, n] : {std::pair{16, 16}, {12, 12}, {1, 8}, {3, 3}, {3, 10}, {u, 15}, {5, 5}, {1, 3}, {1, 10},
                        {1, 5}})
        g.random.pushDraw(k, n);
    if (u == 12)
        g.random.pushDraw(15, 15); // the length adjustment's own u
    g.advance(1);
    g.random.pushDraw(2, 10);
    g.random.pushDraw(5, 5);
    day.until(179400);
}

} // namespace

// Once the end hour has come nothing starts a new cycle, the fish already
// on is fought to its end, and the boatman comes exactly once, even for an
// angler who presses every button the screen offers.
void FishingDayTest::theDayEndsOnceAndNothingIsFishedAfter_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QStringList>("caught");
    QTest::newRow("mullet at the bait") << Ending::MulletAtTheBait << QStringList{};
    QTest::newRow("strike window in the last minutes") << Ending::WindowInLastMinutes << QStringList{};
    QTest::newRow("fish lost after the hour, box read") << Ending::LostAfterTheHour << QStringList{};
    QTest::newRow("big chinu landed across the hour")
        << Ending::BigChinuAcrossTheHour << QStringList{entry(s("チヌ"), 40)};
}

void FishingDayTest::theDayEndsOnceAndNothingIsFishedAfter()
{
    QFETCH(Ending, ending);
    QFETCH(QStringList, caught);
    PlayedDay day(ending == Ending::MulletAtTheBait);
    TestGame &g = day.game;
    Form1 &f = *day.form;
    switch (ending) {
    case Ending::MulletAtTheBait:
        day.until(179500);
        f.Command1->click();
        pushMulletTick(g.random, 5, 1, 2);
        day.until(181500);
        // Mullet keep coming to the bait if anything lets them.
        for (int i = 0; i < 30; ++i)
            pushMulletTick(g.random, 1, 1, 2);
        break;
    case Ending::WindowInLastMinutes:
        biteBeforeTheEnd(day, 5);
        QCOMPARE(g.state().HookPhase, 1);
        day.until(183000);
        QCOMPARE(g.dialogs.texts().value(0), s("エサを取られました。"));
        break;
    case Ending::LostAfterTheHour:
    case Ending::BigChinuAcrossTheHour: {
        const bool big = ending == Ending::BigChinuAcrossTheHour;
        biteBeforeTheEnd(day, big ? 12 : 5);
        day.until(180500);
        QCOMPARE(f.Label10->text(), QStringLiteral("10 : 00"));
        g.dialogs.setReadingTime(1500);
        f.Command3->click();
        g.random.pushDraw(big ? 1 : 4, 20); // 25 cm on 2号 and 4号 is lost on a 4
        day.until(big ? 185000 : 184000);
        if (big) {
            // The boatman waits while the landed chinu is on show.
            QVERIFY(!f.Picture1(0)->isHidden());
            QCOMPARE(f.Label36->text(), QStringLiteral("40"));
            QVERIFY(g.dialogs.texts().isEmpty());
            QVERIFY(!f.Command1->isEnabled());
            f.Command4->click();
            QVERIFY(f.Picture1(0)->isHidden());
        } else {
            QCOMPARE(g.dialogs.texts().value(0), lost(s("チヌ"), 25));
        }
        break;
    }
    }
    const QStringList atTheEnd = g.dialogs.texts();
    QCOMPARE(atTheEnd.size(), ending == Ending::BigChinuAcrossTheHour || ending == Ending::MulletAtTheBait ? 1 : 2);
    QVERIFY(isBoatman(atTheEnd.last()));
    QCOMPARE(f.day().ending, true);
    QVERIFY(!f.Command1->isEnabled());
    QVERIFY(!Pond::pink(f.Command1));

    // The eager angler: every second, every button the screen offers.
    for (int i = 0; i < 120; ++i) {
        for (QPushButton *button : {f.Command1, f.Command2, f.Command3, f.Command5})
            if (button->isEnabled())
                button->click();
        f.ChangeBait();
        g.advance(1000);
    }
    QCOMPARE(g.dialogs.texts(), atTheEnd);
    QCOMPARE(catchListOf(f), caught);
    QCOMPARE(f.Label10->text(), QStringLiteral("10 : 00"));
    QVERIFY(f.List2->isHidden());
    for (QPushButton *button : {f.Command1, f.Command2, f.Command3, f.Command5})
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    QVERIFY(Pond::blue(f.Command1) && Pond::blue(f.Command2) && Pond::blue(f.Command3));
    QVERIFY(!f.仕掛けを作る->isEnabled());
    for (Timer *timer : {f.Timer時間管理, f.Timer竿の動き, f.Timerあたり, f.Timerダンゴ管理,
                         f.Timer竿のしなり, f.Timer1ボラのタイマー})
        QVERIFY2(!timer->isEnabled(), qPrintable(timer->objectName()));
}

// With 知らせは状況表示だけ chosen, the boxes that only tell of a miss or a
// lost bait put their words on the status line instead; a lost fish, a
// landed one and the boatman keep their boxes. Everything else of the day
// goes on as with the boxes.
void FishingDayTest::quietNoticesMoveOnlyTheMisses_data()
{
    QTest::addColumn<bool>("mullet");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("onTheLine"); // the words of a miss on the status line after each step

    const QString baitTaken = s("エサを取られました。"), tooEarly = s("残念 あわせが早すぎました。"),
                  escaped = s("ボラに逃げられました。");
    QTest::newRow("chinu, boxes") << false << false
                                  << QStringList{baitTaken, lost(s("チヌ"), 23), landed(s("アイナメ"), 16), tooEarly}
                                  << QStringList{QString(), QString(), QString(), QString()};
    QTest::newRow("chinu, status line") << false << true
                                        << QStringList{lost(s("チヌ"), 23), landed(s("アイナメ"), 16)}
                                        << QStringList{baitTaken, QString(), QString(), tooEarly};
    QTest::newRow("mullet, boxes") << true << false
                                   << QStringList{escaped, landed(s("ボラ"), 45), s("ボラをばらしました。")}
                                   << QStringList{QString(), QString(), QString()};
    QTest::newRow("mullet, status line") << true << true
                                         << QStringList{landed(s("ボラ"), 45), s("ボラをばらしました。")}
                                         << QStringList{escaped, QString(), QString()};
}

void FishingDayTest::quietNoticesMoveOnlyTheMisses()
{
    QFETCH(bool, mullet);
    QFETCH(bool, quiet);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, onTheLine);
    PlayedDay day(mullet);
    TestGame &g = day.game;
    Form1 &f = *day.form;
    g.game().quietNotices = quiet;
    QStringList seen;
    const auto stepDone = [&] {
        QString words;
        for (const QString &miss : {s("エサを取られました。"), s("残念 あわせが早すぎました。"), s("ボラに逃げられました。")})
            if (f.dayReport().statusLabel()->text().contains(miss))
                words = miss;
        seen << words;
    };
    const auto pushTick = [&](int n, int v3, int v4, int v5, int v6, int v7, int w) {
        for (auto [k, m] : {std::pair{16, 16}, {12, 12}, {n, 8}, {1, 3}, {v3, 10}, {v4, 15}, {v5, 5},
                            {v6 < 0 ? 2 : 1, 3}, {v7, 10}, {w, 5}})
            g.random.pushDraw(k, m);
    };

    if (mullet) {
        // A mullet lets go of the bait, one is landed, one lost.
        f.Command1->click();
        pushMulletTick(g.random, 5, 1, 2);
        g.advance(1000);
        pushMulletTick(g.random, 1, 2, 3);
        g.advance(1000);
        for (int i = 0; i < 9; ++i) {
            pushMulletTick(g.random, 9, 2, 4);
            g.advance(160);
        }
        stepDone();
        QVERIFY(f.Command1->isEnabled());
        f.Command1->click();
        pushMulletTick(g.random, 1, 3, 2);
        g.advance(160);
        pushMulletTick(g.random, 15, 3, 4);
        g.advance(240);
        f.Command3->click();
        g.advance(100 * (5 + 4 * 6));
        stepDone();
        f.Command1->click();
        pushMulletTick(g.random, 1, 4, 3);
        g.advance(240);
        f.Command3->click();
        g.advance(100 * (5 + 4 * 6));
        stepDone();
    } else {
        // A bait stealer takes the bait; a 23 cm chinu is lost; an アイナメ
        // is landed; a strike on a slight bite comes too early.
        g.random.pushDraw(2, 5);
        f.Command1->click();
        f.Command2->click();
        pushTick(1, 5, 14, 2, 1, 8, 3);
        g.advance(1000);
        g.random.pushDraw(1, 10);
        g.random.pushDraw(1, 5);
        g.advance(500 + 3000);
        stepDone();
        QCOMPARE(f.focusWidget(), f.Command1);
        g.random.pushDraw(5, 5);
        f.Command1->click();
        g.advance(7000);
        pushTick(6, 2, 5, 3, 1, 1, 3);
        g.advance(1000);
        f.Command3->click();
        g.random.pushDraw(4, 20);
        g.advance(100 * (4 * 6 + 1));
        stepDone();
        g.random.pushDraw(3, 5);
        f.Command1->click();
        f.Command2->click();
        pushTick(6, 1, 14, 2, -1, 4, 3);
        g.advance(1000);
        f.Command3->click();
        g.random.pushDraw(1, 20);
        g.advance(100 * (4 * 5 + 1));
        stepDone();
        g.random.pushDraw(4, 5);
        f.Command1->click();
        f.Command2->click();
        pushTick(1, 3, 5, 1, 1, 1, 3);
        g.advance(1000);
        f.Command3->click();
        stepDone();
        QCOMPARE(f.focusWidget(), f.Command1);
    }
    QCOMPARE(g.random.remaining(), 0);
    QCOMPARE(seen, onTheLine);
    QCOMPARE(g.dialogs.texts(), boxes);

    // The boatman still comes with his box at 10:00.
    day.until(181000);
    QCOMPARE(g.dialogs.texts().size(), boxes.size() + 1);
    QVERIFY(g.dialogs.texts().last().startsWith(s("船頭: 時間が来ました。釣りを終了してください。")));
    QCOMPARE(f.day().ending, true);
}

QTEST_MAIN(FishingDayTest)
#include "test_fishingday.moc"
