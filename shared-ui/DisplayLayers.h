#pragma once

#include "DotMatrixKit/PaintLayer.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

// The two offscreen steps the drawn looks share: a glow layer under the sharp
// drawing, and fading a whole display as one picture.
namespace DisplayLayers {

// Gathers the glow that `drawGlow(QPainter&)` lays down (already blurred:
// see SpriteCache) in a layer of its own, then puts the layer under what
// follows, clipped to `frame`. Glows added into a clear layer sum up the way
// one blur of the whole text would.
template <typename Draw>
void paintGlowLayer(QPainter& painter, const QRectF& frame, Draw&& drawGlow)
{
    PaintLayer layer(painter, frame);
    if (!layer.isValid())
        return;
    drawGlow(layer.painter());
    layer.drawOnto(painter);
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
