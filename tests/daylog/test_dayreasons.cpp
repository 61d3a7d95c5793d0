#include "fishing/pond.h"

#include "daylog/dayreport.h"
#include "daylog/reasons.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/fishingtexts.h"

#include <QtTest>

#include <cmath>

using daylog::DayEvent;
using daylog::EventKind;
using daylog::Reason;

Q_DECLARE_METATYPE(EventKind)
Q_DECLARE_METATYPE(Reason)

namespace {

// Keeps every event the fishing code reports.
struct Recorder final : daylog::DayEventListener
{
    explicit Recorder(daylog::DayEventHub &hub) : hub(hub) { hub.add(this); }
    ~Recorder() override { hub.remove(this); }
    void dayEvent(const DayEvent &event) override { events.push_back(event); }

    // The last event that ends something (not a drop, break or bite).
    const DayEvent *outcome() const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->kind != EventKind::Dropped && it->kind != EventKind::BallBroken && it->kind != EventKind::Bite)
                return &*it;
        return nullptr;
    }
    const DayEvent *last(EventKind kind) const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->kind == kind)
                return &*it;
        return nullptr;
    }

    daylog::DayEventHub &hub;
    std::vector<DayEvent> events;
};

QString statusOf(Pond &pond)
{
    return pond.form.dayReport().statusLabel()->text();
}

} // namespace

class TestDayReasons : public QObject
{
    Q_OBJECT

private slots:
    // Every way a chinu cycle can end, played on the real fishing code: the
    // reason it reports, the game's own message, and the status line.
    void cycleOutcomes_data();
    void cycleOutcomes();
    void fightOutcomes_data();
    void fightOutcomes();
    void ballBreaksByItselfOrByTheAngler();
    void mulletLetsGo();
    void aStruckMulletCarriesItsExactChance_data();
    void aStruckMulletCarriesItsExactChance();
    void eventsCarryClockTideAndRig();
    void losingDrawsMatchTheLossRule();
};

void TestDayReasons::cycleOutcomes_data()
{
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("v3");     // how the bite opens
    QTest::addColumn<int>("w");      // BiteRolls[8]
    QTest::addColumn<int>("v11");    // the first bite-timer tick's draw (0: none)
    QTest::addColumn<int>("waitMs"); // before the strike
    QTest::addColumn<bool>("strike");
    QTest::addColumn<EventKind>("kind");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<QString>("message");

    const QString early = fishingtexts::TooEarly();
    const QString taken = fishingtexts::BaitTaken();
    QTest::newRow("strike on a nibble") << 2 << 1 << 3 << 0 << 0 << true << EventKind::StrikeMissed
                                        << Reason::StruckWhileNibbling << early;
    QTest::newRow("strike on a nibble that hooked") << 2 << 1 << 1 << 0 << 0 << true << EventKind::StrikeHooked
                                                    << Reason::Holds << QString();
    QTest::newRow("strike before the slow pull") << 2 << 3 << 3 << 0 << 0 << true << EventKind::StrikeMissed
                                                 << Reason::StruckBeforeHookSet << early;
    QTest::newRow("strike on a fast pull without hook-up")
        << 2 << 5 << 3 << 4 << 500 << true << EventKind::StrikeMissed << Reason::StruckWhileStealing << early;
    QTest::newRow("strike while the bait is being stolen")
        << 3 << 10 << 3 << 0 << 0 << true << EventKind::StrikeMissed << Reason::StruckOnStealer << early;
    QTest::newRow("strike with nothing at the bait") << 0 << 0 << 0 << 0 << 0 << true << EventKind::StrikeMissed
                                                     << Reason::StruckAtNothing << QString();
    QTest::newRow("strike while the fish holds") << 2 << 7 << 3 << 0 << 0 << true << EventKind::StrikeHooked
                                                 << Reason::Holds << QString();
    QTest::newRow("no strike before the tip rose again")
        << 2 << 7 << 3 << 0 << 2000 << false << EventKind::BaitTaken << Reason::LetGo << taken;
    QTest::newRow("the slow pull takes the bait")
        << 2 << 3 << 4 << 1 << 2300 << false << EventKind::BaitTaken << Reason::BaitStolen << taken;
    QTest::newRow("a nibble that set the hook, never struck")
        << 3 << 1 << 2 << 1 << 5000 << false << EventKind::BaitTaken << Reason::NotStruck << taken;
    QTest::newRow("the fast pull takes the bait")
        << 2 << 5 << 3 << 4 << 2000 << false << EventKind::BaitTaken << Reason::BaitStolen << taken;
}

