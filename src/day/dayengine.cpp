#include "day/dayengine.h"

#include "daylog/ids.h"
#include "daylog/reasons.h"
#include "mainscreen/clocktide.h"
#include "mainscreen/daystart.h"
#include "mainscreen/fishing/biterules.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/fishingtexts.h"
#include "mainscreen/fishing/tipmotion.h"
#include "mainscreen/mainscreentexts.h"
#include "mainscreen/rafts.h"
#include "platform/platform.h"
#include "state/gamestate.h"

#include <limits>

namespace T = mainscreentexts;
using daylog::EventKind;
using daylog::Reason;

DayScreen::~DayScreen() = default;

void DayControls::handOver(DayControl from, DayControl to)
{
    const auto set = [this](DayControl which, bool on) {
        switch (which) {
        case DayControl::Drop: dropEnabled = dropLit = on; break;
        case DayControl::Break: breakEnabled = breakLit = on; break;
        case DayControl::Strike: strikeEnabled = strikeLit = on; break;
        default: break;
        }
    };
    set(from, false);
    set(to, true);
}

void DayControls::closeCycle()
{
    dropEnabled = breakEnabled = strikeEnabled = false;
    dropLit = breakLit = strikeLit = false;
}

bool Day::endHourReached(const QString &endHour) const
{
    if (ending)
        return true;
    return clockShowsEndHour(endHour);
}

QString Day::clockText() const
{
    if (clockHour == 7 && clockMinute == 0)
        return T::FirstClock();
    return clocktide::clockCaption(clockHour, clockMinute);
}

bool Day::clockShowsEndHour(const QString &endHour) const
{
    // The clock reads "h : mm": its first two letters are the hour from 10 on.
    // Compared digit by digit: this is asked at nearly every step of a day.
    return clockHour >= 10 && clockHour <= 99 && endHour.size() == 2
        && endHour.at(0) == QLatin1Char(char('0' + clockHour / 10))
        && endHour.at(1) == QLatin1Char(char('0' + clockHour % 10));
}

QString tideWord(TideDirection tide)
{
    switch (tide) {
    case TideDirection::Ebb: return fishingtexts::Ebb();
    case TideDirection::Flood: return fishingtexts::Flood();
    case TideDirection::Unknown: break;
    }
    return {};
}

TideDirection tideFromWord(const QString &text)
{
    if (text == fishingtexts::Ebb())
        return TideDirection::Ebb;
    if (text == fishingtexts::Flood())
        return TideDirection::Flood;
    return TideDirection::Unknown;
}

namespace {

// The screen draws the controls as each step leaves them. A step inside a
// step draws too: the model then is what the screen would show at that
// moment anyway.
class Drawn
{
public:
    explicit Drawn(DayScreen &screen) : m_screen(screen) {}
    ~Drawn() { m_screen.showControls(); }
    Drawn(const Drawn &) = delete;
    Drawn &operator=(const Drawn &) = delete;

private:
    DayScreen &m_screen;
};

clocktide::Tide tideOf(const Day &d)
{
    return {d.tideBarWidth, d.tideHours, d.tideBarRest, d.tideBarFull, tideWord(d.tide), d.ebbShown, d.floodShown};
}

void keepTide(Day &d, const clocktide::Tide &tide)
{
    d.tideBarWidth = tide.bar;
    d.tideHours = tide.hours;
    d.tideBarRest = tide.rest;
    d.tideBarFull = tide.full;
    d.tide = tideFromWord(tide.now);
    d.ebbShown = tide.ebbShown;
    d.floodShown = tide.floodShown;
}

} // namespace

// ---- construction ------------------------------------------------------------

DayEngine::DayEngine(Day &day, GameState &state, Platform &platform, daylog::DayEventListener &events,
                     DayScreen &screen, Options options)
    : m_day(day)
    , m_state(state)
    , m_platform(platform)
    , m_events(events)
    , m_screen(screen)
    , m_options(options)
{
    Scheduler &scheduler = platform.scheduler;
    const auto make = [&](std::unique_ptr<Timer> &timer, const char *name, int interval) {
        timer = scheduler.createTimer(QString::fromUtf8(name), options.timerParent);
        timer->setInterval(interval);
    };
    // Made in this order, so that ticks falling due together come in it.
    make(Timer時間管理, "Timer時間管理", 1000);
    make(Timer1音楽1, "Timer1音楽1", 800);
    make(Timer竿の音, "Timer竿の音", 100);
    make(Timer1, "Timer1", 100);
    make(Timerダンゴ管理, "Timerダンゴ管理", 3000); // drawn anew at each drop
    make(Timer竿の動き, "Timer竿の動き", 1000);
    make(Timerあたり, "Timerあたり", 100);           // set for each bite step
    make(Timer竿のしなり, "Timer竿のしなり", 100);
    make(Timer1ボラのタイマー, "Timer1ボラのタイマー", 1000);
    make(Timer1ばらし, "Timer1ばらし", 1000);

    // Each tick is one step: the screen draws the controls once it is over.
    const auto step = [this](void (DayEngine::*procedure)()) {
        return [this, procedure] {
            (this->*procedure)();
            m_screen.showControls();
        };
    };
    Timer時間管理->setHandler(step(&DayEngine::ClockTick));
    Timer1音楽1->setHandler(step(&DayEngine::MusicTick));
    Timer竿の音->setHandler(step(&DayEngine::RodSoundTick));
    Timerダンゴ管理->setHandler(step(&DayEngine::BallTimeUp));
    Timer竿の動き->setHandler(step(&DayEngine::RodTipTick));
    Timerあたり->setHandler(step(&DayEngine::BiteTick));
    Timer竿のしなり->setHandler(step(&DayEngine::FightTick));
    Timer1ボラのタイマー->setHandler(step(&DayEngine::MulletTick));
}

