#include "busyday.h"
#include "charts/charts.h"
#include "charts/charttexts.h"
#include "charts/daylogwindow.h"
#include "charts/statswindow.h"
#include "charts/tidecurve.h"
#include "daylog/reasons.h"
#include "statsfixture.h"

#include <QAreaSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QImage>
#include <QLabel>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTest>

#include <memory>

using namespace daylog;

class TestCharts : public QObject
{
    Q_OBJECT

private slots:
    void everyStepOfTheDayIsOnTheTideCurve();
    void tooltipsTellTimeRigAndReason_data();
    void tooltipsTellTimeRigAndReason();
    void tooltipsSayWhyOnce_data();
    void tooltipsSayWhyOnce();
    void theListReadsTheDayByKeysAndRingsTheChosenStep();
    void wordsOnABusyChartMeetNothing_data();
    void wordsOnABusyChartMeetNothing();
    void noteSaysWhatBecameOfTheDayFile_data();
    void noteSaysWhatBecameOfTheDayFile();
    void savedPictureIsTwiceTheSize();
    void statisticsFollowTheFilters();
    void everyShareSaysWhatItIsOf();
    void countsOfAMillionDaysShowWhole();
    void barsCanShowFishPerHourFished_data();
    void barsCanShowFishPerHourFished();
};

// Shown kinds: everything but the day's start and end and the ball opening.
static bool shown(EventKind kind)
{
    return kind != EventKind::DayStarted && kind != EventKind::DayEnded && kind != EventKind::BallBroken;
}

void TestCharts::everyStepOfTheDayIsOnTheTideCurve()
{
    const LoggedDay day = busyday::make(3);
    DayLogWindow window(day, false);
    const tidecurve::Curve curve = tidecurve::dayCurve(day.earlierLow, 17 * 60);

    int points = 0;
    int expected = 0;
    for (const DayEvent &e : day.events)
        expected += shown(e.kind) ? 1 : 0;
    QSet<const DayEvent *> seen;
    for (QAbstractSeries *s : window.chartView()->chart()->series()) {
        auto *scatter = qobject_cast<QScatterSeries *>(s);
        if (!scatter)
            continue;
        for (const QPointF &p : scatter->points()) {
            const DayEvent *e = window.eventAt(scatter, p);
            QVERIFY(e);
            seen.insert(e);
            QCOMPARE(p.x(), e->gameMinute / 60.0);
            QCOMPARE(p.y(), double(tidecurve::levelAt(curve, e->gameMinute)));
            ++points;
        }
    }
    QCOMPARE(points, expected);
    QCOMPARE(int(seen.size()), expected);
}

void TestCharts::tooltipsTellTimeRigAndReason_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QStringList>("fragments");

    QTest::newRow("too early") << int(EventKind::StrikeMissed) << int(Reason::StruckWhileNibbling)
                               << QStringList{QStringLiteral("9:05"), QStringLiteral("早すぎ"), QStringLiteral("つついている")};
    QTest::newRow("too late") << int(EventKind::StrikeMissed) << int(Reason::StruckAfterLetGo)
                              << QStringList{QStringLiteral("遅すぎ"), QStringLiteral("離していました")};
    QTest::newRow("line parted") << int(EventKind::FishLost) << int(Reason::LineParted)
                                 << QStringList{QStringLiteral("ばらし"), QStringLiteral("負荷 82"), QStringLiteral("くじ 3"),
                                                QStringLiteral("20%")};
    QTest::newRow("bait stolen") << int(EventKind::BaitTaken) << int(Reason::BaitStolen)
                                 << QStringList{QStringLiteral("エサ取り"), QStringLiteral("ハリス 2号"), QStringLiteral("針 4号"),
                                                QStringLiteral("エサ ボケ"), QStringLiteral("満ち潮")};
}

void TestCharts::tooltipsTellTimeRigAndReason()
{
    QFETCH(int, kind);
    QFETCH(int, reason);
    QFETCH(QStringList, fragments);

    DayEvent e;
    e.kind = EventKind(kind);
    e.reason = Reason(reason);
    e.gameMinute = 9 * 60 + 5;
    e.leader = QStringLiteral("2号");
    e.hook = QStringLiteral("4号");
    e.bait = QStringLiteral("ボケ");
    e.tideDirection = QStringLiteral("満");
    e.lineStrain = 82;
    e.draw = 3;
    e.band = 4;
    const QString text = charttexts::eventTooltip(e);
    for (const QString &f : fragments)
        QVERIFY2(text.contains(f), qPrintable(text));
}