void TestDayReasons::cycleOutcomes()
{
    QFETCH(int, cls);
    QFETCH(int, v3);
    QFETCH(int, w);
    QFETCH(int, v11);
    QFETCH(int, waitMs);
    QFETCH(bool, strike);
    QFETCH(EventKind, kind);
    QFETCH(Reason, reason);
    QFETCH(QString, message);

    Pond pond;
    Recorder rec(pond.game.game().dayEvents);
    pond.dropAndTick(cls == 0 ? Pond::quietTick() : Pond::biteTick(cls, v3, w));
    if (v11 > 0)
        pond.pushBiteTick(v11, 6);
    if (waitMs > 0) {
        // The rod-tip tick that closes a strike window.
        pond.pushTick(Pond::quietTick());
        pond.game.advance(waitMs);
    }
    if (strike)
        pond.form.Command3->click();

    const DayEvent *outcome = rec.outcome();
    QVERIFY(outcome);
    QCOMPARE(outcome->kind, kind);
    QCOMPARE(outcome->reason, reason);
    // The game's own message is unchanged; the status line adds the reason.
    QCOMPARE(pond.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    if (kind != EventKind::StrikeHooked)
        QVERIFY(!pond.state().HookPhase || reason == Reason::LetGo);
    const QString why = daylog::statusText(*outcome);
    QVERIFY(!why.isEmpty());
    QVERIFY2(statusOf(pond).endsWith(why), qPrintable(statusOf(pond)));
    if (cls != 0) {
        const DayEvent *bite = rec.last(EventKind::Bite);
        QVERIFY(bite);
        QCOMPARE(bite->biteClass, cls);
        QCOMPARE(bite->reason, daylog::openingReason(biterules::opening(cls, v3)));
    }
}

void TestDayReasons::fightOutcomes_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<EventKind>("kind");
    // A 26 cm chinu on 2号 and 4号: strain Int(26 / 12 x 10) = 21, lost on 7 or 9.
    QTest::newRow("lost on a losing draw") << 7 << EventKind::FishLost;
    QTest::newRow("landed on any other") << 8 << EventKind::FishLanded;
}

void TestDayReasons::fightOutcomes()
{
    QFETCH(int, draw);
    QFETCH(EventKind, kind);
    Pond pond;
    Recorder rec(pond.game.game().dayEvents);
    pond.dropAndTick(Pond::biteTick(2, 7));
    pond.form.Command3->click();
    pond.game.random.pushDraw(draw, 20);
    pond.game.advance(5000);

    const DayEvent *end = rec.outcome();
    QVERIFY(end);
    QCOMPARE(end->kind, kind);
    QCOMPARE(end->fish, fishingtexts::Chinu());
    QCOMPARE(end->length, 26);
    QCOMPARE(end->lineStrain, 21);
    QCOMPARE(end->draw, draw);
    QCOMPARE(end->band, 2);
    QCOMPARE(end->reason, kind == EventKind::FishLost ? Reason::LineParted : Reason::None);
    QCOMPARE(fightrules::losesFish(end->lineStrain, end->draw), kind == EventKind::FishLost);
    // The status line gives the strain and the chance the fish had.
    QVERIFY(statusOf(pond).contains(QStringLiteral("21")));
    QVERIFY(statusOf(pond).contains(QStringLiteral("10％")));
}

void TestDayReasons::ballBreaksByItselfOrByTheAngler()
{
    Pond pond;
    Recorder rec(pond.game.game().dayEvents);
    pond.game.random.pushDraw(1, 5); // the ball opens after 3 s
    pond.form.Command1->click();
    pond.game.advance(3000);
    const DayEvent *broken = rec.last(EventKind::BallBroken);
    QVERIFY(broken);
    QCOMPARE(broken->reason, Reason::BrokeByItself);
    QVERIFY(statusOf(pond).endsWith(QStringLiteral("ダンゴが自然に割れました。")));

    pond.fishing.EndBiteCycle();
    rec.events.clear();
    pond.game.random.pushDraw(1, 5);
    pond.form.Command1->click();
    pond.form.Command2->click();
    broken = rec.last(EventKind::BallBroken);
    QVERIFY(broken);
    QCOMPARE(broken->reason, Reason::BrokenByAngler);
}

