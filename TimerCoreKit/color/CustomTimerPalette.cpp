// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/CustomTimerPalette.h"

#include "TimerCoreKit/color/ColorComponents.h"

#include <array>

namespace {

constexpr std::array<ColorComponents, CustomTimerPalette::colorCount> components{{
    {1.0, 0.35, 0.25, 1},
    {0.25, 0.85, 0.45, 1},
    {0.35, 0.55, 1.0, 1},
    {1.0, 0.75, 0.0, 1},
    {0.65, 0.25, 0.95, 1},
    {0.0, 0.85, 1.0, 1},
    {1.0, 0.5, 0.1, 1},
    {1.0, 0.3, 0.7, 1},
}};

} // namespace

namespace CustomTimerPalette {

const QList<QColor>& colors()
{
    static const QList<QColor> palette = [] {
        QList<QColor> list;
        for (const auto& entry : components)
            list.append(srgbColor(entry));
        return list;
    }();
    return palette;
}

QColor color(int index)
{
    if (index < 0 || index >= colorCount)
        index = 0;
    return colors().at(index);
}

} // namespace CustomTimerPalette
