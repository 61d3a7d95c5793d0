#pragma once

#include <QRect>

class BrowserPane;
class Form5;
class GameWindow;
class QPushButton;
class QWidget;

// Where the 釣行記録 and 統計 windows are opened from: today's catch, a
// saved day in the per-angler browser, the settings screen and the past
// records. The windows are built only when asked for.
namespace charts {

// A 釣行記録 item (Ctrl+L) on today's catch: the day just played, saved or not.
void addDayLogMenu(Form5 &form);
// A 釣行記録 button for the day chosen in the browser.
QPushButton *addDayLogButton(BrowserPane &pane, QWidget *frame, QRect geometry);
// A 統計 button: every logged day, filtered in the window by angler and raft.
QPushButton *addStatisticsButton(GameWindow &window, QWidget *parent, QRect geometry);

} // namespace charts
