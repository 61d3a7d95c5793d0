#pragma once

#include "simday.h"

// Plays one whole day on the day's engine alone: no window, no event loop,
// the clock jumping from one tick to the next. Needs only a
// QCoreApplication. The same config, day and seed play exactly the day that
// playDay plays through the real screens. The listener may be null.
SimDayReport playHeadlessDay(const AnglerConfig &config, int day, quint64 seed, DayListener *listener);
