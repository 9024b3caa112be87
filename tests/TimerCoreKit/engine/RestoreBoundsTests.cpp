// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/RestoreBounds.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RestoreBounds, NumbersComeBackWithinWhatATimerCanHold)
{
    struct Case {
        const char* name;
        double duration, remaining, elapsed;
        double expectedDuration, expectedRemaining, expectedElapsed;
    };
    const double inf = INFINITY;
    const double nan = NAN;
    const double preset = 1500;
    const Case cases[] = {
        {"within bounds", 300, 120, 7, 300, 120, 7},
        {"time left below zero", 300, -1e308, 0, 300, 0, 0},
        {"time left past the duration", 300, 301, 0, 300, 300, 0},
        {"time left not a number", 300, nan, 0, 300, 300, 0},
        {"time left infinite", 300, -inf, 0, 300, 300, 0},
        {"negative duration", -5, -5, 0, 0, 0, 0},
        {"duration not a number", nan, 100, 0, preset, 100, 0},
        {"infinite duration", inf, inf, 0, preset, preset, 0},
        {"negative elapsed", 300, 300, -1, 300, 300, 0},
        {"elapsed not a number", 300, 300, nan, 300, 300, 0},
        {"infinite elapsed", 300, 300, inf, 300, 300, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TimerStateSnapshot snapshot;
        snapshot.duration = c.duration;
        snapshot.remaining = c.remaining;
        snapshot.elapsed = c.elapsed;
        const auto bounded = withinRestoreBounds(snapshot, preset);
        EXPECT_EQ(bounded.duration, c.expectedDuration);
        EXPECT_EQ(bounded.remaining, c.expectedRemaining);
        EXPECT_EQ(bounded.elapsed, c.expectedElapsed);
    }
}

} // namespace
