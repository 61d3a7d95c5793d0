#include "charts/statswindow.h"

#include "charts/charttexts.h"
#include "charts/chartstyle.h"
#include "daylog/ids.h"
#include "mainscreen/rafts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace daylog;

namespace {

constexpr int WindowWidth = 1250;
constexpr int WindowHeight = 740;
// The tables' column: wide enough for the rates with their bases.
constexpr int LeftWidth = 340;
// The biggest chinu's first column: the rafts and the baits.
constexpr int BestNameWidth = 84;

struct Stack
{
    QString name;
    QColor color;
    QList<qreal> values;
};

// Round steps for a value axis of at most five steps: 1, 2, 5, 10, 20, 50,
// ... for whole fish; from 0.01 up for fish per hour.
struct AxisSteps
{
    double step = 1;
    int steps = 4;
    int decimals = 0;
};

AxisSteps axisSteps(double highest, bool wholeFish)
{
    const double top = wholeFish ? std::max(4.0, std::ceil(highest)) : std::max(highest, 0.5);
    AxisSteps a;
    bool found = false;
    for (double scale = wholeFish ? 1 : 0.01; !found; scale *= 10) {
        for (int m : {1, 2, 5}) {
            a.step = m * scale;
            if (std::floor(top / a.step + 1e-9) <= 5) {
                found = true;
                break;
            }
        }
    }
    a.steps = int(std::ceil(top / a.step - 1e-9));
    a.decimals = a.step >= 1 ? 0 : a.step >= 0.1 ? 1 : 2;
    return a;
}

// The axes' labels; the bars' names step down from it to fit their bars.
constexpr qreal LabelPoints = 8.5;
constexpr qreal SmallestLabelPoints = 6.5;

// A bar's name wider than its bar (a long bait name in English) steps its
// font down until its widest word fits; a name of two words reads on two
// lines. The Japanese names fit at the axis's own size.
void fitBarNames(QChart *chart)
{
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Horizontal);
    auto *x = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis *>(axes.front());
    if (!x || x->count() == 0 || chart->plotArea().width() <= 0)
        return;
    // Qt gives each name the plot's width over one more than the bars, less
    // its padding either side, and elides what is wider, margins included.
    const qreal room = chart->plotArea().width() / (x->count() + 1) - 2 * 4 - 2 * 2;
    QFont font = x->labelsFont();
    for (qreal points = LabelPoints; points >= SmallestLabelPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString &name : x->categories())
            for (const QString &word : name.split(QStringLiteral("<br>")))
                widest = std::max(widest, metrics.horizontalAdvance(word));
        if (widest <= room)
            break;
    }
    if (font != x->labelsFont())
        x->setLabelsFont(font);
}

// Replaces a chart's bars: stacks over the categories, a count axis (whole
// fish, or fish per hour).
void fillBars(QChart *chart, const QStringList &categories, const std::vector<Stack> &stacks, bool wholeFish = true)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis), delete axis;

    auto *series = new QStackedBarSeries;
    qreal highest = 0;
    QList<qreal> totals(categories.size(), 0);
    for (const Stack &stack : stacks) {
        auto *set = new QBarSet(stack.name);
        set->append(stack.values);
        set->setColor(stack.color);
        set->setBorderColor(stack.color.darker(140));
        series->append(set);
        for (qsizetype i = 0; i < stack.values.size() && i < totals.size(); ++i)
            totals[i] += stack.values[i];
    }
    for (qreal t : totals)
        highest = std::max(highest, t);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    auto *x = new QBarCategoryAxis;
    x->append(categories);
    auto *y = new QValueAxis;
    const AxisSteps a = axisSteps(highest, wholeFish);
    y->setRange(0, a.steps * a.step);
    y->setTickCount(a.steps + 1);
    y->setLabelFormat(a.decimals == 0 ? QStringLiteral("%d") : QStringLiteral("%.%1f").arg(a.decimals));
    QFont small = x->labelsFont();
    small.setPointSizeF(LabelPoints);
    x->setLabelsFont(small);
    y->setLabelsFont(small);
    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(x), static_cast<QAbstractAxis *>(y)}) {
        axis->setLabelsColor(chartstyle::ink());
        axis->setGridLineColor(QColor(215, 200, 165));
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    fitBarNames(chart);
}

// The fish a bar shows: as counted, or per hour fished in it.
qreal barValue(const CatchBar &bar, int fish, bool perHour)
{
    return perHour ? bar.perHour(fish) : fish;
}

template<size_t N>
std::vector<Stack> chinuAndOthers(const std::array<CatchBar, N> &bars, bool perHour)
{
    Stack chinu{daylog::shownName(daylog::Fish::Chinu), chartstyle::pink(), {}};
    Stack others{charttexts::OtherFish(), chartstyle::lightBlue(), {}};
    for (const CatchBar &bar : bars) {
        chinu.values << barValue(bar, bar.chinu, perHour);
        others.values << barValue(bar, bar.catches - bar.chinu, perHour);
    }
    return {chinu, others};
}

