// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PixelCanvas.h"

// The firework pieces that more than one animation sets off.
namespace Fireworks {

struct BurstInks {
    char flash;
    char bright;
    char mid;
    char dim;
};

// Frames a burst lasts, from its flash until its last spark goes out.
inline constexpr int burstLength = 7;

// The burst at (cx, cy), `age` frames after it went off: a flash, then a ring
// of `sparks` sparks that spreads `speed` pixels a frame, sinks and dims.
// Ages outside the burst's life draw nothing.
void drawBurst(PixelCanvas& canvas, int cx, int cy, int age, int sparks, double speed, const BurstInks& inks);

// The rocket that will burst at (cx, cy) in `framesToGo` frames, climbing
// `climb` pixels a frame with a short trail.
void drawRocket(PixelCanvas& canvas, int cx, int cy, int framesToGo, int climb, char head, char trail);

} // namespace Fireworks
