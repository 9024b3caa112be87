// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/paint/PaintLayer.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

// The offscreen steps the drawn looks share: a glow layer under the sharp
// drawing, fading a whole display as one picture, and the padded canvas that
// holds both.
namespace DisplayLayers {

// A look draws its pieces twice with bloom on: once softly for the glow, once sharp.
enum class Pass { Glow, Sharp };

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

// The frame of the segment and block looks: a canvas of `canvasSize` inset
// by `padding` and clipped to it, with `drawPass(QPainter&, Pass)` laid down
// as a glow (when `bloom` is on) under the sharp pass, the whole display of
// `naturalSize` faded by `opacity` as one picture.
template <typename DrawPass>
void paintPaddedCanvas(QPainter& painter, const QSizeF& naturalSize, QPointF padding, const QSizeF& canvasSize,
                       bool bloom, qreal opacity, DrawPass&& drawPass)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintFaded(painter, QRectF(QPointF(0, 0), naturalSize), opacity, [&](QPainter& target) {
        target.save();
        target.translate(padding);
        const QRectF canvas(QPointF(0, 0), canvasSize);
        target.setClipRect(canvas, Qt::IntersectClip);
        if (bloom)
            paintGlowLayer(target, canvas, [&](QPainter& layer) { drawPass(layer, Pass::Glow); });
        drawPass(target, Pass::Sharp);
        target.restore();
    });
    painter.restore();
}

} // namespace DisplayLayers
