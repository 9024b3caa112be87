// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/DesktopHotkeyManager.h"

#include "Kelvane/system/HotkeyShortcuts.h"

#include <QMetaObject>

DesktopHotkeyManager::DesktopHotkeyManager(WatchFactory watchGlobal, WatchFactory watchOwnWindows)
    : m_watchGlobal(std::move(watchGlobal))
    , m_watchOwnWindows(std::move(watchOwnWindows))
{
}

DesktopHotkeyManager::~DesktopHotkeyManager()
{
    disable();
}

void DesktopHotkeyManager::enable()
{
    const auto onActivated = [this](const QString& id) { activated(id); };
    m_globalWatch = m_watchGlobal(hotkeys::shortcuts(), onActivated);
    m_ownWindowWatch = m_watchOwnWindows(hotkeys::shortcuts(), onActivated);
}

void DesktopHotkeyManager::disable()
{
    m_globalWatch.reset();
    m_ownWindowWatch.reset();
}

void DesktopHotkeyManager::activated(const QString& id)
{
    QMetaObject::invokeMethod(
        &m_context,
        [this, id] {
            if (id == hotkeys::toggleId)
                toggleTimer();
            else if (id == hotkeys::resetId)
                resetTimer();
        },
        Qt::QueuedConnection);
}
