#include "mainscreen/clocktide.h"
#include "mainscreen/daystart.h"
#include "mainscreen/mainscreentexts.h"
#include "mainscreen/rafts.h"
#include "platform/random.h"
#include "state/gamestate.h"

#include <QTest>

namespace T = mainscreentexts;

namespace {

constexpr float Gauge = 257;

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Runs the tide from 7:00 for the given number of game minutes.
clocktide::Tide tideAfter(const QString &earlierLow, int minutes)
{
    clocktide::Tide tide;
    clocktide::initTide(tide, earlierLow, Gauge);
    for (int m = 1; m <= minutes; ++m)
        clocktide::tideMinute(tide, m % 60 == 0, Gauge);
    return tide;
}

} // namespace

class TestMainScreenRules : public QObject
{
    Q_OBJECT

private slots:
    void raftConditionsBecomeClasses_data();
    void raftConditionsBecomeClasses();
    void unknownTextsLeaveClassesAlone();
    void goodBaitsCoverEverySetOfThree_data();
    void goodBaitsCoverEverySetOfThree();
    void goodBaitsRedrawRepeats();

    void tideAtSevenFromTheEarlierLowWater_data();
    void tideAtSevenFromTheEarlierLowWater();
    void tideTurnsOnTheHoursOfHighAndLowWater_data();
    void tideTurnsOnTheHoursOfHighAndLowWater();
    void gaugeOverTheDay_data();
    void gaugeOverTheDay();
    void failedTickSnapsTheTideBar_data();
    void failedTickSnapsTheTideBar();
    void clockAndTimeBar();
};

void TestMainScreenRules::raftConditionsBecomeClasses_data()
{
    QTest::addColumn<int>("spot");
    QTest::addColumn<QList<int>>("classes"); // depth, current, stealers, density, size factor
    // The spot's data exactly as the game shows and writes it.
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("湾入り口") << 1 << QList<int>{3, 3, 1, 1, 3}
                           << QStringList{s("15"), s("速い"), s("少ない"), s("少ない"), s("30"), s("満ち潮")};
    QTest::newRow("北の離れ") << 2 << QList<int>{2, 2, 2, 2, 2}
                           << QStringList{s("10"), s("ふつう"), s("ふつう"), s("ふつう"), s("25"), s("満ち潮")};
    QTest::newRow("大浜") << 3 << QList<int>{1, 1, 3, 3, 1}
                         << QStringList{s("8"), s("ゆるやか"), s("多い"), s("多い"), s("20"), s("引き潮")};
    QTest::newRow("南の離れ") << 4 << QList<int>{2, 1, 3, 3, 1}
                           << QStringList{s("10"), s("ゆるやか"), s("多い"), s("多い"), s("20"), s("満ち潮")};
    QTest::newRow("鴨の越し") << 5 << QList<int>{3, 2, 2, 3, 1}
                           << QStringList{s("13"), s("ふつう"), s("ふつう"), s("多い"), s("25"), s("引き潮")};
}

void TestMainScreenRules::raftConditionsBecomeClasses()
{
    QFETCH(int, spot);
    QFETCH(QList<int>, classes);
    QFETCH(QStringList, cells);
    const rafts::Raft *raft = rafts::byNumber(spot);
    QVERIFY(raft);
    const std::array<QString, 7> shown = raft->cells();
    QCOMPARE(QStringList(shown.begin() + 1, shown.end()), cells);
    const daystart::Outing outing{raft, daylog::Fish::Mullet};
    GameState st;
    daystart::applyClasses(outing, st);
    QCOMPARE((QList<int>{st.DepthLevel, st.CurrentLevel, st.StealerLevel, st.ChinuDensity, st.SizeFactor}), classes);
    QCOMPARE(st.TargetCode, 2);
    QCOMPARE(QString::number(st.AverageSize), cells[4]);
    QCOMPARE(rafts::aimWord(st.FavourableTide), cells[5]);
}

// Before a raft is chosen, and for a target outside the mapping, the classes
// keep what they held. A depth the table does not know has no class.
void TestMainScreenRules::unknownTextsLeaveClassesAlone()
{
    GameState st;
    st.DepthLevel = st.CurrentLevel = st.StealerLevel = st.ChinuDensity = st.SizeFactor = st.TargetCode = 9;
    daystart::applyClasses({}, st);
    QCOMPARE(st.TargetCode, 9);
    daystart::applyClasses({nullptr, daylog::Fish::Fugu}, st);
    QCOMPARE((QList<int>{st.DepthLevel, st.CurrentLevel, st.StealerLevel, st.ChinuDensity, st.SizeFactor, st.TargetCode}),
             (QList<int>{9, 9, 9, 9, 9, 9}));
    QVERIFY(st.FavourableTide == TideDirection::Unknown);
    QCOMPARE(daystart::depthLevel(12), std::nullopt);
}

