#pragma once

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QString>

#include <optional>

// The shared store of the app and the widget, and the names both use in it.

namespace AppGroup {
inline constexpr QLatin1StringView identifier{"group.com.morrowfen.Kelvane"};

// Where the shared store lives: a file named after the group under the
// user's configuration directory.
QString storePath();

// Created on first use, then the same object for the life of the process. When
// the shared database cannot be opened this is a store of this process alone.
platform::UserDefaults& userDefaults();
} // namespace AppGroup

namespace SharedDefaultsKeys {
inline constexpr QLatin1StringView timerState{"com.morrowfen.kelvane.timerState"};
inline constexpr QLatin1StringView customDuration{"com.morrowfen.kelvane.customDuration"};
inline constexpr QLatin1StringView commandQueue{"com.morrowfen.kelvane.commandQueue"};
inline constexpr QLatin1StringView lastHeartbeat{"com.morrowfen.kelvane.lastHeartbeat"};
inline constexpr QLatin1StringView selectedThemeID{"com.morrowfen.kelvane.theme.selectedID"};
inline constexpr QLatin1StringView pomodoroActive{"com.morrowfen.kelvane.pomodoro.active"};
inline constexpr QLatin1StringView pomodoroPhaseIndex{"com.morrowfen.kelvane.pomodoro.phaseIndex"};
inline constexpr QLatin1StringView pomodoroKeysMigrated{"com.morrowfen.kelvane.pomodoro.keysMigrated"};
inline constexpr QLatin1StringView customTimers{"com.morrowfen.kelvane.customTimers"};
inline constexpr QLatin1StringView customTimerActiveID{"com.morrowfen.kelvane.customTimer.activeID"};
inline constexpr QLatin1StringView customTimerActive{"com.morrowfen.kelvane.customTimer.active"};
inline constexpr QLatin1StringView customTimerPhaseIndex{"com.morrowfen.kelvane.customTimer.phaseIndex"};
} // namespace SharedDefaultsKeys

namespace TimerPresetConstants {
inline constexpr QLatin1StringView customPresetID{"preset.custom"};
inline constexpr QLatin1StringView defaultPresetID{"preset.classic-25"};
inline constexpr double defaultCustomDuration = 900;
} // namespace TimerPresetConstants

namespace SharedAppState {
void recordHeartbeat(platform::Date date, platform::UserDefaults& defaults = AppGroup::userDefaults());
std::optional<platform::Date> lastHeartbeatDate(const platform::UserDefaults& defaults = AppGroup::userDefaults());
} // namespace SharedAppState
