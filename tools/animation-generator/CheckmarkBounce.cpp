// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <array>

// A check mark drops in, bounces twice and settles with a sparkle.
GifImage checkmarkBounce()
{
    FrameSequence frames(GifVersion::V89a,
                         {{'k', qRgb(0, 0, 0)},
                          {'g', qRgb(60, 220, 90)},
                          {'l', qRgb(170, 255, 170)},
                          {'s', qRgb(20, 70, 30)},
                          {'w', qRgb(255, 255, 255)}},
                         'k');

    const auto check = [](PixelCanvas& canvas, int top, bool squashed) {
        if (squashed) {
            canvas.draw(9, top + 1,
                        {"............ll", "..........lgg.", "ll......lggg..", ".ggg..lggg....", "..gggggg......",
                         "...gggg.......", "....gg........"});
            return;
        }
        canvas.draw(10, top,
                    {"...........l", "..........lg", ".........lgg", "l.......lgg.", "gl.....lgg..", ".gg...lgg...",
                     "..gg.lgg....", "...gggg.....", "....gg......"});
    };
    const auto shadow = [](PixelCanvas& canvas, int width) { canvas.fillRect(16 - width / 2, 16, width, 1, 's'); };
    const auto sparkle = [](PixelCanvas& canvas, int x, int y, bool large) {
        canvas.set(x, y, 'w');
        if (large)
            canvas.draw(x - 1, y - 1, {".l.", "lwl", ".l."});
    };

    // top row of the mark, squashed?, shadow width; resting top is 6.
    struct Pose {
        int top;
        bool squashed;
        int shadow;
    };
    constexpr std::array<Pose, 11> poses{{
        {-9, false, 2},
        {-4, false, 4},
        {2, false, 8},
        {6, true, 12},
        {2, false, 8},
        {0, false, 6},
        {3, false, 8},
        {6, true, 12},
        {5, false, 10},
        {6, false, 10},
        {6, false, 10},
    }};
    for (std::size_t frame = 0; frame < poses.size(); ++frame) {
        PixelCanvas canvas = frames.blank();
        shadow(canvas, poses[frame].shadow);
        check(canvas, poses[frame].top, poses[frame].squashed);
        if (frame == 9)
            sparkle(canvas, 24, 4, false);
        if (frame == 10) {
            sparkle(canvas, 24, 4, true);
            sparkle(canvas, 7, 8, false);
        }
        // The settled mark holds a little longer.
        frames.add(canvas, frame == 10 ? 20 : 10);
    }
    return frames.image();
}
