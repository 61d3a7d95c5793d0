#include "fishingaction.h"

#include "app/game.h"
#include "biterules.h"
#include "buttoncolours.h"
#include "daylog/dayreport.h"
#include "fightrules.h"
#include "fishingtexts.h"
#include "mainscreen/form1.h"
#include "platform/picturebox.h"
#include "tipmotion.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using buttoncolours::setActive;
using buttoncolours::setInactive;

namespace {

// A control's own visible setting, whether or not its window is on screen.
bool shown(const QWidget *widget)
{
    return !widget->isHidden();
}

int rigNumberOf(const QLabel *label)
{
    return biterules::rigNumber(label->text()).value_or(0);
}

} // namespace

FishingAction::FishingAction(Form1 &form)
    : m_form(form)
{
    QObject::connect(form.Command1, &QPushButton::clicked, &form, [this] { DropGroundbait(); });
    QObject::connect(form.Command2, &QPushButton::clicked, &form, [this] { BreakGroundbait(); });
    QObject::connect(form.Command3, &QPushButton::clicked, &form, [this] { Strike(); });
    QObject::connect(form.Command4, &QPushButton::clicked, &form, [this] { CloseLandedChinu(); });
    QObject::connect(form.Command5, &QPushButton::clicked, &form, [this] { ChangeBait(); });
    // A click picks the bait even when it is the one already selected.
    QObject::connect(form.List2, &QListWidget::itemClicked, &form, [this] { PickBait(); });
    QObject::connect(form.List2, &QListWidget::itemActivated, &form, [this] { PickBait(); });

    form.Timerダンゴ管理->setHandler([this] { m_form.dayReport().ballBreaksItself(); BreakGroundbait(); });
    form.Timer竿の動き->setHandler([this] { RodTipTick(); });
    form.Timerあたり->setHandler([this] { BiteTick(); });
    form.Timer竿のしなり->setHandler([this] { FightTick(); });
    form.Timer1ボラのタイマー->setHandler([this] { MulletTick(); });
}

FishingAction::~FishingAction()
{
    for (Timer *timer : {m_form.Timerダンゴ管理.get(), m_form.Timer竿の動き.get(), m_form.Timerあたり.get(),
                         m_form.Timer竿のしなり.get(), m_form.Timer1ボラのタイマー.get()})
        if (timer)
            timer->setHandler({});
}

GameState &FishingAction::state() const
{
    return m_form.state();
}

RandomSource &FishingAction::random() const
{
    return m_form.game().platform.random;
}

// The tick's draw for the raft's number of chinu: the more chinu, the
// narrower the draw and the likelier a bite.
int FishingAction::densityDraw() const
{
    const int density = state().ChinuDensity;
    if (density < 0 || density >= int(state().TickRolls.size()))
        return 0;
    return state().TickRolls[density];
}

void FishingAction::showTip(int element)
{
    if (m_form.Picture1.has(element))
        m_form.Image2->setPicture(*m_form.Picture1(element));
}

void FishingAction::showRod(int element)
{
    if (m_form.Picture3.has(element))
        m_form.Image1->setPicture(*m_form.Picture3(element));
}

void FishingAction::startBiteTimer(int ms)
{
    m_form.Timerあたり->setInterval(ms);
    m_form.Timerあたり->setEnabled(true);
}

// The fish holds the bait until the next rod-tip tick, 2000 ms after the
// window first opened: arming it again on a later bite-timer tick of the
// same window must not give the angler more time.
void FishingAction::openStrikeWindow()
{
    Timer &tick = *m_form.Timer竿の動き;
    if (tick.isEnabled() && tick.interval() == 2000)
        return;
    tick.setInterval(2000);
    tick.setEnabled(true);
}

void FishingAction::baitGone()
{
    m_form.dayReport().baitGone();
    state().HookPhase = 0;
    EndBiteCycle();
    m_form.notice(fishingtexts::BaitTaken());
}

