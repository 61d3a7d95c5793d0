#pragma once

#include "records/recordline.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The best-ten lists of the past-records screen, and what the best records
// and the pruning of the record file share with them: the saved days of a
// record file and their order by one measure.
namespace rankings {

// The three measures of a saved day.
enum class Measure { Longest, Count, Total };
inline constexpr Measure AllMeasures[] = { Measure::Longest, Measure::Count, Measure::Total };

// The saved days among the lines of a record file, in file order. A line
// that is not a saved day (RecordLine::parse) counts in no list.
std::vector<RecordLine> SavedDays(const QStringList &recordLines);

// The key of a day as the line holds it: 2, 3 or 4 zero-padded digits, so
// that text order and numeric order agree.
QStringView KeyText(const RecordLine &day, Measure measure);
int Key(const RecordLine &day, Measure measure);

// The raft's name for a raft digit; empty for a digit that names no raft.
QString RaftName(int raft);

// Positions in days, best first: descending key; among equal keys the day
// that stands later in the file comes first.
std::vector<qsizetype> SortedBy(const std::vector<RecordLine> &days, Measure measure);

struct RankedDay
{
    int rank = 0; // 1, 2, 2, 4, ...: equal keys share a rank
    qsizetype day = 0; // position in days
};

// Every day ranked, best first.
std::vector<RankedDay> Ranked(const std::vector<RecordLine> &days, Measure measure);
// Keeps the days ranked 10 or better; ties with the tenth all stay.
std::vector<RankedDay> TrimToBestTen(std::vector<RankedDay> ranked);

// One line of a best-ten list: rank "0#", four spaces, key, unit, angler,
// four spaces, save stamp, four spaces, raft name.
QString BestTenLine(const RankedDay &ranked, const RecordLine &day, Measure measure);
// The best-ten list of a record file's lines.
QStringList BestTenLines(const QStringList &recordLines, Measure measure);

} // namespace rankings
