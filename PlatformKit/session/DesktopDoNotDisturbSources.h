// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/session/DoNotDisturbSource.h"

#include <memory>
#include <vector>

namespace platform {

// The places a Linux desktop tells do-not-disturb by: the notification
// server's own flag, followed through its signals, and GNOME's banner
// setting. None of them is asked anything that could keep the caller waiting.
// Needs a QCoreApplication.
std::vector<std::unique_ptr<DoNotDisturbSource>> desktopDoNotDisturbSources();

} // namespace platform
