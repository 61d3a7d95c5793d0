#include "form2.h"

Form2::Form2(Game &game)
    : GameWindow(game, QStringLiteral("Form2"))
{
}
