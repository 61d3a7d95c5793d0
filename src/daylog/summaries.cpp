#include "daylog/summaries.h"

#include "daylog/ids.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <map>

namespace daylog::summaries {
namespace {

// A figure that adds up over days, and where it lives in DayStats.
struct Counter
{
    QString column;
    std::function<int &(DayStats &)> field;
};

// Calls bar(column, the bars, index) for every bar of 統計's charts: the
// clock hours, the hours from low water and the baits.
template <class Bar>
void forEachBar(const Bar &bar)
{
    for (int h = FirstClockHour; h <= LastClockHour; ++h)
        bar(QStringLiteral("hour%1").arg(h), &DayStats::byClockHour, size_t(h - FirstClockHour));
    for (int h = 0; h < TideHourBars; ++h)
        bar(QStringLiteral("low%1").arg(h), &DayStats::byHoursFromLow, size_t(h));
    for (size_t i = 0; i < allBaits().size(); ++i)
        bar(QStringLiteral("bait_") + logKey(allBaits()[i]), &DayStats::byBait, i);
}

const std::vector<Counter> &counters()
{
    static const std::vector<Counter> list = [] {
        std::vector<Counter> c;
        const auto rate = [&c](const char *column, int Rates::*member) {
            c.push_back({QString::fromLatin1(column), [member](DayStats &s) -> int & { return s.rates.*member; }});
        };
        rate("bites", &Rates::bites);
        rate("strikes", &Rates::strikes);
        rate("hooked", &Rates::hooked);
        rate("too_early", &Rates::tooEarly);
        rate("too_late", &Rates::tooLate);
        rate("at_nothing", &Rates::atNothing);
        rate("landed", &Rates::landed);
        rate("lost", &Rates::lost);
        rate("bait_taken", &Rates::baitTaken);
        const auto bar = [&c](const QString &column, auto bars, size_t i) {
            c.push_back({column, [bars, i](DayStats &s) -> int & { return (s.*bars)[i].catches; }});
            c.push_back({column + QStringLiteral("_chinu"), [bars, i](DayStats &s) -> int & { return (s.*bars)[i].chinu; }});
        };
        forEachBar(bar);
        return c;
    }();
    return list;
}

// The minutes fished in each bar's hours, with each bait (the log's third
// version): what 統計 divides by to show fish per hour.
const std::vector<Counter> &minuteCounters()
{
    static const std::vector<Counter> list = [] {
        std::vector<Counter> c;
        const auto bar = [&c](const QString &column, auto bars, size_t i) {
            c.push_back({column + QStringLiteral("_minutes"), [bars, i](DayStats &s) -> int & { return (s.*bars)[i].minutes; }});
        };
        forEachBar(bar);
        return c;
    }();
    return list;
}

// Every counter the summaries keep.
const std::vector<Counter> &allCounters()
{
    static const std::vector<Counter> all = [] {
        std::vector<Counter> c = counters();
        c.insert(c.end(), minuteCounters().begin(), minuteCounters().end());
        return c;
    }();
    return all;
}

QString bestColumn(Bait bait) { return QStringLiteral("best_") + logKey(bait); }

QStringList bestColumns()
{
    QStringList columns{QStringLiteral("best")};
    for (Bait bait : allBaits())
        columns << bestColumn(bait);
    return columns;
}

// The figures that add up: the minutes fished, the chinu landed (for the
// raft bars) and the counters.
QStringList summedColumns(bool withMinutes = true)
{
    QStringList columns{QStringLiteral("minutes"), QStringLiteral("landed_chinu")};
    for (const Counter &counter : withMinutes ? allCounters() : counters())
        columns << counter.column;
    return columns;
}

// A day's longest chinu as the totals keep it: the length above the 40 bits
// of the day's id (ids stay far below 2^40), less the id, so that max()
// keeps the longest and, among equal lengths, the earliest day. No chinu:
// below zero, under the totals' 0 for none.
QString bestKey(const QString &row, const QString &column)
{
    return QStringLiteral("((%1.%2 << 40) - %1.day_id)").arg(row, column);
}

struct Best
{
    int length = 0;
    qint64 dayId = 0;
};

Best bestOf(qint64 key)
{
    if (key <= 0)
        return {};
    const qint64 length = (key >> 40) + 1;
    return {int(length), (length << 40) - key};
}

void keepBest(Best &best, qint64 key)
{
    const Best other = bestOf(key);
    if (other.length > best.length || (other.length == best.length && other.dayId < best.dayId))
        best = other;
}

} // namespace

QStringList schema(bool minutesPerBar)
{
    QString days = QStringLiteral("CREATE TABLE IF NOT EXISTS day_summaries ("
                                  " day_id INTEGER PRIMARY KEY REFERENCES days(id) ON DELETE CASCADE,"
                                  " angler TEXT NOT NULL,"
                                  " raft INTEGER NOT NULL");
    QString totals = QStringLiteral("CREATE TABLE IF NOT EXISTS summary_totals ("
                                    " angler TEXT NOT NULL,"
                                    " raft INTEGER NOT NULL,"
                                    " days INTEGER NOT NULL DEFAULT 0");
    QStringList added{QStringLiteral("days = days + 1")};
    QStringList removed{QStringLiteral("days = days - 1")};
    for (const QString &column : bestColumns()) {
        days += QStringLiteral(", %1 INTEGER NOT NULL").arg(column);
        totals += QStringLiteral(", %1 INTEGER NOT NULL DEFAULT 0").arg(column);
        added << QStringLiteral("%1 = max(%1, %2)").arg(column, bestKey(QStringLiteral("new"), column));
        // The group's record went with the day: the next longest of the
        // group's days that are left takes its place.
        removed << QStringLiteral("%1 = CASE WHEN %1 = %2 THEN (SELECT max(0, coalesce(max(%3), 0)) FROM day_summaries s"
                                  " WHERE s.angler = old.angler AND s.raft = old.raft) ELSE %1 END")
                       .arg(column, bestKey(QStringLiteral("old"), column), bestKey(QStringLiteral("s"), column));
    }
    for (const QString &column : summedColumns(minutesPerBar)) {
        days += QStringLiteral(", %1 INTEGER NOT NULL").arg(column);
        totals += QStringLiteral(", %1 INTEGER NOT NULL DEFAULT 0").arg(column);
        added << QStringLiteral("%1 = %1 + new.%1").arg(column);
        removed << QStringLiteral("%1 = %1 - old.%1").arg(column);
    }
    days += QLatin1Char(')');
    totals += QStringLiteral(", PRIMARY KEY (angler, raft)) WITHOUT ROWID");
    return {
        days,
        QStringLiteral("CREATE INDEX IF NOT EXISTS summaries_by_angler ON day_summaries(angler, raft)"),
        totals,
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS day_summary_added AFTER INSERT ON day_summaries BEGIN"
                       " INSERT OR IGNORE INTO summary_totals (angler, raft) VALUES (new.angler, new.raft);"
                       " UPDATE summary_totals SET %1 WHERE angler = new.angler AND raft = new.raft;"
                       " END")
            .arg(added.join(QStringLiteral(", "))),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS day_summary_removed AFTER DELETE ON day_summaries BEGIN"
                       " UPDATE summary_totals SET %1 WHERE angler = old.angler AND raft = old.raft;"
                       " END")
            .arg(removed.join(QStringLiteral(", "))),
    };
}

