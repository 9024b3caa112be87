// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/ColorModes.h"

#include <gtest/gtest.h>

// Only preset choices compare their ids; the other kinds carry none.
TEST(ColorModesTest, EqualityFollowsKindThenPresetID)
{
    const auto amber = DigitColorMode::solidPreset(QStringLiteral("amber"));
    const struct {
        DigitColorMode lhs;
        DigitColorMode rhs;
        bool equal;
    } digitCases[] = {
        {amber, DigitColorMode::solidPreset(QStringLiteral("amber")), true},
        {amber, DigitColorMode::solidPreset(QStringLiteral("dark")), false},
        {amber, DigitColorMode::custom(), false},
        {amber, DigitColorMode::multicolor(), false},
        {DigitColorMode::solidPreset({}), DigitColorMode::custom(), false},
        {DigitColorMode::custom(), DigitColorMode::custom(), true},
        {DigitColorMode::multicolor(), DigitColorMode::multicolor(), true},
        {DigitColorMode::custom(), DigitColorMode::multicolor(), false},
    };
    for (const auto& c : digitCases) {
        EXPECT_EQ(c.lhs == c.rhs, c.equal) << c.lhs.presetID().toStdString() << " / " << c.rhs.presetID().toStdString();
        EXPECT_EQ(c.rhs == c.lhs, c.equal);
    }

    const auto dark = BackgroundMode::preset(QStringLiteral("dark"));
    EXPECT_EQ(dark, BackgroundMode::preset(QStringLiteral("dark")));
    EXPECT_NE(dark, BackgroundMode::preset(QStringLiteral("light")));
    EXPECT_NE(dark, BackgroundMode::custom());
    EXPECT_NE(BackgroundMode::preset({}), BackgroundMode::custom());
    EXPECT_EQ(BackgroundMode::custom(), BackgroundMode::custom());
}
