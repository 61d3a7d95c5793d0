#pragma once

#include "app/gamewindow.h"

class Form6 : public GameWindow
{
public:
    explicit Form6(Game &game);
};
