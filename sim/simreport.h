#pragma once

#include "simday.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <map>
#include <vector>

// Chinu lengths in figures: the mean, the percentiles (nearest rank) and the
// shares of the big ones.
struct LengthSummary
{
    int count = 0;
    double mean = 0;
    int p50 = 0, p90 = 0, p99 = 0, max = 0;
    double share50 = 0; // of chinu, >= 50 cm
    double share60 = 0; // of chinu, >= 60 cm
};
LengthSummary summarise(std::vector<int> lengths);

// The sum of many days.
struct Totals
{
    void add(const SimDayReport &day);

    int days = 0;
    int ended = 0;              // days the boatman came to
    int endedOnce = 0;          // ... exactly once
    std::array<int, 5> bites{};
    int mulletTakes = 0;
    int windows = 0;
    int strikes = 0;
    int tooEarly = 0;
    int hooked = 0;
    int missed = 0;
    int baitTaken = 0;
    int mulletEscaped = 0;
    int losses = 0;
    std::map<QString, int> fish;
    std::vector<int> chinuLengths;
    int boatman = 0;
    int daysBoatmanTwiceOrMore = 0;
    int dropsAfterBoatman = 0;
    int bitesAfterBoatman = 0;
    int listedAfterBoatman = 0;
    int daysListedAfterBoatman = 0;
    std::map<QString, int> endClocks;   // the clock at the boatman's first message
    std::map<QString, int> stuckClocks; // the clock of days given up
    qint64 playedMs = 0;
};

// One line per day, and a block for the totals.
QString dayLine(const SimDayReport &day);
QString totalsText(const Totals &totals);

QJsonObject dayJson(const SimDayReport &day);
QJsonObject totalsJson(const Totals &totals);
QJsonObject configJson(const AnglerConfig &config, quint64 seed, int days);
