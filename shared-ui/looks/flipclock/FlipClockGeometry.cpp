// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/flipclock/FlipClockGeometry.h"

#include <QMatrix4x4>

#include <algorithm>
#include <cmath>

namespace FlipClock {

namespace {

constexpr PerScale<qreal> cardWidths{9, 12, 48};
constexpr qreal heightPerWidth = 1.5;
constexpr qreal colonPerCardWidth = 0.5;
constexpr qreal dotPerCardWidth = 0.1875;
constexpr qreal horizontalPaddingPerWidth = 0.1875;
constexpr qreal verticalPaddingPerWidth = 0.0625;

// How far the colon dots sit from the middle of their halves, of H.
constexpr qreal colonDotShift = 0.08;
constexpr qreal flapPerspective = 0.3;

constexpr QStringView colon = u":";

} // namespace

Metrics Metrics::of(DisplayScale scale)
{
    const qreal width = cardWidths[scale];
    return {width,
            width * heightPerWidth,
            width * colonPerCardWidth,
            width * dotPerCardWidth,
            width * horizontalPaddingPerWidth,
            width * verticalPaddingPerWidth};
}

std::vector<Card> placeCards(const TextCharacters& characters, const Metrics& metrics)
{
    std::vector<Card> cards;
    cards.reserve(static_cast<std::size_t>(characters.size()));
    qreal x = metrics.horizontalPadding;
    for (const QStringView character : characters) {
        const bool isColon = character == colon;
        const qreal width = isColon ? metrics.colonWidth : metrics.cardWidth;
        cards.push_back({isColon ? CardKind::Colon : CardKind::Digit,
                         QRectF(x, metrics.verticalPadding, width, metrics.rowHeight())});
        x += width;
    }
    return cards;
}

QSizeF naturalSize(const TextCharacters& characters, const Metrics& metrics)
{
    qreal width = 0;
    for (const QStringView character : characters)
        width += character == colon ? metrics.colonWidth : metrics.cardWidth;
    const qreal height = characters.isEmpty() ? 0 : metrics.rowHeight();
    return {width + 2 * metrics.horizontalPadding, height + 2 * metrics.verticalPadding};
}

QRectF upperHalf(const QRectF& card, const Metrics& metrics)
{
    return {card.left(), card.top(), card.width(), metrics.halfHeight()};
}

QRectF lowerHalf(const QRectF& card, const Metrics& metrics)
{
    return {card.left(), card.top() + metrics.halfHeight() + Metrics::split, card.width(), metrics.halfHeight()};
}

QRectF upperFace(const QRectF& card, const Metrics& metrics)
{
    return {card.left(), card.top(), card.width(), metrics.cardHeight};
}

QRectF lowerFace(const QRectF& card, const Metrics& metrics)
{
    const QRectF lower = lowerHalf(card, metrics);
    return {card.left(), lower.top() - metrics.halfHeight(), card.width(), metrics.cardHeight};
}

FaceCells faceCells(const QRectF& face, BlockFont::Glyph glyph)
{
    if (glyph.empty())
        return {0, face.topLeft()};
    const auto rows = static_cast<qreal>(glyph.size());
    const auto columns = static_cast<qreal>(glyph.front().size());
    const qreal cell = std::min(face.width() / (columns + 2), face.height() / (rows + 2));
    return {cell,
            QPointF(face.left() + (face.width() - columns * cell) / 2, face.top() + (face.height() - rows * cell) / 2)};
}

QRectF upperColonDot(const QRectF& card, const Metrics& metrics)
{
    const qreal side = metrics.colonDotSide;
    const QPointF centre = upperHalf(card, metrics).center() + QPointF(0, colonDotShift * metrics.cardHeight);
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

QRectF lowerColonDot(const QRectF& card, const Metrics& metrics)
{
    const qreal side = metrics.colonDotSide;
    const QPointF centre = lowerHalf(card, metrics).center() - QPointF(0, colonDotShift * metrics.cardHeight);
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

QTransform flapTransform(const QRectF& lowerHalf, qreal progress)
{
    const qreal clamped = std::isfinite(progress) ? std::clamp<qreal>(progress, 0, 1) : 1;
    const qreal longestSide = std::max(lowerHalf.width(), lowerHalf.height());
    if (!(longestSide > 0))
        return {};
    // Turned about the hinge, the top edge's middle, and projected from a
    // camera on the axis through it; the far edge swings towards the viewer.
    const QPointF hinge(lowerHalf.center().x(), lowerHalf.top());
    QMatrix4x4 turn;
    turn.rotate(static_cast<float>(clamped * maxFlapAngle), 1, 0, 0);
    turn.translate(static_cast<float>(-hinge.x()), static_cast<float>(-hinge.y()));
    const auto cameraDistance = static_cast<float>(longestSide / flapPerspective);
    return turn.toTransform(cameraDistance) * QTransform::fromTranslate(hinge.x(), hinge.y());
}

} // namespace FlipClock
