// namiyose-sim: plays whole fishing days headless on the game's own main
// screen and virtual time, and reports what came of them.
#include "simday.h"
#include "simreport.h"

#include "daylog/store.h"
#include "prep/rigtexts.h"

#include "headless.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonDocument>

#include <cstdio>
#include <limits>
#include <memory>
#include <unistd.h>

namespace {

void write(FILE *out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
}

void write(FILE *out, const QJsonObject &object)
{
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
}

// A one-line bar on standard error, redrawn at most every tenth of a second.
class Progress
{
public:
    Progress(int days, bool on) : m_days(days), m_on(on && days > 1) { m_clock.start(); }
    void update(int done)
    {
        if (!m_on || (done < m_days && m_clock.elapsed() - m_last < 100))
            return;
        m_last = m_clock.elapsed();
        constexpr int Width = 40;
        const int filled = int(qint64(Width) * done / m_days);
        const double rate = m_last > 0 ? done * 60000.0 / double(m_last) : 0;
        std::fprintf(stderr, "\r[%s%s] %d/%d days, %.0f days/min", QByteArray(filled, '#').constData(),
                     QByteArray(Width - filled, ' ').constData(), done, m_days, rate);
        if (done == m_days)
            std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    int m_days;
    bool m_on;
    QElapsedTimer m_clock;
    qint64 m_last = -1000;
};

const char *kindName(SimEvent::Kind kind)
{
    switch (kind) {
    case SimEvent::Drop: return "drop";
    case SimEvent::Break: return "break";
    case SimEvent::Bite: return "bite";
    case SimEvent::MulletTake: return "mullet-take";
    case SimEvent::StrikeWindow: return "strike-window";
    case SimEvent::Strike: return "strike";
    case SimEvent::Hooked: return "hooked";
    case SimEvent::TooEarly: return "too-early";
    case SimEvent::Missed: return "missed";
    case SimEvent::BaitTaken: return "bait-taken";
    case SimEvent::MulletEscaped: return "mullet-escaped";
    case SimEvent::Lost: return "lost";
    case SimEvent::Listed: return "listed";
    case SimEvent::LandedChinu: return "landed-chinu";
    case SimEvent::Ok: return "ok";
    case SimEvent::Boatman: return "boatman";
    case SimEvent::Message: return "message";
    }
    return "?";
}

// Writes each day into a day-log database, as a saved day would (its
// summary always, its events when asked), and passes everything on to the
// listener behind it (the trace, if any).
class LogWriter final : public DayListener
{
public:
    LogWriter(DayListener *next, const QString &run, daylog::DayLogStore::Keep keep)
        : m_next(next)
        , m_run(run)
        , m_keep(keep)
    {
    }
    bool open(const QString &path) { return m_store.open(path); }
    QString error() const { return m_store.lastError(); }
    int notLogged() const { return m_notLogged; }

