#include "daylog/store.h"

#include "daylog/ids.h"
#include "daylog/names.h"
#include "daylog/summaries.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <functional>
#include <set>

namespace daylog {
namespace {

// Version 1: days and their events, the fish, tide and rig as captions.
// Version 2: the same tables with keys instead of captions (daylog/ids.h),
// and a summary row of each day for 統計 (daylog/summaries.h).
// Version 3: the summaries keep the minutes fished in each bar's hours and
// with each bait, for 統計's fish per hour.
constexpr int kSchemaVersion = 4;

// The largest log that is checked whole on opening: some 1,500 days of a
// player's, every event kept.
constexpr qint64 kWholeCheckBytes = 8 * 1024 * 1024;

// SQLite's primary result codes, as the driver reports them.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADb = 26;

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("namiyose-log-%1").arg(++counter);
}

int nativeCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : 0;
}

DayLogStore::OpenFailure failureOf(const QSqlError &error)
{
    switch (nativeCode(error)) {
    case kSqliteBusy:
    case kSqliteLocked:
        return DayLogStore::OpenFailure::Locked;
    case kSqliteCorrupt:
    case kSqliteNotADb:
        return DayLogStore::OpenFailure::Corrupt;
    case kSqliteFull:
        return DayLogStore::OpenFailure::Full;
    case kSqliteReadOnly:
    case kSqliteCantOpen:
    default:
        return DayLogStore::OpenFailure::Unwritable;
    }
}

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS days ("
    " id INTEGER PRIMARY KEY,"
    " angler TEXT NOT NULL,"
    " raft INTEGER NOT NULL,"
    " target_fish TEXT NOT NULL,"
    " date TEXT NOT NULL,"
    " end_hour TEXT NOT NULL,"
    " first_high INTEGER NOT NULL,"
    " second_high INTEGER NOT NULL,"
    " earlier_low INTEGER NOT NULL,"
    " later_low INTEGER NOT NULL,"
    " day_file TEXT NOT NULL)",
    // A saved day is logged once; days that were never saved (the
    // simulator's) have no day file and may be many.
    "CREATE UNIQUE INDEX IF NOT EXISTS days_by_file ON days(angler, day_file) WHERE day_file <> ''",
    "CREATE INDEX IF NOT EXISTS days_by_raft ON days(raft)",
    "CREATE TABLE IF NOT EXISTS events ("
    " day_id INTEGER NOT NULL REFERENCES days(id) ON DELETE CASCADE,"
    " seq INTEGER NOT NULL,"
    " kind TEXT NOT NULL,"
    " reason TEXT NOT NULL,"
    " game_minute INTEGER NOT NULL,"
    " tide_level INTEGER NOT NULL,"
    " tide_direction TEXT NOT NULL,"
    " raft INTEGER NOT NULL,"
    " target_fish TEXT NOT NULL,"
    " leader TEXT NOT NULL,"
    " hook TEXT NOT NULL,"
    " bait TEXT NOT NULL,"
    " bite_class INTEGER NOT NULL,"
    " hook_phase INTEGER NOT NULL,"
    " line_strain INTEGER NOT NULL,"
    " draw INTEGER NOT NULL,"
    " band INTEGER NOT NULL,"
    " loss_chance REAL NOT NULL DEFAULT 0,"
    " fish TEXT NOT NULL,"
    " length INTEGER NOT NULL,"
    " PRIMARY KEY (day_id, seq)) WITHOUT ROWID",
};

} // namespace

struct DayLogStore::Private
{
    QString connection = newConnectionName();
    QString path;
    bool open = false;
    OpenFailure failure = OpenFailure::None;
    OpenFailure writeFailure = OpenFailure::None;
    mutable QString error;
    mutable QSqlError sqlError;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }

    bool exec(QSqlQuery &query, const QString &sql) const
    {
        if (query.exec(sql))
            return true;
        sqlError = query.lastError();
        error = sqlError.text();
        return false;
    }
    bool exec(QSqlQuery &query) const
    {
        if (query.exec())
            return true;
        sqlError = query.lastError();
        error = sqlError.text();
        return false;
    }
    // A write that failed on the database (not on a closed store).
    void writeFailed(const QSqlError &e)
    {
        sqlError = e;
        error = e.text();
        writeFailure = failureOf(e);
    }
    bool fail(OpenFailure why, const QSqlError &sqlError)
    {
        failure = why;
        error = sqlError.text();
        return false;
    }
};

