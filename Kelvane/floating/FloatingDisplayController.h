// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/AppWindows.h"
#include "Kelvane/status/MenuBarRefreshTrigger.h"
#include "Kelvane/status/RefreshThrottle.h"

#include "shared-ui/looks/DisplayStyleConfig.h"

#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/options/DisplayOptions.h"

#include "PlatformKit/core/OneShotTimer.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QObject>
#include <QRect>

#include <functional>
#include <memory>

class AnimationPlayer;
class AppSettings;
class CustomTimerSession;
class FloatingPanel;
class PomodoroSession;
class TimerEngine;

// The visible frames of the attached screens, in the order the system lists
// them, and the one a panel without a place is centred in.
struct ScreenFrames {
    QList<QRect> visible;
    QRect primary;

    static ScreenFrames current();
};

// Shows the timer in the floating panel: builds a new panel on each showing,
// sized to its content and placed where the user left it (or centred), keeps
// it drawn and fitted while it is shown, and saves its place when it is hidden.
class FloatingDisplayController final : public QObject, public FloatingPanelSwitch {
    Q_OBJECT

public:
    FloatingDisplayController(const TimerEngine& engine, AppSettings& settings, const AnimationPlayer& player,
                              const PomodoroSession& pomodoro, const CustomTimerSession& customTimer,
                              platform::UserDefaults& defaults,
                              std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer,
                              std::function<ScreenFrames()> screens = &ScreenFrames::current,
                              QObject* parent = nullptr);
    ~FloatingDisplayController() override;

    // FloatingPanelSwitch: a shown panel is brought to the front; otherwise
    // a new one is shown and kept up to date.
    void showPanel() override;
    void hidePanel() override { hide(); }

    void show();
    void setupBindings();
    void hide();
    void savePosition();

    // None while hidden.
    FloatingPanel* panel() const { return m_panel.get(); }
    const MenuBarRefreshTrigger& refreshTrigger() const { return m_refreshTrigger; }

    // Throttle window of the panel's redraws.
    static constexpr double refreshWindow = 0.2;

private:
    struct LookSettings {
        DisplayType displayType;
        DisplayStyleConfig styleConfig;
        TimeFormat timeFormat;
        bool showLeadingZero;
        friend bool operator==(const LookSettings&, const LookSettings&) = default;
    };
    // Deleted once the event that hid it has been handled (a click on its
    // own close button, for one).
    struct LaterDeleter {
        void operator()(FloatingPanel* panel) const;
    };

    LookSettings lookSettings() const;
    void refresh();
    void refit();

    const TimerEngine& m_engine;
    AppSettings& m_settings;
    const AnimationPlayer& m_player;
    const PomodoroSession& m_pomodoro;
    const CustomTimerSession& m_customTimer;
    platform::UserDefaults& m_defaults;
    std::function<std::unique_ptr<platform::OneShotTimer>()> m_makeOneShotTimer;
    std::function<ScreenFrames()> m_screens;

    MenuBarRefreshTrigger m_refreshTrigger;
    std::unique_ptr<FloatingPanel, LaterDeleter> m_panel;
    // The subscription: its connections end with this object.
    std::unique_ptr<QObject> m_bindings;
    std::unique_ptr<RefreshThrottle> m_throttle;
    LookSettings m_lastLook;
};
