// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotOptions.h"

#include "PlatformKit/core/Date.h"

#include <QtGlobal>

#include <optional>

// The once-a-second rules of the seven-segment and flip-clock looks.
namespace DisplayTiming {

// Whole seconds since the reference date, truncated toward zero, are odd.
bool isOddSecond(platform::Date now);

// Pulsing dims the colon to 0.4 in odd seconds; contextual shows it only
// from one minute up, judged by the time and not by the text.
qreal colonOpacity(ColonMode mode, double time, platform::Date now);

// The next whole second after `now`, when the look's once-a-second changes
// fall; none for a date that is not finite.
std::optional<platform::Date> nextWholeSecond(platform::Date now);

} // namespace DisplayTiming