DayEngine::~DayEngine()
{
    for (auto *timer : {&Timer時間管理, &Timer1音楽1, &Timer竿の音, &Timer1, &Timerダンゴ管理, &Timer竿の動き,
                        &Timerあたり, &Timer竿のしなり, &Timer1ボラのタイマー, &Timer1ばらし})
        if (*timer)
            (*timer)->setHandler({});
}

RandomSource &DayEngine::random() const
{
    return m_platform.random;
}

// The tick's draw for the raft's number of chinu: the more chinu, the
// narrower the draw and the likelier a bite.
int DayEngine::densityDraw() const
{
    const int density = m_state.ChinuDensity;
    if (density < 0 || density >= int(m_state.TickRolls.size()))
        return 0;
    return m_state.TickRolls[std::size_t(density)];
}

void DayEngine::focusOn(DayControl control)
{
    m_screen.showControls();
    m_screen.focusOn(control);
}

void DayEngine::message(DayMessage kind, const QString &text)
{
    m_screen.showControls();
    if (onMessage)
        onMessage(kind, text);
    m_screen.showMessage(kind, text);
}

void DayEngine::notice(DayMessage kind, const QString &text)
{
    m_screen.showControls();
    if (onMessage)
        onMessage(kind, text);
    m_screen.showNotice(kind, text);
}

void DayEngine::musicTimer(bool on)
{
    Timer1音楽1->setEnabled(on && m_options.sound);
}

void DayEngine::rodSoundTimer(bool on)
{
    Timer竿の音->setEnabled(on && m_options.sound);
}

void DayEngine::startBiteTimer(int ms)
{
    Timerあたり->setInterval(ms);
    Timerあたり->setEnabled(true);
}

bool DayEngine::strikeWindowOpen() const
{
    return Timer竿の動き->isEnabled() && Timer竿の動き->interval() == 2000;
}

// The fish holds the bait until the next rod-tip tick, 2000 ms after the
// window first opened: arming it again on a later bite-timer tick of the
// same window must not give the angler more time.
void DayEngine::openStrikeWindow()
{
    if (strikeWindowOpen())
        return;
    Timer竿の動き->setInterval(2000);
    Timer竿の動き->setEnabled(true);
    m_screen.strikeWindowOpened();
}

void DayEngine::baitGone()
{
    daylog::DayEvent e = event(EventKind::BaitTaken, daylog::baitGoneReason(strikeWindowOpen(), m_state.HookPhase));
    e.fish = daylog::displayName(m_state.FishKind);
    e.length = m_state.FishLength;
    report(e);
    m_state.HookPhase = 0;
    EndBiteCycle();
    notice(DayMessage::BaitTaken, fishingtexts::BaitTaken());
}

// ---- the day's events ----------------------------------------------------------

daylog::DayEvent DayEngine::event(EventKind kind, Reason reason) const
{
    const Day &d = m_day;
    daylog::DayEvent e;
    e.kind = kind;
    e.reason = reason;
    e.gameMinute = d.clockHour * 60 + d.clockMinute;
    e.tideLevel = clocktide::roundedWidth(d.tideBarWidth);
    e.tideDirection = tideWord(d.tide);
    e.raft = m_state.SpotNo;
    e.targetFish = daylog::displayName(m_state.TargetFish);
    e.leader = leaderCaption(d);
    e.hook = hookCaption(d);
    e.bait = baitCaption(d);
    e.biteClass = m_state.BiteClass;
    e.hookPhase = m_state.HookPhase;
    return e;
}

void DayEngine::report(const daylog::DayEvent &event)
{
    m_events.dayEvent(event);
}

void DayEngine::reportStrike(EventKind kind, Reason reason)
{
    daylog::DayEvent e = event(kind, reason);
    if (kind == EventKind::StrikeHooked) {
        e.fish = daylog::displayName(m_state.FishKind);
        e.length = m_state.FishLength;
    }
    report(e);
}

// ---- the start of the day --------------------------------------------------------

namespace {

template <typename Part>
QString rigCaption(const Day &day, const std::optional<Part> &part)
{
    if (!day.rigMade)
        return mainscreentexts::NotSet();
    return daylog::displayName(part);
}

} // namespace

QString leaderCaption(const Day &day) { return rigCaption(day, day.leader); }
QString hookCaption(const Day &day) { return rigCaption(day, day.hook); }
QString baitCaption(const Day &day) { return rigCaption(day, day.bait); }

void DayEngine::setRig(std::optional<daylog::Leader> leader, std::optional<daylog::Hook> hook,
                       std::optional<daylog::Bait> bait)
{
    m_day.rigMade = true;
    m_day.leader = leader;
    m_day.hook = hook;
    m_day.bait = bait;
}

