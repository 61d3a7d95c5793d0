#include "daylog/reasons.h"

#include "daylog/ids.h"

#include "mainscreen/fishing/fightrules.h"
#include "mainscreen/fishing/tipmotion.h"

#include <cmath>

#include <QCoreApplication>

namespace daylog {

Reason openingReason(biterules::Opening opening)
{
    switch (opening) {
    case biterules::Opening::Nibble: return Reason::Nibble;
    case biterules::Opening::SlowPull: return Reason::SlowPull;
    case biterules::Opening::FastPull: return Reason::FastPull;
    case biterules::Opening::Holds: return Reason::Holds;
    case biterules::Opening::Steals: return Reason::Steals;
    case biterules::Opening::None: break;
    }
    return Reason::None;
}

Reason earlyStrikeReason(int hookPhase, int biteStep, int bitePattern)
{
    // A bait stealer holds the tip down as a fish would, but no strike,
    // early or late, ever hooks it.
    if (hookPhase == 2)
        return Reason::StruckOnStealer;
    switch (biteStep) {
    case tipmotion::StartOrNibble:
        // A nibble twitches from its first tick; a pull has not come yet.
        if (bitePattern == 1 || bitePattern == 4)
            return Reason::StruckWhileNibbling;
        return Reason::StruckBeforeHookSet;
    case tipmotion::FastPull:
        // A fast pull that never hooked: the fish is pulling the bait off.
        return Reason::StruckWhileStealing;
    case tipmotion::SlowPull:
    case tipmotion::Stealer:
    default:
        return Reason::StruckBeforeHookSet;
    }
}

Reason baitGoneReason(bool strikeWindowOpen, int hookPhase)
{
    if (strikeWindowOpen && hookPhase == 1)
        return Reason::LetGo;
    // The nibble had set the hook: a strike while the tip twitched or
    // pulled would have hooked the fish, but none came before it was gone.
    if (hookPhase == 1)
        return Reason::NotStruck;
    return Reason::BaitStolen;
}

int losingDraws(int lineStrain)
{
    int losing = 0;
    for (int r = 1; r <= 20; ++r)
        if (fightrules::losesFish(lineStrain, r))
            ++losing;
    return losing;
}

QString chancePercent(const DayEvent &e)
{
    // An event of an older log may carry the band alone.
    const double percent = e.lossChance > 0 ? e.lossChance * 100 : e.band * 5;
    return QString::number(std::round(percent * 10) / 10, 'f', percent == std::round(percent) ? 0 : 1);
}

namespace {

// The fish as the screen names it; the event keeps the caption.
QString shownFish(const DayEvent &e)
{
    return shownCaption(Vocabulary::Fish, e.fish);
}

QString chance(const DayEvent &e)
{
    return QCoreApplication::translate("Reasons", "%1％").arg(chancePercent(e));
}

} // namespace

QString statusText(const DayEvent &e)
{
    switch (e.kind) {
    case EventKind::DayStarted:
        return QCoreApplication::translate("Reasons", "釣り開始。ダンゴを打って、竿先の動きをよく見ましょう。");
    case EventKind::BallBroken:
        if (e.reason == Reason::BrokeByItself)
            return QCoreApplication::translate("Reasons", "ダンゴが自然に割れました。");
        return QString();
    case EventKind::StrikeHooked:
        return QCoreApplication::translate("Reasons", "ハリ掛かり！ 魚がエサをくわえたところであわせました。");
    case EventKind::StrikeMissed:
        switch (e.reason) {
        case Reason::StruckWhileNibbling:
            return QCoreApplication::translate("Reasons", "早あわせ：魚はまだエサをつついていただけでした。");
        case Reason::StruckBeforeHookSet:
            return QCoreApplication::translate("Reasons",
                                               "早あわせ：竿先が入る前で、魚はまだエサをくわえていませんでした。");
        case Reason::StruckWhileStealing:
            return QCoreApplication::translate("Reasons",
                                               "早あわせ：エサをかすめ取る当たりで、ハリには掛かりませんでした。");
        case Reason::StruckNoFish:
            return QCoreApplication::translate("Reasons", "早あわせ：竿先は動きましたが、魚はいませんでした。");
        case Reason::StruckOnStealer:
            return QCoreApplication::translate(
                "Reasons", "エサ取りの当たり：竿先は入りましたが、エサ取りはいつあわせても掛かりません。");
        case Reason::StruckAfterLetGo:
            return QCoreApplication::translate("Reasons", "遅あわせ：竿先が戻った後で、魚はもうエサを離していました。");
        case Reason::StruckAtNothing:
            return QCoreApplication::translate("Reasons", "当たりのないところであわせました。ダンゴの打ち直しです。");
        default:
            return QCoreApplication::translate("Reasons", "あわせは空振りでした。");
        }
    case EventKind::FishLanded:
        if (e.fish == displayName(Fish::Chinu) && e.band > 0)
            return QCoreApplication::translate("Reasons", "%1 %2センチ：糸の負荷 %3、ばれる確率 %4 を乗り切りました。")
                .arg(shownFish(e))
                .arg(e.length)
                .arg(e.lineStrain)
                .arg(chance(e));
        return QCoreApplication::translate("Reasons", "%1 %2センチを取り込みました。").arg(shownFish(e)).arg(e.length);
    case EventKind::FishLost:
        if (e.reason == Reason::LineParted)
            return QCoreApplication::translate("Reasons", "ばらし：糸の負荷 %1 で、ばれる確率は %2 でした。")
                .arg(e.lineStrain)
                .arg(chance(e));
        if (e.reason == Reason::HookPulled)
            return QCoreApplication::translate("Reasons", "ばらし：やり取りの最中に%1のハリが外れました。")
                .arg(shownFish(e));
        return QCoreApplication::translate("Reasons", "ばらし：%1に逃げられました。").arg(shownFish(e));
    case EventKind::BaitTaken:
        if (e.reason == Reason::LetGo)
            return QCoreApplication::translate("Reasons", "あわせが遅れ、竿先が戻って魚はエサを離しました。");
        if (e.reason == Reason::NotStruck)
            return QCoreApplication::translate(
                "Reasons", "見送り：竿先が動いている間、魚はハリに掛かっていました。あわせれば釣れていました。");
        return QCoreApplication::translate("Reasons", "エサだけ取られました：ハリには掛からない当たりでした。");
    case EventKind::BaitChanged:
        return QCoreApplication::translate("Reasons", "エサを%1に替えました。")
            .arg(shownCaption(Vocabulary::Bait, e.bait));
    case EventKind::MulletEscaped:
        return QCoreApplication::translate("Reasons", "あわせる前に、ボラはエサを離して行きました。");
    case EventKind::DayEnded:
        if (e.reason == Reason::EndHour)
            return QCoreApplication::translate("Reasons", "時間です。船頭さんが迎えに来ました。");
        return QCoreApplication::translate("Reasons", "納竿。お疲れさまでした。");
    case EventKind::Dropped:
    case EventKind::Bite:
    case EventKind::MulletTook:
        break;
    }
    return QString();
}

} // namespace daylog
