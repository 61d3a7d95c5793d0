<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Browser</name>
    <message>
        <source>個人別のデータ</source>
        <translation>Days by angler</translation>
    </message>
    <message>
        <source>名前選択</source>
        <translation>Angler</translation>
    </message>
    <message>
        <source>最長寸</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>合計長寸</source>
        <translation>Total length</translation>
    </message>
    <message>
        <source>明細表示</source>
        <translation>Show day</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>一覧へ</source>
        <translation>Back to list</translation>
    </message>
    <message>
        <source>%1枚</source>
        <translation>%1 chinu</translation>
    </message>
    <message>
        <source>読めません</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>%1さんのデータファイル数が490件を超えました。

読み込めるデータ数は500件までです。余分なデータを削除することをお勧めします。

削除するには、データ名をクリックして削除ボタンを押してください。</source>
        <translation>%1 has more than 490 day files.

Only 500 days can be read. Deleting the days you no longer need is recommended.

To delete one, click the day and press Delete.</translation>
    </message>
    <message>
        <source>%1 %2 %3枚</source>
        <translation>%1 %2 %3 chinu</translation>
    </message>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1-%2-%3</translation>
    </message>
    <message>
        <source>表示する項目を選択してください。</source>
        <translation>Choose a day to show.</translation>
    </message>
    <message>
        <source>削除するファイルの項目を選択してください。</source>
        <translation>Choose the day to delete.</translation>
    </message>
    <message>
        <source>%1のファイルを削除します。

なおこのファイルを削除しても，ランキングリストには影響はありません。</source>
        <translation>The file of %1 will be deleted.

Deleting it does not change the rankings.</translation>
    </message>
    <message>
        <source>%1のファイルは削除しませんでした。

このファイルか釣り人のフォルダが、ふつうのファイルやフォルダではなくリンクなどになっているためです。ファイルも釣行記録もそのままです。</source>
        <translation>The file of %1 was not deleted.

The file or the angler&apos;s folder is a link or something else, not a plain file or folder. The file and the fishing log are unchanged.</translation>
    </message>
    <message>
        <source>%1のファイルを削除できませんでした。

%2ファイルも釣行記録もそのままです。ディスクや書き込みの許可を確かめてから、もう一度お試しください。</source>
        <translation>The file of %1 could not be deleted.

%2The file and the fishing log are unchanged. Check the disk and the write permissions, then try again.</translation>
    </message>
    <message>
        <source>ディスクが読み取り専用になっています。</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>釣り人のフォルダが読み取り専用か、変更を許されていません。</source>
        <translation>The angler&apos;s folder is read-only or may not be changed.</translation>
    </message>
    <message>
        <source>ほかのプログラムがこのファイルを使っています。</source>
        <translation>Another program is using this file.</translation>
    </message>
    <message>
        <source>%1のファイルは削除しましたが、釣行記録からこの日を削除できませんでした。</source>
        <translation>The file of %1 was deleted, but the day could not be removed from the fishing log.</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>ダンゴを割りました。</source>
        <translation>You broke the groundbait ball.</translation>
    </message>
    <message>
        <source>割る前にダンゴがひとりでに割れました。</source>
        <translation>The ball broke by itself before you broke it.</translation>
    </message>
    <message>
        <source>竿先が小さくふるえました。魚がエサをつついています。</source>
        <translation>The rod tip trembled slightly. A fish is nibbling at the bait.</translation>
    </message>
    <message>
        <source>竿先がゆっくりと一度押さえこまれました。</source>
        <translation>The rod tip was pressed down once, slowly.</translation>
    </message>
    <message>
        <source>竿先がぐん、ぐんと引き込まれました。</source>
        <translation>The rod tip was dragged down: tug, tug.</translation>
    </message>
    <message>
        <source>魚がエサをくわえています。あわせどきです。</source>
        <translation>A fish is holding the bait. Time to strike.</translation>
    </message>
    <message>
        <source>エサ取りがエサをかじっています。</source>
        <translation>A bait stealer is nibbling the bait.</translation>
    </message>
    <message>
        <source>あわせが早すぎました。魚はまだエサをつついているだけでした。</source>
        <translation>The strike came too early. The fish was still only nibbling at the bait.</translation>
    </message>
    <message>
        <source>あわせが早すぎました。魚はエサをくわえましたが、まだ針がかりしていませんでした。</source>
        <translation>The strike came too early. The fish had taken the bait but was not on the hook yet.</translation>
    </message>
    <message>
        <source>あわせが早すぎました。エサをかすめ取る当たりで、針には掛かりませんでした。</source>
        <translation>The strike came too early. The fish was snatching the bait and never took the hook.</translation>
    </message>
    <message>
        <source>あわせが早すぎました。竿先は動きましたが、魚はいませんでした。</source>
        <translation>The strike came too early. The tip moved, but no fish was there.</translation>
    </message>
    <message>
        <source>エサ取りが竿先を押さえこんでいました。いつあわせても針には掛かりません。</source>
        <translation>A bait stealer held the tip down. No strike, early or late, ever hooks one.</translation>
    </message>
    <message>
        <source>あわせが遅すぎました。竿先が戻り、魚はエサを離していました。</source>
        <translation>The strike came too late. The tip had come back and the fish had let go of the bait.</translation>
    </message>
    <message>
        <source>エサには何もいませんでした。ダンゴは打ち直しです。</source>
        <translation>Nothing was on the bait. Throw a new groundbait ball.</translation>
    </message>
    <message>
        <source>ばらしました。糸の負荷 %1、くじ %2 で、ばれる確率は %3% でした。</source>
        <translation>The fish got off. Line strain %1, draw %2: the chance of losing it was %3%.</translation>
    </message>
    <message>
        <source>ボラの口から針がはずれました。</source>
        <translation>The hook came out of the mullet&apos;s mouth.</translation>
    </message>
    <message>
        <source>エサ取りにエサを取られました。</source>
        <translation>A bait stealer took the bait.</translation>
    </message>
    <message>
        <source>あわせる前に魚がエサを離しました。</source>
        <translation>The fish let go of the bait before the strike.</translation>
    </message>
    <message>
        <source>竿先が動いている間、魚はハリに掛かっていました。あわせれば釣れていました。</source>
        <translation>The fish was on the hook while the tip moved. A strike would have landed it.</translation>
    </message>
    <message>
        <source>船頭さんが迎えに来ました。</source>
        <translation>The boatman came to fetch you.</translation>
    </message>
    <message>
        <source>納竿しました。</source>
        <translation>You packed up.</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ダンゴを投入</source>
        <translation>Ball thrown</translation>
    </message>
    <message>
        <source>ダンゴが割れた</source>
        <translation>Ball broke</translation>
    </message>
    <message>
        <source>小さなあたり</source>
        <translation>Small bite</translation>
    </message>
    <message>
        <source>強いあたり</source>
        <translation>Strong bite</translation>
    </message>
    <message>
        <source>あたり</source>
        <translation>Bite</translation>
    </message>
    <message>
        <source>あわせ&#x3000;針がかり！</source>
        <translation>Strike: hooked!</translation>
    </message>
    <message>
        <source>あわせ&#x3000;遅すぎ</source>
        <translation>Strike: too late</translation>
    </message>
    <message>
        <source>から振り</source>
        <translation>Strike at nothing</translation>
    </message>
    <message>
        <source>あわせ&#x3000;エサ取り</source>
        <translation>Strike: bait stealer</translation>
    </message>
    <message>
        <source>あわせ&#x3000;早すぎ</source>
        <translation>Strike: too early</translation>
    </message>
    <message>
        <source>%1&#x3000;%2センチ&#x3000;釣り上げ</source>
        <translation>Landed: %1, %2 cm</translation>
    </message>
    <message>
        <source>ばらし</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>%1をばらし</source>
        <translation>Lost: %1</translation>
    </message>
    <message>
        <source>エサを取られた</source>
        <translation>Bait taken</translation>
    </message>
    <message>
        <source>エサの交換</source>
        <translation>Bait changed</translation>
    </message>
    <message>
        <source>ボラがエサをくわえた</source>
        <translation>Mullet took the bait</translation>
    </message>
    <message>
        <source>ボラがエサを離した</source>
        <translation>Mullet let go</translation>
    </message>
    <message>
        <source>釣り終了</source>
        <translation>Fishing over</translation>
    </message>
    <message>
        <source>ハリス %1</source>
        <translation>Leader %1</translation>
    </message>
    <message>
        <source>針 %1</source>
        <translation>Hook %1</translation>
    </message>
    <message>
        <source>エサ %1</source>
        <translation>Bait %1</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>ナミヨセ-釣行記録&#x3000;  &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Fishing log   MOKU KT-93</translation>
    </message>
    <message>
        <source>ナミヨセ-統計&#x3000;  &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Statistics   MOKU KT-93</translation>
    </message>
    <message>
        <source>釣行記録</source>
        <translation>Fishing log</translation>
    </message>
    <message>
        <source>統計</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>この日の釣行記録はありません。</source>
        <translation>There is no fishing log for this day.</translation>
    </message>
    <message>
        <source>釣り人 %1</source>
        <translation>Angler: %1</translation>
    </message>
    <message>
        <source>釣り場 %1</source>
        <translation>Raft: %1</translation>
    </message>
    <message>
        <source>狙う魚 %1</source>
        <translation>Target: %1</translation>
    </message>
    <message>
        <source>満潮 %1時・%2時&#x3000;干潮 %3時・%4時</source>
        <translation>High water %1:00, %2:00   Low water %3:00, %4:00</translation>
    </message>
    <message>
        <source>この日の釣果ファイルは削除されています。残っている釣行記録だけを表示しています。</source>
        <translation>This day&apos;s catch file has been deleted. Only what the fishing log kept is shown.</translation>
    </message>
    <message>
        <source>この日の釣果はまだ保存されていません。</source>
        <translation>This day&apos;s catch has not been saved yet.</translation>
    </message>
    <message>
        <source>この日の記録はありません。</source>
        <translation>Nothing was logged on this day.</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>できごと</source>
        <translation>What happened</translation>
    </message>
    <message>
        <source>わけ</source>
        <translation>Why</translation>
    </message>
    <message>
        <source>干潮</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>満潮</source>
        <translation>High</translation>
    </message>
    <message>
        <source>潮の干満</source>
        <translation>Tide</translation>
    </message>
    <message>
        <source>潮位</source>
        <translation>Tide level</translation>
    </message>
    <message>
        <source>満潮 %1</source>
        <translation>High %1</translation>
    </message>
    <message>
        <source>干潮 %1</source>
        <translation>Low %1</translation>
    </message>
    <message>
        <source>%1 %2cm</source>
        <translation>%1 %2cm</translation>
    </message>
    <message>
        <source>ダンゴ投入</source>
        <translation>Ball thrown</translation>
    </message>
    <message>
        <source>ボラのあたり</source>
        <translation>Mullet bite</translation>
    </message>
    <message>
        <source>針がかり</source>
        <translation>Hooked</translation>
    </message>
    <message>
        <source>早あわせ</source>
        <translation>Too early</translation>
    </message>
    <message>
        <source>遅あわせ</source>
        <translation>Too late</translation>
    </message>
    <message>
        <source>釣り上げ</source>
        <translation>Landed</translation>
    </message>
    <message>
        <source>画像で保存</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>釣行記録を画像で保存</source>
        <translation>Save the fishing log as a picture</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>画像を保存できませんでした。
