// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settings/CompletionSettings.h"
#include "Kelvane/settings/MenuBarDisplayMode.h"
#include "Kelvane/settings/StoredSetting.h"

#include "shared-ui/looks/DisplayStyleConfig.h"

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/options/DisplayOptions.h"
#include "TimerCoreKit/sessions/PomodoroSettings.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <functional>
#include <optional>

// The app's appearance and behaviour settings. Every value is read once, when
// the store is made, and written back the moment it is assigned, even when
// unchanged; there is no save step. Owns the completion settings, the colour
// manager and the Pomodoro settings, so one object reaches every view.
class AppSettings final : public QObject {
    Q_OBJECT

public:
    // Without the sibling stores it makes its own on the same store.
    explicit AppSettings(platform::UserDefaults& defaults, CompletionSettings* completionSettings = nullptr,
                         ColorManager* colorManager = nullptr, QObject* parent = nullptr);

    DisplayScale displayScale() const { return m_displayScale.value(); }
    DotWeight dotWeight() const { return m_dotWeight.value(); }
    ColonMode colonMode() const { return m_colonMode.value(); }
    TimeFormat timeFormat() const { return m_timeFormat.value(); }
    DotShape dotShape() const { return m_dotShape.value(); }
    bool showLeadingZero() const { return m_showLeadingZero.value(); }
    MenuBarDisplayMode menuBarDisplayMode() const { return m_menuBarDisplayMode.value(); }
    DisplayType displayType() const { return m_displayType.value(); }
    const DisplayStyleConfig& styleConfig() const { return m_styleConfig.value(); }
    bool preventSleepWhileRunning() const { return m_preventSleepWhileRunning.value(); }
    bool floatingDisplayEnabled() const { return m_floatingDisplayEnabled.value(); }
    bool globalShortcutsEnabled() const { return m_globalShortcutsEnabled.value(); }
    bool respectFocusMode() const { return m_respectFocusMode.value(); }
    bool hasSeenClickHint() const { return m_hasSeenClickHint.value(); }

    void setDisplayScale(DisplayScale value) { m_displayScale.assign(value); }
    void setDotWeight(DotWeight value) { m_dotWeight.assign(value); }
    void setColonMode(ColonMode value) { m_colonMode.assign(value); }
    void setTimeFormat(TimeFormat value) { m_timeFormat.assign(value); }
    void setDotShape(DotShape value) { m_dotShape.assign(value); }
    void setShowLeadingZero(bool value) { m_showLeadingZero.assign(value); }
    void setMenuBarDisplayMode(MenuBarDisplayMode value) { m_menuBarDisplayMode.assign(value); }
    // Small-and-big shows hours and minutes only, so choosing it switches the
    // time format to standard.
    void setDisplayType(DisplayType value);
    void setStyleConfig(const DisplayStyleConfig& value) { m_styleConfig.assign(value); }
    void setPreventSleepWhileRunning(bool value) { m_preventSleepWhileRunning.assign(value); }
    void setFloatingDisplayEnabled(bool value) { m_floatingDisplayEnabled.assign(value); }
    void setGlobalShortcutsEnabled(bool value) { m_globalShortcutsEnabled.assign(value); }
    void setRespectFocusMode(bool value) { m_respectFocusMode.assign(value); }
    void setHasSeenClickHint(bool value) { m_hasSeenClickHint.assign(value); }

    CompletionSettings& completionSettings() { return *m_completionSettings; }
    ColorManager& colorManager() { return *m_colorManager; }
    const PomodoroSettings& pomodoroSettings() const { return m_pomodoroSettings; }

    // The floating panel's saved origin, when there is one.
    std::optional<QPointF> loadFloatingPosition() const;
    // Re-reads the look settings and the colours without writing anything.
    void reloadFromDefaults();
    void resetToDefaults();

    static constexpr int settingsVersion = 1;

Q_SIGNALS:
    void changed();

private:
    // Tells the views that a setting changed.
    std::function<void()> publisher();
    void migrateSettingsIfNeeded();
    void applySmallAndBigRule();

    platform::UserDefaults* m_defaults;
    CompletionSettings* m_completionSettings = nullptr;
    ColorManager* m_colorManager = nullptr;
    PomodoroSettings m_pomodoroSettings;

    StoredSetting<DisplayScale> m_displayScale;
    StoredSetting<MenuBarDisplayMode> m_menuBarDisplayMode;
    StoredSetting<DotWeight> m_dotWeight;
    StoredSetting<ColonMode> m_colonMode;
    StoredSetting<TimeFormat> m_timeFormat;
    StoredSetting<DotShape> m_dotShape;
    StoredSetting<bool> m_showLeadingZero;
    StoredSetting<bool> m_preventSleepWhileRunning;
    StoredSetting<bool> m_floatingDisplayEnabled;
    StoredSetting<bool> m_globalShortcutsEnabled;
    StoredSetting<bool> m_respectFocusMode;
    StoredSetting<bool> m_hasSeenClickHint;
    StoredSetting<DisplayType> m_displayType;
    StoredSetting<DisplayStyleConfig> m_styleConfig;
    // Every setting above, in the order the store resets them.
    const std::array<StoredSettingBase*, 14> m_settings;
    // The look settings that a reload reads again; the others keep their values.
    const std::array<StoredSettingBase*, 4> m_reloadedSettings;
};