namespace {

// Text goes in as text, never as NULL.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

// What the log keeps for a caption, as text.
QVariant key(Vocabulary vocabulary, const QString &caption) { return text(keyForCaption(vocabulary, caption)); }

// Text columns read back as empty rather than null.
QString textAt(const QSqlQuery &q, int column) { return q.value(column).toString(); }

QString captionAt(const QSqlQuery &q, int column, Vocabulary vocabulary)
{
    return captionForKey(vocabulary, textAt(q, column));
}

// Which days to read: an empty angler or file, or a raft of 0, means any.
struct DaySelection
{
    QString angler;
    int raft = 0;
    QString dayFile;
    bool withEventsOnly = false; // only the days whose events were kept
};

// Hands every chosen day with its events in order to take, oldest first, one
// day at a time: the days and all their events are read in one pass each,
// side by side, so that only one day is ever held here. take returns false
// to stop. False, with the error, when the database fails.
bool readDays(const QSqlDatabase &db, const DaySelection &which, const std::function<bool(LoggedDay &&)> &take,
              QSqlError *error)
{
    QString where = QStringLiteral(" WHERE 1");
    if (!which.angler.isEmpty())
        where += QStringLiteral(" AND d.angler = :angler");
    if (which.raft != 0)
        where += QStringLiteral(" AND d.raft = :raft");
    if (!which.dayFile.isEmpty())
        where += QStringLiteral(" AND d.day_file = :file AND d.day_file <> ''");
    if (which.withEventsOnly)
        where += QStringLiteral(" AND EXISTS (SELECT 1 FROM events x WHERE x.day_id = d.id)");
    const auto bind = [&](QSqlQuery &query) {
        if (!which.angler.isEmpty())
            query.bindValue(QStringLiteral(":angler"), which.angler);
        if (which.raft != 0)
            query.bindValue(QStringLiteral(":raft"), which.raft);
        if (!which.dayFile.isEmpty())
            query.bindValue(QStringLiteral(":file"), which.dayFile);
    };

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, angler, raft, target_fish, date, end_hour, first_high,"
                             " second_high, earlier_low, later_low, day_file FROM days d")
              + where + QStringLiteral(" ORDER BY id"));
    bind(q);
    QSqlQuery e(db);
    e.setForwardOnly(true);
    e.prepare(QStringLiteral("SELECT e.day_id, e.kind, e.reason, e.game_minute, e.tide_level,"
                             " e.tide_direction, e.raft, e.target_fish, e.leader, e.hook, e.bait,"
                             " e.bite_class, e.hook_phase, e.line_strain, e.draw, e.band, e.fish,"
                             " e.length, e.loss_chance FROM events e JOIN days d ON d.id = e.day_id")
              + where + QStringLiteral(" ORDER BY e.day_id, e.seq"));
    bind(e);
    if (!q.exec()) {
        *error = q.lastError();
        return false;
    }
    if (!e.exec()) {
        *error = e.lastError();
        return false;
    }
    bool haveEvent = e.next();
    while (q.next()) {
        LoggedDay day;
        day.id = q.value(0).toLongLong();
        day.angler = textAt(q, 1);
        day.raft = q.value(2).toInt();
        day.targetFish = captionAt(q, 3, Vocabulary::Fish);
        day.date = textAt(q, 4);
        day.endHour = textAt(q, 5);
        day.firstHigh = q.value(6).toInt();
        day.secondHigh = q.value(7).toInt();
        day.earlierLow = q.value(8).toInt();
        day.laterLow = q.value(9).toInt();
        day.dayFileName = textAt(q, 10);
        while (haveEvent && e.value(0).toLongLong() < day.id)
            haveEvent = e.next();
        while (haveEvent && e.value(0).toLongLong() == day.id) {
            DayEvent ev;
            // A name this version does not know is kept as the nearest thing
            // it can say: nothing.
            ev.kind = kindFromName(textAt(e, 1)).value_or(EventKind::DayStarted);
            ev.reason = reasonFromName(textAt(e, 2)).value_or(Reason::None);
            ev.gameMinute = e.value(3).toInt();
            ev.tideLevel = e.value(4).toInt();
            ev.tideDirection = captionAt(e, 5, Vocabulary::Tide);
            ev.raft = e.value(6).toInt();
            ev.targetFish = captionAt(e, 7, Vocabulary::Fish);
            ev.leader = captionAt(e, 8, Vocabulary::Leader);
            ev.hook = captionAt(e, 9, Vocabulary::Hook);
            ev.bait = captionAt(e, 10, Vocabulary::Bait);
            ev.biteClass = e.value(11).toInt();
            ev.hookPhase = e.value(12).toInt();
            ev.lineStrain = e.value(13).toInt();
            ev.draw = e.value(14).toInt();
            ev.band = e.value(15).toInt();
            ev.fish = captionAt(e, 16, Vocabulary::Fish);
            ev.length = e.value(17).toInt();
            ev.lossChance = e.value(18).toDouble();
            day.events.push_back(std::move(ev));
            haveEvent = e.next();
        }
        if (!take(std::move(day)))
            return true;
    }
    for (const QSqlQuery *query : {&q, &e}) {
        if (query->lastError().isValid()) {
            *error = query->lastError();
            return false;
        }
    }
    return true;
}

