#pragma once

#include "daylog/dayevent.h"
#include "daylog/stats.h"

#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// The 釣行記録 and 統計 windows. Nothing of them exists until one is opened:
// each call builds a new window, shows it and hands it back; it deletes
// itself when closed. The make functions build the same window without
// showing it, for a caller that places it and decides how it holds the day.
namespace charts {

QWidget *makeDayLog(QWidget *parent, const daylog::LoggedDay &day, bool dayFileGone = false);
QWidget *makeStatistics(QWidget *parent, std::function<daylog::DayStats(const daylog::StatsFilter &)> figures,
                        QStringList anglers);

// One day's log on its tide. dayFileGone: the day was saved but its day
// file has since been deleted; the log is still shown, with a note.
QWidget *showDayLog(QWidget *parent, const daylog::LoggedDay &day, bool dayFileGone = false);

// The statistics that figures gives for a filter (asked on opening and on
// every change of the filter), filtered by the anglers offered and by raft.
QWidget *showStatistics(QWidget *parent, std::function<daylog::DayStats(const daylog::StatsFilter &)> figures,
                        QStringList anglers);

} // namespace charts
