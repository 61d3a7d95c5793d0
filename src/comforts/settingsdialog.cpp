#include "settingsdialog.h"

#include "comfortstexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace T = comfortstexts;

namespace comforts {

SettingsDialog::SettingsDialog(const ComfortSettings &values, QWidget *parent, std::optional<UiLanguage> language)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("設定"));
    setWindowTitle(T::SettingsCaption());
    setModal(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    const auto slider = [&](QSlider *&s, const QString &name, const QString &caption, int level, int row) {
        auto *label = new QLabel(caption);
        s = new QSlider(Qt::Horizontal);
        s->setObjectName(name);
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
    slider(音楽の音量, QStringLiteral("音楽の音量"), T::MusicVolume(), values.sound.music, 0);
    slider(効果音の音量, QStringLiteral("効果音の音量"), T::EffectsVolume(), values.sound.effects, 1);

    音を消す = new QCheckBox(T::Mute());
    音を消す->setObjectName(QStringLiteral("音を消す"));
    音を消す->setChecked(values.sound.muted);
    一時停止 = new QCheckBox(T::PauseOnFocusLoss());
    一時停止->setObjectName(QStringLiteral("ウィンドウから離れたら一時停止"));
    一時停止->setChecked(values.pauseOnFocusLoss);
    知らせは状況表示だけ = new QCheckBox(T::QuietNotices());
    知らせは状況表示だけ->setObjectName(QStringLiteral("知らせは状況表示だけ"));
    知らせは状況表示だけ->setToolTip(T::QuietNoticesTip());
    知らせは状況表示だけ->setChecked(values.quietNotices);
    竿先の合図 = new QCheckBox(T::BiteCue());
    竿先の合図->setObjectName(QStringLiteral("竿先が入ったら音で知らせる"));
    竿先の合図->setToolTip(T::BiteCueTip());
    竿先の合図->setChecked(values.biteCue);
    const auto dimSliders = [this] {
        音楽の音量->setEnabled(!音を消す->isChecked());
        効果音の音量->setEnabled(!音を消す->isChecked());
    };
    connect(音を消す, &QCheckBox::toggled, this, dimSliders);
    dimSliders();

    // 言語: each language named in itself; the windows change at the next
    // start, which the note says in both languages.
    m_language = language;
    auto *languageRow = new QHBoxLayout;
    auto *languageLabel = new QLabel(T::Language());
    言語 = new QComboBox;
    言語->setObjectName(QStringLiteral("言語"));
    言語->addItem(QStringLiteral("日本語"), QVariant::fromValue(UiLanguage::Japanese));
    言語->addItem(QStringLiteral("English"), QVariant::fromValue(UiLanguage::English));
    const UiLanguage shown = uiLanguageFor(language, LocaleEnvironment::current());
    言語->setCurrentIndex(shown == UiLanguage::English ? 1 : 0);
    connect(言語, &QComboBox::activated, this,
            [this] { m_language = 言語->currentData().value<UiLanguage>(); });
    languageLabel->setBuddy(言語);
    auto *languageNote = new QLabel(QStringLiteral("次の起動から / from the next start"));
    languageNote->setObjectName(QStringLiteral("言語の注意"));
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(言語);
    languageRow->addWidget(languageNote);
    languageRow->addStretch();

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
    layout->addLayout(languageRow);
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