// Turns the caption columns of a version-1 table into keys in one statement,
// built from the values the columns hold: a caption this version knows
// becomes its key, any other is kept whole (see keyForCaption).
bool captionsToKeys(QSqlQuery &q, const QString &table, const std::vector<std::pair<QString, Vocabulary>> &columns)
{
    QStringList names;
    for (const auto &column : columns)
        names << column.first;
    if (!q.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2").arg(names.join(QLatin1Char(',')), table)))
        return false;
    std::vector<std::set<QString>> values(columns.size());
    while (q.next())
        for (size_t i = 0; i < columns.size(); ++i)
            values[i].insert(textAt(q, int(i)));
    q.finish();

    QStringList assignments;
    QVariantList binds;
    for (size_t i = 0; i < columns.size(); ++i) {
        QString cases;
        for (const QString &caption : values[i]) {
            const QString k = keyForCaption(columns[i].second, caption);
            if (k == caption)
                continue;
            cases += QStringLiteral(" WHEN ? THEN ?");
            binds << caption << k;
        }
        if (!cases.isEmpty())
            assignments << QStringLiteral("%1 = CASE %1%2 ELSE %1 END").arg(columns[i].first, cases);
    }
    if (assignments.isEmpty())
        return true;
    if (!q.prepare(QStringLiteral("UPDATE %1 SET %2").arg(table, assignments.join(QStringLiteral(", ")))))
        return false;
    for (const QVariant &value : std::as_const(binds))
        q.addBindValue(value);
    return q.exec();
}

// Version 1 to 2, inside the caller's transaction: the captions become keys,
// and every day gets its summary, read one day at a time.
bool hasColumn(QSqlQuery &q, const QString &table, const QString &column)
{
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)))
        return false;
    bool found = false;
    while (!found && q.next())
        found = q.value(1).toString() == column;
    q.finish();
    return found;
}

bool migrateFromCaptions(QSqlDatabase db, QSqlError *error)
{
    QSqlQuery q(db);
    const bool keyed =
        captionsToKeys(q, QStringLiteral("days"), {{QStringLiteral("target_fish"), Vocabulary::Fish}})
        && captionsToKeys(q, QStringLiteral("events"),
                          {{QStringLiteral("tide_direction"), Vocabulary::Tide},
                           {QStringLiteral("target_fish"), Vocabulary::Fish},
                           {QStringLiteral("leader"), Vocabulary::Leader},
                           {QStringLiteral("hook"), Vocabulary::Hook},
                           {QStringLiteral("bait"), Vocabulary::Bait},
                           {QStringLiteral("fish"), Vocabulary::Fish}});
    if (!keyed) {
        *error = q.lastError();
        return false;
    }
    q.finish();
    QSqlQuery insert(db);
    bool written = true;
    const bool read = readDays(db, DaySelection{}, [&](LoggedDay &&day) {
        written = summaries::write(insert, day.id, day);
        return written;
    }, error);
    if (!written)
        *error = insert.lastError();
    return read && written;
}

