// 統計's figures from the log's day summaries, and the log of the first
// version (captions, no summaries) brought up to date.
#include "busyday.h"
#include "daylog/ids.h"
#include "daylog/stats.h"
#include "daylog/store.h"
#include "daylog/summaries.h"
#include "mainscreen/fishing/fishingtexts.h"
#include "prep/rigtexts.h"
#include "statsfixture.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <set>

using namespace daylog;

namespace {

// Every figure 統計 shows, one line each, so that a difference names itself.
QStringList figures(const DayStats &s)
{
    QStringList f;
    const Rates &r = s.rates;
    f << QStringLiteral("days %1, hours %2").arg(s.days).arg(s.hoursFished, 0, 'f', 6);
    f << QStringLiteral("bites %1 strikes %2 hooked %3 early %4 late %5 nothing %6 landed %7 lost %8 taken %9")
             .arg(r.bites).arg(r.strikes).arg(r.hooked).arg(r.tooEarly).arg(r.tooLate).arg(r.atNothing)
             .arg(r.landed).arg(r.lost).arg(r.baitTaken);
    const auto bars = [&f](const char *chart, const auto &list) {
        for (size_t i = 0; i < list.size(); ++i)
            f << QStringLiteral("%1 %2: %3 fish, %4 chinu, %5 minutes")
                     .arg(QLatin1String(chart)).arg(i).arg(list[i].catches).arg(list[i].chinu).arg(list[i].minutes);
    };
    bars("clock hour", s.byClockHour);
    bars("hours from low", s.byHoursFromLow);
    bars("bait", s.byBait);
    bars("raft", s.byRaft);
    const auto bests = [&f](const char *group, const auto &list) {
        for (size_t i = 0; i < list.size(); ++i)
            f << QStringLiteral("best by %1 %2: %3 cm %4 %5").arg(QLatin1String(group)).arg(i).arg(list[i].length).arg(list[i].angler, list[i].date);
    };
    bests("raft", s.bestByRaft);
    bests("bait", s.bestByBait);
    return f;
}

const QString kAnglers[] = {QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("浜の釣り人")};

// The hand-counted days of the statistics tests and 300 busy days of three
// anglers on every raft and tide (one in thirteen of unknown tide), each on
// a date of its own, so that the many equal chinu lengths show whose record
// the earliest day is.
std::vector<LoggedDay> manyDays()
{
    std::vector<LoggedDay> days = statsfixture::days();
    for (int i = 0; i < 300; ++i) {
        LoggedDay day = busyday::make(unsigned(i) + 1, kAnglers[i % 3], 1 + (i / 3) % 5, i % 13);
        day.date = QDate(2020, 1, 1).addDays(i).toString(Qt::ISODate);
        days.push_back(std::move(day));
    }
    return days;
}

// The first version's tables, as its game wrote them.
const char *const kFirstVersionSchema[] = {
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
    "PRAGMA user_version = 1",
};

// A raw look at the database beside the store, closed when it goes.
class Peek
{
public:
    explicit Peek(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
        db.setDatabaseName(path);
        db.open();
    }
    ~Peek() { QSqlDatabase::removeDatabase(name()); }
    QSqlDatabase db() const { return QSqlDatabase::database(name()); }
    QVariant one(const QString &sql) const
    {
        QSqlQuery q(db());
        if (!q.exec(sql) || !q.next())
            return QStringLiteral("failed: ") + q.lastError().text();
        return q.value(0);
    }
    QStringList column(const QString &sql) const
    {
        QStringList values;
        QSqlQuery q(db());
        q.exec(sql);
        while (q.next())
            values << q.value(0).toString();
        return values;
    }

private:
    static QString name() { return QStringLiteral("peek"); }
};

// Writes the day as the first version did: the captions as they are.
bool insertFirstVersion(QSqlDatabase db, const LoggedDay &day)
{
    const auto text = [](const QString &s) { return s.isNull() ? QStringLiteral("") : s; };
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO days (angler, raft, target_fish, date, end_hour, first_high,"
                             " second_high, earlier_low, later_low, day_file) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v : {QVariant(text(day.angler)), QVariant(day.raft), QVariant(text(day.targetFish)),
                              QVariant(text(day.date)), QVariant(text(day.endHour)), QVariant(day.firstHigh),
                              QVariant(day.secondHigh), QVariant(day.earlierLow), QVariant(day.laterLow),
                              QVariant(text(day.dayFileName))})
        q.addBindValue(v);
    if (!q.exec())
        return false;
    const qint64 id = q.lastInsertId().toLongLong();
    const auto kinds = QStringList{QStringLiteral("DayStarted"), QStringLiteral("Dropped"), QStringLiteral("BallBroken"),
                                   QStringLiteral("Bite"), QStringLiteral("StrikeHooked"), QStringLiteral("StrikeMissed"),
                                   QStringLiteral("FishLanded"), QStringLiteral("FishLost"), QStringLiteral("BaitTaken"),
                                   QStringLiteral("BaitChanged"), QStringLiteral("MulletTook"),
                                   QStringLiteral("MulletEscaped"), QStringLiteral("DayEnded")};
    const auto reasons = QStringList{
        QStringLiteral("None"), QStringLiteral("BrokenByAngler"), QStringLiteral("BrokeByItself"), QStringLiteral("Nibble"),
        QStringLiteral("SlowPull"), QStringLiteral("FastPull"), QStringLiteral("Holds"), QStringLiteral("Steals"),
        QStringLiteral("StruckWhileNibbling"), QStringLiteral("StruckBeforeHookSet"), QStringLiteral("StruckAfterLetGo"),
        QStringLiteral("StruckAtNothing"), QStringLiteral("StruckWhileStealing"), QStringLiteral("StruckNoFish"),
        QStringLiteral("LineParted"), QStringLiteral("HookPulled"), QStringLiteral("BaitStolen"), QStringLiteral("LetGo"),
        QStringLiteral("EndHour"), QStringLiteral("AnglerEnded")};
    q.prepare(QStringLiteral("INSERT INTO events VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    int seq = 0;
    for (const DayEvent &e : day.events) {
        for (const QVariant &v :
             {QVariant(id), QVariant(seq++), QVariant(kinds.at(int(e.kind))), QVariant(reasons.at(int(e.reason))),
              QVariant(e.gameMinute), QVariant(e.tideLevel), QVariant(text(e.tideDirection)), QVariant(e.raft),
              QVariant(text(e.targetFish)), QVariant(text(e.leader)), QVariant(text(e.hook)), QVariant(text(e.bait)),
              QVariant(e.biteClass), QVariant(e.hookPhase), QVariant(e.lineStrain), QVariant(e.draw), QVariant(e.band),
              QVariant(text(e.fish)), QVariant(e.length)})
            q.addBindValue(v);
        if (!q.exec())
            return false;
    }
    return true;
}

bool sameEvent(const DayEvent &a, const DayEvent &b)
{
    return a.kind == b.kind && a.reason == b.reason && a.gameMinute == b.gameMinute && a.tideLevel == b.tideLevel
        && a.tideDirection == b.tideDirection && a.raft == b.raft && a.targetFish == b.targetFish
        && a.leader == b.leader && a.hook == b.hook && a.bait == b.bait && a.biteClass == b.biteClass
        && a.hookPhase == b.hookPhase && a.lineStrain == b.lineStrain && a.draw == b.draw && a.band == b.band
        && a.fish == b.fish && a.length == b.length;
}

} // namespace

class TestLogStats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void figuresFromTheSummariesEqualTheEvents_data();
    void figuresFromTheSummariesEqualTheEvents();
    void aFirstVersionLogIsBroughtUpToDate();
    void aSecondVersionLogLearnsTheMinutesPerBar();
    void everyCaptionOfTheGameHasAnId_data();
    void everyCaptionOfTheGameHasAnId();

private:
    QTemporaryDir m_dir;
    std::vector<LoggedDay> m_days;
};

