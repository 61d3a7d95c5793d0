#pragma once

#include <QString>

// The texts of the player's comforts: keys, pause, settings, the 操作 page
// and the 魚拓.
namespace comfortstexts {

// Menu items of the main screen.
inline QString MenuPause() { return QStringLiteral("一時停止"); }
inline QString MenuSettings() { return QStringLiteral("設定"); }
inline QString MenuControls() { return QStringLiteral("操作"); }
inline QString PausedOverlay() { return QStringLiteral("一時停止中"); }
inline QString PausedHint() { return QStringLiteral("P キーか「一時停止」でつづける"); }

// The captions of the main screen's two counters.
inline QString ChinuCounter() { return QStringLiteral("チヌ"); }
inline QString AllCounter() { return QStringLiteral("全体"); }

// What a refusal to close adds: the key that does work.
inline QString MainCloseKey() { return QStringLiteral("\n（キーボードでは Ctrl+Q）"); }
inline QString RigCloseKey() { return QStringLiteral("\n（キーボードでは Enter）"); }

// The settings dialog.
inline QString SettingsCaption() { return QStringLiteral("ナミヨセ-設定"); }
inline QString SettingsButton() { return QStringLiteral("設定"); }
inline QString MusicVolume() { return QStringLiteral("音楽の音量"); }
inline QString EffectsVolume() { return QStringLiteral("効果音の音量"); }
inline QString Mute() { return QStringLiteral("音を消す"); }
inline QString PauseOnFocusLoss() { return QStringLiteral("ウィンドウから離れたら一時停止する"); }
inline QString QuietNotices() { return QStringLiteral("知らせは状況表示だけ"); }
inline QString QuietNoticesTip()
{
    return QStringLiteral("エサを取られた、あわせが早すぎたなどの知らせを、メッセージではなく釣りのボタンの下の一行に出します。"
                          "時計は止まりません。");
}
inline QString BiteCue() { return QStringLiteral("竿先が入ったら音で知らせる"); }
inline QString BiteCueTip()
{
    return QStringLiteral("魚がエサをくわえて竿先が押さえこまれたとき、あわせどきを短い音で知らせます。"
                          "音の大きさは効果音の音量です。");
}
inline QString Ok() { return QStringLiteral("O K"); }
inline QString Cancel() { return QStringLiteral("キャンセル"); }

// The 操作 page.
inline QString ControlsCaption() { return QStringLiteral("ナミヨセ-操作"); }
inline QString ControlsClose() { return QStringLiteral("閉じる"); }

// The 魚拓.
inline QString GyotakuButton() { return QStringLiteral("魚拓"); }
inline QString GyotakuCaption() { return QStringLiteral("ナミヨセ-魚拓"); }
inline QString GyotakuTitle() { return QStringLiteral("魚拓"); }
inline QString GyotakuSavePng() { return QStringLiteral("画像で保存"); }
inline QString GyotakuSavePdf() { return QStringLiteral("PDFで保存"); }
inline QString GyotakuPrint() { return QStringLiteral("印刷"); }
inline QString GyotakuNoChinu() { return QStringLiteral("チヌの釣果がないので魚拓は作れません。"); }
inline QString GyotakuSaveFailed() { return QStringLiteral("魚拓を保存できませんでした。"); }
inline QString GyotakuSaved() { return QStringLiteral("魚拓を保存しました：%1"); }
inline QString Centimetres() { return QStringLiteral("センチ"); }
inline QString Unknown() { return QStringLiteral("不明"); }
inline QString TideLabel() { return QStringLiteral("潮"); }
inline QString BaitLabel() { return QStringLiteral("餌"); }
inline QString RaftLabel() { return QStringLiteral("釣り場"); }
inline QString AnglerSuffix() { return QStringLiteral("　釣"); }

} // namespace comfortstexts