// ---- groundbait cycle --------------------------------------------------------

void FishingAction::DropGroundbait()
{
    Form1 &f = m_form;
    GameState &s = state();
    if (f.EndHourReached())
        return; // the day is over: no new drop
    f.MusicMode = fishingtexts::Bgm();
    random().reseed(quint64(f.game().platform.clock.now().toMSecsSinceEpoch()));
    TideMatch = 0;
    if (shown(f.Label17))
        f.TideNow = fishingtexts::Ebb();
    else if (shown(f.Label18))
        f.TideNow = fishingtexts::Flood();
    f.仕掛けを作る->setEnabled(false);
    f.dayReport().report(daylog::EventKind::Dropped);

    if (s.TargetCode == 1) {
        f.Command1->setEnabled(false);
        f.Command2->setEnabled(true);
        setActive(f.Command2);
        setInactive(f.Command1);
        showTip(6); // the sinking ball pulls the tip down
        f.Timerダンゴ管理->setInterval(int(random().next() * 5 + 3) * 1000);
        f.Timerダンゴ管理->setEnabled(true);
        f.Command5->setEnabled(false);
        f.Command2->setFocus();
    } else if (s.TargetCode == 2) {
        f.Command1->setEnabled(false);
        f.Command3->setEnabled(true);
        setActive(f.Command3);
        setInactive(f.Command1);
        f.Command5->setEnabled(false);
        f.Command3->setFocus();
        f.Timer1ボラのタイマー->setEnabled(true);
    }
}

void FishingAction::BreakGroundbait()
{
    Form1 &f = m_form;
    f.dayReport().ballBroken();
    showTip(1);
    f.Command2->setEnabled(false);
    f.Command3->setEnabled(true);
    setActive(f.Command3);
    setInactive(f.Command2);
    f.Timerダンゴ管理->setEnabled(false);
    f.Timer竿の動き->setEnabled(true);
    f.Command3->setFocus();
}

void FishingAction::EndBiteCycle()
{
    Form1 &f = m_form;
    GameState &s = state();
    BiteArmed = 0;
    showTip(1);
    // No new drop while the big chinu is on show or a hooked fish is fought,
    // nor once the end hour has come.
    const bool over = f.EndHourReached();
    if (!shown(f.Picture1(0)) && s.HookPhase != 1 && !over) {
        f.Command1->setEnabled(true);
        f.Command1->setFocus();
    }
    f.Command2->setEnabled(false);
    f.Command3->setEnabled(false);
    if (over)
        setInactive(f.Command1);
    else
        setActive(f.Command1);
    setInactive(f.Command2);
    setInactive(f.Command3);
    f.Command5->setEnabled(!over);
    s.TipPictureIndex = 0;
    if (f.DayEnding != 1)
        s.HookPhase = 0;
    FightRounds = 0;
    s.BiteClass = 0;
    f.Timerダンゴ管理->setEnabled(false);
    f.Timer竿の動き->setEnabled(false);
    f.Timerあたり->setEnabled(false);
    f.Timer竿の動き->setInterval(1000);
    f.仕掛けを作る->setEnabled(!over);
}

// ---- bites -------------------------------------------------------------------

void FishingAction::RodTipTick()
{
    Form1 &f = m_form;
    GameState &s = state();
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
        const biterules::TideCheck check = biterules::checkTide(f.TideNow, s.FavourableTide, densityDraw());
        if (check.tideMatch)
            TideMatch = *check.tideMatch;
        if (check.runGate && f.DayEnding != 1) // no bite once the day is over
            BiteGate();
    } else {
        baitGone();
    }
}

void FishingAction::BiteGate()
{
    GameState &s = state();
    // Without a rig there is no leader to weigh, and nothing bites.
    const std::optional<int> leader = biterules::rigNumber(m_form.Label42->text());
    if (!leader)
        return;
    RigFigure = biterules::rigFigure(*leader, s.DepthLevel, s.CurrentLevel);
    if (biterules::passesGate(densityDraw(), biterules::gateLimit(RigFigure)))
        ChooseBiteClass();
}