%1</source>
        <translation>The picture could not be saved.
%1</translation>
    </message>
    <message>
        <source>画像を保存しました：%1</source>
        <translation>Picture saved: %1</translation>
    </message>
    <message>
        <source>釣り人</source>
        <translation>Angler</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Raft</translation>
    </message>
    <message>
        <source>全員</source>
        <translation>Everyone</translation>
    </message>
    <message>
        <source>全部の釣り場</source>
        <translation>All rafts</translation>
    </message>
    <message>
        <source>釣行日数 %1日&#x3000;&#x3000;釣りをした時間 %2時間</source>
        <translation>Days out: %1    Hours fished: %2</translation>
    </message>
    <message>
        <source>釣りをした1時間あたりの釣果で見る</source>
        <translation>Show fish per hour fished</translation>
    </message>
    <message>
        <source>棒グラフを、その時刻・潮・エサ・釣り場で釣りをした時間1時間あたりの釣果で表します。長く釣った時間がよく見えすぎることがありません。</source>
        <translation>Shows each bar as the fish caught per hour fished at that hour, tide, bait or raft, so that what was fished longest does not look better than it is.</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>割合</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>何に対して</source>
        <translation>Of</translation>
    </message>
    <message>
        <source>あわせ</source>
        <translation>Strikes</translation>
    </message>
    <message>
        <source>&#x3000;針がかり</source>
        <translation>   Hooked</translation>
    </message>
    <message>
        <source>&#x3000;早あわせ</source>
        <translation>   Too early</translation>
    </message>
    <message>
        <source>&#x3000;遅あわせ</source>
        <translation>   Too late</translation>
    </message>
    <message>
        <source>&#x3000;から振り</source>
        <translation>   At nothing</translation>
    </message>
    <message>
        <source>あたりからの釣果</source>
        <translation>Landed per bite</translation>
    </message>
    <message>
        <source>あたり</source>
        <comment>what a share is of</comment>
        <translation>bites</translation>
    </message>
    <message>
        <source>あわせ</source>
        <comment>what a share is of</comment>
        <translation>strikes</translation>
    </message>
    <message>
        <source>掛かった魚</source>
        <comment>what a share is of</comment>
        <translation>fish on</translation>
    </message>
    <message>
        <source>最大のチヌ</source>
        <translation>Biggest chinu</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>%1センチ %2 %3</source>
        <translation>%1 cm  %2  %3</translation>
    </message>
    <message>
        <source>時刻ごとの釣果</source>
        <translation>Catch by hour</translation>
    </message>
    <message>
        <source>干潮からの時間ごとの釣果</source>
        <translation>Catch by hours from low water</translation>
    </message>
    <message>
        <source>エサごとの釣果</source>
        <translation>Catch by bait</translation>
    </message>
    <message>
        <source>釣り場ごとの釣果</source>
        <translation>Catch by raft</translation>
    </message>
    <message>
        <source>%1（1時間あたり）</source>
        <translation>%1 (per hour)</translation>
    </message>
    <message>
        <source>ほかの魚</source>
        <translation>Other fish</translation>
    </message>
    <message>
        <source>満ち潮</source>
        <translation>Flood tide</translation>
    </message>
    <message>
        <source>引き潮</source>
        <translation>Ebb tide</translation>
    </message>
    <message>
        <source>釣行記録</source>
        <comment>file name</comment>
        <translation>fishing-log</translation>
    </message>
    <message>
        <source>あたり</source>
        <comment>rates table</comment>
        <translation>Bites</translation>
    </message>
</context>
<context>
    <name>Comforts</name>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>一時停止中</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>P キーか「一時停止」でつづける</source>
        <translation>Press P or &quot;Pause&quot; to go on</translation>
    </message>
    <message>
        <source>チヌ</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>All</translation>
    </message>
    <message>
        <source>
（キーボードでは Ctrl+Q）</source>
        <translation>
(Ctrl+Q on the keyboard)</translation>
    </message>
    <message>
        <source>
（キーボードでは Enter）</source>
        <translation>
