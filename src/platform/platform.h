#pragma once

#include "clock.h"
#include "cuesound.h"
#include "dialogs.h"
#include "programdirs.h"
#include "random.h"
#include "sound.h"
#include "textfiles.h"
#include "timer.h"

// Everything the screens and rules reach outside the game through. A real
// run fills it with the Qt-backed pieces; a test with scripted ones.
struct Platform
{
    Scheduler &scheduler;
    Dialogs &dialogs;
    RandomSource &random;
    Clock &clock;
    SoundDevice &sound;
    CueSound &cue; // the bite cue, beside the one wave device
    FileSystem &files;
    ProgramDirs dirs;
};
