#pragma once

#include <QCoreApplication>
#include <QString>

// The words and messages of the day's end and the today's catch screen,
// exactly as the game shows them.
namespace catchtexts {

// the today's catch screen's window caption
inline QString Caption() { return QCoreApplication::translate("Records", "ナミヨセ-記録　  　ＭＯＫＵ　KT-93"); }
// Label1
inline QString Title() { return QCoreApplication::translate("Records", "本日の釣果"); }
// heading of Label6
inline QString Angler() { return QCoreApplication::translate("Records", "釣り人"); }
// heading of Label3
inline QString Raft() { return QCoreApplication::translate("Records", "釣り場"); }
// heading of Label4
inline QString AllFish() { return QCoreApplication::translate("Records", "合計釣果"); }
// after Label4
inline QString FishUnit() { return QCoreApplication::translate("Records", "匹"); }
// heading of Label5
inline QString ChinuCount() { return QCoreApplication::translate("Records", "チヌの数"); }
// after Label5
inline QString ChinuUnit() { return QCoreApplication::translate("Records", "枚"); }
// heading of Label8
inline QString ChinuTotal() { return QCoreApplication::translate("Records", "チヌの長寸合計"); }
// after Label8 and Label7
inline QString Centi() { return QCoreApplication::translate("Records", "センチ"); }
// heading of Label7
inline QString Biggest() { return QCoreApplication::translate("Records", "本日の大物"); }
// Command2 at first
inline QString ChinuOnly() { return QCoreApplication::translate("Records", "チヌのみを表示"); }
// Command2 while the chinu are shown alone
inline QString ShowAll() { return QCoreApplication::translate("Records", "全てを表示"); }
// Command1
inline QString Close() { return QCoreApplication::translate("Records", "閉じる"); }
// beside 閉じる: back to the settings screen for another day
inline QString NextOuting() { return QCoreApplication::translate("Records", "次の釣行へ"); }
// menu item 保存
inline QString SaveMenu() { return QCoreApplication::translate("Records", "釣果の保存"); }
// menu item 過去の記録
inline QString PastRecordsMenu() { return QCoreApplication::translate("Records", "過去の記録"); }
// the chinu's name in the catch list
inline QString Chinu() { return QStringLiteral("チヌ"); }
// the question of 納竿
inline QString KeepCatchQuestion() { return QCoreApplication::translate("Records", "今日のチヌの釣果を記録に残しますか？"); }
// refusal of the close box
inline QString UseCloseButton() { return QCoreApplication::translate("Records", "閉じるボタンで終了してください。"); }
// the question of 閉じる
inline QString SaveQuestion() { return QCoreApplication::translate("Records", "今日の釣果を保存しますか？"); }
// a second save
inline QString AlreadySaved() { return QCoreApplication::translate("Records", "今日の記録はすでに保存されています。"); }
// a save for a day whose target is not chinu
inline QString OnlyChinu() { return QCoreApplication::translate("Records", "チヌ以外の記録は保存できません。"); }
// first line of the success message
inline QString SavedFirst() { return QCoreApplication::translate("Records", "今の釣果を保存しました。"); }
// last line of the success message
inline QString SavedHint() { return QCoreApplication::translate("Records", "過去の釣りデータを見るには，『 過去の記録 』 をクリックしてください。"); }
// a save without chinu
inline QString NoChinu() { return QCoreApplication::translate("Records", "チヌの釣果はありません。"); }

// A save that failed. The game's own words end above; these say plainly
// what was not written, so that the angler can try again.
inline QString SaveFailed() { return QCoreApplication::translate("Records", "今日の釣果を保存できませんでした。"); }
inline QString DayFileNotWritten() { return QCoreApplication::translate("Records", "釣りデータのファイルを書き込めませんでした。"); }
inline QString RecordNotWritten()
{
    return QCoreApplication::translate("Records", "釣りデータのファイルは書き込みましたが、記録ファイルに今日の記録を書き込めませんでした。");
}
inline QString NothingSavedYet() { return QCoreApplication::translate("Records", "今日の記録はまだ保存されていません。"); }
inline QString TryAgain() { return QCoreApplication::translate("Records", "もう一度保存するには『 釣果の保存 』をクリックしてください。"); }

} // namespace catchtexts
