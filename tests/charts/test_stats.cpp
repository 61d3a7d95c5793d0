#include "daylog/stats.h"
#include "mainscreen/clocktide.h"
#include "statsfixture.h"

#include <QTest>

#include <numeric>

using namespace daylog;

class TestStats : public QObject
{
    Q_OBJECT

private slots:
    void ratesFollowTheFilter_data();
    void ratesFollowTheFilter();
    void ratesOfNothingAreZero();
    void barsCountEachFishOnce_data();
    void barsCountEachFishOnce();
    void barsKnowTheMinutesFishedInThem_data();
    void barsKnowTheMinutesFishedInThem();
    void bestChinuStaysWithTheFirstToReachIt();
    void hoursFromLowWater_data();
    void hoursFromLowWater();
    void risingAndFallingAgreeWithTheGauge();
};

void TestStats::ratesFollowTheFilter_data()
{
    QTest::addColumn<QString>("angler");
    QTest::addColumn<int>("raft");
    // days, bites, strikes, hooked, too early, too late, at nothing, landed, lost, bait taken, minutes
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("everyone everywhere") << QString() << 0 << QList<int>{4, 9, 9, 6, 1, 1, 1, 6, 1, 1, 1390};
    QTest::newRow("one angler") << QStringLiteral("太郎") << 0 << QList<int>{2, 6, 6, 4, 1, 1, 0, 3, 1, 1, 910};
    QTest::newRow("the other angler") << QStringLiteral("花子") << 0 << QList<int>{2, 3, 3, 2, 0, 0, 1, 3, 0, 0, 480};
    QTest::newRow("one raft") << QString() << 3 << QList<int>{3, 4, 4, 3, 0, 0, 1, 4, 0, 0, 1090};
    QTest::newRow("angler and raft") << QStringLiteral("太郎") << 3 << QList<int>{1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 610};
    QTest::newRow("nobody") << QStringLiteral("次郎") << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("an empty raft") << QString() << 5 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

void TestStats::ratesFollowTheFilter()
{
    QFETCH(QString, angler);
    QFETCH(int, raft);
    QFETCH(QList<int>, expected);

    const DayStats s = dayStats(statsfixture::days(), StatsFilter{angler, raft});
    const Rates &r = s.rates;
    const QList<int> got{s.days, r.bites, r.strikes, r.hooked, r.tooEarly, r.tooLate,
                         r.atNothing, r.landed, r.lost, r.baitTaken, int(s.hoursFished * 60 + 0.5)};
    QCOMPARE(got, expected);
    QCOMPARE(r.missed(), r.tooEarly + r.tooLate + r.atNothing);
}

void TestStats::ratesOfNothingAreZero()
{
    const DayStats none = dayStats({});
    QCOMPARE(none.rates.hookedPerStrike(), 0.0);
    QCOMPARE(none.rates.landedPerHooked(), 0.0);
    QCOMPARE(none.rates.landedPerBite(), 0.0);

    // 太郎: 6 bites, 6 strikes, 4 hooked, 3 landed and 1 lost.
    const Rates r = dayStats(statsfixture::days(), {QStringLiteral("太郎"), 0}).rates;
    QCOMPARE(r.strikesPerBite(), 1.0);
    QCOMPARE(r.hookedPerStrike(), 4.0 / 6);
    QCOMPARE(r.landedPerHooked(), 3.0 / 4);
    QCOMPARE(r.landedPerBite(), 3.0 / 6);
}

void TestStats::barsCountEachFishOnce_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QList<int>>("catches");
    QTest::addColumn<QList<int>>("chinu");

    // 7:00 holds the early fish of three days; a fish after 17:00 counts at 17:00.
    QTest::newRow("clock hour") << QStringLiteral("hour")
                                << QList<int>{3, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1}
                                << QList<int>{2, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1};
    // The day of unknown tide has no place here.
    QTest::newRow("hours from low water") << QStringLiteral("tide")
                                          << QList<int>{1, 0, 0, 0, 1, 0, 2, 0, 1, 0, 0, 0}
                                          << QList<int>{1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0};
    QTest::newRow("bait") << QStringLiteral("bait")
                          << QList<int>{2, 2, 1, 0, 0, 1}
                          << QList<int>{2, 2, 0, 0, 0, 0};
    QTest::newRow("raft") << QStringLiteral("raft")
                          << QList<int>{2, 0, 4, 0, 0}
                          << QList<int>{1, 0, 3, 0, 0};
}

void TestStats::barsCountEachFishOnce()
{
    QFETCH(QString, chart);
    QFETCH(QList<int>, catches);
    QFETCH(QList<int>, chinu);

    const DayStats s = dayStats(statsfixture::days());
    QList<int> gotCatches, gotChinu;
    const auto take = [&](const auto &bars) {
        for (const CatchBar &bar : bars) {
            gotCatches << bar.catches;
            gotChinu << bar.chinu;
        }
    };
    if (chart == QLatin1String("hour"))
        take(s.byClockHour);
    else if (chart == QLatin1String("tide"))
        take(s.byHoursFromLow);
    else if (chart == QLatin1String("bait"))
        take(s.byBait);
    else
        take(s.byRaft);
    QCOMPARE(gotCatches, catches);
    QCOMPARE(gotChinu, chinu);
}

