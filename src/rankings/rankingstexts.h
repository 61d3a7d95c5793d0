#pragma once

#include <QString>
#include <QStringList>

// The past-records screen's captions and messages, exactly as the game
// shows them.
namespace rankingstexts {

// the window caption
inline QString Caption() { return QStringLiteral("ナミヨセ-過去の記録　  　ＭＯＫＵ　KT-93"); }

// Command1
inline QString Close() { return QStringLiteral("閉じる"); }

// Frame6 while no best ten is shown
inline QString RankingList() { return QStringLiteral("ランキングリスト"); }

// Frame2, and the caption word of its records
inline QString Longest() { return QStringLiteral("最長寸"); }

// Frame3
inline QString Count() { return QStringLiteral("枚数"); }

// Frame4
inline QString Total() { return QStringLiteral("合計長寸"); }

// the angler column of every record frame, and Label30
inline QString Angler() { return QStringLiteral("釣り人"); }

// the value column of Frame2
inline QString Size() { return QStringLiteral("大きさ"); }

// the date column
inline QString Date() { return QStringLiteral("日付"); }

// the raft column
inline QString Raft() { return QStringLiteral("いかだ"); }

// unit of Label7 and Label23
inline QString Centi() { return QStringLiteral("センチ"); }

// the value column of Frame4
inline QString TotalHead() { return QStringLiteral("合計"); }

// unit of Label14
inline QString Mai() { return QStringLiteral("枚"); }

// Command3 closed
inline QString ShowLongestTen() { return QStringLiteral("大きさベスト10を表示"); }

// Command7 closed
inline QString ShowCountTen() { return QStringLiteral("枚数ベスト10を表示"); }

// Command8 closed
inline QString ShowTotalTen() { return QStringLiteral("合計長寸ベスト10を表示"); }

// Command2
inline QString BestEver() { return QStringLiteral("現在までの最高記録"); }

// Frame1
inline QString SearchByRaft() { return QStringLiteral("いかだ別に記録を検索"); }

// Option6
inline QString AllRafts() { return QStringLiteral("全てのいかだ"); }

// the load without a record file
inline QString NoPastData() { return QStringLiteral("過去のデータはありません。"); }

// the first entry of Combo1, and SelectedRaft for every raft
inline QString Everybody() { return QStringLiteral("すべて"); }

// refusal of the close control
inline QString UseCloseButton() { return QStringLiteral("閉じるボタンで終了してください。"); }

// Frame6 while the longest best ten is shown
inline QString LongestTenFrame() { return QStringLiteral("長寸ベスト１０"); }

// Command3 and Command8 while their list is shown
inline QString CloseTen() { return QStringLiteral("ベスト10を閉じる"); }

// Frame6 while the count best ten is shown
inline QString CountTenFrame() { return QStringLiteral("枚数ベスト１０"); }

// Command7 while its list is shown
inline QString CloseCountTen() { return QStringLiteral("枚数ベスト10を閉じる"); }

// Frame6 while the total best ten is shown
inline QString TotalTenFrame() { return QStringLiteral("合計長寸ベスト１０"); }

// Label29 while a best ten is shown
inline QString TenScope() { return QStringLiteral("対象＝全てのいかだ"); }

// Frame2 when several days share the record
inline QString LongestRecords() { return QStringLiteral("最長寸　記録 "); }

// Frame3 when several days share the record
inline QString CountRecords() { return QStringLiteral("枚数　記録 "); }

// Frame4 when several days share the record
inline QString TotalRecords() { return QStringLiteral("合計長寸　記録 "); }

// after the raft in Label29
inline QString DataOf() { return QStringLiteral("のデータ"); }

// a record combo when nothing matches
inline QString NoData() { return QStringLiteral("データなし"); }

// after the number of days of one angler sharing a record
inline QString Times() { return QStringLiteral("回"); }

// after the number of days of all anglers sharing a record
inline QString People() { return QStringLiteral("名"); }

// the pruning question, first paragraph
inline QString PruneQuestion1() { return QStringLiteral("検索するデータ数が200件を超えましたので，余分なデータを削除することをおすすめします。"); }

// second paragraph
inline QString PruneQuestion2() { return QStringLiteral("現在のデータ数ではランキングの検索に時間がかかり，データファイルも容量が大きすぎます。"); }

// third paragraph
inline QString PruneQuestion3() { return QStringLiteral("ランキングに関係のないデータだけを削除します。"); }

// last paragraph
inline QString PruneQuestion4() { return QStringLiteral("よろしければ 『　はい　』 ボタンをクリックしてください。"); }

// the pruning's final message, first paragraph
inline QString Pruned1() { return QStringLiteral("ランキングに関係のないデータを削除しました。"); }

// before the new count
inline QString Pruned2() { return QStringLiteral("削除後のデータ数は"); }

// after the new count
inline QString Pruned3() { return QStringLiteral("件です。"); }

// last paragraph
inline QString Pruned4() { return QStringLiteral("なお、ランキングに表示されるデータには影響はありません。"); }

// unit of the longest and total best-ten lines
inline QString CentiUnit() { return QStringLiteral("センチ   "); }

// unit of the count best-ten lines
inline QString MaiUnit() { return QStringLiteral("枚   "); }

// between the fields of a best-ten line
inline QString Gap() { return QStringLiteral("    "); }

// the raft options and the raft names of the records, raft 1 to 5
inline QStringList RaftNames()
{
    return {QStringLiteral("湾入り口"), QStringLiteral("北の離れ"), QStringLiteral("大浜"), QStringLiteral("南の離れ"), QStringLiteral("鴨の越し")};
}

} // namespace rankingstexts
