#include "simreport.h"

#include "daylog/store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <set>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runSim(const QStringList &arguments)
{
    QProcess process;
    // First, so that an option left without its value at the end stays so.
    process.start(QStringLiteral(NAMIYOSE_SIM_PATH), QStringList{QStringLiteral("--no-progress")} + arguments);
    Run run;
    if (!process.waitForFinished(240000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class SimTest : public QObject
{
    Q_OBJECT

private slots:
    void everyDayEndsOnce_data();
    void everyDayEndsOnce();
    void theSameSeedPlaysTheSameDays();
    void theEngineAloneAndTheScreensPlayTheSameDays_data();
    void theEngineAloneAndTheScreensPlayTheSameDays();
    void mistakenCommandLinesAreRefused_data();
    void mistakenCommandLinesAreRefused();
    void chinuLengthFigures_data();
    void chinuLengthFigures();
    void daysGoIntoTheDayLog();
    void aDayNotLoggedFailsTheRun();
};

// Whole days of the real main screen: each one ends with the boatman's
// message, exactly once, and nothing is dropped, bitten or listed after it.
void SimTest::everyDayEndsOnce_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("catchesChinu"); // the angler strikes in time for chinu
    for (int raft = 1; raft <= 5; ++raft)
        QTest::addRow("chinu raft %d", raft) << QStringList{QStringLiteral("--raft"), QString::number(raft)} << 20 << true;
    QTest::newRow("chinu until 17, slow striker, raft 3")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("3"), QStringLiteral("--end"), QStringLiteral("17"),
                       QStringLiteral("--strike-delay"), QStringLiteral("1500"), QStringLiteral("--leader"), s("3号"),
                       QStringLiteral("--hook"), s("5号"), QStringLiteral("--bait"), s("ボケ")}
        << 5 << true;
    QTest::newRow("mullet, drops again whenever allowed")
        << QStringList{QStringLiteral("--target"), s("ボラ"), QStringLiteral("--redrop")} << 20 << false;
    QTest::newRow("chinu raft 1, drops again whenever allowed")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("1"), QStringLiteral("--redrop")} << 20 << true;
    QTest::newRow("chinu raft 3, never strikes")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("3"), QStringLiteral("--strike-delay"), QStringLiteral("-1")}
        << 20 << false;
    QTest::newRow("chinu, breaks the ball at once")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("2"), QStringLiteral("--break-after"), QStringLiteral("0")}
        << 20 << true;
}

