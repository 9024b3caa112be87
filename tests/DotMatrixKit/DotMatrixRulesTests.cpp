// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/DotMatrixRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using platform::Date;

Date at(double seconds)
{
    return Date::fromSecondsSinceReferenceDate(seconds);
}

DotMatrixInputs showing(std::optional<QString> displayOverride, double time = 0)
{
    DotMatrixInputs inputs;
    inputs.time = time;
    inputs.displayOverride = std::move(displayOverride);
    return inputs;
}

TEST(DotMatrixRules, OverrideReplacesTheFormattedTime)
{
    auto inputs = showing(std::nullopt, 754);
    EXPECT_EQ(DotMatrixRules::displayText(inputs), "12:34");
    inputs.timeFormat = TimeFormat::Minimal;
    inputs.showLeadingZero = true;
    EXPECT_EQ(DotMatrixRules::displayText(inputs), "12");
    inputs.displayOverride = QStringLiteral("");
    EXPECT_EQ(DotMatrixRules::displayText(inputs), "");
}

TEST(DotMatrixRules, OnlyTheCheckmarkAloneIsCheckmarkMode)
{
    EXPECT_TRUE(DotMatrixRules::isCheckmarkMode(showing(QStringLiteral("\u2713"))));
    EXPECT_FALSE(DotMatrixRules::isCheckmarkMode(showing(QStringLiteral("\u2713 "))));
    EXPECT_FALSE(DotMatrixRules::isCheckmarkMode(showing(std::nullopt)));
}

TEST(DotMatrixRules, LabelDefaultsByModeAndAGivenLabelWins)
{
    auto complete = showing(QStringLiteral("\u2713"));
    auto running = showing(std::nullopt, 90);
    EXPECT_EQ(DotMatrixRules::accessibleLabel(complete), "Timer complete");
    EXPECT_EQ(DotMatrixRules::accessibleLabel(running), "Timer display");
    complete.accessibilityLabel = running.accessibilityLabel = QStringLiteral("1 minute 30 seconds remaining");
    EXPECT_EQ(DotMatrixRules::accessibleLabel(complete), "1 minute 30 seconds remaining");
    EXPECT_EQ(DotMatrixRules::accessibleLabel(running), "1 minute 30 seconds remaining");
}

TEST(DotMatrixRules, CheckmarkLaysOutTheLargeMarkOnAClockWidth)
{
    auto inputs = showing(QStringLiteral("\u2713"));
    inputs.digitScaling = DigitScaling::perspectiveMinutes(1.5);
    const auto layout = DotMatrixRules::layout(inputs);
    const DotGridLayout grid(inputs.style);
    EXPECT_EQ(layout.positions, grid.checkmarkPositions(inputs.digitScaling));
    EXPECT_EQ(layout.size, grid.totalSize(u"00:00", inputs.digitScaling));
}

TEST(DotMatrixRules, TextWithoutGlyphsIsOnlyPadding)
{
    const auto layout = DotMatrixRules::layout(showing(QStringLiteral("done")));
    EXPECT_TRUE(layout.positions.empty());
    EXPECT_DOUBLE_EQ(layout.size.width(), 2 * DotStyle::defaultStyle().gridPadding());
}

struct ColonCase {
    ColonMode mode;
    const char* text;
    double now;
    qreal expected;
};

TEST(DotMatrixRules, ColonOpacity)
{
    const ColonCase cases[] = {
        {ColonMode::Always, "12", 1, 1.0},
        {ColonMode::Always, "12:34", 1, 1.0},
        {ColonMode::Pulsing, "12:34", 0, 1.0},
        {ColonMode::Pulsing, "12:34", 0.99, 1.0},
        {ColonMode::Pulsing, "12:34", 1, 0.4},
        {ColonMode::Pulsing, "12:34", 1.99, 0.4},
        {ColonMode::Pulsing, "12:34", 2, 1.0},
        {ColonMode::Pulsing, "12:34", 789'000'001.5, 0.4},
        {ColonMode::Pulsing, "12:34", std::numeric_limits<double>::quiet_NaN(), 1.0},
        {ColonMode::Contextual, "12:34", 1, 1.0},
        {ColonMode::Contextual, "12", 2, 0.0},
        {ColonMode::Contextual, "", 2, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(DotMatrixRules::colonOpacity(c.mode, QString::fromUtf8(c.text), at(c.now)), c.expected)
            << platform::rawValueView(c.mode) << " \"" << c.text << "\" at " << c.now;
    }
}

TEST(DotMatrixRules, BlinkAlternatesEverySixTenths)
{
    const std::pair<double, qreal> samples[]
        = {{0, 1.0}, {0.59, 1.0}, {0.61, 0.25}, {1.19, 0.25}, {1.21, 1.0}, {2.0, 0.25}, {3.7, 1.0}};
    for (const auto& [now, expected] : samples)
        EXPECT_DOUBLE_EQ(DotMatrixRules::displayOpacity(true, at(now)), expected) << now;
    EXPECT_DOUBLE_EQ(DotMatrixRules::displayOpacity(false, at(0.9)), 1.0);
}

TEST(DotMatrixRules, StateSamplesColonFromTheShownText)
{
    auto inputs = showing(std::nullopt, 30);
    inputs.colonMode = ColonMode::Contextual;
    inputs.timeFormat = TimeFormat::Minimal;
    inputs.blinkDisplay = true;
    const auto state = DotMatrixRules::state(inputs, at(0.9));
    EXPECT_DOUBLE_EQ(state.colonOpacity, 0.0);
    EXPECT_DOUBLE_EQ(state.displayOpacity, 0.25);
}

TEST(DotMatrixRules, NextLookChange)
{
    struct Case {
        ColonMode mode;
        bool blink;
        double now;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {ColonMode::Always, false, 10.3, std::nullopt},
        {ColonMode::Contextual, false, 10.3, std::nullopt},
        {ColonMode::Pulsing, false, 10.3, 11.0},
        {ColonMode::Pulsing, false, 11.0, 12.0},
        {ColonMode::Always, true, 10.3, 10.8},
        {ColonMode::Pulsing, true, 10.9, 11.0},
        {ColonMode::Pulsing, true, 11.7, 12.0},
        {ColonMode::Pulsing, true, std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases) {
        auto inputs = showing(std::nullopt, 60);
        inputs.colonMode = c.mode;
        inputs.blinkDisplay = c.blink;
        const auto next = DotMatrixRules::nextLookChange(inputs, at(c.now));
        SCOPED_TRACE(::testing::Message() << platform::rawValueView(c.mode) << " blink " << c.blink << " at " << c.now);
        ASSERT_EQ(next.has_value(), c.expected.has_value());
        if (next) {
            EXPECT_NEAR(next->secondsSinceReferenceDate(), *c.expected, 1e-9);
            EXPECT_GT(next->secondsSinceReferenceDate(), c.now);
        }
    }
}

} // namespace
