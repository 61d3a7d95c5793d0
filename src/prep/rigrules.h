#pragma once

#include "daylog/ids.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The rig for the target fish: which leader, hook and bait options the rig
// screen offers, and what a rig needs before it can be fished.
namespace rigrules {

// Options 1-3 are leaders, 4-6 hooks, 7-12 baits.
struct SetUp
{
    std::vector<std::pair<int, QString>> captions; // option number, caption
    std::vector<int> hidden;                       // option numbers to hide
};

// The set-up for a target fish: the chinu rig offers three leaders, three
// hooks and six baits; the mullet rig one leader, the sucking hook and no
// bait. Any other target has none.
std::optional<SetUp> setUpFor(std::optional<daylog::Fish> targetFish);

// What the angler must still choose, as the message that says so; empty
// when the rig is complete.
QString missingChoice(std::optional<daylog::Leader> leader, std::optional<daylog::Hook> hook,
                      std::optional<daylog::Fish> targetFish, std::optional<daylog::Bait> bait);

} // namespace rigrules
