// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/FocusStatusManager.h"
#include "Kelvane/system/HotkeyManager.h"
#include "Kelvane/system/LaunchAtLoginManager.h"
#include "Kelvane/system/SleepPreventionManager.h"
#include "Kelvane/system/SoundManager.h"
#include "Kelvane/update/UpdateController.h"

#include "TimerCoreKit/audio/TickSoundGenerator.h"
#include "TimerCoreKit/notify/NotificationManager.h"

#include <functional>
#include <memory>

// The program's hands on the desktop's services, owned for the life of the
// process. Every one is set: a part left out is one that does nothing.
struct SystemManagers {
    std::unique_ptr<SleepPreventionManager> sleepPrevention;
    std::unique_ptr<SoundManager> sounds;
    std::unique_ptr<NotificationManager> notifications;
    std::unique_ptr<TickSoundGenerator> tickSounds;
    std::unique_ptr<FocusStatusManager> focus;
    std::unique_ptr<UpdateController> updates;
    std::unique_ptr<HotkeyManager> hotkeys;
    // The settings window makes one each time it is built, so it shows the
    // system's state as of its opening.
    std::function<std::unique_ptr<LaunchAtLoginManager>()> makeLaunchAtLogin;
};
