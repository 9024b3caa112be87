// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/ElapsedClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(ElapsedClock, BootTimeNeverGoesBackAndKeepsPaceWithTheMonotonicClock)
{
    using namespace std::chrono;
    double previous = platform::bootTimeSeconds();
    for (int read = 0; read < 10000; ++read) {
        const double now = platform::bootTimeSeconds();
        ASSERT_GE(now, previous);
        previous = now;
    }

    // steady_clock is CLOCK_MONOTONIC; without a suspend the two move alike.
    const auto monotonicBefore = steady_clock::now();
    const double bootBefore = platform::bootTimeSeconds();
    std::this_thread::sleep_for(100ms);
    const double bootPassed = platform::bootTimeSeconds() - bootBefore;
    const double monotonicPassed = duration<double>(steady_clock::now() - monotonicBefore).count();
    EXPECT_GE(bootPassed, 0.1);
    EXPECT_NEAR(bootPassed, monotonicPassed, 0.01);
}

} // namespace
