// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetDotMatrixPainter.h"

#include "DotMatrixKit/DotGridLayout.h"
#include "shared-ui/desktopwidget/WidgetDotMatrixView.h"

#include "support/RenderProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

const QColor amber(255, 176, 0);
const QColor panel(10, 20, 30);

// The widget display rendered offscreen, read back at points of its layout.
class WidgetProbe : public RenderProbe {
public:
    explicit WidgetProbe(const WidgetDotMatrixInputs& inputs)
        : RenderProbe(WidgetDotMatrixPainter::renderImage(inputs, pixelsPerPoint))
    {
    }
};

class WidgetDotMatrixViewTest : public ::testing::Test {
protected:
    WidgetDotMatrixViewTest()
    {
        inputs.displayOverride = QStringLiteral("12:34");
        inputs.theme = DotTheme{amber, panel};
    }

    std::vector<DotPosition> cells() const
    {
        return DotGridLayout(inputs.style).positions(*inputs.displayOverride, DigitScaling::uniform());
    }

    template <typename Predicate>
    std::vector<DotPosition> cellsWhere(Predicate predicate) const
    {
        std::vector<DotPosition> found;
        for (const auto& cell : cells()) {
            if (predicate(cell))
                found.push_back(cell);
        }
        return found;
    }

    WidgetDotMatrixInputs inputs;
};

TEST_F(WidgetDotMatrixViewTest, DrawsLitDotsOnlyOnTheThemeBackground)
{
    const auto layout = layoutWidgetDotMatrix(inputs);
    const auto lit = cellsWhere([](const DotPosition& p) { return p.isActive; });
    ASSERT_EQ(layout.dots.size(), lit.size());
    for (std::size_t i = 0; i < lit.size(); ++i) {
        EXPECT_EQ(layout.dots[i].id, int(i));
        EXPECT_EQ(layout.dots[i].position, lit[i]);
    }

    const WidgetProbe probe(inputs);
    for (const auto& dot : lit)
        ASSERT_TRUE(closeToColor(probe.at(dot), amber)) << dot.x << "," << dot.y;
    for (const auto& cell : cellsWhere([](const DotPosition& p) { return !p.isActive; }))
        ASSERT_TRUE(closeToColor(probe.at(cell), panel)) << "unlit cell " << cell.x << "," << cell.y;
    // The block's rounded corner shows what is behind it.
    EXPECT_EQ(probe.at(QPointF(0.2, 0.2)).alpha(), 0);
}

TEST_F(WidgetDotMatrixViewTest, WithoutPhaseRowTheViewIsExactlyTheGrid)
{
    const QSizeF grid = DotGridLayout(inputs.style).totalSize(u"12:34", DigitScaling::uniform());
    for (const bool withEmptyRow : {false, true}) {
        if (withEmptyRow)
            inputs.phaseIndicators.emplace();
        const auto layout = layoutWidgetDotMatrix(inputs);
        EXPECT_EQ(layout.size, grid);
        EXPECT_TRUE(layout.phaseSegments.empty());
        const WidgetProbe probe(inputs);
        EXPECT_EQ(probe.image().width(), int(std::ceil(grid.width() * WidgetProbe::pixelsPerPoint)));
        EXPECT_EQ(probe.image().height(), int(std::ceil(grid.height() * WidgetProbe::pixelsPerPoint)));
    }
}

TEST_F(WidgetDotMatrixViewTest, ColonModesHoldStill)
{
    const auto colon = cellsWhere([](const DotPosition& p) { return p.isActive && p.isColonDot; });
    ASSERT_FALSE(colon.empty());
    struct Case {
        ColonMode mode;
        int alpha;
    };
    for (const auto& [mode, alpha] :
         {Case{ColonMode::Always, 255}, Case{ColonMode::Pulsing, 178}, Case{ColonMode::Contextual, 255}}) {
        SCOPED_TRACE(platform::rawValue(mode).toStdString());
        inputs.colonMode = mode;
        const WidgetProbe probe(inputs);
        const QColor expected = withAlpha(amber, alpha);
        // Over the panel, a dimmed colon blends with it.
        const QColor blended
            = QColor::fromRgbF(float(expected.redF() * expected.alphaF() + panel.redF() * (1 - expected.alphaF())),
                               float(expected.greenF() * expected.alphaF() + panel.greenF() * (1 - expected.alphaF())),
                               float(expected.blueF() * expected.alphaF() + panel.blueF() * (1 - expected.alphaF())));
        EXPECT_TRUE(closeToColor(probe.at(colon.front()), blended));
    }
}

TEST_F(WidgetDotMatrixViewTest, TintedModeIsWhiteOnClear)
{
    inputs.isTintedMode = true;
    inputs.colonMode = ColonMode::Pulsing;
    inputs.dotColorPalette = std::vector<QColor>{Qt::red, Qt::green};
    const WidgetProbe probe(inputs);
    for (const auto& dot : cellsWhere([](const DotPosition& p) { return p.isActive; })) {
        const QColor expected = dot.isColonDot ? withAlpha(Qt::white, 178) : QColor(Qt::white);
        ASSERT_TRUE(closeToColor(probe.at(dot), expected)) << dot.x << "," << dot.y;
    }
    for (const auto& cell : cellsWhere([](const DotPosition& p) { return !p.isActive; }))
        ASSERT_EQ(probe.at(cell).alpha(), 0);
}

