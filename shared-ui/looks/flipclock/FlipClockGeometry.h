// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayScale.h"
#include "shared-ui/looks/blocks/BlockFont.h"

#include "DotMatrixKit/TextCharacters.h"

#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <vector>

// The shapes of the flip-clock look as pure functions of the size class:
// cards in a row, their two halves, the glyph cells on a face, the colon's
// dots and the folding flap.
namespace FlipClock {

struct Metrics {
    qreal cardWidth; // W
    qreal cardHeight; // H: the face, split across the two halves
    qreal colonWidth;
    qreal colonDotSide;
    qreal horizontalPadding; // of the row
    qreal verticalPadding;

    static Metrics of(DisplayScale scale);

    // Left unpainted between the halves, so whatever lies behind shows
    // through as the split line.
    static constexpr qreal split = 0.5;

    qreal halfHeight() const { return cardHeight / 2; }
    // A card's full height: both halves and the split between them.
    qreal rowHeight() const { return cardHeight + split; }
};

enum class CardKind { Digit, Colon };

struct Card {
    CardKind kind;
    QRectF rect; // both halves and the split
};

// The cards of the text, left to right, touching, inside the row's padding.
std::vector<Card> placeCards(const TextCharacters& characters, const Metrics& metrics);
// The row with its padding; an empty text has no cards but keeps the padding.
QSizeF naturalSize(const TextCharacters& characters, const Metrics& metrics);

QRectF upperHalf(const QRectF& card, const Metrics& metrics);
QRectF lowerHalf(const QRectF& card, const Metrics& metrics);

// The full face behind a half, W x H: the upper half shows its top, the
// lower half its bottom.
QRectF upperFace(const QRectF& card, const Metrics& metrics);
QRectF lowerFace(const QRectF& card, const Metrics& metrics);

// A glyph laid on a face: square cells leaving at least one empty cell of
// margin on every side, the glyph centred.
struct FaceCells {
    qreal cell;
    QPointF origin; // top-left of the first cell
};
FaceCells faceCells(const QRectF& face, BlockFont::Glyph glyph);

// The colon card's dots: one a little below the middle of the upper half,
// one a little above the middle of the lower half.
QRectF upperColonDot(const QRectF& card, const Metrics& metrics);
QRectF lowerColonDot(const QRectF& card, const Metrics& metrics);

// The most the flap turns, so it never stands edge-on.
inline constexpr qreal maxFlapAngle = 89;

// The old digit's lower half turning away on the hinge at its top edge:
// `progress` 0 lies flat, 1 has turned `maxFlapAngle` degrees, seen in
// perspective from a camera max(width, height) / 0.3 in front of the hinge.
QTransform flapTransform(const QRectF& lowerHalf, qreal progress);

} // namespace FlipClock
