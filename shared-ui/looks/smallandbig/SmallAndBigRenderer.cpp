// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/smallandbig/SmallAndBigRenderer.h"

#include "shared-ui/looks/DisplayLayers.h"
#include "shared-ui/looks/DisplayLookSettings.h"
#include "shared-ui/looks/SpriteCache.h"
#include "shared-ui/looks/blocks/BlockGlyphCells.h"
#include "shared-ui/looks/smallandbig/SmallAndBigLayout.h"

#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/paint/DotBatches.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

using namespace SmallAndBig;

namespace {

constexpr qreal glowOpacity = 0.5;

using DisplayLayers::Pass;

struct Ink {
    QColor single; // the phase tint, else the scheme's dot colour
    const MulticolorPalette* palette = nullptr;

    // The check mark never takes the palette's colours.
    bool multicolor(const PlacedGlyph& placed) const { return palette && !placed.isCheckmark; }
};

QPainterPath windingPath()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    return path;
}

// One glyph: all its cells in one path, or with a palette one path per
// slot, filled in slot order.
void drawGlyph(QPainter& painter, const PlacedGlyph& placed, const Ink& ink, qreal opacity)
{
    if (!ink.multicolor(placed)) {
        QPainterPath path = windingPath();
        BlockGlyphCells::addLitCells(path, placed.glyph, placed.origin, placed.cell,
                                     placed.cell + BlockGlyphCells::seamOverlap);
        painter.fillPath(path, withOpacity(ink.single, opacity));
        return;
    }
    const auto slotCount = static_cast<int>(ink.palette->colors().size());
    std::vector<QPainterPath> slotPaths(static_cast<std::size_t>(slotCount), windingPath());
    // Palette cells meet edge to edge: overlapping would blend two colours.
    BlockGlyphCells::forEachLit(placed.glyph, [&](int row, int column) {
        const auto slot = static_cast<std::size_t>(DotGridLayout::paletteSlot(row, column, slotCount));
        slotPaths[slot].addRect(BlockGlyphCells::cellSquare(placed.origin, row, column, placed.cell, placed.cell));
    });
    for (std::size_t slot = 0; slot < slotPaths.size(); ++slot) {
        if (!slotPaths[slot].isEmpty())
            painter.fillPath(slotPaths[slot], withOpacity(ink.palette->color(static_cast<qsizetype>(slot)), opacity));
    }
}

// Everything that decides how a glyph's picture looks in one pass.
QByteArray glyphKey(Pass pass, const PlacedGlyph& placed, const Ink& ink)
{
    SpriteKey key("smallAndBig");
    key.add(pass == Pass::Glow).add(static_cast<int>(placed.character)).add(placed.cell);
    if (ink.multicolor(placed)) {
        for (const QColor& color : ink.palette->colors())
            key.addColor(color);
    } else {
        key.addColor(ink.single);
    }
    return key.bytes();
}

// The room a glyph's squares take, with a little over for antialiasing.
QRectF glyphBounds(const PlacedGlyph& placed)
{
    const qreal reach = BlockGlyphCells::seamOverlap + 1;
    return {placed.origin.x(), placed.origin.y(), BlockFont::columnCount * placed.cell + reach,
            BlockFont::rowCount * placed.cell + reach};
}

void stampPass(QPainter& painter, SpriteCache& sprites, Pass pass, const Layout& layout, const Metrics& metrics,
               const Ink& ink)
{
    const bool glow = pass == Pass::Glow;
    for (const PlacedGlyph& placed : layout.glyphs) {
        const auto draw = [&](QPainter& piece) { drawGlyph(piece, placed, ink, glow ? glowOpacity : 1.0); };
        // Blur is linear, so the glows of single glyphs add up to the glow of the whole text.
        sprites.stamp(painter, glyphBounds(placed), glyphKey(pass, placed, ink), draw,
                      glow ? std::optional(metrics.blurRadius) : std::nullopt);
    }
}

Metrics metricsOf(const DisplayFrame& frame)
{
    return Metrics::of(frame.scale, frame.style.bloomEnabled);
}

} // namespace

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
    const Ink ink{m_phaseTintColor.value_or(frame.color.dotColor()), paletteInUse(m_phaseTintColor, m_palette)};

    DisplayLayers::paintPaddedCanvas(
        painter, placed.naturalSize(metrics), QPointF(metrics.padding(), metrics.padding()), placed.frameSize(metrics),
        frame.style.bloomEnabled, state.displayOpacity,
        [&](QPainter& target, Pass pass) { stampPass(target, state.sprites, pass, placed, metrics, ink); });
}

std::optional<platform::Date> SmallAndBigRenderer::nextLookChange(const DisplayFrame&, const DisplayLookState&,
                                                                  platform::Date) const
{
    return std::nullopt;
}
