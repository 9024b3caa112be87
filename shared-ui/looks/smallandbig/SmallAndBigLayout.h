// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayScale.h"
#include "shared-ui/looks/blocks/BlockFont.h"

#include <QPointF>
#include <QSizeF>
#include <QStringView>

#include <vector>

// Where the small-and-big look puts its glyphs: the text up to its first
// colon in large block digits, the rest at a smaller size, tops aligned; the
// colon itself is only a gap. Pure arithmetic over the size class.
namespace SmallAndBig {

struct Metrics {
    qreal cell; // c: a large glyph's cell
    qreal glowMargin; // G, 0 with bloom off
    qreal blurRadius; // of the glow layer
    qreal paddingBase; // P, of which the glow margin already covers its part

    static Metrics of(DisplayScale scale, bool bloomEnabled);

    qreal gap() const { return 2 * cell; } // never scaled
    // Room around the frame on every side.
    qreal padding() const;
};

struct PlacedGlyph {
    char16_t character; // a digit or the check mark
    BlockFont::Glyph glyph;
    QPointF origin; // top-left of the glyph's first cell, in frame coordinates
    qreal cell; // cell pitch; squares are drawn this wide plus the seam overlap
    bool isCheckmark;
};

struct Layout {
    qreal contentWidth = 0;
    std::vector<PlacedGlyph> glyphs; // in text order; characters without a glyph draw nothing

    // The drawing with the glow margin on every side.
    QSizeF frameSize(const Metrics& metrics) const;
    // The frame with the padding on every side: what the look takes.
    QSizeF naturalSize(const Metrics& metrics) const;
};

Layout layout(QStringView text, const Metrics& metrics, qreal smallScale);

} // namespace SmallAndBig
