#include "rankings.h"

#include "mainscreen/rafts.h"
#include "rankings/rankingstexts.h"
#include "records/numberformat.h"

#include <algorithm>

namespace rankings {

std::vector<RecordLine> SavedDays(const QStringList &recordLines)
{
    std::vector<RecordLine> days;
    days.reserve(size_t(recordLines.size()));
    for (const QString &line : recordLines)
        if (std::optional<RecordLine> day = RecordLine::parse(line))
            days.push_back(std::move(*day));
    return days;
}

QStringView KeyText(const RecordLine &day, Measure measure)
{
    switch (measure) {
    case Measure::Longest:
        return day.longestKey();
    case Measure::Count:
        return day.countKey();
    case Measure::Total:
        return day.totalKey();
    }
    return {};
}

int Key(const RecordLine &day, Measure measure)
{
    switch (measure) {
    case Measure::Longest:
        return day.longest();
    case Measure::Count:
        return day.count();
    case Measure::Total:
        return day.total();
    }
    return 0;
}

QString RaftName(int raft)
{
    return rafts::name(raft);
}

std::vector<qsizetype> SortedBy(const std::vector<RecordLine> &days, Measure measure)
{
    // The keys are a few digits wide, so one counting pass orders any
    // number of days: a big record file must not keep the angler waiting.
    int highest = 0;
    for (const RecordLine &day : days)
        highest = std::max(highest, Key(day, measure));
    // starts[k]: where the days with key k begin, best (highest) key first.
    std::vector<qsizetype> starts(size_t(highest) + 2, 0);
    for (const RecordLine &day : days)
        ++starts[size_t(highest - Key(day, measure)) + 1];
    for (size_t k = 1; k < starts.size(); ++k)
        starts[k] += starts[k - 1];
    std::vector<qsizetype> order(days.size());
    // From the end of the file, so that among equal keys the later day
    // comes first.
    for (size_t i = days.size(); i-- > 0;)
        order[size_t(starts[size_t(highest - Key(days[i], measure))]++)] = qsizetype(i);
    return order;
}

std::vector<RankedDay> Ranked(const std::vector<RecordLine> &days, Measure measure)
{
    const std::vector<qsizetype> order = SortedBy(days, measure);
    std::vector<RankedDay> ranked;
    ranked.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const qsizetype day = order[i];
        if (i > 0 && Key(days[size_t(day)], measure) == Key(days[size_t(order[i - 1])], measure))
            ranked.push_back({ ranked.back().rank, day });
        else
            ranked.push_back({ int(i) + 1, day });
    }
    return ranked;
}

std::vector<RankedDay> TrimToBestTen(std::vector<RankedDay> ranked)
{
    std::erase_if(ranked, [](const RankedDay &r) { return r.rank > 10; });
    return ranked;
}

QString BestTenLine(const RankedDay &ranked, const RecordLine &day, Measure measure)
{
    namespace T = rankingstexts;
    const QString unit = measure == Measure::Count ? T::MaiUnit() : T::CentiUnit();
    return numberformat::Format(ranked.rank, u"0#") + T::Gap() + KeyText(day, measure).toString() + unit + day.angler()
        + T::Gap() + day.stamp() + T::Gap() + RaftName(day.raft());
}

QStringList BestTenLines(const QStringList &recordLines, Measure measure)
{
    const std::vector<RecordLine> days = SavedDays(recordLines);
    QStringList lines;
    for (const RankedDay &r : TrimToBestTen(Ranked(days, measure)))
        lines << BestTenLine(r, days[size_t(r.day)], measure);
    return lines;
}

} // namespace rankings
