// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/options/CompletionOptions.h"

// Plays a completion sound for the timer core, which has no sound output of
// its own; the app provides the real player and tests a fake.
class SoundPlaying {
public:
    virtual ~SoundPlaying() = default;
    virtual void play(CompletionSound sound) = 0;

protected:
    SoundPlaying() = default;
    SoundPlaying(const SoundPlaying&) = default;
    SoundPlaying& operator=(const SoundPlaying&) = default;
};