QString percent(double share)
{
    return QStringLiteral("%1 %").arg(share * 100, 0, 'f', 1);
}

QString bestText(const BestChinu &best)
{
    if (best.length == 0)
        return QStringLiteral("－");
    return charttexts::BestChinu().arg(best.length).arg(best.angler, best.date);
}

QTableWidget *makeTable(QWidget *parent, const QString &name, const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(22);
    return table;
}

void setRow(QTableWidget *table, int row, const QStringList &cells)
{
    if (table->rowCount() <= row)
        table->setRowCount(row + 1);
    for (int c = 0; c < cells.size(); ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        // Figures to the right; the words of the first and the last column
        // (what a share is of) to the left.
        if (c > 0 && (c < 3 || cells.size() < 4))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

} // namespace

StatsWindow::StatsWindow(Figures figures, const QStringList &anglers, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_figures(std::move(figures))
{
    setObjectName(QStringLiteral("統計"));
    setWindowTitle(charttexts::StatsCaption());
    setFixedSize(WindowWidth, WindowHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);

    auto *filters = new QHBoxLayout;
    m_angler = new QComboBox(this);
    m_angler->setObjectName(QStringLiteral("釣り人"));
    m_angler->addItem(charttexts::EveryAngler(), QString());
    for (const QString &a : anglers)
        m_angler->addItem(a, a);
    m_raft = new QComboBox(this);
    m_raft->setObjectName(QStringLiteral("釣り場"));
    m_raft->addItem(charttexts::EveryRaft(), 0);
    for (int r = 1; r <= RaftCount; ++r)
        m_raft->addItem(rafts::name(r), r);
    m_angler->setMinimumWidth(180);
    m_raft->setMinimumWidth(160);
    filters->addWidget(new QLabel(charttexts::Angler(), this));
    filters->addWidget(m_angler);
    filters->addSpacing(16);
    filters->addWidget(new QLabel(charttexts::Raft(), this));
    filters->addWidget(m_raft);
    filters->addSpacing(16);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("釣行日数"));
    filters->addWidget(m_summary, 1);
    m_perHour = new QCheckBox(charttexts::PerHourBox(), this);
    m_perHour->setObjectName(QStringLiteral("1時間あたりの釣果"));
    m_perHour->setToolTip(charttexts::PerHourTip());
    filters->addWidget(m_perHour);
    layout->addLayout(filters);

    auto *body = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    m_rates = makeTable(this, QStringLiteral("釣果の割合"),
                        {charttexts::ItemColumn(), charttexts::CountColumn(), charttexts::ShareColumn(), charttexts::BaseColumn()});
    m_rates->setFixedWidth(LeftWidth);
    // Every column as wide as its words and figures: the counts of a
    // million days run to eight digits.
    m_rates->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rates->horizontalHeader()->setStretchLastSection(true);
    m_rates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_best = makeTable(this, QStringLiteral("最大のチヌ"), {charttexts::BiggestChinu(), charttexts::RecordColumn()});
    m_best->setFixedWidth(LeftWidth);
    m_best->setColumnWidth(0, BestNameWidth);
    m_best->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    left->addWidget(m_rates, 5);
    left->addWidget(m_best, 6);
    body->addLayout(left);

    auto *grid = new QGridLayout;
    grid->setSpacing(6);
    const QStringList titles = chartTitles();
    const QStringList names{QStringLiteral("時刻別"), QStringLiteral("潮別"), QStringLiteral("エサ別"), QStringLiteral("釣り場別")};
    for (int i = 0; i < 4; ++i) {
        auto *chart = new QChart;
        chartstyle::dress(chart);
        chart->setTitle(titles[i]);
        // The bait and raft names want every pixel of their bars' width.
        chart->setMargins(QMargins(2, 2, 2, 2));
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        auto *view = new QChartView(chart, this);
        view->setObjectName(names[i]);
        view->setRenderHint(QPainter::Antialiasing);
        grid->addWidget(view, i / 2, i % 2);
        connect(chart, &QChart::plotAreaChanged, this, [chart] { fitBarNames(chart); });
        m_charts.push_back(chart);
    }
    body->addLayout(grid, 1);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(charttexts::Close(), this);
    close->setObjectName(QStringLiteral("閉じる"));
    close->setMinimumSize(110, 30);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    chartstyle::closeByKeys(this, close);

    connect(m_angler, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(m_raft, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(m_perHour, &QCheckBox::toggled, this, [this] { refresh(); });
    setTabOrder(m_angler, m_raft);
    setTabOrder(m_raft, m_perHour);
    setTabOrder(m_perHour, close);
    refresh();
}

QStringList StatsWindow::chartTitles()
{
    return {charttexts::ByClockHour(), charttexts::ByHoursFromLow(), charttexts::ByBait(), charttexts::ByRaft()};
}

bool StatsWindow::perHour() const
{
    return m_perHour->isChecked();
}

void StatsWindow::refresh()
{
    const StatsFilter filter{m_angler->currentData().toString(), m_raft->currentData().toInt()};
    m_stats = m_figures ? m_figures(filter) : DayStats{};
    const DayStats &s = m_stats;
    const Rates &r = s.rates;

    m_summary->setText(charttexts::Summary()
                           .arg(s.days)
                           .arg(s.hoursFished, 0, 'f', 1));

    m_rates->setRowCount(0);
    int row = 0;
    const auto line = [&](const QString &what, int n, const QString &share = QString(), const QString &base = QString()) {
        setRow(m_rates, row++, {what, QString::number(n), share, base});
    };
    // Each share says what it is a share of.
    const QString perBite = charttexts::PerBite();
    const QString perStrike = charttexts::PerStrike();
    const QString perFishOn = charttexts::PerFishOn();
    line(charttexts::BitesRow(), r.bites);
    line(charttexts::StrikesRow(), r.strikes, percent(r.strikesPerBite()), perBite);
    line(charttexts::HookedRow(), r.hooked, percent(r.hookedPerStrike()), perStrike);
    line(charttexts::TooEarlyRow(), r.tooEarly, percent(rate(r.tooEarly, r.strikes)), perStrike);
    line(charttexts::TooLateRow(), r.tooLate, percent(rate(r.tooLate, r.strikes)), perStrike);
    line(charttexts::AtNothingRow(), r.atNothing, percent(rate(r.atNothing, r.strikes)), perStrike);
    line(charttexts::LandedRow(), r.landed, percent(r.landedPerHooked()), perFishOn);
    line(charttexts::LostRow(), r.lost, percent(rate(r.lost, r.landed + r.lost)), perFishOn);
    line(charttexts::BaitTakenRow(), r.baitTaken, percent(rate(r.baitTaken, r.bites)), perBite);
    line(charttexts::LandedPerBiteRow(), r.landed, percent(r.landedPerBite()), perBite);

    m_best->setRowCount(0);
    row = 0;
    for (int i = 0; i < RaftCount; ++i)
        setRow(m_best, row++, {rafts::name(i + 1), bestText(s.bestByRaft[size_t(i)])});
    for (size_t i = 0; i < baitNames().size(); ++i)
        setRow(m_best, row++, {shownCaption(Vocabulary::Bait, baitNames()[i]), bestText(s.bestByBait[i])});
    // As wide as the longest name or heading (the baits' English names), and
    // never narrower than the Japanese want.
    m_best->resizeColumnToContents(0);
    m_best->setColumnWidth(0, std::max(m_best->columnWidth(0), BestNameWidth));

    const bool hourly = perHour();
    const QStringList titles = chartTitles();
    for (size_t i = 0; i < m_charts.size(); ++i)
        m_charts[i]->setTitle(hourly ? charttexts::PerHourTitle().arg(titles[qsizetype(i)]) : titles[qsizetype(i)]);

    QStringList hours;
    for (int h = FirstClockHour; h <= LastClockHour; ++h)
        hours << QString::number(h);
    fillBars(m_charts[0], hours, chinuAndOthers(s.byClockHour, hourly), !hourly);

    // Rising hours and falling hours in their own colours.
    QStringList fromLow;
    Stack rising{charttexts::RisingTide(), chartstyle::lightBlue(), {}};
    Stack falling{charttexts::FallingTide(), chartstyle::darkSand().lighter(150), {}};
    for (int h = 0; h < TideHourBars; ++h) {
        fromLow << QString::number(h);
        const CatchBar &bar = s.byHoursFromLow[size_t(h)];
        const qreal n = barValue(bar, bar.catches, hourly);
        rising.values << (risingAt(h) ? n : 0);
        falling.values << (risingAt(h) ? 0 : n);
    }
    fillBars(m_charts[1], fromLow, {rising, falling}, !hourly);

    QStringList baits;
    for (const QString &b : baitNames())
        baits << shownCaption(Vocabulary::Bait, b).replace(QLatin1Char(' '), QStringLiteral("<br>")); // see fitBarNames
    fillBars(m_charts[2], baits, chinuAndOthers(s.byBait, hourly), !hourly);

    QStringList raftNames;
    for (int r2 = 1; r2 <= RaftCount; ++r2)
        raftNames << rafts::name(r2);
    fillBars(m_charts[3], raftNames, chinuAndOthers(s.byRaft, hourly), !hourly);
}
