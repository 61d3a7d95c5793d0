#include "simday.h"

#include "daylog/daylog.h"
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

namespace {

// The settings screen's end time that ends the day at this hour.
QString endTimeFor(int hour)
{
    for (const QString &time : settingstexts::endTimes())
        if (settings::endHourOf(time) == QString::number(hour))
            return time;
    return {};
}

} // namespace

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
class DayRun
{
public:
    DayRun(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
        : m_config(config)
        , m_listener(listener)
        , m_random(seed)
        , m_platform{m_scheduler, m_dialogs, m_random, m_clock, m_sound, m_cue, m_files, dirs()}
    {
        m_report.day = day;
        m_report.seed = seed;
        m_dialogs.onMessage = [this](const MessageRecord &m) { heard(m); };
    }

    SimDayReport play();

private:
    static ProgramDirs dirs()
    {
        ProgramDirs d;
        d.dataRoot = QStringLiteral("/sim");
        d.soundInstallDir = QStringLiteral("/sim/sounds");
        return d;
    }

    void setUp();
    void observe();
    void act();
    bool quiet() const;
    void tell(SimEvent::Kind kind, SimEvent e = {});
    void heard(const MessageRecord &m);
    void listed(const QString &entry);
    void catchUpList();
    qint64 now() const { return m_scheduler.now(); }
    // When the angler strikes at a bite seen now (-1: he never does).
    qint64 strikeTime() const { return m_config.strikeDelayMs < 0 ? -1 : now() + m_config.strikeDelayMs; }

    const AnglerConfig &m_config;
    DayListener *m_listener;
    VirtualScheduler m_scheduler;
    SimDialogs m_dialogs{m_scheduler};
    SimRandom m_random;
    SimClock m_clock;
    SilentSound m_sound;
    SilentCue m_cue;
    MemoryFiles m_files;
    Platform m_platform;
    std::unique_ptr<Game> m_game;
    Form1 *m_form = nullptr;
    GameState *m_state = nullptr;
    // Looked at every step: found once.
    const DayEngine *m_fishing = nullptr;
    const Timer *m_tipTimer = nullptr;   // Timer竿の動き
    const Timer *m_fightTimer = nullptr; // Timer竿のしなり
    const QWidget *m_landed = nullptr;   // Picture1(0), the landed chinu
    const QListWidget *m_list = nullptr; // List1, the catch list
    SimDayReport m_report;

    // What the angler last saw.
    bool m_armed = false;
    bool m_window = false;
    bool m_mulletOn = false;
    bool m_picture = false;
    int m_listCount = 0;
    // What the angler means to do, and when (-1: nothing).
    qint64 m_strikeAt = -1;
    qint64 m_okAt = -1;
    qint64 m_breakAt = -1;
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
    m_fishing = &f.fishing();
    m_tipTimer = f.Timer竿の動き;
    m_fightTimer = f.Timer竿のしなり;
    m_landed = f.Picture1(0);
    m_list = f.List1;
    f.StartDay();
}

void DayRun::tell(SimEvent::Kind kind, SimEvent e)
{
    e.kind = kind;
    e.ms = now();
    e.afterBoatman = m_report.ended;
    if (!m_listener)
        return;
    e.clock = m_form->Label10->text();
    m_listener->dayEvent(e);
}

void DayRun::heard(const MessageRecord &m)
{
    namespace FT = fishingtexts;
    // A fish is listed just before its message is shown: take the list in
    // first, so that a catch comes before the boatman who follows it.
    catchUpList();
    SimEvent e;
    e.text = m.text;
    if (m.text.startsWith(mainscreentexts::BoatmanTimeUp())) {
        // Counted before it is told, so that the event reads as the end itself.
        tell(SimEvent::Boatman, e);
        if (++m_report.boatman == 1) {
            m_report.ended = true;
            m_report.endClock = m_form->Label10->text();
            m_report.endMs = now();
        }
        return;
    }
    if (m.text == FT::TooEarly()) {
        ++m_report.tooEarly;
        tell(SimEvent::TooEarly, e);
    } else if (m.text == FT::BaitTaken()) {
        ++m_report.baitTaken;
        tell(SimEvent::BaitTaken, e);
    } else if (m.text == FT::MulletEscaped()) {
        ++m_report.mulletEscaped;
        tell(SimEvent::MulletEscaped, e);
    } else if (m.text.startsWith(FT::Lost()) || m.text == FT::MulletLost()) {
        ++m_report.losses;
        e.fish = m_state->FishKind;
        e.length = m_state->FishLength;
        tell(SimEvent::Lost, e);
    } else {
        tell(SimEvent::Message, e);
    }
}

void DayRun::listed(const QString &entry)
{
    // "<kind>  <cm>センチ"
    SimEvent e;
    e.text = entry;
    const int gap = entry.indexOf(QLatin1Char(' '));
    e.fish = gap < 0 ? entry : entry.left(gap);
    QString cm = entry.mid(gap + 1).trimmed();
    cm.chop(fishingtexts::Centi().size());
    e.length = cm.toInt();
    ++m_report.fish[e.fish];
    if (e.fish == fishingtexts::Chinu())
        m_report.chinuLengths.push_back(e.length);
    if (m_report.ended)
        m_report.listedAfterBoatman << entry;
    tell(SimEvent::Listed, e);
}

void DayRun::catchUpList()
{
    if (!m_list)
        return;
    const int count = m_list->count();
    for (; m_listCount < count; ++m_listCount)
        listed(m_list->item(m_listCount)->text());
    if (count < m_listCount)
        m_listCount = count;
}

void DayRun::observe()
{
    const Day &day = m_form->day();
    const bool armed = day.biteArmed == 1;
    if (armed && !m_armed) {
        const int cls = m_state->BiteClass;
        if (cls >= 2 && cls <= 4)
            ++m_report.bites[std::size_t(cls)];
        if (m_report.ended)
            ++m_report.bitesAfterBoatman;
        SimEvent e;
        e.biteClass = cls;
        e.fish = m_state->FishKind;
        e.length = m_state->FishLength;
        tell(SimEvent::Bite, e);
    }
    m_armed = armed;

    // The fish holds the bait until the next rod-tip tick, 2000 ms on: the
    // tip stays down and the strike is called for.
    const bool window = m_tipTimer->interval() == 2000;
    if (window && !m_window) {
        ++m_report.windows;
        m_strikeAt = strikeTime();
        tell(SimEvent::StrikeWindow);
    } else if (!window && m_window && (m_strikeAt >= 0 || m_config.strikeDelayMs < 0)) {
        m_strikeAt = -1;
        ++m_report.missed;
        tell(SimEvent::Missed);
    }
    m_window = window;

    const bool mulletOn = day.mulletOn == 1;
    if (mulletOn && !m_mulletOn) {
        ++m_report.mulletTakes;
        if (m_report.ended)
            ++m_report.bitesAfterBoatman;
        m_strikeAt = strikeTime();
        tell(SimEvent::MulletTake);
    } else if (!mulletOn && m_mulletOn && (m_strikeAt >= 0 || m_config.strikeDelayMs < 0)) {
        m_strikeAt = -1;
        ++m_report.missed;
        tell(SimEvent::Missed);
    }
    m_mulletOn = mulletOn;

    catchUpList();

    const bool picture = !m_landed->isHidden();
    if (picture && !m_picture) {
        m_okAt = now() + m_config.okDelayMs;
        SimEvent e;
        e.length = m_state->FishLength;
        e.fish = m_state->FishKind;
        tell(SimEvent::LandedChinu, e);
    }
    m_picture = picture;
}

void DayRun::act()
{
    Form1 &f = *m_form;
    const qint64 t = now();
    if (m_strikeAt >= 0 && t >= m_strikeAt) {
        m_strikeAt = -1;
        if (f.Command3->isEnabled()) {
            ++m_report.strikes;
            tell(SimEvent::Strike);
            f.Command3->click();
            if (m_fightTimer->isEnabled()) {
                ++m_report.hooked;
                SimEvent e;
                e.fish = m_state->FishKind;
                e.length = m_state->FishLength;
                tell(SimEvent::Hooked, e);
            }
        } else {
            ++m_report.missed;
            tell(SimEvent::Missed);
        }
        observe();
    }
    if (m_okAt >= 0 && t >= m_okAt) {
        m_okAt = -1;
        if (!m_landed->isHidden()) {
            tell(SimEvent::Ok);
            f.Command4->click();
            observe();
        }
    }
    if (m_breakAt >= 0 && t >= m_breakAt) {
        m_breakAt = -1;
        if (f.Command2->isEnabled()) {
            tell(SimEvent::Break);
            f.Command2->click();
            observe();
        }
    }
    if (f.Command1->isEnabled() && m_landed->isHidden() && (!m_report.ended || m_config.redrop)) {
        if (m_report.ended)
            ++m_report.dropsAfterBoatman;
        tell(SimEvent::Drop);
        f.Command1->click();
        if (m_config.breakAfterMs >= 0 && m_state->TargetCode == 1)
            m_breakAt = t + m_config.breakAfterMs;
        observe();
    }
}

// Once the boatman has come, nothing can happen any more when every timer of
// the fishing and the clock stands still and the angler has nothing to do.
bool DayRun::quiet() const
{
    const Form1 &f = *m_form;
    for (const Timer *timer : {f.Timer時間管理, f.Timerダンゴ管理, f.Timer竿の動き,
                               f.Timerあたり, f.Timer竿のしなり, f.Timer1ボラのタイマー})
        if (timer->isEnabled())
            return false;
    if (m_strikeAt >= 0 || m_okAt >= 0 || m_breakAt >= 0 || !m_landed->isHidden())
        return false;
    return !(m_config.redrop && f.Command1->isEnabled());
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
        m_report.stuckClock = m_form->Label10->text();
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
