#pragma once

#include "rafts.h"

#include "daylog/ids.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class RandomSource;
struct GameState;

// The start of a fishing day: the raft's conditions become the classes the
// fishing works with, and the day's three good baits are drawn.
namespace daystart {

// 水深 in metres: 8 → 1, 10 → 2, 13 and 15 → 3.
std::optional<int> depthLevel(int metres);
// 潮の流れ: 速い → 3, ふつう → 2, ゆるやか → 1.
int currentLevel(rafts::Level current);
// 餌取り: 多い → 3, ふつう → 2, 少ない → 1.
int stealerLevel(rafts::Level stealers);
// チヌの数 gives the density and the size factor: the fewer chinu, the larger.
struct Density
{
    int density = 0;
    int sizeFactor = 0;
};
Density chinuDensity(rafts::Level chinu);
// チヌ → 1, ボラ → 2; none for any other fish or none chosen.
std::optional<int> targetCode(std::optional<daylog::Fish> targetFish);

// What the day starts from: the raft (none before one is chosen) and the
// target fish.
struct Outing
{
    const rafts::Raft *raft = nullptr;
    std::optional<daylog::Fish> target;
};
// Writes the classes into the state; a depth or a target outside a mapping,
// or no raft, leaves its fields as they were.
void applyClasses(const Outing &outing, GameState &state);

// The six baits in their fixed order.
QStringList baits();

// Draws three different baits 1..6 for the day, redrawing a repeat.
std::array<int, 3> drawGoodBaits(RandomSource &random);

} // namespace daystart
