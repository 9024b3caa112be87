// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayRendererFactory.h"

#include "LookProbe.h"

#include <gtest/gtest.h>

namespace {

const QColor tint(255, 90, 79);

DisplayFrame sample()
{
    DisplayFrame frame;
    frame.time = 1500;
    frame.color = DisplayColor::amber();
    frame.style.bloomEnabled = false;
    return frame;
}

QImage drawn(DisplayType type, const DisplayLookSettings& settings, const DisplayFrame& frame = sample())
{
    return LookProbe(*DisplayRendererFactory::renderer(type, settings), frame).image();
}

} // namespace

TEST(DisplayRendererFactoryTest, BuildsTheLookItIsAskedFor)
{
    for (const auto type : platform::allCases<DisplayType>())
        EXPECT_EQ(DisplayRendererFactory::renderer(type, {})->displayType(), type) << platform::rawValueView(type);
}

TEST(DisplayRendererFactoryTest, PerLookSettingsReachOnlyTheLooksThatUseThem)
{
    const DisplayLookSettings plain;
    DisplayLookSettings perspective;
    perspective.digitScaling = DigitScaling::perspectiveMinutes(1.5);
    DisplayLookSettings multicolor;
    multicolor.palette = MulticolorPalette::rainbow();
    DisplayLookSettings tinted;
    tinted.phaseTintColor = tint;

    const struct {
        DisplayType type;
        bool usesDigitScaling;
        bool usesPalette;
    } looks[] = {
        {DisplayType::DotMatrix, true, true},
        {DisplayType::SevenSegment, false, true},
        {DisplayType::FlipClock, false, false},
        {DisplayType::SmallAndBig, false, true},
    };
    for (const auto& look : looks) {
        SCOPED_TRACE(platform::rawValueView(look.type));
        const QImage base = drawn(look.type, plain);
        EXPECT_EQ(drawn(look.type, perspective) != base, look.usesDigitScaling);
        EXPECT_EQ(drawn(look.type, multicolor) != base, look.usesPalette);
        EXPECT_NE(drawn(look.type, tinted), base) << "every look takes the phase tint";
    }
}
