// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/audio/SoundPlaying.h"

#include <QList>

// Records the sounds it is asked to play, in order.
class RecordingSoundPlayer final : public SoundPlaying {
public:
    void play(CompletionSound sound) override { played.append(sound); }

    QList<CompletionSound> played;
};
