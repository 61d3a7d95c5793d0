// Draws every window of the days before and after the fishing into PNG
// files, in the language the desktop asks for, for looking at them: the
// settings screen with its map, lists, hints and raft details, the rig,
// 過去の記録 in each of its views, today's catch, 設定, 操作, and every
// message box they showed on the way. Not a test: run it by hand as
// namiyose_window_shots <folder>, with LANGUAGE=en for the English edition
// and QT_SCALE_FACTOR=2 for 2x.
#include "support/testgame.h"
#include "support/todayscatch.h"

#include "app/screens.h"
#include "comforts/controlspage.h"
#include "comforts/settingsdialog.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "prep/anglerlist.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "rankings/rankings.h"
#include "records/browserpane.h"
#include "records/datafiles.h"
#include "records/dayend.h"
#include "records/form5.h"
#include "records/recordline.h"
#include "support/shotsetup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString out;
int boxes = 0;

void save(QWidget &w, const QString &name)
{
    w.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    w.grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
}

// The message boxes shown so far, drawn as the game shows them.
void saveMessages(TestGame &g, const QString &stem)
{
    for (const MessageRecord &m : g.dialogs.shown()) {
        QMessageBox box;
        box.setWindowTitle(m.caption);
        box.setText(m.text);
        box.setIcon(m.icon == MessageIcon::Warning       ? QMessageBox::Warning
                        : m.icon == MessageIcon::Question ? QMessageBox::Question
                        : m.icon == MessageIcon::Information ? QMessageBox::Information
                                                             : QMessageBox::NoIcon);
        box.setStandardButtons(m.buttons == MessageButtons::YesNo      ? QMessageBox::Yes | QMessageBox::No
                               : m.buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                                       : QMessageBox::Ok);
        save(box, QStringLiteral("message_%1_%2").arg(stem).arg(++boxes, 2, 10, QLatin1Char('0')));
    }
    g.dialogs.clear();
}

