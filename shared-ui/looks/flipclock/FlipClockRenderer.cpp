// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/flipclock/FlipClockRenderer.h"

#include "shared-ui/looks/DisplayLayers.h"
#include "shared-ui/looks/DisplayTiming.h"
#include "shared-ui/looks/SpriteCache.h"
#include "shared-ui/looks/blocks/BlockGlyphCells.h"
#include "shared-ui/looks/flipclock/FlipCardMotion.h"
#include "shared-ui/looks/flipclock/FlipClockGeometry.h"

#include "DotMatrixKit/TextCharacters.h"
#include "DotMatrixKit/paint/DotBatches.h"

#include <QPainter>
#include <QPainterPath>

using namespace FlipClock;

namespace {

constexpr qreal upperShade = 0.08;
constexpr qreal lowerShade = 0.15;
constexpr qreal hingeOpacity = 0.15;
constexpr qreal hingeHeight = 1;

struct CardColors {
    QColor background; // the scheme's; a tint never changes it
    QColor ink; // the phase tint, else the scheme's dot colour
};

void fillHalf(QPainter& painter, const QRectF& half, const CardColors& colors, qreal shade)
{
    painter.fillRect(half, colors.background);
    painter.fillRect(half, QColor::fromRgbF(0, 0, 0, static_cast<float>(shade)));
}

// The glyph of `character` on a card's full face; only the part inside the
// painter's clip shows.
void drawFace(QPainter& painter, const QRectF& face, QStringView character, const QColor& ink)
{
    const BlockFont::Glyph glyph = BlockFont::glyph(character);
    if (glyph.empty())
        return;
    const FaceCells cells = faceCells(face, glyph);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    BlockGlyphCells::addLitCells(path, glyph, cells.origin, cells.cell, cells.cell + BlockGlyphCells::seamOverlap);
    painter.fillPath(path, ink);
}

void drawUpperHalf(QPainter& painter, const QRectF& card, const Metrics& metrics, QStringView character,
                   const CardColors& colors)
{
    painter.save();
    const QRectF half = upperHalf(card, metrics);
    painter.setClipRect(half, Qt::IntersectClip);
    fillHalf(painter, half, colors, upperShade);
    drawFace(painter, upperFace(card, metrics), character, colors.ink);
    painter.restore();
}

void drawLowerHalf(QPainter& painter, const QRectF& card, const Metrics& metrics, QStringView character,
                   const CardColors& colors)
{
    painter.save();
    const QRectF half = lowerHalf(card, metrics);
    painter.setClipRect(half, Qt::IntersectClip);
    fillHalf(painter, half, colors, lowerShade);
    painter.fillRect(QRectF(half.left(), half.top(), half.width(), hingeHeight), withOpacity(colors.ink, hingeOpacity));
    drawFace(painter, lowerFace(card, metrics), character, colors.ink);
    painter.restore();
}

// The old digit's lower half, turned on its hinge and fading as it goes.
void drawFlap(QPainter& painter, const QRectF& card, const Metrics& metrics, const FlipCardState& state,
              const CardColors& colors)
{
    const QRectF half = lowerHalf(card, metrics);
    DisplayLayers::paintFaded(painter, half, 1.0 - state.flipProgress, [&](QPainter& target) {
        target.save();
        target.setClipRect(half, Qt::IntersectClip);
        target.setTransform(flapTransform(half, state.flipProgress), true);
        drawLowerHalf(target, card, metrics, *state.previousCharacter, colors);
        target.restore();
    });
}

void drawColon(QPainter& painter, const QRectF& card, const Metrics& metrics, const CardColors& colors)
{
    fillHalf(painter, upperHalf(card, metrics), colors, upperShade);
    fillHalf(painter, lowerHalf(card, metrics), colors, lowerShade);
    painter.fillRect(upperColonDot(card, metrics), colors.ink);
    painter.fillRect(lowerColonDot(card, metrics), colors.ink);
}

enum class Piece { UpperHalf, LowerHalf, Colon };

// Everything that decides how a piece of a card looks; its place is the stamp's business.
QByteArray pieceKey(Piece piece, QStringView character, const Metrics& metrics, const CardColors& colors)
{
    SpriteKey key("flipClock");
    key.add(static_cast<int>(piece)).addText(character).add(metrics.cardWidth).add(metrics.cardHeight);
    key.addColor(colors.background).addColor(colors.ink);
    return key.bytes();
}

// The card's still pieces are stamped; only the flap in motion is drawn afresh.
void stampCard(QPainter& painter, SpriteCache& sprites, const Card& card, QStringView character,
               const FlipCardState* motion, const Metrics& metrics, const CardColors& colors, qreal colonOpacity)
{
    if (card.kind == CardKind::Colon) {
        // The card fades as one picture, dots and all.
        DisplayLayers::paintFaded(painter, card.rect, colonOpacity, [&](QPainter& target) {
            sprites.stamp(target, card.rect, pieceKey(Piece::Colon, {}, metrics, colors),
                          [&](QPainter& piece) { drawColon(piece, card.rect, metrics, colors); });
        });
        return;
    }
    sprites.stamp(painter, upperHalf(card.rect, metrics), pieceKey(Piece::UpperHalf, character, metrics, colors),
                  [&](QPainter& piece) { drawUpperHalf(piece, card.rect, metrics, character, colors); });
    sprites.stamp(painter, lowerHalf(card.rect, metrics), pieceKey(Piece::LowerHalf, character, metrics, colors),
                  [&](QPainter& piece) { drawLowerHalf(piece, card.rect, metrics, character, colors); });
    if (motion)
        drawFlap(painter, card.rect, metrics, *motion, colors);
}

} // namespace