void TestDayReasons::mulletLetsGo()
{
    Pond pond(2);
    Recorder rec(pond.game.game().dayEvents);
    pond.form.Command1->click();
    // A mullet takes the bait, then holds on for ten ticks.
    pond.game.random.pushDraw(1, 20);
    pond.game.random.pushDraw(1, 5);
    pond.game.random.pushDraw(1, 3);
    for (int i = 0; i < 9; ++i) {
        pond.game.random.pushDraw(5, 20);
        pond.game.random.pushDraw(1, 5);
        pond.game.random.pushDraw(1, 3);
    }
    pond.game.advance(1000 + 9 * 80 + 10);
    QVERIFY(rec.last(EventKind::MulletTook));
    const DayEvent *gone = rec.outcome();
    QVERIFY(gone);
    QCOMPARE(gone->kind, EventKind::MulletEscaped);
    QCOMPARE(gone->reason, Reason::LetGo);
    QCOMPARE(pond.messages(), QStringList{fishingtexts::MulletEscaped()});
}

void TestDayReasons::aStruckMulletCarriesItsExactChance_data()
{
    QTest::addColumn<int>("pull");
    QTest::addColumn<EventKind>("kind");
    // The take's own pull is still under way 300 ms on: its draw decides,
    // and the chance logged is the one any strike at 300 ms has.
    QTest::newRow("a long pull of draw 4 comes off") << 4 << EventKind::FishLost;
    QTest::newRow("the longest pull, draw 5, is landed") << 5 << EventKind::FishLanded;
}

void TestDayReasons::aStruckMulletCarriesItsExactChance()
{
    QFETCH(int, pull);
    QFETCH(EventKind, kind);
    Pond pond(2);
    Recorder rec(pond.game.game().dayEvents);
    pond.form.Command1->click();
    pond.game.random.pushDraw(1, 20);
    pond.game.random.pushDraw(pull, 5);
    pond.game.random.pushDraw(1, 3);
    pond.game.advance(1000);
    QVERIFY(rec.last(EventKind::MulletTook));
    pond.game.advance(300);
    pond.form.Command3->click();
    pond.game.advance(20000);

    const DayEvent *end = rec.outcome();
    QVERIFY(end);
    QCOMPARE(end->kind, kind);
    QCOMPARE(end->fish, fishingtexts::Mullet());
    QCOMPARE(end->draw, pull);
    QVERIFY2(std::abs(end->lossChance - 0.4512) < 1e-12, qPrintable(QString::number(end->lossChance)));
}

void TestDayReasons::eventsCarryClockTideAndRig()
{
    Pond pond;
    Recorder rec(pond.game.game().dayEvents);
    pond.state().SpotNo = 4;
    pond.form.day().clockHour = 9;
    pond.form.day().clockMinute = 5;
    pond.form.day().tideBarWidth = 100.4f;
    pond.dropAndTick(Pond::biteTick(3, 7));
    const DayEvent *bite = rec.last(EventKind::Bite);
    QVERIFY(bite);
    QCOMPARE(bite->gameMinute, 9 * 60 + 5);
    QCOMPARE(bite->tideLevel, 100);
    QCOMPARE(bite->tideDirection, QStringLiteral("引"));
    QCOMPARE(bite->raft, 4);
    QCOMPARE(bite->leader, QStringLiteral("2号"));
    QCOMPARE(bite->hook, QStringLiteral("4号"));
    QCOMPARE(bite->bait, QStringLiteral("オキアミ"));
    QCOMPARE(bite->fish, fishingtexts::Chinu());
    QVERIFY(bite->length > 0);

    // A bait change is logged with the new bait.
    pond.form.Command3->click(); // strike: hooked
    pond.game.random.pushDraw(8, 20);
    pond.game.advance(5000);
    pond.form.Command5->click();
    pond.form.List2->setCurrentRow(1);
    emit pond.form.List2->itemClicked(pond.form.List2->currentItem());
    const DayEvent *changed = rec.last(EventKind::BaitChanged);
    QVERIFY(changed);
    QCOMPARE(changed->bait, pond.form.List2->item(1)->text());
}

void TestDayReasons::losingDrawsMatchTheLossRule()
{
    // The chance the status line quotes, band by band of the loss table.
    const std::pair<int, int> bands[] = {{20, 1}, {21, 2}, {25, 2}, {26, 3}, {31, 4}, {36, 5},
                                         {41, 6}, {46, 7}, {50, 7}, {51, 8}, {82, 8}};
    for (const auto &[strain, losing] : bands)
        QCOMPARE(daylog::losingDraws(strain), losing);
}

QTEST_MAIN(TestDayReasons)
#include "test_dayreasons.moc"
