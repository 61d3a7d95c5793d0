#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The past-records screen's captions and messages, exactly as the game
// shows them.
namespace rankingstexts {

// the window caption
inline QString Caption() { return QCoreApplication::translate("Rankings", "ナミヨセ-過去の記録　  　ＭＯＫＵ　KT-93"); }

// Command1
inline QString Close() { return QCoreApplication::translate("Rankings", "閉じる"); }

// Frame6 while no best ten is shown
inline QString RankingList() { return QCoreApplication::translate("Rankings", "ランキングリスト"); }

// Frame2, and the caption word of its records
inline QString Longest() { return QCoreApplication::translate("Rankings", "最長寸"); }

// Frame3
inline QString Count() { return QCoreApplication::translate("Rankings", "枚数"); }

// Frame4
inline QString Total() { return QCoreApplication::translate("Rankings", "合計長寸"); }

// the angler column of every record frame, and Label30
inline QString Angler() { return QCoreApplication::translate("Rankings", "釣り人"); }

// the value column of Frame2
inline QString Size() { return QCoreApplication::translate("Rankings", "大きさ"); }

// the date column
inline QString Date() { return QCoreApplication::translate("Rankings", "日付"); }

// the raft column
inline QString Raft() { return QCoreApplication::translate("Rankings", "いかだ"); }

// unit of Label7 and Label23
inline QString Centi() { return QCoreApplication::translate("Rankings", "センチ"); }

// the value column of Frame4
inline QString TotalHead() { return QCoreApplication::translate("Rankings", "合計"); }

// unit of Label14
inline QString Mai() { return QCoreApplication::translate("Rankings", "枚"); }

// Command3 closed
inline QString ShowLongestTen() { return QCoreApplication::translate("Rankings", "大きさベスト10を表示"); }

// Command7 closed
inline QString ShowCountTen() { return QCoreApplication::translate("Rankings", "枚数ベスト10を表示"); }

// Command8 closed
inline QString ShowTotalTen() { return QCoreApplication::translate("Rankings", "合計長寸ベスト10を表示"); }

// Command2
inline QString BestEver() { return QCoreApplication::translate("Rankings", "現在までの最高記録"); }

// Frame1
inline QString SearchByRaft() { return QCoreApplication::translate("Rankings", "いかだ別に記録を検索"); }

// Option6
inline QString AllRafts() { return QCoreApplication::translate("Rankings", "全てのいかだ"); }

// the load without a record file
inline QString NoPastData() { return QCoreApplication::translate("Rankings", "過去のデータはありません。"); }

// the first entry of Combo1, and SelectedRaft for every raft
inline QString Everybody() { return QCoreApplication::translate("Rankings", "すべて"); }

// refusal of the close control
inline QString UseCloseButton() { return QCoreApplication::translate("Rankings", "閉じるボタンで終了してください。"); }

// Frame6 while the longest best ten is shown
inline QString LongestTenFrame() { return QCoreApplication::translate("Rankings", "長寸ベスト１０"); }

// Command3 and Command8 while their list is shown
inline QString CloseTen() { return QCoreApplication::translate("Rankings", "ベスト10を閉じる"); }

// Frame6 while the count best ten is shown
inline QString CountTenFrame() { return QCoreApplication::translate("Rankings", "枚数ベスト１０"); }

// Command7 while its list is shown
inline QString CloseCountTen() { return QCoreApplication::translate("Rankings", "枚数ベスト10を閉じる"); }

// Frame6 while the total best ten is shown
inline QString TotalTenFrame() { return QCoreApplication::translate("Rankings", "合計長寸ベスト１０"); }

// Label29 while a best ten is shown
inline QString TenScope() { return QCoreApplication::translate("Rankings", "対象＝全てのいかだ"); }

// Frame2, Frame3 and Frame4 when n days share the record: n days of one
// angler, or n anglers
inline QString LongestRecordsTimes(qsizetype n) { return QCoreApplication::translate("Rankings", "最長寸　記録 %1回").arg(n); }
inline QString LongestRecordsPeople(qsizetype n) { return QCoreApplication::translate("Rankings", "最長寸　記録 %1名").arg(n); }
inline QString CountRecordsTimes(qsizetype n) { return QCoreApplication::translate("Rankings", "枚数　記録 %1回").arg(n); }
inline QString CountRecordsPeople(qsizetype n) { return QCoreApplication::translate("Rankings", "枚数　記録 %1名").arg(n); }
inline QString TotalRecordsTimes(qsizetype n) { return QCoreApplication::translate("Rankings", "合計長寸　記録 %1回").arg(n); }
inline QString TotalRecordsPeople(qsizetype n) { return QCoreApplication::translate("Rankings", "合計長寸　記録 %1名").arg(n); }
// Label29: the records of one raft, or of all of them
inline QString DataOf(const QString &raft) { return QCoreApplication::translate("Rankings", "%1のデータ").arg(raft); }
// a record combo when nothing matches
inline QString NoData() { return QCoreApplication::translate("Rankings", "データなし"); }
// the pruning question
inline QString PruneQuestion()
{
    return QCoreApplication::translate("Rankings", "検索するデータ数が200件を超えましたので，余分なデータを削除することをおすすめします。\n\n"
                          "現在のデータ数ではランキングの検索に時間がかかり，データファイルも容量が大きすぎます。\n\n"
                          "ランキングに関係のないデータだけを削除します。\n\n"
                          "よろしければ 『　はい　』 ボタンをクリックしてください。");
}
// the pruning's final message, with the number of days kept
inline QString Pruned(qsizetype kept)
{
    return QCoreApplication::translate("Rankings", "ランキングに関係のないデータを削除しました。\n\n削除後のデータ数は %1件です。\n\n"
                          "なお、ランキングに表示されるデータには影響はありません。")
        .arg(kept);
}
// the record file could not be rewritten by the pruning, read, or decoded
inline QString PruneFailed()
{
    return QCoreApplication::translate("Rankings", "記録ファイル（チヌ記録.txt）を書き換えられませんでした。データは一件も削除されていません。"
                          "\n\nディスクの空きや書き込みの許可を確かめてから、もう一度お試しください。");
}
inline QString RecordFileUnreadable()
{
    return QCoreApplication::translate("Rankings", "記録ファイル（チヌ記録.txt）を読み込めませんでした。"
                          "\n\n過去の記録は表示できません。ファイルはそのまま残してあり、整理もしません。");
}
inline QString RecordFileUndecodable()
{
    return QCoreApplication::translate("Rankings", "記録ファイル（チヌ記録.txt）に読めない文字があります。"
                          "\n\n読める記録だけを表示します。ファイルはそのまま残してあり、整理もしません。");
}
// unit of the longest and total best-ten lines
inline QString CentiUnit() { return QCoreApplication::translate("Rankings", "センチ   "); }

// unit of the count best-ten lines
inline QString MaiUnit() { return QCoreApplication::translate("Rankings", "枚   "); }

// between the fields of a best-ten line
inline QString Gap() { return QStringLiteral("    "); }

// the raft options and the raft names of the records, raft 1 to 5: names,
// the same in every language
inline QStringList RaftNames()
{
    return {QStringLiteral("湾入り口"), QStringLiteral("北の離れ"), QStringLiteral("大浜"), QStringLiteral("南の離れ"), QStringLiteral("鴨の越し")};
}

} // namespace rankingstexts
