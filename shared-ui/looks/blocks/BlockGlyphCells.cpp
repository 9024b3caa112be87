// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/blocks/BlockGlyphCells.h"

namespace BlockGlyphCells {

QRectF cellSquare(QPointF origin, int row, int column, qreal pitch, qreal side)
{
    return {origin.x() + column * pitch, origin.y() + row * pitch, side, side};
}

std::vector<QRectF> coverOfLitCells(BlockFont::Glyph glyph, QPointF origin, qreal pitch, qreal side)
{
    std::vector<QRectF> cover;
    // Squares that do not reach their neighbours never overlap. Squares
    // reaching past their direct neighbours (far bigger than any look draws)
    // are left as they are: right in area, only their edges less clean.
    const qreal overlap = side - pitch;
    if (!(overlap > 0 && overlap <= pitch)) {
        forEachLit(glyph, [&](int row, int column) { cover.push_back(cellSquare(origin, row, column, pitch, side)); });
        return cover;
    }
    const auto rows = static_cast<int>(glyph.size());
    const int columns = rows > 0 ? static_cast<int>(glyph.front().size()) : 0;
    const auto lit = [&](int row, int column) {
        return row >= 0 && row < rows && glyph[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    // One horizontal band of the cover: where the squares of rows `first` to
    // `last` reach, merged into runs across the columns.
    const auto addBand = [&](qreal top, qreal height, int first, int last) {
        if (!(height > 0))
            return;
        for (int column = 0; column < columns;) {
            const auto litHere = [&](int c) { return lit(first, c) || lit(last, c); };
            if (!litHere(column)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < columns && litHere(column))
                ++column;
            const qreal left = origin.x() + start * pitch;
            const qreal right = origin.x() + (column - 1) * pitch + pitch + overlap;
            cover.emplace_back(left, origin.y() + top, right - left, height);
        }
    };
    // Each row's squares reach `overlap` into the next row: a band covered
    // by both rows, then one covered by this row alone.
    for (int row = 0; row <= rows; ++row) {
        addBand(row * pitch, overlap, row - 1, row);
        if (row < rows)
            addBand(row * pitch + overlap, pitch - overlap, row, row);
    }
    return cover;
}

void addLitCells(QPainterPath& path, BlockFont::Glyph glyph, QPointF origin, qreal pitch, qreal side)
{
    for (const QRectF& rect : coverOfLitCells(glyph, origin, pitch, side))
        path.addRect(rect);
}

} // namespace BlockGlyphCells
