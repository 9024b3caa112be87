// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/RefreshThrottle.h"

#include "support/ManualOneShotTimer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Read off a clock, the window wakes the program only when an action waits:
// pokes are at the given seconds; a waiting action runs when the clock
// reaches the end of its window, before the next poke.
TEST(RefreshThrottleTest, OnAClockTheTimerRunsOnlyWhileAnActionWaits)
{
    const struct {
        const char* name;
        std::vector<double> pokes;
        std::vector<double> actions;
        int timerStarts;
    } cases[] = {
        {"one poke a second", {0, 1, 2, 3}, {0, 1, 2, 3}, 0},
        {"a burst", {0, 0.05, 0.1}, {0, 0.2}, 1},
        {"a poke just after a merged action", {0, 0.1, 0.25}, {0, 0.2, 0.4}, 2},
        {"a window apart", {0, 0.2, 0.4}, {0, 0.2, 0.4}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto timer = std::make_unique<ManualOneShotTimer>();
        ManualOneShotTimer* window = timer.get();
        double now = 0;
        double due = 0;
        std::vector<double> actions;
        RefreshThrottle throttle(
            std::move(timer), [&] { return now; }, 0.2, [&] { actions.push_back(now); });
        const auto runDue = [&](double until) {
            if (window->isPending() && due <= until) {
                now = due;
                window->fire();
            }
        };
        for (const double at : c.pokes) {
            runDue(at);
            now = at;
            const int starts = window->starts;
            throttle.poke();
            if (window->starts > starts)
                due = now + *window->delay;
        }
        runDue(1e9);
        ASSERT_EQ(actions.size(), c.actions.size());
        for (std::size_t i = 0; i < actions.size(); ++i)
            EXPECT_NEAR(actions[i], c.actions[i], 1e-9) << i;
        EXPECT_EQ(window->starts, c.timerStarts);
    }
}

TEST(RefreshThrottleTest, TheMergedActionSeesTheLatestValue)
{
    auto timer = std::make_unique<ManualOneShotTimer>();
    ManualOneShotTimer* window = timer.get();
    double now = 0;
    int value = 0;
    std::vector<int> seen;
    RefreshThrottle throttle(
        std::move(timer), [&] { return now; }, 0.2, [&] { seen.push_back(value); });
    for (const int next : {1, 2, 3}) {
        value = next;
        throttle.poke();
        now += 0.05;
    }
    now = 0.2;
    window->fire();
    EXPECT_EQ(seen, (std::vector<int>{1, 3}));
}

} // namespace
