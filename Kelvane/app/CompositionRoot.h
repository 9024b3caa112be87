// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/app/AppBackends.h"

#include <memory>

class AppStartup;
class StorageProblemNotice;
class QApplication;

namespace platform {
class SingleInstance;
}

// The one place that creates real backends: the shared store, the buses, the
// sound output, the ticker and the timers. Everything below it is handed what
// it uses.
class CompositionRoot {
public:
    // The well-known bus name and object of the running program; the desktop
    // entry and the D-Bus service file carry the same name.
    static constexpr auto applicationID = "com.morrowfen.Kelvane";
    static constexpr auto objectPath = "/com/morrowfen/Kelvane";

    explicit CompositionRoot(QApplication& app);
    ~CompositionRoot();
    CompositionRoot(const CompositionRoot&) = delete;
    CompositionRoot& operator=(const CompositionRoot&) = delete;

    // Hands the command line's links to a copy that is already running and
    // returns; otherwise starts the program and runs its event loop. The
    // process's exit code.
    int run();

    static AppBackends realBackends();

private:
    QApplication& m_app;
    AppBackends m_backends;
    // Tells the user when the shared store cannot keep their changes.
    std::unique_ptr<platform::DesktopNotifications> m_storageNotifications;
    std::unique_ptr<StorageProblemNotice> m_storageNotice;
    std::unique_ptr<AppStartup> m_startup;
    // Destroyed first: no call from the bus reaches a half-destroyed program.
    std::unique_ptr<platform::SingleInstance> m_singleInstance;
};
