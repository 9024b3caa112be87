#include "Kelvane/settingswindow/SettingsWindowFactory.h"

#include "Kelvane/settingswindow/ProgramIdentity.h"
#include "Kelvane/settingswindow/SettingsWindowController.h"
#include "Kelvane/status/StatusItemController.h"

#include <QPointer>

std::unique_ptr<SettingsWindowOpener> makeSettingsWindow(StatusItemController& controller,
                                                         platform::AudioOutputFactory audioOutput,
                                                         std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer)
{
    QPointer<StatusItemController> owner(&controller);
    SettingsWindowParts parts;
    parts.settings = &controller.settings();
    parts.sounds = &controller.soundManager();
    parts.focus = &controller.focusStatusManager();
    parts.makeLaunchAtLogin = [owner] { return owner->makeLaunchAtLoginManager(); };
    parts.audioOutput = std::move(audioOutput);
    parts.makeOneShotTimer = std::move(makeOneShotTimer);
    if (controller.canCheckForUpdates()) {
        parts.onCheckForUpdates = [owner] {
            if (owner)
                owner->checkForUpdates();
        };
    }
    parts.icon = &ProgramIdentity::icon;
    parts.shortVersion = ProgramIdentity::shortVersion();
    parts.buildNumber = ProgramIdentity::buildNumber();
    return std::make_unique<SettingsWindowController>(std::move(parts));
}
