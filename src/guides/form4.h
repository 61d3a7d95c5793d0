#pragma once

#include "app/gamewindow.h"

class Form4 : public GameWindow
{
public:
    explicit Form4(Game &game);
};
