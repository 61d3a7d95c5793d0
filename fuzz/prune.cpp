// Pruning チヌ記録.txt: the old file kept as チヌ記録.txt.bak, then the
// kept lines written back. Whatever the file held, the lists show what they
// showed, and a pruning that did not happen changed nothing.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "rankings/prune.h"
#include "rankings/rankings.h"
#include "records/datafiles.h"

#include <QFileInfo>

using namespace fuzz;

namespace {

// The game's calls.
prune::Outcome pruneRecords(FileSystem &fs)
{
    return prune::PruneRecordFile(fs, dataDir());
}

QStringList bestTens(const QStringList &lines)
{
    QStringList out;
    for (rankings::Measure measure : rankings::AllMeasures)
        out += rankings::BestTenLines(lines, measure);
    return out;
}

} // namespace

// Parts: チヌ記録.txt (absent when empty), a チヌ記録.txt.bak already there
// (absent when empty).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Parts parts(data, size);
    MemoryFileSystem fs(dataDir());
    const QString recordPath = datafiles::RecordFilePath(dataDir());
    const QString backupPath = prune::BackupPath(dataDir());
    if (!parts.at(0).isEmpty())
        fs.put(recordPath, parts.at(0));
    if (!parts.at(1).isEmpty())
        fs.put(backupPath, parts.at(1));
    const QMap<QString, QByteArray> before = fs.files();
    const datafiles::RecordFile old = datafiles::ReadRecordFile(fs, dataDir());

    const prune::Outcome outcome = pruneRecords(fs);
    if (!outcome.written) {
        check(fs.files().value(recordPath) == before.value(recordPath), "a pruning not done changes nothing");
        return 0;
    }
    check(fs.bytesAt(backupPath) == before.value(recordPath), "the backup holds the old file byte for byte");
    const datafiles::RecordFile now = datafiles::ReadRecordFile(fs, dataDir());
    check(now.hasCountLine && now.declaredCount == now.lines.size(), "the count line counts the lines");
    check(bestTens(now.lines) == bestTens(old.lines), "after a pruning the best-ten lists show what they showed");
    qsizetype from = 0;
    for (const QString &line : now.lines) {
        if (!RecordLine::parse(line))
            continue;
        from = indexOfDay(old.lines, RecordLine::parse(line)->text(), from);
        check(from >= 0, "a pruning keeps only days of the file, in order", line);
        ++from;
    }
    if (strict()) {
        // Lines that are no saved day are somebody's hand-edit: they stay.
        for (const QString &line : old.lines)
            if (!RecordLine::parse(line))
                check(now.lines.contains(line), "a pruning keeps the lines it cannot read", line);
        check(fs.outside().isEmpty(), "pruning touches nothing outside the data folder", fs.outside().join(u' '));
        // Only the game's own go: a temporary it made, or the way back to
        // the copy it replaced.
        for (const QString &gone : fs.removed())
            check(QFileInfo(gone).fileName().startsWith(QStringLiteral(".namiyose-")),
                  "pruning removes only the game's own temporary files", gone);
    }
    return 0;
}