void SimTest::everyDayEndsOnce()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, days);
    QFETCH(bool, catchesChinu);
    const Run run = runSim(arguments + QStringList{QStringLiteral("--days"), QString::number(days), QStringLiteral("--json")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonArray list = doc[QStringLiteral("days")].toArray();
    QCOMPARE(list.size(), days);
    int chinu = 0;
    for (const QJsonValue &value : list) {
        const QJsonObject day = value.toObject();
        const QByteArray which = "day " + QByteArray::number(day[QStringLiteral("day")].toInt());
        QVERIFY2(day[QStringLiteral("ended")].toBool(), which.constData());
        QVERIFY2(day[QStringLiteral("boatman")].toInt() == 1, which.constData());
        QVERIFY2(day[QStringLiteral("bitesAfterBoatman")].toInt() == 0, which.constData());
        QVERIFY2(day[QStringLiteral("listedAfterBoatman")].toArray().isEmpty(), which.constData());
        chinu += day[QStringLiteral("chinuLengths")].toArray().size();
    }
    const QJsonObject totals = doc[QStringLiteral("totals")].toObject();
    QCOMPARE(totals[QStringLiteral("days")].toInt(), days);
    QCOMPARE(totals[QStringLiteral("ended")].toInt(), days);
    QCOMPARE(totals[QStringLiteral("chinu")].toObject()[QStringLiteral("count")].toInt(), chinu);
    // The angler who strikes in time catches chinu on every raft.
    if (catchesChinu)
        QVERIFY(chinu > 0);
}

void SimTest::theSameSeedPlaysTheSameDays()
{
    const QStringList args{QStringLiteral("--days"), QStringLiteral("4"), QStringLiteral("--raft"), QStringLiteral("4")};
    const Run first = runSim(args + QStringList{QStringLiteral("--seed"), QStringLiteral("7")});
    const Run again = runSim(args + QStringList{QStringLiteral("--seed"), QStringLiteral("7")});
    const Run other = runSim(args + QStringList{QStringLiteral("--seed"), QStringLiteral("8")});
    QCOMPARE(first.exitCode, 0);
    QVERIFY(!first.out.isEmpty());
    QCOMPARE(again.out, first.out);
    QVERIFY(other.out != first.out);
    // One day of a run replays alone, as it was.
    const Run third = runSim({QStringLiteral("--days"), QStringLiteral("1"), QStringLiteral("--first-day"),
                              QStringLiteral("3"), QStringLiteral("--raft"), QStringLiteral("4"),
                              QStringLiteral("--seed"), QStringLiteral("7")});
    const QByteArray line = third.out.left(third.out.indexOf('\n') + 1);
    QVERIFY(line.startsWith("day 3:"));
    QVERIFY(first.out.contains(line));
}

// The simulator plays on the day's engine alone unless --screens asks for
// the real windows. Both must be the same game: for the same seed, every
// day, every event the angler sees with its clock and time, and every event
// of the day log with its reason, alike.
void SimTest::theEngineAloneAndTheScreensPlayTheSameDays_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("chinu raft 2 until 12") << QStringList{QStringLiteral("--raft"), QStringLiteral("2"), QStringLiteral("--end"), QStringLiteral("12")};
    QTest::newRow("chinu raft 5, slow striker, good bait")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("5"), QStringLiteral("--strike-delay"), QStringLiteral("1200"),
                       QStringLiteral("--bait"), s("カニ")};
    QTest::newRow("chinu raft 1, strikes at once, breaks at once, drops again")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("1"), QStringLiteral("--strike-delay"), QStringLiteral("0"),
                       QStringLiteral("--break-after"), QStringLiteral("0"), QStringLiteral("--redrop")};
    QTest::newRow("chinu raft 3, never strikes")
        << QStringList{QStringLiteral("--raft"), QStringLiteral("3"), QStringLiteral("--strike-delay"), QStringLiteral("-1")};
    QTest::newRow("mullet until 12, drops again")
        << QStringList{QStringLiteral("--target"), s("ボラ"), QStringLiteral("--leader"), s("3号"), QStringLiteral("--hook"),
                       s("吸い込み針"), QStringLiteral("--bait="), QStringLiteral("--end"), QStringLiteral("12"), QStringLiteral("--redrop")};
}

void SimTest::theEngineAloneAndTheScreensPlayTheSameDays()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const auto play = [&](const QString &name, const QStringList &how) {
        const QString log = dir.filePath(name + QStringLiteral(".sqlite"));
        const Run run = runSim(arguments + how
                               + QStringList{QStringLiteral("--days"), QStringLiteral("8"), QStringLiteral("--seed"),
                                             QStringLiteral("11"), QStringLiteral("--json"), QStringLiteral("--trace"),
                                             QStringLiteral("--log-db"), log, QStringLiteral("--log-events")});
        QStringList events;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(log);
            if (db.open()) {
                QSqlQuery q(QStringLiteral("SELECT * FROM events ORDER BY day_id, seq"), db);
                while (q.next()) {
                    QStringList row;
                    for (int i = 1; i < q.record().count(); ++i) // all but the day's key
                        row << q.value(i).toString();
                    events << row.join(QLatin1Char('|'));
                }
            }
        }
        QSqlDatabase::removeDatabase(name);
        return std::make_pair(run, events);
    };
    const auto [alone, aloneEvents] = play(QStringLiteral("alone"), {});
    const auto [screens, screensEvents] = play(QStringLiteral("screens"), {QStringLiteral("--screens")});
    QVERIFY2(alone.exitCode == 0, alone.err.constData());
    QVERIFY2(screens.exitCode == 0, screens.err.constData());
    QVERIFY(alone.out.contains("\"ended\":true"));
    QCOMPARE(alone.out, screens.out);
    QCOMPARE(alone.err, screens.err);
    QVERIFY(aloneEvents.size() > 8 * 3);
    QCOMPARE(aloneEvents, screensEvents);
}

