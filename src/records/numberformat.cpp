#include "numberformat.h"

#include <limits>

namespace numberformat {

qint64 Val(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            break; // more digits than any count of the game; keep what fits
        value = value * 10 + (c - u'0');
    }
    return value;
}

namespace {

QString grouped(qint64 magnitude)
{
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

} // namespace

QString Format(qint64 value, QStringView pattern)
{
    const bool negative = value < 0;
    // Negative numbers never reach a file; keep their sign all the same.
    const quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString digits;
    if (pattern == u"#") {
        digits = magnitude == 0 ? QString() : QString::number(magnitude);
    } else if (pattern == u"0#" || pattern == u"00#" || pattern == u"000#") {
        digits = QString::number(magnitude).rightJustified(pattern.size(), QLatin1Char('0'));
    } else if (pattern == u"#,###") {
        digits = magnitude == 0 ? QString() : grouped(qint64(magnitude));
    } else {
        digits = QString::number(magnitude);
    }
    return negative && !digits.isEmpty() ? QLatin1Char('-') + digits : digits;
}

QString Format(QStringView numericText, QStringView pattern)
{
    return Format(Val(numericText), pattern);
}

QString SaveStamp(const QDateTime &at)
{
    const QDate d = at.date();
    const QTime t = at.time();
    return Format(d.year(), u"000#") + QStringLiteral("年") + Format(d.month(), u"0#") + QStringLiteral("月") + Format(d.day(), u"0#")
        + QStringLiteral("日") + Format(t.hour(), u"0#") + QStringLiteral("時") + Format(t.minute(), u"0#") + QStringLiteral("分");
}

QString ShortDate(const QDate &date)
{
    return QString::number(date.year()) + QStringLiteral("年") + QString::number(date.month()) + QStringLiteral("月")
        + QString::number(date.day()) + QStringLiteral("日");
}

} // namespace numberformat
