// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/blocks/BlockGlyphCells.h"
#include "shared-ui/looks/smallandbig/SmallAndBigLayout.h"
#include "shared-ui/looks/smallandbig/SmallAndBigRenderer.h"

#include "LookProbe.h"

#include <gtest/gtest.h>

#include <set>

using namespace SmallAndBig;
using platform::Date;

namespace {

const QColor amber = DisplayColor::amber().dotColor();
const QColor tint(255, 90, 79);
const QString checkmark = QString(QChar(BlockFont::checkmarkCharacter));

class SmallAndBigLookTest : public ::testing::Test {
protected:
    static DisplayFrame frameShowing(std::optional<QString> text, bool bloom = false)
    {
        return amberFrameShowing(std::move(text), bloom);
    }

    static Metrics metricsOf(const DisplayFrame& frame) { return Metrics::of(frame.scale, frame.style.bloomEnabled); }

    // The middle of a cell of the glyph at `index`, where the display shows it.
    static QPointF cellCentre(const DisplayFrame& frame, std::size_t index, int row, int column)
    {
        const Metrics metrics = metricsOf(frame);
        const PlacedGlyph placed = layout(frame.text(), metrics, 0.5).glyphs.at(index);
        const QRectF cell = BlockGlyphCells::cellSquare(placed.origin, row, column, placed.cell, placed.cell);
        return cell.center() + QPointF(metrics.padding(), metrics.padding());
    }
};

TEST_F(SmallAndBigLookTest, NaturalSizeIsTheFrameWithItsPadding)
{
    const SmallAndBigRenderer renderer;
    EXPECT_EQ(renderer.naturalSize(frameShowing("25:00", true)), QSizeF(49.5, 19.5));
    EXPECT_EQ(renderer.naturalSize(frameShowing("25:00", false)), QSizeF(48, 18));
    DisplayFrame timed = frameShowing(std::nullopt);
    timed.time = 1500;
    EXPECT_EQ(renderer.naturalSize(timed), renderer.naturalSize(frameShowing("25:00")));
}

TEST_F(SmallAndBigLookTest, LitCellsTakeTheDotColorAndUnlitOnesStayClear)
{
    const DisplayFrame frame = frameShowing("25:00");
    const LookProbe probe(SmallAndBigRenderer(), frame);
    // The large 2's top bar and left lower stroke; its clear middle.
    EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, 0, 0, 3)), amber));
    EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, 0, 6, 0)), amber));
    EXPECT_EQ(probe.at(cellCentre(frame, 0, 2, 2)).alpha(), 0);
    // The half-size 0s after the colon: their sides lit, their middles clear.
    for (const std::size_t seconds : {2u, 3u}) {
        EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, seconds, 4, 0)), amber)) << seconds;
        EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, seconds, 4, 6)), amber)) << seconds;
        EXPECT_EQ(probe.at(cellCentre(frame, seconds, 4, 3)).alpha(), 0) << seconds;
    }
    // The colon is only a gap, between the 5 and the first small 0.
    const QPointF colon = (cellCentre(frame, 1, 4, 6) + cellCentre(frame, 2, 4, 0)) / 2;
    EXPECT_EQ(probe.at(colon).alpha(), 0);
}

TEST_F(SmallAndBigLookTest, PaletteColorsEachCellByItsPlaceInTheGlyph)
{
    const DisplayFrame frame = frameShowing("80:08");
    const auto palette = MulticolorPalette::sunset();
    const LookProbe probe(SmallAndBigRenderer(std::nullopt, palette), frame);
    const int topRow[] = {0, 3, 1, 4, 2, 0, 3};
    const std::set<int> litInSecondRow{0, 1, 5, 6};
    const int secondRow[] = {3, 4, 2, 2, 0, 1, 3};
    // Every digit, large or small, shows the same pattern.
    for (std::size_t glyph = 0; glyph < 4; ++glyph) {
        for (int column = 0; column < 7; ++column) {
            SCOPED_TRACE(testing::Message() << "glyph " << glyph << ", column " << column);
            EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, glyph, 0, column)), palette.color(topRow[column])));
            if (litInSecondRow.contains(column))
                EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, glyph, 1, column)), palette.color(secondRow[column])));
            else
                EXPECT_EQ(probe.at(cellCentre(frame, glyph, 1, column)).alpha(), 0);
        }
    }
}

