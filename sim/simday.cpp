#include "simday.h"

#include "daylog/daylog.h"
#include "angler.h"
#include "simplatform.h"

#include "app/game.h"
#include "app/screens.h"
#include "day/dayengine.h"
#include "mainscreen/form1.h"
#include "mainscreen/mainscreentexts.h"
#include "mainscreen/rafts.h"
#include "platform/picturebox.h"
#include "prep/form3.h"
#include "prep/rigtexts.h"
#include "prep/settingsrules.h"
#include "prep/settingstexts.h"
#include "state/gamestate.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <memory>

void DayListener::dayStarted(int, quint64, const AnglerConfig &) {}
void DayListener::dayEvent(const SimEvent &) {}
void DayListener::dayFinished(const SimDayReport &) {}
void DayListener::dayLogged(const daylog::LoggedDay &) {}

quint64 daySeed(quint64 runSeed, int day)
{
    // splitmix64 of the run's seed and the day: neighbouring days get
    // unrelated streams.
    quint64 z = runSeed + 0x9e3779b97f4a7c15ULL * (quint64(day) + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

QString endTimeFor(int hour)
{
    for (const QString &time : settingstexts::endTimes())
        if (settings::endHourOf(time) == QString::number(hour))
            return time;
    return {};
}

namespace {

QString quoted(const QString &value)
{
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

QString quoted(int value)
{
    return quoted(QString::number(value));
}

bool onTheStep(int ms)
{
    return ms >= 0 && ms % StepMs == 0;
}

} // namespace

QStringList configProblems(const AnglerConfig &c)
{
    QStringList problems;
    const QString grid = QStringLiteral("a multiple of %1 ms from 0 up (a day steps in %1 ms)").arg(StepMs);
    if (c.raft < 1 || c.raft > rafts::Count)
        problems << QStringLiteral("--raft must be a whole number from 1 to %1, not %2").arg(rafts::Count).arg(quoted(c.raft));
    if (endTimeFor(c.endHour).isEmpty())
        problems << QStringLiteral("--end must be one of 10, 12, 15, 17, not ") + quoted(c.endHour);
    const auto oneOf = [&](const char *option, const QStringList &offered, const QString &value) {
        if (!offered.contains(value))
            problems << QStringLiteral("--%1 must be one of %2, not %3")
                            .arg(QLatin1String(option), offered.join(QLatin1Char(' ')), quoted(value));
    };
    if (c.target == rigtexts::Chinu()) {
        oneOf("leader", rigtexts::chinuLeaders(), c.leader);
        oneOf("hook", rigtexts::chinuHooks(), c.hook);
        oneOf("bait", rigtexts::baits(), c.bait);
    } else if (c.target == rigtexts::Mullet()) {
        if (c.leader != rigtexts::mulletLeader())
            problems << QStringLiteral("--leader of the mullet rig must be %1, not %2").arg(rigtexts::mulletLeader(), quoted(c.leader));
        if (c.hook != rigtexts::mulletHook())
            problems << QStringLiteral("--hook of the mullet rig must be %1, not %2").arg(rigtexts::mulletHook(), quoted(c.hook));
        if (!c.bait.isEmpty())
            problems << QStringLiteral("--bait: the mullet rig takes no bait, not ") + quoted(c.bait);
    } else {
        problems << QStringLiteral("--target must be %1 or %2, not %3").arg(rigtexts::Chinu(), rigtexts::Mullet(), quoted(c.target));
    }
    if (c.strikeDelayMs != -1 && !onTheStep(c.strikeDelayMs))
        problems << QStringLiteral("--strike-delay must be -1 (never strikes) or %1, not %2").arg(grid, quoted(c.strikeDelayMs));
    if (c.breakAfterMs != -1 && !onTheStep(c.breakAfterMs))
        problems << QStringLiteral("--break-after must be -1 (lets the ball break) or %1, not %2").arg(grid, quoted(c.breakAfterMs));
    if (!onTheStep(c.okDelayMs))
        problems << QStringLiteral("--ok-delay must be %1, not %2").arg(grid, quoted(c.okDelayMs));
    // The boatman comes once the end hour has passed: with no minute after
    // it every day would be given up before he could.
    if (c.overtimeMinutes < 1)
        problems << QStringLiteral("--overtime must be at least 1 game minute, not ") + quoted(c.overtimeMinutes);
    return problems;
}

namespace {

// One day: the real settings and main screens on virtual time, never shown,
// with an angler who watches the rod tip and the buttons.
class DayRun final : public SimAngler
{
public:
    DayRun(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
        : SimAngler(config, day, seed, listener)
        , m_sim(seed)
    {
    }

    SimDayReport play();

private:
    void setUp();
    void catchUp() override;

    // ---- the angler's day, and his hands on the screen's buttons ----
    qint64 now() const override { return m_scheduler.now(); }
    const DayEngine &engine() const override { return m_form->fishing(); }
    void strike() override { m_form->Command3->click(); }
    void ok() override { m_form->Command4->click(); }
    void breakBall() override { m_form->Command2->click(); }
    void drop() override { m_form->Command1->click(); }

    SimPlatform m_sim;
    VirtualScheduler &m_scheduler = m_sim.scheduler;
    Platform &m_platform = m_sim.platform;
    std::unique_ptr<Game> m_game;
    Form1 *m_form = nullptr;
    std::size_t m_listCount = 0; // the fish of the day already heard of
};

void DayRun::setUp()
{
    m_game = std::make_unique<Game>(m_platform);
    GameState &s = m_game->state;
    const QString endTime = endTimeFor(m_config.endHour);
    // The settings screen as the angler leaves it: raft, target and end time.
    s.AnglerName = QStringLiteral("sim");
    s.SpotNo = m_config.raft;
    s.TargetFish = daylog::fishFromCaption(m_config.target);
    s.DayMinutes = settings::dayMinutesFor(endTime);
    m_game->screens().form3();
    s.EndHour = settings::endHourOf(endTime);

    Form1 &f = m_game->screens().form1();
    m_form = &f;
    f.fishing().onMessage = [this](DayMessage kind, const QString &text) {
        // A fish is listed just before its message is shown: take the list
        // in first, so that a catch comes before the boatman who follows it.
        catchUp();
        heard(kind, text);
    };
    f.showEndHour();
    // The rig as the rig screen writes it.
    s.Leader = daylog::leaderFromCaption(m_config.leader);
    s.Hook = daylog::hookFromCaption(m_config.hook);
    s.Bait = daylog::baitFromCaption(m_config.bait);
    f.setRig(s.Leader, s.Hook, s.Bait);
    f.showTarget();
    f.StartDay();
}

void DayRun::catchUp()
{
    // The fish listed since the angler last looked, as the day has them.
    if (!m_form)
        return;
    const std::vector<CaughtFish> &catches = m_form->day().catches;
    for (; m_listCount < catches.size(); ++m_listCount)
        listed(catches[m_listCount].kind, catches[m_listCount].length);
}

SimDayReport DayRun::play()
{
    if (m_listener)
        m_listener->dayStarted(m_report.day, m_report.seed, m_config);
    setUp();
    Q_ASSERT(configProblems(m_config).isEmpty());
    const qint64 cap = (qint64(m_game->state.DayMinutes) + m_config.overtimeMinutes) * 1000;
    observe();
    act();
    while (now() < cap) {
        m_scheduler.advance(StepMs);
        observe();
        act();
        if (m_report.ended && quiet())
            break;
    }
    const SimDayReport report = finish(m_game->dayLog().today());
    m_form = nullptr;
    m_game.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_listener)
        m_listener->dayFinished(report);
    return report;
}

} // namespace

SimDayReport playDay(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
{
    DayRun run(config, day, seed, listener);
    return run.play();
}
