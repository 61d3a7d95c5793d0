#include "mainscreen/fishing/fightrules.h"

#include <QTest>

#include <cmath>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class FightRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void lineStrain_data();
    void lineStrain();
    void losingDrawsByBand_data();
    void losingDrawsByBand();
    void chinuFightsLongerTheLongerItIs_data();
    void chinuFightsLongerTheLongerItIs();
    void catchListEntries();
    void messagesOfTheCatch();
    void mulletRules();
    void mulletLossChanceAtTheStrike_data();
    void mulletLossChanceAtTheStrike();
};

void FightRulesTest::lineStrain_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("hook");
    QTest::addColumn<int>("strain");
    QTest::newRow("66 cm on 1 and 3") << 66 << 1 << 3 << 82;
    QTest::newRow("66 cm on 3 and 5") << 66 << 3 << 5 << 41;
    QTest::newRow("exactly 20") << 16 << 1 << 3 << 20;
    QTest::newRow("just above 20") << 17 << 1 << 3 << 21;
    QTest::newRow("rounded down") << 29 << 2 << 4 << 24;
    QTest::newRow("mullet hook counts 0") << 30 << 3 << 0 << 50;
}

void FightRulesTest::lineStrain()
{
    QFETCH(int, length);
    QFETCH(int, leader);
    QFETCH(int, hook);
    QFETCH(int, strain);
    QCOMPARE(fightrules::lineStrain(length, leader, hook), strain);
}

void FightRulesTest::losingDrawsByBand_data()
{
    QTest::addColumn<QList<int>>("strains");
    QTest::addColumn<QList<int>>("losing");
    QTest::newRow("up to 20: 5 %") << QList<int>{0, 10, 20} << QList<int>{4};
    QTest::newRow("21..25: 10 %") << QList<int>{21, 25} << QList<int>{7, 9};
    QTest::newRow("26..30: 15 %") << QList<int>{26, 30} << QList<int>{3, 5, 7};
    QTest::newRow("31..35: 20 %") << QList<int>{31, 35} << QList<int>{2, 3, 7, 9};
    QTest::newRow("36..40: 25 %") << QList<int>{36, 40} << QList<int>{1, 5, 7, 9, 10};
    QTest::newRow("41..45: 30 %") << QList<int>{41, 45} << QList<int>{4, 6, 8, 10, 12, 14};
    QTest::newRow("46..50: 35 %") << QList<int>{46, 50} << QList<int>{1, 3, 5, 7, 11, 13, 15};
    QTest::newRow("above 50: 40 %") << QList<int>{51, 82} << QList<int>{2, 4, 6, 8, 10, 12, 14, 16};
}

void FightRulesTest::losingDrawsByBand()
{
    QFETCH(QList<int>, strains);
    QFETCH(QList<int>, losing);
    for (int strain : strains) {
        QList<int> lost;
        for (int r = 1; r <= 20; ++r)
            if (fightrules::losesFish(strain, r))
                lost << r;
        QCOMPARE(lost, losing);
    }
}

void FightRulesTest::chinuFightsLongerTheLongerItIs_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("rounds");
    QTest::newRow("5 cm") << 5 << 4;
    QTest::newRow("29 cm") << 29 << 6;
    QTest::newRow("30 cm") << 30 << 7;
    QTest::newRow("42 cm") << 42 << 8;
    QTest::newRow("66 cm") << 66 << 10;
}

void FightRulesTest::chinuFightsLongerTheLongerItIs()
{
    QFETCH(int, length);
    QFETCH(int, rounds);
    QCOMPARE(fightrules::chinuFightRounds(length), rounds);
}

void FightRulesTest::catchListEntries()
{
    QCOMPARE(fightrules::catchEntry(s("チヌ"), 42), s("チヌ  42センチ"));
    QCOMPARE(fightrules::catchEntry(s("フグ"), 8), s("フグ  8センチ"));
    QCOMPARE(fightrules::catchEntry(s("ボラ"), 45), s("ボラ  45センチ"));
    QCOMPARE(fightrules::catchEntry(daylog::Fish::Konoshiro, 21), s("コノシロ  21センチ"));
}

void FightRulesTest::messagesOfTheCatch()
{
    QCOMPARE(fightrules::landedMessage(daylog::Fish::Chinu, 28), s("28 センチの チヌを釣り上げた。"));
    QCOMPARE(fightrules::lostMessage(daylog::Fish::Chinu, 48), s("バラシた！") + QStringLiteral("\n\n") + s("今のは48センチ くらいの チヌだった。"));
    QCOMPARE(fightrules::strikeFailedMessage(), s("予期せぬエラーが発生しました。ゲームは終了します。") + QStringLiteral("\n\n") + s("ここまでの記録を保存する場合は　『 釣果を保存 』　をクリックしてください。"));
}

void FightRulesTest::mulletRules()
{
    // One chance in 20 per tick; only a draw of 1 takes the bait.
    for (int t4 = 1; t4 <= 20; ++t4)
        QCOMPARE(mulletrules::takesBait(t4), t4 == 1);
    QCOMPARE(mulletrules::pullInterval(1), 80);
    QCOMPARE(mulletrules::pullInterval(5), 400);
    QCOMPARE(mulletrules::tipPicture(2), 4);
    QCOMPARE(mulletrules::tipPicture(4), 6);
    QVERIFY(!mulletrules::escapes(9));
    QVERIFY(mulletrules::escapes(10));
    QCOMPARE(mulletrules::fightRounds(45), 7);
    QCOMPARE(mulletrules::fightRounds(31), 6);
    QCOMPARE(mulletrules::fightRounds(60), 9);
    QList<int> lost;
    for (int t5 = 1; t5 <= 5; ++t5)
        if (mulletrules::lost(t5))
            lost << t5;
    QCOMPARE(lost, (QList<int>{2, 4}));
}

// The chance that a struck mullet comes off, by when it is struck after the
// take: the exact fractions worked out by hand over every run of draws (the
// long pulls are the likelier to be under way at a given moment).
void FightRulesTest::mulletLossChanceAtTheStrike_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<double>("chance");
    QTest::newRow("in the take's own pull") << 10 << 0.4;
    QTest::newRow("just before the shortest pull ends") << 79 << 0.4;
    QTest::newRow("the shortest pull has ended") << 80 << 0.48;
    QTest::newRow("100 ms") << 100 << 0.48;
    QTest::newRow("200 ms") << 200 << 0.376;
    QTest::newRow("300 ms, the simulated angler's") << 300 << 0.4512;
    QTest::newRow("500 ms") << 500 << 0.4116736;
    QTest::newRow("after the tenth pull it has let go") << 3600 << 0.0;
}

void FightRulesTest::mulletLossChanceAtTheStrike()
{
    QFETCH(int, ms);
    QFETCH(double, chance);
    QVERIFY2(std::abs(mulletrules::lossChanceAt(ms) - chance) < 1e-12,
             qPrintable(QString::number(mulletrules::lossChanceAt(ms), 'g', 15)));
}

QTEST_GUILESS_MAIN(FightRulesTest)
#include "test_fightrules.moc"
