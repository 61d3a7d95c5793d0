#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The settings screen's captions and messages, exactly as the game shows them.
namespace settingstexts {

inline QString Caption()
{
    return QCoreApplication::translate("Settings", "ナミヨセ-設定  　ＭＯＫＵ　KT-93");
}
inline QString Label9()
{
    return QCoreApplication::translate("Settings", "釣り人");
}
inline QString Frame1()
{
    return QCoreApplication::translate("Settings", "設定メニュー");
}
inline QString Command1()
{
    return QCoreApplication::translate("Settings", "場所の選択");
}
inline QString Command2()
{
    return QCoreApplication::translate("Settings", "狙う魚");
}
inline QString Command3()
{
    return QCoreApplication::translate("Settings", "時間の設定");
}
inline QString Command4()
{
    return QCoreApplication::translate("Settings", "現在までの記録");
}
inline QString Command5()
{
    return QCoreApplication::translate("Settings", "船頭にヒントを聞く");
}
inline QString Command7()
{
    return QCoreApplication::translate("Settings", "釣りを終わる");
}
inline QString Command6()
{
    return QCoreApplication::translate("Settings", "いかだへ渡る");
}
inline QString Frame3()
{
    return QCoreApplication::translate("Settings", "釣り場の選択");
}
inline QString Label2()
{
    return QCoreApplication::translate("Settings", "7時から");
}
inline QString Label16()
{
    return QCoreApplication::translate("Settings", "現在時間:午前7時");
}
inline QString Label3()
{
    return QCoreApplication::translate("Settings", "満潮 :");
}
inline QString Label10()
{
    return QCoreApplication::translate("Settings", "時");
}
inline QString Label4()
{
    return QCoreApplication::translate("Settings", "干潮 :");
}
inline QString Label12()
{
    return QCoreApplication::translate("Settings", "時");
}
inline QString Label14()
{
    return QCoreApplication::translate("Settings", "満潮 :");
}
inline QString Label11()
{
    return QCoreApplication::translate("Settings", "時");
}
inline QString Label15()
{
    return QCoreApplication::translate("Settings", "干潮 :");
}
inline QString Label13()
{
    return QCoreApplication::translate("Settings", "時");
}
inline QString AnglerListFile()
{
    return QStringLiteral("釣り人.txt");
}
inline QString MsgEnterName()
{
    return QCoreApplication::translate("Settings", "釣り人名を入力してください。");
}
inline QString MsgChooseSpot()
{
    return QCoreApplication::translate("Settings", "場所を選択してください。");
}
inline QString Chinu()
{
    return QStringLiteral("チヌ");
}
inline QString MsgChooseFish()
{
    return QCoreApplication::translate("Settings", "狙う魚を選択してください。");
}
inline QString MsgChooseEnd()
{
    return QCoreApplication::translate("Settings", "終わりの時間を選択してください。");
}
inline QString EndHourSuffix()
{
    return QStringLiteral(":00");
}
// The five raft options, Option1..Option5. The rafts' names are names, the
// same in every language, and the day's files keep them.
inline QStringList rafts()
{
    return { QStringLiteral("湾入り口"), QStringLiteral("北の離れ"), QStringLiteral("大浜"), QStringLiteral("南の離れ"),
             QStringLiteral("鴨の越し") };
}
// Tooltip of the detail buttons on the bay map.
inline QString DetailTip()
{
    return QCoreApplication::translate("Settings", "クリックすると詳細が表示されます");
}
// Combo1, the target fish: the names the day keeps and the files write.
inline QStringList fish()
{
    return { QString::fromUtf8(QT_TRANSLATE_NOOP("Settings", "チヌ")),
             QString::fromUtf8(QT_TRANSLATE_NOOP("Settings", "ボラ")) };
}
// Combo2, the end times, as the day keeps them.
inline QStringList endTimes()
{
    return { QString::fromUtf8(QT_TRANSLATE_NOOP("Settings", "10時まで")),
             QString::fromUtf8(QT_TRANSLATE_NOOP("Settings", "12時まで")),
             QString::fromUtf8(QT_TRANSLATE_NOOP("Settings", "15時まで")),
             QString::fromUtf8(QT_TRANSLATE_NOOP("Settings", "17時まで")) };
}
// An entry of fish() or endTimes() as the lists show it.
inline QString shown(const QString &entry)
{
    return QCoreApplication::translate("Settings", entry.toUtf8().constData());
}

} // namespace settingstexts
