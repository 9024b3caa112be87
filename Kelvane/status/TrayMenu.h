// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StatusItem.h"
#include "TimerCoreKit/engine/TimerMode.h"

#include <QList>
#include <QString>

#include <functional>

// The menu a tray host shows instead of passing the right click on: first
// the right click's own action, named for what it does in `mode`, then the
// rest of what the icon offers.
namespace TrayMenu {

struct Actions {
    std::function<void()> toggle;
    std::function<void()> reset;
    std::function<void()> openControls;
    std::function<void()> openSettings;
    std::function<void()> quit;
};

// What the right click does in `mode`: idle "Start", running "Pause",
// paused "Resume", completed "Reset".
QString toggleLabel(TimerMode mode);

QList<platform::StatusMenuEntry> entries(TimerMode mode, const Actions& actions);

} // namespace TrayMenu
