// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/CountdownTicker.h"

#include "PlatformKit/audio/AudioOutput.h"
#include "PlatformKit/core/Date.h"
#include "PlatformKit/core/OneShotTimer.h"
#include "PlatformKit/dbus/CrossProcessNotifier.h"
#include "PlatformKit/dbus/DesktopNotifications.h"

#include <functional>
#include <memory>

// The real services the program's objects run on, built in one place (the
// composition root) and handed down; tests build the same set from fakes.
struct AppBackends {
    // Tells the widget that the app changed something, and hears its commands.
    std::shared_ptr<platform::CrossProcessNotifier> notifier;
    // The desktop's notification service, one per owner.
    std::function<std::unique_ptr<platform::DesktopNotifications>()> makeDesktopNotifications;
    // Opens the sound output for tick sounds.
    platform::AudioOutputFactory makeAudioOutput;
    // The engine's one-second ticker.
    std::function<std::shared_ptr<CountdownTicker>()> makeTicker;
    // Delays on the main event loop (phase pauses, animation frames).
    std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer;
    // The current date, for everything that stores or compares dates.
    platform::Clock now;
};
