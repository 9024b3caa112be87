// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/Date.h"

#include <chrono>

namespace platform {

Date Date::now()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<duration<double>>(system_clock::now().time_since_epoch());
    return fromUnixSeconds(sinceEpoch.count());
}

} // namespace platform
