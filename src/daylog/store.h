#pragma once

#include "daylog/dayevent.h"
#include "daylog/stats.h"

#include <QString>

#include <optional>
#include <vector>

// The day's log on disk: one SQLite file "namiyose-log.sqlite" in the data
// folder, beside the game's own files and never instead of them. The record
// files stay the truth for rankings; the log only adds what happened when.
//
// The log keeps the fish, the tide and the rig by key (daylog/ids.h) and
// hands them in and out here as the captions the game shows. Each day has a
// summary row beside it, from which 統計's figures are summed without
// reading a single event. A log of an earlier version (captions, or no
// minutes per bar) is brought up to date when it is first opened.
//
// A day is written whole in one transaction or not at all. Every call
// answers plainly (false, 0, empty) when the store is not open or the
// database fails, with the reason in lastError(); nothing here shows a
// message or throws.
namespace daylog {

class DayLogStore
{
public:
    // Why the last open() failed.
    enum class OpenFailure {
        None,
        Unwritable, // the folder or the file cannot be written (read-only, permissions)
        Locked,     // another program holds the database
        Corrupt,    // not a database, or a damaged one
        Newer,      // written by a newer version of the game: left untouched
        Full,       // the disk has no room for the database or its journal
    };

    DayLogStore();
    ~DayLogStore();
    DayLogStore(const DayLogStore &) = delete;
    DayLogStore &operator=(const DayLogStore &) = delete;

    // "namiyose-log.sqlite"
    static QString fileName();
    // dataDir + "/namiyose-log.sqlite"
    static QString pathIn(const QString &dataDir);
    // The schema version this game writes (PRAGMA user_version).
    static int schemaVersion();

    // Opens (creating when missing) the database at path and brings its
    // schema up to date. False, with openFailure() and lastError() set, when
    // it cannot be used; a file that is not ours is never changed.
    bool open(const QString &path);
    void close();
    bool isOpen() const;
    QString path() const;
    OpenFailure openFailure() const;
    QString lastError() const;
    // Why the last saveDay() or deleteDayByFile() failed, told as open()
    // tells it; None when it did not fail.
    OpenFailure writeFailure() const;

    // What saveDay() keeps of a day besides its header and summary.
    enum class Keep {
        DayWithEvents, // every event, for 釣行記録
        FiguresOnly,   // no events: enough for 統計 (the simulator's many days)
    };

    // Writes the day with its summary (and its events, unless told not to)
    // in one transaction and returns its id (> 0); 0 on failure, with
    // nothing written. A day already stored for the same angler and day file
    // is replaced.
    qint64 saveDay(const LoggedDay &day, Keep keep = Keep::DayWithEvents);

    // Every stored day, oldest first, with its events in order. An empty
    // angler or a raft of 0 means any.
    std::vector<LoggedDay> days(const QString &angler = QString(), int raft = 0) const;

    // 統計's figures over the days that pass the filter, summed from the
    // days' summaries; all zero when there are none or the database fails.
    DayStats stats(const StatsFilter &filter = {}) const;

    // The day saved as dayFileName by the angler, if it was logged.
    std::optional<LoggedDay> dayByFile(const QString &angler, const QString &dayFileName) const;

    // Forgets the day saved as dayFileName by the angler (its day file was
    // deleted). True when it is gone afterwards, including when it was never
    // logged.
    bool deleteDayByFile(const QString &angler, const QString &dayFileName);

private:
    std::vector<LoggedDay> loadDays(const QString &angler, int raft, const QString &dayFile) const;

    struct Private;
    Private *d;
};

} // namespace daylog
