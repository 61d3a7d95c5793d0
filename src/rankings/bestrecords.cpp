#include "bestrecords.h"

#include "rankings/rankingstexts.h"
#include "records/numberformat.h"

namespace bestrecords {

namespace T = rankingstexts;

namespace {

BestRecord noData()
{
    BestRecord best;
    best.value = QStringLiteral("0");
    best.anglers << T::NoData();
    best.dates << T::NoData();
    best.rafts << T::NoData();
    return best;
}

bool inScope(const RecordLine &day, const Scope &scope)
{
    // The name is compared in place (characters 30 to the end): no copy per day.
    return (scope.raft == 0 || day.raft() == scope.raft)
        && (!scope.angler || QStringView(day.text()).mid(29) == *scope.angler);
}

} // namespace

BestRecord BestOf(const std::vector<RecordLine> &days, Measure measure, const Scope &scope)
{
    const RecordLine *best = nullptr;
    for (const RecordLine &day : days)
        if (inScope(day, scope) && (!best || rankings::Key(day, measure) > rankings::Key(*best, measure)))
            best = &day;
    // Every angler on every raft shows its best even when it is 0; a
    // narrower scope shows a best of 0 as no data.
    const bool everything = scope.raft == 0 && !scope.angler;
    if (!best || (!everything && rankings::Key(*best, measure) <= 0))
        return noData();

    const int bestKey = rankings::Key(*best, measure);
    BestRecord record;
    record.found = true;
    record.key = rankings::KeyText(*best, measure).toString();
    record.value = numberformat::Format(rankings::KeyText(*best, measure), u"#");
    if (scope.raft != 0)
        record.rafts << rankings::RaftName(scope.raft);
    if (scope.angler)
        record.anglers << *scope.angler;
    for (const RecordLine &day : days) {
        if (!inScope(day, scope) || rankings::Key(day, measure) != bestKey)
            continue;
        if (!scope.angler)
            record.anglers << day.angler();
        record.dates << day.date();
        if (scope.raft == 0)
            record.rafts << rankings::RaftName(day.raft());
    }
    return record;
}

std::array<BestRecord, 3> BestRecords(const std::vector<RecordLine> &days, const Scope &scope)
{
    return { BestOf(days, Measure::Longest, scope), BestOf(days, Measure::Count, scope),
             BestOf(days, Measure::Total, scope) };
}

QString FrameCaption(Measure measure, qsizetype n, bool oneAngler)
{
    switch (measure) {
    case Measure::Longest:
        return n < 2 ? T::Longest() : oneAngler ? T::LongestRecordsTimes(n) : T::LongestRecordsPeople(n);
    case Measure::Count:
        return n < 2 ? T::Count() : oneAngler ? T::CountRecordsTimes(n) : T::CountRecordsPeople(n);
    case Measure::Total:
        return n < 2 ? T::Total() : oneAngler ? T::TotalRecordsTimes(n) : T::TotalRecordsPeople(n);
    }
    return {};
}

} // namespace bestrecords
