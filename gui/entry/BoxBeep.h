#pragma once

#include "core/entry/EditState.h"

#include <functional>

// The beep of a box that refuses a character. The program sounds the
// desktop's beep for either kind; a listener installed here hears the beeps
// instead (tests, where the offscreen desktop has no sound).
void SoundBoxBeep(EntryBeep kind);

using BoxBeepListener = std::function<void(EntryBeep)>;
// Installs `listener`; an empty one goes back to the desktop's beep.
void SetBoxBeepListener(BoxBeepListener listener);
