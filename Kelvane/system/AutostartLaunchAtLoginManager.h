// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/LaunchAtLoginManager.h"

#include "PlatformKit/session/AutostartEntry.h"

// Launch at login as the user's XDG autostart entry for the program.
class AutostartLaunchAtLoginManager final : public LaunchAtLoginManager {
    Q_OBJECT

public:
    explicit AutostartLaunchAtLoginManager(platform::AutostartEntry entry, QObject* parent = nullptr);

    void refreshStatus() override;
    void enable() override;
    void disable() override;

private:
    platform::AutostartEntry m_entry;
};
