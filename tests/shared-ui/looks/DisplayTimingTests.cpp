// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayTiming.h"

#include <gtest/gtest.h>

#include <limits>

using platform::Date;

namespace {

Date at(double seconds)
{
    return Date::fromSecondsSinceReferenceDate(seconds);
}

} // namespace

TEST(DisplayTimingTest, ColonOpacityByMode)
{
    const struct {
        ColonMode mode;
        double time;
        double now;
        qreal expected;
    } cases[] = {
        {ColonMode::Always, 0, 1, 1.0},
        {ColonMode::Pulsing, 300, 10.9, 1.0},
        {ColonMode::Pulsing, 300, 11.0, 0.4},
        {ColonMode::Pulsing, 300, -1.5, 0.4}, // truncated toward zero: -1
        {ColonMode::Pulsing, 300, -0.5, 1.0},
        {ColonMode::Contextual, 59, 0, 0.0},
        {ColonMode::Contextual, 59.99, 0, 0.0},
        {ColonMode::Contextual, 60, 1, 1.0},
        {ColonMode::Contextual, std::numeric_limits<double>::quiet_NaN(), 0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << platform::rawValueView(c.mode) << " time " << c.time << " now " << c.now);
        EXPECT_EQ(DisplayTiming::colonOpacity(c.mode, c.time, at(c.now)), c.expected);
    }
}

TEST(DisplayTimingTest, OddSecondsSurviveHugeAndUnmeasurableDates)
{
    EXPECT_FALSE(DisplayTiming::isOddSecond(at(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(DisplayTiming::nextWholeSecond(at(std::numeric_limits<double>::infinity())), std::nullopt);
    EXPECT_EQ(DisplayTiming::nextWholeSecond(at(41.2)), at(42));
    EXPECT_EQ(DisplayTiming::nextWholeSecond(at(42)), at(43));
    EXPECT_EQ(DisplayTiming::nextWholeSecond(at(-0.5)), at(0));
}