void DayEngine::PrepareDay()
{
    Day &d = m_day;
    d.controls.startMenuEnabled = false;
    d.controls.saveMenuEnabled = false;
    d.music = MusicMode::Bgm;
    d.minutesLeft = qint16(m_state.DayMinutes);
    d.clockHour = 7;
    d.clockMinute = 0;
    d.timeBarWidth = Day::BarFullWidth;
    m_screen.showClock();
    m_screen.showTimeBar();
    InitTide();
    ChooseDayBaits();
}

void DayEngine::StartDay()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    if (d.ending)
        return; // one run is one day
    musicTimer(true);
    daystart::applyClasses({rafts::byNumber(m_state.SpotNo), m_state.TargetFish}, m_state);
    d.controls.startMenuEnabled = false;
    m_screen.showRod(0);
    Timer時間管理->setEnabled(true);
    d.controls.dropEnabled = true;
    d.controls.dropLit = true;
    focusOn(DayControl::Drop);

    daylog::LoggedDay header;
    header.angler = m_state.AnglerName;
    header.raft = m_state.SpotNo;
    header.targetFish = daylog::displayName(m_state.TargetFish);
    header.date = m_platform.clock.now().date().toString(QStringLiteral("yyyy-MM-dd"));
    header.endHour = m_state.EndHour;
    header.firstHigh = d.tides.firstHigh;
    header.secondHigh = d.tides.secondHigh;
    header.earlierLow = d.tides.earlierLow;
    header.laterLow = d.tides.laterLow;
    if (onDayBegun)
        onDayBegun(header);
    m_endReported = false;
    report(EventKind::DayStarted);
}

void DayEngine::ChooseDayBaits()
{
    Day &d = m_day;
    const QStringList baits = daystart::baits();
    const std::array<int, 3> picks = daystart::drawGoodBaits(random());
    for (std::size_t i = 0; i < 3; ++i)
        d.goodBaits[i] = daylog::baitFromCaption(baits.at(picks[i] - 1));
}

// ---- clock and tide ----------------------------------------------------------------

void DayEngine::InitTide()
{
    clocktide::Tide tide = tideOf(m_day);
    if (!clocktide::initTide(tide, QString::number(m_day.tides.earlierLow), Day::BarFullWidth))
        return;
    keepTide(m_day, tide);
    m_screen.showTideBar();
}

void DayEngine::ClockTick()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    const GameState &s = m_state;
    try {
        if (d.clockShowsEndHour(s.EndHour)) {
            DrainTimeBar();
            if (m_screen.programEnding())
                return;
            EndDay();
        } else {
            d.clockMinute += 1;
            if (d.minutesLeft == std::numeric_limits<qint16>::min())
                throw clocktide::TickFailure{};
            d.minutesLeft -= 1;
            // No new bites in the last minutes; a fish already at the bait
            // keeps its strike window, which must close for the day to end.
            if (d.minutesLeft < 5 && s.HookPhase == 0)
                Timer竿の動き->setEnabled(false);
            d.hourTurned = false;
            if (d.clockMinute == 60) {
                d.clockMinute = 0;
                d.clockHour += 1;
                d.hourTurned = true;
                if (d.minutesLeft > 0)
                    SetTimeBar();
            }
            m_screen.showClock();
            d.timeBarWidth = clocktide::timeBarAfterMinute(d.timeBarWidth, Day::BarFullWidth, s.DayMinutes);
            m_screen.showTimeBar();
        }

        clocktide::Tide tide = tideOf(d);
        clocktide::tideMinute(tide, d.hourTurned, Day::BarFullWidth);
        keepTide(d, tide);
        m_screen.showClock();
        m_screen.showTideBar();
    } catch (const clocktide::TickFailure &) {
        d.tideBarWidth = clocktide::snappedTideBar(d.tideBarWidth, Day::BarFullWidth);
        m_screen.showTideBar();
    } catch (const std::exception &) {
        d.tideBarWidth = clocktide::snappedTideBar(d.tideBarWidth, Day::BarFullWidth);
        m_screen.showTideBar();
    }
}

void DayEngine::SetTimeBar()
{
    m_day.timeBarWidth = clocktide::timeBarAtHour(clocktide::endHourNumber(m_state.EndHour), m_day.clockHour,
                                                  Day::BarFullWidth, m_state.DayMinutes);
    m_screen.showTimeBar();
}

void DayEngine::DrainTimeBar()
{
    Day &d = m_day;
    if (d.timeBarWidth <= 0)
        return;
    const float end = d.timeBarWidth;
    m_screen.showControls();
    for (int i = 1; i <= end; ++i) {
        d.timeBarWidth -= 1;
        m_screen.showTimeBar();
        m_screen.yieldEvents();
        if (m_screen.programEnding())
            return; // the angler packed up meanwhile: this screen is going
    }
}

void DayEngine::stop()
{
    for (auto *timer : {&Timer時間管理, &Timer1音楽1, &Timer竿の音, &Timer1, &Timerダンゴ管理, &Timer竿の動き,
                        &Timerあたり, &Timer竿のしなり, &Timer1ボラのタイマー, &Timer1ばらし}) {
        (*timer)->setEnabled(false);
        (*timer)->setHandler({});
    }
}

bool DayEngine::EndHourReached() const
{
    return m_day.endHourReached(m_state.EndHour);
}

