// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "Fireworks.h"

// Three rockets climb from the skyline one after another and burst.
GifImage pixelFireworks()
{
    FrameSequence frames(GifVersion::V87a,
                         {{'k', qRgb(0, 0, 0)},
                          {'w', qRgb(255, 255, 255)},
                          {'t', qRgb(255, 200, 120)},
                          {'r', qRgb(255, 60, 80)},
                          {'R', qRgb(150, 20, 50)},
                          {'y', qRgb(255, 230, 70)},
                          {'Y', qRgb(160, 120, 20)},
                          {'c', qRgb(80, 230, 255)},
                          {'C', qRgb(20, 110, 150)},
                          {'m', qRgb(230, 110, 255)},
                          {'M', qRgb(110, 40, 140)},
                          {'s', qRgb(25, 25, 60)}},
                         'k');

    struct Shot {
        int x, y, burstFrame;
        Fireworks::BurstInks inks;
    };
    const Shot shots[] = {
        {8, 6, 4, {'w', 'r', 'R', 'R'}},
        {23, 5, 7, {'w', 'c', 'C', 'C'}},
        {15, 7, 10, {'w', 'y', 'Y', 'Y'}},
        {26, 9, 13, {'w', 'm', 'M', 'M'}},
    };
    const auto skyline = [](PixelCanvas& canvas) {
        canvas.draw(0, 15,
                    {"ss....sss......s.....ss......sss", "ss..s.sss..ss.sss..s.ss..ss..sss",
                     "ssssssssssssssssssssssssssssssss"});
    };

    for (int frame = 0; frame < 16; ++frame) {
        PixelCanvas canvas = frames.blank();
        skyline(canvas);
        for (const Shot& shot : shots) {
            Fireworks::drawRocket(canvas, shot.x, shot.y, shot.burstFrame - frame, 2, 'w', 't');
            Fireworks::drawBurst(canvas, shot.x, shot.y, frame - shot.burstFrame, 12, 1.8, shot.inks);
        }
        frames.add(canvas);
    }
    return frames.image();
}
