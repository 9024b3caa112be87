// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"
#include "PixelCanvas.h"

#include <vector>

// Streams of green code run down the screen, each with a bright head.
GifImage matrixRain()
{
    FrameSequence frames(GifVersion::V87a,
                         {{'k', qRgb(0, 0, 0)},
                          {'w', qRgb(220, 255, 220)},
                          {'1', qRgb(60, 255, 90)},
                          {'2', qRgb(20, 190, 60)},
                          {'3', qRgb(10, 120, 40)},
                          {'4', qRgb(5, 60, 20)}},
                         'k');

    struct Stream {
        int column, start, speed, length;
    };
    PixelRandom random(1999);
    std::vector<Stream> streams;
    for (int column = 0; column < 32; column += 2) {
        streams.push_back({column, random.below(34), 1 + random.below(2), 5 + random.below(7)});
        // Some columns carry a second, fainter-spaced stream higher up.
        if (random.below(3) == 0)
            streams.push_back({column, random.below(34) - 34, 1 + random.below(2), 4 + random.below(5)});
    }

    const char tail[] = {'1', '2', '2', '3', '3', '4'};
    for (int frame = 0; frame < 16; ++frame) {
        PixelCanvas canvas = frames.blank();
        // The symbols in a stream change now and then: a few of its cells go
        // dark, picked afresh each frame.
        PixelRandom flicker(static_cast<std::uint32_t>(frame * 7919 + 17));
        for (const Stream& stream : streams) {
            // Streams wrap around a tall loop, so they keep coming.
            const int loop = 18 + stream.length + 8;
            const int head = ((stream.start + stream.speed * frame) % loop + loop) % loop;
            for (int step = 0; step < stream.length; ++step) {
                const int y = head - step;
                if (step > 0 && flicker.below(5) == 0)
                    continue;
                const std::size_t shade
                    = std::min<std::size_t>(static_cast<std::size_t>(step * 6 / stream.length), std::size(tail) - 1);
                canvas.set(stream.column, y, step == 0 ? 'w' : tail[shade]);
            }
        }
        frames.add(canvas);
    }
    return frames.image();
}
