// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace platform {

// Seconds on a clock that only ever moves forward, by the time that really
// passes, suspend included, whatever is done to the wall clock. Its origin
// means nothing: only the distance between two readings of one clock does.
using ElapsedClock = std::function<double()>;

// The system's boot-time clock (CLOCK_BOOTTIME): unlike CLOCK_MONOTONIC it
// keeps counting while the machine sleeps, so a timer runs out during a suspend.
double bootTimeSeconds();

} // namespace platform
