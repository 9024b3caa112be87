// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGlyphGeometry.h"

#include <algorithm>

std::vector<QRectF> glyphDotRects(const DotGlyph& glyph, const QSizeF& canvas)
{
    std::vector<QRectF> rects;
    if (glyph.rows() < 1 || glyph.cols() < 1)
        return rects;

    const qreal cell = std::min(canvas.width() / glyph.cols(), canvas.height() / glyph.rows());
    const qreal gap = cell * 0.2;
    const qreal dot = cell - gap;
    const qreal inset = gap / 2;
    const qreal left = (canvas.width() - cell * glyph.cols()) / 2;
    const qreal top = (canvas.height() - cell * glyph.rows()) / 2;

    for (int row = 0; row < glyph.rows(); ++row) {
        for (int col = 0; col < glyph.cols(); ++col) {
            if (glyph.pattern().isLit(row, col))
                rects.emplace_back(left + cell * col + inset, top + cell * row + inset, dot, dot);
        }
    }
    return rects;
}
