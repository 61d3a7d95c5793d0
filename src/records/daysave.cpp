#include "daysave.h"

#include "datafolder/datafolder.h"
#include "platform/filelock.h"
#include "records/datafiles.h"
#include "records/numberformat.h"
#include "records/recordline.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace datafiles {

namespace {

const QByteArray noteHeader = QByteArrayLiteral("namiyose-saving 1");

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// What a save under way writes down before it claims its day file's name:
// whose day, under which name, the bytes it holds and the record line that
// is still to come.
struct SaveNote
{
    QString angler;
    QString fileName;
    QByteArray digest; // SHA-256 of the day file's bytes, hex
    QString recordLine;

    QByteArray bytes() const
    {
        return noteHeader + '\n' + angler.toUtf8() + '\n' + fileName.toUtf8() + '\n' + digest + '\n'
            + recordLine.toUtf8() + '\n';
    }
    static std::optional<SaveNote> parse(const QByteArray &bytes)
    {
        const QList<QByteArray> lines = bytes.split('\n');
        if (lines.size() < 5 || lines[0] != noteHeader)
            return std::nullopt;
        SaveNote note{QString::fromUtf8(lines[1]), QString::fromUtf8(lines[2]), lines[3], QString::fromUtf8(lines[4])};
        if (note.angler.isEmpty() || note.fileName.isEmpty() || note.digest.size() != 64)
            return std::nullopt;
        // The line must be the record of the day file it names.
        const std::optional<RecordLine> record = RecordLine::parse(note.recordLine);
        const std::optional<DayFileNameParts> name = ParseDayFileName(note.fileName);
        if (!record || !name || record->angler() != note.angler || record->stamp() != name->stamp
            || record->count() != name->count)
            return std::nullopt;
        return note;
    }
};

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Whether the record file holds this very line.
bool recordFileHolds(const FileSystem &fs, const QString &dataDir, const QString &line)
{
    const QString path = RecordFilePath(dataDir);
    if (!fs.exists(path) || !datafolder::mayRead(dataDir, path))
        return false;
    const std::optional<QByteArray> bytes = fs.readAll(path);
    return bytes && SplitRecordFile(*bytes).text.contains(line);
}

std::optional<QByteArray> dayFileBytes(const DayToSave &day)
{
    QStringList lines{day.raftName};
    lines.append(day.entries);
    for (const QString &line : std::as_const(lines))
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            return std::nullopt;
    bool encoded = false;
    const QByteArray bytes = textFileBytes(lines, &encoded);
    if (!encoded)
        return std::nullopt;
    return bytes;
}

struct Finish
{
    Interrupted outcome = Interrupted::None;
    std::optional<SaveNote> note; // the save that was finished
};

Finish finishHeld(FileSystem &fs, const QString &dataDir, QString *error)
{
    const QString notePath = SaveNotePath(dataDir);
    if (!fs.exists(notePath)
        || !datafolder::pathFor(dataDir, {QFileInfo(notePath).fileName()}, datafolder::Use::Write))
        return {};
    const std::optional<QByteArray> noteBytes = fs.readAll(notePath);
    if (!noteBytes)
        return {}; // a folder or something unreadable of that name is nobody's note
    Finish finish{Interrupted::Abandoned, SaveNote::parse(*noteBytes)};
    if (finish.note) {
        const std::optional<QString> dayPath
            = datafolder::pathFor(dataDir, {finish.note->angler, finish.note->fileName}, datafolder::Use::Read);
        const std::optional<QByteArray> day = dayPath ? fs.readAll(*dayPath) : std::nullopt;
        // Only the very day the note names: a file of that name holding
        // another day is that other day's.
        if (day && digestOf(*day) == finish.note->digest) {
            if (!recordFileHolds(fs, dataDir, finish.note->recordLine)
                && !AddRecordLineHeld(fs, dataDir, finish.note->recordLine, error))
                return {Interrupted::Failed, std::nullopt};
            finish.outcome = Interrupted::Finished;
        }
    }
    fs.removeFile(notePath);
    return finish;
}

} // namespace

QString SaveNotePath(const QString &dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral(".namiyose-saving"));
}

Interrupted FinishInterruptedSaveHeld(FileSystem &fs, const QString &dataDir, QString *error)
{
    return finishHeld(fs, dataDir, error).outcome;
}

Interrupted FinishInterruptedSave(FileSystem &fs, const QString &dataDir, QString *error)
{
    if (!fs.exists(SaveNotePath(dataDir)))
        return Interrupted::None;
    const FileLock lock = fs.lock(RecordFilePath(dataDir));
    if (!lock.locked()) {
        setError(error, lock.error());
        return Interrupted::Failed;
    }
    return FinishInterruptedSaveHeld(fs, dataDir, error);
}