void TestCharts::tooltipsSayWhyOnce_data()
{
    QTest::addColumn<int>("reason");
    for (Reason r : {Reason::StruckWhileNibbling, Reason::StruckBeforeHookSet, Reason::StruckWhileStealing,
                     Reason::StruckNoFish, Reason::StruckOnStealer, Reason::StruckAfterLetGo, Reason::StruckAtNothing})
        QTest::addRow("missed strike %d", int(r)) << int(r);
}

// The first line says what happened in a few words; the why comes once, below it.
void TestCharts::tooltipsSayWhyOnce()
{
    QFETCH(int, reason);
    DayEvent e;
    e.kind = EventKind::StrikeMissed;
    e.reason = Reason(reason);
    const QString why = charttexts::reasonText(e);
    QVERIFY(!why.isEmpty());
    QCOMPARE(charttexts::eventTooltip(e).count(why), 1);
    QVERIFY(!charttexts::eventWhat(e).contains(why));
}

void TestCharts::theListReadsTheDayByKeysAndRingsTheChosenStep()
{
    const LoggedDay day = busyday::make(3);
    DayLogWindow window(day, false);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTreeWidget *list = window.eventList();
    QCOMPARE(list->topLevelItemCount(), int(day.events.size()));
    QVERIFY(!window.markedEvent());

    // The close button has the focus; Tab goes round to the list.
    auto *close = window.findChild<QPushButton *>(QStringLiteral("閉じる"));
    QVERIFY(close->hasFocus());
    QTest::keyClick(close, Qt::Key_Tab);
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    const int row = list->indexOfTopLevelItem(list->currentItem());
    QVERIFY(row >= 0);
    QVERIFY(window.markedEvent());
    QCOMPARE(charttexts::eventTooltip(*window.markedEvent()), charttexts::eventTooltip(day.events[size_t(row)]));

    // Each row: time, what happened, and the status line's words for why.
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const DayEvent &e = day.events[size_t(r)];
        const QTreeWidgetItem *item = list->topLevelItem(r);
        QCOMPARE(item->text(0), charttexts::clock(e.gameMinute));
        QCOMPARE(item->text(1), charttexts::eventWhat(e));
        QCOMPARE(item->text(2), charttexts::eventWhy(e));
        if (!daylog::statusText(e).isEmpty())
            QCOMPARE(item->text(2), daylog::statusText(e));
    }

    // The last step of the day is ringed where it lies on the curve.
    QTest::keyClick(list, Qt::Key_End);
    const DayEvent &last = day.events.back();
    QVERIFY(window.markedEvent());
    QCOMPARE(charttexts::eventTooltip(*window.markedEvent()), charttexts::eventTooltip(last));
    QVERIFY(window.ring() && window.ring()->isVisible());
    const tidecurve::Curve curve = tidecurve::dayCurve(day.earlierLow, 17 * 60);
    const QPointF at = window.chartView()->chart()->mapToPosition(
        QPointF(last.gameMinute / 60.0, tidecurve::levelAt(curve, last.gameMinute)));
    QCOMPARE(window.ring()->rect().center(), at);
}

void TestCharts::wordsOnABusyChartMeetNothing_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("earlierLow");
    for (unsigned seed : {1u, 4u, 9u, 17u})
        QTest::addRow("busy day %u", seed) << seed << int(1 + seed % 12);
    // High water at 17:00, in the corner where the last fish crowd.
    for (unsigned seed : {2u, 5u})
        QTest::addRow("busy day %u, high water at the end", seed) << seed << 11;
}

