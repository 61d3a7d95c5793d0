#pragma once

#include "app/gamewindow.h"

class Form5 : public GameWindow
{
public:
    explicit Form5(Game &game);
};
