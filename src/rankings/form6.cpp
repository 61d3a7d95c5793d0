#include "form6.h"

Form6::Form6(Game &game)
    : GameWindow(game, QStringLiteral("Form6"))
{
}
