// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DigitScaling.h"
#include "DotMatrixKit/DotPosition.h"
#include "DotMatrixKit/DotStyle.h"

#include <QSizeF>
#include <QStringView>

#include <vector>

// Lays a display text out on a dot grid: pure arithmetic over the style and
// the glyph table, one array per call.
class DotGridLayout {
public:
    explicit DotGridLayout(const DotStyle& style)
        : m_style(style)
    {
    }

    const DotStyle& style() const { return m_style; }

    // Every cell, lit or not, of every character that has a glyph, in text
    // order, each character row by row. Characters without a glyph take no room.
    std::vector<DotPosition> positions(QStringView text, DigitScaling digitScaling) const;

    // The 35 cells of the large completion check mark, row by row, centred on
    // the width of a four-digit clock and always at scale 1.
    std::vector<DotPosition> checkmarkPositions(DigitScaling digitScaling) const;

    // The room the text takes. The height never depends on the text or the
    // scaling: scaled-up minutes reach into the padding instead.
    QSizeF totalSize(QStringView text, DigitScaling digitScaling) const;

    // The multicolour palette entry of a cell. It depends only on the cell's
    // place in its glyph, so every digit gets the same pattern, frame after frame.
    static int paletteSlot(int row, int col, int paletteCount);

private:
    QSizeF sizeOf(const std::vector<DotPosition>& positions) const;

    DotStyle m_style;
};
