// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/sevensegment/SevenSegmentGeometry.h"

#include "DotMatrixKit/TextCharacters.h"

#include <algorithm>
#include <cmath>

namespace SevenSegment {
namespace {

constexpr PerScale<qreal> digitHeights{13.5, 18, 72};
constexpr PerScale<qreal> glowMargins{3, 4, 14};

constexpr std::uint8_t mask(std::initializer_list<Segment> segments)
{
    unsigned bits = 0;
    for (const auto segment : segments)
        bits |= 1u << slot(segment);
    return static_cast<std::uint8_t>(bits);
}

using S = Segment;
constexpr std::array<std::uint8_t, 10> digitSegments{
    mask({S::A, S::B, S::C, S::D, S::E, S::F}), // 0
    mask({S::B, S::C}), // 1
    mask({S::A, S::B, S::G, S::E, S::D}), // 2
    mask({S::A, S::B, S::G, S::C, S::D}), // 3
    mask({S::F, S::G, S::B, S::C}), // 4
    mask({S::A, S::F, S::G, S::C, S::D}), // 5
    mask({S::A, S::F, S::G, S::E, S::C, S::D}), // 6
    mask({S::A, S::B, S::C}), // 7
    mask({S::A, S::B, S::C, S::D, S::E, S::F, S::G}), // 8
    mask({S::A, S::B, S::C, S::D, S::F, S::G}), // 9
};

qreal thicknessRatio(SegmentThickness thickness)
{
    switch (thickness) {
    case SegmentThickness::Thin:
        return 0.08;
    case SegmentThickness::Regular:
        return 0.12;
    case SegmentThickness::Thick:
        return 0.16;
    }
    return 0.12;
}

const QString checkmark = QStringLiteral("\u2713");

CharacterKind kindOf(QStringView character, int& digit)
{
    if (character == u":")
        return CharacterKind::Colon;
    if (character == checkmark)
        return CharacterKind::Checkmark;
    if (character.size() == 1 && character.front() >= u'0' && character.front() <= u'9') {
        digit = character.front().unicode() - u'0';
        return CharacterKind::Digit;
    }
    return CharacterKind::Other;
}

} // namespace

std::uint8_t litSegments(int digit)
{
    if (digit < 0 || digit >= static_cast<int>(digitSegments.size()))
        return 0;
    return digitSegments[static_cast<std::size_t>(digit)];
}

Metrics Metrics::of(DisplayScale scale, SegmentThickness thickness, bool bloomEnabled)
{
    const qreal height = digitHeights[scale];
    const qreal glow = glowMargins[scale];
    return {height, height * thicknessRatio(thickness), bloomEnabled ? glow : 0, glow};
}

QSizeF Metrics::contentSize(QStringView text) const
{
    const qreal height = digitHeight;
    if (text.isEmpty())
        return {0, height};
    qreal width = slant * height;
    int others = 0;
    for (const QStringView character : splitCharacters(text)) {
        if (character == u":") {
            width += 0.24 * height;
        } else {
            width += 0.6 * height;
            ++others;
        }
    }
    if (others >= 2)
        width += 0.18 * height * (others - 1);
    return {width, height};
}

QSizeF Metrics::frameSize(QStringView text) const
{
    return contentSize(text) + QSizeF(2 * glowMargin, 2 * glowMargin);
}

qreal Metrics::horizontalPadding() const
{
    return std::max<qreal>(0, thickness - glowMargin);
}

qreal Metrics::verticalPadding() const
{
    return std::max<qreal>(0, thickness / 2 - glowMargin);
}

QSizeF Metrics::naturalSize(QStringView text) const
{
    return frameSize(text) + QSizeF(2 * horizontalPadding(), 2 * verticalPadding());
}

QTransform Metrics::canvasTransform() const
{
    return QTransform(1, 0, -slant, 1, slant * digitHeight + glowMargin, glowMargin);
}

std::vector<PlacedCharacter> placeCharacters(QStringView text, const Metrics& metrics)
{
    std::vector<PlacedCharacter> placed;
    qreal x = 0;
    for (const QStringView character : splitCharacters(text)) {
        int digit = 0;
        const CharacterKind kind = kindOf(character, digit);
        placed.push_back({character, kind, digit, x});
        x += kind == CharacterKind::Colon ? metrics.colonAdvance() : metrics.digitAdvance();
    }
    return placed;
}

QPolygonF segmentPolygon(Segment segment, qreal x, qreal digitHeight, qreal thickness)
{
    const qreal H = digitHeight;
    const qreal t = thickness;
    const qreal W = 0.6 * H;
    const qreal h = t / 2;
    const qreal q = 0.08 * t;
    const qreal xL = x + 0.11 * W;
    const qreal xR = x + 0.89 * W;
    const qreal cl = x + h;
    const qreal cr = x + W - h;
    const qreal mid = H / 2;

    // A horizontal bar centred on y, pointed at both ends.
    const auto bar = [&](qreal y) {
        return QPolygonF({{xL, y}, {xL + h, y - h}, {xR - h, y - h}, {xR, y}, {xR - h, y + h}, {xL + h, y + h}});
    };
    // A column from top to bottom, its left edge at left, pointed at both ends.
    const auto column = [&](qreal left, qreal centre, qreal top, qreal bottom) {
        return QPolygonF({{centre, top},
                          {left + t, top + h},
                          {left + t, bottom - h},
                          {centre, bottom},
                          {left, bottom - h},
                          {left, top + h}});
    };

    switch (segment) {
    case Segment::A:
        return bar(h);
    case Segment::G:
        return bar(mid);
    case Segment::D:
        return bar(H - h);
    case Segment::B:
        return column(x + W - t, cr, h + q, mid);
    case Segment::F:
        return column(x, cl, h + q, mid);
    case Segment::C:
        return column(x + W - t, cr, mid + q, H - h);
    case Segment::E:
        return column(x, cl, mid + q, H - h);
    }
    return {};
}

std::array<QRectF, 2> colonDots(qreal x, qreal digitHeight, qreal thickness)
{
    const qreal W = 0.6 * digitHeight;
    const qreal h = thickness / 2;
    const qreal left = x + 0.2 * W - h;
    return {QRectF(left, digitHeight / 3 - h, thickness, thickness),
            QRectF(left, 2 * digitHeight / 3 - h, thickness, thickness)};
}

qreal colonDotCornerRadius(qreal thickness)
{
    return 0.15 * thickness;
}

QPolygonF taperedStroke(QPointF a, QPointF b, qreal width)
{
    const QPointF delta = b - a;
    const qreal length = std::hypot(delta.x(), delta.y());
    if (!(length > 0))
        return {};
    const QPointF u = delta / length;
    const QPointF n(-u.y(), u.x());
    const qreal h = width / 2;
    const qreal e = std::min(length / 2, h);
    return QPolygonF({a, a + e * u + h * n, b - e * u + h * n, b, b - e * u - h * n, a + e * u - h * n});
}

std::array<QPolygonF, 2> checkmarkStrokes(qreal x, qreal digitHeight, qreal thickness)
{
    const qreal H = digitHeight;
    const qreal W = 0.6 * H;
    const QPointF p1(x + 0.05 * W, 0.55 * H);
    const QPointF p2(x + 0.38 * W, 0.85 * H);
    const QPointF p3(x + 0.95 * W, 0.10 * H);
    return {taperedStroke(p1, p2, thickness), taperedStroke(p2, p3, thickness)};
}

} // namespace SevenSegment
