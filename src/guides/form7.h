#pragma once

#include "app/gamewindow.h"

class Form7 : public GameWindow
{
public:
    explicit Form7(Game &game);
};
