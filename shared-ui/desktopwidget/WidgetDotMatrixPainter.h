// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/desktopwidget/WidgetDotMatrixLayout.h"

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QtGlobal>

class QPainter;

// The drawing of the widgets' dot-matrix display, a still picture with no
// glow. Needs no widget, so the widget program, its gallery and the tests
// draw alike.
namespace WidgetDotMatrixPainter {

// Draws the display with its top left corner at the painter's origin.
void paint(QPainter& painter, const WidgetDotMatrixInputs& inputs);

// The display on a transparent image, `devicePixelRatio` pixels per point.
QImage renderImage(const WidgetDotMatrixInputs& inputs, qreal devicePixelRatio = 1.0);

// Whole pixels that hold a layout of `size`, at least one each way.
QSize pixelSize(const QSizeF& size);

} // namespace WidgetDotMatrixPainter
