// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/audio/SoundPlaying.h"

// Plays the named event sounds: a sound the desktop does not have plays the
// system beep instead, and the silent choice plays nothing.
class SoundManager : public SoundPlaying {
protected:
    SoundManager() = default;
};
