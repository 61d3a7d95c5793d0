#pragma once

#include "daylog/dayevent.h"

#include <QString>
#include <QStringList>

// The words of the log and statistics windows.
namespace charttexts {

inline QString DayLogCaption() { return QStringLiteral("ナミヨセ-釣行記録　  　ＭＯＫＵ　KT-93"); }
inline QString StatsCaption() { return QStringLiteral("ナミヨセ-統計　  　ＭＯＫＵ　KT-93"); }

// Clock time as the game writes it: "9:05".
inline QString clock(int gameMinute)
{
    return QStringLiteral("%1:%2").arg(gameMinute / 60).arg(gameMinute % 60, 2, 10, QLatin1Char('0'));
}

// What the player can learn from a cycle, in the game's own tone.
QString reasonText(const daylog::DayEvent &event);

// What happened, in a few words ("あわせ　早すぎ", "チヌ　42センチ　釣り上げ").
QString eventWhat(const daylog::DayEvent &event);

// Why it happened, for the day's list: the status line's words where it has
// them, else what the player can learn from the step (empty for a plain step).
QString eventWhy(const daylog::DayEvent &event);

// The full tooltip of a point of the log: time, what happened, rig, tide, why.
QString eventTooltip(const daylog::DayEvent &event);

} // namespace charttexts
