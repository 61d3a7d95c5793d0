#include "daystart.h"

#include "mainscreentexts.h"
#include "platform/random.h"
#include "state/gamestate.h"

namespace daystart {

namespace T = mainscreentexts;

std::optional<int> depthLevel(int metres)
{
    if (metres == 8)
        return 1;
    if (metres == 10)
        return 2;
    if (metres == 13 || metres == 15)
        return 3;
    return std::nullopt;
}

int currentLevel(rafts::Level current)
{
    return int(current);
}

int stealerLevel(rafts::Level stealers)
{
    return int(stealers);
}

Density chinuDensity(rafts::Level chinu)
{
    const int level = int(chinu);
    return Density{level, 4 - level};
}

std::optional<int> targetCode(std::optional<daylog::Fish> targetFish)
{
    if (targetFish == daylog::Fish::Chinu)
        return 1;
    if (targetFish == daylog::Fish::Mullet)
        return 2;
    return std::nullopt;
}

void applyClasses(const Outing &outing, GameState &state)
{
    if (const rafts::Raft *raft = outing.raft) {
        if (const auto v = depthLevel(raft->depthM))
            state.DepthLevel = *v;
        state.CurrentLevel = currentLevel(raft->current);
        state.StealerLevel = stealerLevel(raft->stealers);
        const Density density = chinuDensity(raft->chinu);
        state.ChinuDensity = density.density;
        state.SizeFactor = density.sizeFactor;
        state.FavourableTide = raft->aim;
        state.AverageSize = raft->averageCm;
    }
    if (const auto v = targetCode(outing.target))
        state.TargetCode = *v;
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
