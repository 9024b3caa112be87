// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/AppWindows.h"

#include "PlatformKit/audio/AudioOutput.h"
#include "PlatformKit/core/OneShotTimer.h"

#include <functional>
#include <memory>

class AppModel;
struct SystemManagers;

// The settings window over the program's settings and its sound,
// do-not-disturb, launch-at-login and update managers.
std::unique_ptr<SettingsWindowOpener>
makeSettingsWindow(AppModel& model, SystemManagers& managers, platform::AudioOutputFactory audioOutput,
                   std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer);
