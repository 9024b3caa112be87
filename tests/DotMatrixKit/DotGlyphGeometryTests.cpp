// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGlyphGeometry.h"

#include "DotMatrixKit/DigitMapper.h"

#include <gtest/gtest.h>

namespace {

constexpr double tolerance = 1e-9;

struct FitCase {
    const char* name;
    QSizeF canvas;
    QRectF firstDot; // of the top-left cell of an 8
};

class GlyphFitting : public ::testing::TestWithParam<FitCase> { };

// Square cells fitted to the tighter axis, the block centred, dots at 80 %.
TEST_P(GlyphFitting, FitsTheTighterAxisAndCentres)
{
    const auto& c = GetParam();
    const auto rects = glyphDotRects(DotGlyph(*DigitMapper::matrix(u"8")), c.canvas);
    ASSERT_EQ(rects.size(), 13u);
    EXPECT_NEAR(rects.front().x(), c.firstDot.x(), tolerance);
    EXPECT_NEAR(rects.front().y(), c.firstDot.y(), tolerance);
    EXPECT_NEAR(rects.front().width(), c.firstDot.width(), tolerance);
    EXPECT_NEAR(rects.front().height(), c.firstDot.height(), tolerance);
}

INSTANTIATE_TEST_SUITE_P(Canvases, GlyphFitting,
                         ::testing::Values(FitCase{"tall", {30, 100}, {1, 26, 8, 8}},
                                           FitCase{"wide", {100, 30}, {41.6, 0.6, 4.8, 4.8}},
                                           FitCase{"exact", {15, 25}, {0.5, 0.5, 4, 4}}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(GlyphFitting, OnlyLitCellsGetDots)
{
    const auto rects = glyphDotRects(DotGlyph(*DigitMapper::matrix(u"1")), {30, 50});
    ASSERT_EQ(rects.size(), 5u);
    for (const auto& rect : rects)
        EXPECT_NEAR(rect.x(), 21, tolerance);
}

TEST(GlyphFitting, EmptyOrRaggedPatternsAreSafe)
{
    EXPECT_TRUE(glyphDotRects(DotGlyph(GlyphPattern()), {30, 30}).empty());
    EXPECT_TRUE(glyphDotRects(DotGlyph(GlyphPattern({{}, {true}})), {30, 30}).empty());
    // The second row is shorter than the first: its missing cells are unlit.
    EXPECT_EQ(glyphDotRects(DotGlyph(GlyphPattern({{true, true}, {true}})), {20, 20}).size(), 3u);
}

} // namespace
