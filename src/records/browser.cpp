#include "browser.h"

#include "records/browsertexts.h"
#include "records/numberformat.h"
#include "records/recordline.h"

#include <algorithm>

namespace browser {

namespace T = browsertexts;

QString DayItem(const QString &fileName)
{
    // Cut by position, as the name was built: date 1-11, count 18-20, the
    // raft name from 21 up to ".txt".
    const DayFileNameParts parts = ReadDayFileNameLeniently(fileName);
    const QStringView name(fileName);
    const bool dated = name.size() >= 11 && name.at(4) == u'年' && name.at(7) == u'月' && name.at(10) == u'日';
    const QString date = dated ? T::DayDate(name.mid(0, 4), name.mid(5, 2), name.mid(8, 2)) : fileName.left(11);
    return T::DayItem(date, parts.raftName, numberformat::Format(parts.countText, u"#"));
}

std::optional<int> PlausibleLength(const QString &entry)
{
    // The length stands from character 5 on, blanks allowed before it.
    QStringView rest = QStringView(entry).mid(4);
    while (!rest.isEmpty() && rest.front() == QLatin1Char(' '))
        rest = rest.mid(1);
    qsizetype digits = 0;
    while (digits < rest.size() && rest[digits] >= QLatin1Char('0') && rest[digits] <= QLatin1Char('9'))
        ++digits;
    if (digits == 0)
        return std::nullopt;
    const qint64 length = numberformat::Val(rest.left(digits));
    if (length > MaxFishLength)
        return std::nullopt;
    return int(length);
}

DayFigures FiguresOf(const QStringList &dayLines)
{
    DayFigures figures;
    if (dayLines.isEmpty())
        return figures;
    // Sums in 64 bits: even a hand-edited file of huge numbers cannot wrap.
    qint64 longest = 0;
    qint64 total = 0;
    bool readable = true;
    for (qsizetype i = 1; i < dayLines.size(); ++i) {
        const std::optional<int> length = PlausibleLength(dayLines.at(i));
        if (!length) {
            readable = false;
            continue;
        }
        longest = std::max<qint64>(longest, *length);
        total += *length;
    }
    figures.count = T::ChinuCount(dayLines.size() - 1);
    if (!readable) {
        // A length no chinu could have: the file was damaged or edited, and
        // any figure made from it would mislead.
        figures.longest = T::Unreadable();
        figures.total = T::Unreadable();
        return figures;
    }
    if (dayLines.size() > 1)
        figures.longestCm = int(longest);
    figures.longest = (dayLines.size() > 1 ? QString::number(longest) : QString()) + T::Cm();
    figures.total = numberformat::Format(total, u"#,###") + T::Cm();
    return figures;
}

QString TooManyFilesWarning(const QString &angler)
{
    return T::TooManyFiles(angler);
}

QString DeleteQuestion(const QString &item)
{
    return T::DeleteQuestion(item);
}

} // namespace browser