void TestMainScreenRules::goodBaitsCoverEverySetOfThree_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    for (int a = 1; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b)
            for (int c = b + 1; c <= 6; ++c)
                QTest::addRow("%d%d%d", a, b, c) << a << b << c;
}

void TestMainScreenRules::goodBaitsCoverEverySetOfThree()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    ScriptedRandom random;
    // Drawn in reverse order, to show that any order of draws is kept.
    random.pushDraw(c, 6);
    random.pushDraw(b, 6);
    random.pushDraw(a, 6);
    QCOMPARE(daystart::drawGoodBaits(random), (std::array<int, 3>{c, b, a}));
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.overruns(), 0);
}

void TestMainScreenRules::goodBaitsRedrawRepeats()
{
    ScriptedRandom random;
    for (int k : {4, 4, 4, 2, 4, 2, 2, 6})
        random.pushDraw(k, 6);
    QCOMPARE(daystart::drawGoodBaits(random), (std::array<int, 3>{4, 2, 6}));
    QCOMPARE(random.remaining(), 0);

    // Any source gives three different baits.
    SystemRandom system(7);
    for (int day = 0; day < 500; ++day) {
        const auto picks = daystart::drawGoodBaits(system);
        QVERIFY(picks[0] != picks[1] && picks[0] != picks[2] && picks[1] != picks[2]);
        for (int k : picks)
            QVERIFY(k >= 1 && k <= 6);
    }
}

void TestMainScreenRules::tideAtSevenFromTheEarlierLowWater_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<double>("bar");
    QTest::addColumn<int>("hours");
    QTest::addColumn<double>("rest");
    QTest::addColumn<int>("full");
    QTest::addColumn<bool>("rising");
    const double sixth = 257.0 / 6;
    QTest::newRow("1") << QStringLiteral("1") << 257.0 << 6 << 0.0 << 257 << false;
    for (int l = 2; l <= 6; ++l)
        QTest::addRow("%d", l) << QString::number(l) << (7 - l) * sixth << l - 1 << 257 - (7 - l) * sixth << 0 << true;
    QTest::newRow("7") << QStringLiteral("7") << 0.0 << 6 << 257.0 << 0 << true;
    const int fullOf[] = {43, 86, 128, 171, 214}; // (L - 7) sixths of 257, rounded
    for (int l = 8; l <= 12; ++l)
        QTest::addRow("%d", l) << QString::number(l) << (l - 7) * sixth << l - 7 << 0.0 << fullOf[l - 8] << false;
}

void TestMainScreenRules::tideAtSevenFromTheEarlierLowWater()
{
    QFETCH(QString, low);
    QFETCH(double, bar);
    QFETCH(int, hours);
    QFETCH(double, rest);
    QFETCH(int, full);
    QFETCH(bool, rising);
    clocktide::Tide tide;
    QVERIFY(clocktide::initTide(tide, low, Gauge));
    QVERIFY(qAbs(tide.bar - bar) < 0.001);
    QCOMPARE(tide.hours, hours);
    QVERIFY(qAbs(tide.rest - rest) < 0.001);
    QCOMPARE(int(tide.full), full);
    QCOMPARE(tide.now, rising ? T::Flood() : T::Ebb());
    QCOMPARE(tide.floodShown, rising);
    QCOMPARE(tide.ebbShown, !rising);

    // Outside 1..12 nothing is known about the tide.
    clocktide::Tide untouched;
    for (const QString &odd : {QString(), QStringLiteral("0"), QStringLiteral("13"), QStringLiteral("08")})
        QVERIFY(!clocktide::initTide(untouched, odd, Gauge));
    QCOMPARE(untouched.now, QString());
}

void TestMainScreenRules::tideTurnsOnTheHoursOfHighAndLowWater_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<QList<int>>("turns"); // clock hours of the turns from 7:00 to 21:00
    // High and low water come every six hours from the earlier low water.
    for (int l = 1; l <= 12; ++l) {
        QList<int> turns;
        for (int hour = 8; hour <= 21; ++hour)
            if ((hour - l) % 6 == 0)
                turns << hour;
        QTest::addRow("%d", l) << l << turns;
    }
}

// The gauge turns exactly on the hour of each high and low water, never an
// hour late, and the arrow shown always matches the tide.
void TestMainScreenRules::tideTurnsOnTheHoursOfHighAndLowWater()
{
    QFETCH(int, low);
    QFETCH(QList<int>, turns);
    clocktide::Tide tide;
    QVERIFY(clocktide::initTide(tide, QString::number(low), Gauge));
    QList<int> seen;
    for (int m = 1; m <= 14 * 60; ++m) {
        const QString before = tide.now;
        clocktide::tideMinute(tide, m % 60 == 0, Gauge);
        if (tide.now != before)
            seen << 7 + m / 60 + (m % 60 ? 1000 : 0); // a turn off the hour shows as 1000+
        QCOMPARE(tide.ebbShown, tide.now == T::Ebb());
        QCOMPARE(tide.floodShown, tide.now == T::Flood());
        QVERIFY(tide.bar >= 0 && tide.bar <= Gauge);
    }
    QCOMPARE(seen, turns);
}

