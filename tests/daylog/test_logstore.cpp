#include "daylog/store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace daylog;

namespace {

DayEvent eventAt(EventKind kind, Reason reason, int minute)
{
    DayEvent e;
    e.kind = kind;
    e.reason = reason;
    e.gameMinute = minute;
    e.tideLevel = 128;
    e.tideDirection = QStringLiteral("満");
    e.raft = 3;
    e.targetFish = QStringLiteral("チヌ");
    e.leader = QStringLiteral("2号");
    e.hook = QStringLiteral("4号");
    e.bait = QStringLiteral("オキアミ");
    return e;
}

LoggedDay busyDay(const QString &angler, const QString &file, int raft = 3)
{
    LoggedDay day;
    day.angler = angler;
    day.raft = raft;
    day.targetFish = QStringLiteral("チヌ");
    day.date = QStringLiteral("2026-12-10");
    day.endHour = QStringLiteral("12");
    day.firstHigh = 9;
    day.secondHigh = 21;
    day.earlierLow = 3;
    day.laterLow = 15;
    day.dayFileName = file;
    day.events.push_back(eventAt(EventKind::DayStarted, Reason::None, 420));
    DayEvent bite = eventAt(EventKind::Bite, Reason::SlowPull, 433);
    bite.biteClass = 3;
    bite.fish = QStringLiteral("チヌ");
    bite.length = 48;
    day.events.push_back(bite);
    DayEvent lost = eventAt(EventKind::FishLost, Reason::LineParted, 436);
    lost.hookPhase = 1;
    lost.lineStrain = 82;
    lost.draw = 16;
    lost.band = 8;
    lost.lossChance = 0.4512;
    lost.fish = QStringLiteral("チヌ");
    lost.length = 66;
    day.events.push_back(lost);
    DayEvent changed = eventAt(EventKind::BaitChanged, Reason::None, 440);
    changed.bait = QStringLiteral("ボケ");
    day.events.push_back(changed);
    day.events.push_back(eventAt(EventKind::DayEnded, Reason::EndHour, 720));
    return day;
}

bool sameEvent(const DayEvent &a, const DayEvent &b)
{
    return a.kind == b.kind && a.reason == b.reason && a.gameMinute == b.gameMinute && a.tideLevel == b.tideLevel
        && a.tideDirection == b.tideDirection && a.raft == b.raft && a.targetFish == b.targetFish
        && a.leader == b.leader && a.hook == b.hook && a.bait == b.bait && a.biteClass == b.biteClass
        && a.hookPhase == b.hookPhase && a.lineStrain == b.lineStrain && a.draw == b.draw && a.band == b.band
        && a.lossChance == b.lossChance && a.fish == b.fish && a.length == b.length;
}

void compareDays(const LoggedDay &got, const LoggedDay &want)
{
    QCOMPARE(got.angler, want.angler);
    QCOMPARE(got.raft, want.raft);
    QCOMPARE(got.targetFish, want.targetFish);
    QCOMPARE(got.date, want.date);
    QCOMPARE(got.endHour, want.endHour);
    QCOMPARE(got.firstHigh, want.firstHigh);
    QCOMPARE(got.secondHigh, want.secondHigh);
    QCOMPARE(got.earlierLow, want.earlierLow);
    QCOMPARE(got.laterLow, want.laterLow);
    QCOMPARE(got.dayFileName, want.dayFileName);
    QCOMPARE(got.events.size(), want.events.size());
    for (std::size_t i = 0; i < want.events.size(); ++i)
        QVERIFY2(sameEvent(got.events[i], want.events[i]), qPrintable(QStringLiteral("event %1").arg(i)));
}

} // namespace

class TestLogStore : public QObject
{
    Q_OBJECT

private slots:
    void dayRoundTrips();
    void daysFilterByAnglerAndRaft();
    void savingTheSameDayAgainReplacesIt();
    void deletingADayForgetsOnlyIt();
    void aNewerLogIsLeftUntouched();
    void unusableFilesAreTold_data();
    void unusableFilesAreTold();
    void aLockedLogIsTold();
};

void TestLogStore::dayRoundTrips()
{
    QTemporaryDir dir;
    const QString path = DayLogStore::pathIn(dir.path());
    const LoggedDay day = busyDay(QStringLiteral("髙橋　太郎"), QStringLiteral("2026年12月10日15時30分002大浜.txt"));
    {
        DayLogStore store;
        QVERIFY2(store.open(path), qPrintable(store.lastError()));
        const qint64 id = store.saveDay(day);
        QVERIFY2(id > 0, qPrintable(store.lastError()));
    }
    // Read back through a fresh connection, as the next run would.
    DayLogStore store;
    QVERIFY(store.open(path));
    const std::optional<LoggedDay> back = store.dayByFile(day.angler, day.dayFileName);
    QVERIFY(back);
    QVERIFY(back->id > 0);
    compareDays(*back, day);
    QVERIFY(!store.dayByFile(day.angler, QStringLiteral("none.txt")));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    QCOMPARE(q.value(0).toInt(), DayLogStore::schemaVersion());
    QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
}

