#include "daylog/ids.h"
#include "mainscreen/fishing/biterules.h"
#include "mainscreen/fishing/tipmotion.h"

#include <QTest>

using namespace biterules;

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class BiteRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void eachRigPartHasItsSize_data();
    void eachRigPartHasItsSize();
    void gateLimitFallsAsTheRigFigureRises_data();
    void gateLimitFallsAsTheRigFigureRises();
    void gatePassesDrawsFromOneToTheLimit_data();
    void gatePassesDrawsFromOneToTheLimit();
    void tideChecks_data();
    void tideChecks();
    void biteClassTable_data();
    void biteClassTable();
    void goodBaitIsOneOfTodaysThree();
    void biteOpeningTable_data();
    void biteOpeningTable();

    void pullStartTable_data();
    void pullStartTable();
    void fastPullOfAChinuHooksOnSevenOfTenDraws();
    void nibbleAlternatesBetweenTwoElements();
    void nibbleLastsSevenToElevenTicks_data();
    void nibbleLastsSevenToElevenTicks();
    void nibbleEndTable_data();
    void nibbleEndTable();
    void singlePullTables_data();
    void singlePullTables();
};

void BiteRulesTest::eachRigPartHasItsSize_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("number"); // -1: none
    QTest::newRow("1号") << s("1号") << 1;
    QTest::newRow("2号") << s("2号") << 2;
    QTest::newRow("3号") << s("3号") << 3;
    QTest::newRow("5号") << s("5号") << 5;
    QTest::newRow("no rig yet") << s("未設定") << -1;
    QTest::newRow("mullet hook") << s("吸い込み針") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void BiteRulesTest::eachRigPartHasItsSize()
{
    QFETCH(QString, caption);
    QFETCH(int, number);
    // The rig keeps its parts by id; a caption that names no part has no size.
    int size = -1;
    if (const auto leader = daylog::leaderFromCaption(caption))
        size = daylog::sizeNumber(*leader);
    else if (const auto hook = daylog::hookFromCaption(caption))
        size = daylog::sizeNumber(*hook).value_or(-1);
    QCOMPARE(size, number);
}

void BiteRulesTest::gateLimitFallsAsTheRigFigureRises_data()
{
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("limit");
    // Leader 1..3 + depth 1..3 + current 1..3: figures 3..9.
    QTest::newRow("3") << 1 << 1 << 1 << 8;
    QTest::newRow("4") << 2 << 1 << 1 << 8;
    QTest::newRow("5") << 1 << 2 << 2 << 6;
    QTest::newRow("6") << 3 << 2 << 1 << 6;
    QTest::newRow("7") << 3 << 3 << 1 << 4;
    QTest::newRow("8") << 2 << 3 << 3 << 4;
    QTest::newRow("9") << 3 << 3 << 3 << 4;
}

void BiteRulesTest::gateLimitFallsAsTheRigFigureRises()
{
    QFETCH(int, leader);
    QFETCH(int, depth);
    QFETCH(int, current);
    QFETCH(int, limit);
    QCOMPARE(gateLimit(rigFigure(leader, depth, current)), limit);
}

void BiteRulesTest::gatePassesDrawsFromOneToTheLimit_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("passes");
    QTest::newRow("0 never") << 0 << 8 << false;
    QTest::newRow("1") << 1 << 4 << true;
    QTest::newRow("at the limit") << 6 << 6 << true;
    QTest::newRow("above the limit") << 7 << 6 << false;
    QTest::newRow("8 of 8") << 8 << 8 << true;
    QTest::newRow("16 of 8") << 16 << 8 << false;
}

void BiteRulesTest::gatePassesDrawsFromOneToTheLimit()
{
    QFETCH(int, n);
    QFETCH(int, limit);
    QFETCH(bool, passes);
    QCOMPARE(passesGate(n, limit), passes);
}