QSizeF FlipClockRenderer::naturalSize(const DisplayFrame& frame) const
{
    return FlipClock::naturalSize(splitCharacters(frame.text()), Metrics::of(frame.scale));
}

void FlipClockRenderer::advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const
{
    const QString text = frame.text();
    FlipCardMotion::update(state.flip, splitCharacters(text), frame.style.flipSpeed, now);
    state.colonOpacity = DisplayTiming::colonOpacity(frame.style.colonMode, frame.time, now);
    state.displayOpacity = frame.blinkDisplay ? 0.0 : 1.0;
}

void FlipClockRenderer::paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const
{
    const QString text = frame.text();
    const TextCharacters characters = splitCharacters(text);
    const Metrics metrics = Metrics::of(frame.scale);
    const std::vector<Card> cards = placeCards(characters, metrics);
    const CardColors colors{frame.color.backgroundColor(), m_phaseTintColor.value_or(frame.color.dotColor())};

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF display(QPointF(0, 0), FlipClock::naturalSize(characters, metrics));
    DisplayLayers::paintFaded(painter, display, state.displayOpacity, [&](QPainter& target) {
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const QStringView character = characters[static_cast<qsizetype>(i)];
            // Only a card that the state matches to this character is in motion.
            const FlipCardState* motion = nullptr;
            if (i < state.flip.cards.size() && state.flip.cards[i].previousCharacter
                && state.flip.cards[i].character == character)
                motion = &state.flip.cards[i];
            stampCard(target, state.sprites, cards[i], character, motion, metrics, colors, state.colonOpacity);
        }
    });
    painter.restore();
}

std::optional<platform::Date> FlipClockRenderer::nextLookChange(const DisplayFrame& frame,
                                                                const DisplayLookState& state, platform::Date now) const
{
    std::optional<platform::Date> next = FlipCardMotion::nextFrame(state.flip, frame.style.flipSpeed, now);
    if (frame.style.colonMode == ColonMode::Pulsing) {
        const auto second = DisplayTiming::nextWholeSecond(now);
        if (second && (!next || *second < *next))
            next = second;
    }
    return next;
}
