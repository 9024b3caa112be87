// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int glassWidth = 10;
constexpr int glassHeight = 14;

// The glass's inner columns on each row, top bulb, neck and bottom bulb.
struct Span {
    int first, last;
};
constexpr Span inside[glassHeight] = {
    {0, -1}, {2, 7}, {2, 7}, {2, 7}, {3, 6}, {4, 5}, {4, 5}, {4, 5}, {4, 5}, {3, 6}, {2, 7}, {2, 7}, {2, 7}, {0, -1},
};
constexpr int topBulb[] = {1, 2, 3, 4, 5};
constexpr int bottomBulb[] = {12, 11, 10, 9, 8};

// An upright hourglass with `sandAbove` of its grains still in the top bulb;
// the top bulb empties from its surface, the bottom one fills from its floor.
std::vector<std::string> hourglass(int sandAbove, bool falling)
{
    std::vector<std::string> rows(glassHeight, std::string(glassWidth, '.'));
    rows.front() = rows.back() = std::string(glassWidth, 'b');
    for (int row = 1; row < glassHeight - 1; ++row) {
        rows[row][inside[row].first - 1] = 'g';
        rows[row][inside[row].last + 1] = 'g';
    }
    int capacity = 0;
    for (const int row : topBulb)
        capacity += inside[row].last - inside[row].first + 1;

    int above = sandAbove;
    for (auto it = std::rbegin(topBulb); it != std::rend(topBulb) && above > 0; ++it) {
        for (int col = inside[*it].first; col <= inside[*it].last && above > 0; ++col, --above)
            rows[*it][col] = 's';
    }
    int below = capacity - sandAbove;
    int surface = glassHeight - 1;
    for (const int row : bottomBulb) {
        if (below <= 0)
            break;
        surface = row;
        // Fill from the middle out, so the pile heaps up under the neck.
        const int middle = (inside[row].first + inside[row].last) / 2;
        for (int offset = 0; below > 0 && offset < glassWidth; ++offset) {
            for (const int col : {middle - offset, middle + 1 + offset}) {
                if (below > 0 && col >= inside[row].first && col <= inside[row].last && rows[row][col] == '.') {
                    rows[row][col] = 's';
                    --below;
                }
            }
        }
    }
    if (falling) {
        for (int row = 5; row < surface; ++row) {
            if (rows[row][4] == '.')
                rows[row][4] = 'S';
        }
    }
    return rows;
}

// The picture turned clockwise by `degrees` about its centre. Each picture
// pixel is placed as four quarter pixels, so thin lines stay unbroken at any
// angle; the glass is placed last so that it stays on top of the sand.
void drawTurned(PixelCanvas& canvas, const std::vector<std::string>& picture, double degrees)
{
    const double angle = degrees * std::numbers::pi / 180;
    const double cx = (glassWidth - 1) / 2.0;
    const double cy = (glassHeight - 1) / 2.0;
    const double centreX = (canvas.width() - 1) / 2.0;
    const double centreY = (canvas.height() - 1) / 2.0;
    for (const char layer : {'s', 'S', 'g', 'b'}) {
        for (int row = 0; row < glassHeight; ++row) {
            for (int col = 0; col < glassWidth; ++col) {
                if (picture[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] != layer)
                    continue;
                for (const double du : {-0.25, 0.25}) {
                    for (const double dv : {-0.25, 0.25}) {
                        const double dx = col + du - cx;
                        const double dy = row + dv - cy;
                        const double x = centreX + dx * std::cos(angle) - dy * std::sin(angle);
                        const double y = centreY + dx * std::sin(angle) + dy * std::cos(angle);
                        canvas.set(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), layer);
                    }
                }
            }
        }
    }
}

} // namespace

// The sand runs through, then the glass turns over to start again.
GifImage hourglassFlip()
{
    FrameSequence frames(GifVersion::V89a,
                         {{'k', qRgb(0, 0, 0)},
                          {'b', qRgb(170, 100, 50)},
                          {'g', qRgb(150, 200, 230)},
                          {'s', qRgb(255, 210, 90)},
                          {'S', qRgb(200, 150, 50)}},
                         'k');

    struct Step {
        int sandAbove;
        double turn;
        int delay;
    };
    // Full, running, run out (a pause), then half a turn in three steps; the
    // turned glass is full on top again, which is the first frame.
    const Step steps[] = {
        {24, 0, 30}, {18, 0, 10}, {13, 0, 10}, {8, 0, 10},   {3, 0, 10},
        {0, 0, 20},  {0, 45, 10}, {0, 90, 10}, {0, 135, 10},
    };
    for (const Step& step : steps) {
        PixelCanvas canvas = frames.blank();
        const bool running = step.turn == 0 && step.sandAbove > 0 && step.sandAbove < 24;
        drawTurned(canvas, hourglass(step.sandAbove, running), step.turn);
        frames.add(canvas, step.delay);
    }
    return frames.image();
}