void DayEngine::EndDay()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    if (d.ending)
        return; // the boatman comes once a day
    if (m_state.HookPhase != 0)
        return; // a fish is on: the next minute tries again
    if (d.landedOnShow)
        return; // the landed chinu is on show: the day ends once it is put away
    d.ending = true;
    if (!m_endReported) {
        m_endReported = true;
        report(EventKind::DayEnded, Reason::EndHour);
    }
    for (Timer *timer : {Timer竿の音.get(), Timer時間管理.get(), Timerあたり.get(), Timerダンゴ管理.get(),
                         Timer竿のしなり.get(), Timer竿の動き.get(), Timer1ボラのタイマー.get()})
        timer->setEnabled(false);
    DayControls &c = d.controls;
    c.closeCycle(); // nothing more to press
    // No bait change, new rig or second start once the day is over.
    c.baitEnabled = false;
    c.rigMenuEnabled = false;
    c.startMenuEnabled = false;
    m_screen.dayClosed();
    message(DayMessage::BoatmanTimeUp,
            T::BoatmanTimeUp() + QStringLiteral("\n\n")
                + T::BoatmanBaits(daylog::shownName(d.goodBaits[0]), daylog::shownName(d.goodBaits[1]),
                                  daylog::shownName(d.goodBaits[2])));
    if (!d.catches.empty())
        c.saveMenuEnabled = true;
}

void DayEngine::PackUp()
{
    if (m_endReported)
        return;
    m_endReported = true;
    report(EventKind::DayEnded, Reason::AnglerEnded);
}

// ---- sound -------------------------------------------------------------------------

QString DayEngine::wavePath(const QString &name) const
{
    return m_platform.dirs.soundInstallDir + QLatin1Char('/') + T::WavePrefix() + name + T::WaveSuffix();
}

// Two commands to the sound device, kept in slots first and first + 1 as
// the game keeps them (1-2 the music, 3-4 the effects).
void DayEngine::sendCommands(std::size_t first, const QString &command, const QString &then)
{
    Day &d = m_day;
    d.mcCommands[first] = command;
    d.mcCommands[first + 1] = then;
    SoundDevice &sound = m_platform.sound;
    d.mcResult = sound.send(d.mcCommands[first]);
    d.mcResult = sound.send(d.mcCommands[first + 1]);
}

void DayEngine::StartMusic()
{
    Day &d = m_day;
    d.musicTicks = 0;
    const QString wave = d.music == MusicMode::Bgm ? T::WaveStart() : T::Big();
    sendCommands(1, T::Open() + wavePath(wave) + T::OpenTail(), T::Play());
    d.musicFlags[1] = 1;
}

void DayEngine::StopMusic()
{
    sendCommands(1, T::Stop(), T::Close());
    m_day.musicFlags[1] = 0;
}

void DayEngine::StopEffect()
{
    sendCommands(3, T::Stop(), T::Close());
}

void DayEngine::PlayEffect(const QString &name)
{
    sendCommands(3, T::Open() + wavePath(name) + T::OpenTail(), T::Play());
}

void DayEngine::MusicTick()
{
    Day &d = m_day;
    if (d.music == MusicMode::Big) {
        StartMusic();
    } else {
        if (d.musicFlags[1] == 1)
            d.musicTicks += 1;
        else
            StartMusic();
        if (d.musicTicks == 60) {
            // The tune is over: the next tick starts it again.
            d.musicTicks = 0;
            StopMusic();
        }
    }
    if (d.ending) {
        StopMusic();
        Timer1音楽1->setEnabled(false);
    }
}

void DayEngine::RodSoundTick()
{
    GameState &s = m_state;
    if (s.RodSoundState == 1) {
        PlayEffect(T::WaveBite());
        s.RodSoundState = 0;
    } else if (s.RodSoundState == 0) {
        s.RodSoundTicks += 1;
        if (s.RodSoundTicks == 10) {
            // The bite sound comes round again every 1.1 s while the fish fights.
            StopEffect();
            s.RodSoundState = 1;
            s.RodSoundTicks = 0;
        }
    } else if (s.RodSoundState == 2) {
        StopEffect();
        Timer竿の音->setEnabled(false);
    }
}

// ---- groundbait cycle --------------------------------------------------------------

void DayEngine::DropGroundbait()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    if (EndHourReached())
        return; // the day is over: no new drop
    d.music = MusicMode::Bgm;
    random().reseed(quint64(m_platform.clock.now().toMSecsSinceEpoch()));
    d.tideMatch = 0;
    if (d.ebbShown)
        d.tide = TideDirection::Ebb;
    else if (d.floodShown)
        d.tide = TideDirection::Flood;
    d.controls.rigMenuEnabled = false;
    report(EventKind::Dropped);

    DayControls &c = d.controls;
    if (s.TargetCode == 1) {
        c.handOver(DayControl::Drop, DayControl::Break);
        m_screen.showTip(6); // the sinking ball pulls the tip down
        Timerダンゴ管理->setInterval(int(random().next() * 5 + 3) * 1000);
        Timerダンゴ管理->setEnabled(true);
        c.baitEnabled = false;
        focusOn(DayControl::Break);
    } else if (s.TargetCode == 2) {
        c.handOver(DayControl::Drop, DayControl::Strike);
        c.baitEnabled = false;
        focusOn(DayControl::Strike);
        Timer1ボラのタイマー->setEnabled(true);
    }
}

