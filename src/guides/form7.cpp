#include "form7.h"

Form7::Form7(Game &game)
    : GameWindow(game, QStringLiteral("Form7"))
{
}