void BiteRulesTest::tideChecks_data()
{
    QTest::addColumn<TideDirection>("tideNow");
    QTest::addColumn<TideDirection>("favourable");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("tideMatch"); // -1: left as it was
    QTest::addColumn<bool>("gate");
    const TideDirection ebb = TideDirection::Ebb, flood = TideDirection::Flood, unknown = TideDirection::Unknown;
    // The raft's favourable tide, as its data says it.
    const TideDirection ebbTide = ebb, floodTide = flood;
    QTest::newRow("falling on a falling-tide raft: every draw") << ebb << ebbTide << 16 << 1 << true;
    QTest::newRow("falling on a rising-tide raft, n 1") << ebb << floodTide << 1 << 0 << true;
    QTest::newRow("falling on a rising-tide raft, n 5") << ebb << floodTide << 5 << 0 << true;
    QTest::newRow("falling on a rising-tide raft, n 6") << ebb << floodTide << 6 << 0 << false;
    QTest::newRow("rising on a falling-tide raft, n 5") << flood << ebbTide << 5 << 0 << true;
    QTest::newRow("rising on a falling-tide raft, n 6") << flood << ebbTide << 6 << 0 << false;
    QTest::newRow("rising on a rising-tide raft: every draw") << flood << floodTide << 12 << 1 << true;
    QTest::newRow("no tide yet") << unknown << floodTide << 1 << -1 << false;
    QTest::newRow("unknown favourable tide") << flood << unknown << 1 << -1 << false;
}

void BiteRulesTest::tideChecks()
{
    QFETCH(TideDirection, tideNow);
    QFETCH(TideDirection, favourable);
    QFETCH(int, n);
    QFETCH(int, tideMatch);
    QFETCH(bool, gate);
    const TideCheck check = checkTide(tideNow, favourable, n);
    QCOMPARE(check.tideMatch.value_or(-1), tideMatch);
    QCOMPARE(check.runGate, gate);
}

void BiteRulesTest::biteClassTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("plainBait");
    QTest::addColumn<int>("goodBait");
    QTest::newRow("1") << 1 << 0 << 2;
    QTest::newRow("2") << 2 << 0 << 3;
    QTest::newRow("3") << 3 << 3 << 0;
    QTest::newRow("4") << 4 << 0 << 2;
    QTest::newRow("5") << 5 << 4 << 3;
    QTest::newRow("6") << 6 << 2 << 4;
    QTest::newRow("7") << 7 << 3 << 2;
    QTest::newRow("8") << 8 << 0 << 2;
}

void BiteRulesTest::biteClassTable()
{
    QFETCH(int, n);
    QFETCH(int, plainBait);
    QFETCH(int, goodBait);
    QCOMPARE(biteClass(n, false), plainBait);
    QCOMPARE(biteClass(n, true), goodBait);
    for (int cls : {plainBait, goodBait})
        if (cls != 0)
            QCOMPARE(firstTipPicture(cls), cls == 2 ? 3 : cls == 3 ? 5 : 7);
}

void BiteRulesTest::goodBaitIsOneOfTodaysThree()
{
    using daylog::Bait;
    const std::array<std::optional<Bait>, 3> today{Bait::Boke, Bait::Kani, Bait::Sanagi};
    QVERIFY(isGoodBait(Bait::Boke, today));
    QVERIFY(isGoodBait(Bait::Sanagi, today));
    QVERIFY(!isGoodBait(Bait::Ebi, today));
    QVERIFY(!isGoodBait(std::nullopt, today)); // the mullet rig's bare hook
    // Before the day's baits are drawn no bait is good, nor a bare hook.
    QVERIFY(!isGoodBait(Bait::Boke, {}));
    QVERIFY(!isGoodBait(std::nullopt, {}));
}

void BiteRulesTest::biteOpeningTable_data()
{
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("opening");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QList<int>>("intervals"); // first bite-timer interval for BiteRolls[1] = 1, 2, 3
    const int nibble = int(Opening::Nibble), slow = int(Opening::SlowPull), fast = int(Opening::FastPull),
              holds = int(Opening::Holds), steals = int(Opening::Steals);
    const QList<int> none{0, 0, 0};
    for (int cls : {2, 3}) {
        const int base = cls == 2 ? 0 : 3;
        for (int v = 1; v <= 10; ++v) {
            const QByteArray name = "class " + QByteArray::number(cls) + " v " + QByteArray::number(v);
            if (v <= 2)
                QTest::newRow(name) << cls << v << nibble << base + 1 << QList<int>{200, 200, 200};
            else if (v <= 4)
                QTest::newRow(name) << cls << v << slow << base + 2 << QList<int>{800, 1600, 2400};
            else if (v <= 6)
                QTest::newRow(name) << cls << v << fast << base + 3 << QList<int>{500, 500, 500};
            else if (v <= 9)
                QTest::newRow(name) << cls << v << holds << 0 << none;
            else
                QTest::newRow(name) << cls << v << steals << 0 << none;
        }
    }
    for (int v = 1; v <= 10; ++v)
        QTest::newRow(("class 4 v " + QByteArray::number(v)).constData())
            << 4 << v << (v <= 7 ? holds : steals) << 0 << none;
}