(Enter on the keyboard)</translation>
    </message>
    <message>
        <source>ナミヨセ-設定</source>
        <translation>Namiyose - Settings</translation>
    </message>
    <message>
        <source>音楽の音量</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>効果音の音量</source>
        <translation>Effects volume</translation>
    </message>
    <message>
        <source>音を消す</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>ウィンドウから離れたら一時停止する</source>
        <translation>Pause when I leave the window</translation>
    </message>
    <message>
        <source>知らせは状況表示だけ</source>
        <translation>Notices on the status line only</translation>
    </message>
    <message>
        <source>エサを取られた、あわせが早すぎたなどの知らせを、メッセージではなく釣りのボタンの下の一行に出します。時計は止まりません。</source>
        <translation>Notices such as a stolen bait or a strike too early appear on the line under the fishing buttons instead of in a message box. The clock keeps running.</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ナミヨセ-操作</source>
        <translation>Namiyose - Controls</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>魚拓</source>
        <translation>Gyotaku</translation>
    </message>
    <message>
        <source>ナミヨセ-魚拓</source>
        <translation>Namiyose - Gyotaku (fish print)</translation>
    </message>
    <message>
        <source>画像で保存</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>PDFで保存</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>チヌの釣果がないので魚拓は作れません。</source>
        <translation>No chinu caught today, so there is no fish to print.</translation>
    </message>
    <message>
        <source>魚拓を保存できませんでした。</source>
        <translation>The fish print could not be saved.</translation>
    </message>
    <message>
        <source>魚拓を保存しました：%1</source>
        <translation>Fish print saved: %1</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Raft</translation>
    </message>
    <message>
        <source>竿先が入ったら音で知らせる</source>
        <translation>A sound when the rod tip dips</translation>
    </message>
    <message>
        <source>魚がエサをくわえて竿先が押さえこまれたとき、あわせどきを短い音で知らせます。音の大きさは効果音の音量です。</source>
        <translation>When a fish takes the bait and holds the rod tip down, a short sound tells you it is time to strike. It plays at the effects volume.</translation>
    </message>
    <message>
        <source>まだ時間があります。納竿して今日の釣りを終えますか？</source>
        <translation>There is still time. Pack up and end today&apos;s fishing?</translation>
    </message>
    <message>
        <source>チヌ&#x3000;%1センチ</source>
        <translation>Chinu %1 cm</translation>
    </message>
    <message>
        <source>%1&#x3000;釣</source>
        <translation>Caught by %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>raft</comment>
        <extracomment>The raft&apos;s line of the 魚拓; the Japanese print shows the name alone.</extracomment>
        <translation>Raft: %1</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <extracomment>The date on the 魚拓, as a QDate format.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>潮&#x3000;%1</source>
        <translation>%1 tide</translation>
    </message>
    <message>
        <source>満ち潮</source>
        <translation>Flood</translation>
    </message>
    <message>
        <source>引き潮</source>
        <translation>Ebb</translation>
    </message>
    <message>
        <source>餌&#x3000;%1</source>
        <translation>Bait: %1</translation>
    </message>
    <message>
        <source>縮尺 1/%1（センチ）</source>
        <translation>Scale 1:%1 (cm)</translation>
    </message>
    <message>
        <source>魚拓_%1_%2センチ.%3</source>
        <extracomment>The file name a 魚拓 is offered under: the angler, the length, png or pdf.</extracomment>
        <translation>gyotaku_%1_%2cm.%3</translation>
    </message>
    <message>
        <source>縦書き</source>
        <extracomment>&quot;horizontal&quot; for a language written left to right in lines: the 魚拓&apos;s lettering then runs in lines.</extracomment>
        <translation>horizontal</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;マウスで遊ぶ&lt;/h3&gt;</source>
        <translation>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;Playing with the mouse&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;margin:0 0 8px 0&apos;&gt;ボタンやメニューをクリックします。釣りのボタンは、次に押すものが&lt;span style=&apos;background:#ffc0ff&apos;&gt;&amp;nbsp;ピンク&amp;nbsp;&lt;/span&gt;で、いま押せないものは灰色です。&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;margin:0 0 8px 0&apos;&gt;Click the buttons and menus. Among the fishing buttons, the one to press next is &lt;span style=&apos;background:#ffc0ff&apos;&gt;&amp;nbsp;pink&amp;nbsp;&lt;/span&gt;; those you cannot press now are grey.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;キーボードで遊ぶ&lt;/h3&gt;</source>
        <translation>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;Playing with the keyboard&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;margin:0 0 4px 0&apos;&gt;ピンクのボタンにはいつもフォーカスがあるので、&lt;b&gt;スペース&lt;/b&gt;か&lt;b&gt;Enter&lt;/b&gt;だけで一回の流れ（投入・割る・あわせ・O K）を進められます。一回押すと一つ進みます。押しつづけても、ピンクが次のボタンへ移ってすぐ（0.3秒以内）に押しても、次のボタンは押されません。メッセージが出たら Enter で閉じます。&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;margin:0 0 4px 0&apos;&gt;The pink button always has the focus, so &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; alone takes you through a cast (throw, break, strike, OK). One press is one step. Holding the key, or pressing again right after the pink moves on (within 0.3 s), does not press the next button. Close a message with Enter.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>スペース / Enter</source>
        <translation>Space / Enter</translation>
    </message>
    <message>
        <source>ピンクのボタンを押す</source>
        <translation>Press the pink button</translation>
    </message>
    <message>
        <source>ダンゴを投入</source>
        <translation>Throw the groundbait ball</translation>
    </message>
    <message>
        <source>ダンゴを割る</source>
        <translation>Break the groundbait ball</translation>
    </message>
    <message>
        <source>あわせ</source>
        <translation>Strike</translation>
    </message>
    <message>
        <source>エサの交換（↑↓ で選び Enter）</source>
        <translation>Change bait (↑↓ to choose, Enter)</translation>
    </message>
    <message>
        <source>仕掛けを作る</source>
        <translation>Make the rig</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>一時停止 / 再開</source>
        <translation>Pause / go on</translation>
    </message>
    <message>
        <source>釣果を保存</source>
        <translation>Save the catch</translation>
    </message>
    <message>
        <source>納竿</source>
        <translation>Stop fishing</translation>
    </message>
    <message>
        <source>この操作ページ</source>
        <translation>This page</translation>
    </message>
    <message>
        <source>設定（音量・一時停止・知らせ）</source>
        <translation>Settings (volume, pause, notices)</translation>
    </message>
    <message>
        <source>設定画面: Tab</source>
        <translation>Setup: Tab</translation>
    </message>
    <message>
        <source>名前 → 場所の選択 → 地図 → 狙う魚 → 時間 → いかだへ渡る</source>
        <translation>Name → Choose raft → map → Target → Time → Cross</translation>
    </message>
    <message>
        <source>設定画面: ↑↓←→ / Enter</source>
        <translation>Setup: ↑↓←→ / Enter</translation>
    </message>
    <message>
        <source>地図で釣り場を選ぶ / その詳細</source>
        <translation>Choose a raft on the map / its details</translation>
    </message>
    <message>
        <source>仕掛け画面: ↑↓←→</source>
        <translation>Rig: ↑↓←→</translation>
    </message>
    <message>
        <source>枠の中で選ぶ（Tab で次の枠）</source>
        <translation>Choose within a box (Tab: next box)</translation>
    </message>
    <message>
        <source>仕掛け画面: Enter</source>
        <translation>Rig: Enter</translation>
    </message>
    <message>
        <source>仕掛け完了</source>
        <translation>Rig done</translation>
    </message>
    <message>
        <source>今日の釣果: Ctrl+S</source>
        <translation>Today&apos;s catch: Ctrl+S</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>今日の釣果: Ctrl+G</source>
        <translation>Today&apos;s catch: Ctrl+G</translation>
    </message>
    <message>
        <source>魚拓</source>
        <translation>Fish print</translation>
    </message>
    <message>
        <source>今日の釣果: Ctrl+L</source>
        <translation>Today&apos;s catch: Ctrl+L</translation>
    </message>
    <message>
        <source>釣行記録</source>
        <translation>Fishing log</translation>
    </message>
    <message>
        <source>今日の釣果: Ctrl+R</source>
        <translation>Today&apos;s catch: Ctrl+R</translation>
    </message>
    <message>
        <source>過去の記録</source>
        <translation>Past records</translation>
    </message>
    <message>
        <source>過去の記録: ↑↓ / スペース</source>
        <translation>Past records: ↑↓ / Space</translation>
    </message>
    <message>
        <source>日を選ぶ（合計が出ます）</source>
        <translation>Choose a day (shows its totals)</translation>
    </message>
    <message>
        <source>釣り場の詳細・ヒント・釣行記録・統計・この画面を閉じる</source>
        <translation>Close raft details, hints, log, statistics, this page</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;margin:4px 0 8px 0&apos;&gt;文字のキーは、メッセージが開いている間は効きません。思わぬ投入やあわせは起きません。&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;margin:4px 0 8px 0&apos;&gt;Letter keys do nothing while a message is open, so no throw or strike happens by surprise.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;竿先のあたり&lt;/h3&gt;</source>
        <translation>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;Bites on the rod tip&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;margin:0 0 8px 0&apos;&gt;ダンゴが割れたら竿先を見ます。小さく震えるのはエサ取りや前あたり。竿先がぐっと入って止まったら、すかさずあわせ。早すぎても遅すぎても掛かりません。&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;margin:0 0 8px 0&apos;&gt;Once the ball breaks, watch the rod tip. A small tremble is a bait stealer or a first nibble. When the tip pulls down hard and holds, strike at once. Too early or too late and the fish is not hooked.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;ボタンの下の一行&lt;/h3&gt;</source>
        <translation>&lt;h3 style=&apos;margin:0 0 4px 0&apos;&gt;The line under the buttons&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;margin:0&apos;&gt;釣りのボタンの下の一行は、いま起きたこと（あたり、あわせ、取り込み、エサを取られた など）とそのわけを短く知らせます。&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;margin:0&apos;&gt;The line under the fishing buttons tells in a few words what just happened (a bite, a strike, a fish landed, a bait stolen...) and why.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>DayLog</name>
    <message>
        <source>ナミヨセ&#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose   MOKU KT-93</translation>
    </message>
    <message>
        <source>釣果のファイルは保存されています。</source>
        <translation>The catch files are saved.</translation>
    </message>
    <message>
        <source>釣行記録を書き込めませんでした。</source>
        <translation>The fishing log could not be written.</translation>
    </message>
    <message>
        <source>この日のファイルがまだあります。</source>
        <translation>This day&apos;s file is still there.</translation>
    </message>
    <message>
        <source>釣行記録のファイルが壊れていたため、%1 として残し、新しく作り直しました。</source>
        <translation>The fishing log file was damaged: it was kept as %1 and a new one was made.</translation>
    </message>
    <message>
        <source>釣行記録のファイル（データフォルダの %1 とその関連ファイル）が、ふつうのファイルではなくリンクやフォルダなどになっているため、今回は記録できませんでした。</source>
        <translation>The fishing log file (%1 in the data folder, with its companion files) is a link, a folder or the like, not a plain file, so this day could not be logged.</translation>
    </message>
    <message>
        <source>釣行記録のファイルが壊れていて、作り直せませんでした。</source>
        <translation>The fishing log file is damaged and could not be made anew.</translation>
    </message>
    <message>
        <source>釣行記録のファイルはこのゲームより新しい版で作られているため、今回は記録しません。</source>
        <translation>The fishing log file was made by a newer version of this game, so this day is not logged.</translation>
    </message>
    <message>
        <source>釣行記録のファイルがほかのプログラムに使われているため、今回は記録できませんでした。</source>
        <translation>The fishing log file is in use by another program, so this day could not be logged.</translation>
    </message>
    <message>
        <source>釣行記録のファイルに書き込めないため、今回は記録できませんでした。</source>
        <translation>The fishing log file cannot be written, so this day could not be logged.</translation>
    </message>
    <message>
        <source>釣行記録のファイル（データフォルダの %1 とその関連ファイル）が、ふつうのファイルではなくリンクやフォルダなどになっています。</source>
        <translation>The fishing log file (%1 in the data folder, with its companion files) is a link, a folder or the like, not a plain file.</translation>
    </message>
    <message>
        <source>釣行記録のファイルはこのゲームより新しい版で作られています。</source>
        <translation>The fishing log file was made by a newer version of this game.</translation>
    </message>
    <message>
        <source>釣行記録のファイルがほかのプログラムに使われています。</source>
        <translation>The fishing log file is in use by another program.</translation>
    </message>
    <message>
        <source>ディスクの空きが足りないため、釣行記録のファイルに書き込めません。</source>
        <translation>The disk is too full to write the fishing log file.</translation>
    </message>
    <message>
        <source>釣行記録のファイルに書き込めません。</source>
        <translation>The fishing log file cannot be written.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Fishing</name>
    <message>
        <source>エサを取られました。</source>
        <translation>The bait was taken.</translation>
    </message>
    <message>
        <source>残念 あわせが早すぎました。</source>
        <translation>Too bad: you struck too early.</translation>
    </message>
    <message>
        <source>予期せぬエラーが発生しました。ゲームは終了します。</source>
        <translation>An unexpected error occurred. The game will end.</translation>
    </message>
    <message>
        <source>ここまでの記録を保存する場合は&#x3000;『 釣果を保存 』&#x3000;をクリックしてください。</source>
        <translation>To keep the catch so far, click &quot;Save the catch&quot;.</translation>
    </message>
    <message>
        <source>バラシた！</source>
        <translation>It got away!</translation>
    </message>
    <message>
        <source>今のは%1センチ くらいの %2だった。</source>
        <translation>That one was a %2 of about %1 cm.</translation>
    </message>
    <message>
        <source>%1 センチの %2を釣り上げた。</source>
        <translation>You landed a %2 of %1 cm.</translation>
    </message>
    <message>
        <source>%1  %2センチ</source>
        <translation>%1  %2 cm</translation>
    </message>
    <message>
        <source>ボラに逃げられました。</source>
        <translation>The mullet got away.</translation>
    </message>
    <message>
        <source>ボラをばらしました。</source>
        <translation>The mullet came off the hook.</translation>
    </message>
    <message>
        <source>%1匹</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1枚</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>ナミヨセ-ヒント  &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Hints   MOKU KT-93</translation>
    </message>
    <message>
        <source>何を聞きますか？</source>
        <translation>What would you like to ask?</translation>
    </message>
    <message>
        <source>Ｏ&#x3000;Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Rafts</translation>
    </message>
    <message>
        <source>釣り場のヒント</source>
        <translation>About the rafts</translation>
    </message>
    <message>
        <source>釣り場の地図の&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;をクリックすると各釣り場の詳細が見れます。
