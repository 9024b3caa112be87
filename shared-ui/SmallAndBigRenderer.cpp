#include "shared-ui/SmallAndBigRenderer.h"

#include "shared-ui/BlockGlyphCells.h"
#include "shared-ui/DisplayLayers.h"
#include "shared-ui/SmallAndBigLayout.h"

#include "DotMatrixKit/DotBatches.h"
#include "DotMatrixKit/DotGridLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

using namespace SmallAndBig;

namespace {

constexpr qreal glowOpacity = 0.5;

struct Ink {
    QColor single; // the phase tint, else the scheme's dot colour
    const MulticolorPalette* palette = nullptr;
};

QPainterPath windingPath()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    return path;
}

// One pass over the glyphs at `opacity`: every single-colour cell in one
// path, and with a palette one path per slot, filled in slot order.
void drawPass(QPainter& painter, const Layout& layout, const Ink& ink, qreal opacity)
{
    QPainterPath single = windingPath();
    const int slotCount = ink.palette ? static_cast<int>(ink.palette->colors().size()) : 0;
    std::vector<QPainterPath> slotPaths(static_cast<std::size_t>(std::max(slotCount, 1)), windingPath());
    for (const PlacedGlyph& placed : layout.glyphs) {
        if (!ink.palette || placed.isCheckmark) {
            BlockGlyphCells::addLitCells(single, placed.glyph, placed.origin, placed.cell,
                                         placed.cell + BlockGlyphCells::seamOverlap);
            continue;
        }
        // Palette cells meet edge to edge: overlapping would blend two colours.
        BlockGlyphCells::forEachLit(placed.glyph, [&](int row, int column) {
            const auto slot = static_cast<std::size_t>(DotGridLayout::paletteSlot(row, column, slotCount));
            slotPaths[slot].addRect(BlockGlyphCells::cellSquare(placed.origin, row, column, placed.cell, placed.cell));
        });
    }
    painter.fillPath(single, withOpacity(ink.single, opacity));
    if (!ink.palette)
        return;
    for (std::size_t slot = 0; slot < slotPaths.size(); ++slot) {
        if (!slotPaths[slot].isEmpty())
            painter.fillPath(slotPaths[slot], withOpacity(ink.palette->color(static_cast<qsizetype>(slot)), opacity));
    }
}

Metrics metricsOf(const DisplayFrame& frame)
{
    return Metrics::of(frame.scale, frame.style.bloomEnabled);
}

} // namespace

SmallAndBigRenderer::SmallAndBigRenderer(std::optional<QColor> phaseTintColor,
                                         std::optional<MulticolorPalette> palette)
    : m_phaseTintColor(std::move(phaseTintColor)), m_palette(std::move(palette))
{
}

QSizeF SmallAndBigRenderer::naturalSize(const DisplayFrame& frame) const
{
    const Metrics metrics = metricsOf(frame);
    return layout(frame.text(), metrics, m_smallScale).naturalSize(metrics);
}

void SmallAndBigRenderer::advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date) const
{
    state.colonOpacity = 1.0; // the colon is only a gap
    state.displayOpacity = frame.blinkDisplay ? 0.0 : 1.0;
}

void SmallAndBigRenderer::paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const
{
    const Metrics metrics = metricsOf(frame);
    const Layout placed = layout(frame.text(), metrics, m_smallScale);
    if (placed.glyphs.empty())
        return;
    const Ink ink{m_phaseTintColor.value_or(frame.color.dotColor()),
                  m_phaseTintColor || !m_palette ? nullptr : &*m_palette};

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF display(QPointF(0, 0), placed.naturalSize(metrics));
    DisplayLayers::paintFaded(painter, display, state.displayOpacity, [&](QPainter& target) {
        target.save();
        target.translate(metrics.padding(), metrics.padding());
        const QRectF canvas(QPointF(0, 0), placed.frameSize(metrics));
        target.setClipRect(canvas, Qt::IntersectClip);
        if (frame.style.bloomEnabled) {
            DisplayLayers::paintGlow(target, canvas, metrics.blurRadius,
                                     [&](QPainter& layer) { drawPass(layer, placed, ink, glowOpacity); });
        }
        drawPass(target, placed, ink, 1.0);
        target.restore();
    });
    painter.restore();
}

std::optional<platform::Date> SmallAndBigRenderer::nextLookChange(const DisplayFrame&, const DisplayLookState&,
                                                                  platform::Date) const
{
    return std::nullopt;
}
