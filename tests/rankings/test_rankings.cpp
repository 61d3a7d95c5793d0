#include "rankings/rankings.h"
#include "recordfixture.h"

#include <QtTest>

using rankings::Measure;
using namespace recordfixture;

Q_DECLARE_METATYPE(rankings::Measure)

namespace {

// Days whose measured field takes the given values in file order; each
// angler is named after its line ("L0", "L1", ...) so a list shows which
// line stands where.
QStringList daysWith(Measure measure, const QList<int> &values)
{
    QStringList lines;
    for (int i = 0; i < values.size(); ++i) {
        const int v = values.at(i);
        const QString name = QStringLiteral("L") + QString::number(i);
        switch (measure) {
        case Measure::Longest:
            lines << day(i, name, 3, v, 1, v);
            break;
        case Measure::Count:
            lines << day(i, name, 3, 30, v, 30);
            break;
        case Measure::Total:
            lines << day(i, name, 3, 30, 1, v);
            break;
        }
    }
    return lines;
}

// "rank:line" for each entry of the best ten, e.g. "1:3 2:2 2:1 4:0".
QString shape(const QStringList &lines, Measure measure)
{
    const std::vector<RecordLine> days = rankings::SavedDays(lines);
    QStringList parts;
    for (const rankings::RankedDay &r : rankings::TrimToBestTen(rankings::Ranked(days, measure)))
        parts << QString::number(r.rank) + QLatin1Char(':') + days[size_t(r.day)].angler().mid(1);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestRankings : public QObject
{
    Q_OBJECT

private slots:
    void bestTenOrderAndRanks_data();
    void bestTenOrderAndRanks();
    void bestTenLineText_data();
    void bestTenLineText();
    void linesThatAreNoDaysAreLeftOut();
};

void TestRankings::bestTenOrderAndRanks_data()
{
    QTest::addColumn<Measure>("measure");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no days") << Measure::Longest << QList<int> {} << QString();
    // Equal keys share a rank, the next key takes its place number; of two
    // equal keys the later line in the file stands first.
    QTest::newRow("ranks 1, 2, 2, 4") << Measure::Longest << QList<int> { 40, 45, 45, 50 }
                                      << QStringLiteral("1:3 2:2 2:1 4:0");
    QTest::newRow("eleven distinct keep ten")
        << Measure::Longest << QList<int> { 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40 }
        << QStringLiteral("1:10 2:9 3:8 4:7 5:6 6:5 7:4 8:3 9:2 10:1");
    QTest::newRow("three tied at ninth") << Measure::Longest
                                         << QList<int> { 50, 49, 48, 47, 46, 45, 44, 43, 42, 42, 42, 41 }
                                         << QStringLiteral("1:0 2:1 3:2 4:3 5:4 6:5 7:6 8:7 9:10 9:9 9:8");
    QTest::newRow("tenth and eleventh tied")
        << Measure::Total << QList<int> { 900, 800, 700, 600, 500, 400, 300, 200, 150, 100, 100, 90 }
        << QStringLiteral("1:0 2:1 3:2 4:3 5:4 6:5 7:6 8:7 9:8 10:10 10:9");
    QTest::newRow("all tied stay") << Measure::Longest << QList<int>(12, 33)
                                   << QStringLiteral("1:11 1:10 1:9 1:8 1:7 1:6 1:5 1:4 1:3 1:2 1:1 1:0");
    // "010" against "009": ten chinu rank above nine, a hundred above both.
    QTest::newRow("counts as three digits")
        << Measure::Count << QList<int> { 9, 10, 100, 1 } << QStringLiteral("1:2 2:1 3:0 4:3");
    QTest::newRow("totals as four digits")
        << Measure::Total << QList<int> { 999, 1000, 80 } << QStringLiteral("1:1 2:0 3:2");
}

void TestRankings::bestTenOrderAndRanks()
{
    QFETCH(Measure, measure);
    QFETCH(QList<int>, values);
    QFETCH(QString, expected);

    const QStringList lines = daysWith(measure, values);
    QCOMPARE(shape(lines, measure), expected);

    // The list the screen shows opens each entry with its rank in two
    // digits and names the same line.
    QStringList listed;
    for (const QString &entry : rankings::BestTenLines(lines, measure)) {
        // rank, key and unit, angler, stamp and raft stand four spaces apart
        const QString name = entry.section(QStringLiteral("    "), 1, 1).section(QStringLiteral("   "), 1);
        listed << QString::number(entry.left(2).toInt()) + QLatin1Char(':') + name.mid(1);
    }
    QCOMPARE(listed.join(QLatin1Char(' ')), expected);
}

void TestRankings::bestTenLineText_data()
{
    QTest::addColumn<Measure>("measure");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    const QString example = QStringLiteral("記録2002年10月05日14時30分4530050210釣人Ａ");
    QTest::newRow("longest") << Measure::Longest << example
                             << QStringLiteral("01    45センチ   釣人Ａ    2002年10月05日14時30分    大浜");
    QTest::newRow("count") << Measure::Count << example
                           << QStringLiteral("01    005枚   釣人Ａ    2002年10月05日14時30分    大浜");
    QTest::newRow("total") << Measure::Total << example
                           << QStringLiteral("01    0210センチ   釣人Ａ    2002年10月05日14時30分    大浜");
    QTest::newRow("angler with spaces") << Measure::Longest
                                        << QStringLiteral("記録2002年10月05日14時30分3850010038釣 人 Ｂ")
                                        << QStringLiteral(
                                               "01    38センチ   釣 人 Ｂ    2002年10月05日14時30分    鴨の越し");
    // A raft digit that names no raft shows no raft rather than another's.
    QTest::newRow("unknown raft") << Measure::Longest << QStringLiteral("記録2002年10月05日14時30分3870010038釣人Ｃ")
                                  << QStringLiteral("01    38センチ   釣人Ｃ    2002年10月05日14時30分    ");
}

void TestRankings::bestTenLineText()
{
    QFETCH(Measure, measure);
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(rankings::BestTenLines({ line }, measure), QStringList { expected });
}

void TestRankings::linesThatAreNoDaysAreLeftOut()
{
    const QStringList lines { day(0, QStringLiteral("A"), 1, 40, 2, 70), QStringLiteral("記録2002年10月"),
                              QStringLiteral("記録2002年10月05日14時30分4X30050210釣人Ａ"),
                              day(1, QStringLiteral("B"), 2, 30, 1, 30) };
    QCOMPARE(rankings::BestTenLines(lines, Measure::Longest),
             (QStringList { QStringLiteral("01    40センチ   A    2002年10月05日14時30分    湾入り口"),
                            QStringLiteral("02    30センチ   B    2002年10月06日14時30分    北の離れ") }));
}

QTEST_GUILESS_MAIN(TestRankings)
#include "test_rankings.moc"
