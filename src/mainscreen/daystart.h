#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class RandomSource;
struct GameState;

// The start of a fishing day: the raft's shown conditions become the classes
// the fishing works with, and the day's three good baits are drawn.
namespace daystart {

// 水深 in metres: "8" → 1, "10" → 2, "13" and "15" → 3.
std::optional<int> depthLevel(const QString &depth);
// 潮の流れ: "速い" → 3, "ふつう" → 2, "ゆるやか" → 1.
std::optional<int> currentLevel(const QString &current);
// 餌取り: "多い" → 3, "ふつう" → 2, "少ない" → 1.
std::optional<int> stealerLevel(const QString &stealers);
// チヌの数 gives the density and the size factor: the fewer chinu, the larger.
struct Density
{
    int density = 0;
    int sizeFactor = 0;
};
std::optional<Density> chinuDensity(const QString &number);
// "チヌ" → 1, "ボラ" → 2.
std::optional<int> targetCode(const QString &targetFish);

// What the main screen shows when the day starts: the six raft-data values
// (1 水深, 2 潮の流れ, 3 餌取り, 4 チヌの数, 5 チヌの大きさ, 6 ねらい目), the
// target fish and the rig.
struct Shown
{
    std::array<QString, 7> raft; // index 0 unused
    QString target;
    QString leader, hook, bait;
};
// Writes the classes into the state; a text outside a mapping leaves its
// field as it was.
void applyClasses(const Shown &shown, GameState &state);

// The six baits in their fixed order.
QStringList baits();

// Draws three different baits 1..6 for the day, redrawing a repeat.
std::array<int, 3> drawGoodBaits(RandomSource &random);

} // namespace daystart