void TestStats::barsKnowTheMinutesFishedInThem_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QList<int>>("minutes");
    QTest::addColumn<int>("whole"); // what the bars add up to

    // 7:00-12:00, 7:00-15:00 and 8:00-18:10 (the last bar takes 17:00 on).
    QTest::newRow("clock hour") << QStringLiteral("hour")
                                << QList<int>{120, 180, 180, 180, 180, 120, 120, 120, 60, 60, 70} << 1390;
    // Low water at 3:00 for the first day, 1:00 for the second; the third's
    // tide is unknown.
    QTest::newRow("hours from low water") << QStringLiteral("tide")
                                          << QList<int>{60, 60, 0, 0, 60, 60, 120, 120, 120, 60, 60, 60} << 780;
    // A bait is fished from its step to the next: エビ for the twenty minutes
    // after the fish landed on it, サナギ from 7:30 to 11:40.
    QTest::newRow("bait") << QStringLiteral("bait") << QList<int>{0, 1120, 20, 0, 0, 250} << 1390;
    QTest::newRow("raft") << QStringLiteral("raft") << QList<int>{300, 0, 1090, 0, 0} << 1390;
}

void TestStats::barsKnowTheMinutesFishedInThem()
{
    QFETCH(QString, chart);
    QFETCH(QList<int>, minutes);
    QFETCH(int, whole);

    const DayStats s = dayStats(statsfixture::days());
    QList<int> got;
    const auto take = [&](const auto &bars) {
        for (const CatchBar &bar : bars)
            got << bar.minutes;
    };
    if (chart == QLatin1String("hour"))
        take(s.byClockHour);
    else if (chart == QLatin1String("tide"))
        take(s.byHoursFromLow);
    else if (chart == QLatin1String("bait"))
        take(s.byBait);
    else
        take(s.byRaft);
    QCOMPARE(got, minutes);
    QCOMPARE(std::accumulate(got.begin(), got.end(), 0), whole);
}

void TestStats::bestChinuStaysWithTheFirstToReachIt()
{
    const DayStats s = dayStats(statsfixture::days());
    const auto check = [](const BestChinu &best, int length, const QString &angler, const QString &date) {
        QCOMPARE(best.length, length);
        QCOMPARE(best.angler, angler);
        QCOMPARE(best.date, date);
    };
    const QString taro = QStringLiteral("太郎");
    check(s.bestByRaft[0], 42, taro, QStringLiteral("2026-05-01"));
    check(s.bestByRaft[1], 0, QString(), QString());
    // 花子 matched the 45 a day later: the record stays with 太郎.
    check(s.bestByRaft[2], 45, taro, QStringLiteral("2026-05-03"));
    check(s.bestByBait[0], 45, taro, QStringLiteral("2026-05-03"));
    // The 50 cm mullet is no chinu.
    check(s.bestByBait[1], 42, taro, QStringLiteral("2026-05-01"));
    check(s.bestByBait[5], 0, QString(), QString());

    const DayStats hers = dayStats(statsfixture::days(), {QStringLiteral("花子"), 3});
    check(hers.bestByRaft[2], 45, QStringLiteral("花子"), QStringLiteral("2026-05-04"));
}

void TestStats::hoursFromLowWater_data()
{
    QTest::addColumn<int>("earlierLow");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("hours");

    QTest::newRow("high water at 7:00") << 1 << 420 << 6;
    QTest::newRow("low water at 7:00") << 7 << 420 << 0;
    QTest::newRow("the minute before low water") << 7 << 419 << 11;
    QTest::newRow("low at 12:00, still falling at 7:00") << 12 << 420 << 7;
    QTest::newRow("the last rising minute") << 12 << 1079 << 5;
    QTest::newRow("the tide unknown") << 0 << 500 << -1;
    QTest::newRow("a tide hour out of range") << 13 << 500 << -1;
}

void TestStats::hoursFromLowWater()
{
    QFETCH(int, earlierLow);
    QFETCH(int, minute);
    QFETCH(int, hours);
    QCOMPARE(daylog::hoursFromLowWater(earlierLow, minute), hours);
}

// The rising and falling hours of the bars are those the tide gauge showed,
// for every earlier low water and every minute of the longest day.
void TestStats::risingAndFallingAgreeWithTheGauge()
{
    const float gauge = 257;
    for (int low = 1; low <= 12; ++low) {
        clocktide::Tide tide;
        QVERIFY(clocktide::initTide(tide, QString::number(low), gauge));
        for (int minute = 420; minute <= 17 * 60; ++minute) {
            if (minute > 420)
                clocktide::tideMinute(tide, minute % 60 == 0, gauge);
            const bool gaugeRising = tide.now == QStringLiteral("満");
            QVERIFY2(daylog::risingAt(daylog::hoursFromLowWater(low, minute)) == gaugeRising,
                     qPrintable(QStringLiteral("low %1, minute %2").arg(low).arg(minute)));
        }
    }
}

QTEST_GUILESS_MAIN(TestStats)
#include "test_stats.moc"
