#include "clocktide.h"

#include "mainscreentexts.h"

#include <cmath>

namespace clocktide {

namespace T = mainscreentexts;

namespace {

// Sums of many small steps in single precision fall short of the full
// width by a few thousandths of a pixel; a gauge within this of the end is
// full, so that it turns on the hour it is due and not an hour later.
constexpr float FullTolerance = 1.0f / 64;

// The tide bar's thresholds are pixels of a 257-pixel gauge.
constexpr float ReferenceGauge = 257;

float divide(float a, float b)
{
    if (b == 0)
        throw TickFailure{};
    return a / b;
}

bool isFull(float bar, float gaugeWidth)
{
    return bar >= gaugeWidth - FullTolerance;
}

void turnToFalling(Tide &tide, float gaugeWidth)
{
    tide.bar = gaugeWidth;
    tide.rest = gaugeWidth;
    tide.full = roundedWidth(gaugeWidth);
    tide.hours = 6;
    tide.ebbShown = true;
    tide.floodShown = false;
    tide.now = T::Ebb();
}

} // namespace

qint16 roundedWidth(float width)
{
    // The default rounding: ties to even.
    return qint16(qBound(-32768.0f, std::nearbyint(width), 32767.0f));
}

bool initTide(Tide &tide, const QString &earlierLow, float gaugeWidth)
{
    bool ok = false;
    const int l = earlierLow.toInt(&ok);
    const auto falling = [&](float bar, int hours) {
        tide.bar = bar;
        tide.hours = hours;
        tide.full = roundedWidth(tide.bar);
        tide.ebbShown = true;
        tide.now = T::Ebb();
    };
    const auto rising = [&](float bar, int hours) {
        tide.bar = bar;
        tide.hours = hours;
        tide.rest = gaugeWidth - tide.bar;
        tide.floodShown = true;
        tide.now = T::Flood();
    };
    // Low water at 1:00 means high water at 7:00; from 2:00 to 6:00 the tide
    // is rising at 7:00, from 8:00 on it is still falling.
    if (!ok || earlierLow != QString::number(l))
        return false;
    if (l == 1)
        falling(gaugeWidth, 6);
    else if (l >= 2 && l <= 6)
        rising(float(7 - l) * gaugeWidth / 6, l - 1);
    else if (l == 7)
        rising(0, 6);
    else if (l >= 8 && l <= 12)
        falling(float(l - 7) * gaugeWidth / 6, l - 7);
    else
        return false;
    return true;
}

void tideMinute(Tide &tide, bool hourTurned, float gaugeWidth)
{
    if (tide.now == T::Flood()) {
        if (tide.rest == 0) {
            if (hourTurned)
                turnToFalling(tide, gaugeWidth);
        } else if (!isFull(tide.bar, gaugeWidth)) {
            tide.bar += divide(tide.rest, float(60 * tide.hours));
        }
        if (isFull(tide.bar, gaugeWidth)) {
            tide.rest = gaugeWidth;
            tide.full = roundedWidth(gaugeWidth);
            tide.hours = 6;
            if (hourTurned) {
                tide.ebbShown = true;
                tide.floodShown = false;
                tide.now = T::Ebb();
            }
        }
    }
    // Falling, also right after a turn in the same minute.
    const float scale = gaugeWidth / ReferenceGauge;
    if (tide.now == T::Ebb()) {
        if (tide.bar > 1 * scale)
            tide.bar -= divide(float(tide.full), float(60 * tide.hours));
        if (tide.bar < 2 * scale && hourTurned) {
            tide.bar = 0;
            tide.rest = gaugeWidth;
            tide.full = roundedWidth(gaugeWidth);
            tide.hours = 6;
            tide.floodShown = true;
            tide.ebbShown = false;
            tide.now = T::Flood();
        }
    }
}

float snappedTideBar(float bar, float gaugeWidth)
{
    const float middle = 150 * gaugeWidth / ReferenceGauge;
    if (bar > middle)
        return gaugeWidth;
    if (bar < middle)
        return 0;
    return bar;
}

QString clockCaption(int hour, int minute)
{
    return QString::number(hour) + T::ClockColon() + QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
}

int endHourNumber(const QString &endHour)
{
    if (endHour.isEmpty())
        return 0;
    bool ok = false;
    const int hour = endHour.trimmed().toInt(&ok);
    if (!ok)
        throw TickFailure{};
    return hour;
}

float timeBarAfterMinute(float bar, float barWidth, int dayMinutes)
{
    return bar - divide(barWidth, float(dayMinutes));
}

float timeBarAtHour(int endHour, int clockHour, float barWidth, int dayMinutes)
{
    return float(endHour - clockHour) * divide(barWidth, float(dayMinutes) / 60);
}

} // namespace clocktide
