#include "daystart.h"

#include "mainscreentexts.h"
#include "platform/random.h"
#include "state/gamestate.h"

namespace daystart {

namespace T = mainscreentexts;

std::optional<int> depthLevel(const QString &depth)
{
    if (depth == T::Depth8())
        return 1;
    if (depth == T::Depth10())
        return 2;
    if (depth == T::Depth13() || depth == T::Depth15())
        return 3;
    return std::nullopt;
}

std::optional<int> currentLevel(const QString &current)
{
    if (current == T::CurrentFast())
        return 3;
    if (current == T::CurrentNormal())
        return 2;
    if (current == T::CurrentSlow())
        return 1;
    return std::nullopt;
}

std::optional<int> stealerLevel(const QString &stealers)
{
    if (stealers == T::Many())
        return 3;
    if (stealers == T::Some())
        return 2;
    if (stealers == T::Few())
        return 1;
    return std::nullopt;
}

std::optional<Density> chinuDensity(const QString &number)
{
    const std::optional<int> level = stealerLevel(number); // the same three words
    if (!level)
        return std::nullopt;
    return Density{*level, 4 - *level};
}

std::optional<int> targetCode(const QString &targetFish)
{
    if (targetFish == T::Chinu())
        return 1;
    if (targetFish == T::Mullet())
        return 2;
    return std::nullopt;
}

void applyClasses(const Shown &shown, GameState &state)
{
    if (const auto v = depthLevel(shown.raft[1]))
        state.DepthLevel = *v;
    if (const auto v = currentLevel(shown.raft[2]))
        state.CurrentLevel = *v;
    if (const auto v = stealerLevel(shown.raft[3]))
        state.StealerLevel = *v;
    if (const auto v = chinuDensity(shown.raft[4])) {
        state.ChinuDensity = v->density;
        state.SizeFactor = v->sizeFactor;
    }
    if (const auto v = targetCode(shown.target))
        state.TargetCode = *v;
    state.FavourableTide = shown.raft[6];
    state.AverageSize = shown.raft[5];
    state.Leader = shown.leader;
    state.Hook = shown.hook;
    state.Bait = shown.bait;
}

QStringList baits()
{
    return T::baits();
}

std::array<int, 3> drawGoodBaits(RandomSource &random)
{
    const int k1 = random.draw(6);
    int k2 = random.draw(6);
    while (k2 == k1)
        k2 = random.draw(6);
    int k3 = random.draw(6);
    while (k3 == k1 || k3 == k2)
        k3 = random.draw(6);
    return {k1, k2, k3};
}

} // namespace daystart
