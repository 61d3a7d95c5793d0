#pragma once

#include "records/datafiles.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <random>

// Record lines for the rankings, best records and pruning: one saved day
// each, as the catch screen writes them.
namespace recordfixture {

// The save stamp of the n-th day: one day apart from 2002年10月05日, so each
// line (and its date) is its own.
inline QString stamp(int n)
{
    const QDateTime at(QDate(2002, 10, 5).addDays(n), QTime(14, 30));
    return at.toString(QStringLiteral("yyyy年MM月dd日hh時mm分"));
}

inline QString date(int n)
{
    return stamp(n).left(11);
}

inline QString day(int n, const QString &angler, int raft, int longest, int count, int total)
{
    return datafiles::FormatRecordLine(stamp(n), longest, raft, count, total, angler);
}

// n days of the anglers, with few distinct values so that ties abound:
// the rankings and best records are most fragile where days share a value.
inline QStringList generated(int n, const QStringList &anglers, unsigned seed = 20021005)
{
    std::mt19937 random(seed);
    const auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    QStringList lines;
    lines.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int count = draw(1, 12);
        int longest = 0;
        int total = 0;
        for (int c = 0; c < count; ++c) {
            const int length = draw(18, 52);
            longest = std::max(longest, length);
            total += length;
        }
        lines << day(i % 4000, anglers.at(draw(0, int(anglers.size()) - 1)), draw(1, 5), longest, count, total);
    }
    return lines;
}

// Names "釣人1", "釣人2", ...
inline QStringList anglerNames(int n, const QString &stem = QStringLiteral("釣人"))
{
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << stem + QString::number(i);
    return names;
}

} // namespace recordfixture
