// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StripStatusItem.h"

namespace platform {
class UserDefaults;
}

// The store's key for the strip's left edge, present once the user moved it.
inline constexpr const char* stripPlaceXKey = "com.morrowfen.kelvane.statusStrip.x";

// The trayless strip's place, kept in the store as the floating panel's is.
platform::StripPlaceStore stripPlaceStore(platform::UserDefaults& defaults);
