#pragma once

#include <QString>
#include <QStringList>

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

// The card of raft 1..5; nullptr for any other number.
const SpotCard *card(int spotNo);
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
// Follows the raft's name in its frame's caption.
QString GuideSuffix();

} // namespace spottexts