void DayEngine::BallTimeUp()
{
    m_ballBreaksItself = true;
    BreakGroundbait();
}

void DayEngine::BreakGroundbait()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    report(EventKind::BallBroken, m_ballBreaksItself ? Reason::BrokeByItself : Reason::BrokenByAngler);
    m_ballBreaksItself = false;
    m_screen.showTip(1);
    DayControls &c = d.controls;
    c.handOver(DayControl::Break, DayControl::Strike);
    Timerダンゴ管理->setEnabled(false);
    Timer竿の動き->setEnabled(true);
    focusOn(DayControl::Strike);
}

void DayEngine::EndBiteCycle()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    DayControls &c = d.controls;
    d.biteArmed = 0;
    m_screen.showTip(1);
    // No new drop while the big chinu is on show or a hooked fish is fought,
    // nor once the end hour has come.
    const bool over = EndHourReached();
    if (!d.landedOnShow && s.HookPhase != 1 && !over) {
        c.dropEnabled = true;
        focusOn(DayControl::Drop);
    }
    c.breakEnabled = false;
    c.strikeEnabled = false;
    c.dropLit = !over;
    c.breakLit = false;
    c.strikeLit = false;
    c.baitEnabled = !over;
    s.TipPictureIndex = 0;
    if (!d.ending)
        s.HookPhase = 0;
    d.fightRounds = 0;
    s.BiteClass = 0;
    Timerダンゴ管理->setEnabled(false);
    Timer竿の動き->setEnabled(false);
    Timerあたり->setEnabled(false);
    Timer竿の動き->setInterval(1000);
    c.rigMenuEnabled = !over;
}

// ---- bites -------------------------------------------------------------------------

void DayEngine::RodTipTick()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    RandomSource &r = random();
    s.TickRolls[1] = std::int16_t(r.draw(16));
    s.TickRolls[2] = std::int16_t(r.draw(12));
    s.TickRolls[3] = std::int16_t(r.draw(8));
    s.BiteRolls[1] = r.draw(3);
    s.BiteRolls[3] = r.draw(10);
    s.BiteRolls[4] = r.draw(15);
    s.BiteRolls[5] = r.draw(5);
    s.BiteRolls[6] = r.draw(3) == 2 ? -1 : 1;
    s.BiteRolls[7] = r.draw(10);
    s.BiteRolls[8] = r.draw(5);

    if (s.HookPhase == 0) {
        const biterules::TideCheck check = biterules::checkTide(d.tide, s.FavourableTide, densityDraw());
        if (check.tideMatch)
            d.tideMatch = *check.tideMatch;
        if (check.runGate && !d.ending) // no bite once the day is over
            BiteGate();
    } else {
        baitGone();
    }
}

void DayEngine::BiteGate()
{
    // Without a rig there is no leader to weigh, and nothing bites.
    if (!m_day.leader)
        return;
    m_day.rigFigure = biterules::rigFigure(daylog::sizeNumber(*m_day.leader), m_state.DepthLevel, m_state.CurrentLevel);
    if (biterules::passesGate(densityDraw(), biterules::gateLimit(m_day.rigFigure)))
        ChooseBiteClass();
}

void DayEngine::ChooseBiteClass()
{
    const bool good = biterules::isGoodBait(m_day.bait, m_day.goodBaits);
    const int cls = biterules::biteClass(densityDraw(), good);
    if (cls == 0)
        return;
    m_day.biteArmed = 1;
    m_state.BiteClass = cls;
    m_screen.showTip(biterules::firstTipPicture(cls));
    StartBiteSequence();
}

void DayEngine::StartBiteSequence()
{
    GameState &s = m_state;
    Timer竿の動き->setEnabled(false);
    ChooseFish();
    s.BiteTicks = 0;
    s.BiteStep = 0;
    s.TipPictureIndex = 0;
    s.BiteCounter = std::int16_t(2 * s.BiteClass - 1);

    const biterules::Opening opening = biterules::opening(s.BiteClass, s.BiteRolls[3]);
    const int pattern = biterules::bitePattern(s.BiteClass, opening);
    daylog::DayEvent bite = event(EventKind::Bite, daylog::openingReason(opening));
    bite.fish = daylog::displayName(m_state.FishKind);
    bite.length = s.FishLength;
    report(bite);
    switch (opening) {
    case biterules::Opening::Nibble:
        if (biterules::nibbleHooked(s.BiteRolls[8]))
            s.HookPhase = 1;
        s.BitePattern = pattern;
        s.TipPictureIndex = biterules::nibbleTipBase(s.BiteClass);
        s.TipToggle = 1;
        startBiteTimer(biterules::firstBiteInterval(pattern, s.BiteRolls[1]));
        break;
    case biterules::Opening::SlowPull:
    case biterules::Opening::FastPull:
        s.BitePattern = pattern;
        startBiteTimer(biterules::firstBiteInterval(pattern, s.BiteRolls[1]));
        break;
    case biterules::Opening::Holds:
        s.HookPhase = 1;
        openStrikeWindow();
        break;
    case biterules::Opening::Steals:
        s.HookPhase = 2;
        openStrikeWindow();
        break;
    case biterules::Opening::None:
        break;
    }
}

// ---- rod-tip motion ----------------------------------------------------------------

