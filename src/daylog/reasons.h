#pragma once

#include "daylog/dayevent.h"
#include "mainscreen/fishing/biterules.h"

#include <QString>

// Why a cycle turned out as it did, decided from the same values the
// fishing rules act on. The fishing code asks these at the moment it acts
// and reports the answer; nothing here changes what happens.
namespace daylog {

// What the tip does as a bite opens.
Reason openingReason(biterules::Opening opening);

// Why a strike on a chinu bite came too early: the bite was under way but
// the fish did not hold the bait (hookPhase 2: a bait stealer held the tip
// down, which no timing hooks). The values at the moment of the strike.
Reason earlyStrikeReason(int hookPhase, int biteStep, int bitePattern);

// The bait is gone. strikeWindowOpen: the fish held the bait (or was
// taking it) and the rod-tip timer closed the window before any strike.
Reason baitGoneReason(bool strikeWindowOpen, int hookPhase);

// How many of the twenty draws of a fight lose the fish at this strain.
int losingDraws(int lineStrain);

// A loss's chance in percent as the windows write it: "40", "45.1".
QString chancePercent(const DayEvent &event);

// The status line's words for an event: what happened and why, in a line.
// Empty for the steps in the middle of a cycle, which must not give away
// what the tip is about to do.
QString statusText(const DayEvent &event);

} // namespace daylog
