// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <concepts>
#include <limits>

namespace platform {

// Converts a double to an integer type without undefined behaviour: values
// beyond the type's range saturate, fractions truncate towards zero, and NaN
// gives `nanValue`.
template <std::integral Int>
constexpr Int saturatingCast(double value, Int nanValue = 0) noexcept
{
    if (std::isnan(value))
        return nanValue;
    constexpr auto lowest = std::numeric_limits<Int>::lowest();
    constexpr auto highest = std::numeric_limits<Int>::max();
    // max + 1 is a power of two, so exact as a double; anything at or above it
    // is out of range (for 64-bit types max itself already rounds up to it).
    constexpr double upperBound = static_cast<double>(highest) + 1.0;
    if (value >= upperBound)
        return highest;
    if (value <= static_cast<double>(lowest))
        return lowest;
    return static_cast<Int>(value);
}

} // namespace platform
