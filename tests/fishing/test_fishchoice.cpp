#include "mainscreen/fishing/fishchoice.h"

#include <QTest>

using fishchoice::Fish;
using fishchoice::Input;

namespace {

// A fish as the tables write it: by the caption the game shows.
Fish fishOf(const QString &caption, int length)
{
    return {daylog::fishFromCaption(caption).value(), length};
}

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Draws chosen so that every outcome of the tables has its own length:
// A 25, K 2, V1 1, V3 6, V5 3, V6 +1, V7 6 (タイ).
//   ordinary chinu A + V5 x V6 = 28, A - V5 = 22, A + V5 x K = 31,
//   A + V5 x K + 10 = 41, A + V5 x K + 15 = 46, large 50 + V5 - V1 x V3 = 47,
//   other fish: タイ 25 + V5 x V6 = 28.
Input distinctDraws(int level, int tideMatch, int u)
{
    Input in;
    in.stealerLevel = level;
    in.sizeFactor = 2;
    in.averageSize = 25;
    in.tideMatch = tideMatch;
    in.targetCode = 1;
    in.v1 = 1;
    in.v3 = 6;
    in.v4 = u;
    in.v5 = 3;
    in.v6 = 1;
    in.v7 = 6;
    return in;
}

} // namespace

class FishChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseFishTable_data();
    void chooseFishTable();
    void favourableTideTable_data();
    void favourableTideTable();
    void unknownStealerLevelChoosesNothing();
    void tryLargeChinuTable_data();
    void tryLargeChinuTable();
    void adjustChinuLength_data();
    void adjustChinuLength();
    void otherFishTable_data();
    void otherFishTable();
    void struckMulletLength_data();
    void struckMulletLength();
    void noChinuOutsideFifteenToSixtySixOverEveryDraw();
    void dreamOfSixtyOverEveryDraw_data();
    void dreamOfSixtyOverEveryDraw();
};

void FishChoiceTest::chooseFishTable_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("u");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("length");
    const QString chinu = s("チヌ"), tai = s("タイ");
    auto rows = [&](int level, int ordinaryTo, int largerTo, int larger, int large) {
        for (int u = 1; u <= 15; ++u) {
            const QByteArray name = "level " + QByteArray::number(level) + " u " + QByteArray::number(u);
            if (u <= ordinaryTo)
                QTest::newRow(name) << level << u << chinu << 28;
            else if (u <= largerTo)
                QTest::newRow(name) << level << u << chinu << larger;
            else if (u == large)
                QTest::newRow(name) << level << u << chinu << 47;
            else
                QTest::newRow(name) << level << u << tai << 28;
        }
    };
    rows(1, 6, 9, 31, 10);  // few stealers: A + V5 x K for u 7..9
    rows(2, 5, 8, 41, 9);   // A + V5 x K + 10 for u 6..8
    rows(3, 4, 6, 41, 7);   // A + V5 x K + 10 for u 5, 6
}

void FishChoiceTest::chooseFishTable()
{
    QFETCH(int, level);
    QFETCH(int, u);
    QFETCH(QString, kind);
    QFETCH(int, length);
    const std::optional<Fish> fish = fishchoice::chooseFish(distinctDraws(level, 0, u));
    QVERIFY(fish);
    QCOMPARE(daylog::displayName(fish->kind), kind);
    QCOMPARE(fish->length, length);
}

void FishChoiceTest::favourableTideTable_data()
{
    QTest::addColumn<int>("u");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("length");
    const QString chinu = s("チヌ");
    for (int u = 1; u <= 15; ++u) {
        const QByteArray name = "u " + QByteArray::number(u);
        if (u <= 3)
            QTest::newRow(name) << u << chinu << 22;
        else if (u <= 9)
            QTest::newRow(name) << u << chinu << 28;
        else if (u <= 11)
            QTest::newRow(name) << u << chinu << 31;
        else if (u <= 13)
            QTest::newRow(name) << u << chinu << 46;
        else
            QTest::newRow(name) << u << s("タイ") << 28;
    }
}

