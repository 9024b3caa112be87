// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/SettingsWindowFactory.h"

#include "Kelvane/app/AppModel.h"
#include "Kelvane/settingswindow/ProgramIdentity.h"
#include "Kelvane/settingswindow/SettingsWindowController.h"
#include "Kelvane/system/SystemManagers.h"

#include "shared-ui/identity/ProgramIcon.h"

#include <QPointer>

std::unique_ptr<SettingsWindowOpener>
makeSettingsWindow(AppModel& model, SystemManagers& managers, platform::AudioOutputFactory audioOutput,
                   std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer)
{
    SettingsWindowParts parts;
    parts.settings = &model.settings();
    parts.sounds = managers.sounds.get();
    parts.focus = managers.focus.get();
    parts.makeLaunchAtLogin = managers.makeLaunchAtLogin;
    parts.audioOutput = std::move(audioOutput);
    parts.makeOneShotTimer = std::move(makeOneShotTimer);
    if (managers.updates->canCheckForUpdates()) {
        QPointer<UpdateController> updates(managers.updates.get());
        parts.onCheckForUpdates = [updates] {
            if (updates)
                updates->checkAfresh();
        };
    }
    parts.icon = &ProgramIcon::icon;
    parts.shortVersion = ProgramIdentity::shortVersion();
    parts.buildNumber = ProgramIdentity::buildNumber();
    return std::make_unique<SettingsWindowController>(std::move(parts));
}
