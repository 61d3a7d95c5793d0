#include "simreport.h"

#include <QJsonArray>

#include <algorithm>
#include <numeric>

LengthSummary summarise(std::vector<int> lengths)
{
    LengthSummary s;
    s.count = int(lengths.size());
    if (lengths.empty())
        return s;
    std::sort(lengths.begin(), lengths.end());
    // Nearest rank, in whole numbers so that no rounding moves it.
    const auto rank = [&](std::size_t percent) {
        const std::size_t n = lengths.size();
        const std::size_t k = (percent * n + 99) / 100;
        return lengths[std::clamp<std::size_t>(k, 1, n) - 1];
    };
    s.mean = std::accumulate(lengths.begin(), lengths.end(), 0.0) / double(s.count);
    s.p50 = rank(50);
    s.p90 = rank(90);
    s.p99 = rank(99);
    s.max = lengths.back();
    const auto atLeast = [&](int cm) {
        return double(lengths.end() - std::lower_bound(lengths.begin(), lengths.end(), cm)) / double(s.count);
    };
    s.share50 = atLeast(50);
    s.share60 = atLeast(60);
    return s;
}

void Totals::add(const SimDayReport &d)
{
    ++days;
    if (d.ended)
        ++ended;
    if (d.boatman == 1)
        ++endedOnce;
    if (d.boatman > 1)
        ++daysBoatmanTwiceOrMore;
    for (std::size_t i = 2; i < bites.size(); ++i)
        bites[i] += d.bites[i];
    mulletTakes += d.mulletTakes;
    windows += d.windows;
    strikes += d.strikes;
    tooEarly += d.tooEarly;
    hooked += d.hooked;
    missed += d.missed;
    baitTaken += d.baitTaken;
    mulletEscaped += d.mulletEscaped;
    losses += d.losses;
    for (const auto &[kind, n] : d.fish)
        fish[kind] += n;
    chinuLengths.insert(chinuLengths.end(), d.chinuLengths.begin(), d.chinuLengths.end());
    boatman += d.boatman;
    dropsAfterBoatman += d.dropsAfterBoatman;
    bitesAfterBoatman += d.bitesAfterBoatman;
    listedAfterBoatman += int(d.listedAfterBoatman.size());
    if (!d.listedAfterBoatman.isEmpty())
        ++daysListedAfterBoatman;
    if (d.ended)
        ++endClocks[d.endClock];
    else
        ++stuckClocks[d.stuckClock];
    playedMs += d.playedMs;
}

namespace {

QString fishText(const std::map<QString, int> &fish)
{
    QStringList parts;
    for (const auto &[kind, n] : fish)
        parts << kind + QLatin1Char(' ') + QString::number(n);
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QLatin1Char(' '));
}

QString lengthsText(const LengthSummary &s)
{
    if (s.count == 0)
        return QStringLiteral("-");
    return QStringLiteral("n %1 mean %2 p50 %3 p90 %4 p99 %5 max %6 >=50 %7% >=60 %8%")
        .arg(s.count)
        .arg(s.mean, 0, 'f', 2)
        .arg(s.p50)
        .arg(s.p90)
        .arg(s.p99)
        .arg(s.max)
        .arg(100 * s.share50, 0, 'f', 3)
        .arg(100 * s.share60, 0, 'f', 3);
}

QString countsText(const std::map<QString, int> &counts)
{
    QStringList parts;
    for (const auto &[key, n] : counts)
        parts << QLatin1Char('[') + key + QStringLiteral("] ") + QString::number(n);
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

QJsonObject fishJson(const std::map<QString, int> &fish)
{
    QJsonObject o;
    for (const auto &[kind, n] : fish)
        o.insert(kind, n);
    return o;
}

QJsonObject lengthsJson(const LengthSummary &s)
{
    return QJsonObject{{QStringLiteral("count"), s.count},   {QStringLiteral("mean"), s.mean},
                       {QStringLiteral("p50"), s.p50},       {QStringLiteral("p90"), s.p90},
                       {QStringLiteral("p99"), s.p99},       {QStringLiteral("max"), s.max},
                       {QStringLiteral("share50"), s.share50}, {QStringLiteral("share60"), s.share60}};
}

QJsonObject bitesJson(const std::array<int, 5> &bites, int mulletTakes)
{
    return QJsonObject{{QStringLiteral("class2"), bites[2]},
                       {QStringLiteral("class3"), bites[3]},
                       {QStringLiteral("class4"), bites[4]},
                       {QStringLiteral("mullet"), mulletTakes}};
}

} // namespace

