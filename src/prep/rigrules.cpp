#include "rigrules.h"

#include "rigtexts.h"

namespace rigrules {

namespace T = rigtexts;

std::optional<SetUp> setUpFor(std::optional<daylog::Fish> targetFish)
{
    SetUp setUp;
    if (targetFish == daylog::Fish::Chinu) {
        const QStringList leaders = T::chinuLeaders();
        const QStringList hooks = T::chinuHooks();
        const QStringList baits = T::baits();
        for (int i = 0; i < 3; ++i) {
            setUp.captions.emplace_back(1 + i, leaders.at(i));
            setUp.captions.emplace_back(4 + i, hooks.at(i));
        }
        for (int i = 0; i < 6; ++i)
            setUp.captions.emplace_back(7 + i, baits.at(i));
        return setUp;
    }
    if (targetFish == daylog::Fish::Mullet) {
        setUp.captions = {{1, T::mulletLeader()}, {4, T::mulletHook()}};
        setUp.hidden = {2, 3, 5, 6, 7, 8, 9, 10, 11, 12};
        return setUp;
    }
    return std::nullopt;
}

QString missingChoice(std::optional<daylog::Leader> leader, std::optional<daylog::Hook> hook,
                      std::optional<daylog::Fish> targetFish, std::optional<daylog::Bait> bait)
{
    if (!leader)
        return T::NoLeader();
    if (!hook)
        return T::NoHook();
    if (targetFish == daylog::Fish::Chinu && !bait)
        return T::NoBait();
    return QString();
}

} // namespace rigrules
