// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "Fireworks.h"

// A smiley in the middle while fireworks go off around it; it winks at the end.
GifImage smileyFireworks()
{
    FrameSequence frames(GifVersion::V89a,
                         {{'k', qRgb(0, 0, 0)},
                          {'y', qRgb(255, 214, 0)},
                          {'o', qRgb(214, 140, 0)},
                          {'d', qRgb(60, 30, 0)},
                          {'w', qRgb(255, 255, 255)},
                          {'r', qRgb(255, 70, 70)},
                          {'R', qRgb(150, 30, 40)},
                          {'b', qRgb(90, 170, 255)},
                          {'B', qRgb(40, 70, 150)},
                          {'g', qRgb(90, 230, 110)},
                          {'G', qRgb(30, 110, 50)},
                          {'p', qRgb(120, 50, 30)}},
                         'k');

    const auto smiley = [](PixelCanvas& canvas, bool wink) {
        canvas.draw(11, 4,
                    {"...yyyy...", ".yyyyyyyy.", ".yyyyyyyy.", "yyydyydyyy", "yyydyydyyy", "yyyyyyyyyy", "ydyyyyyydy",
                     ".yddddddy.", ".yyyyyyyo.", "...yyyyo.."});
        if (wink)
            canvas.draw(17, 7, {"y", "d"});
    };

    struct Shot {
        int x, y, burstFrame;
        Fireworks::BurstInks inks;
    };
    const Fireworks::BurstInks red{'w', 'r', 'R', 'p'};
    const Fireworks::BurstInks blue{'w', 'b', 'B', 'B'};
    const Fireworks::BurstInks green{'w', 'g', 'G', 'G'};
    const Shot shots[] = {
        {4, 5, 2, red}, {27, 4, 4, blue}, {16, 1, 6, green}, {6, 12, 7, blue}, {26, 12, 8, red},
    };

    for (int frame = 0; frame < 12; ++frame) {
        PixelCanvas canvas = frames.blank();
        for (const Shot& shot : shots) {
            Fireworks::drawRocket(canvas, shot.x, shot.y, shot.burstFrame - frame, 3, 'w', 'o');
            Fireworks::drawBurst(canvas, shot.x, shot.y, frame - shot.burstFrame, 8, 1.6, shot.inks);
        }
        smiley(canvas, frame == 10);
        // The last two frames hold: a wink, then the smile again.
        frames.add(canvas, frame >= 10 ? 30 : 10);
    }
    return frames.image();
}