void BiteRulesTest::biteOpeningTable()
{
    QFETCH(int, cls);
    QFETCH(int, v);
    QFETCH(int, opening);
    QFETCH(int, pattern);
    QFETCH(QList<int>, intervals);
    QCOMPARE(int(biterules::opening(cls, v)), opening);
    QCOMPARE(bitePattern(cls, biterules::opening(cls, v)), pattern);
    for (int v1 = 1; v1 <= 3; ++v1)
        QCOMPARE(firstBiteInterval(pattern, v1), intervals[v1 - 1]);
    if (opening == int(Opening::Nibble)) {
        QCOMPARE(nibbleTipBase(cls), cls == 2 ? 2 : 5);
        QCOMPARE(nibbleHooked(1) && nibbleHooked(2), true);
        QCOMPARE(nibbleHooked(3) || nibbleHooked(4) || nibbleHooked(5), false);
    }
}

// ---- rod-tip motion ----

void BiteRulesTest::pullStartTable_data()
{
    QTest::addColumn<int>("pattern");
    QTest::addColumn<bool>("chinu");
    QTest::addColumn<int>("v12");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("interval");
    using namespace tipmotion;
    QTest::newRow("slow pull, class 2, chinu") << 2 << true << 6 << int(SlowPull) << 1500;
    QTest::newRow("slow pull, class 2, other") << 2 << false << 10 << int(Stealer) << 2500;
    QTest::newRow("slow pull, class 3, chinu") << 5 << true << 10 << int(SlowPull) << 2500;
    QTest::newRow("slow pull, class 3, other waits 3 to 5 s") << 5 << false << 6 << int(Stealer) << 3000;
    QTest::newRow("slow pull, class 3, other, longest") << 5 << false << 10 << int(Stealer) << 5000;
    QTest::newRow("fast pull, class 2, chinu") << 3 << true << 8 << int(FastPull) << 150;
    QTest::newRow("fast pull, class 2, other") << 3 << false << 8 << int(Stealer) << 4000;
    QTest::newRow("fast pull, class 3, chinu") << 6 << true << 8 << int(FastPull) << 150;
    QTest::newRow("fast pull, class 3, other") << 6 << false << 8 << int(Stealer) << 2000;
}

void BiteRulesTest::pullStartTable()
{
    QFETCH(int, pattern);
    QFETCH(bool, chinu);
    QFETCH(int, v12);
    QFETCH(int, step);
    QFETCH(int, interval);
    const tipmotion::StepChange change = tipmotion::pullStart(pattern, chinu, 1, v12);
    QCOMPARE(change.step, step);
    QCOMPARE(change.interval, interval);
}

void BiteRulesTest::fastPullOfAChinuHooksOnSevenOfTenDraws()
{
    const QList<int> hooking{1, 2, 3, 5, 7, 9, 10};
    for (int pattern : {3, 6}) {
        for (int v11 = 1; v11 <= 10; ++v11) {
            QCOMPARE(tipmotion::pullStart(pattern, true, v11, 6).hooks, hooking.contains(v11));
            QVERIFY(!tipmotion::pullStart(pattern, false, v11, 6).hooks);
        }
        QVERIFY(!tipmotion::pullStart(pattern - 1, true, 1, 6).hooks); // a slow pull hooks nothing at its start
    }
}

