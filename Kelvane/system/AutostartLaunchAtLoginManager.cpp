// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/AutostartLaunchAtLoginManager.h"

AutostartLaunchAtLoginManager::AutostartLaunchAtLoginManager(platform::AutostartEntry entry, QObject* parent)
    : LaunchAtLoginManager(parent)
    , m_entry(std::move(entry))
{
    refreshStatus();
}

void AutostartLaunchAtLoginManager::refreshStatus()
{
    setEnabled(m_entry.isEnabled());
}

void AutostartLaunchAtLoginManager::enable()
{
    if (m_entry.write())
        refreshStatus();
}

void AutostartLaunchAtLoginManager::disable()
{
    if (m_entry.remove())
        refreshStatus();
}
