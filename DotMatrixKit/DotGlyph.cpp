// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGlyph.h"

const DotGlyph& DotGlyph::r()
{
    static const DotGlyph glyph(GlyphPattern::fromRows({"###", "#.#", "###", "##.", "#.#"}));
    return glyph;
}