void BiteRulesTest::nibbleAlternatesBetweenTwoElements()
{
    // A class 2 nibble shows 3, 2, 3, 2 ...; a class 3 nibble 6, 5, 6 ...
    for (int base : {2, 5}) {
        int toggle = 1;
        QList<int> shown;
        for (int i = 0; i < 4; ++i) {
            const tipmotion::Twitch t = tipmotion::twitch(base, toggle);
            shown << t.picture;
            toggle = t.toggle;
        }
        QCOMPARE(shown, (QList<int>{base + 1, base, base + 1, base}));
    }
}

void BiteRulesTest::nibbleLastsSevenToElevenTicks_data()
{
    QTest::addColumn<int>("v12");
    QTest::addColumn<int>("ticks");
    QTest::newRow("shortest") << 6 << 7;
    QTest::newRow("longest") << 10 << 11;
}

void BiteRulesTest::nibbleLastsSevenToElevenTicks()
{
    QFETCH(int, v12);
    QFETCH(int, ticks);
    QVERIFY(!tipmotion::nibbleEnds(ticks - 1, v12));
    QVERIFY(tipmotion::nibbleEnds(ticks, v12));
}

void BiteRulesTest::nibbleEndTable_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<bool>("chinuGoesOn");
    QTest::addColumn<bool>("otherGoesOn");
    for (int v = 1; v <= 10; ++v)
        QTest::newRow(QByteArray::number(v).constData()) << v << (v <= 5) << (v <= 2);
}

void BiteRulesTest::nibbleEndTable()
{
    QFETCH(int, v);
    QFETCH(bool, chinuGoesOn);
    QFETCH(bool, otherGoesOn);
    QCOMPARE(tipmotion::nibbleGoesOn(true, v), chinuGoesOn);
    QCOMPARE(tipmotion::nibbleGoesOn(false, v), otherGoesOn);
}

void BiteRulesTest::singlePullTables_data()
{
    QTest::addColumn<bool>("slow"); // slow pull (step 1) or a stealer's pull (step 3)
    QTest::addColumn<int>("cls");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("picture"); // 0: the bait is gone
    // Slow pull, class 2: the tip goes to 3 + w, except w 4.
    QTest::newRow("slow 2 w1") << true << 2 << 1 << 3 << 4;
    QTest::newRow("slow 2 w2") << true << 2 << 2 << 3 << 5;
    QTest::newRow("slow 2 w3") << true << 2 << 3 << 3 << 6;
    QTest::newRow("slow 2 w4") << true << 2 << 4 << 3 << 0;
    QTest::newRow("slow 2 w5") << true << 2 << 5 << 3 << 8;
    // Slow pull, class 3: 5 + BiteRolls[1], except w 2.
    QTest::newRow("slow 3 w1 v1") << true << 3 << 1 << 1 << 6;
    QTest::newRow("slow 3 w2") << true << 3 << 2 << 1 << 0;
    QTest::newRow("slow 3 w3 v2") << true << 3 << 3 << 2 << 7;
    QTest::newRow("slow 3 w4 v3") << true << 3 << 4 << 3 << 8;
    QTest::newRow("slow 3 w5 v1") << true << 3 << 5 << 1 << 6;
    // A stealer holds on only when w is 1.
    QTest::newRow("stealer 2 w1") << false << 2 << 1 << 3 << 4;
    QTest::newRow("stealer 2 w2") << false << 2 << 2 << 3 << 0;
    QTest::newRow("stealer 2 w5") << false << 2 << 5 << 3 << 0;
    QTest::newRow("stealer 3 w1 v2") << false << 3 << 1 << 2 << 7;
    QTest::newRow("stealer 3 w3") << false << 3 << 3 << 2 << 0;
    QTest::newRow("stealer 3 w4") << false << 3 << 4 << 2 << 0;
}

void BiteRulesTest::singlePullTables()
{
    QFETCH(bool, slow);
    QFETCH(int, cls);
    QFETCH(int, w);
    QFETCH(int, v1);
    QFETCH(int, picture);
    const tipmotion::Pull pull = slow ? tipmotion::slowPull(cls, w, v1) : tipmotion::stealerPull(cls, w, v1);
    QCOMPARE(pull.outcome, picture ? tipmotion::Pull::Holds : tipmotion::Pull::Gone);
    QCOMPARE(pull.picture, picture);
}

QTEST_GUILESS_MAIN(BiteRulesTest)
#include "test_biterules.moc"
