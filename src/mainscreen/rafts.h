#pragma once

#include <QString>

#include <array>

// The five rafts of the bay and their fixed conditions.
namespace rafts {

constexpr int Count = 5;

struct Raft
{
    QString name;
    // Cells 1..6 (index 0 unused): 1 水深 (m), 2 潮の流れ, 3 餌取り,
    // 4 チヌの数, 5 チヌの大きさ (average cm), 6 ねらい目.
    std::array<QString, 7> cells;
};

// The raft of a raft number 1..5; nullptr for any other number.
const Raft *byNumber(int spotNo);
// "湾入り口", "北の離れ", "大浜", "南の離れ", "鴨の越し" for 1..5; empty otherwise.
QString name(int spotNo);
// A cell of the table (a depth, "速い", "多い", "満ち潮", ...) as the screens
// show it, in the player's language; the table keeps the Japanese.
QString shownCell(const QString &cell);

} // namespace rafts