各釣り場とも，５０センチ以上が泳いでいます。
ちなみに最大で６６センチのチヌがいるはずですので，夢の６０センチオーバーにチャレンジしてください。</source>
        <translation>Click the &#x3000;&#x3000;&#x3000; on the bay map to see each raft&apos;s details.
At every raft there are chinu of 50 cm and more.
The biggest should be about 66 cm, so go for the dream: a chinu over 60 cm.</translation>
    </message>
    <message>
        <source>満潮・干潮</source>
        <translation>High and low water</translation>
    </message>
    <message>
        <source>満潮・干潮に関するヒント</source>
        <translation>About high and low water</translation>
    </message>
    <message>
        <source>干潮から満潮にかけての潮（満ち潮)，
満潮から干潮にかけての潮（引き潮)
によって釣果が大きく違ってきます。例えば，満ち潮のときに，釣り場のねらい目が満ち潮の場合は，チヌの食いも良く，反対の場合は食いも悪くエサ取りが多くなってきます。釣り場のねらい目の潮と干潮・満潮時間をよく確認していかだに渡ってください。</source>
        <translation>From low to high water the tide floods, from high to low water it ebbs, and the catch changes greatly with it. When the tide floods at a raft whose best tide is the flood, the chinu feed well; the other way round they feed poorly and the bait stealers swarm. Check the raft&apos;s best tide and the times of high and low water before you cross.</translation>
    </message>
    <message>
        <source>水深・潮の流れ</source>
        <translation>Depth and current</translation>
    </message>
    <message>
        <source>水深・潮の流れに関するヒント</source>
        <translation>About depth and current</translation>
    </message>
    <message>
        <source>水深の深い場所ではあたりが少なくなり，浅いところではあたりが多くなります。
