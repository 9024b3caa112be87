// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/app/AppModel.h"
#include "Kelvane/app/DeepLinkAction.h"
#include "Kelvane/commands/TimerCommandPerformer.h"
#include "Kelvane/status/MenuBarContentView.h"
#include "Kelvane/status/MenuBarRefreshTrigger.h"
#include "Kelvane/status/RefreshThrottle.h"
#include "Kelvane/status/StatusItemControllerParts.h"
#include "Kelvane/status/WidgetReloadRequests.h"
#include "Kelvane/system/FocusGate.h"
#include "Kelvane/system/SystemManagers.h"
#include "Kelvane/system/SystemReactions.h"

#include <QObject>

#include <memory>
#include <optional>

// The running program's owner: builds the model, the command performer, the
// system reactions and the widget's reload requests for the life of the
// process, and drives the tray item: its picture, its clicks, the popover and
// the first-run hint. Main thread only.
class StatusItemController final : public QObject, public RunningProgram {
    Q_OBJECT

public:
    explicit StatusItemController(StatusItemControllerParts parts, QObject* parent = nullptr);
    ~StatusItemController() override;

    // RunningProgram
    DeepLinkTarget& deepLinkTarget() override { return *m_commands; }

    AppModel& model() { return *m_model; }
    TimerCommandPerformer& commands() { return *m_commands; }
    const MenuBarRefreshTrigger& refreshTrigger() const { return m_refreshTrigger; }
    bool updateAvailable() const { return m_managers.updates->updateAvailable(); }

    void handleLeftClick();
    void handleRightClick();
    // The menu hosts show instead of passing the right click on.
    QList<platform::StatusMenuEntry> trayMenuEntries();
    void togglePopover();
    void toggleFloatingDisplay();
    void checkForUpdates();
    void showClickHintIfNeeded();

    // The pause between construction and the first-run hint.
    static constexpr double clickHintDelay = 0.6;
    // Throttle window of the tray redraws.
    static constexpr double refreshWindow = 0.2;
    // A look that moves by itself redraws the tray at most this often.
    static constexpr double minimumLookChangeDelay = 0.1;

private:
    void followModel(const platform::ElapsedClock& monotonic);
    PopoverContent popoverContent();
    void refresh();
    // Draws the tray's picture and schedules the next change of its look.
    void redrawStatusItem();
    void draw(MenuBarContent content, platform::Date now);
    MenuBarContent trayContent() const;
    void handleUpdateAvailable();

    platform::UserDefaults& m_defaults;
    platform::Clock m_clock;
    std::function<std::unique_ptr<platform::OneShotTimer>()> m_makeOneShotTimer;

    MenuBarRefreshTrigger m_refreshTrigger;
    SystemManagers m_managers;
    FocusGate m_focusGate;
    FocusGatedSoundPlayer m_sessionSounds;
    std::unique_ptr<WidgetReloadRequests> m_widgetReloads;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<platform::StatusItem> m_statusItem;

    std::unique_ptr<CustomDurationPrompt> m_customDurationPrompt;
    std::unique_ptr<SettingsWindowOpener> m_settingsWindow;
    std::unique_ptr<FloatingPanelSwitch> m_floatingPanel;
    std::unique_ptr<TimerCommandPerformer> m_commands;
    std::unique_ptr<PopoverHost> m_popover;
    std::unique_ptr<ClickHintPresenter> m_clickHint;
    std::function<void()> m_quit;
    std::unique_ptr<SystemReactions> m_reactions;

    std::unique_ptr<RefreshThrottle> m_refreshThrottle;
    std::unique_ptr<platform::OneShotTimer> m_clickHintTimer;
    // Redraws the tray when the look changes by itself (blinking, a pulsing colon).
    std::unique_ptr<platform::OneShotTimer> m_lookChangeTimer;
    // The tray picture's look state, carried from one drawing to the next.
    MenuBarLookStates m_lookStates;
    // What the picture shown was drawn from.
    std::optional<MenuBarContent> m_drawnContent;
    platform::StatusItem::Shape m_drawnShape = platform::StatusItem::Shape::SquareCell;
    std::optional<int> m_drawnCellPixels;
    // The context of the tray's own subscriptions; it goes first, so nothing
    // the members announce while they are torn down reaches the tray.
    QObject m_subscriptions;
};
