// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/sevensegment/SevenSegmentRenderer.h"

#include "shared-ui/looks/DisplayLayers.h"
#include "shared-ui/looks/DisplayLookSettings.h"
#include "shared-ui/looks/DisplayTiming.h"
#include "shared-ui/looks/SpriteCache.h"
#include "shared-ui/looks/sevensegment/SevenSegmentGeometry.h"

#include "DotMatrixKit/paint/ColorBatches.h"
#include "DotMatrixKit/paint/DotBatches.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace SevenSegment;

namespace {

constexpr qreal unlitOpacity = 0.06;
constexpr qreal glowOpacity = 0.5;
constexpr qreal textHeightRatio = 0.9;
// Text is laid out at a fixed size and scaled, so its shape does not depend
// on the painter's resolution.
constexpr int textLayoutPixels = 64;

using DisplayLayers::Pass;

struct SegmentColors {
    QColor lit; // the phase tint, else the scheme's dot colour
    QColor dot; // the scheme's dot colour, for the check mark and text
    const MulticolorPalette* palette = nullptr;

    QColor slotColor(int slot) const { return palette ? palette->color(slot) : lit; }
};

void addDigit(ColorBatches& batches, Pass pass, const PlacedCharacter& character, const Metrics& metrics,
              const SegmentColors& colors)
{
    const std::uint8_t lit = litSegments(character.digit);
    for (const Segment segment : allSegments) {
        QColor color;
        if (isLit(lit, segment))
            color = withOpacity(colors.slotColor(slot(segment)), pass == Pass::Sharp ? 1.0 : glowOpacity);
        else if (pass == Pass::Sharp)
            color = withOpacity(colors.lit, unlitOpacity);
        else
            continue;
        batches.pathFor(color).addPolygon(segmentPolygon(segment, character.x, metrics.digitHeight, metrics.thickness));
    }
}

void addColon(ColorBatches& batches, Pass pass, const PlacedCharacter& character, const Metrics& metrics,
              const SegmentColors& colors, qreal colonOpacity)
{
    const qreal opacity = pass == Pass::Sharp ? colonOpacity : colonOpacity * glowOpacity;
    if (!(opacity > 0))
        return;
    const auto dots = colonDots(character.x, metrics.digitHeight, metrics.thickness);
    const qreal radius = colonDotCornerRadius(metrics.thickness);
    for (int i = 0; i < 2; ++i)
        batches.pathFor(withOpacity(colors.slotColor(i), opacity))
            .addRoundedRect(dots[static_cast<std::size_t>(i)], radius, radius);
}

void addCheckmark(ColorBatches& batches, Pass pass, const PlacedCharacter& character, const Metrics& metrics,
                  const SegmentColors& colors)
{
    QPainterPath& path = batches.pathFor(withOpacity(colors.dot, pass == Pass::Sharp ? 1.0 : glowOpacity));
    for (const QPolygonF& stroke : checkmarkStrokes(character.x, metrics.digitHeight, metrics.thickness))
        path.addPolygon(stroke);
}

// Anything the segments cannot show is written in bold text, upright unless
// it is some kind of numeral.
void drawText(QPainter& painter, const PlacedCharacter& character, const Metrics& metrics, const QColor& color,
              const QTransform& upright)
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(textLayoutPixels);
    const QFontMetricsF fontMetrics(font);
    const QString text = character.text.toString();
    const qreal factor = textHeightRatio * metrics.digitHeight / textLayoutPixels;
    const qreal width = std::min(fontMetrics.horizontalAdvance(text) * factor, 2 * metrics.digitWidth());
    const qreal height = std::min(fontMetrics.height() * factor, metrics.digitHeight);

    QPainterPath path;
    path.addText(0, fontMetrics.ascent(), font, text);
    QTransform place;
    place.translate(character.x + (metrics.digitWidth() - width) / 2, (metrics.digitHeight - height) / 2);
    place.scale(factor, factor);

    painter.save();
    if (!character.text.front().isNumber())
        painter.setTransform(upright);
    painter.fillPath(place.map(path), color);
    painter.restore();
}

// One character's bars, colon or check mark in one pass, leaning with the canvas.
void drawShapes(QPainter& painter, Pass pass, const PlacedCharacter& character, const Metrics& metrics,
                const SegmentColors& colors, qreal colonOpacity)
{
    painter.save();
    painter.setTransform(metrics.canvasTransform() * painter.transform());
    ColorBatches batches;
    switch (character.kind) {
    case CharacterKind::Colon:
        addColon(batches, pass, character, metrics, colors, colonOpacity);
        break;
    case CharacterKind::Digit:
        addDigit(batches, pass, character, metrics, colors);
        break;
    case CharacterKind::Checkmark:
        addCheckmark(batches, pass, character, metrics, colors);
        break;
    case CharacterKind::Other:
        break;
    }
    batches.fill(painter);
    painter.restore();
}