QStringList recordLines(int n)
{
    QStringList lines;
    const QStringList anglers{QStringLiteral("釣人Ａ"), QStringLiteral("Ken"), QStringLiteral("Christopher")};
    for (int i = 0; i < n; ++i) {
        const QString stamp = QDateTime(QDate(2002, 10, 5).addDays(i), QTime(14, 30))
                                  .toString(QStringLiteral("yyyy年MM月dd日hh時mm分"));
        lines << datafiles::FormatRecordLine(stamp, 30 + i % 27, 1 + i % 5, 1 + i % 9, (30 + i % 27) * (1 + i % 9),
                                             anglers.at(i % anglers.size()));
    }
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QTranslator> words = drawAsTheGame();
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    {
        TestGame g;
        g.state().AppDir = g.dir();
        const QString data = datafiles::DataDirectory(g.dir());
        QDir().mkpath(data);
        datafiles::RewriteRecordFile(g.files, data, recordLines(240));
        writeAnglerNames(g.files, data, {QStringLiteral("釣人Ａ"), QStringLiteral("Ken"), QStringLiteral("Christopher")});

        Form3 &settings = g.screens().form3();
        save(settings, QStringLiteral("settings_1_start"));
        settings.Combo3->setEditText(QStringLiteral("Christopher"));
        settings.OpenRaftChoice();
        save(settings, QStringLiteral("settings_2_map"));
        settings.Option3->setChecked(true);
        settings.ChooseRaft(3);
        settings.ShowTargetList();
        save(settings, QStringLiteral("settings_3_targets"));
        settings.Combo1->setCurrentIndex(0);
        settings.PickTarget();
        settings.ShowEndTimes();
        save(settings, QStringLiteral("settings_4_end_times"));
        settings.Combo2->setCurrentIndex(1);
        settings.PickEndTime();
        save(settings, QStringLiteral("settings_5_ready"));
        saveMessages(g, QStringLiteral("settings"));

        Form7 &hints = g.screens().form7();
        for (int i = 1; i <= 6; ++i) {
            if (auto *option = hints.findChild<QRadioButton *>(QStringLiteral("Option%1").arg(i)))
                option->click();
            save(hints, QStringLiteral("hints_%1").arg(i));
        }
        hints.close();
        for (int raft = 1; raft <= 5; ++raft) {
            g.state().SpotNo = raft;
            Form4 &spot = g.screens().form4();
            spot.ShowSpotTable();
            save(spot, QStringLiteral("spot_%1").arg(raft));
        }
        g.screens().form4().close();

        for (const auto &[fish, name] : {std::pair{"チヌ", "chinu"}, {"ボラ", "mullet"}}) {
            g.state().TargetFish = daylog::fishFromCaption(QString::fromUtf8(fish));
            Form2 &rig = g.screens().form2();
            rig.activate();
            save(rig, QStringLiteral("rig_%1").arg(QLatin1String(name)));
            rig.hide();
        }

        // 過去の記録: the question about old lines first, then each view.
        Form6 &records = g.screens().form6();
        g.dialogs.answer(AnswerNo);
        records.show();
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&records, &activation);
        save(records, QStringLiteral("records_1_open"));
        saveMessages(g, QStringLiteral("records"));
        records.ShowBestEver();
        save(records, QStringLiteral("records_2_best_ever"));
        records.ToggleBestTen(rankings::Measure::Longest);
        save(records, QStringLiteral("records_3_best_ten_length"));
        records.ToggleBestTen(rankings::Measure::Longest);
        records.ToggleBestTen(rankings::Measure::Count);
        save(records, QStringLiteral("records_4_best_ten_count"));
        records.ToggleBestTen(rankings::Measure::Count);
        records.ToggleBestTen(rankings::Measure::Total);
        save(records, QStringLiteral("records_5_best_ten_total"));
        records.ToggleBestTen(rankings::Measure::Total);
        records.ChooseRaft(2);
        save(records, QStringLiteral("records_6_raft"));
        records.ChooseAllRafts();
        save(records, QStringLiteral("records_7_all_rafts"));
        BrowserPane &pane = *records.browser;
        pane.Combo2->setCurrentIndex(qMin(1, pane.Combo2->count() - 1));
        emit pane.Combo2->activated(pane.Combo2->currentIndex());
        save(records, QStringLiteral("records_8_angler_days"));
        if (pane.List1->count() > 0) {
            pane.List1->setCurrentRow(0);
            pane.ShowDayFigures();
            save(records, QStringLiteral("records_9_day"));
        }
        saveMessages(g, QStringLiteral("records"));
        records.hide();
    }

    {
        // Today's catch at the end of a day with a few fish.
        TestGame g;
        g.state().AppDir = g.dir();
        Form1 &mainScreen = crossToRaft2(g, QStringLiteral("Christopher"));
        for (const QString &entry : {CatchEntry(QStringLiteral("チヌ"), 45), CatchEntry(QStringLiteral("ボラ"), 40),
                                     CatchEntry(QStringLiteral("チヌ"), 38), CatchEntry(QStringLiteral("アイナメ"), 22)})
            listFish(mainScreen, entry);
        mainScreen.dayEnd().釣果を保存Click();
        saveMessages(g, QStringLiteral("dayend"));
        if (Form5 *today = g.screens().loadedForm5()) {
            save(*today, QStringLiteral("todays_catch"));
            today->保存->trigger();
            saveMessages(g, QStringLiteral("todays_catch"));
        }
    }

    comforts::SettingsDialog dialog(comforts::ComfortSettings{{80, 60, false}, true}, nullptr,
                                   uiLanguageFor(std::nullopt, LocaleEnvironment::current()));
    save(dialog, QStringLiteral("settings_dialog"));
    comforts::ControlsPage page;
    save(page, QStringLiteral("controls_page"));
    return 0;
}
