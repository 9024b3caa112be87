// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

#include <QString>

// The sound that marks each second while a timer runs. The raw strings are
// what the completion settings store.
enum class TickStyle { None, Mechanical, Soft, Digital };

template <>
struct platform::RawValues<TickStyle> {
    static constexpr std::array cases{
        std::pair{TickStyle::None, std::string_view{"none"}},
        std::pair{TickStyle::Mechanical, std::string_view{"mechanical"}},
        std::pair{TickStyle::Soft, std::string_view{"soft"}},
        std::pair{TickStyle::Digital, std::string_view{"digital"}},
    };
};

// A style is identified by its raw string.
inline QString id(TickStyle style)
{
    return platform::rawValue(style);
}
QString displayName(TickStyle style);
