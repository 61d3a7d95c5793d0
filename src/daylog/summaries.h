#pragma once

#include "daylog/dayevent.h"
#include "daylog/stats.h"

#include <QStringList>

#include <optional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// The log's summary of each day: one row holding every figure of 統計 for
// that day alone (its counts by clock hour, by hours from low water, by bait,
// the rates' counters, the minutes fished, overall and in each of those bars,
// and its longest chinu, overall and by bait), written with the day. Beside them, the totals of each angler on
// each raft, kept by the database itself as summaries come and go (in the
// same transaction), so that the figures of any number of days are sums over
// a handful of rows, filtered by angler and raft (the totals' key): no event
// is read for them, and no day either.
namespace daylog::summaries {

// The table and its indexes (CREATE ... IF NOT EXISTS). Without the minutes
// per bar: as the log's second version made them.
QStringList schema(bool minutesPerBar = true);

// Writes the summary of the day stored as dayId, with q's database. False
// with q's error when the database refuses it.
bool write(QSqlQuery &q, qint64 dayId, const LoggedDay &day);

// A log of the second version brought up to the minutes fished per bar:
// the columns are added (as nought) and the totals' triggers dropped, for
// schema() to make again; then each day's minutes are written and the
// totals summed afresh. False with q's error when the database refuses.
bool addMinutesPerBar(QSqlQuery &q);
bool writeMinutesPerBar(QSqlQuery &q, qint64 dayId, const DayStats &day);
bool sumMinutesPerBar(QSqlQuery &q);

// The figures of the days that pass the filter; none, with the error, when
// the database fails.
std::optional<DayStats> figures(const QSqlDatabase &db, const StatsFilter &filter, QSqlError *error);

} // namespace daylog::summaries