void DayEngine::BiteTick()
{
    const Drawn drawn(m_screen);
    GameState &s = m_state;
    const bool chinu = s.FishKind == daylog::Fish::Chinu;

    switch (s.BiteStep) {
    case tipmotion::StartOrNibble: {
        s.BiteRolls[11] = random().draw(10);
        s.BiteRolls[12] = random().draw(5) + 5;
        switch (s.BitePattern) {
        case 1:
        case 4:
            Timerあたり->setInterval(100);
            TwitchTip();
            break;
        case 2:
        case 3:
        case 5:
        case 6: {
            const tipmotion::StepChange change =
                tipmotion::pullStart(s.BitePattern, chinu, s.BiteRolls[11], s.BiteRolls[12]);
            if (change.hooks)
                s.HookPhase = 1;
            s.BiteStep = change.step;
            Timerあたり->setInterval(change.interval);
            break;
        }
        default:
            break;
        }
        break;
    }
    case tipmotion::SlowPull:
    case tipmotion::Stealer: {
        // The bite timer keeps running: while the window is open each tick
        // repeats the same pull.
        const tipmotion::Pull pull = s.BiteStep == tipmotion::SlowPull
            ? tipmotion::slowPull(s.BiteClass, s.BiteRolls[8], s.BiteRolls[1])
            : tipmotion::stealerPull(s.BiteClass, s.BiteRolls[8], s.BiteRolls[1]);
        if (pull.outcome == tipmotion::Pull::Holds) {
            m_screen.showTip(pull.picture);
            s.HookPhase = 1;
            openStrikeWindow();
        } else if (pull.outcome == tipmotion::Pull::Gone) {
            baitGone();
        }
        break;
    }
    case tipmotion::FastPull:
        if (tipmotion::fastPullDone(s.BiteCounter)) {
            Timerあたり->setEnabled(false);
            if (s.HookPhase == 1)
                openStrikeWindow();
            else
                baitGone();
        } else {
            m_screen.showTip(s.BiteCounter + 1);
            s.BiteCounter = std::int16_t(s.BiteCounter + 1);
        }
        break;
    default:
        break;
    }
}

void DayEngine::TwitchTip()
{
    GameState &s = m_state;
    const tipmotion::Twitch twitch = tipmotion::twitch(s.TipPictureIndex, s.TipToggle);
    m_screen.showTip(twitch.picture);
    s.TipToggle = twitch.toggle;
    s.BiteTicks += 1;
    if (tipmotion::nibbleEnds(s.BiteTicks, s.BiteRolls[12])) {
        if (tipmotion::nibbleGoesOn(s.FishKind == daylog::Fish::Chinu, s.BiteRolls[3])) {
            s.BiteStep = tipmotion::SlowPull;
            Timerあたり->setInterval(tipmotion::slowPullInterval(s.BiteRolls[12]));
        } else {
            Timerあたり->setEnabled(false);
            baitGone();
        }
    }
}

// ---- strike, fight and landing -----------------------------------------------------

void DayEngine::Strike()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    d.controls.dropEnabled = false;
    try {
        if (s.TargetCode == 1) {
            if (s.HookPhase == 1) {
                s.RodFrame = 2;
                if (s.FishLength > 0) {
                    reportStrike(EventKind::StrikeHooked, Reason::Holds);
                    musicTimer(false);
                    StopMusic();
                    s.RodSoundState = 1;
                    s.RodSoundTicks = 0;
                    rodSoundTimer(true);
                    d.controls.dropEnabled = false;
                    Timer竿のしなり->setEnabled(true);
                    EndBiteCycle();
                    // The fish is on the hook until the fight ends: the end
                    // of the day waits for it.
                    s.HookPhase = 1;
                } else {
                    // The tip moved, but no fish had been chosen for it.
                    reportStrike(EventKind::StrikeMissed, Reason::StruckNoFish);
                    s.HookPhase = 0;
                    notice(DayMessage::TooEarly, fishingtexts::TooEarly());
                    EndBiteCycle();
                }
            } else if (d.biteArmed == 1) {
                reportStrike(EventKind::StrikeMissed, daylog::earlyStrikeReason(s.HookPhase, s.BiteStep, s.BitePattern));
                Timerダンゴ管理->setEnabled(false);
                Timer竿の動き->setEnabled(false);
                Timerあたり->setEnabled(false);
                notice(DayMessage::TooEarly, fishingtexts::TooEarly());
                EndBiteCycle();
            } else {
                // Nothing at the bait: the groundbait is given up.
                reportStrike(EventKind::StrikeMissed, Reason::StruckAtNothing);
                EndBiteCycle();
            }
        }
        if (s.TargetCode == 2)
            MulletStrike();
    } catch (...) {
        StrikeFailed();
    }
}

void DayEngine::StrikeFailed()
{
    const Drawn drawn(m_screen);
    DayControls &c = m_day.controls;
    message(DayMessage::StrikeFailed, fightrules::strikeFailedMessage());
    c.closeCycle();
    c.rigMenuEnabled = false;
    c.startMenuEnabled = false;
}

CaughtFish DayEngine::landedFish() const
{
    // The fish choice names only fish the game knows.
    return {m_state.FishKind.value_or(daylog::Fish::Fugu), m_state.FishLength};
}

