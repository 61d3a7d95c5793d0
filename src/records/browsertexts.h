#pragma once

#include <QString>

// The per-angler pane's captions and messages, exactly as the game shows
// them.
namespace browsertexts {

// Frame5
inline QString Frame() { return QStringLiteral("個人別のデータ"); }

// Label1, above Combo2
inline QString PickName() { return QStringLiteral("名前選択"); }

// Label6
inline QString Longest() { return QStringLiteral("最長寸"); }

// Label8
inline QString Count() { return QStringLiteral("枚数"); }

// Label9
inline QString Total() { return QStringLiteral("合計長寸"); }

// Command6
inline QString ShowLines() { return QStringLiteral("明細表示"); }

// Command5
inline QString Delete() { return QStringLiteral("削除"); }

// Command4
inline QString BackToList() { return QStringLiteral("一覧へ"); }

// after the chinu count
inline QString Mai() { return QStringLiteral("枚"); }

// after a length
inline QString Cm() { return QStringLiteral("cm"); }

// the longest and total of a day holding a length no chinu could have
inline QString Unreadable() { return QStringLiteral("読めません"); }

// the warning above 490 day files, after the angler's name
inline QString TooManyFiles1() { return QStringLiteral("さんのデータファイル数が490件を超えました。"); }

// second paragraph
inline QString TooManyFiles2() { return QStringLiteral("読み込めるデータ数は500件までです。余分なデータを削除することをお勧めします。"); }

// last paragraph
inline QString TooManyFiles3() { return QStringLiteral("削除するには、データ名をクリックして削除ボタンを押してください。"); }

// Command6 without a chosen day
inline QString ChooseToShow() { return QStringLiteral("表示する項目を選択してください。"); }

// Command5 without a chosen day
inline QString ChooseToDelete() { return QStringLiteral("削除するファイルの項目を選択してください。"); }

// the delete question, after the day's item
inline QString DeleteQuestion1() { return QStringLiteral("のファイルを削除します。"); }

// its last paragraph
inline QString DeleteQuestion2() { return QStringLiteral("なおこのファイルを削除しても，ランキングリストには影響はありません。"); }

// A deletion that did not go as asked. The game's own words end above;
// these say plainly, after the day's item, what became of the file and of
// its day in 釣行記録.

// a day file or angler folder that is a link (or a name leading out of the
// data folder): nothing is touched
inline QString DeleteRefused1() { return QStringLiteral("のファイルは削除しませんでした。"); }
inline QString DeleteRefused2()
{
    return QStringLiteral("このファイルか釣り人のフォルダが、ふつうのファイルやフォルダではなくリンクなどになっているためです。"
                          "ファイルも釣行記録もそのままです。");
}

// the file could not be deleted; a reason below when one is known
inline QString DeleteFailed1() { return QStringLiteral("のファイルを削除できませんでした。"); }
inline QString DeleteFailedReadOnlyDisk() { return QStringLiteral("ディスクが読み取り専用になっています。"); }
inline QString DeleteFailedNotAllowed()
{
    return QStringLiteral("釣り人のフォルダが読み取り専用か、変更を許されていません。");
}
inline QString DeleteFailedInUse() { return QStringLiteral("ほかのプログラムがこのファイルを使っています。"); }
inline QString DeleteFailed2()
{
    return QStringLiteral("ファイルも釣行記録もそのままです。ディスクや書き込みの許可を確かめてから、もう一度お試しください。");
}

// the file is gone but its day stays in 釣行記録; the log's reason below
inline QString LogKeptDay() { return QStringLiteral("のファイルは削除しましたが、釣行記録からこの日を削除できませんでした。"); }

} // namespace browsertexts
