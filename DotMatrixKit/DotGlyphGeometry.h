// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotGlyph.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

// Where the lit dots of a glyph land when it is fitted into a canvas: square
// cells sized to the tighter axis, the block of cells centred, each dot
// filling 80 % of its cell. Rows first, then columns.
std::vector<QRectF> glyphDotRects(const DotGlyph& glyph, const QSizeF& canvas);
