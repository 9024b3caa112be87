// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGridLayout.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr double tolerance = 1e-9;

const DotGridLayout defaultGrid(DotStyle::defaultStyle());

struct LayoutCase {
    const char* name;
    QString text;
    DigitScaling scaling;
    std::size_t positionCount;
    DotPosition first;
    QSizeF size;
};

class GridLayoutCases : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(GridLayoutCases, PlacesTheFirstDotAndSizesTheGrid)
{
    const auto& c = GetParam();
    const auto positions = defaultGrid.positions(c.text, c.scaling);
    ASSERT_EQ(positions.size(), c.positionCount);
    EXPECT_NEAR(positions.front().x, c.first.x, tolerance);
    EXPECT_NEAR(positions.front().y, c.first.y, tolerance);
    EXPECT_NEAR(positions.front().size, c.first.size, tolerance);
    EXPECT_EQ(positions.front().isActive, c.first.isActive);

    const QSizeF size = defaultGrid.totalSize(c.text, c.scaling);
    EXPECT_NEAR(size.width(), c.size.width(), tolerance);
    EXPECT_NEAR(size.height(), c.size.height(), tolerance);
}

// Scaled-up minutes grow the width but never the height: they reach into the padding.
INSTANTIATE_TEST_SUITE_P(
    DefaultStyle, GridLayoutCases,
    ::testing::Values(
        LayoutCase{"clock", "00:00", DigitScaling::uniform(), 65, {10.5, 10.5, 3.5, false, true}, {93.8, 40.6}},
        LayoutCase{"perspective",
                   "00:00",
                   DigitScaling::perspectiveMinutes(1.5),
                   65,
                   {11.375, 5.6, 5.25, false, true},
                   {114.45, 40.6}},
        LayoutCase{"oneIsRightAligned",
                   "1",
                   DigitScaling::uniform(),
                   15,
                   {10.5, 10.5, 3.5, false, false},
                   {8.75 + 13.3 + 8.75, 40.6}},
        LayoutCase{"threeDigitMinutes",
                   "100:00",
                   DigitScaling::uniform(),
                   80,
                   {10.5, 10.5, 3.5, false, false},
                   {93.8 + 18.2, 40.6}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(DotGridLayout, EmptyTextHasNoDotsAndOnlyPadding)
{
    EXPECT_TRUE(defaultGrid.positions(u"", DigitScaling::uniform()).empty());
    const QSizeF size = defaultGrid.totalSize(u"", DigitScaling::perspectiveMinutes(2));
    EXPECT_NEAR(size.width(), 17.5, tolerance);
    EXPECT_NEAR(size.height(), 40.6, tolerance);
}

// Characters without a glyph take no room and add no gap, but still count
// for the offsets that decide the perspective scale.
TEST(DotGridLayout, CharactersWithoutGlyphsAreSkippedEntirely)
{
    const auto uniform = DigitScaling::uniform();
    EXPECT_EQ(defaultGrid.positions(u"1a2", uniform), defaultGrid.positions(u"12", uniform));
    // A digit with a combining accent is one character, and not a digit.
    EXPECT_EQ(defaultGrid.positions(u"1\u03012", uniform), defaultGrid.positions(u"2", uniform));
    EXPECT_NEAR(defaultGrid.totalSize(u"ab", uniform).width(), 17.5, tolerance);
}

TEST(DotGridLayout, TextWithoutColonIgnoresThePerspective)
{
    EXPECT_EQ(defaultGrid.positions(u"1234", DigitScaling::perspectiveMinutes(2)),
              defaultGrid.positions(u"1234", DigitScaling::uniform()));
}

class PerspectiveClock : public ::testing::Test {
protected:
    // 5 digit and colon glyphs of 15 and 5 cells.
    static const DotPosition& firstDotOfCharacter(const std::vector<DotPosition>& positions, int character)
    {
        static constexpr int cellsBefore[] = {0, 15, 30, 35, 50};
        return positions[static_cast<std::size_t>(cellsBefore[character])];
    }

    const std::vector<DotPosition> positions = defaultGrid.positions(u"12:34", DigitScaling::perspectiveMinutes(1.5));
};

TEST_F(PerspectiveClock, MinutesAndTheColonScaleAndTheSecondsDoNot)
{
    for (int character = 0; character < 5; ++character)
        EXPECT_DOUBLE_EQ(firstDotOfCharacter(positions, character).size, character <= 2 ? 5.25 : 3.5) << character;
}

TEST_F(PerspectiveClock, GapAfterTheColonIsTheSmallerScale)
{
    // Colon at 63.35 with a pitch of 7.35, then a gap of 3.5 x min(1.5, 1).
    EXPECT_NEAR(firstDotOfCharacter(positions, 2).x, 63.35 + 2.625, tolerance);
    EXPECT_NEAR(firstDotOfCharacter(positions, 3).x, 63.35 + 7.35 + 3.5 + 1.75, tolerance);
    EXPECT_NEAR(firstDotOfCharacter(positions, 3).y, 10.5, tolerance);
}

TEST(DotGridLayout, OnlyTheFirstColonEndsTheScaledPart)
{
    const auto positions = defaultGrid.positions(u"1:2:3", DigitScaling::perspectiveMinutes(2));
    ASSERT_EQ(positions.size(), 55u);
    EXPECT_DOUBLE_EQ(positions[15].size, 7.0); // first colon
    EXPECT_DOUBLE_EQ(positions[35].size, 3.5); // second colon
}

TEST(DotGridLayout, CellsCarryGlyphLocalCoordinatesAndTheColonFlag)
{
    const auto positions = defaultGrid.positions(u"8:8", DigitScaling::uniform());
    ASSERT_EQ(positions.size(), 35u);
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(positions[i].row, positions[i + 20].row);
        EXPECT_EQ(positions[i].col, positions[i + 20].col);
        EXPECT_FALSE(positions[i].isColonDot);
    }
    for (std::size_t i = 15; i < 20; ++i) {
        EXPECT_TRUE(positions[i].isColonDot);
        EXPECT_EQ(positions[i].col, 0);
        EXPECT_EQ(positions[i].row, static_cast<int>(i - 15));
        EXPECT_EQ(positions[i].isActive, i == 16 || i == 18);
    }
}

TEST(DotGridLayout, CheckmarkIsCentredOnAFourDigitClock)
{
    const auto positions = defaultGrid.checkmarkPositions(DigitScaling::uniform());
    ASSERT_EQ(positions.size(), 35u);
    EXPECT_EQ(std::count_if(positions.begin(), positions.end(), [](const auto& p) { return p.isActive; }), 9);
    EXPECT_NEAR(positions.front().x - positions.front().size / 2, 30.45, tolerance);
    for (int col = 0; col < 7; ++col)
        EXPECT_NEAR(positions[static_cast<std::size_t>(col)].y, 10.5, tolerance);

    // Row by row: the top row is lit only at its right end, the bottom one in the middle left.
    const auto lit = [&](int row, int col) { return positions[static_cast<std::size_t>(row * 7 + col)].isActive; };
    EXPECT_TRUE(lit(0, 6));
    EXPECT_FALSE(lit(0, 0));
    EXPECT_TRUE(lit(4, 1));
    EXPECT_TRUE(lit(4, 2));
    EXPECT_FALSE(lit(4, 0));
}

TEST(DotGridLayout, CheckmarkStaysAtScaleOneOnAWiderGrid)
{
    const auto positions = defaultGrid.checkmarkPositions(DigitScaling::perspectiveMinutes(1.5));
    EXPECT_DOUBLE_EQ(positions.front().size, 3.5);
    EXPECT_NEAR(positions.front().x - 1.75, (114.45 - 32.9) / 2, tolerance);
}

TEST(DotGridLayout, PaletteSlotReferenceValues)
{
    struct SlotCase {
        int row, col, count, expected;
    };
    // Worked out by hand from the hash with wrapping 64-bit products.
    const SlotCase cases[] = {
        {0, 0, 5, 0}, {1, 0, 5, 3},  {0, 1, 5, 3},  {2, 1, 7, 3},
        {4, 2, 3, 2}, {-1, 0, 5, 0}, {0, -3, 7, 3}, {4, 6, 1000003, 236019},
        {3, 2, 0, 0}, {3, 2, -4, 0}, {3, 2, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DotGridLayout::paletteSlot(c.row, c.col, c.count), c.expected)
            << c.row << "," << c.col << "/" << c.count;
}

TEST(DotGridLayout, PaletteSlotStaysInRange)
{
    for (const int count : {1, 2, 3, 5, 8, 13}) {
        for (int row = -6; row < 6; ++row) {
            for (int col = -8; col < 8; ++col) {
                const int slot = DotGridLayout::paletteSlot(row, col, count);
                EXPECT_GE(slot, 0);
                EXPECT_LT(slot, count);
            }
        }
    }
}

} // namespace