また，潮の流れの速い場所ではあたりが少なくなり，ゆるやかなところではあたりが多くなります。</source>
        <translation>Deep water gives fewer bites, shallow water more.
A fast current also gives fewer bites, a gentle one more.</translation>
    </message>
    <message>
        <source>エサ</source>
        <translation>Bait</translation>
    </message>
    <message>
        <source>エサに関するヒント</source>
        <translation>About bait</translation>
    </message>
    <message>
        <source>エサは６種類ありますが，その日によって，
食いの良いエサ=３種類
食いの悪いエサ=３種類&#x3000;があります。
あまりあたりがないようならエサを取り替えるようにしてください。</source>
        <translation>There are six baits, and each day three of them are taken well and three poorly.
If the bites are few, change your bait.</translation>
    </message>
    <message>
        <source>仕掛け</source>
        <translation>Rig</translation>
    </message>
    <message>
        <source>仕掛けに関するヒント</source>
        <translation>About the rig</translation>
    </message>
    <message>
        <source>ハリスの太さ・針の大きさによって，食いがちがってきます。
しかしあまりハリスを細くしすぎると，せっかく魚がかかってもバラシが多くなります。</source>
        <translation>The leader&apos;s strength and the hook&apos;s size change how well the fish bite.
But with too fine a leader you will lose many of the fish you hook.</translation>
    </message>
    <message>
        <source>チヌとエサ取り</source>
        <translation>Chinu and bait stealers</translation>
    </message>
    <message>
        <source>チヌとエサ取りに関するヒント</source>
        <translation>About chinu and bait stealers</translation>
    </message>
    <message>
        <source>チヌが多い釣り場では，数は釣れますが小型のチヌが多く，エサ取り（チヌ以外の魚)も多くなってきます。
チヌが少ない釣り場では，釣れる数は少ないかわりに大型のチヌが多く，エサ取り（チヌ以外の魚)も少なくなってきます。
しかしどの釣り場でも，５０センチ級が釣れた実績があります。</source>
        <translation>Where chinu are many you catch plenty, but mostly small ones, and there are more bait stealers (fish other than chinu).
Where chinu are few you catch fewer, but bigger ones, and there are fewer bait stealers.
Yet 50 cm chinu have been caught at every raft.</translation>
    </message>
    <message>
        <source>竿先のあたり</source>
        <translation>Bites on the rod tip</translation>
    </message>
    <message>
        <source>竿先のあたりに関するヒント</source>
        <translation>About bites on the rod tip</translation>
    </message>
    <message>
        <source>魚がエサに食いつくと，竿先にあたり(竿先を押さえる)があります。
竿先のあたりは一定ではなく，あたりだけではチヌかエサ取りかは区別がつきません。
しかも，竿先をわずかに押さえただけのあたりで釣れる時もありますし，一回竿先を押さえたあとにもう一回竿先を押さえ込むあたりもあります。</source>
        <translation>When a fish takes the bait, the rod tip shows a bite (it is pulled down).
Bites vary, and from the bite alone you cannot tell a chinu from a bait stealer.
Sometimes a fish is caught on the slightest dip of the tip; sometimes the tip dips once and then is pulled right down a second time.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>ナミヨセ&#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose   MOKU KT-93</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Raft</translation>
    </message>
    <message>
        <source>狙う魚</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>チヌ</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>現在時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>終了時間</source>
        <translation>Ends at</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>潮の干満</source>
        <translation>Tide</translation>
    </message>
    <message>
        <source>干潮</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>満潮</source>
        <translation>High</translation>
    </message>
    <message>
        <source>← 引き潮</source>
        <translation>← Ebb</translation>
    </message>
    <message>
        <source>満ち潮 →</source>
        <translation>Flood →</translation>
    </message>
    <message>
        <source>満潮 :</source>
        <translation>High :</translation>
    </message>
    <message>
        <source>干潮 :</source>
        <translation>Low :</translation>
    </message>
    <message>
        <source>時</source>
        <translation>h</translation>
    </message>
    <message>
        <source>釣り場のデータ</source>
        <translation>About this raft</translation>
    </message>
    <message>
        <source>水深</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>潮の流れ</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>ねらい目</source>
        <translation>Best tide</translation>
    </message>
    <message>
        <source>餌取り</source>
        <translation>Stealers</translation>
    </message>
    <message>
        <source>チヌの数</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>チヌの大きさ</source>
        <translation>Chinu size</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>avg.</translation>
    </message>
    <message>
        <source>ｃｍ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>満ち潮</source>
        <translation>Flood</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>Many</translation>
    </message>
    <message>
        <source>現在の仕掛け</source>
        <translation>Rig on the line</translation>
    </message>
    <message>
        <source>ハリス:</source>
        <translation>Leader:</translation>
    </message>
    <message>
        <source>針:</source>
        <translation>Hook:</translation>
    </message>
    <message>
        <source>エサ:</source>
        <translation>Bait:</translation>
    </message>
    <message>
        <source>未設定</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>まず仕掛けを作ってください。</source>
        <translation>First, make a rig.</translation>
    </message>
    <message>
        <source>仕掛けの変更</source>
        <translation>Change the rig</translation>
    </message>
    <message>
        <source>スタートボタンをクリックしてください</source>
        <translation>Click the Start button</translation>
    </message>
    <message>
        <source>納竿ボタンで終了してください。</source>
        <translation>Please end the day with Stop fishing.</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ダンゴを投入</source>
        <translation>Throw ball</translation>
    </message>
    <message>
        <source>ダンゴを割る</source>
        <translation>Break ball</translation>
    </message>
    <message>
        <source>あ&#x3000;わ&#x3000;せ</source>
        <translation>Strike</translation>
    </message>
    <message>
        <source>エサの交換</source>
        <translation>Change bait</translation>
    </message>
    <message>
        <source>センチ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>0枚</source>
        <translation>0</translation>
    </message>
    <message>
        <source>0匹</source>
        <translation>0</translation>
    </message>
    <message>
        <source>船頭: 時間が来ました。釣りを終了してください。</source>
        <translation>Boatman: Time is up. Please stop fishing.</translation>
    </message>
    <message>
        <source>      今日は%1 %2 %3が良かったみたいです。</source>
        <translation>      The baits that worked today: %1, %2 and %3.</translation>
    </message>
    <message>
        <source>仕掛けを作る</source>
        <translation>Make a rig</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>釣果を保存</source>
        <translation>Save the catch</translation>
    </message>
    <message>
        <source>納竿</source>
        <translation>Stop fishing</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>チヌ</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>ボラ</source>
        <translation>Mullet</translation>
    </message>
    <message>
        <source>アイナメ</source>
        <translation>Greenling</translation>
    </message>
    <message>
        <source>アジ</source>
        <translation>Horse mackerel</translation>
    </message>
    <message>
        <source>タイ</source>
        <translation>Sea bream</translation>
    </message>
    <message>
        <source>コノシロ</source>
        <translation>Gizzard shad</translation>
    </message>
    <message>
        <source>フグ</source>
        <translation>Pufferfish</translation>
    </message>
    <message>
        <source>満</source>
        <translation>Flood</translation>
    </message>
    <message>
        <source>引</source>
        <translation>Ebb</translation>
    </message>
    <message>
        <source>1号</source>
        <translation>No. 1</translation>
    </message>
    <message>
        <source>2号</source>
        <translation>No. 2</translation>
    </message>
    <message>
        <source>3号</source>
        <translation>No. 3</translation>
    </message>
    <message>
        <source>4号</source>
        <translation>No. 4</translation>
    </message>
    <message>
        <source>5号</source>
        <translation>No. 5</translation>
    </message>
    <message>
        <source>吸い込み針</source>
        <translation>Feeder hooks</translation>
    </message>
    <message>
        <source>アケミ貝</source>
        <translation>Clam</translation>
    </message>
    <message>
        <source>ボケ</source>
        <translation>Mud shrimp</translation>
    </message>
    <message>
        <source>エビ</source>
        <translation>Prawn</translation>
    </message>
    <message>
        <source>オキアミ</source>
        <translation>Krill</translation>
    </message>
    <message>
        <source>カニ</source>
        <translation>Crab</translation>
    </message>
    <message>
        <source>サナギ</source>
        <translation>Silkworm pupa</translation>
    </message>
