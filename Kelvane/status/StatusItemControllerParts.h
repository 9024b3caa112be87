// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/popover/PopoverHost.h"
#include "Kelvane/status/AppWindows.h"
#include "Kelvane/status/ClickHintPresenter.h"
#include "Kelvane/status/CustomDurationPrompt.h"
#include "Kelvane/system/FocusStatusManager.h"
#include "Kelvane/system/HotkeyManager.h"
#include "Kelvane/system/LaunchAtLoginManager.h"
#include "Kelvane/system/SleepPreventionManager.h"
#include "Kelvane/system/SoundManager.h"
#include "Kelvane/update/UpdateController.h"

#include "TimerCoreKit/engine/CountdownTicker.h"

#include "PlatformKit/audio/AudioOutput.h"
#include "PlatformKit/core/Date.h"
#include "PlatformKit/core/ElapsedClock.h"
#include "PlatformKit/core/OneShotTimer.h"
#include "PlatformKit/dbus/CrossProcessNotifier.h"
#include "PlatformKit/dbus/DesktopNotifications.h"
#include "PlatformKit/store/UserDefaults.h"
#include "PlatformKit/tray/StatusItem.h"

#include <functional>
#include <memory>

class AppModel;
class TimerCommandPerformer;
struct SystemManagers;

// A factory that hands over a window made beforehand (a fake, in tests).
template <typename Window, typename... Inputs>
auto handOver(std::unique_ptr<Window> window)
{
    auto held = std::make_shared<std::unique_ptr<Window>>(std::move(window));
    return [held](Inputs&...) { return std::move(*held); };
}

// Everything the status item controller is built from. The composition root
// fills it with the real backends, tests with fakes. The store, the notifier,
// the ticker, the timer factory and the status item are required; every
// other part left empty is replaced by one that does nothing.
struct StatusItemControllerParts {
    platform::UserDefaults* defaults = nullptr;
    platform::CrossProcessNotifier* notifier = nullptr;
    std::unique_ptr<platform::DesktopNotifications> notifications;
    platform::AudioOutputFactory audioOutput;
    std::shared_ptr<CountdownTicker> ticker;
    std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer;
    // The wall clock the engine keeps its dates by.
    platform::Clock clock = &platform::Date::now;
    // Seconds on a clock that never goes back (boot time by default): the
    // engine's running time and the spacing of tick sounds.
    platform::ElapsedClock monotonicSeconds;
    std::unique_ptr<platform::StatusItem> statusItem;

    std::unique_ptr<SleepPreventionManager> sleepPrevention;
    std::unique_ptr<SoundManager> sounds;
    std::unique_ptr<FocusStatusManager> focus;
    std::unique_ptr<HotkeyManager> hotkeys;
    std::unique_ptr<UpdateController> updates;
    std::function<std::unique_ptr<LaunchAtLoginManager>()> makeLaunchAtLogin;

    // The windows, each made from the parts it shows once they exist.
    std::function<std::unique_ptr<SettingsWindowOpener>(AppModel&, SystemManagers&)> settingsWindow;
    std::function<std::unique_ptr<FloatingPanelSwitch>(AppModel&)> floatingPanel;
    std::function<std::unique_ptr<PopoverHost>(AppModel&, TimerCommandPerformer&)> popover;
    std::unique_ptr<CustomDurationPrompt> customDurationPrompt;
    std::unique_ptr<ClickHintPresenter> clickHint;
    std::function<void()> quit;
};
