// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/smallandbig/SmallAndBigLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace SmallAndBig;

namespace {

constexpr qreal smallScale = 0.5;
const QString checkmark = QString(QChar(BlockFont::checkmarkCharacter));

struct MetricsCase {
    DisplayScale scale;
    bool bloom;
    qreal cell, glowMargin, blurRadius, padding;
};

TEST(SmallAndBigLayout, MetricsFollowTheSizeClass)
{
    const MetricsCase cases[] = {
        {DisplayScale::Compact, true, 1.125, 2.25, 2.25, 0},
        {DisplayScale::Regular, true, 1.5, 3, 3, 0},
        {DisplayScale::Floating, true, 6, 10.5, 10.5, 0},
        // Without the glow margin the padding takes its whole base, 1.5 cells.
        {DisplayScale::Compact, false, 1.125, 0, 2.25, 1.6875},
        {DisplayScale::Regular, false, 1.5, 0, 3, 2.25},
        {DisplayScale::Floating, false, 6, 0, 10.5, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.scale) << (c.bloom ? " bloom" : " no bloom"));
        const Metrics metrics = Metrics::of(c.scale, c.bloom);
        EXPECT_DOUBLE_EQ(metrics.cell, c.cell);
        EXPECT_DOUBLE_EQ(metrics.glowMargin, c.glowMargin);
        EXPECT_DOUBLE_EQ(metrics.blurRadius, c.blurRadius);
        EXPECT_DOUBLE_EQ(metrics.padding(), c.padding);
        EXPECT_DOUBLE_EQ(metrics.gap(), 2 * c.cell);
    }
}

struct LayoutCase {
    const char* label;
    QString text;
    bool bloom;
    qreal contentWidth;
    std::vector<qreal> glyphX; // where each drawn glyph starts
    std::vector<qreal> cells; // and its cell pitch
};

TEST(SmallAndBigLayout, PlacesGlyphsAtRegularScale)
{
    const LayoutCase cases[] = {
        // 10.5 + 3 + 10.5 + 3 + 3 + 5.25 + 3 + 5.25
        {"minutes and seconds", "25:00", true, 43.5, {3, 16.5, 33, 41.25}, {1.5, 1.5, 0.75, 0.75}},
        {"without bloom", "25:00", false, 43.5, {0, 13.5, 30, 38.25}, {1.5, 1.5, 0.75, 0.75}},
        {"no colon: all large", "25", true, 24, {3, 16.5}, {1.5, 1.5}},
        // Only the first colon splits; later ones are gaps among the small glyphs.
        {"hours",
         "1:02:03",
         true,
         10.5 + 3 + 3 + 2 * (5.25 + 3) + 3 + 5.25 + 3 + 5.25,
         {3, 19.5, 27.75, 39, 47.25},
         {1.5, 0.75, 0.75, 0.75, 0.75}},
        {"check mark alone", checkmark, true, 10.5, {3}, {1.5}},
        // Drawn large even after the colon, so it takes a large glyph's room.
        {"check mark among the small", "5:" + checkmark, true, 10.5 + 3 + 3 + 10.5, {3, 19.5}, {1.5, 1.5}},
        {"colon alone", ":", true, 3, {}, {}},
        {"empty", "", true, 0, {}, {}},
        // Other characters leave room but draw nothing, and the next glyph takes their place.
        {"letters", "a5", true, 10.5 + 3 + 10.5, {3}, {1.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Metrics metrics = Metrics::of(DisplayScale::Regular, c.bloom);
        const Layout placed = layout(c.text, metrics, smallScale);
        EXPECT_DOUBLE_EQ(placed.contentWidth, c.contentWidth);
        ASSERT_EQ(placed.glyphs.size(), c.glyphX.size());
        for (std::size_t i = 0; i < placed.glyphs.size(); ++i) {
            EXPECT_DOUBLE_EQ(placed.glyphs[i].origin.x(), c.glyphX[i]) << "glyph " << i;
            EXPECT_DOUBLE_EQ(placed.glyphs[i].origin.y(), metrics.glowMargin) << "glyph " << i;
            EXPECT_DOUBLE_EQ(placed.glyphs[i].cell, c.cells[i]) << "glyph " << i;
        }
    }
}

TEST(SmallAndBigLayout, FrameAndNaturalSizeAddGlowAndPadding)
{
    const struct {
        QString text;
        bool bloom;
        QSizeF frame;
        QSizeF natural;
    } cases[] = {
        {"25:00", true, {49.5, 19.5}, {49.5, 19.5}},
        {"25:00", false, {43.5, 13.5}, {48, 18}},
        // An empty text keeps the glow margins and the full height.
        {"", true, {6, 19.5}, {6, 19.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << qPrintable(c.text) << (c.bloom ? " bloom" : " no bloom"));
        const Metrics metrics = Metrics::of(DisplayScale::Regular, c.bloom);
        const Layout placed = layout(c.text, metrics, smallScale);
        EXPECT_EQ(placed.frameSize(metrics), c.frame);
        EXPECT_EQ(placed.naturalSize(metrics), c.natural);
    }
}

TEST(SmallAndBigLayout, GlyphsComeFromTheBlockFont)
{
    const Layout placed = layout("7:" + checkmark, Metrics::of(DisplayScale::Compact, true), smallScale);
    ASSERT_EQ(placed.glyphs.size(), 2u);
    EXPECT_EQ(placed.glyphs[0].glyph.data(), BlockFont::d7.data());
    EXPECT_FALSE(placed.glyphs[0].isCheckmark);
    EXPECT_EQ(placed.glyphs[1].glyph.data(), BlockFont::checkmark.data());
    EXPECT_TRUE(placed.glyphs[1].isCheckmark);
}

} // namespace
