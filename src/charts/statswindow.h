#pragma once

#include "daylog/dayevent.h"
#include "daylog/stats.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

// 統計: what the logged days add up to, for one angler or all, one raft or all.
class StatsWindow : public QWidget
{
public:
    // The figures for a filter, asked for again whenever the filter changes.
    using Figures = std::function<daylog::DayStats(const daylog::StatsFilter &)>;

    StatsWindow(Figures figures, const QStringList &anglers, QWidget *parent = nullptr);

    QComboBox *anglerBox() const { return m_angler; }
    QComboBox *raftBox() const { return m_raft; }
    // The bars count the fish, or (checked) the fish per hour fished in them.
    QCheckBox *perHourBox() const { return m_perHour; }
    bool perHour() const;
    QTableWidget *ratesTable() const { return m_rates; }
    QTableWidget *bestTable() const { return m_best; }
    QLabel *summary() const { return m_summary; }
    // The charts in the order: clock hour, hours from low water, bait, raft.
    const std::vector<QChart *> &barCharts() const { return m_charts; }
    const daylog::DayStats &shown() const { return m_stats; }

private:
    void refresh();
    static QStringList chartTitles();

    Figures m_figures;
    daylog::DayStats m_stats;
    QComboBox *m_angler = nullptr;
    QComboBox *m_raft = nullptr;
    QCheckBox *m_perHour = nullptr;
    QLabel *m_summary = nullptr;
    QTableWidget *m_rates = nullptr;
    QTableWidget *m_best = nullptr;
    std::vector<QChart *> m_charts;
};
