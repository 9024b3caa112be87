// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/PhaseStrip.h"
#include "DotMatrixKit/paint/DotBatches.h"
#include "DotMatrixKit/paint/GaussianBlur.h"
#include "DotMatrixKit/paint/OffscreenImage.h"
#include "DotMatrixKit/paint/PaintLayer.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr qreal glowOpacity = 0.5;
constexpr qreal dimmedOffCellOpacity = 0.06;

// The colour of each dot: a palette entry by the cell's place in its glyph,
// or the base colour when there is no palette.
class DotColoring {
public:
    explicit DotColoring(const DotMatrixInputs& inputs)
    {
        if (DotMatrixRules::isCheckmarkMode(inputs)) {
            m_base = inputs.theme.dotColor;
            return;
        }
        m_base = inputs.phaseTintColor.value_or(inputs.theme.dotColor);
        m_palette = &inputs.dotColorPalette;
    }

    const QColor& colorOf(const DotPosition& dot) const
    {
        if (!m_palette || m_palette->empty())
            return m_base;
        const int count = static_cast<int>(std::min<std::size_t>(m_palette->size(), INT_MAX));
        return (*m_palette)[static_cast<std::size_t>(DotGridLayout::paletteSlot(dot.row, dot.col, count))];
    }

private:
    QColor m_base;
    const std::vector<QColor>* m_palette = nullptr;
};

QRectF dotRect(const DotPosition& dot)
{
    return {dot.x - dot.size / 2, dot.y - dot.size / 2, dot.size, dot.size};
}

qreal dotOpacity(const DotPosition& dot, const DotMatrixInputs& inputs, const DotMatrixState& state)
{
    if (dot.isActive)
        return dot.isColonDot ? state.colonOpacity : 1.0;
    return inputs.showDimmedOffCells ? dimmedOffCellOpacity : 0.0;
}

void paintBackground(QPainter& painter, const QRectF& canvas, const DotMatrixInputs& inputs)
{
    if (!inputs.drawsOwnBackground)
        return;
    const qreal radius = std::max<qreal>(inputs.backgroundCornerRadius, 0);
    QPainterPath path;
    path.addRoundedRect(canvas, radius, radius);
    painter.fillPath(path, inputs.theme.backgroundColor);
}

// The lit dots again at half strength, blurred into a halo under the dots.
void paintGlow(QPainter& painter, const QRectF& canvas, const std::vector<DotPosition>& dots,
               const DotColoring& coloring, const DotMatrixInputs& inputs, const DotMatrixState& state)
{
    if (!inputs.glowRadius)
        return;
    const qreal radius = std::isfinite(*inputs.glowRadius) ? std::max<qreal>(*inputs.glowRadius, 0) : 0;

    DotBatches glow;
    for (const auto& dot : dots) {
        const qreal opacity = dotOpacity(dot, inputs, state);
        if (dot.isActive && opacity > 0)
            glow.add(withOpacity(coloring.colorOf(dot), opacity * glowOpacity), dotRect(dot), inputs.style.dotShape());
    }
    if (glow.isEmpty())
        return;

    // Room around the canvas so the blur spreads into transparency, not back in.
    const qreal margin = std::min(3 * radius, std::max(canvas.width(), canvas.height()));
    PaintLayer layer(painter, canvas.adjusted(-margin, -margin, margin, margin));
    if (!layer.isValid())
        return;
    glow.fill(layer.painter());
    gaussianBlur(layer.pixels(), radius * layer.pixelScale());
    layer.drawOnto(painter);
}

void paintDots(QPainter& painter, const std::vector<DotPosition>& dots, const DotColoring& coloring,
               const DotMatrixInputs& inputs, const DotMatrixState& state)
{
    DotBatches batches;
    for (const auto& dot : dots) {
        const qreal opacity = dotOpacity(dot, inputs, state);
        if (opacity > 0)
            batches.add(withOpacity(coloring.colorOf(dot), opacity), dotRect(dot), inputs.style.dotShape());
    }
    batches.fill(painter);
}

void paintPhaseStrip(QPainter& painter, const QSizeF& grid, const DotMatrixInputs& inputs)
{
    for (const auto& segment : phaseStripSegments(inputs.phaseIndicators, inputs.style, grid)) {
        QPainterPath path;
        path.addRoundedRect(segment.rect, phaseSegmentCornerRadius, phaseSegmentCornerRadius);
        painter.fillPath(path, withOpacity(segment.color, segment.opacity));
    }
}

void paintScene(QPainter& painter, const DotMatrixRules::Layout& layout, const DotMatrixInputs& inputs,
                const DotMatrixState& state)
{
    const QRectF canvas(QPointF(0, 0), layout.size);
    const DotColoring coloring(inputs);
    paintBackground(painter, canvas, inputs);
    paintGlow(painter, canvas, layout.positions, coloring, inputs, state);
    paintDots(painter, layout.positions, coloring, inputs, state);
    paintPhaseStrip(painter, layout.size, inputs);
}

} // namespace

void DotMatrixPainter::paint(QPainter& painter, const DotMatrixInputs& inputs, const DotMatrixState& state)
{
    const auto layout = DotMatrixRules::layout(inputs);
    const QRectF canvas(QPointF(0, 0), layout.size);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(canvas, Qt::IntersectClip);
    if (state.displayOpacity < 1.0) {
        // Faded as one picture, so the glow does not show through the dots.
        PaintLayer display(painter, canvas);
        if (display.isValid()) {
            paintScene(display.painter(), layout, inputs, state);
            display.drawOnto(painter, std::max<qreal>(state.displayOpacity, 0));
        }
    } else {
        paintScene(painter, layout, inputs, state);
    }
    painter.restore();
}

QImage DotMatrixPainter::renderImage(const DotMatrixInputs& inputs, const DotMatrixState& state, qreal devicePixelRatio)
{
    return offscreenImage(DotMatrixRules::layout(inputs).size, devicePixelRatio,
                          [&](QPainter& painter) { paint(painter, inputs, state); });
}
