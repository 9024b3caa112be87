// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/dotmatrix/DotMatrixRenderer.h"

#include "DotMatrixKit/DotMatrixRules.h"

#include "LookProbe.h"

#include <gtest/gtest.h>

using platform::Date;

namespace {

const QColor tint(255, 90, 79);

DisplayFrame frameAt(DisplayScale scale, bool bloom = true)
{
    DisplayFrame frame;
    frame.time = 1500;
    frame.color = DisplayColor::greenTerminal();
    frame.scale = scale;
    frame.style.bloomEnabled = bloom;
    return frame;
}

} // namespace

TEST(DotMatrixRendererTest, SizeClassSetsDotsGlowAndCorners)
{
    const struct {
        DisplayScale scale;
        qreal dotSize;
        qreal glow;
        qreal corner;
    } cases[] = {
        {DisplayScale::Compact, 1.5, 3, 4.5},
        {DisplayScale::Regular, 2, 4, 6},
        {DisplayScale::Floating, 8, 14, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::rawValueView(c.scale));
        auto frame = frameAt(c.scale);
        frame.style.dotWeight = DotWeight::Bold;
        const DotMatrixInputs inputs = DotMatrixRenderer().inputs(frame);
        EXPECT_EQ(inputs.style, DotStyle(c.dotSize, DotWeight::Bold, DotShape::Rounded));
        EXPECT_DOUBLE_EQ(inputs.style.effectiveDotSize(), c.dotSize * 1.2);
        EXPECT_EQ(inputs.glowRadius, c.glow);
        EXPECT_EQ(inputs.backgroundCornerRadius, c.corner);
        EXPECT_FALSE(inputs.drawsOwnBackground);

        // Bloom off means no glow layer at all, not one of radius 0.
        EXPECT_EQ(DotMatrixRenderer().inputs(frameAt(c.scale, false)).glowRadius, std::nullopt);
    }
}

TEST(DotMatrixRendererTest, FrameAndLookSettingsReachTheView)
{
    auto frame = frameAt(DisplayScale::Regular);
    frame.style.dotShape = DotShape::Square;
    frame.style.showDimmedOffCells = true;
    frame.style.colonMode = ColonMode::Contextual;
    frame.blinkDisplay = true;
    frame.displayOverride = u"12:34"_qs;
    frame.timeFormat = TimeFormat::Minimal;
    frame.showLeadingZero = true;
    frame.referenceTime = 600;
    const auto scaling = DigitScaling::perspectiveMinutes(1.4);

    const DotMatrixInputs inputs = DotMatrixRenderer(std::nullopt, scaling).inputs(frame);
    EXPECT_EQ(inputs.time, 1500);
    EXPECT_EQ(inputs.style.dotShape(), DotShape::Square);
    EXPECT_TRUE(inputs.showDimmedOffCells);
    EXPECT_EQ(inputs.colonMode, ColonMode::Contextual);
    EXPECT_TRUE(inputs.blinkDisplay);
    EXPECT_EQ(inputs.displayOverride, u"12:34"_qs);
    EXPECT_EQ(inputs.timeFormat, TimeFormat::Minimal);
    EXPECT_TRUE(inputs.showLeadingZero);
    EXPECT_EQ(inputs.referenceTime, 600);
    EXPECT_EQ(inputs.digitScaling, scaling);
    EXPECT_EQ(inputs.theme.dotColor, frame.color.dotColor());
    EXPECT_EQ(inputs.theme.backgroundColor, frame.color.backgroundColor());
    EXPECT_TRUE(inputs.phaseIndicators.empty());
    EXPECT_EQ(inputs.accessibilityLabel, std::nullopt);
}

TEST(DotMatrixRendererTest, APhaseTintSwitchesThePaletteOff)
{
    const auto palette = MulticolorPalette::sunset();
    const auto frame = frameAt(DisplayScale::Regular, false);

    const DotMatrixRenderer multicolor(std::nullopt, DigitScaling::uniform(), palette);
    const QList<QColor> colors = palette.colors();
    EXPECT_EQ(multicolor.inputs(frame).dotColorPalette, std::vector<QColor>(colors.begin(), colors.end()));

    const DotMatrixRenderer tinted(tint, DigitScaling::uniform(), palette);
    const DotMatrixInputs inputs = tinted.inputs(frame);
    EXPECT_TRUE(inputs.dotColorPalette.empty());
    EXPECT_EQ(inputs.phaseTintColor, tint);

    const LookProbe probe(tinted, frame);
    const auto layout = DotMatrixRules::layout(inputs);
    EXPECT_EQ(tinted.naturalSize(frame), layout.size);
    int lit = 0;
    for (const auto& dot : layout.positions) {
        if (!dot.isActive)
            continue;
        ++lit;
        EXPECT_TRUE(nearColor(probe.at(QPointF(dot.x, dot.y)), tint)) << dot.row << "," << dot.col;
    }
    EXPECT_GT(lit, 0);
}

TEST(DotMatrixRendererTest, StateFollowsTheColonAndBlinkRulesOfTheGlyphKit)
{
    auto frame = frameAt(DisplayScale::Compact);
    frame.style.colonMode = ColonMode::Pulsing;
    frame.blinkDisplay = true;
    const DotMatrixRenderer renderer;
    for (const double now : {0.0, 0.7, 1.0, 1.3}) {
        const Date date = Date::fromSecondsSinceReferenceDate(now);
        DisplayLookState state;
        renderer.advance(state, frame, date);
        const DotMatrixState expected = DotMatrixRules::state(renderer.inputs(frame), date);
        EXPECT_EQ(state.colonOpacity, expected.colonOpacity) << now;
        EXPECT_EQ(state.displayOpacity, expected.displayOpacity) << now;
        EXPECT_EQ(renderer.nextLookChange(frame, state, date),
                  DotMatrixRules::nextLookChange(renderer.inputs(frame), date));
    }
}

TEST(DotMatrixRendererTest, SameFrameSameDrawingWhateverTheRunningFlag)
{
    auto frame = frameAt(DisplayScale::Regular);
    const DotMatrixRenderer renderer(std::nullopt, DigitScaling::uniform(), MulticolorPalette::neon());
    const QImage first = LookProbe(renderer, frame).image();
    EXPECT_EQ(LookProbe(renderer, frame).image(), first);
    frame.isRunning = true;
    EXPECT_EQ(LookProbe(renderer, frame).image(), first);
}
