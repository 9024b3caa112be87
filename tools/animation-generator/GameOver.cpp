// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <array>
#include <string_view>

namespace {

using Letter = std::array<std::string_view, 5>;

// 5 x 5 capitals; only the ones the screen spells.
Letter letter(char name)
{
    switch (name) {
    case 'G':
        return {".###.", "#....", "#.###", "#...#", ".###."};
    case 'A':
        return {".###.", "#...#", "#####", "#...#", "#...#"};
    case 'M':
        return {"#...#", "##.##", "#.#.#", "#...#", "#...#"};
    case 'E':
        return {"#####", "#....", "####.", "#....", "#####"};
    case 'O':
        return {".###.", "#...#", "#...#", "#...#", ".###."};
    case 'V':
        return {"#...#", "#...#", "#...#", ".#.#.", "..#.."};
    case 'R':
        return {"####.", "#...#", "####.", "#..#.", "#...#"};
    default:
        return {};
    }
}

void drawLetter(PixelCanvas& canvas, int x, int y, char name, char ink)
{
    const Letter rows = letter(name);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < static_cast<int>(rows[static_cast<std::size_t>(row)].size()); ++col) {
            if (rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#')
                canvas.set(x + col, y + row, ink);
        }
    }
}

} // namespace

// The words type themselves out letter by letter and flash once.
GifImage gameOver()
{
    FrameSequence frames(GifVersion::V87a, {{'k', qRgb(0, 0, 0)}, {'r', qRgb(255, 50, 40)}, {'w', qRgb(255, 240, 200)}},
                         'k');

    constexpr std::string_view lines[] = {"GAME", "OVER"};
    for (int frame = 0; frame < 10; ++frame) {
        PixelCanvas canvas = frames.blank();
        const char ink = frame == 9 ? 'w' : 'r';
        int typed = 0;
        for (int line = 0; line < 2; ++line) {
            for (int index = 0; index < 4; ++index) {
                // One more letter every frame from the second on.
                if (typed++ >= frame)
                    continue;
                drawLetter(canvas, 4 + index * 6, 2 + line * 9, lines[line][static_cast<std::size_t>(index)], ink);
            }
        }
        frames.add(canvas);
    }
    return frames.image();
}
