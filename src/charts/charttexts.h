#pragma once

#include "daylog/dayevent.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The words of the log and statistics windows. The fish, tide words and rig
// parts of a day are the log's captions: they are shown through
// daylog::shownCaption, never translated here.
namespace charttexts {

inline QString DayLogCaption() { return QCoreApplication::translate("Charts", "ナミヨセ-釣行記録　  　ＭＯＫＵ　KT-93"); }
inline QString StatsCaption() { return QCoreApplication::translate("Charts", "ナミヨセ-統計　  　ＭＯＫＵ　KT-93"); }

// The buttons and the menu item that open the windows.
inline QString DayLogButton() { return QCoreApplication::translate("Charts", "釣行記録"); }
inline QString StatsButton() { return QCoreApplication::translate("Charts", "統計"); }
// 釣行記録 asked for a day saved before the log was kept.
inline QString NoLogForDay() { return QCoreApplication::translate("Charts", "この日の釣行記録はありません。"); }

// Clock time as the game writes it: "9:05".
inline QString clock(int gameMinute)
{
    return QStringLiteral("%1:%2").arg(gameMinute / 60).arg(gameMinute % 60, 2, 10, QLatin1Char('0'));
}

// 釣行記録: the heading over the chart.
inline QString HeadingAngler() { return QCoreApplication::translate("Charts", "釣り人 %1"); }
inline QString HeadingRaft() { return QCoreApplication::translate("Charts", "釣り場 %1"); }
inline QString HeadingTarget() { return QCoreApplication::translate("Charts", "狙う魚 %1"); }
// The day's high and low waters by the hour: first high, second high, earlier low, later low.
inline QString HeadingTides() { return QCoreApplication::translate("Charts", "満潮 %1時・%2時　干潮 %3時・%4時"); }

// 釣行記録: the note over the chart.
inline QString DayFileGone()
{
    return QCoreApplication::translate("Charts", "この日の釣果ファイルは削除されています。残っている釣行記録だけを表示しています。");
}
inline QString DayNotSaved() { return QCoreApplication::translate("Charts", "この日の釣果はまだ保存されていません。"); }
inline QString NoEvents() { return QCoreApplication::translate("Charts", "この日の記録はありません。"); }

// 釣行記録: the list's headings.
inline QString TimeColumn() { return QCoreApplication::translate("Charts", "時刻"); }
inline QString WhatColumn() { return QCoreApplication::translate("Charts", "できごと"); }
inline QString WhyColumn() { return QCoreApplication::translate("Charts", "わけ"); }

// 釣行記録: the chart's axes, curve and the marks of high and low water.
inline QString TimeAxis() { return QCoreApplication::translate("Charts", "時刻"); }
inline QString LowWater() { return QCoreApplication::translate("Charts", "干潮"); }
inline QString HighWater() { return QCoreApplication::translate("Charts", "満潮"); }
inline QString TideAxis() { return QCoreApplication::translate("Charts", "潮の干満"); }
inline QString TideLevel() { return QCoreApplication::translate("Charts", "潮位"); }
inline QString HighWaterAt() { return QCoreApplication::translate("Charts", "満潮 %1"); }
inline QString LowWaterAt() { return QCoreApplication::translate("Charts", "干潮 %1"); }
// The size written by a landed fish on the chart: fish, length.
inline QString FishTag() { return QCoreApplication::translate("Charts", "%1 %2cm"); }

// 釣行記録: the legend, one name for each kind of mark.
inline QString DroppedMark() { return QCoreApplication::translate("Charts", "ダンゴ投入"); }
inline QString SmallBiteMark() { return QCoreApplication::translate("Charts", "小さなあたり"); }
inline QString BiteMark() { return QCoreApplication::translate("Charts", "あたり"); }
inline QString StrongBiteMark() { return QCoreApplication::translate("Charts", "強いあたり"); }
inline QString MulletBiteMark() { return QCoreApplication::translate("Charts", "ボラのあたり"); }
inline QString HookedMark() { return QCoreApplication::translate("Charts", "針がかり"); }
inline QString TooEarlyMark() { return QCoreApplication::translate("Charts", "早あわせ"); }
inline QString TooLateMark() { return QCoreApplication::translate("Charts", "遅あわせ"); }
inline QString AtNothingMark() { return QCoreApplication::translate("Charts", "から振り"); }
inline QString LandedMark() { return QCoreApplication::translate("Charts", "釣り上げ"); }
inline QString LostMark() { return QCoreApplication::translate("Charts", "ばらし"); }
inline QString BaitTakenMark() { return QCoreApplication::translate("Charts", "エサを取られた"); }
inline QString BaitChangedMark() { return QCoreApplication::translate("Charts", "エサの交換"); }

// 釣行記録: saving the chart as a picture.
inline QString SavePicture() { return QCoreApplication::translate("Charts", "画像で保存"); }
inline QString Close() { return QCoreApplication::translate("Charts", "閉じる"); }
// The picture's name as first offered, before the day's date.
inline QString PictureName() { return QCoreApplication::translate("Charts", "釣行記録", "file name"); }
inline QString SavePictureTitle() { return QCoreApplication::translate("Charts", "釣行記録を画像で保存"); }
inline QString PngFilter() { return QCoreApplication::translate("Charts", "PNG 画像 (*.png)"); }
inline QString PictureNotSaved() { return QCoreApplication::translate("Charts", "画像を保存できませんでした。\n%1"); }
inline QString PictureSaved() { return QCoreApplication::translate("Charts", "画像を保存しました：%1"); }

// 統計: the filters.
inline QString Angler() { return QCoreApplication::translate("Charts", "釣り人"); }
inline QString Raft() { return QCoreApplication::translate("Charts", "釣り場"); }
inline QString EveryAngler() { return QCoreApplication::translate("Charts", "全員"); }
inline QString EveryRaft() { return QCoreApplication::translate("Charts", "全部の釣り場"); }
// Days out, hours fished (one decimal).
inline QString Summary() { return QCoreApplication::translate("Charts", "釣行日数 %1日　　釣りをした時間 %2時間"); }
inline QString PerHourBox() { return QCoreApplication::translate("Charts", "釣りをした1時間あたりの釣果で見る"); }
inline QString PerHourTip()
{
    return QCoreApplication::translate("Charts", "棒グラフを、その時刻・潮・エサ・釣り場で釣りをした時間1時間あたりの釣果で表します。"
                                                 "長く釣った時間がよく見えすぎることがありません。");
}

// 統計: the table of rates. Each share names what it is a share of.
inline QString ItemColumn() { return QCoreApplication::translate("Charts", "項目"); }
inline QString CountColumn() { return QCoreApplication::translate("Charts", "数"); }
inline QString ShareColumn() { return QCoreApplication::translate("Charts", "割合"); }
inline QString BaseColumn() { return QCoreApplication::translate("Charts", "何に対して"); }
inline QString BitesRow() { return QCoreApplication::translate("Charts", "あたり", "rates table"); }
inline QString StrikesRow() { return QCoreApplication::translate("Charts", "あわせ"); }
inline QString HookedRow() { return QCoreApplication::translate("Charts", "　針がかり"); }
inline QString TooEarlyRow() { return QCoreApplication::translate("Charts", "　早あわせ"); }
inline QString TooLateRow() { return QCoreApplication::translate("Charts", "　遅あわせ"); }
inline QString AtNothingRow() { return QCoreApplication::translate("Charts", "　から振り"); }
inline QString LandedRow() { return QCoreApplication::translate("Charts", "釣り上げ"); }
inline QString LostRow() { return QCoreApplication::translate("Charts", "ばらし"); }
inline QString BaitTakenRow() { return QCoreApplication::translate("Charts", "エサを取られた"); }
inline QString LandedPerBiteRow() { return QCoreApplication::translate("Charts", "あたりからの釣果"); }
inline QString PerBite() { return QCoreApplication::translate("Charts", "あたり", "what a share is of"); }
inline QString PerStrike() { return QCoreApplication::translate("Charts", "あわせ", "what a share is of"); }
inline QString PerFishOn() { return QCoreApplication::translate("Charts", "掛かった魚", "what a share is of"); }

// 統計: the biggest chinu by raft and by bait.
inline QString BiggestChinu() { return QCoreApplication::translate("Charts", "最大のチヌ"); }
inline QString RecordColumn() { return QCoreApplication::translate("Charts", "記録"); }
// Length, angler, date.
inline QString BestChinu() { return QCoreApplication::translate("Charts", "%1センチ %2 %3"); }

// 統計: the four bar charts.
inline QString ByClockHour() { return QCoreApplication::translate("Charts", "時刻ごとの釣果"); }
inline QString ByHoursFromLow() { return QCoreApplication::translate("Charts", "干潮からの時間ごとの釣果"); }
inline QString ByBait() { return QCoreApplication::translate("Charts", "エサごとの釣果"); }
inline QString ByRaft() { return QCoreApplication::translate("Charts", "釣り場ごとの釣果"); }
// A chart's title while the bars show fish per hour fished.
inline QString PerHourTitle() { return QCoreApplication::translate("Charts", "%1（1時間あたり）"); }
inline QString OtherFish() { return QCoreApplication::translate("Charts", "ほかの魚"); }
inline QString RisingTide() { return QCoreApplication::translate("Charts", "満ち潮"); }
inline QString FallingTide() { return QCoreApplication::translate("Charts", "引き潮"); }

// What the player can learn from a cycle, in the game's own tone.
QString reasonText(const daylog::DayEvent &event);

// What happened, in a few words ("あわせ　早すぎ", "チヌ　42センチ　釣り上げ").
QString eventWhat(const daylog::DayEvent &event);

// Why it happened, for the day's list: the status line's words where it has
// them, else what the player can learn from the step (empty for a plain step).
QString eventWhy(const daylog::DayEvent &event);

// The full tooltip of a point of the log: time, what happened, rig, tide, why.
QString eventTooltip(const daylog::DayEvent &event);

} // namespace charttexts
