// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/sevensegment/SevenSegmentGeometry.h"
#include "shared-ui/looks/sevensegment/SevenSegmentRenderer.h"

#include "LookProbe.h"

#include <gtest/gtest.h>

using namespace SevenSegment;
using platform::Date;

namespace {

const QColor amber = DisplayColor::amber().dotColor();
const QColor tint(255, 90, 79);

Date second(double seconds)
{
    return Date::fromSecondsSinceReferenceDate(seconds);
}

class SevenSegmentLookTest : public ::testing::Test {
protected:
    static DisplayFrame frameShowing(std::optional<QString> text, bool bloom = false)
    {
        return amberFrameShowing(std::move(text), bloom);
    }

    static Metrics metricsOf(const DisplayFrame& frame)
    {
        return Metrics::of(frame.scale, frame.style.segmentThickness, frame.style.bloomEnabled);
    }

    // A point of the unsheared canvas where it lands on the display.
    static QPointF onDisplay(const DisplayFrame& frame, QPointF canvasPoint)
    {
        const Metrics m = metricsOf(frame);
        return m.canvasTransform().map(canvasPoint) + QPointF(m.horizontalPadding(), m.verticalPadding());
    }

    static QPointF segmentCentre(const DisplayFrame& frame, std::size_t index, Segment segment)
    {
        const Metrics m = metricsOf(frame);
        const auto placed = placeCharacters(frame.text(), m);
        const QPolygonF polygon = segmentPolygon(segment, placed.at(index).x, m.digitHeight, m.thickness);
        QPointF sum;
        for (const QPointF& p : polygon)
            sum += p;
        return onDisplay(frame, sum / static_cast<qreal>(polygon.size()));
    }

    static QPointF colonDotCentre(const DisplayFrame& frame, std::size_t index, int dot)
    {
        const Metrics m = metricsOf(frame);
        const auto placed = placeCharacters(frame.text(), m);
        return onDisplay(
            frame, colonDots(placed.at(index).x, m.digitHeight, m.thickness)[static_cast<std::size_t>(dot)].center());
    }
};

TEST_F(SevenSegmentLookTest, LitBarsAreSolidAndUnlitOnesFaint)
{
    const auto frame = frameShowing(u"1"_qs);
    const LookProbe probe(SevenSegmentRenderer(), frame);
    for (const Segment segment : allSegments) {
        SCOPED_TRACE(slot(segment));
        const bool lit = segment == Segment::B || segment == Segment::C;
        EXPECT_TRUE(nearColor(probe.at(segmentCentre(frame, 0, segment)), lit ? amber : withAlphaF(amber, 0.06)));
    }
}

TEST_F(SevenSegmentLookTest, PaletteColorsEachBarBySlotAndATintWinsOverIt)
{
    const auto palette = MulticolorPalette::rainbow();
    const auto one = frameShowing(u"1"_qs);
    const LookProbe multicolor(SevenSegmentRenderer(std::nullopt, palette), one);
    EXPECT_TRUE(nearColor(multicolor.at(segmentCentre(one, 0, Segment::B)), palette.color(1)));
    EXPECT_TRUE(nearColor(multicolor.at(segmentCentre(one, 0, Segment::C)), palette.color(2)));
    // Unlit bars stay in the single lit colour.
    EXPECT_TRUE(nearColor(multicolor.at(segmentCentre(one, 0, Segment::A)), withAlphaF(amber, 0.06)));

    const auto eight = frameShowing(u"8"_qs);
    const LookProbe tinted(SevenSegmentRenderer(tint, palette), eight);
    for (const Segment segment : allSegments)
        EXPECT_TRUE(nearColor(tinted.at(segmentCentre(eight, 0, segment)), tint)) << slot(segment);
}

TEST_F(SevenSegmentLookTest, APaletteWithoutColorsLeavesTheDigitsInTheSchemeColor)
{
    auto eight = frameShowing(u"8:8"_qs);
    eight.style.colonMode = ColonMode::Always; // a contextual colon hides under a minute
    const MulticolorPalette empty(u"empty"_qs, u"Empty"_qs, {});
    const LookProbe probe(SevenSegmentRenderer(std::nullopt, empty), eight);
    EXPECT_TRUE(nearColor(probe.at(segmentCentre(eight, 0, Segment::G)), amber));
    EXPECT_TRUE(nearColor(probe.at(colonDotCentre(eight, 1, 0)), amber));
}

TEST_F(SevenSegmentLookTest, ColonFollowsItsMode)
{
    const struct {
        ColonMode mode;
        double time;
        double now;
        qreal opacity;
    } cases[] = {
        {ColonMode::Always, 30, 1, 1.0},     {ColonMode::Pulsing, 300, 2, 1.0},   {ColonMode::Pulsing, 300, 3, 0.4},
        {ColonMode::Contextual, 59, 0, 0.0}, {ColonMode::Contextual, 60, 0, 1.0},
    };
    const auto palette = MulticolorPalette::rainbow();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << platform::rawValueView(c.mode) << " at " << c.time << "s, now " << c.now);
        auto frame = frameShowing(std::nullopt);
        frame.time = c.time;
        frame.style.colonMode = c.mode;
        const LookProbe plain(SevenSegmentRenderer(), frame, second(c.now));
        EXPECT_TRUE(nearColor(plain.at(colonDotCentre(frame, 2, 0)), withAlphaF(amber, c.opacity)));
        EXPECT_TRUE(nearColor(plain.at(colonDotCentre(frame, 2, 1)), withAlphaF(amber, c.opacity)));
        // The upper dot takes palette slot 0, the lower slot 1.
        const LookProbe multicolor(SevenSegmentRenderer(std::nullopt, palette), frame, second(c.now));
        EXPECT_TRUE(nearColor(multicolor.at(colonDotCentre(frame, 2, 0)), withAlphaF(palette.color(0), c.opacity)));
        EXPECT_TRUE(nearColor(multicolor.at(colonDotCentre(frame, 2, 1)), withAlphaF(palette.color(1), c.opacity)));
    }
}

