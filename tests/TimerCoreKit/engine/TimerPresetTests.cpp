// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerPreset.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TimerPresetLibrary, ListsTheFixedPresetsThenTheCustomOne)
{
    const auto presets = TimerPresetLibrary::presets(900);
    ASSERT_EQ(presets.size(), 5);
    const TimerPreset expected[] = {
        {"preset.quick-5", "5 min", 300, false},      {"preset.quick-10", "10 min", 600, false},
        {"preset.classic-25", "25 min", 1500, false}, {"preset.deep-45", "45 min", 2700, false},
        {"preset.custom", "Custom", 900, true},
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(presets[i], expected[i]) << i;
}

TEST(TimerPresetLibrary, CustomLengthIsAtLeastOneSecond)
{
    struct Case {
        double given;
        double expected;
    };
    for (const auto& c : {Case{0, 1}, Case{-30, 1}, Case{NAN, 1}, Case{0.5, 1}, Case{5400, 5400}})
        EXPECT_EQ(TimerPresetLibrary::presets(c.given).last().duration, c.expected) << c.given;
}

TEST(TimerPresetLibrary, LooksUpByExactIdAndFallsBackToTheFirst)
{
    EXPECT_EQ(TimerPresetLibrary::preset(std::nullopt, 900).id, "preset.quick-5");
    EXPECT_EQ(TimerPresetLibrary::preset(QStringLiteral("preset.Classic-25"), 900).id, "preset.quick-5");
    const auto custom = TimerPresetLibrary::preset(QStringLiteral("preset.custom"), 600);
    EXPECT_EQ(custom.duration, 600);
    EXPECT_TRUE(custom.isCustom);
    EXPECT_EQ(TimerPresetLibrary::preset(QStringLiteral("preset.deep-45"), 600).duration, 2700);
}

TEST(TimerPreset, JsonNeedsAllFourFields)
{
    const TimerPreset preset{"preset.deep-45", "45 min", 2700, false};
    EXPECT_EQ(TimerPreset::fromJson(preset.toJson()), preset);
    auto missing = preset.toJson();
    missing.remove("isCustom");
    EXPECT_FALSE(TimerPreset::fromJson(missing));
}

} // namespace
