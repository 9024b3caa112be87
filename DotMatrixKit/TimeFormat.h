// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

// How a number of seconds is shown; the user's choice is persisted as the raw string.
enum class TimeFormat {
    Standard, // minutes and seconds, two digits each: 05:30
    Minimal, // whole minutes only: 5
};

template <>
struct platform::RawValues<TimeFormat> {
    static constexpr std::array cases{
        std::pair{TimeFormat::Standard, std::string_view{"standard"}},
        std::pair{TimeFormat::Minimal, std::string_view{"minimal"}},
    };
};
