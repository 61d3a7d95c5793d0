#pragma once

#include "day/day.h"

#include <QString>

#include <array>

// The five rafts of the bay and their fixed conditions.
namespace rafts {

constexpr int Count = 5;

// How much of something a raft has: its current (ゆるやか, ふつう, 速い), its
// bait stealers and its chinu (少ない, ふつう, 多い).
enum class Level { Low = 1, Middle = 2, High = 3 };

struct Raft
{
    QString name;
    int depthM = 0;                 // 水深
    Level current = Level::Middle;  // 潮の流れ
    Level stealers = Level::Middle; // 餌取り
    Level chinu = Level::Middle;    // チヌの数
    int averageCm = 0;              // チヌの大きさ (average)
    TideDirection aim = TideDirection::Flood; // ねらい目: the tide that favours the chinu

    // The six cells as the game shows them in Japanese (index 0 unused):
    // 1 水深 "15", 2 潮の流れ "速い", 3 餌取り "少ない", 4 チヌの数 "少ない",
    // 5 チヌの大きさ "30", 6 ねらい目 "満ち潮".
    std::array<QString, 7> cells() const;
};

// The raft of a raft number 1..5; nullptr for any other number.
const Raft *byNumber(int spotNo);
// "湾入り口", "北の離れ", "大浜", "南の離れ", "鴨の越し" for 1..5; empty otherwise.
QString name(int spotNo);
// The raft's name as the screens show it: the name itself, with a gloss in
// another language ("湾入り口 (Bay Mouth)"); the files keep the name alone.
QString shownName(int spotNo);
// A cell of the table (a depth, "速い", "多い", "満ち潮", ...) as the screens
// show it, in the player's language; the table keeps the Japanese.
QString shownCell(const QString &cell);

// The words of the cells.
QString currentWord(Level current); // 速い, ふつう, ゆるやか
QString amountWord(Level amount);   // 多い, ふつう, 少ない
QString aimWord(TideDirection aim);  // 満ち潮, 引き潮

} // namespace rafts