// Every mistake on the command line is told on a line of its own that names
// the option and what is wrong with it, and nothing is played (status 2).
void SimTest::mistakenCommandLinesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<QStringList>>("lines"); // the key words of each error line, in order
    const auto row = [](const char *name, const QStringList &arguments, const QList<QStringList> &lines) {
        QTest::newRow(name) << arguments << lines;
    };
    const QString maxInt = QString::number(std::numeric_limits<int>::max());
    row("raft 6", {QStringLiteral("--raft"), QStringLiteral("6")}, {{QStringLiteral("--raft"), QStringLiteral("1 to 5"), QStringLiteral("'6'")}});
    row("raft not a number", {QStringLiteral("--raft"), QStringLiteral("one")},
        {{QStringLiteral("--raft"), QStringLiteral("whole number"), QStringLiteral("'one'")}});
    row("end 11", {QStringLiteral("--end"), QStringLiteral("11")},
        {{QStringLiteral("--end"), QStringLiteral("10, 12, 15, 17"), QStringLiteral("'11'")}});
    row("unknown fish", {QStringLiteral("--target"), s("タイ")}, {{QStringLiteral("--target"), s("'タイ'")}});
    row("unknown bait", {QStringLiteral("--bait"), s("ミミズ")}, {{QStringLiteral("--bait"), s("'ミミズ'")}});
    row("mullet hook on a chinu rig", {QStringLiteral("--hook"), s("吸い込み針")},
        {{QStringLiteral("--hook"), s("'吸い込み針'")}});
    row("bait on a mullet rig", {QStringLiteral("--target"), s("ボラ"), QStringLiteral("--bait"), s("エビ")},
        {{QStringLiteral("--bait"), QStringLiteral("no bait"), s("'エビ'")}});
    row("no days", {QStringLiteral("--days"), QStringLiteral("0")},
        {{QStringLiteral("--days"), QStringLiteral("from 1 to ") + maxInt, QStringLiteral("'0'")}});
    row("days not a number", {QStringLiteral("--days"), QStringLiteral("abc")},
        {{QStringLiteral("--days"), QStringLiteral("whole number"), QStringLiteral("'abc'")}});
    row("days beyond int", {QStringLiteral("--days"), QStringLiteral("2147483648")},
        {{QStringLiteral("--days"), QStringLiteral("'2147483648'")}});
    row("first day 0", {QStringLiteral("--first-day"), QStringLiteral("0")},
        {{QStringLiteral("--first-day"), QStringLiteral("'0'")}});
    row("first day and days past the last day", {QStringLiteral("--first-day"), maxInt, QStringLiteral("--days"), QStringLiteral("2")},
        {{QStringLiteral("--first-day"), QStringLiteral("--days"), maxInt}});
    row("negative seed", {QStringLiteral("--seed"), QStringLiteral("-1")}, {{QStringLiteral("--seed"), QStringLiteral("'-1'")}});
    row("strike delay not a number", {QStringLiteral("--strike-delay"), QStringLiteral("soon")},
        {{QStringLiteral("--strike-delay"), QStringLiteral("'soon'")}});
    row("strike delay off the 10 ms grid", {QStringLiteral("--strike-delay"), QStringLiteral("305")},
        {{QStringLiteral("--strike-delay"), QStringLiteral("multiple of 10"), QStringLiteral("'305'")}});
    row("strike delay below -1", {QStringLiteral("--strike-delay"), QStringLiteral("-2")},
        {{QStringLiteral("--strike-delay"), QStringLiteral("'-2'")}});
    row("break after off the 10 ms grid", {QStringLiteral("--break-after"), QStringLiteral("15")},
        {{QStringLiteral("--break-after"), QStringLiteral("multiple of 10"), QStringLiteral("'15'")}});
    row("break after below -1", {QStringLiteral("--break-after"), QStringLiteral("-5")},
        {{QStringLiteral("--break-after"), QStringLiteral("'-5'")}});
    row("ok delay off the 10 ms grid", {QStringLiteral("--ok-delay"), QStringLiteral("5")},
        {{QStringLiteral("--ok-delay"), QStringLiteral("multiple of 10"), QStringLiteral("'5'")}});
    row("negative ok delay", {QStringLiteral("--ok-delay"), QStringLiteral("-10")},
        {{QStringLiteral("--ok-delay"), QStringLiteral("'-10'")}});
    row("no overtime", {QStringLiteral("--overtime"), QStringLiteral("0")},
        {{QStringLiteral("--overtime"), QStringLiteral("at least 1"), QStringLiteral("'0'")}});
    row("empty day log path", {QStringLiteral("--log-db"), QString()}, {{QStringLiteral("--log-db"), QStringLiteral("empty")}});
    row("events without a day log", {QStringLiteral("--log-events")},
        {{QStringLiteral("--log-events"), QStringLiteral("--log-db PATH")}});
    row("a bare number", {QStringLiteral("100")}, {{QStringLiteral("'100'"), QStringLiteral("--days")}});
    row("unknown option", {QStringLiteral("--dayz"), QStringLiteral("3")}, {{QStringLiteral("dayz")}});
    row("option without its value", {QStringLiteral("--days")}, {{QStringLiteral("--days")}});
    row("two mistakes, two lines", {QStringLiteral("--days"), QStringLiteral("x"), QStringLiteral("--overtime"), QStringLiteral("0")},
        {{QStringLiteral("--days"), QStringLiteral("'x'")}, {QStringLiteral("--overtime"), QStringLiteral("'0'")}});
}

