#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The per-angler pane of the past-records screen: an angler's saved days
// as a list, and the figures of one day.
namespace browser {

// Above this many day files the angler is warned to delete some.
inline constexpr int WarnAbove = 490;

// A day's item in the list, from its file name: the date, a space, the
// raft name, a space, the chinu count without leading zeros and "枚",
// e.g. "2002年10月05日 大浜 5枚".
QString DayItem(const QString &fileName);

struct DayFigures
{
    QString longest; // "52cm"
    QString count; // "3枚"
    QString total; // "1,234cm"
    int longestCm = 0; // the longest as a number; 0 for no chinu or an unreadable day
};

// The longest chinu a day file may hold, in cm; anything longer is damage.
inline constexpr int MaxFishLength = 999;

// The length of a chinu entry ("チヌ  45センチ"): the digits from character
// 5 on. Nothing when there are none or they make more than MaxFishLength.
std::optional<int> PlausibleLength(const QString &entry);

// The figures of a day from its lines (the raft name, then the chinu
// entries). A day whose file could not be read has no lines and shows
// blank figures; a day with an entry whose length cannot be a fish shows
// its longest and total as unreadable.
DayFigures FiguresOf(const QStringList &dayLines);

// The warning for an angler with too many day files.
QString TooManyFilesWarning(const QString &angler);
// The question before a day file is deleted.
QString DeleteQuestion(const QString &item);

} // namespace browser
