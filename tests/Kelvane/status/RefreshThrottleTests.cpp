// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/RefreshThrottle.h"

#include "support/ManualOneShotTimer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each case is a script: 'p' pokes, 'w' closes the window (when one is open).
TEST(RefreshThrottleTest, ActsOnTheFirstPokeAndOnceAtTheEndOfABusyWindow)
{
    const struct {
        std::string script;
        int actions;
    } cases[] = {
        {"", 0},     {"p", 1},     {"pw", 1},  {"pp", 1},   {"ppw", 2},   {"pppppw", 2},
        {"ppwp", 2}, {"ppwpw", 3}, {"pwp", 2}, {"pwwp", 2}, {"ppwwp", 3},
    };
    for (const auto& c : cases) {
        auto timer = std::make_unique<ManualOneShotTimer>();
        ManualOneShotTimer* window = timer.get();
        int actions = 0;
        RefreshThrottle throttle(std::move(timer), 0.2, [&] { ++actions; });
        for (const char step : c.script) {
            if (step == 'p')
                throttle.poke();
            else
                window->fire();
        }
        EXPECT_EQ(actions, c.actions) << c.script;
        if (window->starts > 0) {
            EXPECT_EQ(window->delay, 0.2);
        }
    }
}

} // namespace
