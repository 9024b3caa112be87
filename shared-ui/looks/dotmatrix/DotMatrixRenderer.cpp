// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/dotmatrix/DotMatrixRenderer.h"

#include "shared-ui/looks/DisplayLayers.h"
#include "shared-ui/looks/SpriteCache.h"

#include "DotMatrixKit/DigitMapper.h"
#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/TextCharacters.h"
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include <QPainter>

namespace {

constexpr qreal glowOpacity = 0.5;

// A character of the text with the room its own grid takes, moved to where
// it sits in the whole text.
struct PlacedGlyph {
    QStringView character;
    qreal offset; // from the text's grid to where this character's own grid would start
    QSizeF size; // of the character's own grid, padding included
};

// Characters are laid out one after another with nothing shared between
// them, so each is drawn as a grid of its own, shifted into place. The large
// check mark and perspective digits are laid out as a whole and draw as one.
std::optional<std::vector<PlacedGlyph>> placeGlyphs(const DotMatrixInputs& inputs, const QString& text)
{
    if (DotMatrixRules::isCheckmarkMode(inputs) || inputs.digitScaling.isPerspective())
        return std::nullopt;
    const DotGridLayout grid(inputs.style);
    const auto positions = grid.positions(text, inputs.digitScaling);
    std::vector<PlacedGlyph> glyphs;
    std::size_t first = 0;
    for (const QStringView character : splitCharacters(text)) {
        const GlyphPattern* glyph = DigitMapper::matrix(character);
        if (!glyph)
            continue;
        // A check mark among other characters would read as the large one alone.
        if (character == u"\u2713")
            return std::nullopt;
        const auto cells = static_cast<std::size_t>(glyph->rowCount() * glyph->width());
        if (cells == 0)
            continue;
        if (first + cells > positions.size())
            return std::nullopt;
        const DotPosition& origin = positions[first];
        const qreal pen = origin.x - origin.size / 2;
        glyphs.push_back({character, pen - inputs.style.gridPadding(), grid.totalSize(character, inputs.digitScaling)});
        first += cells;
    }
    return glyphs;
}

QByteArray glyphKey(const DotMatrixInputs& glyph, qreal colonOpacity, bool glow)
{
    const DotStyle& style = glyph.style;
    SpriteKey key("dotMatrix");
    key.add(glow).addText(*glyph.displayOverride).add(style.dotSize()).add(static_cast<int>(style.weight()));
    key.add(static_cast<int>(style.dotShape())).addColor(glyph.theme.dotColor).add(glyph.showDimmedOffCells);
    key.addColor(glyph.phaseTintColor.value_or(QColor())).add(colonOpacity);
    for (const QColor& color : glyph.dotColorPalette)
        key.addColor(color);
    return key.bytes();
}

// Each character's dots (and, for the glow, its lit dots at half strength,
// blurred) drawn once by the glyph kit and stamped from then on.
void stampGlyphs(QPainter& painter, SpriteCache& sprites, const DotMatrixInputs& inputs,
                 const std::vector<PlacedGlyph>& glyphs, qreal colonOpacity, bool glow)
{
    DotMatrixInputs glyph = inputs;
    glyph.glowRadius.reset();
    if (glow)
        glyph.showDimmedOffCells = false;
    const DotMatrixState look{colonOpacity, glow ? glowOpacity : 1.0};
    for (const auto& placed : glyphs) {
        glyph.displayOverride = placed.character.toString();
        const auto draw = [&](QPainter& piece) {
            piece.translate(placed.offset, 0);
            DotMatrixPainter::paint(piece, glyph, look);
        };
        sprites.stamp(painter, QRectF(QPointF(placed.offset, 0), placed.size), glyphKey(glyph, colonOpacity, glow),
                      draw, glow ? inputs.glowRadius : std::nullopt);
    }
}

} // namespace

DotMatrixRenderer::DotMatrixRenderer(std::optional<QColor> phaseTintColor, DigitScaling digitScaling,
                                     std::optional<MulticolorPalette> palette)
    : TintedDisplayRenderer(std::move(phaseTintColor), std::move(palette))
    , m_digitScaling(digitScaling)
{
}

DotMatrixInputs DotMatrixRenderer::inputs(const DisplayFrame& frame) const
{
    const DisplayStyleConfig& style = frame.style;
    DotMatrixInputs inputs;
    inputs.time = frame.time;
    inputs.style = DotStyle(dotSize(frame.scale), style.dotWeight, style.dotShape);
    inputs.colonMode = style.colonMode;
    inputs.theme = DotTheme{frame.color.dotColor(), frame.color.backgroundColor()};
    inputs.blinkDisplay = frame.blinkDisplay;
    inputs.displayOverride = frame.displayOverride;
    inputs.timeFormat = frame.timeFormat;
    inputs.showLeadingZero = frame.showLeadingZero;
    inputs.referenceTime = frame.referenceTime;
    inputs.digitScaling = m_digitScaling;
    // Bloom off means no glow layer at all, not a layer of radius 0.
    if (style.bloomEnabled)
        inputs.glowRadius = glowRadius(frame.scale);
    inputs.phaseTintColor = m_phaseTintColor;
    inputs.backgroundCornerRadius = style.backgroundCornerRadius(frame.scale);
    inputs.drawsOwnBackground = false;
    inputs.showDimmedOffCells = style.showDimmedOffCells;
    if (m_palette && !m_phaseTintColor) {
        const QList<QColor> colors = m_palette->colors();
        inputs.dotColorPalette.assign(colors.begin(), colors.end());
    }
    return inputs;
}

QSizeF DotMatrixRenderer::naturalSize(const DisplayFrame& frame) const
{
    return DotMatrixRules::layout(inputs(frame)).size;
}

void DotMatrixRenderer::advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const
{
    const DotMatrixState look = DotMatrixRules::state(inputs(frame), now);
    state.colonOpacity = look.colonOpacity;
    state.displayOpacity = look.displayOpacity;
}

void DotMatrixRenderer::paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const
{
    const DotMatrixInputs whole = inputs(frame);
    const QString text = DotMatrixRules::displayText(whole);
    const auto glyphs = placeGlyphs(whole, text);
    if (!glyphs) {
        DotMatrixPainter::paint(painter, whole, DotMatrixState{state.colonOpacity, state.displayOpacity});
        return;
    }
    const QRectF canvas(QPointF(0, 0), DotGridLayout(whole.style).totalSize(text, whole.digitScaling));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(canvas, Qt::IntersectClip);
    DisplayLayers::paintFaded(painter, canvas, state.displayOpacity, [&](QPainter& target) {
        if (whole.glowRadius) {
            DisplayLayers::paintGlowLayer(target, canvas, [&](QPainter& layer) {
                stampGlyphs(layer, state.sprites, whole, *glyphs, state.colonOpacity, true);
            });
        }
        stampGlyphs(target, state.sprites, whole, *glyphs, state.colonOpacity, false);
    });
    painter.restore();
}

std::optional<platform::Date> DotMatrixRenderer::nextLookChange(const DisplayFrame& frame, const DisplayLookState&,
                                                                platform::Date now) const
{
    return DotMatrixRules::nextLookChange(inputs(frame), now);
}
