// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/flipclock/FlipClockGeometry.h"
#include "shared-ui/looks/flipclock/FlipClockRenderer.h"

#include "LookProbe.h"

#include <gtest/gtest.h>

using namespace FlipClock;
using platform::Date;

namespace {

const QColor tint(255, 90, 79);
// Opaque cards, so the halves' shades and the split between them can be read.
const DisplayColor navy(u"navy"_qs, u"Navy"_qs, {1.0, 0.75, 0.0, 1}, {0.1, 0.1, 0.3, 1});

Date at(double seconds)
{
    return Date::fromSecondsSinceReferenceDate(seconds);
}

class FlipClockLookTest : public ::testing::Test {
protected:
    static DisplayFrame frameShowing(std::optional<QString> text, double time = 1500)
    {
        DisplayFrame frame;
        frame.time = time;
        frame.color = navy;
        frame.scale = DisplayScale::Regular;
        frame.style.colonMode = ColonMode::Always;
        frame.displayOverride = std::move(text);
        return frame;
    }

    static Card cardAt(const DisplayFrame& frame, std::size_t index)
    {
        const QString text = frame.text();
        return placeCards(splitCharacters(text), Metrics::of(frame.scale)).at(index);
    }

    // A point of the card's upper half outside every glyph cell: its corner.
    static QPointF upperCorner(const Card& card) { return card.rect.topLeft() + QPointF(0.5, 0.5); }
    static QPointF lowerCorner(const Card& card)
    {
        const QRectF lower = lowerHalf(card.rect, Metrics::of(DisplayScale::Regular));
        return lower.bottomLeft() + QPointF(0.5, -0.5);
    }
    // The middle of the 8's top bar, on the upper half.
    static QPointF topBar(const Card& card)
    {
        const Metrics m = Metrics::of(DisplayScale::Regular);
        const BlockFont::Glyph eight = BlockFont::glyph(u"8");
        const FaceCells cells = faceCells(upperFace(card.rect, m), eight);
        return cells.origin + QPointF(BlockFont::columnCount * cells.cell / 2, cells.cell / 2);
    }

    static QColor shaded(qreal shade)
    {
        const QColor background = navy.backgroundColor();
        return QColor::fromRgbF(static_cast<float>(background.redF() * (1 - shade)),
                                static_cast<float>(background.greenF() * (1 - shade)),
                                static_cast<float>(background.blueF() * (1 - shade)));
    }
};

TEST_F(FlipClockLookTest, CardsShowShadedHalvesTheInkAndTheOpenSplit)
{
    const auto frame = frameShowing(u"8"_qs);
    const LookProbe probe(FlipClockRenderer(), frame);
    const Card card = cardAt(frame, 0);
    EXPECT_TRUE(nearColor(probe.at(upperCorner(card)), shaded(0.08)));
    EXPECT_TRUE(nearColor(probe.at(lowerCorner(card)), shaded(0.15)));
    EXPECT_TRUE(nearColor(probe.at(topBar(card)), navy.dotColor()));
    const Metrics m = Metrics::of(frame.scale);
    const QPointF split(card.rect.left() + 1, card.rect.top() + m.halfHeight() + Metrics::split / 2);
    EXPECT_EQ(probe.at(split).alpha(), 0) << "the split shows what lies behind";
}

TEST_F(FlipClockLookTest, TheTintReplacesTheInkButNeverTheCard)
{
    const auto frame = frameShowing(u"8:8"_qs);
    const LookProbe probe(FlipClockRenderer(tint), frame);
    const Metrics m = Metrics::of(frame.scale);
    EXPECT_TRUE(nearColor(probe.at(topBar(cardAt(frame, 0))), tint));
    EXPECT_TRUE(nearColor(probe.at(upperColonDot(cardAt(frame, 1).rect, m).center()), tint));
    EXPECT_TRUE(nearColor(probe.at(upperCorner(cardAt(frame, 0))), shaded(0.08)));
}

TEST_F(FlipClockLookTest, ACharacterWithoutAGlyphGivesABlankCardOfTheSameSize)
{
    const FlipClockRenderer renderer;
    EXPECT_EQ(renderer.naturalSize(frameShowing(u"a"_qs)), renderer.naturalSize(frameShowing(u"8"_qs)));
    const auto frame = frameShowing(u"a"_qs);
    const LookProbe probe(renderer, frame);
    EXPECT_TRUE(nearColor(probe.at(topBar(cardAt(frame, 0))), shaded(0.08)));
}

TEST_F(FlipClockLookTest, ContextualColonHidesBelowAMinuteAndBlinkHidesEverything)
{
    const struct {
        double time;
        bool blink;
        bool colonShown;
        bool anythingShown;
    } cases[] = {
        {59, false, false, true},
        {60, false, true, true},
        {60, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.time << " s" << (c.blink ? ", blinking" : ""));
        auto frame = frameShowing(std::nullopt, c.time);
        frame.style.colonMode = ColonMode::Contextual;
        frame.blinkDisplay = c.blink;
        const LookProbe probe(FlipClockRenderer(), frame);
        const Metrics m = Metrics::of(frame.scale);
        EXPECT_EQ(probe.at(upperColonDot(cardAt(frame, 2).rect, m).center()).alpha() > 0, c.colonShown);
        EXPECT_EQ(!probe.isBlank(), c.anythingShown);
        EXPECT_EQ(probe.image().size(), LookProbe(FlipClockRenderer(), frameShowing(std::nullopt)).image().size());
    }
}

TEST_F(FlipClockLookTest, AFlipDrawsTheOldDigitFoldingAwayUntilItEnds)
{
    const FlipClockRenderer renderer;
    const auto eight = frameShowing(u"8"_qs);
    const auto one = frameShowing(u"1"_qs);
    const Metrics m = Metrics::of(one.scale);
    const Card card = cardAt(one, 0);

    // A cell of the lower half that the 8 lights and the 1 does not.
    const BlockFont::Glyph eightGlyph = BlockFont::glyph(u"8");
    const BlockFont::Glyph oneGlyph = BlockFont::glyph(u"1");
    const FaceCells cells = faceCells(lowerFace(card.rect, m), eightGlyph);
    std::optional<QPointF> oldOnly;
    for (int row = BlockFont::rowCount - 1; !oldOnly && row > BlockFont::rowCount / 2 + 1; --row) {
        for (int column = 0; column < BlockFont::columnCount; ++column) {
            const auto r = static_cast<std::size_t>(row);
            const auto c = static_cast<std::size_t>(column);
            if (eightGlyph[r][c] && !oneGlyph[r][c]) {
                oldOnly = cells.origin + QPointF((column + 0.5) * cells.cell, (row + 0.5) * cells.cell);
                break;
            }
        }
    }
    ASSERT_TRUE(oldOnly);

    DisplayLookState state;
    renderer.advance(state, eight, at(10));
    const auto seen = [&](double second) {
        const QImage image = renderer.renderImage(one, state, at(second), LookProbe::pixelsPerPoint);
        const QPointF pixel = *oldOnly * LookProbe::pixelsPerPoint;
        return image.pixelColor(static_cast<int>(pixel.x()), static_cast<int>(pixel.y()));
    };
    EXPECT_TRUE(nearColor(seen(11), navy.dotColor())) << "the 8's lower half lies flat as the flip starts";
    EXPECT_TRUE(renderer.nextLookChange(one, state, at(11)));
    EXPECT_TRUE(nearColor(seen(11.3), shaded(0.15))) << "and is gone when it ends";
    EXPECT_FALSE(renderer.nextLookChange(one, state, at(11.3)));
}

} // namespace
