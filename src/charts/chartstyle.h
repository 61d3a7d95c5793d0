#pragma once

#include <QColor>

class QChart;
class QPushButton;
class QWidget;

// The colours of the game: sea blues, sand, and the two button colours of
// the fishing cycle.
namespace chartstyle {

inline QColor sea() { return QColor(40, 110, 170); }
inline QColor shallowSea() { return QColor(150, 200, 230, 150); }
inline QColor sky() { return QColor(232, 243, 250); }
inline QColor sand() { return QColor(246, 236, 210); }
inline QColor darkSand() { return QColor(150, 115, 70); }
inline QColor pink() { return QColor(255, 192, 255); }
inline QColor lightBlue() { return QColor(192, 192, 255); }
inline QColor ink() { return QColor(40, 50, 70); }

// Title, background and fonts common to every chart of the game.
void dress(QChart *chart);

// A window opened from the keyboard is left the same way: its close button
// takes the focus and Enter, and Escape closes it too.
void closeByKeys(QWidget *window, QPushButton *close);

} // namespace chartstyle
