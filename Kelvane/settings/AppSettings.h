#pragma once

#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settings/CompletionSettings.h"
#include "Kelvane/settings/MenuBarDisplayMode.h"

#include "shared-ui/looks/DisplayStyleConfig.h"

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/options/DisplayOptions.h"
#include "TimerCoreKit/sessions/PomodoroSettings.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QObject>
#include <QPointF>

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

    DisplayScale displayScale() const { return m_displayScale; }
    DotWeight dotWeight() const { return m_dotWeight; }
    ColonMode colonMode() const { return m_colonMode; }
    TimeFormat timeFormat() const { return m_timeFormat; }
    DotShape dotShape() const { return m_dotShape; }
    bool showLeadingZero() const { return m_showLeadingZero; }
    MenuBarDisplayMode menuBarDisplayMode() const { return m_menuBarDisplayMode; }
    DisplayType displayType() const { return m_displayType; }
    const DisplayStyleConfig& styleConfig() const { return m_styleConfig; }
    bool preventSleepWhileRunning() const { return m_preventSleepWhileRunning; }
    bool floatingDisplayEnabled() const { return m_floatingDisplayEnabled; }
    bool globalShortcutsEnabled() const { return m_globalShortcutsEnabled; }
    bool respectFocusMode() const { return m_respectFocusMode; }
    bool hasSeenClickHint() const { return m_hasSeenClickHint; }

    void setDisplayScale(DisplayScale value);
    void setDotWeight(DotWeight value);
    void setColonMode(ColonMode value);
    void setTimeFormat(TimeFormat value);
    void setDotShape(DotShape value);
    void setShowLeadingZero(bool value);
    void setMenuBarDisplayMode(MenuBarDisplayMode value);
    // Small-and-big shows hours and minutes only, so choosing it switches the
    // time format to standard.
    void setDisplayType(DisplayType value);
    void setStyleConfig(const DisplayStyleConfig& value);
    void setPreventSleepWhileRunning(bool value);
    void setFloatingDisplayEnabled(bool value);
    void setGlobalShortcutsEnabled(bool value);
    void setRespectFocusMode(bool value);
    void setHasSeenClickHint(bool value);

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
    void migrateSettingsIfNeeded();
    DisplayStyleConfig loadStyleConfig() const;
    void applySmallAndBigRule();
    void publish();

    platform::UserDefaults* m_defaults;
    bool m_isReloadingFromDefaults = false;
    CompletionSettings* m_completionSettings;
    ColorManager* m_colorManager;
    PomodoroSettings m_pomodoroSettings;

    DisplayScale m_displayScale = DisplayScale::Regular;
    DotWeight m_dotWeight = DotWeight::Regular;
    ColonMode m_colonMode = ColonMode::Contextual;
    TimeFormat m_timeFormat = TimeFormat::Minimal;
    DotShape m_dotShape = DotShape::Rounded;
    bool m_showLeadingZero = false;
    MenuBarDisplayMode m_menuBarDisplayMode = MenuBarDisplayMode::Full;
    DisplayType m_displayType = DisplayType::DotMatrix;
    DisplayStyleConfig m_styleConfig;
    bool m_preventSleepWhileRunning = false;
    bool m_floatingDisplayEnabled = false;
    bool m_globalShortcutsEnabled = true;
    bool m_respectFocusMode = false;
    bool m_hasSeenClickHint = false;
};