QString dayLine(const SimDayReport &d)
{
    QString end = d.ended ? QStringLiteral("ended %1 (%2 ms)").arg(d.endClock).arg(d.endMs)
                          : QStringLiteral("NOT ENDED, given up at %1").arg(d.stuckClock);
    QString line = QStringLiteral("day %1: %2 | bites %3/%4/%5 mullet %6 | strikes %7: early %8 hooked %9 missed %10")
                       .arg(d.day)
                       .arg(end)
                       .arg(d.bites[2])
                       .arg(d.bites[3])
                       .arg(d.bites[4])
                       .arg(d.mulletTakes)
                       .arg(d.strikes)
                       .arg(d.tooEarly)
                       .arg(d.hooked)
                       .arg(d.missed);
    line += QStringLiteral(" | fish %1 | chinu %2 | lost %3 | boatman %4")
                .arg(fishText(d.fish), lengthsText(summarise(d.chinuLengths)))
                .arg(d.losses)
                .arg(d.boatman);
    if (d.dropsAfterBoatman || d.bitesAfterBoatman || !d.listedAfterBoatman.isEmpty())
        line += QStringLiteral(" | after the boatman: drops %1 bites %2 listed %3")
                    .arg(d.dropsAfterBoatman)
                    .arg(d.bitesAfterBoatman)
                    .arg(d.listedAfterBoatman.isEmpty() ? QStringLiteral("-")
                                                        : d.listedAfterBoatman.join(QStringLiteral(", ")));
    return line;
}

QString totalsText(const Totals &t)
{
    QStringList lines;
    lines << QStringLiteral("days %1: ended %2, not ended %3; boatman %4 messages, once on %5 days, twice or more on %6")
                 .arg(t.days)
                 .arg(t.ended)
                 .arg(t.days - t.ended)
                 .arg(t.boatman)
                 .arg(t.endedOnce)
                 .arg(t.daysBoatmanTwiceOrMore);
    lines << QStringLiteral("bites: slight (class 2) %1, medium (3) %2, strong (4) %3, mullet takes %4")
                 .arg(t.bites[2])
                 .arg(t.bites[3])
                 .arg(t.bites[4])
                 .arg(t.mulletTakes);
    lines << QStringLiteral("strike windows %1; strikes %2: too early %3, hooked %4; missed %5; bait taken %6; mullet escaped %7; lost %8")
                 .arg(t.windows)
                 .arg(t.strikes)
                 .arg(t.tooEarly)
                 .arg(t.hooked)
                 .arg(t.missed)
                 .arg(t.baitTaken)
                 .arg(t.mulletEscaped)
                 .arg(t.losses);
    lines << QStringLiteral("fish: ") + fishText(t.fish);
    lines << QStringLiteral("chinu: ") + lengthsText(summarise(t.chinuLengths));
    lines << QStringLiteral("after the boatman: drops %1, bites %2, listed %3 (on %4 days)")
                 .arg(t.dropsAfterBoatman)
                 .arg(t.bitesAfterBoatman)
                 .arg(t.listedAfterBoatman)
                 .arg(t.daysListedAfterBoatman);
    lines << QStringLiteral("day ended at: ") + countsText(t.endClocks);
    if (!t.stuckClocks.empty())
        lines << QStringLiteral("not ended, clock when given up: ") + countsText(t.stuckClocks);
    lines << QStringLiteral("game time played: %1 h").arg(double(t.playedMs) / 3.6e6, 0, 'f', 1);
    return lines.join(QLatin1Char('\n'));
}

