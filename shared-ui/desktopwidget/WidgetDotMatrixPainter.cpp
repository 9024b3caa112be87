// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetDotMatrixPainter.h"

#include "DotMatrixKit/paint/DotBatches.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

void fillRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color)
{
    if (color.alpha() == 0)
        return;
    const qreal r = std::clamp<qreal>(radius, 0, std::min(rect.width(), rect.height()) / 2);
    QPainterPath path;
    path.addRoundedRect(rect, r, r);
    painter.fillPath(path, color);
}

} // namespace

namespace WidgetDotMatrixPainter {

QSize pixelSize(const QSizeF& size)
{
    return {std::max(1, platform::saturatingCast<int>(std::ceil(size.width()))),
            std::max(1, platform::saturatingCast<int>(std::ceil(size.height())))};
}

void paint(QPainter& painter, const WidgetDotMatrixInputs& inputs)
{
    const auto layout = layoutWidgetDotMatrix(inputs);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fillRoundedRect(painter, QRectF(QPointF(0, 0), layout.gridSize), widgetGridCornerRadius, layout.backgroundColor);
    for (const auto& dot : layout.dots) {
        const auto& p = dot.position;
        const QRectF rect(p.x - p.size / 2, p.y - p.size / 2, p.size, p.size);
        fillRoundedRect(painter, rect, layout.dotCornerRadius, dot.color);
    }
    for (const auto& segment : layout.phaseSegments)
        fillRoundedRect(painter, segment.rect, phaseSegmentCornerRadius, withOpacity(segment.color, segment.opacity));
    painter.restore();
}

QImage renderImage(const WidgetDotMatrixInputs& inputs, qreal devicePixelRatio)
{
    const qreal ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(pixelSize(layoutWidgetDotMatrix(inputs).size * ratio), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, inputs);
    return image;
}

} // namespace WidgetDotMatrixPainter
