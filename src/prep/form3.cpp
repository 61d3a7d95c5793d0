#include "form3.h"

#include <QLabel>

Form3::Form3(Game &game)
    : GameWindow(game, QStringLiteral("Form3"))
{
    Label1 = new QLabel(this);
    Label5 = new QLabel(this);
    Label6 = new QLabel(this);
    Label7 = new QLabel(this);
    Label8 = new QLabel(this);
}
