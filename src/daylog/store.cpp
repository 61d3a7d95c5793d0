#include "daylog/store.h"

#include "daylog/names.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace daylog {
namespace {

// Version 1: days and their events.
constexpr int kSchemaVersion = 1;

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
    // A damaged file may still have a readable header.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return failed(q.lastError());
    if (q.value(0).toString() != QLatin1String("ok")) {
        *error = q.value(0).toString();
        return DayLogStore::OpenFailure::Corrupt;
    }
    q.finish();

    // Taking the write lock at once tells a locked or read-only database
    // now rather than halfway through a day.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(q.lastError());
    bool ok = true;
    for (const char *statement : kSchema) {
        if (!q.exec(QString::fromLatin1(statement))) {
            ok = false;
            break;
        }
    }
    if (ok && version < kSchemaVersion)
        ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (ok)
        ok = q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QSqlError e = q.lastError();
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

// Text goes in as text, never as NULL.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
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

qint64 DayLogStore::saveDay(const LoggedDay &day)
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
        q.prepare(QStringLiteral("DELETE FROM days WHERE angler = ? AND day_file = ?"));
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
    q.addBindValue(text(day.targetFish));
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

    q.prepare(QStringLiteral("INSERT INTO events (day_id, seq, kind, reason, game_minute, tide_level,"
                             " tide_direction, raft, target_fish, leader, hook, bait, bite_class,"
                             " hook_phase, line_strain, draw, band, fish, length)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    int seq = 0;
    for (const DayEvent &e : day.events) {
        q.addBindValue(id);
        q.addBindValue(seq++);
        q.addBindValue(text(kindName(e.kind)));
        q.addBindValue(text(reasonName(e.reason)));
        q.addBindValue(e.gameMinute);
        q.addBindValue(e.tideLevel);
        q.addBindValue(text(e.tideDirection));
        q.addBindValue(e.raft);
        q.addBindValue(text(e.targetFish));
        q.addBindValue(text(e.leader));
        q.addBindValue(text(e.hook));
        q.addBindValue(text(e.bait));
        q.addBindValue(e.biteClass);
        q.addBindValue(e.hookPhase);
        q.addBindValue(e.lineStrain);
        q.addBindValue(e.draw);
        q.addBindValue(e.band);
        q.addBindValue(text(e.fish));
        q.addBindValue(e.length);
        if (!d->exec(q))
            return rollback();
    }
    if (!db.commit()) {
        d->writeFailed(db.lastError());
        return rollback();
    }
    return id;
}

namespace {

// Text columns read back as empty rather than null.
QString textAt(const QSqlQuery &q, int column) { return q.value(column).toString(); }

} // namespace

std::vector<LoggedDay> DayLogStore::days(const QString &angler, int raft) const
{
    return d->open ? loadDays(angler, raft, QString()) : std::vector<LoggedDay>();
}

std::vector<LoggedDay> DayLogStore::loadDays(const QString &angler, int raft, const QString &dayFile) const
{
    std::vector<LoggedDay> result;
    QSqlDatabase db = d->db();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString where = QStringLiteral(" WHERE 1");
    if (!angler.isEmpty())
        where += QStringLiteral(" AND d.angler = :angler");
    if (raft != 0)
        where += QStringLiteral(" AND d.raft = :raft");
    if (!dayFile.isEmpty())
        where += QStringLiteral(" AND d.day_file = :file");

    q.prepare(QStringLiteral("SELECT id, angler, raft, target_fish, date, end_hour, first_high,"
                             " second_high, earlier_low, later_low, day_file FROM days d")
              + where + QStringLiteral(" ORDER BY id"));
    if (!angler.isEmpty())
        q.bindValue(QStringLiteral(":angler"), angler);
    if (raft != 0)
        q.bindValue(QStringLiteral(":raft"), raft);
    if (!dayFile.isEmpty())
        q.bindValue(QStringLiteral(":file"), dayFile);
    if (!d->exec(q))
        return result;
    while (q.next()) {
        LoggedDay day;
        day.id = q.value(0).toLongLong();
        day.angler = textAt(q, 1);
        day.raft = q.value(2).toInt();
        day.targetFish = textAt(q, 3);
        day.date = textAt(q, 4);
        day.endHour = textAt(q, 5);
        day.firstHigh = q.value(6).toInt();
        day.secondHigh = q.value(7).toInt();
        day.earlierLow = q.value(8).toInt();
        day.laterLow = q.value(9).toInt();
        day.dayFileName = textAt(q, 10);
        result.push_back(std::move(day));
    }
    if (result.empty())
        return result;

    // All the events of the chosen days in one pass, in day and event order.
    QSqlQuery e(db);
    e.setForwardOnly(true);
    e.prepare(QStringLiteral("SELECT e.day_id, e.kind, e.reason, e.game_minute, e.tide_level,"
                             " e.tide_direction, e.raft, e.target_fish, e.leader, e.hook, e.bait,"
                             " e.bite_class, e.hook_phase, e.line_strain, e.draw, e.band, e.fish,"
                             " e.length FROM events e JOIN days d ON d.id = e.day_id")
              + where + QStringLiteral(" ORDER BY e.day_id, e.seq"));
    if (!angler.isEmpty())
        e.bindValue(QStringLiteral(":angler"), angler);
    if (raft != 0)
        e.bindValue(QStringLiteral(":raft"), raft);
    if (!dayFile.isEmpty())
        e.bindValue(QStringLiteral(":file"), dayFile);
    if (!d->exec(e))
        return {};
    std::size_t at = 0;
    while (e.next()) {
        const qint64 dayId = e.value(0).toLongLong();
        while (at < result.size() && result[at].id < dayId)
            ++at;
        if (at == result.size())
            break;
        if (result[at].id != dayId)
            continue;
        DayEvent ev;
        // A name this version does not know is kept as the nearest thing
        // it can say: nothing.
        ev.kind = kindFromName(textAt(e, 1)).value_or(EventKind::DayStarted);
        ev.reason = reasonFromName(textAt(e, 2)).value_or(Reason::None);
        ev.gameMinute = e.value(3).toInt();
        ev.tideLevel = e.value(4).toInt();
        ev.tideDirection = textAt(e, 5);
        ev.raft = e.value(6).toInt();
        ev.targetFish = textAt(e, 7);
        ev.leader = textAt(e, 8);
        ev.hook = textAt(e, 9);
        ev.bait = textAt(e, 10);
        ev.biteClass = e.value(11).toInt();
        ev.hookPhase = e.value(12).toInt();
        ev.lineStrain = e.value(13).toInt();
        ev.draw = e.value(14).toInt();
        ev.band = e.value(15).toInt();
        ev.fish = textAt(e, 16);
        ev.length = e.value(17).toInt();
        result[at].events.push_back(std::move(ev));
    }
    return result;
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
    q.prepare(QStringLiteral("DELETE FROM days WHERE angler = ? AND day_file = ?"));
    q.addBindValue(angler);
    q.addBindValue(dayFileName);
    if (d->exec(q))
        return true;
    d->writeFailed(q.lastError());
    return false;
}

} // namespace daylog
