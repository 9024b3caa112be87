// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/host/AppConnection.h"
#include "widget-extension/host/TimelineScheduler.h"
#include "widget-extension/host/WidgetPlacement.h"
#include "widget-extension/host/WidgetWindow.h"
#include "widget-extension/intents/WidgetIntents.h"
#include "widget-extension/provider/TimerWidgetProvider.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include "PlatformKit/core/OneShotTimer.h"
#include "PlatformKit/dbus/CrossProcessNotifier.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <memory>
#include <vector>

class QMenu;

// Everything the host is built from; the widget program's root fills it with
// real backends, tests with fakes. All are required but the rendering mode.
struct WidgetHostParts {
    platform::UserDefaults* defaults = nullptr;
    platform::CrossProcessNotifier* notifier = nullptr;
    platform::Clock clock;
    std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer;
    std::unique_ptr<AppConnection> app;
    QString configurationPath;
    // Whether the widgets start at login.
    std::function<void(bool)> setLaunchAtLogin;
    // The free area of the primary screen, where new widgets go.
    std::function<QRect()> availableGeometry;
    std::function<void()> quit;
    WidgetRenderingMode renderingMode = WidgetRenderingMode::FullColor;
};

// The widget program's own small widget host: places the widget windows,
// keeps their timelines, runs their buttons and remembers where they are.
class WidgetHost : public QObject {
    Q_OBJECT

public:
    explicit WidgetHost(WidgetHostParts parts, QObject* parent = nullptr);
    ~WidgetHost() override;

    // Shows the configured widgets, or one small widget when there are none.
    void start();
    // Every widget asks for its timeline again, at once.
    void reloadAllTimelines();

    void addWidget();
    void removeWidget(std::size_t index);
    void setFamily(std::size_t index, WidgetFamily family);
    void setPreset(std::size_t index, const QString& presetID);
    void perform(const WidgetAction& action);

    std::size_t count() const { return m_widgets.size(); }
    const PlacedWidget& placement(std::size_t index) const;
    WidgetWindow& window(std::size_t index);
    // The right-click menu of one widget, as it would open.
    std::unique_ptr<QMenu> makeMenu(std::size_t index);

private:
    struct Hosted;
    void place(PlacedWidget placement);
    std::size_t indexOf(const Hosted* hosted) const;
    TimerWidgetConfigurationIntent configurationOf(const PlacedWidget& placement) const;
    void persist();

    platform::UserDefaults& m_defaults;
    platform::CrossProcessNotifier& m_notifier;
    platform::Clock m_clock;
    std::function<std::unique_ptr<platform::OneShotTimer>()> m_makeOneShotTimer;
    std::unique_ptr<AppConnection> m_app;
    QString m_configurationPath;
    std::function<void(bool)> m_setLaunchAtLogin;
    std::function<QRect()> m_availableGeometry;
    std::function<void()> m_quit;
    WidgetRenderingMode m_renderingMode;
    TimerCommandQueue m_queue;
    TimerWidgetProvider m_provider;
    IntentContext m_intentContext;
    std::vector<std::unique_ptr<Hosted>> m_widgets;
    platform::ObservationToken m_reloadObservation;
};
