// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/ElapsedClock.h"

#include <ctime>

namespace platform {

double bootTimeSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace platform
