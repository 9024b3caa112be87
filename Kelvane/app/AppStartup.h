// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/app/DeepLinkAction.h"
#include "Kelvane/app/DeepLinkGate.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <memory>

// The program's start-up and the door through which deep links come in.
class AppStartup {
public:
    // The shared store, taken once at launch.
    using StoreProvider = std::function<platform::UserDefaults&()>;
    // Builds the program over the shared store, with the object that performs
    // links and widget commands; it may give none.
    using ProgramFactory = std::function<std::unique_ptr<RunningProgram>(platform::UserDefaults&)>;

    // `now` dates the heartbeat; the link gate has its own monotonic clock.
    AppStartup(StoreProvider store, ProgramFactory makeProgram, platform::Clock now = platform::Date::now,
               DeepLinkGate::MonotonicClock gateClock = platform::bootTimeSeconds);
    ~AppStartup();
    AppStartup(const AppStartup&) = delete;
    AppStartup& operator=(const AppStartup&) = delete;

    // Takes the store, builds the program, records the heartbeat, then performs
    // the widget commands queued while the program was not running. Once.
    void launch();

    // Performs each kelvane:// link in order; foreign or malformed ones are
    // skipped, and a link within a second of the last accepted one is
    // dropped. A link accepted before there is a program is lost, but still
    // holds off the next one.
    void openUrls(const QList<QUrl>& urls);

    // The program was asked to come forward: catch up on queued commands.
    void activate();

    DeepLinkTarget* target() const { return m_program ? &m_program->deepLinkTarget() : nullptr; }

private:
    StoreProvider m_store;
    ProgramFactory m_makeProgram;
    platform::Clock m_now;
    DeepLinkGate m_gate;
    std::unique_ptr<RunningProgram> m_program;
    bool m_launched = false;
};
