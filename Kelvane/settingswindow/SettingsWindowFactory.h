#pragma once

#include "Kelvane/status/AppWindows.h"

#include "PlatformKit/audio/AudioOutput.h"
#include "PlatformKit/core/OneShotTimer.h"

#include <functional>
#include <memory>

class StatusItemController;

// The settings window over what the controller owns: its settings, its sound,
// do-not-disturb and launch-at-login managers and its update check.
std::unique_ptr<SettingsWindowOpener> makeSettingsWindow(StatusItemController& controller,
                                                         platform::AudioOutputFactory audioOutput,
                                                         std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer);
