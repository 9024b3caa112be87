// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/power/DesktopSleepInhibitors.h"

#include "PlatformKit/power/LogindSleepInhibitor.h"
#include "PlatformKit/power/PortalSleepInhibitor.h"
#include "PlatformKit/power/ScreenSaverSleepInhibitor.h"

namespace platform {

std::vector<std::unique_ptr<SleepInhibitor>> desktopSleepInhibitors()
{
    std::vector<std::unique_ptr<SleepInhibitor>> inhibitors;
    inhibitors.push_back(std::make_unique<PortalSleepInhibitor>());
    inhibitors.push_back(std::make_unique<LogindSleepInhibitor>());
    inhibitors.push_back(std::make_unique<ScreenSaverSleepInhibitor>());
    return inhibitors;
}

} // namespace platform