// Everything that decides how a character's picture looks in one pass; its
// place on the display is the stamp's business.
QByteArray pieceKey(Pass pass, const PlacedCharacter& character, const Metrics& metrics, const SegmentColors& colors,
                    qreal colonOpacity)
{
    SpriteKey key("sevenSegment");
    key.add(pass == Pass::Glow).add(static_cast<int>(character.kind)).add(character.digit);
    key.add(metrics.digitHeight).add(metrics.thickness).add(metrics.glowMargin);
    key.addColor(colors.lit).addColor(colors.dot);
    const int slotCount = character.kind == CharacterKind::Colon ? 2 : static_cast<int>(allSegments.size());
    if (colors.palette) {
        for (int index = 0; index < slotCount; ++index)
            key.addColor(colors.palette->color(index));
    }
    if (character.kind == CharacterKind::Colon)
        key.add(colonOpacity);
    return key.bytes();
}

// The room a character's shapes take on the canvas, leaning included, with
// a little over for antialiasing.
QRectF pieceBounds(const PlacedCharacter& character, const Metrics& metrics)
{
    const qreal t = metrics.thickness;
    const QRectF box(character.x - t, -t, metrics.digitWidth() + 2 * t, metrics.digitHeight + 2 * t);
    return metrics.canvasTransform().mapRect(box);
}

void stampPass(QPainter& painter, SpriteCache& sprites, Pass pass, const std::vector<PlacedCharacter>& characters,
               const Metrics& metrics, const SegmentColors& colors, qreal colonOpacity)
{
    const bool glow = pass == Pass::Glow;
    for (const auto& character : characters) {
        if (character.kind == CharacterKind::Other)
            continue;
        if (glow && character.kind == CharacterKind::Colon && !(colonOpacity > 0))
            continue;
        const auto draw = [&](QPainter& piece) { drawShapes(piece, pass, character, metrics, colors, colonOpacity); };
        // Blur is linear, so the glows of single characters add up to the
        // glow of the whole text.
        sprites.stamp(painter, pieceBounds(character, metrics),
                      pieceKey(pass, character, metrics, colors, colonOpacity), draw,
                      glow ? std::optional(metrics.blurRadius) : std::nullopt);
    }
}

void drawTexts(QPainter& painter, const std::vector<PlacedCharacter>& characters, const Metrics& metrics,
               const SegmentColors& colors)
{
    painter.save();
    const QTransform upright = painter.transform();
    painter.setTransform(metrics.canvasTransform() * upright);
    for (const auto& character : characters) {
        if (character.kind == CharacterKind::Other)
            drawText(painter, character, metrics, colors.dot, upright);
    }
    painter.restore();
}

Metrics metricsOf(const DisplayFrame& frame)
{
    return Metrics::of(frame.scale, frame.style.segmentThickness, frame.style.bloomEnabled);
}

} // namespace

QSizeF SevenSegmentRenderer::naturalSize(const DisplayFrame& frame) const
{
    return metricsOf(frame).naturalSize(frame.text());
}

void SevenSegmentRenderer::advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const
{
    state.colonOpacity = DisplayTiming::colonOpacity(frame.style.colonMode, frame.time, now);
    // A blinking display shows for one whole second and vanishes for the next.
    state.displayOpacity = frame.blinkDisplay && DisplayTiming::isOddSecond(now) ? 0.0 : 1.0;
}

void SevenSegmentRenderer::paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const
{
    const QString text = frame.text();
    const Metrics metrics = metricsOf(frame);
    const auto characters = placeCharacters(text, metrics);
    const QColor dot = frame.color.dotColor();
    const SegmentColors colors{m_phaseTintColor.value_or(dot), dot, paletteInUse(m_phaseTintColor, m_palette)};

    DisplayLayers::paintPaddedCanvas(
        painter, metrics.naturalSize(text), QPointF(metrics.horizontalPadding(), metrics.verticalPadding()),
        metrics.frameSize(text), frame.style.bloomEnabled, state.displayOpacity, [&](QPainter& target, Pass pass) {
            stampPass(target, state.sprites, pass, characters, metrics, colors, state.colonOpacity);
            if (pass == Pass::Sharp)
                drawTexts(target, characters, metrics, colors);
        });
}

std::optional<platform::Date> SevenSegmentRenderer::nextLookChange(const DisplayFrame& frame, const DisplayLookState&,
                                                                   platform::Date now) const
{
    if (frame.style.colonMode != ColonMode::Pulsing && !frame.blinkDisplay)
        return std::nullopt;
    return DisplayTiming::nextWholeSecond(now);
}