void DayEngine::listFish()
{
    Day &d = m_day;
    d.catches.push_back(landedFish());
    int chinu = 0;
    for (const CaughtFish &fish : d.catches)
        if (fish.kind == daylog::Fish::Chinu)
            ++chinu;
    d.chinuCount = chinu;
    m_screen.fishListed(true);
}

void DayEngine::FightTick()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    if (s.TargetCode == 2) {
        MulletFightTick();
        return;
    }

    if (d.fightRounds == 0) {
        m_screen.showRod(s.RodFrame);
        s.RodFrame += 1;
        if (s.RodFrame == 6) {
            s.RodFrame = 2;
            d.fightRounds = 1;
            DecideLoss();
        }
        return;
    }
    if (d.fightRounds != fightrules::chinuFightRounds(s.FishLength)) {
        NextFightFrame();
        return;
    }

    // The fight is over: the fish is off the hook, landed or lost.
    s.HookPhase = 0;
    {
        const bool lost = d.fishLost == 1;
        daylog::DayEvent e =
            event(lost ? EventKind::FishLost : EventKind::FishLanded, lost ? Reason::LineParted : Reason::None);
        e.fish = daylog::displayName(m_state.FishKind);
        e.length = s.FishLength;
        e.lineStrain = m_lineStrain;
        e.draw = m_lossDraw;
        e.band = daylog::losingDraws(m_lineStrain);
        e.lossChance = e.band / 20.0;
        e.hookPhase = 1;
        report(e);
    }
    if (d.fishLost == 1) {
        s.RodSoundState = 2;
        StopEffect();
        PlayEffect(fishingtexts::WaveLost());
        m_screen.showTip(1);
        m_screen.showRod(0);
        message(DayMessage::FishLost, fightrules::lostMessage(landedFish().kind, s.FishLength));
        m_screen.yieldEvents();
        StopEffect();
    } else {
        Timer竿の音->setEnabled(false);
        s.RodSoundState = 2;
        m_screen.showRod(0);
        listFish();
        s.ChinuCount = d.chinuCount;
        if (s.FishKind == daylog::Fish::Chinu && s.FishLength >= 30) {
            StopMusic();
            d.music = MusicMode::Big;
            musicTimer(true);
            ShowLandedChinu();
            focusOn(DayControl::Ok);
        } else {
            message(DayMessage::FishLanded, fightrules::landedMessage(landedFish().kind, s.FishLength));
        }
    }

    d.fishLost = 0;
    d.fightRounds = 0;
    Timer竿のしなり->setInterval(100);
    Timer竿のしなり->setEnabled(false);
    if (!d.landedOnShow) {
        StopMusic();
        d.music = MusicMode::Bgm;
        musicTimer(true);
    }
    EndBiteCycle();
    // The fight ran past the end hour: the boatman comes now (once the big
    // chinu on show is put away).
    if (EndHourReached()) {
        s.HookPhase = 0;
        EndDay();
    }
    s.HookPhase = 0;
}

void DayEngine::DecideLoss()
{
    GameState &s = m_state;
    m_day.fishLost = 0;
    const int r = random().draw(20);
    const int strain = fightrules::lineStrain(s.FishLength, m_day.leader ? daylog::sizeNumber(*m_day.leader) : 0,
                                                  m_day.hook ? daylog::sizeNumber(*m_day.hook).value_or(0) : 0);
    if (fightrules::losesFish(strain, r))
        m_day.fishLost = 1;
    m_lineStrain = strain;
    m_lossDraw = r;
}

void DayEngine::NextFightFrame()
{
    GameState &s = m_state;
    m_screen.showRod(s.RodFrame);
    s.RodFrame += 1;
    if (s.RodFrame == 6) {
        s.RodFrame = 2;
        m_day.fightRounds += 1;
    }
}

void DayEngine::ShowLandedChinu()
{
    m_day.landedOnShow = true;
    m_day.showFrame = 5;
    m_screen.landedChinuShown();
}

void DayEngine::CloseLandedChinu()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    d.landedOnShow = false;
    m_screen.landedChinuClosed();
    StopMusic();
    d.music = MusicMode::Bgm;
    if (EndHourReached()) {
        // The end hour came while the chinu was on show: no new drop, the
        // boatman's message instead.
        EndDay();
        return;
    }
    d.controls.dropEnabled = true;
    focusOn(DayControl::Drop);
}

// ---- mullet ------------------------------------------------------------------------

void DayEngine::MulletTick()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    s.TickRolls[4] = std::int16_t(random().draw(20));
    s.TickRolls[5] = std::int16_t(random().draw(5));
    s.TickRolls[6] = std::int16_t(random().draw(3) + 1);

    // From the end hour on, the boatman is coming: no mullet takes the bait
    // (a take then could never be struck).
    if (d.mulletOn == 0 && !EndHourReached() && mulletrules::takesBait(s.TickRolls[4])) {
        s.RodFrame = 1;
        d.mulletOn = 1;
        d.mulletTookAtMs = m_platform.scheduler.playedMs();
        m_screen.showTip(5);
        report(EventKind::MulletTook);
    }
    if (d.mulletOn == 1) {
        d.mulletTicks += 1;
        Timer1ボラのタイマー->setInterval(mulletrules::pullInterval(s.TickRolls[5]));
        m_screen.showTip(mulletrules::tipPicture(s.TickRolls[6]));
        if (mulletrules::escapes(d.mulletTicks)) {
            Timer1ボラのタイマー->setEnabled(false);
            d.mulletOn = 0;
            d.mulletTicks = 0;
            m_screen.showTip(1);
            report(EventKind::MulletEscaped, Reason::LetGo);
            notice(DayMessage::MulletEscaped, fishingtexts::MulletEscaped());
            DayControls &c = d.controls;
            c.handOver(DayControl::Strike, DayControl::Drop);
            c.dropEnabled = !EndHourReached();
        }
    }
}

