#include "buttoncolours.h"

#include <QPalette>
#include <QPushButton>

namespace buttoncolours {

void setColour(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    // All colour groups: a disabled button keeps its colour, only its text greys.
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

QColor colour(const QPushButton *button)
{
    return button->palette().color(QPalette::Active, QPalette::Button);
}

} // namespace buttoncolours
