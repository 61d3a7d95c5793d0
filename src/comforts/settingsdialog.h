#pragma once

#include "comfortsettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSlider;

namespace comforts {

// The 設定 dialog: music and effects volumes, mute, the pause when the
// player leaves the window, the quiet notices, the bite cue and the language.
class SettingsDialog : public QDialog
{
public:
    explicit SettingsDialog(const ComfortSettings &values, QWidget *parent = nullptr,
                            std::optional<UiLanguage> language = std::nullopt);

    ComfortSettings values() const;
    // 言語 as the player left it: none until one is picked.
    std::optional<UiLanguage> language() const { return m_language; }

    QSlider *音楽の音量 = nullptr;
    QSlider *効果音の音量 = nullptr;
    QCheckBox *音を消す = nullptr;
    QCheckBox *一時停止 = nullptr;
    QCheckBox *知らせは状況表示だけ = nullptr;
    QCheckBox *竿先の合図 = nullptr;
    QComboBox *言語 = nullptr;

private:
    // None chosen stays none until the player picks one.
    std::optional<UiLanguage> m_language;
};

} // namespace comforts
