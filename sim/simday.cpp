#include "simday.h"

#include "daylog/daylog.h"
#include "angler.h"
#include "simplatform.h"

#include "app/game.h"
#include "app/screens.h"
#include "day/dayengine.h"
#include "mainscreen/fishing/fishingtexts.h"
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
#include <QListWidget>
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
        m_sim.dialogs.onMessage = [this](const MessageRecord &m) {
            // A fish is listed just before its message is shown: take the
            // list in first, so that a catch comes before the boatman who
            // follows it.
            catchUpList();
            heard(m.text);
        };
    }

    SimDayReport play();

private:
    void setUp();
    void catchUpList();
    void catchUp() override { catchUpList(); }

    // ---- what the angler sees on the screen and presses ----
    qint64 now() const override { return m_scheduler.now(); }
    QString clock() const override { return m_form->Label10->text(); }
    Sight sight() const override
    {
        // The fish holds the bait until the next rod-tip tick, 2000 ms on:
        // the tip stays down and the strike is called for.
        const Day &day = m_form->day();
        return {day.biteArmed == 1, m_tipTimer->interval() == 2000, day.mulletOn == 1, !m_landed->isHidden()};
    }
    Fish fish() const override { return {m_state->BiteClass, m_state->FishKind, m_state->FishLength}; }
    bool chinuRig() const override { return m_state->TargetCode == 1; }
    bool canStrike() const override { return m_form->Command3->isEnabled(); }
    void strike() override { m_form->Command3->click(); }
    bool fighting() const override { return m_fightTimer->isEnabled(); }
    void ok() override { m_form->Command4->click(); }
    bool canBreak() const override { return m_form->Command2->isEnabled(); }
    void breakBall() override { m_form->Command2->click(); }
    bool canDrop() const override { return m_form->Command1->isEnabled(); }
    void drop() override { m_form->Command1->click(); }
    bool dayMoves() const override
    {
        const Form1 &f = *m_form;
        for (const Timer *timer : {f.Timer時間管理, f.Timerダンゴ管理, f.Timer竿の動き, f.Timerあたり,
                                   f.Timer竿のしなり, f.Timer1ボラのタイマー})
            if (timer->isEnabled())
                return true;
        return false;
    }

    SimPlatform m_sim;
    VirtualScheduler &m_scheduler = m_sim.scheduler;
    SimRandom &m_random = m_sim.random;
    Platform &m_platform = m_sim.platform;
    std::unique_ptr<Game> m_game;
    Form1 *m_form = nullptr;
    GameState *m_state = nullptr;
    // Looked at every step: found once.
    const Timer *m_tipTimer = nullptr;   // Timer竿の動き
    const Timer *m_fightTimer = nullptr; // Timer竿のしなり
    const QWidget *m_landed = nullptr;   // Picture1(0), the landed chinu
    const QListWidget *m_list = nullptr; // List1, the catch list
    int m_listCount = 0;
};

void DayRun::setUp()
{
    m_game = std::make_unique<Game>(m_platform);
    GameState &s = m_game->state;
    m_state = &s;
    const QString endTime = endTimeFor(m_config.endHour);
    // The settings screen as the angler leaves it: raft, target and end time.
    s.AnglerName = QStringLiteral("sim");
    s.SpotNo = m_config.raft;
    s.TargetFish = m_config.target;
    s.DayMinutes = settings::dayMinutesFor(endTime);
    Form3 &settingsScreen = m_game->screens().form3();
    settingsScreen.Label1->setText(rafts::name(m_config.raft));
    s.EndHour = settings::endHourOf(endTime);

    Form1 &f = m_game->screens().form1();
    m_form = &f;
    if (f.Label46)
        f.Label46->setText(s.EndHour + settingstexts::EndHourSuffix());
    // The rig as the rig screen writes it.
    s.Leader = m_config.leader;
    s.Hook = m_config.hook;
    s.Bait = m_config.bait;
    f.setRig(s.Leader, s.Hook, s.Bait);
    f.Label4(0)->setText(s.TargetFish);
    m_tipTimer = f.Timer竿の動き;
    m_fightTimer = f.Timer竿のしなり;
    m_landed = f.Picture1(0);
    m_list = f.List1;
    f.StartDay();
}

void DayRun::catchUpList()
{
    // The angler reads the catch list as the screen shows it: "<kind>  <cm>センチ".
    if (!m_list)
        return;
    const int count = m_list->count();
    for (; m_listCount < count; ++m_listCount) {
        const QString entry = m_list->item(m_listCount)->text();
        const int gap = entry.indexOf(QLatin1Char(' '));
        QString cm = entry.mid(gap + 1).trimmed();
        cm.chop(fishingtexts::Centi().size());
        listed(gap < 0 ? entry : entry.left(gap), cm.toInt());
    }
    if (count < m_listCount)
        m_listCount = count;
}

SimDayReport DayRun::play()
{
    if (m_listener)
        m_listener->dayStarted(m_report.day, m_report.seed, m_config);
    setUp();
    Q_ASSERT(configProblems(m_config).isEmpty());
    const qint64 cap = (qint64(m_state->DayMinutes) + m_config.overtimeMinutes) * 1000;
    observe();
    act();
    while (now() < cap) {
        m_scheduler.advance(StepMs);
        observe();
        act();
        if (m_report.ended && quiet())
            break;
    }
    if (!m_report.ended)
        m_report.stuckClock = clock();
    m_report.playedMs = now();
    if (m_listener)
        m_listener->dayLogged(m_game->dayLog().today());
    m_form = nullptr;
    m_game.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_listener)
        m_listener->dayFinished(m_report);
    return m_report;
}

} // namespace

SimDayReport playDay(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
{
    DayRun run(config, day, seed, listener);
    return run.play();
}
