#pragma once

// Small painting pieces shared by the settings controls.

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;
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
