#include "prune.h"

#include "rankings/rankings.h"
#include "datafolder/datafolder.h"
#include "platform/filelock.h"
#include "records/datafiles.h"
#include "records/daysave.h"
#include "records/recordline.h"

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
    const QString path = datafiles::RecordFilePath(dataDir);
    // Decided from the file as it is now, under its lock: a day another copy
    // of the game saved since the screen opened is judged like the others.
    const FileLock lock = fs.lock(path);
    if (!lock.locked()) {
        outcome.error = lock.error();
        return outcome;
    }
    // A save cut off before its record line is finished first: its day is
    // judged with the others.
    datafiles::FinishInterruptedSaveHeld(fs, dataDir);
    const std::optional<QByteArray> oldBytes
        = fs.exists(path) && datafolder::mayRead(dataDir, path) ? fs.readAll(path) : std::nullopt;
    if (!oldBytes) {
        outcome.error = QStringLiteral("the record file cannot be read");
        return outcome;
    }
    const datafiles::RecordFileLines file = datafiles::SplitRecordFile(*oldBytes);
    outcome.lines = file.text;
    if (!file.validEncoding) {
        // Text we cannot read is no ground for deleting anything.
        outcome.error = QStringLiteral("the record file holds bytes that are not CP932");
        return outcome;
    }

    // The kept days, in file order, matched back to their own bytes; the
    // lines that are not saved days follow them untouched.
    const QStringList keptDays = PrunedRecordLines(file.text);
    QList<QByteArray> raw;
    QStringList text;
    QList<QByteArray> otherRaw;
    QStringList otherText;
    qsizetype next = 0;
    for (qsizetype i = 0; i < file.text.size(); ++i) {
        const std::optional<RecordLine> day = RecordLine::parse(file.text[i]);
        if (!day) {
            otherRaw << file.raw[i];
            otherText << file.text[i];
        } else if (next < keptDays.size() && day->text() == keptDays[next]) {
            raw << file.raw[i];
            text << file.text[i];
            ++next;
        }
    }
    raw << otherRaw;
    text << otherText;

    // Without a proven copy a pruning could not be undone: leave the file
    // alone. A copy already there that holds these bytes stays as it is;
    // any other is replaced only by a complete one, and comes back when the
    // pruning fails after all.
    const QString backup = BackupPath(dataDir);
    const std::optional<QByteArray> oldBackup
        = datafolder::mayRead(dataDir, backup) ? fs.readAll(backup) : std::nullopt;
    QString earlier; // a second name of the copy that was there
    if (oldBackup != oldBytes) {
        const bool hadBackup = fs.exists(backup);
        if (hadBackup) {
            earlier = freshTemporaryPath(backup);
            bool unsupported = false;
            if (!fs.linkFile(backup, earlier, &unsupported)) {
                if (!unsupported) {
                    outcome.error = QStringLiteral("the old copy cannot be kept aside");
                    return outcome;
                }
                earlier.clear(); // a memory stick: prune without that way back
            }
        }
        const auto undo = [&] {
            if (!earlier.isEmpty())
                fs.renameFile(earlier, backup);
            else if (!hadBackup)
                fs.removeFile(backup);
        };
        if (!fs.writeAll(backup, *oldBytes, &outcome.error)) {
            if (!earlier.isEmpty())
                fs.removeFile(earlier);
            return outcome;
        }
        if (fs.readAll(backup) != oldBytes) {
            outcome.error = QStringLiteral("the copy of the record file does not read back as written");
            undo();
            return outcome;
        }
        if (!fs.writeAll(path, datafiles::RecordFileBytes(raw), &outcome.error)) {
            undo();
            return outcome;
        }
        if (!earlier.isEmpty())
            fs.removeFile(earlier);
    } else if (!fs.writeAll(path, datafiles::RecordFileBytes(raw), &outcome.error)) {
        return outcome;
    }
    outcome.written = true;
    outcome.lines = text;
    outcome.keptDays = int(keptDays.size());
    return outcome;
}

} // namespace prune
