#include "rankings/bestrecords.h"
#include "recordfixture.h"

#include <QtTest>

using bestrecords::Measure;
using bestrecords::Scope;
using namespace recordfixture;

Q_DECLARE_METATYPE(bestrecords::Measure)
Q_DECLARE_METATYPE(bestrecords::Scope)

namespace {

const QString A = QStringLiteral("釣人Ａ");
const QString B = QStringLiteral("釣人Ｂ");
const QString C = QStringLiteral("釣人Ｃ");
const QString Nothing = QStringLiteral("データなし");

// Six saved days at three rafts.
QStringList sixDays()
{
    return {
        day(0, A, 3, 45, 5, 210), // 0
        day(1, B, 3, 45, 2, 83), // 1: ties A's longest at 大浜
        day(2, A, 1, 38, 7, 250), // 2
        day(3, B, 1, 38, 12, 190), // 3: ties A's longest at 湾入り口
        day(4, C, 2, 50, 1, 50), // 4: longest of all
        day(5, A, 5, 30, 7, 201), // 5: A's second day of 7
    };
}

Scope scope(int raft, const QString &angler = QString())
{
    Scope s;
    s.raft = raft;
    if (!angler.isEmpty())
        s.angler = angler;
    return s;
}

} // namespace

class TestBestRecords : public QObject
{
    Q_OBJECT

private slots:
    void bestInEachScope_data();
    void bestInEachScope();
    void emptyRecordFileShowsNoData();
};

void TestBestRecords::bestInEachScope_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Scope>("scope");
    QTest::addColumn<Measure>("measure");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("anglers");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QStringList>("rafts");
    QTest::addColumn<QString>("caption");

    const QStringList days = sixDays();
    const QString 大浜 = QStringLiteral("大浜");
    const QString 湾入り口 = QStringLiteral("湾入り口");

    QTest::newRow("everybody, every raft")
        << days << Scope::everything() << Measure::Longest << QStringLiteral("50") << QStringList { C }
        << QStringList { date(4) } << QStringList { QStringLiteral("北の離れ") } << QStringLiteral("最長寸");
    QTest::newRow("everybody, every raft: leading zeros dropped")
        << days << Scope::everything() << Measure::Count << QStringLiteral("12") << QStringList { B }
        << QStringList { date(3) } << QStringList { 湾入り口 } << QStringLiteral("枚数");
    // Two days share the record: one entry per day in angler and date, the
    // raft once; "名" counts the days.
    QTest::newRow("everybody, one raft, shared")
        << days << scope(3) << Measure::Longest << QStringLiteral("45") << QStringList { A, B }
        << QStringList { date(0), date(1) } << QStringList { 大浜 } << QStringLiteral("最長寸　記録 2名");
    // Only the chosen angler's days, even where another reached the value.
    QTest::newRow("one angler, one raft")
        << days << scope(1, A) << Measure::Longest << QStringLiteral("38") << QStringList { A }
        << QStringList { date(2) } << QStringList { 湾入り口 } << QStringLiteral("最長寸");
    QTest::newRow("one angler, every raft, two days")
        << days << scope(0, A) << Measure::Count << QStringLiteral("7") << QStringList { A }
        << QStringList { date(2), date(5) } << QStringList { 湾入り口, QStringLiteral("鴨の越し") }
        << QStringLiteral("枚数　記録 2回");
    QTest::newRow("one angler, every raft, total")
        << days << scope(0, A) << Measure::Total << QStringLiteral("250") << QStringList { A }
        << QStringList { date(2) } << QStringList { 湾入り口 } << QStringLiteral("合計長寸");
    QTest::newRow("never fished at the raft")
        << days << scope(4, A) << Measure::Total << QStringLiteral("0") << QStringList { Nothing }
        << QStringList { Nothing } << QStringList { Nothing } << QStringLiteral("合計長寸");
    QTest::newRow("angler without days") << days << scope(0, QStringLiteral("釣人Ｚ")) << Measure::Longest
                                         << QStringLiteral("0") << QStringList { Nothing } << QStringList { Nothing }
                                         << QStringList { Nothing } << QStringLiteral("最長寸");
    // The same angler reaching the record twice at one raft counts twice.
    QTest::newRow("one angler twice, everybody")
        << QStringList { day(0, A, 2, 40, 1, 40), day(1, A, 2, 40, 1, 40), day(2, B, 2, 40, 1, 40) } << scope(2)
        << Measure::Longest << QStringLiteral("40") << QStringList { A, A, B }
        << QStringList { date(0), date(1), date(2) } << QStringList { QStringLiteral("北の離れ") }
        << QStringLiteral("最長寸　記録 3名");
}

void TestBestRecords::bestInEachScope()
{
    QFETCH(QStringList, lines);
    QFETCH(Scope, scope);
    QFETCH(Measure, measure);
    QFETCH(QString, value);
    QFETCH(QStringList, anglers);
    QFETCH(QStringList, dates);
    QFETCH(QStringList, rafts);
    QFETCH(QString, caption);

    const bestrecords::BestRecord best = bestrecords::BestOf(rankings::SavedDays(lines), measure, scope);
    QCOMPARE(best.value, value);
    QCOMPARE(best.anglers, anglers);
    QCOMPARE(best.dates, dates);
    QCOMPARE(best.rafts, rafts);
    // The caption counts the days: by date for one angler, by angler for everybody.
    const bool oneAngler = scope.angler.has_value();
    const qsizetype n = oneAngler ? best.dates.size() : best.anglers.size();
    QCOMPARE(bestrecords::FrameCaption(measure, n, oneAngler), caption);
}

void TestBestRecords::emptyRecordFileShowsNoData()
{
    for (const bestrecords::BestRecord &best : bestrecords::BestRecords({}, Scope::everything())) {
        QVERIFY(!best.found);
        QCOMPARE(best.value, QStringLiteral("0"));
        QCOMPARE(best.anglers, QStringList { Nothing });
        QCOMPARE(best.dates, QStringList { Nothing });
        QCOMPARE(best.rafts, QStringList { Nothing });
    }
}

QTEST_GUILESS_MAIN(TestBestRecords)
#include "test_bestrecords.moc"
