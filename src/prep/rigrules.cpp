#include "rigrules.h"

#include "rigtexts.h"

namespace rigrules {

namespace T = rigtexts;

std::optional<SetUp> setUpFor(const QString &targetFish)
{
    SetUp setUp;
    if (targetFish == T::Chinu()) {
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
    if (targetFish == T::Mullet()) {
        setUp.captions = {{1, T::mulletLeader()}, {4, T::mulletHook()}};
        setUp.hidden = {2, 3, 5, 6, 7, 8, 9, 10, 11, 12};
        return setUp;
    }
    return std::nullopt;
}

QString missingChoice(const QString &leader, const QString &hook, const QString &targetFish,
                      const QString &bait)
{
    if (leader.isEmpty())
        return T::NoLeader();
    if (hook.isEmpty())
        return T::NoHook();
    if (targetFish == T::Chinu() && bait.isEmpty())
        return T::NoBait();
    return QString();
}

} // namespace rigrules
