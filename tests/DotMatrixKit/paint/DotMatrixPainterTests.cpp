// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/PhaseStrip.h"

#include "support/RenderProbe.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

// Checks the painted image at positions the layout itself reports: lit and
// unlit cells, colours, opacities, glow, background and the phase strip.
class DotMatrixPainting : public ::testing::Test {
protected:
    DotMatrixPainting()
    {
        inputs.displayOverride = QStringLiteral("12:34");
        inputs.theme = DotTheme{QColor(255, 176, 0), QColor(10, 20, 30)};
    }

    std::vector<DotPosition> positions() const { return DotMatrixRules::layout(inputs).positions; }

    template <typename Predicate>
    DotPosition firstWhere(Predicate predicate) const
    {
        const auto all = positions();
        const auto found = std::find_if(all.begin(), all.end(), predicate);
        EXPECT_NE(found, all.end());
        return found == all.end() ? DotPosition{} : *found;
    }

    DotPosition litDigitDot() const
    {
        return firstWhere([](const DotPosition& p) { return p.isActive && !p.isColonDot; });
    }
    DotPosition unlitDigitDot() const
    {
        return firstWhere([](const DotPosition& p) { return !p.isActive && !p.isColonDot; });
    }
    DotPosition litColonDot() const
    {
        return firstWhere([](const DotPosition& p) { return p.isActive && p.isColonDot; });
    }

    DotMatrixInputs inputs;
};

TEST_F(DotMatrixPainting, ImageIsTheGridSize)
{
    const RenderProbe probe(inputs);
    const QSizeF grid = DotGridLayout(inputs.style).totalSize(u"12:34", inputs.digitScaling);
    EXPECT_EQ(probe.image().width(), static_cast<int>(std::ceil(grid.width() * RenderProbe::pixelsPerPoint)));
    EXPECT_EQ(probe.image().height(), static_cast<int>(std::ceil(grid.height() * RenderProbe::pixelsPerPoint)));
}

TEST_F(DotMatrixPainting, LitDotsInTheDotColorAndUnlitCellsLeftOut)
{
    const RenderProbe probe(inputs);
    for (const auto& dot : positions()) {
        if (dot.isActive) {
            EXPECT_TRUE(closeToColor(probe.at(dot), inputs.theme.dotColor, 0)) << dot.row << "," << dot.col;
        } else {
            EXPECT_EQ(probe.at(dot).alpha(), 0) << dot.row << "," << dot.col;
        }
    }
}

TEST_F(DotMatrixPainting, DimmedOffCellsShowFaintlyInTheirPaletteColor)
{
    inputs.showDimmedOffCells = true;
    EXPECT_TRUE(closeToColor(RenderProbe(inputs).at(unlitDigitDot()), withAlpha(inputs.theme.dotColor, 15)));

    inputs.dotColorPalette = {QColor(0, 255, 0)};
    EXPECT_TRUE(closeToColor(RenderProbe(inputs).at(unlitDigitDot()), QColor(0, 255, 0, 15)));
}

TEST_F(DotMatrixPainting, PaletteColorsEachDotByItsSlot)
{
    inputs.dotColorPalette = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta};
    const RenderProbe probe(inputs);
    for (const auto& dot : positions()) {
        if (!dot.isActive)
            continue;
        const int slot = DotGridLayout::paletteSlot(dot.row, dot.col, 5);
        const QColor expected = inputs.dotColorPalette[static_cast<std::size_t>(slot)];
        EXPECT_TRUE(closeToColor(probe.at(dot), expected, 0)) << dot.row << "," << dot.col;
    }
}

