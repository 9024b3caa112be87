// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/ElapsedClock.h"

#include <functional>
#include <optional>

// Keeps performed deep links at least a second apart, so a link sent twice
// (a double click on a widget button, a desktop that retries) acts once.
// Measured from the last accepted link; refused links do not move it.
//
// The gap is read from a monotonic clock: with wall-clock dates a clock set
// back would refuse every link until it caught up again.
class DeepLinkGate {
public:
    // Seconds on a clock that never goes back; only differences matter.
    using MonotonicClock = platform::ElapsedClock;

    static constexpr double minimumInterval = 1.0;

    explicit DeepLinkGate(MonotonicClock clock = platform::bootTimeSeconds);

    // Whether a link arriving now may be performed; accepting it starts the
    // next interval.
    bool admit();

private:
    MonotonicClock m_clock;
    std::optional<double> m_lastAccepted;
};
