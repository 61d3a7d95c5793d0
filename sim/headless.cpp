#include "headless.h"

#include "simplatform.h"

#include "day/day.h"
#include "day/dayengine.h"
#include "mainscreen/clocktide.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/fishingtexts.h"
#include "mainscreen/mainscreentexts.h"
#include "platform/platform.h"
#include "prep/settingsrules.h"
#include "prep/settingstexts.h"
#include "state/gamestate.h"

#include <algorithm>
#include <memory>

namespace {

QString endTimeFor(int hour)
{
    for (const QString &time : settingstexts::endTimes())
        if (settings::endHourOf(time) == QString::number(hour))
            return time;
    return {};
}

// The angler of a simulated day, watching the day's model instead of the
// screen: the engine tells what the screen would show, and the angler acts
// on it after the delays of the config, on the same 10 ms grid.
class HeadlessRun final : public DayScreen, public daylog::DayEventListener
{
public:
    HeadlessRun(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
        : m_config(config)
        , m_listener(listener)
        , m_random(seed)
        , m_platform{m_scheduler, m_dialogs, m_random, m_clock, m_sound, m_cue, m_files, dirs()}
    {
        m_report.day = day;
        m_report.seed = seed;
    }

    SimDayReport play();

    // ---- what the screen would show ----
    void showMessage(const QString &text) override { heard(text); }
    void fishListed(bool) override { listed(m_day.catches.back()); }
    void yieldEvents() override { m_scheduler.yieldEvents(); }

    // ---- the day's events, kept for the day log ----
    void dayEvent(const daylog::DayEvent &event) override
    {
        if (m_logging && m_begun)
            m_logged.events.push_back(event);
    }

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
    QString clock() const;
    void tell(SimEvent::Kind kind, SimEvent e = {});
    void heard(const QString &text);
    void listed(const CaughtFish &fish);
    qint64 now() const { return m_scheduler.now(); }
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
    GameState m_state;
    Day m_day;
    std::unique_ptr<DayEngine> m_engine;
    SimDayReport m_report;
    bool m_logging = false;
    bool m_begun = false;
    daylog::LoggedDay m_logged;

    bool m_armed = false;
    bool m_window = false;
    bool m_mulletOn = false;
    bool m_picture = false;
    qint64 m_strikeAt = -1;
    qint64 m_okAt = -1;
    qint64 m_breakAt = -1;
};

void HeadlessRun::setUp()
{
    GameState &s = m_state;
    const QString endTime = endTimeFor(m_config.endHour);
    s.AnglerName = QStringLiteral("sim");
    s.SpotNo = m_config.raft;
    s.TargetFish = m_config.target;
    s.DayMinutes = settings::dayMinutesFor(endTime);
    s.AppDir = m_platform.dirs.dataRoot;
    s.EndHour = settings::endHourOf(endTime);

    // The settings screen draws today's tide hours as it opens.
    m_random.reseed(quint64(m_clock.now().toMSecsSinceEpoch()));
    const settings::TideHours tides = settings::drawTideHours(m_random);
    m_day.firstHigh = tides.firstHigh;
    m_day.secondHigh = tides.secondHigh;
    m_day.earlierLow = tides.earlierLow;
    m_day.laterLow = tides.laterLow;

    DayEngine::Options options;
    options.sound = false;
    m_engine = std::make_unique<DayEngine>(m_day, m_state, m_platform, *this, *this, options);
    m_logging = m_listener != nullptr;
    m_engine->onDayBegun = [this](const daylog::LoggedDay &header) {
        if (!m_logging)
            return;
        m_logged = header;
        m_begun = true;
    };
    // The main screen opens at the raft, the rig is made, the day starts.
    m_engine->PrepareDay();
    m_engine->setRig(m_config.leader, m_config.hook, m_config.bait);
    m_engine->StartDay();
}

QString HeadlessRun::clock() const
{
    // The clock reads 7:00 until its first minute, which never comes back.
    if (m_day.clockHour == 7 && m_day.clockMinute == 0)
        return mainscreentexts::FirstClock();
    return clocktide::clockCaption(m_day.clockHour, m_day.clockMinute);
}

void HeadlessRun::tell(SimEvent::Kind kind, SimEvent e)
{
    e.kind = kind;
    e.ms = now();
    e.afterBoatman = m_report.ended;
    if (!m_listener)
        return;
    e.clock = clock();
    m_listener->dayEvent(e);
}

void HeadlessRun::heard(const QString &text)
{
    namespace FT = fishingtexts;
    SimEvent e;
    e.text = text;
    if (text.startsWith(mainscreentexts::BoatmanTimeUp())) {
        tell(SimEvent::Boatman, e);
        if (++m_report.boatman == 1) {
            m_report.ended = true;
            m_report.endClock = clock();
            m_report.endMs = now();
        }
        return;
    }
    if (text == FT::TooEarly()) {
        ++m_report.tooEarly;
        tell(SimEvent::TooEarly, e);
    } else if (text == FT::BaitTaken()) {
        ++m_report.baitTaken;
        tell(SimEvent::BaitTaken, e);
    } else if (text == FT::MulletEscaped()) {
        ++m_report.mulletEscaped;
        tell(SimEvent::MulletEscaped, e);
    } else if (text.startsWith(FT::Lost()) || text == FT::MulletLost()) {
        ++m_report.losses;
        e.fish = m_state.FishKind;
        e.length = m_state.FishLength;
        tell(SimEvent::Lost, e);
    } else {
        tell(SimEvent::Message, e);
    }
}

void HeadlessRun::listed(const CaughtFish &fish)
{
    ++m_report.fish[fish.kind];
    if (fish.kind == fishingtexts::Chinu())
        m_report.chinuLengths.push_back(fish.length);
    if (!m_report.ended && !m_listener)
        return;
    const QString entry = fightrules::catchEntry(fish.kind, fish.length);
    if (m_report.ended)
        m_report.listedAfterBoatman << entry;
    SimEvent e;
    e.text = entry;
    e.fish = fish.kind;
    e.length = fish.length;
    tell(SimEvent::Listed, e);
}

void HeadlessRun::observe()
{
    const bool armed = m_day.biteArmed == 1;
    if (armed && !m_armed) {
        const int cls = m_state.BiteClass;
        if (cls >= 2 && cls <= 4)
            ++m_report.bites[std::size_t(cls)];
        if (m_report.ended)
            ++m_report.bitesAfterBoatman;
        SimEvent e;
        e.biteClass = cls;
        e.fish = m_state.FishKind;
        e.length = m_state.FishLength;
        tell(SimEvent::Bite, e);
    }
    m_armed = armed;

    // The tip held down for the rod-tip tick's 2000 ms: the strike is called for.
    const bool window = m_engine->Timer竿の動き->interval() == 2000;
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

    const bool mulletOn = m_day.mulletOn == 1;
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

    const bool picture = m_day.landedOnShow;
    if (picture && !m_picture) {
        m_okAt = now() + m_config.okDelayMs;
        SimEvent e;
        e.length = m_state.FishLength;
        e.fish = m_state.FishKind;
        tell(SimEvent::LandedChinu, e);
    }
    m_picture = picture;
}

void HeadlessRun::act()
{
    DayEngine &engine = *m_engine;
    const DayControls &c = m_day.controls;
    const qint64 t = now();
    if (m_strikeAt >= 0 && t >= m_strikeAt) {
        m_strikeAt = -1;
        if (c.strikeEnabled) {
            ++m_report.strikes;
            tell(SimEvent::Strike);
            engine.Strike();
            if (engine.Timer竿のしなり->isEnabled()) {
                ++m_report.hooked;
                SimEvent e;
                e.fish = m_state.FishKind;
                e.length = m_state.FishLength;
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
        if (m_day.landedOnShow) {
            tell(SimEvent::Ok);
            engine.CloseLandedChinu();
            observe();
        }
    }
    if (m_breakAt >= 0 && t >= m_breakAt) {
        m_breakAt = -1;
        if (c.breakEnabled) {
            tell(SimEvent::Break);
            engine.BreakGroundbait();
            observe();
        }
    }
    if (c.dropEnabled && !m_day.landedOnShow && (!m_report.ended || m_config.redrop)) {
        if (m_report.ended)
            ++m_report.dropsAfterBoatman;
        tell(SimEvent::Drop);
        engine.DropGroundbait();
        if (m_config.breakAfterMs >= 0 && m_state.TargetCode == 1)
            m_breakAt = t + m_config.breakAfterMs;
        observe();
    }
}

bool HeadlessRun::quiet() const
{
    const DayEngine &e = *m_engine;
    for (const Timer *timer : {e.Timer時間管理.get(), e.Timerダンゴ管理.get(), e.Timer竿の動き.get(), e.Timerあたり.get(),
                               e.Timer竿のしなり.get(), e.Timer1ボラのタイマー.get()})
        if (timer->isEnabled())
            return false;
    if (m_strikeAt >= 0 || m_okAt >= 0 || m_breakAt >= 0 || m_day.landedOnShow)
        return false;
    return !(m_config.redrop && m_day.controls.dropEnabled);
}

SimDayReport HeadlessRun::play()
{
    if (m_listener)
        m_listener->dayStarted(m_report.day, m_report.seed, m_config);
    setUp();
    const qint64 cap = (qint64(m_state.DayMinutes) + m_config.overtimeMinutes) * 1000;
    observe();
    act();
    while (now() < cap) {
        // The next moment anything can happen: a tick, or the angler's hand.
        qint64 next = m_scheduler.nextDue();
        for (const qint64 at : {m_strikeAt, m_okAt, m_breakAt})
            if (at >= 0 && (next < 0 || at < next))
                next = at;
        if (next < 0)
            next = cap;
        // What the angler meant to do at once waits for the next step, as
        // it does on the screens' grid.
        if (next <= now())
            next = now() + StepMs;
        m_scheduler.advance(std::min(next, cap) - now());
        observe();
        act();
        if (m_report.ended && quiet())
            break;
    }
    if (!m_report.ended)
        m_report.stuckClock = clock();
    m_report.playedMs = now();
    if (m_listener)
        m_listener->dayLogged(m_logged);
    m_engine.reset();
    if (m_listener)
        m_listener->dayFinished(m_report);
    return m_report;
}

} // namespace

SimDayReport playHeadlessDay(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
{
    HeadlessRun run(config, day, seed, listener);
    return run.play();
}
