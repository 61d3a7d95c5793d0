#include "prune.h"

#include "rankings/rankings.h"
#include "records/datafiles.h"

#include <QHash>
#include <array>

namespace prune {

QStringList PrunedRecordLines(const QStringList &recordLines)
{
    const std::vector<RecordLine> days = rankings::SavedDays(recordLines);

    // The days of each angler at each raft digit, in file order. Every
    // angler counts, listed in 釣り人.txt or not (a list that could not be
    // written), and so does a digit that names no raft: such a day still
    // shows among the angler's records over every raft.
    QHash<QStringView, size_t> anglerIndex; // views into days, which outlive it
    std::vector<size_t> anglerOf(days.size());
    for (size_t i = 0; i < days.size(); ++i) {
        const QStringView angler = QStringView(days[i].text()).mid(29);
        auto it = anglerIndex.constFind(angler);
        if (it == anglerIndex.constEnd())
            it = anglerIndex.insert(angler, size_t(anglerIndex.size()));
        anglerOf[i] = it.value();
    }
    const size_t anglerCount = size_t(anglerIndex.size());
    std::vector<std::vector<size_t>> groups(10 * anglerCount);
    for (size_t i = 0; i < days.size(); ++i)
        groups[size_t(days[i].raft()) * anglerCount + anglerOf[i]].push_back(i);

    std::vector<bool> kept(days.size(), false);
    for (const std::vector<size_t> &group : groups) {
        std::array<int, 3> best { -1, -1, -1 };
        for (size_t day : group)
            for (size_t m = 0; m < 3; ++m)
                best[m] = std::max(best[m], rankings::Key(days[day], rankings::AllMeasures[m]));
        for (size_t day : group)
            for (size_t m = 0; m < 3; ++m)
                if (rankings::Key(days[day], rankings::AllMeasures[m]) == best[m])
                    kept[day] = true;
    }

    for (rankings::Measure measure : rankings::AllMeasures) {
        const std::vector<qsizetype> order = rankings::SortedBy(days, measure);
        // The best ten and every day tied with the tenth, however many.
        size_t end = order.size();
        if (order.size() > 10) {
            const int tenth = rankings::Key(days[size_t(order[9])], measure);
            for (size_t p = 10; p < order.size(); ++p)
                if (rankings::Key(days[size_t(order[p])], measure) < tenth) {
                    end = p;
                    break;
                }
        }
        for (size_t p = 0; p < end; ++p)
            kept[size_t(order[p])] = true;
    }

    // Written back in the file's own order, newest first: days that share a
    // value keep their places in every list.
    QStringList result;
    for (size_t i = 0; i < days.size(); ++i)
        if (kept[i])
            result << days[i].text();
    return result;
}

QString BackupPath(const QString &dataDir)
{
    return datafiles::RecordFilePath(dataDir) + QStringLiteral(".bak");
}

Outcome PruneRecordFile(FileSystem &fs, const QString &dataDir)
{
    Outcome outcome;
    const datafiles::RecordFile file = datafiles::ReadRecordFile(fs, dataDir);
    outcome.lines = file.lines;
    const std::optional<QByteArray> oldBytes
        = file.found && file.readable ? fs.readAll(datafiles::RecordFilePath(dataDir)) : std::nullopt;
    if (!oldBytes) {
        outcome.error = QStringLiteral("the record file cannot be read");
        return outcome;
    }
    // Without the copy a pruning could not be undone: leave the file alone.
    if (!fs.writeAll(BackupPath(dataDir), *oldBytes, &outcome.error))
        return outcome;
    const QStringList kept = PrunedRecordLines(file.lines);
    if (!datafiles::RewriteRecordFile(fs, dataDir, kept, &outcome.error))
        return outcome;
    outcome.written = true;
    outcome.lines = kept;
    return outcome;
}

} // namespace prune