void FishChoiceTest::favourableTideTable()
{
    QFETCH(int, u);
    QFETCH(QString, kind);
    QFETCH(int, length);
    // The same choice whatever the raft's number of bait stealers.
    for (int level = 1; level <= 3; ++level) {
        const std::optional<Fish> fish = fishchoice::chooseFish(distinctDraws(level, 1, u));
        QVERIFY(fish);
        QCOMPARE(daylog::displayName(fish->kind), kind);
        QCOMPARE(fish->length, length);
    }
    QCOMPARE(fishchoice::chooseFishOnFavourableTide(distinctDraws(0, 1, u)), fishOf(kind, length));
}

void FishChoiceTest::unknownStealerLevelChoosesNothing()
{
    for (int level : {0, 4})
        for (int tideMatch : {0, 1})
            QVERIFY(!fishchoice::chooseFish(distinctDraws(level, tideMatch, 1)));
}

void FishChoiceTest::tryLargeChinuTable_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("length");
    // V1 1, V5 4, V6 +1, u 10. A 20 for K 1, 25 for K 2, 30 for K 3 as on the rafts.
    // Success: base (K 1, 2: 50 + V5 = 54; K 3: A + 3 x V5 + 15 = 57) - V1 x V3.
    // Failure: an ordinary chinu of A + V5 x V6.
    const QList<int> wins[4] = {{}, {1, 4}, {2, 6, 9}, {4, 7, 8, 9, 10}};
    const int base[4] = {0, 54, 54, 57};
    const int ordinary[4] = {0, 24, 29, 34};
    for (int k = 1; k <= 3; ++k)
        for (int v = 1; v <= 10; ++v)
            QTest::newRow(("K " + QByteArray::number(k) + " v " + QByteArray::number(v)).constData())
                << k << v << (wins[k].contains(v) ? base[k] - v : ordinary[k]);
}

void FishChoiceTest::tryLargeChinuTable()
{
    QFETCH(int, k);
    QFETCH(int, v);
    QFETCH(int, length);
    Input in;
    in.sizeFactor = k;
    in.averageSize = 15 + 5 * k;
    in.v1 = 1;
    in.v3 = v;
    in.v4 = 10;
    in.v5 = 4;
    in.v6 = 1;
    const Fish fish = fishchoice::tryLargeChinu(in);
    QCOMPARE(fish.kind, daylog::Fish::Chinu);
    QCOMPARE(fish.length, length);
}

void FishChoiceTest::adjustChinuLength_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("u");
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("v3");
    QTest::addColumn<int>("v5");
    QTest::addColumn<int>("v6");
    QTest::addColumn<int>("after");
    QTest::newRow("50 is left alone") << 50 << 3 << 3 << 10 << 5 << 1 << 50;
    QTest::newRow("u 1 adds V5") << 51 << 1 << 3 << 10 << 5 << 1 << 56;
    QTest::newRow("u 1 keeps 60..65") << 55 << 1 << 3 << 10 << 5 << 1 << 60;
    QTest::newRow("u 1 above 65 to 66") << 62 << 1 << 3 << 10 << 4 << 1 << 66;
    QTest::newRow("u 1 above 65 to 64") << 62 << 1 << 3 << 10 << 4 << -1 << 64;
    QTest::newRow("u 2 adds V5 x V6, then 60..65 loses V1") << 55 << 2 << 2 << 10 << 5 << 1 << 58;
    QTest::newRow("u 2 with V6 -1") << 55 << 2 << 2 << 10 << 5 << -1 << 50;
    QTest::newRow("u 5 unchanged, then 60..65 loses V1") << 63 << 5 << 3 << 10 << 5 << 1 << 60;
    QTest::newRow("u 5 above 65") << 70 << 5 << 3 << 10 << 5 << -1 << 64;
    QTest::newRow("other u loses V1 x V3") << 58 << 7 << 1 << 1 << 5 << 1 << 57;
    QTest::newRow("other u, largest loss") << 66 << 3 << 3 << 10 << 5 << 1 << 36;
    QTest::newRow("other u, into 60..65") << 66 << 7 << 1 << 1 << 5 << 1 << 64;
    QTest::newRow("other u, still above 65") << 80 << 7 << 2 << 5 << 5 << 1 << 66;
    QTest::newRow("61 at u 5 down to 60") << 61 << 5 << 1 << 1 << 5 << 1 << 60;
}

