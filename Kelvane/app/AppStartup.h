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
    // Builds the object that performs links and widget commands (the status
    // item controller) over the shared store; it may give none.
    using TargetFactory = std::function<std::unique_ptr<DeepLinkTarget>(platform::UserDefaults&)>;

    // `now` dates the heartbeat; the link gate has its own monotonic clock.
    AppStartup(StoreProvider store, TargetFactory makeTarget, platform::Clock now = platform::Date::now,
               DeepLinkGate::MonotonicClock gateClock = platform::bootTimeSeconds);
    ~AppStartup();
    AppStartup(const AppStartup&) = delete;
    AppStartup& operator=(const AppStartup&) = delete;

    // Takes the store, builds the target, records the heartbeat, then performs
    // the widget commands queued while the program was not running. Once.
    void launch();

    // Performs each kelvane:// link in order; foreign or malformed ones are
    // skipped, and a link within a second of the last accepted one is
    // dropped. A link accepted before there is a target is lost, but still
    // holds off the next one.
    void openUrls(const QList<QUrl>& urls);

    // The program was asked to come forward: catch up on queued commands.
    void activate();

    DeepLinkTarget* target() const { return m_target.get(); }

private:
    StoreProvider m_store;
    TargetFactory m_makeTarget;
    platform::Clock m_now;
    DeepLinkGate m_gate;
    std::unique_ptr<DeepLinkTarget> m_target;
    bool m_launched = false;
};
