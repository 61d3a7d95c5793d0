// How long the past-records screen's lists take on a big record file: a
// best-ten list, the best records of everybody and of one angler at one
// raft, and a pruning, each starting from the file on disk.
#include "rankings/bestrecords.h"
#include "rankings/prune.h"
#include "rankings/rankings.h"
#include "recordfixture.h"
#include "records/datafiles.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// One data folder per size, written once.
struct Folder
{
    QTemporaryDir dir;
    QByteArray bytes; // the record file as written
};

const QStringList &anglers()
{
    static const QStringList names = recordfixture::anglerNames(60);
    return names;
}

Folder &folderFor(int lines)
{
    static std::map<int, std::unique_ptr<Folder>> folders;
    std::unique_ptr<Folder> &folder = folders[lines];
    if (!folder) {
        folder = std::make_unique<Folder>();
        FileSystem files;
        datafiles::RewriteRecordFile(files, folder->dir.path(), recordfixture::generated(lines, anglers()));
        folder->bytes = *files.readAll(datafiles::RecordFilePath(folder->dir.path()));
    }
    return *folder;
}

QStringList readLines(const Folder &folder)
{
    FileSystem files;
    return datafiles::ReadRecordFile(files, folder.dir.path()).lines;
}

void BestTen(benchmark::State &state)
{
    const Folder &folder = folderFor(int(state.range(0)));
    for (auto _ : state) {
        const QStringList list = rankings::BestTenLines(readLines(folder), rankings::Measure::Longest);
        benchmark::DoNotOptimize(list.size());
    }
}

void BestRecordsOfEverybody(benchmark::State &state)
{
    const Folder &folder = folderFor(int(state.range(0)));
    for (auto _ : state) {
        const auto bests = bestrecords::BestRecords(rankings::SavedDays(readLines(folder)), bestrecords::Scope {});
        benchmark::DoNotOptimize(bests[0].dates.size());
    }
}

void BestRecordsOfOneAnglerAtOneRaft(benchmark::State &state)
{
    const Folder &folder = folderFor(int(state.range(0)));
    bestrecords::Scope scope;
    scope.raft = 3;
    scope.angler = anglers().first();
    for (auto _ : state) {
        const auto bests = bestrecords::BestRecords(rankings::SavedDays(readLines(folder)), scope);
        benchmark::DoNotOptimize(bests[0].dates.size());
    }
}

// Read, keep a copy, rewrite: the whole of the angler's "はい".
void PruneFile(benchmark::State &state)
{
    Folder &folder = folderFor(int(state.range(0)));
    FileSystem files;
    const QString path = datafiles::RecordFilePath(folder.dir.path());
    qsizetype kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        files.writeAll(path, folder.bytes);
        state.ResumeTiming();
        kept = prune::PruneRecordFile(files, folder.dir.path()).lines.size();
    }
    files.writeAll(path, folder.bytes);
    state.counters["kept"] = double(kept);
}

void Sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(250)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BestTen)->Apply(Sizes);
BENCHMARK(BestRecordsOfEverybody)->Apply(Sizes);
BENCHMARK(BestRecordsOfOneAnglerAtOneRaft)->Apply(Sizes);
BENCHMARK(PruneFile)->Apply(Sizes);

BENCHMARK_MAIN();
