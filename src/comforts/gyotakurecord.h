#pragma once

#include "day/day.h"
#include "daylog/ids.h"

#include <QDate>
#include <QString>

#include <optional>

namespace comforts {

// What a 魚拓 shows: the day's longest chinu and what is known of its day.
// What is not known (the tide and bait of a day saved without them) is left off.
struct GyotakuRecord
{
    QString angler;
    int lengthCm = 0;
    QString raft;
    QDate date;
    TideDirection tide = TideDirection::Unknown;
    std::optional<daylog::Bait> bait;
    bool operator==(const GyotakuRecord &) const = default;
};

} // namespace comforts
