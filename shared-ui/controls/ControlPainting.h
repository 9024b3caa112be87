// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small painting pieces shared by the settings controls.

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;
class QPalette;
class QWidget;

// `base` at a size in logical pixels, so the controls keep their sizes
// whatever the screen's point-to-pixel ratio.
QFont pixelFont(QFont base, int pixelSize, QFont::Weight weight = QFont::Normal);

// A half-pixel line, but never thinner than one device pixel: crisp on a 2x
// screen and still visible on a 1x one.
qreal hairlineWidth(const QWidget& widget);

// A rounded rectangle filled with `fill`, then stroked with `stroke` at
// `strokeWidth` along the inside of its edge, so a widget never clips its own
// outline. A transparent fill or stroke is skipped.
void paintRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
                      const QColor& stroke = Qt::transparent, qreal strokeWidth = 0);

// `color` with its alpha multiplied by `opacity`.
QColor faded(QColor color, double opacity);

// The palette's text colour at the strengths of the platform's label levels:
// primary for content, then secondary, tertiary and quaternary for ever less
// important marks.
QColor primaryLabelColor(const QPalette& palette);
QColor secondaryLabelColor(const QPalette& palette);
QColor tertiaryLabelColor(const QPalette& palette);
QColor quaternaryLabelColor(const QPalette& palette);

// The warning orange, a little brighter on dark.
QColor warningOrange(const QPalette& palette);
