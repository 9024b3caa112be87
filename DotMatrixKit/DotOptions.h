// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user-facing options of the dot display. Their raw strings are persisted
// by the settings, and the settings list them in declaration order.

#include "PlatformKit/core/RawValueEnum.h"

#include <QString>

enum class DotShape { Rounded, Square };

enum class DotWeight { Light, Regular, Bold };

enum class ColonMode {
    Always, // colon dots always lit
    Pulsing, // colon dims on odd seconds
    Contextual, // colon lit only while the shown text holds a colon
};

template <>
struct platform::RawValues<DotShape> {
    static constexpr std::array cases{
        std::pair{DotShape::Rounded, std::string_view{"rounded"}},
        std::pair{DotShape::Square, std::string_view{"square"}},
    };
};

template <>
struct platform::RawValues<DotWeight> {
    static constexpr std::array cases{
        std::pair{DotWeight::Light, std::string_view{"light"}},
        std::pair{DotWeight::Regular, std::string_view{"regular"}},
        std::pair{DotWeight::Bold, std::string_view{"bold"}},
    };
};

template <>
struct platform::RawValues<ColonMode> {
    static constexpr std::array cases{
        std::pair{ColonMode::Always, std::string_view{"always"}},
        std::pair{ColonMode::Pulsing, std::string_view{"pulsing"}},
        std::pair{ColonMode::Contextual, std::string_view{"contextual"}},
    };
};

QString displayName(DotShape shape);
QString displayName(DotWeight weight);
QString displayName(ColonMode mode);

// How much a weight scales the nominal dot size.
constexpr double scaleFactor(DotWeight weight)
{
    switch (weight) {
    case DotWeight::Light:
        return 0.8;
    case DotWeight::Regular:
        return 1.0;
    case DotWeight::Bold:
        return 1.2;
    }
    return 1.0;
}
