#include "charts/tidecurve.h"

#include "mainscreen/clocktide.h"

#include <algorithm>

namespace tidecurve {

Curve dayCurve(int earlierLow, int lastMinute)
{
    Curve curve;
    clocktide::Tide tide;
    if (!clocktide::initTide(tide, QString::number(earlierLow), GaugeFull))
        return curve;
    const QString flood = QStringLiteral("満");
    constexpr int start = 7 * 60;
    lastMinute = std::max(lastMinute, start);
    curve.points.reserve(size_t(lastMinute - start + 1));
    for (int minute = start; minute <= lastMinute; ++minute) {
        if (minute > start) {
            try {
                clocktide::tideMinute(tide, minute % 60 == 0, GaugeFull);
            } catch (const clocktide::TickFailure &) {
                tide.bar = clocktide::snappedTideBar(tide.bar, GaugeFull);
            }
        }
        const bool rising = tide.now == flood;
        if (minute == start) {
            // The day may begin right at a turn: an empty gauge or a full one.
            if (tide.bar <= 0)
                curve.turns.push_back({minute, false});
            else if (tide.bar >= GaugeFull)
                curve.turns.push_back({minute, true});
        } else if (rising != curve.points.back().rising) {
            curve.turns.push_back({minute, !rising});
        }
        curve.points.push_back({minute, std::clamp(tide.bar, 0.0f, GaugeFull), rising});
    }
    return curve;
}

float levelAt(const Curve &curve, int minute)
{
    if (curve.points.empty())
        return 0;
    const int first = curve.points.front().minute;
    const int i = std::clamp(minute - first, 0, int(curve.points.size()) - 1);
    return curve.points[size_t(i)].level;
}

} // namespace tidecurve
