// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotGlyphInputs.h"

#include <QSizeF>

class QPainter;

// The drawing of one glyph fitted into a canvas; needs no widget.
namespace DotGlyphPainter {

// Draws into a canvas of `size` at the painter's origin; unlit cells are left alone.
void paint(QPainter& painter, const QSizeF& size, const DotGlyphInputs& inputs);

} // namespace DotGlyphPainter
