// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few symbols the settings controls draw, by name: "minus", "plus",
// "trash", the settings tabs' "gearshape", "paintbrush", "slider.horizontal.3"
// and "info.circle", and "timer" and "play.fill". Drawn as strokes so they stay crisp at any size.

#include <QColor>
#include <QRectF>
#include <QStringView>

class QPainter;

// Draws the symbol `name` centred in `box`, as tall as a glyph of a semibold
// font of `pixelSize`. An unknown name draws nothing.
void paintSymbol(QPainter& painter, QStringView name, const QRectF& box, qreal pixelSize, const QColor& color);