</context>
<context>
    <name>Rafts</name>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>ゆるやか</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>Many</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>Few</translation>
    </message>
    <message>
        <source>満ち潮</source>
        <translation>Flood</translation>
    </message>
    <message>
        <source>引き潮</source>
        <translation>Ebb</translation>
    </message>
    <message>
        <source>湾入り口</source>
        <translation>湾入り口 (Bay Mouth)</translation>
    </message>
    <message>
        <source>北の離れ</source>
        <translation>北の離れ (North Reef)</translation>
    </message>
    <message>
        <source>大浜</source>
        <translation>大浜 (Ōhama Beach)</translation>
    </message>
    <message>
        <source>南の離れ</source>
        <translation>南の離れ (South Reef)</translation>
    </message>
    <message>
        <source>鴨の越し</source>
        <translation>鴨の越し (Duck Pass)</translation>
    </message>
</context>
<context>
    <name>Rankings</name>
    <message>
        <source>ナミヨセ-過去の記録&#x3000;  &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Past records   MOKU KT-93</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ランキングリスト</source>
        <translation>Rankings</translation>
    </message>
    <message>
        <source>最長寸</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>合計長寸</source>
        <translation>Total length</translation>
    </message>
    <message>
        <source>釣り人</source>
        <translation>Angler</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>いかだ</source>
        <translation>Raft</translation>
    </message>
    <message>
        <source>センチ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>枚</source>
        <translation>chinu</translation>
    </message>
    <message>
        <source>大きさベスト10を表示</source>
        <translation>Top 10 by size</translation>
    </message>
    <message>
        <source>枚数ベスト10を表示</source>
        <translation>Top 10 by count</translation>
    </message>
    <message>
        <source>合計長寸ベスト10を表示</source>
        <translation>Top 10 by total</translation>
    </message>
    <message>
        <source>現在までの最高記録</source>
        <translation>Best records so far</translation>
    </message>
    <message>
        <source>いかだ別に記録を検索</source>
        <translation>Records by raft</translation>
    </message>
    <message>
        <source>全てのいかだ</source>
        <translation>All rafts</translation>
    </message>
    <message>
        <source>過去のデータはありません。</source>
        <translation>There are no past records.</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>(All anglers)</translation>
    </message>
    <message>
        <source>閉じるボタンで終了してください。</source>
        <translation>Please leave with the Close button.</translation>
    </message>
    <message>
        <source>長寸ベスト１０</source>
        <translation>Top 10 by size</translation>
    </message>
    <message>
        <source>ベスト10を閉じる</source>
        <translation>Close top 10</translation>
    </message>
    <message>
        <source>枚数ベスト１０</source>
        <translation>Top 10 by count</translation>
    </message>
    <message>
        <source>枚数ベスト10を閉じる</source>
        <translation>Close top 10</translation>
    </message>
    <message>
        <source>合計長寸ベスト１０</source>
        <translation>Top 10 by total length</translation>
    </message>
    <message>
        <source>対象＝全てのいかだ</source>
        <translation>Rafts: all</translation>
    </message>
    <message>
        <source>最長寸&#x3000;記録 %1回</source>
        <translation>Longest: %1 days</translation>
    </message>
    <message>
        <source>最長寸&#x3000;記録 %1名</source>
        <translation>Longest: %1 anglers</translation>
    </message>
    <message>
        <source>枚数&#x3000;記録 %1回</source>
        <translation>Most chinu: %1 days</translation>
    </message>
    <message>
        <source>枚数&#x3000;記録 %1名</source>
        <translation>Most chinu: %1 anglers</translation>
    </message>
    <message>
        <source>合計長寸&#x3000;記録 %1回</source>
        <translation>Total: %1 days</translation>
    </message>
    <message>
        <source>合計長寸&#x3000;記録 %1名</source>
        <translation>Total: %1 anglers</translation>
    </message>
    <message>
        <source>%1のデータ</source>
        <translation>Records: %1</translation>
    </message>
    <message>
        <source>データなし</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>検索するデータ数が200件を超えましたので，余分なデータを削除することをおすすめします。

現在のデータ数ではランキングの検索に時間がかかり，データファイルも容量が大きすぎます。

ランキングに関係のないデータだけを削除します。

よろしければ 『&#x3000;はい&#x3000;』 ボタンをクリックしてください。</source>
        <translation>There are more than 200 records to search, so deleting the ones you do not need is recommended.

With this many, searching the rankings takes long and the data file is too big.

Only records that take no part in the rankings will be deleted.

If that is all right, click &quot;Yes&quot;.</translation>
    </message>
    <message>
        <source>ランキングに関係のないデータを削除しました。

削除後のデータ数は %1件です。

なお、ランキングに表示されるデータには影響はありません。</source>
        <translation>The records that take no part in the rankings were deleted.

Records left: %1.

The records shown in the rankings are unchanged.</translation>
    </message>
    <message>
        <source>記録ファイル（チヌ記録.txt）を書き換えられませんでした。データは一件も削除されていません。

ディスクの空きや書き込みの許可を確かめてから、もう一度お試しください。</source>
        <translation>The record file (チヌ記録.txt) could not be rewritten. No record was deleted.

Check the free disk space and the write permissions, then try again.</translation>
    </message>
    <message>
        <source>記録ファイル（チヌ記録.txt）を読み込めませんでした。

過去の記録は表示できません。ファイルはそのまま残してあり、整理もしません。</source>
        <translation>The record file (チヌ記録.txt) could not be read.

Past records cannot be shown. The file is left as it is and will not be tidied.</translation>
    </message>
    <message>
        <source>記録ファイル（チヌ記録.txt）に読めない文字があります。

読める記録だけを表示します。ファイルはそのまま残してあり、整理もしません。</source>
        <translation>The record file (チヌ記録.txt) holds characters that cannot be read.

