#pragma once

#include "platform/textfiles.h"

#include <QString>
#include <QStringList>

// Saving a day: its day file in the angler's folder and its line first in
// チヌ記録.txt, as one claim. The whole save runs under the record file's
// lock, the day file's name is claimed without ever replacing a file, and a
// note (.namiyose-saving) names the day until its record line is written,
// so a save cut off between the two is finished by whoever takes the lock
// next instead of leaving a day the rankings never count.
namespace datafiles {

struct DayToSave
{
    QString angler;
    QString stamp;       // the minute of the save, "yyyy年MM月dd日HH時mm分"
    int raft = 0;        // 1..5
    QString raftName;
    QStringList entries; // the chinu entries, in the order they were landed
    qint64 count = 0;    // the number of chinu, as the day file's name carries it
    qint64 longest = 0;
    qint64 total = 0;
};

struct DaySaveOutcome
{
    enum class Step {
        Saved,
        DayFileNotWritten,    // nothing was written
        RecordLineNotWritten, // see dayFileKept
    };
    Step step = Step::DayFileNotWritten;
    // With RecordLineNotWritten: the day file stayed (it could not be taken
    // back, or it was there from an earlier try), so the next try finds it.
    bool dayFileKept = false;
    // The stamp the day went under: its own minute, or the next minute whose
    // day file name was free when another day holds that name.
    QString stamp;
    QString fileName;
    QString dayFilePath;
    QString error;
};

DaySaveOutcome SaveDay(FileSystem &fs, const QString &dataDir, const DayToSave &day);

// The note of a save under way: the data folder's ".namiyose-saving".
QString SaveNotePath(const QString &dataDir);

enum class Interrupted {
    None,      // no save was cut off
    Finished,  // a day file without its record line: the line is written now
    Abandoned, // the save was cut off before its day file was there: nothing to finish
    Failed,    // the line could not be written now; the note stays for the next time
};

// Finishes a save that a crash or a kill cut off between its day file and
// its record line. The caller holds the record file's lock.
Interrupted FinishInterruptedSaveHeld(FileSystem &fs, const QString &dataDir, QString *error = nullptr);
// The same, taking the lock itself, and only when a note is there (the
// past-records screen asks at every look).
Interrupted FinishInterruptedSave(FileSystem &fs, const QString &dataDir, QString *error = nullptr);

} // namespace datafiles
