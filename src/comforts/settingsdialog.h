#pragma once

#include "comfortsettings.h"

#include <QDialog>

class QCheckBox;
class QSlider;

namespace comforts {

// The 設定 dialog: music and effects volumes, mute, the pause when the
// player leaves the window, the quiet notices and the bite cue.
class SettingsDialog : public QDialog
{
public:
    explicit SettingsDialog(const ComfortSettings &values, QWidget *parent = nullptr);

    ComfortSettings values() const;

    QSlider *音楽の音量 = nullptr;
    QSlider *効果音の音量 = nullptr;
    QCheckBox *音を消す = nullptr;
    QCheckBox *一時停止 = nullptr;
    QCheckBox *知らせは状況表示だけ = nullptr;
    QCheckBox *竿先の合図 = nullptr;
};

} // namespace comforts