void TestLogStats::initTestCase()
{
    m_days = manyDays();
    DayLogStore store;
    QVERIFY2(store.open(DayLogStore::pathIn(m_dir.path())), qPrintable(store.lastError()));
    // Every other day without its events, as the simulator saves them: the
    // figures come from the summaries alone.
    for (size_t i = 0; i < m_days.size(); ++i) {
        const auto keep = i % 2 ? DayLogStore::Keep::FiguresOnly : DayLogStore::Keep::DayWithEvents;
        QVERIFY2(store.saveDay(m_days[i], keep) > 0, qPrintable(store.lastError()));
    }
    // Then the days that hold a record for some angler and raft are deleted:
    // the records go to the next longest, the earliest among equals.
    std::set<QString> holders;
    const auto hold = [&holders](const auto &bests) {
        for (const BestChinu &best : bests)
            holders.insert(best.angler + best.date);
    };
    for (const QString &angler : {QString(), kAnglers[0], kAnglers[1], kAnglers[2]}) {
        for (int raft = 0; raft <= RaftCount; ++raft) {
            const DayStats s = dayStats(m_days, {angler, raft});
            hold(s.bestByRaft);
            hold(s.bestByBait);
        }
    }
    const auto deleted = std::remove_if(m_days.begin(), m_days.end(), [&](const LoggedDay &day) {
        return !day.dayFileName.isEmpty() && holders.count(day.angler + day.date)
            && store.deleteDayByFile(day.angler, day.dayFileName);
    });
    QVERIFY(m_days.end() - deleted >= 10);
    m_days.erase(deleted, m_days.end());
}

