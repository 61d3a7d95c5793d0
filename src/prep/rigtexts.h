#pragma once

#include <QString>
#include <QStringList>

// The rig screen's captions and messages, exactly as the game shows them.
namespace rigtexts {

// window caption
inline QString Caption() { return QStringLiteral("ナミヨセ-仕掛け    　ＭＯＫＵ　KT-93"); }
inline QString Label1() { return QStringLiteral("狙う魚"); }
inline QString Command1() { return QStringLiteral("狙う魚を変更"); }
inline QString Chinu() { return QStringLiteral("チヌ"); }
inline QString Mullet() { return QStringLiteral("ボラ"); }
inline QString Frame1() { return QStringLiteral("ハリス"); }
inline QString Frame2() { return QStringLiteral("釣り針"); }
inline QString Frame3() { return QStringLiteral("エサ"); }
inline QString Command2() { return QStringLiteral("仕掛け完了"); }
inline QString NoLeader() { return QStringLiteral("ハリスが選択されていません。"); }
inline QString NoHook() { return QStringLiteral("釣針が選択されていません。"); }
inline QString NoBait() { return QStringLiteral("エサが選択されていません。"); }
// the close control is refused
inline QString UseDone() { return QStringLiteral(" 『 仕掛け完了ボタン 』 をクリックしてください。"); }
// the main screen's rig menu once a rig was asked for
inline QString RigMenuChanged() { return QStringLiteral("仕掛けの変更"); }
// the main screen's prompt once a rig is made
inline QString StartPrompt() { return QStringLiteral("スタートボタンをクリックしてください"); }
// leaders of the chinu rig, and the one of the mullet rig
inline QStringList chinuLeaders() { return {QStringLiteral("1号"), QStringLiteral("2号"), QStringLiteral("3号")}; }
inline QString mulletLeader() { return QStringLiteral("3号"); }
// hooks of the chinu rig, and the one of the mullet rig
inline QStringList chinuHooks() { return {QStringLiteral("3号"), QStringLiteral("4号"), QStringLiteral("5号")}; }
inline QString mulletHook() { return QStringLiteral("吸い込み針"); }
// baits of the chinu rig
inline QStringList baits() { return {QStringLiteral("アケミ貝"), QStringLiteral("ボケ"), QStringLiteral("エビ"), QStringLiteral("オキアミ"), QStringLiteral("カニ"), QStringLiteral("サナギ")}; }

} // namespace rigtexts
