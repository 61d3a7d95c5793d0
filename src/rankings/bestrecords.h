#pragma once

#include "rankings/rankings.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The best records of the record frames: for a scope (everybody or one
// angler, every raft or one), the best value of each measure and every
// saved day that reached it, as the three parallel lists of angler, date and
// raft. A column that the scope fixes holds its one entry.
namespace bestrecords {

using rankings::Measure;

struct Scope
{
    int raft = 0; // 1..5, or 0 for every raft
    std::optional<QString> angler; // one angler, or nobody chosen: everybody

    static Scope everything() { return {}; }
};

struct BestRecord
{
    bool found = false;
    QString key; // the best key as the lines hold it, e.g. "052"
    QString value; // the value label: the best key without leading zeros; "0" without data
    QStringList anglers; // the angler combo
    QStringList dates; // the date combo (characters 3-13 of the line)
    QStringList rafts; // the raft combo
};

// One measure's best in the scope. A scope without a day (or whose best is
// 0) gives "データなし" in each list and "0" as its value.
BestRecord BestOf(const std::vector<RecordLine> &days, Measure measure, const Scope &scope);
// The three measures in the order longest, count, total.
std::array<BestRecord, 3> BestRecords(const std::vector<RecordLine> &days, const Scope &scope);

// A record frame's caption: its plain caption, or, when n days (2 or more)
// share the record, the caption word, n and "回" for one angler or "名"
// for everybody.
QString FrameCaption(Measure measure, qsizetype n, bool oneAngler);

} // namespace bestrecords