// However many fish the day lands, no words cover other words or a mark of
// the tide, and every word stays on the chart.
void TestCharts::wordsOnABusyChartMeetNothing()
{
    QFETCH(unsigned, seed);
    QFETCH(int, earlierLow);
    DayLogWindow window(busyday::make(seed, QStringLiteral("浜の太郎"), 2, earlierLow), false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const std::vector<QRectF> boxes = window.tagBoxes();
    const std::vector<QRectF> marks = window.tideMarks();
    const QRectF plot = window.chartView()->chart()->plotArea();
    QVERIFY(boxes.size() > 10);
    for (size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY2(plot.contains(boxes[i]), qPrintable(QStringLiteral("words %1 leave the chart").arg(i)));
        for (size_t j = 0; j < i; ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(QStringLiteral("words %1 cover words %2").arg(i).arg(j)));
        for (size_t j = 0; j < marks.size(); ++j)
            QVERIFY2(!boxes[i].intersects(marks[j]), qPrintable(QStringLiteral("words %1 cover mark %2").arg(i).arg(j)));
    }
}

void TestCharts::noteSaysWhatBecameOfTheDayFile_data()
{
    QTest::addColumn<QString>("dayFile");
    QTest::addColumn<bool>("gone");
    QTest::addColumn<QString>("note"); // empty: no note

    QTest::newRow("saved and there") << QStringLiteral("1.txt") << false << QString();
    QTest::newRow("saved, file deleted") << QStringLiteral("1.txt") << true << QStringLiteral("削除されています");
    QTest::newRow("not saved yet") << QString() << false << QStringLiteral("まだ保存されていません");
}

void TestCharts::noteSaysWhatBecameOfTheDayFile()
{
    QFETCH(QString, dayFile);
    QFETCH(bool, gone);
    QFETCH(QString, note);

    LoggedDay day = busyday::make(1);
    day.dayFileName = dayFile;
    std::unique_ptr<QWidget> window(charts::showDayLog(nullptr, day, gone));
    auto *log = static_cast<DayLogWindow *>(window.get());
    QCOMPARE(log->objectName(), QStringLiteral("釣行記録"));
    QCOMPARE(log->note()->isVisible(), !note.isEmpty());
    if (!note.isEmpty())
        QVERIFY(log->note()->text().contains(note));
    // The log is shown all the same.
    QVERIFY(log->chartView()->chart()->series().size() > 5);
}

void TestCharts::savedPictureIsTwiceTheSize()
{
    DayLogWindow window(busyday::make(2), false);
    window.show();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("釣行記録.png"));
    QVERIFY(window.savePng(path));
    const QImage image(path);
    QCOMPARE(image.size(), window.chartView()->size() * 2);
    QVERIFY(!window.savePng(dir.filePath(QStringLiteral("no/such/folder.png"))));
}

void TestCharts::statisticsFollowTheFilters()
{
    const std::vector<LoggedDay> days = statsfixture::days();
    std::vector<daylog::StatsFilter> asked;
    std::unique_ptr<QWidget> window(charts::showStatistics(
        nullptr, [&](const daylog::StatsFilter &filter) { asked.push_back(filter); return daylog::dayStats(days, filter); },
        {QStringLiteral("太郎"), QStringLiteral("花子")}));
    auto *stats = static_cast<StatsWindow *>(window.get());
    QCOMPARE(asked.size(), 1u);
    QCOMPARE(stats->anglerBox()->count(), 3);

    const auto barTotal = [&](int chart) {
        int total = 0;
        for (QAbstractSeries *s : stats->barCharts()[size_t(chart)]->series())
            for (QBarSet *set : static_cast<QStackedBarSeries *>(s)->barSets())
                total += int(set->sum());
        return total;
    };
    const auto cell = [&](int row, int column) { return stats->ratesTable()->item(row, column)->text(); };

    QCOMPARE(stats->shown().days, 4);
    QCOMPARE(cell(0, 1), QStringLiteral("9")); // bites
    for (int chart : {0, 2, 3})
        QCOMPARE(barTotal(chart), 6);
    QCOMPARE(barTotal(1), 5); // one day's tide is unknown

    stats->anglerBox()->setCurrentIndex(1); // 太郎
    QCOMPARE(stats->shown().days, 2);
    QCOMPARE(cell(2, 1), QStringLiteral("4")); // hooked
    QCOMPARE(cell(2, 2), QStringLiteral("66.7 %"));
    QVERIFY(stats->summary()->text().contains(QStringLiteral("2日")));
    stats->raftBox()->setCurrentIndex(3);
    QCOMPARE(asked.back().angler, QStringLiteral("太郎"));
    QCOMPARE(asked.back().raft, 3);
    QCOMPARE(stats->shown().days, 1);
    QCOMPARE(barTotal(3), 1);
    QVERIFY(stats->bestTable()->item(2, 1)->text().startsWith(QStringLiteral("45センチ")));
}

// The share of each row is of the bites, the strikes or the fish on the
// hook, and the table says which.
void TestCharts::everyShareSaysWhatItIsOf()
{
    const std::vector<LoggedDay> days = statsfixture::days();
    StatsWindow stats([&](const daylog::StatsFilter &filter) { return daylog::dayStats(days, filter); }, {});
    QTableWidget *rates = stats.ratesTable();
    QCOMPARE(rates->horizontalHeaderItem(3)->text(), QStringLiteral("何に対して"));
    const QStringList bases{QString(), QStringLiteral("あたり"), QStringLiteral("あわせ"), QStringLiteral("あわせ"),
                            QStringLiteral("あわせ"), QStringLiteral("あわせ"), QStringLiteral("掛かった魚"),
                            QStringLiteral("掛かった魚"), QStringLiteral("あたり"), QStringLiteral("あたり")};
    QCOMPARE(rates->rowCount(), int(bases.size()));
    const daylog::Rates r = daylog::dayStats(days).rates;
    // Each share is its count over the count its base names.
    const QMap<QString, int> whole{{QStringLiteral("あたり"), r.bites}, {QStringLiteral("あわせ"), r.strikes},
                                   {QStringLiteral("掛かった魚"), r.landed + r.lost}};
    for (int row = 0; row < rates->rowCount(); ++row) {
        QCOMPARE(rates->item(row, 3)->text(), bases[row]);
        if (bases[row].isEmpty())
            continue;
        const int n = rates->item(row, 1)->text().toInt();
        const QString share = QStringLiteral("%1 %").arg(100.0 * n / whole[bases[row]], 0, 'f', 1);
        QCOMPARE(rates->item(row, 2)->text(), share);
    }
}

