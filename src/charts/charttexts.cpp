#include "charts/charttexts.h"

#include "daylog/reasons.h"

namespace charttexts {

using daylog::EventKind;
using daylog::Reason;

QString reasonText(const daylog::DayEvent &e)
{
    switch (e.reason) {
    case Reason::None: return {};
    case Reason::BrokenByAngler: return QStringLiteral("ダンゴを割りました。");
    case Reason::BrokeByItself: return QStringLiteral("割る前にダンゴがひとりでに割れました。");
    case Reason::Nibble: return QStringLiteral("竿先が小さくふるえました。魚がエサをつついています。");
    case Reason::SlowPull: return QStringLiteral("竿先がゆっくりと一度押さえこまれました。");
    case Reason::FastPull: return QStringLiteral("竿先がぐん、ぐんと引き込まれました。");
    case Reason::Holds: return QStringLiteral("魚がエサをくわえています。あわせどきです。");
    case Reason::Steals: return QStringLiteral("エサ取りがエサをかじっています。");
    case Reason::StruckWhileNibbling: return QStringLiteral("あわせが早すぎました。魚はまだエサをつついているだけでした。");
    case Reason::StruckBeforeHookSet: return QStringLiteral("あわせが早すぎました。魚はエサをくわえましたが、まだ針がかりしていませんでした。");
    case Reason::StruckWhileStealing: return QStringLiteral("あわせが早すぎました。エサをかすめ取る当たりで、針には掛かりませんでした。");
    case Reason::StruckNoFish: return QStringLiteral("あわせが早すぎました。竿先は動きましたが、魚はいませんでした。");
    case Reason::StruckOnStealer: return QStringLiteral("エサ取りが竿先を押さえこんでいました。いつあわせても針には掛かりません。");
    case Reason::StruckAfterLetGo: return QStringLiteral("あわせが遅すぎました。竿先が戻り、魚はエサを離していました。");
    case Reason::StruckAtNothing: return QStringLiteral("エサには何もいませんでした。ダンゴは打ち直しです。");
    case Reason::LineParted:
        return QStringLiteral("ばらしました。糸の負荷 %1、くじ %2 で、ばれる確率は %3% でした。")
            .arg(e.lineStrain).arg(e.draw).arg(daylog::chancePercent(e));
    case Reason::HookPulled: return QStringLiteral("ボラの口から針がはずれました。");
    case Reason::BaitStolen: return QStringLiteral("エサ取りにエサを取られました。");
    case Reason::LetGo: return QStringLiteral("あわせる前に魚がエサを離しました。");
    case Reason::NotStruck: return QStringLiteral("竿先が動いている間、魚はハリに掛かっていました。あわせれば釣れていました。");
    case Reason::EndHour: return QStringLiteral("船頭さんが迎えに来ました。");
    case Reason::AnglerEnded: return QStringLiteral("納竿しました。");
    }
    return {};
}

QString eventWhat(const daylog::DayEvent &e)
{
    switch (e.kind) {
    case EventKind::DayStarted: return QStringLiteral("スタート");
    case EventKind::Dropped: return QStringLiteral("ダンゴを投入");
    case EventKind::BallBroken: return QStringLiteral("ダンゴが割れた");
    case EventKind::Bite:
        switch (e.biteClass) {
        case 2: return QStringLiteral("小さなあたり");
        case 4: return QStringLiteral("強いあたり");
        default: return QStringLiteral("あたり");
        }
    case EventKind::StrikeHooked: return QStringLiteral("あわせ　針がかり！");
    case EventKind::StrikeMissed:
        switch (e.reason) {
        case Reason::StruckAfterLetGo: return QStringLiteral("あわせ　遅すぎ");
        case Reason::StruckAtNothing: return QStringLiteral("から振り");
        case Reason::StruckOnStealer: return QStringLiteral("あわせ　エサ取り");
        default: return QStringLiteral("あわせ　早すぎ");
        }
    case EventKind::FishLanded:
        return QStringLiteral("%1　%2センチ　釣り上げ").arg(e.fish).arg(e.length);
    case EventKind::FishLost:
        return e.fish.isEmpty() ? QStringLiteral("ばらし") : QStringLiteral("%1をばらし").arg(e.fish);
    case EventKind::BaitTaken: return QStringLiteral("エサを取られた");
    case EventKind::BaitChanged: return QStringLiteral("エサの交換");
    case EventKind::MulletTook: return QStringLiteral("ボラがエサをくわえた");
    case EventKind::MulletEscaped: return QStringLiteral("ボラがエサを離した");
    case EventKind::DayEnded: return QStringLiteral("釣り終了");
    }
    return {};
}

QString eventWhy(const daylog::DayEvent &e)
{
    const QString status = daylog::statusText(e);
    return status.isEmpty() ? reasonText(e) : status;
}

namespace {

QString rig(const daylog::DayEvent &e)
{
    QStringList parts;
    if (!e.leader.isEmpty())
        parts << QStringLiteral("ハリス %1").arg(e.leader);
    if (!e.hook.isEmpty())
        parts << QStringLiteral("針 %1").arg(e.hook);
    if (!e.bait.isEmpty())
        parts << QStringLiteral("エサ %1").arg(e.bait);
    return parts.join(QStringLiteral("　"));
}

} // namespace

QString eventTooltip(const daylog::DayEvent &e)
{
    QStringList lines;
    lines << clock(e.gameMinute) + QStringLiteral("　") + eventWhat(e);
    const QString r = rig(e);
    if (!r.isEmpty())
        lines << r;
    if (!e.tideDirection.isEmpty())
        lines << (e.tideDirection == QStringLiteral("満") ? QStringLiteral("満ち潮") : QStringLiteral("引き潮"));
    const QString why = reasonText(e);
    if (!why.isEmpty())
        lines << why;
    return lines.join(QLatin1Char('\n'));
}

} // namespace charttexts
