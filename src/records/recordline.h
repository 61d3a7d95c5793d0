#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One saved day in the record file チヌ記録.txt, cut at its fixed character
// positions (1-based, characters of the decoded text):
//   1-2 "記録", 3-19 save stamp (3-13 the date), 20-21 longest chinu "0#",
//   22 raft digit, 23-25 chinu count "00#", 26-29 total length "000#",
//   30- angler name.
// The keys are zero-padded to fixed widths, so comparing them as text is
// comparing the numbers.
class RecordLine
{
public:
    // The line as a saved day, or nothing when it is not one: shorter than
    // 30 characters (after leading blanks), no "記録" marker, a key or the
    // raft character not a digit, or bytes that were not CP932 (U+FFFD).
    // Such a line stays in the file untouched but counts in no figure.
    // A raft digit outside 1..5 still parses; raft() tells it.
    static std::optional<RecordLine> parse(const QString &line);

    // The line itself (without leading blanks).
    const QString &text() const { return m_text; }

    QString stamp() const { return m_text.mid(2, 17); }   // 3-19
    QString date() const { return m_text.mid(2, 11); }    // 3-13
    QString angler() const { return m_text.mid(29); }    // 30-

    // The keys as the text of the line, for comparisons as text.
    QStringView longestKey() const { return QStringView(m_text).mid(19, 2); } // 20-21
    QStringView countKey() const { return QStringView(m_text).mid(22, 3); }   // 23-25
    QStringView totalKey() const { return QStringView(m_text).mid(25, 4); }   // 26-29

    int longest() const { return m_longest; } // cm
    int raft() const { return m_raft; }       // 0..9; the game writes 1..5
    int count() const { return m_count; }
    int total() const { return m_total; }     // cm

private:
    RecordLine() = default;

    QString m_text;
    int m_longest = 0;
    int m_raft = 0;
    int m_count = 0;
    int m_total = 0;
};

// A day file's name taken apart: the stamp (17 characters), the chinu count
// (characters 18-20, "00#"), the raft name (from character 21 up to ".txt").
struct DayFileNameParts
{
    QString stamp;    // characters 1-17
    QString date;     // characters 1-11, year to 日
    int count = 0;    // characters 18-20 as a number
    QString countText; // characters 18-20 as they stand
    QString raftName; // characters 21 to the end less ".txt"
};

// Nothing for a name shorter than 24 characters, without ".txt", or whose
// characters 18-20 are not digits.
std::optional<DayFileNameParts> ParseDayFileName(const QString &name);
// The same parts of any name, by position, for the browser's list and the
// reading of a day file, which still show and read a name that
// ParseDayFileName refuses: the count as far as it is digits (0 for none),
// no raft name unless the name is longer than 24 characters.
DayFileNameParts ReadDayFileNameLeniently(const QString &name);

// A catch-list entry, "チヌ  45センチ": the kind, two spaces, the length in
// cm, "センチ".
QString CatchEntry(const QString &kind, int length);
// The length of an entry: the digits from character 5 on (0 when none).
int EntryLength(const QString &entry);
