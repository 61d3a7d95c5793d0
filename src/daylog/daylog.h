#pragma once

#include "daylog/dayevent.h"
#include "daylog/store.h"

#include <QString>

#include <memory>

class Dialogs;
struct GameState;

// The day's log for one run of the game: today's events kept in memory from
// スタート on (so that an unsaved day can be looked at too), and the store
// on disk, opened only when a day is saved or a saved day is looked at.
//
// The log is an addition to the game's own files and never stands in their
// way: whatever is wrong with the database (missing folder, locked,
// corrupt, read-only, from a newer game) the save of the day's files has
// already happened and stays; the player is told once per run, a corrupt
// file is kept aside under a new name and a fresh one is started.
namespace daylog {

class DayLog final : public DayEventListener
{
public:
    DayLog(GameState &state, Dialogs &dialogs);
    ~DayLog() override;
    DayLog(const DayLog &) = delete;
    DayLog &operator=(const DayLog &) = delete;

    // A new day begins: who fishes where, the date and the tide hours; the
    // events of an earlier day are dropped.
    void beginDay(const LoggedDay &header);
    // Today so far (no events before beginDay).
    const LoggedDay &today() const { return m_today; }

    void dayEvent(const DayEvent &event) override;

    // Today was saved as dayFileName in the angler's folder: written to the
    // store in one transaction. Returns whether the log holds it; a failure
    // is told once and changes nothing else.
    bool daySaved(const QString &dayFileName);

    // What became of a deleted day's log.
    struct Forgetting
    {
        bool forgotten = false; // the log no longer holds the day
        // For the player, in plain words: why the log still holds the day,
        // or a note on the log itself (a damaged log kept aside); empty
        // when there is nothing to tell.
        QString words;
    };
    // The angler's day file is gone (deleted, or found gone): its log goes
    // too. A day file still there, as the reading gate finds it, keeps its
    // log. Nothing is shown here: the caller tells the player, in words
    // about the deletion.
    Forgetting dayDeleted(const QString &angler, const QString &dayFileName);

    // The store, opened (and mended where it can be) on first use; null when
    // the log cannot be used now.
    DayLogStore *store();
    // Where the store lives: the data folder's "namiyose-log.sqlite".
    QString path() const;

private:
    // Why the log cannot be used now.
    enum class Trouble { None, NotALog, Corrupt, Newer, Locked, Unwritable, Full };

    // The store at the log's path, through the data folder's gate; null,
    // with m_trouble set, when it cannot be used.
    DayLogStore *openedStore();
    bool openStore(const QString &file);
    // The note on a damaged log kept aside, once; empty otherwise.
    QString keptAsideNote();
    void tellOnce(const QString &text);
    QString keepAside(const QString &path) const;
    QString dataDir() const;

    static Trouble troubleOf(DayLogStore::OpenFailure failure);
    // The trouble told after a save (or a look at the log): the day's files are saved.
    static QString savingWords(Trouble trouble);
    // The trouble alone, for a message about something else (a deletion).
    static QString troubleWords(Trouble trouble);

    GameState &m_state;
    Dialogs &m_dialogs;
    LoggedDay m_today;
    bool m_dayBegun = false;
    bool m_told = false;
    Trouble m_trouble = Trouble::None;
    // The name a damaged log was kept under, not yet told.
    QString m_keptAside;
    std::unique_ptr<DayLogStore> m_store;
};

} // namespace daylog
