#include "headless.h"

#include "angler.h"
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

// The angler of a simulated day, watching the day's model instead of the
// screen: the engine tells what the screen would show, and the angler acts
// on it after the delays of the config, on the same 10 ms grid.
class HeadlessRun final : public SimAngler, public DayScreen, public daylog::DayEventListener
{
public:
    HeadlessRun(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
        : SimAngler(config, day, seed, listener)
        , m_sim(seed)
    {
    }

    SimDayReport play();

    // ---- what the screen would show ----
    void fishListed(bool) override { listed(m_day.catches.back().kind, m_day.catches.back().length); }
    void yieldEvents() override { m_scheduler.yieldEvents(); }

    // ---- the day's events, kept for the day log ----
    void dayEvent(const daylog::DayEvent &event) override
    {
        if (m_begun)
            m_logged.events.push_back(event);
    }

private:
    void setUp();

    // ---- the angler's day and hands ----
    qint64 now() const override { return m_scheduler.now(); }
    const DayEngine &engine() const override { return *m_engine; }
    void strike() override { m_engine->Strike(); }
    void ok() override { m_engine->CloseLandedChinu(); }
    void breakBall() override { m_engine->BreakGroundbait(); }
    void drop() override { m_engine->DropGroundbait(); }

    SimPlatform m_sim;
    VirtualScheduler &m_scheduler = m_sim.scheduler;
    SimRandom &m_random = m_sim.random;
    Platform &m_platform = m_sim.platform;
    GameState m_state;
    Day m_day;
    std::unique_ptr<DayEngine> m_engine;
    bool m_begun = false;
    daylog::LoggedDay m_logged;
};

void HeadlessRun::setUp()
{
    GameState &s = m_state;
    const QString endTime = endTimeFor(m_config.endHour);
    s.AnglerName = QStringLiteral("sim");
    s.SpotNo = m_config.raft;
    s.TargetFish = daylog::fishFromCaption(m_config.target);
    s.DayMinutes = settings::dayMinutesFor(endTime);
    s.AppDir = m_platform.dirs.dataRoot;
    s.EndHour = settings::endHourOf(endTime);

    // The settings screen draws today's tide hours as it opens.
    m_random.reseed(quint64(m_sim.clock.now().toMSecsSinceEpoch()));
    const settings::TideHours tides = settings::drawTideHours(m_random);
    m_day.tides = tides;

    DayEngine::Options options;
    options.sound = false;
    m_engine = std::make_unique<DayEngine>(m_day, m_state, m_platform, *this, *this, options);
    m_engine->onMessage = [this](DayMessage kind, const QString &text) { heard(kind, text); };
    m_engine->onDayBegun = [this](const daylog::LoggedDay &header) {
        if (!listening())
            return; // only a listener wants the day's log
        m_logged = header;
        m_begun = true;
    };
    // The main screen opens at the raft, the rig is made, the day starts.
    m_engine->PrepareDay();
    m_engine->setRig(daylog::leaderFromCaption(m_config.leader), daylog::hookFromCaption(m_config.hook),
                     daylog::baitFromCaption(m_config.bait));
    m_engine->StartDay();
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
        const qint64 hand = nextAction();
        if (hand >= 0 && (next < 0 || hand < next))
            next = hand;
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
    const SimDayReport report = finish(m_logged);
    m_engine.reset();
    if (m_listener)
        m_listener->dayFinished(report);
    return report;
}

} // namespace

SimDayReport playHeadlessDay(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
{
    HeadlessRun run(config, day, seed, listener);
    return run.play();
}
