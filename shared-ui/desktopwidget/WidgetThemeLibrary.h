// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"

#include "DotMatrixKit/DotTheme.h"
#include "TimerCoreKit/color/ColorComponents.h"
#include "TimerCoreKit/color/DisplayColor.h"
#include "TimerCoreKit/color/MulticolorPalette.h"

#include "PlatformKit/store/UserDefaults.h"

#include <optional>

// Turns the stored colour choices into the colours the widget draws with.
// No state; any thread.
namespace WidgetThemeLibrary {

// The preset colour stored as the selected one; transparent when none is
// stored or the id names no preset.
DisplayColor currentDisplayColor(const platform::UserDefaults& defaults);
DotTheme currentTheme(const platform::UserDefaults& defaults);
QString currentThemeIdentifier(const platform::UserDefaults& defaults);

// The digit colour: the custom one as stored, white under a multicolour
// palette, else the digits of the preset.
ColorComponents resolvedDigitColor(const WidgetAppearanceSettings& settings);
// The background: the custom one as stored, else the preset's.
ColorComponents resolvedBackgroundColor(const WidgetAppearanceSettings& settings);

// The multicolour palette when the digits use one.
std::optional<MulticolorPalette> resolvedPalette(const WidgetAppearanceSettings& settings);
// The two resolved colours as a display colour named "Resolved", without glow.
DisplayColor resolvedDisplayColor(const WidgetAppearanceSettings& settings);
DotTheme resolvedTheme(const WidgetAppearanceSettings& settings);

} // namespace WidgetThemeLibrary