TEST_F(WidgetDotMatrixViewTest, PaletteColorsEachCellAsTheDotMatrixViewDoes)
{
    const std::vector<QColor> palette{QColor(255, 0, 0), QColor(0, 0, 255)};
    inputs.dotColorPalette = palette;
    const WidgetProbe widget(inputs);

    DotMatrixInputs live;
    live.displayOverride = inputs.displayOverride;
    live.style = inputs.style;
    live.dotColorPalette = palette;
    const RenderProbe view(live);

    std::set<QRgb> seen;
    for (const auto& dot : cellsWhere([](const DotPosition& p) { return p.isActive; })) {
        const QColor expected = palette[std::size_t(DotGridLayout::paletteSlot(dot.row, dot.col, 2))];
        ASSERT_TRUE(closeToColor(widget.at(dot), expected)) << dot.row << "," << dot.col;
        ASSERT_TRUE(closeToColor(widget.at(dot), view.at(dot)));
        seen.insert(expected.rgb());
    }
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(WidgetDotMatrixViewTest, CheckmarkOverrideIsTheSmallGlyph)
{
    inputs.displayOverride = QStringLiteral("\u2713");
    const auto layout = layoutWidgetDotMatrix(inputs);
    const auto expected = cellsWhere([](const DotPosition& p) { return p.isActive; });
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(layout.dots.size(), expected.size());
    EXPECT_LT(layout.gridSize.width(),
              DotGridLayout(inputs.style).totalSize(u"00:00", DigitScaling::uniform()).width());
}

TEST_F(WidgetDotMatrixViewTest, FormatsTheTimeWithoutOverride)
{
    inputs.displayOverride.reset();
    inputs.time = 754;
    inputs.timeFormat = TimeFormat::Minimal;
    EXPECT_EQ(layoutWidgetDotMatrix(inputs).text, u"12");
    inputs.timeFormat = TimeFormat::Standard;
    EXPECT_EQ(layoutWidgetDotMatrix(inputs).text, u"12:34");
}

TEST_F(WidgetDotMatrixViewTest, PhaseRowSplitsTheGridWidthInsideThePadding)
{
    // A one-digit grid exactly 100 wide with 5 points of padding.
    inputs.displayOverride = QStringLiteral("8");
    const auto unit = DotGridLayout(DotStyle(1, DotWeight::Bold, DotShape::Rounded, {0, 0, 5, 0}))
                          .totalSize(u"8", DigitScaling::uniform());
    const qreal dotSize = 90 / (unit.width() - 10);
    inputs.style = DotStyle(dotSize, DotWeight::Bold, DotShape::Rounded, {0, 0, 5, 0});
    const QColor blue(0, 80, 255);
    inputs.phaseIndicators = std::vector<WidgetPhaseIndicator>{{0, blue, 1.0}, {1, blue, 0.5}, {2, blue, 0.0}};

    const auto layout = layoutWidgetDotMatrix(inputs);
    ASSERT_NEAR(layout.gridSize.width(), 100, 1e-9);
    ASSERT_EQ(layout.phaseSegments.size(), 3u);
    const qreal height = std::max(dotSize * 1.2 * 0.4, 2.0);
    for (std::size_t i = 0; i < 3; ++i) {
        const QRectF& rect = layout.phaseSegments[i].rect;
        EXPECT_NEAR(rect.width(), 86.0 / 3, 1e-9) << "(90 - 2 gaps of 2) / 3";
        EXPECT_NEAR(rect.left(), 5 + double(i) * (86.0 / 3 + 2), 1e-9);
        EXPECT_NEAR(rect.top(), layout.gridSize.height() + 4, 1e-9);
        EXPECT_NEAR(rect.height(), height, 1e-9);
    }
    EXPECT_NEAR(layout.size.height(), layout.gridSize.height() + 4 + height, 1e-9);
    EXPECT_EQ(layout.size.width(), layout.gridSize.width());

    const WidgetProbe probe(inputs);
    EXPECT_TRUE(closeToColor(probe.at(layout.phaseSegments[0].rect.center()), blue));
    EXPECT_TRUE(closeToColor(probe.at(layout.phaseSegments[1].rect.center()), withAlpha(blue, 128)));
    EXPECT_EQ(probe.at(layout.phaseSegments[2].rect.center()).alpha(), 0);
    // The gap between segments and the space above the row stay clear.
    EXPECT_EQ(
        probe.at(QPointF(layout.phaseSegments[0].rect.right() + 1, layout.phaseSegments[0].rect.center().y())).alpha(),
        0);
    EXPECT_EQ(probe.at(QPointF(50, layout.gridSize.height() + 2)).alpha(), 0);
}

TEST_F(WidgetDotMatrixViewTest, TooManyIndicatorsDrawNoSegments)
{
    inputs.phaseIndicators = std::vector<WidgetPhaseIndicator>(500, {0, Qt::red, 1.0});
    const auto layout = layoutWidgetDotMatrix(inputs);
    EXPECT_TRUE(layout.phaseSegments.empty());
    EXPECT_GT(layout.size.height(), layout.gridSize.height()) << "the row still takes its room";
}

TEST_F(WidgetDotMatrixViewTest, WidgetTakesTheSizeOfTheDisplay)
{
    inputs.phaseIndicators = std::vector<WidgetPhaseIndicator>{{0, Qt::red, 1.0}};
    WidgetDotMatrixView view(inputs);
    const auto size = layoutWidgetDotMatrix(inputs).size;
    EXPECT_EQ(view.sizeHint(), QSize(int(std::ceil(size.width())), int(std::ceil(size.height()))));
    inputs.phaseIndicators.reset();
    view.setInputs(inputs);
    EXPECT_EQ(view.sizeHint().height(), int(std::ceil(layoutWidgetDotMatrix(inputs).size.height())));
}

} // namespace
