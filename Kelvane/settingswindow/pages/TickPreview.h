// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/audio/TickSoundGenerator.h"

#include "PlatformKit/core/OneShotTimer.h"

#include <memory>

// Lets the user hear a tick style as it is chosen: one tick, then the output
// closed a moment later.
class TickPreview {
public:
    TickPreview(std::unique_ptr<TickSoundGenerator> generator, std::unique_ptr<platform::OneShotTimer> stopTimer);

    void preview(TickStyle style);

    const TickSoundGenerator& generator() const { return *m_generator; }

    // How long the output stays open after the tick.
    static constexpr double stopDelay = 0.1;

private:
    std::unique_ptr<TickSoundGenerator> m_generator;
    std::unique_ptr<platform::OneShotTimer> m_stopTimer;
};
