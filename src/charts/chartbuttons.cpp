#include "charts/chartbuttons.h"

#include "app/game.h"
#include "app/gamewindow.h"
#include "charts/charts.h"
#include "charts/charttexts.h"
#include "comforts/mainscreencomforts.h"
#include "daylog/daylog.h"
#include "daylog/store.h"
#include "records/browserpane.h"
#include "records/form5.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace charts {

namespace {

// The names the other screens and the tests find the buttons by, whatever
// the language of their captions.
QString dayLogName() { return QStringLiteral("釣行記録"); }
QString statisticsName() { return QStringLiteral("統計"); }

} // namespace

void addDayLogMenu(Form5 &form)
{
    QAction *action = form.menuBar()->addAction(charttexts::DayLogButton());
    action->setObjectName(dayLogName());
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    QObject::connect(action, &QAction::triggered, &form, [&form] {
        comforts::showOverTheDay(makeDayLog(&form, form.game().dayLog().today()), form.game());
    });
}

QPushButton *addDayLogButton(BrowserPane &pane, QWidget *frame, QRect geometry)
{
    auto *button = new QPushButton(charttexts::DayLogButton(), frame);
    button->setObjectName(dayLogName());
    button->setGeometry(geometry);
    button->setEnabled(false);
    // Offered while a day is chosen: a day the keys only pass over is not.
    QObject::connect(pane.List1, &QListWidget::itemSelectionChanged, button,
                     [button, list = pane.List1] { button->setEnabled(!list->selectedItems().isEmpty()); });
    QObject::connect(button, &QPushButton::clicked, frame, [frame, &pane] {
        auto *window = dynamic_cast<GameWindow *>(frame->window());
        const int row = pane.List1->currentRow();
        if (!window || row < 0 || row >= pane.FileNames().size())
            return;
        daylog::DayLogStore *store = window->game().dayLog().store();
        const std::optional<daylog::LoggedDay> day =
            store ? store->dayByFile(pane.Combo2->currentText(), pane.FileNames().at(row)) : std::nullopt;
        if (!day) {
            // Days saved before the log was kept, or while it could not be written.
            window->message(charttexts::NoLogForDay());
            return;
        }
        comforts::showOverTheDay(makeDayLog(window, *day), window->game());
    });
    return button;
}

QPushButton *addStatisticsButton(GameWindow &window, QWidget *parent, QRect geometry)
{
    auto *button = new QPushButton(charttexts::StatsButton(), parent);
    button->setObjectName(statisticsName());
    button->setGeometry(geometry);
    QObject::connect(button, &QPushButton::clicked, &window, [&window] {
        Game &game = window.game();
        // Summed by the log for each filter: no day's events are read.
        QWidget *statistics = makeStatistics(
            &window,
            [&game](const daylog::StatsFilter &filter) {
                daylog::DayLogStore *store = game.dayLog().store();
                return store ? store->stats(filter) : daylog::DayStats{};
            },
            game.state.AnglerNames);
        comforts::showOverTheDay(statistics, game);
    });
    return button;
}

} // namespace charts