DaySaveOutcome SaveDay(FileSystem &fs, const QString &dataDir, const DayToSave &day)
{
    DaySaveOutcome outcome;
    outcome.stamp = day.stamp;
    outcome.fileName = DayFileName(day.stamp, day.count, day.raftName);
    const QString folder = AnglerDirectory(dataDir, day.angler);
    outcome.dayFilePath = QDir(folder).filePath(outcome.fileName);

    const std::optional<QByteArray> bytes = dayFileBytes(day);
    if (!bytes) {
        setError(&outcome.error, QStringLiteral("a line of the day cannot be written in CP932"));
        return outcome;
    }

    // One save at a time on the folder, whichever copy of the game makes it:
    // the name of the day file, the day file and the record line are one
    // claim.
    const FileLock lock = fs.lock(RecordFilePath(dataDir));
    if (!lock.locked()) {
        outcome.step = DaySaveOutcome::Step::RecordLineNotWritten;
        setError(&outcome.error, lock.error());
        return outcome;
    }
    // A save left half done comes first, so that its day is counted and its
    // note does not stand in this one's way. It may be this very day, from
    // a try whose record line failed: then that try is finished now.
    const Finish earlier = finishHeld(fs, dataDir, &outcome.error);
    if (earlier.outcome == Interrupted::Failed) {
        outcome.step = DaySaveOutcome::Step::RecordLineNotWritten;
        return outcome;
    }
    if (earlier.outcome == Interrupted::Finished && earlier.note->angler == day.angler
        && earlier.note->digest == digestOf(*bytes)
        && earlier.note->recordLine
            == FormatRecordLine(RecordLine::parse(earlier.note->recordLine)->stamp(), day.longest, day.raft,
                                day.count, day.total, day.angler)) {
        outcome.step = DaySaveOutcome::Step::Saved;
        outcome.fileName = earlier.note->fileName;
        outcome.stamp = RecordLine::parse(earlier.note->recordLine)->stamp();
        outcome.dayFilePath = QDir(folder).filePath(outcome.fileName);
        outcome.error.clear();
        return outcome;
    }

    if (folder.isEmpty()) {
        setError(&outcome.error, QStringLiteral("the angler's folder would lie outside the data folder"));
        return outcome;
    }
    // The folder may have failed at load or gone since: make it now.
    EnsureDirectory(fs, folder);
    const QString notePath = SaveNotePath(dataDir);
    const QDateTime at = QDateTime::fromString(day.stamp, QStringLiteral("yyyy年MM月dd日HH時mm分"));
    // A day's worth of minutes is more saves than anybody makes.
    const int tries = at.isValid() ? 24 * 60 + 1 : 1;
    bool created = false;
    bool claimed = false;
    for (int minute = 0; minute < tries && !claimed; ++minute) {
        const QString stamp = minute == 0 ? day.stamp : numberformat::SaveStamp(at.addSecs(60 * minute));
        const QString name = DayFileName(stamp, day.count, day.raftName);
        const std::optional<QString> path
            = datafolder::pathFor(dataDir, {day.angler, name}, datafolder::Use::Write);
        if (!path)
            continue; // a link planted under that name: never written through
        const QString line = FormatRecordLine(stamp, day.longest, day.raft, day.count, day.total, day.angler);
        outcome.stamp = stamp;
        outcome.fileName = name;
        outcome.dayFilePath = *path;
        if (fs.exists(*path)) {
            // This very day from a try whose record line failed is taken up
            // again; the same day with its line already written is another
            // save of an equal day, which gets a name of its own.
            const std::optional<QByteArray> there = fs.readAll(*path);
            if (there != bytes || recordFileHolds(fs, dataDir, line))
                continue;
            claimed = true;
        }
        const SaveNote note{day.angler, name, digestOf(*bytes), line};
        if (!fs.writeAll(notePath, note.bytes(), &outcome.error))
            return outcome;
        if (claimed)
            break;
        bool taken = false;
        created = fs.createNew(*path, *bytes, &taken, &outcome.error);
        claimed = created;
        if (!created && !taken) {
            fs.removeFile(notePath);
            return outcome;
        }
    }
    if (!claimed) {
        fs.removeFile(notePath);
        setError(&outcome.error, QStringLiteral("no free name for the day file"));
        return outcome;
    }

    const QString line = FormatRecordLine(outcome.stamp, day.longest, day.raft, day.count, day.total, day.angler);
    if (!AddRecordLineHeld(fs, dataDir, line, &outcome.error)) {
        // Without its record line the day is not saved: its file goes too,
        // so that the next try starts from the same files.
        outcome.step = DaySaveOutcome::Step::RecordLineNotWritten;
        outcome.dayFileKept = !(created && fs.removeFile(outcome.dayFilePath));
        // A day file that stays keeps its note: the next save, pruning or
        // look at the past records writes its line.
        if (!outcome.dayFileKept)
            fs.removeFile(notePath);
        return outcome;
    }
    fs.removeFile(notePath);
    outcome.step = DaySaveOutcome::Step::Saved;
    outcome.error.clear();
    return outcome;
}

} // namespace datafiles
