// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/PhaseStrip.h"

#include <gtest/gtest.h>

namespace {

using State = PhaseIndicator::State;

constexpr double tolerance = 1e-9;
// The grid of "00:00" in the default style.
const QSizeF clockGrid(93.8, 40.6);

TEST(PhaseStrip, NoIndicatorsNoStrip)
{
    EXPECT_TRUE(phaseStripSegments({}, DotStyle::defaultStyle(), clockGrid).empty());
}

TEST(PhaseStrip, OneSegmentSpansTheAvailableWidth)
{
    const auto segments = phaseStripSegments({{Qt::red, State::Active}}, DotStyle::defaultStyle(), clockGrid);
    ASSERT_EQ(segments.size(), 1u);
    const QRectF& rect = segments[0].rect;
    EXPECT_NEAR(rect.left(), 3.5, tolerance);
    EXPECT_NEAR(rect.width(), 93.8 - 7, tolerance);
    EXPECT_NEAR(rect.height(), 8.75 * 0.6, tolerance);
    EXPECT_NEAR(rect.bottom(), 40.6, tolerance);
    EXPECT_EQ(segments[0].color, QColor(Qt::red));
    EXPECT_DOUBLE_EQ(segments[0].opacity, 1.0);
}

TEST(PhaseStrip, SegmentsShareTheWidthWithGapsAndFadeByState)
{
    const std::vector<PhaseIndicator> indicators{
        {Qt::red, State::Completed}, {Qt::green, State::Active}, {Qt::blue, State::Future}};
    const auto segments = phaseStripSegments(indicators, DotStyle::defaultStyle(), clockGrid);
    ASSERT_EQ(segments.size(), 3u);
    const double available = 93.8 - 7;
    const double gap = available * 0.03;
    const double width = (available - 2 * gap) / 3;
    const qreal opacities[] = {0.4, 1.0, 0.15};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(segments[i].rect.left(), 3.5 + (gap + width) * static_cast<double>(i), tolerance);
        EXPECT_NEAR(segments[i].rect.width(), width, tolerance);
        EXPECT_EQ(segments[i].color, indicators[i].color);
        EXPECT_DOUBLE_EQ(segments[i].opacity, opacities[i]);
    }
    EXPECT_NEAR(segments.back().rect.right(), 93.8 - 3.5, tolerance);
}

// A small style: the strip keeps a height of 3 and a gap of 1.
TEST(PhaseStrip, HeightAndGapHaveFloors)
{
    const DotStyle small(1, DotWeight::Regular, DotShape::Square);
    const QSizeF grid(30, 12);
    const auto segments = phaseStripSegments({{Qt::red, State::Future}, {Qt::red, State::Future}}, small, grid);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_DOUBLE_EQ(segments[0].rect.height(), 3.0);
    EXPECT_NEAR(segments[1].rect.left() - segments[0].rect.right(), 1.0, tolerance);
}

// More phases than the width can hold would give segments of negative width,
// drawn over one another; no strip is drawn instead.
TEST(PhaseStrip, TooManyPhasesForTheWidthDrawNothing)
{
    const std::vector<PhaseIndicator> many(100, {Qt::red, State::Future});
    EXPECT_TRUE(phaseStripSegments(many, DotStyle::defaultStyle(), clockGrid).empty());
    EXPECT_TRUE(phaseStripSegments({{Qt::red, State::Active}}, DotStyle::defaultStyle(), QSizeF(5, 40)).empty());
}

} // namespace