Only the records that can be read are shown. The file is left as it is and will not be tidied.</translation>
    </message>
    <message>
        <source>センチ   </source>
        <translation> cm   </translation>
    </message>
    <message>
        <source>枚   </source>
        <translation> chinu   </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>釣り開始。ダンゴを打って、竿先の動きをよく見ましょう。</source>
        <translation>Fishing starts. Throw a groundbait ball and watch the rod tip closely.</translation>
    </message>
    <message>
        <source>ダンゴが自然に割れました。</source>
        <translation>The groundbait ball broke by itself.</translation>
    </message>
    <message>
        <source>ハリ掛かり！ 魚がエサをくわえたところであわせました。</source>
        <translation>Hooked! You struck just as the fish took the bait.</translation>
    </message>
    <message>
        <source>早あわせ：魚はまだエサをつついていただけでした。</source>
        <translation>Too early: the fish was only nibbling at the bait.</translation>
    </message>
    <message>
        <source>早あわせ：竿先が入る前で、魚はまだエサをくわえていませんでした。</source>
        <translation>Too early: the tip had not gone down; the fish had not taken the bait yet.</translation>
    </message>
    <message>
        <source>早あわせ：エサをかすめ取る当たりで、ハリには掛かりませんでした。</source>
        <translation>Too early: the fish was snatching the bait and never took the hook.</translation>
    </message>
    <message>
        <source>早あわせ：竿先は動きましたが、魚はいませんでした。</source>
        <translation>Too early: the tip moved, but no fish was there.</translation>
    </message>
    <message>
        <source>エサ取りの当たり：竿先は入りましたが、エサ取りはいつあわせても掛かりません。</source>
        <translation>A bait stealer: the tip went down, but no strike ever hooks a bait stealer.</translation>
    </message>
    <message>
        <source>遅あわせ：竿先が戻った後で、魚はもうエサを離していました。</source>
        <translation>Too late: the tip had come back up and the fish had let go of the bait.</translation>
    </message>
    <message>
        <source>当たりのないところであわせました。ダンゴの打ち直しです。</source>
        <translation>You struck without a bite. Throw a new groundbait ball.</translation>
    </message>
    <message>
        <source>あわせは空振りでした。</source>
        <translation>The strike caught nothing.</translation>
    </message>
    <message>
        <source>%1 %2センチ：糸の負荷 %3、ばれる確率 %4 を乗り切りました。</source>
        <translation>%1, %2 cm: landed against line strain %3 and a %4 chance of losing it.</translation>
    </message>
    <message>
        <source>%1 %2センチを取り込みました。</source>
        <translation>Landed: %1, %2 cm.</translation>
    </message>
    <message>
        <source>ばらし：糸の負荷 %1 で、ばれる確率は %2 でした。</source>
        <translation>Lost: at line strain %1 the chance of losing the fish was %2.</translation>
    </message>
    <message>
        <source>ばらし：やり取りの最中に%1のハリが外れました。</source>
        <translation>Lost (%1): the hook pulled free during the fight.</translation>
    </message>
    <message>
        <source>ばらし：%1に逃げられました。</source>
        <translation>Lost (%1): it got away.</translation>
    </message>
    <message>
        <source>あわせが遅れ、竿先が戻って魚はエサを離しました。</source>
        <translation>Struck too late: the tip came back up and the fish let go of the bait.</translation>
    </message>
    <message>
        <source>見送り：竿先が動いている間、魚はハリに掛かっていました。あわせれば釣れていました。</source>
        <translation>Missed: the fish was on the hook while the tip moved. A strike would have landed it.</translation>
    </message>
    <message>
        <source>エサだけ取られました：ハリには掛からない当たりでした。</source>
        <translation>Bait stolen: that kind of bite never takes the hook.</translation>
    </message>
    <message>
        <source>エサを%1に替えました。</source>
        <translation>Bait changed to %1.</translation>
    </message>
    <message>
        <source>あわせる前に、ボラはエサを離して行きました。</source>
        <translation>The mullet let go of the bait before you struck.</translation>
    </message>
    <message>
        <source>時間です。船頭さんが迎えに来ました。</source>
        <translation>Time&apos;s up. The boatman has come to fetch you.</translation>
    </message>
    <message>
        <source>納竿。お疲れさまでした。</source>
        <translation>You packed up. Well fished today!</translation>
    </message>
    <message>
        <source>%1％</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1-%2-%3</translation>
    </message>
    <message>
        <source>ナミヨセ-記録&#x3000;  &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Catch   MOKU KT-93</translation>
    </message>
    <message>
        <source>本日の釣果</source>
        <translation>Today&apos;s catch</translation>
    </message>
    <message>
        <source>釣り人</source>
        <translation>Angler</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Raft</translation>
    </message>
    <message>
        <source>合計釣果</source>
        <translation>All fish</translation>
    </message>
    <message>
        <source>匹</source>
        <translation>fish</translation>
    </message>
    <message>
        <source>チヌの数</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>枚</source>
        <translation>chinu</translation>
    </message>
    <message>
        <source>チヌの長寸合計</source>
        <translation>Chinu total</translation>
    </message>
    <message>
        <source>センチ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>本日の大物</source>
        <translation>Today&apos;s best</translation>
    </message>
    <message>
        <source>チヌのみを表示</source>
        <translation>Chinu only</translation>
    </message>
    <message>
        <source>全てを表示</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>釣果の保存</source>
        <translation>Save catch</translation>
    </message>
    <message>
        <source>過去の記録</source>
        <translation>Past records</translation>
    </message>
    <message>
        <source>今日のチヌの釣果を記録に残しますか？</source>
        <translation>Keep today&apos;s chinu in the records?</translation>
    </message>
    <message>
        <source>閉じるボタンで終了してください。</source>
        <translation>Please leave with the Close button.</translation>
    </message>
    <message>
        <source>今日の釣果を保存しますか？</source>
        <translation>Save today&apos;s catch?</translation>
    </message>
    <message>
        <source>今日の記録はすでに保存されています。</source>
        <translation>Today&apos;s catch is already saved.</translation>
    </message>
    <message>
        <source>チヌ以外の記録は保存できません。</source>
        <translation>Only a chinu day can be saved.</translation>
    </message>
    <message>
        <source>今の釣果を保存しました。</source>
        <translation>Your catch is saved.</translation>
    </message>
    <message>
        <source>過去の釣りデータを見るには，『 過去の記録 』 をクリックしてください。</source>
        <translation>To see your past days, click &quot;Past records&quot;.</translation>
    </message>
    <message>
        <source>チヌの釣果はありません。</source>
        <translation>No chinu were caught.</translation>
    </message>
    <message>
        <source>今日の釣果を保存できませんでした。</source>
        <translation>Today&apos;s catch could not be saved.</translation>
    </message>
    <message>
        <source>釣りデータのファイルを書き込めませんでした。</source>
        <translation>The day file could not be written.</translation>
    </message>
    <message>
        <source>釣りデータのファイルは書き込みましたが、記録ファイルに今日の記録を書き込めませんでした。</source>
        <translation>The day file was written, but today&apos;s record could not be added to the record file.</translation>
    </message>
    <message>
        <source>今日の記録はまだ保存されていません。</source>
        <translation>Today&apos;s catch is not saved yet.</translation>
    </message>
    <message>
        <source>もう一度保存するには『 釣果の保存 』をクリックしてください。</source>
        <translation>To try again, click &quot;Save catch&quot;.</translation>
    </message>
    <message>
        <source>記録ファイルに今日の記録を書き込めませんでした。</source>
        <translation>Today&apos;s record could not be added to the record file.</translation>
    </message>
    <message>
        <source>同じ釣りデータ（fishingdata）を、もう一つのナミヨセが使っています。

このまま釣りはできます。保存は順番に書き込むので、どちらの記録も消えません。</source>
        <translation>Another Namiyose is using the same fishing data (fishingdata).

You can fish on. Saves are written one after the other, so neither record is lost.</translation>
    </message>
    <message>
        <source>「%1」の場所に、ゲームのロックファイルではないもの（リンクやフォルダなど）があるため、書き込みませんでした。これを取り除いてから、もう一度お試しください。</source>
        <translation>Nothing was written: where &quot;%1&quot; should be there is something that is not the game&apos;s lock file (a link, a folder...). Remove it, then try again.</translation>
    </message>
    <message>
        <source>次の釣行へ</source>
        <translation>Next outing</translation>
    </message>
