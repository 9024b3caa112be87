// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/audio/TickStyle.h"
#include "TimerCoreKit/options/CompletionOptions.h"
#include "TimerCoreKit/options/DisplayOptions.h"
#include "TimerCoreKit/store/StoredKey.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The shared store of the app and the widget, and every key either keeps in it.

namespace AppGroup {
inline constexpr QLatin1StringView identifier{"group.com.morrowfen.Kelvane"};

// Where the shared store lives: a file named after the group under the
// user's configuration directory.
QString storePath();

// Created on first use, then the same object for the life of the process. When
// the shared database cannot be opened this is a store of this process alone.
// Only a program's composition root asks for it; libraries are handed a store.
platform::UserDefaults& userDefaults();
} // namespace AppGroup

// The one catalogue of keys: each name with the kind of value kept under it
// and what an absent key stands for. Options of the kits above this one are
// kept as raw strings (see StoredKey.h); JSON values are decoded where their
// types live.
namespace SharedDefaultsKeys {

using stored::Key;
using stored::RawValue;

// The timer
// TimerStateSnapshot as JSON data; absent: nothing saved, the timer starts idle.
inline constexpr Key<std::optional<QByteArray>> timerState{"com.morrowfen.kelvane.timerState"};
// Seconds of the custom preset.
inline constexpr Key<double> customDuration{"com.morrowfen.kelvane.customDuration", 900};
// The widget's queued commands, a JSON array as data.
inline constexpr Key<std::optional<QByteArray>> commandQueue{"com.morrowfen.kelvane.commandQueue"};
inline constexpr Key<std::optional<platform::Date>> lastHeartbeat{"com.morrowfen.kelvane.lastHeartbeat"};
inline constexpr Key<QString> selectedThemeID{"com.morrowfen.kelvane.theme.selectedID", "classic"};

// Pomodoro and custom timer cycles
inline constexpr Key<bool> pomodoroActive{"com.morrowfen.kelvane.pomodoro.active", false};
inline constexpr Key<qint64> pomodoroPhaseIndex{"com.morrowfen.kelvane.pomodoro.phaseIndex", 0};
inline constexpr Key<bool> pomodoroKeysMigrated{"com.morrowfen.kelvane.pomodoro.keysMigrated", false};
// The custom timers, a JSON array as data; absent: none.
inline constexpr Key<std::optional<QByteArray>> customTimers{"com.morrowfen.kelvane.customTimers"};
inline constexpr Key<std::optional<QString>> customTimerActiveID{"com.morrowfen.kelvane.customTimer.activeID"};
inline constexpr Key<bool> customTimerActive{"com.morrowfen.kelvane.customTimer.active", false};
inline constexpr Key<qint64> customTimerPhaseIndex{"com.morrowfen.kelvane.customTimer.phaseIndex", 0};

// Appearance (the widget reads the look, the colours and the time format)
inline constexpr Key<RawValue> displayScale{"com.morrowfen.kelvane.appearance.displayScale", "regular"}; // DisplayScale
inline constexpr Key<RawValue> menuBarDisplayMode{"com.morrowfen.kelvane.appearance.menuBarDisplayMode",
                                                  "full"}; // MenuBarDisplayMode
inline constexpr Key<RawValue> dotWeight{"com.morrowfen.kelvane.appearance.dotWeight", "regular"}; // DotWeight
// The style configuration the looks read starts with the colon always on
// instead (DisplayStyleConfig's own default).
inline constexpr Key<RawValue> colonMode{"com.morrowfen.kelvane.appearance.colonMode", "contextual"}; // ColonMode
inline constexpr Key<RawValue> timeFormat{"com.morrowfen.kelvane.appearance.timeFormat", "minimal"}; // TimeFormat
inline constexpr Key<RawValue> dotShape{"com.morrowfen.kelvane.appearance.dotShape", "rounded"}; // DotShape
inline constexpr Key<bool> showLeadingZero{"com.morrowfen.kelvane.appearance.showLeadingZero", false};
inline constexpr Key<DisplayType> displayType{"com.morrowfen.kelvane.appearance.displayType", DisplayType::DotMatrix};
// DisplayStyleConfig as JSON data; absent: built from the separate look keys above.
inline constexpr Key<std::optional<QByteArray>> styleConfig{"com.morrowfen.kelvane.appearance.styleConfig"};

// Behaviour and the floating panel
inline constexpr Key<bool> preventSleep{"com.morrowfen.kelvane.behavior.preventSleep", false};
inline constexpr Key<bool> floatingDisplayEnabled{"com.morrowfen.kelvane.floatingDisplay.enabled", false};
inline constexpr Key<bool> globalShortcutsEnabled{"com.morrowfen.kelvane.general.globalShortcutsEnabled", true};
inline constexpr Key<bool> respectFocusMode{"com.morrowfen.kelvane.behavior.respectFocusMode", false};
inline constexpr Key<bool> hasSeenClickHint{"com.morrowfen.kelvane.macos.hasSeenClickHint", false};
// The floating panel's origin; only the x key's presence counts.
inline constexpr Key<std::optional<double>> floatingDisplayX{"com.morrowfen.kelvane.floatingDisplay.x"};
inline constexpr Key<std::optional<double>> floatingDisplayY{"com.morrowfen.kelvane.floatingDisplay.y"};
// When the program last looked for a newer version of itself; absent: never.
inline constexpr Key<std::optional<platform::Date>> lastUpdateCheck{"com.morrowfen.kelvane.general.lastUpdateCheck"};
// The settings' schema version; absent: before versions.
inline constexpr Key<qint64> settingsVersion{"com.morrowfen.kelvane.settingsVersion", 0};

// Completion
inline constexpr Key<CompletionBehavior> completionDisplayBehavior{"com.morrowfen.kelvane.completion.displayBehavior",
                                                                   CompletionBehavior::ShowCheckmark};
inline constexpr Key<CompletionSound> completionSelectedSound{"com.morrowfen.kelvane.completion.selectedSound",
                                                              CompletionSound::None};
inline constexpr Key<TickStyle> completionTickStyle{"com.morrowfen.kelvane.completion.tickStyle", TickStyle::None};
inline constexpr Key<bool> completionShowNotification{"com.morrowfen.kelvane.completion.showNotification", false};
inline constexpr Key<std::optional<QString>> completionSelectedAnimationID{
    "com.morrowfen.kelvane.completion.selectedAnimationID"};
inline constexpr Key<bool> completionAnimationLoopsEnabled{"com.morrowfen.kelvane.completion.animationLoopsEnabled",
                                                           false};

// Colours. A mode is "preset", "custom" or (digits only) "multicolor".
inline constexpr Key<QString> digitMode{"com.morrowfen.kelvane.appearance.digitModeDiscriminator", "preset"};
inline constexpr Key<QString> digitPresetID{"com.morrowfen.kelvane.appearance.digitPresetID", "dark"};
inline constexpr Key<QString> backgroundMode{"com.morrowfen.kelvane.appearance.backgroundModeDiscriminator", "preset"};
inline constexpr Key<QString> backgroundPresetID{"com.morrowfen.kelvane.appearance.backgroundPresetID", "transparent"};
// The background preset id, or "transparent" for a custom background: the
// colour the widget knows the display by.
inline constexpr Key<QString> selectedColorID{"com.morrowfen.kelvane.appearance.selectedColorID", "transparent"};
inline constexpr Key<QString> multicolorPaletteID{"com.morrowfen.kelvane.appearance.multicolorPaletteID", "rainbow"};
// CustomColorSwatch lists, JSON arrays as data; absent: empty.
inline constexpr Key<std::optional<QByteArray>> customDigitSwatches{
    "com.morrowfen.kelvane.appearance.customDigitSwatches"};
inline constexpr Key<std::optional<QByteArray>> customBackgroundSwatches{
    "com.morrowfen.kelvane.appearance.customBackgroundSwatches"};

// A custom colour as four sRGB components, 0 to 1.
struct ColorKeys {
    Key<double> r, g, b, a;
};
inline constexpr ColorKeys customDot{{"com.morrowfen.kelvane.appearance.customDotR", 1},
                                     {"com.morrowfen.kelvane.appearance.customDotG", 1},
                                     {"com.morrowfen.kelvane.appearance.customDotB", 1},
                                     {"com.morrowfen.kelvane.appearance.customDotA", 1}};
inline constexpr ColorKeys customBackground{{"com.morrowfen.kelvane.appearance.customBgR", 0},
                                            {"com.morrowfen.kelvane.appearance.customBgG", 0},
                                            {"com.morrowfen.kelvane.appearance.customBgB", 0},
                                            {"com.morrowfen.kelvane.appearance.customBgA", 1}};

// Where the widget reads an absent key otherwise than the app starts: an
// absent selected colour is "dark" to its appearance reader (and so are the
// digit and background preset ids that fall back to it), and absent custom
// digit components are 0, opaque black. With the colon (see colonMode) these
// are the only differences; the app-to-widget test pins exactly them.
inline constexpr QLatin1StringView widgetSelectedColorIDFallback{"dark"};
inline constexpr double widgetCustomDotComponentFallback = 0;

// Older keys, read to carry their values over and never written
// The switch before the choice of sound.
inline constexpr Key<bool> completionPlaySound{"com.morrowfen.kelvane.completion.playSound", false};
inline constexpr Key<bool> isCustomMode{"com.morrowfen.kelvane.appearance.isCustomMode", false};
// The widget still reads it beside the digit mode.
inline constexpr Key<bool> isMulticolorMode{"com.morrowfen.kelvane.appearance.isMulticolorMode", false};
// A single theme id for digits and background; removed once read.
inline constexpr Key<std::optional<QString>> olderTheme{"selectedTheme"};
// The Pomodoro cycle before its keys were shared.
inline constexpr Key<bool> olderPomodoroActive{"pomodoro.active", false};
inline constexpr Key<qint64> olderPomodoroPhaseIndex{"pomodoro.phaseIndex", 0};

} // namespace SharedDefaultsKeys

namespace SharedAppState {
void recordHeartbeat(platform::Date date, platform::UserDefaults& defaults);
std::optional<platform::Date> lastHeartbeatDate(const platform::UserDefaults& defaults);
} // namespace SharedAppState
