// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayTiming.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <cmath>

namespace DisplayTiming {
namespace {

constexpr qreal dimmedColonOpacity = 0.4;
constexpr double contextualColonFrom = 60;

} // namespace

bool isOddSecond(platform::Date now)
{
    return platform::saturatingCast<qint64>(now.secondsSinceReferenceDate()) % 2 != 0;
}

qreal colonOpacity(ColonMode mode, double time, platform::Date now)
{
    switch (mode) {
    case ColonMode::Always:
        return 1.0;
    case ColonMode::Pulsing:
        return isOddSecond(now) ? dimmedColonOpacity : 1.0;
    case ColonMode::Contextual:
        return time >= contextualColonFrom ? 1.0 : 0.0;
    }
    return 1.0;
}

std::optional<platform::Date> nextWholeSecond(platform::Date now)
{
    const double t = now.secondsSinceReferenceDate();
    if (!std::isfinite(t))
        return std::nullopt;
    // Truncation flips the parity at every integer, also below zero.
    return platform::Date::fromSecondsSinceReferenceDate(std::floor(t) + 1);
}

} // namespace DisplayTiming
