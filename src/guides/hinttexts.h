#pragma once

#include <QString>
#include <vector>

// The boatman's hints, exactly as the game shows them.
namespace hinttexts {

struct Hint
{
    QString option; // the topic's option, e.g. "Option2"
    QString topic; // its caption
    QString title; // the hint frame's caption
    QString text; // the hint, its lines joined by line feeds
    bool showsMapButton = false; // the blank of its first line holds a detail button
};

// The seven topics, top to bottom.
std::vector<Hint> hints();

QString Caption();
QString Frame1();
QString Command1();

} // namespace hinttexts
