#include "form5.h"

Form5::Form5(Game &game)
    : GameWindow(game, QStringLiteral("Form5"))
{
}
