#pragma once

#include "app/screens.h"
#include "day/dayengine.h"
#include "mainscreen/form1.h"
#include "prep/form3.h"
#include "support/testgame.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QString>

// Puts a fish on today's catch as the fishing lists it: in the day and on
// the main screen's list. entry reads "<kind>  <cm>センチ".
inline void listFish(Form1 &form, const QString &entry)
{
    const int gap = entry.indexOf(QLatin1Char(' '));
    QString cm = entry.mid(gap + 1).trimmed();
    cm.chop(3); // センチ
    const QString kind = gap < 0 ? entry : entry.left(gap);
    form.day().catches.push_back({daylog::fishFromCaption(kind).value_or(daylog::Fish::Fugu), cm.toInt()});
    form.List1->addItem(entry);
}

// A fish landed now, with the rig and tide of the moment: reported as the
// fishing reports it, and listed.
inline void landFish(Form1 &form, const QString &kind, int length)
{
    daylog::DayEvent landed = form.fishing().event(daylog::EventKind::FishLanded);
    landed.fish = kind;
    landed.length = length;
    form.fishing().report(landed);
    listFish(form, kind + QStringLiteral("  ") + QString::number(length) + QStringLiteral("センチ"));
}

// The angler crosses to raft 2 for チヌ until 15:00: the main screen of the day.
inline Form1 &crossToRaft2(TestGame &game, const QString &angler)
{
    Form3 &settings = game.screens().form3();
    settings.Combo3->setEditText(angler);
    settings.OpenRaftChoice();
    settings.Option2->setChecked(true);
    settings.ShowTargetList();
    settings.Combo1->setCurrentIndex(0);
    settings.ShowEndTimes();
    settings.Combo2->setCurrentIndex(2);
    settings.CrossToRaft();
    return game.screens().form1();
}
