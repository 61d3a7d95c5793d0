#pragma once

#include <QString>
#include <QStringList>

// The main screen's captions and messages, exactly as the game shows them.
namespace mainscreentexts {

// window caption
inline QString Caption() { return QStringLiteral("ナミヨセ　ＭＯＫＵ　KT-93"); }
inline QString Label7() { return QStringLiteral("釣り場"); }
// Label5(0)
inline QString Label5() { return QStringLiteral("狙う魚"); }
// Label4(0) at design time
inline QString Label4Target() { return QStringLiteral("チヌ"); }
inline QString Label9() { return QStringLiteral("現在時間"); }
inline QString Label47() { return QStringLiteral("終了時間"); }
// after EndHour in Label46
inline QString EndTimeSuffix() { return QStringLiteral(":00"); }
inline QString Label1() { return QStringLiteral("残り時間"); }
inline QString Label2() { return QStringLiteral("潮の干満"); }
inline QString Label13() { return QStringLiteral("干潮"); }
inline QString Label14() { return QStringLiteral("満潮"); }
inline QString Label17() { return QStringLiteral("← 引き潮"); }
inline QString Label18() { return QStringLiteral("満ち潮 →"); }
inline QString Label20() { return QStringLiteral("満潮 :"); }
inline QString Label19() { return QStringLiteral("干潮 :"); }
// Label21, Label23, Label25, Label27
inline QString HourMark() { return QStringLiteral("時"); }
inline QString Frame1() { return QStringLiteral("釣り場のデータ"); }
// Label4(4)
inline QString Label4Depth() { return QStringLiteral("水深"); }
// Label4(1)
inline QString Label4Current() { return QStringLiteral("潮の流れ"); }
// Label4(10)
inline QString Label4Aim() { return QStringLiteral("ねらい目"); }
// Label4(2)
inline QString Label4Stealers() { return QStringLiteral("餌取り"); }
// Label4(3)
inline QString Label4Number() { return QStringLiteral("チヌの数"); }
// Label4(8)
inline QString Label4Size() { return QStringLiteral("チヌの大きさ"); }
inline QString Label30() { return QStringLiteral("m"); }
inline QString Label37() { return QStringLiteral("平均"); }
inline QString Label38() { return QStringLiteral("ｃｍ"); }
// design-time value
inline QString La1() { return QStringLiteral("10"); }
// design-time value
inline QString La2() { return QStringLiteral("速い"); }
// design-time value
inline QString La6() { return QStringLiteral("満ち潮"); }
// design-time value
inline QString La3() { return QStringLiteral("多い"); }
// design-time value
inline QString La4() { return QStringLiteral("多い"); }
// design-time value
inline QString La5() { return QStringLiteral("20"); }
inline QString Frame2() { return QStringLiteral("現在の仕掛け"); }
inline QString Label39() { return QStringLiteral("ハリス:"); }
inline QString Label40() { return QStringLiteral("針:"); }
inline QString Label41() { return QStringLiteral("エサ:"); }
// the rig labels before a rig is made
inline QString NotSet() { return QStringLiteral("未設定"); }
// music mode of the background tune
inline QString Bgm() { return QStringLiteral("BGM"); }
// the clock before the first minute
inline QString FirstClock() { return QStringLiteral("7:00"); }
// between hour and minute once the clock runs
inline QString ClockColon() { return QStringLiteral(" : "); }
// Command6 before a rig
inline QString FirstPrompt() { return QStringLiteral("まず仕掛けを作ってください。"); }
// the rig menu once a rig was asked for
inline QString RigMenuChanged() { return QStringLiteral("仕掛けの変更"); }
// Command6 once a rig is made
inline QString StartPrompt() { return QStringLiteral("スタートボタンをクリックしてください"); }
// the close control is refused
inline QString UseNoukan() { return QStringLiteral("納竿ボタンで終了してください。"); }
inline QString Command4() { return QStringLiteral("O K"); }
inline QString Command1() { return QStringLiteral("ダンゴを投入"); }
inline QString Command2() { return QStringLiteral("ダンゴを割る"); }
inline QString Command3() { return QStringLiteral("あ　わ　せ"); }
inline QString Command5() { return QStringLiteral("エサの交換"); }
inline QString Label45() { return QStringLiteral("チヌ"); }
inline QString Label35() { return QStringLiteral("センチ"); }
inline QString Label33() { return QStringLiteral("0枚"); }
inline QString Label34() { return QStringLiteral("0匹"); }
// the gauge's word while the tide falls
inline QString Ebb() { return QStringLiteral("引"); }
// the gauge's word while the tide rises
inline QString Flood() { return QStringLiteral("満"); }
// first line of the end of the day
inline QString BoatmanTimeUp() { return QStringLiteral("船頭: 時間が来ました。釣りを終了してください。"); }
inline QString BoatmanToday() { return QStringLiteral("      今日は"); }
// between two good baits
inline QString BoatmanBlank() { return QStringLiteral(" "); }
inline QString BoatmanWorked() { return QStringLiteral("が良かったみたいです。"); }
// depths of the raft table
inline QString Depth8() { return QStringLiteral("8"); }
inline QString Depth10() { return QStringLiteral("10"); }
inline QString Depth13() { return QStringLiteral("13"); }
inline QString Depth15() { return QStringLiteral("15"); }
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
inline QString MenuRig() { return QStringLiteral("仕掛けを作る"); }
inline QString MenuStart() { return QStringLiteral("スタート"); }
inline QString MenuSave() { return QStringLiteral("釣果を保存"); }
inline QString MenuPackUp() { return QStringLiteral("納竿"); }
// the six baits, in their fixed order
inline QStringList baits() { return {QStringLiteral("アケミ貝"), QStringLiteral("ボケ"), QStringLiteral("エビ"), QStringLiteral("オキアミ"), QStringLiteral("カニ"), QStringLiteral("サナギ")}; }

} // namespace mainscreentexts
