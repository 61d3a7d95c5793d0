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
    const QString raft = fileName.size() > 24 ? fileName.mid(20, fileName.size() - 24) : QString();
    return fileName.left(11) + QLatin1Char(' ') + raft + QLatin1Char(' ')
        + numberformat::Format(QStringView(fileName).mid(17, 3), u"#") + T::Mai();
}

DayFigures FiguresOf(const QStringList &dayLines)
{
    DayFigures figures;
    if (dayLines.isEmpty())
        return figures;
    int longest = 0;
    int total = 0;
    for (qsizetype i = 1; i < dayLines.size(); ++i) {
        const int length = EntryLength(dayLines.at(i));
        longest = std::max(longest, length);
        total += length;
    }
    figures.longest = (dayLines.size() > 1 ? QString::number(longest) : QString()) + T::Cm();
    figures.count = QString::number(dayLines.size() - 1) + T::Mai();
    figures.total = numberformat::Format(total, u"#,###") + T::Cm();
    return figures;
}

QString TooManyFilesWarning(const QString &angler)
{
    return angler + T::TooManyFiles1() + QStringLiteral("\n\n") + T::TooManyFiles2() + QStringLiteral("\n\n")
        + T::TooManyFiles3();
}

QString DeleteQuestion(const QString &item)
{
    return item + T::DeleteQuestion1() + QStringLiteral("\n\n") + T::DeleteQuestion2();
}

} // namespace browser
