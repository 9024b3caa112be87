// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

#include <QSizeF>

// The two sizes a widget comes in.
enum class WidgetFamily { Small, Medium };

template <>
struct platform::RawValues<WidgetFamily> {
    static constexpr std::array cases{
        std::pair{WidgetFamily::Small, std::string_view{"systemSmall"}},
        std::pair{WidgetFamily::Medium, std::string_view{"systemMedium"}},
    };
};

// Full colour, or drawn in the desktop's accent colour (no desktop here asks
// for that, but the look stays drawable).
enum class WidgetRenderingMode { FullColor, Accented };

// Logical pixels.
constexpr QSizeF widgetSize(WidgetFamily family)
{
    return family == WidgetFamily::Small ? QSizeF(170, 170) : QSizeF(364, 170);
}
