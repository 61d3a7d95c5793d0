#include "tipmotion.h"

namespace tipmotion {

StepChange pullStart(int pattern, bool chinu, int v11, int v12)
{
    StepChange change;
    switch (pattern) {
    case 2:
    case 5:
        if (chinu) {
            change.step = SlowPull;
            change.interval = 250 * v12;
        } else {
            change.step = Stealer;
            change.interval = (pattern == 2 ? 250 : 500) * v12;
        }
        break;
    case 3:
    case 6:
        if (chinu) {
            change.hooks = v11 == 1 || v11 == 2 || v11 == 3 || v11 == 5 || v11 == 7 || v11 == 9 || v11 == 10;
            change.step = FastPull;
            change.interval = 150;
        } else {
            change.step = Stealer;
            change.interval = (pattern == 3 ? 500 : 250) * v12;
        }
        break;
    default:
        break;
    }
    return change;
}

Twitch twitch(int tipPictureIndex, int tipToggle)
{
    if (tipToggle == 1)
        return {tipPictureIndex + 1, 0};
    return {tipPictureIndex, 1};
}

bool nibbleEnds(int biteTicks, int v12)
{
    return biteTicks > v12;
}

bool nibbleGoesOn(bool chinu, int v)
{
    return chinu ? (v >= 1 && v <= 5) : (v == 1 || v == 2);
}

int slowPullInterval(int v12)
{
    return 250 * v12;
}

Pull slowPull(int biteClass, int w, int v1)
{
    if (biteClass == 2) {
        if (w == 1 || w == 2 || w == 3 || w == 5)
            return {Pull::Holds, 3 + w};
        if (w == 4)
            return {Pull::Gone, 0};
    } else if (biteClass == 3) {
        if (w == 1 || w == 3 || w == 4 || w == 5)
            return {Pull::Holds, 5 + v1};
        if (w == 2)
            return {Pull::Gone, 0};
    }
    return {};
}

Pull stealerPull(int biteClass, int w, int v1)
{
    if (biteClass == 2)
        return w == 1 ? Pull{Pull::Holds, 4} : Pull{Pull::Gone, 0};
    if (biteClass == 3)
        return w == 1 ? Pull{Pull::Holds, 5 + v1} : Pull{Pull::Gone, 0};
    return {};
}

bool fastPullDone(int biteCounter)
{
    return biteCounter > 7;
}

} // namespace tipmotion
