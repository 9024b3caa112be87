// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <memory>
#include <vector>

namespace platform {

// The desktop's sleep inhibitors in the order to ask them: the portal first,
// which also works inside a sandbox and speaks for the desktop's own power
// settings, then logind, then the screensaver service.
std::vector<std::unique_ptr<SleepInhibitor>> desktopSleepInhibitors();

} // namespace platform
