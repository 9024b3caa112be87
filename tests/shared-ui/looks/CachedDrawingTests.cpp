// SPDX-License-Identifier: GPL-3.0-or-later
// Looks draw their pieces once and stamp them on later frames; a stamped
// frame must look like one drawn from scratch.
#include "shared-ui/looks/dotmatrix/DotMatrixRenderer.h"
#include "shared-ui/looks/sevensegment/SevenSegmentRenderer.h"

#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include "Pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using platform::Date;

namespace {

struct Variant {
    const char* name;
    std::function<void(DisplayFrame&)> change;
};

const Variant variants[] = {
    {"plain", [](DisplayFrame&) {}},
    {"no bloom", [](DisplayFrame& f) { f.style.bloomEnabled = false; }},
    {"compact", [](DisplayFrame& f) { f.scale = DisplayScale::Compact; }},
    {"floating", [](DisplayFrame& f) { f.scale = DisplayScale::Floating; }},
    {"dimmed cells, bold square",
     [](DisplayFrame& f) {
         f.style.showDimmedOffCells = true;
         f.style.dotWeight = DotWeight::Bold;
         f.style.dotShape = DotShape::Square;
     }},
    {"pulsing colon, odd second", [](DisplayFrame& f) { f.style.colonMode = ColonMode::Pulsing; }},
    {"blinking, dimmed half", [](DisplayFrame& f) { f.blinkDisplay = true; }},
    {"minimal", [](DisplayFrame& f) { f.timeFormat = TimeFormat::Minimal; }},
    {"thick segments", [](DisplayFrame& f) { f.style.segmentThickness = SegmentThickness::Thick; }},
};

DisplayFrame baseFrame()
{
    DisplayFrame frame;
    frame.time = 4087; // 68:07: every digit differs
    frame.color = DisplayColor::neonPink();
    return frame;
}

// Odd second, late in it: the pulsing colon is dimmed and a blink is in its dim half.
const Date now = Date::fromSecondsSinceReferenceDate(3.9);

} // namespace

TEST(CachedDrawingTest, DotMatrixMatchesTheGlyphKitsOwnDrawing)
{
    const std::optional<QColor> tints[] = {std::nullopt, QColor(40, 200, 90)};
    for (const auto& variant : variants) {
        for (const auto& tint : tints) {
            SCOPED_TRACE(testing::Message() << variant.name << (tint ? ", tinted" : ""));
            DisplayFrame frame = baseFrame();
            variant.change(frame);
            const DotMatrixRenderer renderer(tint, DigitScaling::uniform(), MulticolorPalette::rainbow());
            DisplayLookState state;
            // Twice: the first frame draws the pieces, the second stamps them.
            renderer.renderImage(frame, state, now, 3);
            const QImage stamped = renderer.renderImage(frame, state, now, 3);
            EXPECT_GT(state.sprites.size(), 0);
            const QImage reference = DotMatrixPainter::renderImage(
                renderer.inputs(frame), DotMatrixState{state.colonOpacity, state.displayOpacity}, 3);
            // Glows summed per character round a little differently from one blur.
            EXPECT_LE(largestDifference(stamped, reference), frame.style.bloomEnabled ? 4 : 0);
        }
    }
}

TEST(CachedDrawingTest, SevenSegmentStampsMatchDrawingFromScratch)
{
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.name);
        DisplayFrame frame = baseFrame();
        variant.change(frame);
        const SevenSegmentRenderer renderer(std::nullopt, MulticolorPalette::sunset());
        DisplayLookState cached;
        renderer.renderImage(frame, cached, now, 3);
        const QImage stamped = renderer.renderImage(frame, cached, now, 3);
        DisplayLookState uncached;
        uncached.sprites.setEnabled(false);
        // Unstamped glows are blurred on layers of other pixel alignment.
        EXPECT_LE(largestDifference(stamped, renderer.renderImage(frame, uncached, now, 3)),
                  frame.style.bloomEnabled ? 4 : 0);
    }
}
