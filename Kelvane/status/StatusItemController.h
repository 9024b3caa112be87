#pragma once

#include "Kelvane/app/DeepLinkAction.h"
#include "Kelvane/status/MenuBarRefreshTrigger.h"
#include "Kelvane/status/RefreshThrottle.h"
#include "Kelvane/status/StatusItemControllerParts.h"
#include "Kelvane/system/FocusGate.h"

#include "Kelvane/animation/AnimationPlayer.h"
#include "Kelvane/settings/AppSettings.h"

#include "Kelvane/status/MenuBarContentView.h"

#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"

#include "TimerCoreKit/audio/TickSoundGenerator.h"
#include "TimerCoreKit/commands/TimerCommand.h"
#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/notify/NotificationManager.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/CustomTimerStore.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include <QObject>

#include <memory>
#include <optional>

// The spine of the running program: owns the engine, the sessions, the
// settings and the managers for the life of the process, keeps the tray item
// drawn, and performs what clicks, shortcuts, deep links and the widget's
// queued commands ask. Main thread only.
class StatusItemController final : public QObject, public DeepLinkTarget {
    Q_OBJECT

public:
    explicit StatusItemController(StatusItemControllerParts parts, QObject* parent = nullptr);
    ~StatusItemController() override;

    // DeepLinkTarget
    void handleDeepLink(const DeepLinkAction& action) override;
    void processPendingCommands() override;

    void handleLeftClick();
    void handleRightClick();
    void togglePopover();
    void openSettingsWindow();
    void toggleFloatingDisplay();
    void checkForUpdates();
    void quit();
    // Runs the custom-duration prompt once the current work has returned.
    void showCustomDurationDialog();
    void showClickHintIfNeeded();
    // Drains the widget's queue when the program becomes the active one.
    void handleApplicationStateChanged(Qt::ApplicationState state);

    TimerEngine& engine() { return *m_engine; }
    AppSettings& settings() { return *m_settings; }
    PomodoroSession& pomodoroSession() { return *m_pomodoroSession; }
    CustomTimerStore& customTimerStore() { return *m_customTimerStore; }
    CustomTimerSession& customTimerSession() { return *m_customTimerSession; }
    AnimationPlayer& animationPlayer() { return *m_animationPlayer; }
    const MenuBarRefreshTrigger& refreshTrigger() const { return m_refreshTrigger; }
    platform::StatusItem& statusItem() { return *m_statusItem; }
    bool updateAvailable() const { return m_updateAvailable; }
    bool canCheckForUpdates() const { return m_updates->canCheckForUpdates(); }
    // For the settings window, which owns what it is given.
    std::unique_ptr<LaunchAtLoginManager> makeLaunchAtLoginManager() const { return m_makeLaunchAtLogin(); }
    SoundManager& soundManager() { return *m_sounds; }
    FocusStatusManager& focusStatusManager() { return *m_focus; }

    // The pause between construction and the first-run hint.
    static constexpr double clickHintDelay = 0.6;
    // Throttle window of the tray redraws.
    static constexpr double refreshWindow = 0.2;
    // The widget is asked to reload for a settings change at most this often.
    static constexpr double widgetSettingsReloadWindow = 1.0;
    // Tick sounds come at most this often.
    static constexpr double minimumTickSpacing = 0.5;
    // A look that moves by itself redraws the tray at most this often.
    static constexpr double minimumLookChangeDelay = 0.1;

private:
    void setupStatusItem();
    void setupBindings();
    void setupWidgetSettingsReload();
    void installCommandObservers();
    void installSleepPrevention();
    void installHotkeys();

    void refresh();
    void redrawStatusItem();
    static qreal stripPixelRatio();
    void handleModeChange();
    void playCompletionAnimation();
    void tickIfDue(TimerDirection direction);
    void applyFloatingDisplay(bool enabled);
    void releaseSleepPrevention();
    void applyGlobalShortcuts(bool enabled);
    void handleSettingsChange();
    void handleUpdateAvailable(bool available);
    void perform(const TimerCommand& command);
    void endRunningSessions();
    void selectPresetEndingCustomCycle(const QString& presetID);
    void runCustomDurationDialog();

    platform::UserDefaults& m_defaults;
    platform::CrossProcessNotifier& m_notifier;
    std::function<std::unique_ptr<platform::OneShotTimer>()> m_makeOneShotTimer;
    platform::Clock m_clock;
    platform::ElapsedClock m_monotonicSeconds;

    MenuBarRefreshTrigger m_refreshTrigger;
    std::unique_ptr<SleepPreventionManager> m_sleepPrevention;
    std::unique_ptr<AnimationPlayer> m_animationPlayer;
    std::unique_ptr<SoundManager> m_sounds;
    std::unique_ptr<NotificationManager> m_notificationManager;
    std::unique_ptr<TickSoundGenerator> m_tickSounds;
    std::optional<double> m_lastTickTime; // monotonic; none before the first tick
    std::unique_ptr<FocusStatusManager> m_focus;
    std::unique_ptr<UpdateController> m_updates;
    std::function<std::unique_ptr<LaunchAtLoginManager>()> m_makeLaunchAtLogin;
    bool m_updateAvailable = false;
    std::unique_ptr<AppSettings> m_settings;
    FocusGate m_focusGate;
    FocusGatedSoundPlayer m_sessionSounds;
    std::unique_ptr<TimerEngine> m_engine;
    std::unique_ptr<PomodoroSession> m_pomodoroSession;
    std::unique_ptr<CustomTimerStore> m_customTimerStore;
    std::unique_ptr<CustomTimerSession> m_customTimerSession;
    std::unique_ptr<platform::StatusItem> m_statusItem;

    std::unique_ptr<SettingsWindowOpener> m_settingsWindow;
    std::unique_ptr<FloatingPanelSwitch> m_floatingPanel;
    std::unique_ptr<PopoverHost> m_popover;
    std::unique_ptr<CustomDurationPrompt> m_customDurationPrompt;
    std::unique_ptr<ClickHintPresenter> m_clickHint;
    std::function<void()> m_quit;

    std::unique_ptr<RefreshThrottle> m_refreshThrottle;
    std::unique_ptr<RefreshThrottle> m_widgetReloadThrottle;
    // The settings as the widget last read them.
    WidgetAppearanceSettings m_widgetAppearance;
    std::unique_ptr<platform::OneShotTimer> m_clickHintTimer;
    // Redraws the tray when the look changes by itself (blinking, a pulsing colon).
    std::unique_ptr<platform::OneShotTimer> m_lookChangeTimer;
    // The tray picture's look state, carried from one drawing to the next.
    MenuBarLookStates m_lookStates;
    // The settings last seen, so a change of the whole store tells which moved.
    bool m_floatingDisplayEnabled = false;
    bool m_preventSleepWhileRunning = false;
    bool m_globalShortcutsEnabled = false;
    platform::ObservationToken m_commandObservation;
    std::unique_ptr<HotkeyManager> m_hotkeys;
    bool m_hotkeysEnabled = false;
};
