// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/sevensegment/SevenSegmentGeometry.h"

#include <gtest/gtest.h>

using namespace SevenSegment;

namespace {

constexpr double tolerance = 1e-9;

void expectSize(QSizeF actual, double width, double height, double allowance = 1e-4)
{
    EXPECT_NEAR(actual.width(), width, allowance);
    EXPECT_NEAR(actual.height(), height, allowance);
}

void expectPolygon(const QPolygonF& actual, std::initializer_list<QPointF> expected)
{
    ASSERT_EQ(actual.size(), static_cast<qsizetype>(expected.size()));
    qsizetype i = 0;
    for (const QPointF& point : expected) {
        EXPECT_NEAR(actual[i].x(), point.x(), tolerance) << "vertex " << i;
        EXPECT_NEAR(actual[i].y(), point.y(), tolerance) << "vertex " << i;
        ++i;
    }
}

} // namespace

TEST(SevenSegmentGeometryTest, DigitTableLightsTheRightBars)
{
    using S = Segment;
    const std::vector<std::vector<Segment>> lit = {
        {S::A, S::B, S::C, S::D, S::E, S::F},
        {S::B, S::C},
        {S::A, S::B, S::G, S::E, S::D},
        {S::A, S::B, S::G, S::C, S::D},
        {S::F, S::G, S::B, S::C},
        {S::A, S::F, S::G, S::C, S::D},
        {S::A, S::F, S::G, S::E, S::C, S::D},
        {S::A, S::B, S::C},
        {S::A, S::B, S::C, S::D, S::E, S::F, S::G},
        {S::A, S::B, S::C, S::D, S::F, S::G},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        const auto mask = litSegments(digit);
        for (const Segment segment : allSegments) {
            const auto& expected = lit[static_cast<std::size_t>(digit)];
            const bool on = std::find(expected.begin(), expected.end(), segment) != expected.end();
            EXPECT_EQ(isLit(mask, segment), on) << "segment " << slot(segment);
        }
    }
    EXPECT_EQ(litSegments(-1), 0);
    EXPECT_EQ(litSegments(10), 0);
}

TEST(SevenSegmentGeometryTest, MetricsFollowScaleThicknessAndBloom)
{
    const struct {
        DisplayScale scale;
        SegmentThickness thickness;
        bool bloom;
        qreal height, thickness_, glow, blur;
    } cases[] = {
        {DisplayScale::Compact, SegmentThickness::Thin, true, 13.5, 1.08, 3, 3},
        {DisplayScale::Regular, SegmentThickness::Regular, true, 18, 2.16, 4, 4},
        {DisplayScale::Floating, SegmentThickness::Thick, true, 72, 11.52, 14, 14},
        {DisplayScale::Floating, SegmentThickness::Regular, false, 72, 8.64, 0, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::rawValueView(c.scale));
        const Metrics m = Metrics::of(c.scale, c.thickness, c.bloom);
        EXPECT_DOUBLE_EQ(m.digitHeight, c.height);
        EXPECT_NEAR(m.thickness, c.thickness_, tolerance);
        EXPECT_EQ(m.glowMargin, c.glow);
        EXPECT_EQ(m.blurRadius, c.blur);
    }
}

TEST(SevenSegmentGeometryTest, SizesAndPaddingOfTheDisplay)
{
    const Metrics bloom = Metrics::of(DisplayScale::Regular, SegmentThickness::Regular, true);
    expectSize(bloom.contentSize(u"25:00"), 59.1319, 18);
    expectSize(bloom.frameSize(u"25:00"), 67.1319, 26);
    EXPECT_EQ(bloom.horizontalPadding(), 0);
    EXPECT_EQ(bloom.verticalPadding(), 0);
    expectSize(bloom.naturalSize(u"25:00"), 67.1319, 26);

    const Metrics plain = Metrics::of(DisplayScale::Regular, SegmentThickness::Regular, false);
    expectSize(plain.frameSize(u"25:00"), 59.1319, 18);
    EXPECT_NEAR(plain.horizontalPadding(), 2.16, tolerance);
    EXPECT_NEAR(plain.verticalPadding(), 1.08, tolerance);
    expectSize(plain.naturalSize(u"25:00"), 59.1319 + 4.32, 18 + 2.16);
}

TEST(SevenSegmentGeometryTest, ContentWidthCountsColonsNarrowAndGapsBetweenOthers)
{
    const Metrics m = Metrics::of(DisplayScale::Regular, SegmentThickness::Regular, true);
    const qreal H = 18;
    const qreal lean = slant * H;
    const struct {
        const char16_t* text;
        qreal width;
    } cases[] = {
        {u"", 0},
        {u"5", lean + 0.6 * H},
        {u":", lean + 0.24 * H},
        {u"25", lean + 1.2 * H + 0.18 * H},
        {u"\u2713", lean + 0.6 * H},
        {u"100:00", lean + 0.24 * H + 5 * 0.6 * H + 4 * 0.18 * H},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        expectSize(m.contentSize(c.text), c.width, H, tolerance);
    }
    // Empty text: nothing but the glow frame.
    expectSize(m.frameSize(u""), 8, 26, tolerance);
}