void SimTest::mistakenCommandLinesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QList<QStringList>, lines);
    const Run run = runSim(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QStringList errors;
    for (const QString &line : QString::fromUtf8(run.err).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("namiyose-sim: ")))
            errors << line;
    QVERIFY2(errors.size() == lines.size(), run.err.constData());
    for (qsizetype i = 0; i < lines.size(); ++i)
        for (const QString &word : lines[i])
            QVERIFY2(errors[i].contains(word), qPrintable(errors[i] + QStringLiteral(" lacks ") + word));
}

void SimTest::chinuLengthFigures_data()
{
    QTest::addColumn<std::vector<int>>("lengths");
    QTest::addColumn<int>("p50");
    QTest::addColumn<int>("p90");
    QTest::addColumn<int>("p99");
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("share50");
    QTest::addColumn<double>("share60");
    QTest::newRow("one fish") << std::vector<int>{42} << 42 << 42 << 42 << 42 << 0.0 << 0.0;
    QTest::newRow("ten, unsorted") << std::vector<int>{60, 10, 20, 30, 40, 50, 21, 22, 23, 24} << 23 << 50 << 60 << 60
                                   << 0.2 << 0.1;
    std::vector<int> hundred(100);
    for (int i = 0; i < 100; ++i)
        hundred[std::size_t(i)] = i + 1;
    QTest::newRow("1..100") << hundred << 50 << 90 << 99 << 100 << 0.51 << 0.41;
}

