// How many whole days the simulator plays a CPU minute: on the day engine
// alone (the default), and through the real settings and main screens built
// for each day and taken down again (--screens).
#include "headless.h"
#include "simday.h"

#include "prep/rigtexts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

AnglerConfig angler(bool mullet, int endHour, int raft)
{
    AnglerConfig c;
    c.raft = raft;
    c.endHour = endHour;
    c.target = mullet ? rigtexts::Mullet() : rigtexts::Chinu();
    c.leader = mullet ? rigtexts::mulletLeader() : rigtexts::chinuLeaders().value(1);
    c.hook = mullet ? rigtexts::mulletHook() : rigtexts::chinuHooks().value(1);
    c.bait = mullet ? QString() : rigtexts::baits().value(3);
    c.redrop = mullet;
    return c;
}

// Arguments: end hour, raft, mullet (0 or 1).
template <SimDayReport (*Play)(const AnglerConfig &, int, quint64, DayListener *)>
void simDays(benchmark::State &state)
{
    const AnglerConfig config = angler(state.range(2) != 0, int(state.range(0)), int(state.range(1)));
    int day = 0;
    for (auto _ : state) {
        ++day;
        SimDayReport report = Play(config, day, daySeed(1, day), nullptr);
        benchmark::DoNotOptimize(report);
    }
    state.SetItemsProcessed(state.iterations());
    // Per CPU minute: the benchmark's rate is over CPU time.
    state.counters["days_per_cpu_min"] =
        benchmark::Counter(double(state.iterations()) * 60, benchmark::Counter::kIsRate);
}

void BM_SimDay(benchmark::State &state)
{
    simDays<playHeadlessDay>(state);
}
BENCHMARK(BM_SimDay)
    ->ArgNames({"end", "raft", "mullet"})
    ->Args({10, 1, 0})
    ->Args({17, 1, 0})
    ->Args({10, 3, 0})
    ->Args({10, 1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(2.0);

void BM_SimDayThroughScreens(benchmark::State &state)
{
    simDays<playDay>(state);
}
BENCHMARK(BM_SimDayThroughScreens)
    ->ArgNames({"end", "raft", "mullet"})
    ->Args({10, 1, 0})
    ->Args({17, 1, 0})
    ->Args({10, 3, 0})
    ->Args({10, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