    void dayStarted(int day, quint64 seed, const AnglerConfig &config) override
    {
        m_day = day;
        if (m_next)
            m_next->dayStarted(day, seed, config);
    }
    void dayEvent(const SimEvent &event) override
    {
        if (m_next)
            m_next->dayEvent(event);
    }
    void dayFinished(const SimDayReport &report) override
    {
        if (m_next)
            m_next->dayFinished(report);
    }
    void dayLogged(const daylog::LoggedDay &day) override
    {
        daylog::LoggedDay logged = day;
        // Each simulated day is a day file of its own, named by its run, so
        // that no day replaces another, nor one of an earlier run.
        logged.dayFileName = QStringLiteral("sim-%1-day-%2.txt").arg(m_run).arg(m_day, 6, 10, QLatin1Char('0'));
        if (!m_store.saveDay(logged, m_keep)) {
            ++m_notLogged;
            std::fprintf(stderr, "namiyose-sim: day %d not logged: %s\n", m_day, qPrintable(m_store.lastError()));
        }
        if (m_next)
            m_next->dayLogged(day);
    }

private:
    DayListener *m_next;
    QString m_run;
    daylog::DayLogStore::Keep m_keep;
    daylog::DayLogStore m_store;
    int m_day = 0;
    int m_notLogged = 0;
};

// Names a run in the day log: the time it started, to the millisecond, and
// the process, so that runs into one database one after the other, or side
// by side, never share a day file.
QString runId()
{
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) + QLatin1Char('-')
        + QString::number(QCoreApplication::applicationPid());
}

// Every event of every day on standard error, one line each.
class TraceListener final : public DayListener
{
public:
    void dayStarted(int day, quint64, const AnglerConfig &) override { m_day = day; }
    void dayEvent(const SimEvent &e) override
    {
        QString line = QStringLiteral("day %1 %2 %3 ms %4").arg(m_day).arg(e.clock, 8).arg(e.ms, 8).arg(QLatin1String(kindName(e.kind)));
        if (e.biteClass)
            line += QStringLiteral(" class %1").arg(e.biteClass);
        if (!e.fish.isEmpty())
            line += QStringLiteral(" %1 %2 cm").arg(e.fish).arg(e.length);
        if (!e.text.isEmpty())
            line += QStringLiteral(" \"%1\"").arg(QString(e.text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        if (e.afterBoatman)
            line += QStringLiteral(" (after the boatman)");
        write(stderr, line + QLatin1Char('\n'));
    }

private:
    int m_day = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // Headless unless told otherwise: no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("namiyose-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays whole fishing days on the game's own day engine, without a window, and reports them."));
    parser.addHelpOption();
    const QCommandLineOption days(QStringLiteral("days"), QStringLiteral("Days to play (1)."), QStringLiteral("N"),
                                  QStringLiteral("1"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the run (1)."), QStringLiteral("S"),
                                  QStringLiteral("1"));
    const QCommandLineOption raft(QStringLiteral("raft"), QStringLiteral("Raft 1..5 (1)."), QStringLiteral("R"),
                                  QStringLiteral("1"));
    const QCommandLineOption target(QStringLiteral("target"), QStringLiteral("Target fish (%1 or %2).")
                                                                  .arg(rigtexts::Chinu(), rigtexts::Mullet()),
                                    QStringLiteral("FISH"), rigtexts::Chinu());
    const QCommandLineOption end(QStringLiteral("end"), QStringLiteral("End hour: 10, 12, 15 or 17 (10)."),
                                 QStringLiteral("H"), QStringLiteral("10"));
    const QCommandLineOption leader(QStringLiteral("leader"), QStringLiteral("Leader (chinu rig: 2号)."),
                                    QStringLiteral("L"));
    const QCommandLineOption hook(QStringLiteral("hook"), QStringLiteral("Hook (chinu rig: 4号)."), QStringLiteral("H"));
    const QCommandLineOption bait(QStringLiteral("bait"), QStringLiteral("Bait (chinu rig: オキアミ)."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption strikeDelay(QStringLiteral("strike-delay"),
                                         QStringLiteral("ms from the bite that calls for a strike to the strike (300); -1 never strikes."),
                                         QStringLiteral("MS"), QStringLiteral("300"));
    const QCommandLineOption breakAfter(QStringLiteral("break-after"),
                                        QStringLiteral("Breaks the ball this many ms after the drop (default: lets it break)."),
                                        QStringLiteral("MS"), QStringLiteral("-1"));
    const QCommandLineOption okDelay(QStringLiteral("ok-delay"),
                                     QStringLiteral("ms of looking at a landed chinu before \"O K\" (2000)."),
                                     QStringLiteral("MS"), QStringLiteral("2000"));
    const QCommandLineOption redrop(QStringLiteral("redrop"),
                                   QStringLiteral("Drops again whenever the game allows, also after the boatman."));
    const QCommandLineOption overtime(QStringLiteral("overtime"),
                                      QStringLiteral("Game minutes past the end hour before a day counts as not ended (180)."),
                                      QStringLiteral("MIN"), QStringLiteral("180"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Machine-readable output."));
    const QCommandLineOption totalsOnly(QStringLiteral("totals-only"), QStringLiteral("Leaves out the days."));
    const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Every event of every day on standard error."));
    const QCommandLineOption firstDay(QStringLiteral("first-day"),
                                      QStringLiteral("Index of the first day (1), to replay one day of a longer run."),
                                      QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption logDb(QStringLiteral("log-db"),
                                   QStringLiteral("Writes every day's figures into this day-log database (for 統計)."),
                                   QStringLiteral("PATH"));
    const QCommandLineOption logEvents(QStringLiteral("log-events"),
                                       QStringLiteral("With --log-db, keeps every event of each day too (for 釣行記録)."));
    const QCommandLineOption noProgress(QStringLiteral("no-progress"), QStringLiteral("No progress bar."));
    const QCommandLineOption screens(QStringLiteral("screens"),
                                     QStringLiteral("Plays each day through the game's real windows (never shown), "
                                                    "as a check of the whole game; slower, same days."));
    parser.addOptions({screens, days, seed, raft, target, end, leader, hook, bait, strikeDelay, breakAfter, okDelay, redrop,
                       overtime, json, totalsOnly, trace, firstDay, logDb, logEvents, noProgress});
    // A mistake is a usage error (status 2), told on a line of its own that
    // names the option; parse() rather than process(), which would end with
    // status 1 on the first one.
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "namiyose-sim: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    parser.process(app); // --help and --help-all

    QStringList mistakes;
    const auto name = [](const QCommandLineOption &option) { return QStringLiteral("--") + option.names().constFirst(); };
    const auto quoted = [](const QString &value) { return QLatin1Char('\'') + value + QLatin1Char('\''); };
    for (const QString &stray : parser.positionalArguments())
        mistakes << QStringLiteral("unexpected argument %1: every setting goes with its option, such as --days N (see --help)")
                        .arg(quoted(stray));
    // A setting of the angler: any whole number here, its range is the
    // config's to judge; a value that is none leaves the default.
    const auto setting = [&](const QCommandLineOption &option, int &field) {
        bool good = false;
        const int value = parser.value(option).toInt(&good);
        if (good)
            field = value;
        else
            mistakes << QStringLiteral("%1 must be a whole number, not %2").arg(name(option), quoted(parser.value(option)));
    };
    constexpr int LastDay = std::numeric_limits<int>::max();
    const auto dayNumber = [&](const QCommandLineOption &option) {
        bool good = false;
        const int value = parser.value(option).toInt(&good);
        if (!good || value < 1) {
            mistakes << QStringLiteral("%1 must be a whole number from 1 to %2, not %3")
                            .arg(name(option))
                            .arg(LastDay)
                            .arg(quoted(parser.value(option)));
            return 0;
        }
        return value;
    };
    AnglerConfig config;
    setting(raft, config.raft);
    config.target = parser.value(target);
    setting(end, config.endHour);
    const bool mullet = config.target == rigtexts::Mullet();
    config.leader = parser.isSet(leader) ? parser.value(leader)
                                         : mullet ? rigtexts::mulletLeader() : rigtexts::chinuLeaders().value(1);
    config.hook = parser.isSet(hook) ? parser.value(hook) : mullet ? rigtexts::mulletHook() : rigtexts::chinuHooks().value(1);
    config.bait = parser.isSet(bait) ? parser.value(bait) : mullet ? QString() : rigtexts::baits().value(3);
    setting(strikeDelay, config.strikeDelayMs);
    setting(breakAfter, config.breakAfterMs);
    setting(okDelay, config.okDelayMs);
    config.redrop = parser.isSet(redrop);
    setting(overtime, config.overtimeMinutes);
    const int dayCount = dayNumber(days);
    const int first = dayNumber(firstDay);
    if (dayCount > 0 && first > 0 && first - 1 > LastDay - dayCount)
        mistakes << QStringLiteral("--first-day %1 and --days %2 would go past day %3, the last there can be")
                        .arg(first)
                        .arg(dayCount)
                        .arg(LastDay);
    bool seedOk = false;
    const quint64 runSeed = parser.value(seed).toULongLong(&seedOk);
    if (!seedOk)
        mistakes << QStringLiteral("--seed must be a whole number from 0 to %1, not %2")
                        .arg(std::numeric_limits<quint64>::max())
                        .arg(quoted(parser.value(seed)));
    if (parser.isSet(logDb) && parser.value(logDb).isEmpty())
        mistakes << QStringLiteral("--log-db must name a database file, not an empty path");
    if (parser.isSet(logEvents) && !parser.isSet(logDb))
        mistakes << QStringLiteral("--log-events keeps the events in the day log: it needs --log-db PATH");
    mistakes << configProblems(config);
    if (!mistakes.isEmpty()) {
        for (const QString &mistake : std::as_const(mistakes))
            std::fprintf(stderr, "namiyose-sim: %s\n", mistake.toLocal8Bit().constData());
        return 2;
    }

    const bool asJson = parser.isSet(json);
    const bool throughScreens = parser.isSet(screens);
    const bool listDays = !parser.isSet(totalsOnly);
    Progress progress(dayCount, !parser.isSet(noProgress) && isatty(STDERR_FILENO));
    Totals totals;
    // The listener that hears each day as it is played; a store of the day's
    // events (a day log) is handed to playDay the same way.
    TraceListener tracer;
    DayListener *listener = parser.isSet(trace) ? &tracer : nullptr;
    std::unique_ptr<LogWriter> logWriter;
    if (parser.isSet(logDb)) {
        logWriter = std::make_unique<LogWriter>(listener, runId(),
                                                parser.isSet(logEvents) ? daylog::DayLogStore::Keep::DayWithEvents
                                                                        : daylog::DayLogStore::Keep::FiguresOnly);
        if (!logWriter->open(parser.value(logDb))) {
            std::fprintf(stderr, "namiyose-sim: cannot open the day log %s: %s\n", qPrintable(parser.value(logDb)),
                         qPrintable(logWriter->error()));
            return 2;
        }
        listener = logWriter.get();
    }
    if (asJson) {
        write(stdout, QStringLiteral("{\"config\":"));
        write(stdout, configJson(config, runSeed, dayCount));
        if (listDays)
            write(stdout, QStringLiteral(",\n\"days\":[\n"));
    }
    // Counted from 0, so that neither the count nor the day can pass the
    // last int when the run reaches it.
    for (int n = 0; n < dayCount; ++n) {
        const int day = first + n;
        const SimDayReport report = throughScreens ? playDay(config, day, daySeed(runSeed, day), listener)
                                                   : playHeadlessDay(config, day, daySeed(runSeed, day), listener);
        totals.add(report);
        if (listDays) {
            if (asJson) {
                write(stdout, n > 0 ? QStringLiteral(",\n") : QString());
                write(stdout, dayJson(report));
            } else {
                write(stdout, dayLine(report) + QLatin1Char('\n'));
            }
        }
        progress.update(n + 1);
    }
    if (asJson) {
        write(stdout, listDays ? QStringLiteral("\n],\n\"totals\":") : QStringLiteral(",\n\"totals\":"));
        write(stdout, totalsJson(totals));
        write(stdout, QStringLiteral("}\n"));
    } else {
        write(stdout, (listDays ? QStringLiteral("\n") : QString()) + totalsText(totals) + QLatin1Char('\n'));
    }
    // The report is whole, but the day log is short of days: the status tells.
    if (logWriter && logWriter->notLogged() > 0) {
        std::fprintf(stderr, "namiyose-sim: %d of %d days not logged into %s\n", logWriter->notLogged(), dayCount,
                     qPrintable(parser.value(logDb)));
        return 1;
    }
    return 0;
}