void TestLogStats::figuresFromTheSummariesEqualTheEvents_data()
{
    QTest::addColumn<QString>("angler");
    QTest::addColumn<int>("raft");
    QTest::newRow("everyone everywhere") << QString() << 0;
    QTest::newRow("one angler") << kAnglers[1] << 0;
    QTest::newRow("one raft") << QString() << 3;
    QTest::newRow("angler and raft") << kAnglers[0] << 3;
    QTest::newRow("an angler of the hand-counted days only") << QStringLiteral("太郎") << 1;
    QTest::newRow("nobody") << QStringLiteral("次郎") << 0;
}

void TestLogStats::figuresFromTheSummariesEqualTheEvents()
{
    QFETCH(QString, angler);
    QFETCH(int, raft);
    DayLogStore store;
    QVERIFY(store.open(DayLogStore::pathIn(m_dir.path())));
    const StatsFilter filter{angler, raft};
    const DayStats want = dayStats(m_days, filter);
    QCOMPARE(figures(store.stats(filter)), figures(want));
    if (angler != QStringLiteral("次郎"))
        QVERIFY(want.days > 0 && want.rates.landed > 0);
}

// A log of the first version is kept whole: every row stays, the captions
// become keys (one the game does not know is kept as it was), and every day
// gets its summary, all in the one transaction of the first open.
void TestLogStats::aFirstVersionLogIsBroughtUpToDate()
{
    std::vector<LoggedDay> days = statsfixture::days();
    for (size_t i = 0; i < days.size(); ++i)
        days[i].dayFileName = QStringLiteral("%1.txt").arg(i);
    LoggedDay odd = busyday::make(7, QStringLiteral("太郎"), 4, 5);
    odd.dayFileName = QStringLiteral("odd.txt");
    int landedOnOddBait = 0;
    for (DayEvent &e : odd.events) {
        if (e.kind == EventKind::FishLanded && landedOnOddBait++ < 3) {
            e.bait = QStringLiteral("練りエサ");
            e.leader = QStringLiteral("7号");
            e.fish = e.fish == QStringLiteral("チヌ") ? e.fish : QStringLiteral("ウミタナゴ");
        }
    }
    QVERIFY(landedOnOddBait >= 3);
    days.push_back(odd);

    QTemporaryDir dir;
    const QString path = DayLogStore::pathIn(dir.path());
    int events = 0;
    {
        Peek peek(path);
        QSqlQuery q(peek.db());
        for (const char *statement : kFirstVersionSchema)
            QVERIFY2(q.exec(QString::fromLatin1(statement)), qPrintable(q.lastError().text()));
        for (const LoggedDay &day : days) {
            QVERIFY(insertFirstVersion(peek.db(), day));
            events += int(day.events.size());
        }
        QVERIFY(peek.one(QStringLiteral("SELECT count(*) FROM events WHERE bait = 'ボケ'")).toInt() > 0);
    }

    DayLogStore store;
    QVERIFY2(store.open(path), qPrintable(store.lastError()));
    {
        Peek peek(path);
        QCOMPARE(peek.one(QStringLiteral("PRAGMA user_version")).toInt(), DayLogStore::schemaVersion());
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM days")).toInt(), int(days.size()));
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM events")).toInt(), events);
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM day_summaries")).toInt(), int(days.size()));
        // Keys where the captions were; the unknown bait kept whole.
        const QStringList baits = peek.column(QStringLiteral("SELECT DISTINCT bait FROM events"));
        QVERIFY(baits.contains(QStringLiteral("boke")));
        QVERIFY(baits.contains(QStringLiteral("?練りエサ")));
        for (const QString &bait : baits)
            QVERIFY2(bait.startsWith(QLatin1Char('?')) || bait.toLatin1() == bait.toUtf8(), qPrintable(bait));
        QCOMPARE(peek.column(QStringLiteral("SELECT DISTINCT target_fish FROM days")), QStringList{QStringLiteral("chinu")});
    }
    for (const LoggedDay &day : days) {
        const std::optional<LoggedDay> back = store.dayByFile(day.angler, day.dayFileName);
        QVERIFY2(back, qPrintable(day.dayFileName));
        QCOMPARE(back->targetFish, day.targetFish);
        QCOMPARE(back->events.size(), day.events.size());
        for (size_t i = 0; i < day.events.size(); ++i)
            QVERIFY2(sameEvent(back->events[i], day.events[i]), qPrintable(QStringLiteral("%1 event %2").arg(day.dayFileName).arg(i)));
    }
    QCOMPARE(figures(store.stats()), figures(dayStats(days)));
    QCOMPARE(figures(store.stats({QStringLiteral("太郎"), 4})), figures(dayStats(days, {QStringLiteral("太郎"), 4})));
}

