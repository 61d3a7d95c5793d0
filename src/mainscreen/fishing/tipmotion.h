#pragma once

// How a bite plays on the rod tip once the bite timer runs: the nibble, the
// slow and fast pulls and a bait stealer's single pull. Plain functions over
// the bite's draws.
namespace tipmotion {

// Bite steps of the bite timer.
enum Step { StartOrNibble = 0, SlowPull = 1, FastPull = 2, Stealer = 3 };

// The first bite-timer tick of a pull pattern (2, 3, 5, 6): the next step,
// the next interval and, for the fast pull of a chinu, whether it hooks.
// v11 = BiteRolls[11] (1..10), v12 = BiteRolls[12] (6..10).
struct StepChange
{
    int step = StartOrNibble;
    int interval = 0;
    bool hooks = false;
};
StepChange pullStart(int pattern, bool chinu, int v11, int v12);

// One twitch of a nibble: the rod-tip element to show and the new toggle.
struct Twitch
{
    int picture = 0;
    int toggle = 0;
};
Twitch twitch(int tipPictureIndex, int tipToggle);
// A nibble ends once its ticks pass v12: 7 to 11 twitches.
bool nibbleEnds(int biteTicks, int v12);
// At the end of a nibble the fish goes on to a slow pull (true) or leaves
// with the bait; v = BiteRolls[3]. Chinu stay more often.
bool nibbleGoesOn(bool chinu, int v);
int slowPullInterval(int v12);

// A single pull (slow pull of step 1, stealer's pull of step 3): the fish
// holds the bait with the tip at an element, or the bait is gone.
struct Pull
{
    enum Outcome { Nothing, Holds, Gone };
    Outcome outcome = Nothing;
    int picture = 0;
};
// w = BiteRolls[8] (1..5), v1 = BiteRolls[1] (1..3).
Pull slowPull(int biteClass, int w, int v1);
Pull stealerPull(int biteClass, int w, int v1);

// The fast pull has run down to the most bent tip.
bool fastPullDone(int biteCounter);

} // namespace tipmotion
