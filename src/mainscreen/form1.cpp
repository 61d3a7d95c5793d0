#include "form1.h"

Form1::Form1(Game &game)
    : GameWindow(game, QStringLiteral("Form1"))
{
}