// A log of the second version keeps every figure and gains the minutes fished
// per bar: from the events of a day that kept them, and for a day kept as
// figures only from its minutes, fished from 7:00 with no bait known. The
// totals follow new days and deleted ones as before.
void TestLogStats::aSecondVersionLogLearnsTheMinutesPerBar()
{
    std::vector<LoggedDay> withEvents, figuresOnly;
    for (int i = 0; i < 12; ++i) {
        LoggedDay day = busyday::make(unsigned(i) + 40, kAnglers[i % 3], 1 + i % 5, 1 + i % 12);
        (i % 3 == 2 ? figuresOnly : withEvents).push_back(day);
    }
    QTemporaryDir dir;
    const QString path = DayLogStore::pathIn(dir.path());
    {
        DayLogStore store;
        QVERIFY(store.open(path));
        for (const LoggedDay &day : withEvents)
            QVERIFY(store.saveDay(day) > 0);
        for (const LoggedDay &day : figuresOnly)
            QVERIFY(store.saveDay(day, DayLogStore::Keep::FiguresOnly) > 0);
    }
    // Back to the second version: its columns, its triggers, its number.
    {
        Peek peek(path);
        QSqlQuery q(peek.db());
        QVERIFY(q.exec(QStringLiteral("DROP TRIGGER day_summary_added")));
        QVERIFY(q.exec(QStringLiteral("DROP TRIGGER day_summary_removed")));
        for (const QString &table : {QStringLiteral("day_summaries"), QStringLiteral("summary_totals")}) {
            const QStringList columns = peek.column(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table));
            int dropped = 0;
            for (const QString &column : columns) {
                if (column.endsWith(QLatin1String("_minutes"))) {
                    QVERIFY2(q.exec(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, column)),
                             qPrintable(q.lastError().text()));
                    ++dropped;
                }
            }
            QCOMPARE(dropped, ClockHourBars + TideHourBars + 6);
        }
        for (const QString &statement : summaries::schema(false))
            QVERIFY2(q.exec(statement), qPrintable(q.lastError().text()));
        QVERIFY2(q.exec(QStringLiteral("ALTER TABLE events DROP COLUMN loss_chance")), qPrintable(q.lastError().text()));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 2")));
    }

    DayLogStore store;
    QVERIFY2(store.open(path), qPrintable(store.lastError()));
    {
        Peek peek(path);
        QCOMPARE(peek.one(QStringLiteral("PRAGMA user_version")).toInt(), DayLogStore::schemaVersion());
        // A loss that the older log knew only by its band keeps that chance.
        QVERIFY(peek.one(QStringLiteral("SELECT count(*) FROM events WHERE band > 0")).toInt() > 0);
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM events WHERE loss_chance <> band / 20.0")).toInt(), 0);
    }
    std::vector<LoggedDay> all = withEvents;
    all.insert(all.end(), figuresOnly.begin(), figuresOnly.end());
    const auto expected = [&](const StatsFilter &filter) {
        DayStats want = dayStats(all, filter);
        const DayStats unknownBait = dayStats(figuresOnly, filter);
        for (size_t i = 0; i < want.byBait.size(); ++i)
            want.byBait[i].minutes -= unknownBait.byBait[i].minutes;
        return want;
    };
    for (const StatsFilter &filter : {StatsFilter{}, StatsFilter{kAnglers[1], 0}, StatsFilter{QString(), 3}})
        QCOMPARE(figures(store.stats(filter)), figures(expected(filter)));
    QVERIFY(store.stats().byClockHour[3].minutes == 60 * int(all.size()));

    // New days and deleted ones move the totals of every column.
    LoggedDay more = busyday::make(99, kAnglers[0], 2, 6);
    QVERIFY(store.saveDay(more) > 0);
    withEvents.push_back(more);
    all.push_back(more);
    QVERIFY(store.deleteDayByFile(withEvents.front().angler, withEvents.front().dayFileName));
    all.erase(all.begin());
    QCOMPARE(figures(store.stats()), figures(expected({})));
}