void TestMainScreenRules::gaugeOverTheDay_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<int>("minutes"); // after 7:00
    QTest::addColumn<double>("bar");
    QTest::addColumn<bool>("rising");
    const double step = 257.0 / 360;
    // Low water at 1:00: full and falling at 7:00, empty at 13:00, rising to 19:00.
    QTest::newRow("L1 7:00") << QStringLiteral("1") << 0 << 257.0 << false;
    QTest::newRow("L1 10:00") << QStringLiteral("1") << 180 << 128.5 << false;
    QTest::newRow("L1 13:00") << QStringLiteral("1") << 360 << 0.0 << true;
    QTest::newRow("L1 16:00") << QStringLiteral("1") << 540 << 128.5 << true;
    QTest::newRow("L1 18:59") << QStringLiteral("1") << 719 << 257 - step << true;
    // Low water at 7:00: empty and rising at 7:00, full at 13:00 and falling from there.
    QTest::newRow("L7 7:00") << QStringLiteral("7") << 0 << 0.0 << true;
    QTest::newRow("L7 10:00") << QStringLiteral("7") << 180 << 128.5 << true;
    QTest::newRow("L7 12:59") << QStringLiteral("7") << 359 << 257 - step << true;
    QTest::newRow("L7 13:00") << QStringLiteral("7") << 360 << 257 - step << false;
    // The turn's own minute already falls one step.
    QTest::newRow("L7 16:00") << QStringLiteral("7") << 540 << 257 - 181 * step << false;
}

void TestMainScreenRules::gaugeOverTheDay()
{
    QFETCH(QString, low);
    QFETCH(int, minutes);
    QFETCH(double, bar);
    QFETCH(bool, rising);
    const clocktide::Tide tide = tideAfter(low, minutes);
    QVERIFY2(qAbs(tide.bar - bar) < 0.05, qPrintable(QString::number(tide.bar)));
    QCOMPARE(tide.now, rising ? T::Flood() : T::Ebb());
}

void TestMainScreenRules::failedTickSnapsTheTideBar_data()
{
    QTest::addColumn<float>("bar");
    QTest::addColumn<float>("snapped");
    QTest::newRow("high") << 151.f << 257.f;
    QTest::newRow("low") << 149.f << 0.f;
    QTest::newRow("middle") << 150.f << 150.f;
}

void TestMainScreenRules::failedTickSnapsTheTideBar()
{
    QFETCH(float, bar);
    QFETCH(float, snapped);
    QCOMPARE(clocktide::snappedTideBar(bar, Gauge), snapped);
}

void TestMainScreenRules::clockAndTimeBar()
{
    QCOMPARE(clocktide::clockCaption(7, 1), QStringLiteral("7") + T::ClockColon() + QStringLiteral("01"));
    QCOMPARE(clocktide::clockCaption(15, 0), QStringLiteral("15") + T::ClockColon() + QStringLiteral("00"));

    // A 15時まで day: the bar re-aligns to the whole hours left at each hour.
    QCOMPARE(clocktide::timeBarAtHour(15, 8, Gauge, 480), 7 * Gauge / 8);
    QVERIFY(qAbs(clocktide::timeBarAfterMinute(Gauge, Gauge, 480) - (Gauge - Gauge / 480)) < 1e-4);
    QCOMPARE(clocktide::endHourNumber(QString()), 0);
    QCOMPARE(clocktide::endHourNumber(QStringLiteral("17")), 17);

    // A day without length or end hour cannot be divided into minutes.
    QVERIFY_THROWS_EXCEPTION(clocktide::TickFailure, clocktide::timeBarAfterMinute(Gauge, Gauge, 0));
    QVERIFY_THROWS_EXCEPTION(clocktide::TickFailure, clocktide::timeBarAtHour(15, 8, Gauge, 0));
    QVERIFY_THROWS_EXCEPTION(clocktide::TickFailure, clocktide::endHourNumber(QStringLiteral("x")));

    // Rounded as the screen shows widths: ties to even.
    QCOMPARE(clocktide::roundedWidth(42.5f), qint16(42));
    QCOMPARE(clocktide::roundedWidth(43.5f), qint16(44));
}

QTEST_GUILESS_MAIN(TestMainScreenRules)
#include "test_mainscreenrules.moc"
