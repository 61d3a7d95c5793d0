#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The rig screen's captions and messages, exactly as the game shows them.
namespace rigtexts {

// window caption
inline QString Caption() { return QCoreApplication::translate("Rig", "ナミヨセ-仕掛け    　ＭＯＫＵ　KT-93"); }
inline QString Label1() { return QCoreApplication::translate("Rig", "狙う魚"); }
inline QString Command1() { return QCoreApplication::translate("Rig", "狙う魚を変更"); }
// The fish and the rig's parts below are the names the day keeps, the main
// screen compares and the files write; shown() gives them as the screen
// shows them.
inline QString Chinu() { return QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "チヌ")); }
inline QString Mullet() { return QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "ボラ")); }
inline QString Frame1() { return QCoreApplication::translate("Rig", "ハリス"); }
inline QString Frame2() { return QCoreApplication::translate("Rig", "釣り針"); }
inline QString Frame3() { return QCoreApplication::translate("Rig", "エサ"); }
inline QString Command2() { return QCoreApplication::translate("Rig", "仕掛け完了"); }
inline QString NoLeader() { return QCoreApplication::translate("Rig", "ハリスが選択されていません。"); }
inline QString NoHook() { return QCoreApplication::translate("Rig", "釣針が選択されていません。"); }
inline QString NoBait() { return QCoreApplication::translate("Rig", "エサが選択されていません。"); }
// the close control is refused
inline QString UseDone() { return QCoreApplication::translate("Rig", " 『 仕掛け完了ボタン 』 をクリックしてください。"); }
// the main screen's rig menu once a rig was asked for, as the main screen
// shows it
inline QString RigMenuChanged() { return QStringLiteral("仕掛けの変更"); }
// the main screen's prompt once a rig is made
inline QString StartPrompt() { return QCoreApplication::translate("Rig", "スタートボタンをクリックしてください"); }
// leaders of the chinu rig, and the one of the mullet rig
inline QStringList chinuLeaders() { return {QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "1号")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "2号")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "3号"))}; }
inline QString mulletLeader() { return QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "3号")); }
// hooks of the chinu rig, and the one of the mullet rig
inline QStringList chinuHooks() { return {QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "3号")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "4号")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "5号"))}; }
inline QString mulletHook() { return QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "吸い込み針")); }
// baits of the chinu rig
inline QStringList baits() { return {QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "アケミ貝")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "ボケ")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "エビ")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "オキアミ")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "カニ")), QString::fromUtf8(QT_TRANSLATE_NOOP("Rig", "サナギ"))}; }

inline QString shown(const QString &name) { return QCoreApplication::translate("Rig", name.toUtf8().constData()); }

} // namespace rigtexts
