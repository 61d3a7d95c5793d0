#include "form3.h"

Form3::Form3(Game &game)
    : GameWindow(game, QStringLiteral("Form3"))
{
}
