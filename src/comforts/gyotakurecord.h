#pragma once

#include <QDate>
#include <QString>

namespace comforts {

// What a 魚拓 shows: the day's longest chinu and what is known of its day.
// Empty texts (the tide and bait of a day saved without them) are left off.
struct GyotakuRecord
{
    QString angler;
    int lengthCm = 0;
    QString raft;
    QDate date;
    QString tide; // "満ち潮" or "引き潮"
    QString bait;
    bool operator==(const GyotakuRecord &) const = default;
};

} // namespace comforts
