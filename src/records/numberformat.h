#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

// How the data files and the record screens turn numbers into text.
namespace numberformat {

// The number a text spells, read the way the game reads a numeric text:
// leading blanks are skipped, then the decimal digits up to the first
// other character ("005" is 5, "45センチ" is 45, "" or "abc" is 0).
qint64 Val(QStringView text);

// The game's number patterns:
//   "#"      digits, no leading zeros; zero gives the empty text
//   "0#"     at least 2 digits, zero-padded
//   "00#"    at least 3 digits
//   "000#"   at least 4 digits
//   "#,###"  digits grouped by three with ","; zero gives the empty text
// A number too wide for its pattern keeps all its digits. Any other pattern
// gives the plain digits.
QString Format(qint64 value, QStringView pattern);
// A numeric text ("005") is taken as its number (Val) first.
QString Format(QStringView numericText, QStringView pattern);

// The save time stamp "yyyy年mm月dd日hh時nn分", always 17 characters.
QString SaveStamp(const QDateTime &at);
// The catch screen's date "yyyy年m月d日" (month and day without leading zeros).
QString ShortDate(const QDate &date);

} // namespace numberformat
