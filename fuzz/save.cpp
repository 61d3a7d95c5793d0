// Saving a day as today's catch saves it: the day file claimed in the
// angler's folder, then the record line put first in チヌ記録.txt, under the
// record file's lock. The files already there may hold anything, a save cut
// off earlier may have left its note; the angler's name is one the settings
// screen accepts.
#include "support/harness.h"
#include "support/memoryfs.h"

#include "prep/anglerlist.h"
#include "prep/settingsrules.h"
#include "records/datafiles.h"
#include "records/daysave.h"

using namespace fuzz;

namespace {

const QString stamp = QStringLiteral("2002年10月05日14時30分");

struct PlayedDay
{
    QString angler;
    QString raftName;
    int raft = 1;
    QStringList entries;
    qint64 longest = 0;
    qint64 total = 0;
};

} // namespace

// Parts: チヌ記録.txt (absent when empty); the angler (UTF-8); the day (a
// byte for the raft, a byte per chinu for its length); a day file already
// there under the same name (absent when empty); the note of a save cut off
// earlier (absent when empty).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Parts parts(data, size);
    PlayedDay day;
    day.angler = settings::cleanAnglerName(QString::fromUtf8(parts.at(1)));
    if (settings::checkAnglerName(day.angler).problem != settings::NameProblem::None)
        return 0; // the settings screen would not let this angler cross
    static const QStringList rafts{ QStringLiteral("大浜"), QStringLiteral("小浜"), QStringLiteral("岬"),
                                    QStringLiteral("沖の瀬"), QStringLiteral("湾口") };
    const QByteArray catchBytes = parts.at(2);
    day.raft = 1 + (catchBytes.isEmpty() ? 0 : quint8(catchBytes[0]) % 5);
    day.raftName = rafts.at(day.raft - 1);
    for (qsizetype i = 1; i < catchBytes.size() && i <= 60; ++i) {
        const int length = 15 + quint8(catchBytes[i]) % 50;
        day.entries << CatchEntry(QStringLiteral("チヌ"), length);
        day.longest = std::max<qint64>(day.longest, length);
        day.total += length;
    }
    if (day.entries.isEmpty())
        return 0; // a day without chinu saves nothing

    MemoryFileSystem fs(dataDir());
    const QString recordPath = datafiles::RecordFilePath(dataDir());
    if (!parts.at(0).isEmpty())
        fs.put(recordPath, parts.at(0));
    const QString fileName = datafiles::DayFileName(stamp, day.entries.size(), day.raftName);
    const QString dayPath = datafiles::AnglerDirectory(dataDir(), day.angler) + QLatin1Char('/') + fileName;
    const QByteArray earlierDay = parts.at(3);
    if (!earlierDay.isEmpty())
        fs.put(dayPath, earlierDay);
    const QString notePath = datafiles::SaveNotePath(dataDir());
    if (!parts.at(4).isEmpty())
        fs.put(notePath, parts.at(4));
    const QMap<QString, QByteArray> before = fs.files();
    const std::optional<QByteArray> oldRecords = fs.bytesAt(recordPath);
    const bool oldCount = datafiles::ReadRecordFile(fs, dataDir()).hasCountLine;

    datafiles::DayToSave toSave;
    toSave.angler = day.angler;
    toSave.stamp = stamp;
    toSave.raft = day.raft;
    toSave.raftName = day.raftName;
    toSave.entries = day.entries;
    toSave.count = day.entries.size();
    toSave.longest = day.longest;
    toSave.total = day.total;
    const datafiles::DaySaveOutcome outcome = datafiles::SaveDay(fs, dataDir(), toSave);
    const bool savedDay = outcome.step == datafiles::DaySaveOutcome::Step::Saved;
    const QString savedName = outcome.fileName;
    const QString line = datafiles::FormatRecordLine(outcome.stamp, day.longest, day.raft, day.entries.size(),
                                                     day.total, day.angler);
    check(outcome.fileName == datafiles::DayFileName(outcome.stamp, day.entries.size(), day.raftName),
          "the day file's name carries the record line's stamp");
    struct
    {
        bool dayFile;
        bool recordLine;
    } saved{savedDay, savedDay};
    if (!saved.recordLine && parts.at(4).isEmpty())
        check(fs.bytesAt(recordPath) == oldRecords, "a record file not written is left as it was");
    if (saved.recordLine) {
        const QList<QByteArray> now = byteLines(*fs.bytesAt(recordPath));
        check(now.size() >= 2 && now.at(1) == cp932::encode(line), "the new day comes first");
        check(now.first().toLongLong() == now.size() - 1, "the count line counts the lines");
        // Every line that was there stays, byte for byte, in its order; only
        // the old count line gives way to the new one.
        QList<QByteArray> old = oldRecords ? byteLines(*oldRecords) : QList<QByteArray>();
        old.removeIf([](const QByteArray &oldLine) { return cp932::decode(oldLine).trimmed().isEmpty(); });
        if (oldRecords && !old.isEmpty() && oldCount)
            old.removeFirst();
        qsizetype from = 2;
        for (const QByteArray &oldLine : std::as_const(old)) {
            from = now.indexOf(oldLine, from);
            check(from >= 0, "saving keeps every line of the record file", QString::fromLatin1(oldLine.toHex()));
            ++from;
        }
    }
    if (saved.dayFile) {
        const datafiles::DayFile back = datafiles::ReadDayFile(fs, dataDir(), day.angler, savedName);
        check(back.found && back.lines == QStringList{ day.raftName } + day.entries, "the day file reads back");
    }
    if (strict()) {
        check(saved.dayFile && saved.recordLine, "an accepted angler's day is saved", day.angler);
        for (const QString &own : { recordPath, anglerListPath(dataDir()), recordPath + QStringLiteral(".bak") })
            check(!fs.isDirectory(own), "an angler's folder never stands where a data file belongs", own);
        check(fs.outside().isEmpty(), "saving touches nothing outside the data folder", fs.outside().join(u' '));
        for (auto it = before.constBegin(); it != before.constEnd(); ++it)
            if (it.key() != recordPath && it.key() != notePath)
                check(fs.bytesAt(it.key()) == it.value(), "no file already there is replaced", it.key());
        for (const QString &gone : fs.removed())
            check(gone == notePath || !before.contains(gone), "only the game's own files are removed", gone);
        check(!fs.bytesAt(notePath), "a finished save leaves no note");
    }
    return 0;
}
