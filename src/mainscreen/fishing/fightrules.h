#pragma once

#include "daylog/ids.h"

#include <QString>
#include <QStringList>

// The fight and the catch: how hard the fish pulls on the rig, whether it
// is lost, how long it fights, and how a landed fish is listed.
namespace fightrules {

// Int(length / (2 x (leader + hook)) x 10): a long fish on a fine rig
// strains the line most.
int lineStrain(int length, int leader, int hook);
// Whether a draw r (1..20) loses the fish at this strain.
bool losesFish(int lineStrain, int r);
// Rounds of four rod frames a chinu fights before it is landed or lost.
int chinuFightRounds(int length);

// "チヌ  42センチ": the kind, two spaces, the length, "センチ", as the
// day's files keep it.
QString catchEntry(const QString &kind, int length);
QString catchEntry(daylog::Fish kind, int length);
// The same entry as a catch list shows it, in the player's language.
QString shownCatchEntry(daylog::Fish kind, int length);

// "28 センチの チヌを釣り上げた。"
QString landedMessage(daylog::Fish kind, int length);
// "バラシた！", two line feeds, "今のは48センチ くらいの チヌだった。"
QString lostMessage(daylog::Fish kind, int length);
// The strike's failure message.
QString strikeFailedMessage();

} // namespace fightrules

// The mullet watch and fight.
namespace mulletrules {

// A mullet takes the bait when the tick's 1..20 draw is 1.
bool takesBait(int tick4);
// Mullet-timer interval while a mullet pulls: 80 x TickRolls[5] ms.
int pullInterval(int tick5);
// Rod-tip element while a mullet pulls: TickRolls[6] + 2 (4, 5 or 6).
int tipPicture(int tick6);
// Left alone, a mullet lets go of the bait on its tenth tick.
bool escapes(int mulletTicks);
// Rounds a mullet fights.
int fightRounds(int length);
// A struck mullet is lost when the last tick's 1..5 draw was 2 or 4.
bool lost(int tick5);
// The chance that a mullet struck msSinceTake ms after it took the bait
// comes off, exactly: the draw that decides it also set how long its tick
// lasts, so the long pulls (draw 4) are the likelier to be under way at any
// moment. 0 once the mullet has certainly let go.
double lossChanceAt(qint64 msSinceTake);

} // namespace mulletrules
