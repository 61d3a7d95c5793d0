#pragma once

#include <QString>

// The fishing words and messages exactly as the game shows them.
namespace fishingtexts {

// the bait was taken without a hook-up
inline QString BaitTaken() { return QStringLiteral("エサを取られました。"); }
// a strike before the fish held the bait
inline QString TooEarly() { return QStringLiteral("残念 あわせが早すぎました。"); }
// first line of the strike failure message
inline QString ErrorStopped() { return QStringLiteral("予期せぬエラーが発生しました。ゲームは終了します。"); }
// second line of the strike failure message
inline QString ErrorSaveHint() { return QStringLiteral("ここまでの記録を保存する場合は　『 釣果を保存 』　をクリックしてください。"); }
// first line after a lost fish
inline QString Lost() { return QStringLiteral("バラシた！"); }
inline QString LostWas() { return QStringLiteral("今のは"); }
inline QString LostAbout() { return QStringLiteral(" くらいの "); }
inline QString LostEnd() { return QStringLiteral("だった。"); }
// between the length and the kind of a landed fish
inline QString LandedCm() { return QStringLiteral(" センチの "); }
inline QString LandedEnd() { return QStringLiteral("を釣り上げた。"); }
inline QString MulletEscaped() { return QStringLiteral("ボラに逃げられました。"); }
inline QString MulletLost() { return QStringLiteral("ボラをばらしました。"); }
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
inline QString FishUnit() { return QStringLiteral("匹"); }
inline QString ChinuUnit() { return QStringLiteral("枚"); }
inline QString Ainame() { return QStringLiteral("アイナメ"); }
inline QString Aji() { return QStringLiteral("アジ"); }
inline QString Tai() { return QStringLiteral("タイ"); }
inline QString Konoshiro() { return QStringLiteral("コノシロ"); }
inline QString Fugu() { return QStringLiteral("フグ"); }
inline QString WaveLost() { return QStringLiteral("ばらし"); }
inline QString WaveBite() { return QStringLiteral("あたり"); }

} // namespace fishingtexts
