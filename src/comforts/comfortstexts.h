#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the player's comforts: keys, pause, settings, the 操作 page
// and the 魚拓.
namespace comfortstexts {

// Menu items of the main screen.
inline QString MenuPause() { return QCoreApplication::translate("Comforts", "一時停止"); }
inline QString MenuSettings() { return QCoreApplication::translate("Comforts", "設定"); }
inline QString MenuControls() { return QCoreApplication::translate("Comforts", "操作"); }
inline QString PausedOverlay() { return QCoreApplication::translate("Comforts", "一時停止中"); }
inline QString PausedHint() { return QCoreApplication::translate("Comforts", "P キーか「一時停止」でつづける"); }

// The captions of the main screen's two counters.
inline QString ChinuCounter() { return QCoreApplication::translate("Comforts", "チヌ"); }
inline QString AllCounter() { return QCoreApplication::translate("Comforts", "全体"); }

// What a refusal to close adds: the key that does work.
// Ctrl+Q while the clock still runs
inline QString PackUpEarlyQuestion() { return QCoreApplication::translate("Comforts", "まだ時間があります。納竿して今日の釣りを終えますか？"); }
inline QString MainCloseKey() { return QCoreApplication::translate("Comforts", "\n（キーボードでは Ctrl+Q）"); }
inline QString RigCloseKey() { return QCoreApplication::translate("Comforts", "\n（キーボードでは Enter）"); }

// The settings dialog.
inline QString SettingsCaption() { return QCoreApplication::translate("Comforts", "ナミヨセ-設定"); }
inline QString SettingsButton() { return QCoreApplication::translate("Comforts", "設定"); }
inline QString MusicVolume() { return QCoreApplication::translate("Comforts", "音楽の音量"); }
inline QString EffectsVolume() { return QCoreApplication::translate("Comforts", "効果音の音量"); }
inline QString Mute() { return QCoreApplication::translate("Comforts", "音を消す"); }
inline QString PauseOnFocusLoss() { return QCoreApplication::translate("Comforts", "ウィンドウから離れたら一時停止する"); }
inline QString QuietNotices() { return QCoreApplication::translate("Comforts", "知らせは状況表示だけ"); }
inline QString QuietNoticesTip()
{
    return QCoreApplication::translate("Comforts", "エサを取られた、あわせが早すぎたなどの知らせを、メッセージではなく釣りのボタンの下の一行に出します。"
                          "時計は止まりません。");
}
inline QString Language() { return QCoreApplication::translate("Comforts", "言語"); }
inline QString BiteCue() { return QCoreApplication::translate("Comforts", "竿先が入ったら音で知らせる"); }
inline QString BiteCueTip()
{
    return QCoreApplication::translate("Comforts", "魚がエサをくわえて竿先が押さえこまれたとき、あわせどきを短い音で知らせます。"
                                                   "音の大きさは効果音の音量です。");
}
inline QString Ok() { return QStringLiteral("O K"); }
inline QString Cancel() { return QCoreApplication::translate("Comforts", "キャンセル"); }

// The 操作 page.
inline QString ControlsCaption() { return QCoreApplication::translate("Comforts", "ナミヨセ-操作"); }
inline QString ControlsClose() { return QCoreApplication::translate("Comforts", "閉じる"); }

// The 魚拓.
inline QString GyotakuButton() { return QCoreApplication::translate("Comforts", "魚拓"); }
inline QString GyotakuCaption() { return QCoreApplication::translate("Comforts", "ナミヨセ-魚拓"); }
inline QString GyotakuTitle() { return QCoreApplication::translate("Comforts", "魚拓"); }
inline QString GyotakuSavePng() { return QCoreApplication::translate("Comforts", "画像で保存"); }
inline QString GyotakuSavePdf() { return QCoreApplication::translate("Comforts", "PDFで保存"); }
inline QString GyotakuPrint() { return QCoreApplication::translate("Comforts", "印刷"); }
inline QString GyotakuNoChinu() { return QCoreApplication::translate("Comforts", "チヌの釣果がないので魚拓は作れません。"); }
inline QString GyotakuSaveFailed() { return QCoreApplication::translate("Comforts", "魚拓を保存できませんでした。"); }
inline QString GyotakuSaved() { return QCoreApplication::translate("Comforts", "魚拓を保存しました：%1"); }
inline QString Unknown() { return QCoreApplication::translate("Comforts", "不明"); }
inline QString RaftLabel() { return QCoreApplication::translate("Comforts", "釣り場"); }
// The lettering of the print, a line each (%1: the length, the angler, the
// raft, the tide word, the bait as shown).
inline QString GyotakuFish() { return QCoreApplication::translate("Comforts", "チヌ　%1センチ"); }
inline QString GyotakuAngler() { return QCoreApplication::translate("Comforts", "%1　釣"); }
//: The raft's line of the 魚拓; the Japanese print shows the name alone.
inline QString GyotakuRaft() { return QCoreApplication::translate("Comforts", "%1", "raft"); }
//: The date on the 魚拓, as a QDate format.
inline QString GyotakuDate() { return QCoreApplication::translate("Comforts", "yyyy年M月d日"); }
inline QString GyotakuTide() { return QCoreApplication::translate("Comforts", "潮　%1"); }
// The tide words a record keeps, as the tide's line shows them.
inline QString GyotakuFloodTide() { return QCoreApplication::translate("Comforts", "満ち潮"); }
inline QString GyotakuEbbTide() { return QCoreApplication::translate("Comforts", "引き潮"); }
inline QString GyotakuBait() { return QCoreApplication::translate("Comforts", "餌　%1"); }
inline QString GyotakuScale() { return QCoreApplication::translate("Comforts", "縮尺 1/%1（センチ）"); }
//: The file name a 魚拓 is offered under: the angler, the length, png or pdf.
inline QString GyotakuFileName() { return QCoreApplication::translate("Comforts", "魚拓_%1_%2センチ.%3"); }
// How the print's lettering runs: in columns, as Japanese is brushed, unless
// the language is written in lines.
//: "horizontal" for a language written left to right in lines: the 魚拓's lettering then runs in lines.
inline QString GyotakuWriting() { return QCoreApplication::translate("Comforts", "縦書き"); }

} // namespace comfortstexts
