// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/LookChangeTimer.h"

#include "support/FakeClock.h"
#include "support/WaitUntil.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::Date;

// A view as the timer sees it: shown or not, a look that next changes
// `nextIn` seconds after whatever "now" it is asked about, and a log of what
// the timer made it do.
class LookChangeTimerTest : public ::testing::Test {
protected:
    QTimer* wait() { return timer.findChild<QTimer*>(); }

    FakeClock clock;
    bool shown = true;
    std::optional<double> nextIn;
    std::vector<Date> askedAt;
    std::vector<std::string> log;
    LookChangeTimer timer{clock.provider(), [this] { return shown; },
                          [this](Date now) -> std::optional<Date> {
                              askedAt.push_back(now);
                              log.emplace_back("ask");
                              if (!nextIn)
                                  return std::nullopt;
                              return now + *nextIn;
                          },
                          [this] { log.emplace_back("repaint"); }};
};

struct DelayCase {
    const char* name;
    double nextIn;
    int intervalMs;
};

class LookChangeTimerDelay : public LookChangeTimerTest, public ::testing::WithParamInterface<DelayCase> { };

// Rounded up to the millisecond and woken a little after, so the repaint
// never samples the clock just before the change.
TEST_P(LookChangeTimerDelay, WaitsUntilJustAfterTheChange)
{
    nextIn = GetParam().nextIn;
    timer.reschedule();
    ASSERT_NE(wait(), nullptr);
    EXPECT_TRUE(wait()->isActive());
    EXPECT_TRUE(wait()->isSingleShot());
    EXPECT_EQ(wait()->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(wait()->interval(), GetParam().intervalMs);
    ASSERT_EQ(askedAt.size(), 1u);
    EXPECT_EQ(askedAt.front(), clock.now());
}

INSTANTIATE_TEST_SUITE_P(Delays, LookChangeTimerDelay,
                         ::testing::Values(DelayCase{"wholeMilliseconds", 0.25, 255},
                                           DelayCase{"partMillisecond", 0.2501, 256}, DelayCase{"now", 0, 5},
                                           DelayCase{"overdue", -1, 5}, DelayCase{"farAway", 1e9, INT_MAX}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(LookChangeTimerTest, SleepsWhileHiddenOrWhenNothingChanges)
{
    shown = false;
    nextIn = 0.25;
    timer.reschedule();
    EXPECT_FALSE(wait()->isActive());
    EXPECT_TRUE(askedAt.empty()) << "a hidden view is not even asked";

    shown = true;
    nextIn.reset();
    timer.reschedule();
    EXPECT_FALSE(wait()->isActive());
}

TEST_F(LookChangeTimerTest, RescheduleReplacesTheWaitAndStopEndsIt)
{
    nextIn = 0.25;
    timer.reschedule();
    nextIn = 0.5;
    clock.advance(0.1);
    timer.reschedule();
    EXPECT_EQ(wait()->interval(), 505);
    EXPECT_EQ(askedAt.back(), clock.now());

    timer.stop();
    EXPECT_FALSE(wait()->isActive());

    // A view no longer shown drops the wait under way when asked again.
    timer.reschedule();
    shown = false;
    timer.reschedule();
    EXPECT_FALSE(wait()->isActive());
}

// Each wake-up repaints first, then asks again; once nothing changes any
// more the timer sleeps.
TEST_F(LookChangeTimerTest, WakesToRepaintThenWaitsForTheNextChange)
{
    nextIn = 0.001;
    timer.reschedule();
    log.clear();
    ASSERT_TRUE(platform::test::waitUntil([this] { return log.size() >= 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"repaint", "ask"}));
    EXPECT_TRUE(wait()->isActive()) << "still animating";

    nextIn.reset();
    log.clear();
    ASSERT_TRUE(platform::test::waitUntil([this] { return log.size() >= 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"repaint", "ask"}));
    EXPECT_FALSE(wait()->isActive()) << "nothing animates any more";
}

} // namespace
