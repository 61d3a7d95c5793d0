#pragma once

#include "app/gamewindow.h"

class Form2 : public GameWindow
{
public:
    explicit Form2(Game &game);
};
