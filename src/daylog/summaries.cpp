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
        for (int h = FirstClockHour; h <= LastClockHour; ++h)
            bar(QStringLiteral("hour%1").arg(h), &DayStats::byClockHour, size_t(h - FirstClockHour));
        for (int h = 0; h < TideHourBars; ++h)
            bar(QStringLiteral("low%1").arg(h), &DayStats::byHoursFromLow, size_t(h));
        for (size_t i = 0; i < allBaits().size(); ++i)
            bar(QStringLiteral("bait_") + logKey(allBaits()[i]), &DayStats::byBait, i);
        return c;
    }();
    return list;
}

QString bestColumn(Bait bait) { return QStringLiteral("best_") + logKey(bait); }

// The longest chinu of a group and, among equal lengths, the earliest day,
// as one number that max() compares: the length above the 40 bits of the
// day's id (ids stay far below 2^40), less the id. No chinu: below zero.
QString bestKey(const QString &column) { return QStringLiteral("max((%1 << 40) - day_id)").arg(column); }

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

QStringList schema()
{
    QString table = QStringLiteral("CREATE TABLE IF NOT EXISTS day_summaries ("
                                   " day_id INTEGER PRIMARY KEY REFERENCES days(id) ON DELETE CASCADE,"
                                   " angler TEXT NOT NULL,"
                                   " raft INTEGER NOT NULL,"
                                   " minutes INTEGER NOT NULL,"
                                   " landed_chinu INTEGER NOT NULL,"
                                   " best INTEGER NOT NULL");
    for (Bait bait : allBaits())
        table += QStringLiteral(", %1 INTEGER NOT NULL").arg(bestColumn(bait));
    for (const Counter &counter : counters())
        table += QStringLiteral(", %1 INTEGER NOT NULL").arg(counter.column);
    table += QLatin1Char(')');
    return {
        table,
        QStringLiteral("CREATE INDEX IF NOT EXISTS summaries_by_angler ON day_summaries(angler, raft)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS summaries_by_raft ON day_summaries(raft)"),
    };
}

bool write(QSqlQuery &q, qint64 dayId, const LoggedDay &day)
{
    static const QString insert = [] {
        QStringList columns{QStringLiteral("day_id"), QStringLiteral("angler"), QStringLiteral("raft"),
                            QStringLiteral("minutes"), QStringLiteral("landed_chinu"), QStringLiteral("best")};
        for (Bait bait : allBaits())
            columns << bestColumn(bait);
        for (const Counter &counter : counters())
            columns << counter.column;
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
    q.addBindValue(minutesFished(day));
    q.addBindValue(chinu);
    q.addBindValue(best);
    for (const BestChinu &b : s.bestByBait)
        q.addBindValue(b.length);
    for (const Counter &counter : counters())
        q.addBindValue(counter.field(s));
    return q.exec();
}

std::optional<DayStats> figures(const QSqlDatabase &db, const StatsFilter &filter, QSqlError *error)
{
    QStringList columns{QStringLiteral("raft"), QStringLiteral("count(*)"), QStringLiteral("sum(minutes)"),
                        QStringLiteral("sum(landed_chinu)"), bestKey(QStringLiteral("best"))};
    for (Bait bait : allBaits())
        columns << bestKey(bestColumn(bait));
    for (const Counter &counter : counters())
        columns << QStringLiteral("sum(%1)").arg(counter.column);
    QStringList where;
    if (!filter.angler.isEmpty())
        where << QStringLiteral("angler = :angler");
    if (filter.raft != 0)
        where << QStringLiteral("raft = :raft");

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM day_summaries%2 GROUP BY raft")
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
        minutes += q.value(at++).toLongLong();
        const int chinu = q.value(at++).toInt();
        const qint64 best = q.value(at++).toLongLong();
        for (Best &b : bestByBait)
            keepBest(b, q.value(at++).toLongLong());
        DayStats group;
        for (const Counter &counter : counters()) {
            const int value = q.value(at++).toInt();
            counter.field(group) = value;
            counter.field(stats) += value;
        }
        if (raft >= 1 && raft <= RaftCount) {
            stats.byRaft[size_t(raft - 1)] = CatchBar{group.rates.landed, chinu};
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
