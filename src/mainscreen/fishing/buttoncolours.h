#pragma once

#include <QColor>

class QPushButton;

// The fishing buttons show in light pink the one the angler should press
// next and in light blue the others.
namespace buttoncolours {

inline QColor active() { return QColor(255, 192, 255); }
inline QColor inactive() { return QColor(192, 192, 255); }

// Sets the face colour of the enabled button; disabled, it shows the usual
// disabled face and gets the colour back when enabled again.
void setColour(QPushButton *button, const QColor &colour);
QColor colour(const QPushButton *button);

inline void setActive(QPushButton *button) { setColour(button, active()); }
inline void setInactive(QPushButton *button) { setColour(button, inactive()); }

} // namespace buttoncolours
