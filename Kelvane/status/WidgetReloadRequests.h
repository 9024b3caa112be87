// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/RefreshThrottle.h"

#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"

#include "PlatformKit/core/OneShotTimer.h"
#include "PlatformKit/dbus/CrossProcessNotifier.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QObject>

#include <functional>
#include <memory>

class AppSettings;

// Asks the widget program to read the shared store again: at once for every
// change of the timer, and for a change of what it shows of the settings at
// most once a second while a slider moves.
class WidgetReloadRequests final : public QObject {
    Q_OBJECT

public:
    WidgetReloadRequests(platform::CrossProcessNotifier& notifier, platform::UserDefaults& defaults,
                         const std::function<std::unique_ptr<platform::OneShotTimer>()>& makeOneShotTimer,
                         QObject* parent = nullptr);

    // The engine's widget-refresh callback.
    void reload();
    // From here on a settings change the widget would show reloads it.
    void follow(AppSettings& settings);

    // The widget is asked to reload for a settings change at most this often.
    static constexpr double settingsReloadWindow = 1.0;

private:
    void compareSettings();

    platform::CrossProcessNotifier& m_notifier;
    platform::UserDefaults& m_defaults;
    RefreshThrottle m_settingsThrottle;
    // The settings as the widget last read them.
    WidgetAppearanceSettings m_widgetAppearance;
};
