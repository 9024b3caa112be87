// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

enum class TimerMode { Idle, Running, Paused, Completed };

// Running and paused timers are active; idle and completed ones are not.
constexpr bool isActive(TimerMode mode)
{
    return mode == TimerMode::Running || mode == TimerMode::Paused;
}

enum class TimerDirection { Countdown, CountUp };

template <>
struct platform::RawValues<TimerMode> {
    static constexpr std::array cases{
        std::pair{TimerMode::Idle, std::string_view{"idle"}},
        std::pair{TimerMode::Running, std::string_view{"running"}},
        std::pair{TimerMode::Paused, std::string_view{"paused"}},
        std::pair{TimerMode::Completed, std::string_view{"completed"}},
    };
};

template <>
struct platform::RawValues<TimerDirection> {
    static constexpr std::array cases{
        std::pair{TimerDirection::Countdown, std::string_view{"countdown"}},
        std::pair{TimerDirection::CountUp, std::string_view{"countUp"}},
    };
};
