// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/flipclock/FlipCardMotion.h"
#include "shared-ui/looks/flipclock/FlipClockGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace FlipClock;
using platform::Date;

namespace {

Date at(double seconds)
{
    return Date::fromSecondsSinceReferenceDate(seconds);
}

TEST(FlipClockGeometry, MetricsFollowTheSizeClass)
{
    const struct {
        DisplayScale scale;
        Metrics expected;
    } cases[] = {
        {DisplayScale::Compact, {9, 13.5, 4.5, 1.6875, 1.6875, 0.5625}},
        {DisplayScale::Regular, {12, 18, 6, 2.25, 2.25, 0.75}},
        {DisplayScale::Floating, {48, 72, 24, 9, 9, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::rawValueView(c.scale));
        const Metrics m = Metrics::of(c.scale);
        EXPECT_DOUBLE_EQ(m.cardWidth, c.expected.cardWidth);
        EXPECT_DOUBLE_EQ(m.cardHeight, c.expected.cardHeight);
        EXPECT_DOUBLE_EQ(m.colonWidth, c.expected.colonWidth);
        EXPECT_DOUBLE_EQ(m.colonDotSide, c.expected.colonDotSide);
        EXPECT_DOUBLE_EQ(m.horizontalPadding, c.expected.horizontalPadding);
        EXPECT_DOUBLE_EQ(m.verticalPadding, c.expected.verticalPadding);
    }
}

TEST(FlipClockGeometry, CardsTouchAndTheColonIsHalfACard)
{
    const Metrics m = Metrics::of(DisplayScale::Regular);
    const QString text = u"25:00"_qs;
    const auto cards = placeCards(splitCharacters(text), m);
    ASSERT_EQ(cards.size(), 5u);
    qreal x = m.horizontalPadding;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cards[i].kind, i == 2 ? CardKind::Colon : CardKind::Digit);
        EXPECT_DOUBLE_EQ(cards[i].rect.left(), x);
        EXPECT_DOUBLE_EQ(cards[i].rect.top(), m.verticalPadding);
        EXPECT_DOUBLE_EQ(cards[i].rect.height(), 18.5);
        x = cards[i].rect.right();
    }
    EXPECT_DOUBLE_EQ(cards[2].rect.width(), cards[0].rect.width() / 2);
    EXPECT_EQ(naturalSize(splitCharacters(text), m), QSizeF(4 * 12 + 6 + 2 * 2.25, 18.5 + 2 * 0.75));
    // An empty row keeps only its padding.
    EXPECT_EQ(naturalSize(splitCharacters(u""), m), QSizeF(4.5, 1.5));
}

TEST(FlipClockGeometry, HalvesLeaveTheSplitOpenAndFacesCoverTheWholeCard)
{
    const Metrics m = Metrics::of(DisplayScale::Regular);
    const QRectF card(10, 1, 12, 18.5);
    EXPECT_EQ(upperHalf(card, m), QRectF(10, 1, 12, 9));
    EXPECT_EQ(lowerHalf(card, m), QRectF(10, 10.5, 12, 9));
    EXPECT_EQ(upperFace(card, m), QRectF(10, 1, 12, 18));
    EXPECT_EQ(lowerFace(card, m), QRectF(10, 1.5, 12, 18));
    // The colon's dots sit a little inside the middles of their halves.
    EXPECT_EQ(upperColonDot(card, m).center(), QPointF(16, 5.5 + 0.08 * 18));
    EXPECT_EQ(lowerColonDot(card, m).center(), QPointF(16, 15 - 0.08 * 18));
    EXPECT_DOUBLE_EQ(upperColonDot(card, m).width(), 2.25);
}

TEST(FlipClockGeometry, FaceCellsLeaveAMarginAndCentreTheGlyph)
{
    const BlockFont::Glyph eight = BlockFont::glyph(u"8");
    ASSERT_FALSE(eight.empty());
    const auto rows = static_cast<qreal>(eight.size());
    const auto columns = static_cast<qreal>(eight.front().size());
    const QRectF face(0, 0, 12, 18);
    const FaceCells cells = faceCells(face, eight);
    EXPECT_DOUBLE_EQ(cells.cell, std::min(12 / (columns + 2), 18 / (rows + 2)));
    EXPECT_DOUBLE_EQ(cells.origin.x(), (12 - columns * cells.cell) / 2);
    EXPECT_DOUBLE_EQ(cells.origin.y(), (18 - rows * cells.cell) / 2);
    EXPECT_GE(cells.origin.x(), cells.cell);
    EXPECT_GE(cells.origin.y(), cells.cell);
    // A character with no glyph gives no cells.
    EXPECT_EQ(faceCells(face, BlockFont::glyph(u"a")).cell, 0);
}

TEST(FlipClockGeometry, TheFlapTurnsOnItsHingeAndNeverStandsEdgeOn)
{
    const QRectF half(0, 10, 12, 9);
    const QPointF hingeLeft = half.topLeft();
    const QPointF farEdge = half.bottomLeft();
    // Flat at the start: nothing moves.
    EXPECT_EQ(flapTransform(half, 0).map(farEdge), farEdge);
    for (const qreal progress : {0.25, 0.5, 1.0}) {
        const QTransform turn = flapTransform(half, progress);
        EXPECT_NEAR(turn.map(hingeLeft).y(), hingeLeft.y(), 1e-4) << "the hinge stays put at " << progress;
    }
    // At the end the far edge has come up to just below the hinge, not over it.
    const qreal farEnd = flapTransform(half, 1).map(farEdge).y();
    EXPECT_GT(farEnd, half.top());
    EXPECT_LT(farEnd, half.top() + 1);
    // Out-of-range progress is held to the flip's ends.
    EXPECT_EQ(flapTransform(half, -1), flapTransform(half, 0));
    EXPECT_EQ(flapTransform(half, 7), flapTransform(half, 1));
    EXPECT_EQ(flapTransform(half, std::numeric_limits<qreal>::quiet_NaN()), flapTransform(half, 1));
    EXPECT_TRUE(flapTransform(QRectF(), 0.5).isIdentity());
}

