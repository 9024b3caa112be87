// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotMatrixInputs.h"

#include <QImage>
#include <QtGlobal>

class QPainter;

// The drawing of the dot-matrix display: one function of its inputs and its
// time-driven state, so the view, the looks, the tray image and the tests all
// draw alike. Needs no widget.
namespace DotMatrixPainter {

// Draws the display into the grid's rectangle at the painter's origin.
void paint(QPainter& painter, const DotMatrixInputs& inputs, const DotMatrixState& state);

// The display on its own transparent image, `devicePixelRatio` pixels per point.
QImage renderImage(const DotMatrixInputs& inputs, const DotMatrixState& state, qreal devicePixelRatio = 1.0);

} // namespace DotMatrixPainter