void FishChoiceTest::adjustChinuLength()
{
    QFETCH(int, before);
    QFETCH(int, u);
    QFETCH(int, v1);
    QFETCH(int, v3);
    QFETCH(int, v5);
    QFETCH(int, v6);
    QFETCH(int, after);
    Input in;
    in.v1 = v1;
    in.v3 = v3;
    in.v4 = 7; // the draw that chose the branch has no say here
    in.adjustU = u;
    in.v5 = v5;
    in.v6 = v6;
    QCOMPARE(fishchoice::adjustChinuLength(before, in), after);
    int draws = 0;
    in.adjustU = 0;
    in.drawAdjustU = [&] { ++draws; return u; };
    QCOMPARE(fishchoice::adjustChinuLength(before, in), after);
    QCOMPARE(draws, 1);
}

void FishChoiceTest::otherFishTable_data()
{
    QTest::addColumn<int>("v7");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("shortest"); // V5 5, V6 -1
    QTest::addColumn<int>("longest");  // V5 5, V6 +1
    const QString bora = s("ボラ"), fugu = s("フグ");
    QTest::newRow("1") << 1 << bora << 33 << 43;
    QTest::newRow("2") << 2 << bora << 33 << 43;
    QTest::newRow("3") << 3 << bora << 33 << 43;
    QTest::newRow("4") << 4 << s("アイナメ") << 13 << 23;
    QTest::newRow("5") << 5 << s("アジ") << 12 << 22;
    QTest::newRow("6") << 6 << s("タイ") << 20 << 30;
    QTest::newRow("7") << 7 << s("コノシロ") << 15 << 25;
    QTest::newRow("8") << 8 << fugu << 5 << 15;
    QTest::newRow("9") << 9 << fugu << 5 << 15;
    QTest::newRow("10") << 10 << fugu << 5 << 15;
}

void FishChoiceTest::otherFishTable()
{
    QFETCH(int, v7);
    QFETCH(QString, kind);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    Input in;
    in.targetCode = 1;
    in.v7 = v7;
    in.v5 = 5;
    in.v6 = -1;
    QCOMPARE(fishchoice::chooseOtherFish(in), fishOf(kind, shortest));
    in.v6 = 1;
    QCOMPARE(fishchoice::chooseOtherFish(in), fishOf(kind, longest));
    in.targetCode = 0;
    QVERIFY(!fishchoice::chooseOtherFish(in));
    // No draw of the game is outside 1..10; such a draw makes no fish.
    in.targetCode = 1;
    in.v7 = v7 + 10;
    QVERIFY(!fishchoice::chooseOtherFish(in));
}

void FishChoiceTest::struckMulletLength_data()
{
    QTest::addColumn<int>("tick4");
    QTest::addColumn<int>("tick5");
    QTest::addColumn<int>("length");
    QTest::newRow("shorter class, shortest") << 1 << 1 << 31;
    QTest::newRow("shorter class, 2") << 20 << 2 << 50;
    QTest::newRow("shorter class, 3") << 15 << 3 << 45;
    QTest::newRow("longer class, 4") << 1 << 4 << 41;
    QTest::newRow("longer class, longest") << 20 << 5 << 60;
}

void FishChoiceTest::struckMulletLength()
{
    QFETCH(int, tick4);
    QFETCH(int, tick5);
    QFETCH(int, length);
    Input in;
    in.targetCode = 2;
    in.tick4 = tick4;
    in.tick5 = tick5;
    in.v7 = 8; // the chinu draws play no part: a mullet target always gives a mullet
    QCOMPARE(fishchoice::chooseOtherFish(in), fishOf(s("ボラ"), length));
}

void FishChoiceTest::noChinuOutsideFifteenToSixtySixOverEveryDraw()
{
    int longest = 0;
    int shortest = 1000;
    const QString chinu = s("チヌ");
    Input in;
    in.targetCode = 1;
    for (int a : {20, 25, 30})
        for (int k = 1; k <= 3; ++k)
            for (int level = 1; level <= 3; ++level)
                for (int match = 0; match <= 1; ++match)
                    for (int v1 = 1; v1 <= 3; ++v1)
                        for (int v3 = 1; v3 <= 10; ++v3)
                            for (int u = 1; u <= 15; ++u)
                                for (int v5 = 1; v5 <= 5; ++v5)
                                    for (int v6 : {-1, 1}) {
                                        in = Input{level, k, a, match, 1, v1, v3, u, v5, v6, 8, 0, 0, {}, 0};
                                        const std::optional<Fish> fish = fishchoice::chooseFish(in);
                                        QVERIFY(fish);
                                        if (daylog::displayName(fish->kind) != chinu)
                                            continue;
                                        longest = std::max(longest, fish->length);
                                        shortest = std::min(shortest, fish->length);
                                    }
    QVERIFY2(longest <= 66, qPrintable(QString::number(longest)));
    QCOMPARE(shortest, 15);
}

