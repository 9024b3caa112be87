// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <cmath>

namespace {

// A round chomper of radius 4 whose mouth opens to the right by `open`
// (0 shut, 1 widest), with its eye above the mouth.
void drawChomper(PixelCanvas& canvas, int left, int top, double open)
{
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const int dx = x - 4;
            const int dy = y - 4;
            if (dx * dx + dy * dy > 20)
                continue;
            if (open > 0 && dx > 0 && std::abs(dy) <= dx * open)
                continue;
            canvas.set(left + x, top + y, 'y');
        }
    }
    canvas.set(left + 4, top + 2, 'k');
}

} // namespace

// A chomper crosses a maze corridor eating the pellets in its way.
GifImage pacmanChomp()
{
    FrameSequence frames(GifVersion::V87a,
                         {{'k', qRgb(0, 0, 0)},
                          {'y', qRgb(255, 225, 0)},
                          {'b', qRgb(40, 60, 230)},
                          {'p', qRgb(255, 190, 170)},
                          {'P', qRgb(255, 230, 220)}},
                         'k');

    const double mouth[] = {1.0, 0.5, 0.0, 0.5};
    for (int frame = 0; frame < 16; ++frame) {
        PixelCanvas canvas = frames.blank();
        canvas.fillRect(0, 2, 32, 1, 'b');
        canvas.fillRect(0, 15, 32, 1, 'b');

        const int left = -8 + frame * 2 + frame / 2;
        const int mouthEdge = left + 6;
        for (int pellet = 2; pellet < 32; pellet += 4) {
            if (pellet > mouthEdge)
                canvas.set(pellet, 8, 'p');
        }
        // The power pellet at the end, blinking.
        if (28 > mouthEdge && frame % 2 == 0)
            canvas.draw(29, 7, {"PP", "PP"});
        drawChomper(canvas, left, 4, mouth[frame % 4]);
        frames.add(canvas);
    }
    return frames.image();
}
