#include "charts/statswindow.h"

#include "charts/charttexts.h"
#include "charts/chartstyle.h"
#include "mainscreen/rafts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFont>
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

struct Stack
{
    QString name;
    QColor color;
    QList<qreal> values;
};

// Replaces a chart's bars: stacks over the categories, a count axis.
void fillBars(QChart *chart, const QStringList &categories, const std::vector<Stack> &stacks)
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
    // Whole fish on the count axis, in round steps: 1, 2, 5, 10, 20, 50, ...
    const int top = std::max(4, int(std::ceil(highest)));
    int step = 1;
    for (int scale = 1; top / step > 5; scale *= 10) {
        for (int m : {1, 2, 5}) {
            step = m * scale;
            if (top / step <= 5)
                break;
        }
    }
    const int steps = (top + step - 1) / step;
    y->setRange(0, steps * step);
    y->setTickCount(steps + 1);
    y->setLabelFormat(QStringLiteral("%d"));
    QFont small = x->labelsFont();
    small.setPointSizeF(8.5);
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
}

template<size_t N>
std::vector<Stack> chinuAndOthers(const std::array<CatchBar, N> &bars)
{
    Stack chinu{QStringLiteral("チヌ"), chartstyle::pink(), {}};
    Stack others{QStringLiteral("ほかの魚"), chartstyle::lightBlue(), {}};
    for (const CatchBar &bar : bars) {
        chinu.values << bar.chinu;
        others.values << bar.catches - bar.chinu;
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
    return QStringLiteral("%1センチ %2 %3").arg(best.length).arg(best.angler, best.date);
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
        if (c > 0)
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
    m_angler->addItem(QStringLiteral("全員"), QString());
    for (const QString &a : anglers)
        m_angler->addItem(a, a);
    m_raft = new QComboBox(this);
    m_raft->setObjectName(QStringLiteral("釣り場"));
    m_raft->addItem(QStringLiteral("全部の釣り場"), 0);
    for (int r = 1; r <= RaftCount; ++r)
        m_raft->addItem(rafts::name(r), r);
    m_angler->setMinimumWidth(180);
    m_raft->setMinimumWidth(160);
    filters->addWidget(new QLabel(QStringLiteral("釣り人"), this));
    filters->addWidget(m_angler);
    filters->addSpacing(16);
    filters->addWidget(new QLabel(QStringLiteral("釣り場"), this));
    filters->addWidget(m_raft);
    filters->addSpacing(16);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("釣行日数"));
    filters->addWidget(m_summary, 1);
    layout->addLayout(filters);

    auto *body = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    m_rates = makeTable(this, QStringLiteral("釣果の割合"), {QStringLiteral("項目"), QStringLiteral("数"), QStringLiteral("割合")});
    m_rates->setFixedWidth(300);
    m_rates->setColumnWidth(0, 128);
    m_rates->setColumnWidth(1, 64);
    m_rates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_best = makeTable(this, QStringLiteral("最大のチヌ"), {QStringLiteral("最大のチヌ"), QStringLiteral("記録")});
    m_best->setFixedWidth(300);
    m_best->setColumnWidth(0, 84);
    m_best->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    left->addWidget(m_rates, 5);
    left->addWidget(m_best, 6);
    body->addLayout(left);

    auto *grid = new QGridLayout;
    grid->setSpacing(6);
    const QStringList titles{QStringLiteral("時刻ごとの釣果"), QStringLiteral("干潮からの時間ごとの釣果"),
                             QStringLiteral("エサごとの釣果"), QStringLiteral("釣り場ごとの釣果")};
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
        m_charts.push_back(chart);
    }
    body->addLayout(grid, 1);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("閉じる"));
    close->setMinimumSize(110, 30);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    chartstyle::closeByKeys(this, close);

    connect(m_angler, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(m_raft, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    refresh();
}

void StatsWindow::refresh()
{
    const StatsFilter filter{m_angler->currentData().toString(), m_raft->currentData().toInt()};
    m_stats = m_figures ? m_figures(filter) : DayStats{};
    const DayStats &s = m_stats;
    const Rates &r = s.rates;

    m_summary->setText(QStringLiteral("釣行日数 %1日　　釣りをした時間 %2時間")
                           .arg(s.days)
                           .arg(s.hoursFished, 0, 'f', 1));

    m_rates->setRowCount(0);
    int row = 0;
    const auto line = [&](const QString &what, int n, const QString &share = QString()) {
        setRow(m_rates, row++, {what, QString::number(n), share});
    };
    line(QStringLiteral("あたり"), r.bites);
    line(QStringLiteral("あわせ"), r.strikes, percent(r.strikesPerBite()));
    line(QStringLiteral("　針がかり"), r.hooked, percent(r.hookedPerStrike()));
    line(QStringLiteral("　早あわせ"), r.tooEarly, percent(rate(r.tooEarly, r.strikes)));
    line(QStringLiteral("　遅あわせ"), r.tooLate, percent(rate(r.tooLate, r.strikes)));
    line(QStringLiteral("　から振り"), r.atNothing, percent(rate(r.atNothing, r.strikes)));
    line(QStringLiteral("釣り上げ"), r.landed, percent(r.landedPerHooked()));
    line(QStringLiteral("ばらし"), r.lost, percent(rate(r.lost, r.landed + r.lost)));
    line(QStringLiteral("エサを取られた"), r.baitTaken, percent(rate(r.baitTaken, r.bites)));
    line(QStringLiteral("あたりからの釣果"), r.landed, percent(r.landedPerBite()));

    m_best->setRowCount(0);
    row = 0;
    for (int i = 0; i < RaftCount; ++i)
        setRow(m_best, row++, {rafts::name(i + 1), bestText(s.bestByRaft[size_t(i)])});
    for (size_t i = 0; i < baitNames().size(); ++i)
        setRow(m_best, row++, {baitNames()[i], bestText(s.bestByBait[i])});

    QStringList hours;
    for (int h = FirstClockHour; h <= LastClockHour; ++h)
        hours << QString::number(h);
    fillBars(m_charts[0], hours, chinuAndOthers(s.byClockHour));

    // Rising hours and falling hours in their own colours.
    QStringList fromLow;
    Stack rising{QStringLiteral("満ち潮"), chartstyle::lightBlue(), {}};
    Stack falling{QStringLiteral("引き潮"), chartstyle::darkSand().lighter(150), {}};
    for (int h = 0; h < TideHourBars; ++h) {
        fromLow << QString::number(h);
        const qreal n = s.byHoursFromLow[size_t(h)].catches;
        rising.values << (risingAt(h) ? n : 0);
        falling.values << (risingAt(h) ? 0 : n);
    }
    fillBars(m_charts[1], fromLow, {rising, falling});

    QStringList baits;
    for (const QString &b : baitNames())
        baits << b;
    fillBars(m_charts[2], baits, chinuAndOthers(s.byBait));

    QStringList raftNames;
    for (int r2 = 1; r2 <= RaftCount; ++r2)
        raftNames << rafts::name(r2);
    fillBars(m_charts[3], raftNames, chinuAndOthers(s.byRaft));
}