TEST_F(DotMatrixPainting, BaseColorChoice)
{
    struct Case {
        const char* name;
        std::optional<QString> text;
        std::optional<QColor> tint;
        std::vector<QColor> palette;
        QColor expected;
    };
    const QColor tint(200, 100, 255);
    const Case cases[] = {
        {"theme colour", QStringLiteral("88:88"), std::nullopt, {}, inputs.theme.dotColor},
        {"tint replaces the theme colour", QStringLiteral("88:88"), tint, {}, tint},
        {"a one-colour palette paints every dot", QStringLiteral("88:88"), tint, {Qt::green}, QColor(Qt::green)},
        {"check mark ignores tint and palette", QStringLiteral("\u2713"), tint, {Qt::green}, inputs.theme.dotColor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        inputs.displayOverride = c.text;
        inputs.phaseTintColor = c.tint;
        inputs.dotColorPalette = c.palette;
        const RenderProbe probe(inputs);
        for (const auto& dot : positions()) {
            if (dot.isActive) {
                ASSERT_TRUE(closeToColor(probe.at(dot), c.expected, 0)) << dot.row << "," << dot.col;
            }
        }
    }
}

TEST_F(DotMatrixPainting, ColonDotsTakeTheColonOpacity)
{
    const RenderProbe probe(inputs, {.colonOpacity = 0.4, .displayOpacity = 1.0});
    EXPECT_TRUE(closeToColor(probe.at(litColonDot()), withAlpha(inputs.theme.dotColor, 102)));
    EXPECT_TRUE(closeToColor(probe.at(litDigitDot()), inputs.theme.dotColor, 0));

    const RenderProbe hidden(inputs, {.colonOpacity = 0.0, .displayOpacity = 1.0});
    EXPECT_EQ(hidden.at(litColonDot()).alpha(), 0);
}

TEST_F(DotMatrixPainting, RoundedDotsLeaveTheirCornersSquareDotsFillThem)
{
    inputs.style = DotStyle(10, DotWeight::Regular, DotShape::Rounded);
    const DotPosition dot = litDigitDot();
    const QPointF nearCorner(dot.x - dot.size * 0.4, dot.y - dot.size * 0.4);
    EXPECT_EQ(RenderProbe(inputs).at(nearCorner).alpha(), 0);
    inputs.style = DotStyle(10, DotWeight::Regular, DotShape::Square);
    EXPECT_EQ(RenderProbe(inputs).at(nearCorner).alpha(), 255);
}

// Cells that overlap (spacing tighter than the dots) stay solid where they
// meet instead of cancelling out.
TEST_F(DotMatrixPainting, OverlappingDotsLeaveNoHoles)
{
    inputs.displayOverride = QStringLiteral("8");
    inputs.style = DotStyle(4, DotWeight::Bold, DotShape::Square, {.horizontalSpacing = -2, .verticalSpacing = -2});
    const auto all = positions();
    const DotPosition& topLeft = all[0];
    const DotPosition& nextInRow = all[1];
    ASSERT_TRUE(topLeft.isActive && nextInRow.isActive);
    const QPointF overlap((topLeft.x + topLeft.size / 2 + nextInRow.x - nextInRow.size / 2) / 2, topLeft.y);
    EXPECT_TRUE(closeToColor(RenderProbe(inputs).at(overlap), inputs.theme.dotColor, 0));
}

class GlowPainting : public DotMatrixPainting {
protected:
    // Between the first two lit dots of the "1": no dot there, so only glow.
    QPointF gapBelowFirstDot() const
    {
        const auto all = positions();
        const DotPosition& first = all[2]; // top-right cell of the 1
        const DotPosition& second = all[5]; // the cell below it
        return {first.x, (first.y + second.y) / 2};
    }
};

TEST_F(GlowPainting, NoGlowLeavesTheGapsClear)
{
    EXPECT_EQ(RenderProbe(inputs).at(gapBelowFirstDot()).alpha(), 0);
}

TEST_F(GlowPainting, BlurredGlowFillsTheGapsAndKeepsDotsInTheirColor)
{
    inputs.glowRadius = 2;
    const RenderProbe probe(inputs);
    EXPECT_GT(probe.at(gapBelowFirstDot()).alpha(), 20);
    EXPECT_TRUE(closeToColor(probe.at(litDigitDot()), inputs.theme.dotColor, 0));
}

TEST_F(GlowPainting, ZeroRadiusGlowIsAnUnblurredHalfStrengthLayer)
{
    inputs.glowRadius = 0;
    inputs.showDimmedOffCells = true;
    const RenderProbe probe(inputs, {.colonOpacity = 0.4, .displayOpacity = 1.0});
    EXPECT_EQ(probe.at(gapBelowFirstDot()).alpha(), 0);
    // Colon at 0.4 over its own glow at 0.2: 1 - 0.8 x 0.6 = 0.52.
    EXPECT_TRUE(closeToColor(probe.at(litColonDot()), withAlpha(inputs.theme.dotColor, 133)));
    // Unlit cells never glow.
    EXPECT_TRUE(closeToColor(probe.at(unlitDigitDot()), withAlpha(inputs.theme.dotColor, 15)));
}

TEST_F(GlowPainting, OddGlowRadiiDrawLikeZero)
{
    inputs.showDimmedOffCells = true;
    inputs.glowRadius = 0;
    const QImage zero = RenderProbe(inputs).image();
    for (const qreal radius : {-3.0, std::numeric_limits<qreal>::quiet_NaN(), std::numeric_limits<qreal>::infinity()}) {
        inputs.glowRadius = radius;
        EXPECT_EQ(RenderProbe(inputs).image(), zero) << radius;
    }
}

// The display fades as one picture: the glow under a dot does not brighten it.
TEST_F(GlowPainting, DisplayOpacityFadesEverythingAsOne)
{
    inputs.glowRadius = 0;
    const RenderProbe probe(inputs, {.colonOpacity = 1.0, .displayOpacity = 0.25});
    EXPECT_TRUE(closeToColor(probe.at(litDigitDot()), withAlpha(inputs.theme.dotColor, 64)));
}

TEST_F(DotMatrixPainting, OwnBackgroundFillsTheGridWithRoundedCorners)
{
    const QPointF corner(0.1, 0.1);
    const QPointF padding(2, 20);
    EXPECT_EQ(RenderProbe(inputs).at(padding).alpha(), 0);

    inputs.drawsOwnBackground = true;
    inputs.backgroundCornerRadius = 8;
    const RenderProbe rounded(inputs);
    EXPECT_TRUE(closeToColor(rounded.at(padding), inputs.theme.backgroundColor, 0));
    EXPECT_EQ(rounded.at(corner).alpha(), 0);

    inputs.backgroundCornerRadius = 0;
    EXPECT_TRUE(closeToColor(RenderProbe(inputs).at(corner), inputs.theme.backgroundColor, 0));
}

TEST_F(DotMatrixPainting, PhaseStripSegmentsFadeByState)
{
    using State = PhaseIndicator::State;
    inputs.phaseIndicators = {{Qt::red, State::Completed}, {Qt::green, State::Active}, {Qt::blue, State::Future}};
    const auto segments = phaseStripSegments(inputs.phaseIndicators, inputs.style, DotMatrixRules::layout(inputs).size);
    ASSERT_EQ(segments.size(), 3u);
    const RenderProbe probe(inputs);
    const int alphas[] = {102, 255, 38};
    for (std::size_t i = 0; i < segments.size(); ++i)
        EXPECT_TRUE(closeToColor(probe.at(segments[i].rect.center()), withAlpha(segments[i].color, alphas[i]))) << i;
}

TEST_F(DotMatrixPainting, TextWithoutGlyphsDrawsOnlyTheBackground)
{
    inputs.displayOverride = QStringLiteral("--");
    inputs.drawsOwnBackground = true;
    const RenderProbe probe(inputs);
    EXPECT_EQ(probe.image().width(), static_cast<int>(std::ceil(2 * 8.75 * RenderProbe::pixelsPerPoint)));
    EXPECT_TRUE(closeToColor(probe.at(QPointF(8.75, 20.3)), inputs.theme.backgroundColor, 0));
}

// The drawing stays inside the grid, whatever the painter's device is.
TEST_F(DotMatrixPainting, PaintsOnlyInsideTheGrid)
{
    inputs.digitScaling = DigitScaling::perspectiveMinutes(3);
    inputs.glowRadius = 4;
    const QSizeF grid = DotMatrixRules::layout(inputs).size;
    QImage canvas(QSize(400, 200), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.translate(100, 50);
        DotMatrixPainter::paint(painter, inputs, {});
    }
    const QRect inside = QRectF(QPointF(100, 50), grid).toAlignedRect();
    for (int y = 0; y < canvas.height(); y += 2) {
        for (int x = 0; x < canvas.width(); x += 2) {
            if (!inside.contains(x, y)) {
                ASSERT_EQ(qAlpha(canvas.pixel(x, y)), 0) << x << "," << y;
            }
        }
    }
}

} // namespace
