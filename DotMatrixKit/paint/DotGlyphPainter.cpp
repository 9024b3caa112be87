// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/DotGlyphPainter.h"

#include "DotMatrixKit/DotGlyphGeometry.h"
#include "DotMatrixKit/paint/DotBatches.h"

#include <QPainter>

void DotGlyphPainter::paint(QPainter& painter, const QSizeF& size, const DotGlyphInputs& inputs)
{
    DotBatches dots;
    for (const auto& rect : glyphDotRects(inputs.glyph, size))
        dots.add(inputs.color, rect, inputs.shape);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    dots.fill(painter);
    painter.restore();
}