bool write(QSqlQuery &q, qint64 dayId, const LoggedDay &day)
{
    static const QString insert = [] {
        const QStringList columns = QStringList{QStringLiteral("day_id"), QStringLiteral("angler"), QStringLiteral("raft")}
            + bestColumns() + summedColumns();
        QStringList marks;
        marks.fill(QStringLiteral("?"), columns.size());
        return QStringLiteral("INSERT INTO day_summaries (%1) VALUES (%2)")
            .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }();

    DayStats s = statsOfDay(day);
    int chinu = 0;
    for (const CatchBar &bar : s.byClockHour)
        chinu += bar.chinu;
    int best = 0;
    for (const BestChinu &b : s.bestByRaft)
        best = std::max(best, b.length);

    if (!q.prepare(insert))
        return false;
    q.addBindValue(dayId);
    q.addBindValue(day.angler.isNull() ? QStringLiteral("") : day.angler);
    q.addBindValue(day.raft);
    q.addBindValue(best);
    for (const BestChinu &b : s.bestByBait)
        q.addBindValue(b.length);
    q.addBindValue(minutesFished(day));
    q.addBindValue(chinu);
    for (const Counter &counter : allCounters())
        q.addBindValue(counter.field(s));
    return q.exec();
}

bool addMinutesPerBar(QSqlQuery &q)
{
    // The totals' triggers name every column: they go, and schema() makes
    // them again with the new ones.
    QStringList statements{QStringLiteral("DROP TRIGGER IF EXISTS day_summary_added"),
                           QStringLiteral("DROP TRIGGER IF EXISTS day_summary_removed")};
    for (const Counter &counter : minuteCounters()) {
        for (const char *table : {"day_summaries", "summary_totals"})
            statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 INTEGER NOT NULL DEFAULT 0")
                              .arg(QLatin1String(table), counter.column);
    }
    for (const QString &statement : std::as_const(statements))
        if (!q.exec(statement))
            return false;
    return true;
}