</context>
<context>
    <name>Rig</name>
    <message>
        <source>ナミヨセ-仕掛け    &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Rig   MOKU KT-93</translation>
    </message>
    <message>
        <source>狙う魚</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>狙う魚を変更</source>
        <translation>Change target</translation>
    </message>
    <message>
        <source>チヌ</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>ボラ</source>
        <translation>Mullet</translation>
    </message>
    <message>
        <source>ハリス</source>
        <translation>Leader</translation>
    </message>
    <message>
        <source>釣り針</source>
        <translation>Hook</translation>
    </message>
    <message>
        <source>エサ</source>
        <translation>Bait</translation>
    </message>
    <message>
        <source>仕掛け完了</source>
        <translation>Rig done</translation>
    </message>
    <message>
        <source>ハリスが選択されていません。</source>
        <translation>No leader is chosen.</translation>
    </message>
    <message>
        <source>釣針が選択されていません。</source>
        <translation>No hook is chosen.</translation>
    </message>
    <message>
        <source>エサが選択されていません。</source>
        <translation>No bait is chosen.</translation>
    </message>
    <message>
        <source> 『 仕掛け完了ボタン 』 をクリックしてください。</source>
        <translation>Please click &quot;Rig done&quot;.</translation>
    </message>
    <message>
        <source>スタートボタンをクリックしてください</source>
        <translation>Click the Start button</translation>
    </message>
    <message>
        <source>1号</source>
        <translation>No. 1</translation>
    </message>
    <message>
        <source>2号</source>
        <translation>No. 2</translation>
    </message>
    <message>
        <source>3号</source>
        <translation>No. 3</translation>
    </message>
    <message>
        <source>4号</source>
        <translation>No. 4</translation>
    </message>
    <message>
        <source>5号</source>
        <translation>No. 5</translation>
    </message>
    <message>
        <source>吸い込み針</source>
        <translation>Feeder hooks</translation>
    </message>
    <message>
        <source>アケミ貝</source>
        <translation>Clam</translation>
    </message>
    <message>
        <source>ボケ</source>
        <translation>Mud shrimp</translation>
    </message>
    <message>
        <source>エビ</source>
        <translation>Prawn</translation>
    </message>
    <message>
        <source>オキアミ</source>
        <translation>Krill</translation>
    </message>
    <message>
        <source>カニ</source>
        <translation>Crab</translation>
    </message>
    <message>
        <source>サナギ</source>
        <translation>Silkworm pupa</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>釣り人の名簿（%1）に名前を書き込めませんでした。
今日の釣りはできますが、名前は次の釣りの一覧には出てきません。</source>
        <translation>Your name could not be added to the angler list (%1).
You can fish today, but the name will not be offered next time.</translation>
    </message>
    <message>
        <source>「%1」は釣り人名には使えません。
別の名前を入力してください。</source>
        <translation>&quot;%1&quot; cannot be an angler&apos;s name.
Please enter another name.</translation>
    </message>
    <message>
        <source>「%1」は記録の画面で釣り人全員を表す言葉なので、釣り人名には使えません。
別の名前を入力してください。</source>
        <translation>&quot;%1&quot; is the records&apos; word for all anglers, so it cannot be an angler&apos;s name.
Please enter another name.</translation>
    </message>
    <message>
        <source>「%1」は釣りの記録を収めるファイルの名前なので、釣り人名には使えません。
別の名前を入力してください。</source>
        <translation>&quot;%1&quot; is the name of a file that holds the records, so it cannot be an angler&apos;s name.
Please enter another name.</translation>
    </message>
    <message>
        <source>釣り人名に記号「%1」は使えません。
/ \ : * ? &quot; &lt; &gt; | の記号は使わずに入力してください。</source>
        <translation>The mark &quot;%1&quot; cannot be used in an angler&apos;s name.
Please enter the name without / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>釣り人名に使えない見えない文字が入っています。
別の名前を入力してください。</source>
        <translation>The name holds an invisible character that cannot be used.
Please enter another name.</translation>
    </message>
    <message>
        <source>釣り人名が長すぎます。
短い名前を入力してください。</source>
        <translation>The name is too long.
Please enter a shorter name.</translation>
    </message>
    <message>
        <source>釣り人名の「%1」は釣りの記録に書けない文字です。
別の名前を入力してください。</source>
        <translation>The &quot;%1&quot; in the name cannot be written to the records.
Please enter another name.</translation>
    </message>
    <message>
        <source>ナミヨセ-設定  &#x3000;ＭＯＫＵ&#x3000;KT-93</source>
        <translation>Namiyose - Setup   MOKU KT-93</translation>
    </message>
    <message>
        <source>釣り人</source>
        <translation>Angler</translation>
    </message>
    <message>
        <source>設定メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>場所の選択</source>
        <translation>Choose raft</translation>
    </message>
    <message>
        <source>狙う魚</source>
        <translation>Target fish</translation>
    </message>
    <message>
        <source>時間の設定</source>
        <translation>Fishing time</translation>
    </message>
    <message>
        <source>現在までの記録</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>船頭にヒントを聞く</source>
        <translation>Ask the boatman</translation>
    </message>
    <message>
        <source>釣りを終わる</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>いかだへ渡る</source>
        <translation>Cross to raft</translation>
    </message>
    <message>
        <source>釣り場の選択</source>
        <translation>Choose a raft</translation>
    </message>
    <message>
        <source>7時から</source>
        <translation>From 7</translation>
    </message>
    <message>
        <source>現在時間:午前7時</source>
        <translation>Now: 7 a.m.</translation>
    </message>
    <message>
        <source>満潮 :</source>
        <translation>High:</translation>
    </message>
    <message>
        <source>時</source>
        <translation>h</translation>
    </message>
    <message>
        <source>干潮 :</source>
        <translation>Low:</translation>
    </message>
    <message>
        <source>釣り人名を入力してください。</source>
        <translation>Please enter your name.</translation>
    </message>
    <message>
        <source>場所を選択してください。</source>
        <translation>Please choose a raft.</translation>
    </message>
    <message>
        <source>狙う魚を選択してください。</source>
        <translation>Please choose the target fish.</translation>
    </message>
    <message>
        <source>終わりの時間を選択してください。</source>
        <translation>Please choose when to finish.</translation>
    </message>
    <message>
        <source>クリックすると詳細が表示されます</source>
        <translation>Click for details</translation>
    </message>
    <message>
        <source>チヌ</source>
        <translation>Chinu (black sea bream)</translation>
    </message>
    <message>
        <source>ボラ</source>
        <translation>Mullet</translation>
    </message>
    <message>
        <source>10時まで</source>
        <translation>Until 10:00</translation>
    </message>
    <message>
        <source>12時まで</source>
        <translation>Until 12:00</translation>
    </message>
    <message>
        <source>15時まで</source>
        <translation>Until 15:00</translation>
    </message>
    <message>
        <source>17時まで</source>
        <translation>Until 17:00</translation>
    </message>
</context>
<context>
    <name>Spot</name>
    <message>
        <source>ナミヨセ-釣り場詳細&#x3000;  &#x3000;ＭＯＫＵ&#x3000;KT-93&#x3000;</source>
        <translation>Namiyose - Raft details   MOKU KT-93</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>avg.</translation>
    </message>
    <message>
        <source>ｃｍ</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Raft</translation>
    </message>
    <message>
        <source>今日の潮時</source>
        <translation>Today&apos;s tides</translation>
    </message>
    <message>
        <source>満潮</source>
        <translation>High</translation>
    </message>
    <message>
        <source>干潮</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>時</source>
        <translation>h</translation>
    </message>
    <message>
        <source>%1の釣り場案内</source>
        <translation>%1: raft guide</translation>
    </message>
    <message>
        <source>水深</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>潮の流れ</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>餌取り</source>
        <translation>Bait stealers</translation>
    </message>
    <message>
        <source>チヌの数</source>
        <translation>Chinu</translation>
    </message>
    <message>
        <source>チヌの大きさ</source>
        <translation>Chinu size</translation>
    </message>
    <message>
        <source>ねらい目</source>
        <translation>Best tide</translation>
    </message>
    <message>
        <source>←&#x3000;満ち潮</source>
        <translation>←  Flood</translation>
    </message>
    <message>
        <source>引き潮&#x3000;→</source>
        <translation>Ebb  →</translation>
    </message>
    <message>
        <source>あたりは少ないが60センチ級が狙える、一発大型のポイント</source>
        <translation>Few bites, but a 60 cm chinu is possible: a spot for one big fish.</translation>
    </message>
    <message>
        <source>←&#x3000;引き潮</source>
        <translation>←  Ebb</translation>
    </message>
    <message>
        <source>満ち潮&#x3000;→</source>
        <translation>Flood  →</translation>
    </message>
    <message>
        <source>チヌの数も大きさも狙えるポイント。50センチ級も多い。</source>
        <translation>Both numbers and size: many chinu of 50 cm.</translation>
    </message>
    <message>
        <source>小型だがチヌの数は多い。50センチ級の実績もある。</source>
        <translation>Small chinu but many; 50 cm fish have been caught.</translation>
    </message>
</context>
</TS>
