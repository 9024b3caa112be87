// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;
class WidgetHost;

namespace platform {
class CrossProcessNotifier;
}

// The one place of the widget program that creates real backends: the shared
// store, the bus, the timers and the connection to the app.
class WidgetCompositionRoot {
public:
    static constexpr auto appServiceName = "com.morrowfen.Kelvane";
    static constexpr auto appObjectPath = "/com/morrowfen/Kelvane";
    static constexpr auto autostartID = "com.morrowfen.Kelvane.Widgets";

    explicit WidgetCompositionRoot(QApplication& app);
    ~WidgetCompositionRoot();
    WidgetCompositionRoot(const WidgetCompositionRoot&) = delete;
    WidgetCompositionRoot& operator=(const WidgetCompositionRoot&) = delete;

    // Shows the widgets and runs the event loop; the exit code.
    int run();

private:
    QApplication& m_app;
    std::unique_ptr<platform::CrossProcessNotifier> m_notifier;
    std::unique_ptr<WidgetHost> m_host;
};
