// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include <memory>

// An offscreen transparent image lined up with an area of a target painter,
// at the target's own pixel density, so that whatever is drawn into it can be
// worked on as pixels (blurred, faded as a whole) and put back sharp.
class PaintLayer {
public:
    PaintLayer(const QPainter& target, const QRectF& area);
    ~PaintLayer();
    PaintLayer(const PaintLayer&) = delete;
    PaintLayer& operator=(const PaintLayer&) = delete;

    // False for an empty or unmeasurable area; such a layer draws nothing.
    bool isValid() const { return m_painter != nullptr; }

    // Draws in the target's logical coordinates.
    QPainter& painter() { return *m_painter; }
    // Device pixels per logical unit.
    qreal pixelScale() const { return m_scale; }
    // Ends painting and hands over the pixels.
    QImage& pixels();

    void drawOnto(QPainter& target, qreal opacity = 1.0);

private:
    QRectF m_area;
    qreal m_scale = 1.0;
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
};
