// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <cmath>
#include <vector>

// A party popper at the bottom fires a cloud of confetti that tumbles down.
GifImage confettiBurst()
{
    FrameSequence frames(GifVersion::V89a,
                         {{'k', qRgb(0, 0, 0)},
                          {'w', qRgb(255, 255, 255)},
                          {'r', qRgb(255, 70, 90)},
                          {'y', qRgb(255, 220, 40)},
                          {'g', qRgb(80, 220, 100)},
                          {'b', qRgb(70, 150, 255)},
                          {'m', qRgb(220, 90, 255)},
                          {'o', qRgb(255, 150, 40)},
                          {'O', qRgb(170, 80, 20)}},
                         'k');

    struct Piece {
        double x, y, vx, vy;
        char ink;
    };
    const char inks[] = {'r', 'y', 'g', 'b', 'm', 'o'};
    PixelRandom random(20240611);
    std::vector<Piece> pieces;
    for (int i = 0; i < 26; ++i) {
        const double vx = (random.below(37) - 18) / 10.0;
        const double vy = -(13 + random.below(10)) / 10.0;
        pieces.push_back({16, 14, vx, vy, inks[i % 6]});
    }

    const auto popper = [](PixelCanvas& canvas) { canvas.draw(14, 15, {".oOo.", "..o..", "..O.."}); };
    const auto pixel = [](double value) { return static_cast<int>(std::lround(value)); };

    constexpr int launchFrame = 1;
    for (int frame = 0; frame < 15; ++frame) {
        PixelCanvas canvas = frames.blank();
        if (frame == launchFrame)
            canvas.draw(15, 12, {".w.", "www"});
        if (frame > launchFrame) {
            for (Piece& piece : pieces) {
                piece.x += piece.vx;
                piece.y += piece.vy;
                piece.vy = std::min(piece.vy + 0.22, 1.0); // flutters down, never drops
                piece.vx *= 0.93;
                // Each piece turns as it tumbles: flat, then on its edge.
                const bool flat = (frame + pixel(piece.x)) % 2 == 0;
                canvas.set(pixel(piece.x), pixel(piece.y), piece.ink);
                if (flat)
                    canvas.set(pixel(piece.x) + 1, pixel(piece.y), piece.ink);
                else
                    canvas.set(pixel(piece.x), pixel(piece.y) + 1, piece.ink);
            }
        }
        popper(canvas);
        frames.add(canvas);
    }
    return frames.image();
}
