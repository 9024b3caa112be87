// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/HotkeyManager.h"

#include "PlatformKit/input/ShortcutWatch.h"

#include <QObject>

#include <memory>

// The global shortcuts on the desktop: a watch on other applications, which
// keep their key presses, and one on the program's own windows, which never
// see the shortcuts. The callbacks run on a later turn of the event loop,
// never inside a key handler.
class DesktopHotkeyManager final : public HotkeyManager {
public:
    using WatchFactory = std::function<std::unique_ptr<platform::ShortcutWatch>(const QList<platform::Shortcut>&,
                                                                                platform::ShortcutActivated)>;

    DesktopHotkeyManager(WatchFactory watchGlobal = platform::watchGlobalShortcuts,
                         WatchFactory watchOwnWindows = platform::watchOwnWindowShortcuts);
    ~DesktopHotkeyManager() override;

    void enable() override;
    void disable() override;

private:
    void activated(const QString& id);

    WatchFactory m_watchGlobal;
    WatchFactory m_watchOwnWindows;
    std::unique_ptr<platform::ShortcutWatch> m_globalWatch;
    std::unique_ptr<platform::ShortcutWatch> m_ownWindowWatch;
    // Queued callbacks are bound to it, so those pending when the manager
    // goes are dropped.
    QObject m_context;
};
