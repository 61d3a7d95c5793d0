#pragma once

#include <QString>

#include <vector>

// The tide of a logged day as the gauge drew it, minute by minute, with its
// low and high waters: the same rule that moves the gauge on the main screen.
namespace tidecurve {

// The gauge's full width: 0 is low water, GaugeFull high water.
constexpr float GaugeFull = 257;

struct TidePoint
{
    int minute = 0;   // game minutes since midnight
    float level = 0;  // 0..GaugeFull
    bool rising = false;
};

struct Turn
{
    int minute = 0;
    bool high = false; // 満潮; otherwise 干潮
};

struct Curve
{
    std::vector<TidePoint> points; // one a minute, first to last inclusive
    std::vector<Turn> turns;
};

// The tide from 7:00 (420) to lastMinute, for the earlier low water of the
// day (1..12). An unknown tide gives an empty curve.
Curve dayCurve(int earlierLow, int lastMinute);

// The gauge's level at a minute of the curve (the nearest end outside it).
float levelAt(const Curve &curve, int minute);

} // namespace tidecurve
