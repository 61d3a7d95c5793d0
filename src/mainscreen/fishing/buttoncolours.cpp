#include "buttoncolours.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>

namespace buttoncolours {

void setColour(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    // The day redraws its buttons at every step: a colour already there is
    // left alone, as each new palette costs the style a fresh drawn face.
    if (button->testAttribute(Qt::WA_SetPalette) && palette.color(QPalette::Active, QPalette::Button) == colour
        && palette.color(QPalette::Inactive, QPalette::Button) == colour)
        return;
    // The colour is kept for the enabled button; a disabled one is drawn like
    // any disabled button, so the pink never asks for a press it cannot take.
    palette.setColor(QPalette::Active, QPalette::Button, colour);
    palette.setColor(QPalette::Inactive, QPalette::Button, colour);
    palette.setColor(QPalette::Disabled, QPalette::Button,
                     QApplication::palette(button).color(QPalette::Disabled, QPalette::Button));
    button->setPalette(palette);
}

QColor colour(const QPushButton *button)
{
    return button->palette().color(QPalette::Active, QPalette::Button);
}

} // namespace buttoncolours
