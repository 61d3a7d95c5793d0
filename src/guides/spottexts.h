#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The texts of the spot-details card, exactly as the game shows them.
namespace spottexts {

struct NamedText
{
    QString name; // the label's name in the game
    QString text;
};

// The words that a raft's card adds to the raft table: two tide-direction
// captions on its water picture and a one-line description.
struct SpotCard
{
    NamedText tideA;
    NamedText tideB;
    NamedText description;
};

// The card of raft 1..5; none for any other number.
std::optional<SpotCard> card(int spotNo);
// The six row headings, top to bottom, in the order of the raft table.
QStringList headings();

QString Caption();
QString DepthUnit(); // after the depth
QString SizeAverage(); // before the average size
QString SizeUnit(); // after the average size
QString Label36();
QString Label20();
QString Label14();
QString Label15();
QString Hour();
QString Command5();
// The caption of a raft's frame.
QString GuideTitle(const QString &raft);

} // namespace spottexts
