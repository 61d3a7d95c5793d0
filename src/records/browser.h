#pragma once

#include <QString>
#include <QStringList>

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
};

// The figures of a day from its lines (the raft name, then the chinu
// entries). A day whose file could not be read has no lines and shows
// blank figures.
DayFigures FiguresOf(const QStringList &dayLines);

// The warning for an angler with too many day files.
QString TooManyFilesWarning(const QString &angler);
// The question before a day file is deleted.
QString DeleteQuestion(const QString &item);

} // namespace browser
