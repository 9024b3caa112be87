#include "DotMatrixKit/DotBatches.h"

#include <QPainter>

#include <algorithm>

void DotBatches::add(const QColor& color, const QRectF& rect, DotShape shape)
{
    auto batch = std::find_if(m_batches.begin(), m_batches.end(),
                              [&](const Batch& candidate) { return candidate.color == color; });
    if (batch == m_batches.end()) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        batch = m_batches.insert(m_batches.end(), Batch{color, path});
    }
    if (shape == DotShape::Rounded) {
        const qreal radius = std::min(rect.width(), rect.height()) / 2;
        batch->path.addRoundedRect(rect, radius, radius);
    } else {
        batch->path.addRect(rect);
    }
}

void DotBatches::fill(QPainter& painter) const
{
    for (const auto& batch : m_batches)
        painter.fillPath(batch.path, batch.color);
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(static_cast<float>(std::clamp(color.alphaF() * opacity, 0.0, 1.0)));
    return color;
}
