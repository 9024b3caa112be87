#include "shared-ui/SevenSegmentRenderer.h"

#include "shared-ui/ColorBatches.h"
#include "shared-ui/DisplayLayers.h"
#include "shared-ui/DisplayTiming.h"
#include "shared-ui/SevenSegmentGeometry.h"

#include "DotMatrixKit/DotBatches.h"

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

enum class Pass { Glow, Sharp };

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
        batches.pathFor(color).addPolygon(
            segmentPolygon(segment, character.x, metrics.digitHeight, metrics.thickness));
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

void drawPass(QPainter& painter, Pass pass, const std::vector<PlacedCharacter>& characters, const Metrics& metrics,
              const SegmentColors& colors, qreal colonOpacity)
{
    painter.save();
    const QTransform upright = painter.transform();
    painter.setTransform(metrics.canvasTransform() * upright);
    ColorBatches batches;
    for (const auto& character : characters) {
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
    }
    batches.fill(painter);
    if (pass == Pass::Sharp) {
        for (const auto& character : characters) {
            if (character.kind == CharacterKind::Other)
                drawText(painter, character, metrics, colors.dot, upright);
        }
    }
    painter.restore();
}

Metrics metricsOf(const DisplayFrame& frame)
{
    return Metrics::of(frame.scale, frame.style.segmentThickness, frame.style.bloomEnabled);
}

} // namespace

SevenSegmentRenderer::SevenSegmentRenderer(std::optional<QColor> phaseTintColor,
                                           std::optional<MulticolorPalette> palette)
    : m_phaseTintColor(std::move(phaseTintColor)), m_palette(std::move(palette))
{
}

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
    const SegmentColors colors{m_phaseTintColor.value_or(dot), dot,
                               m_phaseTintColor || !m_palette ? nullptr : &*m_palette};

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF display(QPointF(0, 0), metrics.naturalSize(text));
    DisplayLayers::paintFaded(painter, display, state.displayOpacity, [&](QPainter& target) {
        target.save();
        target.translate(metrics.horizontalPadding(), metrics.verticalPadding());
        const QRectF canvas(QPointF(0, 0), metrics.frameSize(text));
        target.setClipRect(canvas, Qt::IntersectClip);
        if (frame.style.bloomEnabled) {
            DisplayLayers::paintGlow(target, canvas, metrics.blurRadius, [&](QPainter& layer) {
                drawPass(layer, Pass::Glow, characters, metrics, colors, state.colonOpacity);
            });
        }
        drawPass(target, Pass::Sharp, characters, metrics, colors, state.colonOpacity);
        target.restore();
    });
    painter.restore();
}

std::optional<platform::Date> SevenSegmentRenderer::nextLookChange(const DisplayFrame& frame,
                                                                   const DisplayLookState&, platform::Date now) const
{
    if (frame.style.colonMode != ColonMode::Pulsing && !frame.blinkDisplay)
        return std::nullopt;
    return DisplayTiming::nextWholeSecond(now);
}
