// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/TrayMenu.h"

namespace TrayMenu {

QString toggleLabel(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Idle:
        break;
    case TimerMode::Running:
        return QStringLiteral("Pause");
    case TimerMode::Paused:
        return QStringLiteral("Resume");
    case TimerMode::Completed:
        return QStringLiteral("Reset");
    }
    return QStringLiteral("Start");
}

QList<platform::StatusMenuEntry> entries(TimerMode mode, const Actions& actions)
{
    return {
        {toggleLabel(mode), true, actions.toggle},
        // An idle timer has nothing to reset; a completed one resets from the first entry.
        {QStringLiteral("Reset"), isActive(mode), actions.reset},
        {QStringLiteral("Open Kelvane"), true, actions.openControls},
        {QStringLiteral("Settings…"), true, actions.openSettings},
        {QStringLiteral("Quit Kelvane"), true, actions.quit},
    };
}

} // namespace TrayMenu