TEST(FlipCardMotion, EasedProgressRunsFromZeroToOne)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double elapsed;
        double duration;
        qreal expected;
    } cases[] = {
        {-1, 0.3, 0}, {0, 0.3, 0}, {0.15, 0.3, 0.5}, {0.3, 0.3, 1}, {5, 0.3, 1}, {0.1, 0, 1}, {nan, 0.3, 1},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(FlipCardMotion::easedProgress(c.elapsed, c.duration), c.expected, 1e-3)
            << c.elapsed << " of " << c.duration;
    // Ease in: the first tenth of the time covers much less than a tenth of the way.
    EXPECT_LT(FlipCardMotion::easedProgress(0.03, 0.3), 0.05);
}

class FlipMotionTest : public ::testing::Test {
protected:
    void show(const QString& text, double second, FlipSpeed speed = FlipSpeed::Normal)
    {
        FlipCardMotion::update(state, splitCharacters(text), speed, at(second));
    }

    std::vector<bool> flipping() const
    {
        std::vector<bool> result;
        for (const auto& card : state.cards)
            result.push_back(card.previousCharacter.has_value());
        return result;
    }

    FlipCardsState state;
};

TEST_F(FlipMotionTest, FirstShownCardsDoNotFlip)
{
    show(u"10:00"_qs, 100);
    EXPECT_EQ(flipping(), std::vector<bool>(5, false));
    EXPECT_FALSE(FlipCardMotion::nextFrame(state, FlipSpeed::Normal, at(100)));
}

TEST_F(FlipMotionTest, CardsMatchedByPositionFlipTogetherWhileTheColonStays)
{
    show(u"10:00"_qs, 100);
    show(u"09:59"_qs, 101);
    EXPECT_EQ(flipping(), (std::vector<bool>{true, true, false, true, true}));
    EXPECT_EQ(state.cards[0].previousCharacter, u"1"_qs);
    EXPECT_EQ(state.cards[0].character, u"0"_qs);
    EXPECT_EQ(state.cards[0].flipProgress, 0.0);
    // Halfway through, the flip asks for the next frame; after its end it is gone.
    show(u"09:59"_qs, 101.15);
    EXPECT_NEAR(state.cards[0].flipProgress, 0.5, 1e-3);
    EXPECT_EQ(FlipCardMotion::nextFrame(state, FlipSpeed::Normal, at(101.15)),
              at(101.15) + FlipCardMotion::frameInterval);
    // The last frame falls on the flip's end and ends it, however 101.3 - 101 rounds.
    const auto last = FlipCardMotion::nextFrame(state, FlipSpeed::Normal, at(101.29));
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, at(101) + 0.3);
    FlipCardMotion::update(state, splitCharacters(u"09:59"), FlipSpeed::Normal, *last);
    EXPECT_EQ(flipping(), std::vector<bool>(5, false));
    EXPECT_FALSE(FlipCardMotion::nextFrame(state, FlipSpeed::Normal, *last));
}

TEST_F(FlipMotionTest, TheLastFrameLandsOnTheFlipsEnd)
{
    show(u"5"_qs, 10, FlipSpeed::Fast);
    show(u"4"_qs, 11, FlipSpeed::Fast);
    ASSERT_TRUE(state.cards[0].previousCharacter);
    EXPECT_EQ(FlipCardMotion::nextFrame(state, FlipSpeed::Fast, at(11.14)), at(11.15));
    show(u"4"_qs, 11.15, FlipSpeed::Fast);
    EXPECT_FALSE(state.cards[0].previousCharacter);
}

TEST_F(FlipMotionTest, AChangeDuringAFlipStartsItAgainFromTheDigitThenShown)
{
    show(u"3"_qs, 10);
    show(u"2"_qs, 11);
    show(u"1"_qs, 11.1);
    EXPECT_EQ(state.cards[0].previousCharacter, u"2"_qs);
    EXPECT_EQ(state.cards[0].flipStartedAt, at(11.1));
    EXPECT_EQ(state.cards[0].flipProgress, 0.0);
}

TEST_F(FlipMotionTest, OnlyADigitChangingInPlaceFlips)
{
    const struct {
        QString before;
        QString after;
        std::vector<bool> flips;
        const char* why;
    } cases[] = {
        {u"10"_qs, u"9"_qs, {false}, "two cards become one centred card"},
        {u"9"_qs, u"10"_qs, {false, false}, "one centred card becomes a row"},
        {u"5:00"_qs, u"15:00"_qs, {true, false, false, false, false}, "the row grows: matched by position"},
        {u"1:2"_qs, u"12:"_qs, {false, false, false}, "a colon and a digit trade places"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        state = {};
        show(c.before, 10);
        show(c.after, 11);
        EXPECT_EQ(flipping(), c.flips);
    }
}

TEST_F(FlipMotionTest, AClockThatIsNotFiniteEndsTheFlip)
{
    show(u"2"_qs, 10);
    show(u"1"_qs, 11);
    show(u"1"_qs, std::numeric_limits<double>::infinity());
    EXPECT_FALSE(state.cards[0].previousCharacter);
    EXPECT_EQ(state.cards[0].flipProgress, 1.0);
}

} // namespace