// Each caption the game writes has an id whose display name is that caption
// and whose key is plain ASCII.
void TestLogStats::everyCaptionOfTheGameHasAnId_data()
{
    QTest::addColumn<int>("vocabulary");
    QTest::addColumn<QStringList>("captions");
    using namespace fishingtexts;
    QTest::newRow("fish") << int(Vocabulary::Fish)
                          << QStringList{Chinu(), Mullet(), Ainame(), Aji(), Tai(), Konoshiro(), Fugu(),
                                         rigtexts::Chinu(), rigtexts::Mullet()};
    QTest::newRow("tide") << int(Vocabulary::Tide) << QStringList{Flood(), Ebb()};
    QTest::newRow("leader") << int(Vocabulary::Leader) << (rigtexts::chinuLeaders() << rigtexts::mulletLeader());
    QTest::newRow("hook") << int(Vocabulary::Hook) << (rigtexts::chinuHooks() << rigtexts::mulletHook());
    QTest::newRow("bait") << int(Vocabulary::Bait) << rigtexts::baits();
}

void TestLogStats::everyCaptionOfTheGameHasAnId()
{
    QFETCH(int, vocabulary);
    QFETCH(QStringList, captions);
    const auto v = Vocabulary(vocabulary);
    for (const QString &caption : captions) {
        const QString key = keyForCaption(v, caption);
        QVERIFY2(!key.isEmpty() && !key.startsWith(QLatin1Char('?')), qPrintable(caption));
        for (QChar c : key)
            QVERIFY2(c.unicode() < 128, qPrintable(key));
        QCOMPARE(captionForKey(v, key), caption);
    }
    if (v == Vocabulary::Bait) {
        for (size_t i = 0; i < allBaits().size(); ++i)
            QCOMPARE(displayName(allBaits()[i]), rigtexts::baits().at(qsizetype(i)));
    }
}

QTEST_GUILESS_MAIN(TestLogStats)
#include "test_logstats.moc"
