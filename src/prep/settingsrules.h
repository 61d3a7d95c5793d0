#pragma once

#include <QString>

class RandomSource;

// The rules behind the settings screen: today's tide hours, the end time,
// the checks before crossing to the raft and the angler-name rules.
namespace settings {

// Today's high and low waters, hours of a 24-hour clock.
struct TideHours
{
    int firstHigh = 0; // Label5
    int secondHigh = 0; // Label6
    int earlierLow = 0; // Label7
    int laterLow = 0; // Label8
    friend bool operator==(const TideHours &, const TideHours &) = default;
};

// The hours for a first high water x (1..12): high waters x and x + 12,
// low waters x + 6 and x + 18 (x - 6 when that passes 24), earlier first.
TideHours tideHoursFor(int x);
// Draws x = Int(12 * r + 1) from the random source.
TideHours drawTideHours(RandomSource &random);

// "15時まで" gives "15": the hour the day ends.
QString endHourOf(const QString &endTime);
// Game minutes from 7:00 to the end hour: 180, 300, 480 or 600; 0 when the
// text does not start with an hour.
int dayMinutesFor(const QString &endTime);

// Why a name cannot be an angler's name: it becomes a line of the angler
// list and the name of the angler's folder of day files.
enum class NameProblem {
    None,
    Empty, // nothing but blanks
    DotName, // "." or "..", which name folders themselves
    AllAnglersWord, // the past-records screen's word for every angler
    DataFileName, // the name of one of the data folder's own files
    ForbiddenMark, // / \ : * ? " < > |
    ControlCharacter, // tabs, line feeds and other invisible codes
    NotInCodePage, // a character the data files cannot hold (CP932), or
                   // one they would give back as another character
    TooLong, // longer than a folder name may be
};

struct NameCheck
{
    NameProblem problem = NameProblem::None;
    QString character; // the offending character, where there is one
};

// The name as it will be used: blanks trimmed at both ends and the look-alike
// characters folded the way the data files write them (〜 as ～).
QString cleanAnglerName(const QString &typed);
// Checks a cleaned name. The angler list's lines go through the same check
// before a name read from it is ever offered.
NameCheck checkAnglerName(const QString &name);

// Whether the name is that of one of the data folder's own files (the
// record file, the angler list, the day log), or of a backup, temporary or
// lock file made beside one, compared the way a file system that ignores
// case and width would.
bool isDataFileName(const QString &name);
// The message that refuses the name, in the game's words; empty for None.
QString nameProblemMessage(const NameCheck &check);

// The first refusal of a crossing to the raft, in the game's order: no raft,
// no target fish, no end time, then the angler's name. Empty when the angler
// may cross.
QString crossingRefusal(int spotNo, const QString &targetFish, const QString &endTime,
                        const QString &anglerName);

} // namespace settings