void TestLogStore::daysFilterByAnglerAndRaft()
{
    QTemporaryDir dir;
    DayLogStore store;
    QVERIFY(store.open(DayLogStore::pathIn(dir.path())));
    QVERIFY(store.saveDay(busyDay(QStringLiteral("A"), QStringLiteral("1.txt"), 1)) > 0);
    QVERIFY(store.saveDay(busyDay(QStringLiteral("B"), QStringLiteral("1.txt"), 1)) > 0);
    QVERIFY(store.saveDay(busyDay(QStringLiteral("A"), QStringLiteral("2.txt"), 5)) > 0);
    // Days that were never saved (the simulator's) have no file and may be many.
    QVERIFY(store.saveDay(busyDay(QStringLiteral("A"), QString(), 5)) > 0);
    QVERIFY(store.saveDay(busyDay(QStringLiteral("A"), QString(), 5)) > 0);

    QCOMPARE(store.days().size(), 5u);
    QCOMPARE(store.days(QStringLiteral("A")).size(), 4u);
    QCOMPARE(store.days(QString(), 1).size(), 2u);
    const std::vector<LoggedDay> a5 = store.days(QStringLiteral("A"), 5);
    QCOMPARE(a5.size(), 3u);
    for (const LoggedDay &day : a5)
        QCOMPARE(day.events.size(), 5u);
    QVERIFY(store.days(QStringLiteral("C")).empty());
}

void TestLogStore::savingTheSameDayAgainReplacesIt()
{
    QTemporaryDir dir;
    DayLogStore store;
    QVERIFY(store.open(DayLogStore::pathIn(dir.path())));
    LoggedDay day = busyDay(QStringLiteral("A"), QStringLiteral("1.txt"));
    QVERIFY(store.saveDay(day) > 0);
    day.events.pop_back();
    QVERIFY(store.saveDay(day) > 0);
    QCOMPARE(store.days().size(), 1u);
    QCOMPARE(store.days().front().events.size(), day.events.size());
    // The day's figures are replaced with it, never counted twice.
    QCOMPARE(store.stats().days, 1);
    QCOMPARE(store.stats().rates.lost, 1);
}

void TestLogStore::deletingADayForgetsOnlyIt()
{
    QTemporaryDir dir;
    DayLogStore store;
    QVERIFY(store.open(DayLogStore::pathIn(dir.path())));
    QVERIFY(store.saveDay(busyDay(QStringLiteral("A"), QStringLiteral("1.txt"))) > 0);
    QVERIFY(store.saveDay(busyDay(QStringLiteral("B"), QStringLiteral("1.txt"))) > 0);
    QVERIFY(store.deleteDayByFile(QStringLiteral("A"), QStringLiteral("1.txt")));
    QVERIFY(!store.dayByFile(QStringLiteral("A"), QStringLiteral("1.txt")));
    QVERIFY(store.dayByFile(QStringLiteral("B"), QStringLiteral("1.txt")));
    QCOMPARE(store.days().size(), 1u);
    QCOMPARE(store.stats().days, 1);
    QCOMPARE(store.stats({QStringLiteral("A"), 0}).days, 0);
    QVERIFY(store.deleteDayByFile(QStringLiteral("A"), QStringLiteral("never.txt")));
}

void TestLogStore::aNewerLogIsLeftUntouched()
{
    QTemporaryDir dir;
    const QString path = DayLogStore::pathIn(dir.path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE future (x)"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(DayLogStore::schemaVersion() + 1));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    DayLogStore store;
    QVERIFY(!store.open(path));
    QCOMPARE(store.openFailure(), DayLogStore::OpenFailure::Newer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestLogStore::unusableFilesAreTold_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("failure");
    QTest::newRow("not a database") << QByteArray("これは記録ではありません\r\n").repeated(40)
                                    << int(DayLogStore::OpenFailure::Corrupt);
    // A real header with its pages torn away after it.
    QByteArray torn("SQLite format 3");
    torn.append('\0');
    torn.append(QByteArray(84, '\x7f'));
    QTest::newRow("torn database") << torn << int(DayLogStore::OpenFailure::Corrupt);
}

void TestLogStore::unusableFilesAreTold()
{
    QFETCH(QByteArray, content);
    QFETCH(int, failure);
    QTemporaryDir dir;
    const QString path = DayLogStore::pathIn(dir.path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    DayLogStore store;
    QVERIFY(!store.open(path));
    QCOMPARE(int(store.openFailure()), failure);
    QVERIFY(!store.lastError().isEmpty());
    QCOMPARE(store.saveDay(busyDay(QStringLiteral("A"), QStringLiteral("1.txt"))), 0);
    QVERIFY(store.days().empty());
    // The file is not ours to change.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void TestLogStore::aLockedLogIsTold()
{
    QTemporaryDir dir;
    const QString path = DayLogStore::pathIn(dir.path());
    {
        DayLogStore first;
        QVERIFY(first.open(path));
    }
    // Another program holds the write lock.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(path);
    QVERIFY(other.open());
    QSqlQuery hold(other);
    QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));

    DayLogStore store;
    QVERIFY(!store.open(path));
    QCOMPARE(store.openFailure(), DayLogStore::OpenFailure::Locked);

    hold.exec(QStringLiteral("ROLLBACK"));
    hold = QSqlQuery();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(store.open(path));
}

QTEST_GUILESS_MAIN(TestLogStore)
#include "test_logstore.moc"
