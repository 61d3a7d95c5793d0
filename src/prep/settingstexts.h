#pragma once

#include <QString>
#include <QStringList>

// The settings screen's captions and messages, exactly as the game shows them.
namespace settingstexts {

inline QString Caption()
{
    return QStringLiteral("ナミヨセ-設定  　ＭＯＫＵ　KT-93");
}
inline QString Label9()
{
    return QStringLiteral("釣り人");
}
inline QString Frame1()
{
    return QStringLiteral("設定メニュー");
}
inline QString Command1()
{
    return QStringLiteral("場所の選択");
}
inline QString Command2()
{
    return QStringLiteral("狙う魚");
}
inline QString Command3()
{
    return QStringLiteral("時間の設定");
}
inline QString Command4()
{
    return QStringLiteral("現在までの記録");
}
inline QString Command5()
{
    return QStringLiteral("船頭にヒントを聞く");
}
inline QString Command7()
{
    return QStringLiteral("釣りを終わる");
}
inline QString Command6()
{
    return QStringLiteral("いかだへ渡る");
}
inline QString Frame3()
{
    return QStringLiteral("釣り場の選択");
}
inline QString Label2()
{
    return QStringLiteral("7時から");
}
inline QString Label16()
{
    return QStringLiteral("現在時間:午前7時");
}
inline QString Label3()
{
    return QStringLiteral("満潮 :");
}
inline QString Label10()
{
    return QStringLiteral("時");
}
inline QString Label4()
{
    return QStringLiteral("干潮 :");
}
inline QString Label12()
{
    return QStringLiteral("時");
}
inline QString Label14()
{
    return QStringLiteral("満潮 :");
}
inline QString Label11()
{
    return QStringLiteral("時");
}
inline QString Label15()
{
    return QStringLiteral("干潮 :");
}
inline QString Label13()
{
    return QStringLiteral("時");
}
inline QString AnglerListFile()
{
    return QStringLiteral("釣り人.txt");
}
inline QString MsgEnterName()
{
    return QStringLiteral("釣り人名を入力してください。");
}
inline QString MsgChooseSpot()
{
    return QStringLiteral("場所を選択してください。");
}
inline QString Chinu()
{
    return QStringLiteral("チヌ");
}
inline QString MsgChooseFish()
{
    return QStringLiteral("狙う魚を選択してください。");
}
inline QString MsgChooseEnd()
{
    return QStringLiteral("終わりの時間を選択してください。");
}
inline QString EndHourSuffix()
{
    return QStringLiteral(":00");
}
// The five raft options, Option1..Option5.
inline QStringList rafts()
{
    return { QStringLiteral("湾入り口"), QStringLiteral("北の離れ"), QStringLiteral("大浜"), QStringLiteral("南の離れ"),
             QStringLiteral("鴨の越し") };
}
// Tooltip of the detail buttons on the bay map.
inline QString DetailTip()
{
    return QStringLiteral("クリックすると詳細が表示されます");
}
// Combo1, the target fish.
inline QStringList fish()
{
    return { QStringLiteral("チヌ"), QStringLiteral("ボラ") };
}
// Combo2, the end times.
inline QStringList endTimes()
{
    return { QStringLiteral("10時まで"), QStringLiteral("12時まで"), QStringLiteral("15時まで"),
             QStringLiteral("17時まで") };
}

} // namespace settingstexts
