#pragma once

#include "day/dayengine.h"
#include "mainscreen/form1.h"

#include <QListWidget>
#include <QString>

// Puts a fish on today's catch as the fishing lists it: in the day and on
// the main screen's list. entry reads "<kind>  <cm>センチ".
inline void listFish(Form1 &form, const QString &entry)
{
    const int gap = entry.indexOf(QLatin1Char(' '));
    QString cm = entry.mid(gap + 1).trimmed();
    cm.chop(3); // センチ
    form.day().catches.push_back({gap < 0 ? entry : entry.left(gap), cm.toInt()});
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
