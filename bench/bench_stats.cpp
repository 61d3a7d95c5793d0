// The statistics of the 統計 window over 1,000 busy logged days: every filter
// change recounts them, so it must stay well under a tenth of a second.
#include "busyday.h"
#include "daylog/stats.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
