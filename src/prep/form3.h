#pragma once

#include "app/gamewindow.h"

class Form3 : public GameWindow
{
public:
    explicit Form3(Game &game);
};
