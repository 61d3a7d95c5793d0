#include "controlspage.h"

#include "comfortstexts.h"
#include "mainscreencomforts.h"

#include "app/gamewindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace T = comfortstexts;

namespace comforts {

namespace {

QString keyRow(const char *keys, const char *what)
{
    return QStringLiteral("<tr><td style='padding:2px 14px 2px 0'><b>%1</b></td><td style='padding:2px 0'>%2</td></tr>")
        .arg(QCoreApplication::translate("Controls", keys), QCoreApplication::translate("Controls", what));
}

} // namespace

QString ControlsPage::text()
{
    QString html;
    html += QCoreApplication::translate("Controls", "<h3 style='margin:0 0 4px 0'>マウスで遊ぶ</h3>");
    html += QCoreApplication::translate("Controls",
        "<p style='margin:0 0 8px 0'>ボタンやメニューをクリックします。釣りのボタンは、次に押すものが"
        "<span style='background:#ffc0ff'>&nbsp;ピンク&nbsp;</span>で、いま押せないものは灰色です。</p>");
    html += QCoreApplication::translate("Controls", "<h3 style='margin:0 0 4px 0'>キーボードで遊ぶ</h3>");
    html += QCoreApplication::translate("Controls", "<p style='margin:0 0 4px 0'>ピンクのボタンにはいつもフォーカスがあるので、"
                              "<b>スペース</b>か<b>Enter</b>だけで一回の流れ（投入・割る・あわせ・O K）を進められます。"
                              "一回押すと一つ進みます。押しつづけても、ピンクが次のボタンへ移ってすぐ"
                              "（0.3秒以内）に押しても、次のボタンは押されません。"
                              "メッセージが出たら Enter で閉じます。</p>");
    // The keys of the fishing beside those of the other screens, so the
    // page stays short enough for a small screen.
    html += QStringLiteral("<table cellspacing='0'><tr><td valign='top' style='padding-right:24px'>"
                           "<table cellspacing='0'>");
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "スペース / Enter"), QT_TRANSLATE_NOOP("Controls", "ピンクのボタンを押す"));
    html += keyRow("Z", QT_TRANSLATE_NOOP("Controls", "ダンゴを投入"));
    html += keyRow("X", QT_TRANSLATE_NOOP("Controls", "ダンゴを割る"));
    html += keyRow("C", QT_TRANSLATE_NOOP("Controls", "あわせ"));
    html += keyRow("V", QT_TRANSLATE_NOOP("Controls", "エサの交換（↑↓ で選び Enter）"));
    html += keyRow("R", QT_TRANSLATE_NOOP("Controls", "仕掛けを作る"));
    html += keyRow("S", QT_TRANSLATE_NOOP("Controls", "スタート"));
    html += keyRow("P", QT_TRANSLATE_NOOP("Controls", "一時停止 / 再開"));
    html += keyRow("Ctrl+S", QT_TRANSLATE_NOOP("Controls", "釣果を保存"));
    html += keyRow("Ctrl+Q", QT_TRANSLATE_NOOP("Controls", "納竿"));
    html += keyRow("F1", QT_TRANSLATE_NOOP("Controls", "この操作ページ"));
    html += keyRow("F2", QT_TRANSLATE_NOOP("Controls", "設定（音量・一時停止・知らせ）"));
    html += QStringLiteral("</table></td><td valign='top'><table cellspacing='0'>");
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "設定画面: Tab"), QT_TRANSLATE_NOOP("Controls", "名前 → 場所の選択 → 地図 → 狙う魚 → 時間 → いかだへ渡る"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "設定画面: ↑↓←→ / Enter"), QT_TRANSLATE_NOOP("Controls", "地図で釣り場を選ぶ / その詳細"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "仕掛け画面: ↑↓←→"), QT_TRANSLATE_NOOP("Controls", "枠の中で選ぶ（Tab で次の枠）"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "仕掛け画面: Enter"), QT_TRANSLATE_NOOP("Controls", "仕掛け完了"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "今日の釣果: Ctrl+S"), QT_TRANSLATE_NOOP("Controls", "保存"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "今日の釣果: Ctrl+G"), QT_TRANSLATE_NOOP("Controls", "魚拓"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "今日の釣果: Ctrl+L"), QT_TRANSLATE_NOOP("Controls", "釣行記録"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "今日の釣果: Ctrl+R"), QT_TRANSLATE_NOOP("Controls", "過去の記録"));
    html += keyRow(QT_TRANSLATE_NOOP("Controls", "過去の記録: ↑↓ / スペース"), QT_TRANSLATE_NOOP("Controls", "日を選ぶ（合計が出ます）"));
    html += keyRow("Esc", QT_TRANSLATE_NOOP("Controls", "釣り場の詳細・ヒント・釣行記録・統計・この画面を閉じる"));
    html += QStringLiteral("</table></td></tr></table>");
    html += QCoreApplication::translate("Controls", "<p style='margin:4px 0 8px 0'>文字のキーは、メッセージが開いている間は効きません。"
                              "思わぬ投入やあわせは起きません。</p>");
    html += QCoreApplication::translate("Controls", "<h3 style='margin:0 0 4px 0'>竿先のあたり</h3>");
    html += QCoreApplication::translate("Controls", "<p style='margin:0 0 8px 0'>ダンゴが割れたら竿先を見ます。小さく震えるのはエサ取りや"
                              "前あたり。竿先がぐっと入って止まったら、すかさずあわせ。早すぎても遅すぎても"
                              "掛かりません。</p>");
    html += QCoreApplication::translate("Controls", "<h3 style='margin:0 0 4px 0'>ボタンの下の一行</h3>");
    html += QCoreApplication::translate("Controls", "<p style='margin:0'>釣りのボタンの下の一行は、いま起きたこと（あたり、あわせ、"
                              "取り込み、エサを取られた など）とそのわけを短く知らせます。</p>");
    return html;
}

ControlsPage::ControlsPage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("操作"));
    setWindowTitle(T::ControlsCaption());
    auto *label = new QLabel(text());
    label->setObjectName(QStringLiteral("操作の説明"));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setFixedWidth(800);
    label->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 10px; }"));
    auto *buttons = new QDialogButtonBox;
    QPushButton *close = buttons->addButton(T::ControlsClose(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("閉じる"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(label);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ControlsPage *ControlsPage::open(QWidget *parent)
{
    static QPointer<ControlsPage> page;
    if (!page) {
        page = new ControlsPage(parent ? parent->window() : nullptr);
        page->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (auto *window = dynamic_cast<GameWindow *>(parent ? parent->window() : nullptr)) {
        showOverTheDay(page, window->game());
        return page;
    }
    page->show();
    page->raise();
    page->activateWindow();
    return page;
}

} // namespace comforts