TEST_F(SevenSegmentLookTest, OnlyAPulsingColonOrABlinkChangesTheLookByItself)
{
    const struct {
        ColonMode mode;
        bool blink;
        bool timed;
    } cases[] = {
        {ColonMode::Always, false, false}, {ColonMode::Contextual, false, false}, {ColonMode::Pulsing, false, true},
        {ColonMode::Always, true, true},   {ColonMode::Contextual, true, true},
    };
    for (const auto& c : cases) {
        auto frame = frameShowing(std::nullopt);
        frame.style.colonMode = c.mode;
        frame.blinkDisplay = c.blink;
        const auto next = SevenSegmentRenderer().nextLookChange(frame, {}, second(10.25));
        EXPECT_EQ(next, c.timed ? std::optional(second(11)) : std::nullopt)
            << platform::rawValueView(c.mode) << " blink " << c.blink;
    }
}

TEST_F(SevenSegmentLookTest, BlinkingShowsEvenSecondsAndHidesOddOnes)
{
    auto frame = frameShowing(u"88:88"_qs, true);
    frame.blinkDisplay = true;
    const LookProbe shown(SevenSegmentRenderer(), frame, second(4.5));
    const LookProbe hidden(SevenSegmentRenderer(), frame, second(5.5));
    EXPECT_TRUE(nearColor(shown.at(segmentCentre(frame, 0, Segment::G)), amber));
    EXPECT_EQ(hidden.state().displayOpacity, 0.0);
    EXPECT_TRUE(hidden.isBlank());
    EXPECT_EQ(hidden.image().size(), shown.image().size()) << "a hidden display keeps its room";
}

TEST_F(SevenSegmentLookTest, CheckMarkAndTextKeepTheSchemeColorUnderATint)
{
    const auto check = frameShowing(u"\u2713"_qs);
    const auto strokes = checkmarkStrokes(0, 18, metricsOf(check).thickness);
    const QPointF middle = (strokes[1].front() + strokes[1][3]) / 2;
    const LookProbe tinted(SevenSegmentRenderer(tint), check);
    EXPECT_TRUE(nearColor(tinted.at(onDisplay(check, middle)), amber));

    // A hyphen is upright text centred in its box, without lean or glow offset.
    const auto minus = frameShowing(u"-"_qs, true);
    const LookProbe text(SevenSegmentRenderer(tint), minus);
    const QImage& image = text.image();
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 255) {
                EXPECT_TRUE(nearColor(pixel, amber));
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left) << "the hyphen is drawn";
    const qreal centre = (left + right + 1) / 2.0 / LookProbe::pixelsPerPoint;
    EXPECT_NEAR(centre, metricsOf(minus).digitWidth() / 2, 0.5);
}

TEST_F(SevenSegmentLookTest, BloomGlowsAroundLitBarsOnlyWhenOn)
{
    for (const bool bloom : {true, false}) {
        const auto frame = frameShowing(u"8"_qs, bloom);
        const LookProbe probe(SevenSegmentRenderer(), frame);
        // Just left of the left column, in the glow margin.
        const QPointF beside = onDisplay(frame, QPointF(-1.0, 4.5));
        EXPECT_EQ(probe.at(beside).alpha() > 0, bloom) << "bloom " << bloom;
        EXPECT_TRUE(nearColor(probe.at(segmentCentre(frame, 0, Segment::F)), amber)) << "bloom " << bloom;
    }
}

TEST_F(SevenSegmentLookTest, EmptyTextDrawsNothingInTheGlowFrame)
{
    const auto frame = frameShowing(u""_qs, true);
    const SevenSegmentRenderer renderer;
    EXPECT_EQ(renderer.naturalSize(frame), QSizeF(8, 26));
    EXPECT_TRUE(LookProbe(renderer, frame).isBlank());
}

TEST_F(SevenSegmentLookTest, SameFrameSameDrawingWhateverTheRunningFlag)
{
    auto frame = frameShowing(std::nullopt, true);
    frame.time = 754;
    frame.style.colonMode = ColonMode::Pulsing;
    const SevenSegmentRenderer renderer(std::nullopt, MulticolorPalette::sunset());
    const QImage first = LookProbe(renderer, frame, second(7)).image();
    EXPECT_EQ(LookProbe(SevenSegmentRenderer(std::nullopt, MulticolorPalette::sunset()), frame, second(7)).image(),
              first);
    frame.isRunning = !frame.isRunning;
    EXPECT_EQ(LookProbe(renderer, frame, second(7)).image(), first);
}

} // namespace
