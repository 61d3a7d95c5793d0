#include "angler.h"

#include "day/dayengine.h"
#include "mainscreen/fishing/fightrules.h"
#include "state/gamestate.h"

SimAngler::SimAngler(const AnglerConfig &config, int day, quint64 seed, DayListener *listener)
    : m_config(config)
    , m_listener(listener)
{
    m_report.day = day;
    m_report.seed = seed;
}

SimAngler::~SimAngler() = default;

QString SimAngler::clock() const
{
    return engine().day().clockText();
}

SimAngler::Sight SimAngler::sight() const
{
    // The tip held down until the next rod-tip tick calls for the strike.
    const Day &day = engine().day();
    return {day.biteArmed == 1, engine().strikeWindowOpen(), day.mulletOn == 1, day.landedOnShow};
}

SimAngler::Fish SimAngler::fish() const
{
    const GameState &s = engine().state();
    return {s.BiteClass, daylog::displayName(s.FishKind), s.FishLength};
}

bool SimAngler::dayMoves() const
{
    const DayEngine &e = engine();
    for (const Timer *timer : {e.Timer時間管理.get(), e.Timerダンゴ管理.get(), e.Timer竿の動き.get(), e.Timerあたり.get(),
                               e.Timer竿のしなり.get(), e.Timer1ボラのタイマー.get()})
        if (timer->isEnabled())
            return true;
    return false;
}

void SimAngler::tell(SimEvent::Kind kind, SimEvent e)
{
    e.kind = kind;
    e.ms = now();
    e.afterBoatman = m_report.ended;
    if (!m_listener)
        return;
    e.clock = clock();
    m_listener->dayEvent(e);
}

void SimAngler::heard(DayMessage kind, const QString &text)
{
    SimEvent e;
    e.text = text;
    switch (kind) {
    case DayMessage::BoatmanTimeUp:
        // Counted before it is told, so that the event reads as the end itself.
        tell(SimEvent::Boatman, e);
        if (++m_report.boatman == 1) {
            m_report.ended = true;
            m_report.endClock = clock();
            m_report.endMs = now();
        }
        return;
    case DayMessage::TooEarly:
        ++m_report.tooEarly;
        tell(SimEvent::TooEarly, e);
        return;
    case DayMessage::BaitTaken:
        ++m_report.baitTaken;
        tell(SimEvent::BaitTaken, e);
        return;
    case DayMessage::MulletEscaped:
        ++m_report.mulletEscaped;
        tell(SimEvent::MulletEscaped, e);
        return;
    case DayMessage::FishLost:
    case DayMessage::MulletLost: {
        ++m_report.losses;
        const Fish f = fish();
        e.fish = f.kind;
        e.length = f.length;
        tell(SimEvent::Lost, e);
        return;
    }
    case DayMessage::StrikeFailed:
    case DayMessage::FishLanded:
        break;
    }
    tell(SimEvent::Message, e);
}

void SimAngler::listed(daylog::Fish fish, int length)
{
    const QString kind = daylog::displayName(fish);
    ++m_report.fish[kind];
    if (fish == daylog::Fish::Chinu)
        m_report.chinuLengths.push_back(length);
    if (!m_report.ended && !m_listener)
        return;
    const QString entry = fightrules::catchEntry(fish, length);
    if (m_report.ended)
        m_report.listedAfterBoatman << entry;
    SimEvent e;
    e.text = entry;
    e.fish = kind;
    e.length = length;
    tell(SimEvent::Listed, e);
}

void SimAngler::observe()
{
    const Sight seen = sight();
    if (seen.armed && !m_seen.armed) {
        const Fish f = fish();
        if (f.biteClass >= 2 && f.biteClass <= 4)
            ++m_report.bites[std::size_t(f.biteClass)];
        if (m_report.ended)
            ++m_report.bitesAfterBoatman;
        SimEvent e;
        e.biteClass = f.biteClass;
        e.fish = f.kind;
        e.length = f.length;
        tell(SimEvent::Bite, e);
    }

    if (seen.window && !m_seen.window) {
        ++m_report.windows;
        m_strikeAt = strikeTime();
        tell(SimEvent::StrikeWindow);
    } else if (!seen.window && m_seen.window && (m_strikeAt >= 0 || m_config.strikeDelayMs < 0)) {
        m_strikeAt = -1;
        ++m_report.missed;
        tell(SimEvent::Missed);
    }

    if (seen.mulletOn && !m_seen.mulletOn) {
        ++m_report.mulletTakes;
        if (m_report.ended)
            ++m_report.bitesAfterBoatman;
        m_strikeAt = strikeTime();
        tell(SimEvent::MulletTake);
    } else if (!seen.mulletOn && m_seen.mulletOn && (m_strikeAt >= 0 || m_config.strikeDelayMs < 0)) {
        m_strikeAt = -1;
        ++m_report.missed;
        tell(SimEvent::Missed);
    }

    catchUp();

    if (seen.picture && !m_seen.picture) {
        m_okAt = now() + m_config.okDelayMs;
        const Fish f = fish();
        SimEvent e;
        e.length = f.length;
        e.fish = f.kind;
        tell(SimEvent::LandedChinu, e);
    }
    m_seen = seen;
}

void SimAngler::act()
{
    const qint64 t = now();
    if (m_strikeAt >= 0 && t >= m_strikeAt) {
        m_strikeAt = -1;
        if (engine().day().controls.strikeEnabled) {
            ++m_report.strikes;
            tell(SimEvent::Strike);
            strike();
            // The strike put a fish on the line: the rod bends.
            if (engine().Timer竿のしなり->isEnabled()) {
                ++m_report.hooked;
                const Fish f = fish();
                SimEvent e;
                e.fish = f.kind;
                e.length = f.length;
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
        if (sight().picture) {
            tell(SimEvent::Ok);
            ok();
            observe();
        }
    }
    if (m_breakAt >= 0 && t >= m_breakAt) {
        m_breakAt = -1;
        if (engine().day().controls.breakEnabled) {
            tell(SimEvent::Break);
            breakBall();
            observe();
        }
    }
    if (engine().day().controls.dropEnabled && !sight().picture && (!m_report.ended || m_config.redrop)) {
        if (m_report.ended)
            ++m_report.dropsAfterBoatman;
        tell(SimEvent::Drop);
        drop();
        if (m_config.breakAfterMs >= 0 && engine().state().TargetCode == 1)
            m_breakAt = t + m_config.breakAfterMs;
        observe();
    }
}

bool SimAngler::quiet() const
{
    if (dayMoves())
        return false;
    if (m_strikeAt >= 0 || m_okAt >= 0 || m_breakAt >= 0 || sight().picture)
        return false;
    return !(m_config.redrop && engine().day().controls.dropEnabled);
}

qint64 SimAngler::nextAction() const
{
    qint64 next = -1;
    for (const qint64 at : {m_strikeAt, m_okAt, m_breakAt})
        if (at >= 0 && (next < 0 || at < next))
            next = at;
    return next;
}

SimDayReport SimAngler::finish(const daylog::LoggedDay &logged)
{
    if (!m_report.ended)
        m_report.stuckClock = clock();
    m_report.playedMs = now();
    if (m_listener)
        m_listener->dayLogged(logged);
    return m_report;
}
