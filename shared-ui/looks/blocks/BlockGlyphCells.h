// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/blocks/BlockFont.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <vector>

// Block-font glyphs are drawn one filled square per lit cell.
namespace BlockGlyphCells {

// What neighbouring squares overlap by, so that no seam shows between them.
inline constexpr qreal seamOverlap = 0.5;

// Calls visit(row, column) for every lit cell, top row first, each row left to right.
template <typename Visit>
void forEachLit(BlockFont::Glyph glyph, Visit&& visit)
{
    for (std::size_t row = 0; row < glyph.size(); ++row) {
        for (std::size_t column = 0; column < glyph[row].size(); ++column) {
            if (glyph[row][column])
                visit(static_cast<int>(row), static_cast<int>(column));
        }
    }
}

// The square of a cell, for a glyph whose top-left corner is at `origin`
// and whose cells are `pitch` apart; the square is `side` wide.
QRectF cellSquare(QPointF origin, int row, int column, qreal pitch, qreal side);

// The area the lit cells' squares cover together, as rectangles that do not
// overlap. Antialiased filling adds up the coverage of overlapping shapes at
// their edges, so squares that overlap would show their seams as a dotted
// line along every edge; pieces that only touch add up exactly.
std::vector<QRectF> coverOfLitCells(BlockFont::Glyph glyph, QPointF origin, qreal pitch, qreal side);

// That cover, added to `path`.
void addLitCells(QPainterPath& path, BlockFont::Glyph glyph, QPointF origin, qreal pitch, qreal side);

} // namespace BlockGlyphCells
