// The record file チヌ記録.txt as the past-records screen reads it: the saved
// days, the best-ten lists, the best records of every scope, and the lines a
// pruning would keep, which must show every list as it was.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "rankings/bestrecords.h"
#include "rankings/prune.h"
#include "rankings/rankings.h"
#include "records/datafiles.h"

#include <QSet>

using namespace fuzz;

namespace {

// The game's calls.
datafiles::RecordFile readRecords(const FileSystem &fs)
{
    return datafiles::ReadRecordFile(fs, dataDir());
}

// Everything the screen shows of a set of lines: the best-ten lists and the
// best records of every angler and raft.
QStringList shown(const QStringList &lines, const QStringList &anglers)
{
    QStringList out;
    for (rankings::Measure measure : rankings::AllMeasures)
        out += rankings::BestTenLines(lines, measure);
    const std::vector<RecordLine> days = rankings::SavedDays(lines);
    std::vector<bestrecords::Scope> scopes;
    for (int raft = 0; raft <= 5; ++raft) {
        scopes.push_back({ raft, std::nullopt });
        for (const QString &angler : anglers)
            scopes.push_back({ raft, angler });
    }
    for (const bestrecords::Scope &scope : scopes)
        for (const bestrecords::BestRecord &best : bestrecords::BestRecords(days, scope)) {
            check(best.anglers.size() > 0 && best.dates.size() > 0 && best.rafts.size() > 0,
                  "a best record shows something in each list");
            out << best.key << best.value << best.anglers << best.dates << best.rafts;
        }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MemoryFileSystem fs(dataDir());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fs.put(datafiles::RecordFilePath(dataDir()), bytes);

    const datafiles::RecordFile file = readRecords(fs);
    check(file.found && file.readable, "a record file that is there is read");
    check(file.lines.size() <= bytes.count('\n') + 1, "no more lines than the file holds");
    for (const QString &line : file.lines)
        check(!line.trimmed().isEmpty() && !line.contains(QLatin1Char('\n')), "lines are whole and not blank");

    const std::vector<RecordLine> days = rankings::SavedDays(file.lines);
    QStringList anglers;
    QSet<QString> seen;
    for (const RecordLine &day : days) {
        check(day.raft() >= 0 && day.raft() <= 9, "a raft digit is a digit");
        check(day.longest() >= 0 && day.count() >= 0 && day.total() >= 0, "keys are never negative");
        if (anglers.size() < 6 && !seen.contains(day.angler())) {
            seen.insert(day.angler());
            anglers << day.angler();
        }
    }

    const QStringList kept = prune::PrunedRecordLines(file.lines);
    qsizetype from = 0; // kept lines stand in the file's order
    for (const QString &line : kept) {
        if (!RecordLine::parse(line))
            continue;
        from = indexOfDay(file.lines, RecordLine::parse(line)->text(), from);
        check(from >= 0, "pruning keeps only days of the file, in order", line);
        ++from;
    }
    check(shown(kept, anglers) == shown(file.lines, anglers), "after a pruning every list shows what it showed");
    return 0;
}