// The counts of a million days run to eight digits: every cell shows whole,
// and the table needs no scrolling sideways.
void TestCharts::countsOfAMillionDaysShowWhole()
{
    daylog::DayStats many;
    many.days = 1000000;
    many.rates = {98765432, 87654321, 76543210, 10987654, 11223344, 99887766, 66554433, 10099887, 12345678};
    StatsWindow stats([&](const daylog::StatsFilter &) { return many; }, {});
    stats.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stats));
    QTableWidget *rates = stats.ratesTable();
    const QFontMetrics metrics(rates->font());
    int columns = 0;
    for (int column = 0; column < rates->columnCount(); ++column)
        columns += rates->columnWidth(column);
    QVERIFY2(columns <= rates->viewport()->width(),
             qPrintable(QStringLiteral("%1 of columns in %2").arg(columns).arg(rates->viewport()->width())));
    for (int row = 0; row < rates->rowCount(); ++row) {
        for (int column = 0; column < rates->columnCount(); ++column) {
            const QString text = rates->item(row, column)->text();
            QVERIFY2(metrics.horizontalAdvance(text) + 6 <= rates->columnWidth(column),
                     qPrintable(QStringLiteral("%1 in %2 pixels").arg(text).arg(rates->columnWidth(column))));
        }
    }
}

void TestCharts::barsCanShowFishPerHourFished_data()
{
    QTest::addColumn<int>("chart");
    QTest::addColumn<QList<qreal>>("perHour"); // every fish per hour fished, bar by bar

    // 3 fish in the two hours fished from 7:00; 1 in the three from 11:00;
    // the fish past 17:00 in the 70 minutes fished from then.
    QTest::newRow("clock hour") << 0 << QList<qreal>{1.5, 0, 0, 0, 1.0 / 3, 0, 0.5, 0, 0, 0, 60.0 / 70};
    QTest::newRow("bait") << 2 << QList<qreal>{0, 2 * 60.0 / 1120, 3, 0, 0, 60.0 / 250};
    QTest::newRow("raft") << 3 << QList<qreal>{2 * 60.0 / 300, 0, 4 * 60.0 / 1090, 0, 0};
}

// Checked, the bars show the fish per hour fished in them, so that an hour
// or a bait fished most does not look best for that alone.
void TestCharts::barsCanShowFishPerHourFished()
{
    QFETCH(int, chart);
    QFETCH(QList<qreal>, perHour);
    const std::vector<LoggedDay> days = statsfixture::days();
    StatsWindow stats([&](const daylog::StatsFilter &filter) { return daylog::dayStats(days, filter); }, {});
    QVERIFY(!stats.perHour());
    const auto bars = [&] {
        QList<qreal> values(perHour.size(), 0);
        for (QAbstractSeries *s : stats.barCharts()[size_t(chart)]->series())
            for (QBarSet *set : static_cast<QStackedBarSeries *>(s)->barSets())
                for (qsizetype i = 0; i < set->count() && i < values.size(); ++i)
                    values[i] += set->at(i);
        return values;
    };
    const QString title = stats.barCharts()[size_t(chart)]->title();

    stats.perHourBox()->setChecked(true);
    const QList<qreal> got = bars();
    for (qsizetype i = 0; i < perHour.size(); ++i)
        QVERIFY2(qAbs(got[i] - perHour[i]) < 1e-9, qPrintable(QStringLiteral("bar %1: %2").arg(i).arg(got[i])));
    QVERIFY(stats.barCharts()[size_t(chart)]->title().contains(QStringLiteral("1時間あたり")));

    stats.perHourBox()->setChecked(false);
    QCOMPARE(stats.barCharts()[size_t(chart)]->title(), title);
    QVERIFY(bars() != got);
}

QTEST_MAIN(TestCharts)
#include "test_charts.moc"
