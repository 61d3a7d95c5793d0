#pragma once

#include <QCoreApplication>
#include <QString>

// The fishing words and messages exactly as the game shows them. The
// messages go through the translation; the fish, tide and music words are
// what the day and the files keep, and never do.
namespace fishingtexts {

// the bait was taken without a hook-up
inline QString BaitTaken() { return QCoreApplication::translate("Fishing", "エサを取られました。"); }
// a strike before the fish held the bait
inline QString TooEarly() { return QCoreApplication::translate("Fishing", "残念 あわせが早すぎました。"); }
// first line of the strike failure message
inline QString ErrorStopped() { return QCoreApplication::translate("Fishing", "予期せぬエラーが発生しました。ゲームは終了します。"); }
// second line of the strike failure message
inline QString ErrorSaveHint() { return QCoreApplication::translate("Fishing", "ここまでの記録を保存する場合は　『 釣果を保存 』　をクリックしてください。"); }
// first line after a lost fish
inline QString Lost() { return QCoreApplication::translate("Fishing", "バラシた！"); }
// second line after a lost fish: its length and kind
inline QString LostWas(int length, const QString &kind)
{
    return QCoreApplication::translate("Fishing", "今のは%1センチ くらいの %2だった。").arg(length).arg(kind);
}
// a landed fish: its length and kind
inline QString Landed(int length, const QString &kind)
{
    return QCoreApplication::translate("Fishing", "%1 センチの %2を釣り上げた。").arg(length).arg(kind);
}
// a fish of the catch list as the main screen and today's catch show it
inline QString ShownEntry(const QString &kind, int length)
{
    return QCoreApplication::translate("Fishing", "%1  %2センチ").arg(kind).arg(length);
}
inline QString MulletEscaped() { return QCoreApplication::translate("Fishing", "ボラに逃げられました。"); }
inline QString MulletLost() { return QCoreApplication::translate("Fishing", "ボラをばらしました。"); }
inline QString Centi() { return QStringLiteral("センチ"); }
inline QString Chinu() { return QStringLiteral("チヌ"); }
inline QString Mullet() { return QStringLiteral("ボラ"); }
inline QString Ebb() { return QStringLiteral("引"); }
inline QString Flood() { return QStringLiteral("満"); }
inline QString EbbTide() { return QStringLiteral("引き潮"); }
inline QString FloodTide() { return QStringLiteral("満ち潮"); }
// music mode of the big-chinu fanfare
inline QString Big() { return QStringLiteral("チヌ30"); }
// music mode of the background tune
inline QString Bgm() { return QStringLiteral("BGM"); }
// the counters under the catch list
inline QString FishCount(int count) { return QCoreApplication::translate("Fishing", "%1匹").arg(count); }
inline QString ChinuCount(int count) { return QCoreApplication::translate("Fishing", "%1枚").arg(count); }
inline QString Ainame() { return QStringLiteral("アイナメ"); }
inline QString Aji() { return QStringLiteral("アジ"); }
inline QString Tai() { return QStringLiteral("タイ"); }
inline QString Konoshiro() { return QStringLiteral("コノシロ"); }
inline QString Fugu() { return QStringLiteral("フグ"); }
inline QString WaveLost() { return QStringLiteral("ばらし"); }
inline QString WaveBite() { return QStringLiteral("あたり"); }

} // namespace fishingtexts