TEST(SevenSegmentGeometryTest, CharactersAdvanceByTheirKind)
{
    const Metrics m = Metrics::of(DisplayScale::Regular, SegmentThickness::Regular, true);
    const auto placed = placeCharacters(u"2:\u2713-\u0663", m);
    const struct {
        CharacterKind kind;
        qreal x;
    } expected[] = {
        {CharacterKind::Digit, 0},    {CharacterKind::Colon, 14.04}, {CharacterKind::Checkmark, 18.36},
        {CharacterKind::Other, 32.4}, {CharacterKind::Other, 46.44}, // an Arabic-Indic three is a numeral but no digit
                                                                     // the segments know
    };
    ASSERT_EQ(placed.size(), std::size(expected));
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(placed[i].kind, expected[i].kind) << i;
        EXPECT_NEAR(placed[i].x, expected[i].x, tolerance) << i;
    }
    EXPECT_EQ(placed[0].digit, 2);
}

TEST(SevenSegmentGeometryTest, SegmentHexagonsSitInTheDigitBox)
{
    // H 18, t 2.16: W 10.8, h 1.08, q 0.1728, bars from 1.188 to 9.612.
    const qreal x = 10;
    expectPolygon(segmentPolygon(Segment::A, x, 18, 2.16),
                  {{11.188, 1.08}, {12.268, 0}, {18.532, 0}, {19.612, 1.08}, {18.532, 2.16}, {12.268, 2.16}});
    expectPolygon(segmentPolygon(Segment::G, x, 18, 2.16),
                  {{11.188, 9}, {12.268, 7.92}, {18.532, 7.92}, {19.612, 9}, {18.532, 10.08}, {12.268, 10.08}});
    expectPolygon(segmentPolygon(Segment::D, x, 18, 2.16),
                  {{11.188, 16.92}, {12.268, 15.84}, {18.532, 15.84}, {19.612, 16.92}, {18.532, 18}, {12.268, 18}});
    expectPolygon(segmentPolygon(Segment::B, x, 18, 2.16),
                  {{19.72, 1.2528}, {20.8, 2.3328}, {20.8, 7.92}, {19.72, 9}, {18.64, 7.92}, {18.64, 2.3328}});
    expectPolygon(segmentPolygon(Segment::F, x, 18, 2.16),
                  {{11.08, 1.2528}, {12.16, 2.3328}, {12.16, 7.92}, {11.08, 9}, {10, 7.92}, {10, 2.3328}});
    expectPolygon(segmentPolygon(Segment::C, x, 18, 2.16),
                  {{19.72, 9.1728}, {20.8, 10.2528}, {20.8, 15.84}, {19.72, 16.92}, {18.64, 15.84}, {18.64, 10.2528}});
    expectPolygon(segmentPolygon(Segment::E, x, 18, 2.16),
                  {{11.08, 9.1728}, {12.16, 10.2528}, {12.16, 15.84}, {11.08, 16.92}, {10, 15.84}, {10, 10.2528}});
}

TEST(SevenSegmentGeometryTest, ColonDotsAndCanvasLean)
{
    const auto dots = colonDots(0, 18, 2.16);
    EXPECT_NEAR(dots[0].left(), 0.2 * 10.8 - 1.08, tolerance);
    EXPECT_NEAR(dots[0].top(), 6 - 1.08, tolerance);
    EXPECT_NEAR(dots[1].top(), 12 - 1.08, tolerance);
    EXPECT_NEAR(dots[1].width(), 2.16, tolerance);
    EXPECT_NEAR(colonDotCornerRadius(2.16), 0.324, tolerance);

    const Metrics m = Metrics::of(DisplayScale::Regular, SegmentThickness::Regular, true);
    const QTransform lean = m.canvasTransform();
    // The bottom edge starts at the glow margin; the top leans right by k x H.
    const QPointF bottom = lean.map(QPointF(0, 18));
    const QPointF top = lean.map(QPointF(0, 0));
    EXPECT_NEAR(bottom.x(), 4, tolerance);
    EXPECT_NEAR(bottom.y(), 22, tolerance);
    EXPECT_NEAR(top.x(), 4 + slant * 18, tolerance);
    EXPECT_NEAR(top.y(), 4, tolerance);
}

TEST(SevenSegmentGeometryTest, TaperedStrokesEndInPoints)
{
    EXPECT_TRUE(taperedStroke({3, 3}, {3, 3}, 2).isEmpty());
    // Long stroke: tapers by half the width at each end.
    expectPolygon(taperedStroke({0, 0}, {10, 0}, 2), {{0, 0}, {1, 1}, {9, 1}, {10, 0}, {9, -1}, {1, -1}});
    // Shorter than the width: the taper stops at the middle.
    expectPolygon(taperedStroke({0, 0}, {1, 0}, 4), {{0, 0}, {0.5, 2}, {0.5, 2}, {1, 0}, {0.5, -2}, {0.5, -2}});

    const auto strokes = checkmarkStrokes(0, 18, 2.16);
    EXPECT_NEAR(strokes[0].front().x(), 0.05 * 10.8, tolerance);
    EXPECT_NEAR(strokes[0].front().y(), 0.55 * 18, tolerance);
    EXPECT_EQ(strokes[0][3], strokes[1].front()); // both strokes meet at the bottom point
    EXPECT_NEAR(strokes[1][3].x(), 0.95 * 10.8, tolerance);
    EXPECT_NEAR(strokes[1][3].y(), 0.10 * 18, tolerance);
}
