// Draws the player's comforts into PNG files for looking at them: the focus
// on each button of the cycle, the pause, the 設定 dialog, the 操作 page,
// the end-of-day pictures by hour, the prompt, and a 魚拓 of a 50 cm chinu.
// Not a test: run it by hand on a display (QT_SCALE_FACTOR=2 for 2x) with a
// folder to write into; LANGUAGE=en draws the English edition.
#include "support/testgame.h"

#include "app/screens.h"
#include "comforts/controlspage.h"
#include "comforts/gyotaku.h"
#include "comforts/mainscreencomforts.h"
#include "comforts/settingsdialog.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "mainscreen/mainscreentexts.h"
#include "platform/picturebox.h"
#include "prep/form3.h"
#include "prep/rigtexts.h"
#include "support/shotsetup.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QString out;

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void save(QWidget &w, const QString &name)
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    w.grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
}

void activate(QWidget &w)
{
    w.show();
    w.raise();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w, 2000))
        qWarning("%s was not activated", qPrintable(w.objectName()));
}

void pushTick(TestGame &g, int n, int v3, int v4, int v5, int v6, int v7, int w)
{
    for (auto [k, m] : {std::pair{16, 16}, {12, 12}, {n, 8}, {1, 3}, {v3, 10}, {v4, 15}, {v5, 5},
                        {v6 < 0 ? 2 : 1, 3}, {v7, 10}, {w, 5}})
        g.random.pushDraw(k, m);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QTranslator> words = drawAsTheGame();
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    TestGame g;
    GameState &st = g.state();
    st.AnglerName = s("波寄 太郎");
    st.SpotNo = 3;
    st.EndHour = QStringLiteral("10");
    st.DayMinutes = 180;
    st.TargetFish = daylog::Fish::Chinu;
    Form3 &settings = g.screens().form3();
    Day &day = settings.game().day;
    day.tides.firstHigh = 6;
    day.tides.secondHigh = 18;
    day.tides.earlierLow = 12;
    day.tides.laterLow = 24;
    save(settings, QStringLiteral("settings_screen"));
    Form1 &f = g.screens().form1();
    f.day().goodBaits = {daylog::Bait::Boke, daylog::Bait::Ebi, daylog::Bait::Kani};
    activate(f);
    save(f, QStringLiteral("main_first_prompt"));
    f.setRig(daylog::Leader::No2, daylog::Hook::No4, daylog::Bait::Boke);
    f.showTarget();
    f.Command6->setText(rigtexts::StartPrompt());
    f.スタート->setEnabled(true);
    save(f, QStringLiteral("main_start_prompt"));

    f.StartDay();
    save(f, QStringLiteral("focus_1_drop"));
    g.random.pushDraw(1, 5);
    f.Command1->click();
    save(f, QStringLiteral("focus_2_break"));
    g.advance(3000);
    pushTick(g, 3, 1, 1, 1, 1, 1, 1);
    g.advance(1000);
    pushTick(g, 2, 3, 12, 5, 1, 1, 1);
    g.advance(1000);
    g.random.pushDraw(2, 10);
    g.random.pushDraw(1, 5);
    g.advance(800 + 1500 + 500);
    save(f, QStringLiteral("focus_3_strike"));
    auto *comforts = comforts::MainScreenComforts::of(f);
    comforts->pause();
    save(f, QStringLiteral("pause_overlay"));
    comforts->resume();
    f.Command3->click();
    g.random.pushDraw(1, 20);
    g.advance(100 * (4 * 8 + 1) + 2000);
    save(f, QStringLiteral("focus_4_landed_ok"));
    f.Command4->click();
    f.Command5->click();
    save(f, QStringLiteral("focus_5_bait_list"));
    f.List2->setCurrentRow(1);
    emit f.List2->itemActivated(f.List2->currentItem());
    save(f, QStringLiteral("focus_6_drop_again"));

    // The end of the day under the sky of each end hour.
    for (const char *hour : {"10", "12", "15", "17"}) {
        st.EndHour = QString::fromLatin1(hour);
        f.Image5->hide();
        f.Image5->show();
        f.Image5->raise();
        save(f, QStringLiteral("dayover_%1").arg(QString::fromLatin1(hour)));
    }
    f.Image5->hide();

    comforts::SettingsDialog dialog(comforts::ComfortSettings{{80, 60, false}, true}, &f);
    activate(dialog);
    save(dialog, QStringLiteral("settings_dialog"));
    dialog.close();

    comforts::ControlsPage *page = comforts::ControlsPage::open(&f);
    activate(*page);
    save(*page, QStringLiteral("controls_page"));
    page->close();

    Form7 &hints = g.screens().form7();
    activate(hints);
    save(hints, QStringLiteral("hints_with_controls"));

    const comforts::GyotakuRecord fish{s("波寄 太郎"), 50, s("北の離れ"), QDate(2026, 12, 10), TideDirection::Ebb, daylog::Bait::Boke};
    comforts::saveGyotakuPng(fish, QDir(out).filePath(QStringLiteral("gyotaku_50cm_print.png")));
    // The longest names and the shortest record the lettering must hold.
    const comforts::GyotakuRecord big{s("Christopher Montgomery"), 65, s("湾入り口"), QDate(2026, 9, 30), TideDirection::Flood,
                                      daylog::Bait::Akemigai};
    comforts::renderGyotaku(big, 100).save(QDir(out).filePath(QStringLiteral("gyotaku_65cm_long_name.png")));
    const comforts::GyotakuRecord saved{s("Hana"), 34, s("大浜"), QDate(2025, 5, 3), TideDirection::Unknown, std::nullopt};
    comforts::renderGyotaku(saved, 100).save(QDir(out).filePath(QStringLiteral("gyotaku_34cm_saved_day.png")));
    comforts::saveGyotakuPdf(fish, QDir(out).filePath(QStringLiteral("gyotaku_50cm_print.pdf")));
    comforts::GyotakuWindow window(fish);
    activate(window);
    save(window, QStringLiteral("gyotaku_window"));
    return 0;
}
