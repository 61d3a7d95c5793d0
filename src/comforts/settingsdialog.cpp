#include "settingsdialog.h"

#include "comfortstexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace T = comfortstexts;

namespace comforts {

SettingsDialog::SettingsDialog(const ComfortSettings &values, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("設定"));
    setWindowTitle(T::SettingsCaption());
    setModal(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    const auto slider = [&](QSlider *&s, const QString &caption, int level, int row) {
        auto *label = new QLabel(caption);
        s = new QSlider(Qt::Horizontal);
        s->setObjectName(caption);
        s->setRange(0, 100);
        s->setPageStep(10);
        s->setValue(level);
        s->setMinimumWidth(220);
        auto *figure = new QLabel(QString::number(level));
        figure->setMinimumWidth(32);
        figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(s, &QSlider::valueChanged, figure, [figure](int v) { figure->setText(QString::number(v)); });
        label->setBuddy(s);
        grid->addWidget(label, row, 0);
        grid->addWidget(s, row, 1);
        grid->addWidget(figure, row, 2);
    };
    slider(音楽の音量, T::MusicVolume(), values.sound.music, 0);
    slider(効果音の音量, T::EffectsVolume(), values.sound.effects, 1);

    音を消す = new QCheckBox(T::Mute());
    音を消す->setObjectName(T::Mute());
    音を消す->setChecked(values.sound.muted);
    一時停止 = new QCheckBox(T::PauseOnFocusLoss());
    一時停止->setObjectName(QStringLiteral("ウィンドウから離れたら一時停止"));
    一時停止->setChecked(values.pauseOnFocusLoss);
    知らせは状況表示だけ = new QCheckBox(T::QuietNotices());
    知らせは状況表示だけ->setObjectName(T::QuietNotices());
    知らせは状況表示だけ->setToolTip(T::QuietNoticesTip());
    知らせは状況表示だけ->setChecked(values.quietNotices);
    竿先の合図 = new QCheckBox(T::BiteCue());
    竿先の合図->setObjectName(T::BiteCue());
    竿先の合図->setToolTip(T::BiteCueTip());
    竿先の合図->setChecked(values.biteCue);
    const auto dimSliders = [this] {
        音楽の音量->setEnabled(!音を消す->isChecked());
        効果音の音量->setEnabled(!音を消す->isChecked());
    };
    connect(音を消す, &QCheckBox::toggled, this, dimSliders);
    dimSliders();

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(T::Ok(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(T::Cancel(), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(音を消す);
    layout->addWidget(一時停止);
    layout->addWidget(知らせは状況表示だけ);
    layout->addWidget(竿先の合図);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ComfortSettings SettingsDialog::values() const
{
    ComfortSettings v;
    v.sound.music = 音楽の音量->value();
    v.sound.effects = 効果音の音量->value();
    v.sound.muted = 音を消す->isChecked();
    v.pauseOnFocusLoss = 一時停止->isChecked();
    v.quietNotices = 知らせは状況表示だけ->isChecked();
    v.biteCue = 竿先の合図->isChecked();
    return v;
}

} // namespace comforts
