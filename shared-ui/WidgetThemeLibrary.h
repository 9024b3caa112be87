#pragma once

#include "shared-ui/WidgetAppearanceSettings.h"

#include "DotMatrixKit/DotTheme.h"
#include "TimerCoreKit/ColorComponents.h"
#include "TimerCoreKit/DisplayColor.h"
#include "TimerCoreKit/MulticolorPalette.h"

#include "PlatformKit/UserDefaults.h"

#include <optional>

// Turns the stored colour choices into the colours the widget draws with.
// No state; any thread.
namespace WidgetThemeLibrary {

// The preset colour stored as the selected one; transparent when none is
// stored or the id names no preset.
DisplayColor currentDisplayColor(const platform::UserDefaults& defaults);
DisplayColor currentDisplayColor();
DotTheme currentTheme(const platform::UserDefaults& defaults);
DotTheme currentTheme();
QString currentThemeIdentifier(const platform::UserDefaults& defaults);
QString currentThemeIdentifier();

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
