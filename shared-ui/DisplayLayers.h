#pragma once

#include "DotMatrixKit/GaussianBlur.h"
#include "DotMatrixKit/PaintLayer.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

// The two offscreen steps the drawn looks share: a blurred glow layer under
// the sharp drawing, and fading a whole display as one picture.
namespace DisplayLayers {

// Draws `drawGlow(QPainter&)` into a layer, blurs it by `blurRadius` points
// and lays it onto `painter`, clipped to `frame`. The layer reaches past the
// frame so the blur spreads into transparency instead of piling up at the edge.
template <typename Draw>
void paintGlow(QPainter& painter, const QRectF& frame, qreal blurRadius, Draw&& drawGlow)
{
    const qreal radius = std::isfinite(blurRadius) ? std::max<qreal>(blurRadius, 0) : 0;
    const qreal margin = std::min(3 * radius, std::max(frame.width(), frame.height()));
    PaintLayer layer(painter, frame.adjusted(-margin, -margin, margin, margin));
    if (!layer.isValid())
        return;
    drawGlow(layer.painter());
    gaussianBlur(layer.pixels(), radius * layer.pixelScale());
    painter.save();
    painter.setClipRect(frame, Qt::IntersectClip);
    layer.drawOnto(painter);
    painter.restore();
}

// Draws `draw(QPainter&)` at `opacity` as one picture, so overlapping parts
// (glow under segments) do not show through each other. Nothing is drawn at
// opacity 0, and opacity 1 draws straight onto `painter`.
template <typename Draw>
void paintFaded(QPainter& painter, const QRectF& area, qreal opacity, Draw&& draw)
{
    if (!(opacity > 0))
        return;
    if (opacity >= 1) {
        draw(painter);
        return;
    }
    PaintLayer layer(painter, area);
    if (!layer.isValid())
        return;
    draw(layer.painter());
    layer.drawOnto(painter, opacity);
}

} // namespace DisplayLayers
