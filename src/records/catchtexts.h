#pragma once

#include <QString>

// The words and messages of the day's end and the today's catch screen,
// exactly as the game shows them.
namespace catchtexts {

// the today's catch screen's window caption
inline QString Caption() { return QStringLiteral("ナミヨセ-記録　  　ＭＯＫＵ　KT-93"); }
// Label1
inline QString Title() { return QStringLiteral("本日の釣果"); }
// heading of Label6
inline QString Angler() { return QStringLiteral("釣り人"); }
// heading of Label3
inline QString Raft() { return QStringLiteral("釣り場"); }
// heading of Label4
inline QString AllFish() { return QStringLiteral("合計釣果"); }
// after Label4
inline QString FishUnit() { return QStringLiteral("匹"); }
// heading of Label5
inline QString ChinuCount() { return QStringLiteral("チヌの数"); }
// after Label5
inline QString ChinuUnit() { return QStringLiteral("枚"); }
// heading of Label8
inline QString ChinuTotal() { return QStringLiteral("チヌの長寸合計"); }
// after Label8 and Label7
inline QString Centi() { return QStringLiteral("センチ"); }
// heading of Label7
inline QString Biggest() { return QStringLiteral("本日の大物"); }
// Command2 at first
inline QString ChinuOnly() { return QStringLiteral("チヌのみを表示"); }
// Command2 while the chinu are shown alone
inline QString ShowAll() { return QStringLiteral("全てを表示"); }
// Command1
inline QString Close() { return QStringLiteral("閉じる"); }
// menu item 保存
inline QString SaveMenu() { return QStringLiteral("釣果の保存"); }
// menu item 過去の記録
inline QString PastRecordsMenu() { return QStringLiteral("過去の記録"); }
// the chinu's name in the catch list
inline QString Chinu() { return QStringLiteral("チヌ"); }
// the question of 納竿
inline QString KeepCatchQuestion() { return QStringLiteral("今日のチヌの釣果を記録に残しますか？"); }
// refusal of the close box
inline QString UseCloseButton() { return QStringLiteral("閉じるボタンで終了してください。"); }
// the question of 閉じる
inline QString SaveQuestion() { return QStringLiteral("今日の釣果を保存しますか？"); }
// a second save
inline QString AlreadySaved() { return QStringLiteral("今日の記録はすでに保存されています。"); }
// a save for a day whose target is not chinu
inline QString OnlyChinu() { return QStringLiteral("チヌ以外の記録は保存できません。"); }
// first line of the success message
inline QString SavedFirst() { return QStringLiteral("今の釣果を保存しました。"); }
// last line of the success message
inline QString SavedHint() { return QStringLiteral("過去の釣りデータを見るには，『 過去の記録 』 をクリックしてください。"); }
// a save without chinu
inline QString NoChinu() { return QStringLiteral("チヌの釣果はありません。"); }

// A save that failed. The game's own words end above; these say plainly
// what was not written, so that the angler can try again.
inline QString SaveFailed() { return QStringLiteral("今日の釣果を保存できませんでした。"); }
inline QString DayFileNotWritten() { return QStringLiteral("釣りデータのファイルを書き込めませんでした。"); }
inline QString RecordNotWritten()
{
    return QStringLiteral("釣りデータのファイルは書き込みましたが、記録ファイルに今日の記録を書き込めませんでした。");
}
inline QString NothingSavedYet() { return QStringLiteral("今日の記録はまだ保存されていません。"); }
inline QString TryAgain() { return QStringLiteral("もう一度保存するには『 釣果の保存 』をクリックしてください。"); }

} // namespace catchtexts
