// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <string>
#include <vector>

namespace {

// The well is 10 cells across and 8 deep, each cell 2 x 2 pixels.
constexpr int wellLeft = 6;
constexpr int wellTop = 1;
constexpr int columns = 10;
constexpr int rows = 8;

void drawCell(PixelCanvas& canvas, int column, int row, char ink)
{
    if (row < 0)
        return;
    canvas.fillRect(wellLeft + column * 2, wellTop + row * 2, 2, 2, ink);
}

void drawStack(PixelCanvas& canvas, const std::vector<std::string>& stack)
{
    for (std::size_t row = 0; row < stack.size(); ++row) {
        for (std::size_t column = 0; column < stack[row].size(); ++column) {
            if (stack[row][column] != '.')
                drawCell(canvas, static_cast<int>(column), rows - static_cast<int>(stack.size() - row),
                         stack[row][column]);
        }
    }
}

} // namespace

// A long piece turns as it falls, completes the bottom row, which flashes and
// clears, and the stack above drops into its place.
GifImage tetrisDrop()
{
    FrameSequence frames(GifVersion::V87a,
                         {{'k', qRgb(0, 0, 0)},
                          {'w', qRgb(110, 110, 130)},
                          {'W', qRgb(255, 255, 255)},
                          {'c', qRgb(0, 220, 230)},
                          {'r', qRgb(235, 50, 50)},
                          {'g', qRgb(60, 210, 70)},
                          {'y', qRgb(245, 210, 0)},
                          {'m', qRgb(170, 60, 220)},
                          {'o', qRgb(245, 130, 20)},
                          {'b', qRgb(50, 90, 235)}},
                         'k');

    // Bottom row last; a shaft four cells wide runs down to the gap in it.
    const std::vector<std::string> stack{
        "y.......m.",
        "yy......mm",
        "ryyo....gb",
        "rrbb....ob",
    };
    const auto withBottomRow = [&](const std::string& bottom) {
        std::vector<std::string> rowsNow(stack.begin(), stack.end() - 1);
        rowsNow.push_back(bottom);
        return rowsNow;
    };
    const std::vector<std::string> dropped(stack.begin(), stack.end() - 1);

    const auto well = [](PixelCanvas& canvas) {
        canvas.fillRect(wellLeft - 1, 0, 1, 18, 'w');
        canvas.fillRect(wellLeft + columns * 2, 0, 1, 18, 'w');
        canvas.fillRect(wellLeft - 1, 17, columns * 2 + 2, 1, 'w');
    };

    for (int frame = 0; frame < 14; ++frame) {
        PixelCanvas canvas = frames.blank();
        well(canvas);
        if (frame <= 8) {
            drawStack(canvas, stack);
            if (frame < 3) {
                // Upright while it enters.
                for (int cell = 0; cell < 4; ++cell)
                    drawCell(canvas, 5, frame - 3 + cell, 'c');
            } else {
                // Lying flat from the turn on, one row a frame down into the gap.
                for (int column = 4; column < 8; ++column)
                    drawCell(canvas, column, frame - 1, 'c');
            }
        } else if (frame <= 11) {
            // The full row flashes twice,
            drawStack(canvas, withBottomRow(frame == 10 ? "rrbbccccob" : "WWWWWWWWWW"));
        } else if (frame == 12) {
            // goes,
            drawStack(canvas, withBottomRow(".........."));
        } else {
            // and the rows above it drop.
            drawStack(canvas, dropped);
        }
        frames.add(canvas);
    }
    return frames.image();
}