void DayEngine::MulletStrike()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    DayControls &c = d.controls;
    if (d.mulletOn == 1) {
        Timer1ボラのタイマー->setEnabled(false);
        d.mulletOn = 0;
        d.mulletTicks = 0;
        d.mulletLossChance = mulletrules::lossChanceAt(m_platform.scheduler.playedMs() - d.mulletTookAtMs);
        ChooseOtherFish();
        StopMusic();
        musicTimer(false);
        s.RodSoundState = 1;
        s.RodSoundTicks = 0;
        rodSoundTimer(true);
        Timer竿のしなり->setEnabled(true);
        // The end of the day waits for the hooked mullet.
        s.HookPhase = 1;
        report(EventKind::StrikeHooked, Reason::Holds);
    } else {
        report(EventKind::StrikeMissed, Reason::StruckAtNothing);
        c.rigMenuEnabled = true;
        c.handOver(DayControl::Strike, DayControl::Drop);
        focusOn(DayControl::Drop);
    }
}

void DayEngine::MulletFightTick()
{
    const Drawn drawn(m_screen);
    Day &d = m_day;
    GameState &s = m_state;
    DayControls &c = d.controls;
    NextFightFrame();
    c.dropEnabled = false;
    if (d.fightRounds != mulletrules::fightRounds(s.FishLength))
        return;

    s.HookPhase = 0;
    s.RodSoundState = 2;
    m_screen.showTip(1);
    m_screen.showRod(0);
    d.fightRounds = 0;
    const bool lost = mulletrules::lost(s.TickRolls[5]);
    {
        daylog::DayEvent e =
            event(lost ? EventKind::FishLost : EventKind::FishLanded, lost ? Reason::HookPulled : Reason::None);
        e.fish = daylog::displayName(m_state.FishKind);
        e.length = s.FishLength;
        e.draw = s.TickRolls[5];
        // No strain table decides a mullet: its last pull's draw does.
        e.lossChance = d.mulletLossChance;
        e.hookPhase = 1;
        report(e);
    }
    if (lost) {
        StopMusic();
        StopEffect();
        PlayEffect(fishingtexts::WaveLost());
        message(DayMessage::MulletLost, fishingtexts::MulletLost());
    } else {
        message(DayMessage::FishLanded, fightrules::landedMessage(landedFish().kind, s.FishLength));
        // Mullet are listed but not counted.
        d.catches.push_back(landedFish());
        m_screen.fishListed(false);
    }
    Timer竿のしなり->setEnabled(false);
    c.dropEnabled = !EndHourReached();
    focusOn(DayControl::Drop);
    c.strikeEnabled = false;
    c.dropLit = true;
    c.strikeLit = false;
    StopMusic();
    musicTimer(true);
    d.music = MusicMode::Bgm;
    if (EndHourReached()) {
        s.HookPhase = 0;
        EndDay();
    }
}

// ---- bait change -------------------------------------------------------------------

void DayEngine::ChangeBaitTo(std::optional<daylog::Bait> bait)
{
    m_day.bait = bait;
    report(EventKind::BaitChanged);
}

// ---- fish choice -------------------------------------------------------------------

fishchoice::Input DayEngine::fishChoiceInput() const
{
    const GameState &s = m_state;
    fishchoice::Input in;
    in.stealerLevel = s.StealerLevel;
    in.sizeFactor = s.SizeFactor;
    in.averageSize = s.AverageSize;
    in.tideMatch = m_day.tideMatch;
    in.targetCode = s.TargetCode;
    in.v1 = s.BiteRolls[1];
    in.v3 = s.BiteRolls[3];
    in.v4 = s.BiteRolls[4];
    in.v5 = s.BiteRolls[5];
    in.v6 = s.BiteRolls[6];
    in.v7 = s.BiteRolls[7];
    in.tick4 = s.TickRolls[4];
    in.tick5 = s.TickRolls[5];
    in.drawAdjustU = [this] { return random().draw(15); };
    return in;
}

void DayEngine::setFish(const std::optional<fishchoice::Fish> &fish)
{
    if (!fish)
        return;
    m_state.FishKind = fish->kind;
    m_state.FishLength = std::int16_t(fish->length);
}

void DayEngine::ChooseFish()
{
    setFish(fishchoice::chooseFish(fishChoiceInput()));
}

void DayEngine::ChooseFishOnFavourableTide()
{
    setFish(fishchoice::chooseFishOnFavourableTide(fishChoiceInput()));
}

void DayEngine::TryLargeChinu()
{
    setFish(fishchoice::tryLargeChinu(fishChoiceInput()));
}

void DayEngine::AdjustChinuLength()
{
    m_state.FishLength = std::int16_t(fishchoice::adjustChinuLength(m_state.FishLength, fishChoiceInput()));
}

void DayEngine::ChooseOtherFish()
{
    setFish(fishchoice::chooseOtherFish(fishChoiceInput()));
}
