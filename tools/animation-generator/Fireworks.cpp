// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fireworks.h"

#include <cmath>
#include <numbers>

namespace Fireworks {

namespace {

int pixel(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

void drawBurst(PixelCanvas& canvas, int cx, int cy, int age, int sparks, double speed, const BurstInks& inks)
{
    if (age < 0 || age >= burstLength)
        return;
    if (age == 0) {
        canvas.draw(cx - 1, cy - 1,
                    {std::string(".") + inks.bright + ".", std::string() + inks.bright + inks.flash + inks.bright,
                     std::string(".") + inks.bright + "."});
        return;
    }
    const char head = age <= 2 ? inks.bright : age <= 4 ? inks.mid : inks.dim;
    const char tail = age <= 2 ? inks.mid : inks.dim;
    // Sparks slow as they spread and sink a little more every frame.
    const auto sparkAt = [&](int spark, double at) {
        const double angle = 2 * std::numbers::pi * spark / sparks + 0.3;
        const double reach = speed * at * (1.0 - 0.07 * at);
        const double sink = 0.12 * at * at;
        return std::pair{cx + pixel(reach * std::cos(angle)), cy + pixel(reach * std::sin(angle) + sink)};
    };
    for (int spark = 0; spark < sparks; ++spark) {
        // The last frame only keeps every other spark, so the burst crackles out.
        if (age == burstLength - 1 && spark % 2 == 1)
            continue;
        const auto [tailX, tailY] = sparkAt(spark, age - 0.6);
        canvas.set(tailX, tailY, tail);
        const auto [x, y] = sparkAt(spark, age);
        canvas.set(x, y, head);
    }
    if (age == 1)
        canvas.set(cx, cy, inks.flash);
}

void drawRocket(PixelCanvas& canvas, int cx, int cy, int framesToGo, int climb, char head, char trail)
{
    if (framesToGo <= 0)
        return;
    const int y = cy + framesToGo * climb;
    canvas.set(cx, y, head);
    for (int step = 1; step <= 2; ++step)
        canvas.set(cx, y + step, trail);
}

} // namespace Fireworks