void FishingAction::ChooseBiteClass()
{
    GameState &s = state();
    const bool good = biterules::isGoodBait(m_form.Label44->text(), m_form.GoodBaits);
    const int cls = biterules::biteClass(densityDraw(), good);
    if (cls == 0)
        return;
    BiteArmed = 1;
    s.BiteClass = cls;
    showTip(biterules::firstTipPicture(cls));
    StartBiteSequence();
}

void FishingAction::StartBiteSequence()
{
    Form1 &f = m_form;
    GameState &s = state();
    f.Timer竿の動き->setEnabled(false);
    ChooseFish();
    s.BiteTicks = 0;
    s.BiteStep = 0;
    s.TipPictureIndex = 0;
    s.BiteCounter = std::int16_t(2 * s.BiteClass - 1);

    const biterules::Opening opening = biterules::opening(s.BiteClass, s.BiteRolls[3]);
    const int pattern = biterules::bitePattern(s.BiteClass, opening);
    f.dayReport().bite(opening);
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

// ---- rod-tip motion ----------------------------------------------------------

void FishingAction::BiteTick()
{
    Form1 &f = m_form;
    GameState &s = state();
    const bool chinu = s.FishKind == fishingtexts::Chinu();

    switch (s.BiteStep) {
    case tipmotion::StartOrNibble: {
        s.BiteRolls[11] = random().draw(10);
        s.BiteRolls[12] = random().draw(5) + 5;
        switch (s.BitePattern) {
        case 1:
        case 4:
            f.Timerあたり->setInterval(100);
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
            f.Timerあたり->setInterval(change.interval);
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
            showTip(pull.picture);
            s.HookPhase = 1;
            openStrikeWindow();
        } else if (pull.outcome == tipmotion::Pull::Gone) {
            baitGone();
        }
        break;
    }
    case tipmotion::FastPull:
        if (tipmotion::fastPullDone(s.BiteCounter)) {
            f.Timerあたり->setEnabled(false);
            if (s.HookPhase == 1)
                openStrikeWindow();
            else
                baitGone();
        } else {
            showTip(s.BiteCounter + 1);
            s.BiteCounter = std::int16_t(s.BiteCounter + 1);
        }
        break;
    default:
        break;
    }
}

void FishingAction::TwitchTip()
{
    Form1 &f = m_form;
    GameState &s = state();
    const tipmotion::Twitch twitch = tipmotion::twitch(s.TipPictureIndex, s.TipToggle);
    showTip(twitch.picture);
    s.TipToggle = twitch.toggle;
    s.BiteTicks += 1;
    if (tipmotion::nibbleEnds(s.BiteTicks, s.BiteRolls[12])) {
        if (tipmotion::nibbleGoesOn(s.FishKind == fishingtexts::Chinu(), s.BiteRolls[3])) {
            s.BiteStep = tipmotion::SlowPull;
            f.Timerあたり->setInterval(tipmotion::slowPullInterval(s.BiteRolls[12]));
        } else {
            f.Timerあたり->setEnabled(false);
            baitGone();
        }
    }
}

// ---- strike, fight and landing -----------------------------------------------

void FishingAction::Strike()
{
    Form1 &f = m_form;
    GameState &s = state();
    f.Command1->setEnabled(false);
    f.dayReport().chinuStrike(BiteArmed);
    try {
        if (s.TargetCode == 1) {
            if (s.HookPhase == 1) {
                s.RodFrame = 2;
                if (s.FishLength > 0) {
                    f.Timer1音楽1->setEnabled(false);
                    f.StopMusic();
                    s.RodSoundState = 1;
                    s.RodSoundTicks = 0;
                    f.Timer竿の音->setEnabled(true);
                    f.Command1->setEnabled(false);
                    f.Timer竿のしなり->setEnabled(true);
                    EndBiteCycle();
                    // The fish is on the hook until the fight ends: the end
                    // of the day waits for it.
                    s.HookPhase = 1;
                } else {
                    s.HookPhase = 0;
                    f.notice(fishingtexts::TooEarly());
                    EndBiteCycle();
                }
            } else if (BiteArmed == 1) {
                f.Timerダンゴ管理->setEnabled(false);
                f.Timer竿の動き->setEnabled(false);
                f.Timerあたり->setEnabled(false);
                f.notice(fishingtexts::TooEarly());
                EndBiteCycle();
            } else {
                // Nothing at the bait: the groundbait is given up.
                EndBiteCycle();
            }
        }
        if (s.TargetCode == 2)
            MulletStrike();
    } catch (...) {
        StrikeFailed();
    }
}

void FishingAction::StrikeFailed()
{
    Form1 &f = m_form;
    f.message(fightrules::strikeFailedMessage());
    for (QPushButton *button : {f.Command1, f.Command2, f.Command3}) {
        button->setEnabled(false);
        setInactive(button);
    }
    f.仕掛けを作る->setEnabled(false);
    f.スタート->setEnabled(false);
}

void FishingAction::FightTick()
{
    Form1 &f = m_form;
    GameState &s = state();
    if (s.TargetCode == 2) {
        MulletFightTick();
        return;
    }

    if (FightRounds == 0) {
        showRod(s.RodFrame);
        s.RodFrame += 1;
        if (s.RodFrame == 6) {
            s.RodFrame = 2;
            FightRounds = 1;
            DecideLoss();
        }
        return;
    }
    if (FightRounds != fightrules::chinuFightRounds(s.FishLength)) {
        NextFightFrame();
        return;
    }

    // The fight is over: the fish is off the hook, landed or lost.
    s.HookPhase = 0;
    f.dayReport().chinuFightEnded(FishLost == 1);
    if (FishLost == 1) {
        s.RodSoundState = 2;
        f.StopEffect();
        f.PlayEffect(fishingtexts::WaveLost());
        showTip(1);
        showRod(0);
        f.message(fightrules::lostMessage(s.FishKind, s.FishLength));
        f.game().platform.scheduler.yieldEvents();
        f.StopEffect();
    } else {
        f.Timer竿の音->setEnabled(false);
        s.RodSoundState = 2;
        showRod(0);
        f.List1->addItem(fightrules::catchEntry(s.FishKind, s.FishLength));
        f.List1->setCurrentRow(f.List1->count() - 1);
        QStringList entries;
        for (int i = 0; i < f.List1->count(); ++i)
            entries << f.List1->item(i)->text();
        s.ChinuCount = fightrules::chinuCount(entries);
        f.Label33->setText(QString::number(s.ChinuCount) + fishingtexts::ChinuUnit());
        f.Label34->setText(QString::number(f.List1->count()) + fishingtexts::FishUnit());
        if (s.FishKind == fishingtexts::Chinu() && s.FishLength >= 30) {
            f.StopMusic();
            f.MusicMode = fishingtexts::Big();
            f.Timer1音楽1->setEnabled(true);
            ShowLandedChinu();
            f.Command4->setFocus();
        } else {
            f.message(fightrules::landedMessage(s.FishKind, s.FishLength));
        }
    }

    FishLost = 0;
    FightRounds = 0;
    f.Timer竿のしなり->setInterval(100);
    f.Timer竿のしなり->setEnabled(false);
    if (!shown(f.Picture1(0))) {
        f.StopMusic();
        f.MusicMode = fishingtexts::Bgm();
        f.Timer1音楽1->setEnabled(true);
    }
    EndBiteCycle();
    // The fight ran past the end hour: the boatman comes now (once the big
    // chinu on show is put away).
    if (f.EndHourReached()) {
        s.HookPhase = 0;
        f.EndDay();
    }
    s.HookPhase = 0;
}

void FishingAction::DecideLoss()
{
    GameState &s = state();
    FishLost = 0;
    const int r = random().draw(20);
    const int strain =
        fightrules::lineStrain(s.FishLength, rigNumberOf(m_form.Label42), rigNumberOf(m_form.Label43));
    if (fightrules::losesFish(strain, r))
        FishLost = 1;
    m_form.dayReport().fightDecided(strain, r);
}

void FishingAction::NextFightFrame()
{
    GameState &s = state();
    showRod(s.RodFrame);
    s.RodFrame += 1;
    if (s.RodFrame == 6) {
        s.RodFrame = 2;
        FightRounds += 1;
    }
}

void FishingAction::ShowLandedChinu()
{
    Form1 &f = m_form;
    PictureBox *picture = f.Picture1(0);
    picture->setGeometry(50, 100, 450, 377);
    picture->raise();
    picture->setVisible(true);
    f.Label36->setText(QString::number(state().FishLength));
    f.ShowFrame = 5;
    f.Timer1->setEnabled(true);
}

void FishingAction::CloseLandedChinu()
{
    Form1 &f = m_form;
    PictureBox *picture = f.Picture1(0);
    picture->setVisible(false);
    picture->setGeometry(488, 470, 40, 40);
    f.Timer1->setEnabled(false);
    f.StopMusic();
    f.MusicMode = fishingtexts::Bgm();
    if (f.EndHourReached()) {
        // The end hour came while the chinu was on show: no new drop, the
        // boatman's message instead.
        f.EndDay();
        return;
    }
    f.Command1->setEnabled(true);
    f.Command1->setFocus();
}

// ---- mullet ------------------------------------------------------------------

void FishingAction::MulletTick()
{
    Form1 &f = m_form;
    GameState &s = state();
    s.TickRolls[4] = std::int16_t(random().draw(20));
    s.TickRolls[5] = std::int16_t(random().draw(5));
    s.TickRolls[6] = std::int16_t(random().draw(3) + 1);

    // From the end hour on, the boatman is coming: no mullet takes the bait
    // (a take then could never be struck).
    if (MulletOn == 0 && !f.EndHourReached() && mulletrules::takesBait(s.TickRolls[4])) {
        s.RodFrame = 1;
        MulletOn = 1;
        showTip(5);
        f.dayReport().report(daylog::EventKind::MulletTook);
    }
    if (MulletOn == 1) {
        MulletTicks += 1;
        f.Timer1ボラのタイマー->setInterval(mulletrules::pullInterval(s.TickRolls[5]));
        showTip(mulletrules::tipPicture(s.TickRolls[6]));
        if (mulletrules::escapes(MulletTicks)) {
            f.Timer1ボラのタイマー->setEnabled(false);
            MulletOn = 0;
            MulletTicks = 0;
            showTip(1);
            f.dayReport().report(daylog::EventKind::MulletEscaped, daylog::Reason::LetGo);
            f.notice(fishingtexts::MulletEscaped());
            f.Command1->setEnabled(!f.EndHourReached());
            f.Command3->setEnabled(false);
            setActive(f.Command1);
            setInactive(f.Command3);
        }
    }
}

void FishingAction::MulletStrike()
{
    Form1 &f = m_form;
    GameState &s = state();
    if (MulletOn == 1) {
        f.Timer1ボラのタイマー->setEnabled(false);
        MulletOn = 0;
        MulletTicks = 0;
        ChooseOtherFish();
        f.StopMusic();
        f.Timer1音楽1->setEnabled(false);
        s.RodSoundState = 1;
        s.RodSoundTicks = 0;
        f.Timer竿の音->setEnabled(true);
        f.Timer竿のしなり->setEnabled(true);
        // The end of the day waits for the hooked mullet.
        s.HookPhase = 1;
        f.dayReport().report(daylog::EventKind::StrikeHooked, daylog::Reason::Holds);
    } else {
        f.dayReport().report(daylog::EventKind::StrikeMissed, daylog::Reason::StruckAtNothing);
        f.仕掛けを作る->setEnabled(true);
        f.Command1->setEnabled(true);
        f.Command3->setEnabled(false);
        setActive(f.Command1);
        setInactive(f.Command3);
        f.Command1->setFocus();
    }
}

void FishingAction::MulletFightTick()
{
    Form1 &f = m_form;
    GameState &s = state();
    NextFightFrame();
    f.Command1->setEnabled(false);
    if (FightRounds != mulletrules::fightRounds(s.FishLength))
        return;

    s.HookPhase = 0;
    s.RodSoundState = 2;
    showTip(1);
    showRod(0);
    FightRounds = 0;
    f.dayReport().mulletFightEnded(mulletrules::lost(s.TickRolls[5]), s.TickRolls[5]);
    if (mulletrules::lost(s.TickRolls[5])) {
        f.StopMusic();
        f.StopEffect();
        f.PlayEffect(fishingtexts::WaveLost());
        f.message(fishingtexts::MulletLost());
    } else {
        f.message(fightrules::landedMessage(s.FishKind, s.FishLength));
        // Mullet are listed but not counted.
        f.List1->addItem(fightrules::catchEntry(s.FishKind, s.FishLength));
    }
    f.Timer竿のしなり->setEnabled(false);
    f.Command1->setEnabled(!f.EndHourReached());
    f.Command1->setFocus();
    f.Command3->setEnabled(false);
    setActive(f.Command1);
    setInactive(f.Command3);
    f.StopMusic();
    f.Timer1音楽1->setEnabled(true);
    f.MusicMode = fishingtexts::Bgm();
    if (f.EndHourReached()) {
        s.HookPhase = 0;
        f.EndDay();
    }
}

// ---- bait change -------------------------------------------------------------

void FishingAction::ChangeBait()
{
    if (m_form.EndHourReached())
        return; // nothing to bait once the day is over
    // The list opens on the bait on the hook, so the arrows start from it.
    const QList<QListWidgetItem *> onTheHook = m_form.List2->findItems(m_form.Label44->text(), Qt::MatchExactly);
    if (!onTheHook.isEmpty())
        m_form.List2->setCurrentItem(onTheHook.first());
    m_form.List2->setVisible(true);
    m_form.List2->raise();
}

void FishingAction::PickBait()
{
    Form1 &f = m_form;
    const QListWidgetItem *item = f.List2->currentItem();
    f.Label44->setText(item ? item->text() : QString());
    f.dayReport().report(daylog::EventKind::BaitChanged);
    f.List2->setVisible(false);
    if (f.Command1->isEnabled())
        f.Command1->setFocus();
}

// ---- fish choice -------------------------------------------------------------

fishchoice::Input FishingAction::fishChoiceInput() const
{
    const GameState &s = state();
    fishchoice::Input in;
    in.stealerLevel = s.StealerLevel;
    in.sizeFactor = s.SizeFactor;
    in.averageSize = s.AverageSize.toInt();
    in.tideMatch = TideMatch;
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

void FishingAction::setFish(const std::optional<fishchoice::Fish> &fish)
{
    if (!fish)
        return;
    state().FishKind = fish->kind;
    state().FishLength = std::int16_t(fish->length);
}

void FishingAction::ChooseFish()
{
    setFish(fishchoice::chooseFish(fishChoiceInput()));
}

void FishingAction::ChooseFishOnFavourableTide()
{
    setFish(fishchoice::chooseFishOnFavourableTide(fishChoiceInput()));
}

void FishingAction::TryLargeChinu()
{
    setFish(fishchoice::tryLargeChinu(fishChoiceInput()));
}

void FishingAction::AdjustChinuLength()
{
    state().FishLength = std::int16_t(fishchoice::adjustChinuLength(state().FishLength, fishChoiceInput()));
}

void FishingAction::ChooseOtherFish()
{
    setFish(fishchoice::chooseOtherFish(fishChoiceInput()));
}
