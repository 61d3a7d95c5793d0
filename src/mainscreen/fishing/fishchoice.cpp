#include "fishchoice.h"

namespace fishchoice {

namespace {

Fish chinu(int length)
{
    return {daylog::Fish::Chinu, length};
}

} // namespace

std::optional<Fish> chooseFish(const Input &in)
{
    const int level = in.stealerLevel;
    if (level < 1 || level > 3)
        return std::nullopt;
    if (in.tideMatch == 1)
        return chooseFishOnFavourableTide(in);

    const int u = in.v4;
    const int a = in.averageSize;
    // Upper ends of the ranges of u: ordinary chinu, a larger one, a try for
    // a large one; the rest are other fish. More stealers leave less room
    // for chinu.
    struct Row { int ordinary, larger, large; bool plus10; };
    static constexpr Row rows[4] = {{}, {6, 9, 10, false}, {5, 8, 9, true}, {4, 6, 7, true}};
    const Row &row = rows[level];
    if (u >= 1 && u <= row.ordinary)
        return chinu(a + in.v5 * in.v6);
    if (u > row.ordinary && u <= row.larger)
        return chinu(a + in.v5 * in.sizeFactor + (row.plus10 ? 10 : 0));
    if (u == row.large)
        return tryLargeChinu(in);
    if (u > row.large && u <= 15)
        return chooseOtherFish(in);
    return std::nullopt;
}

std::optional<Fish> chooseFishOnFavourableTide(const Input &in)
{
    const int u = in.v4;
    const int a = in.averageSize;
    if (u >= 1 && u <= 3)
        return chinu(a - in.v5);
    if (u >= 4 && u <= 9)
        return chinu(a + in.v5 * in.v6);
    if (u == 10 || u == 11)
        return chinu(a + in.v5 * in.sizeFactor);
    if (u == 12 || u == 13)
        return chinu(adjustChinuLength(a + in.v5 * in.sizeFactor + 15, in));
    if (u == 14 || u == 15)
        return chooseOtherFish(in);
    return std::nullopt;
}

Fish tryLargeChinu(const Input &in)
{
    const int v = in.v3;
    switch (in.sizeFactor) {
    case 1:
        if (v == 1 || v == 4)
            return chinu(adjustChinuLength(50 + in.v5, in));
        break;
    case 2:
        if (v == 2 || v == 6 || v == 9)
            return chinu(adjustChinuLength(50 + in.v5, in));
        break;
    case 3:
        if (v == 4 || v == 7 || v == 8 || v == 9 || v == 10)
            return chinu(adjustChinuLength(in.averageSize + in.v5 * in.sizeFactor + 15, in));
        break;
    default:
        break;
    }
    // No large one this time: an ordinary chinu of the raft takes the bait.
    return chinu(in.averageSize + in.v5 * in.v6);
}

int adjustChinuLength(int length, const Input &in)
{
    const int u = in.drawAdjustU ? in.drawAdjustU() : in.adjustU;
    int l = length;
    if (l > 50) {
        if (u == 1)
            l += in.v5;
        else if (u == 2)
            l += in.v5 * in.v6;
        else if (u != 5)
            l -= in.v1 * in.v3;
    }
    if (l >= 60 && l <= 65 && u != 1)
        l -= in.v1;
    if (l > 65)
        l = 65 + in.v6;
    return l;
}

std::optional<Fish> chooseOtherFish(const Input &in)
{
    if (in.targetCode == 1) {
        Fish fish;
        int base = 0;
        switch (in.v7) {
        case 1: case 2: case 3: fish.kind = daylog::Fish::Mullet; base = 38; break;
        case 4: fish.kind = daylog::Fish::Ainame; base = 18; break;
        case 5: fish.kind = daylog::Fish::Aji; base = 17; break;
        case 6: fish.kind = daylog::Fish::Tai; base = 25; break;
        case 7: fish.kind = daylog::Fish::Konoshiro; base = 20; break;
        case 8: case 9: case 10: fish.kind = daylog::Fish::Fugu; base = 10; break;
        default: return std::nullopt; // the draw is 1..10: no fish for any other
        }
        fish.length = base + in.v5 * in.v6;
        return fish;
    }
    if (in.targetCode == 2) {
        if (in.tick5 >= 1 && in.tick5 <= 3)
            return Fish{daylog::Fish::Mullet, in.tick4 + 30};
        if (in.tick5 == 4 || in.tick5 == 5)
            return Fish{daylog::Fish::Mullet, in.tick4 + 40};
        return Fish{daylog::Fish::Mullet, 0};
    }
    return std::nullopt;
}

} // namespace fishchoice
