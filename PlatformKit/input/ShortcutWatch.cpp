// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/input/ShortcutWatch.h"

#include "PlatformKit/core/Logging.h"
#include "PlatformKit/input/OwnWindowShortcutFilter.h"
#include "PlatformKit/input/PortalShortcutWatch.h"
#include "PlatformKit/input/X11ShortcutWatch.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace platform {

std::unique_ptr<ShortcutWatch> watchGlobalShortcuts(const QList<Shortcut>& shortcuts, ShortcutActivated onActivated)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The raw events also report presses in this program's own windows;
        // those belong to the own-window filter.
        auto watch = X11ShortcutWatch::connect({}, shortcuts, std::move(onActivated),
                                               [] { return QGuiApplication::focusWindow() != nullptr; });
        if (watch)
            qCWarning(lcInput) << "global shortcuts through the X server's raw key events";
        else
            qCWarning(lcInput) << "no global shortcuts: the X server offers no raw key events";
        return watch;
    }
    // The portal says itself whether it takes them.
    return std::make_unique<PortalShortcutWatch>(QDBusConnection::sessionBus(), shortcuts, std::move(onActivated));
}

std::unique_ptr<ShortcutWatch> watchOwnWindowShortcuts(const QList<Shortcut>& shortcuts, ShortcutActivated onActivated)
{
    return std::make_unique<OwnWindowShortcutFilter>(shortcuts, std::move(onActivated));
}

} // namespace platform
