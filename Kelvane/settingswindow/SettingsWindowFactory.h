#pragma once

#include "Kelvane/status/AppWindows.h"

#include "PlatformKit/audio/AudioOutput.h"
#include "PlatformKit/core/OneShotTimer.h"

#include <functional>
#include <memory>

class QWidget;
class StatusItemController;

// The settings window over what the controller owns: its settings, its sound,
// do-not-disturb and launch-at-login managers and its update check.
// `makeAppearancePage` builds the Appearance tab's page for each window
// (empty: a placeholder).
std::unique_ptr<SettingsWindowOpener> makeSettingsWindow(StatusItemController& controller,
                                                         platform::AudioOutputFactory audioOutput,
                                                         std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer,
                                                         std::function<QWidget*()> makeAppearancePage = {});
