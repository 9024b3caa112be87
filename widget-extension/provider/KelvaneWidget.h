// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/views/WidgetFamily.h"

#include <QLatin1StringView>

#include <array>

// The one widget the widget program offers.
namespace KelvaneWidget {

// The program reloads the widget's timelines under this kind, so the two
// must match (the reload notification's name ends with it).
inline constexpr QLatin1StringView kind{"KelvaneWidget"};
inline constexpr QLatin1StringView configurationDisplayName{"Kelvane"};
inline constexpr QLatin1StringView description{"Quick-start timer with retro dot-matrix display."};
inline constexpr std::array supportedFamilies{WidgetFamily::Small, WidgetFamily::Medium};

} // namespace KelvaneWidget