// Version 2 to 3, inside the caller's transaction, once the columns are
// there: the minutes fished per bar of every day, from its events where they
// were kept; a day kept as figures only was fished from 7:00 for its minutes
// (the clock starts there and runs to the end), with no bait known.
bool fillMinutesPerBar(QSqlDatabase db, QSqlError *error)
{
    QSqlQuery update(db);
    bool written = true;
    const bool read = readDays(db, DaySelection{{}, 0, {}, true}, [&](LoggedDay &&day) {
        written = summaries::writeMinutesPerBar(update, day.id, statsOfDay(day));
        return written;
    }, error);
    if (!read)
        return false;
    if (!written) {
        *error = update.lastError();
        return false;
    }

    struct Figures
    {
        qint64 id;
        int minutes;
        int earlierLow;
    };
    std::vector<Figures> figuresOnly;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT s.day_id, s.minutes, d.earlier_low FROM day_summaries s JOIN days d ON d.id = s.day_id"
                               " WHERE NOT EXISTS (SELECT 1 FROM events x WHERE x.day_id = s.day_id)"))) {
        *error = q.lastError();
        return false;
    }
    while (q.next())
        figuresOnly.push_back({q.value(0).toLongLong(), q.value(1).toInt(), q.value(2).toInt()});
    q.finish();
    constexpr int dayStarts = 7 * 60;
    for (const Figures &f : figuresOnly) {
        LoggedDay day;
        day.earlierLow = f.earlierLow;
        DayEvent start;
        start.kind = EventKind::DayStarted;
        start.gameMinute = dayStarts;
        DayEvent end;
        end.kind = EventKind::DayEnded;
        end.gameMinute = dayStarts + std::max(0, f.minutes);
        day.events = {start, end};
        if (!summaries::writeMinutesPerBar(update, f.id, statsOfDay(day))) {
            *error = update.lastError();
            return false;
        }
    }
    if (!summaries::sumMinutesPerBar(update)) {
        *error = update.lastError();
        return false;
    }
    return true;
}

// Checks that the file is a database of ours that this version can write,
// and brings its schema up to date. None when it can be used.
DayLogStore::OpenFailure prepare(QSqlDatabase db, QString *error)
{
    QSqlQuery q(db);
    auto failed = [&](const QSqlError &e) {
        *error = e.text();
        return failureOf(e);
    };
    // Reading the header tells a database from anything else.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed(q.lastError());
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kSchemaVersion) {
        *error = QStringLiteral("log version %1 is newer than %2").arg(version).arg(kSchemaVersion);
        return DayLogStore::OpenFailure::Newer;
    }
    // A damaged file may still have a readable header. A log of a player's
    // size is checked whole (SQLite's quick check reads every page); a bigger
    // one of this version (the simulator's many thousand days) in its schema
    // and the totals that 統計 reads, so that 統計 opens at once: damage
    // deeper in it is told by the read or the write that meets it.
    if (!q.exec(QStringLiteral("PRAGMA page_count")) || !q.next())
        return failed(q.lastError());
    const qint64 pages = q.value(0).toLongLong();
    q.finish();
    if (!q.exec(QStringLiteral("PRAGMA page_size")) || !q.next())
        return failed(q.lastError());
    const bool whole = version < kSchemaVersion || pages * q.value(0).toLongLong() <= kWholeCheckBytes;
    q.finish();
    if (!q.exec(whole ? QStringLiteral("PRAGMA quick_check") : QStringLiteral("PRAGMA quick_check(summary_totals)"))
        || !q.next())
        return failed(q.lastError());
    if (q.value(0).toString() != QLatin1String("ok")) {
        *error = q.value(0).toString();
        return DayLogStore::OpenFailure::Corrupt;
    }
    q.finish();

    // Taking the write lock at once tells a locked or read-only database
    // now rather than halfway through a day. An older log is brought up to
    // date in the same transaction: whole, or not at all.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(q.lastError());
    QStringList statements;
    for (const char *statement : kSchema)
        statements << QString::fromLatin1(statement);
    statements << summaries::schema();
    bool ok = true;
    QSqlError e;
    if (version == 2) {
        ok = summaries::addMinutesPerBar(q);
        if (!ok)
            e = q.lastError();
    }
    // Version 4 keeps each loss's exact chance beside its band.
    if (ok && version >= 1 && version <= 3 && !hasColumn(q, QStringLiteral("events"), QStringLiteral("loss_chance"))) {
        ok = q.exec(QStringLiteral("ALTER TABLE events ADD COLUMN loss_chance REAL NOT NULL DEFAULT 0"));
        if (!ok)
            e = q.lastError();
    }
    for (const QString &statement : std::as_const(statements)) {
        if (!ok)
            break;
        if (!q.exec(statement)) {
            ok = false;
            e = q.lastError();
            break;
        }
    }
    if (ok && version == 1)
        ok = migrateFromCaptions(db, &e);
    if (ok && version == 2)
        ok = fillMinutesPerBar(db, &e);
    // An older log said a loss's chance only as its band: that is what it keeps.
    if (ok && version >= 1 && version <= 3) {
        ok = q.exec(QStringLiteral("UPDATE events SET loss_chance = band / 20.0 WHERE band > 0"));
        if (!ok)
            e = q.lastError();
    }
    if (ok && version < kSchemaVersion) {
        ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        if (!ok)
            e = q.lastError();
    }
    if (ok) {
        ok = q.exec(QStringLiteral("COMMIT"));
        if (!ok)
            e = q.lastError();
    }
    if (!ok) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return failed(e);
    }
    // WAL: a reader (the log windows) never blocks the save of a day.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
        return failed(q.lastError());
    q.finish();
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    return DayLogStore::OpenFailure::None;
}

} // namespace

