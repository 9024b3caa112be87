// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayScale.h"

#include "TimerCoreKit/options/DisplayOptions.h"

#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QStringView>
#include <QTransform>

#include <array>
#include <cstdint>
#include <vector>

// The shapes of the slanted seven-segment digits, as pure functions of the
// digit height and the segment thickness. Coordinates are those of the
// unsheared canvas; `canvasTransform` leans them and adds the glow margin.
namespace SevenSegment {

// In drawing order; the index is also the segment's palette slot.
enum class Segment : std::uint8_t { A, B, C, D, E, F, G };
inline constexpr std::array allSegments{Segment::A, Segment::B, Segment::C, Segment::D,
                                        Segment::E, Segment::F, Segment::G};

constexpr int slot(Segment segment)
{
    return static_cast<int>(segment);
}

// The lit segments of a digit, bit i for the segment of index i; nothing for
// a value outside 0...9.
std::uint8_t litSegments(int digit);
constexpr bool isLit(std::uint8_t mask, Segment segment)
{
    return (mask >> slot(segment)) & 1u;
}

// tan(6°): how far the digits lean to the right.
inline constexpr qreal slant = 0.10510423526567646;

struct Metrics {
    qreal digitHeight; // H
    qreal thickness; // t
    qreal glowMargin; // G, 0 with bloom off
    qreal blurRadius; // of the glow layer

    static Metrics of(DisplayScale scale, SegmentThickness thickness, bool bloomEnabled);

    qreal digitWidth() const { return 0.6 * digitHeight; }
    qreal digitAdvance() const { return 1.3 * digitWidth(); }
    qreal colonAdvance() const { return 0.4 * digitWidth(); }

    // The drawn text, without the glow margins.
    QSizeF contentSize(QStringView text) const;
    // The canvas: the content with the glow margin on every side.
    QSizeF frameSize(QStringView text) const;
    // Room around the canvas, so thick segments without glow keep clear of the edge.
    qreal horizontalPadding() const;
    qreal verticalPadding() const;
    // The whole display: the canvas and its padding.
    QSizeF naturalSize(QStringView text) const;

    // Leans the canvas by 6° about its bottom edge and moves it in by the glow margin.
    QTransform canvasTransform() const;
};

enum class CharacterKind { Colon, Digit, Checkmark, Other };

// One character of the text at its cursor position.
struct PlacedCharacter {
    QStringView text;
    CharacterKind kind;
    int digit; // 0...9 for a digit
    qreal x; // left edge of its box on the unsheared canvas
};
std::vector<PlacedCharacter> placeCharacters(QStringView text, const Metrics& metrics);

// The hexagon of one segment in the digit box whose top-left corner is (x, 0).
QPolygonF segmentPolygon(Segment segment, qreal x, qreal digitHeight, qreal thickness);

// The colon's upper and lower dots in the colon cell starting at x.
std::array<QRectF, 2> colonDots(qreal x, qreal digitHeight, qreal thickness);
qreal colonDotCornerRadius(qreal thickness);

// A stroke from a to b of the given width with pointed ends; empty when a == b.
QPolygonF taperedStroke(QPointF a, QPointF b, qreal width);
// The two strokes of the check mark in the digit box at x.
std::array<QPolygonF, 2> checkmarkStrokes(qreal x, qreal digitHeight, qreal thickness);

} // namespace SevenSegment