TEST_F(SmallAndBigLookTest, SingleColorWinsOverThePaletteWhereItShould)
{
    const auto palette = MulticolorPalette::sunset();
    // A phase tint colours every cell.
    const DisplayFrame time = frameShowing("80:08");
    const LookProbe tinted(SmallAndBigRenderer(tint, palette), time);
    for (const int column : {0, 1, 2, 3})
        EXPECT_TRUE(nearColor(tinted.at(cellCentre(time, 0, 0, column)), tint)) << column;
    // The check mark never takes the palette.
    const DisplayFrame mark = frameShowing(checkmark);
    const LookProbe checked(SmallAndBigRenderer(std::nullopt, palette), mark);
    EXPECT_TRUE(nearColor(checked.at(cellCentre(mark, 0, 4, 0)), amber));
    EXPECT_TRUE(nearColor(checked.at(cellCentre(mark, 0, 1, 6)), amber));
    // A palette without colours would paint nothing: the dot colour stands in.
    const MulticolorPalette empty("empty", "Empty", {});
    const LookProbe plain(SmallAndBigRenderer(std::nullopt, empty), time);
    EXPECT_TRUE(nearColor(plain.at(cellCentre(time, 0, 0, 1)), amber));
}

TEST_F(SmallAndBigLookTest, BloomGlowsInTheMarginOnlyWhenOn)
{
    for (const bool bloom : {true, false}) {
        SCOPED_TRACE(bloom ? "bloom" : "no bloom");
        const DisplayFrame frame = frameShowing("8", bloom);
        const LookProbe probe(SmallAndBigRenderer(), frame);
        // Just outside the left stroke of the 8, in the glow margin or the padding.
        const QPointF outside = cellCentre(frame, 0, 4, 0) - QPointF(1.5, 0);
        EXPECT_EQ(probe.at(outside).alpha() > 0, bloom);
        EXPECT_TRUE(nearColor(probe.at(cellCentre(frame, 0, 4, 0)), amber));
    }
}

// Squares that overlapped would add up their antialiased coverage where they
// meet, leaving a dotted edge; the edge must be even all along the stroke.
TEST_F(SmallAndBigLookTest, StrokeEdgesAreEvenWhereCellsMeet)
{
    DisplayFrame frame = frameShowing("1");
    frame.scale = DisplayScale::Compact; // cells of 1.125 put the edges between pixels
    DisplayLookState state;
    const QImage image = SmallAndBigRenderer().renderImage(frame, state, Date(), 3);
    const QPointF top = cellCentre(frame, 0, 0, 5) * 3;
    const QPointF bottom = cellCentre(frame, 0, 8, 5) * 3;
    const int y0 = platform::saturatingCast<int>(top.y());
    const int y1 = platform::saturatingCast<int>(bottom.y());
    for (int x = platform::saturatingCast<int>(top.x()) - 4; x <= platform::saturatingCast<int>(top.x()); ++x) {
        const int alpha = qAlpha(image.pixel(x, y0));
        for (int y = y0; y <= y1; ++y)
            ASSERT_NEAR(qAlpha(image.pixel(x, y)), alpha, 1) << "column " << x << ", row " << y;
    }
}

TEST_F(SmallAndBigLookTest, BlinkingHidesTheWholeDisplayForAsLongAsItLasts)
{
    DisplayFrame frame = frameShowing("25:00", true);
    frame.blinkDisplay = true;
    const SmallAndBigRenderer renderer;
    for (const double second : {0.0, 1.0, 2.5}) {
        const LookProbe probe(renderer, frame, Date::fromSecondsSinceReferenceDate(second));
        EXPECT_TRUE(probe.isBlank()) << second;
        EXPECT_EQ(probe.image().size(), LookProbe(renderer, frameShowing("25:00", true)).image().size());
    }
    // It never changes by itself, blinking or not.
    DisplayLookState state;
    EXPECT_FALSE(renderer.nextLookChange(frame, state, Date()));
}

TEST_F(SmallAndBigLookTest, EmptyTextDrawsNothing)
{
    const LookProbe probe(SmallAndBigRenderer(), frameShowing(""));
    EXPECT_TRUE(probe.isBlank());
}

} // namespace