DayLogStore::DayLogStore() : d(new Private) {}

DayLogStore::~DayLogStore()
{
    close();
    delete d;
}

QString DayLogStore::fileName() { return QStringLiteral("namiyose-log.sqlite"); }

QString DayLogStore::pathIn(const QString &dataDir) { return dataDir + QLatin1Char('/') + fileName(); }

int DayLogStore::schemaVersion() { return kSchemaVersion; }

bool DayLogStore::open(const QString &path)
{
    close();
    d->path = path;
    d->failure = OpenFailure::None;
    d->error.clear();

    const QFileInfo info(path);
    if (!info.dir().exists()) {
        d->failure = OpenFailure::Unwritable;
        d->error = QStringLiteral("folder missing: %1").arg(info.absolutePath());
        return false;
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);
        db.setDatabaseName(path);
        // A database held by someone else is given up quickly: the save of
        // the game's files must not wait on the log.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(d->connection);
            return d->fail(failureOf(e), e);
        }
    }

    QString error;
    const OpenFailure failure = prepare(d->db(), &error);
    if (failure != OpenFailure::None) {
        close();
        d->failure = failure;
        d->error = error;
        return false;
    }
    d->open = true;
    return true;
}

void DayLogStore::close()
{
    if (QSqlDatabase::contains(d->connection)) {
        {
            QSqlDatabase db = d->db();
            db.close();
        }
        QSqlDatabase::removeDatabase(d->connection);
    }
    d->open = false;
}

bool DayLogStore::isOpen() const { return d->open; }
QString DayLogStore::path() const { return d->path; }
DayLogStore::OpenFailure DayLogStore::openFailure() const { return d->failure; }
QString DayLogStore::lastError() const { return d->error; }
DayLogStore::OpenFailure DayLogStore::writeFailure() const { return d->writeFailure; }

