// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/blocks/BlockGlyphCells.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const BlockFont::GlyphRows* const everyGlyph[]
    = {&BlockFont::d0, &BlockFont::d1, &BlockFont::d2, &BlockFont::d3, &BlockFont::d4,       &BlockFont::d5,
       &BlockFont::d6, &BlockFont::d7, &BlockFont::d8, &BlockFont::d9, &BlockFont::checkmark};

// Half-open, so pieces that only touch never both hold a point.
bool holds(const QRectF& rect, QPointF point)
{
    return point.x() >= rect.left() && point.x() < rect.right() && point.y() >= rect.top() && point.y() < rect.bottom();
}

int countHolding(const std::vector<QRectF>& rects, QPointF point)
{
    int count = 0;
    for (const QRectF& rect : rects)
        count += holds(rect, point) ? 1 : 0;
    return count;
}

struct CellSize {
    qreal pitch;
    qreal side;
};

class GlyphCover : public testing::TestWithParam<CellSize> { };

// The cover must be the squares' union, piece for piece disjoint: sampled on
// a grid much finer than a cell, at an offset that keeps off the edges.
TEST_P(GlyphCover, IsTheUnionOfTheSquaresWithoutOverlap)
{
    const auto [pitch, side] = GetParam();
    const QPointF origin(2.25, 3.5);
    for (const auto* glyph : everyGlyph) {
        std::vector<QRectF> squares;
        BlockGlyphCells::forEachLit(*glyph, [&](int row, int column) {
            squares.push_back(BlockGlyphCells::cellSquare(origin, row, column, pitch, side));
        });
        const auto cover = BlockGlyphCells::coverOfLitCells(*glyph, origin, pitch, side);
        const qreal step = pitch / 12;
        for (qreal y = origin.y() - pitch + 0.0123; y < origin.y() + 10 * pitch; y += step) {
            for (qreal x = origin.x() - pitch + 0.0123; x < origin.x() + 8 * pitch; x += step) {
                const QPointF point(x, y);
                ASSERT_EQ(countHolding(cover, point) > 0, countHolding(squares, point) > 0) << x << ", " << y;
                ASSERT_LE(countHolding(cover, point), 1) << x << ", " << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BlockGlyphCells, GlyphCover,
                         testing::Values(CellSize{1.5, 2.0}, // the large small-and-big cell
                                         CellSize{0.5625, 1.0625}, // the smallest: compact seconds
                                         CellSize{4.0 / 3, 4.0 / 3 + 0.5}, // a regular flip card
                                         CellSize{6, 6}), // palette cells, edge to edge
                         [](const testing::TestParamInfo<CellSize>& testCase) {
                             return "case" + std::to_string(testCase.index);
                         });

TEST(BlockGlyphCells, LitCellsAreVisitedRowByRow)
{
    std::vector<std::pair<int, int>> visited;
    BlockGlyphCells::forEachLit(BlockFont::checkmark, [&](int row, int column) { visited.emplace_back(row, column); });
    const std::vector<std::pair<int, int>> expected{{1, 5}, {1, 6}, {2, 4}, {2, 5}, {3, 0}, {3, 3}, {3, 4},
                                                    {4, 0}, {4, 1}, {4, 2}, {4, 3}, {5, 1}, {5, 2}};
    EXPECT_EQ(visited, expected);
}

TEST(BlockGlyphCells, AnEmptyGlyphHasNoCover)
{
    EXPECT_TRUE(BlockGlyphCells::coverOfLitCells(BlockFont::matrix(10), QPointF(), 1.5, 2).empty());
}

} // namespace
