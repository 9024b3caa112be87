// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/input/ShortcutKeys.h"

#include <functional>
#include <memory>

namespace platform {

// Watches for shortcuts for as long as it lives.
class ShortcutWatch {
public:
    virtual ~ShortcutWatch() = default;
    ShortcutWatch(const ShortcutWatch&) = delete;
    ShortcutWatch& operator=(const ShortcutWatch&) = delete;

protected:
    ShortcutWatch() = default;
};

// Called on the main thread with the id of the shortcut pressed.
using ShortcutActivated = std::function<void(const QString& id)>;

// The shortcuts pressed in other applications, which still receive the key
// press: XInput 2 on X11, the desktop's GlobalShortcuts portal elsewhere.
// Null where the desktop offers neither.
std::unique_ptr<ShortcutWatch> watchGlobalShortcuts(const QList<Shortcut>& shortcuts, ShortcutActivated onActivated);

// The shortcuts pressed in this program's own windows, which never see them.
std::unique_ptr<ShortcutWatch> watchOwnWindowShortcuts(const QList<Shortcut>& shortcuts, ShortcutActivated onActivated);

} // namespace platform
