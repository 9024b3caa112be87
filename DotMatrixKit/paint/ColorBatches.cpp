// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/ColorBatches.h"

#include <QPainter>

#include <algorithm>

QPainterPath& ColorBatches::pathFor(const QColor& color)
{
    auto batch = std::find_if(m_batches.begin(), m_batches.end(),
                              [&](const Batch& candidate) { return candidate.color == color; });
    if (batch == m_batches.end()) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        batch = m_batches.insert(m_batches.end(), Batch{color, std::move(path)});
    }
    return batch->path;
}

void ColorBatches::fill(QPainter& painter) const
{
    for (const auto& batch : m_batches) {
        if (batch.color.alpha() > 0)
            painter.fillPath(batch.path, batch.color);
    }
}
