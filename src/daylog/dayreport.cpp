#include "daylog/dayreport.h"

#include "app/controls.h"
#include "app/game.h"
#include "daylog/daylog.h"
#include "daylog/reasons.h"
#include "mainscreen/clocktide.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/form1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using daylog::DayEvent;
using daylog::EventKind;
using daylog::Reason;

// Shows the reason of the last step that ended something; the steps in the
// middle of a cycle leave it as it was.
class DayReport::StatusLine final : public daylog::DayEventListener
{
public:
    StatusLine(daylog::DayEventHub &hub, QLabel *label)
        : m_hub(hub)
        , m_label(label)
    {
        m_hub.add(this);
    }
    ~StatusLine() override { m_hub.remove(this); }

    void dayEvent(const DayEvent &event) override
    {
        const QString text = daylog::statusText(event);
        if (text.isEmpty())
            return;
        m_label->setText(clocktide::clockCaption(event.gameMinute / 60, event.gameMinute % 60)
                         + QStringLiteral("　") + text);
    }

private:
    daylog::DayEventHub &m_hub;
    QLabel *m_label;
};

DayReport::DayReport(Form1 &form)
    : m_form(form)
{
    // Under the fishing buttons, as wide as the four of them.
    QWidget *area = form.Command1->parentWidget();
    const QRect first = form.Command1->geometry();
    const QRect last = form.Command5->geometry();
    m_status = makeLabel(area, QStringLiteral("Label状況"), QString(),
                         QRect(first.left(), first.bottom() + 7, last.right() - first.left() + 1, 34),
                         Qt::AlignLeft | Qt::AlignTop);
    m_status->setWordWrap(true);
    QFont font = m_status->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    m_status->setFont(font);
    m_status->setStyleSheet(QStringLiteral("QLabel { color: #35505f; background: transparent; }"));
    m_statusLine = std::make_unique<StatusLine>(form.game().dayEvents, m_status);
}

DayReport::~DayReport() = default;

DayEvent DayReport::event(EventKind kind, Reason reason) const
{
    const Form1 &f = m_form;
    const GameState &s = f.game().state;
    DayEvent e;
    e.kind = kind;
    e.reason = reason;
    e.gameMinute = f.ClockHour * 60 + f.ClockMinute;
    e.tideLevel = clocktide::roundedWidth(f.TideBarWidth);
    e.tideDirection = f.TideNow;
    e.raft = s.SpotNo;
    e.targetFish = s.TargetFish;
    e.leader = f.Label42->text();
    e.hook = f.Label43->text();
    e.bait = f.Label44->text();
    e.biteClass = s.BiteClass;
    e.hookPhase = s.HookPhase;
    return e;
}

void DayReport::report(const DayEvent &event)
{
    m_form.game().dayEvents.dayEvent(event);
}

void DayReport::dayStarted()
{
    Form1 &f = m_form;
    const GameState &s = f.game().state;
    daylog::LoggedDay day;
    day.angler = s.AnglerName;
    day.raft = s.SpotNo;
    day.targetFish = s.TargetFish;
    day.date = f.game().platform.clock.now().date().toString(QStringLiteral("yyyy-MM-dd"));
    day.endHour = s.EndHour;
    day.firstHigh = f.Label22->text().toInt();
    day.secondHigh = f.Label24->text().toInt();
    day.earlierLow = f.Label26->text().toInt();
    day.laterLow = f.Label28->text().toInt();
    f.game().dayLog().beginDay(day);
    m_status->clear();
    m_dayEnded = false;
    report(EventKind::DayStarted);
}

void DayReport::ballBroken()
{
    report(EventKind::BallBroken, m_ballBreaksItself ? Reason::BrokeByItself : Reason::BrokenByAngler);
    m_ballBreaksItself = false;
}

void DayReport::bite(biterules::Opening opening)
{
    const GameState &s = m_form.game().state;
    DayEvent e = event(EventKind::Bite, daylog::openingReason(opening));
    e.fish = s.FishKind;
    e.length = s.FishLength;
    report(e);
}

void DayReport::chinuStrike(int biteArmed)
{
    const GameState &s = m_form.game().state;
    if (s.TargetCode != 1)
        return;
    const daylog::StrikeResult result =
        daylog::chinuStrike(s.HookPhase, s.FishLength, biteArmed, s.BiteStep, s.BitePattern);
    DayEvent e = event(result.kind, result.reason);
    if (result.kind == EventKind::StrikeHooked) {
        e.fish = s.FishKind;
        e.length = s.FishLength;
    }
    report(e);
}

void DayReport::baitGone()
{
    const Timer &tick = *m_form.Timer竿の動き;
    const bool windowOpen = tick.isEnabled() && tick.interval() == 2000;
    const GameState &s = m_form.game().state;
    DayEvent e = event(EventKind::BaitTaken, daylog::baitGoneReason(windowOpen, s.HookPhase));
    e.fish = s.FishKind;
    e.length = s.FishLength;
    report(e);
}

void DayReport::fightDecided(int lineStrain, int draw)
{
    m_lineStrain = lineStrain;
    m_draw = draw;
}

void DayReport::chinuFightEnded(bool lost)
{
    const GameState &s = m_form.game().state;
    DayEvent e = event(lost ? EventKind::FishLost : EventKind::FishLanded,
                       lost ? Reason::LineParted : Reason::None);
    e.fish = s.FishKind;
    e.length = s.FishLength;
    e.lineStrain = m_lineStrain;
    e.draw = m_draw;
    e.band = daylog::losingDraws(m_lineStrain);
    e.hookPhase = 1;
    report(e);
}

void DayReport::mulletFightEnded(bool lost, int draw)
{
    const GameState &s = m_form.game().state;
    DayEvent e = event(lost ? EventKind::FishLost : EventKind::FishLanded,
                       lost ? Reason::HookPulled : Reason::None);
    e.fish = s.FishKind;
    e.length = s.FishLength;
    e.draw = draw;
    e.band = 8; // two of its five draws pull the hook: 40 %, as 8 of 20
    e.hookPhase = 1;
    report(e);
}

void DayReport::dayEnded()
{
    if (m_dayEnded)
        return;
    m_dayEnded = true;
    report(EventKind::DayEnded, Reason::EndHour);
}

void DayReport::packedUp()
{
    if (m_dayEnded)
        return;
    m_dayEnded = true;
    report(EventKind::DayEnded, Reason::AnglerEnded);
}