QJsonObject dayJson(const SimDayReport &d)
{
    QJsonObject o;
    o.insert(QStringLiteral("day"), d.day);
    o.insert(QStringLiteral("seed"), QString::number(d.seed));
    o.insert(QStringLiteral("ended"), d.ended);
    o.insert(QStringLiteral("endClock"), d.ended ? QJsonValue(d.endClock) : QJsonValue());
    o.insert(QStringLiteral("endMs"), d.ended ? QJsonValue(double(d.endMs)) : QJsonValue());
    o.insert(QStringLiteral("stuckClock"), d.ended ? QJsonValue() : QJsonValue(d.stuckClock));
    o.insert(QStringLiteral("bites"), bitesJson(d.bites, d.mulletTakes));
    o.insert(QStringLiteral("strikeWindows"), d.windows);
    o.insert(QStringLiteral("strikes"), d.strikes);
    o.insert(QStringLiteral("tooEarly"), d.tooEarly);
    o.insert(QStringLiteral("hooked"), d.hooked);
    o.insert(QStringLiteral("missed"), d.missed);
    o.insert(QStringLiteral("baitTaken"), d.baitTaken);
    o.insert(QStringLiteral("mulletEscaped"), d.mulletEscaped);
    o.insert(QStringLiteral("losses"), d.losses);
    o.insert(QStringLiteral("fish"), fishJson(d.fish));
    QJsonArray lengths;
    for (int cm : d.chinuLengths)
        lengths.append(cm);
    o.insert(QStringLiteral("chinuLengths"), lengths);
    o.insert(QStringLiteral("chinu"), lengthsJson(summarise(d.chinuLengths)));
    o.insert(QStringLiteral("boatman"), d.boatman);
    o.insert(QStringLiteral("dropsAfterBoatman"), d.dropsAfterBoatman);
    o.insert(QStringLiteral("bitesAfterBoatman"), d.bitesAfterBoatman);
    o.insert(QStringLiteral("listedAfterBoatman"), QJsonArray::fromStringList(d.listedAfterBoatman));
    o.insert(QStringLiteral("playedMs"), double(d.playedMs));
    return o;
}

QJsonObject totalsJson(const Totals &t)
{
    QJsonObject o;
    o.insert(QStringLiteral("days"), t.days);
    o.insert(QStringLiteral("ended"), t.ended);
    o.insert(QStringLiteral("endedOnce"), t.endedOnce);
    o.insert(QStringLiteral("boatman"), t.boatman);
    o.insert(QStringLiteral("daysBoatmanTwiceOrMore"), t.daysBoatmanTwiceOrMore);
    o.insert(QStringLiteral("bites"), bitesJson(t.bites, t.mulletTakes));
    o.insert(QStringLiteral("strikeWindows"), t.windows);
    o.insert(QStringLiteral("strikes"), t.strikes);
    o.insert(QStringLiteral("tooEarly"), t.tooEarly);
    o.insert(QStringLiteral("hooked"), t.hooked);
    o.insert(QStringLiteral("missed"), t.missed);
    o.insert(QStringLiteral("baitTaken"), t.baitTaken);
    o.insert(QStringLiteral("mulletEscaped"), t.mulletEscaped);
    o.insert(QStringLiteral("losses"), t.losses);
    o.insert(QStringLiteral("fish"), fishJson(t.fish));
    o.insert(QStringLiteral("chinu"), lengthsJson(summarise(t.chinuLengths)));
    o.insert(QStringLiteral("dropsAfterBoatman"), t.dropsAfterBoatman);
    o.insert(QStringLiteral("bitesAfterBoatman"), t.bitesAfterBoatman);
    o.insert(QStringLiteral("listedAfterBoatman"), t.listedAfterBoatman);
    o.insert(QStringLiteral("daysListedAfterBoatman"), t.daysListedAfterBoatman);
    o.insert(QStringLiteral("endClocks"), fishJson(t.endClocks));
    o.insert(QStringLiteral("stuckClocks"), fishJson(t.stuckClocks));
    o.insert(QStringLiteral("playedMs"), double(t.playedMs));
    return o;
}

QJsonObject configJson(const AnglerConfig &c, quint64 seed, int days)
{
    return QJsonObject{{QStringLiteral("days"), days},
                       {QStringLiteral("seed"), QString::number(seed)},
                       {QStringLiteral("raft"), c.raft},
                       {QStringLiteral("target"), c.target},
                       {QStringLiteral("end"), c.endHour},
                       {QStringLiteral("leader"), c.leader},
                       {QStringLiteral("hook"), c.hook},
                       {QStringLiteral("bait"), c.bait},
                       {QStringLiteral("strikeDelay"), c.strikeDelayMs},
                       {QStringLiteral("breakAfter"), c.breakAfterMs},
                       {QStringLiteral("okDelay"), c.okDelayMs},
                       {QStringLiteral("redrop"), c.redrop},
                       {QStringLiteral("overtime"), c.overtimeMinutes}};
}