qint64 DayLogStore::saveDay(const LoggedDay &day, Keep keep)
{
    d->writeFailure = OpenFailure::None;
    if (!d->open) {
        d->error = QStringLiteral("log not open");
        d->writeFailure = OpenFailure::Unwritable;
        return 0;
    }
    QSqlDatabase db = d->db();
    if (!db.transaction()) {
        d->writeFailed(db.lastError());
        return 0;
    }
    auto rollback = [&] {
        if (d->writeFailure == OpenFailure::None)
            d->writeFailed(d->sqlError);
        db.rollback();
        return qint64(0);
    };

    QSqlQuery q(db);
    if (!day.dayFileName.isEmpty()) {
        q.prepare(QStringLiteral("DELETE FROM days WHERE angler = ? AND day_file = ? AND day_file <> ''"));
        q.addBindValue(text(day.angler));
        q.addBindValue(text(day.dayFileName));
        if (!d->exec(q))
            return rollback();
    }
    q.prepare(QStringLiteral("INSERT INTO days (angler, raft, target_fish, date, end_hour, first_high,"
                             " second_high, earlier_low, later_low, day_file)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(text(day.angler));
    q.addBindValue(day.raft);
    q.addBindValue(key(Vocabulary::Fish, day.targetFish));
    q.addBindValue(text(day.date));
    q.addBindValue(text(day.endHour));
    q.addBindValue(day.firstHigh);
    q.addBindValue(day.secondHigh);
    q.addBindValue(day.earlierLow);
    q.addBindValue(day.laterLow);
    q.addBindValue(text(day.dayFileName));
    if (!d->exec(q))
        return rollback();
    const qint64 id = q.lastInsertId().toLongLong();
    if (id <= 0) {
        d->error = QStringLiteral("no id for the day");
        d->writeFailure = OpenFailure::Unwritable;
        return rollback();
    }

    if (keep == Keep::DayWithEvents) {
        q.prepare(QStringLiteral("INSERT INTO events (day_id, seq, kind, reason, game_minute, tide_level,"
                                 " tide_direction, raft, target_fish, leader, hook, bait, bite_class,"
                                 " hook_phase, line_strain, draw, band, fish, length, loss_chance)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        int seq = 0;
        for (const DayEvent &e : day.events) {
            q.addBindValue(id);
            q.addBindValue(seq++);
            q.addBindValue(text(kindName(e.kind)));
            q.addBindValue(text(reasonName(e.reason)));
            q.addBindValue(e.gameMinute);
            q.addBindValue(e.tideLevel);
            q.addBindValue(key(Vocabulary::Tide, e.tideDirection));
            q.addBindValue(e.raft);
            q.addBindValue(key(Vocabulary::Fish, e.targetFish));
            q.addBindValue(key(Vocabulary::Leader, e.leader));
            q.addBindValue(key(Vocabulary::Hook, e.hook));
            q.addBindValue(key(Vocabulary::Bait, e.bait));
            q.addBindValue(e.biteClass);
            q.addBindValue(e.hookPhase);
            q.addBindValue(e.lineStrain);
            q.addBindValue(e.draw);
            q.addBindValue(e.band);
            q.addBindValue(key(Vocabulary::Fish, e.fish));
            q.addBindValue(e.length);
            q.addBindValue(e.lossChance);
            if (!d->exec(q))
                return rollback();
        }
    }
    if (!summaries::write(q, id, day)) {
        d->writeFailed(q.lastError());
        return rollback();
    }
    if (!db.commit()) {
        d->writeFailed(db.lastError());
        return rollback();
    }
    return id;
}

std::vector<LoggedDay> DayLogStore::days(const QString &angler, int raft) const
{
    return d->open ? loadDays(angler, raft, QString()) : std::vector<LoggedDay>();
}

std::vector<LoggedDay> DayLogStore::loadDays(const QString &angler, int raft, const QString &dayFile) const
{
    std::vector<LoggedDay> result;
    QSqlError error;
    const bool read = readDays(d->db(), DaySelection{angler, raft, dayFile}, [&](LoggedDay &&day) {
        result.push_back(std::move(day));
        return true;
    }, &error);
    if (!read) {
        d->sqlError = error;
        d->error = error.text();
        return {};
    }
    return result;
}

DayStats DayLogStore::stats(const StatsFilter &filter) const
{
    if (!d->open) {
        d->error = QStringLiteral("log not open");
        return {};
    }
    QSqlError error;
    const std::optional<DayStats> figures = summaries::figures(d->db(), filter, &error);
    if (!figures) {
        d->sqlError = error;
        d->error = error.text();
        return {};
    }
    return *figures;
}

std::optional<LoggedDay> DayLogStore::dayByFile(const QString &angler, const QString &dayFileName) const
{
    if (!d->open || dayFileName.isEmpty())
        return std::nullopt;
    std::vector<LoggedDay> found = loadDays(angler, 0, dayFileName);
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

bool DayLogStore::deleteDayByFile(const QString &angler, const QString &dayFileName)
{
    d->writeFailure = OpenFailure::None;
    if (!d->open) {
        d->error = QStringLiteral("log not open");
        d->writeFailure = OpenFailure::Unwritable;
        return false;
    }
    if (dayFileName.isEmpty())
        return true;
    QSqlDatabase db = d->db();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM days WHERE angler = ? AND day_file = ? AND day_file <> ''"));
    q.addBindValue(angler);
    q.addBindValue(dayFileName);
    if (d->exec(q))
        return true;
    d->writeFailed(q.lastError());
    return false;
}

} // namespace daylog
