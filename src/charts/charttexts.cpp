#include "charts/charttexts.h"

#include "daylog/ids.h"
#include "daylog/reasons.h"

#include <QCoreApplication>

namespace charttexts {

using daylog::EventKind;
using daylog::Reason;
using daylog::Vocabulary;

namespace {

QString fishOf(const daylog::DayEvent &e)
{
    return daylog::shownCaption(Vocabulary::Fish, e.fish);
}

} // namespace

QString reasonText(const daylog::DayEvent &e)
{
    switch (e.reason) {
    case Reason::None: return {};
    case Reason::BrokenByAngler:
        return QCoreApplication::translate("Charts", "ダンゴを割りました。");
    case Reason::BrokeByItself:
        return QCoreApplication::translate("Charts", "割る前にダンゴがひとりでに割れました。");
    case Reason::Nibble:
        return QCoreApplication::translate("Charts", "竿先が小さくふるえました。魚がエサをつついています。");
    case Reason::SlowPull:
        return QCoreApplication::translate("Charts", "竿先がゆっくりと一度押さえこまれました。");
    case Reason::FastPull:
        return QCoreApplication::translate("Charts", "竿先がぐん、ぐんと引き込まれました。");
    case Reason::Holds:
        return QCoreApplication::translate("Charts", "魚がエサをくわえています。あわせどきです。");
    case Reason::Steals:
        return QCoreApplication::translate("Charts", "エサ取りがエサをかじっています。");
    case Reason::StruckWhileNibbling:
        return QCoreApplication::translate("Charts", "あわせが早すぎました。魚はまだエサをつついているだけでした。");
    case Reason::StruckBeforeHookSet:
        return QCoreApplication::translate(
            "Charts", "あわせが早すぎました。魚はエサをくわえましたが、まだ針がかりしていませんでした。");
    case Reason::StruckWhileStealing:
        return QCoreApplication::translate(
            "Charts", "あわせが早すぎました。エサをかすめ取る当たりで、針には掛かりませんでした。");
    case Reason::StruckNoFish:
        return QCoreApplication::translate("Charts", "あわせが早すぎました。竿先は動きましたが、魚はいませんでした。");
    case Reason::StruckOnStealer:
        return QCoreApplication::translate("Charts",
                                           "エサ取りが竿先を押さえこんでいました。いつあわせても針には掛かりません。");
    case Reason::StruckAfterLetGo:
        return QCoreApplication::translate("Charts", "あわせが遅すぎました。竿先が戻り、魚はエサを離していました。");
    case Reason::StruckAtNothing:
        return QCoreApplication::translate("Charts", "エサには何もいませんでした。ダンゴは打ち直しです。");
    case Reason::LineParted:
        return QCoreApplication::translate("Charts", "ばらしました。糸の負荷 %1、くじ %2 で、ばれる確率は %3% でした。")
            .arg(e.lineStrain)
            .arg(e.draw)
            .arg(daylog::chancePercent(e));
    case Reason::HookPulled:
        return QCoreApplication::translate("Charts", "ボラの口から針がはずれました。");
    case Reason::BaitStolen:
        return QCoreApplication::translate("Charts", "エサ取りにエサを取られました。");
    case Reason::LetGo:
        return QCoreApplication::translate("Charts", "あわせる前に魚がエサを離しました。");
    case Reason::NotStruck:
        return QCoreApplication::translate(
            "Charts", "竿先が動いている間、魚はハリに掛かっていました。あわせれば釣れていました。");
    case Reason::EndHour:
        return QCoreApplication::translate("Charts", "船頭さんが迎えに来ました。");
    case Reason::AnglerEnded:
        return QCoreApplication::translate("Charts", "納竿しました。");
    }
    return {};
}

QString eventWhat(const daylog::DayEvent &e)
{
    switch (e.kind) {
    case EventKind::DayStarted:
        return QCoreApplication::translate("Charts", "スタート");
    case EventKind::Dropped:
        return QCoreApplication::translate("Charts", "ダンゴを投入");
    case EventKind::BallBroken:
        return QCoreApplication::translate("Charts", "ダンゴが割れた");
    case EventKind::Bite:
        switch (e.biteClass) {
        case 2:
            return QCoreApplication::translate("Charts", "小さなあたり");
        case 4:
            return QCoreApplication::translate("Charts", "強いあたり");
        default:
            return QCoreApplication::translate("Charts", "あたり");
        }
    case EventKind::StrikeHooked:
        return QCoreApplication::translate("Charts", "あわせ　針がかり！");
    case EventKind::StrikeMissed:
        switch (e.reason) {
        case Reason::StruckAfterLetGo:
            return QCoreApplication::translate("Charts", "あわせ　遅すぎ");
        case Reason::StruckAtNothing:
            return QCoreApplication::translate("Charts", "から振り");
        case Reason::StruckOnStealer:
            return QCoreApplication::translate("Charts", "あわせ　エサ取り");
        default:
            return QCoreApplication::translate("Charts", "あわせ　早すぎ");
        }
    case EventKind::FishLanded:
        // Fish, length.
        return QCoreApplication::translate("Charts", "%1　%2センチ　釣り上げ").arg(fishOf(e)).arg(e.length);
    case EventKind::FishLost:
        return e.fish.isEmpty() ? QCoreApplication::translate("Charts", "ばらし")
                                : QCoreApplication::translate("Charts", "%1をばらし").arg(fishOf(e));
    case EventKind::BaitTaken:
        return QCoreApplication::translate("Charts", "エサを取られた");
    case EventKind::BaitChanged:
        return QCoreApplication::translate("Charts", "エサの交換");
    case EventKind::MulletTook:
        return QCoreApplication::translate("Charts", "ボラがエサをくわえた");
    case EventKind::MulletEscaped:
        return QCoreApplication::translate("Charts", "ボラがエサを離した");
    case EventKind::DayEnded:
        return QCoreApplication::translate("Charts", "釣り終了");
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
        parts << QCoreApplication::translate("Charts", "ハリス %1")
                     .arg(daylog::shownCaption(Vocabulary::Leader, e.leader));
    if (!e.hook.isEmpty())
        parts << QCoreApplication::translate("Charts", "針 %1").arg(daylog::shownCaption(Vocabulary::Hook, e.hook));
    if (!e.bait.isEmpty())
        parts << QCoreApplication::translate("Charts", "エサ %1").arg(daylog::shownCaption(Vocabulary::Bait, e.bait));
    return parts.join(QCoreApplication::translate("Charts", "　"));
}

} // namespace

QString eventTooltip(const daylog::DayEvent &e)
{
    QStringList lines;
    // Clock, what happened.
    lines << QCoreApplication::translate("Charts", "%1　%2").arg(clock(e.gameMinute), eventWhat(e));
    const QString r = rig(e);
    if (!r.isEmpty())
        lines << r;
    if (!e.tideDirection.isEmpty())
        lines << (e.tideDirection == QStringLiteral("満") ? RisingTide() : FallingTide());
    const QString why = reasonText(e);
    if (!why.isEmpty())
        lines << why;
    return lines.join(QLatin1Char('\n'));
}

} // namespace charttexts