bool writeMinutesPerBar(QSqlQuery &q, qint64 dayId, const DayStats &day)
{
    static const QString update = [] {
        QStringList set;
        for (const Counter &counter : minuteCounters())
            set << counter.column + QStringLiteral(" = ?");
        return QStringLiteral("UPDATE day_summaries SET %1 WHERE day_id = ?").arg(set.join(QStringLiteral(", ")));
    }();
    if (!q.prepare(update))
        return false;
    DayStats s = day;
    for (const Counter &counter : minuteCounters())
        q.addBindValue(counter.field(s));
    q.addBindValue(dayId);
    return q.exec();
}

bool sumMinutesPerBar(QSqlQuery &q)
{
    QStringList set;
    for (const Counter &counter : minuteCounters())
        set << QStringLiteral("%1 = (SELECT coalesce(sum(s.%1), 0) FROM day_summaries s"
                              " WHERE s.angler = summary_totals.angler AND s.raft = summary_totals.raft)")
                   .arg(counter.column);
    return q.exec(QStringLiteral("UPDATE summary_totals SET %1").arg(set.join(QStringLiteral(", "))));
}

std::optional<DayStats> figures(const QSqlDatabase &db, const StatsFilter &filter, QSqlError *error)
{
    QStringList columns{QStringLiteral("raft"), QStringLiteral("sum(days)")};
    for (const QString &column : bestColumns())
        columns << QStringLiteral("max(%1)").arg(column);
    for (const QString &column : summedColumns())
        columns << QStringLiteral("sum(%1)").arg(column);
    QStringList where;
    if (!filter.angler.isEmpty())
        where << QStringLiteral("angler = :angler");
    if (filter.raft != 0)
        where << QStringLiteral("raft = :raft");

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM summary_totals%2 GROUP BY raft")
                  .arg(columns.join(QLatin1Char(',')),
                       where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "))));
    if (!filter.angler.isEmpty())
        q.bindValue(QStringLiteral(":angler"), filter.angler);
    if (filter.raft != 0)
        q.bindValue(QStringLiteral(":raft"), filter.raft);
    if (!q.exec()) {
        *error = q.lastError();
        return std::nullopt;
    }

    DayStats stats;
    qint64 minutes = 0;
    std::array<Best, RaftCount> bestByRaft{};
    std::array<Best, 6> bestByBait{};
    // One row a raft: its sums are the raft's bar, and they add up to the rest.
    while (q.next()) {
        int at = 0;
        const int raft = q.value(at++).toInt();
        stats.days += q.value(at++).toInt();
        const qint64 best = q.value(at++).toLongLong();
        for (Best &b : bestByBait)
            keepBest(b, q.value(at++).toLongLong());
        const qint64 raftMinutes = q.value(at++).toLongLong();
        minutes += raftMinutes;
        const int chinu = q.value(at++).toInt();
        DayStats group;
        for (const Counter &counter : allCounters()) {
            const int value = q.value(at++).toInt();
            counter.field(group) = value;
            counter.field(stats) += value;
        }
        if (raft >= 1 && raft <= RaftCount) {
            stats.byRaft[size_t(raft - 1)] = CatchBar{group.rates.landed, chinu, int(raftMinutes)};
            keepBest(bestByRaft[size_t(raft - 1)], best);
        }
    }
    if (q.lastError().isValid()) {
        *error = q.lastError();
        return std::nullopt;
    }
    stats.hoursFished = double(minutes) / 60.0;

    // Whose the longest chinu were, and when: a look at each winning day.
    std::map<qint64, std::pair<QString, QString>> whose;
    QSqlQuery day(db);
    day.prepare(QStringLiteral("SELECT angler, date FROM days WHERE id = ?"));
    const auto fill = [&](const Best &best, BestChinu &shown) {
        if (best.length == 0)
            return true;
        auto it = whose.find(best.dayId);
        if (it == whose.end()) {
            day.addBindValue(best.dayId);
            if (!day.exec()) {
                *error = day.lastError();
                return false;
            }
            std::pair<QString, QString> found;
            if (day.next())
                found = {day.value(0).toString(), day.value(1).toString()};
            it = whose.emplace(best.dayId, found).first;
        }
        shown = BestChinu{best.length, it->second.first, it->second.second};
        return true;
    };
    for (size_t i = 0; i < bestByRaft.size(); ++i)
        if (!fill(bestByRaft[i], stats.bestByRaft[i]))
            return std::nullopt;
    for (size_t i = 0; i < bestByBait.size(); ++i)
        if (!fill(bestByBait[i], stats.bestByBait[i]))
            return std::nullopt;
    return stats;
}

} // namespace daylog::summaries
