#include "dayend.h"

#include "app/game.h"
#include "app/screens.h"
#include "mainscreen/form1.h"
#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/fishingtexts.h"
#include "mainscreen/rafts.h"
#include "records/catchtexts.h"
#include "records/datafiles.h"
#include "records/form5.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

DayEnd::DayEnd(Form1 &form)
    : m_form(form)
{
    if (m_form.納竿)
        QObject::connect(m_form.納竿, &QAction::triggered, m_form.納竿, [this] { 納竿Click(); });
    if (m_form.釣果を保存)
        QObject::connect(m_form.釣果を保存, &QAction::triggered, m_form.釣果を保存, [this] { 釣果を保存Click(); });
}

DayEnd::~DayEnd() = default;

void DayEnd::納竿Click()
{
    m_form.fishing().PackUp();
    m_form.StopMusic();
    m_form.StopEffect();
    StopFishingTimers();
    GameState &s = m_form.state();
    if (!m_form.day().catches.empty()) {
        s.Answer = m_form.message(catchtexts::KeepCatchQuestion(), MessageButtons::YesNo);
        if (s.Answer == AnswerYes) {
            ShowTodaysCatch();
            return;
        }
    }
    m_form.game().endProgram();
}

void DayEnd::釣果を保存Click()
{
    m_form.StopMusic();
    m_form.StopEffect();
    StopFishingTimers();
    ShowTodaysCatch();
}

void DayEnd::StopFishingTimers()
{
    for (Timer *timer : {m_form.Timer1ばらし, m_form.Timer1ボラのタイマー, m_form.Timer1音楽1, m_form.Timerあたり,
                         m_form.Timerダンゴ管理, m_form.Timer竿のしなり, m_form.Timer竿の音, m_form.Timer竿の動き,
                         m_form.Timer時間管理})
        if (timer)
            timer->setEnabled(false);
}

void DayEnd::ShowTodaysCatch()
{
    Game &game = m_form.game();
    GameState &s = game.state;
    s.DataDir = datafiles::DataDirectory(s.AppDir);
    s.ChinuCount = 0;
    s.LongestChinu = 0;
    s.ChinuTotalLength = 0;

    Form5 &form5 = game.screens().form5(); // the first use loads it and takes the save stamp
    form5.List1->clear();
    int fish = 0;
    int total = 0;
    for (const CaughtFish &caught : m_form.day().catches) {
        form5.List1->addItem(fightrules::shownCatchEntry(caught.kind, caught.length));
        ++fish;
        if (caught.kind == daylog::Fish::Chinu) {
            total += caught.length;
            s.LongestChinu = std::max(s.LongestChinu, caught.length);
            ++s.ChinuCount;
        }
    }
    // The record file keeps four digits for the total; no day comes near.
    s.ChinuTotalLength = std::int16_t(std::min(total, 32767));

    form5.Label6->setText(s.AnglerName);
    form5.Label3->setText(rafts::name(s.SpotNo));
    form5.Label4->setText(QString::number(fish));
    form5.Label5->setText(QString::number(s.ChinuCount));
    form5.Label7->setText(QString::number(s.LongestChinu));
    form5.Label8->setText(QString::number(s.ChinuTotalLength));

    datafiles::EnsureDirectory(game.platform.files, datafiles::AnglerDirectory(s.DataDir, s.AnglerName));
    game.screens().show(form5);
}
