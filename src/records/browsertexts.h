#pragma once

#include <QCoreApplication>
#include <QString>

// The per-angler pane's captions and messages, exactly as the game shows
// them.
namespace browsertexts {

// Frame5
inline QString Frame() { return QCoreApplication::translate("Browser", "個人別のデータ"); }

// Label1, above Combo2
inline QString PickName() { return QCoreApplication::translate("Browser", "名前選択"); }

// Label6
inline QString Longest() { return QCoreApplication::translate("Browser", "最長寸"); }

// Label8
inline QString Count() { return QCoreApplication::translate("Browser", "枚数"); }

// Label9
inline QString Total() { return QCoreApplication::translate("Browser", "合計長寸"); }

// Command6
inline QString ShowLines() { return QCoreApplication::translate("Browser", "明細表示"); }

// Command5
inline QString Delete() { return QCoreApplication::translate("Browser", "削除"); }

// Command4
inline QString BackToList() { return QCoreApplication::translate("Browser", "一覧へ"); }

// after the chinu count
inline QString ChinuCount(qsizetype n) { return QCoreApplication::translate("Browser", "%1枚").arg(n); }

// after a length
inline QString Cm() { return QStringLiteral("cm"); }

// the longest and total of a day holding a length no chinu could have
inline QString Unreadable() { return QCoreApplication::translate("Browser", "読めません"); }

// the warning above 490 day files of an angler
inline QString TooManyFiles(const QString &angler)
{
    return QCoreApplication::translate("Browser", "%1さんのデータファイル数が490件を超えました。\n\n"
                          "読み込めるデータ数は500件までです。余分なデータを削除することをお勧めします。\n\n"
                          "削除するには、データ名をクリックして削除ボタンを押してください。")
        .arg(angler);
}
// a day of the list: its date, raft and chinu count
inline QString DayItem(const QString &date, const QString &raft, const QString &count)
{
    return QCoreApplication::translate("Browser", "%1 %2 %3枚").arg(date, raft, count);
}
// the date of a day file's name, "2024年05月01日"
inline QString DayDate(QStringView year, QStringView month, QStringView day)
{
    return QCoreApplication::translate("Browser", "%1年%2月%3日").arg(year, month, day);
}
// Command6 without a chosen day
inline QString ChooseToShow() { return QCoreApplication::translate("Browser", "表示する項目を選択してください。"); }

// Command5 without a chosen day
inline QString ChooseToDelete() { return QCoreApplication::translate("Browser", "削除するファイルの項目を選択してください。"); }

// the delete question, with the day's item
inline QString DeleteQuestion(const QString &item)
{
    return QCoreApplication::translate("Browser", "%1のファイルを削除します。\n\nなおこのファイルを削除しても，ランキングリストには影響はありません。")
        .arg(item);
}
// A deletion that did not go as asked. The game's own words end above;
// these say plainly, with the day's item, what became of the file and of
// its day in 釣行記録.
// a day file or angler folder that is a link (or a name leading out of the
// data folder): nothing is touched
inline QString DeleteRefused(const QString &item)
{
    return QCoreApplication::translate("Browser", "%1のファイルは削除しませんでした。\n\n"
                          "このファイルか釣り人のフォルダが、ふつうのファイルやフォルダではなくリンクなどになっているためです。"
                          "ファイルも釣行記録もそのままです。")
        .arg(item);
}
// the file could not be deleted; the reason (with its line end) when one is known
inline QString DeleteFailed(const QString &item, const QString &why)
{
    return QCoreApplication::translate("Browser", "%1のファイルを削除できませんでした。\n\n%2"
                          "ファイルも釣行記録もそのままです。ディスクや書き込みの許可を確かめてから、もう一度お試しください。")
        .arg(item, why);
}
inline QString DeleteFailedReadOnlyDisk() { return QCoreApplication::translate("Browser", "ディスクが読み取り専用になっています。"); }
inline QString DeleteFailedNotAllowed()
{
    return QCoreApplication::translate("Browser", "釣り人のフォルダが読み取り専用か、変更を許されていません。");
}
inline QString DeleteFailedInUse() { return QCoreApplication::translate("Browser", "ほかのプログラムがこのファイルを使っています。"); }
// the file is gone but its day stays in 釣行記録; the log's reason follows
inline QString LogKeptDay(const QString &item)
{
    return QCoreApplication::translate("Browser", "%1のファイルは削除しましたが、釣行記録からこの日を削除できませんでした。").arg(item);
}
} // namespace browsertexts