void SimTest::chinuLengthFigures()
{
    QFETCH(std::vector<int>, lengths);
    const LengthSummary summary = summarise(lengths);
    QCOMPARE(summary.count, int(lengths.size()));
    QTEST(summary.p50, "p50");
    QTEST(summary.p90, "p90");
    QTEST(summary.p99, "p99");
    QTEST(summary.max, "max");
    QTEST(summary.share50, "share50");
    QTEST(summary.share60, "share60");
    QCOMPARE(summarise({}).count, 0);
}

QTEST_GUILESS_MAIN(SimTest)
// Simulated days land in a day-log database as saved days would, so that
// 統計 can be looked at over thousands of them: their figures always, their
// events only with --log-events; a second run into the same database adds
// its days to the first run's.
void SimTest::daysGoIntoTheDayLog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("namiyose-log.sqlite"));
    const QStringList args{QStringLiteral("--days"), QStringLiteral("3"), QStringLiteral("--totals-only"),
                           QStringLiteral("--log-db"), path};
    const Run run = runSim(args);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    std::set<QString> firstRun;
    {
        daylog::DayLogStore store;
        QVERIFY(store.open(path));
        const std::vector<daylog::LoggedDay> days = store.days();
        QCOMPARE(days.size(), size_t(3));
        for (const daylog::LoggedDay &day : days) {
            QCOMPARE(day.raft, 1);
            QVERIFY(day.events.empty());
            firstRun.insert(day.dayFileName);
        }
        const daylog::DayStats figures = store.stats({QStringLiteral("sim"), 1});
        QCOMPARE(figures.days, 3);
        QVERIFY(figures.hoursFished >= 3 * 3); // 7:00 to the boatman at 10:00, three times
    }
    const Run again = runSim(args + QStringList{QStringLiteral("--log-events")});
    QVERIFY2(again.exitCode == 0, again.err.constData());
    daylog::DayLogStore store;
    QVERIFY(store.open(path));
    const std::vector<daylog::LoggedDay> days = store.days();
    QCOMPARE(days.size(), size_t(6));
    QCOMPARE(store.stats().days, 6);
    std::set<QString> files;
    for (const daylog::LoggedDay &day : days) {
        QVERIFY2(day.dayFileName.startsWith(QLatin1String("sim-")), qPrintable(day.dayFileName));
        files.insert(day.dayFileName);
        if (firstRun.count(day.dayFileName))
            continue;
        QVERIFY(!day.events.empty());
        QCOMPARE(day.events.front().kind, daylog::EventKind::DayStarted);
        QCOMPARE(day.events.back().kind, daylog::EventKind::DayEnded);
    }
    QCOMPARE(files.size(), size_t(6));
    for (const QString &file : firstRun)
        QVERIFY2(files.count(file) == 1, qPrintable(file));
}

// A day the database refuses is told, the run goes on, and the exit status
// says that the log is short of days.
void SimTest::aDayNotLoggedFailsTheRun()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("namiyose-log.sqlite"));
    {
        daylog::DayLogStore store;
        QVERIFY(store.open(path));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("full after one day"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(QStringLiteral("CREATE TRIGGER full_after_one_day BEFORE INSERT ON days"
                                       " WHEN (SELECT count(*) FROM days) >= 1"
                                       " BEGIN SELECT RAISE(ABORT, 'the disk is full'); END")),
                 qPrintable(q.lastError().text()));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("full after one day"));
    const Run run = runSim({QStringLiteral("--days"), QStringLiteral("3"), QStringLiteral("--totals-only"),
                            QStringLiteral("--log-db"), path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!run.out.isEmpty());
    QVERIFY2(!run.err.contains("day 1 not logged"), run.err.constData());
    QVERIFY2(run.err.contains("day 2 not logged"), run.err.constData());
    QVERIFY2(run.err.contains("day 3 not logged"), run.err.constData());
    daylog::DayLogStore store;
    QVERIFY(store.open(path));
    QCOMPARE(store.days().size(), size_t(1));
}

#include "test_sim.moc"
