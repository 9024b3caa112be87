// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/ColorComponents.h"

#include <algorithm>
#include <cmath>

double clampedComponent(double value)
{
    if (std::isnan(value))
        return 0.0;
    return std::clamp(value, 0.0, 1.0);
}

QColor srgbColor(const ColorComponents& components)
{
    const auto channel = [](double value) { return static_cast<float>(clampedComponent(value)); };
    return QColor::fromRgbF(channel(components.r), channel(components.g), channel(components.b), channel(components.a));
}
