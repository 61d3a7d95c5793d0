// The statistics of the 統計 window. Every filter change asks for them again,
// so the whole of them must stay well under a tenth of a second however many
// days the log holds: they are summed by the log from each day's summary
// (BM_LogStats*, over 1,000, 100,000 and 1,000,000 logged days). The count
// over days held in memory with all their events (BM_Stats*) is the old way,
// kept for comparison and for the tests that check one against the other.
#include "busyday.h"
#include "daylog/stats.h"
#include "daylog/store.h"
#include "statslog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

std::vector<daylog::LoggedDay> manyDays(int count)
{
    const QString anglers[] = {QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("次郎"), QStringLiteral("浜の釣り人")};
    std::vector<daylog::LoggedDay> days;
    days.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        days.push_back(busyday::make(unsigned(i) + 1, anglers[i % 4], 1 + i % 5, 1 + i % 12));
    return days;
}

void BM_StatsAllDays(benchmark::State &state)
{
    const auto days = manyDays(int(state.range(0)));
    size_t events = 0;
    for (const auto &d : days)
        events += d.events.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(daylog::dayStats(days));
    state.counters["events"] = double(events);
}
BENCHMARK(BM_StatsAllDays)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_StatsOneAnglerOneRaft(benchmark::State &state)
{
    const auto days = manyDays(int(state.range(0)));
    const daylog::StatsFilter filter{QStringLiteral("花子"), 2};
    for (auto _ : state)
        benchmark::DoNotOptimize(daylog::dayStats(days, filter));
}
BENCHMARK(BM_StatsOneAnglerOneRaft)->Arg(1000)->Unit(benchmark::kMillisecond);

// One log of each size for the whole run, built on first use.
QString logOf(qint64 days)
{
    static QTemporaryDir dir;
    static std::map<qint64, QString> built;
    auto it = built.find(days);
    if (it != built.end())
        return it->second;
    const QString path = dir.filePath(QStringLiteral("log-%1.sqlite").arg(days));
    if (!statslog::build(path, days))
        return QString();
    return built.emplace(days, path).first->second;
}

void logStats(benchmark::State &state, const daylog::StatsFilter &filter)
{
    const QString path = logOf(state.range(0));
    daylog::DayLogStore store;
    if (path.isEmpty() || !store.open(path)) {
        state.SkipWithError("no log");
        return;
    }
    int days = 0;
    for (auto _ : state)
        days = store.stats(filter).days;
    state.counters["days"] = days;
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}

void BM_LogStatsAllDays(benchmark::State &state) { logStats(state, {}); }
void BM_LogStatsOneAngler(benchmark::State &state) { logStats(state, {QStringLiteral("花子"), 0}); }
void BM_LogStatsOneRaft(benchmark::State &state) { logStats(state, {QString(), 2}); }
void BM_LogStatsOneAnglerOneRaft(benchmark::State &state) { logStats(state, {QStringLiteral("花子"), 2}); }

// Opening the log, as the first look at 統計 in a run of the game does.
void BM_LogOpen(benchmark::State &state)
{
    const QString path = logOf(state.range(0));
    for (auto _ : state) {
        daylog::DayLogStore store;
        if (path.isEmpty() || !store.open(path)) {
            state.SkipWithError("no log");
            return;
        }
    }
}

#define LOG_SIZES Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_LogStatsAllDays)->LOG_SIZES;
BENCHMARK(BM_LogStatsOneAngler)->LOG_SIZES;
BENCHMARK(BM_LogStatsOneRaft)->LOG_SIZES;
BENCHMARK(BM_LogStatsOneAnglerOneRaft)->LOG_SIZES;
BENCHMARK(BM_LogOpen)->LOG_SIZES;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the SQL driver wants one
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
