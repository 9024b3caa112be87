// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

#include <QJsonValue>
#include <QString>
#include <QtGlobal>

#include <optional>

// The size class of a display: the two tray sizes and the large floating
// window. The raw strings are stored by the settings.
enum class DisplayScale { Compact, Regular, Floating };

template <>
struct platform::RawValues<DisplayScale> {
    static constexpr std::array cases{
        std::pair{DisplayScale::Compact, std::string_view{"compact"}},
        std::pair{DisplayScale::Regular, std::string_view{"regular"}},
        std::pair{DisplayScale::Floating, std::string_view{"floating"}},
    };
};

// A constant of a display look that differs by size class, written in the
// order compact, regular, floating.
template <typename T>
struct PerScale {
    T compact;
    T regular;
    T floating;

    constexpr T operator[](DisplayScale scale) const
    {
        switch (scale) {
        case DisplayScale::Compact:
            return compact;
        case DisplayScale::Regular:
            return regular;
        case DisplayScale::Floating:
            return floating;
        }
        return regular;
    }
};

QString displayName(DisplayScale scale);
// The dot size the dot-matrix look is built with, in points.
qreal dotSize(DisplayScale scale);
// The height the tray and settings views give the display.
qreal menuBarDisplayHeight(DisplayScale scale);
// The bloom radius of the dot-matrix and seven-segment looks.
qreal glowRadius(DisplayScale scale);
// The width from which the tray and settings views adapt the display.
qreal adaptiveWidthThreshold(DisplayScale scale);

// A stored scale that a newer or older build does not know reads as regular;
// only a value that is not a string fails.
std::optional<DisplayScale> decodeDisplayScale(const QJsonValue& json);
