#pragma once

#include <QString>
#include <QtGlobal>

// The game clock and the tide gauge: one game minute per tick, the time bar
// running down to the end hour, the tide filling and emptying the gauge and
// turning on the hour.
namespace clocktide {

// A step of a tick could not be done (a division by zero, a count out of
// range): the rest of the tick is skipped.
struct TickFailure
{
};

// The tide gauge and what it knows about the next turn.
struct Tide
{
    float bar = 0;           // width of the tide bar over the gauge
    int hours = 0;           // hours to the next turn
    float rest = 0;          // width still to fill before the turn
    qint16 full = 0;         // the full width, copied at each turn
    QString now;             // "満" rising, "引" falling
    bool ebbShown = false;   // the "← 引き潮" arrow
    bool floodShown = false; // the "満ち潮 →" arrow
};

// The tide at 7:00 from the earlier low water ("1".."12"). Any other text
// changes nothing and returns false.
bool initTide(Tide &tide, const QString &earlierLow, float gaugeWidth);

// One game minute of the tide. hourTurned: the clock has just reached a
// full hour, the only moment the tide turns.
void tideMinute(Tide &tide, bool hourTurned, float gaugeWidth);

// The tide bar after a failed tick: to the full width above the middle, to
// nothing below it.
float snappedTideBar(float bar, float gaugeWidth);

// The clock once it runs: the hour, " : ", the minute in two digits.
QString clockCaption(int hour, int minute);

// The end hour as a number; an unset end hour is 0.
int endHourNumber(const QString &endHour);

// The time bar after one game minute of a day of dayMinutes.
float timeBarAfterMinute(float bar, float barWidth, int dayMinutes);
// The time bar re-aligned to the whole hours left, at each full hour.
float timeBarAtHour(int endHour, int clockHour, float barWidth, int dayMinutes);

// A width as the screen shows it: the nearest whole pixel, ties to even.
qint16 roundedWidth(float width);

} // namespace clocktide
