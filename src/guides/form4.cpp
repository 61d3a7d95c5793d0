#include "form4.h"

Form4::Form4(Game &game)
    : GameWindow(game, QStringLiteral("Form4"))
{
}
