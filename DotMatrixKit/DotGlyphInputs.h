// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotGlyph.h"
#include "DotMatrixKit/DotOptions.h"

#include <QColor>

// Everything a single glyph is drawn from.
struct DotGlyphInputs {
    DotGlyph glyph;
    QColor color; // of the lit dots, drawn at full opacity
    DotShape shape = DotShape::Rounded;
};
