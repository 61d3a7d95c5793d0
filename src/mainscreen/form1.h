#pragma once

#include "app/gamewindow.h"

class Form1 : public GameWindow
{
public:
    explicit Form1(Game &game);
};
