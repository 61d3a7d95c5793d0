#include "clock.h"

Clock::~Clock() = default;
