// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/DotBatches.h"

#include <QPainter>

#include <algorithm>

void DotBatches::add(const QColor& color, const QRectF& rect, DotShape shape)
{
    QPainterPath& path = m_batches.pathFor(color);
    if (shape == DotShape::Rounded) {
        const qreal radius = std::min(rect.width(), rect.height()) / 2;
        path.addRoundedRect(rect, radius, radius);
    } else {
        path.addRect(rect);
    }
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(static_cast<float>(std::clamp(color.alphaF() * opacity, 0.0, 1.0)));
    return color;
}
