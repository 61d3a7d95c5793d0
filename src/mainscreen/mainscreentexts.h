#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The main screen's captions and messages, exactly as the game shows them.
// Those a player reads go through the translation; the words the day keeps
// (fish, tide, rig, music, the sound device's commands) never do.
namespace mainscreentexts {

// window caption
inline QString Caption() { return QCoreApplication::translate("MainScreen", "ナミヨセ　ＭＯＫＵ　KT-93"); }
inline QString Label7() { return QCoreApplication::translate("MainScreen", "釣り場"); }
// Label5(0)
inline QString Label5() { return QCoreApplication::translate("MainScreen", "狙う魚"); }
// Label4(0) at design time
inline QString Label4Target() { return QCoreApplication::translate("MainScreen", "チヌ"); }
inline QString Label9() { return QCoreApplication::translate("MainScreen", "現在時間"); }
inline QString Label47() { return QCoreApplication::translate("MainScreen", "終了時間"); }
// after EndHour in Label46
inline QString EndTimeSuffix() { return QStringLiteral(":00"); }
inline QString Label1() { return QCoreApplication::translate("MainScreen", "残り時間"); }
inline QString Label2() { return QCoreApplication::translate("MainScreen", "潮の干満"); }
inline QString Label13() { return QCoreApplication::translate("MainScreen", "干潮"); }
inline QString Label14() { return QCoreApplication::translate("MainScreen", "満潮"); }
inline QString Label17() { return QCoreApplication::translate("MainScreen", "← 引き潮"); }
inline QString Label18() { return QCoreApplication::translate("MainScreen", "満ち潮 →"); }
inline QString Label20() { return QCoreApplication::translate("MainScreen", "満潮 :"); }
inline QString Label19() { return QCoreApplication::translate("MainScreen", "干潮 :"); }
// Label21, Label23, Label25, Label27
inline QString HourMark() { return QCoreApplication::translate("MainScreen", "時"); }
inline QString Frame1() { return QCoreApplication::translate("MainScreen", "釣り場のデータ"); }
// Label4(4)
inline QString Label4Depth() { return QCoreApplication::translate("MainScreen", "水深"); }
// Label4(1)
inline QString Label4Current() { return QCoreApplication::translate("MainScreen", "潮の流れ"); }
// Label4(10)
inline QString Label4Aim() { return QCoreApplication::translate("MainScreen", "ねらい目"); }
// Label4(2)
inline QString Label4Stealers() { return QCoreApplication::translate("MainScreen", "餌取り"); }
// Label4(3)
inline QString Label4Number() { return QCoreApplication::translate("MainScreen", "チヌの数"); }
// Label4(8)
inline QString Label4Size() { return QCoreApplication::translate("MainScreen", "チヌの大きさ"); }
inline QString Label30() { return QCoreApplication::translate("MainScreen", "m"); }
inline QString Label37() { return QCoreApplication::translate("MainScreen", "平均"); }
inline QString Label38() { return QCoreApplication::translate("MainScreen", "ｃｍ"); }
// design-time value
inline QString La1() { return QStringLiteral("10"); }
// design-time value
inline QString La2() { return QCoreApplication::translate("MainScreen", "速い"); }
// design-time value
inline QString La6() { return QCoreApplication::translate("MainScreen", "満ち潮"); }
// design-time value
inline QString La3() { return QCoreApplication::translate("MainScreen", "多い"); }
// design-time value
inline QString La4() { return QCoreApplication::translate("MainScreen", "多い"); }
// design-time value
inline QString La5() { return QStringLiteral("20"); }
inline QString Frame2() { return QCoreApplication::translate("MainScreen", "現在の仕掛け"); }
inline QString Label39() { return QCoreApplication::translate("MainScreen", "ハリス:"); }
inline QString Label40() { return QCoreApplication::translate("MainScreen", "針:"); }
inline QString Label41() { return QCoreApplication::translate("MainScreen", "エサ:"); }
// the rig the day holds before a rig is made
inline QString NotSet() { return QStringLiteral("未設定"); }
// the rig labels before a rig is made
inline QString NotSetShown() { return QCoreApplication::translate("MainScreen", "未設定"); }
// music mode of the background tune
inline QString Bgm() { return QStringLiteral("BGM"); }
// the clock before the first minute
inline QString FirstClock() { return QStringLiteral("7:00"); }
// between hour and minute once the clock runs
inline QString ClockColon() { return QStringLiteral(" : "); }
// Command6 before a rig
inline QString FirstPrompt() { return QCoreApplication::translate("MainScreen", "まず仕掛けを作ってください。"); }
// the rig menu once a rig was asked for
inline QString RigMenuChanged() { return QCoreApplication::translate("MainScreen", "仕掛けの変更"); }
// Command6 once a rig is made
inline QString StartPrompt() { return QCoreApplication::translate("MainScreen", "スタートボタンをクリックしてください"); }
// the close control is refused
inline QString UseNoukan() { return QCoreApplication::translate("MainScreen", "納竿ボタンで終了してください。"); }
inline QString Command4() { return QCoreApplication::translate("MainScreen", "O K"); }
inline QString Command1() { return QCoreApplication::translate("MainScreen", "ダンゴを投入"); }
inline QString Command2() { return QCoreApplication::translate("MainScreen", "ダンゴを割る"); }
inline QString Command3() { return QCoreApplication::translate("MainScreen", "あ　わ　せ"); }
inline QString Command5() { return QCoreApplication::translate("MainScreen", "エサの交換"); }
inline QString Label45() { return QCoreApplication::translate("MainScreen", "チヌ"); }
inline QString Label35() { return QCoreApplication::translate("MainScreen", "センチ"); }
inline QString Label33() { return QCoreApplication::translate("MainScreen", "0枚"); }
inline QString Label34() { return QCoreApplication::translate("MainScreen", "0匹"); }
// the gauge's word while the tide falls
inline QString Ebb() { return QStringLiteral("引"); }
// the gauge's word while the tide rises
inline QString Flood() { return QStringLiteral("満"); }
// first line of the end of the day
inline QString BoatmanTimeUp() { return QCoreApplication::translate("MainScreen", "船頭: 時間が来ました。釣りを終了してください。"); }
// the boatman's word on today's three good baits
inline QString BoatmanBaits(const QString &first, const QString &second, const QString &third)
{
    return QCoreApplication::translate("MainScreen", "      今日は%1 %2 %3が良かったみたいです。").arg(first, second, third);
}
// currents of the raft table
inline QString CurrentFast() { return QStringLiteral("速い"); }
inline QString CurrentNormal() { return QStringLiteral("ふつう"); }
inline QString CurrentSlow() { return QStringLiteral("ゆるやか"); }
// bait stealers and chinu of the raft table
inline QString Many() { return QStringLiteral("多い"); }
inline QString Some() { return QStringLiteral("ふつう"); }
inline QString Few() { return QStringLiteral("少ない"); }
inline QString Chinu() { return QStringLiteral("チヌ"); }
inline QString Mullet() { return QStringLiteral("ボラ"); }
// music mode of the big-chinu fanfare
inline QString Big() { return QStringLiteral("チヌ30"); }
// start of the open command
inline QString Open() { return QStringLiteral("open "); }
// end of the open command
inline QString OpenTail() { return QStringLiteral(" type waveaudio alias WaveFile"); }
inline QString Play() { return QStringLiteral("play WaveFile"); }
inline QString Stop() { return QStringLiteral("stop WaveFile"); }
inline QString Close() { return QStringLiteral("close WaveFile"); }
// wave of the background tune
inline QString WaveStart() { return QStringLiteral("スタート"); }
// wave of the bite and fight
inline QString WaveBite() { return QStringLiteral("あたり"); }
// installed waves are named prefix + name + suffix
inline QString WavePrefix() { return QStringLiteral("NamiyoseV1"); }
inline QString WaveSuffix() { return QStringLiteral(".wav"); }
inline QString MenuRig() { return QCoreApplication::translate("MainScreen", "仕掛けを作る"); }
inline QString MenuStart() { return QCoreApplication::translate("MainScreen", "スタート"); }
inline QString MenuSave() { return QCoreApplication::translate("MainScreen", "釣果を保存"); }
inline QString MenuPackUp() { return QCoreApplication::translate("MainScreen", "納竿"); }
// the six baits, in their fixed order
inline QStringList baits() { return {QStringLiteral("アケミ貝"), QStringLiteral("ボケ"), QStringLiteral("エビ"), QStringLiteral("オキアミ"), QStringLiteral("カニ"), QStringLiteral("サナギ")}; }

} // namespace mainscreentexts
