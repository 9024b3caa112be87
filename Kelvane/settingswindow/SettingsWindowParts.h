// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/system/FocusStatusManager.h"
#include "Kelvane/system/LaunchAtLoginManager.h"
#include "Kelvane/system/SoundManager.h"

#include "PlatformKit/audio/AudioOutput.h"
#include "PlatformKit/core/OneShotTimer.h"

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// What the settings window shows and writes. The stores and managers belong
// to the status item controller and outlive every window; the factories make
// what each window owns for its own life.
struct SettingsWindowParts {
    AppSettings* settings = nullptr;
    SoundPlaying* sounds = nullptr;
    FocusStatusManager* focus = nullptr;
    // A fresh manager per window, so it shows the state as of the opening.
    std::function<std::unique_ptr<LaunchAtLoginManager>()> makeLaunchAtLogin;
    // The output of the tick preview's own generator.
    platform::AudioOutputFactory audioOutput;
    // Times the animation preview and the end of a tick preview.
    std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer;
    // Empty where the program cannot check: the General page then shows no
    // Updates section.
    std::function<void()> onCheckForUpdates;
    // The About page's icon (none, or a null icon: the timer symbol), asked
    // for when the window is built: drawing it costs memory a program that
    // never opens the window should not carry. The version parts (none: the
    // fallbacks).
    std::function<QIcon()> icon;
    std::optional<QString> shortVersion;
    std::optional<QString> buildNumber;
};