// The share of chinu of 60 cm or more among all chinu of a raft, over every
// draw of a bite (V6 comes from a draw of 1..3, +1 twice as often) and every
// u of the length adjustment: the boatman's "夢の６０センチオーバー" must be
// within reach where the raft has large chinu, and rare.
void FishChoiceTest::dreamOfSixtyOverEveryDraw_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("tideMatch");
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("sixtyPerTenThousand"); // share of >= 60 cm in 0.01 %
    // Raft: bait stealers, K, A (湾入り口 1 3 30, 北の離れ 2 2 25, 大浜 3 1 20,
    // 南の離れ 3 1 20, 鴨の越し 2 1 25).
    QTest::newRow("湾入り口, favourable tide") << 1 << 3 << 30 << 1 << 65 << 59;
    QTest::newRow("湾入り口, against it") << 1 << 3 << 30 << 0 << 65 << 19;
    QTest::newRow("北の離れ, favourable tide") << 2 << 2 << 25 << 1 << 50 << 0;
    QTest::newRow("北の離れ, against it") << 2 << 2 << 25 << 0 << 60 << 4;
    QTest::newRow("大浜, favourable tide") << 3 << 1 << 20 << 1 << 40 << 0;
    QTest::newRow("大浜, against it") << 3 << 1 << 20 << 0 << 60 << 4;
    QTest::newRow("南の離れ, favourable tide") << 3 << 1 << 20 << 1 << 40 << 0;
    QTest::newRow("南の離れ, against it") << 3 << 1 << 20 << 0 << 60 << 4;
    QTest::newRow("鴨の越し, favourable tide") << 2 << 1 << 25 << 1 << 45 << 0;
    QTest::newRow("鴨の越し, against it") << 2 << 1 << 25 << 0 << 60 << 3;
}

void FishChoiceTest::dreamOfSixtyOverEveryDraw()
{
    QFETCH(int, level);
    QFETCH(int, k);
    QFETCH(int, a);
    QFETCH(int, tideMatch);
    QFETCH(int, longest);
    QFETCH(int, sixtyPerTenThousand);
    const QString chinu = s("チヌ");
    qint64 chinuCount = 0, sixty = 0;
    int longestSeen = 0;
    Input in;
    int adjustU = 0, adjustDraws = 0;
    for (int v1 = 1; v1 <= 3; ++v1)
        for (int v3 = 1; v3 <= 10; ++v3)
            for (int u = 1; u <= 15; ++u)
                for (int v5 = 1; v5 <= 5; ++v5)
                    for (int v6draw = 1; v6draw <= 3; ++v6draw)
                        for (adjustU = 1; adjustU <= 15; ++adjustU) {
                            in = Input{level, k, a, tideMatch, 1, v1, v3, u, v5, v6draw == 2 ? -1 : 1, 8, 0, 0, {}, 0};
                            in.drawAdjustU = [&] { ++adjustDraws; return adjustU; };
                            const std::optional<Fish> fish = fishchoice::chooseFish(in);
                            QVERIFY(fish);
                            if (daylog::displayName(fish->kind) != chinu)
                                continue;
                            ++chinuCount;
                            sixty += fish->length >= 60 ? 1 : 0;
                            longestSeen = std::max(longestSeen, fish->length);
                        }
    QVERIFY(adjustDraws > 0);
    QCOMPARE(longestSeen, longest);
    const double share = double(sixty) / double(chinuCount);
    qInfo("%s: longest %d cm, >= 60 cm %.4f %% of %lld", QTest::currentDataTag(), longestSeen, share * 100,
          chinuCount);
    QCOMPARE(qRound(share * 10000), sixtyPerTenThousand);
}

QTEST_GUILESS_MAIN(FishChoiceTest)
#include "test_fishchoice.moc"
