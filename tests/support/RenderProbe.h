// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotPosition.h"
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <cmath>

// A display rendered offscreen, read back at points in the layout's own
// coordinates. Rendered at several pixels per point so a dot's centre is well
// inside its antialiased edge.
class RenderProbe {
public:
    static constexpr qreal pixelsPerPoint = 4;

    RenderProbe(const DotMatrixInputs& inputs, const DotMatrixState& state = {})
        : m_image(DotMatrixPainter::renderImage(inputs, state, pixelsPerPoint))
    {
    }
    // Any other display, rendered at `pixelsPerPoint`.
    explicit RenderProbe(QImage image)
        : m_image(std::move(image))
    {
    }
    // A widget as it paints itself, on a clear image.
    static RenderProbe of(QWidget& widget)
    {
        QImage image(widget.size() * pixelsPerPoint, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(pixelsPerPoint);
        image.fill(Qt::transparent);
        widget.render(&image);
        return RenderProbe(std::move(image));
    }

    const QImage& image() const { return m_image; }

    // Non-premultiplied colour at a point of the grid.
    QColor at(QPointF point) const
    {
        const int x = platform::saturatingCast<int>(std::floor(point.x() * pixelsPerPoint));
        const int y = platform::saturatingCast<int>(std::floor(point.y() * pixelsPerPoint));
        return m_image.pixelColor(x, y).toRgb();
    }
    QColor at(const DotPosition& dot) const { return at(QPointF(dot.x, dot.y)); }

private:
    QImage m_image;
};

// Colours compared channel by channel, premultiplied as they are stored, so
// that a faint colour is not judged by its rounding-amplified hue.
inline bool closeToColor(const QColor& actual, const QColor& expected, int allowance = 2)
{
    const QRgb a = qPremultiply(actual.rgba());
    const QRgb e = qPremultiply(expected.rgba());
    const auto close = [allowance](int x, int y) { return std::abs(x - y) <= allowance; };
    return close(qRed(a), qRed(e)) && close(qGreen(a), qGreen(e)) && close(qBlue(a), qBlue(e))
        && close(qAlpha(a), qAlpha(e));
}

inline QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}
