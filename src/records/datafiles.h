#pragma once

#include "platform/textfiles.h"
#include "records/numberformat.h"
#include "records/recordline.h"

#include <QString>
#include <QStringList>

// The files a player keeps from one run to the next, in the data folder
// "fishingdata": the record file チヌ記録.txt (one line per saved day, all
// anglers, newest first) and one folder per angler with a day file per
// saved day. Every file is CP932 with CR LF after every line, read and
// written whole; every write replaces the file atomically, so a crash
// leaves the old file or the new one.
//
// Malformed files never stop a reader: a count line that is wrong or not a
// number, lines that are short or broken, bytes that are not CP932. The
// lines actually present are what counts; a line that is not a saved day
// is kept in the file as it is and left out of every figure (RecordLine).
namespace datafiles {

// AppDir + "/fishingdata"
QString DataDirectory(const QString &appDir);
// "チヌ記録.txt"
QString RecordFileName();
// dataDir + "/チヌ記録.txt"
QString RecordFilePath(const QString &dataDir);
// dataDir + "/" + angler: the angler's name is the folder's name as typed.
// Empty when that folder would not lie inside the data folder (a name such
// as "..", or a link planted in the data folder), so nothing is made there.
QString AnglerDirectory(const QString &dataDir, const QString &angler);

// Creates the folder (and its parents) when it is missing. True when it
// exists afterwards; callers that only prepare may ignore a failure.
bool EnsureDirectory(FileSystem &fs, const QString &path);

// ---- the record file ----

struct RecordFile
{
    bool found = false;        // チヌ記録.txt exists
    bool readable = true;      // false when it exists but could not be read
    bool validEncoding = true; // every byte was CP932
    bool hasCountLine = false; // line 1 was a number (else it is kept as a line)
    int declaredCount = 0;     // what the count line said (it may be wrong)
    // Every line after the count line, in file order: the saved days
    // (newest first) and any malformed lines, untouched. Blank lines are
    // not kept. lines.size() is the true count.
    QStringList lines;
};

// Reads チヌ記録.txt whole. A missing file gives found = false.
RecordFile ReadRecordFile(const FileSystem &fs, const QString &dataDir);

// "記録" + stamp + longest ("0#") + raft digit + count ("00#") + total
// ("000#") + angler.
QString FormatRecordLine(const QString &stamp, qint64 longest, int raft, qint64 count, qint64 total,
                         const QString &angler);

// Puts the line first in チヌ記録.txt, creating the file with the count 1
// when it is missing. The file is read and replaced under its lock
// (チヌ記録.txt.lock), so a line another copy of the game saved meanwhile
// stays. Every line already there stays, byte for byte, in its
// order, and the count line is written as the true number of lines, whatever
// the old one said. Writes nothing and returns false (with the reason in
// error) when the old file exists but cannot be read, when the line cannot
// be written in CP932, or when the write fails.
bool AddRecordLine(FileSystem &fs, const QString &dataDir, const QString &line, QString *error = nullptr);
// The same for a caller that holds the record file's lock already.
bool AddRecordLineHeld(FileSystem &fs, const QString &dataDir, const QString &line, QString *error = nullptr);

// The record file's lines as they stand in it, each with its text: blank
// lines and the count line left out, the bytes untouched.
struct RecordFileLines
{
    bool validEncoding = true;
    QList<QByteArray> raw;
    QStringList text;
};
RecordFileLines SplitRecordFile(const QByteArray &bytes);
// The whole file for these lines: their number, then each line, CR LF after
// every line.
QByteArray RecordFileBytes(const QList<QByteArray> &lines);

// Replaces チヌ記録.txt by the number of lines (plain digits, "0" for
// none) and the lines. False, writing nothing, when a line cannot be written
// in CP932 or the write fails.
bool RewriteRecordFile(FileSystem &fs, const QString &dataDir, const QStringList &lines,
                       QString *error = nullptr);

// ---- day files ----

// stamp + count ("00#") + raft name + ".txt",
// e.g. "2002年10月05日14時30分005大浜.txt".
QString DayFileName(const QString &stamp, qint64 count, const QString &raftName);

// Creates the day file in the angler's folder: the raft name, then the
// entries. The folder must exist (EnsureDirectory). Never replaces a file
// already there (one holding exactly this day counts as written), and
// writes nothing outside the data folder.
bool WriteDayFile(FileSystem &fs, const QString &dataDir, const QString &angler, const QString &fileName,
                  const QString &raftName, const QStringList &entries, QString *error = nullptr);

// The names of the day files (".txt") in the angler's folder in ascending
// name order, which is the order of their stamps. No folder, no files; an
// angler whose folder would lie outside the data folder has none, and a
// file reached through a link leading out of it is not listed.
QStringList ListDayFiles(const FileSystem &fs, const QString &dataDir, const QString &angler);

struct DayFile
{
    bool found = false;        // the file exists and could be read
    bool validEncoding = true; // every byte was CP932
    QStringList lines;         // the raft name, then the chinu entries
};

// Reads the first count + 1 lines of a day file, the count taken from
// characters 18-20 of its name; a file holding fewer lines gives those it
// holds.
DayFile ReadDayFile(const FileSystem &fs, const QString &dataDir, const QString &angler, const QString &fileName);

// What became of a day file the player chose to delete.
struct DayFileDeletion
{
    enum class Outcome {
        Deleted,     // the file is gone now
        AlreadyGone, // there was no such file (deleted from outside meanwhile)
        Refused,     // a link, a folder, or a name leading out of the data folder: nothing touched
        Failed,      // the file is still there; why tells the reason
    };
    // Why a deletion failed, as the file system answered.
    enum class Why {
        Unknown,
        ReadOnlyDisk, // the disk or the drive is read-only
        NotAllowed,   // the angler's folder is read-only, or not ours to change
        InUse,        // another program holds the file
    };
    Outcome outcome = Outcome::Failed;
    Why why = Why::Unknown;

    // The day file is not there any more.
    bool gone() const { return outcome == Outcome::Deleted || outcome == Outcome::AlreadyGone; }
};

// Deletes one day file. A link, a folder, or a name leading out of the data
// folder is refused before anything is touched. The reason of a failure is
// read from errno as the failed removal left it.
DayFileDeletion DeleteDayFile(FileSystem &fs, const QString &dataDir, const QString &angler, const QString &fileName);

} // namespace datafiles
