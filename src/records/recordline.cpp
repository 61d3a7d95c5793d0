#include "recordline.h"

#include "mainscreen/fishing/fightrules.h"
#include "records/numberformat.h"

namespace {

const QChar replacementChar(0xFFFD);

bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

int digitsValue(QStringView digits)
{
    int value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

} // namespace

std::optional<RecordLine> RecordLine::parse(const QString &line)
{
    // Readers of the game skip leading blanks before a value.
    qsizetype skip = 0;
    while (skip < line.size() && line[skip] == QLatin1Char(' '))
        ++skip;
    const QStringView text = QStringView(line).mid(skip);
    if (text.size() < 30 || !text.startsWith(QStringLiteral("記録")))
        return std::nullopt;
    const QStringView keys = text.mid(19, 10); // positions 20-29
    if (!allDigits(keys) || text.contains(replacementChar))
        return std::nullopt;

    RecordLine record;
    record.m_text = skip == 0 ? line : text.toString();
    record.m_longest = digitsValue(keys.mid(0, 2));
    record.m_raft = digitsValue(keys.mid(2, 1));
    record.m_count = digitsValue(keys.mid(3, 3));
    record.m_total = digitsValue(keys.mid(6, 4));
    return record;
}

std::optional<DayFileNameParts> ParseDayFileName(const QString &name)
{
    if (name.size() < 24 || !name.endsWith(QStringLiteral(".txt")))
        return std::nullopt;
    if (!allDigits(QStringView(name).mid(17, 3)))
        return std::nullopt;
    return ReadDayFileNameLeniently(name);
}

DayFileNameParts ReadDayFileNameLeniently(const QString &name)
{
    DayFileNameParts parts;
    parts.stamp = name.left(17);
    parts.date = name.left(11);
    parts.countText = name.mid(17, 3);
    parts.count = int(numberformat::Val(parts.countText));
    parts.raftName = name.size() > 24 ? name.mid(20, name.size() - 24) : QString();
    return parts;
}

QString CatchEntry(const QString &kind, int length)
{
    // The entry the fishing lists is the entry the files keep.
    return fightrules::catchEntry(kind, length);
}

int EntryLength(const QString &entry)
{
    return int(numberformat::Val(QStringView(entry).mid(4)));
}
