// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "Fireworks.h"

// An alien shuffles over a laser cannon, takes a shot and blows apart.
GifImage spaceInvadersExplosion()
{
    FrameSequence frames(GifVersion::V87a,
                         {{'k', qRgb(0, 0, 0)},
                          {'a', qRgb(120, 255, 120)},
                          {'e', qRgb(0, 0, 0)},
                          {'c', qRgb(60, 200, 255)},
                          {'w', qRgb(255, 255, 255)},
                          {'y', qRgb(255, 230, 80)},
                          {'o', qRgb(255, 140, 30)},
                          {'r', qRgb(200, 40, 30)}},
                         'k');

    const auto alien = [](PixelCanvas& canvas, int x, bool legsOut) {
        canvas.draw(x, 2,
                    {".a......a.", "..a....a..", "..aaaaaa..", ".aaaaaaaa.", "aaeaaaaeaa", "aaaaaaaaaa", ".a.aaaa.a."});
        if (legsOut)
            canvas.draw(x, 9, {"a..a..a..a"});
        else
            canvas.draw(x, 9, {".a..aa..a."});
    };
    const auto cannon = [](PixelCanvas& canvas) { canvas.draw(13, 14, {"...c...", "..ccc..", "ccccccc", "ccccccc"}); };

    constexpr int shotFrame = 3;
    constexpr int hitFrame = 6;
    const int shuffle[] = {11, 12, 12, 11, 11, 12};
    for (int frame = 0; frame < 12; ++frame) {
        PixelCanvas canvas = frames.blank();
        cannon(canvas);
        if (frame < hitFrame)
            alien(canvas, shuffle[frame], frame % 2 == 0);
        if (frame >= shotFrame && frame < hitFrame) {
            const int y = 12 - (frame - shotFrame) * 3;
            canvas.fillRect(16, y, 1, 2, 'w');
        }
        // The alien's middle is at (16, 5); its pieces fly out a little wider
        // than a firework's sparks.
        Fireworks::drawBurst(canvas, 16, 5, frame - hitFrame, 10, 2.0, {'w', 'y', 'o', 'r'});
        if (frame == hitFrame + 1)
            canvas.draw(13, 3, {"..w.w..", ".w...w.", "w..w..w", ".w...w.", "..w.w.."});
        frames.add(canvas);
    }
    return frames.image();
}
