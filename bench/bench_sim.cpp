// How many whole days the headless simulator plays per second: the real
// settings and main screens built for each day, the day played on virtual
// time with a watching angler, the screens taken down again.
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
void BM_SimDay(benchmark::State &state)
{
    const AnglerConfig config = angler(state.range(2) != 0, int(state.range(0)), int(state.range(1)));
    int day = 0;
    for (auto _ : state) {
        ++day;
        SimDayReport report = playDay(config, day, daySeed(1, day), nullptr);
        benchmark::DoNotOptimize(report);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["days_per_min"] =
        benchmark::Counter(double(state.iterations()) * 60, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimDay)
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
